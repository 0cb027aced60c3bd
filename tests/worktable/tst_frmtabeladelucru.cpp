#include "app/document.h"
#include "app/istoric.h"
#include "support/design.h"

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
    void drags_data();
    void drags();
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

void TestTabela::drags_data()
{
    QTest::addColumn<QString>("press"); // the window, its corner or the object
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QPoint>>("offsets"); // pixels: a column is 9, a row 16
    QTest::addColumn<QList<QRect>>("expected"); // the window, or the object's place and size; none: a click
    const QRect w(45, 5, 30, 10);
    const QList<QPoint> under{{QApplication::startDragDistance() - 1, 0}}, inCell{{4, 7}}; // a cell away, or not
    QTest::newRow("click short of the drag distance") << "window" << w << under << QList<QRect>();
    QTest::newRow("click past the drag distance, in its cell") << "window" << w << inCell << QList<QRect>();
    QTest::newRow("click on an object") << "object" << w << under << QList<QRect>();
    const QList<QPoint> across{{18, 0}, {27, 0}, {36, 0}, {45, 0}, {54, 0}, {63, 0}, {72, 0}, {63, 0}};
    QList<QRect> edge, shadow; // column + width (+ 2 for a shadow kept on screen) <= 80
    for (int i = 0; i < 8; ++i) // refused, it goes on from where it stopped: the last step is one cell back
        edge << w.translated(i < 7 ? std::min(2 + i, 5) : 4, 0), shadow << w.translated(i < 7 ? std::min(2 + i, 3) : 2, 0);
    QTest::newRow("window past the right edge") << "window" << w << across << edge;
    QTest::newRow("shadow kept on screen") << "shadow" << w << across << shadow;
    // Rows drive a square window, unless the mouse went more than twice as far across.
    QTest::newRow("square window by its corner") << "corner" << QRect(20, 2, 20, 10) << QList<QPoint>{{0, 32}, {54, 0}, {-18, 0}}
                                                 << QList<QRect>{{20, 2, 24, 12}, {20, 2, 26, 13}, {20, 2, 18, 9}};
    QTest::newRow("object past its window's edge") << "object" << QRect(10, 5, 30, 10) // column + length <= width - 2, row < height - 2
        << QList<QPoint>{{18, 0}, {27, 0}, {36, 0}, {36, 32}, {36, 64}, {36, 80}, {27, 80}}
        << QList<QRect>{{22, 3, 5, 1}, {23, 3, 5, 1}, {23, 3, 5, 1}, {23, 5, 5, 1}, {23, 7, 5, 1}, {23, 7, 5, 1}, {22, 7, 5, 1}};
}

void TestTabela::drags()
{
    QFETCH(QString, press);
    QFETCH(QRect, window);
    QFETCH(QList<QPoint>, offsets);
    QFETCH(QList<QRect>, expected);
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    s.PastreazaUmbraInEcran = toFlag(press == QLatin1String("shadow"));
    s.FerestrePatrate = toFlag(press == QLatin1String("corner"));
    Design d(s);
    d.set(window.x(), window.y(), window.width(), window.height());
    d.put(4, "SAY", QStringLiteral("abcde"), 20, 3);
    d.create(); // a drag makes window 1 active again, and so does a click on it
    const Fereastra &f = d.m->proiect().fereastra(1);
    const Obiect &o = d.m->proiect().obiect(4);
    const bool object = press == QLatin1String("object"), corner = press == QLatin1String("corner");
    auto now = [&] { return object ? QRect(o.Coloana, o.Rand, 5, 1) : QRect(f.Orizontala, f.Verticala, f.Latime, f.Inaltime); };
    const QRect start = now();
    const QPoint at = d.table()->vedere()->mapFromScene(object ? d.item("lblObiect4")->sceneBoundingRect().center()
                                                       : corner ? twips(window.bottomRight() + QPoint(1, 1)) - QPointF(30, 30)
                                                                : twips(window.topLeft() + QPoint(2, 3)));
    QWidget *viewport = d.table()->vedere()->viewport();
    QMouseEvent hover(QEvent::MouseMove, at, QPointF(), Qt::NoButton, {}, {});
    QApplication::sendEvent(viewport, &hover);
    QCOMPARE(viewport->cursor().shape(), corner ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
    auto undoSteps = [&] { return d.m->document().verifica(), d.m->istoric().stiva()->count(); }; // once code's changes are in
    const int steps = undoSteps();
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    for (int i = 0; i < offsets.size(); ++i) {
        QTest::mouseMove(viewport, at + offsets[i]);
        const QRect r = now();
        QCOMPARE(r, expected.value(i, start));
        QCOMPARE(d.item("lblObiect4")->pos(), twips(QPoint(f.Orizontala + o.Coloana + 1, f.Verticala + o.Rand + 1)));
        QCOMPARE(d.m->statusBar()->currentMessage(), expected.isEmpty() ? QString() : QStringLiteral("Coloana %1, Rand %2, %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + offsets.last());
    const bool click = expected.isEmpty(); // on an object it does nothing; on a window it picks the window
    QVERIFY(d.m->statusBar()->currentMessage().isEmpty() && d.windows()->currentData().toInt() == (click && object ? 2 : 1));
    QCOMPARE(undoSteps(), steps + (click ? 0 : 1)); // one drag, one step
    if (!click)
        d.m->istoric().stiva()->undo();
    QCOMPARE(now(), start);
}

void TestTabela::keysOnTheFocusedView()
{
    Setari s = quietSettings();
    s.ConfirmareStergere = FlagTrue;
    Design d(s); // window 1: 30 x 10 at the top left
    d.put(4, "SAY", QStringLiteral("ab"), 1, 1);
    d.put(9, "GET", QStringLiteral("cd"), 3, 2); // listed last, selected
    d.m->show();
    QGraphicsView *view = d.table()->vedere();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    auto keys = [&](std::initializer_list<Qt::Key> ks, Qt::KeyboardModifiers mods = {}) {
        for (Qt::Key k : ks) // each key its own gesture, as with an event loop between
            QTest::keyClick(view, k, mods), d.m->document().verifica();
    };
    const Obiect &o = d.m->proiect().obiect(9);
    auto undoSteps = [&] { return d.m->document().verifica(), d.m->istoric().stiva()->count(); };
    const int steps = undoSteps();
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right});
    QVERIFY(o.Coloana == 6 && o.Rand == 3 && undoSteps() == steps + 1); // a run is one step
    keys({Qt::Key_Escape, Qt::Key_Right}); // no object: the window moves and resizes
    keys({Qt::Key_Up, Qt::Key_Right}, Qt::ShiftModifier);
    QVERIFY(d.list()->currentRow() == -1 && o.Coloana == 6 && d.geometry() == QRect(1, 0, 31, 9));
    QString editor;
    onNextModal([&](QWidget *dlg) { editor = dlg->objectName(), QTest::keyClick(dlg, Qt::Key_Escape); });
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}); // round the list, in its order: 4, 9, 4
    auto box = answerNextMessageBox(QMessageBox::Yes);
    keys({Qt::Key_Backtab, Qt::Key_Delete}); // back round to 9
    QVERIFY(editor == QLatin1String("frmSay") && box->seen && isSet(o.Liber) && !isSet(d.m->proiect().obiect(4).Liber));
}

QTEST_MAIN(TestTabela)
#include "tst_frmtabeladelucru.moc"
