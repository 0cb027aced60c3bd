// The interpreter of generated programs: every line form checked on the
// screen's cells, every PICTURE/FUNCTION code on typed keys, moving between
// fields and buttons, and errors that name the line.
#include "interpreter/interpretor.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Window FER1 at row 2, column 10, 30 x 10, scheme 5 (white border on magenta).
const QString kFereastra = QStringLiteral("DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti' "
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
    static const QHash<QChar, std::pair<int, Qt::KeyboardModifiers>> speciale = {
        {'L', {Qt::Key_Left, {}}},       {'R', {Qt::Key_Right, {}}},  {'H', {Qt::Key_Home, {}}},
        {'E', {Qt::Key_End, {}}},        {'B', {Qt::Key_Backspace, {}}}, {'D', {Qt::Key_Delete, {}}},
        {'I', {Qt::Key_Insert, {}}},     {'T', {Qt::Key_Tab, {}}},    {'S', {Qt::Key_Backtab, {}}},
        {'U', {Qt::Key_Up, {}}},         {'N', {Qt::Key_Down, {}}},   {'C', {Qt::Key_Return, {}}},
        {'X', {Qt::Key_Escape, {}}},     {'W', {Qt::Key_W, Qt::ControlModifier}}};
    for (int k = 0; k < taste.size(); ++k) {
        if (taste.at(k) == QLatin1Char('{')) {
            const auto [key, mod] = speciale.value(taste.at(k + 1));
            i.tasta(key, mod, QString());
            k += 2;
        } else {
            i.tasta(taste.at(k).toUpper().unicode(), {}, taste.mid(k, 1));
        }
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
    void programeStricate();
};

void TestInterpretor::formeDeLinii_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QPoint>("celula");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cerneala"); // -1: not checked
    QTest::addColumn<int>("fundal");
    const QString f = kFereastra;
    QTest::newRow("frame corner") << f << QPoint(10, 2) << "┌──" << Culori::White << Culori::Magenta;
    QTest::newRow("frame side") << f << QPoint(39, 5) << "│" << Culori::White << Culori::Magenta;
    QTest::newRow("frame bottom") << f << QPoint(38, 11) << "─┘" << Culori::White << Culori::Magenta;
    QTest::newRow("title centred") << f << QPoint(21, 2) << "Clienti" << Culori::White << Culori::Magenta;
    QTest::newRow("interior") << f << QPoint(11, 3) << " " << Culori::White << Culori::Magenta;
    QTest::newRow("shadow right") << f << QPoint(40, 3) << "  " << -1 << 0x404040;
    QTest::newRow("shadow below") << f << QPoint(12, 12) << " " << -1 << 0x404040;
    QTest::newRow("no shadow left of it") << f << QPoint(11, 12) << " " << -1 << Culori::Black;
    QTest::newRow("no shadow above it") << f << QPoint(40, 2) << " " << -1 << Culori::Black;
    QTest::newRow("scheme 1") << "DEFINE WINDOW FER2 FROM 0,0 TO 4,9 COLOR SCHEME 1\nACTIVATE WINDOW FER2"
                              << QPoint(0, 0) << "┌" << Culori::Yellow << Culori::Blue;
    QTest::newRow("title joined") << "DEFINE WINDOW FER2 FROM 0,0 TO 4,19 COLOR SCHEME 1 TITLE \"it's\"+'\"x'\n"
                                     "ACTIVATE WINDOW FER2"
                                  << QPoint(7, 0) << "it's\"x" << -1 << -1;
    QTest::newRow("title of blanks hidden") << "DEFINE WINDOW FER2 FROM 0,0 TO 4,9 COLOR SCHEME 1 TITLE '   '\n"
                                               "ACTIVATE WINDOW FER2"
                                            << QPoint(3, 0) << "───" << -1 << -1;
    QTest::newRow("say literal") << f + "@ 2,5 SAY 'Nume' COLOR W+/B" << QPoint(16, 5) << "Nume" << Culori::White
                                 << Culori::Blue;
    QTest::newRow("say bracket") << f + "@ 0,0 SAY [it's \"x\"]" << QPoint(11, 3) << "it's \"x\"" << Culori::White
                                 << Culori::Magenta;
    QTest::newRow("say clipped to window") << f + "@ 0,25 SAY 'abcdef'" << QPoint(36, 3) << "abc│" << -1 << -1;
    QTest::newRow("say variable") << f + "x = SPACE(2) + 'ab'\n@ 0,0 SAY x" << QPoint(11, 3) << "  ab" << -1 << -1;
    QTest::newRow("say number") << f + "n=12.5\n@ 0,0 SAY n" << QPoint(11, 3) << "      12.5" << -1 << -1;
    QTest::newRow("say after get") << f + "x=SPACE(3)\n@ 0,0 GET x\n@ 1,0 SAY 'a'" << QPoint(11, 4) << "a"
                                   << Culori::White << Culori::Magenta;
    QTest::newRow("say colour codes") << f + "@ 1,1 SAY 'x' COLOR 6/3" << QPoint(12, 4) << "x" << Culori::Yellow
                                      << Culori::Cyan;
    QTest::newRow("get text") << f + "nume = SPACE(7) + 'abc'\n@ 1,1 GET nume" << QPoint(12, 4) << "       abc"
                              << Culori::White << Culori::Black;
    QTest::newRow("get negative space") << f + "nume = SPACE(-2) + 'abcde'\n@ 1,1 GET nume\nREAD" << QPoint(12, 4)
                                        << "abcde " << -1 << -1;
    QTest::newRow("get picture width") << f + "x = SPACE(9)\n@ 1,1 GET x PICTURE 'NNN'" << QPoint(12, 4) << "   "
                                       << -1 << Culori::Black;
    QTest::newRow("after picture width") << f + "x = SPACE(9)\n@ 1,1 GET x PICTURE 'NNN'" << QPoint(15, 4) << " "
                                         << -1 << Culori::Magenta;
    QTest::newRow("get number") << f + "n=7\n@ 0,0 GET n" << QPoint(11, 3) << "         7 " << -1 << -1;
    QTest::newRow("get logical") << f + "a=.T.\n@ 0,0 GET a" << QPoint(11, 3) << "T " << -1 << -1;
    QTest::newRow("get date dmy") << "SET CENTURY ON\nSET DATE TO DMY\n" + f + "d={}\n@ 0,0 GET d" << QPoint(11, 3)
                                  << "  /  /     " << -1 << -1;
    QTest::newRow("get date default") << f + "d={}\n@ 0,0 GET d" << QPoint(11, 3) << "  /  /   " << -1 << -1;
    QTest::newRow("get table field") << f + "@ 0,0 GET camp PICTURE '999'" << QPoint(11, 3) << "    " << -1 << -1;
    QTest::newRow("buttons") << f + "opt=0\n@ 6,2 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W" << QPoint(13, 9)
                             << "<      Da> <      Nu>" << Culori::Black << Culori::LightGray;
    QTest::newRow("deactivate") << f + "DEACTIVATE WINDOW FER1" << QPoint(10, 2) << "  " << -1 << Culori::Black;
    QTest::newRow("reactivated keeps text") << f + "@ 0,0 SAY 'a'\nDEACTIVATE WINDOW FER1\nACTIVATE WINDOW FER1"
                                            << QPoint(11, 3) << "a" << -1 << -1;
    QTest::newRow("clear window") << f + "@ 0,0 SAY 'a'\nCLEAR" << QPoint(10, 3) << "│ " << -1 << -1;
    QTest::newRow("no window: screen") << "CLEAR\n@ 3,4 SAY 'z'" << QPoint(4, 3) << "z" << Culori::LightGray
                                       << Culori::Black;
    QTest::newRow("later window covers") << f + "DEFINE WINDOW FER2 FROM 0,0 TO 4,11 COLOR SCHEME 7\n"
                                                "ACTIVATE WINDOW FER2"
                                         << QPoint(10, 2) << " │" << Culori::Yellow << Culori::Red;
    QTest::newRow("shadow falls on window") << "DEFINE WINDOW FER2 FROM 12,20 TO 16,35 COLOR SCHEME 7\n"
                                               "ACTIVATE WINDOW FER2\n" + f
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
    for (int k = 0; k < text.size(); ++k) {
        const Celula &c = i.ecran().at(celula.x() + k, celula.y());
        if (cerneala >= 0 && text.at(k) != QLatin1Char(' '))
            QCOMPARE(c.cerneala, cerneala);
        if (fundal >= 0)
            QCOMPARE(c.fundal, fundal);
    }
}

