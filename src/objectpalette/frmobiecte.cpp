#include "frmobiecte.h"

#include "editors/frmbuton.h"
#include "editors/frmget.h"
#include "editors/frmsay.h"
#include "formbase/culoareforma.h"
#include "formbase/imagineclic.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "model/rounding.h"
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

    // Opening: no selection, and no window yet to add objects to.
    StareFaraObiectSelectat();
    activeazaAdaugarea(false);
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
    connect(actSay_, &QAction::triggered, this, [this] { creeazaObiect(QStringLiteral("SAY")); });
    connect(actGet_, &QAction::triggered, this, [this] { creeazaObiect(QStringLiteral("GET")); });
    connect(actButon_, &QAction::triggered, this, [this] { creeazaObiect(QStringLiteral("BUTON")); });
    connect(actProprietati_, &QAction::triggered, this, &FrmObiecte::proprietati);
    connect(actSterge_, &QAction::triggered, this, &FrmObiecte::stergeObiect);

    lstObiecte_ = new QListWidget(this);
    lstObiecte_->setObjectName(QStringLiteral("lstObiecte"));
    lstObiecte_->setGeometry(4, 64, 272, 150);
    connect(lstObiecte_, &QListWidget::currentRowChanged, this, [this] { lstObiecte_Click(); });
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
    connect(hsbOrizontala_, &QScrollBar::valueChanged, this, [this] { hsbOrizontala_Change(); });
    connect(hsbVerticala_, &QScrollBar::valueChanged, this, [this] { hsbVerticala_Change(); });

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
            connect(b, &QPushButton::clicked, this, [this, col, rand] { aliniaza(col, rand); });
            butoaneAliniere_.append(b);
        }
    }
    cmdCentrareOrizontala_ = new QPushButton(QStringLiteral("Centrat orizontal"), frame);
    cmdCentrareOrizontala_->setObjectName(QStringLiteral("cmdCentrareOrizontala"));
    cmdCentrareOrizontala_->setGeometry(6, 92, 128, 24);
    cmdCentrareVerticala_ = new QPushButton(QStringLiteral("Centrat vertical"), frame);
    cmdCentrareVerticala_->setObjectName(QStringLiteral("cmdCentrareVerticala"));
    cmdCentrareVerticala_->setGeometry(140, 92, 128, 24);
    connect(cmdCentrareOrizontala_, &QPushButton::clicked, this, &FrmObiecte::CentreazaOrizontal);
    connect(cmdCentrareVerticala_, &QPushButton::clicked, this, &FrmObiecte::CentreazaVertical);
    faraButonImplicit(this);
}

