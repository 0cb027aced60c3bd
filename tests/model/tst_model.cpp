#include "model/colors.h"
#include "model/project.h"
#include "model/rounding.h"

#include <QtTest>

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void resetPutsEverySlotInItsInitialState();
    void lowestFreeSlotRules();
    void objectSlotsAreSharedByAllWindows();
    void freeingAWindowFreesOnlyItsObjects();
    void separateProjectsShareNothing();
    void colourCodes();
    void colourSchemes();
    void roundingTakesHalvesToEven();
};

void TestModel::resetPutsEverySlotInItsInitialState()
{
    Proiect p;
    p.fereastra(3) = Fereastra{};
    p.fereastra(3).Titlu = QStringLiteral("X");
    p.obiect(17).Nume = QStringLiteral("x");
    p.obiect(17).FunctionD = FlagTrue;
    p.obiect(17).Liber = FlagFalse;
    p.ResetFerestre();
    p.ResetObiecte();

    for (int n = 1; n <= NumarFerestre; ++n) {
        const Fereastra &f = p.fereastra(n);
        QCOMPARE(f.Libera, FlagTrue);
        QCOMPARE(f.Umbra, FlagFalse);
        QCOMPARE(f.Inaltime, quint8(10));
        QCOMPARE(f.Latime, quint8(20));
        QCOMPARE(f.Orizontala, quint8(0));
        QCOMPARE(f.Verticala, quint8(1));
        QCOMPARE(f.Titlu, QStringLiteral("FER %1").arg(n));
        QCOMPARE(f.SchemaCulori, quint8(0));
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        const Obiect &o = p.obiect(n);
        QCOMPARE(o.Liber, FlagTrue);
        QVERIFY(o.Nume.isEmpty() && o.Comentariu.isEmpty());
        QCOMPARE(o.FunctionD, FlagFalse);
        QCOMPARE(o.Rand, quint8(0));
    }
    QVERIFY(!p.existaFerestre());
}

void TestModel::lowestFreeSlotRules()
{
    Proiect p;
    QCOMPARE(p.PrimaFereastraLibera(), 1);
    for (int n = 1; n <= NumarFerestre; ++n)
        p.fereastra(n).Libera = FlagFalse;
    QCOMPARE(p.PrimaFereastraLibera(), -1);
    p.fereastra(4).Libera = FlagTrue;
    p.fereastra(2).Libera = FlagTrue;
    QCOMPARE(p.PrimaFereastraLibera(), 2);
    // Only -1 counts as set: a slot flagged 1 is not free.
    p.fereastra(2).Libera = 1;
    QCOMPARE(p.PrimaFereastraLibera(), 4);
    QVERIFY(p.fereastraFolosita(2));
    QVERIFY(!p.fereastraFolosita(0));
    QVERIFY(!p.fereastraFolosita(6));

    QCOMPARE(p.PrimulObiectLiber(), 1);
    for (int n = 1; n <= NumarObiecte; ++n)
        p.obiect(n).Liber = FlagFalse;
    QCOMPARE(p.PrimulObiectLiber(), -1);
    p.obiect(60).Liber = FlagTrue;
    QCOMPARE(p.PrimulObiectLiber(), 60);
}

void TestModel::objectSlotsAreSharedByAllWindows()
{
    Proiect p;
    p.fereastra(1).Libera = FlagFalse;
    p.fereastra(2).Libera = FlagFalse;
    for (int n = 1; n <= NumarObiecte; ++n) {
        p.obiect(n).Liber = FlagFalse;
        p.obiect(n).Fereastra = 1;
    }
    // Window 2 has no objects, yet no slot is left for it.
    QCOMPARE(p.PrimulObiectLiber(), -1);
}

