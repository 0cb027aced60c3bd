#include "support/design.h"

#include <QGraphicsView>
#include <QLineEdit>

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

QTEST_MAIN(TestTabela)
#include "tst_frmtabeladelucru.moc"
