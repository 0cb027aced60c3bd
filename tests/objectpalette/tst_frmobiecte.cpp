#include "app/culoareforma.h"
#include "codegen/generator.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

namespace {

constexpr const char *O = "frmObiecte";
constexpr const char *F = "frmFerestre";

struct Objects {
    MdiMain &m;
    FrmObiecte *form() { return m.findChild<FrmObiecte *>(QString::fromLatin1(O)); }
    QListWidget *list() { return control<QListWidget>(m, O, "lstObiecte"); }
    QString total() { return control<QLabel>(m, O, "lblTotalObiecte")->text(); }
    QScrollBar *bar(const char *n) { return control<QScrollBar>(m, O, n); }
    QPushButton *button(const char *n) { return control<QPushButton>(m, O, n); }
    QAction *key(const char *n) { return control<QAction>(m, O, n); }
    QCheckBox *windowColours() { return control<QCheckBox>(m, O, "chkCulorileFerestrei"); }
    QWidget *widget(const char *n) { return control<QWidget>(m, O, n); }
    int selected() { return form()->obiectSelectat(); }
    QStringList lines()
    {
        QStringList l;
        for (int i = 0; i < list()->count(); ++i)
            l << list()->item(i)->text();
        return l;
    }
    void select(int slot)
    {
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->data(Qt::UserRole).toInt() == slot)
                list()->setCurrentRow(i);
    }
    // Creates an object through its tool bar button and applies its editor.
    void createApplied(const char *kind)
    {
        onNextModal([](QWidget *dlg) {
            auto *apply = dlg->findChild<QPushButton *>(QStringLiteral("cmdAplica"));
            if (apply && apply->isEnabled())
                apply->click();
            else
                dlg->close();
        });
        key(kind)->trigger();
    }
};

struct Windows {
    MdiMain &m;
    void create() { pressKey(m, F, "CREAZA"); }
    QComboBox *list() { return control<QComboBox>(m, F, "cmbFereastra"); }
    void geometry(int col, int row, int width, int height)
    {
        control<QScrollBar>(m, F, "hsbLatime")->setValue(width);
        control<QScrollBar>(m, F, "hsbInaltime")->setValue(height);
        control<QScrollBar>(m, F, "hsbOrizontala")->setValue(col);
        control<QScrollBar>(m, F, "hsbVerticala")->setValue(row);
    }
};

Obiect &putObject(MdiMain &m, int slot, int window, const char *kind, const QString &text, int col = 0,
                  int row = 0)
{
    Obiect &o = m.proiect().obiect(slot);
    o = Obiect{};
    o.Liber = FlagFalse;
    o.Fereastra = quint8(window);
    o.Tip = QString::fromLatin1(kind);
    o.Nume = text;
    o.TextAfisat = text;
    o.Coloana = quint8(col);
    o.Rand = quint8(row);
    return o;
}

FrmTabelaDeLucru *table(MdiMain &m)
{
    return m.findChild<FrmTabelaDeLucru *>();
}

ElementTabela *label(MdiMain &m, int slot)
{
    return dynamic_cast<ElementTabela *>(table(m)->element(QStringLiteral("lblObiect%1").arg(slot)));
}

} // namespace

class TestFrmObiecte : public QObject
{
    Q_OBJECT

private slots:
    void openingState();
    void createdObjectsTakeTheirKindsDefaults();
    void cancellingANewObjectRemovesIt();
    void sixtySlotsAreSharedByAllWindows();
    void reusedSlotStartsClean();
    void listLinesPerKindAndMode();
    void deletingSelectsTheLastLine();
    void enabledStatesFollowTheKind();
    void windowColoursBox();
    void propertiesReopensTheEditorOfTheKind();
    void placementLimits();
    void centringTakesHalvesToEven();
    void alignmentButtons();
    void inkPicker();
    void backgroundPicker();
    void doubleClickCentresTheSelectedObject();
    void objectsFollowTheirWindowOnly();
};

