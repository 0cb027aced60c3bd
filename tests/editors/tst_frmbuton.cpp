#include "codegen/generator.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/frmtabeladelucru.h"

#include <QClipboard>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

constexpr const char *O = "frmObiecte";

struct Buton {
    QWidget *dlg;
    template <typename T> T *c(const char *name) const { return dlg->findChild<T *>(QLatin1String(name)); }
    QLineEdit *prompt() const { return c<QLineEdit>("txtText"); }
    QLineEdit *variable() const { return c<QLineEdit>("txtVariabilaButon"); }
    QLineEdit *width() const { return c<QLineEdit>("txtLatimeButon"); }
    QLineEdit *height() const { return c<QLineEdit>("txtInaltimeButon"); }
    QListWidget *list() const { return c<QListWidget>("lstButoane"); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    QPushButton *button(const char *n) const { return c<QPushButton>(n); }
    // Clicks an arrow ("up"/"down") of an up-down control a number of times.
    void arrow(const char *updown, const char *which, int times = 1) const
    {
        auto *b = c<QWidget>(updown)->findChild<QToolButton *>(QLatin1String(which));
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(b, Qt::LeftButton);
    }
    void focus(QWidget *w) const
    {
        w->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
    }
    void retype(QLineEdit *e, const QString &s) const
    {
        focus(e);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, s);
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

void paste(QWidget *w, const QString &s)
{
    QApplication::clipboard()->setText(s);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

void inEditor(std::function<void(const Buton &)> body)
{
    onNextModal([body](QWidget *dlg) {
        QPointer<QWidget> guard(dlg);
        // Focus moves only inside the active window; a slow (sanitizer)
        // run may get here before it has been activated.
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg))
            qWarning("editor not activated");
        body(Buton{dlg});
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

void newButton(MdiMain &m, std::function<void(const Buton &)> body)
{
    bool opened = false;
    inEditor([&opened, body](const Buton &b) {
        opened = b.dlg->objectName() == QLatin1String("frmButon");
        body(b);
    });
    pressKey(m, O, "BUTON");
    QVERIFY(opened);
}

// "Proprietati" on the palette for the object in the given slot.
void reopen(MdiMain &m, int slot, std::function<void(const Buton &)> body)
{
    QListWidget *list = objectList(m);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toInt() == slot)
            list->setCurrentRow(i);
    }
    QCOMPARE(m.findChild<FrmObiecte *>()->obiectSelectat(), slot);
    bool opened = false;
    inEditor([&opened, body](const Buton &b) {
        opened = b.dlg->objectName() == QLatin1String("frmButon");
        body(b);
    });
    pressKey(m, O, "PROPRIETATI");
    QVERIFY(opened);
}

// A button's picture built the long way: "<", blanks, the prompt, ">".
QString picture(const QString &prompt, int width)
{
    QString s = QStringLiteral("<");
    for (int i = int(prompt.size()) + 2; i < width; ++i)
        s += QLatin1Char(' ');
    return s + prompt + QLatin1Char('>');
}

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
    void openingState();
    void arrowsStayInRangeAndCutThePrompt();
    void barOfButtons();
    void promptAndVariableFilters();
    void applyListsDrawsAndGenerates();
    void cancelDiscardsANewObject_data();
    void cancelDiscardsANewObject();
    void reopenResetAndCancel();
};

void TestFrmButon::openingState()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newButton(*m, [&](const Buton &b) {
        QCOMPARE(b.dlg->windowTitle(), QStringLiteral("Buton"));
        QCOMPARE(b.dlg->minimumSize(), b.dlg->maximumSize());
        const QPoint off = b.dlg->geometry().center() - b.dlg->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 4, "centred on the screen");
        const char *captions[][2] = {{"Label1", "Text buton:"},       {"Label10", "Bara de butoane:"},
                                     {"Label11", "Variabila buton:"}, {"Label8", "Latime buton:"},
                                     {"Label7", "Inaltime buton:"},   {"Label2", "Comentariu:"},
                                     {"lblLatimeButon", "(max. 28)"}, {"lblInaltimeButon", "(max. 3)"}};
        for (const auto &c : captions)
            QCOMPARE(b.c<QLabel>(c[0])->text(), QString::fromLatin1(c[1]));
        QStringList texts;
        for (QLabel *l : b.dlg->findChildren<QLabel *>())
            texts << l->text();
        for (const char *help : {"Pentru a adauga un shortcut unui buton inserati caracterul \"<\" in fata "
                                 "literei ce doriti sa-l "
                                 "activeze.",
                                 "Obiectele de tip @GET sunt folosite pentru a introduce invormatii in "
                                 "variabile sau campurile unei "
                                 "baze de date",
                                 "Nu se pot introduce texte care sa depaseasca latimea ferestrei active."})
            QVERIFY2(texts.contains(QString::fromLatin1(help)), help);
        const char *buttons[][2] = {
            {"cmdAdauga", ">>"},     {"cmdScoate", "<<"},   {"cmdStergeTot", "Sterge tot"},
            {"cmdAplica", "Aplica"}, {"cmdReset", "Reset"}, {"cmdAnuleaza", "Anuleaza"}};
        for (const auto &c : buttons) {
            QCOMPARE(b.button(c[0])->text(), QString::fromLatin1(c[1]));
            // Only Reset and Cancel can be pressed before a prompt exists.
            QCOMPARE(b.button(c[0])->isEnabled(),
                     qstrcmp(c[0], "cmdReset") == 0 || qstrcmp(c[0], "cmdAnuleaza") == 0);
        }
        QCOMPARE(b.width()->text(), QStringLiteral("10"));
        QCOMPARE(b.height()->text(), QStringLiteral("1"));
        QVERIFY(b.width()->isReadOnly() && b.height()->isReadOnly());
        QCOMPARE(b.variable()->text(), QStringLiteral("buton"));
        QCOMPARE(b.prompt()->maxLength(), 10);
        // The opening values are in the record already.
        const Obiect &o = m->proiect().obiect(1);
        QCOMPARE(o.Nume, QStringLiteral("buton"));
        QCOMPARE(int(o.Lungime), 10);
        QCOMPARE(int(o.InaltimeButon), 1);
        QTest::keyClicks(b.prompt(), QStringLiteral("x"));
        QVERIFY(b.button("cmdAdauga")->isEnabled());
        QTest::keyClick(b.prompt(), Qt::Key_Backspace);
        QVERIFY(!b.button("cmdAdauga")->isEnabled());
    });
}

