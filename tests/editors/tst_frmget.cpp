#include "codegen/generator.h"
#include "editors/frmget.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

constexpr const char *O = "frmObiecte";
constexpr const char *F = "frmFerestre";

// The controls of the open editor.
struct Get {
    QWidget *dlg;

    template <typename T> T *c(const char *name) const
    {
        T *w = dlg->findChild<T *>(QLatin1String(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QCheckBox *box(const char *n) const { return c<QCheckBox>(n); }
    QRadioButton *opt(const char *n) const { return c<QRadioButton>(n); }
    QLineEdit *name() const { return c<QLineEdit>("txtNumaVariabila"); }
    QLineEdit *length() const { return c<QLineEdit>("txtLungime"); }
    QLineEdit *value() const { return c<QLineEdit>("txtValoareImplicita"); }
    QComboBox *logical() const { return c<QComboBox>("cmbValoareImplicita"); }
    QComboBox *date() const { return c<QComboBox>("cmbValoareImplicitaData"); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    QPushButton *apply() const { return c<QPushButton>("cmdAplica"); }
    QPushButton *reset() const { return c<QPushButton>("cmdReset"); }
    QPushButton *cancel() const { return c<QPushButton>("cmdAnuleaza"); }
    QToolButton *arrow(const char *which) const
    {
        return c<QWidget>("updLungime")->findChild<QToolButton *>(QLatin1String(which));
    }
    bool shown(QWidget *w) const { return w->isVisibleTo(dlg); }
    void choose(const char *option) const { opt(option)->click(); }
    // Gives the focus to a box, as a click into it would.
    void focus(QWidget *w) const
    {
        w->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
    }
    void leave() const { focus(comment()); }
    // Replaces a box's content by typing, as select-all and typing would.
    void retype(QLineEdit *e, const QString &text) const
    {
        focus(e);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    void paste(QWidget *w, const QString &text) const
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    }
};

// Runs body in the next modal editor; whatever body leaves open is
// cancelled, so a failed check never leaves the test waiting.
void inEditor(std::function<void(const Get &)> body)
{
    onNextModal([body](QWidget *dlg) {
        QPointer<QWidget> guard(dlg);
        // Focus moves only inside the active window, and activation comes
        // after the dialog is shown.
        dlg->activateWindow();
        if (QTest::qWaitForWindowActive(dlg))
            body(Get{dlg});
        else
            QTest::qFail("the editor never became the active window", __FILE__, __LINE__);
        if (guard && guard->isVisible())
            QMetaObject::invokeMethod(dlg, "reject");
    });
}

FrmObiecte *palette(MdiMain &m)
{
    return m.findChild<FrmObiecte *>(QString::fromLatin1(O));
}

// A window of the given width at the top left, made active.
void createWindow(MdiMain &m, int width)
{
    pressKey(m, F, "CREAZA");
    control<QScrollBar>(m, F, "hsbLatime")->setValue(width);
}

// "@ GET" on the object palette, with body acting in the editor it opens.
void newGet(MdiMain &m, std::function<void(const Get &)> body)
{
    inEditor(std::move(body));
    pressKey(m, O, "GET");
}

// The editor of an existing object, as "Proprietati" opens it.
void reopen(MdiMain &m, int slot, std::function<void(const Get &)> body)
{
    auto *list = control<QListWidget>(m, O, "lstObiecte");
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toInt() == slot)
            list->setCurrentRow(i);
    }
    QCOMPARE(palette(m)->obiectSelectat(), slot);
    m.proiect().ObiectExistent = true;
    inEditor(std::move(body));
    FrmGet editor(m.sesiune(), palette(m));
    editor.exec();
}

ElementTabela *label(MdiMain &m, int slot)
{
    auto *table = m.findChild<FrmTabelaDeLucru *>();
    return dynamic_cast<ElementTabela *>(table->element(QStringLiteral("lblObiect%1").arg(slot)));
}

QStringList programLines(MdiMain &m)
{
    const auto program = genereazaCodProiect(m.proiect());
    return program ? program->linii : QStringList();
}

// Every field of a record, for comparisons that name what differs.
QStringList dump(const Obiect &o)
{
    QStringList l;
    l << QStringLiteral("Liber=%1").arg(o.Liber) << QStringLiteral("Culori=%1").arg(o.CulorileFerestrei)
      << QStringLiteral("Variabila=%1").arg(o.Variabila) << QStringLiteral("Valoare=") + o.Valoare
      << QStringLiteral("TipDate=") + o.TipDate << QStringLiteral("Lungime=%1").arg(o.Lungime)
      << QStringLiteral("Tip=") + o.Tip << QStringLiteral("Fereastra=%1").arg(o.Fereastra)
      << QStringLiteral("Loc=%1,%2").arg(o.Coloana).arg(o.Rand)
      << QStringLiteral("Culoare=%1/%2").arg(o.CuloareCerneala).arg(o.CuloareFundal)
      << QStringLiteral("Nume=") + o.Nume << QStringLiteral("TextAfisat=[%1]").arg(o.TextAfisat)
      << QStringLiteral("Comentariu=") + o.Comentariu;
    const Flag Obiect::*const flags[] = {
        &Obiect::PictureN,  &Obiect::Picture9,           &Obiect::PictureDiez,       &Obiect::PictureY,
        &Obiect::FunctionB, &Obiect::FunctionI,          &Obiect::FunctionJ,         &Obiect::FunctionK,
        &Obiect::FunctionA, &Obiect::FunctionT,          &Obiect::FunctionMajuscule, &Obiect::FunctionL,
        &Obiect::FunctionZ, &Obiect::FunctionStiintific, &Obiect::FunctionMoneda,    &Obiect::FunctionD};
    QString f;
    for (auto flag : flags)
        f += isSet(o.*flag) ? QLatin1Char('1') : QLatin1Char('0');
    l << QStringLiteral("Flags=") + f;
    return l;
}

// The check boxes with their captions and flags, and what each data type
// does to them: P on and left as it was, B on and checked, D on and
// cleared, O off (disabled and cleared). Types in the order Text, Numeric,
// Data, Logic.
struct Caseta {
    const char *name;
    const char *caption;
    Flag Obiect::*flag;
    const char *states;
};
const Caseta casete[] = {
    {"chkFNumereDreapta", "Aliniaza numerele la dreapta", &Obiect::FunctionB, "PPPP"},
    {"chkFTextCentrat", "Centreaza textul", &Obiect::FunctionI, "PPPP"},
    {"chkFTextStanga", "Aliniaza textul la stanga", &Obiect::FunctionJ, "PPPP"},
    {"chkFSelecteazaContinutul", "Selecteaza continutul atunci cand cursorul se afla in camp",
     &Obiect::FunctionK, "BBBB"},
    {"chkFAcceptaNumaiAlfabetice",
     "Accepta numai caractere alfabetice (fara spatii, cifre sau caractere speciale)", &Obiect::FunctionA,
     "DOOO"},
    {"chkFEliminaSpatiile", "Elimina spatiile de la inceputul si sfarsitul datelor introduse (TrimALL)",
     &Obiect::FunctionT, "DOOO"},
    {"chkFConvertesteMajuscule", "Converteste literele mici in majuscule", &Obiect::FunctionMajuscule,
     "BOOO"},
    {"chkFPrecedeCifreZerouri", "Precede numerele cu zerouri in loc de spatii", &Obiect::FunctionL, "OBOO"},
    {"chkFAfiseazaBLANK", "Afiseaza BLANK daca valoarea introdusa este 0 (zero)", &Obiect::FunctionZ, "ODOO"},
    {"chkFNotatiaStiintifica", "Foloseste notatia stiintifica", &Obiect::FunctionStiintific, "ODOO"},
    {"chkFNotatiaCuMoneda", "Foloseste notatia cu simbolul de moneda", &Obiect::FunctionMoneda, "ODOO"},
    {"chkFFormatuSETDATE", "Foloseste formatul SET DATE curent", &Obiect::FunctionD, "OOBO"},
    {"chkPCifreLitere", "Accepta numai cifre si litere", &Obiect::PictureN, "DOOO"},
    {"chkPAcceptaNumaiCifreSiSemn", nullptr, &Obiect::Picture9, "DBOO"},
    {"chkPAcceptaNumaiCifreBlankSiSemn", "Accepta numai cifre, BLANK si semn", &Obiect::PictureDiez, "DOOO"},
    {"chkPLogice", "Accepta numai date logice (Y si N - converteste y in Y si n in N)", &Obiect::PictureY,
     "OOOB"},
};
const char *const typeOptions[] = {"optText", "optNumeric", "optData", "optLogic"};

} // namespace

class TestFrmGet : public QObject
{
    Q_OBJECT

private slots:
    void openingANewObject();
    void dataTypeTable_data();
    void dataTypeTable();
    void defaultValueFollowsEveryTypeChoice();
    void variableOrField();
    void exclusiveGroups();
    void nameFilterTypedAndPasted();
    void textAfisatFitsTheLength();
    void lengthLimits();
    void numericDefaultValue();
    void commentLimit();
    void dateMaskFollowsTheSettings();
    void applyWritesGeneratedLines();
    void cancelNewObject();
    void cancelExistingRestoresTheRecord();
    void reopenShowsTheStoredValues();
    void resetRestoresTheOpeningValues();
    void captionsFitTheLayout();
};

void TestFrmGet::openingANewObject()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 20);
    bool ran = false;
    newGet(*m, [&](const Get &g) {
        ran = true;
        QCOMPARE(g.dlg->objectName(), QStringLiteral("frmGet"));
        QCOMPARE(g.dlg->windowTitle(), QStringLiteral("@ GET"));
        QVERIFY(g.dlg->isModal());
        QCOMPARE(g.dlg->minimumSize(), g.dlg->maximumSize());
        QCOMPARE(g.c<QLabel>("lblLungime")->text(), QStringLiteral("(max. 18)"));
        QCOMPARE(g.c<QLabel>("Label7")->text(), QStringLiteral("De lungime:"));
        QCOMPARE(g.c<QLabel>("Label2")->text(), QStringLiteral("Comentariu:"));
        QCOMPARE(g.c<QLabel>("lblVariabila")->text(), QStringLiteral("Variabila:"));
        QCOMPARE(g.c<QLabel>("lblValoareImplicita")->text(), QStringLiteral("Valoare implicita:"));
        QCOMPARE(g.opt("optIntroduceInVariabila")->text(),
                 QStringLiteral("Introduce valoarea intr-o variabila de tip..."));
        QCOMPARE(g.opt("optIntroduceInCamp")->text(),
                 QStringLiteral("Introduce valoarea intr-un camp de tip..."));
        QVERIFY(g.opt("optIntroduceInVariabila")->isChecked() && g.opt("optText")->isChecked());
        const char *texts[] = {"Text", "Numeric", "Data", "Logic"};
        for (int t = 0; t < 4; ++t)
            QCOMPARE(g.opt(typeOptions[t])->text(), QLatin1String(texts[t]));

        auto *tabs = g.c<QTabWidget>("tabClauze");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("> Clauza FUNCTION <"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("> Clauza PICTURE <"));
        for (const Caseta &c : casete) {
            QCOMPARE(g.box(c.name)->parentWidget(),
                     tabs->widget(QByteArray(c.name).startsWith("chkF") ? 0 : 1));
            if (c.caption)
                QCOMPARE(g.box(c.name)->text(), QLatin1String(c.caption));
        }
        QCOMPARE(g.box("chkPAcceptaNumaiCifreSiSemn")->text(), QStringLiteral("Accepta numai cifre"));
        QCOMPARE(g.box("chkPCifreLitere")->toolTip(),
                 QStringLiteral("In acest obiect @GET nu se vor putea introduce decat cifre si litere (nu se "
                                "admit caractere speciale)"));
        QStringList help;
        for (QLabel *l : g.dlg->findChildren<QLabel *>())
            help << l->text();
        for (const char *text : {"Obiectele de tip @GET sunt folosite pentru a introduce informatii in "
                                 "variabile sau campurile unei "
                                 "baze de date",
                                 "Pentru fiecrare obiect @GET se pot specifica o serie de atribute ce se "
                                 "aplica datelor citite de la "
                                 "tastatura.",
                                 "Nu se pot introduce texte care sa depaseasca latimea ferestrei active."})
            QVERIFY2(help.contains(QLatin1String(text)), text);

        QVERIFY(g.name()->text().isEmpty());
        QCOMPARE(g.name()->maxLength(), 11);
        QVERIFY(!g.apply()->isEnabled());
        QCOMPARE(g.length()->text(), QStringLiteral("3"));
        QVERIFY(g.shown(g.value()) && g.value()->text().isEmpty());
        QVERIFY(!g.shown(g.logical()) && !g.shown(g.date()));
        QCOMPARE(g.logical()->count(), 2);
        QCOMPARE(g.logical()->itemText(0), QStringLiteral("F"));
        QCOMPARE(g.logical()->itemText(1), QStringLiteral("T"));
        QCOMPARE(g.logical()->currentIndex(), -1); // filling it chose nothing
        QCOMPARE(g.date()->count(), 1);

        // The record holds the opening defaults; the palette's name stays
        // until one is typed.
        const Obiect &o = m->proiect().obiect(1);
        QCOMPARE(o.Variabila, FlagTrue);
        QCOMPARE(o.TipDate, QStringLiteral("T"));
        QCOMPARE(o.Lungime, quint8(3));
        QCOMPARE(o.Valoare, QString());
        QCOMPARE(o.Nume, QStringLiteral("GET 1"));
        for (const Caseta &c : casete) {
            const bool on = QByteArray(c.name) == "chkFSelecteazaContinutul" ||
                            QByteArray(c.name) == "chkFConvertesteMajuscule" ||
                            QByteArray(c.name) == "chkPCifreLitere";
            QVERIFY2(g.box(c.name)->isChecked() == on, c.name);
            QVERIFY2(isSet(o.*c.flag) == on, c.name);
        }
    });
    QVERIFY(ran);
    QVERIFY(!m->proiect().obiectFolosit(1)); // closed by the helper: cancelled
}