void TestFrmObiecte::openingState()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Objects o{*m};
    QCOMPARE(o.list()->count(), 0);
    QCOMPARE(o.total(), QStringLiteral("0"));
    const struct {
        const char *bar, *key, *text, *tip;
    } keys[] = {
        {"tblObiecte", "SAY", "@ SAY", "Adauga un obiect de tip @ SAY"},
        {"tblObiecte", "GET", "@ GET", "Adauga un obiect de tip @ GET"},
        {"tblObiecte", "BUTON", "Buton", "Adauga un obiect de tip buton"},
        {"tblComenziObiecte", "PROPRIETATI", "Proprietati", "Proprietati obiect"},
        {"tblComenziObiecte", "STERGE", "Sterge", "Sterge obiect"},
    };
    for (const auto &k : keys) {
        auto *bar = control<QToolBar>(*m, O, k.bar);
        QAction *a = bar->findChild<QAction *>(QString::fromLatin1(k.key));
        QVERIFY2(a && bar->actions().contains(a), k.key);
        QCOMPARE(a->text(), QString::fromLatin1(k.text));
        QCOMPARE(a->toolTip(), QString::fromLatin1(k.tip));
        QVERIFY(!a->icon().isNull());
        QVERIFY2(!a->isEnabled(), k.key); // no window, no selection
    }
    QCOMPARE(o.windowColours()->text(), QStringLiteral("&Pastreaza culorile ferestrei"));
    for (const char *name : {"hsbOrizontala", "hsbVerticala"}) {
        QCOMPARE(o.bar(name)->minimum(), 0);
        QCOMPARE(o.bar(name)->maximum(), 79);
        QVERIFY(!o.bar(name)->isEnabled());
    }
    for (const char *name : {"imgCerneala", "imgFundal", "chkCulorileFerestrei", "lblOrizontala",
                             "cmdCentrareOrizontala", "cmdCentrareVerticala", "cmdCentruCentru"})
        QVERIFY2(!o.widget(name)->isEnabled(), name);
    QCOMPARE(o.button("cmdCentrareOrizontala")->text(), QStringLiteral("Centrat orizontal"));
    QCOMPARE(o.button("cmdCentrareVerticala")->text(), QStringLiteral("Centrat vertical"));
}

void TestFrmObiecte::createdObjectsTakeTheirKindsDefaults()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    w.geometry(10, 5, 40, 10);

    QStringList duringEdit;
    int selectedDuringEdit = 0;
    QString totalDuringEdit;
    onNextModal([&](QWidget *dlg) {
        duringEdit = o.lines();
        selectedDuringEdit = o.selected();
        totalDuringEdit = o.total();
        dlg->findChild<QPushButton *>(QStringLiteral("cmdAplica"))->click();
    });
    o.key("SAY")->trigger();
    QCOMPARE(duringEdit, QStringList{QStringLiteral("@SAY1 [SAY 1]")});
    QCOMPARE(selectedDuringEdit, 1);
    QCOMPARE(totalDuringEdit, QStringLiteral("0"));
    QVERIFY(!m->proiect().ObiectExistent);
    const Obiect &say = m->proiect().obiect(1);
    QCOMPARE(say.Tip, QStringLiteral("SAY"));
    QCOMPARE(say.Fereastra, quint8(1));
    QCOMPARE(say.CulorileFerestrei, FlagTrue);
    QCOMPARE(say.CuloareFundal, Culori::Blue); // scheme 1: white on blue
    QCOMPARE(say.CuloareCerneala, Culori::White);
    QCOMPARE(say.Nume, QStringLiteral("SAY 1"));
    QCOMPARE(o.lines(), QStringList{QStringLiteral("@SAY1 [SAY 1]")});
    QCOMPARE(o.total(), QStringLiteral("1"));
    ElementTabela *l = label(*m, 1);
    QVERIFY(l->isVisible());
    QCOMPARE(l->pos(), QPointF(11 * 135, 6 * 240));
    QCOMPARE(l->caption(), say.TextAfisat);

    QStringList buttonLines;
    onNextModal([&](QWidget *dlg) {
        buttonLines = o.lines();
        dlg->close();
    });
    o.key("BUTON")->trigger();
    QCOMPARE(buttonLines.last(), QStringLiteral("BUTON2 [BUTON 2]"));

    onNextModal([&](QWidget *dlg) {
        const Obiect &get = m->proiect().obiect(2);
        QCOMPARE(get.CulorileFerestrei, FlagFalse);
        QCOMPARE(get.CuloareFundal, Culori::Black);
        QCOMPARE(get.CuloareCerneala, Culori::White);
        QCOMPARE(get.Nume, QStringLiteral("GET 2"));
        QCOMPARE(o.lines().last(), QStringLiteral("@GET2 [GET 2]"));
        dlg->close();
    });
    o.key("GET")->trigger();
}

