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
    Fereastra &f = p.fereastra(n);
    f.Libera = FlagFalse;
    f.Verticala = quint8(row);
    f.Orizontala = quint8(col);
    f.Latime = quint8(width);
    f.Inaltime = quint8(height);
    f.SchemaCulori = quint8(scheme);
    f.Titlu = title;
    f.Umbra = toFlag(shadow);
}

Obiect &addObject(Proiect &p, int slot, int window, const char *kind, int row, int col, const QString &name)
{
    Obiect &o = p.obiect(slot);
    o.Liber = FlagFalse;
    o.Fereastra = quint8(window);
    o.Tip = QString::fromLatin1(kind);
    o.Rand = quint8(row);
    o.Coloana = quint8(col);
    o.Nume = name;
    return o;
}

// Lines of window n's block after its DEFINE and ACTIVATE lines.
QStringList blockBody(const Proiect &p, int n)
{
    QStringList lines;
    GeneratorCod gen(p, lines, fixedMoment());
    gen.CodFereastra(n);
    return lines.mid(2);
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void repetaSirAndQuoting();
    void headerAndStartingCode();
    void defineWindowLine();
    void programShapes();
    void initialisationLines();
    void objectLineForms();
};

void TestGenerator::repetaSirAndQuoting()
{
    QCOMPARE(RepetaSir(QStringLiteral("ab"), 2), QStringLiteral("ABAB"));
    QCOMPARE(RepetaSir(QStringLiteral("9"), 0) + RepetaSir(QStringLiteral("9"), -4), QString());
    QCOMPARE(literalFoxPro(QString()), QStringLiteral("''"));
    QCOMPARE(literalFoxPro(QStringLiteral("Client's")), QStringLiteral("\"Client's\""));
    QCOMPARE(literalFoxPro(QStringLiteral("a'b\"c")), QStringLiteral("[a'b\"c]"));
    QCOMPARE(literalFoxPro(QStringLiteral("[x]")), QStringLiteral("'[x]'"));
    // All three closing delimiters: a concatenation of pieces that each close properly.
    QCOMPARE(literalFoxPro(QStringLiteral("a'b\"c]d'e")), QStringLiteral("[a'b\"c]+\"]d'e\""));
}

