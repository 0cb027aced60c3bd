#include "frmobiecte.h"

#include "editors/frmbuton.h"
#include "editors/frmget.h"
#include "editors/frmsay.h"
#include "formbase/culoareforma.h"
#include "formbase/imagineclic.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "objectpalette/frmculori.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>

#include <cmath>
#include <functional>

namespace {

// An arrow towards one of the nine places of a window; a dot for the centre.
QIcon iconSageata(int coloana, int rand)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const int dx = coloana - 1, dy = rand - 1;
    if (dx == 0 && dy == 0) {
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        return QIcon(pm);
    }
    p.translate(8, 8);
    p.rotate(std::atan2(double(dy), double(dx)) * 180.0 / M_PI);
    QPainterPath arrow;
    arrow.moveTo(7, 0);
    arrow.lineTo(1, -5);
    arrow.lineTo(1, -2);
    arrow.lineTo(-6, -2);
    arrow.lineTo(-6, 2);
    arrow.lineTo(1, 2);
    arrow.lineTo(1, 5);
    arrow.closeSubpath();
    p.drawPath(arrow);
    return QIcon(pm);
}

// The little picture that opens a colour picker: a brush over colour dots.
QPixmap imaginePaleta()
{
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(250, 240, 210));
    p.drawEllipse(QRectF(1.5, 3.5, 19, 15));
    const QColor dots[] = {QColor(0xC0, 0, 0), QColor(0, 0xC0, 0), QColor(0, 0, 0xC0), QColor(0xFF, 0xFF, 0)};
    const QPointF places[] = {{6, 8}, {11, 6.5}, {16, 8.5}, {8.5, 13.5}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(places[i], 2.2, 2.2);
    }
    return pm;
}

} // namespace

