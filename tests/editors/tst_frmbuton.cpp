#include "objectpalette/frmobiecte.h"
#include "support/editorfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QGraphicsRectItem>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

namespace {

struct Buton : EditorView {
    static constexpr const char *form = "frmButon";
    static constexpr const char *key = "BUTON";
    QLineEdit *prompt() const { return c<QLineEdit>("txtText"); }
    QLineEdit *variable() const { return c<QLineEdit>("txtVariabilaButon"); }
    QLineEdit *width() const { return c<QLineEdit>("txtLatimeButon"); }
    QLineEdit *height() const { return c<QLineEdit>("txtInaltimeButon"); }
    QListWidget *list() const { return c<QListWidget>("lstButoane"); }
    // Clicks an arrow ("up"/"down") of an up-down control a number of times.
    void arrow(const char *updown, const char *which, int times = 1) const
    {
        auto *b = c<QWidget>(updown)->findChild<QToolButton *>(QLatin1String(which));
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(b, Qt::LeftButton);
    }
    void addPrompt(const QString &s) const
    {
        retype(prompt(), s);
        button("cmdAdauga")->click();
    }
    QStringList prompts() const
    {
        QStringList l;
        for (int i = 0; i < list()->count(); ++i)
            l << list()->item(i)->text();
        return l;
    }
};

// The fields the editor writes, for comparisons that name what differs.
QStringList dump(const Obiect &o)
{
    return {QStringLiteral("Liber=%1").arg(o.Liber),     QStringLiteral("Nume=") + o.Nume,
            QStringLiteral("Valoare=") + o.Valoare,      QStringLiteral("TextAfisat=[%1]").arg(o.TextAfisat),
            QStringLiteral("Lungime=%1").arg(o.Lungime), QStringLiteral("Inaltime=%1").arg(o.InaltimeButon),
            QStringLiteral("Comentariu=") + o.Comentariu};
}

} // namespace

class TestFrmButon : public QObject
{
    Q_OBJECT

private slots:
    void openingAndArrows_data();
    void openingAndArrows();
    void barOfButtons();
    void promptAndVariableFilters();
    void applyListsDrawsAndGenerates();
    void cancelAndReset_data();
    void cancelAndReset();
};

void TestFrmButon::openingAndArrows_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("start");
    QTest::newRow("wide window: 10") << 20 << 10;
    // Narrower than 12 columns: the interior's width, which is also the most.
    QTest::newRow("narrow window: interior") << 9 << 7;
}

