#include "frmget.h"

#include "app/sesiune.h"
#include "app/uiutil.h"
#include "codegen/generator.h"
#include "editors/updown.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
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
#include <QTextCursor>
#include <QVBoxLayout>
#include <QValidator>

#include <functional>
#include <iterator>

namespace {

bool literaAscii(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A FoxPro name: a letter or "_" first, then letters, digits and "_".
bool caracterNume(QChar c, bool casetaGoala)
{
    return literaAscii(c) || c == QLatin1Char('_') || (!casetaGoala && cifra(c));
}

// Where two texts differ: the length of their common start and of their
// common end, the two never overlapping.
void diferenta(const QString &vechi, const QString &nou, int *inceput, int *sfarsit)
{
    const int maxim = int(qMin(vechi.size(), nou.size()));
    int p = 0;
    while (p < maxim && vechi.at(p) == nou.at(p))
        ++p;
    int s = 0;
    while (s < maxim - p && vechi.at(vechi.size() - 1 - s) == nou.at(nou.size() - 1 - s))
        ++s;
    *inceput = p;
    *sfarsit = s;
}

const QString TextCifre = QStringLiteral("Accepta numai cifre");
const QString TextCifreSiSemn = QStringLiteral("Accepta numai cifre si semnul - (minus)");

} // namespace

// Passes only the characters a rule accepts, whichever way they arrive:
// typed, pasted, dropped or composed. It works on what was inserted, so the
// rule sees whether the box was empty before, as the key filter would; what
// is left of a paste is the pasted text without the refused characters.
class FrmGet::FiltruCaractere : public QValidator
{
public:
    using Regula = std::function<bool(QChar c, bool casetaGoala)>;

    FiltruCaractere(QLineEdit *caseta, Regula regula)
        : QValidator(caseta)
        , regula_(std::move(regula))
    {
        anterior_ = caseta->text();
        connect(caseta, &QLineEdit::textChanged, this, [this](const QString &t) { anterior_ = t; });
        caseta->setValidator(this);
    }

    // Values put in from code are the record's own and go in unchanged.
    void suspenda(bool da) { suspendat_ = da; }

    QString filtreaza(const QString &inserat, bool casetaGoala) const
    {
        QString rezultat;
        for (QChar c : inserat) {
            if (regula_(c, casetaGoala && rezultat.isEmpty()))
                rezultat += c;
        }
        return rezultat;
    }

    State validate(QString &input, int &pos) const override
    {
        if (suspendat_ || input == anterior_)
            return Acceptable;
        int p = 0;
        int s = 0;
        diferenta(anterior_, input, &p, &s);
        const QString inserat = input.mid(p, input.size() - p - s);
        if (inserat.isEmpty())
            return Acceptable; // a deletion
        const QString pastrat = filtreaza(inserat, p + s == 0);
        if (pastrat == inserat)
            return Acceptable;
        if (pastrat.isEmpty())
            return Invalid; // the line edit undoes the key: nothing is typed
        input = input.left(p) + pastrat + input.right(s);
        const int sfarsitInserare = int(p + inserat.size());
        if (pos >= sfarsitInserare)
            pos -= int(inserat.size() - pastrat.size());
        else if (pos > p)
            pos = int(p + pastrat.size());
        return Acceptable;
    }

private:
    Regula regula_;
    QString anterior_;
    bool suspendat_ = false;
};

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
    cmbValoareImplicitaData_->addItem(mascaData(sesiune.proiect.setari));
    cmbValoareImplicitaData_->setCurrentIndex(-1);
    legaGrupuri();

    if (sesiune.proiect.ObiectExistent) {
        incarca(laDeschidere(), laDeschidere().Nume);
    } else {
        valoriDeDeschidere();
        comentariuAnterior_ = obiect().Comentariu;
        txtComentariu_->setPlainText(obiect().Comentariu);
    }
    laDeschidere_ = obiect();
    numeLaDeschidere_ = txtNumaVariabila_->text();

    const int n = numarObiect();
    if (sesiune.obiecte && Proiect::numarObiectValid(n))
        sesiune.obiecte->AfiseazaObiectInPaleta(n);
}

QString FrmGet::mascaData(const Setari &setari)
{
    const bool zla = isSet(setari.FormatZLA);
    const bool patru = isSet(setari.AnulArePatruCifre);
    if (zla)
        return patru ? QStringLiteral("ZZ/LL/AAAA") : QStringLiteral("ZZ/LL/AA");
    return patru ? QStringLiteral("LL/ZZ/AAAA") : QStringLiteral("LL/ZZ/AA");
}

