#include "frmget.h"

#include "editors/filtrucaseta.h"
#include "editors/updown.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

const QString TextCifre = QStringLiteral("Accepta numai cifre");
const QString TextCifreSiSemn = QStringLiteral("Accepta numai cifre si semnul - (minus)");

} // namespace

FrmGet::FrmGet(Sesiune &sesiune, QWidget *parent)
    : EditorObiect(sesiune, QStringLiteral("frmGet"), QStringLiteral("@ GET"), parent)
{
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Windows are at least 5 columns wide; the floor keeps the range sane
    // should the editor ever open with no active window.
    lungimeMaxima_ = qMax(1, latimeFereastraActive() - 2);

    construiesteControalele();
    butonImplicit(this, cmdAplica_);

    lblLungime_->setText(QStringLiteral("(max. %1)").arg(lungimeMaxima_));
    // The lists never select a line by themselves: a default reaches the
    // record only when its type is chosen.
    cmbValoareImplicita_->addItems({QStringLiteral("F"), QStringLiteral("T")});
    cmbValoareImplicita_->setCurrentIndex(-1);
    cmbValoareImplicitaData_->addItem(Reguli::mascaData(sesiune.model.proiect().setari));
    cmbValoareImplicitaData_->setCurrentIndex(-1);
    legaGrupuri();

    if (obiectExistent()) {
        incarca(laDeschidere(), laDeschidere().Nume);
    } else {
        valoriDeDeschidere();
        txtComentariu_->setPlainText(obiect().Comentariu);
    }
    laDeschidere_ = obiect();
    numeLaDeschidere_ = txtNumaVariabila_->text();
}

// ---------------------------------------------------------------- layout

