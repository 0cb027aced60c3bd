// The design model alone: its rules, and the steps it reports.
#include "model/modelproiect.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

ModelProiect::SablonFereastra sablon(bool umbra = false, bool patrata = false)
{
    return {umbra, patrata, 1, Culori::Blue, Culori::White, Culori::Black};
}

} // namespace

class TestModelProiect : public QObject
{
    Q_OBJECT

private slots:
    void limits();
    void windowsAndObjects();
    void listsAndSelection();
    void stepsAndTransactions();
};

void TestModelProiect::limits()
{
    // A window's right edge, with a shadow kept on screen two columns more, stays within column 80.
    const struct {
        int latime;
        bool umbra;
        int coloana;
        bool accepted;
    } rows[] = {{30, false, 50, true}, {30, false, 51, false}, {30, true, 48, true},  {30, true, 49, false},
                {79, false, 1, true},  {79, false, 2, false},  {10, false, -1, false}};
    for (const auto &r : rows) {
        ModelProiect m;
        const int n = m.creeazaFereastra(sablon());
        m.seteazaLatime(n, r.latime);
        QCOMPARE(m.seteazaOrizontala(n, r.coloana, r.umbra), r.accepted);
        QCOMPARE(int(m.fereastra(n).Orizontala), r.accepted ? r.coloana : 0);
        // An object's label ends by the right border (width - 2 interior columns); its row stays above the
        // bottom border (height - 2 rows).
        m.seteazaInaltime(n, 6);
        const int k = m.adaugaObiect(TipObiect::Say, n, 0, 0);
        m.seteazaTextSay(k, QStringLiteral("abcd"));
        const int ultima = r.latime - 2 - 4;
        QVERIFY(m.seteazaColoanaObiect(k, ultima) == (ultima >= 0) && !m.seteazaColoanaObiect(k, ultima + 1));
        QVERIFY(m.seteazaRandObiect(k, 3) && !m.seteazaRandObiect(k, 4) && !m.seteazaRandObiect(k, -1));
    }
}

