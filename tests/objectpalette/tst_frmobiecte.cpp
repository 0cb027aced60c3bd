#include "support/design.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

constexpr const char *O = "frmObiecte";

struct Placement {
    QSize window;
    int length;
    const char *press; // a button, or a bar and its value
    QPoint place;
};

} // namespace

Q_DECLARE_METATYPE(Placement)

class TestFrmObiecte : public QObject
{
    Q_OBJECT

private slots:
    // The lowest free slot, in the active window, with nothing left of the object that had it.
    void newObjectTakesAFreedSlotAfresh()
    {
        Design d;
        for (int n = 1; n <= 60; ++n)
            d.put(n, "GET", QStringLiteral("x"), 3, 4).Comentariu = QStringLiteral("vechi");
        d.m->proiect().obiect(2).Liber = FlagTrue;
        d.create();
        Obiect seen;
        QStringList shown; // while its editor is open: its creation line, not yet counted
        onNextModal([&](QWidget *dlg) {
            seen = d.m->proiect().obiect(2);
            shown = d.lines() << d.text(O, "lblTotalObiecte");
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        pressKey(*d.m, O, "SAY");
        QVERIFY(seen.Tip == TipObiect::Say && seen.Fereastra == 2 && seen.Coloana == 0 && seen.Rand == 0 &&
                seen.Comentariu.isEmpty() && isSet(seen.CulorileFerestrei));
        QVERIFY(shown == QStringList({"@SAY2 [SAY 2]", "0"}) && d.lines().isEmpty());
    }

    void listLinesKindsAndDeleting()
    {
        Setari s = quietSettings();
        s.ConfirmareStergere = FlagTrue;
        Design d(s);
        Obiect &say = d.put(3, "SAY", QStringLiteral("abc"));
        d.put(4, "SAY", QStringLiteral("v")).Variabila = FlagTrue;
        d.put(5, "GET", QStringLiteral("x")).Variabila = FlagTrue;
        d.put(6, "GET", QStringLiteral("CLIENTI.NUME"), 2);
        Obiect &button = d.put(7, "BUTON", QStringLiteral("opt"));
        QCOMPARE(d.lines(), (QStringList{"@SAY3 [abc]", "@SAY4 [VARIABILA: v]", "@GET5 [VARIABILA: x]",
                                         "@GET6 [CAMP: CLIENTI.NUME]", "@BUTON7[opt]"}));
        for (int row : {0, 4, 2, 0}) { // @SAY, button, @GET, @SAY
            d.list()->setCurrentRow(row);
            for (const char *c :
                 {"chkCulorileFerestrei", "imgCerneala", "imgFundal", "lblCerneala", "lblFundal"})
                QVERIFY2(d.find(O, c)->isEnabled() == (row == 0), c);
        }
        say.CuloareFundal = Culori::Green;
        d.find<QCheckBox>(O, "chkCulorileFerestrei")->click(); // takes its window's white on blue at once
        QVERIFY(say.CuloareFundal == Culori::Blue &&
                d.item("lblObiect3")->brush().color() == QColor(0, 0, 0xC0));
        QCOMPARE(d.find(O, "shpObiectCuloareFundal")->property("color").value<QColor>(), QColor(0, 0, 0xC0));

        d.list()->setCurrentRow(4);
        auto no = answerNextMessageBox(QMessageBox::No);
        pressKey(*d.m, O, "STERGE");
        QVERIFY(no->seen && no->icon == QMessageBox::Warning && no->title == "Sterge obiect" &&
                !button.Liber &&
                no->text == QLatin1String("Sunteti sigur ca doriti sa stergeti acest obiect?"));
        d.m->proiect().setari.ConfirmareStergere = FlagFalse;
        pressKey(*d.m, O, "STERGE"); // the new last line is selected and shown
        QVERIFY(button.Liber && !d.item("lblObiect7")->isVisible() && d.text(O, "lblOrizontala") == "2");
        for (int i = 0; i < 4; ++i)
            pressKey(*d.m, O, "STERGE");
        QVERIFY(d.text(O, "lblTotalObiecte") == "0" && !d.find<QAction>(O, "STERGE")->isEnabled() &&
                !d.find(O, "hsbOrizontala")->isEnabled() && !d.find(O, "cmdCentruCentru")->isEnabled());
    }

    void placement_data()
    {
        QTest::addColumn<Placement>("c");
        // From column 1, row 1; the model's own tests hold the rules, these the bars, buttons and labels.
        QTest::newRow("a column too far") << Placement{{40, 10}, 10, "hsbOrizontala 29", {1, 1}};
        QTest::newRow("bottom right") << Placement{{30, 12}, 8, "cmdDreaptaJos", {20, 9}};
    }

    void placement()
    {
        QFETCH(Placement, c);
        Design d;
        d.set(0, 0, c.window.width(), c.window.height());
        const Obiect &o = d.put(1, "SAY", QString(c.length, QLatin1Char('x')), 1, 1);
        const QList<QByteArray> press = QByteArray(c.press).split(' ');
        press.size() == 1 ? d.find<QPushButton>(O, c.press)->click()
                          : d.find<QScrollBar>(O, press[0])->setValue(press[1].toInt());
        QCOMPARE(QPoint(o.Coloana, o.Rand), c.place);
        QCOMPARE(QPoint(d.text(O, "lblOrizontala").toInt(), d.text(O, "lblVerticala").toInt()), c.place);
    }
};

QTEST_MAIN(TestFrmObiecte)
#include "tst_frmobiecte.moc"
