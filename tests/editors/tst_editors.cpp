// The three object editors, opened from a real main window and driven as a user would.

#include "codegen/generator.h"
#include "model/colors.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGraphicsItem>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// What each data type does to the @ GET check boxes, by their letters: P on and
// left as it was, B on and checked, D on and cleared, O off (and cleared).
const char codes[] = "N9#YBIJKAT!LZ^$D";
const char *const states[] = {"DDDOPPPBDDBOOOOO",  // Text
                              "OBOOPPPBOOOBDDDO",  // Numeric
                              "OOOOPPPBOOOOOOOB",  // Data
                              "OOOBPPPBOOOOOOOO"}; // Logic
const char *const boxes[] = {
    "chkPCifreLitere",     "chkPAcceptaNumaiCifreSiSemn", "chkPAcceptaNumaiCifreBlankSiSemn",
    "chkPLogice",          "chkFNumereDreapta",           "chkFTextCentrat",
    "chkFTextStanga",      "chkFSelecteazaContinutul",    "chkFAcceptaNumaiAlfabetice",
    "chkFEliminaSpatiile", "chkFConvertesteMajuscule",    "chkFPrecedeCifreZerouri",
    "chkFAfiseazaBLANK",   "chkFNotatiaStiintifica",      "chkFNotatiaCuMoneda",
    "chkFFormatuSETDATE"};
const char *const typeOptions[] = {"optText", "optNumeric", "optData", "optLogic"};

// The letters of the @ GET boxes or flags for which on(i) holds.
QString letters(const std::function<bool(int)> &on)
{
    QString s;
    for (int i = 0; i < 16; ++i)
        if (on(i))
            s += QLatin1Char(codes[i]);
    return s;
}

// An open editor, its controls found by name.
struct Editor {
    QWidget *dlg;
    template <typename T = QWidget> T *c(const char *name) const { return dlg->findChild<T *>(name); }
    QLineEdit *box(const char *name) const { return c<QLineEdit>(name); }
    QPushButton *apply() const { return c<QPushButton>("cmdAplica"); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    void click(const char *name) const { c<QAbstractButton>(name)->click(); }
    void focus(QWidget *w) const
    {
        w->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
    }
    // Empties the box with the keyboard and types s.
    void retype(const char *name, const QString &s) const
    {
        focus(box(name));
        box(name)->selectAll();
        QTest::keyClick(box(name), Qt::Key_Delete);
        QTest::keyClicks(box(name), s);
    }
    void arrow(const char *updown, const char *upOrDown, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(c(updown)->findChild<QToolButton *>(QLatin1String(upOrDown)), Qt::LeftButton);
    }
    void addPrompt(const QString &s) const
    {
        retype("txtText", s);
        click("cmdAdauga");
    }
    void flag(char code) const { click(boxes[QByteArray(codes).indexOf(code)]); }
    QString checked() const
    {
        return letters([this](int i) { return c<QCheckBox>(boxes[i])->isChecked(); });
    }
};
using Body = std::function<void(const Editor &)>;

std::unique_ptr<MdiMain> mainWithWindow(int width)
{
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(width);
    return m;
}

QStringList programLines(MdiMain &m)
{
    const auto program = genereazaCodProiect(m.proiect());
    return program ? program->linii : QStringList();
}

QString flags(const Obiect &o)
{
    const Flag f[] = {o.PictureN,  o.Picture9,           o.PictureDiez,       o.PictureY,
                      o.FunctionB, o.FunctionI,          o.FunctionJ,         o.FunctionK,
                      o.FunctionA, o.FunctionT,          o.FunctionMajuscule, o.FunctionL,
                      o.FunctionZ, o.FunctionStiintific, o.FunctionMoneda,    o.FunctionD};
    return letters([&f](int i) { return isSet(f[i]); });
}

QString dump(const Obiect &o)
{
    QString s;
    QDebug(&s) << o.Liber << o.CulorileFerestrei << o.Variabila << o.Valoare << o.TipDate << o.Lungime
               << o.InaltimeButon << o.Tip << o.Fereastra << o.Coloana << o.Rand << o.CuloareFundal
               << o.CuloareCerneala << o.Nume << o.TextAfisat << o.Comentariu << flags(o);
    return s;
}

// Presses the palette's key of a kind, or "Proprietati" for the object in slot;
// body runs in the editor of that kind, which must open, and what it leaves open is cancelled.
void openEditor(MdiMain &m, const QString &kind, Body body, int slot = 0)
{
    auto *list = control<QListWidget>(m, "frmObiecte", "lstObiecte");
    for (int i = 0; slot && i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == slot)
            list->setCurrentRow(i);
    if (slot)
        QCOMPARE(m.findChild<FrmObiecte *>()->obiectSelectat(), slot);
    const QString form = QLatin1String("frm") + kind.left(1) + kind.mid(1).toLower();
    bool opened = false;
    onNextModal([&opened, form, body](QWidget *dlg) {
        QPointer<QWidget> guard(dlg);
        // Focus moves only inside the active window; a slow run may get here first.
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg))
            qWarning("editor not activated");
        opened = dlg->objectName() == form;
        if (opened)
            body(Editor{dlg});
        if (guard && guard->isVisible())
            QMetaObject::invokeMethod(dlg, "reject");
    });
    pressKey(m, "frmObiecte", slot ? "PROPRIETATI" : qPrintable(kind));
    QVERIFY2(opened, qPrintable(form));
}

