// The preview: the emulated screen agrees with the work table on random designs, damaged copies of their
// programs never crash it, and the dialog runs the generated programs as a user drives it.
#include "app/frmprevizualizare.h"
#include "codegen/generator.h"
#include "model/reguli.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QHeaderView>
#include <QLabel>
#include <QPen>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QtTest>

namespace {

// What the work table shows in one cell; a null character: any border piece.
struct Asteptat {
    std::optional<QChar> c;
    std::optional<QRgb> cerneala, fundal;
    int eticheta = 0; // the title or object label painted last here
};

QString aleator(QRandomGenerator &rng, const char *alfabet, int n)
{
    return n > 0 ? QLatin1Char(alfabet[rng.bounded(int(strlen(alfabet)))]) + aleator(rng, alfabet, n - 1)
                 : QString();
}

void umpleAleator(Proiect &p, QRandomGenerator &rng)
{
    int slot = 1;
    for (int n = 1; n <= NumarFerestre; ++n) {
        Fereastra &f = p.fereastra(n);
        std::tie(f.Libera, f.Umbra, f.SchemaCulori, f.Latime, f.Inaltime) =
            std::tuple(toFlag(rng.bounded(4) == 0), toFlag(rng.bounded(2)), rng.bounded(1, 11),
                       rng.bounded(14, 45), rng.bounded(4, 14));
        f.Orizontala = quint8(rng.bounded(81 - f.Latime));
        f.Verticala = quint8(rng.bounded(26 - f.Inaltime));
        const ColoriSchema s = *CuloriSchema(f.SchemaCulori);
        std::tie(f.CuloareFundal, f.CuloareCerneala, f.CuloareChenar) =
            std::tie(s.fundal, s.cerneala, s.chenar);
        f.Titlu = aleator(rng, "ab XZ'\"[]", int(rng.bounded(13)));
        // One object a row: a field that READ shows again would cover what overlaps it.
        for (int k = qMin(int(rng.bounded(7)), f.Inaltime - 2); k > 0 && slot <= NumarObiecte; --k, ++slot) {
            Obiect &o = p.obiect(slot);
            o = Obiect();
            o.Fereastra = quint8(n);
            o.Rand = quint8(k - 1);
            // No GETs: the program shows a field's value where the work table shows its name.
            o.Tip = rng.bounded(2) ? TipObiect::Say : TipObiect::Buton;
            o.CulorileFerestrei = toFlag(rng.bounded(2));
            const bool aleasa = !isSet(o.CulorileFerestrei);
            o.CuloareCerneala = aleasa ? culoriPaleta().at(rng.bounded(12)).valoare : f.CuloareCerneala;
            o.CuloareFundal = aleasa ? culoriPaleta().at(rng.bounded(8)).valoare : f.CuloareFundal;
            o.Variabila = toFlag(o.Tip != TipObiect::Say || rng.bounded(3) == 0);
            o.Nume = isSet(o.Variabila) ? QStringLiteral("v%1").arg(slot)
                                        : aleator(rng, "Ab '\"]x:", 1 + int(rng.bounded(9)));
            o.TextAfisat = o.Nume;
            if (o.Tip == TipObiect::Buton) {
                QStringList prompturi;
                for (int b = int(rng.bounded(1, 3)); b > 0; --b)
                    prompturi << aleator(rng, "DaNuxy", 1 + int(rng.bounded(8)));
                std::tie(o.Valoare, o.Lungime) = std::tuple(prompturi.join(QLatin1Char(';')), 10);
                o.TextAfisat = Reguli::textAfisatButon(prompturi, 10);
            }
            o.Coloana = quint8(rng.bounded(qMax(1, f.Latime - 1 - int(o.TextAfisat.size()))));
            o.Liber = toFlag(o.TextAfisat.size() > f.Latime - 2); // it would not fit inside the border
        }
    }
}

// Damages one line of a program and runs it with random keys: run line by line, it stops at the damaged line
// (an unknown command, a text left open) with an error naming it; damage inside a comment changes nothing.
bool mutat(QStringList p, QRandomGenerator &rng)
{
    const int l = int(rng.bounded(int(p.size())));
    const bool comentariu = p[l].startsWith(QLatin1Char('*'));
    const qsizetype ghilimea = p[l].indexOf(QRegularExpression(QStringLiteral("['\"\\[]")));
    if (!comentariu && ghilimea >= 0 && rng.bounded(2))
        p[l].truncate(ghilimea + 1);
    else if (comentariu)
        p[l] += QStringLiteral(" FOO 'x");
    else
        p[l] = QStringLiteral("FOO ") + p[l].section(QLatin1Char(' '), 1);
    Interpretor i;
    i.porneste(p);
    const QString bucati = QStringLiteral("'\" 09AZaz;<");
    const int taste[] = {
        Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_End, Qt::Key_Backspace, Qt::Key_Return, 0, 0};
    for (int k = 0; k < 200 && i.stare() == Interpretor::Stare::Citire; ++k)
        i.tasta(k >= 150 ? int(Qt::Key_Escape) : taste[rng.bounded(8)], {},
                QString(bucati.at(rng.bounded(10))));
    if (comentariu)
        return i.stare() == Interpretor::Stare::Terminat;
    return i.stare() == Interpretor::Stare::Eroare &&
           i.eroare().startsWith(QStringLiteral("Eroare la linia %1: ").arg(l + 1));
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
    // The shadow first, the window over it: only its strip is left.
    ElementTabela *umbra = element(QStringLiteral("shpShadow%1").arg(n));
    ElementTabela *fundal = element(QStringLiteral("lblWindow%1").arg(n));
    const QRgb chenar = element(QStringLiteral("shpFrame%1").arg(n))->pen().color().rgb();
    for (ElementTabela *e : {umbra, fundal}) {
        const QRect w = celule(e);
        for (int y = w.top(); e->isVisible() && y <= w.bottom(); ++y) {
            for (int x = w.left(); x <= w.right(); ++x) {
                const bool margine =
                    e == fundal && (x == w.left() || x == w.right() || y == w.top() || y == w.bottom());
                a[QPoint(x, y)] =
                    Asteptat{margine ? std::nullopt : std::optional<QChar>(QLatin1Char(' ')),
                             margine ? std::optional<QRgb>(chenar) : std::nullopt, e->brush().color().rgb()};
            }
        }
    }
    QList<ElementTabela *> etichete{element(QStringLiteral("lblTitle%1").arg(n))};
    for (int k = 1; k <= NumarObiecte; ++k) {
        if (p.obiectFolosit(k) && p.obiect(k).Fereastra == n)
            etichete << element(QStringLiteral("lblObiect%1").arg(k));
    }
    for (int k = 0; k < etichete.size(); ++k) {
        ElementTabela *e = etichete.at(k);
        for (int i = 0; e->isVisible() && i < e->caption().size(); ++i)
            a[celule(e).topLeft() + QPoint(i, 0)] =
                Asteptat{e->caption().at(i), e->culoareText().rgb(), e->brush().color().rgb(), k + 1};
    }
    return a;
}

} // namespace