void TestGenerator::headerAndStartingCode()
{
    Proiect p;
    p.setari.InsereazaDataOra = 1; // a flag that is not exactly -1 is off
    QStringList lines;
    GeneratorCod(p, lines, fixedMoment()).AntetCod();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("****   COD GENERAT CU:   < Sirolant > v.1.0.0   ****"));
    QVERIFY(lines[1].startsWith(QStringLiteral("****   AUTOR:   ")) &&
            lines[2].endsWith(QStringLiteral("   ****")));
    QCOMPARE(lines[3], QString());

    p.setari.InsereazaDataOra = FlagTrue;
    lines.clear();
    const MomentGenerare m = fixedMoment();
    GeneratorCod(p, lines, m).AntetCod();
    QCOMPARE(lines.size(), 6);
    const QString date = m.locale.toString(m.acum.date(), QLocale::ShortFormat);
    QCOMPARE(lines[4], QStringLiteral("****   DATA: ") + date + QStringLiteral(" - ORA: 09:05:04   ****"));
    // The time keeps its seconds and never carries a time zone.
    const QString usTime = formatOraGenerare(m.acum, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(usTime.contains(QStringLiteral("9:05:04")) && !usTime.contains(QStringLiteral("UTC")),
             qPrintable(usTime));

    lines.clear();
    GeneratorCod(p, lines).CodDeInceput();
    QCOMPARE(lines,
             (QStringList{"SET ECHO OFF", "CLOSE ALL", "CLEAR ALL", "CLEAR", "SET HEADING ON", "SET TALK OFF",
                          "SET CENTURY ON", "SET DATE TO DMY", "SET ECHO OFF", "SET ESCAPE OFF", ""}));
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
    QCOMPARE(lines, (QStringList{
                        "DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti' SHADOW",
                        "ACTIVATE WINDOW FER1",
                        "DEFINE WINDOW FER2 FROM 0,0 TO 24,79 COLOR SCHEME 10",
                        "ACTIVATE WINDOW FER2",
                        "DEFINE WINDOW FER3 FROM 24,79 TO 24,79 COLOR SCHEME 1 TITLE '   '",
                        "ACTIVATE WINDOW FER3",
                        "DEFINE WINDOW FER4 FROM 0,0 TO 9,39 COLOR SCHEME 1 TITLE \"Client's\"",
                        "ACTIVATE WINDOW FER4",
                    }));
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
    QCOMPARE(program->linii.mid(14), (QStringList{
                                         "",
                                         "DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1",
                                         "ACTIVATE WINDOW FER1",
                                         "DEFINE WINDOW FER3 FROM 5,5 TO 14,34 COLOR SCHEME 2",
                                         "ACTIVATE WINDOW FER3",
                                         "@ 1,0 SAY 'a' COLOR 8/8", // slot order, not screen order
                                         "@ 0,0 SAY 'b' COLOR 8/8",
                                         "DEACTIVATE WINDOW FER1",
                                         "DEACTIVATE WINDOW FER3",
                                     }));

    const ProgramGenerat without = genereazaCodFereastra(p, 1, false, fixedMoment());
    QCOMPARE(without.linii.mid(4), (QStringList{"DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1",
                                                "ACTIVATE WINDOW FER1", "DEACTIVATE WINDOW FER1"}));
    const ProgramGenerat with = genereazaCodFereastra(p, 1, true, fixedMoment());
    QCOMPARE(with.linii.mid(0, 4), without.linii.mid(0, 4));
    QCOMPARE(with.linii.mid(15), without.linii.mid(4));

    // A free window is reported, and the rest is still generated.
    const ProgramGenerat missing = genereazaCodFereastra(p, 4, true, fixedMoment());
    QCOMPARE(missing.ferestreLipsa, QList<int>{4});
    QCOMPARE(missing.linii.size(), 4 + 11 + 1);
    QCOMPARE(missing.linii.last(), QStringLiteral("DEACTIVATE WINDOW FER4"));
}

