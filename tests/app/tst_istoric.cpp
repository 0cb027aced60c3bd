// Undo steps as the forms make them: named after what they do, merged by kind and target within a second, an
// editor session one step, a deletion undone to exactly the design before it.
#include "app/istoric.h"
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

class TestIstoric : public QObject
{
    Q_OBJECT

private slots:
    void stepsAreNamedAndMerged();
    void editorSessionsAndDeletion();
};

namespace {

// Clicks on a bar's right arrow, each a step of its own before merging.
void nudge(QScrollBar *bar, int times)
{
    for (int i = 0; i < times; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

} // namespace

void TestIstoric::stepsAreNamedAndMerged()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    QUndoStack *stack = m->istoric().stiva();
    pressKey(*m, "frmFerestre", "CREAZA");
    QCOMPARE(stack->count(), 1);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza crearea ferestrei"));

    auto *height = control<QScrollBar>(*m, "frmFerestre", "hsbInaltime");
    auto *left = control<QScrollBar>(*m, "frmFerestre", "hsbOrizontala");
    auto *title = control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra");
    QVERIFY(height && left && title);
    nudge(height, 3);
    QCOMPARE(stack->count(), 2);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza redimensionarea ferestrei"));
    nudge(left, 2);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza mutarea ferestrei"));
    QTest::keyClicks(title, QStringLiteral("xyz"));
    QCOMPARE(stack->count(), 4);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza schimbarea titlului"));

    // The same bar on another window is another step; so is one a second later.
    pressKey(*m, "frmFerestre", "CREAZA");
    nudge(height, 1);
    QCOMPARE(stack->count(), 6);
    control<QComboBox>(*m, "frmFerestre", "cmbFereastra")->setCurrentIndex(0);
    nudge(height, 1);
    QCOMPARE(stack->count(), 7);
    QTest::qWait(1100);
    nudge(height, 1);
    QCOMPARE(stack->count(), 8);

    // Undo walks back exactly: the height of window 1 as the three merged presses left it.
    stack->undo();
    stack->undo();
    QCOMPARE(int(m->proiect().fereastra(1).Inaltime), 13);
    for (int i = 0; i < 4; ++i)
        stack->undo();
    QCOMPARE(m->proiect().fereastra(1).Titlu, QStringLiteral("FER 1"));
    QCOMPARE(int(m->proiect().fereastra(1).Orizontala), 0);
    stack->undo();
    QCOMPARE(int(m->proiect().fereastra(1).Inaltime), 10);
    stack->redo(); // the three merged presses come back whole
    QCOMPARE(int(m->proiect().fereastra(1).Inaltime), 13);
}

void TestIstoric::editorSessionsAndDeletion()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    QUndoStack *stack = m->istoric().stiva();
    pressKey(*m, "frmFerestre", "CREAZA");
    const auto edit = [&](const char *key, const std::function<void(QDialog *)> &body) {
        QVERIFY(duringModal([&] { pressKey(*m, "frmObiecte", key); }, body));
    };
    // A new object: Cancel leaves no step, Apply one named after the creation.
    for (bool apply : {false, true}) {
        edit("SAY", [&](QDialog *dlg) {
            QTest::keyClicks(dlg->findChild<QLineEdit *>(QStringLiteral("txtText")), QStringLiteral("Nume"));
            apply ? clickWidget(dlg->findChild<QWidget *>(QStringLiteral("cmdAplica")))
                  : QTest::keyClick(dlg, Qt::Key_Escape);
        });
        QCOMPARE(stack->count(), apply ? 2 : 1);
    }
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza crearea obiectului @SAY"));

    // A comment changed alone is a step of its own, undone whole.
    edit("PROPRIETATI", [](QDialog *dlg) {
        QTest::keyClicks(dlg->findChild<QPlainTextEdit *>(QStringLiteral("txtComentariu")),
                         QStringLiteral("c"));
        clickWidget(dlg->findChild<QWidget *>(QStringLiteral("cmdAplica")));
    });
    QCOMPARE(stack->count(), 3);
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza modificarea obiectului"));
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("c"));

    // A deletion from code after other steps undoes to exactly the design before it.
    pressKey(*m, "frmFerestre", "CREAZA");
    nudge(control<QScrollBar>(*m, "frmFerestre", "hsbVerticala"), 2);
    const StareProiect before = m->model().stare();
    pressKey(*m, "frmFerestre", "STERGE");
    QVERIFY(isSet(m->proiect().fereastra(2).Libera));
    QCOMPARE(undoText(*m), QStringLiteral("Anuleaza stergerea ferestrei"));
    stack->undo();
    const StareProiect after = m->model().stare();
    QVERIFY(after.ferestre == before.ferestre && after.obiecte == before.obiecte);
    QCOMPARE(after.fereastraActiva, 2);
    QCOMPARE(m->proiect().obiect(1).Comentariu, QStringLiteral("c"));
}

QTEST_MAIN(TestIstoric)
#include "tst_istoric.moc"
