#include "app/frmcod.h"
#include "app/frmsavetofile.h"
#include "app/sesiune.h"
#include "codegen/generator.h"
#include "support/uitest.h"
#include "windowpalette/frmferestre.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

void addWindow(Proiect &p, int n, int row, int col, int width, int height, const QString &title)
{
    Fereastra &f = p.fereastra(n);
    f.Libera = FlagFalse;
    f.Verticala = quint8(row);
    f.Orizontala = quint8(col);
    f.Latime = quint8(width);
    f.Inaltime = quint8(height);
    f.SchemaCulori = 5;
    f.Titlu = title;
}

void addSay(Proiect &p, int slot, int window, const QString &text)
{
    Obiect &o = p.obiect(slot);
    o.Liber = FlagFalse;
    o.Fereastra = quint8(window);
    o.Tip = QStringLiteral("SAY");
    o.Nume = text;
    o.CulorileFerestrei = FlagTrue;
}

QStringList listLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QStringList headerLines(const Proiect &p)
{
    QStringList lines;
    GeneratorCod(p, lines).AntetCod();
    return lines;
}

QStringList startingCodeLines(const Proiect &p)
{
    QStringList lines;
    GeneratorCod(p, lines).CodDeInceput();
    return lines;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs body on the dialog that open() shows modally, then closes it should
// the body have stopped early on a failed check. False when none opened.
bool duringModal(const std::function<void()> &open, const std::function<void(QDialog *)> &body)
{
    bool ran = false;
    onNextModal([&](QWidget *w) {
        ran = true;
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(w);
        if (dialog)
            body(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
        else if (!dialog)
            w->close();
    });
    open();
    return ran;
}

void clickLine(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// A design session with the window palette present, as the main window has it.
struct Session {
    Sesiune s;
    std::unique_ptr<FrmFerestre> ferestre;
    Session()
    {
        s.proiect.setari.InsereazaDataOra = FlagFalse; // no clock in the lines
        ferestre = std::make_unique<FrmFerestre>(s);
        s.ferestre = ferestre.get();
    }
};

} // namespace

class TestFrmCod : public QObject
{
    Q_OBJECT

private slots:
    void projectCommandWithoutWindowsOpensNothing();
    void projectCommandShowsWholeProgram();
    void windowCommandShowsOneWindowAndRegenerates();
    void regenerationFollowsTheActiveWindow();
    void windowCommandForFreeWindowReportsIt();
    void labelsRefreshOnlyOnFocusAndClick();
    void bannerCyclesFourPictures();
    void escapeClosesViewer();

    void nameBoxRules();
    void pastedNameIsFiltered();
    void saveButtonFollowsTrimmedName();
    void fileListAndClickOnFile();
    void driveChangeOpensItsRoot();
    void savesExactBytesThroughViewer();
    void replacesExistingFile();
    void unencodableLineIsRefused();
    void missingFolderIsReported();
    void failedRenameLeavesTargetUntouched();
    void cancelAndKeysWriteNothing();
};

void TestFrmCod::projectCommandWithoutWindowsOpensNothing()
{
    Session fx;
    bool opened = false;
    onNextModal(
        [&](QWidget *w) {
            opened = true;
            w->close();
        },
        300);
    FrmCod::genereazaCodProiect(fx.s, nullptr);
    QTest::qWait(400);
    QVERIFY(!opened);
    QVERIFY(!findTopLevel(QStringLiteral("frmCod")));
}

void TestFrmCod::projectCommandShowsWholeProgram()
{
    Session fx;
    Proiect &p = fx.s.proiect;
    addWindow(p, 1, 2, 10, 30, 10, QStringLiteral("Clienti"));
    addWindow(p, 3, 5, 0, 20, 6, QString());
    addSay(p, 4, 3, QStringLiteral("Total"));
    const QStringList expected = ::genereazaCodProiect(p)->linii;

    const bool shown = duringModal(
        [&] { FrmCod::genereazaCodProiect(fx.s, nullptr); },
        [&](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmCod"));
            QCOMPARE(d->windowTitle(), QStringLiteral("Cod"));
            QVERIFY(d->isModal());
            QCOMPARE(d->minimumSize(), d->maximumSize());
            auto *chk = find<QCheckBox>(d, QStringLiteral("chkIncludeStartingCode"));
            QVERIFY(chk && chk->isHidden() && !chk->isChecked());
            auto *lst = find<QListWidget>(d, QStringLiteral("lstCod"));
            QCOMPARE(listLines(lst), expected);
            QVERIFY(
                listLines(lst).contains(QStringLiteral("DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 "
                                                       "TITLE 'Clienti'")));
            QVERIFY(listLines(lst).contains(QStringLiteral("@ 0,0 SAY 'Total'")));
            QVERIFY(listLines(lst).contains(QStringLiteral("SET ESCAPE OFF")));
            QCOMPARE(listLines(lst).mid(lst->count() - 2),
                     QStringList({QStringLiteral("DEACTIVATE WINDOW FER1"),
                                  QStringLiteral("DEACTIVATE WINDOW FER3")}));
            // The list is first in the tab order: it has the focus, so the total
            // is shown at once while no line is selected yet.
            QTRY_VERIFY(lst->hasFocus());
            QCOMPARE(find<QLabel>(d, QStringLiteral("lblTotalLinii"))->text(),
                     QString::number(expected.size()));
            QCOMPARE(find<QLabel>(d, QStringLiteral("lblLiniaSelectata"))->text(), QStringLiteral("0"));
            for (const char *name : {"cmdSalveaza", "cmdOk"})
                QVERIFY(!find<QPushButton>(d, QString::fromLatin1(name))->autoDefault());
            QCOMPARE(find<QPushButton>(d, QStringLiteral("cmdSalveaza"))->text(),
                     QStringLiteral("&Salveaza in fisier"));
            find<QPushButton>(d, QStringLiteral("cmdOk"))->click();
            QVERIFY(!d->isVisible());
        });
    QVERIFY(shown);
    QVERIFY(!findTopLevel(QStringLiteral("frmCod"))); // destroyed with its lines
}

void TestFrmCod::windowCommandShowsOneWindowAndRegenerates()
{
    // Without a window palette no window is active, so regenerating asks
    // for a window that does not exist.
    Sesiune s;
    Proiect &p = s.proiect;
    p.setari.InsereazaDataOra = FlagFalse;
    addWindow(p, 2, 1, 1, 20, 5, QStringLiteral("Date"));
    addSay(p, 1, 2, QStringLiteral("Nume:"));
    const QStringList header = headerLines(p);
    const QStringList starting = startingCodeLines(p);

    const bool shown = duringModal(
        [&] { FrmCod::genereazaCodFereastra(s, 2, nullptr); },
        [&](QDialog *d) {
            auto *chk = find<QCheckBox>(d, QStringLiteral("chkIncludeStartingCode"));
            auto *lst = find<QListWidget>(d, QStringLiteral("lstCod"));
            auto *total = find<QLabel>(d, QStringLiteral("lblTotalLinii"));
            QVERIFY(chk->isVisible() && !chk->isChecked());
            QCOMPARE(chk->text(), QStringLiteral("Insereaza codul de inceput"));

            // Opening with the box cleared did not regenerate: window 2's block is there.
            QStringList lines = listLines(lst);
            QCOMPARE(lines.mid(0, header.size()), header);
            QCOMPARE(lines.mid(header.size()),
                     QStringList(
                         {QStringLiteral("DEFINE WINDOW FER2 FROM 1,1 TO 5,20 COLOR SCHEME 5 TITLE 'Date'"),
                          QStringLiteral("ACTIVATE WINDOW FER2"), QStringLiteral("@ 0,0 SAY 'Nume:'"),
                          QStringLiteral("DEACTIVATE WINDOW FER2")}));
            QTRY_COMPARE(total->text(), QString::number(lines.size()));

            auto box = answerNextMessageBox(QMessageBox::Ok);
            clickWidget(chk); // the user's click takes the focus from the list
            QVERIFY(chk->isChecked());
            d->activateWindow(); // the platform plugin may not do it when the box goes
            QTRY_VERIFY(chk->hasFocus());
            QVERIFY(box->seen);
            QCOMPARE(box->text, QStringLiteral("Fereastra nu exista!"));
            QCOMPARE(box->title, QStringLiteral("Eroare generare cod!"));
            QCOMPARE(box->icon, QMessageBox::Critical);
            QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            lines = listLines(lst);
            // Header and starting code are still generated around the missing block.
            QCOMPARE(lines.mid(0, header.size()), header);
            QCOMPARE(lines.mid(header.size(), starting.size()), starting);
            QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("FER2")));
            // Regenerating does not refresh the total; focusing the list does.
            QCOMPARE(total->text(), QString::number(header.size() + 4));
            lst->setFocus();
            QTRY_COMPARE(total->text(), QString::number(lines.size()));

            box = answerNextMessageBox(QMessageBox::Ok);
            chk->click();
            QVERIFY(box->seen);
            QVERIFY(!chk->isChecked());
            QVERIFY(!listLines(lst).contains(QStringLiteral("SET ESCAPE OFF")));
            QCOMPARE(listLines(lst).mid(0, header.size()), header);
        });
    QVERIFY(shown);
}

