#include "frmferestre.h"

#include "editors/filtrucaseta.h"
#include "formbase/culoareforma.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "model/rounding.h"
#include "model/stare.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// A tiny screen with a block at one of the nine places: the picture of an
// alignment button.
QIcon iconAliniere(int coloana, int rand)
{
    QPixmap pm(14, 11);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(192, 192, 255));
    p.drawRect(0, 0, 13, 10);
    p.fillRect(2 + coloana * 3, 2 + rand * 2, 4, 3, QColor(0, 0, 128));
    return QIcon(pm);
}

} // namespace

FrmFerestre::FrmFerestre(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmFerestre"), QStringLiteral(" Ferestre"), parent)
{
    formeazaPaleta(LatimeTwips, InaltimeTwips);
    construiesteControalele();

    // Opening, in its order: the three boxes from the settings, the schemes
    // (scheme 1 selected), the window list, the commands that need a window.
    const Setari &s = sesiune.model.proiect().setari;
    chkUmbra_->setChecked(isSet(s.UmbraImplicit));
    chkPatrata_->setChecked(isSet(s.FerestrePatrate));
    chkMentineUmbra_->setChecked(isSet(s.PastreazaUmbraInEcran));
    ignoraSelectia_ = true;
    for (int schema = 1; schema <= 10; ++schema)
        cmbSchema_->addItem(QStringLiteral("COLOR SCHEME %1").arg(schema), schema);
    cmbSchema_->setCurrentIndex(-1);
    ignoraSelectia_ = false;
    cmbSchema_->setCurrentIndex(0);
    IncarcaListaFerestre();
    actSterge_->setEnabled(false);
    actCod_->setEnabled(false);
}

void FrmFerestre::construiesteControalele()
{
    tlbComenzi_ = new QToolBar(this);
    tlbComenzi_->setObjectName(QStringLiteral("tlbComenziFerestre"));
    tlbComenzi_->setGeometry(2, 2, 252, 28);
    tlbComenzi_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tlbComenzi_->setIconSize(QSize(16, 16)); // four captioned buttons fit beside the swatches
    auto buton = [this](const char *cheie, const QString &text, const QString &tip, const char *icon) {
        QAction *a =
            tlbComenzi_->addAction(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(icon))), text);
        a->setObjectName(QString::fromLatin1(cheie));
        a->setToolTip(tip);
        return a;
    };
    actCreaza_ =
        buton("CREAZA", QStringLiteral("Creaza"), QStringLiteral("Creaza o fereastra noua"), "creaza");
    actSterge_ =
        buton("STERGE", QStringLiteral("Sterge"), QStringLiteral("Sterge fereastra activa"), "sterge");
    actCod_ =
        buton("COD", QStringLiteral(" Cod"), QStringLiteral("Vizualizeaza codul ferestrei active"), "cod");
    connect(actCreaza_, &QAction::triggered, this, &FrmFerestre::creeazaFereastra);
    connect(actSterge_, &QAction::triggered, this, &FrmFerestre::stergeFereastraActiva);
    connect(actCod_, &QAction::triggered, this, &FrmFerestre::codFereastra);
    QAction *actRuleaza = buton("PREVIZUALIZARE", QStringLiteral("Ruleaza"),
                                QStringLiteral("Ruleaza programul ferestrei active"), "cod");
    connect(actRuleaza, &QAction::triggered, this, [this] {
        if (const int n = fereastraActiva(); n >= 1)
            emit previzualizareCeruta(n);
    });
    // A play sign alone: with its caption the fourth button would not fit beside the swatches.
    actRuleaza->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    if (auto *b = qobject_cast<QToolButton *>(tlbComenzi_->widgetForAction(actRuleaza)))
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // It runs what "Cod" would show, so it is there exactly when "Cod" is.
    actRuleaza->setEnabled(actCod_->isEnabled());
    connect(actCod_, &QAction::enabledChanged, actRuleaza, &QAction::setEnabled);

    etichetaFixa(this, "Label10", QStringLiteral("Fereastra:"), QRect(4, 36, 56, 20));
    cmbFereastra_ = new QComboBox(this);
    cmbFereastra_->setObjectName(QStringLiteral("cmbFereastra"));
    cmbFereastra_->setGeometry(62, 36, 186, 21);
    cmbFereastra_->setEnabled(false);
    connect(cmbFereastra_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { cmbFereastra_Click(); });

    etichetaFixa(this, "Label5", QStringLiteral("Titlu:"), QRect(4, 62, 56, 20));
    txtTitlu_ = new QLineEdit(this);
    txtTitlu_->setObjectName(QStringLiteral("txtTitluFereastra"));
    txtTitlu_->setGeometry(62, 62, 186, 21);
    txtTitlu_->setMaxLength(Reguli::LungimeTitlu);
    // A pasted tab or line break would break the generated TITLE clause.
    new FiltruCaseta(txtTitlu_, Reguli::Filtru::Text);
    txtTitlu_->setEnabled(false);
    connect(txtTitlu_, &QLineEdit::textChanged, this, &FrmFerestre::txtTitluFereastra_Change);

    etichetaFixa(this, "Label8", QStringLiteral("Schema:"), QRect(4, 88, 56, 20));
    cmbSchema_ = new QComboBox(this);
    cmbSchema_->setObjectName(QStringLiteral("cmbSchemaCulori"));
    cmbSchema_->setGeometry(62, 88, 186, 21);
    connect(cmbSchema_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { cmbSchemaCulori_Click(); });

    etichetaFixa(this, "Label6", QStringLiteral("Fundal:"), QRect(256, 4, 54, 16));
    shpFundal_ = new CuloareForma(QStringLiteral("shpFereastraCuloareFundal"), this);
    shpFundal_->setGeometry(310, 5, 40, 14);
    etichetaFixa(this, "Label7", QStringLiteral("Cerneala:"), QRect(256, 22, 54, 16));
    shpCerneala_ = new CuloareForma(QStringLiteral("shpFereastraCuloareCerneala"), this);
    shpCerneala_->setGeometry(310, 23, 40, 14);
    etichetaFixa(this, "Label9", QStringLiteral("Chenar:"), QRect(256, 40, 54, 16));
    shpChenar_ = new CuloareForma(QStringLiteral("shpFereastraCuloareChenar"), this);
    shpChenar_->setGeometry(310, 41, 40, 14);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(362, 6, 44, 44);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(QStringLiteral(":/images/produs.png")));

    chkUmbra_ = new QCheckBox(QStringLiteral("Umbra"), this);
    chkUmbra_->setObjectName(QStringLiteral("chkUmbraFereastra"));
    chkUmbra_->setGeometry(256, 59, 154, 18);
    chkMentineUmbra_ = new QCheckBox(QStringLiteral("Mentine umbra in ecran"), this);
    chkMentineUmbra_->setObjectName(QStringLiteral("chkMentineUmbra"));
    chkMentineUmbra_->setGeometry(256, 77, 154, 18);
    chkMentineUmbra_->setEnabled(false);
    chkPatrata_ = new QCheckBox(QStringLiteral("Fereastra patrata"), this);
    chkPatrata_->setObjectName(QStringLiteral("chkFereastraPatrata"));
    chkPatrata_->setGeometry(256, 95, 154, 18);
    connect(chkUmbra_, &QCheckBox::toggled, this, &FrmFerestre::chkUmbraFereastra_Click);
    connect(chkPatrata_, &QCheckBox::toggled, this, &FrmFerestre::chkFereastraPatrata_Click);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(412, 1, 114, 113);
    const struct {
        const char *eticheta, *text, *bara, *valoare;
        int min, max;
        QScrollBar **ptr;
        QLabel **lbl;
    } randuri[] = {
        {"Label1", "Latime:", "hsbLatime", "lblLatime", 5, 79, &hsbLatime_, &lblLatime_},
        {"Label2", "Inaltime:", "hsbInaltime", "lblInaltime", 3, 24, &hsbInaltime_, &lblInaltime_},
        {"Label4", "Orizontala:", "hsbOrizontala", "lblOrizontala", 0, 79, &hsbOrizontala_, &lblOrizontala_},
        {"Label3", "Verticala:", "hsbVerticala", "lblVerticala", 0, 24, &hsbVerticala_, &lblVerticala_},
    };
    int y = 2;
    for (const auto &r : randuri) {
        etichetaFixa(frame, r.eticheta, QString::fromLatin1(r.text), QRect(4, y, 66, 13));
        *r.lbl = etichetaFixa(frame, r.valoare, QStringLiteral("0"), QRect(72, y, 36, 13),
                              Qt::AlignRight | Qt::AlignVCenter);
        auto *bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setObjectName(QString::fromLatin1(r.bara));
        bar->setGeometry(4, y + 13, 106, 13);
        bar->setRange(r.min, r.max);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(r.min);
        *r.ptr = bar;
        y += 27;
    }
    // The width bar runs one rule on a change and another while its thumb is
    // dragged: without tracking, valueChanged comes only when the drag ends.
    hsbLatime_->setTracking(false);
    connect(hsbLatime_, &QScrollBar::valueChanged, this, [this] { hsbLatime_Change(); });
    connect(hsbLatime_, &QScrollBar::sliderMoved, this, &FrmFerestre::hsbLatime_Scroll);
    connect(hsbInaltime_, &QScrollBar::valueChanged, this, [this] { hsbInaltime_Change(); });
    connect(hsbOrizontala_, &QScrollBar::valueChanged, this, [this] { hsbOrizontala_Change(); });
    connect(hsbVerticala_, &QScrollBar::valueChanged, this, [this] { hsbVerticala_Change(); });

    const char *nume[3][3] = {
        {"cmdStangaSus", "cmdCentruSus", "cmdDreaptaSus"},
        {"cmdStangaCentru", "cmdCentruCentru", "cmdDreaptaCentru"},
        {"cmdStangaJos", "cmdCentruJos", "cmdDreaptaJos"},
    };
    const QString sfaturi[3][3] = {
        {QStringLiteral("Stanga sus"), QStringLiteral("Centru sus"), QStringLiteral("Dreapta sus")},
        {QStringLiteral("Stanga centru"), QStringLiteral("Centru"), QStringLiteral("Dreapta centru")},
        {QStringLiteral("Stanga jos"), QStringLiteral("Centru jos"), QStringLiteral("Dreapta jos")},
    };
    for (int rand = 0; rand < 3; ++rand) {
        for (int col = 0; col < 3; ++col) {
            auto *b = new QPushButton(this);
            b->setObjectName(QString::fromLatin1(nume[rand][col]));
            b->setGeometry(529 + col * 17, 32 + rand * 17, 16, 16);
            b->setIcon(iconAliniere(col, rand));
            b->setIconSize(QSize(14, 11));
            b->setToolTip(sfaturi[rand][col]);
            b->setFocusPolicy(Qt::TabFocus);
            connect(b, &QPushButton::clicked, this, [this, col, rand] { aliniaza(col, rand); });
            butoaneAliniere_.append(b);
        }
    }
    faraButonImplicit(this);
    activeazaGeometria(false);
}