void TestFrmButon::openingAndArrows()
{
    QFETCH(int, windowWidth);
    QFETCH(int, start);
    const int most = windowWidth - 2;
    TempCwd cwd;
    auto m = mainWithWindow(windowWidth);
    openNew<Buton>(*m, [&](const Buton &b) {
        QCOMPARE(b.dlg->windowTitle(), QStringLiteral("Buton"));
        QCOMPARE(b.dlg->minimumSize(), b.dlg->maximumSize());
        const QPoint off = b.dlg->geometry().center() - b.dlg->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 4, "centred on the screen");
        QCOMPARE(b.c<QLabel>("lblLatimeButon")->text(), QStringLiteral("(max. %1)").arg(most));
        QCOMPARE(b.c<QLabel>("lblInaltimeButon")->text(), QStringLiteral("(max. 3)"));
        // Only Reset and Cancel can be pressed before a prompt exists.
        for (const char *name : {"cmdAdauga", "cmdScoate", "cmdStergeTot", "cmdAplica"})
            QVERIFY2(!b.button(name)->isEnabled(), name);
        QVERIFY(b.button("cmdReset")->isEnabled() && b.button("cmdAnuleaza")->isEnabled());
        QVERIFY(b.width()->isReadOnly() && b.height()->isReadOnly());
        QCOMPARE(b.variable()->text(), QStringLiteral("buton"));
        // The opening values are in the record already; the arrows write
        // there at once and the prompt follows the width.
        const Obiect &o = m->proiect().obiect(1);
        QCOMPARE(o.Nume, QStringLiteral("buton"));
        auto sizeIs = [&](int w, int h) {
            QCOMPARE(b.width()->text(), QString::number(w));
            QCOMPARE(int(o.Lungime), w);
            QCOMPARE(b.prompt()->maxLength(), w);
            QCOMPARE(b.height()->text(), QString::number(h));
            QCOMPARE(int(o.InaltimeButon), h);
        };
        sizeIs(start, 1);
        QTest::keyClicks(b.prompt(), QStringLiteral("x"));
        QVERIFY(b.button("cmdAdauga")->isEnabled());
        QTest::keyClick(b.prompt(), Qt::Key_Backspace);
        QVERIFY(!b.button("cmdAdauga")->isEnabled());
        const QString letters = QStringLiteral("abcdefghijklmnopqrst");
        QTest::keyClicks(b.prompt(), letters);
        QCOMPARE(b.prompt()->text(), letters.left(start));
        b.arrow("updLatimeButon", "down", 3);
        QCOMPARE(b.prompt()->text(), letters.left(start - 3));
        b.arrow("updLatimeButon", "up", 20);
        b.arrow("updInaltimeButon", "up");
        sizeIs(most, 2);
        QCOMPARE(b.prompt()->text(), letters.left(start - 3));
        b.arrow("updLatimeButon", "down", 30);
        b.arrow("updInaltimeButon", "up", 5);
        sizeIs(3, 3);
        QCOMPARE(b.prompt()->text(), QStringLiteral("abc"));
        b.arrow("updInaltimeButon", "down", 5);
        sizeIs(3, 1);
    });
}

void TestFrmButon::barOfButtons()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    openNew<Buton>(*m, [&](const Buton &b) {
        const Obiect &o = m->proiect().obiect(1);
        b.addPrompt(QStringLiteral("OK"));
        QVERIFY(b.prompt()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), b.prompt());
        for (const char *name : {"cmdScoate", "cmdStergeTot", "cmdAplica"})
            QVERIFY(b.button(name)->isEnabled());
        b.addPrompt(QStringLiteral("Renunta"));
        QCOMPARE(b.list()->currentRow(), 1);
        QCOMPARE(o.Valoare, QStringLiteral("OK;Renunta"));
        QCOMPARE(o.TextAfisat, QStringLiteral("<      OK> < Renunta>"));

        // "<<" takes the selected prompt back into the box.
        b.list()->setCurrentRow(0);
        b.button("cmdScoate")->click();
        QCOMPARE(b.prompt()->text(), QStringLiteral("OK"));
        QCOMPARE(b.prompts(), QStringList{QStringLiteral("Renunta")});
        QCOMPARE(o.Valoare, QStringLiteral("Renunta"));
        QCOMPARE(o.TextAfisat, QStringLiteral("< Renunta>"));

        // No padding once a prompt is at least the width less two; a width
        // changed later waits for the next change of the list.
        b.addPrompt(QStringLiteral("<Salveaza"));
        QCOMPARE(o.TextAfisat, QStringLiteral("< Renunta> <<Salveaza>"));
        b.arrow("updLatimeButon", "up", 2);
        QCOMPARE(int(o.Lungime), 12);
        QCOMPARE(o.TextAfisat, QStringLiteral("< Renunta> <<Salveaza>"));
        b.addPrompt(QStringLiteral("Da"));
        QCOMPARE(o.TextAfisat, QStringLiteral("<   Renunta> < <Salveaza> <        Da>"));
        QCOMPARE(o.Valoare, QStringLiteral("Renunta;<Salveaza;Da"));

        b.button("cmdStergeTot")->click();
        QVERIFY(b.prompts().isEmpty() && o.Valoare.isEmpty() && o.TextAfisat.isEmpty());
        QCOMPARE(QApplication::focusWidget(), b.prompt());
        for (const char *name : {"cmdScoate", "cmdStergeTot", "cmdAplica"})
            QVERIFY(!b.button(name)->isEnabled());
        // The last "<<" empties the bar the same way.
        b.addPrompt(QStringLiteral("X"));
        b.button("cmdScoate")->click();
        QVERIFY(o.Valoare.isEmpty() && o.TextAfisat.isEmpty());
        QVERIFY(!b.button("cmdAplica")->isEnabled());
    });
}