int FrmObiecte::obiectSelectat() const
{
    const QListWidgetItem *item = lstObiecte_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

QString FrmObiecte::textLinie(const Obiect &o, int n)
{
    if (o.Tip == QLatin1String("SAY"))
        return isSet(o.Variabila) ? QStringLiteral("@SAY%1 [VARIABILA: %2]").arg(n).arg(o.Nume)
                                  : QStringLiteral("@SAY%1 [%2]").arg(n).arg(o.Nume);
    if (o.Tip == QLatin1String("GET"))
        return isSet(o.Variabila) ? QStringLiteral("@GET%1 [VARIABILA: %2]").arg(n).arg(o.Nume)
                                  : QStringLiteral("@GET%1 [CAMP: %2]").arg(n).arg(o.Nume);
    return QStringLiteral("@BUTON%1[%2]").arg(n).arg(o.Nume);
}

Culoare FrmObiecte::culoareAfisata(bool cerneala) const
{
    return (cerneala ? shpCerneala_ : shpFundal_)->culoare();
}

QList<int> FrmObiecte::ordineLista() const
{
    QList<int> ordine;
    for (int i = 0; i < lstObiecte_->count(); ++i)
        ordine.append(lstObiecte_->item(i)->data(Qt::UserRole).toInt());
    return ordine;
}

void FrmObiecte::reafiseaza(const QList<int> &ordine, int selectat)
{
    const QList<QObject *> controale{lstObiecte_, chkCulorileFerestrei_, hsbOrizontala_, hsbVerticala_};
    for (QObject *c : controale)
        c->blockSignals(true);
    QStringList linii;
    for (int k : ordine)
        linii << (Proiect::numarObiectValid(k) ? textLinie(sesiune().model.proiect().obiect(k), k)
                                               : QString());
    bool aceleasi = lstObiecte_->count() == ordine.size();
    for (int i = 0; aceleasi && i < ordine.size(); ++i)
        aceleasi = lstObiecte_->item(i)->data(Qt::UserRole).toInt() == ordine[i] &&
                   lstObiecte_->item(i)->text() == linii[i];
    if (!aceleasi) {
        lstObiecte_->clear();
        for (int i = 0; i < ordine.size(); ++i) {
            auto *item = new QListWidgetItem(linii[i], lstObiecte_);
            item->setData(Qt::UserRole, ordine[i]);
        }
    }
    lstObiecte_->setCurrentRow(int(ordine.indexOf(selectat)));
    const int n = obiectSelectat();
    if (Proiect::numarObiectValid(n)) {
        const Obiect &o = sesiune().model.proiect().obiect(n);
        shpCerneala_->setCuloare(o.CuloareCerneala);
        shpFundal_->setCuloare(o.CuloareFundal);
        hsbOrizontala_->setValue(o.Coloana);
        hsbVerticala_->setValue(o.Rand);
        chkCulorileFerestrei_->setChecked(isSet(o.CulorileFerestrei));
    }
    for (QObject *c : controale)
        c->blockSignals(false);
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
    lblVerticala_->setText(QString::number(hsbVerticala_->value()));
    lblTotalObiecte_->setText(QString::number(lstObiecte_->count()));
    activeazaAdaugarea(sesiune().ferestre && sesiune().ferestre->fereastraActiva() > 0);
    StareFaraObiectSelectat();
    if (Proiect::numarObiectValid(n)) {
        activeazaCulorile(n); // as a click on the line leaves them
        StareObiectSelectat();
    }
}

void FrmObiecte::activeazaCulorile(int n)
{
    // Only a @SAY takes its colours from the palette.
    const bool say = sesiune().model.proiect().obiect(n).Tip == QLatin1String("SAY");
    for (QWidget *w : std::initializer_list<QWidget *>{chkCulorileFerestrei_, imgCerneala_, imgFundal_,
                                                       lblCerneala_, lblFundal_})
        w->setEnabled(say);
}

void FrmObiecte::activeazaAdaugarea(bool on)
{
    for (QAction *a : {actSay_, actGet_, actButon_})
        a->setEnabled(on);
}

void FrmObiecte::selecteazaUltimaLinie()
{
    // The handler runs even where Qt already made the last line current.
    const int ultima = lstObiecte_->count() - 1;
    if (lstObiecte_->currentRow() == ultima)
        lstObiecte_Click();
    else
        lstObiecte_->setCurrentRow(ultima);
}

void FrmObiecte::creeazaObiect(const QString &tip)
{
    ModelProiect &model = sesiune().model;
    sesiune().obiectExistent = false;
    const int n = model.proiect().PrimulObiectLiber();
    if (n == -1) {
        if (tip == QLatin1String("SAY"))
            mesajCritic(this, QStringLiteral("@ SAY"),
                        QStringLiteral("Nu se mai pot crea obiecte de tip @SAY!"));
        else if (tip == QLatin1String("GET"))
            mesajCritic(this, QStringLiteral("@ GET"),
                        QStringLiteral("Nu se mai pot crea obiecte de tip @GET!"));
        else
            mesajCritic(this, QStringLiteral("BUTON"),
                        QStringLiteral("Nu se mai pot crea obiecte de tip BUTON!"));
        return;
    }
    const int activa = sesiune().ferestre ? sesiune().ferestre->fereastraActiva() : -1;
    if (!Proiect::numarFereastraValid(activa))
        return;

    // The record, its line and the editor session are one step; the
    // editor's Cancel leaves none.
    const TipObiect fel = tipObiect(tip);
    ModelProiect::Tranzactie pas(model, creareObiect(fel), n);
    model.adaugaObiect(fel, activa, sesiune().ferestre->culoareFundal(),
                       sesiune().ferestre->culoareCerneala());
    const QString linie = tip == QLatin1String("GET")   ? QStringLiteral("@GET%1 [GET %1]").arg(n)
                          : tip == QLatin1String("SAY") ? QStringLiteral("@SAY%1 [SAY %1]").arg(n)
                                                        : QStringLiteral("BUTON%1 [BUTON %1]").arg(n);
    auto *item = new QListWidgetItem(linie, lstObiecte_);
    item->setData(Qt::UserRole, n);
    selecteazaUltimaLinie();

    deschideEditor(tip);
}

void FrmObiecte::deschideEditor(const QString &tip)
{
    if (tip == QLatin1String("SAY")) {
        FrmSay editor(sesiune(), this);
        editor.exec();
    } else if (tip == QLatin1String("GET")) {
        FrmGet editor(sesiune(), this);
        editor.exec();
    } else if (tip == QLatin1String("BUTON")) {
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
    deschideEditor(sesiune().model.proiect().obiect(n).Tip);
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
    ModelProiect::Tranzactie pas(sesiune().model, Modificare::StergereObiect, n);
    elibereazaObiectulSelectat(n);
    if (lstObiecte_->count() > 0) {
        selecteazaUltimaLinie();
        StareObiectSelectat();
    } else {
        StareFaraObiectSelectat();
    }
    lblTotalObiecte_->setText(QString::number(lstObiecte_->count()));
    publicaLista();
}

void FrmObiecte::elibereazaObiectulSelectat(int n)
{
    sesiune().model.stergeObiect(n);
    // Removing the current line moves Qt's current row by itself; the
    // caller selects the line it means.
    ignoraSelectia_ = true;
    delete lstObiecte_->takeItem(lstObiecte_->currentRow());
    ignoraSelectia_ = false;
}

void FrmObiecte::anuleazaObiectNou()
{
    const int n = obiectSelectat();
    if (n < 1)
        return;
    elibereazaObiectulSelectat(n);
    if (lstObiecte_->count() > 0)
        selecteazaUltimaLinie();
    else
        StareFaraObiectSelectat();
    publicaLista();
}

void FrmObiecte::ActualizeazaListaObiecte()
{
    const int activa = sesiune().ferestre ? sesiune().ferestre->fereastraActiva() : -1;
    ignoraSelectia_ = true;
    lstObiecte_->clear();
    ignoraSelectia_ = false;
    for (int n = 1; n <= NumarObiecte; ++n) {
        const Obiect &o = sesiune().model.proiect().obiect(n);
        if (isSet(o.Liber) || o.Fereastra != activa)
            continue;
        auto *item = new QListWidgetItem(textLinie(o, n), lstObiecte_);
        item->setData(Qt::UserRole, n);
        selecteazaUltimaLinie();
    }
    lblTotalObiecte_->setText(QString::number(lstObiecte_->count()));
    if (lstObiecte_->count() == 0)
        StareFaraObiectSelectat();
    else
        StareObiectSelectat();
    publicaLista();
}

void FrmObiecte::publicaLista()
{
    sesiune().model.seteazaListaObiecte(ordineLista(), obiectSelectat());
}

void FrmObiecte::lstObiecte_Click()
{
    publicaLista();
    if (ignoraSelectia_)
        return;
    const int n = obiectSelectat();
    if (!Proiect::numarObiectValid(n))
        return;
    AfiseazaObiectInPaleta(n);
    // Back from no selection (Esc on the work table) the object's controls return.
    StareObiectSelectat();
    activeazaCulorile(n);
}

void FrmObiecte::AfiseazaObiectInPaleta(int n)
{
    if (!Proiect::numarObiectValid(n))
        return;
    const Obiect &o = sesiune().model.proiect().obiect(n);
    shpCerneala_->setCuloare(o.CuloareCerneala);
    shpFundal_->setCuloare(o.CuloareFundal);
    hsbOrizontala_->setValue(sesiune().model.proiect().obiect(n).Coloana);
    hsbVerticala_->setValue(sesiune().model.proiect().obiect(n).Rand);
    chkCulorileFerestrei_->setChecked(isSet(sesiune().model.proiect().obiect(n).CulorileFerestrei));
}

void FrmObiecte::chkCulorileFerestrei_Click()
{
    const int n = obiectSelectat();
    if (n < 1)
        return;
    ModelProiect &model = sesiune().model;
    const Obiect &o = model.obiect(n);
    ModelProiect::Tranzactie pas(model, Modificare::CuloriFereastraObiect, n);
    if (!chkCulorileFerestrei_->isChecked()) {
        model.seteazaCuloriObiect(n, false, o.CuloareFundal, o.CuloareCerneala);
        return;
    }
    const int w = sesiune().ferestre ? sesiune().ferestre->fereastraActiva() : -1;
    if (!Proiect::numarFereastraValid(w))
        return;
    model.seteazaCuloriObiect(n, true, model.fereastra(w).CuloareFundal, model.fereastra(w).CuloareCerneala);
    AfiseazaObiectInPaleta(n);
}

void FrmObiecte::activeazaControaleleObiectului(bool on)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{hsbOrizontala_, hsbVerticala_, lblOrizontala_, lblVerticala_,
                                          cmdCentrareOrizontala_, cmdCentrareVerticala_})
        w->setEnabled(on);
    for (QPushButton *b : butoaneAliniere_)
        b->setEnabled(on);
    actSterge_->setEnabled(on);
}