int FrmFerestre::fereastraActiva() const
{
    if (cmbFereastra_->count() == 0 || cmbFereastra_->currentIndex() < 0)
        return -1;
    return cmbFereastra_->currentData(Qt::UserRole).toInt();
}

void FrmFerestre::activeazaGeometria(bool on)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{hsbLatime_, hsbInaltime_, hsbOrizontala_, hsbVerticala_, lblLatime_,
                                          lblInaltime_, lblOrizontala_, lblVerticala_})
        w->setEnabled(on);
    for (QPushButton *b : butoaneAliniere_)
        b->setEnabled(on);
}

void FrmFerestre::selecteazaFereastra(int index)
{
    // Selecting a line runs its handler, even where Qt has already made it
    // current by itself (the first line added, a line removed).
    if (cmbFereastra_->currentIndex() == index)
        cmbFereastra_Click();
    else
        cmbFereastra_->setCurrentIndex(index);
}

void FrmFerestre::IncarcaListaFerestre()
{
    const Proiect &p = sesiune().model.proiect();
    ignoraSelectia_ = true;
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (isSet(p.fereastra(n).Libera))
            continue;
        cmbFereastra_->addItem(textLinieFereastra(n, p.fereastra(n).Titlu), n);
    }
    ignoraSelectia_ = false;
    if (cmbFereastra_->count() > 0)
        selecteazaFereastra(0);
    publicaLista();
}

