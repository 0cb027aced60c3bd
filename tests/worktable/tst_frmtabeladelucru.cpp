#include "app/document.h"
#include "app/istoric.h"
#include "support/design.h"

#include <QCheckBox>
#include <QGraphicsView>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>

namespace {

// A click or double-click through the real view at a point given in twips.
void click(Design &d, QPointF twips, bool twice = false)
{
    QWidget *viewport = d.table()->vedere()->viewport();
    const QPoint at = d.table()->vedere()->mapFromScene(twips);
    twice ? QTest::mouseDClick(viewport, Qt::LeftButton, {}, at)
          : QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
}

// A press at a point in twips, moves to the given offsets from it in pixels
// (a column is 9 pixels, a row 16), after(i) with the button still down, a release.
template <typename F> void drag(Design &d, QPointF from, const QList<QPoint> &offsets, F after)
{
    QWidget *viewport = d.table()->vedere()->viewport();
    const QPoint at = d.table()->vedere()->mapFromScene(from);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    for (int i = 0; i < offsets.size(); ++i) {
        QTest::mouseMove(viewport, at + offsets[i]);
        after(i);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + offsets.last());
}

// The undo steps, once what the set-up changed from code is reported.
int undoSteps(Design &d)
{
    d.m->document().verifica();
    return d.m->istoric().stiva()->count();
}

} // namespace

class TestTabela : public QObject
{
    Q_OBJECT

private slots:
    void elementsAndMarker();
    void windowDrawing_data();
    void windowDrawing();
    void clicksPickTheWindowUnderTheMouse();
    void objectLabels();
    void clickStaysClick_data();
    void clickStaysClick();
    void dragRefusedAtTheRightEdge_data();
    void dragRefusedAtTheRightEdge();
    void squareWindowResizedByItsCorner();
    void objectDraggedPastItsWindowEdge();
    void keysOnTheFocusedView();
};

void TestTabela::elementsAndMarker()
{
    Setari s = quietSettings();
    s.MarcajTabelaLucru = FlagTrue;
    Design d(s);
    pressKey(*d.m, "frmFerestre", "STERGE");
    QStringList order{QStringLiteral("imgMarcaj")}; // bottom to top
    for (int n = 5; n >= 1; --n)
        order << QStringLiteral("shpShadow%1").arg(n);
    for (const char *family : {"lblWindow", "shpFrame", "lblTitle"})
        for (int n = 1; n <= 5; ++n)
            order << QLatin1String(family) + QString::number(n);
    for (int n = 1; n <= 60; ++n)
        order << QStringLiteral("lblObiect%1").arg(n);
    QCOMPARE(d.table()->scena()->items().size(), order.size());
    for (int i = 1; i < order.size(); ++i) {
        QGraphicsItem *e = d.table()->element(order[i]);
        QVERIFY2(e && !e->isVisible() && e->zValue() > d.table()->element(order[i - 1])->zValue(),
                 qPrintable(order[i]));
    }
    auto *marker = dynamic_cast<QGraphicsPixmapItem *>(d.table()->element(order[0]));
    QVERIFY(marker->isVisible() && marker->sceneBoundingRect() == QRectF(0, 0, 725 * 15, 403 * 15));
    s.MarcajTabelaLucru = FlagFalse;
    QVERIFY(!Design(s).table()->element(order[0])->isVisible());
}

void TestTabela::windowDrawing_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("titleLeft");
    QTest::newRow("new window") << QRect(0, 0, 30, 10) << "FER 1" << 1687.5;
    QTest::newRow("moved") << QRect(10, 5, 30, 10) << "FER 1" << (10 + 15 - 2.5) * 135;
    QTest::newRow("odd width, half a cell off") << QRect(0, 0, 21, 10) << "ABCD" << (10.5 - 2) * 135;
    QTest::newRow("blank title, hidden") << QRect(0, 0, 21, 10) << "   " << (10.5 - 1.5) * 135;
}

