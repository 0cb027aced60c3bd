// The interpreter: line forms on the screen's cells, every PICTURE/FUNCTION code on typed keys, moving
// between fields and buttons, errors naming the line.
#include "interpreter/interpretor.h"

#include <QtTest>

namespace {

// Window FER1 at row 2, column 10, 30 x 10, scheme 5 (white border on magenta).
const QString kFereastra =
    QStringLiteral("DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti' "
                   "SHADOW\nACTIVATE WINDOW FER1\n");

Interpretor ruleaza(const QString &program)
{
    Interpretor i;
    i.porneste(program.split(QLatin1Char('\n')));
    return i;
}

// Keys as text; {x} stands for one special key.
void apasa(Interpretor &i, const QString &taste)
{
    const QString coduri = QStringLiteral("LRHEBDITSUNCXW");
    const int speciale[] = {Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home,   Qt::Key_End,
                            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Tab,
                            Qt::Key_Backtab,   Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Return,
                            Qt::Key_Escape,    Qt::Key_W};
    for (int k = 0; k < taste.size(); ++k) {
        const int c = taste.at(k) == QLatin1Char('{') ? int(coduri.indexOf(taste.at(k + 1))) : -1;
        if (c >= 0)
            i.tasta(speciale[c], c == 13 ? Qt::ControlModifier : Qt::NoModifier, QString());
        else
            i.tasta(taste.at(k).toUpper().unicode(), {}, taste.mid(k, 1));
        k += c >= 0 ? 2 : 0;
    }
}

QString celule(const Interpretor &i, int col, int rand, int n)
{
    return i.ecran().rand(rand).mid(col, n);
}

} // namespace

class TestInterpretor : public QObject
{
    Q_OBJECT

private slots:
    void formeDeLinii_data();
    void formeDeLinii();
    void erori_data();
    void erori();
    void coduri_data();
    void coduri();
    void navigare_data();
    void navigare();
    void caFoxPro_data();
    void caFoxPro();
};

void TestInterpretor::formeDeLinii_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QPoint>("celula");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cerneala"); // -1: not checked
    QTest::addColumn<int>("fundal");
    const QString f = kFereastra;
    QTest::newRow("no shadow left of it") << f << QPoint(11, 12) << " " << -1 << Culori::Black;
    QTest::newRow("title joined")
        << "DEFINE WINDOW FER2 FROM 0,0 TO 4,19 COLOR SCHEME 1 TITLE \"it's\"+'\"x'\n"
           "ACTIVATE WINDOW FER2"
        << QPoint(7, 0) << "it's\"x" << -1 << -1;
    QTest::newRow("say after get") << f + "x=SPACE(3)\n@ 0,0 GET x\n@ 1,0 SAY 'a'" << QPoint(11, 4) << "a"
                                   << Culori::White << Culori::Magenta;
    QTest::newRow("get text") << f + "nume = SPACE(7) + 'abc'\n@ 1,1 GET nume" << QPoint(12, 4)
                              << "       abc" << Culori::White << Culori::Black;
    QTest::newRow("get picture width")
        << f + "x = SPACE(9)\n@ 1,1 GET x PICTURE 'NNN'" << QPoint(12, 4) << "   " << -1 << Culori::Black;
    QTest::newRow("deactivate") << f + "DEACTIVATE WINDOW FER1\nx=1\n@ 0,0 GET x\nREAD" << QPoint(10, 2)
                                << "  " << -1 << Culori::Black;
    QTest::newRow("later window covers") << f + "DEFINE WINDOW FER2 FROM 0,0 TO 4,11 COLOR SCHEME 7\n"
                                                "ACTIVATE WINDOW FER2"
                                         << QPoint(10, 2) << " │" << Culori::Yellow << Culori::Red;
    QTest::newRow("shadow falls on window") << "DEFINE WINDOW FER2 FROM 12,20 TO 16,35 COLOR SCHEME 7\n"
                                               "ACTIVATE WINDOW FER2\n" +
                                                   f
                                            << QPoint(20, 12) << "┌─" << -1 << 0x404040;
}