void TestFrmGet::dataTypeTable_data()
{
    QTest::addColumn<int>("prior");
    QTest::addColumn<int>("target");
    // From a type whose boxes are all set, so that every cleared, unchanged
    // and disabled box shows.
    const int pairs[][2] = {{1, 0}, {2, 0}, {0, 1}, {3, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}};
    for (const auto &p : pairs)
        QTest::addRow("%s to %s", typeOptions[p[0]], typeOptions[p[1]]) << p[0] << p[1];
}

void TestFrmGet::dataTypeTable()
{
    QFETCH(int, prior);
    QFETCH(int, target);
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        g.choose(typeOptions[prior]);
        for (const Caseta &c : casete) {
            if (g.box(c.name)->isEnabled() && !g.box(c.name)->isChecked())
                g.box(c.name)->click();
        }
        g.box("chkFSelecteazaContinutul")->click(); // cleared, to see it checked again
        if (prior <= 1) {
            g.retype(g.length(), QStringLiteral("7"));
            g.retype(g.value(), QStringLiteral("5"));
        }
        QMap<QString, bool> before;
        for (const Caseta &c : casete)
            before[QLatin1String(c.name)] = g.box(c.name)->isChecked();
        const QString digitsCaption = g.box("chkPAcceptaNumaiCifreSiSemn")->text();

        g.choose(typeOptions[target]);

        const Obiect &o = m->proiect().obiect(1);
        for (const Caseta &c : casete) {
            QCheckBox *b = g.box(c.name);
            switch (c.states[target]) {
            case 'O':
                QVERIFY2(!b->isEnabled() && !b->isChecked(), c.name);
                break;
            case 'B':
                QVERIFY2(b->isEnabled() && b->isChecked(), c.name);
                break;
            case 'D':
                QVERIFY2(b->isEnabled() && !b->isChecked(), c.name);
                break;
            default:
                QVERIFY2(b->isEnabled() && b->isChecked() == before[QLatin1String(c.name)], c.name);
            }
            QVERIFY2(isSet(o.*c.flag) == b->isChecked(), c.name);
        }
        const char *captions[] = {"Accepta numai cifre", "Accepta numai cifre si semnul - (minus)"};
        QCOMPARE(g.box("chkPAcceptaNumaiCifreSiSemn")->text(),
                 target <= 1 ? QLatin1String(captions[target]) : digitsCaption);

        const char *lengths[] = {"3", "3", "8", "1"};
        QCOMPARE(g.length()->text(), QLatin1String(lengths[target]));
        QCOMPARE(int(o.Lungime), QByteArray(lengths[target]).toInt());
        const bool free = target <= 1;
        QCOMPARE(g.length()->isEnabled() && !g.length()->isReadOnly(), free);
        QCOMPARE(g.arrow("up")->isEnabled(), free);
        QCOMPARE(g.arrow("down")->isEnabled(), free);

        const char *codes[] = {"T", "N", "D", "L"};
        const char *values[] = {"", "0", "", "F"};
        QCOMPARE(o.TipDate, QLatin1String(codes[target]));
        QCOMPARE(o.Valoare, QLatin1String(values[target]));
        QCOMPARE(g.shown(g.value()), free);
        QCOMPARE(g.shown(g.logical()), target == 3);
        QCOMPARE(g.shown(g.date()), target == 2);
        if (free)
            QCOMPARE(g.value()->text(), QLatin1String(values[target]));
        else if (target == 3)
            QCOMPARE(g.logical()->currentText(), QStringLiteral("F"));
        else
            QCOMPARE(g.date()->currentIndex(), 0);
    });
}

