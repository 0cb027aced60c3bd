#include "model/colors.h"
#include "model/project.h"
#include "model/reguli.h"
#include "model/rounding.h"

#include <QtTest>

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void resetPutsEverySlotInItsInitialState();
    void lowestFreeSlotAndFreeing();
    void colourCodesAndSchemes();
    void roundingTakesHalvesToEven();
    void boxFilters_data();
    void boxFilters();
    void limitKeepsTheStartOfTheInsertion();
    void displayedTexts();
    void numericDefaultAndDateMask();
};

void TestModel::resetPutsEverySlotInItsInitialState()
{
    Proiect p;
    p.fereastra(3) = {FlagFalse, FlagTrue, 5, 6, 7, 8, 1, 2, 3, QStringLiteral("X"), 4, FlagTrue};
    p.obiect(17) = {FlagFalse, FlagTrue};
    p.obiect(17).FunctionD = FlagTrue;
    p.ResetFerestre();
    p.ResetObiecte();
    for (int n = 1; n <= NumarFerestre; ++n)
        QVERIFY(p.fereastra(n) ==
                (Fereastra{FlagTrue, FlagFalse, 0, 1, 20, 10, 0, 0, 0, QStringLiteral("FER %1").arg(n)}));
    Obiect free;
    free.Liber = FlagTrue;
    for (int n = 1; n <= NumarObiecte; ++n)
        QVERIFY(p.obiect(n) == free);
    QVERIFY(!p.existaFerestre());
}

void TestModel::lowestFreeSlotAndFreeing()
{
    Proiect p;
    QCOMPARE(p.PrimaFereastraLibera(), 1);
    for (int n = 1; n <= NumarFerestre; ++n)
        p.fereastra(n).Libera = n == 4 ? FlagTrue : n == 2 ? 1 : FlagFalse; // only -1 counts as set
    QCOMPARE(p.PrimaFereastraLibera(), 4);
    QVERIFY(p.fereastraFolosita(2) && !p.fereastraFolosita(0) && !p.fereastraFolosita(6));
    p.fereastra(4).Libera = FlagFalse;
    QCOMPARE(p.PrimaFereastraLibera(), -1);

    // Object slots are shared by all windows: 60 objects of window 1 leave none for window 3.
    for (int i = 1; i <= NumarObiecte; ++i)
        std::tie(p.obiect(i).Liber, p.obiect(i).Fereastra, p.obiect(i).Nume) =
            std::tuple(FlagFalse, quint8(i % 3 ? 1 : 3), QStringLiteral("o%1").arg(i));
    QCOMPARE(p.PrimulObiectLiber(), -1);
    p.obiect(3).Liber = FlagTrue;
    QCOMPARE(p.PrimulObiectLiber(), 3);
}

void TestModel::colourCodesAndSchemes()
{
    // The pickers show the palette in this order.
    const std::pair<Culoare, const char *> codes[] = {
        {0, "8"},     {12582912, "B"}, {49152, "G"},     {12632064, "3"}, {192, "R"},      {12583104, "5"},
        {65535, "6"}, {14737632, "W"}, {16744576, "B+"}, {65280, "G+"},   {8421631, "R+"}, {16777215, "W+"},
    };
    QCOMPARE(int(culoriPaleta().size()), 12);
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        QCOMPARE(CodCuloare(codes[i].first), QString::fromLatin1(codes[i].second));
        QCOMPARE(culoriPaleta()[i].valoare, codes[i].first);
    }
    QCOMPARE(CodCuloare(0x0000FF), QString()); // pure red is not a palette colour
    QCOMPARE(rgbFromCuloare(Culori::LightBlue), quint32(0x8080FF));

    using namespace Culori;
    const ColoriSchema schemes[] = {
        {Blue, White, Yellow},   {LightGray, Cyan, Black}, {LightGray, Cyan, Cyan}, {LightGray, Cyan, Black},
        {Magenta, White, White}, {Cyan, LightGray, White}, {Red, Yellow, Yellow},   {Cyan, White, Yellow},
        {Cyan, LightGray, Blue}, {Cyan, White, Yellow},
    };
    for (int s = 1; s <= 10; ++s) {
        const auto c = CuloriSchema(s);
        const ColoriSchema &e = schemes[s - 1];
        QVERIFY(c && c->fundal == e.fundal && c->cerneala == e.cerneala && c->chenar == e.chenar);
    }
    QVERIFY(!CuloriSchema(0) && !CuloriSchema(11) && !CuloriSchema(-3));
}

void TestModel::roundingTakesHalvesToEven()
{
    const std::pair<double, int> cases[] = {
        {2.5, 2},    {3.5, 4},    {-2.5, -2},     {-3.5, -4}, {0.5, 0},        {10.5, 10},       {11.5, 12},
        {2.4999, 2}, {2.5001, 3}, {1012.5, 1012}, {7.0, 7},   {1e12, INT_MAX}, {std::nan(""), 0}};
    for (const auto &[x, r] : cases)
        QCOMPARE(roundHalfEven(x), r);
}

