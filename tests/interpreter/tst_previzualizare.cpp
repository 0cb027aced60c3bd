// The preview: the emulated screen agrees with the work table on random
// designs, and the dialog runs the generated programs as a user drives it.
#include "app/frmprevizualizare.h"
#include "codegen/generator.h"
#include "model/reguli.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QLabel>
#include <QPen>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString kChenar = QStringLiteral("┌┐└┘─│");

// What the work table shows in one cell; a null character: any border piece.
struct Asteptat {
    std::optional<QChar> c;
    std::optional<QRgb> cerneala, fundal;
    bool sarit = false; // a GET: the program shows its value, not its name
    int eticheta = 0;   // the title or object label painted last here
};

QString aleator(QRandomGenerator &rng, const char *alfabet, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QLatin1Char(alfabet[rng.bounded(int(strlen(alfabet)))]);
    return s;
}

Culoare culoareAleatoare(QRandomGenerator &rng, bool fundal)
{
    return culoriPaleta().at(rng.bounded(fundal ? NumarCuloriFundal : 12)).valoare;
}

void umpleAleator(Proiect &p, QRandomGenerator &rng)
{
    int slot = 1;
    for (int n = 1; n <= NumarFerestre; ++n) {
        Fereastra &f = p.fereastra(n);
        f.Libera = toFlag(rng.bounded(4) == 0);
        f.Latime = quint8(rng.bounded(14, 45));
        f.Inaltime = quint8(rng.bounded(4, 14));
        f.Orizontala = quint8(rng.bounded(81 - f.Latime));
        f.Verticala = quint8(rng.bounded(26 - f.Inaltime));
        f.SchemaCulori = quint8(rng.bounded(1, 11));
        const ColoriSchema s = *CuloriSchema(f.SchemaCulori);
        std::tie(f.CuloareFundal, f.CuloareCerneala, f.CuloareChenar) = std::tie(s.fundal, s.cerneala, s.chenar);
        f.Umbra = toFlag(rng.bounded(2));
        f.Titlu = aleator(rng, "ab XZ'\"[]", int(rng.bounded(13)));
        // One object a row: a field that READ shows again would cover what overlaps it.
        for (int k = qMin(int(rng.bounded(7)), f.Inaltime - 2); k > 0 && slot <= NumarObiecte; --k, ++slot) {
            Obiect &o = p.obiect(slot);
            o = Obiect();
            o.Fereastra = quint8(n);
            o.Rand = quint8(k - 1);
            o.Tip = QString::fromLatin1(std::array{"SAY", "GET", "BUTON"}[rng.bounded(3)]);
            o.CulorileFerestrei = toFlag(rng.bounded(2));
            o.CuloareCerneala = isSet(o.CulorileFerestrei) ? f.CuloareCerneala : culoareAleatoare(rng, false);
            o.CuloareFundal = isSet(o.CulorileFerestrei) ? f.CuloareFundal : culoareAleatoare(rng, true);
            o.Variabila = toFlag(o.Tip != QLatin1String("SAY") || rng.bounded(3) == 0);
            o.Nume = isSet(o.Variabila) ? QStringLiteral("v%1").arg(slot) : aleator(rng, "Ab '\"]x:", 1 + int(rng.bounded(9)));
            o.TextAfisat = o.Nume;
            if (o.Tip == QLatin1String("GET")) {
                o.TipDate = QStringLiteral("T");
                o.Lungime = quint8(rng.bounded(3, 9));
                o.TextAfisat = Reguli::textAfisatGet(o.Nume, o.Lungime, o.Lungime);
            } else if (o.Tip == QLatin1String("BUTON")) {
                QStringList prompturi;
                for (int b = int(rng.bounded(1, 3)); b > 0; --b)
                    prompturi << aleator(rng, "DaNuxy", 1 + int(rng.bounded(8)));
                o.Valoare = prompturi.join(QLatin1Char(';'));
                o.Lungime = 10;
                o.TextAfisat = Reguli::textAfisatButon(prompturi, 10);
            }
            o.Coloana = quint8(rng.bounded(qMax(1, f.Latime - 1 - int(o.TextAfisat.size()))));
            o.Liber = toFlag(o.TextAfisat.size() > f.Latime - 2); // it would not fit inside the border
        }
    }
}