void TestInterpretor::erori_data()
{
    QTest::addColumn<QString>("linie");
    for (const char *l : {"FOO BAR", "ACTIVATE WINDOW FER9", "@ 1,1 SAY 'abc", "@ 1,1 SAY 'x' COLOR Q/B",
                          "@ 1,1 SAY 'x' COLOR W+", "x=", "x = SPACE(3", "x={1}", "x=.Q.", "SET DATE TO MARTE",
                          "SET TALK MAYBE", "SET COLOR TO W", "CLOSE DATABASES", "READ NOW", "@ 1,1 GET",
                          "@ 1 SAY 'x'", "@ 1,1 SHOW x", "@ 1,1 GET x WHEN .T.", "DEFINE WINDOW W FROM 5,5 TO 2,2",
                          "DEFINE WINDOW W FROM 0,0 TO 30,90", "DEFINE WINDOW W FROM 0,0 TO 4,4 BORDER",
                          "DEFINE MENU M", "DEACTIVATE WINDOW", "ACTIVATE SCREEN"})
        QTest::newRow(l) << QString::fromUtf8(l);
}

void TestInterpretor::erori()
{
    QFETCH(QString, linie);
    const Interpretor i = ruleaza("SET ECHO OFF\nCLEAR\n" + linie + "\n@ 0,0 SAY 'dupa'");
    QCOMPARE(i.stare(), Interpretor::Stare::Eroare);
    QVERIFY(i.eroare().contains(QStringLiteral("linia 3")));
    QVERIFY(i.eroare().contains(linie));
    QVERIFY(!i.ecran().rand(0).contains(QStringLiteral("dupa")));
}

