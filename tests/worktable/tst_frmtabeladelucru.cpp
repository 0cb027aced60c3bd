#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QComboBox>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

namespace {

FrmTabelaDeLucru *table(MdiMain &m)
{
    return m.findChild<FrmTabelaDeLucru *>(QStringLiteral("frmTabelaDeLucru"));
}

QGraphicsRectItem *rectItem(MdiMain &m, const QString &name)
{
    return dynamic_cast<QGraphicsRectItem *>(table(m)->element(name));
}

QRectF sceneRect(QGraphicsRectItem *item)
{
    return QRectF(item->pos(), item->rect().size());
}

// A left click on the work table at a point given in twips.
void clickAt(MdiMain &m, const QPointF &twips)
{
    QGraphicsView *view = table(m)->vedere();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->mapFromScene(twips));
}

int activeWindow(MdiMain &m)
{
    return control<QComboBox>(m, "frmFerestre", "cmbFereastra")->currentData().toInt();
}

} // namespace

class TestTabela : public QObject
{
    Q_OBJECT

private slots:
    void elementsExistHiddenAndStacked();
    void markerFollowsTheSettingAtLoad();
    void newWindowGeometry();
    void titleCentresOnHalfCellsAndBlankTitleHides();
    void deletingHidesAndRecreatingShows();
    void outOfRangeNumbersDoNothing();
    void clickOnWindowSelectsItsLineByItemData();
    void clickOnBorderOrShadowDoesNotFallThrough();
    void objectLabelsFollowTheActiveWindow();
};

void TestTabela::elementsExistHiddenAndStacked()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    FrmTabelaDeLucru *t = table(*m);
    QCOMPARE(t->size(), QSize(720, 400));
    QCOMPARE(t->scena()->sceneRect(), QRectF(0, 0, 10800, 6000));
    QCOMPARE(t->vedere()->transform().m11(), 1.0 / 15);

    QStringList order; // bottom to top
    order << QStringLiteral("imgMarcaj");
    for (int n = 5; n >= 1; --n)
        order << QStringLiteral("shpShadow%1").arg(n);
    for (const char *family : {"lblWindow", "shpFrame", "lblTitle"})
        for (int n = 1; n <= 5; ++n)
            order << QString::fromLatin1(family) + QString::number(n);
    for (int n = 1; n <= 60; ++n)
        order << QStringLiteral("lblObiect%1").arg(n);

    QCOMPARE(t->scena()->items().size(), order.size());
    qreal previous = -1;
    for (const QString &name : order) {
        QGraphicsItem *item = t->element(name);
        QVERIFY2(item, qPrintable(name));
        QVERIFY2(!item->isVisible(), qPrintable(name));
        QVERIFY2(item->zValue() > previous, qPrintable(name));
        previous = item->zValue();
        if (name != QLatin1String("imgMarcaj"))
            QVERIFY2(dynamic_cast<QGraphicsRectItem *>(item), qPrintable(name));
    }
    QCOMPARE(rectItem(*m, QStringLiteral("shpShadow3"))->brush().color(), QColor(0x40, 0x40, 0x40));
}

void TestTabela::markerFollowsTheSettingAtLoad()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.MarcajTabelaLucru = FlagTrue;
    {
        auto m = startMain(s);
        auto *marker = dynamic_cast<QGraphicsPixmapItem *>(table(*m)->element(QStringLiteral("imgMarcaj")));
        QVERIFY(marker && marker->isVisible());
        QCOMPARE(marker->pos(), QPointF(0, 0));
        const QImage img = marker->pixmap().toImage();
        QCOMPARE(img.size(), QSize(725, 403));
        int dots = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) != 0) {
                    ++dots;
                    QVERIFY(x % 9 == 1 && y % 16 == 1);
                    QCOMPARE(img.pixel(x, y), qRgba(0, 0, 0, 255));
                }
        QCOMPARE(dots, 81 * 26);
        // The picture covers the surface at one pixel per 15 twips.
        QCOMPARE(marker->sceneBoundingRect().size(), QSizeF(725 * 15, 403 * 15));
    }
    s.MarcajTabelaLucru = FlagFalse;
    auto m = startMain(s);
    QVERIFY(!table(*m)->element(QStringLiteral("imgMarcaj"))->isVisible());
}

