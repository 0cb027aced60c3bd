#pragma once

#include "formbase/formcopil.h"
#include "formbase/interfete.h"
#include "model/project.h"

#include <QList>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QToolBar;
class CuloareForma;
class ImagineClic;
class ModelProiect;

// The object palette: the objects of the active window; the selected
// object is the item data of the selected line of lstObiecte.
class FrmObiecte : public FormCopil, public IPaletaObiecte
{
    Q_OBJECT

public:
    static constexpr int LatimeTwips = 4200;
    static constexpr int InaltimeTwips = 6240;

    explicit FrmObiecte(Sesiune &sesiune, QWidget *parent = nullptr);

    // The selected object, or -1 when no line is selected.
    int obiectSelectat() const;
    void comanda(const QString &cheie) override;

private:
    void construiesteControalele();
    // Shows the model: the object list, then the selected object.
    void arata();
    // The selected object's record and what is enabled for it.
    void arataObiectul();
    void creeazaObiect(TipObiect tip);
    void proprietati();
    void deschideEditor(TipObiect tip);
    void stergeObiect();
    void chkCulorileFerestrei_Click();
    void deschideCuloare(bool cerneala);
    // A change of the selected object's place, then its place shown as it stands.
    void plaseaza(const std::function<void(ModelProiect &, int)> &schimbare);

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
};