void TestInterpretor::coduri_data()
{
    QTest::addColumn<QString>("program"); // the variable is x, its field at the screen's 0,0
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QString>("afisat"); // the field once READ is over; empty: not checked
    QTest::addColumn<QString>("valoare"); // after the keys and Ctrl+W
    QTest::newRow("9") << "x=SPACE(4)\n@ 0,0 GET x PICTURE '9999'" << "a1-b+" << "" << "\"1-+ \"";
    QTest::newRow("#") << "x=SPACE(4)\n@ 0,0 GET x PICTURE '####'" << "1 x-2" << "" << "\"1 -2\"";
    QTest::newRow("N") << "x=SPACE(3)\n@ 0,0 GET x PICTURE 'NNN'" << "a_ 1" << "" << "\"a1 \"";
    QTest::newRow("Y") << "x=.F.\n@ 0,0 GET x PICTURE 'Y'" << "qy" << "Y" << ".T.";
    QTest::newRow("Y refuses") << "x=.T.\n@ 0,0 GET x PICTURE 'Y'" << "tf" << "Y" << ".T.";
    QTest::newRow("logical") << "x=.T.\n@ 0,0 GET x" << "n" << "F" << ".F.";
    QTest::newRow("!") << "x=SPACE(3)\n@ 0,0 GET x FUNCTION '!'" << "a1b" << "" << "\"A1B\"";
    QTest::newRow("A") << "x=SPACE(3)\n@ 0,0 GET x FUNCTION 'A'" << "a1 b" << "" << "\"ab \"";
    QTest::newRow("K") << "x=SPACE(0) + 'abc'\n@ 0,0 GET x FUNCTION 'K'" << "z" << "z  " << "\"z  \"";
    QTest::newRow("no K") << "x=SPACE(0) + 'abc'\n@ 0,0 GET x" << "z" << "zbc" << "\"zbc\"";
    QTest::newRow("K then move") << "x=SPACE(0) + 'abc'\n@ 0,0 GET x FUNCTION 'K'" << "{R}z" << "" << "\"azc\"";
    QTest::newRow("Z") << "x=0\n@ 0,0 GET x FUNCTION 'Z'" << "" << "          " << "0";
    QTest::newRow("B") << "x=5\n@ 0,0 GET x FUNCTION 'B'" << "" << "5         " << "5";
    QTest::newRow("L") << "x=5\n@ 0,0 GET x FUNCTION 'L'" << "" << "0000000005" << "5";
    QTest::newRow("$") << "x=5\n@ 0,0 GET x FUNCTION '$'" << "" << "        $5" << "5";
    QTest::newRow("^") << "x=1500\n@ 0,0 GET x FUNCTION '^'" << "" << " 1.500E+03" << "1500";
    QTest::newRow("T") << "x=SPACE(2) + 'ab'\n@ 0,0 GET x FUNCTION 'T'" << "" << "ab  " << "\"  ab\"";
    QTest::newRow("I") << "x=SPACE(0) + 'ab    '\n@ 0,0 GET x FUNCTION 'I'" << "" << "  ab  " << "\"ab    \"";
    QTest::newRow("number typed anew") << "x=0\n@ 0,0 GET x" << "4a2" << "" << "42";
    QTest::newRow("number too wide") << "x=1234\n@ 0,0 GET x PICTURE '99'" << "" << "**" << "1234";
    QTest::newRow("decimals") << "x=0.50\n@ 0,0 GET x" << "-1.5.7" << "" << "-1.57";
    QTest::newRow("no point without decimals") << "x=0\n@ 0,0 GET x" << "1.5" << "" << "15";
    QTest::newRow("D dmy") << "SET CENTURY ON\nSET DATE TO DMY\nx={}\n@ 0,0 GET x FUNCTION 'D'" << "31x122024"
                           << "31/12/2024" << "31/12/2024";
    QTest::newRow("D american") << "x={}\n@ 0,0 GET x FUNCTION 'D'" << "123124" << "" << "12/31/24";
    QTest::newRow("date erased") << "SET DATE TO DMY\nx={}\n@ 0,0 GET x" << "11{B}{B}" << "  /  /  " << "  /  /  ";
    QTest::newRow("overwrite") << "x=SPACE(0) + 'abcd'\n@ 0,0 GET x" << "{R}z" << "" << "\"azcd\"";
    QTest::newRow("insert") << "x=SPACE(0) + 'abc '\n@ 0,0 GET x" << "{I}{R}z" << "" << "\"azbc\"";
    QTest::newRow("insert when full") << "x=SPACE(0) + 'abcd'\n@ 0,0 GET x" << "{I}z" << "" << "\"abcd\"";
    QTest::newRow("never past width") << "x=SPACE(2)\n@ 0,0 GET x" << "abc" << "" << "\"ab\"";
    QTest::newRow("backspace") << "x=SPACE(0) + 'abcd  '\n@ 0,0 GET x" << "{E}{B}{B}" << "" << "\"ab    \"";
    QTest::newRow("delete") << "x=SPACE(0) + 'abcd'\n@ 0,0 GET x" << "{R}{D}" << "" << "\"acd \"";
    QTest::newRow("home end") << "x=SPACE(0) + 'ab  '\n@ 0,0 GET x" << "{E}z{H}y" << "" << "\"ybz \"";
    QTest::newRow("left") << "x=SPACE(3)\n@ 0,0 GET x" << "ab{L}{L}{L}c" << "" << "\"cb \"";
    QTest::newRow("escape drops the edit") << "x=SPACE(0) + 'ab'\n@ 0,0 GET x" << "zz{X}" << "" << "\"ab\"";
}

