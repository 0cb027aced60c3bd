// The three object editors, opened from a real main window and driven as a user would.

#include "codegen/generator.h"
#include "model/colors.h"
#include "support/design.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The @ GET check boxes by their letters.
const char codes[] = "N9#YBIJKAT!LZ^$D";
const char *const boxes[] = {
    "chkPCifreLitere",     "chkPAcceptaNumaiCifreSiSemn", "chkPAcceptaNumaiCifreBlankSiSemn",
    "chkPLogice",          "chkFNumereDreapta",           "chkFTextCentrat",
    "chkFTextStanga",      "chkFSelecteazaContinutul",    "chkFAcceptaNumaiAlfabetice",
    "chkFEliminaSpatiile", "chkFConvertesteMajuscule",    "chkFPrecedeCifreZerouri",
    "chkFAfiseazaBLANK",   "chkFNotatiaStiintifica",      "chkFNotatiaCuMoneda",
    "chkFFormatuSETDATE"};

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
    bool shows(const QString &text) const
    {
        const auto labels = dlg->findChildren<QLabel *>();
        return std::any_of(labels.begin(), labels.end(), [&text](QLabel *l) { return l->text() == text; });
    }
    QString checked() const // the letters of the boxes ticked
    {
        QString s;
        for (int i = 0; i < 16; ++i)
            if (c<QCheckBox>(boxes[i])->isChecked())
                s += QLatin1Char(codes[i]);
        return s;
    }
};
using Body = std::function<void(const Editor &)>;

// Presses the palette's key of a kind, or "Proprietati" for the object in slot; body runs in the editor of
// that kind, which must open, and what it leaves open is cancelled.
void openEditor(MdiMain &m, const QString &kind, int slot, Body body)
{
    if (slot) { // the list holds the objects in slot order
        control<QListWidget>(m, "frmObiecte", "lstObiecte")->setCurrentRow(slot - 1);
        QCOMPARE(m.findChild<FrmObiecte *>()->obiectSelectat(), slot);
    }
    const QString form = QLatin1String("frm") + kind.left(1) + kind.mid(1).toLower();
    QString opened;
    duringModal([&] { pressKey(m, "frmObiecte", slot ? "PROPRIETATI" : qPrintable(kind)); },
                [&](QDialog *dlg) {
                    // Focus moves only inside the active window; a slow run may get here first.
                    dlg->activateWindow();
                    if (!QTest::qWaitForWindowActive(dlg))
                        qWarning("editor not activated");
                    if ((opened = dlg->objectName()) == form)
                        body(Editor{dlg});
                });
    QCOMPARE(opened, form);
}

void add(MdiMain &m, const QString &kind, Body fill)
{
    openEditor(m, kind, 0, [fill](const Editor &e) {
        fill(e);
        e.apply()->click();
    });
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void keysAndEnter_data();
    void keysAndEnter();
    void cancelDiscardsOrRestores_data();
    void cancelDiscardsOrRestores();
    void objectsAndTheirLines();
};