void FrmFerestre::creeazaFereastra()
{
    ModelProiect &model = sesiune().model;
    const int n = model.proiect().PrimaFereastraLibera();
    if (n == -1) {
        mesajCritic(this, QStringLiteral("Ferestre"), QStringLiteral("Nu se mai pot crea ferestre!"));
        return;
    }
    // The record, its line and what the palette shows of it are one step.
    ModelProiect::Tranzactie pas(model, Modificare::CreareFereastra, n);
    // The shadow and square boxes reach the new window as the scheme does.
    model.creeazaFereastra({chkUmbra_->isChecked(), chkPatrata_->isChecked(),
                            cmbSchema_->currentData(Qt::UserRole).toInt(), shpFundal_->culoare(),
                            shpCerneala_->culoare(), shpChenar_->culoare()});

    ignoraSelectia_ = true;
    cmbFereastra_->addItem(QStringLiteral("F%1 [FER %1]").arg(n), n);
    ignoraSelectia_ = false;
    selecteazaFereastra(cmbFereastra_->count() - 1);
    txtTitlu_->setText(QStringLiteral("FER %1").arg(n));
    actSterge_->setEnabled(true);
    actCod_->setEnabled(true);
    if (sesiune().obiecte)
        sesiune().obiecte->activeazaAdaugarea(true);
    publicaLista();
}

