#include "app/filebrowse.h"
#include "app/frmcauta.h"
#include "app/frmdespre.h"
#include "app/frmsetari.h"
#include "app/sesiune.h"
#include "model/optionsfile.h"
#include "support/uitest.h"
#include "version.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

using FlagField = Flag Setari::*;

// Every flag of the record with the control that shows it; for an option
// pair, the option that stands for True.
struct Legatura {
    const char *control;
    FlagField field;
};

const Legatura Legaturi[] = {
    {"optCentrazaObiectulOrizontal", &Setari::CentrazaObiectulOrizontal},
    {"optFormatZLA", &Setari::FormatZLA},
    {"chkAnulArePatruCifre", &Setari::AnulArePatruCifre},
    {"chkMarcajTabelaLucru", &Setari::MarcajTabelaLucru},
    {"chkUmbraImplicit", &Setari::UmbraImplicit},
    {"chkFerestrePatrate", &Setari::FerestrePatrate},
    {"chkPastreazaUmbraInEcran", &Setari::PastreazaUmbraInEcran},
    {"chkSalveazaSetariSpatiuLucru", &Setari::SalveazaSetariSpatiuLucru},
    {"chkConfirmareaInchidere", &Setari::ConfirmareaInchidere},
    {"chkConfirmareStergere", &Setari::ConfirmareStergere},
    {"chkScrierePrescurtata", &Setari::ScrierePrescurtata},
    {"chkIncludeComentariile", &Setari::IncludeComentariile},
    {"chkInsereazaDataOra", &Setari::InsereazaDataOra},
};

// The option that stands for False in each pair.
QString pereche(const QString &control)
{
    if (control == QLatin1String("optCentrazaObiectulOrizontal"))
        return QStringLiteral("optCentreazaObiectulVertical");
    if (control == QLatin1String("optFormatZLA"))
        return QStringLiteral("optFormatLZA");
    return {};
}

QAbstractButton *buton(QWidget *form, const char *name)
{
    return find<QAbstractButton>(form, QLatin1String(name));
}

// Which of the flag controls of the form are checked.
QMap<QString, bool> stareControale(QWidget *form)
{
    QMap<QString, bool> stare;
    for (const Legatura &l : Legaturi) {
        QAbstractButton *b = buton(form, l.control);
        stare.insert(QLatin1String(l.control), b && b->isChecked());
    }
    return stare;
}

Setari cuPozitiiSiCale()
{
    Setari s;
    s.PozitieFerestre = {1500, -30};
    s.PozitieObiecte = {4500, 3000};
    s.PozitieTabela = {-7, 32000};
    s.CaleFoxPRO = QStringLiteral("C:\\FOXPRO26\\FOXPROX.EXE");
    return s;
}

