// Project files through the real main window: save, open, recent files, the unsaved-changes question, a
// refused file, a program imported, and a design recovered after the program was killed.
#include "app/mdimain.h"
#include "app/proiectcurent.h"
#include "codegen/fisierprogram.h"
#include "codegen/generator.h"
#include "model/fisierproiect.h"
#include "model/modelproiect.h"
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>
#include <QtTest>

namespace {

QStringList program(MdiMain &m)
{
    const MomentGenerare moment{QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4)), QLocale::c()};
    const auto p = genereazaCodProiect(m.proiect(), moment);
    return p ? p->linii : QStringList();
}

// Two windows, the second titled, with objects, made as one gesture.
void build(MdiMain &m)
{
    ModelProiect::Tranzactie gesture(m.model(), Modificare::Proiect, 0);
    pressKey(m, "frmFerestre", "CREAZA");
    pressKey(m, "frmFerestre", "CREAZA");
    control<QLineEdit>(m, "frmFerestre", "txtTitluFereastra")->setText(QStringLiteral("Clienti"));
    for (int k : {1, 2}) {
        Obiect &o = m.proiect().obiect(k);
        o.Liber = FlagFalse;
        o.Fereastra = 2;
        o.Tip = TipObiect::Say;
        o.Nume = o.TextAfisat = QStringLiteral("Text %1").arg(k);
        o.Rand = quint8(k);
    }
    control<QComboBox>(m, "frmFerestre", "cmbFereastra")->setCurrentIndex(0);
    control<QComboBox>(m, "frmFerestre", "cmbFereastra")->setCurrentIndex(1);
}

// Answers the next file dialog with a path, then() before accepting, or cancels it when path is empty.
std::shared_ptr<bool> answerFileDialog(
    const QString &path, std::function<void()> then = [] {})
{
    auto seen = std::make_shared<bool>(false);
    onNextModal([seen, path, then](QWidget *w) {
        QPointer<QFileDialog> dialog = qobject_cast<QFileDialog *>(w);
        *seen = dialog != nullptr;
        if (!dialog || path.isEmpty())
            return void(w->close());
        // Typed into the name box, as a user would (selectFile leaves a focused box alone).
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        then();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    return seen;
}

// Unsaved work is kept for a crash until it is saved, let go, replaced or closed.
bool kept()
{
    return !QDir(ProiectCurent::dosarRecuperare()).entryList({"recuperare-*.sirolant"}).isEmpty();
}

void trigger(MdiMain &m, const char *name)
{
    QAction *a = m.findChild<QAction *>(QLatin1String(name));
    QVERIFY2(a, name);
    a->trigger();
}

} // namespace

class TestProiect : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveOpenAndTheQuestion();
    void commandLineFile_data();
    void commandLineFile();
    void importProgram();
    void recoveryAfterAKill();
    void qtTextsInRomanian();
};

void TestProiect::init()
{
    QSettings().clear(); // no recent files of another test
}

