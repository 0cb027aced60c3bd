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

// The check boxes with their captions, flags and the letter each stands
// for in the checks below, and what each data type does to them: P on and
// left as it was, B on and checked, D on and cleared, O off (disabled and
// cleared). Types in the order Text, Numeric, Data, Logic.
struct Caseta {
    const char *name;
    char code;
    const char *states;
    Flag Obiect::*flag;
    const char *caption;
};
const Caseta casete[] = {
    {"chkFNumereDreapta", 'B', "PPPP", &Obiect::FunctionB, "Aliniaza numerele la dreapta"},
    {"chkFTextCentrat", 'I', "PPPP", &Obiect::FunctionI, "Centreaza textul"},
    {"chkFTextStanga", 'J', "PPPP", &Obiect::FunctionJ, "Aliniaza textul la stanga"},
    {"chkFSelecteazaContinutul", 'K', "BBBB", &Obiect::FunctionK,
     "Selecteaza continutul atunci cand cursorul se afla in camp"},
    {"chkFAcceptaNumaiAlfabetice", 'A', "DOOO", &Obiect::FunctionA,
     "Accepta numai caractere alfabetice (fara spatii, cifre sau caractere speciale)"},
    {"chkFEliminaSpatiile", 'T', "DOOO", &Obiect::FunctionT,
     "Elimina spatiile de la inceputul si sfarsitul datelor introduse (TrimALL)"},
    {"chkFConvertesteMajuscule", '!', "BOOO", &Obiect::FunctionMajuscule,
     "Converteste literele mici in majuscule"},
    {"chkFPrecedeCifreZerouri", 'L', "OBOO", &Obiect::FunctionL,
     "Precede numerele cu zerouri in loc de spatii"},
    {"chkFAfiseazaBLANK", 'Z', "ODOO", &Obiect::FunctionZ,
     "Afiseaza BLANK daca valoarea introdusa este 0 (zero)"},
    {"chkFNotatiaStiintifica", '^', "ODOO", &Obiect::FunctionStiintific, "Foloseste notatia stiintifica"},
    {"chkFNotatiaCuMoneda", '$', "ODOO", &Obiect::FunctionMoneda, "Foloseste notatia cu simbolul de moneda"},
    {"chkFFormatuSETDATE", 'D', "OOBO", &Obiect::FunctionD, "Foloseste formatul SET DATE curent"},
    {"chkPCifreLitere", 'N', "DOOO", &Obiect::PictureN, "Accepta numai cifre si litere"},
    {"chkPAcceptaNumaiCifreSiSemn", '9', "DBOO", &Obiect::Picture9, "Accepta numai cifre"},
    {"chkPAcceptaNumaiCifreBlankSiSemn", '#', "DOOO", &Obiect::PictureDiez,
     "Accepta numai cifre, BLANK si semn"},
    {"chkPLogice", 'Y', "OOOB", &Obiect::PictureY,
     "Accepta numai date logice (Y si N - converteste y in Y si n in N)"},
};
const char *const typeOptions[] = {"optText", "optNumeric", "optData", "optLogic"};

// The letters of the flags a record has set, in the order of the table.
QString flags(const Obiect &o)
{
    QString s;
    for (const Caseta &c : casete)
        if (isSet(o.*c.flag))
            s += QLatin1Char(c.code);
    return s;
}