void TestModelProiect::windowsAndObjects()
{
    ModelProiect m;
    // The lowest free slot, the palette's template, 30 x 10 (20 x 10 square) at the corner.
    QCOMPARE(m.creeazaFereastra(sablon(true)), 1);
    QCOMPARE(m.creeazaFereastra(sablon(false, true)), 2);
    const Fereastra &f1 = m.fereastra(1), &f2 = m.fereastra(2);
    QVERIFY(f1.Latime == 30 && f1.Inaltime == 10 && f1.Orizontala == 0 && f1.Verticala == 0 &&
            isSet(f1.Umbra) && f1.Titlu == QStringLiteral("FER 1") && f1.CuloareFundal == Culori::Blue);
    QVERIFY(f2.Latime == 20 && isSet(f2.Patrata) && f2.Titlu == QStringLiteral("FER 2"));
    for (int n = 3; n <= 5; ++n)
        QCOMPARE(m.creeazaFereastra(sablon()), n);
    QCOMPARE(m.creeazaFereastra(sablon()), -1);

    // A title four columns short of the width widens the window by one. A title the box refuses is refused.
    m.seteazaLatime(1, 24);
    QVERIFY(m.seteazaTitlu(1, QString(19, u'x')) && f1.Latime == 24);
    QVERIFY(m.seteazaTitlu(1, QString(20, u'x')) && f1.Latime == 25);
    QVERIFY(!m.seteazaTitlu(1, QString(21, u'x')) && !m.seteazaTitlu(1, QStringLiteral("a⊬")) &&
            !m.seteazaTitlu(1, QStringLiteral("a\tb")) && f1.Titlu == QString(20, u'x'));
    // The bars' ranges, whatever the screen's edges.
    for (int v : {79, 80, 2})
        m.seteazaLatime(1, v), m.seteazaInaltime(1, v - 55), m.seteazaVerticala(1, v - 55);
    QVERIFY(f1.Latime == 79 && f1.Inaltime == 24 && f1.Verticala == 24);

    // Objects: named after their kind and slot; a @GET white on black, the others in the window's colours.
    const int say = m.adaugaObiect(TipObiect::Say, 1, Culori::Blue, Culori::White);
    const int get = m.adaugaObiect(TipObiect::Get, 1, Culori::Blue, Culori::White);
    const int other = m.adaugaObiect(TipObiect::Say, 2, Culori::Blue, Culori::White);
    QCOMPARE(m.obiect(say).Nume, QStringLiteral("SAY 1"));
    QCOMPARE(m.obiect(get).Nume, QStringLiteral("GET 2"));
    QVERIFY(!isSet(m.obiect(get).CulorileFerestrei) && m.obiect(get).CuloareFundal == Culori::Black &&
            m.obiect(get).CuloareCerneala == Culori::White);
    QCOMPARE(m.adaugaObiect(TipObiect::Say, 9, 0, 0), -1); // no such window

    // A new scheme recolours the window and its objects in window colours, and nothing else.
    m.seteazaSchema(1, 4, Culori::Red, Culori::Yellow, Culori::Green);
    QVERIFY(f1.CuloareFundal == Culori::Red && f1.CuloareCerneala == Culori::Yellow &&
            f1.CuloareChenar == Culori::Green && f1.SchemaCulori == 4);
    QVERIFY(m.obiect(say).CuloareFundal == Culori::Red && m.obiect(say).CuloareCerneala == Culori::Yellow);
    QVERIFY(m.obiect(get).CuloareFundal == Culori::Black && m.obiect(other).CuloareFundal == Culori::Blue);

    // The nine places: a 31 x 10 window (no shadow / shadow kept on screen) and a label of 4 in it.
    m.seteazaLatime(1, 31);
    m.seteazaInaltime(1, 10);
    const struct {
        int coloana, rand;
        bool umbra;
        int x, y;
    } locuri[] = {{1, 1, false, 40 - 16, 12 - 5},
                  {2, 2, false, 80 - 31, 25 - 10},
                  {2, 2, true, 80 - 31 - 2, 25 - 10 - 1},
                  {0, 2, true, 0, 25 - 10 - 1},
                  {2, 0, false, 80 - 31, 0}};
    for (const auto &l : locuri) {
        m.aliniazaFereastra(1, l.coloana, l.rand, l.umbra);
        QCOMPARE(QPoint(f1.Orizontala, f1.Verticala), QPoint(l.x, l.y));
    }
    m.seteazaTextSay(say, QStringLiteral("abcd"));
    m.aliniazaObiect(say, 2, 2);
    QCOMPARE(QPoint(m.obiect(say).Coloana, m.obiect(say).Rand), QPoint(31 - 2 - 4, 10 - 3));
    QVERIFY(m.centreazaOrizontal(say) && m.centreazaVertical(say));
    // Half of the interior (29 / 2 = 14.5) less half the label (2), halves to even: 12; rows 8 / 2.
    QCOMPARE(QPoint(m.obiect(say).Coloana, m.obiect(say).Rand), QPoint(12, 4));
    // A square window's height drives its width; its width drives the height (half, halves to even) and goes
    // back to twice it when the height changes or past 48 columns; dragged in, it collapses to 6 x 3.
    const struct {
        int inaltime, latime;
        bool tragere;
        int w, h;
    } patrate[] = {{7, 7, false, 14, 7},    {10, 23, false, 24, 12}, {10, 21, false, 21, 10},
                   {12, 25, false, 25, 12}, {10, 60, false, 20, 10}, {10, 30, true, 30, 15},
                   {10, 18, true, 6, 3},    {3, 5, true, 5, 3}};
    for (const auto &p : patrate) {
        m.seteazaInaltime(2, p.inaltime);
        if (p.latime != p.inaltime)
            m.seteazaLatime(2, p.latime, p.tragere);
        QCOMPARE(QSize(f2.Latime, f2.Inaltime), QSize(p.w, p.h));
    }

    // Deleting a window frees it and its objects only.
    m.stergeFereastra(1);
    QVERIFY(isSet(f1.Libera) && isSet(m.obiect(say).Liber) && isSet(m.obiect(get).Liber));
    QVERIFY(!isSet(m.obiect(other).Liber));
    QCOMPARE(m.creeazaFereastra(sablon()), 1);
}

void TestModelProiect::listsAndSelection()
{
    ModelProiect m;
    // Window lines stand in creation order, with the text written then; the new window is active, and a
    // deletion makes the first line left active.
    for (int i = 0; i < 3; ++i)
        m.creeazaFereastra(sablon());
    m.seteazaTitlu(1, QStringLiteral("Clienti"));
    m.stergeFereastra(2);
    QCOMPARE(m.fereastraActiva(), 1);
    QCOMPARE(m.creeazaFereastra(sablon()), 2);
    QCOMPARE(m.liniiFerestre(), (QList<LinieFereastra>{{1, QStringLiteral("F1 [FER 1]")},
                                                       {3, QStringLiteral("F3 [FER 3]")},
                                                       {2, QStringLiteral("F2 [FER 2]")}}));
    QCOMPARE(m.fereastraActiva(), 2);
    // Objects of the active window are listed; a new one is selected and keeps its creation line until the
    // list is rebuilt.
    const int a = m.adaugaObiect(TipObiect::Buton, 2, 0, 0), b = m.adaugaObiect(TipObiect::Get, 1, 0, 0);
    QVERIFY(m.ordineObiecte() == QList<int>{a} && m.obiectSelectat() == a && m.obiectNou() == a);
    QCOMPARE(m.textLinieObiect(a), QStringLiteral("BUTON1 [BUTON 1]"));
    m.actualizeazaListaObiecte();
    QVERIFY(m.textLinieObiect(a) == QStringLiteral("@BUTON1[BUTON 1]") && m.obiectNou() == -1);
    const int c = m.adaugaObiect(TipObiect::Say, 2, 0, 0);
    m.selecteazaObiect(a);
    m.selecteazaObiect(b); // not listed
    QCOMPARE(m.obiectSelectat(), a);
    m.stergeObiect(a); // the last line left is selected
    QVERIFY(m.ordineObiecte() == QList<int>{c} && m.obiectSelectat() == c);
    // Another window lists its objects, the last selected; a window not listed is not picked.
    m.selecteazaFereastra(1);
    m.selecteazaFereastra(4);
    QVERIFY(m.fereastraActiva() == 1 && m.ordineObiecte() == QList<int>{b} && m.obiectSelectat() == b);
    for (int n : {1, 2, 3})
        m.stergeFereastra(n);
    QVERIFY(m.liniiFerestre().isEmpty() && m.fereastraActiva() == -1 && m.ordineObiecte().isEmpty() &&
            m.obiectSelectat() == -1);
}