void TestEditors::keysAndEnter_data()
{
    // where: kind, box, a button clicked first; start: "|" marks the caret; how: typed, pasted (Ctrl+V or the
    // context menu), or Enter in the box, which gives name|bar|comment and whether the editor applied or
    // stays.
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
    // A name: a letter or "_" first, then digits too; nothing else, not even what lies between "Z" and "a".
    // The name boxes share their filter; the @GET's and the button's take a row each for their lengths.
    const char *const say = "SAY txtNumeVariabila chkAfiseazaVariabila";
    row(say, "nothing starts it", "", 't', "19-[\\]^` @$.", "");
    row(say, "refused inside", "", 't', "a1-[\\]^` .#_Z", "a1_Z");
    // A FoxPro name never starts with a digit, however the edit is made.
    row(say, "digit typed first", "|a1_Z", 't', "7", "a1_Z");
    row(say, "first letter deleted before a digit", "a|1_Z", 't', "\b", "a1_Z");
    row(say, "typed past 11", "", 't', "abcdefghijklmnop", "abcdefghijk");
    row(say, "pasted, refused before the cut", "", 'p', "1234[]abcdefghijklmn", "abcdefghijk");
    row(say, "pasted refused", "", 'p', u"\n1[a-b]^c`9_d\\\u0103"_s, "abc9_d");
    row(say, "menu at the caret", "a|bc9_d", 'm', "2 [3", "a23bc9_d");
    row("GET txtNumaVariabila", "refused inside, cut", "", 't', "a1-[\\]^` .#_Zbcdefghijk", "a1_Zbcdefgh");
    row("BUTON txtVariabilaButon", "refused inside", "", 't', "a1-[\\]^` .#_Zbcdefghijk", "a1_Zbcdefghijk");
    // In a window 12 columns wide a text or a prompt holds 10 characters.
    row("SAY txtText", "no line breaks, cut", "", 'p', "ab\ncd\r\tef0123456789", "abcdef0123");
    row("BUTON txtText", "no ';'", "", 't', "Da;Nu", "DaNu");
    row("BUTON txtText", "pasted, cut", "", 'p', ";a;b;c;d;e;f;g;h;i;j;k;", "abcdefghij");
    row("GET txtLungime", "digits, no Backspace", "1", 't', "a-2\b", "12");
    row("GET txtValoareImplicita optNumeric", "digits, point, minus", "", 't', "1a-2.5e,\b", "1-2.5");
    row("GET txtValoareImplicita", "printable", "", 'p', "x\ny\tz-0.", "xyz-0.");
    // A character a program file cannot hold is dropped and named; s with a comma below has a cedilla twin.
    row("SAY txtText", "not in Windows-1250, pasted", "", 'p', u"ș⊬a"_s, u"șa"_s);
    row("GET txtValoareImplicita", "not in Windows-1250, menu", "", 'm', u"x⊬y"_s, "xy");
    row("SAY txtText", "Enter", "Total", 'e', "", "Total|| applied");
    row("SAY txtComentariu", "Enter", "", 'e', "", "SAY 1||\n open");
    row("SAY cmdAnuleaza", "Enter", "", 'e', "", "SAY 1||"); // a focused button answers Enter itself
    // The button editor holds a bar "Da" already: Apply is enabled.
    row("BUTON txtText", "Enter on a prompt", "Nu", 'e', "", "buton|Da;Nu| open");
    row("BUTON txtText", "Enter, no prompt", "", 'e', "", "buton|Da| open");
    row("BUTON txtVariabilaButon", "Enter", "opt", 'e', "", "opt|Da| applied");
}

void TestEditors::keysAndEnter()
{
    QFETCH(QString, where);
    QFETCH(QString, start);
    QFETCH(char, how);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QStringList w = where.split(u' ');
    Design d;
    d.set(0, 0, 12, 10);
    const Obiect &o = d.m->proiect().obiect(1);
    openEditor(*d.m, w[0], 0, [&](const Editor &e) {
        if (how == 'e' && w[0] == u"BUTON"_s)
            e.addPrompt(u"Da"_s);
        if (w.size() > 2)
            e.click(qPrintable(w[2]));
        QLineEdit *b = e.box(qPrintable(w[1]));
        if (b)
            e.retype(qPrintable(w[1]), QString(start).remove(u'|'));
        if (start.contains(u'|'))
            b->setCursorPosition(int(start.indexOf(u'|')));
        QApplication::clipboard()->setText(input);
        if (how == 't') {
            QTest::keyClicks(b, input);
        } else if (how == 'p') {
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        } else if (how == 'e') {
            e.focus(e.c(qPrintable(w[1])));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const bool applied = qobject_cast<QDialog *>(e.dlg)->result() == QDialog::Accepted;
            const QString state = e.dlg->isVisible() ? u" open"_s : applied ? u" applied"_s : QString();
            QCOMPARE(o.Nume + u'|' + o.Valoare + u'|' + o.Comentariu + state, expected);
            return;
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
        QCOMPARE(QToolTip::text().contains(u"\"⊬\""_s), input.contains(u'⊬'));
    });
}

void TestEditors::cancelDiscardsOrRestores_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("how");
    // Each editor wires its own Anuleaza; Esc and the close box reach the same reject in all three.
    for (const char *kind : {"SAY", "GET", "BUTON"})
        QTest::addRow("%s Anuleaza", kind) << QString::fromLatin1(kind) << 0;
    QTest::newRow("GET Esc") << u"GET"_s << 1;
    QTest::newRow("BUTON close box") << u"BUTON"_s << 2;
}

