#include "support/design.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char *P = "frmFerestre";

struct Placement {
    QSize size;
    int shadowBoxes;   // 1: "Umbra" ticked, 2: "Mentine umbra in ecran" too
    const char *press; // a button, or a number for the column bar
    QPoint place;
};

struct Resizing {
    bool square;
    const char *bar;
    int value;
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
        // A square window starts 20 x 10 and stays twice as wide as high.
        QTest::newRow("height 12") << Resizing{true, "hsbInaltime", 12, {24, 12}};
        QTest::newRow("odd width, new height") << Resizing{true, "hsbLatime", 23, {24, 12}};
        QTest::newRow("width past 48") << Resizing{true, "hsbLatime", 60, {20, 10}};
    }

    void widthAndHeight()
    {
        QFETCH(Resizing, c);
        Design d;
        d.find<QCheckBox>(P, "chkFereastraPatrata")->setChecked(c.square);
        QScrollBar *width = d.find<QScrollBar>(P, "hsbLatime");
        width->setValue(c.square ? 20 : 21);
        d.find<QScrollBar>(P, c.bar)->setValue(c.value);
        QCOMPARE(d.geometry().size(), c.size);
        QCOMPARE(QSize(width->value(), d.find<QScrollBar>(P, "hsbInaltime")->value()), c.size);
        QCOMPARE(d.text(P, "lblLatime"), QString::number(c.size.width()));
    }
};

QTEST_MAIN(TestFrmFerestre)
#include "tst_frmferestre.moc"
