#include "app/frmcod.h"
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The viewer's program after its four header lines.
QStringList afterHeader(QWidget *form)
{
    QStringList l;
    for (auto *list = find<QListWidget>(form, u"lstCod"_s); list && l.size() < list->count();)
        l << list->item(int(l.size()))->text();
    return l.value(0).startsWith(u"****"_s) && l.value(3).isEmpty() ? l.mid(4)
                                                                    : QStringList{u"(no header)"_s};
}

QString label(QWidget *form, const char *name)
{
    return find<QLabel>(form, QString::fromLatin1(name))->text();
}

const QStringList StartingCode = {
    u"SET ECHO OFF"_s, u"CLOSE ALL"_s,      u"CLEAR ALL"_s,       u"CLEAR"_s,        u"SET HEADING ON"_s,
    u"SET TALK OFF"_s, u"SET CENTURY ON"_s, u"SET DATE TO DMY"_s, u"SET ECHO OFF"_s, u"SET ESCAPE OFF"_s,
    QString()};

// Window n as "Creaza" makes it: top left, 30 x 10, the first scheme, titled after its number.
QStringList windowBlock(int n)
{
    return {u"DEFINE WINDOW FER%1 FROM 0,0 TO 9,29 COLOR SCHEME 1 TITLE 'FER %1'"_s.arg(n),
            u"ACTIVATE WINDOW FER%1"_s.arg(n)};
}

void clickLine(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestFrmCod : public QObject
{
    Q_OBJECT

private slots:
    void programsFollowTheDesign();
    void saving_data();
    void saving();
};

void TestFrmCod::programsFollowTheDesign()
{
    TempCwd cwd;
    Setari settings = quietSettings();
    settings.InsereazaDataOra = FlagFalse;
    auto m = startMain(settings);
    QAction *project = m->findChild<QAction *>(u"mnuProiectGenereazaCod"_s);
    QVERIFY(!duringModal([&] { project->trigger(); }, [](QDialog *) {})); // no window, no viewer
    for (int i = 0; i < 3; ++i)
        pressKey(*m, "frmFerestre", "CREAZA");
    control<QComboBox>(*m, "frmFerestre", "cmbFereastra")->setCurrentIndex(1); // window 2
    const QStringList one = windowBlock(2) << u"DEACTIVATE WINDOW FER2"_s;
    const auto windowViewer = [&](QDialog *d) {
        auto *chk = find<QCheckBox>(d, u"chkIncludeStartingCode"_s);
        auto *lst = find<QListWidget>(d, u"lstCod"_s);
        QVERIFY(chk->isVisible() && !chk->isChecked());
        QCOMPARE(afterHeader(d), one);
        // The list has the focus at once, so the total shows while no line is selected.
        QTRY_COMPARE(label(d, "lblTotalLinii"), QString::number(lst->count()));
        QCOMPARE(label(d, "lblLiniaSelectata"), u"0"_s);
        clickLine(lst, 2);
        QCOMPARE(label(d, "lblLiniaSelectata"), u"3"_s);
        lst->setCurrentRow(0); // a line selected from code counts as a click
        QCOMPARE(label(d, "lblLiniaSelectata"), u"1"_s);
        // The box regenerates the window chosen in the palette, with or without the starting code; the counts
        // follow the lines shown, of which none is selected.
        for (const QStringList &shown : {StartingCode + one, one}) {
            clickLine(lst, lst->count() - 1);
            clickWidget(chk);
            QCOMPARE(afterHeader(d), shown);
            QCOMPARE(label(d, "lblTotalLinii"), QString::number(4 + shown.size()));
            QCOMPARE(label(d, "lblLiniaSelectata"), u"0"_s);
        }
    };
    QVERIFY(duringModal([&] { pressKey(*m, "frmFerestre", "COD"); }, windowViewer));
    pressKey(*m, "frmFerestre", "STERGE"); // windows 1 and 3 are left
    const QStringList closing = {u"DEACTIVATE WINDOW FER1"_s, u"DEACTIVATE WINDOW FER3"_s};
    const auto projectViewer = [&](QDialog *d) {
        QVERIFY(find<QCheckBox>(d, u"chkIncludeStartingCode"_s)->isHidden());
        QCOMPARE(afterHeader(d), StartingCode + windowBlock(1) + windowBlock(3) + closing);
    };
    QVERIFY(duringModal([&] { project->trigger(); }, projectViewer));
}

void TestFrmCod::saving_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("file");     // the file written, if any
    QTest::addColumn<QString>("selected"); // the viewer's line label afterwards
    // The name is put in capitals, 8 at most with the blank, no path characters or wildcards.
    QTest::newRow("Enter") << u" r/a\\p:o*r?t\"<>|xyz"_s << u"enter"_s << u"RAPORTX.PRG"_s << u"4"_s;
    // A picked OLD.B.PRG gives OLD, which exists: Da replaces it, Nu keeps it and the dialog.
    QTest::newRow("OLD.B.PRG picked, Salveaza, Da")
        << QString() << u"cmdSalveaza"_s << u"OLD.PRG"_s << u"4"_s;
    QTest::newRow("OLD.B.PRG picked, Salveaza, Nu") << QString() << u"cmdSalveaza"_s << QString() << u"0"_s;
    QTest::newRow("Anuleaza") << u"nou"_s << u"cmdAnuleaza"_s << QString() << u"0"_s;
    QTest::newRow("Esc") << u"nou"_s << u"esc"_s << QString() << u"0"_s;
    QTest::newRow("line 3 not in Windows-1250") << u"nou"_s << u"enter"_s << QString() << u"3"_s;
}