void TestProiect::saveOpenAndTheQuestion()
{
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    build(*m);
    const QStringList built = program(*m);
    const StareProiect state = m->model().stare();
    QTRY_VERIFY(kept());
    // Unsaved work is marked also without a file.
    QCOMPARE(m->windowTitle(), MdiMain::captionText() + QStringLiteral("[*]"));
    QVERIFY(m->isWindowModified());

    // Saving a design without a file asks for one.
    const QString file = cwd.filePath(QStringLiteral("clienti.sirolant"));
    auto dialog = answerFileDialog(file);
    trigger(*m, "mnuProiectSalveaza");
    QVERIFY(*dialog && QFile::exists(file) && !kept());
    QCOMPARE(m->windowTitle(), MdiMain::captionText() + QStringLiteral(" - clienti.sirolant[*]"));
    QVERIFY(!m->isWindowModified());

    // A gesture marks it modified; undoing back to the save makes it clean again.
    {
        ModelProiect::Tranzactie gesture(m->model(), Modificare::Proiect, 0);
        control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra")->setText(QStringLiteral("Furnizori"));
    }
    const bool modified = m->isWindowModified();
    QTRY_VERIFY(kept());
    trigger(*m, "mnuEditareAnuleaza");
    const bool undone = m->isWindowModified();
    trigger(*m, "mnuEditareReface");
    QVERIFY(modified && !undone && m->isWindowModified());

    // "Proiect nou" asks first: Anuleaza keeps everything, Nu lets the changes go.
    auto cancel = answerNextMessageBox(QMessageBox::Cancel);
    trigger(*m, "mnuProiectNou");
    QVERIFY(cancel->seen && cancel->buttons == (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    QCOMPARE(cancel->text, QStringLiteral("Salvati modificarile proiectului?"));
    QVERIFY(m->proiect().fereastraFolosita(2) && m->isWindowModified());
    auto no = answerNextMessageBox(QMessageBox::No);
    trigger(*m, "mnuProiectNou");
    QVERIFY(no->seen && !m->proiect().fereastraFolosita(1) && !m->isWindowModified() && !kept());
    QCOMPARE(m->windowTitle(), MdiMain::captionText() + QStringLiteral("[*]"));

    // The recent file opens the design as it was saved: records, lists, selection, program.
    auto *recent = m->findChild<QMenu *>(QStringLiteral("mnuProiectRecente"));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    pressKey(*m, "frmFerestre", "CREAZA");
    QTRY_VERIFY(kept());
    auto letGo = answerNextMessageBox(QMessageBox::No);
    recent->actions().first()->trigger();
    QVERIFY(letGo->seen && !kept());
    const StareProiect opened = m->model().stare();
    QVERIFY(opened.ferestre == state.ferestre && opened.obiecte[1] == state.obiecte[1]);
    // Lines in their saved order, written afresh from the titles as at a start.
    QCOMPARE(opened.liniiFerestre,
             (QList<LinieFereastra>{{1, QStringLiteral("F1 [FER 1]")}, {2, QStringLiteral("F2 [Clienti]")}}));
    QVERIFY(opened.fereastraActiva == 2 && opened.ordineObiecte == state.ordineObiecte &&
            opened.obiectSelectat == state.obiectSelectat);
    QVERIFY(program(*m) == built && !m->isWindowModified());
    pressKey(*m, "frmFerestre", "CREAZA");
    QTRY_VERIFY(kept());
    letGo = answerNextMessageBox(QMessageBox::No);
    m->close();
    QVERIFY(letGo->seen && !m->isVisible() && !kept());
}

void TestProiect::commandLineFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a design") << QByteArray() << true;
    QTest::newRow("not JSON") << QByteArray("{\"format\": \"sirolant-proiect\", ") << false;
}

void TestProiect::commandLineFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    TempCwd cwd;
    const QString file = cwd.filePath(QStringLiteral("p.sirolant"));
    {
        auto first = startMain(quietSettings());
        build(*first);
        QVERIFY(FisierProiect::salveaza(file, first->model().stare(), nullptr));
    }
    if (!content.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    auto m = startMain(quietSettings());
    m->deschideLaPornire(file);
    QVERIFY(!m->proiect().fereastraFolosita(1)); // nothing happens before the window shows
    auto refused = opens ? std::make_shared<SeenBox>() : answerNextMessageBox(QMessageBox::Ok);
    m->show();
    QTRY_VERIFY(m->proiect().fereastraFolosita(1) == opens && refused->seen == !opens);
    if (!opens)
        QVERIFY2(refused->text.contains(QStringLiteral("p.sirolant")) &&
                     refused->icon == QMessageBox::Critical,
                 qPrintable(refused->text));
}

void TestProiect::importProgram()
{
    for (bool accepted : {true, false}) {
        TempCwd cwd;
        auto m = startMain(quietSettings());
        build(*m); // two windows, two @SAY texts in the second
        const QStringList built = program(*m);
        QVERIFY(FisierProgram::scrie("ANA.PRG",
                                     accepted ? *FisierProgram::codifica(built) : "nu e un program\r\n"));
        control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra")->setText("Furnizori");
        const QStringList before = program(*m);
        // The unsaved question first (No), then the file dialog, then the outcome.
        std::shared_ptr<SeenBox> result;
        std::shared_ptr<bool> dialog;
        onNextModal([&](QWidget *w) {
            dialog = answerFileDialog("ANA.PRG", [&] { result = answerNextMessageBox(QMessageBox::Ok); });
            auto *box = qobject_cast<QMessageBox *>(w);
            box && box->button(QMessageBox::No) ? box->done(QMessageBox::No) : void(w->close());
        });
        trigger(*m, "mnuProiectImporta");
        QVERIFY(dialog && *dialog && result &&
                result->icon == (accepted ? QMessageBox::Information : QMessageBox::Critical));
        // Read back, the design gives the program it came from; refused, the design stays.
        QCOMPARE(program(*m), accepted ? built : before);
        for (const QString &s : accepted ? QStringList{"2 ferestre si 2 obiecte", "comentarii"}
                                         : QStringList{"ANA.PRG", "Linia 1"})
            QVERIFY2(result->text.contains(s), qPrintable(result->text));
        // Like a new project: no file, work to save, no undo; a refused program changes nothing.
        QVERIFY(m->windowTitle() == MdiMain::captionText() + "[*]" && m->isWindowModified());
        QCOMPARE(m->findChild<QAction *>("mnuEditareAnuleaza")->isEnabled(), !accepted);
    }
}

// Run as a child: builds a design, waits past the recovery interval, makes one more gesture and says so; the
// parent then kills it.
int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TempCwd cwd;
    auto m = startMain(quietSettings());
    m->show();
    build(*m);
    // The work goes on in a project with a file.
    FisierProiect::salveaza("clienti.sirolant", m->model().stare(), nullptr);
    m->proiectCurent().incarca("clienti.sirolant");
    // The work is kept for a crash (the file, not the clock, says when).
    pressKey(*m, "frmFerestre", "CREAZA");
    if (!QTest::qWaitFor(kept, 10000))
        return 1;
    {
        ModelProiect::Tranzactie gesture(m->model(), Modificare::Proiect, 0);
        pressKey(*m, "frmFerestre", "CREAZA");
    }
    QTextStream(stdout) << "gata" << Qt::endl;
    return app.exec();
}

