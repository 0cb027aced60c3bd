#include "app/frmlogo.h"
#include "app/mdimain.h"
#include "model/optionsfile.h"
#include "model/rounding.h"
#include "support/uitest.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSettings(const Setari &s)
{
    QVERIFY(OptionsFile::write(OptionsFile::defaultFileName(), s));
}

QMdiSubWindow *sub(MdiMain &m, const char *form)
{
    QWidget *w = m.findChild<QWidget *>(QString::fromLatin1(form));
    return w ? m.subFereastra(w) : nullptr;
}

QAction *action(MdiMain &m, const char *name)
{
    return m.findChild<QAction *>(QString::fromLatin1(name));
}

QPoint toPixels(const Pozitie &p)
{
    return {p.Left / 15, p.Top / 15};
}

} // namespace

class TestMdiMain : public QObject
{
    Q_OBJECT

private slots:
    void captionMenusAndBars();
    void firstStartUsesDefaultPlacesAndAsksNothing();
    void savedPlacesRoundTripThroughTheExitCommand();
    void exitAnsweredNoKeepsRunningWithTheFileWritten();
    void titleBarCloseWritesNothingButAsks();
    void childWindowsRefuseToClose();
    void positionsOutOfSightComeBackIntoView();
    void farPositionsAreClampedToTheRecord();
    void paleteItemsActivateTheirWindow();
    void generateCodeNeedsAWindow();
    void unreadableOptionsFileIsReportedAndLoadGoesOn();
    void splashShowsMainAtTheThirdTick();
    void splashClickShowsMainAtOnce();
};

void TestMdiMain::captionMenusAndBars()
{
    TempCwd cwd;
    MdiMain m;
    QCOMPARE(m.objectName(), QStringLiteral("mdiMain"));
    QCOMPARE(m.windowTitle(), QStringLiteral("Sirolant Studio - v1.0.0"));

    auto *toolbar = m.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QVERIFY(toolbar->actions().isEmpty());
    QVERIFY(m.findChild<QStatusBar *>(QStringLiteral("StatusBar1")));

    const struct {
        const char *menu;
        const char *title;
        QList<std::tuple<const char *, const char *, QKeySequence>> items;
    } expected[] = {
        {"mnuProiect",
         "Proiect",
         {{"mnuProiectGenereazaCod", "Genereaza codul proiectului...", QKeySequence()},
          {"mnuSetariSetari", "Setari", QKeySequence(Qt::Key_F5)}}},
        {"mnuPalete",
         "Palete",
         {{"mnuPaleteTabelaDeLucru", "Tabela de lucru", QKeySequence(QStringLiteral("Ctrl+L"))},
          {"mnuPaleteObiecte", "Obiecte", QKeySequence(QStringLiteral("Ctrl+O"))},
          {"mnuPaleteFerestre", "Ferestre", QKeySequence(QStringLiteral("Ctrl+F"))}}},
        {"mnuDespre", "Despre...", {{"mnuDespreSirolant", "Sirolant", QKeySequence()}}},
        {"mnuIesire", "Iesire", {{"mnuIesireInchideSirolant", "Inchide Sirolant...", QKeySequence()}}},
    };
    const QList<QAction *> bar = m.menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QMenu *menu = m.findChild<QMenu *>(QString::fromLatin1(expected[i].menu));
        QVERIFY(menu);
        QCOMPARE(bar[i]->menu(), menu);
        QCOMPARE(menu->title(), QString::fromLatin1(expected[i].title));
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), expected[i].items.size());
        for (int k = 0; k < items.size(); ++k) {
            QCOMPARE(items[k]->objectName(), QString::fromLatin1(std::get<0>(expected[i].items[k])));
            QCOMPARE(items[k]->text(), QString::fromLatin1(std::get<1>(expected[i].items[k])));
            QCOMPARE(items[k]->shortcut(), std::get<2>(expected[i].items[k]));
        }
    }

    // The three child windows with their captions.
    QCOMPARE(sub(m, "frmTabelaDeLucru")->windowTitle(), QStringLiteral("Tabela de lucru"));
    QCOMPARE(sub(m, "frmFerestre")->windowTitle(), QStringLiteral(" Ferestre"));
    QCOMPARE(sub(m, "frmObiecte")->windowTitle(), QStringLiteral("Obiecte"));
    QCOMPARE(m.mdiArea()->subWindowList().size(), 3);
    // The work table's client area is 80 x 25 cells of 9 x 16 pixels.
    QCOMPARE(m.findChild<QWidget *>(QStringLiteral("frmTabelaDeLucru"))->size(), QSize(720, 400));
    QCOMPARE(m.findChild<QWidget *>(QStringLiteral("frmFerestre"))->size(), QSize(580, 115));

    // The pictures are linked in with the forms.
    for (const char *name : {"logo", "produs", "sirolant", "banner1", "banner4", "creaza", "sterge", "cod", "say",
                             "get", "buton", "proprietati", "stergeobiect"})
        QVERIFY2(!QPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(name))).isNull(), name);
}