// Every field of a record, for comparisons that name what differs.
QStringList dump(const Obiect &o)
{
    return {QString::number(o.Liber),
            QString::number(o.CulorileFerestrei),
            QString::number(o.Variabila),
            o.Valoare,
            o.TipDate,
            QString::number(o.Lungime),
            o.Tip,
            QString::number(o.Fereastra),
            QStringLiteral("%1,%2").arg(o.Coloana).arg(o.Rand),
            QStringLiteral("%1/%2").arg(o.CuloareCerneala).arg(o.CuloareFundal),
            o.Nume,
            QLatin1Char('[') + o.TextAfisat + QLatin1Char(']'),
            o.Comentariu,
            flags(o)};
}

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
    QCheckBox *box(char code) const
    {
        for (const Caseta &k : casete)
            if (k.code == code)
                return box(k.name);
        return nullptr;
    }
    QRadioButton *opt(const char *n) const { return c<QRadioButton>(n); }
    QLineEdit *name() const { return c<QLineEdit>("txtNumaVariabila"); }
    QLineEdit *length() const { return c<QLineEdit>("txtLungime"); }
    QLineEdit *value() const { return c<QLineEdit>("txtValoareImplicita"); }
    QComboBox *logical() const { return c<QComboBox>("cmbValoareImplicita"); }
    QComboBox *date() const { return c<QComboBox>("cmbValoareImplicitaData"); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    QPushButton *apply() const { return c<QPushButton>("cmdAplica"); }
    QString caption(const char *n) const { return c<QLabel>(n)->text(); }
    QToolButton *arrow(const char *which) const
    {
        return c<QWidget>("updLungime")->findChild<QToolButton *>(QLatin1String(which));
    }
    void click(const char *which, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            arrow(which)->click();
    }
    bool shown(QWidget *w) const { return w->isVisibleTo(dlg); }
    void choose(const char *option) const { opt(option)->click(); }
    // The letters of the checked boxes.
    QString checked() const
    {
        QString s;
        for (const Caseta &k : casete)
            if (box(k.name)->isChecked())
                s += QLatin1Char(k.code);
        return s;
    }
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
using Body = std::function<void(const Get &)>;

// Runs body in the next modal editor; whatever body leaves open is
// cancelled, so a failed check never leaves the test waiting.
void inEditor(Body body)
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

// A main window with a window of the given width at the top left, made
// active, in a fresh directory.
struct Session {
    TempCwd cwd;
    std::unique_ptr<MdiMain> m = startMain(quietSettings());

    explicit Session(int width)
    {
        pressKey(*m, "frmFerestre", "CREAZA");
        control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(width);
    }
    Obiect &obj(int slot) const { return m->proiect().obiect(slot); }
    FrmObiecte *palette() const { return m->findChild<FrmObiecte *>(QString::fromLatin1(O)); }
    QListWidget *list() const { return control<QListWidget>(*m, O, "lstObiecte"); }
    // "@ GET" on the object palette, with body acting in the editor it opens.
    void newGet(Body body) const
    {
        inEditor(std::move(body));
        pressKey(*m, O, "GET");
    }
    // A new object of the given name and type, with more done before Apply.
    void add(const char *name, const char *type, Body more) const
    {
        newGet([=](const Get &g) {
            QTest::keyClicks(g.name(), QLatin1String(name));
            g.choose(type);
            more(g);
            g.apply()->click();
        });
    }
    // The editor of an existing object, as "Proprietati" opens it.
    void reopen(int slot, Body body) const
    {
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->data(Qt::UserRole).toInt() == slot)
                list()->setCurrentRow(i);
        QCOMPARE(palette()->obiectSelectat(), slot);
        m->proiect().ObiectExistent = true;
        inEditor(std::move(body));
        FrmGet editor(m->sesiune(), palette());
        editor.exec();
    }
    ElementTabela *label(int slot) const
    {
        auto *table = m->findChild<FrmTabelaDeLucru *>();
        return dynamic_cast<ElementTabela *>(table->element(QStringLiteral("lblObiect%1").arg(slot)));
    }
    QStringList lines() const
    {
        const auto program = genereazaCodProiect(m->proiect());
        return program ? program->linii : QStringList();
    }
};

} // namespace

class TestFrmGet : public QObject
{
    Q_OBJECT

private slots:
    void openingANewObject();
    void dataTypeTable_data();
    void dataTypeTable();
    void variableOrField();
    void filtersTypedAndPasted();
    void textAfisatFitsTheLength();
    void lengthLimits();
    void numericDefaultValue();
    void dateMaskFollowsTheSettings();
    void applyWritesGeneratedLines();
    void cancelKeepsTheRecords_data();
    void cancelKeepsTheRecords();
    void reopenShowsTheStoredValues();
    void resetRestoresTheOpeningValues();
};

