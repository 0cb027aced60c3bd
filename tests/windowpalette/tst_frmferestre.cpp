#include "app/culoareforma.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

namespace {

constexpr const char *P = "frmFerestre";

struct Palette {
    MdiMain &m;
    QComboBox *list() { return control<QComboBox>(m, P, "cmbFereastra"); }
    QComboBox *scheme() { return control<QComboBox>(m, P, "cmbSchemaCulori"); }
    QLineEdit *title() { return control<QLineEdit>(m, P, "txtTitluFereastra"); }
    QCheckBox *box(const char *name) { return control<QCheckBox>(m, P, name); }
    QScrollBar *bar(const char *name) { return control<QScrollBar>(m, P, name); }
    QLabel *label(const char *name) { return control<QLabel>(m, P, name); }
    QPushButton *button(const char *name) { return control<QPushButton>(m, P, name); }
    QAction *key(const char *name) { return control<QAction>(m, P, name); }
    QColor swatch(const char *name) { return control<QWidget>(m, P, name)->property("color").value<QColor>(); }
    void create() { key("CREAZA")->trigger(); }
    int active() { return list()->count() ? list()->currentData().toInt() : -1; }
    Fereastra &window() { return m.proiect().fereastra(active()); }
    void geometry(int col, int row, int width, int height)
    {
        bar("hsbLatime")->setValue(width);
        bar("hsbInaltime")->setValue(height);
        bar("hsbOrizontala")->setValue(col);
        bar("hsbVerticala")->setValue(row);
    }
};

Obiect &addObject(MdiMain &m, int slot, int window, bool windowColours)
{
    Obiect &o = m.proiect().obiect(slot);
    o.Liber = FlagFalse;
    o.Fereastra = quint8(window);
    o.Tip = QStringLiteral("SAY");
    o.Nume = QStringLiteral("o%1").arg(slot);
    o.TextAfisat = o.Nume;
    o.CulorileFerestrei = toFlag(windowColours);
    o.CuloareFundal = Culori::Green;
    o.CuloareCerneala = Culori::Black;
    return o;
}

} // namespace

class TestFrmFerestre : public QObject
{
    Q_OBJECT

private slots:
    void openingState();
    void openingBoxesFollowTheSettings();
    void createFillsTheWindowAndSelectsIt();
    void sixthWindowIsRefused();
    void deleteAsksAndFreesTheWindowWithItsObjects();
    void deletedSlotIsReusedAndListedLast();
    void deletingTheLastWindowDisablesEverything();
    void titleWidensOnlyTheRecord();
    void schemeRecoloursWindowAndTiedObjects();
    void shadowBoxes();
    void columnKeepsTheWindowOnScreen();
    void alignmentButtons();
    void squareWindowCouplesWidthAndHeight();
    void draggingTheWidthOfASquareWindow();
    void switchingWindowsShowsTheirValues();
    void codeCommandShowsTheActiveWindow();
};