QByteArray citeste(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray inregistrare(const Setari &s)
{
    return OptionsFile::encode(s).value_or(QByteArray());
}

void creeazaFisier(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("MZ");
}

// Runs the dialog modally while action drives it. A dialog the action leaves
// open is closed after a while so that a fault fails instead of hanging.
int execCu(QDialog &d, const std::function<void(QWidget *)> &action)
{
    bool expirat = false;
    QTimer paza;
    paza.setSingleShot(true);
    QObject::connect(&paza, &QTimer::timeout, &d, [&] {
        expirat = true;
        d.done(QDialog::Rejected);
    });
    onNextModal(action);
    paza.start(8000);
    const int r = d.exec();
    return expirat ? -1 : r;
}

void clickFisier(QListWidget *lista, const QString &name)
{
    const QList<QListWidgetItem *> items = lista->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    const QRect r = lista->visualItemRect(items.first());
    QVERIFY(!r.isEmpty());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// A check box or option answers clicks on its mark and caption only, which
// may not reach the middle of a wide control: click on the mark.
void clickOptiune(QAbstractButton *b)
{
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
}

QStringList numeFisiere(QListWidget *lista)
{
    QStringList nume;
    for (int i = 0; i < lista->count(); ++i)
        nume.append(lista->item(i)->text());
    return nume;
}

} // namespace

class TestFrmSetari : public QObject
{
    Q_OBJECT

private slots:
    void formAndControls();
    void firstStartShowsEverythingCleared();
    void eachFlagLoadsIntoItsOwnControl_data();
    void eachFlagLoadsIntoItsOwnControl();
    void eachControlSavesIntoItsOwnFlag_data();
    void eachControlSavesIntoItsOwnFlag();
    void threeSeparateOptionGroups();
    void resetThenSalveazaWritesTheDefaults();
    void resetThenAnuleazaChangesNothing();
    void escCancelsAndEnterPressesNothing();
    void positionsAndPathAreNotCopiedBack();
    void hiddenShortWritingSurvivesSalveaza();
    void writeFailureIsReportedAndValuesKept();
    void cautaOpensTheLocatorModally();

    void locatorListsAndAcceptsOnlyTheTwoNames();
    void locatorSelecteazaStoresThePath();
    void locatorRenuntaAndEscStoreNothing();
    void locatorRefusesPathsTheRecordCannotKeep();
    void locatorDriveChangeOpensTheRoot();

    void despre();
};

void TestFrmSetari::formAndControls()
{
    TempCwd cwd;
    Sesiune s;
    FrmSetari dlg(s);
    QCOMPARE(dlg.objectName(), QStringLiteral("frmSetari"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Setari Sirolant"));
    QVERIFY(!(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    dlg.show();
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

    auto *tabs = find<QTabWidget>(&dlg, QStringLiteral("tabSetari"));
    QVERIFY(tabs);
    const QStringList pagini = {QStringLiteral("> General <"), QStringLiteral("> Fox PRO <"),
                                QStringLiteral("> Cod generat <"), QStringLiteral("> Diverse <")};
    QCOMPARE(tabs->count(), int(pagini.size()));
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabText(i), pagini.at(i));

    // Each control sits on its page, with its caption.
    const struct {
        int page;
        const char *name;
        const char *caption;
    } controale[] = {
        {0, "chkSalveazaSetariSpatiuLucru", "La inchidere retine pozitiile ferestrelor"},
        {0, "chkConfirmareaInchidere", "Cere confirmarea utilizatorului la inchiderea aplicatiei"},
        {0, "chkConfirmareStergere",
         "Cere confirmarea utilizatorului la stergerea obiectelor si a ferestrelor"},
        {1, "cmdCauta", "Cauta..."},
        {2, "Option1", "Scrie codul Fox PRO cu majuscule"},
        {2, "Option2", "Foloseste scrierea inteligenta"},
        {2, "Option3", "Scrie codul Fox PRO cu minuscule"},
        {2, "chkScrierePrescurtata", "Foloseste scrierea prescurtata"},
        {2, "chkInsereazaDataOra", "Insereaza ora si data generarii codului"},
        {2, "chkIncludeComentariile", "Include si comentariile atasate obiectelor"},
        {2, "chkAnulArePatruCifre", "Anul are 4 cifre"},
        {2, "optFormatZLA", "Foloseste formatul: zi/luna/an"},
        {2, "optFormatLZA", "Foloseste formatul: luna/zi/an"},
        {3, "chkMarcajTabelaLucru", "Afiseaza marcajul in tabela de lucru"},
        {3, "chkUmbraImplicit", "Toate ferestrele au implicit umbra"},
        {3, "chkFerestrePatrate", "Toate ferestrele sunt implicit patrate"},
        {3, "chkPastreazaUmbraInEcran", "Pastreaza umbra ferestrelor in ecran"},
        {3, "optCentrazaObiectulOrizontal", "Centreaza obiectul orizontal"},
        {3, "optCentreazaObiectulVertical", "Centreaza obiectul vertical"},
    };
    for (const auto &c : controale) {
        QAbstractButton *b = buton(tabs->widget(c.page), c.name);
        QVERIFY2(b, c.name);
        QVERIFY2(b->text().startsWith(QLatin1String(c.caption)), c.name);
    }
    for (const char *chk : {"chkSalveazaSetariSpatiuLucru", "chkAnulArePatruCifre", "chkScrierePrescurtata"})
        QVERIFY2(qobject_cast<QCheckBox *>(buton(&dlg, chk)), chk);
    for (const char *opt : {"Option1", "Option2", "Option3", "optFormatZLA", "optCentreazaObiectulVertical"})
        QVERIFY2(qobject_cast<QRadioButton *>(buton(&dlg, opt)), opt);

    QWidget *foxPro = tabs->widget(1);
    QCOMPARE(find<QLabel>(foxPro, QStringLiteral("Label1"))->text(),
             QStringLiteral("FoxPro.exe / FoxProX.exe:"));
    QCOMPARE(find<QLabel>(foxPro, QStringLiteral("Label7"))->text(),
             QStringLiteral("Versiunea curenta nu include aceasta facilitate!"));
    QVERIFY(find<QLabel>(foxPro, QStringLiteral("Label6"))->text().endsWith(QLatin1String("Fox PRO v2.xx")));
    QVERIFY(!find<QLineEdit>(foxPro, QStringLiteral("txtCaleFoxPRO"))->isEnabled());
    QVERIFY(!buton(foxPro, "cmdCauta")->isEnabled());

    // The two frames, holding their own options.
    auto *data = find<QRadioButton>(&dlg, QStringLiteral("optFormatZLA"))->parentWidget();
    auto *dublu = find<QRadioButton>(&dlg, QStringLiteral("optCentrazaObiectulOrizontal"))->parentWidget();
    QCOMPARE(qobject_cast<QGroupBox *>(data)->title(), QStringLiteral("Setari legate de data:"));
    QCOMPARE(qobject_cast<QGroupBox *>(dublu)->title(), QStringLiteral("Dublu-Click pe un obiect:"));
    QCOMPARE(buton(&dlg, "chkAnulArePatruCifre")->parentWidget(), data);

    // The letter cases other than capitals are shown but not offered; the
    // short writing is neither shown nor offered.
    QVERIFY(buton(&dlg, "Option1")->isChecked());
    QVERIFY(buton(&dlg, "Option1")->isEnabled());
    QVERIFY(!buton(&dlg, "Option2")->isEnabled());
    QVERIFY(!buton(&dlg, "Option3")->isEnabled());
    QAbstractButton *prescurtat = buton(&dlg, "chkScrierePrescurtata");
    QVERIFY(!prescurtat->isEnabled());
    QVERIFY(prescurtat->isHidden());
    QVERIFY(!find<QLabel>(&dlg, QStringLiteral("lblExemplu4"))->isVisibleTo(&dlg));
    QVERIFY(find<QLabel>(&dlg, QStringLiteral("lblExemplu1"))->isEnabled());
    QVERIFY(!find<QLabel>(&dlg, QStringLiteral("lblExemplu2"))->isEnabled());
    QVERIFY(!find<QLabel>(&dlg, QStringLiteral("lblExemplu3"))->isEnabled());

    for (const char *name : {"cmdSalveaza", "cmdAnuleaza", "cmdReset"}) {
        auto *b = find<QPushButton>(&dlg, QLatin1String(name));
        QVERIFY2(b, name);
        QVERIFY2(!b->autoDefault() && !b->isDefault(), name);
    }
    QCOMPARE(buton(&dlg, "cmdSalveaza")->text(), QStringLiteral("Salveaza"));
    QCOMPARE(buton(&dlg, "cmdAnuleaza")->text(), QStringLiteral("Anuleaza"));
    QCOMPARE(buton(&dlg, "cmdReset")->text(), QStringLiteral("Reset"));
}

void TestFrmSetari::firstStartShowsEverythingCleared()
{
    TempCwd cwd;
    Sesiune s;
    QVERIFY(OptionsFile::read(OptionsFile::defaultFileName(), &s.proiect.setari));
    FrmSetari dlg(s);
    for (const Legatura &l : Legaturi)
        QVERIFY2(!buton(&dlg, l.control)->isChecked(), l.control);
    QVERIFY(buton(&dlg, "optCentreazaObiectulVertical")->isChecked());
    QVERIFY(buton(&dlg, "optFormatLZA")->isChecked());
    QVERIFY(find<QLineEdit>(&dlg, QStringLiteral("txtCaleFoxPRO"))->text().isEmpty());
}

void TestFrmSetari::eachFlagLoadsIntoItsOwnControl_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Legaturi)); ++i)
        QTest::newRow(Legaturi[i].control) << i;
}