void TestTabela::windowDrawing()
{
    QFETCH(QRect, window);
    QFETCH(QString, title);
    QFETCH(double, titleLeft);
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    Design d(s);
    d.set(window.x(), window.y(), window.width(), window.height());
    d.find<QLineEdit>("frmFerestre", "txtTitluFereastra")->setText(title);
    const QRectF area(twips(window.topLeft()), QSizeF(135 * window.width(), 240 * window.height()));
    for (auto [name, rect] : {std::pair{"lblWindow1", area},
                              {"shpFrame1", area.adjusted(67.5, 60, -67.5, -60)},
                              {"shpShadow1", area.translated(270, 240)}}) {
        QVERIFY2(d.item(name)->isVisible(), name);
        QCOMPARE(QRectF(d.item(name)->pos(), d.item(name)->rect().size()), rect);
    }
    QCOMPARE(d.item("lblTitle1")->pos(), QPointF(titleLeft, area.y()));
    QVERIFY(d.item("lblTitle1")->caption() == title &&
            d.item("lblTitle1")->isVisible() == !title.trimmed().isEmpty());
    // Scheme 1: blue background, yellow border, the title in the border colour; the shadow dark grey.
    const QColor blue(0, 0, 0xC0), grey(64, 64, 64), yellow(Qt::yellow);
    QVERIFY(d.item("lblWindow1")->brush().color() == blue && d.item("shpShadow1")->brush().color() == grey);
    QVERIFY(d.item("shpFrame1")->pen().color() == yellow && d.item("lblTitle1")->culoareText() == yellow);
}

void TestTabela::clicksPickTheWindowUnderTheMouse()
{
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    Design d(s);
    d.m->show();
    for (int row : {11, 22}) { // windows 2 and 3 under window 1
        d.create();
        d.set(row / 2, row, 30, 10);
    }
    d.windows()->setCurrentIndex(1);
    pressKey(*d.m, "frmFerestre", "STERGE");
    QVERIFY(!d.item("lblWindow2")->isVisible() && !d.item("lblTitle2")->isVisible());
    d.create(); // takes slot 2, the last line
    d.set(40, 2, 30, 10);
    click(d, {3000, 820}); // window 1's background
    QCOMPARE(d.windows()->currentData().toInt(), 1);
    click(d, twips({45, 5}));                    // window 2's
    QCOMPARE(d.windows()->currentIndex(), 2);    // its line, found by item data
    click(d, twips({26, 22}) + QPointF(0, 120)); // window 3's title
    click(d, twips({71, 12}) + QPointF(0, 120)); // window 2's shadow, over nothing: nothing happens
    click(d, {10500, 5850});                     // nor on the empty surface
    QCOMPARE(d.windows()->currentData().toInt(), 3);
    d.create();
    d.set(20, 0, 30, 10); // window 4, over window 1's right part
    d.windows()->setCurrentIndex(0);
    click(d, twips({29, 5}) + QPointF(67.5, 0)); // window 1's border, over window 4's background
    QCOMPARE(d.windows()->currentData().toInt(), 1);
}

void TestTabela::objectLabels()
{
    Design d;
    d.set(10, 5, 40, 10);
    d.put(3, "GET", QStringLiteral("abcde"), 1, 1).Valoare = QStringLiteral("v");
    d.table()->DeseneazaObiect(3);
    ElementTabela *label = d.item("lblObiect3");
    QVERIFY(label->isVisible() && label->toolTip() == QLatin1String("GET [abcde][v]"));
    QCOMPARE(QRectF(label->pos(), label->rect().size()), QRectF(twips({12, 7}), QSizeF(5 * 135, 240)));
    // A double-click on any object label centres the selected one.
    d.put(45, "SAY", QStringLiteral("zz"), 2, 7);
    d.list()->setCurrentRow(0); // object 3
    click(d, d.item("lblObiect45")->sceneBoundingRect().center(), true);
    QCOMPARE(label->pos(), twips({10 + 1 + 17, 7}));
    // Moving the active window moves its objects only.
    d.create();
    d.put(8, "SAY", QStringLiteral("x"), 1, 2);
    d.set(41, 13, 30, 10);
    QCOMPARE(d.item("lblObiect8")->pos(), twips({43, 16}));
    QCOMPARE(label->pos(), twips({28, 7}));
}

