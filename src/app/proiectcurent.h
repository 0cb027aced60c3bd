#pragma once

#include "model/stare.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>

class ModelProiect;
class Istoric;
class QLockFile;
class QMenu;
class QTimer;
class QWidget;

// The design's file: its name, whether it has unsaved changes, the project
// menu's commands (new, open, save, recent files, import) with the question about
// unsaved changes, and the recovery file kept for a crash.
class ProiectCurent : public QObject
{
    Q_OBJECT

public:
    ProiectCurent(QWidget *fereastra, ModelProiect &model, Istoric &istoric, QObject *parent = nullptr);
    ~ProiectCurent() override;

    QString cale() const { return cale_; }
    bool modificat() const;

    // The commands of the menu "Proiect".
    void nou();
    void deschide();
    bool salveaza();
    bool salveazaCa();
    void deschideRecent(const QString &cale);
    // Reads a generated program back into the design, which then has no file
    // and unsaved changes; a refused program leaves the design as it was.
    void importa();

    // Loads a file without asking anything first; a refused file is reported
    // and the design stays as it was.
    bool incarca(const QString &cale);

    // Asks about unsaved changes when there are any: true when the caller
    // may go on (saved, or the changes let go), false to stop.
    bool continuaDupaModificari();

    // Once the main window is shown: offers back a design a crash left
    // behind, else opens the file named on the command line.
    void laPornire(const QString &fisierLinieComanda);
    // The program is asked to close: the recovery file is brought up to date.
    void scrieRecuperareaAcum();
    // The main window goes away normally: nothing is left to recover.
    void incheie();

    void umpleMeniulRecente(QMenu *meniu);

    // The main window's caption for this file and state.
    QString titlu(const QString &program) const;

    // The folder of the recovery files.
    static QString dosarRecuperare();

signals:
    void stareSchimbata();

private:
    void seteazaFisier(const QString &cale);
    void adaugaRecent(const QString &cale);
    void laSchimbare();
    void stergeRecuperarea();
    void scrieRecuperarea();
    bool deschideRecuperare(const QString &fisier);
    // Work no file holds as it is (recovered, imported): restored with a
    // fresh undo history and marked unsaved.
    void restaureazaNesalvat(const StareProiect &stare, const QString &cale);

    QWidget *fereastra_;
    ModelProiect &model_;
    Istoric &istoric_;
    QString cale_;
    // Recovery: this program's own file, guarded by its lock.
    QString fisierRecuperare_;
    std::unique_ptr<QLockFile> blocare_;
    QTimer *amanare_;
    QElapsedTimer ultimaScriere_;
};