void TestFrmSetari::eachFlagLoadsIntoItsOwnControl()
{
    QFETCH(int, index);
    const Legatura &tinta = Legaturi[index];
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari.*tinta.field = FlagTrue;
    FrmSetari dlg(s);

    const QMap<QString, bool> stare = stareControale(&dlg);
    for (auto it = stare.cbegin(); it != stare.cend(); ++it)
        QVERIFY2(it.value() == (it.key() == QLatin1String(tinta.control)), qPrintable(it.key()));
    // A pair whose flag is False shows its second option.
    for (const char *second : {"optCentreazaObiectulVertical", "optFormatLZA"})
        QVERIFY2(buton(&dlg, second)->isChecked() != (pereche(QLatin1String(tinta.control)) == second),
                 second);

    // A flag holding 1 is not True, and shows as cleared.
    s.proiect.setari.*tinta.field = 1;
    FrmSetari unu(s);
    QVERIFY(!buton(&unu, tinta.control)->isChecked());
}

void TestFrmSetari::eachControlSavesIntoItsOwnFlag_data()
{
    eachFlagLoadsIntoItsOwnControl_data();
}

void TestFrmSetari::eachControlSavesIntoItsOwnFlag()
{
    QFETCH(int, index);
    const Legatura &tinta = Legaturi[index];
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    FrmSetari dlg(s);
    dlg.show();
    buton(&dlg, tinta.control)->setChecked(true);
    clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSalveaza")));

    Setari asteptat = cuPozitiiSiCale();
    asteptat.*tinta.field = FlagTrue;
    QCOMPARE(s.proiect.setari.*tinta.field, FlagTrue);
    QVERIFY(s.proiect.setari == asteptat);
    QCOMPARE(citeste(cwd.filePath(QStringLiteral("Sirolant.opt"))), inregistrare(asteptat));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TestFrmSetari::threeSeparateOptionGroups()
{
    TempCwd cwd;
    Sesiune s;
    FrmSetari dlg(s);
    dlg.show();
    // Selecting in one choice leaves the other two choices alone.
    clickOptiune(buton(&dlg, "optFormatZLA"));
    QVERIFY(buton(&dlg, "optFormatZLA")->isChecked());
    QVERIFY(!buton(&dlg, "optFormatLZA")->isChecked());
    QVERIFY(buton(&dlg, "optCentreazaObiectulVertical")->isChecked());
    QVERIFY(buton(&dlg, "Option1")->isChecked());

    auto *tabs = find<QTabWidget>(&dlg, QStringLiteral("tabSetari"));
    tabs->setCurrentIndex(3);
    clickOptiune(buton(&dlg, "optCentrazaObiectulOrizontal"));
    QVERIFY(buton(&dlg, "optCentrazaObiectulOrizontal")->isChecked());
    QVERIFY(!buton(&dlg, "optCentreazaObiectulVertical")->isChecked());
    QVERIFY(buton(&dlg, "optFormatZLA")->isChecked());
    QVERIFY(buton(&dlg, "Option1")->isChecked());

    // A pair never ends up with both options cleared.
    clickOptiune(buton(&dlg, "optCentrazaObiectulOrizontal"));
    QVERIFY(buton(&dlg, "optCentrazaObiectulOrizontal")->isChecked());
}

void TestFrmSetari::resetThenSalveazaWritesTheDefaults()
{
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    s.proiect.setari.MarcajTabelaLucru = FlagTrue;
    s.proiect.setari.FerestrePatrate = FlagTrue;
    s.proiect.setari.ScrierePrescurtata = FlagTrue;
    FrmSetari dlg(s);
    auto *cale = find<QLineEdit>(&dlg, QStringLiteral("txtCaleFoxPRO"));
    QCOMPARE(cale->text(), s.proiect.setari.CaleFoxPRO);
    QCOMPARE(execCu(dlg,
                    [](QWidget *w) {
                        clickWidget(find<QPushButton>(w, QStringLiteral("cmdReset")));
                        // The path box keeps its text.
                        QVERIFY(!find<QLineEdit>(w, QStringLiteral("txtCaleFoxPRO"))->text().isEmpty());
                        clickWidget(find<QPushButton>(w, QStringLiteral("cmdSalveaza")));
                    }),
             int(QDialog::Accepted));

    Setari asteptat = setariImplicite();
    const Setari initial = cuPozitiiSiCale();
    asteptat.PozitieFerestre = initial.PozitieFerestre;
    asteptat.PozitieObiecte = initial.PozitieObiecte;
    asteptat.PozitieTabela = initial.PozitieTabela;
    asteptat.CaleFoxPRO = initial.CaleFoxPRO;
    QVERIFY(s.proiect.setari == asteptat);
    QCOMPARE(cale->text(), initial.CaleFoxPRO);
    const QByteArray fisier = citeste(cwd.filePath(QStringLiteral("Sirolant.opt")));
    QCOMPARE(fisier.size(), OptionsFile::RecordSize);
    QCOMPARE(fisier, inregistrare(asteptat));

    // From a first start too: the defaults and nothing else.
    TempCwd gol;
    Sesiune nou;
    FrmSetari primul(nou);
    primul.show();
    clickWidget(find<QPushButton>(&primul, QStringLiteral("cmdReset")));
    clickWidget(find<QPushButton>(&primul, QStringLiteral("cmdSalveaza")));
    QCOMPARE(citeste(gol.filePath(QStringLiteral("Sirolant.opt"))), inregistrare(setariImplicite()));
}

void TestFrmSetari::resetThenAnuleazaChangesNothing()
{
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    s.proiect.setari.FormatZLA = FlagTrue;
    s.proiect.setari.MarcajTabelaLucru = FlagTrue;
    QVERIFY(OptionsFile::write(OptionsFile::defaultFileName(), s.proiect.setari));
    const QByteArray inainte = citeste(cwd.filePath(QStringLiteral("Sirolant.opt")));
    const Setari setariInainte = s.proiect.setari;

    FrmSetari dlg(s);
    QCOMPARE(execCu(dlg,
                    [](QWidget *w) {
                        clickWidget(find<QPushButton>(w, QStringLiteral("cmdReset")));
                        // The defaults are in the controls, not yet in the record.
                        QVERIFY(find<QCheckBox>(w, QStringLiteral("chkUmbraImplicit"))->isChecked());
                        clickWidget(find<QPushButton>(w, QStringLiteral("cmdAnuleaza")));
                    }),
             int(QDialog::Rejected));
    QVERIFY(s.proiect.setari == setariInainte);
    QCOMPARE(citeste(cwd.filePath(QStringLiteral("Sirolant.opt"))), inainte);
}

void TestFrmSetari::escCancelsAndEnterPressesNothing()
{
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    const Setari inainte = s.proiect.setari;
    FrmSetari dlg(s);
    bool rameaDeschis = false;
    QCOMPARE(execCu(dlg,
                    [&](QWidget *w) {
                        auto *chk = find<QCheckBox>(w, QStringLiteral("chkConfirmareStergere"));
                        chk->setFocus();
                        QTest::keyClick(chk, Qt::Key_Space);
                        QVERIFY(chk->isChecked());
                        for (const char *name : {"chkConfirmareStergere", "cmdSalveaza", "cmdReset"}) {
                            auto *c = find<QWidget>(w, QLatin1String(name));
                            c->setFocus();
                            QTest::keyClick(c, Qt::Key_Return);
                            QTest::keyClick(c, Qt::Key_Enter);
                        }
                        rameaDeschis = w->isVisible() && chk->isChecked();
                        QTest::keyClick(w, Qt::Key_Escape);
                    }),
             int(QDialog::Rejected));
    QVERIFY(rameaDeschis);
    QVERIFY(s.proiect.setari == inainte);
    QVERIFY(!QFile::exists(cwd.filePath(QStringLiteral("Sirolant.opt"))));
}

void TestFrmSetari::positionsAndPathAreNotCopiedBack()
{
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    FrmSetari dlg(s);
    dlg.show();
    // Whatever the box shows, the path belongs to the locator.
    find<QLineEdit>(&dlg, QStringLiteral("txtCaleFoxPRO"))->setText(QStringLiteral("D:\\ALTA\\FOXPRO.EXE"));
    clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSalveaza")));
    const Setari initial = cuPozitiiSiCale();
    QVERIFY(s.proiect.setari.PozitieFerestre == initial.PozitieFerestre);
    QVERIFY(s.proiect.setari.PozitieObiecte == initial.PozitieObiecte);
    QVERIFY(s.proiect.setari.PozitieTabela == initial.PozitieTabela);
    QCOMPARE(s.proiect.setari.CaleFoxPRO, initial.CaleFoxPRO);
    QCOMPARE(citeste(cwd.filePath(QStringLiteral("Sirolant.opt"))), inregistrare(initial));
}

void TestFrmSetari::hiddenShortWritingSurvivesSalveaza()
{
    TempCwd cwd;
    Sesiune s;
    s.proiect.setari = cuPozitiiSiCale();
    s.proiect.setari.ScrierePrescurtata = FlagTrue;
    s.proiect.setari.IncludeComentariile = FlagTrue;
    FrmSetari dlg(s);
    dlg.show();
    clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSalveaza")));
    QCOMPARE(s.proiect.setari.ScrierePrescurtata, FlagTrue);
    const QByteArray fisier = citeste(cwd.filePath(QStringLiteral("Sirolant.opt")));
    const int n = int(s.proiect.setari.CaleFoxPRO.size());
    QCOMPARE(fisier.mid(OptionsFile::PathOffset + n, 4), QByteArray("\xff\xff\xff\xff", 4));
    QCOMPARE(OptionsFile::decode(fisier).ScrierePrescurtata, FlagTrue);
}

void TestFrmSetari::writeFailureIsReportedAndValuesKept()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("Sirolant.opt")));
    Sesiune s;
    FrmSetari dlg(s);
    dlg.show();
    buton(&dlg, "chkMarcajTabelaLucru")->setChecked(true);
    auto box = answerNextMessageBox(QMessageBox::Ok);
    clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSalveaza")));
    QVERIFY(box->seen);
    QCOMPARE(box->icon, QMessageBox::Critical);
    QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box->text.contains(QLatin1String("Sirolant.opt")));
    QVERIFY(!box->title.isEmpty());
    // The new values hold in memory; the dialog still closes.
    QCOMPARE(s.proiect.setari.MarcajTabelaLucru, FlagTrue);
    QVERIFY(!dlg.isVisible());
    QVERIFY(QFileInfo(cwd.filePath(QStringLiteral("Sirolant.opt"))).isDir());
}