// The cells the work table paints for window n and its objects, read off its items.
QHash<QPoint, Asteptat> tabela(FrmTabelaDeLucru &t, const Proiect &p, int n)
{
    QHash<QPoint, Asteptat> a;
    auto element = [&](const QString &nume) { return dynamic_cast<ElementTabela *>(t.element(nume)); };
    auto celule = [](ElementTabela *e) {
        return QRect(int(e->pos().x() / 135), int(e->pos().y() / 240), int(e->rect().width() / 135 + 0.5),
                     int(e->rect().height() / 240 + 0.5));
    };
    if (ElementTabela *u = element(QStringLiteral("shpShadow%1").arg(n)); u->isVisible()) {
        const QRect r = celule(u);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                a[QPoint(x, y)] = Asteptat{QLatin1Char(' '), {}, u->brush().color().rgb()};
    }
    ElementTabela *fundal = element(QStringLiteral("lblWindow%1").arg(n));
    const QRect w = celule(fundal);
    const QRgb chenar = element(QStringLiteral("shpFrame%1").arg(n))->pen().color().rgb();
    for (int y = w.top(); y <= w.bottom(); ++y) {
        for (int x = w.left(); x <= w.right(); ++x) {
            const bool margine = x == w.left() || x == w.right() || y == w.top() || y == w.bottom();
            a[QPoint(x, y)] = margine ? Asteptat{std::nullopt, chenar, fundal->brush().color().rgb()}
                                      : Asteptat{QLatin1Char(' '), {}, fundal->brush().color().rgb()};
        }
    }
    QList<ElementTabela *> etichete{element(QStringLiteral("lblTitle%1").arg(n))};
    for (int k = 1; k <= NumarObiecte; ++k) {
        if (p.obiectFolosit(k) && p.obiect(k).Fereastra == n)
            etichete << element(QStringLiteral("lblObiect%1").arg(k));
    }
    for (int k = 0; k < etichete.size(); ++k) {
        ElementTabela *e = etichete.at(k);
        const bool get = e->toolTip().startsWith(QLatin1String("GET"));
        for (int i = 0; e->isVisible() && i < e->caption().size(); ++i)
            a[celule(e).topLeft() + QPoint(i, 0)] = Asteptat{e->caption().at(i), e->culoareText().rgb(),
                                                             e->brush().color().rgb(), get, k + 1};
    }
    return a;
}

} // namespace

class TestPrevizualizare : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No recovery file of an earlier run may open its question box.
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }
    void ecranulSeamanaCuTabela();
    void meniulRuleazaProiectul();
    void butonulRuleazaFereastraActiva();
    void eroareaInLocDeEcran();
};

void TestPrevizualizare::ecranulSeamanaCuTabela()
{
    TempCwd cwd;
    std::unique_ptr<MdiMain> m = startMain(quietSettings());
    FrmTabelaDeLucru *t = m->findChild<FrmTabelaDeLucru *>();
    int comparate = 0;
    for (quint32 seed = 1; seed <= 30; ++seed) {
        QRandomGenerator rng(seed);
        Proiect &p = m->proiect();
        p.ResetFerestre();
        p.ResetObiecte();
        umpleAleator(p, rng);
        QList<int> toate;
        for (int n = 1; n <= NumarFerestre; ++n)
            toate << n;
        t->redeseneaza(toate, {});
        for (int n = 1; n <= NumarFerestre; ++n) {
            if (!p.fereastraFolosita(n))
                continue;
            // Each window alone, as its program shows it before any key: up to
            // its READ, or without the closing line.
            QStringList program = genereazaCodFereastra(p, n, true).linii;
            program.removeLast();
            Interpretor i;
            i.porneste(program);
            QVERIFY2(i.stare() != Interpretor::Stare::Eroare, qPrintable(i.eroare()));
            const QHash<QPoint, Asteptat> a = tabela(*t, p, n);
            // The field READ starts in shows in its own colours.
            const int curent = i.cursor() == QPoint(-1, -1) ? 0 : a.value(i.cursor()).eticheta;
            for (auto it = a.begin(); it != a.end(); ++it) {
                if (!i.ecran().contine(it.key().x(), it.key().y()) || it->sarit)
                    continue;
                const Celula &c = i.ecran().at(it.key().x(), it.key().y());
                const QString unde = QStringLiteral("seed %1, window %2, cell %3,%4")
                                         .arg(seed).arg(n).arg(it.key().x()).arg(it.key().y());
                QVERIFY2(it->c ? c.c == *it->c : kChenar.contains(c.c), qPrintable(unde));
                if (curent && it->eticheta == curent)
                    continue;
                QVERIFY2(!it->fundal || QColor(rgbFromCuloare(c.fundal)).rgb() == *it->fundal, qPrintable(unde));
                QVERIFY2(!it->cerneala || c.c == QLatin1Char(' ') || QColor(rgbFromCuloare(c.cerneala)).rgb() == *it->cerneala,
                         qPrintable(unde));
                ++comparate;
            }
        }
    }
    QVERIFY(comparate > 10000);
}