void add(MdiMain &m, const QString &kind, Body fill)
{
    openEditor(m, kind, [fill](const Editor &e) {
        fill(e);
        e.apply()->click();
    });
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void keyFilters_data();
    void keyFilters();
    void cancelDiscardsOrRestores_data();
    void cancelDiscardsOrRestores();
    void enterKey_data();
    void enterKey();
    void sayModesReopenAndLines();
    void getDataTypeTable_data();
    void getDataTypeTable();
    void getLimitsLinesAndReopen();
    void buttonLimitsBarAndLines();
};

void TestEditors::keyFilters_data()
{
    // where: kind, box, a button clicked first; start: "|" marks the caret; how:
    // typed, pasted with Ctrl+V or through the box's context menu.
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("start");
    QTest::addColumn<char>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *where, const char *what, const char *start, char how, const QString &in,
                        const QString &out) {
        QTest::addRow("%s: %s", where, what)
            << QString::fromLatin1(where) << QString::fromLatin1(start) << how << in << out;
    };
    // A name takes a letter or "_" first, then digits too; nothing else, not
    // even what lies between "Z" and "a". The button's has no length limit.
    for (const char *where :
         {"SAY txtNumeVariabila chkAfiseazaVariabila", "GET txtNumaVariabila", "BUTON txtVariabilaButon"}) {
        const auto name = [&](const char *what, const char *start, char how, const QString &in,
                              const char *out) {
            row(where, what, start, how, in, QString::fromLatin1(out).left(where[0] == 'B' ? -1 : 11));
        };
        name("nothing starts it", "", 't', "19-[\\]^` @$.", "");
        name("refused inside", "", 't', "a1-[\\]^` .#_Z", "a1_Z");
        // A FoxPro name never starts with a digit, however the edit is made.
        name("digit typed first", "|a1_Z", 't', "7", "a1_Z");
        name("first letter deleted before a digit", "a|1_Z", 't', "\b", "a1_Z");
        name("typed past 11", "", 't', "abcdefghijklmnop", "abcdefghijklmnop");
        name("pasted, refused before the cut", "", 'p', "1234[]abcdefghijklmn", "abcdefghijklmn");
        name("pasted refused", "", 'p', QStringLiteral("1[a-b]^c`9_d\\\u0103"), "abc9_d");
        name("pasted line break", "", 'p', "\n9x^y42", "xy42");
        name("menu at the caret", "a|bc9_d", 'm', "2 [3", "a23bc9_d");
    }
    // In a window 12 columns wide a text or a prompt holds 10 characters.
    row("SAY txtText", "no line breaks, cut", "", 'p', "ab\ncd\r\tef0123456789", "abcdef0123");
    row("BUTON txtText", "no ';'", "", 't', "Da;Nu", "DaNu");
    row("BUTON txtText", "pasted, cut", "", 'p', ";a;b;c;d;e;f;g;h;i;j;k;", "abcdefghij");
    row("GET txtLungime", "digits, no Backspace", "1", 't', "a-2\b", "12");
    row("GET txtValoareImplicita optNumeric", "digits, point, minus", "", 't', "1a-2.5e,\b", "1-2.5");
    row("GET txtValoareImplicita", "printable", "", 'p', "x\ny\tz-0.", "xyz-0.");
}