void TestModel::boxFilters_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("emptyBox");
    QTest::addColumn<QString>("kept");
    using F = Reguli::Filtru;
    QTest::newRow("name from empty") << int(F::Nume) << QStringLiteral("9a_B7 [ș.x") << true
                                     << QStringLiteral("a_B7x");
    QTest::newRow("name appended") << int(F::Nume) << QStringLiteral("9z") << false << QStringLiteral("9z");
    QTest::newRow("name: digits only") << int(F::Nume) << QStringLiteral("123") << true << QString();
    QTest::newRow("prompt") << int(F::Prompt) << QStringLiteral("Da;Nu\t[x]\n") << true
                            << QStringLiteral("DaNu[x]");
    QTest::newRow("text") << int(F::Text) << QStringLiteral("a;b\r\nș\u2028[") << true
                          << QStringLiteral("a;bș[");
    QTest::newRow("digits") << int(F::Cifre) << QStringLiteral("-1.5e3") << true << QStringLiteral("153");
    QTest::newRow("number") << int(F::Numar) << QStringLiteral("-1,5e3.+") << true << QStringLiteral("-153.");
}

void TestModel::boxFilters()
{
    QFETCH(int, filter);
    QFETCH(QString, inserted);
    QFETCH(bool, emptyBox);
    QFETCH(QString, kept);
    const auto f = Reguli::Filtru(filter);
    QCOMPARE(Reguli::filtreaza(f, inserted, emptyBox), kept);
    QCOMPARE(Reguli::textAcceptat(f, inserted), emptyBox && kept == inserted);
}

void TestModel::limitKeepsTheStartOfTheInsertion()
{
    using namespace Qt::StringLiterals;
    // Pasting "XYZW" into "abcdef" after "abc" with room for 8: "XY" goes in, the cursor after it.
    const auto cut = Reguli::limiteaza(u"abcdef"_s, u"abcXYZWdef"_s, 8);
    QVERIFY(cut && cut->text == u"abcXYdef"_s && cut->cursor == 5);
    QVERIFY(!Reguli::limiteaza(u"abc"_s, u"abcd"_s, 4));             // within the limit
    QVERIFY(!Reguli::limiteaza(u"abcdefghij"_s, u"abcdefghi"_s, 5)); // only shortens
    const auto full = Reguli::limiteaza(u"aaaa"_s, u"aaXaa"_s, 4);   // no room at all
    QVERIFY(full && full->text == u"aaaa"_s);
    // A surrogate pair is kept or cut whole, also where the two texts share half of one.
    const auto pair = Reguli::limiteaza(u"ab"_s, u"a\U0001F600\U0001F600b"_s, 5);
    QVERIFY(pair && pair->text == u"a\U0001F600b"_s);
    const auto half = Reguli::limiteaza(u"\U0001F600"_s, u"\U0001F601\U0001F600"_s, 2);
    QVERIFY(half && half->text == u"\U0001F600"_s);
    const auto replaced = Reguli::limiteaza(u"a\U0001F600"_s, u"a\U0001F200"_s, 2);
    QVERIFY(replaced && replaced->text == u"a"_s);
}

void TestModel::displayedTexts()
{
    QCOMPARE(Reguli::textAfisatGet(QStringLiteral("nume"), 7, 3), QStringLiteral("nume   "));
    QCOMPARE(Reguli::textAfisatGet(QStringLiteral("numele"), 4, 3), QStringLiteral("num"));
    QCOMPARE(Reguli::textAfisatButon({QStringLiteral("Da"), QStringLiteral("Nu")}, 6),
             QStringLiteral("<  Da> <  Nu>"));
    QCOMPARE(Reguli::textAfisatButon({QStringLiteral("Anuleaza")}, 5), QStringLiteral("<Anuleaza>"));
}

void TestModel::numericDefaultAndDateMask()
{
    // Leading zeros and trailing decimal zeros go, "-" alone becomes "0"; the leading number counts.
    const char *const numbers[][2] = {{"-0012.50", "-12.5"}, {"-", "0"},      {"007", "7"},
                                      {"1.000", "1"},        {"", "0"},       {".5", "0.5"},
                                      {"-0.0", "0"},         {"3.5-2", "3.5"}};
    for (const auto &[typed, value] : numbers)
        QCOMPARE(Reguli::valoareNumerica(QLatin1String(typed)), QLatin1String(value));
    Setari s;
    const char *const masks[] = {"LL/ZZ/AA", "LL/ZZ/AAAA", "ZZ/LL/AA", "ZZ/LL/AAAA"};
    for (int i = 0; i < 4; ++i) {
        s.FormatZLA = toFlag(i & 2);
        s.AnulArePatruCifre = toFlag(i & 1);
        QCOMPARE(Reguli::mascaData(s), QLatin1String(masks[i]));
    }
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