void TestFrmFerestre::openingState()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    QWidget *form = m->findChild<QWidget *>(QString::fromLatin1(P));
    QCOMPARE(form->size(), QSize(580, 115));
    QCOMPARE(p.list()->count(), 0);
    QVERIFY(!p.list()->isEnabled());
    QVERIFY(!p.title()->isEnabled());
    QCOMPARE(p.title()->maxLength(), 20);
    QCOMPARE(p.scheme()->count(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(p.scheme()->itemText(i), QStringLiteral("COLOR SCHEME %1").arg(i + 1));
        QCOMPARE(p.scheme()->itemData(i).toInt(), i + 1);
    }
    QCOMPARE(p.scheme()->currentIndex(), 0);
    QCOMPARE(p.swatch("shpFereastraCuloareFundal"), QColor(0, 0, 0xC0));
    QCOMPARE(p.swatch("shpFereastraCuloareCerneala"), QColor(Qt::white));
    QCOMPARE(p.swatch("shpFereastraCuloareChenar"), QColor(Qt::yellow));

    auto *toolbar = control<QToolBar>(*m, P, "tlbComenziFerestre");
    const QList<QAction *> actions = toolbar->actions();
    QCOMPARE(actions.size(), 3);
    const char *keys[] = {"CREAZA", "STERGE", "COD"};
    const char *texts[] = {"Creaza", "Sterge", " Cod"};
    const char *tips[] = {"Creaza o fereastra noua", "Sterge fereastra activa", "Vizualizeaza codul ferestrei active"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(actions[i]->objectName(), QString::fromLatin1(keys[i]));
        QCOMPARE(actions[i]->text(), QString::fromLatin1(texts[i]));
        QCOMPARE(actions[i]->toolTip(), QString::fromLatin1(tips[i]));
        QVERIFY(!actions[i]->icon().isNull());
    }
    QVERIFY(p.key("CREAZA")->isEnabled());
    QVERIFY(!p.key("STERGE")->isEnabled());
    QVERIFY(!p.key("COD")->isEnabled());

    const struct {
        const char *bar, *label;
        int min, max;
    } bars[] = {{"hsbLatime", "lblLatime", 5, 79},
                {"hsbInaltime", "lblInaltime", 3, 24},
                {"hsbOrizontala", "lblOrizontala", 0, 79},
                {"hsbVerticala", "lblVerticala", 0, 24}};
    for (const auto &b : bars) {
        QCOMPARE(p.bar(b.bar)->minimum(), b.min);
        QCOMPARE(p.bar(b.bar)->maximum(), b.max);
        QCOMPARE(p.bar(b.bar)->value(), b.min);
        QVERIFY(!p.bar(b.bar)->isEnabled());
        QCOMPARE(p.label(b.label)->text(), QStringLiteral("0"));
    }
    for (const char *b : {"cmdStangaSus", "cmdCentruSus", "cmdDreaptaSus", "cmdStangaCentru", "cmdCentruCentru",
                          "cmdDreaptaCentru", "cmdStangaJos", "cmdCentruJos", "cmdDreaptaJos"})
        QVERIFY2(p.button(b) && !p.button(b)->isEnabled(), b);

    // Nothing that needs a window does anything without one.
    p.scheme()->setCurrentIndex(6);
    QCOMPARE(p.swatch("shpFereastraCuloareFundal"), QColor(0xC0, 0, 0));
    QVERIFY(!m->proiect().existaFerestre());
}

void TestFrmFerestre::openingBoxesFollowTheSettings()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    s.FerestrePatrate = FlagTrue;
    s.PastreazaUmbraInEcran = FlagTrue;
    {
        auto m = startMain(s);
        Palette p{*m};
        QVERIFY(p.box("chkUmbraFereastra")->isChecked());
        QVERIFY(p.box("chkFereastraPatrata")->isChecked());
        QVERIFY(p.box("chkMentineUmbra")->isChecked());
        QVERIFY(p.box("chkMentineUmbra")->isEnabled());
    }
    s.UmbraImplicit = FlagFalse;
    s.FerestrePatrate = FlagFalse;
    auto m = startMain(s);
    Palette p{*m};
    QVERIFY(!p.box("chkUmbraFereastra")->isChecked());
    QVERIFY(!p.box("chkFereastraPatrata")->isChecked());
    QVERIFY(!p.box("chkMentineUmbra")->isEnabled());
}