void FrmFerestre::stergeFereastraActiva()
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    if (isSet(sesiune().model.proiect().setari.ConfirmareStergere) &&
        !intrebareDaNu(this, QMessageBox::Warning, QStringLiteral("Sterge fereastra"),
                       QStringLiteral("Sunteti sigur ca doriti sa stergeti acesta fereastra impreuna cu "
                                      "toate obiectele pe care le contine?")))
        return;
    StergeFereastra(n);
}

void FrmFerestre::codFereastra()
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    emit codCerut(n);
}

void FrmFerestre::publicaLista()
{
    sesiune().model.seteazaListaFerestre(liniiLista(), fereastraActiva());
}

void FrmFerestre::cmbFereastra_Click()
{
    publicaLista();
    if (ignoraSelectia_)
        return;
    const int n = fereastraActiva();
    if (!Proiect::numarFereastraValid(n))
        return;
    AfiseazaFereastraInPaleta(n);
    activeazaGeometria(true);
    cmbFereastra_->setEnabled(true);
    txtTitlu_->setEnabled(true);
    if (sesiune().obiecte)
        sesiune().obiecte->ActualizeazaListaObiecte();
}

void FrmFerestre::AfiseazaFereastraInPaleta(int n)
{
    const QScopedValueRollback<bool> lant(inLant_, true);
    if (!Proiect::numarFereastraValid(n))
        return;
    const Fereastra &f = sesiune().model.proiect().fereastra(n);
    shpCerneala_->setCuloare(f.CuloareCerneala);
    shpFundal_->setCuloare(f.CuloareFundal);
    shpChenar_->setCuloare(f.CuloareChenar);
    txtTitlu_->setText(f.Titlu);
    const int linie = cmbSchema_->findData(int(f.SchemaCulori), Qt::UserRole);
    if (linie >= 0)
        cmbSchema_->setCurrentIndex(linie);
    chkPatrata_->setChecked(isSet(f.Patrata));
    chkUmbra_->setChecked(isSet(f.Umbra));
    // Read each value just before it is set: the handlers of the earlier
    // bars may have changed the record (a square window's width).
    hsbInaltime_->setValue(sesiune().model.proiect().fereastra(n).Inaltime);
    hsbLatime_->setValue(sesiune().model.proiect().fereastra(n).Latime);
    hsbOrizontala_->setValue(sesiune().model.proiect().fereastra(n).Orizontala);
    hsbVerticala_->setValue(sesiune().model.proiect().fereastra(n).Verticala);
}