void TestFrmCod::regenerationFollowsTheActiveWindow()
{
    Session fx;
    Proiect &p = fx.s.proiect;
    for (int n = 1; n <= NumarFerestre; ++n)
        addWindow(p, n, n, n, 20, 5, QStringLiteral("F%1").arg(n));
    // Whatever the palette has selected is the window regenerated.
    const int active = fx.ferestre->fereastraActiva();
    const bool missing = !p.fereastraFolosita(active);

    const bool shown = duringModal([&] { FrmCod::genereazaCodFereastra(fx.s, 1, nullptr); },
                                   [&](QDialog *d) {
                                       auto *chk =
                                           find<QCheckBox>(d, QStringLiteral("chkIncludeStartingCode"));
                                       auto *lst = find<QListWidget>(d, QStringLiteral("lstCod"));
                                       std::shared_ptr<SeenBox> box;
                                       if (missing)
                                           box = answerNextMessageBox(QMessageBox::Ok);
                                       chk->click();
                                       if (missing)
                                           QVERIFY(box->seen);
                                       QStringList expected = headerLines(p) + startingCodeLines(p);
                                       GeneratorCod gen(p, expected);
                                       gen.CodFereastra(active);
                                       gen.InchideFereastra(active);
                                       QCOMPARE(listLines(lst), expected);
                                   });
    QVERIFY(shown);
}