QString FrmGet::valoareNumerica(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    bool negativ = false;
    if (i < n && text.at(i) == QLatin1Char('-')) {
        negativ = true;
        ++i;
    }
    QString intreg;
    while (i < n && cifra(text.at(i)))
        intreg += text.at(i++);
    QString zecimale;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && cifra(text.at(i)))
            zecimale += text.at(i++);
    }
    while (intreg.size() > 1 && intreg.startsWith(QLatin1Char('0')))
        intreg.remove(0, 1);
    if (intreg.isEmpty())
        intreg = QStringLiteral("0");
    while (zecimale.endsWith(QLatin1Char('0')))
        zecimale.chop(1);
    QString rezultat = zecimale.isEmpty() ? intreg : intreg + QLatin1Char('.') + zecimale;
    if (rezultat == QLatin1String("0"))
        negativ = false; // FoxPro has no use for a negative zero
    return negativ ? QLatin1Char('-') + rezultat : rezultat;
}

QString FrmGet::textAfisat(const QString &nume, int lungime, int taiere)
{
    if (nume.size() < lungime)
        return nume + RepetaSir(QStringLiteral(" "), int(lungime - nume.size()));
    return nume.left(qMax(0, taiere));
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
        QStringLiteral(
            "Pentru fiecrare obiect @GET se pot specifica o serie de atribute ce se aplica datelor "
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
    txtNumaVariabila_->setMaxLength(LungimeNumeMaxima);
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
    txtComentariu_ = new QPlainTextEdit(frame1);
    txtComentariu_->setObjectName(QStringLiteral("txtComentariu"));
    txtComentariu_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComentariu_->setTabChangesFocus(true);
    txtComentariu_->setFixedHeight(64);
    grila->addWidget(label2, 6, 0);
    grila->addWidget(txtComentariu_, 6, 1, 1, 2);
    grila->setColumnStretch(2, 1);

    // The clauses.
    tabClauze_ = new QTabWidget(this);
    tabClauze_->setObjectName(QStringLiteral("tabClauze"));
    tabClauze_->addTab(construiestePaginaFunction(), QStringLiteral("> Clauza FUNCTION <"));
    tabClauze_->addTab(construiestePaginaPicture(), QStringLiteral("> Clauza PICTURE <"));
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

QCheckBox *FrmGet::adaugaOptiune(QWidget *pagina, const char *nume, const QString &text, Flag Obiect::*flag)
{
    auto *caseta = new QCheckBox(text, pagina);
    caseta->setObjectName(QLatin1String(nume));
    pagina->layout()->addWidget(caseta);
    optiuni_.append({caseta, flag});
    return caseta;
}

QWidget *FrmGet::construiestePaginaFunction()
{
    auto *pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaFunction"));
    new QVBoxLayout(pagina);
    chkFNumereDreapta_ = adaugaOptiune(pagina, "chkFNumereDreapta",
                                       QStringLiteral("Aliniaza numerele la dreapta"), &Obiect::FunctionB);
    chkFTextCentrat_ =
        adaugaOptiune(pagina, "chkFTextCentrat", QStringLiteral("Centreaza textul"), &Obiect::FunctionI);
    chkFTextStanga_ = adaugaOptiune(pagina, "chkFTextStanga", QStringLiteral("Aliniaza textul la stanga"),
                                    &Obiect::FunctionJ);
    chkFSelecteazaContinutul_ = adaugaOptiune(
        pagina, "chkFSelecteazaContinutul",
        QStringLiteral("Selecteaza continutul atunci cand cursorul se afla in camp"), &Obiect::FunctionK);
    chkFAcceptaNumaiAlfabetice_ = adaugaOptiune(
        pagina, "chkFAcceptaNumaiAlfabetice",
        QStringLiteral("Accepta numai caractere alfabetice (fara spatii, cifre sau caractere speciale)"),
        &Obiect::FunctionA);
    chkFEliminaSpatiile_ = adaugaOptiune(
        pagina, "chkFEliminaSpatiile",
        QStringLiteral("Elimina spatiile de la inceputul si sfarsitul datelor introduse (TrimALL)"),
        &Obiect::FunctionT);
    chkFConvertesteMajuscule_ =
        adaugaOptiune(pagina, "chkFConvertesteMajuscule",
                      QStringLiteral("Converteste literele mici in majuscule"), &Obiect::FunctionMajuscule);
    chkFPrecedeCifreZerouri_ =
        adaugaOptiune(pagina, "chkFPrecedeCifreZerouri",
                      QStringLiteral("Precede numerele cu zerouri in loc de spatii"), &Obiect::FunctionL);
    chkFAfiseazaBLANK_ = adaugaOptiune(pagina, "chkFAfiseazaBLANK",
                                       QStringLiteral("Afiseaza BLANK daca valoarea introdusa este 0 (zero)"),
                                       &Obiect::FunctionZ);
    chkFNotatiaStiintifica_ =
        adaugaOptiune(pagina, "chkFNotatiaStiintifica", QStringLiteral("Foloseste notatia stiintifica"),
                      &Obiect::FunctionStiintific);
    chkFNotatiaCuMoneda_ =
        adaugaOptiune(pagina, "chkFNotatiaCuMoneda",
                      QStringLiteral("Foloseste notatia cu simbolul de moneda"), &Obiect::FunctionMoneda);
    chkFFormatuSETDATE_ =
        adaugaOptiune(pagina, "chkFFormatuSETDATE", QStringLiteral("Foloseste formatul SET DATE curent"),
                      &Obiect::FunctionD);
    static_cast<QVBoxLayout *>(pagina->layout())->addStretch(1);
    return pagina;
}

QWidget *FrmGet::construiestePaginaPicture()
{
    auto *pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaPicture"));
    new QVBoxLayout(pagina);
    chkPCifreLitere_ = adaugaOptiune(pagina, "chkPCifreLitere",
                                     QStringLiteral("Accepta numai cifre si litere"), &Obiect::PictureN);
    chkPCifreLitere_->setToolTip(
        QStringLiteral("In acest obiect @GET nu se vor putea introduce decat cifre si "
                       "litere (nu se admit caractere speciale)"));
    chkPAcceptaNumaiCifreSiSemn_ =
        adaugaOptiune(pagina, "chkPAcceptaNumaiCifreSiSemn",
                      QStringLiteral("Accepta numai cifre/cifre si semnul - (minus)"), &Obiect::Picture9);
    chkPAcceptaNumaiCifreBlankSiSemn_ =
        adaugaOptiune(pagina, "chkPAcceptaNumaiCifreBlankSiSemn",
                      QStringLiteral("Accepta numai cifre, BLANK si semn"), &Obiect::PictureDiez);
    chkPLogice_ =
        adaugaOptiune(pagina, "chkPLogice",
                      QStringLiteral("Accepta numai date logice (Y si N - converteste y in Y si n in N)"),
                      &Obiect::PictureY);
    static_cast<QVBoxLayout *>(pagina->layout())->addStretch(1);
    return pagina;
}

// ---------------------------------------------------------------- wiring

void FrmGet::legaGrupuri()
{
    filtruNume_ = new FiltruCaractere(txtNumaVariabila_, caracterNume);
    filtruLungime_ = new FiltruCaractere(txtLungime_, [](QChar c, bool) { return cifra(c); });
    filtruValoare_ = new FiltruCaractere(txtValoareImplicita_, [this](QChar c, bool) {
        if (optNumeric_->isChecked())
            return cifra(c) || c == QLatin1Char('.') || c == QLatin1Char('-');
        // A line break or a control character would break the generated line.
        return c.unicode() >= 32 && c != QChar(0x7F);
    });
    for (QLineEdit *caseta : {txtNumaVariabila_, txtLungime_, txtValoareImplicita_})
        caseta->installEventFilter(this);

    connect(optIntroduceInVariabila_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optVariabila_Click();
    });
    connect(optIntroduceInCamp_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optCamp_Click();
    });
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
    connect(updLungime_, &UpDown::downClicked, this, &FrmGet::lungimeInJos);
    connect(updLungime_, &UpDown::upClicked, this, &FrmGet::lungimeInSus);

    // Each box stores its flag; the grouped ones clear their partners first.
    const QList<QList<QCheckBox *>> grupuri = {
        {chkFNumereDreapta_, chkFTextCentrat_, chkFTextStanga_},
        {chkPCifreLitere_, chkPAcceptaNumaiCifreSiSemn_, chkPAcceptaNumaiCifreBlankSiSemn_},
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
        if (o.caseta == chkPLogice_)
            parteneri = {chkPCifreLitere_};
        QCheckBox *caseta = o.caseta;
        const auto flag = o.flag;
        connect(caseta, &QCheckBox::toggled, this, [this, parteneri, flag](bool bifat) {
            if (!activ())
                return;
            if (bifat) {
                for (QCheckBox *p : parteneri)
                    p->setChecked(false);
            }
            obiect().*flag = toFlag(bifat);
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
        if (tasta->matches(QKeySequence::Paste)) {
            // Filter before the line edit cuts the paste to its maximum
            // length, so the refused characters do not use up the room.
            if (caseta->isReadOnly())
                return true;
            const bool gol = caseta->text().size() == caseta->selectedText().size();
            caseta->insert(filtrul(caseta)->filtreaza(QApplication::clipboard()->text(), gol));
            return true;
        }
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
    // Already chosen: run its action anyway, so a reload starts from the
    // same state as a first choice.
    if (optiune == optIntroduceInVariabila_)
        optVariabila_Click();
    else if (optiune == optIntroduceInCamp_)
        optCamp_Click();
    else if (optiune == optText_)
        alegeTip(Tip::Text);
    else if (optiune == optNumeric_)
        alegeTip(Tip::Numeric);
    else if (optiune == optData_)
        alegeTip(Tip::Data);
    else if (optiune == optLogic_)
        alegeTip(Tip::Logic);
}

void FrmGet::seteazaFaraFiltru(QLineEdit *caseta, const QString &text)
{
    FiltruCaractere *filtru = filtrul(caseta);
    filtru->suspenda(true);
    caseta->setText(text);
    filtru->suspenda(false);
}

FrmGet::FiltruCaractere *FrmGet::filtrul(QLineEdit *caseta) const
{
    if (caseta == txtNumaVariabila_)
        return filtruNume_;
    return caseta == txtLungime_ ? filtruLungime_ : filtruValoare_;
}

void FrmGet::valoriDeDeschidere()
{
    selecteaza(optIntroduceInVariabila_);
    selecteaza(optText_);
    bifeaza(chkFSelecteazaContinutul_, true);
    bifeaza(chkPCifreLitere_, true);
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
        seteazaFaraFiltru(txtLungime_, QString::number(o.Lungime));
        seteazaFaraFiltru(txtValoareImplicita_, o.Valoare);
    } else if (tip == Tip::Logic) {
        const int index = cmbValoareImplicita_->findText(o.Valoare);
        cmbValoareImplicita_->setCurrentIndex(index < 0 ? 0 : index);
    }
    for (const Optiune &optiune : optiuni_)
        bifeaza(optiune.caseta, isSet(o.*optiune.flag));
    seteazaFaraFiltru(txtNumaVariabila_, nume);
    comentariuAnterior_ = o.Comentariu;
    txtComentariu_->setPlainText(o.Comentariu);
    cmdAplica_->setEnabled(!txtNumaVariabila_->text().isEmpty());
    obiect() = o;
}

// ---------------------------------------------------------------- handlers

void FrmGet::optVariabila_Click()
{
    if (!activ())
        return;
    lblVariabila_->setText(QStringLiteral("Variabila:"));
    for (QWidget *w :
         std::initializer_list<QWidget *>{txtValoareImplicita_, cmbValoareImplicita_, lblValoareImplicita_})
        w->setEnabled(true);
    obiect().Variabila = FlagTrue;
}

void FrmGet::optCamp_Click()
{
    if (!activ())
        return;
    lblVariabila_->setText(QStringLiteral("Camp:"));
    for (QWidget *w :
         std::initializer_list<QWidget *>{txtValoareImplicita_, cmbValoareImplicita_, lblValoareImplicita_})
        w->setEnabled(false);
    obiect().Variabila = FlagFalse;
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
        QCheckBox *caseta;
        bool activa[4];
        int bifa[4];
    };
    const Rand tabel[] = {
        {chkFNumereDreapta_, {true, true, true, true}, {-1, -1, -1, -1}},
        {chkFTextCentrat_, {true, true, true, true}, {-1, -1, -1, -1}},
        {chkFTextStanga_, {true, true, true, true}, {-1, -1, -1, -1}},
        {chkFSelecteazaContinutul_, {true, true, true, true}, {1, 1, 1, 1}},
        {chkFAcceptaNumaiAlfabetice_, {true, false, false, false}, {0, 0, 0, 0}},
        {chkFEliminaSpatiile_, {true, false, false, false}, {0, 0, 0, 0}},
        {chkFConvertesteMajuscule_, {true, false, false, false}, {1, 0, 0, 0}},
        {chkFPrecedeCifreZerouri_, {false, true, false, false}, {0, 1, 0, 0}},
        {chkFAfiseazaBLANK_, {false, true, false, false}, {0, 0, 0, 0}},
        {chkFNotatiaStiintifica_, {false, true, false, false}, {0, 0, 0, 0}},
        {chkFNotatiaCuMoneda_, {false, true, false, false}, {0, 0, 0, 0}},
        {chkFFormatuSETDATE_, {false, false, true, false}, {0, 0, 1, 0}},
        {chkPCifreLitere_, {true, false, false, false}, {0, 0, 0, 0}},
        {chkPAcceptaNumaiCifreSiSemn_, {true, true, false, false}, {0, 1, 0, 0}},
        {chkPAcceptaNumaiCifreBlankSiSemn_, {true, false, false, false}, {0, 0, 0, 0}},
        {chkPLogice_, {false, false, false, true}, {0, 0, 0, 1}},
    };

    static const char *const lungimi[] = {"3", "3", "8", "1"};
    const bool lungimeLibera = tip == Tip::Text || tip == Tip::Numeric;
    txtLungime_->setEnabled(lungimeLibera);
    txtLungime_->setReadOnly(!lungimeLibera);
    updLungime_->setEnabled(lungimeLibera);
    txtLungime_->setText(QLatin1String(lungimi[t]));

    txtValoareImplicita_->setVisible(tip == Tip::Text || tip == Tip::Numeric);
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
        stareCaseta(r.caseta, r.activa[t], r.bifa[t]);
    if (tip == Tip::Text)
        chkPAcceptaNumaiCifreSiSemn_->setText(TextCifre);
    else if (tip == Tip::Numeric)
        chkPAcceptaNumaiCifreSiSemn_->setText(TextCifreSiSemn);

    // The type, its length and its default always reach the record, also
    // when a control already held the value and so ran no handler.
    static const char *const coduri[] = {"T", "N", "D", "L"};
    static const char *const valori[] = {"", "0", "", "F"};
    Obiect &o = obiect();
    o.TipDate = QLatin1String(coduri[t]);
    o.Lungime = quint8(qMin(valoareLungime(), 255));
    o.Valoare = QLatin1String(valori[t]);
}

void FrmGet::txtNume_Change()
{
    if (!activ())
        return;
    const QString nume = txtNumaVariabila_->text();
    cmdAplica_->setEnabled(!nume.isEmpty());
    Obiect &o = obiect();
    o.Nume = nume;
    o.TextAfisat = textAfisat(nume, o.Lungime, valoareLungime());
}

void FrmGet::txtLungime_Change()
{
    if (!activ())
        return;
    // A byte cannot hold more; leaving the box brings it into 1..w anyway.
    obiect().Lungime = quint8(qMin(valoareLungime(), 255));
}

void FrmGet::txtValoareImplicita_Change()
{
    if (!activ())
        return;
    obiect().Valoare = txtValoareImplicita_->text();
}

void FrmGet::cmbValoareImplicita_Click(int index)
{
    // Only a logical field takes its default from the list.
    if (!activ() || index < 0 || !optLogic_->isChecked())
        return;
    obiect().Valoare = cmbValoareImplicita_->itemText(index);
}

void FrmGet::txtComentariu_Change()
{
    if (!activ())
        return;
    const QString text = txtComentariu_->toPlainText();
    if (text.size() > LungimeComentariuMaxima) {
        int p = 0;
        int s = 0;
        diferenta(comentariuAnterior_, text, &p, &s);
        const int inserat = int(text.size() - p - s);
        if (inserat > 0) {
            // Keep as much of the start of what was typed or pasted as fits.
            const int loc = qMax(0, LungimeComentariuMaxima - (p + s));
            QTextCursor cursor(txtComentariu_->document());
            cursor.setPosition(p + loc);
            cursor.setPosition(p + inserat, QTextCursor::KeepAnchor);
            cursor.removeSelectedText(); // runs this handler again, within the limit
            QTextCursor caret = txtComentariu_->textCursor();
            caret.setPosition(p + loc);
            txtComentariu_->setTextCursor(caret);
            return;
        }
        // Only a stored comment longer than the limit, being shortened.
    }
    comentariuAnterior_ = text;
    obiect().Comentariu = text;
}

void FrmGet::lungimeInJos()
{
    if (!activ() || !txtLungime_->isEnabled())
        return;
    const int v = valoareLungime();
    if (v > 1)
        txtLungime_->setText(QString::number(v - 1));
}

void FrmGet::lungimeInSus()
{
    if (!activ() || !txtLungime_->isEnabled())
        return;
    const int v = valoareLungime();
    if (v < lungimeMaxima_)
        txtLungime_->setText(QString::number(v + 1));
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
    const QString text = valoareNumerica(txtValoareImplicita_->text());
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
    // Digits only reach the box; saturate rather than overflow.
    int v = 0;
    for (QChar c : txtLungime_->text()) {
        if (!cifra(c))
            break;
        v = qMin(v * 10 + (c.unicode() - '0'), 100000);
    }
    return v;
}