void TestInterpretor::coduri()
{
    QFETCH(QString, program);
    QFETCH(QString, taste);
    QFETCH(QString, afisat);
    QFETCH(QString, valoare);
    Interpretor i = ruleaza("CLEAR\n" + program + "\nREAD");
    QCOMPARE(i.stare(), Interpretor::Stare::Citire);
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
    const QPoint gata(-1, -1);
    QTest::newRow("start") << "" << QPoint(0, 0) << 0;
    QTest::newRow("right") << "{R}" << QPoint(11, 0) << 0;
    QTest::newRow("right stops") << "{R}{R}{R}" << QPoint(22, 0) << 0;
    QTest::newRow("left stops") << "{R}{L}{L}" << QPoint(0, 0) << 0;
    QTest::newRow("enter chooses") << "{R}{C}" << QPoint(11, 0) << 2;
    QTest::newRow("hot letter") << "p" << QPoint(22, 0) << 3;
    QTest::newRow("first letter") << "D" << QPoint(0, 0) << 1;
    QTest::newRow("other letter") << "x" << QPoint(0, 0) << 0;
    QTest::newRow("tab") << "{T}" << QPoint(0, 1) << 0;
    QTest::newRow("down") << "{N}" << QPoint(0, 1) << 0;
    QTest::newRow("enter in field") << "{T}{C}" << QPoint(0, 2) << 0;
    QTest::newRow("shift tab") << "{T}{T}{S}" << QPoint(0, 1) << 0;
    QTest::newRow("up") << "{T}{U}" << QPoint(0, 0) << 0;
    QTest::newRow("back from first") << "{S}" << QPoint(0, 3) << 0;
    QTest::newRow("on from last") << "{T}{T}{T}{T}" << QPoint(0, 0) << 0;
    QTest::newRow("typing moves") << "{T}ab" << QPoint(2, 1) << 0;
    QTest::newRow("field entered at start") << "{T}ab{T}{S}" << QPoint(0, 1) << 0;
    QTest::newRow("enter on last ends") << "{T}{T}{T}{C}" << gata << 0;
    QTest::newRow("escape ends") << "{R}{C}{X}" << gata << 2;
    QTest::newRow("ctrl w ends") << "{T}{W}" << gata << 0;
}