void TestFrmCod::windowCommandForFreeWindowReportsIt()
{
    Session fx;
    addWindow(fx.s.proiect, 1, 0, 0, 20, 5, QString());
    std::shared_ptr<SeenBox> box = std::make_shared<SeenBox>();
    QStringList shownLines;
    bool viewerShown = false;
    onNextModal([&](QWidget *w) {
        auto *mb = qobject_cast<QMessageBox *>(w);
        if (!mb) {
            w->close();
            return;
        }
        box->seen = true;
        box->text = mb->text();
        box->title = mb->windowTitle();
        // The viewer opens once the message is answered.
        onNextModal([&](QWidget *v) {
            viewerShown = v->objectName() == QLatin1String("frmCod");
            if (auto *lst = find<QListWidget>(v, QStringLiteral("lstCod")))
                shownLines = listLines(lst);
            v->close();
        });
        mb->button(QMessageBox::Ok)->click();
    });
    FrmCod::genereazaCodFereastra(fx.s, 4, nullptr);
    QVERIFY(box->seen);
    QCOMPARE(box->text, QStringLiteral("Fereastra nu exista!"));
    QCOMPARE(box->title, QStringLiteral("Eroare generare cod!"));
    QVERIFY(viewerShown);
    QCOMPARE(shownLines, headerLines(fx.s.proiect) << QStringLiteral("DEACTIVATE WINDOW FER4"));
}

