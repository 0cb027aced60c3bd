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
    void repetaSir();
    void header();
    void startingCode();
    void defineWindowLine();
    void wholeProjectShape();
    void oneWindowShape();
    void missingWindowIsReportedAndRestStillGenerated();
    void initialisationLines();
    void sayLines();
    void getLines();
    void buttonLines();
    void readOnlyForInputObjects();
    void commentsOnePerLine();
    void quotingChoosesAFreeDelimiter();
};

void TestGenerator::repetaSir()
{
    QCOMPARE(RepetaSir(QStringLiteral("n"), 3), QStringLiteral("NNN"));
    QCOMPARE(RepetaSir(QStringLiteral("ab"), 2), QStringLiteral("ABAB"));
    QCOMPARE(RepetaSir(QString(), 5), QString());
    QCOMPARE(RepetaSir(QStringLiteral("9"), 0), QString());
    QCOMPARE(RepetaSir(QStringLiteral("9"), -4), QString());
    QCOMPARE(RepetaSir(QStringLiteral("#"), 255).size(), qsizetype(255));
}

void TestGenerator::header()
{
    Proiect p;
    p.setari.InsereazaDataOra = FlagFalse;
    QStringList lines;
    GeneratorCod(p, lines, fixedMoment()).AntetCod();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("****   COD GENERAT CU:   < Sirolant > v.1.0.0   ****"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lines[i].startsWith(QStringLiteral("****   ")));
        QVERIFY(lines[i].endsWith(QStringLiteral("   ****")));
    }
    QVERIFY(lines[1].startsWith(QStringLiteral("****   AUTOR:   ")));
    QCOMPARE(lines[3], QString());

    // A flag that is not exactly -1 is off.
    p.setari.InsereazaDataOra = 1;
    lines.clear();
    GeneratorCod(p, lines, fixedMoment()).AntetCod();
    QCOMPARE(lines.size(), 4);

    p.setari.InsereazaDataOra = FlagTrue;
    lines.clear();
    const MomentGenerare m = fixedMoment();
    GeneratorCod(p, lines, m).AntetCod();
    QCOMPARE(lines.size(), 6);
    const QString date = m.locale.toString(m.acum.date(), QLocale::ShortFormat);
    QCOMPARE(lines[4], QStringLiteral("****   DATA: ") + date + QStringLiteral(" - ORA: 09:05:04   ****"));
    QCOMPARE(lines[5], QString());

    // The time keeps its seconds and never carries a time zone.
    const QString usTime = formatOraGenerare(m.acum, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(usTime.contains(QStringLiteral("9:05:04")), qPrintable(usTime));
    QVERIFY2(!usTime.contains(QStringLiteral("UTC")), qPrintable(usTime));
}

void TestGenerator::startingCode()
{
    Proiect p;
    QStringList lines;
    GeneratorCod(p, lines).CodDeInceput();
    const QStringList expected{
        "SET ECHO OFF",   "CLOSE ALL",    "CLEAR ALL",      "CLEAR",
        "SET HEADING ON", "SET TALK OFF", "SET CENTURY ON", "SET DATE TO DMY",
        "SET ECHO OFF",   "SET ESCAPE OFF", "",
    };
    QCOMPARE(lines, expected);
}

void TestGenerator::defineWindowLine()
{
    Proiect p;
    addWindow(p, 1, 2, 10, 30, 10, 5, QStringLiteral("Clienti"), true);
    addWindow(p, 2, 0, 0, 80, 25, 10);          // no title: no TITLE clause
    addWindow(p, 3, 24, 79, 1, 1, 1, QStringLiteral("   ")); // blank title still gets one
    QStringList lines;
    GeneratorCod gen(p, lines);
    QVERIFY(gen.CodFereastra(1));
    QVERIFY(gen.CodFereastra(2));
    QVERIFY(gen.CodFereastra(3));
    const QStringList expected{
        "DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti' SHADOW",
        "ACTIVATE WINDOW FER1",
        "DEFINE WINDOW FER2 FROM 0,0 TO 24,79 COLOR SCHEME 10",
        "ACTIVATE WINDOW FER2",
        "DEFINE WINDOW FER3 FROM 24,79 TO 24,79 COLOR SCHEME 1 TITLE '   '",
        "ACTIVATE WINDOW FER3",
    };
    QCOMPARE(lines, expected);
}

