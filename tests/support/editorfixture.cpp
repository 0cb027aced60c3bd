#include "support/editorfixture.h"

#include "codegen/generator.h"
#include "objectpalette/frmobiecte.h"
#include "support/uitest.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

void EditorView::focus(QWidget *w) const
{
    w->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget(), w);
}

void EditorView::retype(QLineEdit *e, const QString &s) const
{
    focus(e);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, s);
}

void paste(QWidget *w, const QString &s)
{
    QApplication::clipboard()->setText(s);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

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

std::unique_ptr<MdiMain> mainWithWindow(int width)
{
    auto m = startMain(quietSettings());
    pressKey(*m, "frmFerestre", "CREAZA");
    setWindowWidth(*m, width);
    return m;
}

void setWindowWidth(MdiMain &m, int width)
{
    control<QScrollBar>(m, "frmFerestre", "hsbLatime")->setValue(width);
}

QListWidget *objectList(MdiMain &m)
{
    return control<QListWidget>(m, Palette, "lstObiecte");
}

QStringList programLines(MdiMain &m)
{
    const auto program = genereazaCodProiect(m.proiect());
    return program ? program->linii : QStringList();
}

void openEditor(MdiMain &m, const char *key, const char *form, std::function<void(QWidget *)> body)
{
    bool opened = false;
    onNextModal([&opened, form, body](QWidget *dlg) {
        QPointer<QWidget> guard(dlg);
        // Focus moves only inside the active window; a slow (sanitizer)
        // run may get here before it has been activated.
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg))
            qWarning("editor not activated");
        opened = dlg->objectName() == QLatin1String(form);
        if (opened)
            body(dlg);
        if (guard && guard->isVisible())
            QMetaObject::invokeMethod(dlg, "reject");
    });
    pressKey(m, Palette, key);
    QVERIFY2(opened, form);
}

void reopenEditor(MdiMain &m, int slot, const char *form, std::function<void(QWidget *)> body)
{
    QListWidget *list = objectList(m);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toInt() == slot)
            list->setCurrentRow(i);
    }
    QCOMPARE(m.findChild<FrmObiecte *>()->obiectSelectat(), slot);
    openEditor(m, "PROPRIETATI", form, std::move(body));
}

void addCancelRows()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Anuleaza") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void cancelEditor(QWidget *dlg, int how)
{
    if (how == 0)
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("cmdAnuleaza")), Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(dlg, Qt::Key_Escape);
    else
        dlg->close();
    QVERIFY(!dlg->isVisible());
}