void TestEditors::cancelDiscardsOrRestores()
{
    QFETCH(QString, kind);
    QFETCH(int, how);
    Design d;
    d.set(0, 0, 30, 10);
    const Obiect &o = d.m->proiect().obiect(1);
    const char *name = kind == u"GET"_s ? "txtNumaVariabila" : "txtVariabilaButon";
    add(*d.m, kind, [&](const Editor &e) {
        if (kind != u"SAY"_s)
            e.retype(name, u"cod"_s);
        if (kind == u"BUTON"_s)
            e.addPrompt(u"Unu"_s);
    });
    const Obiect stored = o;
    // Edits are written through. The box left focused loses the focus as the editor closes, when the palette
    // has selected another object already.
    const auto cancel = [&](const Editor &e) {
        e.comment()->insertPlainText(u"⊬\t"_s); // as a paste: refused
        QTest::keyClicks(e.comment(), QString(160, u'c'));
        const int edited = d.m->findChild<FrmObiecte *>()->obiectSelectat();
        QCOMPARE(d.m->proiect().obiect(edited).Comentariu, QString(150, u'c'));
        kind == u"SAY"_s ? e.click("chkAfiseazaVariabila") : e.retype(name, u"x1"_s);
        if (how == 0)
            QTest::mouseClick(e.c("cmdAnuleaza"), Qt::LeftButton);
        else
            how == 1 ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape) : void(e.dlg->close());
        QVERIFY(!e.dlg->isVisible());
    };
    openEditor(*d.m, kind, 0, cancel);
    QVERIFY(isSet(d.m->proiect().obiect(2).Liber));
    QCOMPARE(d.m->findChild<FrmObiecte *>()->obiectSelectat(), 1);
    QVERIFY(o == stored);
    // An existing object gets back the record it had at opening.
    openEditor(*d.m, kind, 1, cancel);
    QVERIFY(o == stored);
}