FrmObiecte::FrmObiecte(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmObiecte"), QStringLiteral("Obiecte"), parent)
{
    formeazaPaleta(LatimeTwips, InaltimeTwips);
    construiesteControalele();

    // The palette shows the model: the active window's objects, the selected
    // one's record. Lines are written
    // again when the lists change, as the editors' Apply rebuilds them.
    ModelProiect &model = sesiune.model;
    connect(&model, &ModelProiect::obiectSchimbat, this, [this](int n) {
        if (n == obiectSelectat())
            arataObiectul();
    });
    connect(&model, &ModelProiect::selectieSchimbata, this, &FrmObiecte::arata);
    arata();
}

void FrmObiecte::construiesteControalele()
{
    auto bara = [this](const char *nume, int y) {
        auto *t = new QToolBar(this);
        t->setObjectName(QString::fromLatin1(nume));
        t->setGeometry(2, y, 276, 28);
        t->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        t->setIconSize(QSize(20, 20));
        return t;
    };
    auto buton = [](QToolBar *t, const char *cheie, const QString &text, const QString &tip,
                    const char *icon) {
        QAction *a = t->addAction(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(icon))), text);
        a->setObjectName(QString::fromLatin1(cheie));
        a->setToolTip(tip);
        return a;
    };
    tblObiecte_ = bara("tblObiecte", 2);
    actSay_ = buton(tblObiecte_, "SAY", QStringLiteral("@ SAY"),
                    QStringLiteral("Adauga un obiect de tip @ SAY"), "say");
    actGet_ = buton(tblObiecte_, "GET", QStringLiteral("@ GET"),
                    QStringLiteral("Adauga un obiect de tip @ GET"), "get");
    actButon_ = buton(tblObiecte_, "BUTON", QStringLiteral("Buton"),
                      QStringLiteral("Adauga un obiect de tip buton"), "buton");
    tblComenzi_ = bara("tblComenziObiecte", 32);
    actProprietati_ = buton(tblComenzi_, "PROPRIETATI", QStringLiteral("Proprietati"),
                            QStringLiteral("Proprietati obiect"), "proprietati");
    actSterge_ = buton(tblComenzi_, "STERGE", QStringLiteral("Sterge"), QStringLiteral("Sterge obiect"),
                       "stergeobiect");
    connect(actSay_, &QAction::triggered, this, [this] { creeazaObiect(TipObiect::Say); });
    connect(actGet_, &QAction::triggered, this, [this] { creeazaObiect(TipObiect::Get); });
    connect(actButon_, &QAction::triggered, this, [this] { creeazaObiect(TipObiect::Buton); });
    connect(actProprietati_, &QAction::triggered, this, &FrmObiecte::proprietati);
    connect(actSterge_, &QAction::triggered, this, &FrmObiecte::stergeObiect);

    lstObiecte_ = new QListWidget(this);
    lstObiecte_->setObjectName(QStringLiteral("lstObiecte"));
    lstObiecte_->setGeometry(4, 64, 272, 150);
    connect(lstObiecte_, &QListWidget::currentRowChanged, this, [this](int rand) {
        const QListWidgetItem *item = lstObiecte_->item(rand);
        sesiune().model.selecteazaObiect(item ? item->data(Qt::UserRole).toInt() : -1);
    });
    etichetaFixa(this, "Label1", QStringLiteral("Total obiecte:"), QRect(4, 216, 80, 16));
    lblTotalObiecte_ = etichetaFixa(this, "lblTotalObiecte", QStringLiteral("0"), QRect(86, 216, 40, 16));

    chkCulorileFerestrei_ = new QCheckBox(QStringLiteral("&Pastreaza culorile ferestrei"), this);
    chkCulorileFerestrei_->setObjectName(QStringLiteral("chkCulorileFerestrei"));
    chkCulorileFerestrei_->setGeometry(4, 236, 272, 18);
    connect(chkCulorileFerestrei_, &QCheckBox::toggled, this, &FrmObiecte::chkCulorileFerestrei_Click);

    lblCerneala_ = etichetaFixa(this, "lblCerneala", QStringLiteral("Cerneala:"), QRect(4, 258, 56, 20));
    shpCerneala_ = new CuloareForma(QStringLiteral("shpObiectCuloareCerneala"), this);
    shpCerneala_->setGeometry(62, 260, 36, 16);
    imgCerneala_ = new ImagineClic(QStringLiteral("imgCerneala"), this);
    imgCerneala_->setGeometry(102, 257, 22, 22);
    imgCerneala_->setPixmap(imaginePaleta());
    imgCerneala_->setToolTip(QStringLiteral("Culori cerneala"));
    lblFundal_ = etichetaFixa(this, "lblFundal", QStringLiteral("Fundal:"), QRect(142, 258, 46, 20));
    shpFundal_ = new CuloareForma(QStringLiteral("shpObiectCuloareFundal"), this);
    shpFundal_->setGeometry(190, 260, 36, 16);
    imgFundal_ = new ImagineClic(QStringLiteral("imgFundal"), this);
    imgFundal_->setGeometry(230, 257, 22, 22);
    imgFundal_->setPixmap(imaginePaleta());
    imgFundal_->setToolTip(QStringLiteral("Culori fundal"));
    connect(imgCerneala_, &ImagineClic::clicked, this, [this] { deschideCuloare(true); });
    connect(imgFundal_, &ImagineClic::clicked, this, [this] { deschideCuloare(false); });

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(2, 284, 276, 124);
    etichetaFixa(frame, "Label2", QStringLiteral("Orizontala:"), QRect(6, 4, 70, 14));
    lblOrizontala_ = etichetaFixa(frame, "lblOrizontala", QStringLiteral("0"), QRect(140, 4, 40, 14),
                                  Qt::AlignRight | Qt::AlignVCenter);
    etichetaFixa(frame, "Label3", QStringLiteral("Verticala:"), QRect(6, 40, 70, 14));
    lblVerticala_ = etichetaFixa(frame, "lblVerticala", QStringLiteral("0"), QRect(140, 40, 40, 14),
                                 Qt::AlignRight | Qt::AlignVCenter);
    auto barOf = [frame](const char *nume, int y) {
        auto *b = new QScrollBar(Qt::Horizontal, frame);
        b->setObjectName(QString::fromLatin1(nume));
        b->setGeometry(6, y, 174, 15);
        b->setRange(0, 79);
        b->setSingleStep(1);
        b->setPageStep(1);
        return b;
    };
    hsbOrizontala_ = barOf("hsbOrizontala", 19);
    hsbVerticala_ = barOf("hsbVerticala", 55);
    // Tracking on: dragging the thumb runs the placement rule as it moves.
    connect(hsbOrizontala_, &QScrollBar::valueChanged, this,
            [this](int v) { plaseaza([v](ModelProiect &m, int n) { m.seteazaColoanaObiect(n, v); }); });
    connect(hsbVerticala_, &QScrollBar::valueChanged, this,
            [this](int v) { plaseaza([v](ModelProiect &m, int n) { m.seteazaRandObiect(n, v); }); });

    const char *nume[3][3] = {
        {"cmdStangaSus", "cmdCentruSus", "cmdDreaptaSus"},
        {"cmdStangaCentru", "cmdCentruCentru", "cmdDreaptaCentru"},
        {"cmdStangaJos", "cmdCentruJos", "cmdDreaptaJos"},
    };
    for (int rand = 0; rand < 3; ++rand) {
        for (int col = 0; col < 3; ++col) {
            auto *b = new QPushButton(frame);
            b->setObjectName(QString::fromLatin1(nume[rand][col]));
            b->setGeometry(190 + col * 26, 4 + rand * 26, 24, 24);
            b->setIcon(iconSageata(col, rand));
            b->setFocusPolicy(Qt::TabFocus);
            connect(b, &QPushButton::clicked, this, [this, col, rand] {
                plaseaza([&](ModelProiect &m, int n) { m.aliniazaObiect(n, col, rand); });
            });
            butoaneAliniere_.append(b);
        }
    }
    cmdCentrareOrizontala_ = new QPushButton(QStringLiteral("Centrat orizontal"), frame);
    cmdCentrareOrizontala_->setObjectName(QStringLiteral("cmdCentrareOrizontala"));
    cmdCentrareOrizontala_->setGeometry(6, 92, 128, 24);
    cmdCentrareVerticala_ = new QPushButton(QStringLiteral("Centrat vertical"), frame);
    cmdCentrareVerticala_->setObjectName(QStringLiteral("cmdCentrareVerticala"));
    cmdCentrareVerticala_->setGeometry(140, 92, 128, 24);
    connect(cmdCentrareOrizontala_, &QPushButton::clicked, this,
            [this] { plaseaza([](ModelProiect &m, int n) { m.centreazaOrizontal(n); }); });
    connect(cmdCentrareVerticala_, &QPushButton::clicked, this,
            [this] { plaseaza([](ModelProiect &m, int n) { m.centreazaVertical(n); }); });
    faraButonImplicit(this);
}

