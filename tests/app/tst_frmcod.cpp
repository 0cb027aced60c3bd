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

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

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
    o.Tip = S("SAY");
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

// The header, and with starting the starting code after it.
QStringList generated(const Proiect &p, bool starting)
{
    QStringList lines;
    GeneratorCod gen(p, lines);
    gen.AntetCod();
    if (starting)
        gen.CodDeInceput();
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

// The save dialog over a list of lines, in a fresh current folder that the
// caller fills before open().
struct SaveFx {
    TempCwd cwd;
    QListWidget lines;
    std::unique_ptr<FrmSaveToFile> d;
    FrmSaveToFile *open(const QStringList &items = {})
    {
        lines.addItems(items);
        d = std::make_unique<FrmSaveToFile>(&lines);
        d->show();
        return d.get();
    }
    QLineEdit *txt() const { return find<QLineEdit>(d.get(), S("txtNumeFisier")); }
    QPushButton *button(const char *name) const { return find<QPushButton>(d.get(), S(name)); }
    QStringList files() const { return QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

class TestFrmCod : public QObject
{
    Q_OBJECT

private slots:
    void projectCommandShowsWholeProgram();
    void windowCommandShowsOneWindowAndRegenerates();
    void regenerationFollowsTheActiveWindow();
    void labelsRefreshOnlyOnFocusAndClick();
    void bannerCyclesFourPictures();
    void nameBoxRules();
    void fileListAndDrives();
    void savesExactBytesThroughViewer();
    void replacesExistingFile();
    void refusedSaveLeavesDiskAlone_data();
    void refusedSaveLeavesDiskAlone();
    void cancelAndKeysWriteNothing();
};

void TestFrmCod::projectCommandShowsWholeProgram()
{
    Session fx;
    bool opened = false; // a project without windows has nothing to show
    onNextModal([&](QWidget *w) { opened = true, w->close(); }, 300);
    FrmCod::genereazaCodProiect(fx.s, nullptr);
    QTest::qWait(400);
    QVERIFY(!opened);

    Proiect &p = fx.s.proiect;
    addWindow(p, 1, 2, 10, 30, 10, S("Clienti"));
    addWindow(p, 3, 5, 0, 20, 6, QString());
    addSay(p, 4, 3, S("Total"));
    const QStringList expected = ::genereazaCodProiect(p)->linii;
    QVERIFY(expected.contains(S("DEFINE WINDOW FER1 FROM 2,10 TO 11,39 COLOR SCHEME 5 TITLE 'Clienti'")));
    QVERIFY(duringModal([&] { FrmCod::genereazaCodProiect(fx.s, nullptr); },
                        [&](QDialog *d) {
                            QCOMPARE(d->objectName(), S("frmCod"));
                            QCOMPARE(d->windowTitle(), S("Cod"));
                            QVERIFY(d->isModal() && d->minimumSize() == d->maximumSize());
                            auto *chk = find<QCheckBox>(d, S("chkIncludeStartingCode"));
                            QVERIFY(chk && chk->isHidden() && !chk->isChecked());
                            auto *lst = find<QListWidget>(d, S("lstCod"));
                            QCOMPARE(listLines(lst), expected);
                            // The list is first in the tab order: it has the focus, so the total
                            // shows at once while no line is selected yet.
                            QTRY_VERIFY(lst->hasFocus());
                            QCOMPARE(find<QLabel>(d, S("lblTotalLinii"))->text(),
                                     QString::number(expected.size()));
                            QCOMPARE(find<QLabel>(d, S("lblLiniaSelectata"))->text(), S("0"));
                            auto *save = find<QPushButton>(d, S("cmdSalveaza"));
                            auto *ok = find<QPushButton>(d, S("cmdOk"));
                            QVERIFY(!save->autoDefault() && !ok->autoDefault());
                            QCOMPARE(save->text(), S("&Salveaza in fisier"));
                            ok->click();
                            QVERIFY(!d->isVisible());
                        }));
    QVERIFY(!findTopLevel(S("frmCod"))); // destroyed with its lines
}

void TestFrmCod::windowCommandShowsOneWindowAndRegenerates()
{
    // Without a window palette no window is active, so regenerating asks
    // for a window that does not exist.
    Sesiune s;
    Proiect &p = s.proiect;
    p.setari.InsereazaDataOra = FlagFalse;
    addWindow(p, 2, 1, 1, 20, 5, S("Date"));
    addSay(p, 1, 2, S("Nume:"));
    const QStringList header = generated(p, false);

    // A free window is reported, and the viewer still opens once it is answered.
    QString boxText;
    QStringList shownLines;
    onNextModal([&](QWidget *w) {
        auto *mb = qobject_cast<QMessageBox *>(w);
        boxText = mb ? mb->text() : QString();
        onNextModal([&](QWidget *v) {
            if (auto *lst = find<QListWidget>(v, S("lstCod")))
                shownLines = listLines(lst);
            v->close();
        });
        mb ? mb->button(QMessageBox::Ok)->click() : void(w->close());
    });
    FrmCod::genereazaCodFereastra(s, 4, nullptr);
    QCOMPARE(boxText, S("Fereastra nu exista!"));
    QCOMPARE(shownLines, header + QStringList{S("DEACTIVATE WINDOW FER4")});

    QVERIFY(duringModal(
        [&] { FrmCod::genereazaCodFereastra(s, 2, nullptr); },
        [&](QDialog *d) {
            auto *chk = find<QCheckBox>(d, S("chkIncludeStartingCode"));
            auto *lst = find<QListWidget>(d, S("lstCod"));
            auto *total = find<QLabel>(d, S("lblTotalLinii"));
            QVERIFY(chk->isVisible() && !chk->isChecked());
            QCOMPARE(chk->text(), S("Insereaza codul de inceput"));
            // Opening with the box cleared did not regenerate: window 2's block is there.
            QStringList lines = listLines(lst);
            QCOMPARE(lines,
                     header +
                         QStringList({S("DEFINE WINDOW FER2 FROM 1,1 TO 5,20 COLOR SCHEME 5 TITLE 'Date'"),
                                      S("ACTIVATE WINDOW FER2"), S("@ 0,0 SAY 'Nume:'"),
                                      S("DEACTIVATE WINDOW FER2")}));
            QTRY_COMPARE(total->text(), QString::number(lines.size()));

            auto box = answerNextMessageBox(QMessageBox::Ok);
            clickWidget(chk); // the user's click takes the focus from the list
            QVERIFY(chk->isChecked());
            d->activateWindow(); // the platform plugin may not do it when the box goes
            QTRY_VERIFY(chk->hasFocus());
            QVERIFY(box->seen);
            QCOMPARE(box->title, S("Eroare generare cod!"));
            QCOMPARE(box->icon, QMessageBox::Critical);
            lines = listLines(lst);
            // Header and starting code are still generated around the missing block.
            QCOMPARE(lines.mid(0, generated(p, true).size()), generated(p, true));
            QVERIFY(!lines.join(QLatin1Char('\n')).contains(S("FER2")));
            // Regenerating does not refresh the total; focusing the list does.
            QCOMPARE(total->text(), QString::number(header.size() + 4));
            lst->setFocus();
            QTRY_COMPARE(total->text(), QString::number(lines.size()));

            box = answerNextMessageBox(QMessageBox::Ok);
            chk->click();
            QVERIFY(box->seen && !chk->isChecked());
            QVERIFY(!listLines(lst).contains(S("SET ESCAPE OFF")));
            QCOMPARE(listLines(lst).mid(0, header.size()), header);
        }));
}

void TestFrmCod::regenerationFollowsTheActiveWindow()
{
    Session fx;
    Proiect &p = fx.s.proiect;
    for (int n = 1; n <= NumarFerestre; ++n)
        addWindow(p, n, n, n, 20, 5, S("F%1").arg(n));
    // Whatever the palette has selected is the window regenerated.
    const int active = fx.ferestre->fereastraActiva();
    const bool missing = !p.fereastraFolosita(active);
    QVERIFY(duringModal([&] { FrmCod::genereazaCodFereastra(fx.s, 1, nullptr); },
                        [&](QDialog *d) {
                            auto box = missing ? answerNextMessageBox(QMessageBox::Ok) : nullptr;
                            find<QCheckBox>(d, S("chkIncludeStartingCode"))->click();
                            QVERIFY(!missing || box->seen);
                            QStringList expected = generated(p, true);
                            GeneratorCod gen(p, expected);
                            gen.CodFereastra(active);
                            gen.InchideFereastra(active);
                            QCOMPARE(listLines(find<QListWidget>(d, S("lstCod"))), expected);
                        }));
}

void TestFrmCod::labelsRefreshOnlyOnFocusAndClick()
{
    Session fx;
    FrmCod viewer(fx.s);
    auto *lst = find<QListWidget>(&viewer, S("lstCod"));
    auto *selected = find<QLabel>(&viewer, S("lblLiniaSelectata"));
    auto *total = find<QLabel>(&viewer, S("lblTotalLinii"));
    auto *chk = find<QCheckBox>(&viewer, S("chkIncludeStartingCode"));
    viewer.setLinii({S("a"), S("b"), S("c"), S("d")});
    QCOMPARE(total->text(), S("0")); // filling is not focusing
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTRY_COMPARE(total->text(), S("4"));

    clickLine(lst, 2);
    QCOMPARE(selected->text(), S("3"));
    QTest::keyClick(lst, Qt::Key_Down); // the keyboard moves the selection only
    QCOMPARE(lst->currentRow(), 3);
    lst->setCurrentRow(0);
    QCOMPARE(selected->text(), S("3"));

    viewer.setLinii({S("x"), S("y")});
    chk->setFocus();
    QTRY_VERIFY(chk->hasFocus());
    QCOMPARE(total->text(), S("4"));
    lst->setFocus();
    QTRY_COMPARE(total->text(), S("2"));
    clickLine(lst, 1);
    QCOMPARE(selected->text(), S("2"));
    QTest::keyClick(lst, Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
}

void TestFrmCod::bannerCyclesFourPictures()
{
    Session fx;
    FrmCod viewer(fx.s);
    auto *img = find<QLabel>(&viewer, S("imgBanner"));
    auto *tmr = find<QTimer>(&viewer, S("tmrBanner"));
    QVERIFY(img && tmr && tmr->isActive());
    QCOMPARE(tmr->interval(), 1000);
    auto shows = [img](int n) { // missing pictures leave a blank banner rather than failing
        const QPixmap expected(S(":/images/banner%1.png").arg(n));
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

void TestFrmCod::nameBoxRules()
{
    SaveFx fx;
    QDialog *dialog = fx.open();
    QCOMPARE(dialog->objectName(), S("frmSaveToFile"));
    QCOMPARE(dialog->windowTitle(), S("Salveaza codul in fisier"));
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QLineEdit *txt = fx.txt();
    QPushButton *save = fx.button("cmdSalveaza");
    QVERIFY(!save->autoDefault() && !fx.button("cmdAnuleaza")->autoDefault());
    QVERIFY(!save->isEnabled());

    // Typed: capitals, no path or wildcard characters, 8 at most; Salveaza
    // follows the name without its blanks.
    const struct {
        const char *typed, *shown;
        bool canSave;
    } typed[] = {
        {"raport", "RAPORT", true},
        {"r_1-x", "R_1-X", true},
        {"a/b\\c:d", "ABCD", true},
        {"*?\"<>|x", "X", true},
        {"abcdefghijk", "ABCDEFGH", true},
        {"   ", nullptr, false},
        {" a", nullptr, true},
        {"/", "", false},
    };
    for (const auto &c : typed) {
        txt->clear();
        QTest::keyClicks(txt, S(c.typed));
        QVERIFY2(!c.shown || txt->text() == S(c.shown), c.typed);
        QVERIFY2(save->isEnabled() == c.canSave, c.typed);
    }
    txt->clear(); // letters beyond ASCII are upper-cased too
    QTest::sendKeyEvent(QTest::Click, txt, Qt::Key_unknown, S("ş"), Qt::NoModifier);
    QCOMPARE(txt->text(), S("Ş"));

    txt->clear(); // a dropped character does not move the cursor
    QTest::keyClicks(txt, S("ab"));
    QTest::keyClick(txt, Qt::Key_Home);
    QTest::keyClicks(txt, S("/x"));
    QCOMPARE(txt->cursorPosition(), 1);
    QTest::keyClicks(txt, S("y"));
    QCOMPARE(txt->text(), S("XYAB"));

    // Text set from code or pasted follows the same rules.
    txt->setText(S("c:\\tmp\tq"));
    QCOMPARE(txt->text(), S("CTMPQ"));
    txt->setFocus();
    for (bool byKey : {false, true}) {
        txt->clear();
        QApplication::clipboard()->setText(S("p/q\nr|s"));
        byKey ? QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier) : txt->paste();
        QCOMPARE(txt->text(), S("PQRS"));
    }
}

void TestFrmCod::fileListAndDrives()
{
    SaveFx fx;
    const TempCwd &cwd = fx.cwd;
    for (const char *name : {"clienti.prg", "A.B.PRG", "Raport.Prg", "notes.txt", "prg", "vol/ROOT.PRG"}) {
        QVERIFY(QDir(cwd.path()).mkpath(S("vol")));
        QVERIFY(writeFile(cwd.filePath(S(name)), "x"));
    }
    QVERIFY(QDir(cwd.path()).mkdir(S("DOSAR.PRG")));
    FrmSaveToFile *dialog = fx.open();
    QObject *dir = find<QObject>(dialog, S("Dir"));
    auto *files = find<QListWidget>(dialog, S("File"));
    QCOMPARE(dir->property("path").toString(), QDir::currentPath());
    QCOMPARE(listLines(files), QStringList({S("A.B.PRG"), S("clienti.prg"), S("Raport.Prg")}));

    clickLine(files, 0);
    QCOMPARE(fx.txt()->text(), S("A"));
    clickLine(files, 1);
    QCOMPARE(fx.txt()->text(), S("CLIENTI"));
    QVERIFY(fx.button("cmdSalveaza")->isEnabled());

    // Another folder shows its own programs; a root gets no second separator.
    const QString vol = cwd.filePath(S("vol"));
    dir->setProperty("path", vol);
    QCOMPARE(listLines(files), QStringList({S("ROOT.PRG")}));
    QCOMPARE(dialog->caleFisier(), cwd.filePath(S("vol/CLIENTI.PRG")));
    dir->setProperty("path", QDir::rootPath());
    QCOMPARE(dialog->caleFisier(), QDir::rootPath() + S("CLIENTI.PRG"));

    // A volume root is what the drive list carries as item data.
    auto *drive = find<QComboBox>(dialog, S("Drive"));
    QVERIFY(drive && drive->count() > 0);
    drive->addItem(S("VOL"), vol);
    drive->setCurrentIndex(drive->count() - 1);
    QCOMPARE(dir->property("path").toString(), vol);
    QCOMPARE(listLines(files), QStringList({S("ROOT.PRG")}));

    // A drive that cannot be read is reported and the folder stays.
    const QString missing = cwd.filePath(S("nu-exista"));
    drive->addItem(S("LIPSA"), missing);
    auto box = answerNextMessageBox(QMessageBox::Ok);
    drive->setCurrentIndex(drive->count() - 1);
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(box->text.contains(S("nu-exista")));
    QCOMPARE(dir->property("path").toString(), vol);
    QVERIFY(drive->currentData().toString() != missing);
}

void TestFrmCod::savesExactBytesThroughViewer()
{
    TempCwd cwd;
    Session fx;
    FrmCod viewer(fx.s);
    const QStringList program = {S("SET TALK OFF"), QString(), S("@ 1,2 SAY 'şţăâî ŞŢĂÂÎ'"), S("READ")};
    viewer.setLinii(program);
    auto *lst = find<QListWidget>(&viewer, S("lstCod"));

    const bool opened =
        duringModal([&] { viewer.exec(); },
                    [&](QDialog *v) {
                        const bool saved = duringModal(
                            [&] { find<QPushButton>(v, S("cmdSalveaza"))->click(); },
                            [&](QDialog *d) {
                                QCOMPARE(d->objectName(), S("frmSaveToFile"));
                                QCOMPARE(QApplication::activeModalWidget(), d);
                                QTest::keyClicks(find<QLineEdit>(d, S("txtNumeFisier")), S(" raport"));
                                find<QPushButton>(d, S("cmdSalveaza"))->click();
                                QVERIFY(!d->isVisible()); // closed without a confirmation
                            });
                        QVERIFY(saved);
                        QVERIFY(v->isVisible());
                        QCOMPARE(listLines(lst), program);
                        QCOMPARE(lst->currentRow(), program.size() - 1);
                    });
    QVERIFY(opened);

    // CR LF after every line, Windows-1250 letters.
    QCOMPARE(readAll(cwd.filePath(S("RAPORT.PRG"))),
             QByteArray("SET TALK OFF\r\n\r\n@ 1,2 SAY '\xBA\xFE\xE3\xE2\xEE "
                        "\xAA\xDE\xC3\xC2\xCE'\r\nREAD\r\n"));
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList({S("RAPORT.PRG")}));
}

void TestFrmCod::replacesExistingFile()
{
    SaveFx fx;
    const QString target = fx.cwd.filePath(S("R.PRG"));
    QVERIFY(writeFile(target, QByteArray(500, 'o')));
    FrmSaveToFile *dialog = fx.open({S("A"), S("B")});
    // The existing file is listed; picking it and saving replaces it unasked.
    clickLine(find<QListWidget>(dialog, S("File")), 0);
    QCOMPARE(fx.txt()->text(), S("R"));
    fx.button("cmdSalveaza")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(readAll(target), QByteArray("A\r\nB\r\n"));
}

void TestFrmCod::refusedSaveLeavesDiskAlone_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("unencodable line") << 0;
    QTest::newRow("folder gone") << 1;        // turned into a plain file behind the dialog's back
    QTest::newRow("target is a folder") << 2; // the temporary file cannot be renamed over it
}

void TestFrmCod::refusedSaveLeavesDiskAlone()
{
    QFETCH(int, fault);
    SaveFx fx;
    const QString folder = fx.cwd.filePath(S("dosar"));
    const QString kept = fx.cwd.filePath(S("X.PRG/in.txt"));
    if (fault == 2) {
        QVERIFY(QDir(fx.cwd.path()).mkdir(S("X.PRG")));
        QVERIFY(writeFile(kept, "pastrat"));
    }
    FrmSaveToFile *dialog = fx.open({S("A"), S("B"), S(fault == 0 ? "@ 0,0 SAY '日'" : "C"), S("D")});
    if (fault == 1) {
        QVERIFY(QDir(fx.cwd.path()).mkdir(S("dosar")));
        find<QObject>(dialog, S("Dir"))->setProperty("path", folder);
        QVERIFY(QDir(fx.cwd.path()).rmdir(S("dosar")));
        QVERIFY(writeFile(folder, "neatins"));
    }
    QTest::keyClicks(fx.txt(), S("x"));
    auto box = answerNextMessageBox(QMessageBox::Ok);
    fx.button("cmdSalveaza")->click();
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(dialog->isVisible());
    QCOMPARE(fx.lines.count(), 4);
    if (fault == 0) {
        QVERIFY2(box->text.contains(S("Linia 3")) && box->text.contains(S("日")), qPrintable(box->text));
        QCOMPARE(fx.lines.currentRow(), 2);
        QCOMPARE(fx.files(), QStringList());
    } else if (fault == 1) {
        QVERIFY(box->text.contains(S("X.PRG")));
        QVERIFY(box->text.contains(QLatin1Char('\n'))); // the reason follows the name
        QCOMPARE(readAll(folder), QByteArray("neatins"));
    } else {
        QCOMPARE(readAll(kept), QByteArray("pastrat"));
        QCOMPARE(fx.files(), QStringList());
    }
}

void TestFrmCod::cancelAndKeysWriteNothing()
{
    TempCwd cwd;
    QListWidget lines;
    lines.addItems({S("A")});
    for (bool escape : {false, true}) {
        FrmSaveToFile dialog(&lines);
        const bool shown = duringModal([&] { dialog.exec(); },
                                       [&](QDialog *d) {
                                           auto *txt = find<QLineEdit>(d, S("txtNumeFisier"));
                                           QTest::keyClicks(txt, S("nou"));
                                           QTest::keyClick(txt, Qt::Key_Return); // no default button
                                           QVERIFY(d->isVisible());
                                           if (escape)
                                               QTest::keyClick(txt, Qt::Key_Escape);
                                           else
                                               find<QPushButton>(d, S("cmdAnuleaza"))->click();
                                           QVERIFY(!d->isVisible());
                                       });
        QVERIFY(shown);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_MAIN(TestFrmCod)
#include "tst_frmcod.moc"