void TestModelProiect::stepsAndTransactions()
{
    ModelProiect m;
    QSignalSpy steps(&m, &ModelProiect::pas);
    auto last = [&] { return steps.last().at(0).value<PasProiect>(); };
    const int n = m.creeazaFereastra(sablon());
    QCOMPARE(steps.size(), 1);
    QVERIFY(last().fel == Modificare::CreareFereastra && last().tinta == n && !last().unire);
    QVERIFY(isSet(last().inainte.ferestre[1].Libera) && !isSet(last().dupa.ferestre[1].Libera));

    // Each operation names its step; bars and typing may merge, the rest never.
    const struct {
        Modificare fel;
        bool unire;
        std::function<void()> op;
    } rows[] = {
        {Modificare::MutareFereastra, true, [&] { m.seteazaVerticala(n, 4); }},
        {Modificare::MutareFereastra, true, [&] { m.seteazaOrizontala(n, 3, false); }},
        {Modificare::RedimensionareFereastra, true, [&] { m.seteazaLatime(n, 40); }},
        {Modificare::TitluFereastra, true, [&] { m.seteazaTitlu(n, QStringLiteral("A")); }},
        {Modificare::UmbraFereastra, false, [&] { m.seteazaUmbra(n, true); }},
        {Modificare::PatrataFereastra, false, [&] { m.seteazaPatrata(n, true); }},
        {Modificare::SchemaFereastra, false, [&] { m.seteazaSchema(n, 2, 1, 2, 3); }},
        {Modificare::CreareGet, false, [&] { m.adaugaObiect(TipObiect::Get, n, 0, 0); }},
        {Modificare::MutareObiect, true, [&] { m.seteazaRandObiect(1, 2); }},
        {Modificare::CuloareObiect, false, [&] { m.seteazaCuloriObiect(1, false, 5, 6); }},
        {Modificare::StergereObiect, false, [&] { m.stergeObiect(1); }},
        {Modificare::StergereFereastra, false, [&] { m.stergeFereastra(n); }},
    };
    for (const auto &r : rows) {
        steps.clear();
        r.op();
        QCOMPARE(steps.size(), 1);
        QVERIFY(last().fel == r.fel && last().unire == r.unire);
        QVERIFY(!numeModificare(r.fel).isEmpty() &&
                numeModificare(r.fel) != numeModificare(Modificare::Proiect));
        // The same operation again (but a creation) changes nothing and reports nothing.
        if (r.fel != Modificare::CreareGet) {
            r.op();
            QCOMPARE(steps.size(), 1);
        }
    }

    // Nested operations are the outermost transaction's one step; the model's lists go with it.
    m.creeazaFereastra(sablon());
    steps.clear();
    {
        ModelProiect::Tranzactie t(m, Modificare::AliniereFereastra, 1);
        m.seteazaVerticala(1, 7);
        m.seteazaOrizontala(1, 9, false);
        m.adaugaObiect(TipObiect::Say, 1, 0, 0);
        QCOMPARE(steps.size(), 0);
    }
    QCOMPARE(steps.size(), 1);
    QVERIFY(last().fel == Modificare::AliniereFereastra && last().dupa.ferestre[1].Orizontala == 9 &&
            last().dupa.ferestre[1].Verticala == 7 && last().dupa.ordineObiecte == QList<int>{1} &&
            last().dupa.obiectSelectat == 1);

    // Given up, a transaction puts everything back and reports nothing; so does one that only wrote into a
    // slot it left free (a new object cancelled).
    const StareProiect before = m.stare();
    steps.clear();
    {
        ModelProiect::Tranzactie t(m, Modificare::MutareFereastra, 1);
        m.seteazaVerticala(1, 2);
        m.renunta();
    }
    {
        ModelProiect::Tranzactie t(m, Modificare::CreareSay, 2);
        m.stergeObiect(m.adaugaObiect(TipObiect::Say, 1, 0, 0));
    }
    QCOMPARE(steps.size(), 0);
    QVERIFY(m.fereastra(1) == before.ferestre[1]);
}

QTEST_MAIN(TestModelProiect)
#include "tst_modelproiect.moc"