void TestMdiMain::firstStartUsesDefaultPlacesAndAsksNothing()
{
    TempCwd cwd;
    const QString opt = cwd.filePath(QStringLiteral("Sirolant.opt"));
    auto m = std::make_unique<MdiMain>();
    // The missing options file was created empty; everything read as zero.
    QVERIFY(QFile::exists(opt));
    QCOMPARE(QFileInfo(opt).size(), qint64(0));
    QVERIFY(m->proiect().setari == Setari{});
    QVERIFY(!m->proiect().existaFerestre());

    const QSize outer = m->frameGeometry().size();
    QMdiSubWindow *tabela = sub(*m, "frmTabelaDeLucru");
    QMdiSubWindow *obiecte = sub(*m, "frmObiecte");
    QMdiSubWindow *ferestre = sub(*m, "frmFerestre");
    QCOMPARE(tabela->pos(), QPoint(0, 0));
    // Twips from the outer sizes, back to whole pixels.
    QCOMPARE(obiecte->pos(), QPoint(roundHalfEven((outer.width() * 15 - obiecte->width() * 15 - 180) / 15.0), 0));
    QCOMPARE(ferestre->pos(),
             QPoint(0, roundHalfEven((outer.height() * 15 - ferestre->height() * 15 - 1700) / 15.0)));
    QVERIFY(tabela->isVisible() || !m->isVisible());

    // No confirmation: close succeeds at once, and writes nothing.
    m->show();
    auto box = answerNextMessageBox(QMessageBox::No, 300);
    QVERIFY(m->close());
    QTest::qWait(350);
    QVERIFY(!box->seen);
    QCOMPARE(QFileInfo(opt).size(), qint64(0));
}

