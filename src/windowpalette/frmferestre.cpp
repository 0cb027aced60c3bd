#include "frmferestre.h"

#include "editors/filtrucaseta.h"
#include "formbase/culoareforma.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
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

#include <functional>

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
    // The list selects its first line by itself when it is added; the
    // program's lists never select by themselves.
    {
        const QSignalBlocker blocare(cmbSchema_);
        for (int schema = 1; schema <= 10; ++schema)
            cmbSchema_->addItem(QStringLiteral("COLOR SCHEME %1").arg(schema), schema);
        cmbSchema_->setCurrentIndex(-1);
    }
    cmbSchema_->setCurrentIndex(0);

    // The palette shows the model: the active window's record, the window list.
    ModelProiect &model = sesiune.model;
    connect(&model, &ModelProiect::fereastraSchimbata, this, [this](int n) {
        if (n == fereastraActiva())
            arataFereastra();
    });
    connect(&model, &ModelProiect::selectieSchimbata, this, &FrmFerestre::arata);
    arata();
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
    connect(actCreaza_, &QAction::triggered, this, &FrmFerestre::creaza);
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
            &FrmFerestre::cmbFereastra_Click);

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
            &FrmFerestre::cmbSchemaCulori_Click);

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
    connect(hsbLatime_, &QScrollBar::valueChanged, this,
            [this](int v) { geometrie([v](ModelProiect &m, int n) { m.seteazaLatime(n, v); }); });
    connect(hsbLatime_, &QScrollBar::sliderMoved, this,
            [this](int v) { geometrie([v](ModelProiect &m, int n) { m.seteazaLatime(n, v, true); }); });
    connect(hsbInaltime_, &QScrollBar::valueChanged, this,
            [this](int v) { geometrie([v](ModelProiect &m, int n) { m.seteazaInaltime(n, v); }); });
    connect(hsbOrizontala_, &QScrollBar::valueChanged, this, [this](int v) {
        geometrie([this, v](ModelProiect &m, int n) { m.seteazaOrizontala(n, v, umbraInEcran()); });
    });
    connect(hsbVerticala_, &QScrollBar::valueChanged, this,
            [this](int v) { geometrie([v](ModelProiect &m, int n) { m.seteazaVerticala(n, v); }); });

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
            connect(b, &QPushButton::clicked, this, [this, col, rand] {
                geometrie([&](ModelProiect &m, int n) {
                    m.aliniazaFereastra(n, col, rand, chkUmbra_->isChecked() && umbraInEcran());
                });
            });
            butoaneAliniere_.append(b);
        }
    }
    faraButonImplicit(this);
}

int FrmFerestre::fereastraActiva() const
{
    return sesiune().model.fereastraActiva();
}

bool FrmFerestre::umbraInEcran() const
{
    return chkMentineUmbra_->isChecked();
}

void FrmFerestre::activeazaGeometria(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             hsbLatime_, hsbInaltime_, hsbOrizontala_, hsbVerticala_, lblLatime_, lblInaltime_,
             lblOrizontala_, lblVerticala_, cmbFereastra_, txtTitlu_})
        w->setEnabled(on);
    for (QPushButton *b : butoaneAliniere_)
        b->setEnabled(on);
    actSterge_->setEnabled(on);
    actCod_->setEnabled(on);
}

void FrmFerestre::arata()
{
    const ModelProiect &model = sesiune().model;
    const QList<LinieFereastra> &linii = model.liniiFerestre();
    bool aceleasi = cmbFereastra_->count() == linii.size();
    for (int i = 0; aceleasi && i < linii.size(); ++i)
        aceleasi = cmbFereastra_->itemData(i, Qt::UserRole).toInt() == linii[i].fereastra &&
                   cmbFereastra_->itemText(i) == linii[i].text;
    const bool activa = model.proiect().fereastraFolosita(model.fereastraActiva());
    {
        const QSignalBlocker lista(cmbFereastra_), titlu(txtTitlu_);
        if (!aceleasi) {
            cmbFereastra_->clear();
            for (const LinieFereastra &l : linii)
                cmbFereastra_->addItem(l.text, l.fereastra);
        }
        cmbFereastra_->setCurrentIndex(cmbFereastra_->findData(model.fereastraActiva(), Qt::UserRole));
        if (!activa)
            txtTitlu_->clear();
    }
    activeazaGeometria(activa);
    arataFereastra();
}

