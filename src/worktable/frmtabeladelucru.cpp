#include "frmtabeladelucru.h"

#include "elementtabela.h"
#include "formbase/culoareforma.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "manipularetabela.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QColor kUmbra(0x40, 0x40, 0x40);
constexpr qreal kGrosimeChenar = 3 * TwipsPerPixel; // 3 pixels

QFont fontCourier(bool bold)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(11.25);
    f.setBold(bold);
    return f;
}

} // namespace

FrmTabelaDeLucru::FrmTabelaDeLucru(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmTabelaDeLucru"), QStringLiteral("Tabela de lucru"), parent)
    , scena_(new QGraphicsScene(0, 0, LatimeTwips, InaltimeTwips, this))
    , vedere_(new QGraphicsView(scena_, this))
{
    const QSize client(twipsToPixels(LatimeTwips), twipsToPixels(InaltimeTwips));
    setFixedSize(client);
    // What the model changes is drawn again at once: a window with its
    // objects, an object in its own window.
    connect(&sesiune.model, &ModelProiect::fereastraSchimbata, this, [this](int n) { redeseneaza({n}, {}); });
    connect(&sesiune.model, &ModelProiect::obiectSchimbat, this, [this](int k) {
        deseneazaObiectIn(k, Proiect::numarObiectValid(k) ? this->sesiune().model.obiect(k).Fereastra : -1);
    });
    connect(&sesiune.model, &ModelProiect::selectieSchimbata, this, &FrmTabelaDeLucru::marcheazaSelectia);
    // A design put back whole (undo, redo, a file): what differs is drawn again.
    connect(&sesiune.model, &ModelProiect::restaurat, this, &FrmTabelaDeLucru::redeseneaza);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vedere_);

    vedere_->setObjectName(QStringLiteral("gvTabela"));
    // Named apart from the view, so that the undo history tells the mouse's
    // steps from the keys' (which go to the view).
    vedere_->viewport()->setObjectName(QStringLiteral("vpTabela"));
    vedere_->setFrameShape(QFrame::NoFrame);
    vedere_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vedere_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vedere_->setFixedSize(client);
    vedere_->setSceneRect(0, 0, LatimeTwips, InaltimeTwips);
    vedere_->setTransform(QTransform::fromScale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel));
    vedere_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vedere_->setRenderHint(QPainter::Antialiasing, false);
    vedere_->setBackgroundBrush(palette().window());

    // Stacking from the bottom: marker, shadows (5 lowest), backgrounds,
    // borders, titles, object labels (1 lowest each), then the selection's
    // marks over them all.
    imgMarcaj_ = new MarcajTabela(imagineMarcaj());
    imgMarcaj_->setData(0, QStringLiteral("imgMarcaj"));
    imgMarcaj_->setTransform(QTransform::fromScale(TwipsPerPixel, TwipsPerPixel));
    imgMarcaj_->setZValue(0);
    imgMarcaj_->setVisible(false);
    scena_->addItem(imgMarcaj_);

    for (int n = 1; n <= NumarFerestre; ++n) {
        auto *umbra =
            new ElementTabela(QStringLiteral("shpShadow%1").arg(n), ElementTabela::Tip::Forma, 6 - n);
        umbra->setBrush(kUmbra);
        shpShadow_[std::size_t(n)] = umbra;

        auto *fundal =
            new ElementTabela(QStringLiteral("lblWindow%1").arg(n), ElementTabela::Tip::Eticheta, 5 + n);
        lblWindow_[std::size_t(n)] = fundal;

        auto *chenar =
            new ElementTabela(QStringLiteral("shpFrame%1").arg(n), ElementTabela::Tip::Forma, 10 + n);
        chenar->setBrush(Qt::NoBrush);
        shpFrame_[std::size_t(n)] = chenar;

        auto *titlu =
            new ElementTabela(QStringLiteral("lblTitle%1").arg(n), ElementTabela::Tip::Eticheta, 15 + n);
        titlu->setFont(fontCourier(true));
        titlu->setAutoSize(true);
        lblTitle_[std::size_t(n)] = titlu;

        for (ElementTabela *e : {umbra, fundal, chenar, titlu})
            scena_->addItem(e);
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        auto *obiect =
            new ElementTabela(QStringLiteral("lblObiect%1").arg(n), ElementTabela::Tip::Eticheta, 20 + n);
        obiect->setFont(fontCourier(false));
        obiect->setAutoSize(true);
        obiect->laDubluClic = [this] { dubluClicObiect(); };
        lblObiect_[std::size_t(n)] = obiect;
        scena_->addItem(obiect);
    }
    conturFereastra_ = new ConturSelectie(QStringLiteral("shpSelectieFereastra"), 81);
    conturObiect_ = new ConturSelectie(QStringLiteral("shpSelectieObiect"), 82);
    scena_->addItem(conturFereastra_);
    scena_->addItem(conturObiect_);

    new ManipulareTabela(sesiune, vedere_);

    // Opening: the saved position is applied by the main window; the marker
    // is decided here, once.
    imgMarcaj_->setVisible(isSet(sesiune.model.proiect().setari.MarcajTabelaLucru));
}

QPixmap FrmTabelaDeLucru::imagineMarcaj()
{
    QImage img(725, 403, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int rand = 0; rand <= 25; ++rand) {
        for (int col = 0; col <= 80; ++col)
            img.setPixel(1 + 9 * col, 1 + 16 * rand, qRgba(0, 0, 0, 255));
    }
    return QPixmap::fromImage(img);
}

QGraphicsItem *FrmTabelaDeLucru::element(const QString &nume) const
{
    for (QGraphicsItem *item : scena_->items()) {
        if (item->data(0).toString() == nume)
            return item;
    }
    return nullptr;
}