void FrmGet::construiesteControalele()
{
    auto *radacina = new QVBoxLayout(this);
    radacina->setSizeConstraint(QLayout::SetFixedSize);

    auto *sus = new QHBoxLayout;
    radacina->addLayout(sus);

    // Left side: the title and the help texts.
    auto *ajutor = new QFrame(this);
    ajutor->setObjectName(QStringLiteral("fraAjutor"));
    ajutor->setFixedWidth(190);
    auto *ajutorLayout = new QVBoxLayout(ajutor);
    ajutorLayout->setContentsMargins(4, 0, 4, 0);
    auto *titlu = new QLabel(QStringLiteral("@ GET"), ajutor);
    titlu->setObjectName(QStringLiteral("lblTitlu"));
    QFont fontTitlu(QStringLiteral("Arial"));
    fontTitlu.setPointSize(20);
    fontTitlu.setBold(true);
    titlu->setFont(fontTitlu);
    ajutorLayout->addWidget(titlu);
    const QString texteAjutor[] = {
        QStringLiteral("Obiectele de tip @GET sunt folosite pentru a introduce informatii in variabile sau "
                       "campurile unei baze de date"),
        QStringLiteral("Pentru fiecare obiect @GET se pot specifica o serie de atribute ce se aplica datelor "
                       "citite de la tastatura."),
        QStringLiteral("Nu se pot introduce texte care sa depaseasca latimea ferestrei active."),
    };
    int i = 1;
    for (const QString &text : texteAjutor) {
        auto *rand = new QHBoxLayout;
        auto *bulina = new QLabel(QStringLiteral(">"), ajutor);
        bulina->setObjectName(QStringLiteral("lblBulina%1").arg(i));
        QFont bold = bulina->font();
        bold.setBold(true);
        bulina->setFont(bold);
        bulina->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto *eticheta = new QLabel(text, ajutor);
        eticheta->setObjectName(QStringLiteral("lblAjutor%1").arg(i));
        eticheta->setWordWrap(true);
        eticheta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rand->addWidget(bulina);
        rand->addWidget(eticheta, 1);
        ajutorLayout->addLayout(rand);
        ++i;
    }
    ajutorLayout->addStretch(1);
    sus->addWidget(ajutor);

    // Right side: what the field reads into and its values.
    auto *frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *grila = new QGridLayout(frame1);
    sus->addWidget(frame1, 1);

    optIntroduceInVariabila_ =
        new QRadioButton(QStringLiteral("Introduce valoarea intr-o variabila de tip..."), frame1);
    optIntroduceInVariabila_->setObjectName(QStringLiteral("optIntroduceInVariabila"));
    optIntroduceInCamp_ =
        new QRadioButton(QStringLiteral("Introduce valoarea intr-un camp de tip..."), frame1);
    optIntroduceInCamp_->setObjectName(QStringLiteral("optIntroduceInCamp"));
    grupDestinatie_ = new QButtonGroup(this);
    grupDestinatie_->addButton(optIntroduceInVariabila_);
    grupDestinatie_->addButton(optIntroduceInCamp_);
    grila->addWidget(optIntroduceInVariabila_, 0, 0, 1, 3);
    grila->addWidget(optIntroduceInCamp_, 1, 0, 1, 3);

    auto *tipuri = new QHBoxLayout;
    tipuri->setContentsMargins(20, 0, 0, 4);
    grupTip_ = new QButtonGroup(this);
    auto tipNou = [&](const char *nume, const QString &text) {
        auto *o = new QRadioButton(text, frame1);
        o->setObjectName(QLatin1String(nume));
        grupTip_->addButton(o);
        tipuri->addWidget(o);
        return o;
    };
    optNumeric_ = tipNou("optNumeric", QStringLiteral("Numeric"));
    optText_ = tipNou("optText", QStringLiteral("Text"));
    optData_ = tipNou("optData", QStringLiteral("Data"));
    optLogic_ = tipNou("optLogic", QStringLiteral("Logic"));
    tipuri->addStretch(1);
    grila->addLayout(tipuri, 2, 0, 1, 3);

    lblVariabila_ = new QLabel(QStringLiteral("Variabila:"), frame1);
    lblVariabila_->setObjectName(QStringLiteral("lblVariabila"));
    txtNumaVariabila_ = new QLineEdit(frame1);
    txtNumaVariabila_->setObjectName(QStringLiteral("txtNumaVariabila"));
    txtNumaVariabila_->setMaxLength(Reguli::LungimeNume);
    grila->addWidget(lblVariabila_, 3, 0);
    grila->addWidget(txtNumaVariabila_, 3, 1, 1, 2);

    auto *label7 = new QLabel(QStringLiteral("De lungime:"), frame1);
    label7->setObjectName(QStringLiteral("Label7"));
    auto *lungime = new QHBoxLayout;
    lungime->setSpacing(0);
    txtLungime_ = new QLineEdit(QStringLiteral("3"), frame1);
    txtLungime_->setObjectName(QStringLiteral("txtLungime"));
    // Three digits hold every length a byte can; more is never needed.
    txtLungime_->setMaxLength(3);
    txtLungime_->setFixedWidth(40);
    txtLungime_->setAlignment(Qt::AlignRight);
    updLungime_ = new UpDown(QStringLiteral("updLungime"), frame1);
    updLungime_->setFixedHeight(txtLungime_->sizeHint().height());
    lblLungime_ = new QLabel(QStringLiteral("caracter(e)"), frame1);
    lblLungime_->setObjectName(QStringLiteral("lblLungime"));
    lungime->addWidget(txtLungime_);
    lungime->addWidget(updLungime_);
    lungime->addSpacing(8);
    lungime->addWidget(lblLungime_);
    lungime->addStretch(1);
    grila->addWidget(label7, 4, 0);
    grila->addLayout(lungime, 4, 1, 1, 2);

    lblValoareImplicita_ = new QLabel(QStringLiteral("Valoare implicita:"), frame1);
    lblValoareImplicita_->setObjectName(QStringLiteral("lblValoareImplicita"));
    auto *valoare = new QHBoxLayout;
    txtValoareImplicita_ = new QLineEdit(frame1);
    txtValoareImplicita_->setObjectName(QStringLiteral("txtValoareImplicita"));
    cmbValoareImplicita_ = new QComboBox(frame1);
    cmbValoareImplicita_->setObjectName(QStringLiteral("cmbValoareImplicita"));
    cmbValoareImplicita_->setMinimumWidth(70);
    cmbValoareImplicita_->hide();
    cmbValoareImplicitaData_ = new QComboBox(frame1);
    cmbValoareImplicitaData_->setObjectName(QStringLiteral("cmbValoareImplicitaData"));
    cmbValoareImplicitaData_->setMinimumWidth(120);
    cmbValoareImplicitaData_->hide();
    valoare->addWidget(txtValoareImplicita_, 1);
    valoare->addWidget(cmbValoareImplicita_);
    valoare->addWidget(cmbValoareImplicitaData_);
    valoare->addStretch(0);
    grila->addWidget(lblValoareImplicita_, 5, 0);
    grila->addLayout(valoare, 5, 1, 1, 2);

    auto *label2 = new QLabel(QStringLiteral("Comentariu:"), frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtComentariu_ = casetaComentariu(frame1, 64);
    grila->addWidget(label2, 6, 0);
    grila->addWidget(txtComentariu_, 6, 1, 1, 2);
    grila->setColumnStretch(2, 1);

    // The clauses.
    tabClauze_ = new QTabWidget(this);
    tabClauze_->setObjectName(QStringLiteral("tabClauze"));
    // A check box per option, in the order the clause writes their letters.
    const auto pagina = [this](const char *nume, const auto &optiuni) {
        auto *p = numit(new QWidget, nume);
        auto *l = new QVBoxLayout(p);
        for (const Reguli::OptiuneGet &o : optiuni) {
            auto *caseta = numit(new QCheckBox(QLatin1String(o.text), p), o.control);
            l->addWidget(caseta);
            optiuni_.append({caseta, o.flag});
        }
        l->addStretch(1);
        return p;
    };
    tabClauze_->addTab(pagina("paginaFunction", Reguli::OptiuniFunction),
                       QStringLiteral("> Clauza FUNCTION <"));
    tabClauze_->addTab(pagina("paginaPicture", Reguli::OptiuniPicture), QStringLiteral("> Clauza PICTURE <"));
    casetaOptiunii(&Obiect::PictureN)
        ->setToolTip(QStringLiteral("In acest obiect @GET nu se vor putea introduce decat cifre si "
                                    "litere (nu se admit caractere speciale)"));
    radacina->addWidget(tabClauze_);

    // The buttons.
    auto *frame2 = new QFrame(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *butoane = new QHBoxLayout(frame2);
    butoane->setContentsMargins(0, 0, 0, 0);
    butoane->addStretch(1);
    cmdAplica_ = new QPushButton(QStringLiteral("Aplica"), frame2);
    cmdAplica_->setObjectName(QStringLiteral("cmdAplica"));
    cmdAplica_->setEnabled(false);
    cmdReset_ = new QPushButton(QStringLiteral("Reset"), frame2);
    cmdReset_->setObjectName(QStringLiteral("cmdReset"));
    cmdAnuleaza_ = new QPushButton(QStringLiteral("Anuleaza"), frame2);
    cmdAnuleaza_->setObjectName(QStringLiteral("cmdAnuleaza"));
    for (QPushButton *b : {cmdAplica_, cmdReset_, cmdAnuleaza_}) {
        b->setMinimumWidth(90);
        butoane->addWidget(b);
    }
    radacina->addWidget(frame2);

    QWidget *const ordine[] = {optIntroduceInVariabila_,
                               optIntroduceInCamp_,
                               optNumeric_,
                               optText_,
                               optData_,
                               optLogic_,
                               txtNumaVariabila_,
                               txtLungime_,
                               txtValoareImplicita_,
                               cmbValoareImplicita_,
                               cmbValoareImplicitaData_,
                               txtComentariu_,
                               tabClauze_,
                               cmdAplica_,
                               cmdReset_,
                               cmdAnuleaza_};
    for (std::size_t k = 1; k < std::size(ordine); ++k)
        setTabOrder(ordine[k - 1], ordine[k]);
}

QCheckBox *FrmGet::casetaOptiunii(Flag Obiect::*flag) const
{
    for (const Optiune &o : optiuni_) {
        if (o.flag == flag)
            return o.caseta;
    }
    return nullptr;
}

// ---------------------------------------------------------------- wiring

void FrmGet::legaGrupuri()
{
    filtruNume_ = new FiltruCaseta(txtNumaVariabila_, Reguli::Filtru::Nume);
    filtruLungime_ = new FiltruCaseta(txtLungime_, Reguli::Filtru::Cifre);
    // Its rule follows the data type.
    filtruValoare_ = new FiltruCaseta(txtValoareImplicita_, Reguli::Filtru::Text);
    for (QLineEdit *caseta : {txtNumaVariabila_, txtLungime_, txtValoareImplicita_})
        caseta->installEventFilter(this);

    for (QRadioButton *destinatie : {optIntroduceInVariabila_, optIntroduceInCamp_}) {
        const bool variabila = destinatie == optIntroduceInVariabila_;
        connect(destinatie, &QRadioButton::toggled, this, [this, variabila](bool on) {
            if (on)
                alegeDestinatia(variabila);
        });
    }
    const std::pair<QRadioButton *, Tip> tipuri[] = {
        {optText_, Tip::Text}, {optNumeric_, Tip::Numeric}, {optData_, Tip::Data}, {optLogic_, Tip::Logic}};
    for (const auto &[optiune, tip] : tipuri) {
        const Tip t = tip;
        connect(optiune, &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                alegeTip(t);
        });
    }

    connect(txtNumaVariabila_, &QLineEdit::textChanged, this, &FrmGet::txtNume_Change);
    connect(txtLungime_, &QLineEdit::textChanged, this, &FrmGet::txtLungime_Change);
    connect(txtValoareImplicita_, &QLineEdit::textChanged, this, &FrmGet::txtValoareImplicita_Change);
    connect(cmbValoareImplicita_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &FrmGet::cmbValoareImplicita_Click);
    connect(txtComentariu_, &QPlainTextEdit::textChanged, this, &FrmGet::txtComentariu_Change);
    const auto pasLungime = [this](int pas) {
        if (activ() && txtLungime_->isEnabled())
            pasSageata(txtLungime_, pas, 1, lungimeMaxima_);
    };
    connect(updLungime_, &UpDown::downClicked, this, [pasLungime] { pasLungime(-1); });
    connect(updLungime_, &UpDown::upClicked, this, [pasLungime] { pasLungime(1); });

    // Each box stores its flag; the grouped ones clear their partners first.
    const QList<QList<QCheckBox *>> grupuri = {
        {casetaOptiunii(&Obiect::FunctionB), casetaOptiunii(&Obiect::FunctionI),
         casetaOptiunii(&Obiect::FunctionJ)},
        {casetaOptiunii(&Obiect::PictureN), casetaOptiunii(&Obiect::Picture9),
         casetaOptiunii(&Obiect::PictureDiez)},
    };
    for (const Optiune &o : optiuni_) {
        QList<QCheckBox *> parteneri;
        for (const auto &grup : grupuri) {
            if (grup.contains(o.caseta)) {
                parteneri = grup;
                parteneri.removeOne(o.caseta);
            }
        }
        // A logical picture and a letters-and-digits picture cannot stand
        // together; the reverse clearing is not needed, as the two are never
        // on for the same type.
        if (o.flag == &Obiect::PictureY)
            parteneri = {casetaOptiunii(&Obiect::PictureN)};
        const auto flag = o.flag;
        connect(o.caseta, &QCheckBox::toggled, this, [this, parteneri, flag](bool bifat) {
            if (!activ())
                return;
            if (bifat) {
                for (QCheckBox *p : parteneri)
                    p->setChecked(false);
            }
            model().seteazaIndicator(numarObiect(), flag, bifat);
        });
    }

    connect(cmdAplica_, &QPushButton::clicked, this, &FrmGet::cmdAplica_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &FrmGet::cmdReset_Click);
    connect(cmdAnuleaza_, &QPushButton::clicked, this, &FrmGet::reject);
}

bool FrmGet::eventFilter(QObject *obj, QEvent *event)
{
    auto *caseta = qobject_cast<QLineEdit *>(obj);
    if (caseta && event->type() == QEvent::KeyPress) {
        auto *tasta = static_cast<QKeyEvent *>(event);
        // The number boxes take no Backspace; Delete and typing over a
        // selection still edit them.
        const bool numeric =
            caseta == txtLungime_ || (caseta == txtValoareImplicita_ && optNumeric_->isChecked());
        if (numeric && tasta->key() == Qt::Key_Backspace)
            return true;
    } else if (caseta && event->type() == QEvent::FocusOut) {
        const auto motiv = static_cast<QFocusEvent *>(event)->reason();
        // Switching to another application or opening a popup is not
        // leaving the box.
        if (motiv != Qt::ActiveWindowFocusReason && motiv != Qt::PopupFocusReason) {
            if (caseta == txtLungime_)
                limiteazaLungimea();
            else if (caseta == txtValoareImplicita_)
                normalizeazaValoarea();
        }
    }
    return EditorObiect::eventFilter(obj, event);
}

// ---------------------------------------------------------------- loading

void FrmGet::selecteaza(QRadioButton *optiune)
{
    if (!optiune->isChecked()) {
        optiune->setChecked(true); // its handler runs
        return;
    }
    // Already chosen: its handler runs anyway, so a reload starts from the
    // same state as a first choice.
    emit optiune->toggled(true);
}

void FrmGet::valoriDeDeschidere()
{
    selecteaza(optIntroduceInVariabila_);
    selecteaza(optText_);
    bifeaza(casetaOptiunii(&Obiect::FunctionK), true);
    bifeaza(casetaOptiunii(&Obiect::PictureN), true);
}

// Shows a stored record, running the same handlers a user would, then puts
// the record back exactly: handlers recompute fields such as TextAfisat that
// must keep their stored value.
void FrmGet::incarca(const Obiect &o, const QString &nume)
{
    valoriDeDeschidere();
    selecteaza(isSet(o.Variabila) ? optIntroduceInVariabila_ : optIntroduceInCamp_);
    Tip tip = Tip::Text;
    if (o.TipDate == QLatin1String("N"))
        tip = Tip::Numeric;
    else if (o.TipDate == QLatin1String("D"))
        tip = Tip::Data;
    else if (o.TipDate == QLatin1String("L"))
        tip = Tip::Logic;
    selecteaza(tip == Tip::Numeric ? optNumeric_
               : tip == Tip::Data  ? optData_
               : tip == Tip::Logic ? optLogic_
                                   : optText_);
    if (tip == Tip::Text || tip == Tip::Numeric) {
        filtruLungime_->seteaza(QString::number(o.Lungime));
        filtruValoare_->seteaza(o.Valoare);
    } else if (tip == Tip::Logic) {
        const int index = cmbValoareImplicita_->findText(o.Valoare);
        cmbValoareImplicita_->setCurrentIndex(index < 0 ? 0 : index);
    }
    for (const Optiune &optiune : optiuni_)
        bifeaza(optiune.caseta, isSet(o.*optiune.flag));
    filtruNume_->seteaza(nume);
    txtComentariu_->setPlainText(o.Comentariu);
    cmdAplica_->setEnabled(!txtNumaVariabila_->text().isEmpty());
    scrie(o);
}

// ---------------------------------------------------------------- handlers

void FrmGet::alegeDestinatia(bool variabila)
{
    if (!activ())
        return;
    lblVariabila_->setText(variabila ? QStringLiteral("Variabila:") : QStringLiteral("Camp:"));
    for (QWidget *w :
         std::initializer_list<QWidget *>{txtValoareImplicita_, cmbValoareImplicita_, lblValoareImplicita_})
        w->setEnabled(variabila);
    model().seteazaIndicator(numarObiect(), &Obiect::Variabila, variabila);
}

void FrmGet::stareCaseta(QCheckBox *caseta, bool activa, int bifa)
{
    if (activa) {
        caseta->setEnabled(true);
        if (bifa >= 0)
            bifeaza(caseta, bifa == 1);
    } else {
        bifeaza(caseta, false);
        caseta->setEnabled(false);
    }
}

void FrmGet::bifeaza(QCheckBox *caseta, bool bifat)
{
    caseta->setChecked(bifat); // the box's handler stores its flag
}

void FrmGet::alegeTip(Tip tip)
{
    if (!activ())
        return;
    const int t = int(tip);
    // Per type (Text, Numeric, Data, Logic): whether the box is enabled, and
    // what it is set to: -1 left as it is, 0 cleared, 1 checked.
    struct Rand {
        Flag Obiect::*flag;
        bool activa[4];
        int bifa[4];
    };
    const Rand tabel[] = {
        {&Obiect::FunctionB, {true, true, true, true}, {-1, -1, -1, -1}},
        {&Obiect::FunctionI, {true, true, true, true}, {-1, -1, -1, -1}},
        {&Obiect::FunctionJ, {true, true, true, true}, {-1, -1, -1, -1}},
        {&Obiect::FunctionK, {true, true, true, true}, {1, 1, 1, 1}},
        {&Obiect::FunctionA, {true, false, false, false}, {0, 0, 0, 0}},
        {&Obiect::FunctionT, {true, false, false, false}, {0, 0, 0, 0}},
        {&Obiect::FunctionMajuscule, {true, false, false, false}, {1, 0, 0, 0}},
        {&Obiect::FunctionL, {false, true, false, false}, {0, 1, 0, 0}},
        {&Obiect::FunctionZ, {false, true, false, false}, {0, 0, 0, 0}},
        {&Obiect::FunctionStiintific, {false, true, false, false}, {0, 0, 0, 0}},
        {&Obiect::FunctionMoneda, {false, true, false, false}, {0, 0, 0, 0}},
        {&Obiect::FunctionD, {false, false, true, false}, {0, 0, 1, 0}},
        {&Obiect::PictureN, {true, false, false, false}, {0, 0, 0, 0}},
        {&Obiect::Picture9, {true, true, false, false}, {0, 1, 0, 0}},
        {&Obiect::PictureDiez, {true, false, false, false}, {0, 0, 0, 0}},
        {&Obiect::PictureY, {false, false, false, true}, {0, 0, 0, 1}},
    };

    static const char *const lungimi[] = {"3", "3", "8", "1"};
    const bool lungimeLibera = tip == Tip::Text || tip == Tip::Numeric;
    txtLungime_->setEnabled(lungimeLibera);
    txtLungime_->setReadOnly(!lungimeLibera);
    updLungime_->setEnabled(lungimeLibera);
    txtLungime_->setText(QLatin1String(lungimi[t]));

    txtValoareImplicita_->setVisible(tip == Tip::Text || tip == Tip::Numeric);
    filtruValoare_->setRegula(tip == Tip::Numeric ? Reguli::Filtru::Numar : Reguli::Filtru::Text);
    cmbValoareImplicita_->setVisible(tip == Tip::Logic);
    cmbValoareImplicitaData_->setVisible(tip == Tip::Data);
    if (tip == Tip::Text)
        txtValoareImplicita_->setText(QString());
    else if (tip == Tip::Numeric)
        txtValoareImplicita_->setText(QStringLiteral("0"));
    else if (tip == Tip::Logic)
        cmbValoareImplicita_->setCurrentIndex(0);
    else
        cmbValoareImplicitaData_->setCurrentIndex(0);

    for (const Rand &r : tabel)
        stareCaseta(casetaOptiunii(r.flag), r.activa[t], r.bifa[t]);
    if (tip == Tip::Text)
        casetaOptiunii(&Obiect::Picture9)->setText(TextCifre);
    else if (tip == Tip::Numeric)
        casetaOptiunii(&Obiect::Picture9)->setText(TextCifreSiSemn);

    // The type, its length and its default always reach the record, also
    // when a control already held the value and so ran no handler.
    static const char *const coduri[] = {"T", "N", "D", "L"};
    static const char *const valori[] = {"", "0", "", "F"};
    model().seteazaTipDate(numarObiect(), QLatin1String(coduri[t]), valoareLungime(),
                           QLatin1String(valori[t]));
}

void FrmGet::txtNume_Change()
{
    if (!activ())
        return;
    const QString nume = txtNumaVariabila_->text();
    cmdAplica_->setEnabled(!nume.isEmpty());
    model().seteazaNumeGet(numarObiect(), nume, valoareLungime());
}

void FrmGet::txtLungime_Change()
{
    if (!activ())
        return;
    // A byte cannot hold more; leaving the box brings it into 1..w anyway.
    model().seteazaLungime(numarObiect(), valoareLungime());
}

void FrmGet::txtValoareImplicita_Change()
{
    if (!activ())
        return;
    model().seteazaText(numarObiect(), &Obiect::Valoare, txtValoareImplicita_->text());
}

void FrmGet::cmbValoareImplicita_Click(int index)
{
    // Only a logical field takes its default from the list.
    if (!activ() || index < 0 || !optLogic_->isChecked())
        return;
    model().seteazaText(numarObiect(), &Obiect::Valoare, cmbValoareImplicita_->itemText(index));
}

void FrmGet::txtComentariu_Change()
{
    if (activ())
        model().seteazaText(numarObiect(), &Obiect::Comentariu, txtComentariu_->toPlainText());
}

void FrmGet::limiteazaLungimea()
{
    if (!activ() || !txtLungime_->isEnabled())
        return;
    const int v = qBound(1, valoareLungime(), lungimeMaxima_);
    const QString text = QString::number(v);
    if (txtLungime_->text() != text)
        txtLungime_->setText(text);
}

void FrmGet::normalizeazaValoarea()
{
    if (!activ() || !optNumeric_->isChecked())
        return;
    const QString text = Reguli::valoareNumerica(txtValoareImplicita_->text());
    if (txtValoareImplicita_->text() != text)
        txtValoareImplicita_->setText(text);
}

void FrmGet::cmdAplica_Click()
{
    if (!activ() || txtNumaVariabila_->text().isEmpty())
        return;
    // A box still being edited is settled as if it had lost the focus.
    limiteazaLungimea();
    normalizeazaValoarea();
    inchis_ = true;
    incheieAplicarea();
}

void FrmGet::cmdReset_Click()
{
    if (!activ())
        return;
    incarca(laDeschidere_, numeLaDeschidere_);
}

void FrmGet::reject()
{
    if (inchis_)
        return;
    inchis_ = true;
    EditorObiect::reject();
}

int FrmGet::valoareLungime() const
{
    return txtLungime_->text().toInt(); // digits only, three at the most
}