void TestTabela::newWindowGeometry()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    auto m = startMain(s);
    pressKey(*m, "frmFerestre", "CREAZA");

    auto *bg = rectItem(*m, QStringLiteral("lblWindow1"));
    auto *frame = rectItem(*m, QStringLiteral("shpFrame1"));
    auto *shadow = rectItem(*m, QStringLiteral("shpShadow1"));
    auto *title = dynamic_cast<ElementTabela *>(rectItem(*m, QStringLiteral("lblTitle1")));
    for (QGraphicsItem *i : std::initializer_list<QGraphicsItem *>{bg, frame, shadow, title})
        QVERIFY(i->isVisible());
    QCOMPARE(sceneRect(bg), QRectF(0, 0, 4050, 2400));
    QCOMPARE(sceneRect(frame), QRectF(67.5, 60, 3915, 2280));
    QCOMPARE(frame->pen().widthF(), 45.0);
    QCOMPARE(frame->brush().style(), Qt::NoBrush);
    QCOMPARE(sceneRect(shadow), QRectF(270, 240, 4050, 2400));
    QCOMPARE(title->pos(), QPointF(1687.5, 0));
    QCOMPARE(title->caption(), QStringLiteral("FER 1"));
    QCOMPARE(title->rect().width(), 5 * 135.0); // one cell per character
    // Scheme 1: white on blue, yellow border; the title in border colour.
    QCOMPARE(bg->brush().color(), QColor(0, 0, 0xC0));
    QCOMPARE(frame->pen().color(), QColor(0xFF, 0xFF, 0));
    QCOMPARE(title->brush().color(), QColor(0, 0, 0xC0));
    QCOMPARE(title->culoareText(), QColor(0xFF, 0xFF, 0));

    // Moving the window moves all four.
    control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala")->setValue(10);
    control<QScrollBar>(*m, "frmFerestre", "hsbVerticala")->setValue(5);
    QCOMPARE(sceneRect(bg), QRectF(1350, 1200, 4050, 2400));
    QCOMPARE(frame->pos(), QPointF(1350 + 67.5, 1260));
    QCOMPARE(shadow->pos(), QPointF(1620, 1440));
    QCOMPARE(title->pos(), QPointF((10 + 15 - 2.5) * 135, 1200));
}

void TestTabela::titleCentresOnHalfCellsAndBlankTitleHides()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(21);
    control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra")->setText(QStringLiteral("ABCD"));
    auto *title = dynamic_cast<ElementTabela *>(rectItem(*m, QStringLiteral("lblTitle1")));
    QCOMPARE(title->pos().x(), (0 + 10.5 - 2) * 135);
    QVERIFY(title->isVisible());

    control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra")->setText(QStringLiteral("   "));
    QVERIFY(!title->isVisible());
    QCOMPARE(title->caption(), QStringLiteral("   "));
    QCOMPARE(title->pos().x(), (0 + 10.5 - 1.5) * 135); // blanks count for the place
    QVERIFY(rectItem(*m, QStringLiteral("lblWindow1"))->isVisible());
}

void TestTabela::deletingHidesAndRecreatingShows()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala")->setValue(20);
    pressKey(*m, "frmFerestre", "STERGE");
    for (const char *name : {"lblWindow1", "shpFrame1", "shpShadow1", "lblTitle1"})
        QVERIFY(!table(*m)->element(QString::fromLatin1(name))->isVisible());
    pressKey(*m, "frmFerestre", "CREAZA");
    QVERIFY(rectItem(*m, QStringLiteral("lblWindow1"))->isVisible());
    QCOMPARE(rectItem(*m, QStringLiteral("lblWindow1"))->pos(), QPointF(0, 0));
}

void TestTabela::outOfRangeNumbersDoNothing()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    table(*m)->DeseneazaFereastra(0);
    table(*m)->DeseneazaFereastra(6);
    table(*m)->DeseneazaObiect(0);
    table(*m)->DeseneazaObiect(61);
    for (QGraphicsItem *i : table(*m)->scena()->items())
        QVERIFY(!i->isVisible());
}