void FrmTabelaDeLucru::DeseneazaFereastra(int n)
{
    if (!Proiect::numarFereastraValid(n))
        return;
    const Fereastra &f = sesiune().model.proiect().fereastra(n);
    ElementTabela *fundal = lblWindow_[std::size_t(n)];
    ElementTabela *chenar = shpFrame_[std::size_t(n)];
    ElementTabela *umbra = shpShadow_[std::size_t(n)];
    ElementTabela *titlu = lblTitle_[std::size_t(n)];

    if (isSet(f.Libera)) {
        for (ElementTabela *e : {fundal, chenar, umbra, titlu})
            e->setVisible(false);
    } else {
        fundal->setVisible(true);
        chenar->setVisible(true);
        umbra->setVisible(isSet(f.Umbra));
        titlu->setVisible(!f.Titlu.trimmed().isEmpty());
    }

    const qreal x = f.Orizontala, y = f.Verticala, w = f.Latime, h = f.Inaltime;
    fundal->setRect(0, 0, CelulaLatime * w, CelulaInaltime * h);
    fundal->setPos(CelulaLatime * x, CelulaInaltime * y);
    fundal->setBrush(culoareQt(f.CuloareFundal));

    chenar->setRect(0, 0, CelulaLatime * w - CelulaLatime, CelulaInaltime * h - 120);
    chenar->setPos(CelulaLatime * x + 67.5, CelulaInaltime * y + 60);
    QPen linie(culoareQt(f.CuloareChenar), kGrosimeChenar);
    linie.setJoinStyle(Qt::MiterJoin);
    chenar->setPen(linie);

    umbra->setRect(0, 0, CelulaLatime * w, CelulaInaltime * h);
    umbra->setPos(CelulaLatime * x + 270, CelulaInaltime * y + 240);

    // The title's place counts every character, blanks included.
    titlu->setCaption(f.Titlu);
    const qreal l = f.Titlu.size();
    titlu->setPos((x + w / 2.0 - l / 2.0) * CelulaLatime, CelulaInaltime * y);
    titlu->setBrush(culoareQt(f.CuloareFundal));
    titlu->setCuloareText(culoareQt(f.CuloareChenar));
    marcheazaSelectia();
}

void FrmTabelaDeLucru::DeseneazaObiect(int n)
{
    deseneazaObiectIn(n, sesiune().model.fereastraActiva());
}

void FrmTabelaDeLucru::redeseneaza(const QList<int> &ferestre, const QList<int> &obiecte)
{
    for (int n : ferestre)
        DeseneazaFereastra(n);
    for (int k = 1; k <= NumarObiecte; ++k) {
        const int f = sesiune().model.proiect().obiect(k).Fereastra;
        if (obiecte.contains(k) || ferestre.contains(f))
            deseneazaObiectIn(k, f);
    }
}

// An object's label is placed in window a; a label whose window is not a
// valid one keeps its place.
void FrmTabelaDeLucru::deseneazaObiectIn(int n, int a)
{
    if (!Proiect::numarObiectValid(n))
        return;
    const Obiect &o = sesiune().model.proiect().obiect(n);
    ElementTabela *eticheta = lblObiect_[std::size_t(n)];
    if (isSet(o.Liber)) {
        eticheta->setVisible(false);
        return;
    }
    eticheta->setVisible(true);
    if (Proiect::numarFereastraValid(a)) {
        const Fereastra &f = sesiune().model.proiect().fereastra(a);
        eticheta->setPos((f.Orizontala + o.Coloana + 1) * CelulaLatime,
                         (f.Verticala + o.Rand + 1) * CelulaInaltime);
    }
    eticheta->setBrush(culoareQt(o.CuloareFundal));
    eticheta->setCuloareText(culoareQt(o.CuloareCerneala));
    eticheta->setLitereRapide(o.Tip == TipObiect::Buton);
    eticheta->setCaption(o.TextAfisat);
    eticheta->setToolTip(numeTip(o.Tip) + QStringLiteral(" [") + o.Nume + QStringLiteral("][") + o.Valoare +
                         QLatin1Char(']'));
    marcheazaSelectia();
}

// Whatever is drawn, the marks follow the active window and the selected
// object as they now stand; so does any change of the selection.
void FrmTabelaDeLucru::marcheazaSelectia()
{
    const ModelProiect &m = sesiune().model;
    const int n = m.fereastraActiva(), k = m.obiectSelectat();
    const bool fereastra = m.proiect().fereastraFolosita(n);
    const bool obiect = fereastra && m.proiect().obiectFolosit(k) && m.obiect(k).Fereastra == n;
    if (fereastra) {
        const ElementTabela *fundal = lblWindow_[std::size_t(n)];
        conturFereastra_->setPos(fundal->pos());
        conturFereastra_->setRect(fundal->rect());
    }
    if (obiect) {
        // An empty label still shows where it is: one cell.
        const ElementTabela *eticheta = lblObiect_[std::size_t(k)];
        conturObiect_->setPos(eticheta->pos());
        conturObiect_->setRect(eticheta->rect().isEmpty() ? QRectF(0, 0, CelulaLatime, CelulaInaltime)
                                                          : eticheta->rect());
    }
    conturFereastra_->setVisible(fereastra);
    conturObiect_->setVisible(obiect);
}

void FrmTabelaDeLucru::dubluClicObiect()
{
    ModelProiect &m = sesiune().model;
    if (isSet(m.proiect().setari.CentrazaObiectulOrizontal))
        m.centreazaOrizontal(m.obiectSelectat());
    else
        m.centreazaVertical(m.obiectSelectat());
}