void FrmFerestre::arataFereastra()
{
    const ModelProiect &model = sesiune().model;
    const int n = model.fereastraActiva();
    {
        const BlocareSemnale blocare{txtTitlu_,  cmbSchema_,   chkUmbra_,      chkMentineUmbra_, chkPatrata_,
                                     hsbLatime_, hsbInaltime_, hsbOrizontala_, hsbVerticala_};
        if (model.proiect().fereastraFolosita(n)) {
            const Fereastra &f = model.fereastra(n);
            shpCerneala_->setCuloare(f.CuloareCerneala);
            shpFundal_->setCuloare(f.CuloareFundal);
            shpChenar_->setCuloare(f.CuloareChenar);
            // Set only when it differs: setting a line edit's text moves its cursor.
            if (txtTitlu_->text() != f.Titlu)
                txtTitlu_->setText(f.Titlu);
            // The schemes stand in order, scheme 1 first.
            if (f.SchemaCulori >= 1 && f.SchemaCulori <= cmbSchema_->count())
                cmbSchema_->setCurrentIndex(f.SchemaCulori - 1);
            chkPatrata_->setChecked(isSet(f.Patrata));
            chkUmbra_->setChecked(isSet(f.Umbra));
            hsbInaltime_->setValue(f.Inaltime);
            // A title widening the window moves the record only; the bar and its
            // label keep their value until the window is shown again.
            if (!latimeNeschimbata_)
                hsbLatime_->setValue(f.Latime);
            hsbOrizontala_->setValue(f.Orizontala);
            hsbVerticala_->setValue(f.Verticala);
        }
        // As the shadow box's own click leaves it.
        chkMentineUmbra_->setEnabled(chkUmbra_->isChecked());
        if (!chkUmbra_->isChecked())
            chkMentineUmbra_->setChecked(false);
    }
    lblInaltime_->setText(QString::number(hsbInaltime_->value()));
    lblLatime_->setText(QString::number(hsbLatime_->value()));
    lblOrizontala_->setText(QString::number(hsbOrizontala_->value()));
    lblVerticala_->setText(QString::number(hsbVerticala_->value()));
}

void FrmFerestre::creaza()
{
    ModelProiect &model = sesiune().model;
    if (model.proiect().PrimaFereastraLibera() == -1) {
        mesajCritic(this, QStringLiteral("Ferestre"), QStringLiteral("Nu se mai pot crea ferestre!"));
        return;
    }
    // The shadow and square boxes reach the new window as the scheme does.
    model.creeazaFereastra({chkUmbra_->isChecked(), chkPatrata_->isChecked(),
                            cmbSchema_->currentData(Qt::UserRole).toInt(), shpFundal_->culoare(),
                            shpCerneala_->culoare(), shpChenar_->culoare()});
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
    sesiune().model.stergeFereastra(n);
}

void FrmFerestre::codFereastra()
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    emit codCerut(n);
}

void FrmFerestre::cmbFereastra_Click()
{
    sesiune().model.selecteazaFereastra(cmbFereastra_->currentData(Qt::UserRole).toInt());
    // A line the model refuses is not kept.
    arata();
}

void FrmFerestre::cmbSchemaCulori_Click()
{
    const int s = cmbSchema_->currentData(Qt::UserRole).toInt();
    if (const auto culori = CuloriSchema(s)) {
        shpFundal_->setCuloare(culori->fundal);
        shpCerneala_->setCuloare(culori->cerneala);
        shpChenar_->setCuloare(culori->chenar);
    }
    if (const int n = fereastraActiva(); n >= 1)
        sesiune().model.seteazaSchema(n, s, shpFundal_->culoare(), shpCerneala_->culoare(),
                                      shpChenar_->culoare());
}

void FrmFerestre::txtTitluFereastra_Change()
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    const QScopedValueRollback<bool> latime(latimeNeschimbata_, true);
    if (!sesiune().model.seteazaTitlu(n, txtTitlu_->text()))
        arataFereastra();
}

void FrmFerestre::chkUmbraFereastra_Click()
{
    chkMentineUmbra_->setEnabled(chkUmbra_->isChecked());
    if (!chkUmbra_->isChecked())
        chkMentineUmbra_->setChecked(false);
    if (const int n = fereastraActiva(); n >= 1)
        sesiune().model.seteazaUmbra(n, chkUmbra_->isChecked());
}

void FrmFerestre::chkFereastraPatrata_Click()
{
    if (const int n = fereastraActiva(); n >= 1)
        sesiune().model.seteazaPatrata(n, chkPatrata_->isChecked());
}

void FrmFerestre::geometrie(const std::function<void(ModelProiect &, int)> &schimbare)
{
    const int n = fereastraActiva();
    if (n < 1)
        return;
    schimbare(sesiune().model, n);
    // A value refused, or changed by a rule, shows as the record holds it.
    arataFereastra();
}