void TestFrmCod::saving()
{
    QFETCH(QString, name);
    QFETCH(QString, ending);
    QFETCH(QString, file);
    QFETCH(QString, selected);
    const bool refused = selected == u"3"_s, exists = name.isEmpty(), kept = exists && file.isEmpty();
    TempCwd cwd;
    for (const char *f : {"OLD.PRG", "OLD.B.PRG", "notes.txt"})
        QVERIFY(QFile(cwd.filePath(QString::fromLatin1(f))).open(QIODevice::WriteOnly));
    Sesiune s;
    FrmCod viewer(s);
    viewer.setLinii({u"SET TALK OFF"_s, QString(),
                     refused ? u"@ 1,2 SAY '日'"_s : u"@ 1,2 SAY 'şţăâî ŞŢĂÂÎ'"_s, u"READ"_s});
    std::shared_ptr<SeenBox> box;
    const auto saveDialog = [&](QDialog *d) {
        auto *txt = find<QLineEdit>(d, u"txtNumeFisier"_s);
        auto *list = find<QListWidget>(d, u"File"_s); // the programs of the folder
        QVERIFY(list->count() == 2 && list->item(0)->text() == u"OLD.B.PRG"_s);
        name.isEmpty() ? clickLine(list, 0) : QTest::keyClicks(txt, name); // a pick gives OLD
        box = refused  ? answerNextMessageBox(QMessageBox::Ok)
              : exists ? answerNextMessageBox(kept ? QMessageBox::No : QMessageBox::Yes)
                       : nullptr;
        txt->setFocus();
        ending.startsWith(u"cmd"_s)
            ? clickWidget(find<QPushButton>(d, ending))
            : QTest::keyClick(txt, ending == u"esc"_s ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(d->isVisible(), refused || kept);
    };
    const auto codeViewer = [&](QDialog *v) {
        QVERIFY(duringModal([&] { clickWidget(find<QPushButton>(v, u"cmdSalveaza"_s)); }, saveDialog));
        QVERIFY(v->isVisible());
        QCOMPARE(label(v, "lblLiniaSelectata"), selected);
    };
    QVERIFY(duringModal([&] { viewer.exec(); }, codeViewer));
    QVERIFY(!refused ||
            (box->seen && box->icon == QMessageBox::Critical && box->text.contains(u"Linia 3"_s)));
    QVERIFY(!exists || (box->seen && box->buttons == (QMessageBox::Yes | QMessageBox::No) &&
                        box->text == u"Fisierul OLD.PRG exista deja. Il inlocuiti?"_s));
    // CR LF after every line, Windows-1250 letters; no other file.
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), file == u"RAPORTX.PRG"_s ? 4 : 3);
    QFile f(cwd.filePath(file.isEmpty() ? u"OLD.PRG"_s : file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), file.isEmpty() ? QByteArray()
                                         : QByteArray("SET TALK OFF\r\n\r\n@ 1,2 SAY '\xBA\xFE\xE3\xE2\xEE "
                                                      "\xAA\xDE\xC3\xC2\xCE'\r\nREAD\r\n"));
}

QTEST_MAIN(TestFrmCod)
#include "tst_frmcod.moc"
