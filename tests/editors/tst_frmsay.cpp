#include "codegen/generator.h"
#include "model/colors.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>

namespace {

constexpr const char *O = "frmObiecte";

struct Say {
    QWidget *dlg;
    template <typename T> T *c(const char *name) const { return dlg->findChild<T *>(QLatin1String(name)); }
    QLineEdit *text() const { return c<QLineEdit>("txtText"); }
    QLineEdit *name() const { return c<QLineEdit>("txtNumeVariabila"); }
    QCheckBox *variable() const { return c<QCheckBox>("chkAfiseazaVariabila"); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    QPushButton *apply() const { return c<QPushButton>("cmdAplica"); }
    QPushButton *reset() const { return c<QPushButton>("cmdReset"); }
    void retype(QLineEdit *e, const QString &s) const
    {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, s);
    }
};

void paste(QWidget *w, const QString &s)
{
    QApplication::clipboard()->setText(s);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

// Paste through the box's own context menu.
void pasteFromMenu(QLineEdit *e, const QString &s)
{
    QApplication::clipboard()->setText(s);
    QContextMenuEvent ev(QContextMenuEvent::Mouse, e->rect().center(), e->mapToGlobal(e->rect().center()));
    QApplication::sendEvent(e, &ev);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction *a : menu->actions()) {
        if (a->text().startsWith(QLineEdit::tr("&Paste")))
            a->trigger();
    }
    menu->close();
}

// Runs body in the next modal editor; whatever body leaves open is
// cancelled, so a failed check never leaves the test waiting.
void inEditor(std::function<void(const Say &)> body)
{
    onNextModal([body](QWidget *dlg) {
        QPointer<QWidget> guard(dlg);
        // Focus moves only inside the active window; a slow (sanitizer)
        // run may get here before it has been activated.
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg))
            qWarning("editor not activated");
        body(Say{dlg});
        if (guard && guard->isVisible())
            QMetaObject::invokeMethod(dlg, "reject");
    });
}

QListWidget *objectList(MdiMain &m)
{
    return control<QListWidget>(m, O, "lstObiecte");
}

std::unique_ptr<MdiMain> mainWithWindow(int width)
{
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(width);
    return m;
}

void newSay(MdiMain &m, std::function<void(const Say &)> body)
{
    inEditor(std::move(body));
    pressKey(m, O, "SAY");
}

// "Proprietati" on the palette for the object in the given slot.
void reopen(MdiMain &m, int slot, std::function<void(const Say &)> body)
{
    QListWidget *list = objectList(m);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toInt() == slot)
            list->setCurrentRow(i);
    }
    QCOMPARE(m.findChild<FrmObiecte *>()->obiectSelectat(), slot);
    bool opened = false;
    inEditor([&opened, body](const Say &s) {
        opened = s.dlg->objectName() == QLatin1String("frmSay");
        body(s);
    });
    pressKey(m, O, "PROPRIETATI");
    QVERIFY(opened);
}

void addText(MdiMain &m, const QString &text, const QString &comment = QString())
{
    newSay(m, [&](const Say &s) {
        s.retype(s.text(), text);
        s.comment()->setPlainText(comment);
        s.apply()->click();
    });
}

QStringList programLines(MdiMain &m)
{
    const auto program = genereazaCodProiect(m.proiect());
    return program ? program->linii : QStringList();
}

QStringList sayLines(MdiMain &m)
{
    return programLines(m).filter(QRegularExpression(QStringLiteral("^@ .* SAY ")));
}

} // namespace

class TestFrmSay : public QObject
{
    Q_OBJECT

private slots:
    void openingFollowsTheWindowWidth_data();
    void openingFollowsTheWindowWidth();
    void modesApplyAndTheGeneratedLines();
    void applyFollowsTheActiveBoxOnly();
    void filtersHoldForTypedAndPastedText();
    void longTextOfANarrowedWindowAndReset();
    void commentIsWrittenAtOnceAndLimited();
    void cancelDiscardsOrRestores_data();
    void cancelDiscardsOrRestores();
};

void TestFrmSay::openingFollowsTheWindowWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("40 columns") << 40;
    QTest::newRow("narrowest") << 5;
}