void TestFrmObiecte::cancellingANewObjectRemovesIt()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    for (const char *kind : {"SAY", "GET", "BUTON"}) {
        onNextModal([](QWidget *dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });
        o.key(kind)->trigger();
        QVERIFY2(!m->proiect().obiectFolosit(1), kind);
        QCOMPARE(o.list()->count(), 0);
        QCOMPARE(o.total(), QStringLiteral("0"));
        QVERIFY(!label(*m, 1)->isVisible());
        QVERIFY(!o.key("STERGE")->isEnabled());
        QVERIFY(!o.bar("hsbOrizontala")->isEnabled());
    }
    // With other objects there, the last line is selected again.
    o.createApplied("SAY");
    o.createApplied("SAY");
    o.select(1);
    onNextModal([](QWidget *dlg) { dlg->close(); });
    o.key("SAY")->trigger();
    QCOMPARE(o.list()->count(), 2);
    QCOMPARE(o.selected(), 2);
    QCOMPARE(o.total(), QStringLiteral("2"));
}

void TestFrmObiecte::sixtySlotsAreSharedByAllWindows()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    for (int n = 1; n <= 59; ++n)
        putObject(*m, n, 1, "SAY", QStringLiteral("x"));
    w.create(); // window 2, empty
    QCOMPARE(o.list()->count(), 0);
    o.createApplied("SAY");
    QVERIFY(m->proiect().obiectFolosit(60));
    QCOMPARE(o.lines(), QStringList{QStringLiteral("@SAY60 [SAY 60]")});

    const struct {
        const char *key, *text, *title;
    } refusals[] = {
        {"SAY", "Nu se mai pot crea obiecte de tip @SAY!", "@ SAY"},
        {"GET", "Nu se mai pot crea obiecte de tip @GET!", "@ GET"},
        {"BUTON", "Nu se mai pot crea obiecte de tip BUTON!", "BUTON"},
    };
    for (const auto &r : refusals) {
        auto box = answerNextMessageBox(QMessageBox::Ok);
        o.key(r.key)->trigger();
        QVERIFY2(box->seen, r.key);
        QCOMPARE(box->text, QString::fromLatin1(r.text));
        QCOMPARE(box->title, QString::fromLatin1(r.title));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QCOMPARE(o.list()->count(), 1);
    }
}

void TestFrmObiecte::reusedSlotStartsClean()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    for (int n = 1; n <= 5; ++n)
        putObject(*m, n, 1, "SAY", QStringLiteral("obj%1").arg(n), 3, 2);
    m->proiect().obiect(2).Comentariu = QStringLiteral("vechi");
    m->proiect().obiect(2).FunctionD = FlagTrue;
    o.form()->ActualizeazaListaObiecte();
    o.select(2);
    o.key("STERGE")->trigger();
    w.create(); // the next object goes to window 2
    o.createApplied("SAY");
    const Obiect &reused = m->proiect().obiect(2);
    QCOMPARE(reused.Fereastra, quint8(2));
    QCOMPARE(reused.Coloana, quint8(0));
    QCOMPARE(reused.Rand, quint8(0));
    QVERIFY(reused.Comentariu.isEmpty());
    QCOMPARE(reused.FunctionD, FlagFalse);
}