void TestFrmGet::defaultValueFollowsEveryTypeChoice()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QTest::keyClicks(g.name(), QStringLiteral("x"));
        g.choose("optLogic");
        QCOMPARE(o.Valoare, QStringLiteral("F"));
        g.choose("optText");
        QCOMPARE(o.Valoare, QString()); // no "F" left behind as a text default
        g.choose("optNumeric");
        g.choose("optLogic");
        g.logical()->setCurrentIndex(1);
        QCOMPARE(o.Valoare, QStringLiteral("T"));
        g.choose("optNumeric");
        QCOMPARE(o.Valoare, QStringLiteral("0"));
        g.choose("optData");
        QCOMPARE(o.TipDate, QStringLiteral("D"));
        QCOMPARE(o.Valoare, QString());
        g.choose("optNumeric");
        g.apply()->click();
    });
    QVERIFY(programLines(*m).contains(QStringLiteral("x=0")));
}

void TestFrmGet::variableOrField()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QWidget *valueControls[] = {g.value(), g.logical(), g.c<QLabel>("lblValoareImplicita")};
        g.choose("optIntroduceInCamp");
        QCOMPARE(g.c<QLabel>("lblVariabila")->text(), QStringLiteral("Camp:"));
        QCOMPARE(o.Variabila, FlagFalse);
        for (QWidget *w : valueControls)
            QVERIFY(!w->isEnabled());
        QVERIFY(g.date()->isEnabled());
        g.choose("optIntroduceInVariabila");
        QCOMPARE(g.c<QLabel>("lblVariabila")->text(), QStringLiteral("Variabila:"));
        QCOMPARE(o.Variabila, FlagTrue);
        for (QWidget *w : valueControls)
            QVERIFY(w->isEnabled());

        // A field has no initialisation line, but the same @ GET line.
        QTest::keyClicks(g.name(), QStringLiteral("NUME"));
        g.choose("optIntroduceInCamp");
        g.apply()->click();
    });
    const QStringList lines = programLines(*m);
    QVERIFY(lines.contains(QStringLiteral("@ 0,0 GET NUME FUNCTION 'K!' PICTURE 'NNN'")));
    QVERIFY(!lines.filter(QStringLiteral("SPACE(")).size());
    QCOMPARE(control<QListWidget>(*m, O, "lstObiecte")->item(0)->text(),
             QStringLiteral("@GET1 [CAMP: NUME]"));
}