class TestPrevizualizare : public QObject
{
    Q_OBJECT

private slots:
    void ecranulSeamanaCuTabela();
    void comenzileRuleazaProgramele();
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
        t->redeseneaza({1, 2, 3, 4, 5}, {});
        for (int n = 1; n <= NumarFerestre; ++n) {
            if (!p.fereastraFolosita(n))
                continue;
            // Each window alone, as its program shows it before any key (up to READ, or without its last
            // line).
            QStringList program = genereazaCodFereastra(p, n, true).linii;
            program.removeLast();
            Interpretor i;
            i.porneste(program);
            QVERIFY2(i.stare() != Interpretor::Stare::Eroare, qPrintable(i.eroare()));
            QVERIFY(mutat(program, rng));
            const QHash<QPoint, Asteptat> a = tabela(*t, p, n);
            const int curent = i.cursor() == QPoint(-1, -1) ? 0 : a.value(i.cursor()).eticheta;
            for (auto it = a.begin(); it != a.end(); ++it) {
                if (!i.ecran().contine(it.key().x(), it.key().y()))
                    continue;
                const Celula &c = i.ecran().at(it.key().x(), it.key().y());
                // The field READ starts in shows in its own colours.
                const bool alCampului = curent && it->eticheta == curent;
                auto aceeasi = [](std::optional<QRgb> a, Culoare b) {
                    return !a || QColor(rgbFromCuloare(b)).rgb() == *a;
                };
                QVERIFY2((it->c ? c.c == *it->c : QStringLiteral("┌┐└┘─│").contains(c.c)) &&
                             (alCampului || (aceeasi(it->fundal, c.fundal) &&
                                             (c.c == QLatin1Char(' ') || aceeasi(it->cerneala, c.cerneala)))),
                         qPrintable(QString::asprintf("seed %u, window %d, cell %d,%d", seed, n, it.key().x(),
                                                      it.key().y())));
                ++comparate;
            }
        }
    }
    QVERIFY(comparate > 10000);
}