void TestFrmObiecte::listLinesPerKindAndMode()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    w.create();
    putObject(*m, 3, 1, "SAY", QStringLiteral("abc"));
    putObject(*m, 4, 1, "SAY", QStringLiteral("v")).Variabila = FlagTrue;
    putObject(*m, 5, 1, "GET", QStringLiteral("x")).Variabila = FlagTrue;
    putObject(*m, 6, 1, "GET", QStringLiteral("CLIENTI.NUME"));
    putObject(*m, 7, 1, "BUTON", QStringLiteral("opt"));
    putObject(*m, 8, 2, "SAY", QStringLiteral("other window"));
    w.list()->setCurrentIndex(0);
    QCOMPARE(o.lines(), (QStringList{"@SAY3 [abc]", "@SAY4 [VARIABILA: v]", "@GET5 [VARIABILA: x]",
                                     "@GET6 [CAMP: CLIENTI.NUME]", "@BUTON7[opt]"}));
    QCOMPARE(o.selected(), 7);
    QCOMPARE(o.total(), QStringLiteral("5"));
    w.list()->setCurrentIndex(1);
    QCOMPARE(o.lines(), QStringList{QStringLiteral("@SAY8 [other window]")});
    QCOMPARE(o.total(), QStringLiteral("1"));
}

void TestFrmObiecte::deletingSelectsTheLastLine()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.ConfirmareStergere = FlagTrue;
    auto m = startMain(s);
    Windows w{*m};
    Objects o{*m};
    w.create();
    putObject(*m, 1, 1, "SAY", QStringLiteral("a"), 1, 1);
    putObject(*m, 2, 1, "SAY", QStringLiteral("b"), 2, 2);
    putObject(*m, 3, 1, "SAY", QStringLiteral("c"), 3, 3);
    o.form()->ActualizeazaListaObiecte();

    auto no = answerNextMessageBox(QMessageBox::No);
    o.key("STERGE")->trigger();
    QVERIFY(no->seen);
    QCOMPARE(no->title, QStringLiteral("Sterge obiect"));
    QCOMPARE(no->text, QStringLiteral("Sunteti sigur ca doriti sa stergeti acest obiect?"));
    QCOMPARE(no->icon, QMessageBox::Warning);
    QCOMPARE(o.list()->count(), 3);

    // Deleting the last line: Qt makes the new last line current by itself;
    // the palette must still show that object.
    auto yes = answerNextMessageBox(QMessageBox::Yes);
    o.key("STERGE")->trigger();
    QVERIFY(yes->seen);
    QVERIFY(!m->proiect().obiectFolosit(3));
    QVERIFY(!label(*m, 3)->isVisible());
    QCOMPARE(o.selected(), 2);
    QCOMPARE(o.bar("hsbOrizontala")->value(), 2);
    QCOMPARE(control<QLabel>(*m, O, "lblVerticala")->text(), QStringLiteral("2"));
    QCOMPARE(o.total(), QStringLiteral("2"));

    o.select(1);
    answerNextMessageBox(QMessageBox::Yes);
    o.key("STERGE")->trigger();
    QCOMPARE(o.lines(), QStringList{QStringLiteral("@SAY2 [b]")});
    m->proiect().setari.ConfirmareStergere = FlagFalse;
    o.key("STERGE")->trigger();
    QCOMPARE(o.list()->count(), 0);
    QCOMPARE(o.total(), QStringLiteral("0"));
    QVERIFY(!o.key("STERGE")->isEnabled());
    QVERIFY(!o.bar("hsbVerticala")->isEnabled());
}

void TestFrmObiecte::enabledStatesFollowTheKind()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    putObject(*m, 1, 1, "SAY", QStringLiteral("s"));
    putObject(*m, 2, 1, "GET", QStringLiteral("g"));
    putObject(*m, 3, 1, "BUTON", QStringLiteral("b"));
    o.form()->ActualizeazaListaObiecte();
    const char *colourControls[] = {"chkCulorileFerestrei", "imgCerneala", "imgFundal", "lblCerneala", "lblFundal"};
    for (int slot : {2, 1, 3, 1}) {
        o.select(slot);
        const bool say = slot == 1;
        for (const char *c : colourControls)
            QCOMPARE(o.widget(c)->isEnabled(), say);
        QVERIFY(o.key("PROPRIETATI")->isEnabled()); // every kind reopens its editor
        QVERIFY(o.key("STERGE")->isEnabled());
        QVERIFY(o.bar("hsbOrizontala")->isEnabled());
        QVERIFY(o.button("cmdCentruJos")->isEnabled());
    }
}