void TestFrmGet::exclusiveGroups()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        g.box("chkFTextStanga")->click();
        QVERIFY(isSet(o.FunctionJ));
        g.box("chkFTextCentrat")->click();
        QVERIFY(!g.box("chkFTextStanga")->isChecked());
        QCOMPARE(o.FunctionJ, FlagFalse);
        QCOMPARE(o.FunctionI, FlagTrue);
        g.box("chkFNumereDreapta")->click();
        QVERIFY(!g.box("chkFTextCentrat")->isChecked());
        QCOMPARE(o.FunctionI, FlagFalse);
        QCOMPARE(o.FunctionB, FlagTrue);
        // Clearing a box only clears its own flag.
        g.box("chkFNumereDreapta")->click();
        QCOMPARE(o.FunctionB, FlagFalse);
        QVERIFY(!o.FunctionI && !o.FunctionJ);

        // Boxes outside the groups leave the others alone.
        g.box("chkFAcceptaNumaiAlfabetice")->click();
        g.box("chkFEliminaSpatiile")->click();
        QVERIFY(isSet(o.FunctionA) && isSet(o.FunctionT) && isSet(o.FunctionK) && isSet(o.FunctionMajuscule));

        QVERIFY(isSet(o.PictureN));
        g.box("chkPAcceptaNumaiCifreSiSemn")->click();
        QVERIFY(!g.box("chkPCifreLitere")->isChecked());
        QVERIFY(!isSet(o.PictureN) && isSet(o.Picture9));
        g.box("chkPAcceptaNumaiCifreBlankSiSemn")->click();
        QVERIFY(!isSet(o.Picture9) && isSet(o.PictureDiez));
        g.box("chkPCifreLitere")->click();
        QVERIFY(isSet(o.PictureN) && !isSet(o.PictureDiez) && !isSet(o.Picture9));
        QVERIFY(!g.box("chkPAcceptaNumaiCifreBlankSiSemn")->isChecked());
    });
}

