#include "codegen/generator.h"

#include <QtTest>

namespace {

MomentGenerare fixedMoment()
{
    return {QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4)), QLocale(QLocale::Romanian, QLocale::Romania)};
}

void addWindow(Proiect &p, int n, int row, int col, int width, int height, int scheme,
               const QString &title = QString(), bool shadow = false)
{
    p.fereastra(n) = {
        FlagFalse, toFlag(shadow), quint8(col),   quint8(row), quint8(width), quint8(height), 0, 0,
        0,         title,          quint8(scheme)};
}

Obiect &addObject(Proiect &p, int slot, int window, const char *kind, int row, int col, const QString &name)
{
    Obiect &o = p.obiect(slot);
    std::tie(o.Liber, o.Fereastra, o.Tip, o.Rand, o.Coloana, o.Nume) =
        std::tuple(FlagFalse, quint8(window), tipObiect(QLatin1String(kind)), quint8(row), quint8(col), name);
    return o;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void repetaSirAndQuoting();
    void header();
    void defineWindowLine();
    void programShapes();
    void initialisationLines();
    void objectLineForms();
};

void TestGenerator::repetaSirAndQuoting()
{
    QCOMPARE(RepetaSir("ab", 2) + RepetaSir("9", 0) + RepetaSir("9", -4), QStringLiteral("ABAB"));
    const char *const quoted[][2] = {{"", "''"},
                                     {"Client's", "\"Client's\""},
                                     {"a'b\"c", "[a'b\"c]"},
                                     {"[x]", "'[x]'"},
                                     // All three closing delimiters: pieces that each close properly.
                                     {"a'b\"c]d'e", "[a'b\"c]+\"]d'e\""}};
    for (const auto &[text, literal] : quoted)
        QCOMPARE(literalFoxPro(QLatin1String(text)), QLatin1String(literal));
}

void TestGenerator::header()
{
    Proiect p;
    QStringList lines;
    p.setari.InsereazaDataOra = 1; // a flag that is not exactly -1 is off
    GeneratorCod(p, lines, fixedMoment()).AntetCod();
    p.setari.InsereazaDataOra = FlagTrue; // the same four lines, then the date and a blank line
    GeneratorCod(p, lines, fixedMoment()).AntetCod();
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], QStringLiteral("****   COD GENERAT CU:   < Sirolant > v.1.0.0   ****"));
    QVERIFY(lines[1].startsWith(QStringLiteral("****   AUTOR:   ")) &&
            lines[2].endsWith(QStringLiteral("   ****")));
    QVERIFY(lines[3].isEmpty() && lines.mid(4, 4) == lines.mid(0, 4) && lines[9].isEmpty());
    QCOMPARE(lines[8], QStringLiteral("****   DATA: 07.03.2026 - ORA: 09:05:04   ****"));
    // The time keeps its seconds and never carries a time zone.
    const QString usTime =
        formatOraGenerare(fixedMoment().acum, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(usTime.contains(QStringLiteral("9:05:04")) && !usTime.contains(QStringLiteral("UTC")),
             qPrintable(usTime));
}

void TestGenerator::defineWindowLine()
{
    Proiect p;
    addWindow(p, 1, 2, 10, 30, 10, 5, QStringLiteral("Clienti"), true);
    addWindow(p, 2, 0, 0, 80, 25, 10);                       // no title: no TITLE clause
    addWindow(p, 3, 24, 79, 1, 1, 1, QStringLiteral("   ")); // a blank title still gets one
    addWindow(p, 4, 0, 0, 40, 10, 1, QStringLiteral("Client's"));
    QStringList lines;
    GeneratorCod gen(p, lines);
    for (int n = 1; n <= 4; ++n)
        QVERIFY(gen.CodFereastra(n));
    QCOMPARE(lines,
             (QStringList{"DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti' SHADOW",
                          "ACTIVATE WINDOW FER1", "DEFINE WINDOW FER2 FROM 0,0 TO 24,79 COLOR SCHEME 10",
                          "ACTIVATE WINDOW FER2",
                          "DEFINE WINDOW FER3 FROM 24,79 TO 24,79 COLOR SCHEME 1 TITLE '   '",
                          "ACTIVATE WINDOW FER3",
                          "DEFINE WINDOW FER4 FROM 0,0 TO 9,39 COLOR SCHEME 1 TITLE \"Client's\"",
                          "ACTIVATE WINDOW FER4"}));
    QVERIFY(!gen.CodFereastra(0) && !gen.CodFereastra(6));
}