void TestFrmButon::promptAndVariableFilters()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    openNew<Buton>(*m, [&](const Buton &b) {
        const Obiect &o = m->proiect().obiect(1);
        // ";" would split the prompt into two buttons.
        QTest::keyClicks(b.prompt(), QStringLiteral("Da;Nu"));
        QCOMPARE(b.prompt()->text(), QStringLiteral("DaNu"));
        b.prompt()->clear();
        paste(b.prompt(), QStringLiteral(";a;b;c;d;e;f;g;h;i;j;k;"));
        QCOMPARE(b.prompt()->text(), QStringLiteral("abcdefghij"));
        b.prompt()->clear();
        paste(b.prompt(), QStringLiteral("<D'a \"x\""));
        QCOMPARE(b.prompt()->text(), QStringLiteral("<D'a \"x\""));

        QLineEdit *e = b.variable();
        b.retype(e, QStringLiteral("9[opt]^`1"));
        QCOMPARE(o.Nume, QStringLiteral("opt1"));
        b.retype(e, QString());
        paste(e, QStringLiteral("12\\x]y_3"));
        QCOMPARE(o.Nume, QStringLiteral("xy_3"));
        b.focus(b.comment());
        QCOMPARE(e->text(), QStringLiteral("xy_3"));
        // Left empty or with underscores only, it goes back to "buton".
        for (const QString &bad : {QString(), QStringLiteral("___")}) {
            b.retype(e, bad);
            QCOMPARE(o.Nume, bad);
            b.focus(b.prompt());
            QCOMPARE(e->text(), QStringLiteral("buton"));
            QCOMPARE(o.Nume, QStringLiteral("buton"));
        }
        // Apply without leaving the box still gets a usable name.
        b.addPrompt(QStringLiteral("OK"));
        e->setFocus();
        e->setText(QStringLiteral("_"));
        b.button("cmdAplica")->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QStringLiteral("buton"));
}

void TestFrmButon::applyListsDrawsAndGenerates()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    m->proiect().setari.IncludeComentariile = FlagTrue;
    openNew<Buton>(*m, [&](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("opt"));
        b.addPrompt(QStringLiteral("<Da"));
        b.addPrompt(QStringLiteral("<Nu"));
        b.comment()->setPlainText(QStringLiteral("confirmare"));
        b.button("cmdAplica")->click();
    });
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(objectList(*m)->item(0)->text(), QStringLiteral("@BUTON1[opt]"));
    QCOMPARE(control<QLabel>(*m, Palette, "lblTotalObiecte")->text(), QStringLiteral("1"));
    QVERIFY(control<QAction>(*m, Palette, "STERGE")->isEnabled());
    auto *item = static_cast<QGraphicsRectItem *>(m->findChild<FrmTabelaDeLucru *>()->element("lblObiect1"));
    QVERIFY(item->isVisible());
    QCOMPARE(item->rect().width(), qreal(21 * FrmTabelaDeLucru::CelulaLatime));

    const QStringList lines = programLines(*m);
    const int at = lines.indexOf(QStringLiteral("* confirmare"));
    QVERIFY2(at >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    const Fereastra &f = m->proiect().fereastra(1);
    QCOMPARE(lines.mid(at, 4),
             QStringList({QStringLiteral("* confirmare"), QStringLiteral("opt=0"),
                          QStringLiteral("@ 0,0 GET opt FUNCTION '*H <Da;<Nu' SIZE 1,10 COLOR ") +
                              CodCuloare(f.CuloareCerneala) + QLatin1Char('/') + CodCuloare(f.CuloareFundal),
                          QStringLiteral("READ")}));
}

