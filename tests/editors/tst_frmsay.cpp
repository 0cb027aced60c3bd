#include "model/colors.h"
#include "objectpalette/frmobiecte.h"
#include "support/editorfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

struct Say : EditorView {
    static constexpr const char *form = "frmSay";
    static constexpr const char *key = "SAY";
    QLineEdit *text() const { return c<QLineEdit>("txtText"); }
    QLineEdit *name() const { return c<QLineEdit>("txtNumeVariabila"); }
    QCheckBox *variable() const { return c<QCheckBox>("chkAfiseazaVariabila"); }
    QPushButton *apply() const { return button("cmdAplica"); }
};

void addText(MdiMain &m, const QString &text, const QString &comment)
{
    openNew<Say>(m, [&](const Say &s) {
        s.retype(s.text(), text);
        s.comment()->setPlainText(comment);
        s.apply()->click();
    });
}

} // namespace

class TestFrmSay : public QObject
{
    Q_OBJECT

private slots:
    void openingFollowsTheWindowWidth_data();
    void openingFollowsTheWindowWidth();
    void modesAndApplyFollowTheActiveBox();
    void keyFilters_data();
    void keyFilters();
    void narrowedWindowCommentAndReset();
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
    openNew<Say>(*m, [&](const Say &s) {
        QCOMPARE(s.dlg->windowTitle(), QStringLiteral("@ SAY"));
        QVERIFY(s.dlg->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(s.dlg->minimumSize(), s.dlg->maximumSize());
        QCOMPARE(s.c<QLabel>("lblLungimeText")->text(), QStringLiteral("(max. %1 caractere)").arg(n));
        QVERIFY(!s.variable()->isChecked() && !s.name()->isEnabled());
        QVERIFY(!s.c<QLabel>("lblNumeVariabila")->isEnabled());
        QVERIFY(!s.name()->acceptDrops());
        // The new object's own text is shown whole, even where it is wider
        // than the interior.
        QCOMPARE(s.text()->text(), QStringLiteral("SAY 1"));
        QCOMPARE(s.text()->maxLength(), qMax(n, 5));
        QVERIFY(s.apply()->isEnabled());
        s.retype(s.text(), QString(60, QLatin1Char('x')));
        QCOMPARE(s.text()->text().size(), n);
    });
}

void TestFrmSay::modesAndApplyFollowTheActiveBox()
{
    TempCwd cwd;
    auto m = mainWithWindow(40);
    m->proiect().setari.IncludeComentariile = FlagTrue;
    addText(*m, QStringLiteral("Nume client"), QStringLiteral("antet"));
    openNew<Say>(*m, [&](const Say &s) {
        Obiect &o = m->proiect().obiect(2);
        s.retype(s.text(), QStringLiteral("Altceva"));
        s.variable()->click();
        // The mode reaches the record at once.
        QVERIFY(isSet(o.Variabila) && s.name()->isEnabled() && !s.text()->isEnabled());
        QVERIFY(!s.c<QLabel>("lblText")->isEnabled() && !s.c<QLabel>("lblLungimeText")->isEnabled());
        // A text put back by Reset into the inactive box does not count.
        s.button("cmdReset")->click();
        QCOMPARE(s.text()->text(), QStringLiteral("SAY 2"));
        QVERIFY(!s.apply()->isEnabled());
        QTest::keyClicks(s.name(), QStringLiteral("cClient"));
        QVERIFY(s.apply()->isEnabled());
        s.variable()->click();
        QVERIFY(!isSet(o.Variabila));
        QCOMPARE(QApplication::focusWidget(), s.text());
        // Nor does a name in the inactive box.
        s.retype(s.text(), QString());
        QVERIFY(!s.apply()->isEnabled());
        s.variable()->click();
        QVERIFY(s.apply()->isEnabled());
        s.apply()->click();
    });
    const Obiect &o = m->proiect().obiect(2);
    QCOMPARE(o.Nume, QStringLiteral("cClient"));
    QCOMPARE(objectList(*m)->item(1)->text(), QStringLiteral("@SAY2 [VARIABILA: cClient]"));
    auto *item = static_cast<QGraphicsRectItem *>(m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2"));
    QVERIFY(item->isVisible());
    QCOMPARE(item->rect().width(), qreal(7 * FrmTabelaDeLucru::CelulaLatime));

    // Reopened in variable mode, switched to a literal with an apostrophe
    // and given colours of its own.
    reopen<Say>(*m, 2, [&](const Say &s) {
        QVERIFY(s.variable()->isChecked());
        QCOMPARE(s.name()->text(), QStringLiteral("cClient"));
        QVERIFY(s.text()->text().isEmpty());
        s.variable()->click();
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
    QCOMPARE(lines.filter(QStringLiteral(" SAY ")).size(), 2);
}

// In a window of 12 columns (10 for the text): "start" is put in the box named by the tag,
// "selection" (start, length) or the caret chosen, then "input" typed,
// pasted or pasted through the box's menu. Names start with a letter and
// refuse what lies between "Z" and "a".
void TestFrmSay::keyFilters_data()
{
    QTest::addColumn<char>("how");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QPoint>("selection");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *tag, char how, const char *start, QPoint sel, const char *in, const char *out) {
        QTest::newRow(tag) << how << QString::fromLatin1(start) << sel << QString::fromLatin1(in)
                           << QString::fromLatin1(out);
    };
    const QPoint end(-1, 0);
    row("text: no line breaks, cut", 'p', "", end, "ab\ncd\r\tef0123456789", "abcdef0123");
    row("text: menu over a selection", 'm', "abcdef0123", QPoint(3, 4), "XYZWV", "abcXYZW123");
    row("name: nothing starts it", 't', "", end, "19-[\\]^` @$.", "");
    row("name: refused inside", 't', "", end, "a1-[\\]^` .#_Z", "a1_Z");
    // The filter looks at the box, not at the caret.
    row("name: digit before the caret", 't', "a1_Z", QPoint(0, 0), "7", "7a1_Z");
    row("name: 11 typed", 't', "", end, "abcdefghijklmnop", "abcdefghijk");
    // The refused characters are left out before the limit cuts.
    row("name: pasted, cut", 'p', "", end, "1234[]abcdefghijklmn", "abcdefghijk");
    row("name: pasted refused", 'p', "", end, "1[a-b]^c`9_d\\", "abc9_d");
    row("name: pasted line break", 'p', "", end, "\n9x^y42", "xy42");
    row("name: menu at the caret", 'm', "abc9_d", QPoint(1, 0), "2 [3", "a23bc9_d");
    row("name: all refused", 'p', "ab", QPoint(0, 2), "[]", "");
}

void TestFrmSay::keyFilters()
{
    const bool inName = QByteArray(QTest::currentDataTag()).startsWith("name");
    QFETCH(char, how);
    QFETCH(QString, start);
    QFETCH(QPoint, selection);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    TempCwd cwd;
    auto m = mainWithWindow(12);
    openNew<Say>(*m, [&](const Say &s) {
        if (inName)
            s.variable()->click();
        QLineEdit *e = inName ? s.name() : s.text();
        s.retype(e, start);
        if (selection.x() >= 0)
            e->setSelection(selection.x(), selection.y());
        if (how == 't')
            QTest::keyClicks(e, input);
        else if (how == 'p')
            paste(e, input);
        else
            pasteFromMenu(e, input);
        QCOMPARE(e->text(), expected);
        QCOMPARE(s.apply()->isEnabled(), !expected.isEmpty());
        s.apply()->click();
    });
    if (!expected.isEmpty())
        QCOMPARE(m->proiect().obiect(1).Nume, expected);
}

void TestFrmSay::narrowedWindowCommentAndReset()
{
    TempCwd cwd;
    auto m = mainWithWindow(40);
    const QString longText = QStringLiteral("Un text de treizeci de litere!");
    addText(*m, longText, QStringLiteral("vechi"));
    setWindowWidth(*m, 20);
    reopen<Say>(*m, 1, [&](const Say &s) {
        QLineEdit *e = s.text();
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
        // The comment reaches the record at once, 150 characters at most,
        // typed or pasted into the middle.
        QPlainTextEdit *c = s.comment();
        c->moveCursor(QTextCursor::End);
        QTest::keyClicks(c, QString(200, QLatin1Char('x')));
        QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("vechi") + QString(145, QLatin1Char('x')));
        c->setPlainText(QStringLiteral("inceput sfarsit"));
        QTextCursor cursor = c->textCursor();
        cursor.setPosition(8);
        c->setTextCursor(cursor);
        QApplication::clipboard()->setText(QString(140, QLatin1Char('m')) + QStringLiteral("NU"));
        c->paste();
        QCOMPARE(c->toPlainText(),
                 QStringLiteral("inceput ") + QString(135, QLatin1Char('m')) + QStringLiteral("sfarsit"));
        QCOMPARE(m->proiect().obiect(1).Comentariu, c->toPlainText());
        s.variable()->click();
        QTest::keyClicks(s.name(), QStringLiteral("v"));
        // Reset brings back the text and the comment of the opening, in the
        // boxes and in the record; the mode and the name are not its business.
        s.button("cmdReset")->click();
        QCOMPARE(e->text(), longText);
        QCOMPARE(s.comment()->toPlainText(), QStringLiteral("vechi"));
        QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("vechi"));
        QVERIFY(s.variable()->isChecked());
        QCOMPARE(s.name()->text(), QStringLiteral("v"));
        s.variable()->click();
        s.retype(e, QString(30, QLatin1Char('y')));
        c->setPlainText(QStringLiteral("rand 1\nrand 2"));
        s.apply()->click();
    });
    QCOMPARE(m->proiect().obiect(1).Nume, QString(18, QLatin1Char('y')));
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("rand 1\nrand 2"));
}