void TestFrmGet::nameFilterTypedAndPasted()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QLineEdit *n = g.name();
        g.focus(n);
        // First character: letters and "_" only.
        QTest::keyClicks(n, QStringLiteral("1[\\]^`-. "));
        QTest::sendKeyEvent(QTest::Click, n, Qt::Key_unknown, QString(QChar(0x0103)), Qt::NoModifier);
        QTest::keyClick(n, Qt::Key_Backspace);
        QCOMPARE(n->text(), QString());
        QVERIFY(!g.apply()->isEnabled());
        QTest::keyClicks(n, QStringLiteral("a1[\\]^`-_ Z9"));
        QCOMPARE(n->text(), QStringLiteral("a1_Z9"));
        QVERIFY(g.apply()->isEnabled());
        QCOMPARE(o.Nume, QStringLiteral("a1_Z9"));
        QTest::keyClick(n, Qt::Key_Backspace);
        QCOMPARE(n->text(), QStringLiteral("a1_Z"));
        // Once the box holds a character, a digit may go in front of it.
        QTest::keyClick(n, Qt::Key_Home);
        QTest::keyClick(n, Qt::Key_2);
        QCOMPARE(n->text(), QStringLiteral("2a1_Z"));

        // Pasted text goes through the same filter, then the length limit.
        n->clear();
        QVERIFY(!g.apply()->isEnabled());
        g.paste(n, QStringLiteral("1a[b]^c_2`3-x"));
        QCOMPARE(n->text(), QStringLiteral("abc_23x"));
        QCOMPARE(o.Nume, QStringLiteral("abc_23x"));
        n->clear();
        g.paste(n, QStringLiteral("9 abcdefghijklmnop"));
        QCOMPARE(n->text(), QStringLiteral("abcdefghijk"));
        // Pasting over the whole selection counts as pasting into an empty box.
        n->selectAll();
        g.paste(n, QStringLiteral("7q7"));
        QCOMPARE(n->text(), QStringLiteral("q7"));
        // The context menu's paste takes the same road as the key.
        n->clear();
        QApplication::clipboard()->setText(QStringLiteral("0_x-y"));
        n->paste();
        QCOMPARE(n->text(), QStringLiteral("_xy"));
        // A paste of refused characters only types nothing.
        g.paste(n, QStringLiteral("-+"));
        QCOMPARE(n->text(), QStringLiteral("_xy"));
    });
}

void TestFrmGet::textAfisatFitsTheLength()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QTest::keyClicks(g.name(), QStringLiteral("ab"));
        QCOMPARE(o.TextAfisat, QStringLiteral("ab "));
        QTest::keyClicks(g.name(), QStringLiteral("cd"));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        // The length alone does not refit it...
        g.arrow("up")->click();
        g.arrow("up")->click();
        QCOMPARE(o.Lungime, quint8(5));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        QTest::keyClicks(g.name(), QStringLiteral("-$")); // refused keys are no edit
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        // ...the next edit of the name does.
        QTest::keyClick(g.name(), Qt::Key_Backspace);
        QCOMPARE(o.TextAfisat, QStringLiteral("abc  "));
        g.arrow("down")->click();
        g.arrow("down")->click();
        QTest::keyClicks(g.name(), QStringLiteral("_"));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        g.apply()->click();
    });
    ElementTabela *l = label(*m, 1);
    QVERIFY(l->isVisible());
    QCOMPARE(l->caption(), QStringLiteral("abc"));
    QCOMPARE(control<QListWidget>(*m, O, "lstObiecte")->item(0)->text(),
             QStringLiteral("@GET1 [VARIABILA: abc_]"));
    QVERIFY(control<QAction>(*m, O, "STERGE")->isEnabled());
}

void TestFrmGet::lengthLimits()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 20);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QLineEdit *len = g.length();
        for (int i = 0; i < 30; ++i)
            g.arrow("up")->click();
        QCOMPARE(len->text(), QStringLiteral("18"));
        QCOMPARE(o.Lungime, quint8(18));
        for (int i = 0; i < 30; ++i)
            g.arrow("down")->click();
        QCOMPARE(len->text(), QStringLiteral("1"));
        QCOMPARE(o.Lungime, quint8(1));

        // Digits only; Backspace is no key of this box.
        g.focus(len);
        len->end(false);
        QTest::keyClicks(len, QStringLiteral("a-2"));
        QCOMPARE(len->text(), QStringLiteral("12"));
        QTest::keyClick(len, Qt::Key_Backspace);
        QCOMPARE(len->text(), QStringLiteral("12"));
        QCOMPARE(o.Lungime, quint8(12));

        // Leaving the box brings it into 1..w.
        g.retype(len, QStringLiteral("999"));
        QCOMPARE(int(o.Lungime), 255); // never more than a byte holds
        g.leave();
        QCOMPARE(len->text(), QStringLiteral("18"));
        QCOMPARE(o.Lungime, quint8(18));
        g.retype(len, QStringLiteral("0"));
        g.leave();
        QCOMPARE(len->text(), QStringLiteral("1"));
        g.retype(len, QString());
        QCOMPARE(o.Lungime, quint8(0));
        g.leave();
        QCOMPARE(o.Lungime, quint8(1));
        g.focus(len);
        len->selectAll();
        g.paste(len, QStringLiteral("1x5"));
        QCOMPARE(len->text(), QStringLiteral("15"));

        // Data and Logic fix the length.
        g.choose("optLogic");
        g.arrow("up")->click();
        QCOMPARE(len->text(), QStringLiteral("1"));
        g.choose("optData");
        g.arrow("down")->click();
        QCOMPARE(len->text(), QStringLiteral("8"));
        QCOMPARE(o.Lungime, quint8(8));

        // Apply settles a length still being typed.
        g.choose("optText");
        QTest::keyClicks(g.name(), QStringLiteral("t"));
        g.retype(len, QStringLiteral("40"));
        g.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Lungime, quint8(18));
    QVERIFY(programLines(*m).contains(QStringLiteral("t = SPACE(18)")));
}