void TestEditors::keyFilters()
{
    QFETCH(QString, where);
    QFETCH(QString, start);
    QFETCH(char, how);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QStringList w = where.split(QLatin1Char(' '));
    TempCwd cwd;
    auto m = mainWithWindow(12);
    openEditor(*m, w[0], [&](const Editor &e) {
        if (w.size() > 2)
            e.click(qPrintable(w[2]));
        QLineEdit *b = e.box(qPrintable(w[1]));
        e.retype(qPrintable(w[1]), QString(start).remove(QLatin1Char('|')));
        if (start.contains(QLatin1Char('|')))
            b->setCursorPosition(start.indexOf(QLatin1Char('|')));
        QApplication::clipboard()->setText(input);
        if (how == 't') {
            QTest::keyClicks(b, input);
        } else if (how == 'p') {
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        } else {
            QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(2, 2), b->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(b, &ev);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *a : menu->actions())
                if (a->text().startsWith(QLineEdit::tr("&Paste")))
                    a->trigger();
            menu->close();
        }
        QCOMPARE(b->text(), expected);
    });
}

void TestEditors::cancelDiscardsOrRestores_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("how");
    const char *const ways[] = {"Anuleaza", "Esc", "close box"};
    for (const char *kind : {"SAY", "GET", "BUTON"})
        for (int how = 0; how < 3; ++how)
            QTest::addRow("%s %s", kind, ways[how]) << QString::fromLatin1(kind) << how;
}