void TestGenerator::initialisationLines()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    const struct {
        const char *type, *name;
        int length;
        const char *value;
        bool variable;
    } gets[] = {
        {"T", "nume", 10, "abc", true},
        {"T", "gol", 10, "", true},
        {"T", "lung", 8, "abcdefghij", true},
        {"N", "suma", 5, "0", true},
        {"L", "activ", 1, "T", true},
        {"N", "fara", 5, "", true},
        {"D", "zi", 10, "", true},
        {"T", "CLIENTI.NUME", 10, "x", false}, // a table field
        {"X", "altul", 3, "1", true},
        {"T", "ap", 10, "Client's", true},
    };
    int slot = 0;
    for (const auto &g : gets) {
        Obiect &o = addObject(p, ++slot, 1, "GET", 0, 0, QString::fromLatin1(g.name));
        o.TipDate = QString::fromLatin1(g.type);
        o.Lungime = quint8(g.length);
        o.Valoare = QString::fromLatin1(g.value);
        o.Variabila = toFlag(g.variable);
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
    using Setup = std::function<void(Obiect &, Setari &)>;
    const struct {
        const char *kind, *name;
        Setup setup;
        QStringList body;
    } rows[] = {
        {"SAY",
         "Nume client",
         [](Obiect &o, Setari &) {
             o.CuloareCerneala = Culori::White;
             o.CuloareFundal = Culori::Blue;
         },
         {"@ 2,5 SAY 'Nume client' COLOR W+/B"}},
        {"SAY",
         "total",
         [](Obiect &o, Setari &) {
             o.Variabila = FlagTrue;
             o.CulorileFerestrei = FlagTrue;
         },
         {"@ 2,5 SAY total"}},
        {"SAY",
         "x",
         [](Obiect &o, Setari &) {
             o.CuloareCerneala = 0x0000FF;
             o.CuloareFundal = Culori::LightGray;
         },
         {"@ 2,5 SAY 'x' COLOR /W"}}, // not a palette colour: empty code
        {"SAY", "", [](Obiect &o, Setari &) { o.CulorileFerestrei = FlagTrue; }, {"@ 2,5 SAY ''"}},
        {"SAY",
         "a",
         [](Obiect &o, Setari &s) {
             o.CulorileFerestrei = FlagTrue;
             s.IncludeComentariile = FlagTrue;
             o.Comentariu = QStringLiteral("prima\nadoua\r\na treia\rultima");
         },
         {"* prima", "* adoua", "* a treia", "* ultima", "@ 2,5 SAY 'a'"}},
        {"SAY",
         "a",
         [](Obiect &o, Setari &) {
             o.CulorileFerestrei = FlagTrue;
             o.Comentariu = QStringLiteral("c");
         },
         {"@ 2,5 SAY 'a'"}}, // comments off
        {"GET",
         "nume",
         [](Obiect &o, Setari &) {
             o.FunctionMajuscule = o.FunctionK = o.PictureN = FlagTrue;
             o.Lungime = 6;
             o.CuloareCerneala = Culori::White;
         },
         {"@ 2,5 GET nume FUNCTION 'K!' PICTURE 'NNNNNN'", "READ"}}, // never a COLOR clause on a GET
        {"GET",
         "toate",
         [](Obiect &o, Setari &) {
             for (Flag *f : {&o.FunctionB, &o.FunctionI, &o.FunctionJ, &o.FunctionK, &o.FunctionA,
                             &o.FunctionT, &o.FunctionMajuscule, &o.FunctionL, &o.FunctionZ,
                             &o.FunctionStiintific, &o.FunctionMoneda, &o.FunctionD})
                 *f = FlagTrue;
         },
         {"@ 2,5 GET toate FUNCTION 'BIJKAT!LZ^$D'", "READ"}},
        {"GET",
         "CLIENTI.COD",
         [](Obiect &o, Setari &) {
             o.PictureN = o.Picture9 = FlagTrue;
             o.Lungime = 3;
         },
         {"@ 2,5 GET CLIENTI.COD PICTURE 'NNN999'", "READ"}},
        {"GET",
         "z",
         [](Obiect &o, Setari &) {
             o.PictureY = o.PictureDiez = FlagTrue;
             o.Lungime = 0;
         },
         {"@ 2,5 GET z PICTURE ''", "READ"}}, // empty template, clause kept
        {"GET", "f", [](Obiect &o, Setari &) { o.FunctionB = 1; }, {"@ 2,5 GET f", "READ"}}, // 1 is not set
        {"BUTON",
         "opt",
         [](Obiect &o, Setari &s) {
             o.Valoare = QStringLiteral("Da;Nu");
             o.Lungime = 25;
             o.CuloareCerneala = Culori::Black;
             o.CuloareFundal = Culori::LightGray;
             o.CulorileFerestrei = FlagTrue;
             s.IncludeComentariile = FlagTrue;
             o.Comentariu = QStringLiteral("alegere");
         },
         {"* alegere", "opt=0", "@ 2,5 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W", "READ"}},
        {"BUTON",
         "opt",
         [](Obiect &o, Setari &) { o.Valoare = QStringLiteral("Don't;Stop"); },
         {"opt=0", "@ 2,5 GET opt FUNCTION \"*H Don't;Stop\" SIZE 1,10 COLOR 8/8", "READ"}},
        {"OTHER", "o", [](Obiect &, Setari &) {}, {}},
    };
    for (const auto &r : rows) {
        Proiect p;
        addWindow(p, 1, 0, 0, 40, 10, 1);
        Obiect &o = addObject(p, 1, 1, r.kind, 2, 5, QString::fromUtf8(r.name));
        r.setup(o, p.setari);
        QCOMPARE(blockBody(p, 1), r.body);
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