void TestPrevizualizare::meniulRuleazaProiectul()
{
    TempCwd cwd;
    std::unique_ptr<MdiMain> m = startMain(quietSettings());
    m->show();
    QApplication::setActiveWindow(m.get());
    pressKey(*m, "frmFerestre", "CREAZA");
    Obiect &o = m->proiect().obiect(1);
    o.Liber = FlagFalse;
    o.Fereastra = 1;
    std::tie(o.Tip, o.Nume, o.TipDate, o.Lungime, o.Variabila) = std::tuple("GET", "nume", "T", 5, FlagTrue);
    bool deschis = false;
    onNextModal([&](QWidget *w) {
        deschis = w->objectName() == QLatin1String("frmPrevizualizare");
        QCOMPARE(w->windowTitle(), QStringLiteral("Previzualizare"));
        QWidget *ecran = find<QWidget>(w, "ecran");
        const QStringList linii = ecran->property("linii").toStringList();
        QCOMPARE(linii.size(), 25);
        QCOMPARE(linii.at(0).size(), 80);
        QVERIFY(linii.at(0).contains(QStringLiteral("FER 1")));
        // The window at 0,0: its first field starts inside the border.
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(1, 1));
        QTest::keyClicks(ecran, QStringLiteral("ab"));
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(3, 1));
        QTest::keyClick(ecran, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(-1, -1));
        auto *tabel = find<QTableWidget>(w, "tblVariabile");
        QCOMPARE(tabel->rowCount(), 1);
        QCOMPARE(tabel->item(0, 0)->text(), QStringLiteral("nume"));
        QCOMPARE(tabel->item(0, 2)->text(), QStringLiteral("\"ab   \""));
        find<QPushButton>(w, "cmdReia")->click();
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(1, 1));
        QTest::keyClick(ecran, Qt::Key_Escape); // ends READ
        QVERIFY(w->isVisible());
        QTest::keyClick(ecran, Qt::Key_Escape); // closes
        QVERIFY(!w->isVisible());
    });
    QTest::keyClick(m.get(), Qt::Key_F9);
    QVERIFY(deschis);
}

void TestPrevizualizare::butonulRuleazaFereastraActiva()
{
    TempCwd cwd;
    std::unique_ptr<MdiMain> m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    pressKey(*m, "frmFerestre", "CREAZA"); // window 2, now the active one
    Obiect &o = m->proiect().obiect(1);
    o.Liber = FlagFalse;
    o.Fereastra = 2;
    std::tie(o.Tip, o.Nume, o.TipDate, o.Lungime, o.Variabila) = std::tuple("GET", "x", "N", 3, FlagTrue);
    o.Valoare = QStringLiteral("0");
    QStringList linii;
    onNextModal([&](QWidget *w) {
        linii = find<QWidget>(w, "ecran")->property("linii").toStringList();
        w->close();
    });
    pressKey(*m, "frmFerestre", "PREVIZUALIZARE");
    QCOMPARE(linii.size(), 25);
    const QString tot = linii.join(QLatin1Char('\n'));
    QVERIFY(tot.contains(QStringLiteral("FER 2")));
    QVERIFY(!tot.contains(QStringLiteral("FER 1")));
    QVERIFY(tot.contains(QStringLiteral("         0")));
}

void TestPrevizualizare::eroareaInLocDeEcran()
{
    FrmPrevizualizare d({QStringLiteral("CLEAR"), QStringLiteral("ACTIVATE WINDOW FER3")});
    d.show();
    auto *eroare = find<QLabel>(&d, "lblEroare");
    QVERIFY(eroare->isVisible());
    QVERIFY(!find<QWidget>(&d, "ecran")->isVisible());
    QVERIFY(eroare->text().contains(QStringLiteral("linia 2")));
    QVERIFY(eroare->text().contains(QStringLiteral("ACTIVATE WINDOW FER3")));
}

QTEST_MAIN(TestPrevizualizare)
#include "tst_previzualizare.moc"
