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

} // namespace

Q_DECLARE_METATYPE(Placement)

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
        // From column 3, row 3; the model's own tests hold the rules, these the bars, boxes and labels.
        QTest::newRow("a column past the screen") << Placement{{30, 10}, 0, "51", {3, 3}};
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

    void squareWindowBars()
    {
        Design d; // the bars and labels show what the model makes of an odd width
        d.find<QCheckBox>(P, "chkFereastraPatrata")->setChecked(true);
        QScrollBar *width = d.find<QScrollBar>(P, "hsbLatime");
        width->setValue(23);
        QVERIFY(d.geometry().size() == QSize(24, 12) && width->value() == 24 &&
                d.text(P, "lblLatime") == "24" && d.find<QScrollBar>(P, "hsbInaltime")->value() == 12 &&
                d.text(P, "lblInaltime") == "12");
    }
};

QTEST_MAIN(TestFrmFerestre)
#include "tst_frmferestre.moc"