void TestFrmSay::openingFollowsTheWindowWidth()
{
    QFETCH(int, width);
    const int n = width - 2;
    TempCwd cwd;
    auto m = mainWithWindow(width);
    newSay(*m, [&](const Say &s) {
        QCOMPARE(s.dlg->objectName(), QStringLiteral("frmSay"));
        QCOMPARE(s.dlg->windowTitle(), QStringLiteral("@ SAY"));
        QVERIFY(s.dlg->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(s.dlg->minimumSize(), s.dlg->maximumSize());
        const char *captions[][2] = {
            {"Label7", "@ SAY"},
            {"Label4", ">"},
            {"Label6", ">"},
            {"Label5",
             "Obiectele de tip @SAY sunt folosite pentru a afisa informatii (texte, valori) pe ecran."},
            {"Label3", "Nu se pot introduce texte care sa depaseasca latimea ferestrei active."},
            {"lblText", "Text:"},
            {"lblNumeVariabila", "Nume variabila:"},
            {"Label2", "Comentariu:"},
        };
        for (const auto &c : captions)
            QCOMPARE(s.c<QLabel>(c[0])->text(), QString::fromLatin1(c[1]));
        QCOMPARE(s.variable()->text(), QStringLiteral("Afiseaza continutul unei variabile"));
        QCOMPARE(s.c<QLabel>("lblLungimeText")->text(), QStringLiteral("(max. %1 caractere)").arg(n));
        QVERIFY(!s.variable()->isChecked());
        QVERIFY(!s.name()->isEnabled());
        QVERIFY(!s.c<QLabel>("lblNumeVariabila")->isEnabled());
        QCOMPARE(s.name()->maxLength(), 11);
        // The new object's own text is shown whole, even where it is wider
        // than the interior.
        QCOMPARE(s.text()->text(), QStringLiteral("SAY 1"));
        QCOMPARE(s.text()->maxLength(), qMax(n, 5));
        QVERIFY(s.apply()->isEnabled());
        s.retype(s.text(), QString(60, QLatin1Char('x')));
        QCOMPARE(s.text()->text().size(), n);
        s.retype(s.text(), QString());
        QVERIFY(!s.apply()->isEnabled());
    });
    // Closed without applying: the new object is gone.
    QVERIFY(isSet(m->proiect().obiect(1).Liber));
}

void TestFrmSay::modesApplyAndTheGeneratedLines()
{
    TempCwd cwd;
    auto m = mainWithWindow(40);
    m->proiect().setari.IncludeComentariile = FlagTrue;
    addText(*m, QStringLiteral("Nume client"), QStringLiteral("antet"));
    newSay(*m, [&](const Say &s) {
        Obiect &o = m->proiect().obiect(2);
        s.variable()->click();
        // The mode reaches the record at once.
        QVERIFY(isSet(o.Variabila));
        QVERIFY(s.name()->isEnabled() && !s.text()->isEnabled());
        QVERIFY(!s.c<QLabel>("lblText")->isEnabled() && !s.c<QLabel>("lblLungimeText")->isEnabled());
        QVERIFY(!s.apply()->isEnabled());
        QTest::keyClicks(s.name(), QStringLiteral("cClient"));
        QVERIFY(s.apply()->isEnabled());
        s.variable()->click();
        QVERIFY(!isSet(o.Variabila));
        QCOMPARE(QApplication::focusWidget(), s.text());
        s.variable()->click();
        s.apply()->click();
    });
    const Obiect &o = m->proiect().obiect(2);
    QCOMPARE(o.Nume, QStringLiteral("cClient"));
    QCOMPARE(o.TextAfisat, QStringLiteral("cClient"));
    QCOMPARE(objectList(*m)->item(0)->text(), QStringLiteral("@SAY1 [Nume client]"));
    QCOMPARE(objectList(*m)->item(1)->text(), QStringLiteral("@SAY2 [VARIABILA: cClient]"));
    auto *item = static_cast<QGraphicsRectItem *>(m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2"));
    QVERIFY(item->isVisible());
    QCOMPARE(item->rect().width(), qreal(7 * FrmTabelaDeLucru::CelulaLatime));

    // Reopened in variable mode, switched to a literal with an apostrophe
    // and given colours of its own.
    reopen(*m, 2, [&](const Say &s) {
        QVERIFY(s.variable()->isChecked());
        QCOMPARE(s.name()->text(), QStringLiteral("cClient"));
        QVERIFY(s.text()->text().isEmpty());
        s.variable()->click();
        QVERIFY(!s.apply()->isEnabled());
        QTest::keyClicks(s.text(), QStringLiteral("Total'i"));
        s.apply()->click();
    });
    QCOMPARE(objectList(*m)->item(1)->text(), QStringLiteral("@SAY2 [Total'i]"));
    m->proiect().obiect(2).CulorileFerestrei = FlagFalse;
    m->proiect().obiect(2).CuloareCerneala = Culori::Yellow;
    const QStringList lines = programLines(*m);
    const int at = lines.indexOf(QStringLiteral("* antet"));
    QVERIFY2(at >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(at + 1, 2),
             QStringList({QStringLiteral("@ 0,0 SAY 'Nume client'"),
                          QStringLiteral("@ 0,0 SAY \"Total'i\" COLOR ") + CodCuloare(Culori::Yellow) +
                              QLatin1Char('/') + CodCuloare(o.CuloareFundal)}));
    QCOMPARE(sayLines(*m).size(), 2);
}

void TestFrmSay::applyFollowsTheActiveBoxOnly()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newSay(*m, [&](const Say &s) {
        // Variable mode, empty name: a text put back by Reset into the
        // inactive box does not count.
        s.retype(s.text(), QStringLiteral("Altceva"));
        s.variable()->click();
        s.reset()->click();
        QCOMPARE(s.text()->text(), QStringLiteral("SAY 1"));
        QVERIFY(!s.apply()->isEnabled());
        // Text mode, empty text: a name in the inactive box does not count.
        QTest::keyClicks(s.name(), QStringLiteral("abc"));
        s.variable()->click();
        s.retype(s.text(), QString());
        QVERIFY(!s.apply()->isEnabled());
        s.variable()->click();
        QVERIFY(s.apply()->isEnabled());
        s.variable()->click();
        QTest::keyClicks(s.text(), QStringLiteral("Gata"));
        s.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QStringLiteral("Gata"));
    QVERIFY(!isSet(m->proiect().obiect(1).Variabila));
}

void TestFrmSay::filtersHoldForTypedAndPastedText()
{
    TempCwd cwd;
    auto m = mainWithWindow(12);
    newSay(*m, [&](const Say &s) {
        // The text box: the interior's width and no line breaks, pasted too.
        QLineEdit *t = s.text();
        t->selectAll();
        paste(t, QStringLiteral("ab\ncd\r\tef0123456789"));
        QCOMPARE(t->text(), QStringLiteral("abcdef0123"));
        t->setSelection(3, 4);
        pasteFromMenu(t, QStringLiteral("XYZWV"));
        QCOMPARE(t->text(), QStringLiteral("abcXYZW123"));

        s.variable()->click();
        QLineEdit *e = s.name();
        // Neither a digit nor what lies between "Z" and "a" starts a name.
        QTest::keyClicks(e, QStringLiteral("19-[\\]^` @$."));
        QCOMPARE(e->text(), QString());
        QTest::keyClicks(e, QStringLiteral("a1-[\\]^` .#_Z"));
        QCOMPARE(e->text(), QStringLiteral("a1_Z"));
        // The filter looks at the box, not at the caret.
        e->setCursorPosition(0);
        QTest::keyClicks(e, QStringLiteral("7"));
        QCOMPARE(e->text(), QStringLiteral("7a1_Z"));
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("a1_Z"));
        s.retype(e, QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(e->text(), QStringLiteral("abcdefghijk"));

        // Pasted: the refused characters are left out before the limit cuts.
        e->clear();
        paste(e, QStringLiteral("1234[]abcdefghijklmn"));
        QCOMPARE(e->text(), QStringLiteral("abcdefghijk"));
        e->clear();
        paste(e, QStringLiteral("1[a-b]^c`9_d\\"));
        QCOMPARE(e->text(), QStringLiteral("abc9_d"));
        e->setCursorPosition(1);
        pasteFromMenu(e, QStringLiteral("2 [3"));
        QCOMPARE(e->text(), QStringLiteral("a23bc9_d"));
        e->selectAll();
        paste(e, QStringLiteral("[]"));
        QCOMPARE(e->text(), QString());
        QVERIFY(!s.apply()->isEnabled());
        QVERIFY(!e->acceptDrops());
        paste(e, QStringLiteral("\n9x^y42"));
        s.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QStringLiteral("xy42"));
}

void TestFrmSay::longTextOfANarrowedWindowAndReset()
{
    TempCwd cwd;
    auto m = mainWithWindow(40);
    const QString longText = QStringLiteral("Un text de treizeci de litere!");
    addText(*m, longText, QStringLiteral("vechi"));
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(20);
    reopen(*m, 1, [&](const Say &s) {
        QLineEdit *e = s.text();
        QCOMPARE(s.c<QLabel>("lblLungimeText")->text(), QStringLiteral("(max. 18 caractere)"));
        QCOMPARE(e->text(), longText);
        // Neither typing nor pasting makes it longer, not even after a cut...
        e->end(false);
        QTest::keyClicks(e, QStringLiteral("abc"));
        paste(e, QStringLiteral("abc"));
        QCOMPARE(e->text(), longText);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, QStringLiteral("?"));
        QCOMPARE(e->text(), longText.left(29));
        // ...but a selection may still be typed over.
        e->setSelection(0, 2);
        QTest::keyClicks(e, QStringLiteral("O"));
        QCOMPARE(e->text(), QStringLiteral("O") + longText.mid(2, 27));
        s.comment()->setPlainText(QStringLiteral("nou"));
        s.variable()->click();
        QTest::keyClicks(s.name(), QStringLiteral("v"));
        // Reset brings back the text and the comment of the opening, in the
        // boxes and in the record; the mode and the name are not its business.
        s.reset()->click();
        QCOMPARE(e->text(), longText);
        QCOMPARE(s.comment()->toPlainText(), QStringLiteral("vechi"));
        QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("vechi"));
        QVERIFY(s.variable()->isChecked());
        QCOMPARE(s.name()->text(), QStringLiteral("v"));
        s.variable()->click();
        s.retype(e, QString(30, QLatin1Char('y')));
        s.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QString(18, QLatin1Char('y')));
}

void TestFrmSay::commentIsWrittenAtOnceAndLimited()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newSay(*m, [&](const Say &s) {
        const Obiect &o = m->proiect().obiect(1);
        QPlainTextEdit *c = s.comment();
        QTest::keyClicks(c, QStringLiteral("Eticheta"));
        QCOMPARE(o.Comentariu, QStringLiteral("Eticheta"));
        QTest::keyClicks(c, QString(200, QLatin1Char('x')));
        QCOMPARE(o.Comentariu, QStringLiteral("Eticheta") + QString(142, QLatin1Char('x')));
        // Pasted into the middle: only what fits goes in.
        c->setPlainText(QStringLiteral("inceput sfarsit"));
        QTextCursor cursor = c->textCursor();
        cursor.setPosition(8);
        c->setTextCursor(cursor);
        QApplication::clipboard()->setText(QString(140, QLatin1Char('m')) + QStringLiteral("NU"));
        c->paste();
        QCOMPARE(o.Comentariu,
                 QStringLiteral("inceput ") + QString(135, QLatin1Char('m')) + QStringLiteral("sfarsit"));
        QCOMPARE(c->toPlainText(), o.Comentariu);
        c->setPlainText(QStringLiteral("rand 1\nrand 2"));
        s.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("rand 1\nrand 2"));
}

void TestFrmSay::cancelDiscardsOrRestores_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Anuleaza") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestFrmSay::cancelDiscardsOrRestores()
{
    QFETCH(int, how);
    auto cancel = [how](const Say &s) {
        if (how == 0)
            s.c<QPushButton>("cmdAnuleaza")->click();
        else if (how == 1)
            QTest::keyClick(s.dlg, Qt::Key_Escape);
        else
            s.dlg->close();
        QVERIFY(!s.dlg->isVisible());
    };
    TempCwd cwd;
    auto m = mainWithWindow(30);
    // The first edit of the only object, cancelled: nothing is left.
    newSay(*m, cancel);
    QVERIFY(isSet(m->proiect().obiect(1).Liber));
    QCOMPARE(objectList(*m)->count(), 0);
    QCOMPARE(control<QLabel>(*m, O, "lblTotalObiecte")->text(), QStringLiteral("0"));
    QVERIFY(!control<QAction>(*m, O, "STERGE")->isEnabled());

    addText(*m, QStringLiteral("Total:"), QStringLiteral("eticheta"));
    const QStringList before = sayLines(*m);
    newSay(*m, [&](const Say &s) {
        s.variable()->click();
        cancel(s);
    });
    QVERIFY(isSet(m->proiect().obiect(2).Liber));
    QVERIFY(!m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2")->isVisible());
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(m->findChild<FrmObiecte *>()->obiectSelectat(), 1);

    // An existing object gets back what the editor wrote through.
    reopen(*m, 1, [&](const Say &s) {
        s.variable()->click();
        QTest::keyClicks(s.name(), QStringLiteral("suma"));
        s.comment()->moveCursor(QTextCursor::End);
        QTest::keyClicks(s.comment(), QStringLiteral(" noua"));
        QVERIFY(isSet(m->proiect().obiect(1).Variabila));
        QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("eticheta noua"));
        cancel(s);
    });
    QVERIFY(!isSet(m->proiect().obiect(1).Variabila));
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("eticheta"));
    QCOMPARE(sayLines(*m), before);
}

QTEST_MAIN(TestFrmSay)
#include "tst_frmsay.moc"