void TestMdiMain::savedPlacesRoundTripThroughTheExitCommand()
{
    TempCwd cwd;
    Setari s;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    s.ConfirmareaInchidere = FlagTrue;
    s.IncludeComentariile = FlagTrue;
    s.CaleFoxPRO = QStringLiteral("C:\\FP\\FOXPRO.EXE");
    s.PozitieTabela = {150, 300};
    s.PozitieFerestre = {1500, 7500};
    s.PozitieObiecte = {9000, 45};
    writeSettings(s);
    {
        MdiMain m;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QCOMPARE(sub(m, "frmTabelaDeLucru")->pos(), toPixels(s.PozitieTabela));
        QCOMPARE(sub(m, "frmFerestre")->pos(), toPixels(s.PozitieFerestre));
        QCOMPARE(sub(m, "frmObiecte")->pos(), toPixels(s.PozitieObiecte));

        sub(m, "frmTabelaDeLucru")->move(7, 9);
        sub(m, "frmFerestre")->move(20, 400);
        sub(m, "frmObiecte")->move(600, 3);
        auto box = answerNextMessageBox(QMessageBox::Yes);
        action(m, "mnuIesireInchideSirolant")->trigger();
        QVERIFY(box->seen);
        QCOMPARE(box->title, QStringLiteral("ATENTIE!"));
        QCOMPARE(box->text, QStringLiteral("Esti sigur ca vrei sa inchizi Sirolant?"));
        QCOMPARE(box->icon, QMessageBox::Question);
        QCOMPARE(box->buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(!m.isVisible());
    }
    const QByteArray bytes = fileBytes(OptionsFile::defaultFileName());
    QCOMPARE(bytes.size(), 128);
    const Setari back = OptionsFile::decode(bytes);
    QCOMPARE(back.PozitieTabela, (Pozitie{105, 135}));
    QCOMPARE(back.PozitieFerestre, (Pozitie{300, 6000}));
    QCOMPARE(back.PozitieObiecte, (Pozitie{9000, 45}));
    QCOMPARE(back.CaleFoxPRO, s.CaleFoxPRO); // the rest of the record is kept
    QCOMPARE(back.IncludeComentariile, FlagTrue);

    MdiMain again;
    QCOMPARE(sub(again, "frmTabelaDeLucru")->pos(), QPoint(7, 9));
    QCOMPARE(sub(again, "frmFerestre")->pos(), QPoint(20, 400));
    QCOMPARE(sub(again, "frmObiecte")->pos(), QPoint(600, 3));
    again.proiect().setari.ConfirmareaInchidere = FlagFalse;
}

void TestMdiMain::exitAnsweredNoKeepsRunningWithTheFileWritten()
{
    TempCwd cwd;
    Setari s;
    s.ConfirmareaInchidere = FlagTrue;
    s.PozitieTabela = {450, 450}; // not restored, and kept as read
    writeSettings(s);
    MdiMain m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QCOMPARE(sub(m, "frmTabelaDeLucru")->pos(), QPoint(0, 0));
    sub(m, "frmTabelaDeLucru")->move(50, 50);
    QFile::remove(OptionsFile::defaultFileName());

    auto box = answerNextMessageBox(QMessageBox::No);
    action(m, "mnuIesireInchideSirolant")->trigger();
    QVERIFY(box->seen);
    QVERIFY(m.isVisible());
    const Setari back = OptionsFile::decode(fileBytes(OptionsFile::defaultFileName()));
    QCOMPARE(back.PozitieTabela, (Pozitie{450, 450}));
    QCOMPARE(back.ConfirmareaInchidere, FlagTrue);

    m.proiect().setari.ConfirmareaInchidere = FlagFalse;
    QVERIFY(m.close());
}

void TestMdiMain::titleBarCloseWritesNothingButAsks()
{
    TempCwd cwd;
    Setari s;
    s.ConfirmareaInchidere = FlagTrue;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    writeSettings(s);
    const QByteArray before = fileBytes(OptionsFile::defaultFileName());
    MdiMain m;
    m.show();
    sub(m, "frmObiecte")->move(10, 10);
    auto no = answerNextMessageBox(QMessageBox::No);
    QVERIFY(!m.close());
    QVERIFY(no->seen);
    auto yes = answerNextMessageBox(QMessageBox::Yes);
    QVERIFY(m.close());
    QVERIFY(yes->seen);
    QCOMPARE(fileBytes(OptionsFile::defaultFileName()), before);
}

void TestMdiMain::childWindowsRefuseToClose()
{
    TempCwd cwd;
    MdiMain m;
    m.show();
    for (const char *form : {"frmTabelaDeLucru", "frmFerestre", "frmObiecte"}) {
        QMdiSubWindow *s = sub(m, form);
        auto box = answerNextMessageBox(QMessageBox::Ok);
        QVERIFY(!s->close());
        QVERIFY2(box->seen, form);
        QCOMPARE(box->title, QStringLiteral("Inchidere abandonata"));
        QCOMPARE(box->text, QStringLiteral("Aceasta fereastra nu poate fi inchisa!"));
        QCOMPARE(box->icon, QMessageBox::Warning);
        QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(s->isVisible());
        QCOMPARE(m.mdiArea()->subWindowList().size(), 3);
    }
    // Closing the main window takes them along without a message.
    auto box = answerNextMessageBox(QMessageBox::Ok, 300);
    QVERIFY(m.close());
    QTest::qWait(350);
    QVERIFY(!box->seen);
}

void TestMdiMain::positionsOutOfSightComeBackIntoView()
{
    TempCwd cwd;
    Setari s;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    s.PozitieTabela = {32000, 32000};
    s.PozitieFerestre = {-30000, 300};
    s.PozitieObiecte = {150, -900};
    writeSettings(s);
    MdiMain m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    const QRect area = m.mdiArea()->viewport()->rect();
    for (const char *form : {"frmTabelaDeLucru", "frmFerestre", "frmObiecte"}) {
        const QRect r = sub(m, form)->geometry();
        QVERIFY2(r.top() >= 0 && r.left() >= 0, form);
        QVERIFY2(r.left() < area.width() - 20 && r.top() < area.height() - 20, form);
    }
    QCOMPARE(sub(m, "frmObiecte")->pos(), QPoint(10, 0)); // only the hidden coordinate moves
}

void TestMdiMain::farPositionsAreClampedToTheRecord()
{
    TempCwd cwd;
    Setari s;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    writeSettings(s);
    MdiMain m;
    sub(m, "frmObiecte")->move(2500, 10); // 37500 twips: past the 16-bit range
    action(m, "mnuIesireInchideSirolant")->trigger();
    QCOMPARE(m.proiect().setari.PozitieObiecte, (Pozitie{32767, 150}));
    QCOMPARE(OptionsFile::decode(fileBytes(OptionsFile::defaultFileName())).PozitieObiecte,
             (Pozitie{32767, 150}));
}

void TestMdiMain::paleteItemsActivateTheirWindow()
{
    TempCwd cwd;
    MdiMain m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    const struct {
        const char *action;
        const char *form;
    } items[] = {
        {"mnuPaleteObiecte", "frmObiecte"},
        {"mnuPaleteTabelaDeLucru", "frmTabelaDeLucru"},
        {"mnuPaleteFerestre", "frmFerestre"},
        {"mnuPaleteObiecte", "frmObiecte"},
    };
    for (const auto &i : items) {
        action(m, i.action)->trigger();
        QCOMPARE(m.mdiArea()->activeSubWindow(), sub(m, i.form));
    }
}

void TestMdiMain::generateCodeNeedsAWindow()
{
    TempCwd cwd;
    MdiMain m;
    m.show();
    bool opened = false;
    onNextModal([&](QWidget *w) {
        opened = true;
        w->close();
    }, 300);
    action(m, "mnuProiectGenereazaCod")->trigger();
    QTest::qWait(350);
    QVERIFY(!opened);

    Fereastra &f = m.proiect().fereastra(2);
    f.Libera = FlagFalse;
    f.Latime = 30;
    f.Inaltime = 10;
    f.SchemaCulori = 1;
    QStringList shown;
    onNextModal([&](QWidget *w) {
        if (auto *list = w->findChild<QListWidget *>(QStringLiteral("lstCod"))) {
            for (int i = 0; i < list->count(); ++i)
                shown.append(list->item(i)->text());
        }
        w->close();
    });
    action(m, "mnuProiectGenereazaCod")->trigger();
    QVERIFY(shown.contains(QStringLiteral("DEFINE WINDOW FER2 FROM 1,0 TO 10,29 COLOR SCHEME 1 TITLE 'FER 2'")));
    QCOMPARE(shown.last(), QStringLiteral("DEACTIVATE WINDOW FER2"));
}

void TestMdiMain::unreadableOptionsFileIsReportedAndLoadGoesOn()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("Sirolant.opt")));
    auto box = answerNextMessageBox(QMessageBox::Ok);
    MdiMain m;
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QVERIFY(box->text.contains(QStringLiteral("Sirolant.opt")));
    QVERIFY(m.proiect().setari == Setari{});
    QCOMPARE(m.mdiArea()->subWindowList().size(), 3);

    auto writeBox = answerNextMessageBox(QMessageBox::Ok);
    action(m, "mnuIesireInchideSirolant")->trigger();
    QVERIFY(writeBox->seen);
    QCOMPARE(writeBox->icon, QMessageBox::Critical);
    QVERIFY(!m.isVisible());
}

