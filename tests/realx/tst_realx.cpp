// Real input through an X server with a window manager (ruleaza.sh): the first receiver of each event is the
// top-level window, as for a user, so steps must be known where the change is made.
#include "app/istoric.h"
#include "support/design.h"

#include <QAccessible>
#include <QGraphicsView>
#include <QProcess>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

namespace {

void xdotool(const QString &args)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), args.split(u' ')), 0);
}

void clickAt(QWidget *w, QPoint local, int times = 1)
{
    const QPoint g = w->mapToGlobal(local);
    xdotool(QString::asprintf("mousemove --sync %d %d click --repeat %d --delay 80 1", g.x(), g.y(), times));
}

QToolButton *toolButton(MdiMain &m, const char *form, const char *key)
{
    QAction *a = control<QAction>(m, form, key);
    auto *bar = a ? qobject_cast<QToolBar *>(a->parent()) : nullptr;
    return bar ? qobject_cast<QToolButton *>(bar->widgetForAction(a)) : nullptr;
}

} // namespace

class TestRealX : public QObject
{
    Q_OBJECT

private slots:
    void realInputMakesNamedSteps();
    void accessibleActionIsAStepAtOnce();
    void clickOnATextSelectsIt();
};

void TestRealX::realInputMakesNamedSteps()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.get()));
    QTest::qWait(300);
    QUndoStack *stack = m->istoric().stiva();
    const Fereastra &f = m->proiect().fereastra(1);

    QToolButton *creaza = toolButton(*m, "frmFerestre", "CREAZA");
    QVERIFY(creaza);
    clickAt(creaza, creaza->rect().center());
    QTRY_COMPARE(stack->count(), 1);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza crearea ferestrei"));

    // Four quick clicks on the width bar's right arrow: one step.
    auto *width = control<QScrollBar>(*m, "frmFerestre", "hsbLatime");
    QVERIFY(width);
    clickAt(width, QPoint(width->width() - 4, width->height() / 2), 4);
    QTRY_COMPARE(int(f.Latime), 34);
    QCOMPARE(stack->count(), 2);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza redimensionarea ferestrei"));

    // A click on the window on the work table, then five quick Right presses: one step.
    auto *tabela = m->findChild<FrmTabelaDeLucru *>();
    QGraphicsView *view = tabela->vedere();
    clickAt(view->viewport(), view->mapFromScene(QPointF(135 * 5 + 60, 240 * 5 + 100)));
    QTRY_VERIFY(view->hasFocus());
    xdotool(QStringLiteral("key --delay 60 Right Right Right Right Right"));
    QTRY_COMPARE(int(f.Orizontala), 5);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza mutarea ferestrei"));

    // Ctrl+Z takes the five presses back at once.
    xdotool(QStringLiteral("key ctrl+z"));
    QTRY_COMPARE(int(f.Orizontala), 0);
    QCOMPARE(int(f.Latime), 34);
}

void TestRealX::accessibleActionIsAStepAtOnce()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.get()));
    // What a screen reader does: no mouse or key event at all.
    QAccessibleInterface *iface =
        QAccessible::queryAccessibleInterface(toolButton(*m, "frmFerestre", "CREAZA"));
    QVERIFY(iface && iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m->istoric().stiva()->count(), 1);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza crearea ferestrei"));
    const auto asked = answerNextMessageBox(QMessageBox::Cancel);
    m->close();
    QVERIFY(asked->seen);
    QCOMPARE(asked->text, QStringLiteral("Salvati modificarile proiectului?"));
    QVERIFY(m->isVisible());
}

void TestRealX::clickOnATextSelectsIt()
{
    Design d;
    d.put(4, "SAY", QStringLiteral("UNU"), 1, 1);
    d.put(9, "SAY", QStringLiteral("DOI"), 1, 3); // listed last: selected
    d.m->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.m.get()));
    auto *mark = dynamic_cast<QGraphicsRectItem *>(d.table()->element(QStringLiteral("shpSelectieObiect")));
    const QRectF text = d.item("lblObiect4")->sceneBoundingRect();
    clickAt(d.table()->vedere()->viewport(), d.table()->vedere()->mapFromScene(text.center()));
    QTRY_VERIFY(d.m->model().obiectSelectat() == 4 && mark && mark->isVisible() &&
                mark->mapRectToScene(mark->rect()) == text);
    xdotool(QStringLiteral("key Delete"));
    QTRY_VERIFY(isSet(d.m->proiect().obiect(4).Liber) && !isSet(d.m->proiect().obiect(9).Liber));
}

QTEST_MAIN(TestRealX)
#include "tst_realx.moc"