void TestFrmFerestre::createFillsTheWindowAndSelectsIt()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    auto m = startMain(s);
    Palette p{*m};
    p.scheme()->setCurrentIndex(4); // scheme 5
    p.create();
    const Fereastra &f = m->proiect().fereastra(1);
    QCOMPARE(f.Libera, FlagFalse);
    QCOMPARE(f.Umbra, FlagTrue);
    QCOMPARE(f.SchemaCulori, quint8(5));
    QCOMPARE(f.CuloareFundal, Culori::Magenta);
    QCOMPARE(f.CuloareCerneala, Culori::White);
    QCOMPARE(f.CuloareChenar, Culori::White);
    QCOMPARE(f.Titlu, QStringLiteral("FER 1"));
    QCOMPARE((std::array<int, 4>{f.Orizontala, f.Verticala, f.Latime, f.Inaltime}), (std::array<int, 4>{0, 0, 30, 10}));

    QCOMPARE(p.list()->count(), 1);
    QCOMPARE(p.list()->itemText(0), QStringLiteral("F1 [FER 1]"));
    QCOMPARE(p.list()->itemData(0).toInt(), 1);
    QCOMPARE(p.list()->currentIndex(), 0);
    QCOMPARE(p.title()->text(), QStringLiteral("FER 1"));
    QVERIFY(p.list()->isEnabled() && p.title()->isEnabled());
    QVERIFY(p.key("STERGE")->isEnabled() && p.key("COD")->isEnabled());
    QCOMPARE(p.bar("hsbLatime")->value(), 30);
    QCOMPARE(p.bar("hsbInaltime")->value(), 10);
    QCOMPARE(p.label("lblLatime")->text(), QStringLiteral("30"));
    QCOMPARE(p.label("lblInaltime")->text(), QStringLiteral("10"));
    QVERIFY(p.bar("hsbVerticala")->isEnabled() && p.button("cmdCentruCentru")->isEnabled());
    // The object palette may add objects now.
    QVERIFY(control<QAction>(*m, "frmObiecte", "SAY")->isEnabled());
    QVERIFY(control<QAction>(*m, "frmObiecte", "BUTON")->isEnabled());
}

void TestFrmFerestre::sixthWindowIsRefused()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    for (int i = 0; i < 5; ++i)
        p.create();
    QCOMPARE(p.list()->count(), 5);
    auto box = answerNextMessageBox(QMessageBox::Ok);
    p.create();
    QVERIFY(box->seen);
    QCOMPARE(box->text, QStringLiteral("Nu se mai pot crea ferestre!"));
    QCOMPARE(box->title, QStringLiteral("Ferestre"));
    QCOMPARE(box->icon, QMessageBox::Critical);
    QCOMPARE(p.list()->count(), 5);
    QCOMPARE(p.active(), 5);
}

void TestFrmFerestre::deleteAsksAndFreesTheWindowWithItsObjects()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.ConfirmareStergere = FlagTrue;
    auto m = startMain(s);
    Palette p{*m};
    p.create();
    p.create();
    addObject(*m, 1, 1, true);
    addObject(*m, 2, 2, true);
    addObject(*m, 3, 2, false);
    p.list()->setCurrentIndex(1); // window 2

    auto no = answerNextMessageBox(QMessageBox::No);
    p.key("STERGE")->trigger();
    QVERIFY(no->seen);
    QCOMPARE(no->title, QStringLiteral("Sterge fereastra"));
    QCOMPARE(no->text, QStringLiteral("Sunteti sigur ca doriti sa stergeti acesta fereastra impreuna cu toate "
                                      "obiectele pe care le contine?"));
    QCOMPARE(no->icon, QMessageBox::Warning);
    QCOMPARE(no->buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(m->proiect().fereastraFolosita(2));

    auto yes = answerNextMessageBox(QMessageBox::Yes);
    p.key("STERGE")->trigger();
    QVERIFY(yes->seen);
    QVERIFY(!m->proiect().fereastraFolosita(2));
    QVERIFY(m->proiect().obiectFolosit(1));
    QVERIFY(!m->proiect().obiectFolosit(2) && !m->proiect().obiectFolosit(3));
    QCOMPARE(p.list()->count(), 1);
    QCOMPARE(p.active(), 1);
    // The first line's window is shown again, with its objects listed.
    QCOMPARE(p.title()->text(), QStringLiteral("FER 1"));
    auto *objects = control<QListWidget>(*m, "frmObiecte", "lstObiecte");
    QCOMPARE(objects->count(), 1);
    QCOMPARE(objects->item(0)->data(Qt::UserRole).toInt(), 1);
}