void TestInterpretor::formeDeLinii()
{
    QFETCH(QString, program);
    QFETCH(QPoint, celula);
    QFETCH(QString, text);
    QFETCH(int, cerneala);
    QFETCH(int, fundal);
    const Interpretor i = ruleaza("SET TALK OFF\n* a comment\n\n" + program);
    QVERIFY2(i.stare() != Interpretor::Stare::Eroare, qPrintable(i.eroare()));
    QCOMPARE(celule(i, celula.x(), celula.y(), int(text.size())), text);
    // The colours of the last cell checked.
    const Celula &c = i.ecran().at(celula.x() + int(text.size()) - 1, celula.y());
    QVERIFY(cerneala < 0 || c.cerneala == cerneala);
    QVERIFY(fundal < 0 || c.fundal == fundal);
}

void TestInterpretor::erori_data()
{
    QTest::addColumn<QString>("linie");
    // One bad line each; "|" between them.
    const QString linii = QStringLiteral(
        "FOO BAR|ACTIVATE WINDOW FER9|@ 1,1 SAY 'abc|@ 1,1 SAY 'x' COLOR Q/B|@ 1,1 SAY 'x' COLOR W+|x=|"
        "x = SPACE(3|x={1}|x=.Q.|SET DATE TO MARTE|SET TALK MAYBE|SET COLOR TO W|CLOSE DATABASES|"
        "READ NOW|@ 1,1 GET|@ 1 SAY 'x'|@ 1,1 SHOW x|@ 1,1 GET x WHEN .T.|"
        "DEFINE WINDOW W FROM 5,5 TO 2,2|DEFINE WINDOW W FROM 0,0 TO 30,90|"
        "DEFINE WINDOW W FROM 0,0 TO 4,4 BORDER|DEFINE MENU M|DEACTIVATE WINDOW|ACTIVATE SCREEN");
    for (const QString &l : linii.split(u'|'))
        QTest::newRow(qPrintable(l)) << l;
}

void TestInterpretor::erori()
{
    QFETCH(QString, linie);
    const Interpretor i = ruleaza("SET ECHO OFF\nCLEAR\n" + linie + "\n@ 0,0 SAY 'dupa'");
    QCOMPARE(i.stare(), Interpretor::Stare::Eroare);
    QVERIFY(i.eroare().contains(QStringLiteral("linia 3")) && i.eroare().endsWith(linie));
}

void TestInterpretor::coduri_data()
{
    QTest::addColumn<QString>("program"); // the variable is x, its field at the screen's 0,0
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QString>("afisat");  // the field once READ is over; empty: not checked
    QTest::addColumn<QString>("valoare"); // after the keys and Ctrl+W
    const auto rand = [](const char *nume, const char *program, const char *taste, const char *afisat,
                         const char *valoare) {
        QTest::newRow(nume) << QString(program) << QString(taste) << QString(afisat) << QString(valoare);
    };
    rand("9", "x=SPACE(4)\n@ 0,0 GET x PICTURE '9999'", "a1-b+", "", "\"1-+ \"");
    rand("#", "x=SPACE(4)\n@ 0,0 GET x PICTURE '####'", "1 x-2", "", "\"1 -2\"");
    rand("N", "x=SPACE(3)\n@ 0,0 GET x PICTURE 'NNN'", "a_ 1", "", "\"a1 \"");
    rand("Y", "x=.F.\n@ 0,0 GET x PICTURE 'Y'", "qy", "Y", ".T.");
    rand("!", "x=SPACE(3)\n@ 0,0 GET x FUNCTION '!'", "a1b", "", "\"A1B\"");
    rand("A", "x=SPACE(3)\n@ 0,0 GET x FUNCTION 'A'", "a1 b", "", "\"ab \"");
    rand("K", "x=SPACE(0) + 'abc'\n@ 0,0 GET x FUNCTION 'K'", "z", "z  ", "\"z  \"");
    rand("Z", "x=0\n@ 0,0 GET x FUNCTION 'Z'", "", "          ", "0");
    rand("B", "x=5\n@ 0,0 GET x FUNCTION 'B'", "", "5         ", "5");
    rand("$", "x=5\n@ 0,0 GET x FUNCTION '$'", "", "        $5", "5");
    rand("^", "x=1500\n@ 0,0 GET x FUNCTION '^'", "", " 1.500E+03", "1500");
    rand("T", "x=SPACE(2) + 'ab'\n@ 0,0 GET x FUNCTION 'T'", "", "ab  ", "\"  ab\"");
    rand("D dmy", "SET CENTURY ON\nSET DATE TO DMY\nx={}\n@ 0,0 GET x FUNCTION 'D'", "31x122024",
         "31/12/2024", "31/12/2024");
    rand("insert", "x=SPACE(0) + 'abc '\n@ 0,0 GET x", "{I}{R}z", "", "\"azbc\"");
    rand("backspace", "x=SPACE(0) + 'abcd  '\n@ 0,0 GET x", "{E}{B}{B}", "", "\"ab    \"");
    rand("delete", "x=SPACE(0) + 'abcd'\n@ 0,0 GET x", "{R}{D}", "", "\"acd \"");
    rand("home end", "x=SPACE(0) + 'ab  '\n@ 0,0 GET x", "{E}z{H}y", "", "\"ybz \"");
}