void TestGenerator::wholeProjectShape()
{
    Proiect p;
    p.setari.InsereazaDataOra = FlagFalse;
    QVERIFY(!genereazaCodProiect(p).has_value()); // nothing in use: no program at all

    addWindow(p, 1, 0, 0, 30, 10, 1);
    addWindow(p, 3, 5, 5, 30, 10, 2);
    addObject(p, 2, 3, "SAY", 0, 0, QStringLiteral("b"));
    addObject(p, 1, 3, "SAY", 1, 0, QStringLiteral("a"));
    const auto program = genereazaCodProiect(p, fixedMoment());
    QVERIFY(program.has_value());
    QVERIFY(program->ferestreLipsa.isEmpty());
    const QStringList &l = program->linii;
    QCOMPARE(l.size(), 4 + 11 + 2 + 4 + 2);
    QCOMPARE(l[4], QStringLiteral("SET ECHO OFF"));
    QCOMPARE(l[15], QStringLiteral("DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1"));
    QCOMPARE(l[17], QStringLiteral("DEFINE WINDOW FER3 FROM 5,5 TO 14,34 COLOR SCHEME 2"));
    // Objects follow slot order, not screen order.
    QCOMPARE(l[19], QStringLiteral("@ 1,0 SAY 'a' COLOR 8/8"));
    QCOMPARE(l[20], QStringLiteral("@ 0,0 SAY 'b' COLOR 8/8"));
    QCOMPARE(l[21], QStringLiteral("DEACTIVATE WINDOW FER1"));
    QCOMPARE(l[22], QStringLiteral("DEACTIVATE WINDOW FER3"));
}

void TestGenerator::oneWindowShape()
{
    Proiect p;
    p.setari.InsereazaDataOra = FlagFalse;
    addWindow(p, 2, 1, 1, 20, 5, 3);
    const ProgramGenerat without = genereazaCodFereastra(p, 2, false, fixedMoment());
    QCOMPARE(without.linii.size(), 4 + 2 + 1);
    QCOMPARE(without.linii[4], QStringLiteral("DEFINE WINDOW FER2 FROM 1,1 TO 5,20 COLOR SCHEME 3"));
    QCOMPARE(without.linii.last(), QStringLiteral("DEACTIVATE WINDOW FER2"));

    const ProgramGenerat with = genereazaCodFereastra(p, 2, true, fixedMoment());
    QCOMPARE(with.linii.size(), without.linii.size() + 11);
    QCOMPARE(with.linii.mid(0, 4), without.linii.mid(0, 4));
    QCOMPARE(with.linii.mid(15), without.linii.mid(4));
}

void TestGenerator::missingWindowIsReportedAndRestStillGenerated()
{
    Proiect p;
    p.setari.InsereazaDataOra = FlagFalse;
    const ProgramGenerat program = genereazaCodFereastra(p, 4, true, fixedMoment());
    QCOMPARE(program.ferestreLipsa, QList<int>{4});
    QCOMPARE(program.linii.size(), 4 + 11 + 1);
    QCOMPARE(program.linii.last(), QStringLiteral("DEACTIVATE WINDOW FER4"));
    QStringList lines;
    QVERIFY(!GeneratorCod(p, lines).CodFereastra(0));
    QVERIFY(!GeneratorCod(p, lines).CodFereastra(6));
    QVERIFY(lines.isEmpty());
}

void TestGenerator::initialisationLines()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    auto get = [&](int slot, const char *type, const QString &name, int length, const QString &value,
                   bool variable = true) -> Obiect & {
        Obiect &o = addObject(p, slot, 1, "GET", 0, 0, name);
        o.TipDate = QString::fromLatin1(type);
        o.Lungime = quint8(length);
        o.Valoare = value;
        o.Variabila = toFlag(variable);
        return o;
    };
    get(1, "T", QStringLiteral("nume"), 10, QStringLiteral("abc"));
    get(2, "T", QStringLiteral("gol"), 10, QString());
    get(3, "T", QStringLiteral("lung"), 8, QStringLiteral("abcdefghij"));
    get(4, "N", QStringLiteral("suma"), 5, QStringLiteral("0"));
    get(5, "L", QStringLiteral("activ"), 1, QStringLiteral("T"));
    get(6, "N", QStringLiteral("fara"), 5, QString());
    get(7, "D", QStringLiteral("zi"), 10, QString());
    get(8, "T", QStringLiteral("CLIENTI.NUME"), 10, QStringLiteral("x"), false); // a table field
    get(9, "X", QStringLiteral("altul"), 3, QStringLiteral("1"));
    addObject(p, 10, 1, "SAY", 0, 0, QStringLiteral("s")).Variabila = FlagTrue;
    get(11, "T", QStringLiteral("ap"), 10, QStringLiteral("Client's"));

    QStringList lines;
    GeneratorCod gen(p, lines);
    gen.LiniiInitializare(gen.obiecteleFerestrei(1));
    const QStringList expected{
        "nume = SPACE(7) + 'abc'", "gol = SPACE(10)", "lung = SPACE(-2) + 'abcdefghij'",
        "suma=0", "activ=.T.", "fara=", "zi={}", "ap = SPACE(2) + \"Client's\"",
    };
    QCOMPARE(lines, expected);
}