void TestFrmFerestre::deletedSlotIsReusedAndListedLast()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    for (int i = 0; i < 3; ++i)
        p.create();
    p.title()->setText(QStringLiteral("Clienti")); // window 3
    p.list()->setCurrentIndex(0);
    // Deleting the first line: Qt moves to the next line by itself, and that
    // window must still be shown in full.
    p.key("STERGE")->trigger();
    QCOMPARE(p.active(), 2);
    QCOMPARE(p.title()->text(), QStringLiteral("FER 2"));
    p.list()->setCurrentIndex(0);
    p.key("STERGE")->trigger(); // window 2
    QCOMPARE(p.active(), 3);
    QCOMPARE(p.title()->text(), QStringLiteral("Clienti"));
    p.create();
    QCOMPARE(p.list()->count(), 2);
    QCOMPARE(p.list()->itemText(1), QStringLiteral("F1 [FER 1]"));
    QCOMPARE(p.list()->currentIndex(), 1);
    QCOMPARE(p.active(), 1);
    // The line of window 3 still shows the title it was created with.
    QCOMPARE(p.list()->itemText(0), QStringLiteral("F3 [FER 3]"));
}

void TestFrmFerestre::deletingTheLastWindowDisablesEverything()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.key("STERGE")->trigger();
    QCOMPARE(p.list()->count(), 0);
    QVERIFY(!p.list()->isEnabled());
    QVERIFY(p.title()->text().isEmpty());
    QVERIFY(!p.key("STERGE")->isEnabled() && !p.key("COD")->isEnabled());
    QVERIFY(!p.bar("hsbLatime")->isEnabled() && !p.label("lblVerticala")->isEnabled());
    QVERIFY(!p.button("cmdDreaptaJos")->isEnabled());
    QVERIFY(!control<QAction>(*m, "frmObiecte", "GET")->isEnabled());
    QVERIFY(p.key("CREAZA")->isEnabled());
    QVERIFY(p.scheme()->isEnabled());
    // The scheme list only recolours the swatches now.
    p.scheme()->setCurrentIndex(8);
    QCOMPARE(p.swatch("shpFereastraCuloareChenar"), QColor(0, 0, 0xC0));
    QVERIFY(!m->proiect().existaFerestre());
}

void TestFrmFerestre::titleWidensOnlyTheRecord()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.bar("hsbLatime")->setValue(9);
    p.title()->clear();
    QTest::keyClicks(p.title(), QStringLiteral("ABCD"));
    QCOMPARE(p.window().Latime, quint8(9));
    QTest::keyClicks(p.title(), QStringLiteral("E")); // 5 + 4 = 9
    QCOMPARE(p.window().Latime, quint8(10));
    QCOMPARE(p.bar("hsbLatime")->value(), 9);
    QCOMPARE(p.label("lblLatime")->text(), QStringLiteral("9"));
    QCOMPARE(p.window().Titlu, QStringLiteral("ABCDE"));
    QTest::keyClicks(p.title(), QStringLiteral("F")); // 6 + 4 = 10
    QCOMPARE(p.window().Latime, quint8(11));
    QCOMPARE(p.list()->itemText(0), QStringLiteral("F1 [FER 1]"));
    // The next change of the width bar stores the bar's value.
    p.bar("hsbLatime")->setValue(8);
    QCOMPARE(p.window().Latime, quint8(8));
}