void TestTabela::clickStaysClick_data()
{
    QTest::addColumn<bool>("onObject");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("columns"); // the move, in cells
    const int distance = QApplication::startDragDistance();
    QTest::newRow("a cell away, short of the drag distance") << false << QPoint(distance - 1, 0) << 0;
    QTest::newRow("past the drag distance, in its cell") << false << QPoint(4, 7) << 0;
    QTest::newRow("on an object of another window") << true << QPoint(distance - 1, 0) << 0;
    QTest::newRow("two cells: a drag") << false << QPoint(18, 0) << 2;
}

void TestTabela::clickStaysClick()
{
    QFETCH(bool, onObject);
    QFETCH(QPoint, offset);
    QFETCH(int, columns);
    const int distance = QApplication::startDragDistance();
    QVERIFY(distance - 1 >= 5 && 4 + 7 >= distance); // the rows mean what they say
    Design d;
    d.create();
    d.set(40, 2, 30, 10);
    d.put(5, "SAY", QStringLiteral("abc"), 1, 1);
    d.windows()->setCurrentIndex(0);
    const QPointF from = onObject ? d.item("lblObiect5")->sceneBoundingRect().center() : twips({50, 6});
    const int steps = undoSteps(d);
    drag(d, from, {offset}, [](int) {});
    // A click on an object does nothing; on a window it picks the window.
    QCOMPARE(d.windows()->currentData().toInt(), onObject ? 1 : 2);
    QCOMPARE(d.m->proiect().fereastra(2).Orizontala, 40 + columns);
    QCOMPARE(undoSteps(d), steps + (columns ? 1 : 0));
}

void TestTabela::dragRefusedAtTheRightEdge_data()
{
    QTest::addColumn<bool>("keepShadow");
    QTest::addColumn<int>("last"); // column + width (+ 2 for a shadow kept on screen) <= 80
    QTest::newRow("no shadow kept") << false << 50;
    QTest::newRow("shadow kept on screen") << true << 48;
}

void TestTabela::dragRefusedAtTheRightEdge()
{
    QFETCH(bool, keepShadow);
    QFETCH(int, last);
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    Design d(s);
    d.find<QCheckBox>("frmFerestre", "chkMentineUmbra")->setChecked(keepShadow);
    d.set(45, 5, 30, 10);
    d.put(7, "SAY", QStringLiteral("abc"), 2, 1);
    const int steps = undoSteps(d);
    QList<QPoint> offsets;
    for (int i = 2; i <= 8; ++i) // 9 pixels a column; the first move past the drag distance
        offsets << QPoint(9 * i, 0);
    offsets << QPoint(9 * 7, 0); // one cell back: it goes on from where it stopped
    drag(d, twips({55, 8}), offsets, [&](int i) {
        const int column = i < 7 ? std::min(45 + i + 2, last) : last - 1;
        QCOMPARE(d.geometry(), QRect(column, 5, 30, 10));
        QCOMPARE(d.item("lblObiect7")->pos(), twips({column + 3, 7}));
        QCOMPARE(d.m->statusBar()->currentMessage(), QStringLiteral("Coloana %1, Rand 5, 30 x 10").arg(column));
    });
    QVERIFY(d.m->statusBar()->currentMessage().isEmpty());
    QCOMPARE(undoSteps(d), steps + 1);
    d.m->istoric().stiva()->undo();
    QCOMPARE(d.geometry(), QRect(45, 5, 30, 10));
}