void TestFrmCod::labelsRefreshOnlyOnFocusAndClick()
{
    Session fx;
    FrmCod viewer(fx.s);
    auto *lst = find<QListWidget>(&viewer, QStringLiteral("lstCod"));
    auto *selected = find<QLabel>(&viewer, QStringLiteral("lblLiniaSelectata"));
    auto *total = find<QLabel>(&viewer, QStringLiteral("lblTotalLinii"));
    auto *chk = find<QCheckBox>(&viewer, QStringLiteral("chkIncludeStartingCode"));
    QCOMPARE(selected->text(), QStringLiteral("0"));
    QCOMPARE(total->text(), QStringLiteral("0"));

    viewer.setLinii({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    QCOMPARE(total->text(), QStringLiteral("0")); // filling is not focusing
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTRY_COMPARE(total->text(), QStringLiteral("4"));

    clickLine(lst, 2);
    QCOMPARE(selected->text(), QStringLiteral("3"));
    QTest::keyClick(lst, Qt::Key_Down); // the keyboard moves the selection only
    QCOMPARE(lst->currentRow(), 3);
    QCOMPARE(selected->text(), QStringLiteral("3"));
    lst->setCurrentRow(0);
    QCOMPARE(selected->text(), QStringLiteral("3"));

    viewer.setLinii({QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(total->text(), QStringLiteral("4"));
    chk->setFocus();
    QTRY_VERIFY(chk->hasFocus());
    QCOMPARE(total->text(), QStringLiteral("4"));
    lst->setFocus();
    QTRY_COMPARE(total->text(), QStringLiteral("2"));
    clickLine(lst, 1);
    QCOMPARE(selected->text(), QStringLiteral("2"));
}

void TestFrmCod::bannerCyclesFourPictures()
{
    Session fx;
    FrmCod viewer(fx.s);
    auto *img = find<QLabel>(&viewer, QStringLiteral("imgBanner"));
    auto *tmr = find<QTimer>(&viewer, QStringLiteral("tmrBanner"));
    QVERIFY(img && tmr);
    QCOMPARE(tmr->interval(), 1000);
    QVERIFY(tmr->isActive());

    auto shows = [img](int n) {
        // Missing pictures leave a blank banner rather than failing.
        const QPixmap expected(QStringLiteral(":/images/banner%1.png").arg(n));
        return img->property("imagine").toInt() == n && img->pixmap().isNull() == expected.isNull();
    };
    QVERIFY(shows(1));
    tmr->stop();
    tmr->setSingleShot(true);
    for (int n : {2, 3, 4, 1, 2}) {
        tmr->start(0);
        QTRY_VERIFY(shows(n));
    }
}

void TestFrmCod::escapeClosesViewer()
{
    Session fx;
    FrmCod viewer(fx.s);
    viewer.setLinii({QStringLiteral("x")});
    bool closed = false;
    onNextModal([&](QWidget *w) {
        QTest::keyClick(find<QListWidget>(w, QStringLiteral("lstCod")), Qt::Key_Escape);
        closed = !w->isVisible();
        w->close();
    });
    viewer.exec();
    QVERIFY(closed);
}

void TestFrmCod::nameBoxRules()
{
    TempCwd cwd;
    QListWidget lines;
    FrmSaveToFile dialog(&lines);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSaveToFile"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Salveaza codul in fisier"));
    dialog.show();
    auto *txt = find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier"));
    QVERIFY(txt);
    QCOMPARE(txt->maxLength(), 8);

    struct Case {
        const char *typed;
        QString shown;
    } cases[] = {
        {"raport", QStringLiteral("RAPORT")},        {"r_1-x", QStringLiteral("R_1-X")},
        {"a/b\\c:d", QStringLiteral("ABCD")},        {"*?\"<>|x", QStringLiteral("X")},
        {"abcdefghijk", QStringLiteral("ABCDEFGH")},
    };
    for (const Case &c : cases) {
        txt->clear();
        QTest::keyClicks(txt, QString::fromUtf8(c.typed));
        QCOMPARE(txt->text(), c.shown);
    }

    // Letters beyond ASCII are upper-cased too.
    txt->clear();
    QTest::sendKeyEvent(QTest::Click, txt, Qt::Key_unknown, QStringLiteral("ş"), Qt::NoModifier);
    QCOMPARE(txt->text(), QStringLiteral("Ş"));

    // A dropped character does not move the cursor.
    txt->clear();
    QTest::keyClicks(txt, QStringLiteral("ab"));
    QTest::keyClick(txt, Qt::Key_Home);
    QTest::keyClicks(txt, QStringLiteral("/x"));
    QCOMPARE(txt->cursorPosition(), 1);
    QTest::keyClicks(txt, QStringLiteral("y"));
    QCOMPARE(txt->text(), QStringLiteral("XYAB"));

    // Text set from code follows the same rules.
    txt->setText(QStringLiteral("c:\\tmp\tq"));
    QCOMPARE(txt->text(), QStringLiteral("CTMPQ"));
}

void TestFrmCod::pastedNameIsFiltered()
{
    TempCwd cwd;
    QListWidget lines;
    FrmSaveToFile dialog(&lines);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *txt = find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier"));
    QApplication::clipboard()->setText(QStringLiteral("p/q\nr|s"));
    txt->setFocus();
    txt->paste();
    QCOMPARE(txt->text(), QStringLiteral("PQRS"));
    txt->clear();
    QApplication::clipboard()->setText(QStringLiteral("<ok>"));
    QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(txt->text(), QStringLiteral("OK"));
}

void TestFrmCod::saveButtonFollowsTrimmedName()
{
    TempCwd cwd;
    QListWidget lines;
    FrmSaveToFile dialog(&lines);
    dialog.show();
    auto *txt = find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier"));
    auto *save = find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"));
    auto *cancel = find<QPushButton>(&dialog, QStringLiteral("cmdAnuleaza"));
    QCOMPARE(save->text(), QStringLiteral("&Salveaza"));
    QCOMPARE(cancel->text(), QStringLiteral("&Anuleaza"));
    QVERIFY(!save->autoDefault() && !cancel->autoDefault());
    QVERIFY(!save->isEnabled());
    QTest::keyClicks(txt, QStringLiteral("   "));
    QVERIFY(!save->isEnabled());
    QTest::keyClicks(txt, QStringLiteral("a"));
    QVERIFY(save->isEnabled());
    QTest::keyClick(txt, Qt::Key_Backspace);
    QVERIFY(!save->isEnabled());
    txt->setText(QStringLiteral("/"));
    QVERIFY(!save->isEnabled());
}

void TestFrmCod::fileListAndClickOnFile()
{
    TempCwd cwd;
    for (const char *name : {"clienti.prg", "A.B.PRG", "Raport.Prg", "notes.txt", "prg"})
        QVERIFY(writeFile(cwd.filePath(QString::fromLatin1(name)), "x"));
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("DOSAR.PRG")));

    QListWidget lines;
    FrmSaveToFile dialog(&lines);
    dialog.show();
    QObject *dir = find<QObject>(&dialog, QStringLiteral("Dir"));
    auto *files = find<QListWidget>(&dialog, QStringLiteral("File"));
    auto *txt = find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier"));
    QCOMPARE(dir->property("path").toString(), QDir::currentPath());
    QCOMPARE(listLines(files), QStringList({QStringLiteral("A.B.PRG"), QStringLiteral("clienti.prg"),
                                            QStringLiteral("Raport.Prg")}));

    clickLine(files, 0);
    QCOMPARE(txt->text(), QStringLiteral("A"));
    clickLine(files, 1);
    QCOMPARE(txt->text(), QStringLiteral("CLIENTI"));
    QVERIFY(find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"))->isEnabled());

    // Another folder shows its own programs.
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(writeFile(cwd.filePath(QStringLiteral("sub/nou.PRG")), "x"));
    dir->setProperty("path", cwd.filePath(QStringLiteral("sub")));
    QCOMPARE(listLines(files), QStringList({QStringLiteral("nou.PRG")}));
    QCOMPARE(dialog.caleFisier(), cwd.filePath(QStringLiteral("sub/CLIENTI.PRG")));

    // A root folder gets no second separator.
    dir->setProperty("path", QDir::rootPath());
    QCOMPARE(dialog.caleFisier(), QDir::rootPath() + QStringLiteral("CLIENTI.PRG"));
}

void TestFrmCod::driveChangeOpensItsRoot()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("vol")));
    QVERIFY(writeFile(cwd.filePath(QStringLiteral("vol/ROOT.PRG")), "x"));
    QListWidget lines;
    FrmSaveToFile dialog(&lines);
    dialog.show();
    auto *drive = find<QComboBox>(&dialog, QStringLiteral("Drive"));
    QObject *dir = find<QObject>(&dialog, QStringLiteral("Dir"));
    auto *files = find<QListWidget>(&dialog, QStringLiteral("File"));
    QVERIFY(drive && drive->count() > 0);

    // A volume root is what the drive list carries as item data.
    const QString root = cwd.filePath(QStringLiteral("vol"));
    drive->addItem(QStringLiteral("VOL"), root);
    drive->setCurrentIndex(drive->count() - 1);
    QCOMPARE(dir->property("path").toString(), root);
    QCOMPARE(listLines(files), QStringList({QStringLiteral("ROOT.PRG")}));

    // A drive that cannot be read is reported and the folder stays.
    drive->addItem(QStringLiteral("LIPSA"), cwd.filePath(QStringLiteral("nu-exista")));
    auto box = answerNextMessageBox(QMessageBox::Ok);
    drive->setCurrentIndex(drive->count() - 1);
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(box->text.contains(QStringLiteral("nu-exista")));
    QCOMPARE(dir->property("path").toString(), root);
    QVERIFY(drive->currentData().toString() != cwd.filePath(QStringLiteral("nu-exista")));
}