void TestEditors::objectsAndTheirLines()
{
    Design d;
    d.set(0, 0, 20, 10);
    const Proiect &p = d.m->proiect();
    add(*d.m, u"SAY"_s, [&](const Editor &e) {
        // Apply follows the box of the mode.
        e.retype("txtText", QString());
        e.click("chkAfiseazaVariabila");
        QVERIFY(isSet(p.obiect(1).Variabila) && !e.box("txtText")->isEnabled() && !e.apply()->isEnabled());
        e.retype("txtNumeVariabila", u"cClient"_s);
        e.comment()->setPlainText(u"antet"_s);
    });
    const auto get = [&](const char *name, const char *type, Body more) {
        add(*d.m, u"GET"_s, [=](const Editor &e) {
            QTest::keyClicks(e.box("txtNumaVariabila"), QLatin1String(name));
            e.click(type);
            more(e);
        });
    };
    get("nume", "optText", [&](const Editor &e) {
        // The arrows keep to 1..18; leaving the box brings a typed length there.
        for (const char *typed : {"999", "0", ""}) {
            e.retype("txtLungime", QLatin1String(typed));
            e.focus(e.comment());
            QCOMPARE(int(p.obiect(2).Lungime), *typed == '9' ? 18 : 1);
        }
        e.arrow("updLungime", "up", 20);
        QCOMPARE(e.box("txtLungime")->text() + QString::number(p.obiect(2).Lungime), u"1818"_s);
        e.arrow("updLungime", "down", 8);
        e.retype("txtValoareImplicita", u"abc"_s);
        // Checking a box of a group clears the others of its group.
        const char *const after[] = {"NJK!", "NIK!", "NBK!", "NBKA!", "9BKA!", "#BKA!", "NBKA!"};
        for (int i = 0; i < 7; ++i) {
            e.flag("JIBA9#N"[i]);
            QCOMPARE(e.checked(), QLatin1String(after[i]));
        }
    });
    get("suma", "optNumeric", [](const Editor &e) {
        QVERIFY(
            e.shows(u"Pentru fiecare obiect @GET se pot specifica o serie de atribute ce se aplica datelor "
                    "citite de la tastatura."_s));
        e.arrow("updLungime", "up");
        e.flag('K');
        e.flag('$');
        // Enter applies, settling the default as leaving the box would.
        e.retype("txtValoareImplicita", u"-0012.50"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!e.dlg->isVisible());
    });
    get("activ", "optLogic",
        [](const Editor &e) { e.c<QComboBox>("cmbValoareImplicita")->setCurrentIndex(1); });
    QCOMPARE(p.obiect(4).TextAfisat, u"act"_s); // fitted to the length when typed
    const Obiect &button = p.obiect(5);
    const auto sizes = [](const Editor &e) {
        return e.box("txtLatimeButon")->text() + u'x' + e.box("txtInaltimeButon")->text();
    };
    add(*d.m, u"BUTON"_s, [&](const Editor &e) {
        // The button editor's help is the one about @GETs.
        QVERIFY(e.shows(u"Obiectele de tip @GET sunt folosite pentru a introduce informatii in variabile sau "
                        "campurile unei baze de date"_s));
        // The arrows keep to 3..18 and 1..3; the prompt being typed follows the width.
        QTest::keyClicks(e.box("txtText"), u"abcdefghijklmnop"_s);
        e.arrow("updLatimeButon", "down", 3);
        QCOMPARE(e.box("txtText")->text(), u"abcdefg"_s);
        e.arrow("updLatimeButon", "up", 20);
        e.arrow("updInaltimeButon", "up", 5);
        QCOMPARE(sizes(e), u"18x3"_s);
        e.arrow("updLatimeButon", "down", 30);
        e.arrow("updInaltimeButon", "down", 5);
        QCOMPARE(sizes(e) + QString::number(button.Lungime), u"3x13"_s);
        e.arrow("updLatimeButon", "up", 7);
        // Prompts go between "<" and ">", padded in front to the width unless at least the width less two;
        // "<<" takes one back; a variable of "_" only becomes "buton".
        for (const char *prompt : {"OK", "Renunta", "<Salveaza"})
            e.addPrompt(QLatin1String(prompt));
        QCOMPARE(button.Valoare + button.TextAfisat,
                 u"OK;Renunta;<Salveaza<      OK> < Renunta> <<Salveaza>"_s);
        e.c<QListWidget>("lstButoane")->setCurrentRow(1);
        e.click("cmdScoate");
        QCOMPARE(e.box("txtText")->text() + u'|' + button.Valoare + button.TextAfisat,
                 u"Renunta|OK;<Salveaza<      OK> <<Salveaza>"_s);
        e.retype("txtVariabilaButon", u"___"_s);
        e.focus(e.comment());
        QCOMPARE(button.Nume, u"buton"_s);
        e.retype("txtVariabilaButon", u"opt"_s);
    });
    // The @ GET initialisations, then each object's comment and lines in the order of their slots.
    const QStringList program = genereazaCodProiect(p).value_or(ProgramGenerat()).linii;
    QCOMPARE(
        program.mid(program.indexOf(u"nume = SPACE(7) + 'abc'"_s), 11).join(u'|'),
        u"nume = SPACE(7) + 'abc'|suma=-12.5|activ=.T.|* antet|@ 0,0 SAY cClient|"
        "@ 0,0 GET nume FUNCTION 'BKA!' PICTURE 'NNNNNNNNNN'|@ 0,0 GET suma FUNCTION 'L$' PICTURE '9999'|"
        "@ 0,0 GET activ FUNCTION 'K' PICTURE 'Y'|opt=0|@ 0,0 GET opt FUNCTION '*H OK;<Salveaza' SIZE 1,10 COLOR "_s +
            CodCuloare(p.fereastra(1).CuloareCerneala) + u'/' + CodCuloare(p.fereastra(1).CuloareFundal) +
            u"|READ"_s);

    // Reopened, each editor shows what is stored and changes nothing; Reset brings back the opening state.
    const Proiect stored = p;
    openEditor(*d.m, u"SAY"_s, 1, [](const Editor &e) {
        QCOMPARE(e.box("txtNumeVariabila")->text() + e.box("txtText")->text(), u"cClient"_s);
        e.comment()->setPlainText(u"altul"_s);
        e.click("cmdReset");
        e.apply()->click();
    });
    openEditor(*d.m, u"GET"_s, 3, [](const Editor &e) {
        QVERIFY(e.c<QAbstractButton>("optNumeric")->isChecked());
        QCOMPARE(e.box("txtNumaVariabila")->text() + e.box("txtLungime")->text() +
                     e.box("txtValoareImplicita")->text() + e.checked(),
                 u"suma4-12.59L$"_s);
        e.apply()->click();
    });
    openEditor(*d.m, u"BUTON"_s, 5, [&](const Editor &e) {
        QCOMPARE(e.box("txtVariabilaButon")->text() + sizes(e) +
                     QString::number(e.c<QListWidget>("lstButoane")->count()),
                 u"opt10x12"_s);
        e.apply()->click();
    });
    for (int slot = 1; slot <= 5; ++slot)
        QVERIFY2(p.obiect(slot) == stored.obiect(slot), qPrintable(QString::number(slot)));
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