void FrmFerestre::cmbSchemaCulori_Click()
{
    if (ignoraSelectia_)
        return;
    const int s = cmbSchema_->currentData(Qt::UserRole).toInt();
    if (const auto culori = CuloriSchema(s)) {
        shpFundal_->setCuloare(culori->fundal);
        shpCerneala_->setCuloare(culori->cerneala);
        shpChenar_->setCuloare(culori->chenar);
    }
    if (cmbFereastra_->count() == 0)
        return;
    const int n = fereastraActiva();
    if (n < 1)
        return;
    sesiune().model.seteazaSchema(n, s, shpFundal_->culoare(), shpCerneala_->culoare(),
                                  shpChenar_->culoare());
    if (IPaletaObiecte *obiecte = sesiune().obiecte) {
        const int k = obiecte->obiectSelectat();
        if (k > 0)
            obiecte->AfiseazaObiectInPaleta(k);
    }
}

void FrmFerestre::txtTitluFereastra_Change()
{
    if (cmbFereastra_->count() == 0)
        return;
    const int n = fereastraActiva();
    if (n < 1)
        return;
    // Only the record widens; the width bar shows it at the next showing.
    sesiune().model.seteazaTitlu(n, txtTitlu_->text());
}

void FrmFerestre::chkUmbraFereastra_Click()
{
    if (!chkUmbra_->isChecked()) {
        chkMentineUmbra_->setEnabled(false);
        chkMentineUmbra_->setChecked(false);
    } else {
        chkMentineUmbra_->setEnabled(true);
    }
    const int n = fereastraActiva();
    if (n < 1)
        return;
    sesiune().model.seteazaUmbra(n, chkUmbra_->isChecked());
}

void FrmFerestre::chkFereastraPatrata_Click()
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    sesiune().model.seteazaPatrata(n, chkPatrata_->isChecked());
}

void FrmFerestre::hsbInaltime_Change()
{
    const QScopedValueRollback<bool> lant(inLant_, true);
    const int n = fereastraActiva();
    if (n < 1)
        return;
    const int v = hsbInaltime_->value();
    // A square window's width follows in the same step.
    ModelProiect::Tranzactie pas(sesiune().model, Modificare::RedimensionareFereastra, n, true);
    sesiune().model.seteazaInaltime(n, v);
    if (chkPatrata_->isChecked())
        hsbLatime_->setValue(2 * v);
    lblInaltime_->setText(QString::number(v));
}

void FrmFerestre::hsbLatime_Change()
{
    latimeDupaPatrat(hsbLatime_->value(), false);
}

void FrmFerestre::hsbLatime_Scroll(int pozitie)
{
    // Only the hand drags the thumb; a move inside a handler chain is a value
    // set by code, already handled as a change.
    if (inLant_)
        return;
    latimeDupaPatrat(pozitie, true);
}