void TestFrmSay::cancelDiscardsOrRestores_data()
{
    addCancelRows();
}

void TestFrmSay::cancelDiscardsOrRestores()
{
    QFETCH(int, how);
    TempCwd cwd;
    auto m = mainWithWindow(30);
    // The first edit of the only object, cancelled: nothing is left.
    openNew<Say>(*m, [how](const Say &s) { cancelEditor(s.dlg, how); });
    QVERIFY(isSet(m->proiect().obiect(1).Liber));
    QCOMPARE(objectList(*m)->count(), 0);
    QCOMPARE(control<QLabel>(*m, Palette, "lblTotalObiecte")->text(), QStringLiteral("0"));
    QVERIFY(!control<QAction>(*m, Palette, "STERGE")->isEnabled());

    addText(*m, QStringLiteral("Total:"), QStringLiteral("eticheta"));
    const QStringList before = programLines(*m).filter(QStringLiteral(" SAY "));
    openNew<Say>(*m, [&](const Say &s) {
        s.variable()->click();
        cancelEditor(s.dlg, how);
    });
    QVERIFY(isSet(m->proiect().obiect(2).Liber));
    QVERIFY(!m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2")->isVisible());
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(m->findChild<FrmObiecte *>()->obiectSelectat(), 1);

    // An existing object gets back what the editor wrote through.
    reopen<Say>(*m, 1, [&](const Say &s) {
        s.variable()->click();
        QTest::keyClicks(s.name(), QStringLiteral("suma"));
        s.comment()->moveCursor(QTextCursor::End);
        QTest::keyClicks(s.comment(), QStringLiteral(" noua"));
        cancelEditor(s.dlg, how);
    });
    QVERIFY(!isSet(m->proiect().obiect(1).Variabila));
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("eticheta"));
    QCOMPARE(programLines(*m).filter(QStringLiteral(" SAY ")), before);
}

QTEST_MAIN(TestFrmSay)
#include "tst_frmsay.moc"