void TestFrmFerestre::schemeRecoloursWindowAndTiedObjects()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.create();
    p.list()->setCurrentIndex(0);
    Obiect &tied = addObject(*m, 1, 1, true);
    Obiect &own = addObject(*m, 2, 1, false);
    Obiect &other = addObject(*m, 3, 2, true);
    p.scheme()->setCurrentIndex(6); // scheme 7
    const Fereastra &f = m->proiect().fereastra(1);
    QCOMPARE(f.SchemaCulori, quint8(7));
    QCOMPARE(f.CuloareFundal, Culori::Red);
    QCOMPARE(f.CuloareCerneala, Culori::Yellow);
    QCOMPARE(f.CuloareChenar, Culori::Yellow);
    QCOMPARE(tied.CuloareFundal, Culori::Red);
    QCOMPARE(tied.CuloareCerneala, Culori::Yellow);
    QCOMPARE(own.CuloareFundal, Culori::Green);
    QCOMPARE(other.CuloareFundal, Culori::Green);
    auto *label = dynamic_cast<QGraphicsRectItem *>(
        m->findChild<FrmTabelaDeLucru *>()->element(QStringLiteral("lblObiect1")));
    QCOMPARE(label->brush().color(), QColor(0xC0, 0, 0));

    // Schemes 2 and 4 share colours; the number still changes.
    p.scheme()->setCurrentIndex(1);
    p.scheme()->setCurrentIndex(3);
    QCOMPARE(f.SchemaCulori, quint8(4));
    QCOMPARE(f.CuloareChenar, Culori::Black);
}

void TestFrmFerestre::shadowBoxes()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    s.PastreazaUmbraInEcran = FlagTrue;
    auto m = startMain(s);
    Palette p{*m};
    p.create();
    QVERIFY(p.box("chkMentineUmbra")->isChecked());
    p.box("chkUmbraFereastra")->setChecked(false);
    QCOMPARE(p.window().Umbra, FlagFalse);
    QVERIFY(!p.box("chkMentineUmbra")->isChecked());
    QVERIFY(!p.box("chkMentineUmbra")->isEnabled());
    auto *shadow = m->findChild<FrmTabelaDeLucru *>()->element(QStringLiteral("shpShadow1"));
    QVERIFY(!shadow->isVisible());
    p.box("chkUmbraFereastra")->setChecked(true);
    QVERIFY(p.box("chkMentineUmbra")->isEnabled());
    QVERIFY(!p.box("chkMentineUmbra")->isChecked());
    QVERIFY(shadow->isVisible());
    QCOMPARE(p.window().Umbra, FlagTrue);
}

void TestFrmFerestre::columnKeepsTheWindowOnScreen()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.bar("hsbOrizontala")->setValue(50); // 30 wide: ends at column 79
    QCOMPARE(p.window().Orizontala, quint8(50));
    p.bar("hsbOrizontala")->setValue(51);
    QCOMPARE(p.window().Orizontala, quint8(50));
    QCOMPARE(p.bar("hsbOrizontala")->value(), 50);
    QCOMPARE(p.label("lblOrizontala")->text(), QStringLiteral("50"));

    p.bar("hsbOrizontala")->setValue(10);
    p.box("chkUmbraFereastra")->setChecked(true);
    p.box("chkMentineUmbra")->setChecked(true);
    p.bar("hsbOrizontala")->setValue(50); // 30 + 50 + 2 > 80: refused
    QCOMPARE(p.window().Orizontala, quint8(10));
    QCOMPARE(p.bar("hsbOrizontala")->value(), 10);
    p.bar("hsbOrizontala")->setValue(48);
    QCOMPARE(p.window().Orizontala, quint8(48));
    // Rows and heights are not checked against the screen.
    p.bar("hsbVerticala")->setValue(10);
    p.bar("hsbInaltime")->setValue(24);
    QCOMPARE(p.window().Inaltime, quint8(24));
    QCOMPARE(p.window().Verticala, quint8(10));
}

