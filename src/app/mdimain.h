#pragma once

#include "formbase/sesiune.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMenu;
class Istoric;
class ProiectCurent;

// The main frame. Constructing it performs the main window's load: reads
// the options file from the current directory, resets the design, then
// creates, places and shows the work table, the window palette and the
// object palette.
class MdiMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit MdiMain(QWidget *parent = nullptr);
    ~MdiMain() override;

    Sesiune &sesiune() { return sesiune_; }
    // The records, for tests and tools that look at them or set them up
    // directly; the forms write only through the model's operations.
    Proiect &proiect() { return sesiune_.model.proiectModificabil(); }
    ModelProiect &model() { return sesiune_.model; }
    Istoric &istoric() { return *istoric_; }
    ProiectCurent &proiectCurent() { return *proiectCurent_; }

    // A project file to open once the window is shown (the command line's).
    void deschideLaPornire(const QString &cale) { fisierLaPornire_ = cale; }
    QMdiArea *mdiArea() const { return mdiArea_; }

    // The sub-window that wraps one of the three child forms.
    QMdiSubWindow *subFereastra(QWidget *form) const;

    static QString captionText();

    // Positions in twips of a child window, as the options file keeps them.
    static Pozitie pozitieTwips(const QMdiSubWindow *sub);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void creeazaMeniuri();
    void creeazaMeniulEditare();
    void actualizeazaTitlul();
    QMdiSubWindow *adaugaFormCopil(QWidget *form);
    void aseazaFereastra(QMdiSubWindow *sub, const Pozitie &salvata, const Pozitie &implicita);
    Pozitie pozitieImplicitaObiecte() const;
    Pozitie pozitieImplicitaFerestre() const;
    void aducInZonaVizibila(QMdiSubWindow *sub);
    void activeaza(QWidget *form);

    void mnuProiectGenereazaCod_Click();
    void mnuSetariSetari_Click();
    void mnuDespreSirolant_Click();
    void mnuIesireInchideSirolant_Click();

    Sesiune sesiune_;
    Istoric *istoric_ = nullptr;
    ProiectCurent *proiectCurent_ = nullptr;
    QString fisierLaPornire_;
    QMenu *meniuProiect_ = nullptr;
    QMenu *meniuEditare_ = nullptr;
    QMdiArea *mdiArea_ = nullptr;
    QMdiSubWindow *subTabela_ = nullptr;
    QMdiSubWindow *subFerestre_ = nullptr;
    QMdiSubWindow *subObiecte_ = nullptr;
    QSize dimensiuneLaAsezare_; // main window size the default positions were computed from
    bool primaAfisare_ = true;
};