void TestPrevizualizare::comenzileRuleazaProgramele()
{
    TempCwd cwd;
    std::unique_ptr<MdiMain> m = startMain(quietSettings());
    m->show();
    QApplication::setActiveWindow(m.get());
    pressKey(*m, "frmFerestre", "CREAZA");
    Obiect &o = m->proiect().obiect(1);
    std::tie(o.Liber, o.Fereastra, o.Tip, o.Nume, o.TipDate, o.Lungime, o.Variabila) =
        std::tuple(FlagFalse, 1, TipObiect::Get, "nume", "T", 5, FlagTrue);
    const auto ruleaza = [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Previzualizare"));
        QWidget *ecran = find<QWidget>(w, "ecran");
        QVERIFY(ecran->property("linii").toStringList().at(0).contains(QStringLiteral("FER 1")));
        // The window at 0,0: its first field starts inside the border.
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(1, 1));
        QTest::keyClicks(ecran, QStringLiteral("ab"));
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(3, 1));
        QTest::keyClick(ecran, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(ecran->property("cursor").toPoint(), QPoint(-1, -1));
        auto *tabel = find<QTableWidget>(w, "tblVariabile");
        QCOMPARE(tabel->item(0, 0)->text(), QStringLiteral("nume"));
        QCOMPARE(tabel->item(0, 2)->text(), QStringLiteral("\"ab   \""));
        // Columns whole and values on one line; "Reia" is F5.
        QTRY_VERIFY(tabel->horizontalHeader()->length() <= tabel->viewport()->width());
        QVERIFY(tabel->columnWidth(2) >= tabel->horizontalHeader()->sectionSizeHint(2) && !tabel->wordWrap());
        QVERIFY(find<QPushButton>(w, "cmdReia")->toolTip().contains("F5"));
        w->activateWindow(); // a shortcut fires only in the active window
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(ecran, Qt::Key_F5);
        QTRY_COMPARE(ecran->property("cursor").toPoint(), QPoint(1, 1)); // the click is animated
        QTest::keyClick(ecran, Qt::Key_Escape);                          // ends READ
        QTest::keyClick(ecran, Qt::Key_Escape);                          // closes
        QVERIFY(!w->isVisible());
    };
    QVERIFY(duringModal([&] { QTest::keyClick(m.get(), Qt::Key_F9); }, ruleaza));

    // The window palette's button runs the active window's program alone.
    pressKey(*m, "frmFerestre", "CREAZA");
    o.Fereastra = 2;
    QString ecran;
    onNextModal([&](QWidget *w) {
        ecran = find<QWidget>(w, "ecran")->property("linii").toStringList().join(QLatin1Char('\n'));
        w->close();
    });
    pressKey(*m, "frmFerestre", "PREVIZUALIZARE");
    QVERIFY(ecran.contains(QStringLiteral("FER 2")));
    QVERIFY(!ecran.contains(QStringLiteral("FER 1")));
}

void TestPrevizualizare::eroareaInLocDeEcran()
{
    FrmPrevizualizare d({QStringLiteral("CLEAR"), QStringLiteral("ACTIVATE WINDOW FER3")});
    d.show();
    auto *eroare = find<QLabel>(&d, "lblEroare");
    QVERIFY(eroare->isVisible() && !find<QWidget>(&d, "ecran")->isVisible());
    QVERIFY2(eroare->text().contains(QStringLiteral("linia 2: fereastra nu exista\nACTIVATE WINDOW FER3")),
             qPrintable(eroare->text()));
    // Without a GET the status line says why the program ended at once.
    FrmPrevizualizare g({"DEFINE WINDOW F FROM 0,0 TO 4,9", "ACTIVATE WINDOW F"});
    QVERIFY(find<QLabel>(&g, "lblStare")->text().contains(QStringLiteral("nu are niciun camp de citit")));
}

QTEST_MAIN(TestPrevizualizare)
#include "tst_previzualizare.moc"