void TestFrmFerestre::alignmentButtons()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    auto place = [&] { return QPoint(p.window().Orizontala, p.window().Verticala); };

    p.geometry(3, 3, 30, 10);
    p.button("cmdCentruCentru")->click();
    QCOMPARE(place(), QPoint(25, 7));
    p.geometry(0, 0, 21, 5);
    p.button("cmdCentruCentru")->click();
    QCOMPARE(place(), QPoint(30, 10)); // R(10.5) = 10, R(2.5) = 2
    p.button("cmdStangaSus")->click();
    QCOMPARE(place(), QPoint(0, 0));

    p.geometry(0, 0, 30, 10);
    p.button("cmdDreaptaJos")->click();
    QCOMPARE(place(), QPoint(50, 15));
    p.button("cmdCentruSus")->click();
    QCOMPARE(place(), QPoint(25, 0));
    p.button("cmdStangaCentru")->click();
    QCOMPARE(place(), QPoint(0, 7));

    p.box("chkUmbraFereastra")->setChecked(true);
    p.button("cmdCentruJos")->click(); // shadow alone leaves no room
    QCOMPARE(place(), QPoint(25, 15));
    p.box("chkMentineUmbra")->setChecked(true);
    p.button("cmdDreaptaJos")->click();
    QCOMPARE(place(), QPoint(48, 14));
    p.button("cmdStangaJos")->click();
    QCOMPARE(place(), QPoint(0, 14));
    p.button("cmdDreaptaCentru")->click();
    QCOMPARE(place(), QPoint(48, 7));
    p.button("cmdDreaptaSus")->click();
    QCOMPARE(place(), QPoint(48, 0));
    QCOMPARE(p.label("lblOrizontala")->text(), QStringLiteral("48"));
    QCOMPARE(p.label("lblVerticala")->text(), QStringLiteral("0"));
}

void TestFrmFerestre::squareWindowCouplesWidthAndHeight()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.box("chkFereastraPatrata")->setChecked(true);
    QCOMPARE(p.window().Patrata, FlagTrue);
    p.bar("hsbInaltime")->setValue(12);
    QCOMPARE(p.window().Latime, quint8(24));
    QCOMPARE(p.bar("hsbLatime")->value(), 24);

    p.bar("hsbLatime")->setValue(20);
    QCOMPARE(p.window().Inaltime, quint8(10));
    p.bar("hsbLatime")->setValue(23); // R(11.5) = 12, a new height: width becomes 24
    QCOMPARE(p.window().Latime, quint8(24));
    QCOMPARE(p.window().Inaltime, quint8(12));
    p.bar("hsbLatime")->setValue(25); // R(12.5) = 12, the same height: stays
    QCOMPARE(p.window().Latime, quint8(25));
    p.bar("hsbLatime")->setValue(20);
    QCOMPARE(p.window().Inaltime, quint8(10));
    p.bar("hsbLatime")->setValue(21); // R(10.5) = 10 = the height: stays
    QCOMPARE(p.window().Latime, quint8(21));
    QCOMPARE(p.window().Inaltime, quint8(10));
    p.bar("hsbLatime")->setValue(48);
    QCOMPARE(p.window().Inaltime, quint8(24));
    p.bar("hsbLatime")->setValue(60); // half is past 24: cut to twice the height
    QCOMPARE(p.window().Latime, quint8(48));
    QCOMPARE(p.bar("hsbLatime")->value(), 48);

    p.box("chkFereastraPatrata")->setChecked(false);
    p.bar("hsbLatime")->setValue(60);
    QCOMPARE(p.window().Latime, quint8(60));
    QCOMPARE(p.window().Inaltime, quint8(24));
    // Created with the box ticked: square from the start, whatever the bars held.
    p.box("chkFereastraPatrata")->setChecked(true);
    p.create();
    QCOMPARE(p.active(), 2);
    QCOMPARE(p.window().Patrata, FlagTrue);
    QCOMPARE(p.window().Latime, quint8(20));
    QCOMPARE(p.window().Inaltime, quint8(10));
    QCOMPARE(p.bar("hsbLatime")->value(), 20);
}