void TestFrmGet::openingANewObject()
{
    Session s(20);
    bool ran = false;
    s.newGet([&](const Get &g) {
        ran = true;
        QCOMPARE(g.dlg->objectName(), QStringLiteral("frmGet"));
        QCOMPARE(g.dlg->windowTitle(), QStringLiteral("@ GET"));
        QVERIFY(g.dlg->isModal());
        QCOMPARE(g.dlg->minimumSize(), g.dlg->maximumSize());
        const QString captions = QString::fromLatin1(
            "lblLungime=(max. 18)|Label7=De lungime:|Label2=Comentariu:|lblVariabila=Variabila:|"
            "lblValoareImplicita=Valoare "
            "implicita:|optText=Text|optNumeric=Numeric|optData=Data|optLogic=Logic|"
            "optIntroduceInVariabila=Introduce valoarea intr-o variabila de tip...|"
            "optIntroduceInCamp=Introduce valoarea intr-un camp de tip...");
        for (const QString &pair : captions.split(QLatin1Char('|'))) {
            const QStringList kv = pair.split(QLatin1Char('='));
            QCOMPARE(g.c<QWidget>(qPrintable(kv[0]))->property("text").toString(), kv[1]);
        }
        auto *tabs = g.c<QTabWidget>("tabClauze");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("> Clauza FUNCTION <"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("> Clauza PICTURE <"));
        for (const Caseta &c : casete) {
            QCOMPARE(g.box(c.name)->parentWidget(), tabs->widget(c.name[3] == 'F' ? 0 : 1));
            QCOMPARE(g.box(c.name)->text(), QLatin1String(c.caption));
        }
        QCOMPARE(g.box('N')->toolTip(),
                 QStringLiteral("In acest obiect @GET nu se vor putea introduce decat cifre si litere (nu se "
                                "admit caractere speciale)"));
        QStringList help;
        for (QLabel *l : g.dlg->findChildren<QLabel *>())
            help << l->text();
        for (const char *text :
             {"Obiectele de tip @GET sunt folosite pentru a introduce informatii in variabile sau campurile "
              "unei baze de date",
              "Pentru fiecrare obiect @GET se pot specifica o serie de atribute ce se aplica datelor citite "
              "de la tastatura.",
              "Nu se pot introduce texte care sa depaseasca latimea ferestrei active."})
            QVERIFY2(help.contains(QLatin1String(text)), text);
        // Every caption fits its control.
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            for (auto *b : tabs->widget(page)->findChildren<QCheckBox *>())
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
        }
        for (QLabel *l : g.dlg->findChildren<QLabel *>())
            if (l->isVisibleTo(g.dlg) && !l->wordWrap())
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));

        QVERIFY(g.opt("optIntroduceInVariabila")->isChecked() && g.opt("optText")->isChecked());
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
        QCOMPARE(g.checked(), QStringLiteral("K!N"));

        // The record holds the opening defaults; the palette's name stays
        // until one is typed.
        const Obiect &o = s.obj(1);
        QCOMPARE(o.Variabila, FlagTrue);
        QCOMPARE(o.TipDate, QStringLiteral("T"));
        QCOMPARE(o.Lungime, quint8(3));
        QCOMPARE(o.Valoare, QString());
        QCOMPARE(o.Nume, QStringLiteral("GET 1"));
        QCOMPARE(flags(o), QStringLiteral("K!N"));
    });
    QVERIFY(ran);
    QVERIFY(!s.m->proiect().obiectFolosit(1)); // closed by the helper: cancelled
}

void TestFrmGet::dataTypeTable_data()
{
    QTest::addColumn<int>("prior");
    QTest::addColumn<int>("target");
    // From a type whose boxes are all set, so that every cleared, unchanged
    // and disabled box shows.
    const int pairs[][2] = {{1, 0}, {2, 0}, {3, 0}, {0, 1}, {3, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}};
    for (const auto &p : pairs)
        QTest::addRow("%s to %s", typeOptions[p[0]], typeOptions[p[1]]) << p[0] << p[1];
}