void TestFrmButon::arrowsStayInRangeAndCutThePrompt()
{
    TempCwd cwd;
    auto m = mainWithWindow(20);
    newButton(*m, [&](const Buton &b) {
        const Obiect &o = m->proiect().obiect(1);
        QCOMPARE(b.c<QLabel>("lblLatimeButon")->text(), QStringLiteral("(max. 18)"));
        QTest::keyClicks(b.prompt(), QStringLiteral("abcdefghijKLM"));
        QCOMPARE(b.prompt()->text(), QStringLiteral("abcdefghij"));
        b.arrow("updLatimeButon", "down", 3);
        QCOMPARE(b.prompt()->text(), QStringLiteral("abcdefg"));
        b.arrow("updLatimeButon", "up", 20);
        QCOMPARE(b.width()->text(), QStringLiteral("18"));
        QCOMPARE(int(o.Lungime), 18);
        QCOMPARE(b.prompt()->maxLength(), 18);
        QCOMPARE(b.prompt()->text(), QStringLiteral("abcdefg"));
        b.arrow("updLatimeButon", "down", 30);
        QCOMPARE(b.width()->text(), QStringLiteral("3"));
        QCOMPARE(int(o.Lungime), 3);
        QCOMPARE(b.prompt()->text(), QStringLiteral("abc"));

        b.arrow("updInaltimeButon", "up");
        QCOMPARE(int(o.InaltimeButon), 2);
        b.arrow("updInaltimeButon", "up", 5);
        QCOMPARE(b.height()->text(), QStringLiteral("3"));
        QCOMPARE(int(o.InaltimeButon), 3);
        b.arrow("updInaltimeButon", "down", 5);
        QCOMPARE(b.height()->text(), QStringLiteral("1"));
        QCOMPARE(int(o.InaltimeButon), 1);
    });

    // A window narrower than 12 columns starts at its interior's width.
    TempCwd cwd2;
    auto narrow = mainWithWindow(9);
    newButton(*narrow, [&](const Buton &b) {
        QCOMPARE(b.width()->text(), QStringLiteral("7"));
        QCOMPARE(int(narrow->proiect().obiect(1).Lungime), 7);
        b.arrow("updLatimeButon", "up");
        QCOMPARE(b.width()->text(), QStringLiteral("7"));
    });
}