void TestEditors::cancelDiscardsOrRestores()
{
    QFETCH(QString, kind);
    QFETCH(int, how);
    TempCwd cwd;
    auto m = mainWithWindow(30);
    const Obiect &o = m->proiect().obiect(1);
    add(*m, kind, [&](const Editor &e) {
        if (kind != QLatin1String("SAY"))
            e.retype(kind == QLatin1String("GET") ? "txtNumaVariabila" : "txtVariabilaButon",
                     QStringLiteral("cod"));
        if (kind == QLatin1String("BUTON"))
            e.addPrompt(QStringLiteral("Unu"));
    });
    const QString stored = dump(o);
    // Edits are written through. The box left focused loses the focus as the
    // editor closes, when the palette has selected another object already.
    const auto cancel = [&](const Editor &e) {
        QTest::keyClicks(e.comment(), QString(160, QLatin1Char('c')));
        const int edited = m->findChild<FrmObiecte *>()->obiectSelectat();
        QCOMPARE(m->proiect().obiect(edited).Comentariu, QString(150, QLatin1Char('c')));
        if (kind == QLatin1String("SAY")) {
            e.click("chkAfiseazaVariabila");
        } else if (kind == QLatin1String("GET")) {
            for (const char *name : {"optIntroduceInCamp", "optText", "chkFTextStanga", "optNumeric"})
                e.click(name);
            e.retype("txtNumaVariabila", QStringLiteral("x1"));
            e.retype("txtLungime", QStringLiteral("77"));
        } else {
            e.addPrompt(QStringLiteral("Da"));
            e.arrow("updLatimeButon", "down", 4);
            e.arrow("updInaltimeButon", "up");
            e.retype("txtVariabilaButon", QString());
        }
        if (how == 0)
            QTest::mouseClick(e.c("cmdAnuleaza"), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            e.dlg->close();
        QVERIFY(!e.dlg->isVisible());
    };
    openEditor(*m, kind, cancel);
    QVERIFY(isSet(m->proiect().obiect(2).Liber));
    QVERIFY(!m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2")->isVisible());
    QCOMPARE(m->findChild<FrmObiecte *>()->obiectSelectat(), 1);
    QCOMPARE(dump(o), stored);
    // An existing object gets back the record it had at opening.
    openEditor(*m, kind, cancel, 1);
    QCOMPARE(dump(o), stored);
}

void TestEditors::enterKey_data()
{
    QTest::addColumn<QString>("where"); // kind and box
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); // name, bar and comment
    QTest::addColumn<bool>("applied");
    const auto row = [](const char *where, const char *typed, const char *after, bool applied) {
        QTest::addRow("%s '%s'", where, typed) << QString::fromLatin1(where) << QString::fromLatin1(typed)
                                               << QString::fromLatin1(after) << applied;
    };
    row("SAY txtText", "Total", "Total||", true);
    row("SAY txtComentariu", "", "SAY 1||\n", false);
    row("SAY cmdAnuleaza", "", "SAY 1||", false); // a focused button answers Enter itself
    row("GET txtNumaVariabila", "suma", "suma||", true);
    // The button editor holds a bar "Da" already: Apply is enabled.
    row("BUTON txtText", "Nu", "buton|Da;Nu|", false);
    row("BUTON txtText", "", "buton|Da|", false);
    row("BUTON txtVariabilaButon", "opt", "opt|Da|", true);
}

void TestEditors::enterKey()
{
    QFETCH(QString, where);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(bool, applied);
    const QStringList w = where.split(QLatin1Char(' '));
    TempCwd cwd;
    auto m = mainWithWindow(30);
    const Obiect &o = m->proiect().obiect(1);
    openEditor(*m, w[0], [&](const Editor &e) {
        if (w[0] == QLatin1String("BUTON"))
            e.addPrompt(QStringLiteral("Da"));
        QWidget *box = e.c(qPrintable(w[1]));
        if (qobject_cast<QLineEdit *>(box))
            e.retype(qPrintable(w[1]), typed);
        e.focus(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(e.dlg->isVisible(), !applied && !qobject_cast<QPushButton *>(box));
        QCOMPARE(qobject_cast<QDialog *>(e.dlg)->result(),
                 applied ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(o.Nume + QLatin1Char('|') + o.Valoare + QLatin1Char('|') + o.Comentariu, after);
    });
}

void TestEditors::sayModesReopenAndLines()
{
    TempCwd cwd;
    auto m = mainWithWindow(40);
    m->proiect().setari.IncludeComentariile = FlagTrue;
    const Obiect &o = m->proiect().obiect(1);
    add(*m, "SAY", [&](const Editor &e) {
        // Apply follows the box of the mode.
        e.retype("txtText", QString());
        e.click("chkAfiseazaVariabila");
        QVERIFY(isSet(o.Variabila) && !e.box("txtText")->isEnabled() && !e.apply()->isEnabled());
        e.retype("txtNumeVariabila", QStringLiteral("cClient"));
        e.comment()->setPlainText(QStringLiteral("antet"));
    });
    QVERIFY(programLines(*m).contains(QStringLiteral("@ 0,0 SAY cClient")));

    // Reopened as stored, in a narrower window; Reset brings the comment back.
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(20);
    const auto literal = [](const Editor &e) {
        QCOMPARE(e.box("txtNumeVariabila")->text() + e.box("txtText")->text(), QStringLiteral("cClient"));
        e.comment()->setPlainText(QStringLiteral("altul"));
        e.click("cmdReset");
        e.click("chkAfiseazaVariabila");
        QTest::keyClicks(e.box("txtText"), QStringLiteral("Total'i de plata azi"));
        e.apply()->click();
    };
    openEditor(*m, "SAY", literal, 1);
    const QStringList lines = programLines(*m);
    QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("* antet")), 2),
             QStringList({QStringLiteral("* antet"), QStringLiteral("@ 0,0 SAY \"Total'i de plata a\"")}));
}

void TestEditors::getDataTypeTable_data()
{
    QTest::addColumn<int>("prior");
    QTest::addColumn<int>("target");
    for (int prior = 0; prior < 4; ++prior)
        for (int target = 0; target < 4; ++target)
            if (prior != target)
                QTest::addRow("%s to %s", typeOptions[prior], typeOptions[target]) << prior << target;
}