void TestFrmGet::numericDefaultValue()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QLineEdit *v = g.value();
        g.choose("optNumeric");
        const struct {
            const char *typed, *shown;
        } cases[] = {{"007.500", "7.5"}, {"-", "0"},          {"-0.00", "0"},   {"12.", "12"},
                     {".5", "0.5"},      {"-3.250", "-3.25"}, {"1.2.3", "1.2"}, {"5-1", "5"},
                     {"--4", "0"},       {"x9y", "9"},        {"100", "100"},   {"0", "0"}};
        for (const auto &c : cases) {
            g.retype(v, QLatin1String(c.typed));
            QCOMPARE(o.Valoare, v->text()); // every change is stored
            g.leave();
            QCOMPARE(v->text(), QLatin1String(c.shown));
            QCOMPARE(o.Valoare, QLatin1String(c.shown));
        }
        g.focus(v);
        QTest::keyClick(v, Qt::Key_Backspace);
        QCOMPARE(v->text(), QStringLiteral("0"));
        v->selectAll();
        g.paste(v, QStringLiteral("1a2.5e3"));
        QCOMPARE(v->text(), QStringLiteral("12.53"));

        // A text default takes any printable character, as typed.
        g.choose("optText");
        g.retype(v, QStringLiteral("a-0.0"));
        g.leave();
        QCOMPARE(v->text(), QStringLiteral("a-0.0"));
        g.focus(v);
        v->selectAll();
        g.paste(v, QStringLiteral("x\ny\tz"));
        QCOMPARE(v->text(), QStringLiteral("xyz"));

        // Apply settles a numeric value still being typed.
        g.choose("optNumeric");
        QTest::keyClicks(g.name(), QStringLiteral("suma"));
        g.retype(v, QStringLiteral("-0012.50"));
        g.apply()->click();
    });
    QVERIFY(programLines(*m).contains(QStringLiteral("suma=-12.5")));
}

void TestFrmGet::commentLimit()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const Obiect &o = m->proiect().obiect(1);
        QPlainTextEdit *c = g.comment();
        g.focus(c);
        QTest::keyClicks(c, QString(160, QLatin1Char('a')));
        QCOMPARE(c->toPlainText(), QString(150, QLatin1Char('a')));
        QCOMPARE(o.Comentariu, c->toPlainText());

        // A paste into the middle keeps the start of what was pasted.
        c->setPlainText(QString(100, QLatin1Char('b')));
        QTextCursor cursor = c->textCursor();
        cursor.setPosition(50);
        c->setTextCursor(cursor);
        QApplication::clipboard()->setText(QString(30, QLatin1Char('x')) + QString(70, QLatin1Char('y')));
        c->paste();
        const QString expected = QString(50, QLatin1Char('b')) + QString(30, QLatin1Char('x')) +
                                 QString(20, QLatin1Char('y')) + QString(50, QLatin1Char('b'));
        QCOMPARE(c->toPlainText(), expected);
        QCOMPARE(o.Comentariu, expected);
        QTest::keyClick(c, Qt::Key_Z);
        QCOMPARE(o.Comentariu, expected);
        QTest::keyClick(c, Qt::Key_Backspace);
        QCOMPARE(o.Comentariu.size(), 149);
    });
}

void TestFrmGet::dateMaskFollowsTheSettings()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.FormatZLA = FlagTrue;
    s.AnulArePatruCifre = FlagTrue;
    auto m = startMain(s);
    createWindow(*m, 30);
    const struct {
        bool zla, four;
        const char *mask;
    } cases[] = {{true, true, "ZZ/LL/AAAA"},
                 {true, false, "ZZ/LL/AA"},
                 {false, true, "LL/ZZ/AAAA"},
                 {false, false, "LL/ZZ/AA"}};
    for (const auto &c : cases) {
        // Read when the editor opens: a change of the settings shows at once.
        m->proiect().setari.FormatZLA = toFlag(c.zla);
        m->proiect().setari.AnulArePatruCifre = toFlag(c.four);
        QString shown;
        newGet(*m, [&](const Get &g) {
            g.choose("optData");
            shown = g.date()->currentText();
            QCOMPARE(g.date()->count(), 1);
        });
        QCOMPARE(shown, QLatin1String(c.mask));
    }
}