void TestFrmCod::savesExactBytesThroughViewer()
{
    TempCwd cwd;
    Session fx;
    FrmCod viewer(fx.s);
    const QStringList program = {QStringLiteral("SET TALK OFF"), QString(),
                                 QStringLiteral("@ 1,2 SAY 'şţăâî ŞŢĂÂÎ'"), QStringLiteral("READ")};
    viewer.setLinii(program);
    auto *lst = find<QListWidget>(&viewer, QStringLiteral("lstCod"));

    const bool opened =
        duringModal([&] { viewer.exec(); },
                    [&](QDialog *v) {
                        const bool saved = duringModal(
                            [&] { find<QPushButton>(v, QStringLiteral("cmdSalveaza"))->click(); },
                            [&](QDialog *d) {
                                QCOMPARE(d->objectName(), QStringLiteral("frmSaveToFile"));
                                QCOMPARE(QApplication::activeModalWidget(), d);
                                QTest::keyClicks(find<QLineEdit>(d, QStringLiteral("txtNumeFisier")),
                                                 QStringLiteral(" raport"));
                                find<QPushButton>(d, QStringLiteral("cmdSalveaza"))->click();
                                QVERIFY(!d->isVisible()); // closed without a confirmation
                            });
                        QVERIFY(saved);
                        QVERIFY(v->isVisible());
                        QCOMPARE(listLines(lst), program);
                        QCOMPARE(lst->currentRow(), program.size() - 1);
                    });
    QVERIFY(opened);

    const QByteArray expected = "SET TALK OFF\r\n"
                                "\r\n"
                                "@ 1,2 SAY '\xBA\xFE\xE3\xE2\xEE \xAA\xDE\xC3\xC2\xCE'\r\n"
                                "READ\r\n";
    QCOMPARE(readAll(cwd.filePath(QStringLiteral("RAPORT.PRG"))), expected);
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList({QStringLiteral("RAPORT.PRG")}));
}