void TestEditors::getDataTypeTable()
{
    QFETCH(int, prior);
    QFETCH(int, target);
    TempCwd cwd;
    auto m = mainWithWindow(30);
    const Obiect &o = m->proiect().obiect(1);
    openEditor(*m, "GET", [&](const Editor &e) {
        e.click(typeOptions[prior]);
        for (const char *name : boxes)
            if (e.c(name)->isEnabled() && !e.c<QCheckBox>(name)->isChecked())
                e.click(name);
        e.flag('K'); // cleared, to see it checked again
        if (prior <= 1) {
            e.retype("txtLungime", QStringLiteral("7"));
            e.retype("txtValoareImplicita", QStringLiteral("5"));
        }
        const QString before = e.checked();
        e.click(typeOptions[target]);

        for (int i = 0; i < 16; ++i) {
            const char state = states[target][i];
            const bool on = state == 'B' || (state == 'P' && before.contains(QLatin1Char(codes[i])));
            QVERIFY2(e.c(boxes[i])->isEnabled() == (state != 'O'), boxes[i]);
            QVERIFY2(e.c<QCheckBox>(boxes[i])->isChecked() == on, boxes[i]);
        }
        QCOMPARE(flags(o), e.checked());
        const char *const types[] = {"T=", "N=0", "D=", "L=F"};
        QCOMPARE(o.TipDate + QLatin1Char('=') + o.Valoare, QLatin1String(types[target]));
        QCOMPARE(e.c("txtValoareImplicita")->isVisibleTo(e.dlg), target <= 1);
        QCOMPARE(e.c("cmbValoareImplicita")->isVisibleTo(e.dlg), target == 3);
        QCOMPARE(e.c("cmbValoareImplicitaData")->isVisibleTo(e.dlg), target == 2);
        const int lengths[] = {3, 3, 8, 1};
        QCOMPARE(e.box("txtLungime")->text(), QString::number(lengths[target]));
        // Only a text or a number takes another length.
        QCOMPARE(e.box("txtLungime")->isReadOnly(), target > 1);
        e.arrow("updLungime", "up");
        QCOMPARE(int(o.Lungime), lengths[target] + (target <= 1));
    });
}