void TestGenerator::sayLines()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    Obiect &a = addObject(p, 1, 1, "SAY", 2, 5, QStringLiteral("Nume client"));
    a.CuloareCerneala = Culori::White;
    a.CuloareFundal = Culori::Blue;
    Obiect &b = addObject(p, 2, 1, "SAY", 3, 0, QStringLiteral("total"));
    b.Variabila = FlagTrue;
    b.CulorileFerestrei = FlagTrue;
    Obiect &c = addObject(p, 3, 1, "SAY", 12, 34, QStringLiteral("x"));
    c.CuloareCerneala = 0x0000FF; // not a palette colour: empty code
    c.CuloareFundal = Culori::LightGray;
    Obiect &d = addObject(p, 4, 1, "SAY", 0, 0, QString());
    d.CulorileFerestrei = FlagTrue;
    QCOMPARE(blockBody(p, 1), (QStringList{
                                  "@ 2,5 SAY 'Nume client' COLOR W+/B",
                                  "@ 3,0 SAY total",
                                  "@ 12,34 SAY 'x' COLOR /W",
                                  "@ 0,0 SAY ''",
                              }));
}

void TestGenerator::getLines()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    Obiect &a = addObject(p, 1, 1, "GET", 4, 12, QStringLiteral("nume"));
    a.FunctionMajuscule = FlagTrue; // set before K, still emitted after it
    a.FunctionK = FlagTrue;
    a.PictureN = FlagTrue;
    a.Lungime = 6;
    a.CuloareCerneala = Culori::White; // never a COLOR clause on a GET
    Obiect &b = addObject(p, 2, 1, "GET", 0, 0, QStringLiteral("toate"));
    for (Flag *f : {&b.FunctionB, &b.FunctionI, &b.FunctionJ, &b.FunctionK, &b.FunctionA, &b.FunctionT,
                    &b.FunctionMajuscule, &b.FunctionL, &b.FunctionZ, &b.FunctionStiintific,
                    &b.FunctionMoneda, &b.FunctionD})
        *f = FlagTrue;
    Obiect &c = addObject(p, 3, 1, "GET", 1, 1, QStringLiteral("CLIENTI.COD"));
    c.PictureN = FlagTrue;
    c.Picture9 = FlagTrue;
    c.Lungime = 3;
    Obiect &d = addObject(p, 4, 1, "GET", 1, 2, QStringLiteral("z"));
    d.PictureY = FlagTrue;
    d.PictureDiez = FlagTrue;
    d.Lungime = 0; // empty template, clause kept
    Obiect &e = addObject(p, 5, 1, "GET", 1, 3, QStringLiteral("f"));
    e.FunctionB = 1; // not -1: not set
    const QStringList body = blockBody(p, 1);
    QCOMPARE(body.mid(0, 5), (QStringList{
                                 "@ 4,12 GET nume FUNCTION 'K!' PICTURE 'NNNNNN'",
                                 "@ 0,0 GET toate FUNCTION 'BIJKAT!LZ^$D'",
                                 "@ 1,1 GET CLIENTI.COD PICTURE 'NNN999'",
                                 "@ 1,2 GET z PICTURE ''",
                                 "@ 1,3 GET f",
                             }));
    QCOMPARE(body.last(), QStringLiteral("READ"));
}

void TestGenerator::buttonLines()
{
    Proiect p;
    p.setari.IncludeComentariile = FlagTrue;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    Obiect &o = addObject(p, 1, 1, "BUTON", 8, 2, QStringLiteral("opt"));
    o.Valoare = QStringLiteral("Da;Nu");
    o.Lungime = 25; // the size stays 1,10 whatever the width
    o.CuloareCerneala = Culori::Black;
    o.CuloareFundal = Culori::LightGray;
    o.CulorileFerestrei = FlagTrue; // colours are emitted anyway
    o.Comentariu = QStringLiteral("alegere");
    QCOMPARE(blockBody(p, 1), (QStringList{
                                  "* alegere",
                                  "opt=0",
                                  "@ 8,2 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W",
                                  "READ",
                              }));
    p.setari.IncludeComentariile = FlagFalse;
    o.Valoare = QStringLiteral("Don't;Stop");
    QCOMPARE(blockBody(p, 1), (QStringList{
                                  "opt=0",
                                  "@ 8,2 GET opt FUNCTION \"*H Don't;Stop\" SIZE 1,10 COLOR 8/W",
                                  "READ",
                              }));
}

