#include "app/mdimain.h"
#include "model/optionsfile.h"
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QAbstractButton>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The child windows in the order of their places in the options record.
const char *const Forms[] = {"frmFerestre", "frmObiecte", "frmTabelaDeLucru"};
Pozitie Setari::*const Places[] = {&Setari::PozitieFerestre, &Setari::PozitieObiecte, &Setari::PozitieTabela};

QMdiSubWindow *sub(MdiMain &m, const char *form)
{
    return m.subFereastra(m.findChild<QWidget *>(QString::fromLatin1(form)));
}

// Answers every message box opened while it lives, keeping the last; scoped, so no answer outlives its case.
struct Boxes {
    QTimer timer;
    SeenBox last;
    QStringList texts; // of every box, in order
    explicit Boxes(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                box && box->isVisible()) {
                last = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
                texts << last.text;
                box->button(answer) ? box->button(answer)->click() : box->reject();
            }
        });
        timer.start(5);
    }
};

// Ways of closing: exit command or title bar, asked or not, child windows' places remembered or not.
const struct Closing {
    const char *name;
    bool first, menu, confirm, yes, remember;
    QPoint objectsAt; // where the object palette is moved, in pixels
} Closings[] = {{"first start, title bar", true, false, false, true, false, {600, 3}},
                {"menu, Yes", false, true, true, true, true, {600, 3}},
                {"menu, No, past 16 bits", false, true, true, false, true, {2500, 3}},
                {"menu, not remembered", false, true, false, true, false, {700, 5}},
                {"title bar, No", false, false, true, false, true, {600, 3}}};

} // namespace

class TestMdiMain : public QObject
{
    Q_OBJECT

private slots:
    void closing_data();
    void closing();
    void unwritableOptions();
};

void TestMdiMain::closing_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Closings)); ++i)
        QTest::newRow(Closings[i].name) << i;
}

void TestMdiMain::closing()
{
    QFETCH(int, row);
    const Closing &c = Closings[row];
    const QPoint saved[] = {{100, 500}, {600, 3}, {10, 20}}, moved[] = {{20, 400}, c.objectsAt, {7, 9}};
    TempCwd cwd;
    Setari s = quietSettings();
    s.ConfirmareaInchidere = toFlag(c.confirm);
    s.SalveazaSetariSpatiuLucru = toFlag(c.remember);
    s.CaleFoxPRO = u"C:\\FP\\FOXPRO.EXE"_s;
    for (int i = 0; i < 3; ++i)
        s.*Places[i] = {saved[i].x() * 15, saved[i].y() * 15};
    auto m = c.first ? std::make_unique<MdiMain>() : startMain(s);
    // A missing file is created empty and reads as all zero.
    QVERIFY(!c.first ||
            (QFileInfo(OptionsFile::defaultFileName()).size() == 0 && m->proiect().setari == Setari{}));
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.get()));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!c.remember || sub(*m, Forms[i])->pos() == saved[i]);
        Boxes boxes; // only the main window closes them
        QVERIFY(!sub(*m, Forms[i])->close() && sub(*m, Forms[i])->isVisible());
        QVERIFY(boxes.texts.size() == 1 && boxes.last.text == u"Aceasta fereastra nu poate fi inchisa!"_s);
        QVERIFY(boxes.last.title == u"Inchidere abandonata"_s && boxes.last.icon == QMessageBox::Warning);
        sub(*m, Forms[i])->move(moved[i]);
    }
    QVERIFY(QFile::remove(OptionsFile::defaultFileName()));

    Boxes boxes(c.yes ? QMessageBox::Yes : QMessageBox::No);
    c.menu ? m->findChild<QAction *>(u"mnuIesireInchideSirolant"_s)->trigger() : void(m->close());
    QCOMPARE(int(boxes.texts.size()), int(c.confirm));
    QVERIFY(!c.confirm || (boxes.last.title == u"ATENTIE!"_s && boxes.last.icon == QMessageBox::Question &&
                           boxes.last.buttons == (QMessageBox::Yes | QMessageBox::No) &&
                           boxes.last.text == u"Esti sigur ca vrei sa inchizi Sirolant?"_s));
    QCOMPARE(m->isVisible(), !c.yes);
    // Only the menu command writes the file, before it asks: places in twips, kept to 16 bits.
    QFile f(OptionsFile::defaultFileName());
    QCOMPARE(f.open(QIODevice::ReadOnly), c.menu);
    const Setari back = OptionsFile::decode(f.readAll());
    QVERIFY(!c.menu || back.CaleFoxPRO == s.CaleFoxPRO);
    for (int i = 0; i < 3 && c.menu; ++i) {
        const QPoint px = c.remember ? moved[i] : saved[i];
        QCOMPARE(back.*Places[i], (Pozitie{qMin(px.x() * 15, 32767), px.y() * 15}));
    }
}

void TestMdiMain::unwritableOptions()
{
    // A folder in the file's place fails every read and write, as a read-only start folder does for anyone
    // but root (who runs the tests in CI).
    TempCwd cwd;
    QVERIFY(QDir().mkdir(OptionsFile::defaultFileName()));
    QStandardPaths::setTestModeEnabled(true);
    Boxes boxes(QMessageBox::Cancel);
    MdiMain m;
    m.show();
    pressKey(m, "frmFerestre", "CREAZA");
    onNextModal([](QWidget *dialog) {
        find<QAbstractButton>(dialog, u"chkIncludeComentariile"_s)->click();
        clickWidget(find<QAbstractButton>(dialog, u"cmdSalveaza"_s));
    });
    m.findChild<QAction *>(u"mnuSetariSetari"_s)->trigger();
    m.findChild<QAction *>(u"mnuIesireInchideSirolant"_s)->trigger();
    // Each failure says so in Romanian; the new setting holds, and the unsaved design still stops the exit.
    QCOMPARE(int(boxes.texts.size()), 4);
    QVERIFY(boxes.texts[0].startsWith(u"Fisierul de optiuni \"Sirolant.opt\" nu poate fi deschis: "_s));
    QVERIFY(boxes.texts[1].startsWith(u"Fisierul de optiuni \"Sirolant.opt\" nu poate fi scris: "_s));
    QVERIFY(boxes.texts[2].startsWith(u"Fisierul de optiuni \"Sirolant.opt\" nu poate fi scris: "_s));
    QCOMPARE(boxes.texts[3], u"Salvati modificarile proiectului?"_s);
    QVERIFY(m.isVisible() && m.proiect().fereastraFolosita(1) &&
            isSet(m.proiect().setari.IncludeComentariile));
}

QTEST_MAIN(TestMdiMain)
#include "tst_mdimain.moc"