void FrmFerestre::latimeDupaPatrat(int v, bool tragere)
{
    const QScopedValueRollback<bool> lant(inLant_, true);
    const int n = fereastraActiva();
    if (n < 1)
        return;
    ModelProiect::Tranzactie pas(sesiune().model, Modificare::RedimensionareFereastra, n, true);
    if (chkPatrata_->isChecked()) {
        const int jumatate = roundHalfEven(v / 2.0);
        if (jumatate <= hsbInaltime_->maximum()) {
            // Dragged to the left, a square window collapses to its minimum.
            if (!tragere || v / 2.0 > hsbInaltime_->value())
                hsbInaltime_->setValue(jumatate);
            else
                hsbInaltime_->setValue(hsbInaltime_->minimum());
        } else if (v > 2 * hsbInaltime_->value()) {
            hsbLatime_->setValue(2 * hsbInaltime_->value());
        }
    }
    // While dragging, the bar's value is where its thumb stands.
    const int actual = tragere ? hsbLatime_->sliderPosition() : hsbLatime_->value();
    sesiune().model.seteazaLatime(n, actual);
    lblLatime_->setText(QString::number(actual));
}

void FrmFerestre::hsbOrizontala_Change()
{
    const QScopedValueRollback<bool> lant(inLant_, true);
    const int n = fereastraActiva();
    if (n < 1)
        return;
    // Refused past the screen's right edge: the bar goes back.
    if (!sesiune().model.seteazaOrizontala(n, hsbOrizontala_->value(), chkMentineUmbra_->isChecked()))
        hsbOrizontala_->setValue(sesiune().model.proiect().fereastra(n).Orizontala);
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
}

void FrmFerestre::hsbVerticala_Change()
{
    const QScopedValueRollback<bool> lant(inLant_, true);
    const int n = fereastraActiva();
    if (n < 1)
        return;
    const int v = hsbVerticala_->value();
    sesiune().model.seteazaVerticala(n, v);
    lblVerticala_->setText(QString::number(v));
}

void FrmFerestre::aliniaza(int coloanaButon, int randButon)
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    sesiune().model.aliniazaFereastra(n, coloanaButon, randButon,
                                      chkUmbra_->isChecked() && chkMentineUmbra_->isChecked());
    // The bars show where the window went; their handlers draw it.
    const Fereastra &f = sesiune().model.fereastra(n);
    hsbVerticala_->setValue(f.Verticala);
    hsbOrizontala_->setValue(f.Orizontala);
}

QList<int> FrmFerestre::obiecteleFerestrei(int n) const
{
    QList<int> obiecte;
    for (int k = 1; k <= NumarObiecte; ++k) {
        if (sesiune().model.proiect().obiect(k).Fereastra == n)
            obiecte.append(k);
    }
    return obiecte;
}

void FrmFerestre::DeseneazaObiecteleFerestreiActive()
{
    const int n = fereastraActiva();
    if (n < 1 || !sesiune().tabela)
        return;
    for (int k : obiecteleFerestrei(n))
        sesiune().tabela->DeseneazaObiect(k);
}

void FrmFerestre::StergeFereastra(int n)
{
    if (!Proiect::numarFereastraValid(n))
        return;
    ModelProiect::Tranzactie pas(sesiune().model, Modificare::StergereFereastra, n);
    sesiune().model.stergeFereastra(n);
    if (sesiune().obiecte)
        sesiune().obiecte->ActualizeazaListaObiecte();

    const int linie = cmbFereastra_->findData(n, Qt::UserRole);
    ignoraSelectia_ = true;
    cmbFereastra_->removeItem(linie >= 0 ? linie : cmbFereastra_->currentIndex());
    ignoraSelectia_ = false;
    if (cmbFereastra_->count() == 0) {
        publicaLista();
        if (sesiune().obiecte)
            sesiune().obiecte->StareFaraFerestre();
        else
            stareFaraFerestre();
        return;
    }
    selecteazaFereastra(0);
}

void FrmFerestre::selecteazaFereastraNumar(int n)
{
    // By item data: lines stand in creation order, not in window order.
    const int linie = cmbFereastra_->findData(n, Qt::UserRole);
    if (linie >= 0)
        cmbFereastra_->setCurrentIndex(linie);
}