void TestFrmGet::dataTypeTable()
{
    QFETCH(int, prior);
    QFETCH(int, target);
    Session s(30);
    s.newGet([&](const Get &g) {
        g.choose(typeOptions[prior]);
        for (const Caseta &c : casete)
            if (g.box(c.name)->isEnabled() && !g.box(c.name)->isChecked())
                g.box(c.name)->click();
        g.box('K')->click(); // cleared, to see it checked again
        if (prior <= 1) {
            g.retype(g.length(), QStringLiteral("7"));
            g.retype(g.value(), QStringLiteral("5"));
        } else if (prior == 3) {
            g.logical()->setCurrentIndex(1);
        }
        const QString before = g.checked();
        const QString digitsCaption = g.box('9')->text();

        g.choose(typeOptions[target]);

        const Obiect &o = s.obj(1);
        for (const Caseta &c : casete) {
            const char state = c.states[target];
            const bool on = state == 'B' || (state == 'P' && before.contains(QLatin1Char(c.code)));
            QVERIFY2(g.box(c.name)->isEnabled() == (state != 'O'), c.name);
            QVERIFY2(g.box(c.name)->isChecked() == on, c.name);
        }
        QCOMPARE(flags(o), g.checked());
        const char *captions[] = {"Accepta numai cifre", "Accepta numai cifre si semnul - (minus)"};
        QCOMPARE(g.box('9')->text(), target <= 1 ? QLatin1String(captions[target]) : digitsCaption);

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

void TestFrmGet::variableOrField()
{
    Session s(30);
    s.newGet([&](const Get &g) {
        const Obiect &o = s.obj(1);
        QWidget *valueControls[] = {g.value(), g.logical(), g.c<QLabel>("lblValoareImplicita")};
        g.choose("optIntroduceInCamp");
        QCOMPARE(g.caption("lblVariabila"), QStringLiteral("Camp:"));
        QCOMPARE(o.Variabila, FlagFalse);
        for (QWidget *w : valueControls)
            QVERIFY(!w->isEnabled());
        QVERIFY(g.date()->isEnabled());
        g.choose("optIntroduceInVariabila");
        QCOMPARE(g.caption("lblVariabila"), QStringLiteral("Variabila:"));
        QCOMPARE(o.Variabila, FlagTrue);
        for (QWidget *w : valueControls)
            QVERIFY(w->isEnabled());

        // A field has no initialisation line, but the same @ GET line.
        QTest::keyClicks(g.name(), QStringLiteral("NUME"));
        g.choose("optIntroduceInCamp");
        g.apply()->click();
    });
    const QStringList lines = s.lines();
    QVERIFY(lines.contains(QStringLiteral("@ 0,0 GET NUME FUNCTION 'K!' PICTURE 'NNN'")));
    QVERIFY(lines.filter(QStringLiteral("SPACE(")).isEmpty());
    QCOMPARE(s.list()->item(0)->text(), QStringLiteral("@GET1 [CAMP: NUME]"));
}

void TestFrmGet::filtersTypedAndPasted()
{
    Session s(30);
    s.newGet([&](const Get &g) {
        const Obiect &o = s.obj(1);
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

        // The comment holds at most 150 characters.
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

        // Each click, and the boxes and flags after it. Clearing a box only
        // clears its own flag; boxes outside the groups leave the others alone.
        const char *const after[] = {"JK!N",  "IK!N",  "BK!N",  "K!N",  "KA!N",
                                     "KAT!N", "KAT!9", "KAT!#", "KAT!N"};
        for (int i = 0; i < 9; ++i) {
            g.box("JIBBAT9#N"[i])->click();
            QCOMPARE(g.checked(), QLatin1String(after[i]));
            QCOMPARE(flags(s.obj(1)), QLatin1String(after[i]));
        }
    });
}

void TestFrmGet::textAfisatFitsTheLength()
{
    Session s(30);
    s.newGet([&](const Get &g) {
        const Obiect &o = s.obj(1);
        QTest::keyClicks(g.name(), QStringLiteral("ab"));
        QCOMPARE(o.TextAfisat, QStringLiteral("ab "));
        QTest::keyClicks(g.name(), QStringLiteral("cd"));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        // The length alone does not refit it...
        g.click("up", 2);
        QCOMPARE(o.Lungime, quint8(5));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        QTest::keyClicks(g.name(), QStringLiteral("-$")); // refused keys are no edit
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        // ...the next edit of the name does.
        QTest::keyClick(g.name(), Qt::Key_Backspace);
        QCOMPARE(o.TextAfisat, QStringLiteral("abc  "));
        g.click("down", 2);
        QTest::keyClicks(g.name(), QStringLiteral("_"));
        QCOMPARE(o.TextAfisat, QStringLiteral("abc"));
        g.apply()->click();
    });
    QVERIFY(s.label(1)->isVisible());
    QCOMPARE(s.label(1)->caption(), QStringLiteral("abc"));
    QCOMPARE(s.list()->item(0)->text(), QStringLiteral("@GET1 [VARIABILA: abc_]"));
    QVERIFY(control<QAction>(*s.m, O, "STERGE")->isEnabled());
}

void TestFrmGet::lengthLimits()
{
    Session s(20);
    s.newGet([&](const Get &g) {
        const Obiect &o = s.obj(1);
        QLineEdit *len = g.length();
        g.click("up", 30);
        QCOMPARE(len->text(), QStringLiteral("18"));
        QCOMPARE(o.Lungime, quint8(18));
        g.click("down", 30);
        QCOMPARE(len->text(), QStringLiteral("1"));
        QCOMPARE(o.Lungime, quint8(1));

        // Digits only; Backspace is no key of this box.
        g.focus(len);
        len->end(false);
        QTest::keyClicks(len, QStringLiteral("a-2"));
        QTest::keyClick(len, Qt::Key_Backspace);
        QCOMPARE(len->text(), QStringLiteral("12"));
        QCOMPARE(o.Lungime, quint8(12));

        // Leaving the box brings it into 1..w; while typed, the record holds
        // what was typed, never more than a byte holds.
        const struct {
            const char *typed;
            int whileTyped;
            const char *left;
        } cases[] = {{"999", 255, "18"}, {"0", -1, "1"}, {"", 0, "1"}};
        for (const auto &c : cases) {
            g.retype(len, QLatin1String(c.typed));
            if (c.whileTyped >= 0)
                QCOMPARE(int(o.Lungime), c.whileTyped);
            g.leave();
            QCOMPARE(len->text(), QLatin1String(c.left));
            QCOMPARE(QByteArray::number(o.Lungime), QByteArray(c.left));
        }
        g.focus(len);
        len->selectAll();
        g.paste(len, QStringLiteral("1x5"));
        QCOMPARE(len->text(), QStringLiteral("15"));

        // Data and Logic fix the length.
        g.choose("optLogic");
        g.click("up");
        QCOMPARE(len->text(), QStringLiteral("1"));
        g.choose("optData");
        g.click("down");
        QCOMPARE(len->text(), QStringLiteral("8"));
        QCOMPARE(o.Lungime, quint8(8));

        // Apply settles a length still being typed.
        g.choose("optText");
        QTest::keyClicks(g.name(), QStringLiteral("t"));
        g.retype(len, QStringLiteral("40"));
        g.apply()->click();
    });
    QCOMPARE(s.obj(1).Lungime, quint8(18));
    QVERIFY(s.lines().contains(QStringLiteral("t = SPACE(18)")));
}

void TestFrmGet::numericDefaultValue()
{
    Session s(30);
    s.newGet([&](const Get &g) {
        const Obiect &o = s.obj(1);
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
    QVERIFY(s.lines().contains(QStringLiteral("suma=-12.5")));
}

void TestFrmGet::dateMaskFollowsTheSettings()
{
    Session s(30);
    const struct {
        bool zla, four;
        const char *mask;
    } cases[] = {{true, true, "ZZ/LL/AAAA"},
                 {true, false, "ZZ/LL/AA"},
                 {false, true, "LL/ZZ/AAAA"},
                 {false, false, "LL/ZZ/AA"}};
    for (const auto &c : cases) {
        // Read when the editor opens: a change of the settings shows at once.
        s.m->proiect().setari.FormatZLA = toFlag(c.zla);
        s.m->proiect().setari.AnulArePatruCifre = toFlag(c.four);
        QString shown;
        s.newGet([&](const Get &g) {
            g.choose("optData");
            shown = g.date()->currentText();
            QCOMPARE(g.date()->count(), 1);
        });
        QCOMPARE(shown, QLatin1String(c.mask));
    }
}

void TestFrmGet::applyWritesGeneratedLines()
{
    Session s(40);
    s.add("nume", "optText", [](const Get &g) {
        g.click("up", 7);
        g.retype(g.value(), QStringLiteral("abc"));
        g.box('I')->click();
        g.box('T')->click();
    });
    s.add("suma", "optNumeric", [](const Get &g) {
        g.click("up");
        g.box('K')->click();
        g.box('$')->click();
    });
    s.add("activ", "optLogic", [](const Get &g) { g.logical()->setCurrentIndex(1); });
    s.add("ziua", "optData", [](const Get &) {});
    QCOMPARE(s.list()->count(), 4);
    const QStringList lines = s.lines();
    const QStringList expected = {
        QStringLiteral("nume = SPACE(7) + 'abc'"),
        QStringLiteral("suma=0"),
        QStringLiteral("activ=.T."),
        QStringLiteral("ziua={}"),
        QStringLiteral("@ 0,0 GET nume FUNCTION 'IKT!' PICTURE 'NNNNNNNNNN'"),
        QStringLiteral("@ 0,0 GET suma FUNCTION 'L$' PICTURE '9999'"),
        QStringLiteral("@ 0,0 GET activ FUNCTION 'K' PICTURE 'Y'"),
        QStringLiteral("@ 0,0 GET ziua FUNCTION 'KD'"),
        QStringLiteral("READ"),
    };
    const int first = int(lines.indexOf(expected.first()));
    QVERIFY2(first >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(first, expected.size()), expected);
}

void TestFrmGet::cancelKeepsTheRecords_data()
{
    QTest::addColumn<Body>("cancel");
    QTest::newRow("Anuleaza") << Body([](const Get &g) { g.c<QPushButton>("cmdAnuleaza")->click(); });
    QTest::newRow("Escape") << Body([](const Get &g) { QTest::keyClick(g.dlg, Qt::Key_Escape); });
    QTest::newRow("close") << Body([](const Get &g) { g.dlg->close(); });
}

void TestFrmGet::cancelKeepsTheRecords()
{
    QFETCH(Body, cancel);
    Session s(30);
    s.newGet([&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("abc"));
        cancel(g);
    });
    QVERIFY(!s.m->proiect().obiectFolosit(1));
    QCOMPARE(s.list()->count(), 0);
    QVERIFY(!s.label(1)->isVisible());

    s.add("cod", "optNumeric", [](const Get &g) {
        g.retype(g.value(), QStringLiteral("42"));
        QTest::keyClicks(g.comment(), QStringLiteral("un cod"));
    });
    const QStringList stored = dump(s.obj(1));
    // With another object there, a cancel leaves it alone, even while a box
    // being edited loses the focus as the editor closes.
    s.newGet([&](const Get &g) {
        g.choose("optNumeric");
        g.retype(g.length(), QStringLiteral("77"));
        g.retype(g.value(), QStringLiteral("007"));
        cancel(g);
    });
    QVERIFY(!s.m->proiect().obiectFolosit(2));
    QCOMPARE(s.palette()->obiectSelectat(), 1);
    QCOMPARE(dump(s.obj(1)), stored);

    // An existing object gets back what it held when the editor opened.
    s.reopen(1, [&](const Get &g) {
        g.choose("optIntroduceInCamp");
        g.choose("optText");
        QTest::keyClicks(g.name(), QStringLiteral("xyz"));
        g.retype(g.length(), QStringLiteral("9"));
        QTest::keyClicks(g.comment(), QStringLiteral(" schimbat"));
        g.box('J')->click();
        g.box('K')->click();
        QVERIFY(dump(s.obj(1)) != stored); // written through while open
        cancel(g);
    });
    QVERIFY(s.m->proiect().obiectFolosit(1));
    QCOMPARE(dump(s.obj(1)), stored);
    QCOMPARE(s.list()->count(), 1);
    QVERIFY(s.lines().contains(QStringLiteral("cod=42")));
}

void TestFrmGet::reopenShowsTheStoredValues()
{
    Session s(30);
    s.add("ab", "optNumeric", [](const Get &g) {
        g.click("up", 4);
        g.retype(g.value(), QStringLiteral("-3.25"));
        g.choose("optIntroduceInCamp");
        g.box('K')->click();
        g.box('Z')->click();
        g.box('J')->click();
        QTest::keyClicks(g.comment(), QStringLiteral("sold"));
    });
    const QStringList stored = dump(s.obj(1));
    QCOMPARE(s.obj(1).TextAfisat, QStringLiteral("ab ")); // fitted to 3, not to 7
    s.reopen(1, [&](const Get &g) {
        QCOMPARE(dump(s.obj(1)), stored); // opening wrote nothing
        QVERIFY(g.opt("optIntroduceInCamp")->isChecked() && g.opt("optNumeric")->isChecked());
        QCOMPARE(g.caption("lblVariabila"), QStringLiteral("Camp:"));
        QCOMPARE(g.name()->text(), QStringLiteral("ab"));
        QVERIFY(g.apply()->isEnabled());
        QCOMPARE(g.length()->text(), QStringLiteral("7"));
        QCOMPARE(g.value()->text(), QStringLiteral("-3.25"));
        QVERIFY(!g.value()->isEnabled());
        QCOMPARE(g.comment()->toPlainText(), QStringLiteral("sold"));
        QCOMPARE(g.checked(), QStringLiteral("JLZ9"));
        QVERIFY(!g.box('!')->isEnabled());
        g.apply()->click();
    });
    QCOMPARE(dump(s.obj(1)), stored);
    QVERIFY(s.lines().contains(QStringLiteral("@ 0,0 GET ab FUNCTION 'JLZ' PICTURE '9999999'")));

    // A logical default and a date come back as stored, too.
    s.add("da", "optLogic", [](const Get &g) { g.logical()->setCurrentIndex(1); });
    s.reopen(2, [&](const Get &g) {
        QVERIFY(g.opt("optLogic")->isChecked() && g.shown(g.logical()));
        QCOMPARE(g.logical()->currentText(), QStringLiteral("T"));
        QCOMPARE(s.obj(2).Valoare, QStringLiteral("T"));
        g.choose("optData");
        g.apply()->click();
    });
    s.reopen(2, [&](const Get &g) {
        QVERIFY(g.opt("optData")->isChecked());
        QCOMPARE(g.date()->currentIndex(), 0);
        QCOMPARE(g.length()->text(), QStringLiteral("8"));
        QVERIFY(g.box('D')->isChecked());
    });
    QCOMPARE(s.obj(2).TipDate, QStringLiteral("D"));
}

void TestFrmGet::resetRestoresTheOpeningValues()
{
    Session s(30);
    s.newGet([&](const Get &g) {
        const QStringList opening = dump(s.obj(1));
        QTest::keyClicks(g.name(), QStringLiteral("q"));
        g.choose("optIntroduceInCamp");
        g.choose("optLogic");
        QTest::keyClicks(g.comment(), QStringLiteral("c"));
        g.box('I')->click();
        g.c<QPushButton>("cmdReset")->click();
        QCOMPARE(dump(s.obj(1)), opening);
        QVERIFY(g.name()->text().isEmpty());
        QVERIFY(!g.apply()->isEnabled());
        QVERIFY(g.opt("optIntroduceInVariabila")->isChecked() && g.opt("optText")->isChecked());
        QVERIFY(g.shown(g.value()) && !g.shown(g.logical()));
        QCOMPARE(g.length()->text(), QStringLiteral("3"));
        QVERIFY(g.comment()->toPlainText().isEmpty());
        QCOMPARE(g.checked(), QStringLiteral("K!N"));
        QVERIFY(g.box('A')->isEnabled());
        QTest::keyClicks(g.name(), QStringLiteral("r"));
        g.apply()->click();
    });
    QCOMPARE(s.obj(1).Nume, QStringLiteral("r"));

    s.add("n", "optNumeric", [](const Get &g) { g.retype(g.value(), QStringLiteral("5")); });
    const QStringList stored = dump(s.obj(2));
    s.reopen(2, [&](const Get &g) {
        QTest::keyClicks(g.name(), QStringLiteral("xx"));
        g.choose("optText");
        g.box('B')->click();
        g.c<QPushButton>("cmdReset")->click();
        QCOMPARE(dump(s.obj(2)), stored);
        QCOMPARE(g.name()->text(), QStringLiteral("n"));
        QVERIFY(g.opt("optNumeric")->isChecked());
        QCOMPARE(g.value()->text(), QStringLiteral("5"));
        QVERIFY(!g.box('B')->isChecked());
        g.apply()->click();
    });
    QCOMPARE(dump(s.obj(2)), stored);
}

QTEST_MAIN(TestFrmGet)
#include "tst_frmget.moc"
