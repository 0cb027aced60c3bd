#pragma once

#include "formbase/formcopil.h"
#include "formbase/interfete.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolBar;
class CuloareForma;

// The window palette: the windows of the design, the active window (the
// item data of the selected line of cmbFereastra), its title, colour
// scheme, shadow, square flag, position and size.
class FrmFerestre : public FormCopil, public IPaletaFerestre
{
    Q_OBJECT

public:
    static constexpr int LatimeTwips = 8700;
    static constexpr int InaltimeTwips = 1725;

    explicit FrmFerestre(Sesiune &sesiune, QWidget *parent = nullptr);

    int fereastraActiva() const override;
    void selecteazaFereastraNumar(int n) override;
    void DeseneazaObiecteleFerestreiActive() override;
    Culoare culoareFundal() const override;
    Culoare culoareCerneala() const override;
    void stareFaraFerestre() override;
    QList<LinieFereastra> liniiLista() const override;
    void reafiseaza(const QList<LinieFereastra> &linii, int activa) override;
    void mutaFereastra(int coloana, int rand) override;
    void redimensioneazaFereastra(int latime, int inaltime) override;

    void AfiseazaFereastraInPaleta(int n);
    void StergeFereastra(int n);

signals:
    // The code viewer and the preview of window n belong to the main window.
    void codCerut(int n);
    void previzualizareCeruta(int n);

private:
    void construiesteControalele();

    // Commands of the tool bar.
    void creeazaFereastra();
    void stergeFereastraActiva();
    void codFereastra();

    // Handlers of the controls.
    void cmbFereastra_Click();
    void cmbSchemaCulori_Click();
    void txtTitluFereastra_Change();
    void chkUmbraFereastra_Click();
    void chkFereastraPatrata_Click();
    void hsbInaltime_Change();
    void hsbLatime_Change();
    void hsbLatime_Scroll(int pozitie);
    void hsbOrizontala_Change();
    void hsbVerticala_Change();
    void aliniaza(int coloanaButon, int randButon);

    void latimeDupaPatrat(int v, bool tragere);
    // The window list as the model keeps it: its lines and the active window.
    void publicaLista();
    QList<int> obiecteleFerestrei(int n) const;
    void IncarcaListaFerestre();
    void selecteazaFereastra(int index);
    void activeazaGeometria(bool on);

    QComboBox *cmbFereastra_ = nullptr;
    QLineEdit *txtTitlu_ = nullptr;
    QComboBox *cmbSchema_ = nullptr;
    CuloareForma *shpFundal_ = nullptr;
    CuloareForma *shpCerneala_ = nullptr;
    CuloareForma *shpChenar_ = nullptr;
    QCheckBox *chkUmbra_ = nullptr;
    QCheckBox *chkMentineUmbra_ = nullptr;
    QCheckBox *chkPatrata_ = nullptr;
    QToolBar *tlbComenzi_ = nullptr;
    QAction *actCreaza_ = nullptr;
    QAction *actSterge_ = nullptr;
    QAction *actCod_ = nullptr;
    QScrollBar *hsbLatime_ = nullptr;
    QScrollBar *hsbInaltime_ = nullptr;
    QScrollBar *hsbOrizontala_ = nullptr;
    QScrollBar *hsbVerticala_ = nullptr;
    QLabel *lblLatime_ = nullptr;
    QLabel *lblInaltime_ = nullptr;
    QLabel *lblOrizontala_ = nullptr;
    QLabel *lblVerticala_ = nullptr;
    QList<QPushButton *> butoaneAliniere_;
    // The list selects its first line by itself when it is added; the
    // program's lists never select by themselves.
    bool ignoraSelectia_ = false;
    // True while a handler of the palette runs. Qt reports a value set by
    // code on a thumb the user holds as a thumb move too; such a move is the
    // program's, and runs the change handler only.
    bool inLant_ = false;
};
