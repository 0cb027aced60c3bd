#pragma once

#include "formbase/formcopil.h"
#include "formbase/interfete.h"
#include "model/project.h"

#include <QList>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QToolBar;
class CuloareForma;
class ImagineClic;

// The object palette: the objects of the active window; the selected
// object is the item data of the selected line of lstObiecte.
class FrmObiecte : public FormCopil, public IPaletaObiecte
{
    Q_OBJECT

public:
    static constexpr int LatimeTwips = 4200;
    static constexpr int InaltimeTwips = 6240;

    explicit FrmObiecte(Sesiune &sesiune, QWidget *parent = nullptr);

    int obiectSelectat() const override;
    void ActualizeazaListaObiecte() override;
    void AfiseazaObiectInPaleta(int n) override;
    void StareFaraFerestre() override;
    void CentreazaOrizontal() override;
    void CentreazaVertical() override;
    void activeazaAdaugarea(bool on) override;
    void anuleazaObiectNou() override;
    Culoare culoareAfisata(bool cerneala) const override;
    QList<int> ordineLista() const override;
    void reafiseaza(const QList<int> &ordine, int selectat) override;
    void selecteazaObiectNumar(int n) override;
    void mutaObiect(int coloana, int rand) override;
    void comanda(const QString &cheie) override;

    void StareObiectSelectat();
    void StareFaraObiectSelectat();

    // The line text of object n as the rebuilt list shows it.
    static QString textLinie(const Obiect &o, int n);

private:
    void construiesteControalele();
    void creeazaObiect(const QString &tip);
    void proprietati();
    void deschideEditor(const QString &tip);
    void stergeObiect();
    void lstObiecte_Click();
    void chkCulorileFerestrei_Click();
    void hsbOrizontala_Change();
    void hsbVerticala_Change();
    void aliniaza(int coloanaButon, int randButon);
    void deschideCuloare(bool cerneala);
    void selecteazaUltimaLinie();
    // The object list as the model keeps it: its order and the selected object.
    void publicaLista();
    void elibereazaObiectulSelectat(int n);
    void activeazaControaleleObiectului(bool on);
    void activeazaCulorile(int n);

    // The selected object when it can be placed (a window is active), else -1.
    int obiectDePlasat() const;
    void aratPozitia(int n);

    QListWidget *lstObiecte_ = nullptr;
    QLabel *lblTotalObiecte_ = nullptr;
    QToolBar *tblObiecte_ = nullptr;
    QToolBar *tblComenzi_ = nullptr;
    QAction *actSay_ = nullptr;
    QAction *actGet_ = nullptr;
    QAction *actButon_ = nullptr;
    QAction *actProprietati_ = nullptr;
    QAction *actSterge_ = nullptr;
    QCheckBox *chkCulorileFerestrei_ = nullptr;
    QLabel *lblCerneala_ = nullptr;
    QLabel *lblFundal_ = nullptr;
    CuloareForma *shpCerneala_ = nullptr;
    CuloareForma *shpFundal_ = nullptr;
    ImagineClic *imgCerneala_ = nullptr;
    ImagineClic *imgFundal_ = nullptr;
    QScrollBar *hsbOrizontala_ = nullptr;
    QScrollBar *hsbVerticala_ = nullptr;
    QLabel *lblOrizontala_ = nullptr;
    QLabel *lblVerticala_ = nullptr;
    QPushButton *cmdCentrareOrizontala_ = nullptr;
    QPushButton *cmdCentrareVerticala_ = nullptr;
    QList<QPushButton *> butoaneAliniere_;
    // Qt moves or clears the current row by itself when lines are removed
    // or the list is cleared; the program's lists do not.
    bool ignoraSelectia_ = false;
};