void TestTabela::squareWindowResizedByItsCorner()
{
    Setari s = quietSettings();
    s.FerestrePatrate = FlagTrue;
    Design d(s); // 20 x 10 at the top left
    d.m->show();
    QWidget *viewport = d.table()->vedere()->viewport();
    const QPointF corner = twips({20, 10}) - QPointF(30, 30);
    for (auto [at, shape] : {std::pair{corner, Qt::SizeFDiagCursor}, {twips({5, 5}), Qt::SizeAllCursor},
                             {twips({22, 3}), Qt::ArrowCursor}}) {
        QTest::mouseMove(viewport, d.table()->vedere()->mapFromScene(at));
        QCOMPARE(viewport->cursor().shape(), shape);
    }
    // Rows drive the square, unless the mouse went more than twice as far across.
    const QList<QRect> sizes{{0, 0, 24, 12}, {0, 0, 26, 13}, {0, 0, 18, 9}};
    const int steps = undoSteps(d);
    drag(d, corner, {{0, 32}, {54, 0}, {-18, 0}}, [&](int i) { QCOMPARE(d.geometry(), sizes[i]); });
    QCOMPARE(undoSteps(d), steps + 1);
    d.m->istoric().stiva()->undo();
    QCOMPARE(d.geometry(), QRect(0, 0, 20, 10));
}

void TestTabela::objectDraggedPastItsWindowEdge()
{
    Design d;
    d.set(10, 5, 30, 10);
    d.create();
    d.set(45, 14, 30, 10);
    d.put(4, "SAY", QStringLiteral("abcde"), 20, 3);
    d.windows()->setCurrentIndex(0);
    // Column + length <= width - 2, row < height - 2.
    QList<QPoint> offsets, places;
    for (int i = 2; i <= 5; ++i)
        offsets << QPoint(9 * i, 0), places << QPoint(std::min(20 + i, 23), 3);
    for (int j = 1; j <= 6; ++j)
        offsets << QPoint(45, 16 * j), places << QPoint(23, std::min(3 + j, 7));
    offsets << QPoint(36, 96), places << QPoint(22, 7);
    drag(d, d.item("lblObiect4")->sceneBoundingRect().center(), offsets, [&](int i) {
        const Obiect &o = d.m->proiect().obiect(4);
        QCOMPARE(QPoint(o.Coloana, o.Rand), places[i]);
        QCOMPARE(d.item("lblObiect4")->pos(), twips(QPoint(46, 15) + places[i]));
    });
    QCOMPARE(d.windows()->currentData().toInt(), 2);
    QCOMPARE(d.list()->currentItem()->data(Qt::UserRole).toInt(), 4);
    QCOMPARE(d.geometry(), QRect(45, 14, 30, 10));
}

void TestTabela::keysOnTheFocusedView()
{
    Setari s = quietSettings();
    s.ConfirmareStergere = FlagTrue;
    Design d(s);
    d.set(10, 5, 30, 10);
    d.put(4, "SAY", QStringLiteral("ab"), 1, 1);
    d.put(9, "GET", QStringLiteral("cd"), 3, 2); // listed last, selected
    d.m->show();
    QGraphicsView *view = d.table()->vedere();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(view, k, mods);
        d.m->document().verifica(); // each key its own gesture, as with an event loop between
    };
    const Obiect &o = d.m->proiect().obiect(9);
    const int steps = undoSteps(d);
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right})
        key(k);
    QVERIFY(o.Coloana == 6 && o.Rand == 3 && undoSteps(d) == steps + 1); // a run is one step
    key(Qt::Key_Tab); // round to the first line
    QCOMPARE(d.list()->currentRow(), 0);
    key(Qt::Key_Backtab);
    key(Qt::Key_Escape); // no object: the window moves and resizes
    QVERIFY(d.list()->currentRow() == -1 && o.Coloana == 6);
    key(Qt::Key_Left);
    key(Qt::Key_Up, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(d.geometry(), QRect(9, 5, 31, 9));
    QString editor;
    onNextModal([&](QWidget *dlg) { editor = dlg->objectName(); QTest::keyClick(dlg, Qt::Key_Escape); });
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    QCOMPARE(editor, QStringLiteral("frmSay"));
    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        auto box = answerNextMessageBox(answer);
        key(Qt::Key_Delete);
        QVERIFY(box->seen && isSet(d.m->proiect().obiect(4).Liber) == (answer == QMessageBox::Yes));
    }
}

QTEST_MAIN(TestTabela)
#include "tst_frmtabeladelucru.moc"