int FrmObiecte::obiectSelectat() const
{
    return sesiune().model.obiectSelectat();
}

void FrmObiecte::arata()
{
    const ModelProiect &model = sesiune().model;
    const QList<int> &ordine = model.ordineObiecte();
    bool aceleasi = lstObiecte_->count() == ordine.size();
    for (int i = 0; aceleasi && i < ordine.size(); ++i)
        aceleasi = lstObiecte_->item(i)->data(Qt::UserRole).toInt() == ordine[i] &&
                   lstObiecte_->item(i)->text() == model.textLinieObiect(ordine[i]);
    const QSignalBlocker blocare(lstObiecte_);
    if (!aceleasi) {
        lstObiecte_->clear();
        for (int k : ordine)
            (new QListWidgetItem(model.textLinieObiect(k), lstObiecte_))->setData(Qt::UserRole, k);
    }
    lstObiecte_->setCurrentRow(int(ordine.indexOf(model.obiectSelectat())));
    // A new object is counted once its editor applies it.
    lblTotalObiecte_->setText(QString::number(ordine.size() - (ordine.contains(model.obiectNou()) ? 1 : 0)));
    for (QAction *a : {actSay_, actGet_, actButon_})
        a->setEnabled(model.proiect().fereastraFolosita(model.fereastraActiva()));
    arataObiectul();
}

void FrmObiecte::arataObiectul()
{
    const ModelProiect &model = sesiune().model;
    const int n = model.obiectSelectat();
    const bool selectat = model.proiect().obiectFolosit(n);
    if (selectat) {
        const Obiect &o = model.obiect(n);
        const BlocareSemnale blocare{chkCulorileFerestrei_, hsbOrizontala_, hsbVerticala_};
        shpCerneala_->setCuloare(o.CuloareCerneala);
        shpFundal_->setCuloare(o.CuloareFundal);
        hsbOrizontala_->setValue(o.Coloana);
        hsbVerticala_->setValue(o.Rand);
        chkCulorileFerestrei_->setChecked(isSet(o.CulorileFerestrei));
    }
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
    lblVerticala_->setText(QString::number(hsbVerticala_->value()));
    for (QWidget *w :
         std::initializer_list<QWidget *>{hsbOrizontala_, hsbVerticala_, lblOrizontala_, lblVerticala_,
                                          cmdCentrareOrizontala_, cmdCentrareVerticala_})
        w->setEnabled(selectat);
    for (QPushButton *b : butoaneAliniere_)
        b->setEnabled(selectat);
    actSterge_->setEnabled(selectat);
    actProprietati_->setEnabled(selectat);
    // Only a @SAY takes its colours from the palette.
    const bool say = selectat && model.obiect(n).Tip == TipObiect::Say;
    for (QWidget *w : std::initializer_list<QWidget *>{chkCulorileFerestrei_, imgCerneala_, imgFundal_,
                                                       lblCerneala_, lblFundal_})
        w->setEnabled(say);
}