void FrmObiecte::StareFaraObiectSelectat()
{
    activeazaControaleleObiectului(false);
    for (QWidget *w : std::initializer_list<QWidget *>{imgCerneala_, imgFundal_, chkCulorileFerestrei_})
        w->setEnabled(false);
    actProprietati_->setEnabled(false);
}

void FrmObiecte::StareObiectSelectat()
{
    activeazaControaleleObiectului(true);
    actProprietati_->setEnabled(true);
    const int n = obiectSelectat();
    if (Proiect::numarObiectValid(n) && sesiune().model.proiect().obiect(n).Tip == QLatin1String("SAY")) {
        for (QWidget *w : std::initializer_list<QWidget *>{imgCerneala_, imgFundal_, chkCulorileFerestrei_})
            w->setEnabled(true);
    }
}

void FrmObiecte::StareFaraFerestre()
{
    if (sesiune().ferestre)
        sesiune().ferestre->stareFaraFerestre();
    activeazaAdaugarea(false);
}

int FrmObiecte::obiectDePlasat() const
{
    const int n = lstObiecte_->count() > 0 ? obiectSelectat() : -1;
    const int w = sesiune().ferestre ? sesiune().ferestre->fereastraActiva() : -1;
    return Proiect::numarObiectValid(n) && Proiect::numarFereastraValid(w) ? n : -1;
}