void TestProiect::recoveryAfterAKill()
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copil")});
    QVERIFY(p.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(p.canReadLine() || p.state() != QProcess::Running, 20000);
    QCOMPARE(p.readLine().trimmed(), QByteArray("gata"));
    p.kill(); // SIGKILL: nothing of the program's own closing runs
    QVERIFY(p.waitForFinished());

    // When the work was last kept.
    const QFileInfo file =
        QDir(ProiectCurent::dosarRecuperare()).entryInfoList({"recuperare-*.sirolant"}).value(0);
    const QString saved = file.lastModified().toString("HH:mm");
    TempCwd cwd;
    auto m = std::make_unique<MdiMain>(); // startMain would clear what the child left
    auto question = answerNextMessageBox(QMessageBox::Yes);
    m->show();
    QTRY_VERIFY(question->seen);
    QCOMPARE(question->text, QStringLiteral("Sirolant nu a fost inchis corect. Recuperati proiectul nesalvat "
                                            "clienti.sirolant (modificat la %1)?")
                                 .arg(saved));
    // Everything made more than two seconds before the kill is back, unsaved.
    QCOMPARE(m->proiect().fereastra(2).Titlu, QStringLiteral("Clienti"));
    QCOMPARE(m->proiect().obiect(2).TextAfisat, QStringLiteral("Text 2"));
    QVERIFY(m->proiectCurent().modificat());
    QVERIFY(QDir(ProiectCurent::dosarRecuperare()).entryList({QStringLiteral("*.lock")}).size() ==
            1); // ours only
}

// Qt's own texts, from the program's translation, a few of each kind: the file dialog, its list and its
// question, a text box's menu, a message box button, a palette's window menu.
void TestProiect::qtTextsInRomanian()
{
    TempCwd cwd;
    QVERIFY(QFile(QStringLiteral("x.sirolant")).open(QIODevice::WriteOnly));
    auto m = startMain(quietSettings());
    QStringList shown;
    const auto items = [&shown](const QList<QAction *> &actions) {
        QStringList l;
        for (const QAction *a : actions)
            a->isSeparator() ? void() : l.append(a->text().section(u'\t', 0, 0));
        shown << l.join(u'|');
    };
    onNextModal([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        QVERIFY(d);
        shown << d->findChild<QLabel *>("fileNameLabel")->text()
              << d->findChild<QAction *>("qt_new_folder_action")->text()
              << d->findChild<QTreeView *>()->model()->headerData(3, Qt::Horizontal).toString();
        onNextModal([&](QWidget *q) {
            auto *box = qobject_cast<QMessageBox *>(q);
            shown << (box ? box->text() + u'|' + box->button(QMessageBox::Yes)->text() : QString());
            q->close();
        });
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("x.sirolant"));
        QMetaObject::invokeMethod(w, "accept");
        w->close();
    });
    trigger(*m, "mnuProiectSalveazaCa");
    QPlainTextEdit comment;
    QMenu *menu = comment.createStandardContextMenu();
    items(menu->actions()), delete menu;
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::No);
    shown << box.button(QMessageBox::No)->text();
    items(m->subFereastra(m->findChild<QWidget *>(QStringLiteral("frmFerestre")))->systemMenu()->actions());
    QCOMPARE(shown.join(u';'),
             QStringLiteral("&Nume fisier:;Dosar &nou;Data modificarii;"
                            "x.sirolant exista deja.\nIl inlocuiti?|&Da;"
                            "&Anuleaza|&Reface|&Taie|&Copiaza|&Lipeste|Sterge|Selecteaza tot;&Nu;"
                            "&Muta|&Inchide"));
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1 && qstrcmp(argv[1], "--copil") == 0)
        return child(1, argv);
    QApplication app(argc, argv);
    TestProiect test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_proiect.moc"