void TestFrmFerestre::draggingTheWidthOfASquareWindow()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.box("chkFereastraPatrata")->setChecked(true);
    p.bar("hsbInaltime")->setValue(12);
    QScrollBar *width = p.bar("hsbLatime");
    QCOMPARE(width->value(), 24);
    QVERIFY(!width->hasTracking());

    width->setSliderDown(true);
    width->setSliderPosition(30); // dragged right: the height grows with it
    QCOMPARE(p.window().Inaltime, quint8(15));
    QCOMPARE(p.window().Latime, quint8(30));
    width->setSliderPosition(28); // dragged left: collapses to 6 x 3
    QCOMPARE(p.window().Inaltime, quint8(3));
    QCOMPARE(p.window().Latime, quint8(6));
    width->setSliderDown(false);

    // Not square: the dragged width is stored as it moves.
    p.box("chkFereastraPatrata")->setChecked(false);
    width->setSliderDown(true);
    width->setSliderPosition(40);
    QCOMPARE(p.window().Latime, quint8(40));
    QCOMPARE(p.label("lblLatime")->text(), QStringLiteral("40"));
    width->setSliderDown(false);
    QCOMPARE(width->value(), 40);
}

void TestFrmFerestre::switchingWindowsShowsTheirValues()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.geometry(5, 6, 40, 12);
    p.title()->setText(QStringLiteral("Unu"));
    p.scheme()->setCurrentIndex(2);
    p.create();
    p.geometry(1, 2, 20, 8);
    p.box("chkFereastraPatrata")->setChecked(true);

    p.list()->setCurrentIndex(0);
    QCOMPARE(p.title()->text(), QStringLiteral("Unu"));
    QCOMPARE(p.scheme()->currentIndex(), 2);
    QVERIFY(!p.box("chkFereastraPatrata")->isChecked());
    QCOMPARE(p.bar("hsbLatime")->value(), 40);
    QCOMPARE(p.bar("hsbInaltime")->value(), 12);
    QCOMPARE(p.bar("hsbOrizontala")->value(), 5);
    QCOMPARE(p.label("lblVerticala")->text(), QStringLiteral("6"));
    QCOMPARE(m->proiect().fereastra(1).Latime, quint8(40)); // written back unchanged

    // Back to the square window: its height differs, so its width follows it.
    p.list()->setCurrentIndex(1);
    QVERIFY(p.box("chkFereastraPatrata")->isChecked());
    QCOMPARE(m->proiect().fereastra(2).Inaltime, quint8(8));
    QCOMPARE(m->proiect().fereastra(2).Latime, quint8(16));
}

void TestFrmFerestre::codeCommandShowsTheActiveWindow()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Palette p{*m};
    p.create();
    p.create();
    p.list()->setCurrentIndex(0);
    QStringList lines;
    bool boxVisible = false;
    onNextModal([&](QWidget *w) {
        auto *list = w->findChild<QListWidget *>(QStringLiteral("lstCod"));
        for (int i = 0; list && i < list->count(); ++i)
            lines << list->item(i)->text();
        auto *box = w->findChild<QCheckBox *>(QStringLiteral("chkIncludeStartingCode"));
        boxVisible = box && box->isVisibleTo(w) && !box->isChecked();
        w->close();
    });
    p.key("COD")->trigger();
    QVERIFY(boxVisible);
    QVERIFY(lines.contains(QStringLiteral("ACTIVATE WINDOW FER1")));
    QVERIFY(!lines.contains(QStringLiteral("ACTIVATE WINDOW FER2")));
    QCOMPARE(lines.last(), QStringLiteral("DEACTIVATE WINDOW FER1"));
    QVERIFY(!lines.contains(QStringLiteral("SET TALK OFF")));
}

QTEST_MAIN(TestFrmFerestre)
#include "tst_frmferestre.moc"
