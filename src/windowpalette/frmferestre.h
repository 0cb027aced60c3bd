#pragma once

#include "formbase/formcopil.h"
#include "formbase/interfete.h"

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolBar;
class CuloareForma;
class ModelProiect;

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

    // The active window, or -1 while the list is empty.
    int fereastraActiva() const;
    bool umbraInEcran() const override;

signals:
    // The code viewer and the preview of window n belong to the main window.
    void codCerut(int n);
    void previzualizareCeruta(int n);

private:
    void construiesteControalele();

    // Shows the model: the window list and what is enabled, then the active window.
    void arata();
    // The active window's record in the controls.
    void arataFereastra();

    // Commands of the tool bar.
    void creaza();
    void stergeFereastraActiva();
    void codFereastra();

    // Handlers of the controls.
    void cmbFereastra_Click();
    void cmbSchemaCulori_Click();
    void txtTitluFereastra_Change();
    void chkUmbraFereastra_Click();
    void chkFereastraPatrata_Click();
    // A change of the active window's geometry, then the record shown as it stands.
    void geometrie(const std::function<void(ModelProiect &, int)> &schimbare);
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
    // While the title is typed: the width bar keeps its value.
    bool latimeNeschimbata_ = false;
};
