#include "frmculori.h"

#include "formbase/culoareforma.h"
#include "formbase/imagineclic.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"

#include <QFrame>
#include <QPushButton>

namespace {

// Grid in twips: swatches 495 square, a pitch of 720 from 240; the selector
// 735 square, 120 outside its swatch.
constexpr int Margine = 240;
constexpr int Pas = 720;
constexpr int LatimeMostra = 495;
constexpr int Selector = 735;
constexpr int MargineSelector = 120;

int px(int twips)
{
    return twipsToPixels(twips);
}

} // namespace

QList<FrmCulori::Mostra> FrmCulori::mostre(Tip tip)
{
    using namespace Culori;
    QList<Mostra> toate = {
        {"Cyan", Cyan, 1, 1},         {"Yellow", Yellow, 1, 2},
        {"Magenta", Magenta, 1, 3},   {"Green", Green, 1, 4},
        {"Red", Red, 1, 5},           {"Blue", Blue, 1, 6},
        {"Black", Black, 2, 1},       {"LightGray", LightGray, 2, 2},
        {"White", White, 2, 3},       {"LightGreen", LightGreen, 2, 4},
        {"LightRed", LightRed, 2, 5}, {"LightBlue", LightBlue, 2, 6},
    };
    if (tip == Tip::Fundal)
        toate = toate.mid(0, 8);
    return toate;
}

FrmCulori::FrmCulori(Sesiune &sesiune, Tip tip, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , sesiune_(sesiune)
    , tip_(tip)
{
    setObjectName(tip == Tip::Cerneala ? QStringLiteral("frmCuloriCerneala")
                                       : QStringLiteral("frmCuloriFundal"));
    setWindowTitle(tip == Tip::Cerneala ? QStringLiteral("Culori cerneala")
                                        : QStringLiteral("Culori fundal"));
    setModal(true);
    setFixedSize(px(2 * Margine + 5 * Pas + LatimeMostra), px(Margine + Pas + LatimeMostra + Margine) + 44);

    shpSelector_ = new QFrame(this);
    shpSelector_->setObjectName(QStringLiteral("shpSelector"));
    shpSelector_->setFrameShape(QFrame::Box);
    shpSelector_->setLineWidth(2);
    shpSelector_->setGeometry(px(840), px(840), px(Selector), px(Selector));

    QList<Mostra> lista = mostre(tip);
    for (const Mostra &m : lista) {
        const QRect loc(px(Margine + (m.coloana - 1) * Pas), px(Margine + (m.rand - 1) * Pas),
                        px(LatimeMostra), px(LatimeMostra));
        auto *shape = new CuloareForma(QStringLiteral("shp") + QLatin1String(m.nume), this);
        shape->setGeometry(loc);
        shape->setCuloare(m.valoare);
        auto *image = new ImagineClic(QStringLiteral("img") + QLatin1String(m.nume), this);
        image->setGeometry(loc);
        image->setToolTip(QLatin1String(m.nume));
        connect(image, &ImagineClic::clicked, this, [this, m] { alege(m); });
    }

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(8, height() - 40, width() - 16, 34);
    auto *modifica = new QPushButton(QStringLiteral("Modifica"), frame);
    modifica->setObjectName(QStringLiteral("cmdModifica"));
    modifica->setGeometry(frame->width() - 184, 4, 86, 26);
    auto *anuleaza = new QPushButton(QStringLiteral("Anuleaza"), frame);
    anuleaza->setObjectName(QStringLiteral("cmdAnuleaza"));
    anuleaza->setGeometry(frame->width() - 92, 4, 86, 26);
    connect(modifica, &QPushButton::clicked, this, &FrmCulori::modifica);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    faraButonImplicit(this);

    // The colour shown in the palette comes preselected when this picker has it.
    if (const int n = sesiune_.model.obiectSelectat(); sesiune_.model.proiect().obiectFolosit(n)) {
        const Obiect &o = sesiune_.model.obiect(n);
        const Culoare actuala = tip == Tip::Cerneala ? o.CuloareCerneala : o.CuloareFundal;
        for (const Mostra &m : lista) {
            if (m.valoare == actuala) {
                alege(m);
                break;
            }
        }
    }
}

void FrmCulori::alege(const Mostra &m)
{
    CuloareAleasa_ = m.valoare;
    shpSelector_->move(px(Margine + (m.coloana - 1) * Pas - MargineSelector),
                       px(Margine + (m.rand - 1) * Pas - MargineSelector));
}

void FrmCulori::modifica()
{
    const int n = sesiune_.model.obiectSelectat();
    if (sesiune_.model.proiect().obiectFolosit(n)) {
        // A colour picked by hand is the object's own from now on.
        const Obiect &o = sesiune_.model.proiect().obiect(n);
        const bool cerneala = tip_ == Tip::Cerneala;
        sesiune_.model.seteazaCuloriObiect(n, false, cerneala ? o.CuloareFundal : CuloareAleasa_,
                                           cerneala ? CuloareAleasa_ : o.CuloareCerneala);
    }
    accept();
}
