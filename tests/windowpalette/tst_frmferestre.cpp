#include "support/design.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionSlider>

#include <functional>

namespace {

constexpr const char *P = "frmFerestre";

// initStyleOption is protected; its member pointer is reachable through a subclass.
struct StyledBar : QScrollBar {
    using QScrollBar::initStyleOption;
};

// Holds a bar's thumb with the mouse and moves it as a hand would, a pixel at
// a time (or in one jump), to where the thumb shows each stop, then lets go.
// step gets the value the hand points at after every move.
void drag(QScrollBar *bar, const QList<int> &stops, bool jump, const std::function<void(int)> &step)
{
    QStyleOptionSlider o;
    (bar->*&StyledBar::initStyleOption)(&o);
    const QRect groove =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarGroove, bar);
    auto thumb = [&](int v) {
        o.sliderPosition = v;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, bar);
    };
    const QRect start = thumb(bar->value());
    const int grip = start.width() / 2, y = start.center().y(), span = groove.width() - start.width();
    int x = start.x(); // the thumb's left edge under the hand
    QTest::mousePress(bar, Qt::LeftButton, {}, {x + grip, y});
    for (int stop : stops) {
        for (const int to = thumb(stop).x(); x != to;) {
            x = jump ? to : x + (x < to ? 1 : -1);
            QTest::mouseMove(bar, {x + grip, y});
            step(QStyle::sliderValueFromPosition(bar->minimum(), bar->maximum(), x - groove.x(), span));
        }
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, {x + grip, y});
}

struct Placement {
    QSize size;
    int shadowBoxes;   // 1: "Umbra" ticked, 2: "Mentine umbra in ecran" too
    const char *press; // a button, or a number for the column bar
    QPoint place;
};

struct Resizing {
    bool square;
    const char *bar;
    int how; // 0 set by the program, 1 dragged a pixel at a time, 2 dragged in one jump
    QList<int> stops;
    QSize size;
};

} // namespace

Q_DECLARE_METATYPE(Placement)
Q_DECLARE_METATYPE(Resizing)

class TestFrmFerestre : public QObject
{
    Q_OBJECT

private slots:
    void schemeAndTitle()
    {
        Design d;
        Obiect &tied = d.put(1, "SAY", QStringLiteral("a")); // the model suite pins who else is recoloured
        tied.CulorileFerestrei = FlagTrue;
        d.find<QComboBox>(P, "cmbSchemaCulori")->setCurrentIndex(6); // scheme 7: yellow on red
        QVERIFY(tied.CuloareFundal == Culori::Red && tied.CuloareCerneala == Culori::Yellow);
        QCOMPARE(d.item("lblObiect1")->brush().color(), QColor(0xC0, 0, 0));
        // A title as long as the width less 4 widens the record, not the bar: 6 + 4 = 10, then 7 + 4 = 11.
        d.find<QScrollBar>(P, "hsbLatime")->setValue(10);
        QTest::keyClicks(d.find<QLineEdit>(P, "txtTitluFereastra"), QStringLiteral("XY"));
        QVERIFY(d.window().Latime == 12 && d.find<QScrollBar>(P, "hsbLatime")->value() == 10);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("\tZ\n")); // a pasted tab or line break never reaches TITLE
        QTest::keyClick(d.find<QLineEdit>(P, "txtTitluFereastra"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.window().Titlu, QStringLiteral("FER 1XYZ"));
        QCOMPARE(d.windows()->currentText(), QStringLiteral("F1 [FER 1]"));
    }

    void placement_data()
    {
        QTest::addColumn<Placement>("c");
        // From column 3, row 3.
        QTest::newRow("ends at column 79") << Placement{{30, 10}, 0, "50", {50, 3}};
        QTest::newRow("a column past the screen") << Placement{{30, 10}, 0, "51", {3, 3}};
        QTest::newRow("no room for the shadow") << Placement{{30, 10}, 2, "49", {3, 3}};
        QTest::newRow("the shadow ends at 79") << Placement{{30, 10}, 2, "48", {48, 3}};
        QTest::newRow("centre, halves down to even") << Placement{{21, 5}, 0, "cmdCentruCentru", {30, 10}};
        QTest::newRow("centre, halves up to even") << Placement{{23, 7}, 0, "cmdCentruCentru", {28, 8}};
        QTest::newRow("bottom, shadow alone") << Placement{{30, 10}, 1, "cmdCentruJos", {25, 15}};
        QTest::newRow("bottom right, shadow kept") << Placement{{30, 10}, 2, "cmdDreaptaJos", {48, 14}};
    }

    void placement()
    {
        QFETCH(Placement, c);
        Design d;
        d.set(3, 3, c.size.width(), c.size.height());
        d.find<QCheckBox>(P, "chkUmbraFereastra")->setChecked(c.shadowBoxes > 0);
        d.find<QCheckBox>(P, "chkMentineUmbra")->setChecked(c.shadowBoxes > 1);
        QChar(c.press[0]).isDigit()
            ? d.find<QScrollBar>(P, "hsbOrizontala")->setValue(QByteArray(c.press).toInt())
            : d.find<QPushButton>(P, c.press)->click();
        QCOMPARE(d.geometry().topLeft(), c.place);
        QCOMPARE(QPoint(d.text(P, "lblOrizontala").toInt(), d.text(P, "lblVerticala").toInt()), c.place);
    }

    void widthAndHeight_data()
    {
        QTest::addColumn<Resizing>("c");
        // A square window starts 20 x 10, another 21 x 10.
        QTest::newRow("height 12") << Resizing{true, "hsbInaltime", 0, {12}, {24, 12}};
        QTest::newRow("odd width, new height") << Resizing{true, "hsbLatime", 0, {23}, {24, 12}};
        QTest::newRow("width past 48") << Resizing{true, "hsbLatime", 0, {60}, {20, 10}};
        QTest::newRow("drag straight to 25") << Resizing{true, "hsbLatime", 2, {25}, {24, 12}};
        QTest::newRow("drag right to the end") << Resizing{true, "hsbLatime", 1, {79}, {48, 24}};
        QTest::newRow("drag left collapses") << Resizing{true, "hsbLatime", 1, {19}, {6, 3}};
        QTest::newRow("drag right, then back") << Resizing{true, "hsbLatime", 1, {40, 39}, {6, 3}};
    }

    void widthAndHeight()
    {
        QFETCH(Resizing, c);
        Design d;
        d.find<QCheckBox>(P, "chkFereastraPatrata")->setChecked(c.square);
        QScrollBar *width = d.find<QScrollBar>(P, "hsbLatime"), *bar = d.find<QScrollBar>(P, c.bar);
        width->setValue(c.square ? 20 : 21);
        if (c.how == 0)
            bar->setValue(c.stops.first());
        // At every step a square window is twice as wide as high, or one more; a move right never lowers it.
        int hand = bar->value(), odd = 0, lower = 0;
        QSize last = d.geometry().size();
        if (c.how > 0)
            drag(bar, c.stops, c.how == 2, [&](int under) {
                const QSize now = d.geometry().size();
                odd += c.square && unsigned(now.width() - 2 * now.height()) > 1;
                lower += under > hand && now.height() < last.height();
                hand = under, last = now;
            });
        QVERIFY(odd == 0 && lower == 0);
        QCOMPARE(d.geometry().size(), c.size);
        QCOMPARE(QSize(width->value(), d.find<QScrollBar>(P, "hsbInaltime")->value()), c.size);
        QCOMPARE(d.text(P, "lblLatime"), QString::number(c.size.width()));
    }
};

QTEST_MAIN(TestFrmFerestre)
#include "tst_frmferestre.moc"