void TestTabela::clickOnWindowSelectsItsLineByItemData()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.get()));
    auto *col = control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala");
    auto *row = control<QScrollBar>(*m, "frmFerestre", "hsbVerticala");
    auto *list = control<QComboBox>(*m, "frmFerestre", "cmbFereastra");
    for (int i = 0; i < 3; ++i) {
        pressKey(*m, "frmFerestre", "CREAZA");
        row->setValue(i * 11); // three windows one under the other
        col->setValue(i * 5);
    }
    list->setCurrentIndex(1); // window 2
    pressKey(*m, "frmFerestre", "STERGE");
    pressKey(*m, "frmFerestre", "CREAZA"); // takes slot 2, last line
    row->setValue(11);
    QCOMPARE(list->itemData(2).toInt(), 2);

    clickAt(*m, {200 * 15, 3 * 240 + 100}); // inside window 1's background
    QCOMPARE(activeWindow(*m), 1);
    clickAt(*m, {150 * 15, 16 * 240}); // window 2, in the middle
    QCOMPARE(activeWindow(*m), 2);
    QCOMPARE(list->currentIndex(), 2);
    // Window 3's title (row 22, centred on its width).
    clickAt(*m, {(10 + 15) * 135.0, 22 * 240 + 120});
    QCOMPARE(activeWindow(*m), 3);
    // The empty surface does nothing.
    clickAt(*m, {700 * 15, 390 * 15});
    QCOMPARE(activeWindow(*m), 3);
}

void TestTabela::clickOnBorderOrShadowDoesNotFallThrough()
{
    TempCwd cwd;
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    auto m = startMain(s);
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.get()));
    pressKey(*m, "frmFerestre", "CREAZA"); // window 1 at 0,0 with shadow
    pressKey(*m, "frmFerestre", "CREAZA"); // window 2 over it
    auto *col = control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala");
    col->setValue(10);
    control<QScrollBar>(*m, "frmFerestre", "hsbVerticala")->setValue(2);
    // Window 1's border runs through column 29 and lies over window 2's background.
    auto *list = control<QComboBox>(*m, "frmFerestre", "cmbFereastra");
    list->setCurrentIndex(0);
    clickAt(*m, {29 * 135 + 67.5, 5 * 240});
    QCOMPARE(activeWindow(*m), 1); // not window 2 under the border
    clickAt(*m, {20 * 135, 5 * 240}); // window 2's own background
    QCOMPARE(activeWindow(*m), 2);
    // Window 2's shadow, outside every background: nothing happens.
    clickAt(*m, {41 * 135, 12 * 240 + 120});
    QCOMPARE(activeWindow(*m), 2);
}

void TestTabela::objectLabelsFollowTheActiveWindow()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala")->setValue(10);
    control<QScrollBar>(*m, "frmFerestre", "hsbVerticala")->setValue(5);
    Obiect &o = m->proiect().obiect(7);
    o.Liber = FlagFalse;
    o.Fereastra = 1;
    o.Tip = QStringLiteral("GET");
    o.Nume = QStringLiteral("nume");
    o.TextAfisat = QStringLiteral("XXXX");
    o.CuloareFundal = Culori::Black;
    o.CuloareCerneala = Culori::White;
    table(*m)->DeseneazaObiect(7);
    auto *label = dynamic_cast<ElementTabela *>(rectItem(*m, QStringLiteral("lblObiect7")));
    QVERIFY(label->isVisible());
    QCOMPARE(label->pos(), QPointF(1485, 1440));
    QCOMPARE(label->rect().size(), QSizeF(4 * 135, 240));
    QCOMPARE(label->toolTip(), QStringLiteral("GET [nume][]"));
    QCOMPARE(label->brush().color(), QColor(Qt::black));
    QCOMPARE(label->culoareText(), QColor(Qt::white));

    // Moving the window one column moves its objects by 135 twips.
    control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala")->setValue(11);
    QCOMPARE(label->pos(), QPointF(1620, 1440));
    o.Liber = FlagTrue;
    table(*m)->DeseneazaObiect(7);
    QVERIFY(!label->isVisible());
    QCOMPARE(label->caption(), QStringLiteral("XXXX")); // kept as last drawn
}

QTEST_MAIN(TestTabela)
#include "tst_frmtabeladelucru.moc"