Culoare FrmFerestre::culoareFundal() const
{
    return shpFundal_->culoare();
}

Culoare FrmFerestre::culoareCerneala() const
{
    return shpCerneala_->culoare();
}

QList<LinieFereastra> FrmFerestre::liniiLista() const
{
    QList<LinieFereastra> linii;
    for (int i = 0; i < cmbFereastra_->count(); ++i)
        linii.append({cmbFereastra_->itemData(i, Qt::UserRole).toInt(), cmbFereastra_->itemText(i)});
    return linii;
}

void FrmFerestre::reafiseaza(const QList<LinieFereastra> &linii, int activa)
{
    const QList<QObject *> controale{cmbFereastra_,    txtTitlu_,    cmbSchema_, chkUmbra_,
                                     chkMentineUmbra_, chkPatrata_,  hsbLatime_, hsbInaltime_,
                                     hsbOrizontala_,   hsbVerticala_};
    for (QObject *c : controale)
        c->blockSignals(true);
    if (liniiLista() != linii) {
        cmbFereastra_->clear();
        for (const LinieFereastra &l : linii)
            cmbFereastra_->addItem(l.text, l.fereastra);
    }
    cmbFereastra_->setCurrentIndex(
        linii.isEmpty() ? -1 : std::max(0, cmbFereastra_->findData(activa, Qt::UserRole)));
    const int n = fereastraActiva();
    if (Proiect::numarFereastraValid(n)) {
        const Fereastra &f = sesiune().model.proiect().fereastra(n);
        shpCerneala_->setCuloare(f.CuloareCerneala);
        shpFundal_->setCuloare(f.CuloareFundal);
        shpChenar_->setCuloare(f.CuloareChenar);
        txtTitlu_->setText(f.Titlu);
        if (const int linie = cmbSchema_->findData(int(f.SchemaCulori), Qt::UserRole); linie >= 0)
            cmbSchema_->setCurrentIndex(linie);
        chkPatrata_->setChecked(isSet(f.Patrata));
        chkUmbra_->setChecked(isSet(f.Umbra));
        hsbInaltime_->setValue(f.Inaltime);
        hsbLatime_->setValue(f.Latime);
        hsbOrizontala_->setValue(f.Orizontala);
        hsbVerticala_->setValue(f.Verticala);
    }
    // As the shadow box's own handler leaves it.
    chkMentineUmbra_->setEnabled(chkUmbra_->isChecked());
    if (!chkUmbra_->isChecked())
        chkMentineUmbra_->setChecked(false);
    for (QObject *c : controale)
        c->blockSignals(false);
    lblInaltime_->setText(QString::number(hsbInaltime_->value()));
    lblLatime_->setText(QString::number(hsbLatime_->value()));
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
    lblVerticala_->setText(QString::number(hsbVerticala_->value()));
    if (n < 1) {
        stareFaraFerestre();
        return;
    }
    activeazaGeometria(true);
    cmbFereastra_->setEnabled(true);
    txtTitlu_->setEnabled(true);
    actSterge_->setEnabled(true);
    actCod_->setEnabled(true);
}

void FrmFerestre::mutaFereastra(int coloana, int rand)
{
    if (fereastraActiva() < 1)
        return;
    if (coloana >= 0)
        hsbOrizontala_->setValue(coloana);
    if (rand >= 0)
        hsbVerticala_->setValue(rand);
}

void FrmFerestre::redimensioneazaFereastra(int latime, int inaltime)
{
    if (fereastraActiva() < 1)
        return;
    if (latime >= 0)
        hsbLatime_->setValue(latime);
    if (inaltime >= 0)
        hsbInaltime_->setValue(inaltime);
}

void FrmFerestre::stareFaraFerestre()
{
    txtTitlu_->clear();
    txtTitlu_->setEnabled(false);
    actSterge_->setEnabled(false);
    actCod_->setEnabled(false);
    cmbFereastra_->setEnabled(false);
    activeazaGeometria(false);
}