void TestInterpretor::navigare()
{
    QFETCH(QString, taste);
    QFETCH(QPoint, cursor);
    QFETCH(int, ales);
    Interpretor i = ruleaza("CLEAR\nopt=0\n@ 0,0 GET opt FUNCTION '*H Da;Nu;\\<Poate' SIZE 1,10 COLOR W+/B\n"
                            "a=SPACE(3)\n@ 1,0 GET a\nb=SPACE(3)\n@ 2,0 GET b\nc=SPACE(3)\n@ 3,0 GET c\nREAD\n"
                            "@ 5,0 SAY 'gata'");
    QCOMPARE(celule(i, 0, 0, 32), QStringLiteral("<      Da> <      Nu> <   Poate>"));
    apasa(i, taste);
    QCOMPARE(i.cursor(), cursor);
    QCOMPARE(i.variabila("opt")->numar, double(ales));
    // Once READ is over the program goes on.
    QCOMPARE(celule(i, 0, 5, 4) == QLatin1String("gata"), cursor == QPoint(-1, -1));
}

void TestInterpretor::programeStricate()
{
    const QStringList baza =
        ("SET CENTURY ON\nSET DATE TO DMY\n" + kFereastra
         + "x = SPACE(3) + 'ab'\nn=12.5\nd={}\nl=.T.\nopt=0\n@ 0,0 SAY 'Nume' COLOR W+/B\n"
           "@ 1,0 GET x FUNCTION 'K!' PICTURE 'NNNNN'\n@ 2,0 GET n FUNCTION 'Z$'\n@ 3,0 GET d FUNCTION 'D'\n"
           "@ 4,0 GET l PICTURE 'Y'\n@ 5,0 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W\nREAD\n"
           "DEACTIVATE WINDOW FER1")
            .split(QLatin1Char('\n'));
    const QString bucati = QStringLiteral("@,'\"[]+-=(){}.*/ 09AZaz;<\\");
    const int taste[] = {Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Home,
                         Qt::Key_End,       Qt::Key_Delete,  Qt::Key_Insert, Qt::Key_Return, Qt::Key_Up,
                         Qt::Key_Backspace, Qt::Key_Down};
    QRandomGenerator rng(20240607);
    int erori = 0;
    for (int runda = 0; runda < 500; ++runda) {
        QStringList p = baza;
        for (int m = int(rng.bounded(1, 5)); m > 0; --m) {
            const int l = int(rng.bounded(int(p.size())));
            QString &linie = p[l];
            const int poz = int(rng.bounded(int(linie.size()) + 1));
            switch (rng.bounded(4)) {
            case 0: linie.remove(poz, int(rng.bounded(1, 4))); break;
            case 1: linie.insert(poz, bucati.at(rng.bounded(int(bucati.size())))); break;
            case 2: p.swapItemsAt(l, int(rng.bounded(int(p.size())))); break;
            default: linie.truncate(poz);
            }
        }
        Interpretor i;
        i.porneste(p);
        for (int k = 0; k < 80 && i.stare() == Interpretor::Stare::Citire; ++k) {
            if (rng.bounded(2))
                i.tasta(taste[rng.bounded(int(std::size(taste)))], {}, QString());
            else
                i.tasta(0, {}, QString(bucati.at(rng.bounded(int(bucati.size())))));
        }
        apasa(i, "{X}{X}{X}{X}{X}");
        if (i.stare() == Interpretor::Stare::Eroare) {
            ++erori;
            QVERIFY(i.eroare().contains(QStringLiteral("linia ")));
        } else {
            QCOMPARE(i.stare(), Interpretor::Stare::Terminat);
        }
    }
    QVERIFY(erori > 50); // the mutations do break lines
}

QTEST_GUILESS_MAIN(TestInterpretor)
#include "tst_interpretor.moc"