void TestFrmObiecte::propertiesReopensTheEditorOfTheKind()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    putObject(*m, 1, 1, "SAY", QStringLiteral("s"));
    putObject(*m, 2, 1, "GET", QStringLiteral("g"));
    putObject(*m, 3, 1, "BUTON", QStringLiteral("b"));
    o.form()->ActualizeazaListaObiecte();
    const struct {
        int slot;
        const char *editor;
    } cases[] = {{1, "frmSay"}, {2, "frmGet"}, {3, "frmButon"}};
    for (const auto &c : cases) {
        o.select(c.slot);
        QString opened;
        bool existing = false;
        onNextModal([&](QWidget *dlg) {
            opened = dlg->objectName();
            existing = m->proiect().ObiectExistent;
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        o.key("PROPRIETATI")->trigger();
        QCOMPARE(opened, QString::fromLatin1(c.editor));
        QVERIFY(existing);
        // Cancelling an existing object keeps it.
        QVERIFY(m->proiect().obiectFolosit(c.slot));
        QCOMPARE(o.list()->count(), 3);
    }
}

void TestFrmObiecte::windowColoursBox()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    Obiect &obj = putObject(*m, 1, 1, "SAY", QStringLiteral("s"));
    obj.CuloareFundal = Culori::Green;
    obj.CuloareCerneala = Culori::Black;
    o.form()->ActualizeazaListaObiecte();
    QVERIFY(!o.windowColours()->isChecked());
    o.windowColours()->click();
    QCOMPARE(obj.CulorileFerestrei, FlagTrue);
    QCOMPARE(obj.CuloareFundal, Culori::Blue);
    QCOMPARE(obj.CuloareCerneala, Culori::White);
    QCOMPARE(label(*m, 1)->brush().color(), QColor(0, 0, 0xC0));
    QCOMPARE(o.widget("shpObiectCuloareFundal")->property("color").value<QColor>(), QColor(0, 0, 0xC0));
    o.windowColours()->click();
    QCOMPARE(obj.CulorileFerestrei, FlagFalse);
    QCOMPARE(obj.CuloareFundal, Culori::Blue); // colours stay
}

void TestFrmObiecte::placementLimits()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    w.geometry(0, 0, 40, 10);
    putObject(*m, 1, 1, "SAY", QStringLiteral("0123456789"));
    o.form()->ActualizeazaListaObiecte();
    QScrollBar *col = o.bar("hsbOrizontala");
    QScrollBar *row = o.bar("hsbVerticala");
    col->setValue(28); // 28 + 10 = 38 = the interior
    QCOMPARE(m->proiect().obiect(1).Coloana, quint8(28));
    col->setValue(29);
    QCOMPARE(m->proiect().obiect(1).Coloana, quint8(28));
    QCOMPARE(col->value(), 28);
    QCOMPARE(control<QLabel>(*m, O, "lblOrizontala")->text(), QStringLiteral("28"));
    // Dragging the thumb runs the same rule as it moves.
    col->setSliderDown(true);
    col->setSliderPosition(12);
    QCOMPARE(m->proiect().obiect(1).Coloana, quint8(12));
    col->setSliderPosition(35);
    QCOMPARE(m->proiect().obiect(1).Coloana, quint8(12));
    col->setSliderDown(false);
    QCOMPARE(label(*m, 1)->pos().x(), 13 * 135.0);

    row->setValue(7);
    QCOMPARE(m->proiect().obiect(1).Rand, quint8(7));
    row->setValue(8);
    QCOMPARE(m->proiect().obiect(1).Rand, quint8(7));
    QCOMPARE(row->value(), 7);
    QCOMPARE(label(*m, 1)->pos().y(), 8 * 240.0);
}

void TestFrmObiecte::centringTakesHalvesToEven()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    const struct {
        int width, height, length, column, row;
    } cases[] = {
        {40, 10, 5, 17, 4}, {41, 11, 5, 18, 4}, {41, 13, 7, 16, 6}, {30, 12, 8, 10, 5}, {12, 3, 14, 0, 0},
    };
    for (const auto &c : cases) {
        w.geometry(0, 0, c.width, c.height);
        putObject(*m, 1, 1, "SAY", QString(c.length, QLatin1Char('x')));
        o.form()->ActualizeazaListaObiecte();
        o.button("cmdCentrareOrizontala")->click();
        o.button("cmdCentrareVerticala")->click();
        QCOMPARE(m->proiect().obiect(1).Coloana, quint8(c.column));
        QCOMPARE(m->proiect().obiect(1).Rand, quint8(c.row));
    }
}