void TestInterpretor::coduri()
{
    QFETCH(QString, program);
    QFETCH(QString, taste);
    QFETCH(QString, afisat);
    QFETCH(QString, valoare);
    Interpretor i = ruleaza("CLEAR\n" + program + "\nREAD");
    QCOMPARE(i.cursor(), QPoint(0, 0));
    apasa(i, taste + "{W}");
    QCOMPARE(i.stare(), Interpretor::Stare::Terminat);
    if (!afisat.isEmpty())
        QCOMPARE(celule(i, 0, 0, int(afisat.size())), afisat);
    QCOMPARE(i.textValoare(*i.variabila("X")), valoare);
    QCOMPARE(i.variabileCitite(), QStringList{"x"});
}

void TestInterpretor::navigare_data()
{
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("ales"); // the bar's variable
    QTest::newRow("start") << "" << QPoint(0, 0) << 0;
    QTest::newRow("right") << "{R}" << QPoint(11, 0) << 0;
    QTest::newRow("enter chooses") << "{R}{C}" << QPoint(11, 0) << 2;
    QTest::newRow("hot letter") << "p" << QPoint(22, 0) << 3;
    QTest::newRow("enter on last ends") << "{T}{T}{T}{C}" << QPoint(-1, -1) << 0;
}

void TestInterpretor::navigare()
{
    QFETCH(QString, taste);
    QFETCH(QPoint, cursor);
    QFETCH(int, ales);
    Interpretor i =
        ruleaza("CLEAR\nopt=0\n@ 0,0 GET opt FUNCTION '*H Da;Nu;\\<Poate' SIZE 1,10 COLOR W+/B\n"
                "a=SPACE(3)\n@ 1,0 GET a\nb=SPACE(3)\n@ 2,0 GET b\nc=SPACE(3)\n@ 3,0 GET c\nREAD\n"
                "@ 5,0 SAY 'gata'");
    QCOMPARE(celule(i, 0, 0, 32), QStringLiteral("<      Da> <      Nu> <   Poate>"));
    apasa(i, taste);
    QCOMPARE(i.cursor(), cursor);
    QCOMPARE(i.variabila("opt")->numar, double(ales));
    // Once READ is over the program goes on.
    QCOMPARE(celule(i, 0, 5, 4) == QLatin1String("gata"), cursor == QPoint(-1, -1));
}