void FrmObiecte::hsbOrizontala_Change()
{
    const int n = obiectDePlasat();
    if (n < 1)
        return;
    // Refused past the window's right border: the bar goes back.
    if (!sesiune().model.seteazaColoanaObiect(n, hsbOrizontala_->value()))
        hsbOrizontala_->setValue(sesiune().model.proiect().obiect(n).Coloana);
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
}

void FrmObiecte::hsbVerticala_Change()
{
    const int n = obiectDePlasat();
    if (n < 1)
        return;
    // Refused on or below the bottom border: the bar goes back.
    if (!sesiune().model.seteazaRandObiect(n, hsbVerticala_->value()))
        hsbVerticala_->setValue(sesiune().model.proiect().obiect(n).Rand);
    lblVerticala_->setText(QString::number(hsbVerticala_->value()));
}

void FrmObiecte::aratPozitia(int n)
{
    // The bars show where the object went; their handlers draw it.
    hsbOrizontala_->setValue(sesiune().model.obiect(n).Coloana);
    hsbVerticala_->setValue(sesiune().model.obiect(n).Rand);
}

void FrmObiecte::aliniaza(int coloanaButon, int randButon)
{
    const int n = obiectDePlasat();
    if (n < 1)
        return;
    sesiune().model.aliniazaObiect(n, coloanaButon, randButon);
    aratPozitia(n);
}

void FrmObiecte::CentreazaOrizontal()
{
    if (const int n = obiectDePlasat(); n > 0) {
        sesiune().model.centreazaOrizontal(n);
        aratPozitia(n);
    }
}

void FrmObiecte::CentreazaVertical()
{
    if (const int n = obiectDePlasat(); n > 0) {
        sesiune().model.centreazaVertical(n);
        aratPozitia(n);
    }
}

void FrmObiecte::selecteazaObiectNumar(int n)
{
    const int linie = int(ordineLista().indexOf(n));
    if (linie >= 0) {
        lstObiecte_->setCurrentRow(linie);
        return;
    }
    ignoraSelectia_ = true;
    lstObiecte_->setCurrentRow(-1);
    ignoraSelectia_ = false;
    StareFaraObiectSelectat();
    publicaLista();
}

void FrmObiecte::mutaObiect(int coloana, int rand)
{
    if (obiectSelectat() < 1)
        return;
    hsbOrizontala_->setValue(coloana);
    hsbVerticala_->setValue(rand);
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