void TestFrmObiecte::alignmentButtons()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    w.geometry(0, 0, 30, 12);
    putObject(*m, 1, 1, "SAY", QStringLiteral("12345678"));
    o.form()->ActualizeazaListaObiecte();
    auto place = [&] { return QPoint(m->proiect().obiect(1).Coloana, m->proiect().obiect(1).Rand); };
    const struct {
        const char *button;
        QPoint expected;
    } cases[] = {
        {"cmdDreaptaJos", {20, 9}}, {"cmdStangaSus", {0, 0}},     {"cmdCentruCentru", {10, 5}},
        {"cmdDreaptaSus", {20, 0}}, {"cmdStangaJos", {0, 9}},     {"cmdCentruSus", {10, 0}},
        {"cmdStangaCentru", {0, 5}}, {"cmdDreaptaCentru", {20, 5}}, {"cmdCentruJos", {10, 9}},
    };
    for (const auto &c : cases) {
        o.button(c.button)->click();
        QCOMPARE(place(), c.expected);
    }
    // A button that yields the current place redraws nothing: a text changed
    // behind the work table's back stays unshown.
    o.button("cmdStangaSus")->click();
    m->proiect().obiect(1).TextAfisat = QStringLiteral("12");
    o.button("cmdStangaSus")->click();
    QCOMPARE(label(*m, 1)->caption(), QStringLiteral("12345678"));
    o.button("cmdStangaJos")->click();
    QCOMPARE(label(*m, 1)->caption(), QStringLiteral("12"));
}

void TestFrmObiecte::inkPicker()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    Obiect &obj = putObject(*m, 1, 1, "SAY", QStringLiteral("s"));
    obj.CulorileFerestrei = FlagTrue; // tied: white on blue, as its window
    o.form()->ActualizeazaListaObiecte();
    QCOMPARE(obj.CuloareCerneala, Culori::White);

    QPoint selector;
    QStringList swatches;
    onNextModal([&](QWidget *dlg) {
        QCOMPARE(dlg->objectName(), QStringLiteral("frmCuloriCerneala"));
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Culori cerneala"));
        selector = dlg->findChild<QWidget *>(QStringLiteral("shpSelector"))->pos();
        for (auto *s : dlg->findChildren<CuloareForma *>())
            swatches << s->objectName();
        dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
    });
    clickWidget(o.widget("imgCerneala"));
    QCOMPARE(selector, QPoint((240 + 2 * 720 - 120) / 15, (960 - 120) / 15)); // around White
    QCOMPARE(swatches.size(), 12);
    QCOMPARE(obj.CuloareCerneala, Culori::White); // kept without a click
    QCOMPARE(obj.CulorileFerestrei, FlagFalse);
    QVERIFY(!o.windowColours()->isChecked());

    obj.CuloareCerneala = Culori::LightBlue;
    o.form()->AfiseazaObiectInPaleta(1);
    onNextModal([&](QWidget *dlg) {
        selector = dlg->findChild<QWidget *>(QStringLiteral("shpSelector"))->pos();
        dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
    });
    clickWidget(o.widget("imgCerneala"));
    QCOMPARE(selector, QPoint((240 + 5 * 720 - 120) / 15, (960 - 120) / 15)); // around LightBlue
    QCOMPARE(obj.CuloareCerneala, Culori::LightBlue);

    // Red clicked, then Esc: nothing changes.
    onNextModal([&](QWidget *dlg) {
        clickWidget(dlg->findChild<QWidget *>(QStringLiteral("imgRed")));
        QCOMPARE(dlg->findChild<QWidget *>(QStringLiteral("shpSelector"))->pos(),
                 QPoint((240 + 4 * 720 - 120) / 15, (240 - 120) / 15));
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    clickWidget(o.widget("imgCerneala"));
    QCOMPARE(obj.CuloareCerneala, Culori::LightBlue);

    onNextModal([&](QWidget *dlg) {
        clickWidget(dlg->findChild<QWidget *>(QStringLiteral("imgLightGreen")));
        dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
    });
    clickWidget(o.widget("imgCerneala"));
    QCOMPARE(obj.CuloareCerneala, Culori::LightGreen);
    QCOMPARE(label(*m, 1)->culoareText(), QColor(0, 0xFF, 0));
    const auto program = genereazaCodProiect(m->proiect());
    QVERIFY(program->linii.contains(QStringLiteral("@ 0,0 SAY 's' COLOR G+/B")));
}

void TestFrmObiecte::backgroundPicker()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    Obiect &obj = putObject(*m, 1, 1, "SAY", QStringLiteral("s"));
    obj.CuloareFundal = Culori::White; // no background swatch has it
    o.form()->ActualizeazaListaObiecte();
    QPoint selector;
    int swatches = 0;
    onNextModal([&](QWidget *dlg) {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Culori fundal"));
        selector = dlg->findChild<QWidget *>(QStringLiteral("shpSelector"))->pos();
        swatches = dlg->findChildren<CuloareForma *>().size();
        QVERIFY(!dlg->findChild<QWidget *>(QStringLiteral("imgWhite")));
        dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
    });
    clickWidget(o.widget("imgFundal"));
    QCOMPARE(swatches, 8);
    QCOMPARE(selector, QPoint(840 / 15, 840 / 15)); // its design-time place
    QCOMPARE(obj.CuloareFundal, Culori::Black);

    onNextModal([&](QWidget *dlg) {
        clickWidget(dlg->findChild<QWidget *>(QStringLiteral("imgYellow")));
        dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
    });
    clickWidget(o.widget("imgFundal"));
    QCOMPARE(obj.CuloareFundal, Culori::Yellow);
    QCOMPARE(label(*m, 1)->brush().color(), QColor(0xFF, 0xFF, 0));
}