void TestFrmSetari::cautaOpensTheLocatorModally()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("fox")));
    const QString dosar = cwd.filePath(QStringLiteral("fox"));
    creeazaFisier(dosar + QStringLiteral("/FOXPRO.EXE"));

    Sesiune s;
    FrmSetari dlg(s);
    dlg.show();
    auto *cmdCauta = find<QPushButton>(&dlg, QStringLiteral("cmdCauta"));
    // Disabled in this version: a click opens nothing.
    clickWidget(cmdCauta);
    QVERIFY(!QApplication::activeModalWidget());

    cmdCauta->setEnabled(true);
    QString deschis;
    QWidget *proprietar = nullptr;
    onNextModal([&](QWidget *w) {
        deschis = w->objectName();
        proprietar = w->parentWidget();
        find<ListaDosare>(w, QStringLiteral("dirDirectoare"))->setPath(dosar);
        clickFisier(find<QListWidget>(w, QStringLiteral("filFoxPro")), QStringLiteral("FOXPRO.EXE"));
        clickWidget(find<QPushButton>(w, QStringLiteral("cmdSelecteaza")));
    });
    clickWidget(cmdCauta);
    QCOMPARE(deschis, QStringLiteral("frmCauta"));
    QCOMPARE(proprietar, &dlg);
    const QString asteptat = QDir::cleanPath(dosar) + QStringLiteral("/FOXPRO.EXE");
    QCOMPARE(s.proiect.setari.CaleFoxPRO, asteptat);
    QCOMPARE(find<QLineEdit>(&dlg, QStringLiteral("txtCaleFoxPRO"))->text(), asteptat);
    // The locator writes no file; saving the settings does.
    QVERIFY(!QFile::exists(cwd.filePath(QStringLiteral("Sirolant.opt"))));
}

