// The document's gestures as a user makes them: real mouse and key events,
// a modal editor inside one gesture, and code run outside any gesture.
#include "app/document.h"
#include "app/istoric.h"
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

namespace {

QString reported(const QSignalSpy &spy)
{
    QStringList all;
    for (const QList<QVariant> &args : spy) {
        const auto s = args.at(0).value<Schimbare>();
        QStringList one;
        for (int n : s.ferestre)
            one << QStringLiteral("F%1").arg(n);
        for (int n : s.obiecte)
            one << QStringLiteral("O%1").arg(n);
        all << one.join(QLatin1Char(' '));
    }
    return all.join(QLatin1String(" | "));
}

// Clicks the tool bar button of a form's action with the mouse.
void clickTool(MdiMain &m, const char *form, const char *key)
{
    QAction *action = control<QAction>(m, form, key);
    QVERIFY(action && !action->associatedObjects().isEmpty());
    for (QObject *o : action->associatedObjects())
        if (auto *button = qobject_cast<QToolButton *>(o))
            return clickWidget(button);
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void userGesturesAreReportedOneByOne();
};

void TestDocument::userGesturesAreReportedOneByOne()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    Document &doc = m->document();
    QSignalSpy spy(&doc, &Document::schimbat);

    clickTool(*m, "frmFerestre", "CREAZA");
    QTRY_COMPARE(reported(spy), QStringLiteral("F1"));
    QCOMPARE(spy.at(0).at(0).value<Schimbare>().dupa.ferestre[1].Titlu, QStringLiteral("FER 1"));

    // Each key typed into the title is a gesture of its own.
    spy.clear();
    auto *title = control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra");
    title->setFocus();
    for (char c : {'A', 'B'}) {
        QTest::keyClick(title, c);
        QCoreApplication::processEvents();
    }
    QCOMPARE(reported(spy), QStringLiteral("F1 | F1"));
    QCOMPARE(m->proiect().fereastra(1).Titlu, QStringLiteral("FER 1AB"));
    // ... and the keys merge into one undo step, named after what it does.
    QUndoStack *stack = m->istoric().stiva();
    QCOMPARE(stack->count(), 2);
    QCOMPARE(m->findChild<QAction *>(QStringLiteral("mnuEditareAnuleaza"))->text(),
             QStringLiteral("Anuleaza schimbarea titlului"));
    // Steps of the same bar within a second are one step too, and undo at once.
    auto *bar = control<QScrollBar>(*m, "frmFerestre", "hsbInaltime");
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(bar, Qt::Key_Right);
        QCoreApplication::processEvents(); // each key a gesture of its own
    }
    QVERIFY(m->proiect().fereastra(1).Inaltime != 10);
    QCOMPARE(stack->count(), 3);
    stack->undo();
    QCOMPARE(m->proiect().fereastra(1).Inaltime, quint8(10));

    // A new object cancelled in its editor changes nothing; one applied is one
    // gesture with the editor's whole session, reported when the editor closes.
    for (bool apply : {false, true}) {
        spy.clear();
        bool opened = false;
        onNextModal([&](QWidget *dlg) {
            opened = dlg->objectName() == QLatin1String("frmSay");
            QCOMPARE(spy.size(), 0);
            auto *text = dlg->findChild<QLineEdit *>(QStringLiteral("txtText"));
            text->setFocus();
            QTest::keyClicks(text, QStringLiteral("Nume"));
            QCoreApplication::processEvents();
            QCOMPARE(spy.size(), 0);
            if (apply)
                clickWidget(dlg->findChild<QWidget *>(QStringLiteral("cmdAplica")));
            else
                QTest::keyClick(dlg, Qt::Key_Escape);
        });
        clickTool(*m, "frmObiecte", "SAY");
        QVERIFY(opened);
        QCoreApplication::processEvents();
        QTRY_COMPARE(reported(spy), apply ? QStringLiteral("O1") : QString());
    }
    QCOMPARE(m->proiect().obiect(1).TextAfisat, QStringLiteral("Nume"));

    // Code that runs on its own is reported when asked, or before the next gesture.
    spy.clear();
    m->proiect().fereastra(1).Titlu = QStringLiteral("X");
    doc.verifica();
    QCOMPARE(reported(spy), QStringLiteral("F1"));
    m->proiect().obiect(1).Rand = 3;
    clickTool(*m, "frmFerestre", "CREAZA");
    QTRY_COMPARE(reported(spy), QStringLiteral("F1 | O1 | F2"));
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