void TestInterpretor::caFoxPro_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QPoint>("cursor"); // (-1, -1): READ is over
    QTest::addColumn<QPoint>("celula");
    QTest::addColumn<QString>("text"); // at celula, or the error the program stops at
    QTest::addColumn<int>("cerneala"); // of the text's last cell; -1: not checked
    auto rand = [](const char *nume, const QString &program, const char *taste, QPoint cursor, QPoint celula,
                   const QString &text, int cerneala = -1) {
        QTest::newRow(nume) << program << QString(taste) << cursor << celula << text << cerneala;
    };
    const QPoint gata(-1, -1);
    const QString doua = "a=SPACE(3)\n@ 0,0 GET a\nb=SPACE(3)\n@ 1,0 GET b\nREAD\n@ 3,0 SAY 'gata'";
    // READ without CYCLE ends past either end.
    rand("no CYCLE: Tab after the last field", doua, "{T}{T}", gata, {0, 3}, "gata");
    rand("no CYCLE: Shift+Tab before the first", doua, "{S}", gata, {0, 3}, "gata");
    // SET CONFIRM OFF: the last character of a field moves on.
    rand("CONFIRM OFF: full field", doua, "abc", {0, 1}, {0, 0}, "abc");
    rand("CONFIRM OFF: full last field", doua, "{T}xyz", gata, {0, 1}, "xyz");
    // Home moves the cursor and nothing else.
    rand("Home keeps the text", "x=SPACE(3)\n@ 0,0 GET x\nREAD", "xy{H}{W}", gata, {0, 0}, "xy ");
    rand("Home: a date is still checked", "SET DATE TO DMY\nd={}\n@ 0,0 GET d\nb=SPACE(3)\n@ 1,0 GET b\nREAD",
         "310224{H}{T}", {0, 0}, {0, 0}, "31/02/24");
    // FUNCTION J right-justifies text, B left-justifies numbers.
    rand("J", "x='ab  '\n@ 0,0 GET x FUNCTION 'J'\nREAD", "{W}", gata, {0, 0}, "  ab");
    rand("B while READ shows it", "x=5\n@ 0,0 GET x FUNCTION 'B'\nREAD", "", {0, 0}, {0, 0}, "5         ");
    // "Position is off the screen": @ SAY or @ GET starting outside the window's interior.
    rand("SAY off the window", kFereastra + "@ 8,0 SAY 'x'", "", gata, {},
         "Eroare la linia 4: pozitia este in afara ferestrei\n@ 8,0 SAY 'x'");
    rand("GET off the window", kFereastra + "x=1\n@ 0,28 GET x", "", gata, {},
         "Eroare la linia 5: pozitia este in afara ferestrei\n@ 0,28 GET x");
    // READ without a GET returns at once; the screen stays as the program last showed it.
    rand("no GET: screen before DEACTIVATE", kFereastra + "@ 1,1 SAY 'abc'\nREAD\nDEACTIVATE WINDOW FER1", "",
         gata, {12, 4}, "abc");
    // "\<" marks a push button's hot letter, which shows highlighted and unmarked.
    rand("hot letter", "o=0\n@ 0,0 GET o FUNCTION '*H Da;\\<Nu' SIZE 1,10 COLOR W+/B\nREAD", "", {0, 0},
         {0, 0}, "<      Da> <      N", Culori::Yellow);
}

void TestInterpretor::caFoxPro()
{
    QFETCH(QString, program);
    QFETCH(QString, taste);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, celula);
    QFETCH(QString, text);
    QFETCH(int, cerneala);
    Interpretor i = ruleaza("CLEAR\n" + program);
    apasa(i, taste);
    const bool eroare = text.startsWith(QLatin1String("Eroare"));
    QCOMPARE(i.cursor(), cursor);
    QCOMPARE(eroare ? i.eroare() : celule(i, celula.x(), celula.y(), int(text.size())), text);
    QCOMPARE(i.stare() == Interpretor::Stare::Eroare, eroare);
    QVERIFY(cerneala < 0 || i.ecran().at(celula.x() + int(text.size()) - 1, celula.y()).cerneala == cerneala);
}

QTEST_GUILESS_MAIN(TestInterpretor)
#include "tst_interpretor.moc"