void TestGenerator::readOnlyForInputObjects()
{
    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    addWindow(p, 2, 0, 0, 40, 10, 1);
    addWindow(p, 3, 0, 0, 40, 10, 1);
    addObject(p, 1, 1, "SAY", 0, 0, QStringLiteral("a"));
    addObject(p, 2, 2, "SAY", 0, 0, QStringLiteral("b"));
    addObject(p, 3, 2, "GET", 0, 0, QStringLiteral("c"));
    addObject(p, 4, 2, "BUTON", 0, 0, QStringLiteral("d"));
    addObject(p, 5, 1, "GET", 0, 0, QStringLiteral("free")).Liber = FlagTrue; // freed slot is skipped
    addObject(p, 6, 1, "OTHER", 0, 0, QStringLiteral("o"));
    QVERIFY(!blockBody(p, 1).contains(QStringLiteral("READ")));
    QCOMPARE(blockBody(p, 1).size(), 1);
    QCOMPARE(blockBody(p, 2).count(QStringLiteral("READ")), 1);
    QCOMPARE(blockBody(p, 2).last(), QStringLiteral("READ"));
    QVERIFY(blockBody(p, 3).isEmpty());
}

void TestGenerator::commentsOnePerLine()
{
    Proiect p;
    p.setari.IncludeComentariile = FlagTrue;
    addWindow(p, 1, 0, 0, 40, 10, 1);
    Obiect &a = addObject(p, 1, 1, "SAY", 0, 0, QStringLiteral("a"));
    a.CulorileFerestrei = FlagTrue;
    a.Comentariu = QStringLiteral("prima linie\nadoua\r\na treia\rultima");
    Obiect &b = addObject(p, 2, 1, "SAY", 0, 0, QStringLiteral("b"));
    b.CulorileFerestrei = FlagTrue;
    b.Comentariu = QStringLiteral("una singura");
    QCOMPARE(blockBody(p, 1), (QStringList{
                                  "* prima linie",
                                  "* adoua",
                                  "* a treia",
                                  "* ultima",
                                  "@ 0,0 SAY 'a'",
                                  "* una singura",
                                  "@ 0,0 SAY 'b'",
                              }));
}

void TestGenerator::quotingChoosesAFreeDelimiter()
{
    QCOMPARE(literalFoxPro(QStringLiteral("Clienti")), QStringLiteral("'Clienti'"));
    QCOMPARE(literalFoxPro(QString()), QStringLiteral("''"));
    QCOMPARE(literalFoxPro(QStringLiteral("Client's")), QStringLiteral("\"Client's\""));
    QCOMPARE(literalFoxPro(QStringLiteral("a'b\"c")), QStringLiteral("[a'b\"c]"));
    QCOMPARE(literalFoxPro(QStringLiteral("[x]")), QStringLiteral("'[x]'"));

    // All three closing delimiters: a concatenation whose pieces rebuild the text.
    const QString hard = QStringLiteral("a'b\"c]d'e");
    const QString lit = literalFoxPro(hard);
    QCOMPARE(lit, QStringLiteral("[a'b\"c]+\"]d'e\""));
    QString rebuilt;
    for (const QString &piece : lit.split(QLatin1Char('+'))) {
        QVERIFY(piece.size() >= 2);
        const QChar open = piece.front(), close = piece.back();
        QVERIFY((open == '\'' && close == '\'') || (open == '"' && close == '"')
                || (open == '[' && close == ']'));
        const QString inner = piece.mid(1, piece.size() - 2);
        QVERIFY(!inner.contains(close));
        rebuilt += inner;
    }
    QCOMPARE(rebuilt, hard);

    Proiect p;
    addWindow(p, 1, 0, 0, 40, 10, 1, QStringLiteral("Client's"));
    QStringList lines;
    GeneratorCod(p, lines).CodFereastra(1);
    QCOMPARE(lines[0], QStringLiteral("DEFINE WINDOW FER1 FROM 0,0 TO 9,39 COLOR SCHEME 1 TITLE \"Client's\""));
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