void TestFrmGet::applyWritesGeneratedLines()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 40);
    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("nume"));
        for (int i = 0; i < 7; ++i)
            g.arrow("up")->click();
        g.retype(g.value(), QStringLiteral("abc"));
        g.box("chkFTextCentrat")->click();
        g.box("chkFEliminaSpatiile")->click();
        g.apply()->click();
    });
    newGet(*m, [&](const Get &g) {
        g.choose("optNumeric");
        QTest::keyClicks(g.name(), QStringLiteral("suma"));
        g.arrow("up")->click();
        g.box("chkFSelecteazaContinutul")->click();
        g.box("chkFNotatiaCuMoneda")->click();
        g.apply()->click();
    });
    newGet(*m, [&](const Get &g) {
        g.choose("optLogic");
        g.logical()->setCurrentIndex(1);
        QTest::keyClicks(g.name(), QStringLiteral("activ"));
        g.apply()->click();
    });
    newGet(*m, [&](const Get &g) {
        g.choose("optData");
        QTest::keyClicks(g.name(), QStringLiteral("ziua"));
        g.apply()->click();
    });
    QCOMPARE(control<QListWidget>(*m, O, "lstObiecte")->count(), 4);
    const QStringList lines = programLines(*m);
    const QStringList expected = {
        QStringLiteral("nume = SPACE(7) + 'abc'"),
        QStringLiteral("suma=0"),
        QStringLiteral("activ=.T."),
        QStringLiteral("ziua={}"),
        QStringLiteral("@ 0,0 GET nume FUNCTION 'IKT!' PICTURE 'NNNNNNNNNN'"),
        QStringLiteral("@ 0,0 GET suma FUNCTION 'L$' PICTURE '9999'"),
        QStringLiteral("@ 0,0 GET activ FUNCTION 'K' PICTURE 'Y'"),
        QStringLiteral("@ 0,0 GET ziua FUNCTION 'KD'"),
    };
    const int first = int(lines.indexOf(expected.first()));
    QVERIFY2(first >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(first, expected.size()), expected);
    QCOMPARE(lines.at(first + expected.size()), QStringLiteral("READ"));
}

void TestFrmGet::cancelNewObject()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    const std::function<void(const Get &)> cancels[] = {
        [](const Get &g) { g.cancel()->click(); },
        [](const Get &g) { QTest::keyClick(g.dlg, Qt::Key_Escape); },
        [](const Get &g) { g.dlg->close(); },
    };
    for (const auto &cancel : cancels) {
        newGet(*m, [&](const Get &g) {
            QTest::keyClicks(g.name(), QStringLiteral("abc"));
            cancel(g);
        });
        QVERIFY(!m->proiect().obiectFolosit(1));
        QCOMPARE(control<QListWidget>(*m, O, "lstObiecte")->count(), 0);
        QVERIFY(!label(*m, 1)->isVisible());
    }

    // With another object there, a cancel leaves it alone, even while a box
    // being edited loses the focus as the editor closes.
    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("keep"));
        g.choose("optNumeric");
        g.apply()->click();
    });
    const QStringList kept = dump(m->proiect().obiect(1));
    newGet(*m, [&](const Get &g) {
        g.choose("optNumeric");
        g.retype(g.length(), QStringLiteral("77"));
        g.retype(g.value(), QStringLiteral("007"));
        QTest::keyClick(g.dlg, Qt::Key_Escape);
    });
    QVERIFY(!m->proiect().obiectFolosit(2));
    QCOMPARE(palette(*m)->obiectSelectat(), 1);
    QCOMPARE(dump(m->proiect().obiect(1)), kept);
}

void TestFrmGet::cancelExistingRestoresTheRecord()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("cod"));
        g.choose("optNumeric");
        g.retype(g.value(), QStringLiteral("42"));
        QTest::keyClicks(g.comment(), QStringLiteral("un cod"));
        g.apply()->click();
    });
    const QStringList stored = dump(m->proiect().obiect(1));
    const std::function<void(const Get &)> cancels[] = {
        [](const Get &g) { g.cancel()->click(); },
        [](const Get &g) { QTest::keyClick(g.dlg, Qt::Key_Escape); },
        [](const Get &g) { g.dlg->close(); },
    };
    for (const auto &cancel : cancels) {
        reopen(*m, 1, [&](const Get &g) {
            g.choose("optIntroduceInCamp");
            g.choose("optText");
            QTest::keyClicks(g.name(), QStringLiteral("xyz"));
            g.retype(g.length(), QStringLiteral("9"));
            QTest::keyClicks(g.comment(), QStringLiteral(" schimbat"));
            g.box("chkFTextStanga")->click();
            g.box("chkFSelecteazaContinutul")->click();
            QVERIFY(dump(m->proiect().obiect(1)) != stored); // written through while open
            cancel(g);
        });
        QVERIFY(m->proiect().obiectFolosit(1));
        QCOMPARE(dump(m->proiect().obiect(1)), stored);
        QCOMPARE(control<QListWidget>(*m, O, "lstObiecte")->count(), 1);
    }
    QVERIFY(programLines(*m).contains(QStringLiteral("cod=42")));
}