void TestFrmButon::barOfButtons()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newButton(*m, [&](const Buton &b) {
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
        QCOMPARE(o.TextAfisat, picture(QStringLiteral("Renunta"), 10));

        // No padding once a prompt is at least the width less two; a width
        // changed later waits for the next change of the list.
        b.addPrompt(QStringLiteral("<Salveaza"));
        QCOMPARE(o.TextAfisat, QStringLiteral("< Renunta> <<Salveaza>"));
        b.arrow("updLatimeButon", "up", 2);
        QCOMPARE(int(o.Lungime), 12);
        QCOMPARE(o.TextAfisat, QStringLiteral("< Renunta> <<Salveaza>"));
        b.addPrompt(QStringLiteral("Da"));
        QCOMPARE(o.TextAfisat, picture(QStringLiteral("Renunta"), 12) + QLatin1Char(' ') +
                                   picture(QStringLiteral("<Salveaza"), 12) + QLatin1Char(' ') +
                                   picture(QStringLiteral("Da"), 12));
        QCOMPARE(o.Valoare, QStringLiteral("Renunta;<Salveaza;Da"));

        b.button("cmdStergeTot")->click();
        QCOMPARE(b.list()->count(), 0);
        QVERIFY(o.Valoare.isEmpty() && o.TextAfisat.isEmpty());
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
    newButton(*m, [&](const Buton &b) {
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
        QCOMPARE(e->text(), QStringLiteral("opt1"));
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
    newButton(*m, [&](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("opt"));
        b.addPrompt(QStringLiteral("<Da"));
        b.addPrompt(QStringLiteral("<Nu"));
        b.comment()->setPlainText(QStringLiteral("confirmare"));
        b.button("cmdAplica")->click();
    });
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(objectList(*m)->item(0)->text(), QStringLiteral("@BUTON1[opt]"));
    QCOMPARE(control<QLabel>(*m, O, "lblTotalObiecte")->text(), QStringLiteral("1"));
    QVERIFY(control<QAction>(*m, O, "STERGE")->isEnabled());
    auto *item = static_cast<QGraphicsRectItem *>(m->findChild<FrmTabelaDeLucru *>()->element("lblObiect1"));
    QVERIFY(item->isVisible());
    QCOMPARE(item->rect().width(), qreal(21 * FrmTabelaDeLucru::CelulaLatime));

    const auto program = genereazaCodProiect(m->proiect());
    QVERIFY(program);
    const int at = program->linii.indexOf(QStringLiteral("* confirmare"));
    QVERIFY2(at >= 0, qPrintable(program->linii.join(QLatin1Char('\n'))));
    const Fereastra &f = m->proiect().fereastra(1);
    QCOMPARE(program->linii.mid(at, 4),
             QStringList({QStringLiteral("* confirmare"), QStringLiteral("opt=0"),
                          QStringLiteral("@ 0,0 GET opt FUNCTION '*H <Da;<Nu' SIZE 1,10 COLOR ") +
                              CodCuloare(f.CuloareCerneala) + QLatin1Char('/') + CodCuloare(f.CuloareFundal),
                          QStringLiteral("READ")}));
}

void TestFrmButon::cancelDiscardsANewObject_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Anuleaza") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestFrmButon::cancelDiscardsANewObject()
{
    QFETCH(int, how);
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newButton(*m, [&](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("primul"));
        b.addPrompt(QStringLiteral("Da"));
        b.button("cmdAplica")->click();
    });
    const QStringList before = dump(m->proiect().obiect(1));
    newButton(*m, [&](const Buton &b) {
        b.addPrompt(QStringLiteral("Nu"));
        // Closing takes the focus from the emptied box after the palette
        // has selected the other object: nothing may reach it.
        b.retype(b.variable(), QString());
        if (how == 0)
            QTest::mouseClick(b.button("cmdAnuleaza"), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(b.dlg, Qt::Key_Escape);
        else
            b.dlg->close();
        QVERIFY(!b.dlg->isVisible());
    });
    QVERIFY(isSet(m->proiect().obiect(2).Liber));
    QVERIFY(!m->findChild<FrmTabelaDeLucru *>()->element("lblObiect2")->isVisible());
    QCOMPARE(objectList(*m)->count(), 1);
    QCOMPARE(m->findChild<FrmObiecte *>()->obiectSelectat(), 1);
    QCOMPARE(dump(m->proiect().obiect(1)), before);
}

void TestFrmButon::reopenResetAndCancel()
{
    TempCwd cwd;
    auto m = mainWithWindow(30);
    newButton(*m, [&](const Buton &b) {
        b.retype(b.variable(), QStringLiteral("meniu"));
        b.arrow("updLatimeButon", "up", 2);
        b.arrow("updInaltimeButon", "up", 2);
        b.addPrompt(QStringLiteral("Unu"));
        b.addPrompt(QStringLiteral("Doi"));
        b.comment()->setPlainText(QStringLiteral("meniul principal"));
        b.button("cmdAplica")->click();
    });
    const QStringList stored = dump(m->proiect().obiect(1));
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
    control<QScrollBar>(*m, "frmFerestre", "hsbLatime")->setValue(12);
    reopen(*m, 1, [&](const Buton &b) {
        QCOMPARE(b.prompts(), QStringList({QStringLiteral("Unu"), QStringLiteral("Doi")}));
        QCOMPARE(b.list()->currentRow(), 1);
        QCOMPARE(b.variable()->text(), QStringLiteral("meniu"));
        QCOMPARE(b.width()->text(), QStringLiteral("12"));
        QCOMPARE(b.c<QLabel>("lblLatimeButon")->text(), QStringLiteral("(max. 10)"));
        QCOMPARE(b.height()->text(), QStringLiteral("3"));
        QCOMPARE(b.comment()->toPlainText(), QStringLiteral("meniul principal"));
        QVERIFY(b.button("cmdAplica")->isEnabled() && b.button("cmdScoate")->isEnabled());
        b.arrow("updLatimeButon", "up");
        QCOMPARE(b.width()->text(), QStringLiteral("12"));

        changeEverything(b);
        QVERIFY(dump(m->proiect().obiect(1)) != stored);
        b.button("cmdReset")->click();
        QCOMPARE(dump(m->proiect().obiect(1)), stored);
        QCOMPARE(b.prompts(), QStringList({QStringLiteral("Unu"), QStringLiteral("Doi")}));
        QCOMPARE(b.width()->text(), QStringLiteral("12"));
        QCOMPARE(b.height()->text(), QStringLiteral("3"));
        QCOMPARE(b.variable()->text(), QStringLiteral("meniu"));

        changeEverything(b);
        b.button("cmdStergeTot")->click();
        b.button("cmdAnuleaza")->click();
    });
    QCOMPARE(dump(m->proiect().obiect(1)), stored);
    QCOMPARE(objectList(*m)->count(), 1);

    reopen(*m, 1, [&](const Buton &b) {
        b.arrow("updLatimeButon", "down", 3);
        b.addPrompt(QStringLiteral("Trei"));
        b.button("cmdAplica")->click();
    });
    QCOMPARE(m->proiect().obiect(1).Valoare, QStringLiteral("Unu;Doi;Trei"));
    QCOMPARE(m->proiect().obiect(1).TextAfisat, picture(QStringLiteral("Unu"), 9) + QLatin1Char(' ') +
                                                    picture(QStringLiteral("Doi"), 9) + QLatin1Char(' ') +
                                                    picture(QStringLiteral("Trei"), 9));
}

QTEST_MAIN(TestFrmButon)
#include "tst_frmbuton.moc"