void TestFrmButon::cancelAndReset_data()
{
    addCancelRows();
}

void TestFrmButon::cancelAndReset()
{
    QFETCH(int, how);
    TempCwd cwd;
    auto m = mainWithWindow(30);
    openNew<Buton>(*m, [&](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("meniu"));
        b.arrow("updLatimeButon", "up", 2);
        b.arrow("updInaltimeButon", "up", 2);
        b.addPrompt(QStringLiteral("Unu"));
        b.addPrompt(QStringLiteral("Doi"));
        b.comment()->setPlainText(QStringLiteral("meniul principal"));
        b.button("cmdAplica")->click();
    });
    const QStringList stored = dump(m->proiect().obiect(1));
    // A new object cancelled: closing takes the focus from the emptied box
    // after the palette has selected the other object; nothing may reach it.
    openNew<Buton>(*m, [&](const Buton &b) {
        b.addPrompt(QStringLiteral("Nu"));
        b.retype(b.variable(), QString());
        cancelEditor(b.dlg, how);
    });
    QVERIFY(isSet(m->proiect().obiect(2).Liber));
    QVERIFY(!m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2")->isVisible());
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(m->findChild<FrmObiecte *>()->obiectSelectat(), 1);
    QCOMPARE(dump(m->proiect().obiect(1)), stored);

    auto changeEverything = [](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("alta"));
        b.addPrompt(QStringLiteral("Trei"));
        b.list()->setCurrentRow(0);
        b.button("cmdScoate")->click();
        b.arrow("updLatimeButon", "down", 4);
        b.arrow("updInaltimeButon", "down");
        b.comment()->setPlainText(QStringLiteral("schimbat"));
    };
    // The window narrows below the stored width: the bar is shown as stored
    // and the arrows only bring the width down.
    setWindowWidth(*m, 12);
    auto showsStored = [](const Buton &b) {
        QCOMPARE(b.prompts(), QStringList({QStringLiteral("Unu"), QStringLiteral("Doi")}));
        QCOMPARE(b.variable()->text(), QStringLiteral("meniu"));
        QCOMPARE(b.width()->text(), QStringLiteral("12"));
        QCOMPARE(b.height()->text(), QStringLiteral("3"));
        QCOMPARE(b.comment()->toPlainText(), QStringLiteral("meniul principal"));
    };
    reopen<Buton>(*m, 1, [&](const Buton &b) {
        showsStored(b);
        QCOMPARE(b.list()->currentRow(), 1);
        QVERIFY(b.button("cmdAplica")->isEnabled() && b.button("cmdScoate")->isEnabled());
        b.arrow("updLatimeButon", "up");
        QCOMPARE(b.width()->text(), QStringLiteral("12"));

        changeEverything(b);
        b.button("cmdReset")->click();
        QCOMPARE(dump(m->proiect().obiect(1)), stored);
        showsStored(b);

        changeEverything(b);
        b.button("cmdStergeTot")->click();
        cancelEditor(b.dlg, how);
    });
    QCOMPARE(dump(m->proiect().obiect(1)), stored);

    reopen<Buton>(*m, 1, [&](const Buton &b) {
        b.arrow("updLatimeButon", "down", 3);
        b.addPrompt(QStringLiteral("Trei"));
        b.button("cmdAplica")->click();
    });
    QCOMPARE(m->proiect().obiect(1).Valoare, QStringLiteral("Unu;Doi;Trei"));
    QCOMPARE(m->proiect().obiect(1).TextAfisat, QStringLiteral("<    Unu> <    Doi> <   Trei>"));
}

QTEST_MAIN(TestFrmButon)
#include "tst_frmbuton.moc"