void TestFrmGet::reopenShowsTheStoredValues()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("ab"));
        g.choose("optNumeric");
        for (int i = 0; i < 4; ++i)
            g.arrow("up")->click();
        g.retype(g.value(), QStringLiteral("-3.25"));
        g.choose("optIntroduceInCamp");
        g.box("chkFSelecteazaContinutul")->click();
        g.box("chkFAfiseazaBLANK")->click();
        g.box("chkFTextStanga")->click();
        QTest::keyClicks(g.comment(), QStringLiteral("sold"));
        g.apply()->click();
    });
    const QStringList stored = dump(m->proiect().obiect(1));
    QCOMPARE(m->proiect().obiect(1).TextAfisat, QStringLiteral("ab ")); // fitted to 3, not to 7
    bool ran = false;
    reopen(*m, 1, [&](const Get &g) {
        ran = true;
        QCOMPARE(dump(m->proiect().obiect(1)), stored); // opening wrote nothing
        QVERIFY(g.opt("optIntroduceInCamp")->isChecked());
        QVERIFY(g.opt("optNumeric")->isChecked());
        QCOMPARE(g.c<QLabel>("lblVariabila")->text(), QStringLiteral("Camp:"));
        QCOMPARE(g.name()->text(), QStringLiteral("ab"));
        QVERIFY(g.apply()->isEnabled());
        QCOMPARE(g.length()->text(), QStringLiteral("7"));
        QCOMPARE(g.value()->text(), QStringLiteral("-3.25"));
        QVERIFY(!g.value()->isEnabled());
        QCOMPARE(g.comment()->toPlainText(), QStringLiteral("sold"));
        const Obiect &o = m->proiect().obiect(1);
        for (const Caseta &c : casete)
            QVERIFY2(g.box(c.name)->isChecked() == isSet(o.*c.flag), c.name);
        QVERIFY(!g.box("chkFSelecteazaContinutul")->isChecked());
        QVERIFY(g.box("chkFAfiseazaBLANK")->isChecked() && g.box("chkFPrecedeCifreZerouri")->isChecked());
        QVERIFY(!g.box("chkFConvertesteMajuscule")->isEnabled());
        g.apply()->click();
    });
    QVERIFY(ran);
    QCOMPARE(dump(m->proiect().obiect(1)), stored);
    QVERIFY(programLines(*m).contains(QStringLiteral("@ 0,0 GET ab FUNCTION 'JLZ' PICTURE '9999999'")));

    // A logical default and a date come back as stored, too.
    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("da"));
        g.choose("optLogic");
        g.logical()->setCurrentIndex(1);
        g.apply()->click();
    });
    reopen(*m, 2, [&](const Get &g) {
        QVERIFY(g.opt("optLogic")->isChecked());
        QVERIFY(g.shown(g.logical()));
        QCOMPARE(g.logical()->currentText(), QStringLiteral("T"));
        QCOMPARE(m->proiect().obiect(2).Valoare, QStringLiteral("T"));
        g.choose("optData");
        g.apply()->click();
    });
    reopen(*m, 2, [&](const Get &g) {
        QVERIFY(g.opt("optData")->isChecked());
        QCOMPARE(g.date()->currentIndex(), 0);
        QCOMPARE(g.length()->text(), QStringLiteral("8"));
        QVERIFY(g.box("chkFFormatuSETDATE")->isChecked());
    });
    QCOMPARE(m->proiect().obiect(2).TipDate, QStringLiteral("D"));
}

void TestFrmGet::resetRestoresTheOpeningValues()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        const QStringList opening = dump(m->proiect().obiect(1));
        QTest::keyClicks(g.name(), QStringLiteral("q"));
        g.choose("optIntroduceInCamp");
        g.choose("optLogic");
        QTest::keyClicks(g.comment(), QStringLiteral("c"));
        g.box("chkFTextCentrat")->click();
        g.reset()->click();
        QCOMPARE(dump(m->proiect().obiect(1)), opening);
        QVERIFY(g.name()->text().isEmpty());
        QVERIFY(!g.apply()->isEnabled());
        QVERIFY(g.opt("optIntroduceInVariabila")->isChecked() && g.opt("optText")->isChecked());
        QVERIFY(g.shown(g.value()) && !g.shown(g.logical()));
        QCOMPARE(g.length()->text(), QStringLiteral("3"));
        QVERIFY(g.comment()->toPlainText().isEmpty());
        QVERIFY(!g.box("chkFTextCentrat")->isChecked());
        QVERIFY(g.box("chkFConvertesteMajuscule")->isChecked() &&
                g.box("chkFAcceptaNumaiAlfabetice")->isEnabled());
        QTest::keyClicks(g.name(), QStringLiteral("r"));
        g.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QStringLiteral("r"));

    newGet(*m, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("n"));
        g.choose("optNumeric");
        g.retype(g.value(), QStringLiteral("5"));
        g.apply()->click();
    });
    const QStringList stored = dump(m->proiect().obiect(2));
    reopen(*m, 2, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("xx"));
        g.choose("optText");
        g.box("chkFNumereDreapta")->click();
        g.reset()->click();
        QCOMPARE(dump(m->proiect().obiect(2)), stored);
        QCOMPARE(g.name()->text(), QStringLiteral("n"));
        QVERIFY(g.opt("optNumeric")->isChecked());
        QCOMPARE(g.value()->text(), QStringLiteral("5"));
        QVERIFY(!g.box("chkFNumereDreapta")->isChecked());
        g.apply()->click();
    });
    QCOMPARE(dump(m->proiect().obiect(2)), stored);
}

void TestFrmGet::captionsFitTheLayout()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    createWindow(*m, 30);
    newGet(*m, [&](const Get &g) {
        auto *tabs = g.c<QTabWidget>("tabClauze");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            for (auto *b : tabs->widget(page)->findChildren<QCheckBox *>())
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
        }
        for (auto *w : g.dlg->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(g.dlg) || qobject_cast<QLabel *>(w) == nullptr)
                continue;
            auto *l = static_cast<QLabel *>(w);
            if (!l->wordWrap())
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
        }
    });
}

QTEST_MAIN(TestFrmGet)
#include "tst_frmget.moc"