void TestGenerator::programShapes()
{
    Proiect p;
    p.setari.InsereazaDataOra = FlagFalse;
    QVERIFY(!genereazaCodProiect(p).has_value()); // nothing in use: no program at all

    addWindow(p, 1, 0, 0, 30, 10, 1);
    addWindow(p, 3, 5, 5, 30, 10, 2);
    addObject(p, 2, 3, "SAY", 0, 0, QStringLiteral("b"));
    addObject(p, 1, 3, "SAY", 1, 0, QStringLiteral("a"));
    addObject(p, 4, 3, "GET", 0, 0, QStringLiteral("free")).Liber = FlagTrue; // a freed slot is skipped
    const auto program = genereazaCodProiect(p, fixedMoment());
    QVERIFY(program.has_value() && program->ferestreLipsa.isEmpty());
    QCOMPARE(program->linii.mid(14),
             (QStringList{"", "DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1", "ACTIVATE WINDOW FER1",
                          "DEFINE WINDOW FER3 FROM 5,5 TO 14,34 COLOR SCHEME 2", "ACTIVATE WINDOW FER3",
                          "@ 1,0 SAY 'a' COLOR 8/8", // slot order, not screen order
                          "@ 0,0 SAY 'b' COLOR 8/8", "DEACTIVATE WINDOW FER1", "DEACTIVATE WINDOW FER3"}));

    const ProgramGenerat without = genereazaCodFereastra(p, 1, false, fixedMoment());
    QCOMPARE(without.linii.mid(4), (QStringList{"DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1",
                                                "ACTIVATE WINDOW FER1", "DEACTIVATE WINDOW FER1"}));
    const ProgramGenerat with = genereazaCodFereastra(p, 1, true, fixedMoment());
    QCOMPARE(with.linii.mid(0, 4) + with.linii.mid(15), without.linii);

    // A free window is reported, and the rest is still generated.
    const ProgramGenerat missing = genereazaCodFereastra(p, 4, true, fixedMoment());
    QCOMPARE(missing.ferestreLipsa, QList<int>{4});
    QCOMPARE(missing.linii.mid(4), with.linii.mid(4, 11) << QStringLiteral("DEACTIVATE WINDOW FER4"));
}

void TestGenerator::initialisationLines()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    const char *const gets[][4] = {
        {"T", "nume", "10", "abc"}, {"T", "gol", "10", ""},           {"T", "lung", "8", "abcdefghij"},
        {"N", "suma", "5", "0"},    {"L", "activ", "1", "T"},         {"N", "fara", "5", ""},
        {"D", "zi", "10", ""},      {"T", "CLIENTI.NUME", "10", "x"}, // a table field
        {"X", "altul", "3", "1"},   {"T", "ap", "10", "Client's"}};
    int slot = 0;
    for (const auto &[type, name, length, value] : gets) {
        Obiect &o = addObject(p, ++slot, 1, "GET", 0, 0, QString::fromLatin1(name));
        std::tie(o.TipDate, o.Lungime, o.Valoare, o.Variabila) = std::tuple(
            QString::fromLatin1(type), quint8(atoi(length)), QString::fromLatin1(value), toFlag(slot != 8));
    }
    addObject(p, ++slot, 1, "SAY", 0, 0, QStringLiteral("s")).Variabila = FlagTrue;
    QStringList lines;
    GeneratorCod gen(p, lines);
    gen.LiniiInitializare(gen.obiecteleFerestrei(1));
    QCOMPARE(lines,
             (QStringList{"nume = SPACE(7) + 'abc'", "gol = SPACE(10)", "lung = SPACE(-2) + 'abcdefghij'",
                          "suma=0", "activ=.T.", "fara=", "zi={}", "ap = SPACE(2) + \"Client's\""}));
}