void TestMdiMain::splashShowsMainAtTheThirdTick()
{
    TempCwd cwd;
    MdiMain m;
    FrmLogo logo(&m);
    logo.show();
    QCOMPARE(logo.objectName(), QStringLiteral("frmLogo"));
    QCOMPARE(logo.size(), QSize(400, 297));
    QVERIFY(logo.windowFlags() & Qt::FramelessWindowHint);
    QTimer *timer = logo.findChild<QTimer *>(QStringLiteral("Timer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);

    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QVERIFY(!m.isVisible());
    QVERIFY(logo.isVisible());
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QVERIFY(m.isVisible());
    QVERIFY(!logo.isVisible());
    QVERIFY(!timer->isActive());
}

void TestMdiMain::splashClickShowsMainAtOnce()
{
    TempCwd cwd;
    MdiMain m;
    {
        FrmLogo logo(&m);
        logo.show();
        QTest::mouseClick(&logo, Qt::LeftButton);
        QVERIFY(m.isVisible());
        QVERIFY(!logo.isVisible());
        QVERIFY(!logo.timer()->isActive());
    }
    m.hide();
    FrmLogo logo(&m);
    logo.show();
    QTest::keyClick(&logo, Qt::Key_A);
    QVERIFY(m.isVisible());
    QVERIFY(!logo.isVisible());
    // A real short clock: after the key nothing fires any more.
    logo.timer()->setInterval(5);
    QTest::qWait(50);
    QCOMPARE(logo.ticks(), 0);
}

QTEST_MAIN(TestMdiMain)
#include "tst_mdimain.moc"