void TestFrmObiecte::doubleClickCentresTheSelectedObject()
{
    TempCwd cwd;
    for (bool horizontal : {true, false}) {
        Setari s = quietSettings();
        s.CentrazaObiectulOrizontal = toFlag(horizontal);
        auto m = startMain(s);
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.get()));
        Windows w{*m};
        Objects o{*m};
        w.create();
        w.geometry(0, 0, 40, 10);
        putObject(*m, 3, 1, "SAY", QStringLiteral("abcde"), 1, 1);
        putObject(*m, 45, 1, "SAY", QStringLiteral("zz"), 2, 7);
        o.form()->ActualizeazaListaObiecte();
        o.select(3);
        // Double-click slot 45's label: the selected object 3 is centred.
        QGraphicsView *view = table(*m)->vedere();
        const QPoint at = view->mapFromScene(label(*m, 45)->sceneBoundingRect().center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        const Obiect &obj = m->proiect().obiect(3);
        QCOMPARE(QPoint(obj.Coloana, obj.Rand), horizontal ? QPoint(17, 1) : QPoint(1, 4));
        QCOMPARE(QPoint(m->proiect().obiect(45).Coloana, m->proiect().obiect(45).Rand), QPoint(2, 7));
    }
}

void TestFrmObiecte::objectsFollowTheirWindowOnly()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    Windows w{*m};
    Objects o{*m};
    w.create();
    w.geometry(10, 5, 30, 10);
    putObject(*m, 1, 1, "SAY", QStringLiteral("one"), 2, 3);
    o.form()->ActualizeazaListaObiecte();
    w.create();
    w.geometry(40, 12, 30, 10);
    putObject(*m, 2, 2, "SAY", QStringLiteral("two"), 0, 0);
    o.form()->ActualizeazaListaObiecte();
    QCOMPARE(label(*m, 1)->pos(), QPointF(13 * 135, 9 * 240));
    QCOMPARE(label(*m, 2)->pos(), QPointF(41 * 135, 13 * 240));
    control<QScrollBar>(*m, F, "hsbOrizontala")->setValue(45);
    control<QScrollBar>(*m, F, "hsbVerticala")->setValue(2);
    QCOMPARE(label(*m, 2)->pos(), QPointF(46 * 135, 3 * 240));
    QCOMPARE(label(*m, 1)->pos(), QPointF(13 * 135, 9 * 240));
}

QTEST_MAIN(TestFrmObiecte)
#include "tst_frmobiecte.moc"