void TestEditors::getLimitsLinesAndReopen()
{
    TempCwd cwd;
    auto m = mainWithWindow(20);
    const auto get = [&](const char *name, const char *type, Body more) {
        add(*m, "GET", [=](const Editor &e) {
            QTest::keyClicks(e.box("txtNumaVariabila"), QLatin1String(name));
            e.click(type);
            more(e);
        });
    };
    get("nume", "optText", [&](const Editor &e) {
        const Obiect &o = m->proiect().obiect(1);
        e.arrow("updLungime", "down", 5);
        QCOMPARE(o.Lungime, quint8(1));
        // The arrows stop at 18; leaving the box brings a typed length there.
        for (const char *typed : {"999", "0", ""}) {
            e.retype("txtLungime", QLatin1String(typed));
            e.focus(e.comment());
            QCOMPARE(int(o.Lungime), *typed == '9' ? 18 : 1);
        }
        e.arrow("updLungime", "up", 20);
        QCOMPARE(e.box("txtLungime")->text() + QString::number(o.Lungime), QStringLiteral("1818"));
        e.arrow("updLungime", "down", 8);
        e.retype("txtValoareImplicita", QStringLiteral("abc"));
        // Checking a box of a group clears the others of its group.
        const char *const after[] = {"NJK!", "NIK!", "NBK!", "NBKA!", "9BKA!", "#BKA!", "NBKA!"};
        for (int i = 0; i < 7; ++i) {
            e.flag("JIBA9#N"[i]);
            QCOMPARE(e.checked(), QLatin1String(after[i]));
        }
    });
    get("suma", "optNumeric", [](const Editor &e) {
        e.arrow("updLungime", "up");
        e.flag('K');
        e.flag('$');
        // Enter applies, settling the default as leaving the box would.
        e.retype("txtValoareImplicita", QStringLiteral("-0012.50"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!e.dlg->isVisible());
    });
    get("activ", "optLogic",
        [](const Editor &e) { e.c<QComboBox>("cmbValoareImplicita")->setCurrentIndex(1); });
    get("ziua", "optData", [](const Editor &e) { e.click("optIntroduceInCamp"); });
    QCOMPARE(m->proiect().obiect(3).TextAfisat, QStringLiteral("act")); // fitted to the length when typed
    const QStringList expected = QStringLiteral("nume = SPACE(7) + 'abc'|suma=-12.5|activ=.T.|"
                                                "@ 0,0 GET nume FUNCTION 'BKA!' PICTURE 'NNNNNNNNNN'|"
                                                "@ 0,0 GET suma FUNCTION 'L$' PICTURE '9999'|"
                                                "@ 0,0 GET activ FUNCTION 'K' PICTURE 'Y'|"
                                                "@ 0,0 GET ziua FUNCTION 'KD'|READ")
                                     .split(QLatin1Char('|'));
    const QStringList lines = programLines(*m);
    const int first = int(lines.indexOf(expected.first()));
    QVERIFY2(first >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(first, expected.size()), expected);

    // Reopened, the editor shows what is stored and changes nothing.
    const QString stored = dump(m->proiect().obiect(2));
    const auto shows = [](const Editor &e) {
        QVERIFY(e.c<QAbstractButton>("optNumeric")->isChecked());
        QCOMPARE(e.box("txtNumaVariabila")->text() + e.box("txtLungime")->text() +
                     e.box("txtValoareImplicita")->text(),
                 QStringLiteral("suma4-12.5"));
        QCOMPARE(e.checked(), QStringLiteral("9L$"));
        e.apply()->click();
    };
    openEditor(*m, "GET", shows, 2);
    QCOMPARE(dump(m->proiect().obiect(2)), stored);
}

void TestEditors::buttonLimitsBarAndLines()
{
    TempCwd cwd;
    auto m = mainWithWindow(20);
    m->proiect().setari.IncludeComentariile = FlagTrue;
    const Obiect &o = m->proiect().obiect(1);
    add(*m, "BUTON", [&](const Editor &e) {
        // The arrows keep to 3..18 and 1..3; the prompt being typed follows the width.
        QTest::keyClicks(e.box("txtText"), QStringLiteral("abcdefghijklmnop"));
        e.arrow("updLatimeButon", "down", 3);
        QCOMPARE(e.box("txtText")->text(), QStringLiteral("abcdefg"));
        e.arrow("updLatimeButon", "up", 20);
        e.arrow("updInaltimeButon", "up", 5);
        QCOMPARE(e.box("txtLatimeButon")->text() + e.box("txtInaltimeButon")->text(), QStringLiteral("183"));
        e.arrow("updLatimeButon", "down", 30);
        e.arrow("updInaltimeButon", "down", 5);
        QCOMPARE(e.box("txtLatimeButon")->text() + e.box("txtInaltimeButon")->text(), QStringLiteral("31"));
        QCOMPARE(o.Lungime, quint8(3));
        e.arrow("updLatimeButon", "up", 7);
        // Prompts go between "<" and ">", padded in front to the width unless at least
        // the width less two; "<<" takes one back; a variable of "_" only becomes "buton".
        for (const char *prompt : {"OK", "Renunta", "<Salveaza"})
            e.addPrompt(QLatin1String(prompt));
        QCOMPARE(o.Valoare + o.TextAfisat,
                 QStringLiteral("OK;Renunta;<Salveaza<      OK> < Renunta> <<Salveaza>"));
        e.c<QListWidget>("lstButoane")->setCurrentRow(1);
        e.click("cmdScoate");
        QCOMPARE(e.box("txtText")->text(), QStringLiteral("Renunta"));
        QCOMPARE(o.Valoare + o.TextAfisat, QStringLiteral("OK;<Salveaza<      OK> <<Salveaza>"));
        e.retype("txtVariabilaButon", QStringLiteral("___"));
        e.focus(e.comment());
        QCOMPARE(o.Nume, QStringLiteral("buton"));
        e.retype("txtVariabilaButon", QStringLiteral("opt"));
        e.comment()->setPlainText(QStringLiteral("confirmare"));
    });
    const Fereastra &f = m->proiect().fereastra(1);
    const QStringList lines = programLines(*m);
    const int at = lines.indexOf(QStringLiteral("* confirmare"));
    QVERIFY2(at >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(at + 1, 3),
             QStringList({QStringLiteral("opt=0"),
                          QStringLiteral("@ 0,0 GET opt FUNCTION '*H OK;<Salveaza' SIZE 1,10 COLOR ") +
                              CodCuloare(f.CuloareCerneala) + QLatin1Char('/') + CodCuloare(f.CuloareFundal),
                          QStringLiteral("READ")}));
    const auto shows = [](const Editor &e) {
        QCOMPARE(e.c<QListWidget>("lstButoane")->count(), 2);
        QCOMPARE(e.box("txtVariabilaButon")->text() + e.box("txtLatimeButon")->text(),
                 QStringLiteral("opt10"));
        QVERIFY(e.apply()->isEnabled());
    };
    openEditor(*m, "BUTON", shows, 1);
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