void TestFrmCod::replacesExistingFile()
{
    TempCwd cwd;
    const QString target = cwd.filePath(QStringLiteral("R.PRG"));
    QVERIFY(writeFile(target, QByteArray(500, 'o')));
    QListWidget lines;
    lines.addItems({QStringLiteral("A"), QStringLiteral("B")});
    FrmSaveToFile dialog(&lines);
    dialog.show();
    // The existing file is listed; picking it and saving replaces it unasked.
    clickLine(find<QListWidget>(&dialog, QStringLiteral("File")), 0);
    QCOMPARE(find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier"))->text(), QStringLiteral("R"));
    find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(readAll(target), QByteArray("A\r\nB\r\n"));
}

void TestFrmCod::unencodableLineIsRefused()
{
    TempCwd cwd;
    QListWidget lines;
    lines.addItems(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("@ 0,0 SAY '日'"), QStringLiteral("D")});
    FrmSaveToFile dialog(&lines);
    dialog.show();
    QTest::keyClicks(find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier")), QStringLiteral("x"));
    auto box = answerNextMessageBox(QMessageBox::Ok);
    find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"))->click();
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY2(box->text.contains(QStringLiteral("Linia 3")), qPrintable(box->text));
    QVERIFY(box->text.contains(QStringLiteral("日")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(lines.currentRow(), 2);
    QVERIFY(QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestFrmCod::missingFolderIsReported()
{
    TempCwd cwd;
    const QString folder = cwd.filePath(QStringLiteral("dosar"));
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("dosar")));
    QListWidget lines;
    lines.addItems({QStringLiteral("A")});
    FrmSaveToFile dialog(&lines);
    dialog.show();
    find<QObject>(&dialog, QStringLiteral("Dir"))->setProperty("path", folder);
    // The folder turns into a plain file behind the dialog's back.
    QVERIFY(QDir(cwd.path()).rmdir(QStringLiteral("dosar")));
    QVERIFY(writeFile(folder, "neatins"));
    QTest::keyClicks(find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier")), QStringLiteral("x"));

    auto box = answerNextMessageBox(QMessageBox::Ok);
    find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"))->click();
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(box->text.contains(QStringLiteral("X.PRG")));
    QVERIFY(box->text.contains(QLatin1Char('\n'))); // the reason follows the name
    QVERIFY(dialog.isVisible());
    QCOMPARE(readAll(folder), QByteArray("neatins"));
    QCOMPARE(lines.count(), 1);
}

void TestFrmCod::failedRenameLeavesTargetUntouched()
{
    TempCwd cwd;
    // The target name is taken by a folder: the complete temporary file
    // cannot be renamed over it.
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("X.PRG")));
    QVERIFY(writeFile(cwd.filePath(QStringLiteral("X.PRG/in.txt")), "pastrat"));
    QListWidget lines;
    lines.addItems({QStringLiteral("A")});
    FrmSaveToFile dialog(&lines);
    dialog.show();
    QTest::keyClicks(find<QLineEdit>(&dialog, QStringLiteral("txtNumeFisier")), QStringLiteral("x"));
    auto box = answerNextMessageBox(QMessageBox::Ok);
    find<QPushButton>(&dialog, QStringLiteral("cmdSalveaza"))->click();
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(dialog.isVisible());
    QCOMPARE(readAll(cwd.filePath(QStringLiteral("X.PRG/in.txt"))), QByteArray("pastrat"));
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestFrmCod::cancelAndKeysWriteNothing()
{
    TempCwd cwd;
    QListWidget lines;
    lines.addItems({QStringLiteral("A")});
    for (int way = 0; way < 2; ++way) {
        FrmSaveToFile dialog(&lines);
        const bool shown = duringModal([&] { dialog.exec(); },
                                       [&](QDialog *d) {
                                           auto *txt = find<QLineEdit>(d, QStringLiteral("txtNumeFisier"));
                                           QTest::keyClicks(txt, QStringLiteral("nou"));
                                           QTest::keyClick(txt, Qt::Key_Return); // no default button
                                           QVERIFY(d->isVisible());
                                           if (way == 0)
                                               QTest::keyClick(txt, Qt::Key_Escape);
                                           else
                                               find<QPushButton>(d, QStringLiteral("cmdAnuleaza"))->click();
                                           QVERIFY(!d->isVisible());
                                       });
        QVERIFY(shown);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_MAIN(TestFrmCod)
#include "tst_frmcod.moc"