void TestFrmSetari::locatorListsAndAcceptsOnlyTheTwoNames()
{
    TempCwd cwd;
    QDir(cwd.path()).mkdir(QStringLiteral("bin"));
    const QString dosar = QDir::cleanPath(cwd.filePath(QStringLiteral("bin")));
    for (const char *f : {"foxpro.exe", "FOXPROX.EXE", "FoxPro1.exe", "other.exe", "foxpro12.exe",
                          "foxpro.com", "xfoxpro.exe"})
        creeazaFisier(dosar + QLatin1Char('/') + QLatin1String(f));
    QDir(dosar).mkdir(QStringLiteral("foxprox.exe.d"));
    creeazaFisier(cwd.filePath(QStringLiteral("FOXPROW.EXE")));

    Sesiune s;
    QLineEdit txt;
    FrmCauta dlg(s, &txt);
    QCOMPARE(dlg.objectName(), QStringLiteral("frmCauta"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Cauta..."));
    dlg.show();
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    auto *dir = find<ListaDosare>(&dlg, QStringLiteral("dirDirectoare"));
    auto *lista = find<QListWidget>(&dlg, QStringLiteral("filFoxPro"));
    auto *cale = find<QLabel>(&dlg, QStringLiteral("lblCale"));
    auto *selecteaza = find<QPushButton>(&dlg, QStringLiteral("cmdSelecteaza"));
    QVERIFY(dir && lista && cale && selecteaza);
    QCOMPARE(find<QLabel>(&dlg, QStringLiteral("Label1"))->text(), QStringLiteral("Cale:"));
    QCOMPARE(find<QPushButton>(&dlg, QStringLiteral("cmdRenunta"))->text(), QStringLiteral("Renunta"));
    QCOMPARE(selecteaza->text(), QStringLiteral("Selecteaza"));
    QVERIFY(!selecteaza->autoDefault());

    // It opens in the current folder, which holds one match.
    QCOMPARE(dir->path(), QDir::cleanPath(QDir::currentPath()));
    QCOMPARE(numeFisiere(lista), QStringList{QStringLiteral("FOXPROW.EXE")});

    dir->setPath(dosar);
    QCOMPARE(numeFisiere(lista), (QStringList{QStringLiteral("foxpro.exe"), QStringLiteral("FoxPro1.exe"),
                                              QStringLiteral("FOXPROX.EXE")}));
    QCOMPARE(cale->text(), QStringLiteral("..."));
    QVERIFY(!selecteaza->isEnabled());

    // A matched name that is not FoxPro changes nothing.
    clickFisier(lista, QStringLiteral("FoxPro1.exe"));
    QCOMPARE(cale->text(), QStringLiteral("..."));
    QVERIFY(!selecteaza->isEnabled());

    clickFisier(lista, QStringLiteral("foxpro.exe"));
    QCOMPARE(cale->text(), dosar + QStringLiteral("/foxpro.exe"));
    QVERIFY(selecteaza->isEnabled());

    // ...nor does it undo a choice made before.
    clickFisier(lista, QStringLiteral("FoxPro1.exe"));
    QCOMPARE(cale->text(), dosar + QStringLiteral("/foxpro.exe"));
    QVERIFY(selecteaza->isEnabled());

    clickFisier(lista, QStringLiteral("FOXPROX.EXE"));
    QCOMPARE(cale->text(), dosar + QStringLiteral("/FOXPROX.EXE"));
    QVERIFY(!cale->text().contains(QLatin1String("//")));

    // Nothing is stored before Selecteaza.
    QVERIFY(s.proiect.setari.CaleFoxPRO.isEmpty());
    QVERIFY(txt.text().isEmpty());

    QVERIFY(FrmCauta::potrivesteModelul(QStringLiteral("fOxPrOx.ExE")));
    QVERIFY(!FrmCauta::potrivesteModelul(QStringLiteral("foxpro.exe.bak")));
    QVERIFY(FrmCauta::esteFoxPro(QStringLiteral("FoxProX.Exe")));
    QVERIFY(!FrmCauta::esteFoxPro(QStringLiteral("FOXPROW.EXE")));
}

void TestFrmSetari::locatorSelecteazaStoresThePath()
{
    TempCwd cwd;
    creeazaFisier(cwd.filePath(QStringLiteral("FoxProX.exe")));
    Sesiune s;
    s.proiect.setari.MarcajTabelaLucru = FlagTrue;
    QLineEdit txt;
    FrmCauta dlg(s, &txt);
    QCOMPARE(execCu(dlg,
                    [](QWidget *w) {
                        clickFisier(find<QListWidget>(w, QStringLiteral("filFoxPro")),
                                    QStringLiteral("FoxProX.exe"));
                        clickWidget(find<QPushButton>(w, QStringLiteral("cmdSelecteaza")));
                    }),
             int(QDialog::Accepted));
    const QString asteptat = QDir::cleanPath(cwd.path()) + QStringLiteral("/FoxProX.exe");
    QCOMPARE(s.proiect.setari.CaleFoxPRO, asteptat);
    QCOMPARE(txt.text(), asteptat);
    QCOMPARE(s.proiect.setari.MarcajTabelaLucru, FlagTrue);
    QVERIFY(!QFile::exists(cwd.filePath(QStringLiteral("Sirolant.opt"))));

    // Without a path box (none is required) the setting is still stored.
    Sesiune fara;
    FrmCauta faraCaseta(fara, nullptr);
    faraCaseta.show();
    clickFisier(find<QListWidget>(&faraCaseta, QStringLiteral("filFoxPro")), QStringLiteral("FoxProX.exe"));
    clickWidget(find<QPushButton>(&faraCaseta, QStringLiteral("cmdSelecteaza")));
    QCOMPARE(fara.proiect.setari.CaleFoxPRO, asteptat);
}

void TestFrmSetari::locatorRenuntaAndEscStoreNothing()
{
    TempCwd cwd;
    creeazaFisier(cwd.filePath(QStringLiteral("FOXPRO.EXE")));
    const QString vechi = QStringLiteral("C:\\FOX\\FOXPRO.EXE");
    for (bool esc : {false, true}) {
        Sesiune s;
        s.proiect.setari.CaleFoxPRO = vechi;
        QLineEdit txt(vechi);
        FrmCauta dlg(s, &txt);
        bool ales = false;
        QCOMPARE(execCu(dlg,
                        [&](QWidget *w) {
                            clickFisier(find<QListWidget>(w, QStringLiteral("filFoxPro")),
                                        QStringLiteral("FOXPRO.EXE"));
                            ales = find<QPushButton>(w, QStringLiteral("cmdSelecteaza"))->isEnabled();
                            // Enter presses nothing, not even the enabled Selecteaza.
                            QTest::keyClick(find<QWidget>(w, QStringLiteral("filFoxPro")), Qt::Key_Return);
                            if (esc)
                                QTest::keyClick(w, Qt::Key_Escape);
                            else
                                clickWidget(find<QPushButton>(w, QStringLiteral("cmdRenunta")));
                        }),
                 int(QDialog::Rejected));
        QVERIFY(ales);
        QCOMPARE(s.proiect.setari.CaleFoxPRO, vechi);
        QCOMPARE(txt.text(), vechi);
    }
}

void TestFrmSetari::locatorRefusesPathsTheRecordCannotKeep()
{
    TempCwd cwd;
    const QString baza = QDir::cleanPath(cwd.path());
    const QString fisier = QStringLiteral("FOXPRO.EXE");
    // Folders that make the full path exactly 88 and 89 characters long.
    auto dosarDeLungime = [&](int lungime, QChar litera) {
        const int rest = lungime - int(baza.size()) - 1 - int(fisier.size()) - 1;
        return baza + QLatin1Char('/') + QString(rest, litera);
    };
    const QString dosar88 = dosarDeLungime(OptionsFile::MaxPathLength, QLatin1Char('a'));
    const QString dosar89 = dosarDeLungime(OptionsFile::MaxPathLength + 1, QLatin1Char('b'));
    const QString dosarCirilic = baza + QStringLiteral("/dosar_\u0436");
    for (const QString &d : {dosar88, dosar89, dosarCirilic}) {
        QVERIFY2(QDir().mkpath(d), qPrintable(d));
        creeazaFisier(d + QLatin1Char('/') + fisier);
    }

    const QString vechi = QStringLiteral("C:\\FOXPRO.EXE");
    for (const QString &d : {dosar89, dosarCirilic}) {
        Sesiune s;
        s.proiect.setari.CaleFoxPRO = vechi;
        QLineEdit txt(vechi);
        FrmCauta dlg(s, &txt);
        dlg.show();
        find<ListaDosare>(&dlg, QStringLiteral("dirDirectoare"))->setPath(d);
        clickFisier(find<QListWidget>(&dlg, QStringLiteral("filFoxPro")), fisier);
        QCOMPARE(find<QLabel>(&dlg, QStringLiteral("lblCale"))->text(), d + QLatin1Char('/') + fisier);
        auto box = answerNextMessageBox(QMessageBox::Ok);
        clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSelecteaza")));
        QVERIFY2(box->seen, qPrintable(d));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QVERIFY(box->text.contains(QLatin1String("fisierul de optiuni")));
        if (d == dosarCirilic)
            QVERIFY(box->text.contains(QChar(0x0436)));
        else
            QVERIFY(box->text.contains(QString::number(OptionsFile::MaxPathLength)));
        // Refused: the dialog stays open and nothing is stored.
        QVERIFY(dlg.isVisible());
        QCOMPARE(s.proiect.setari.CaleFoxPRO, vechi);
        QCOMPARE(txt.text(), vechi);
    }

    // 88 characters still fit the record, and the saved file keeps them.
    Sesiune s;
    QLineEdit txt;
    FrmCauta dlg(s, &txt);
    dlg.show();
    find<ListaDosare>(&dlg, QStringLiteral("dirDirectoare"))->setPath(dosar88);
    clickFisier(find<QListWidget>(&dlg, QStringLiteral("filFoxPro")), fisier);
    clickWidget(find<QPushButton>(&dlg, QStringLiteral("cmdSelecteaza")));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(s.proiect.setari.CaleFoxPRO.size(), OptionsFile::MaxPathLength);
    QVERIFY(OptionsFile::write(OptionsFile::defaultFileName(), s.proiect.setari));
    Setari citit;
    QVERIFY(OptionsFile::read(OptionsFile::defaultFileName(), &citit));
    QCOMPARE(citit.CaleFoxPRO, dosar88 + QLatin1Char('/') + fisier);
}

void TestFrmSetari::locatorDriveChangeOpensTheRoot()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("volum")));
    const QString volum = QDir::cleanPath(cwd.filePath(QStringLiteral("volum")));
    Sesiune s;
    FrmCauta dlg(s, nullptr);
    dlg.show();
    auto *drv = find<ListaDiscuri>(&dlg, QStringLiteral("drvDiscuri"));
    auto *dir = find<ListaDosare>(&dlg, QStringLiteral("dirDirectoare"));
    QVERIFY(drv && dir);
    const QString acasa = dir->path();
    QCOMPARE(acasa, QDir::cleanPath(QDir::currentPath()));
    // The drive shown is the current folder's volume.
    const int drvAcasa = drv->currentIndex();
    QVERIFY(drvAcasa >= 0);
    QVERIFY(acasa.startsWith(drv->drive()));

    // A volume mounted on a folder of ours: choosing it opens its root...
    drv->addItem(volum, volum);
    drv->setCurrentIndex(drv->count() - 1);
    QCOMPARE(dir->path(), volum);
    // ...and choosing the first drive again opens that drive's root.
    drv->setCurrentIndex(drvAcasa);
    QCOMPARE(dir->path(), QDir::cleanPath(drv->drive()));
    QVERIFY(dir->path() != acasa);
}