// One object in window 1 per row: what its block holds after DEFINE and ACTIVATE.
void TestGenerator::objectLineForms()
{
    using namespace Culori;
    const auto row = [](const char *kind, const char *name,
                        const std::function<void(Obiect &, Setari &)> &setup, const QStringList &body) {
        Proiect p;
        addWindow(p, 1, 0, 0, 40, 10, 1);
        setup(addObject(p, 1, 1, kind, 2, 5, QString::fromUtf8(name)), p.setari);
        QStringList lines;
        GeneratorCod gen(p, lines, fixedMoment());
        gen.CodFereastra(1);
        QCOMPARE(lines.mid(2), body);
    };
    row("SAY", "Nume client", [](Obiect &o, Setari &) { o.CuloareCerneala = White, o.CuloareFundal = Blue; },
        {"@ 2,5 SAY 'Nume client' COLOR W+/B"});
    row("SAY", "total", [](Obiect &o, Setari &) { o.Variabila = o.CulorileFerestrei = FlagTrue; },
        {"@ 2,5 SAY total"});
    // Not a palette colour: an empty code.
    row("SAY", "x", [](Obiect &o, Setari &) { o.CuloareCerneala = 0x0000FF, o.CuloareFundal = LightGray; },
        {"@ 2,5 SAY 'x' COLOR /W"});
    row("SAY", "", [](Obiect &o, Setari &) { o.CulorileFerestrei = FlagTrue; }, {"@ 2,5 SAY ''"});
    const auto comment = [](bool on) {
        return [on](Obiect &o, Setari &s) {
            o.CulorileFerestrei = FlagTrue, s.IncludeComentariile = toFlag(on);
            o.Comentariu = QStringLiteral("prima\nadoua\r\na treia\rultima");
        };
    };
    row("SAY", "a", comment(true), {"* prima", "* adoua", "* a treia", "* ultima", "@ 2,5 SAY 'a'"});
    row("SAY", "a", comment(false), {"@ 2,5 SAY 'a'"});
    // Never a COLOR clause on a GET.
    row("GET", "nume",
        [](Obiect &o, Setari &) {
            o.FunctionMajuscule = o.FunctionK = o.PictureN = FlagTrue, o.Lungime = 6,
            o.CuloareCerneala = White;
        },
        {"@ 2,5 GET nume FUNCTION 'K!' PICTURE 'NNNNNN'", "READ"});
    row("GET", "toate",
        [](Obiect &o, Setari &) {
            for (Flag *f : {&o.FunctionB, &o.FunctionI, &o.FunctionJ, &o.FunctionK, &o.FunctionA,
                            &o.FunctionT, &o.FunctionMajuscule, &o.FunctionL, &o.FunctionZ,
                            &o.FunctionStiintific, &o.FunctionMoneda, &o.FunctionD})
                *f = FlagTrue;
        },
        {"@ 2,5 GET toate FUNCTION 'BIJKAT!LZ^$D'", "READ"});
    row("GET", "CLIENTI.COD", [](Obiect &o, Setari &) { o.PictureN = o.Picture9 = FlagTrue, o.Lungime = 3; },
        {"@ 2,5 GET CLIENTI.COD PICTURE 'NNN999'", "READ"});
    // An empty template keeps its clause; 1 is not a set flag.
    row("GET", "z", [](Obiect &o, Setari &) { o.PictureY = o.PictureDiez = FlagTrue, o.Lungime = 0; },
        {"@ 2,5 GET z PICTURE ''", "READ"});
    row("GET", "f", [](Obiect &o, Setari &) { o.FunctionB = 1; }, {"@ 2,5 GET f", "READ"});
    row("BUTON", "opt",
        [](Obiect &o, Setari &s) {
            std::tie(o.Valoare, o.Lungime, o.CuloareCerneala, o.CuloareFundal, o.CulorileFerestrei) =
                std::tuple(QStringLiteral("Da;Nu"), 25, Black, LightGray, FlagTrue);
            s.IncludeComentariile = FlagTrue, o.Comentariu = QStringLiteral("alegere");
        },
        {"* alegere", "opt=0", "@ 2,5 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W", "READ"});
    row("BUTON", "opt", [](Obiect &o, Setari &) { o.Valoare = QStringLiteral("Don't;Stop"); },
        {"opt=0", "@ 2,5 GET opt FUNCTION \"*H Don't;Stop\" SIZE 1,10 COLOR 8/8", "READ"});
    row("OTHER", "o", [](Obiect &, Setari &) {}, {});
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