void FrmObiecte::creeazaObiect(TipObiect tip)
{
    ModelProiect &model = sesiune().model;
    sesiune().obiectExistent = false;
    const int n = model.proiect().PrimulObiectLiber();
    if (n == -1) {
        const QString nume =
            tip == TipObiect::Buton ? QStringLiteral("BUTON") : QLatin1Char('@') + numeTip(tip);
        mesajCritic(this, tip == TipObiect::Buton ? nume : QStringLiteral("@ ") + numeTip(tip),
                    QStringLiteral("Nu se mai pot crea obiecte de tip %1!").arg(nume));
        return;
    }
    const int activa = model.fereastraActiva();
    if (!model.proiect().fereastraFolosita(activa))
        return;
    // The record, its line and the editor session are one step; the
    // editor's Cancel leaves none.
    ModelProiect::Tranzactie pas(model, creareObiect(tip), n);
    const Fereastra &f = model.fereastra(activa);
    model.adaugaObiect(tip, activa, f.CuloareFundal, f.CuloareCerneala);
    deschideEditor(tip);
}

void FrmObiecte::deschideEditor(TipObiect tip)
{
    if (tip == TipObiect::Say) {
        FrmSay editor(sesiune(), this);
        editor.exec();
    } else if (tip == TipObiect::Get) {
        FrmGet editor(sesiune(), this);
        editor.exec();
    } else if (tip == TipObiect::Buton) {
        FrmButon editor(sesiune(), this);
        editor.exec();
    }
}

void FrmObiecte::proprietati()
{
    const int n = obiectSelectat();
    if (n < 1)
        return;
    sesiune().obiectExistent = true;
    // The whole editor session is one step; Cancel leaves none.
    ModelProiect::Tranzactie pas(sesiune().model, Modificare::ModificareObiect, n);
    // Every kind reopens in its own editor.
    deschideEditor(sesiune().model.obiect(n).Tip);
}

void FrmObiecte::stergeObiect()
{
    const int n = obiectSelectat();
    if (n < 1)
        return;
    if (isSet(sesiune().model.proiect().setari.ConfirmareStergere) &&
        !intrebareDaNu(this, QMessageBox::Warning, QStringLiteral("Sterge obiect"),
                       QStringLiteral("Sunteti sigur ca doriti sa stergeti acest obiect?")))
        return;
    sesiune().model.stergeObiect(n);
}

void FrmObiecte::chkCulorileFerestrei_Click()
{
    const int n = obiectSelectat();
    if (n < 1)
        return;
    ModelProiect &model = sesiune().model;
    const Obiect &o = model.obiect(n);
    const int w = o.Fereastra;
    ModelProiect::Tranzactie pas(model, Modificare::CuloriFereastraObiect, n);
    if (!chkCulorileFerestrei_->isChecked())
        model.seteazaCuloriObiect(n, false, o.CuloareFundal, o.CuloareCerneala);
    else if (model.proiect().fereastraFolosita(w))
        model.seteazaCuloriObiect(n, true, model.fereastra(w).CuloareFundal,
                                  model.fereastra(w).CuloareCerneala);
}

void FrmObiecte::plaseaza(const std::function<void(ModelProiect &, int)> &schimbare)
{
    const int n = obiectSelectat();
    if (!sesiune().model.proiect().obiectFolosit(n))
        return;
    schimbare(sesiune().model, n);
    // A refused place: the bars go back to where the object stands.
    arataObiectul();
}

void FrmObiecte::comanda(const QString &cheie)
{
    for (QAction *a : {actProprietati_, actSterge_}) {
        if (a->objectName() == cheie && a->isEnabled())
            a->trigger();
    }
}

void FrmObiecte::deschideCuloare(bool cerneala)
{
    if (obiectSelectat() < 1)
        return;
    FrmCulori picker(sesiune(), cerneala ? FrmCulori::Tip::Cerneala : FrmCulori::Tip::Fundal, this);
    picker.exec();
}