void TestModel::freeingAWindowFreesOnlyItsObjects()
{
    Proiect p;
    for (int n = 1; n <= 3; ++n)
        p.fereastra(n).Libera = FlagFalse;
    for (int i = 1; i <= 9; ++i) {
        p.obiect(i).Liber = FlagFalse;
        p.obiect(i).Fereastra = quint8((i - 1) % 3 + 1);
        p.obiect(i).Nume = QStringLiteral("o%1").arg(i);
    }
    p.eliberezaFereastra(2);
    QVERIFY(!p.fereastraFolosita(2));
    QVERIFY(p.fereastraFolosita(1) && p.fereastraFolosita(3));
    for (int i = 1; i <= 9; ++i) {
        QCOMPARE(p.obiectFolosit(i), p.obiect(i).Fereastra != 2);
        // A freed slot keeps its old values until reused.
        QCOMPARE(p.obiect(i).Nume, QStringLiteral("o%1").arg(i));
    }
    QCOMPARE(p.PrimaFereastraLibera(), 2);
    QCOMPARE(p.PrimulObiectLiber(), 2);
    p.eliberezaFereastra(0); // out of range: nothing happens
    p.eliberezaFereastra(6);
    QVERIFY(p.fereastraFolosita(1));
}

void TestModel::separateProjectsShareNothing()
{
    Proiect a;
    a.fereastra(1).Libera = FlagFalse;
    a.setari.ConfirmareStergere = FlagTrue;
    a.ObiectExistent = true;
    Proiect b;
    QVERIFY(!b.fereastraFolosita(1));
    QCOMPARE(b.setari.ConfirmareStergere, FlagFalse);
    QVERIFY(!b.ObiectExistent);
}

void TestModel::colourCodes()
{
    const struct {
        Culoare value;
        const char *code;
    } expected[] = {
        {0, "8"},           {12582912, "B"},  {49152, "G"},    {12632064, "3"},
        {192, "R"},         {12583104, "5"},  {65535, "6"},    {14737632, "W"},
        {16744576, "B+"},   {65280, "G+"},    {8421631, "R+"}, {16777215, "W+"},
    };
    QCOMPARE(int(culoriPaleta().size()), 12);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        QCOMPARE(CodCuloare(expected[i].value), QString::fromLatin1(expected[i].code));
        QCOMPARE(culoriPaleta()[i].valoare, expected[i].value); // table order matters to the pickers
    }
    QCOMPARE(CodCuloare(0x0000FF), QString()); // pure red is not a palette colour
    QCOMPARE(CodCuloare(-1), QString());
    QCOMPARE(rgbFromCuloare(Culori::Red), quint32(0xC00000));
    QCOMPARE(rgbFromCuloare(Culori::LightBlue), quint32(0x8080FF));
}

void TestModel::colourSchemes()
{
    using namespace Culori;
    const ColoriSchema expected[] = {
        {Blue, White, Yellow},    {LightGray, Cyan, Black}, {LightGray, Cyan, Cyan},
        {LightGray, Cyan, Black}, {Magenta, White, White},  {Cyan, LightGray, White},
        {Red, Yellow, Yellow},    {Cyan, White, Yellow},    {Cyan, LightGray, Blue},
        {Cyan, White, Yellow},
    };
    for (int s = 1; s <= 10; ++s) {
        const auto c = CuloriSchema(s);
        QVERIFY(c.has_value());
        QCOMPARE(c->fundal, expected[s - 1].fundal);
        QCOMPARE(c->cerneala, expected[s - 1].cerneala);
        QCOMPARE(c->chenar, expected[s - 1].chenar);
        // Scheme backgrounds must be offered by the background picker.
        bool inBackgroundPicker = false;
        for (int i = 0; i < NumarCuloriFundal; ++i)
            inBackgroundPicker |= culoriPaleta()[std::size_t(i)].valoare == c->fundal;
        QVERIFY(inBackgroundPicker);
    }
    QVERIFY(!CuloriSchema(0).has_value());
    QVERIFY(!CuloriSchema(11).has_value());
    QVERIFY(!CuloriSchema(-3).has_value());
}

void TestModel::roundingTakesHalvesToEven()
{
    QCOMPARE(roundHalfEven(2.5), 2);
    QCOMPARE(roundHalfEven(3.5), 4);
    QCOMPARE(roundHalfEven(-2.5), -2);
    QCOMPARE(roundHalfEven(-3.5), -4);
    QCOMPARE(roundHalfEven(0.5), 0);
    QCOMPARE(roundHalfEven(1.5), 2);
    QCOMPARE(roundHalfEven(2.4999), 2);
    QCOMPARE(roundHalfEven(2.5001), 3);
    QCOMPARE(roundHalfEven(1012.5), 1012);
    QCOMPARE(roundHalfEven(7.0), 7);
    QCOMPARE(roundHalfEven(1e12), INT_MAX);
    QCOMPARE(roundHalfEven(std::nan("")), 0);
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