void TestFrmSetari::despre()
{
    FrmDespre dlg;
    QCOMPARE(dlg.objectName(), QStringLiteral("frmDespre"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Despre..."));
    QVERIFY(!(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto *image = find<QLabel>(&dlg, QStringLiteral("Image1"));
    QVERIFY(image);
    QVERIFY(!image->pixmap().isNull());
    const QString versiune = QStringLiteral("Sirolant v%1.%2.%3")
                                 .arg(SIROLANT_VERSION_MAJOR)
                                 .arg(SIROLANT_VERSION_MINOR)
                                 .arg(SIROLANT_VERSION_PATCH);
    bool titluGasit = false;
    for (QLabel *l : dlg.findChildren<QLabel *>())
        titluGasit = titluGasit || l->text() == versiune;
    QVERIFY(titluGasit);
    QCOMPARE(
        find<QLabel>(&dlg, QStringLiteral("Label2"))->text(),
        QStringLiteral("Sirolant este o aplicatie destinata proiectarii interfetelor grafice ale programelor "
                       "scrise in Fox PRO v2.x  in mod text."));
    QCOMPARE(find<QLabel>(&dlg, QStringLiteral("Label3"))->text(),
             QStringLiteral(
                 "Sirolant este o aplicatie menita sa-i ajute pe elevii si studentii care doresc sa "
                 "realizeze cat mai rapid interfete grafice complexe pentru lucrarile lor de proiect."));
    for (const char *name : {"Label1", "Label4", "Label5", "Label6", "Label8"}) {
        auto *l = find<QLabel>(&dlg, QLatin1String(name));
        QVERIFY2(l, name);
        // No invented contact: no addresses of any kind.
        QVERIFY2(!l->text().contains(QLatin1Char('@')) || l->text().contains(QLatin1String("@ ")), name);
        QVERIFY2(!l->text().contains(QLatin1String("www")) && !l->text().contains(QLatin1String("http")),
                 name);
    }
    auto *ok = find<QPushButton>(&dlg, QStringLiteral("cmdOk"));
    QCOMPARE(ok->text(), QStringLiteral("Ok"));

    bool deschisDupaEnter = false;
    QVERIFY(execCu(dlg, [&](QWidget *w) {
                auto *b = find<QPushButton>(w, QStringLiteral("cmdOk"));
                b->setFocus();
                QTest::keyClick(b, Qt::Key_Return);
                deschisDupaEnter = w->isVisible();
                clickWidget(b);
            }) >= 0);
    QVERIFY(deschisDupaEnter);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

    FrmDespre esc;
    QVERIFY(execCu(esc, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); }) >= 0);
    QVERIFY(!esc.isVisible());
}

QTEST_MAIN(TestFrmSetari)
#include "tst_frmsetari.moc"
