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

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

using FlagField = Flag Setari::*;

// Every flag of the record with the control that shows it; for an option
// pair, the option that stands for True.
struct Legatura {
    const char *control;
    FlagField field;
    const char *pereche = ""; // the option that stands for False
};

const Legatura Legaturi[] = {
    {"optCentrazaObiectulOrizontal", &Setari::CentrazaObiectulOrizontal, "optCentreazaObiectulVertical"},
    {"optFormatZLA", &Setari::FormatZLA, "optFormatLZA"},
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

QAbstractButton *buton(QWidget *form, const char *name)
{
    return find<QAbstractButton>(form, S(name));
}
void apasa(QWidget *form, const char *name)
{
    clickWidget(find<QPushButton>(form, S(name)));
}

Setari cuPozitiiSiCale()
{
    Setari s;
    s.PozitieFerestre = {1500, -30};
    s.PozitieObiecte = {4500, 3000};
    s.PozitieTabela = {-7, 32000};
    s.CaleFoxPRO = S("C:\\FOXPRO26\\FOXPROX.EXE");
    return s;
}

QByteArray fisierOptiuni()
{
    QFile f(OptionsFile::defaultFileName());
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

void clickFisier(QWidget *form, const QString &name)
{
    auto *lista = find<QListWidget>(form, S("filFoxPro"));
    const QList<QListWidgetItem *> items = lista->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    const QRect r = lista->visualItemRect(items.first());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// A check box or option answers clicks on its mark and caption only, which
// may not reach the middle of a wide control: click on the mark.
void clickOptiune(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
}

QStringList numeFisiere(QWidget *form)
{
    auto *lista = find<QListWidget>(form, S("filFoxPro"));
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
    void eachFlagLoadsIntoItsOwnControl_data();
    void eachFlagLoadsIntoItsOwnControl();
    void eachControlSavesIntoItsOwnFlag_data() { eachFlagLoadsIntoItsOwnControl_data(); }
    void eachControlSavesIntoItsOwnFlag();
    void threeSeparateOptionGroups();
    void closingWays_data();
    void closingWays();
    void writeFailureIsReportedAndValuesKept();
    void cautaOpensTheLocatorModally();
    void locatorListsAndAcceptsOnlyTheTwoNames();
    void locatorRefusesPathsTheRecordCannotKeep();
    void locatorDriveChangeOpensTheRoot();
    void despre();
};

void TestFrmSetari::formAndControls()
{
    TempCwd cwd;
    Sesiune s;
    FrmSetari dlg(s);
    QCOMPARE(dlg.objectName(), S("frmSetari"));
    QCOMPARE(dlg.windowTitle(), S("Setari Sirolant"));
    QVERIFY(!(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    dlg.show();
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    auto *tabs = find<QTabWidget>(&dlg, S("tabSetari"));
    QStringList pagini;
    for (int i = 0; i < tabs->count(); ++i)
        pagini << tabs->tabText(i);
    QCOMPARE(pagini,
             QStringList({S("> General <"), S("> Fox PRO <"), S("> Cod generat <"), S("> Diverse <")}));

    // Each control sits on its page; options are radio buttons, the rest check boxes.
    const char *controale[] = {
        "chkSalveazaSetariSpatiuLucru chkConfirmareaInchidere chkConfirmareStergere", "cmdCauta",
        "Option1 Option2 Option3 chkScrierePrescurtata chkInsereazaDataOra chkIncludeComentariile "
        "chkAnulArePatruCifre optFormatZLA optFormatLZA",
        "chkMarcajTabelaLucru chkUmbraImplicit chkFerestrePatrate chkPastreazaUmbraInEcran "
        "optCentrazaObiectulOrizontal optCentreazaObiectulVertical"};
    for (int p = 0; p < 4; ++p)
        for (const QString &nume : S(controale[p]).split(QLatin1Char(' '))) {
            QAbstractButton *b = find<QAbstractButton>(tabs->widget(p), nume);
            QVERIFY2(b && !b->text().isEmpty(), qPrintable(nume));
            if (!nume.startsWith(QLatin1String("cmd")))
                QVERIFY2(bool(qobject_cast<QRadioButton *>(b)) ==
                             nume.startsWith(QLatin1String("opt"), Qt::CaseInsensitive),
                         qPrintable(nume));
        }
    QVERIFY(!find<QLineEdit>(tabs->widget(1), S("txtCaleFoxPRO"))->isEnabled());
    QVERIFY(!buton(tabs->widget(1), "cmdCauta")->isEnabled());

    // The two frames, holding their own options.
    auto *data = qobject_cast<QGroupBox *>(buton(&dlg, "optFormatZLA")->parentWidget());
    auto *dublu = qobject_cast<QGroupBox *>(buton(&dlg, "optCentrazaObiectulOrizontal")->parentWidget());
    QVERIFY(data && dublu && data != dublu);
    QCOMPARE(buton(&dlg, "chkAnulArePatruCifre")->parentWidget(), data);

    // The letter cases other than capitals are shown but not offered; the
    // short writing is neither shown nor offered.
    QVERIFY(buton(&dlg, "Option1")->isChecked() && buton(&dlg, "Option1")->isEnabled());
    QVERIFY(!buton(&dlg, "Option2")->isEnabled() && !buton(&dlg, "Option3")->isEnabled());
    QVERIFY(!buton(&dlg, "chkScrierePrescurtata")->isEnabled() &&
            buton(&dlg, "chkScrierePrescurtata")->isHidden());
    QVERIFY(!find<QLabel>(&dlg, S("lblExemplu4"))->isVisibleTo(&dlg));
    QVERIFY(find<QLabel>(&dlg, S("lblExemplu1"))->isEnabled());
    QVERIFY(!find<QLabel>(&dlg, S("lblExemplu2"))->isEnabled() &&
            !find<QLabel>(&dlg, S("lblExemplu3"))->isEnabled());
    for (const char *name : {"Salveaza", "Anuleaza", "Reset"}) {
        auto *b = find<QPushButton>(&dlg, S("cmd") + S(name));
        QVERIFY2(b && !b->autoDefault() && !b->isDefault() && b->text() == S(name), name);
    }
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
    // A first start reads everything cleared; then the one flag is set.
    QVERIFY(OptionsFile::read(OptionsFile::defaultFileName(), &s.proiect.setari));
    QVERIFY(s.proiect.setari.CaleFoxPRO.isEmpty());
    s.proiect.setari.*tinta.field = FlagTrue;
    FrmSetari dlg(s);
    for (const Legatura &l : Legaturi)
        QVERIFY2(buton(&dlg, l.control)->isChecked() == (&l == &tinta), l.control);
    // A pair whose flag is False shows its second option.
    for (const char *second : {"optCentreazaObiectulVertical", "optFormatLZA"})
        QVERIFY2(buton(&dlg, second)->isChecked() != (QByteArray(tinta.pereche) == second), second);

    // A flag holding 1 is not True, and shows as cleared.
    s.proiect.setari.*tinta.field = 1;
    FrmSetari unu(s);
    QVERIFY(!buton(&unu, tinta.control)->isChecked());
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
    apasa(&dlg, "cmdSalveaza");
    Setari asteptat = cuPozitiiSiCale();
    asteptat.*tinta.field = FlagTrue;
    QVERIFY(s.proiect.setari == asteptat);
    QCOMPARE(fisierOptiuni(), inregistrare(asteptat));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TestFrmSetari::threeSeparateOptionGroups()
{
    TempCwd cwd;
    Sesiune s;
    FrmSetari dlg(s);
    dlg.show();
    auto alese = [&] {
        QStringList r;
        for (const char *o : {"Option1", "optFormatZLA", "optFormatLZA", "optCentrazaObiectulOrizontal",
                              "optCentreazaObiectulVertical"})
            if (buton(&dlg, o)->isChecked())
                r << S(o);
        return r.join(QLatin1Char(' '));
    };
    // Selecting in one choice leaves the other two alone.
    clickOptiune(buton(&dlg, "optFormatZLA"));
    QCOMPARE(alese(), S("Option1 optFormatZLA optCentreazaObiectulVertical"));
    find<QTabWidget>(&dlg, S("tabSetari"))->setCurrentIndex(3);
    clickOptiune(buton(&dlg, "optCentrazaObiectulOrizontal"));
    QCOMPARE(alese(), S("Option1 optFormatZLA optCentrazaObiectulOrizontal"));
    // A pair never ends up with both options cleared.
    clickOptiune(buton(&dlg, "optCentrazaObiectulOrizontal"));
    QCOMPARE(alese(), S("Option1 optFormatZLA optCentrazaObiectulOrizontal"));
}

void TestFrmSetari::closingWays_data()
{
    QTest::addColumn<QString>("cale");
    QTest::addColumn<bool>("fisierExistent");
    QTest::newRow("Reset, Salveaza") << S("cmdReset cmdSalveaza") << true;
    QTest::newRow("Reset, Salveaza at first start") << S("cmdReset cmdSalveaza") << false;
    QTest::newRow("Reset, Anuleaza") << S("cmdReset cmdAnuleaza") << true;
    QTest::newRow("Enter presses nothing, Esc") << S("enter esc") << false;
    QTest::newRow("Salveaza keeps positions, path, hidden flag") << S("cale cmdSalveaza") << true;
}

void TestFrmSetari::closingWays()
{
    QFETCH(QString, cale);
    QFETCH(bool, fisierExistent);
    TempCwd cwd;
    Sesiune s;
    if (fisierExistent) {
        s.proiect.setari = cuPozitiiSiCale();
        for (FlagField f : {&Setari::MarcajTabelaLucru, &Setari::FormatZLA, &Setari::ScrierePrescurtata})
            s.proiect.setari.*f = FlagTrue;
        QVERIFY(OptionsFile::write(OptionsFile::defaultFileName(), s.proiect.setari));
    }
    const Setari inainte = s.proiect.setari;
    const QByteArray fisierInainte = fisierOptiuni();
    FrmSetari dlg(s);
    auto *txtCale = find<QLineEdit>(&dlg, S("txtCaleFoxPRO"));
    QCOMPARE(txtCale->text(), inainte.CaleFoxPRO);
    bool rameaDeschis = true;
    const int r = execCu(dlg, [&](QWidget *w) {
        for (const QString &pas : cale.split(QLatin1Char(' '))) {
            if (pas == QLatin1String("cmdReset")) {
                apasa(w, "cmdReset");
                // The defaults are in the controls, not yet in the record.
                QVERIFY(buton(w, "chkUmbraImplicit")->isChecked());
                QVERIFY(s.proiect.setari == inainte);
            } else if (pas == QLatin1String("enter")) {
                auto *chk = buton(w, "chkConfirmareStergere");
                chk->setFocus();
                QTest::keyClick(chk, Qt::Key_Space);
                for (const char *name : {"chkConfirmareStergere", "cmdSalveaza", "cmdReset"}) {
                    auto *c = find<QWidget>(w, S(name));
                    c->setFocus();
                    QTest::keyClick(c, Qt::Key_Return);
                    QTest::keyClick(c, Qt::Key_Enter);
                }
                rameaDeschis = w->isVisible() && chk->isChecked();
            } else if (pas == QLatin1String("esc")) {
                QTest::keyClick(w, Qt::Key_Escape);
            } else if (pas == QLatin1String("cale")) {
                // Whatever the box shows, the path belongs to the locator.
                txtCale->setText(S("D:\\ALTA\\FOXPRO.EXE"));
            } else {
                apasa(w, pas.toLatin1().constData());
            }
        }
    });
    QVERIFY(rameaDeschis);
    QCOMPARE(txtCale->text().isEmpty(),
             inainte.CaleFoxPRO.isEmpty() && !cale.startsWith(QLatin1String("cale")));
    if (!cale.endsWith(QLatin1String("cmdSalveaza"))) {
        QCOMPARE(r, int(QDialog::Rejected));
        QVERIFY(s.proiect.setari == inainte);
        QCOMPARE(fisierOptiuni(), fisierInainte);
        return;
    }
    QCOMPARE(r, int(QDialog::Accepted));
    // Reset brings the defaults but never the positions or the path; without it
    // the hidden short writing survives.
    Setari asteptat = cale.startsWith(QLatin1String("cmdReset")) ? setariImplicite() : inainte;
    asteptat.PozitieFerestre = inainte.PozitieFerestre;
    asteptat.PozitieObiecte = inainte.PozitieObiecte;
    asteptat.PozitieTabela = inainte.PozitieTabela;
    asteptat.CaleFoxPRO = inainte.CaleFoxPRO;
    QVERIFY(s.proiect.setari == asteptat);
    QCOMPARE(fisierOptiuni().size(), OptionsFile::RecordSize);
    QCOMPARE(fisierOptiuni(), inregistrare(asteptat));
}

void TestFrmSetari::writeFailureIsReportedAndValuesKept()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(S("Sirolant.opt")));
    Sesiune s;
    FrmSetari dlg(s);
    dlg.show();
    buton(&dlg, "chkMarcajTabelaLucru")->setChecked(true);
    auto box = answerNextMessageBox(QMessageBox::Ok);
    apasa(&dlg, "cmdSalveaza");
    QVERIFY(box->seen && !box->title.isEmpty());
    QCOMPARE(box->icon, QMessageBox::Critical);
    QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box->text.contains(QLatin1String("Sirolant.opt")));
    // The new values hold in memory; the dialog still closes.
    QCOMPARE(s.proiect.setari.MarcajTabelaLucru, FlagTrue);
    QVERIFY(!dlg.isVisible());
    QVERIFY(QFileInfo(cwd.filePath(S("Sirolant.opt"))).isDir());
}

void TestFrmSetari::cautaOpensTheLocatorModally()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(S("fox")));
    const QString dosar = cwd.filePath(S("fox"));
    creeazaFisier(dosar + S("/FOXPRO.EXE"));
    Sesiune s;
    s.proiect.setari.MarcajTabelaLucru = FlagTrue;
    FrmSetari dlg(s);
    dlg.show();
    auto *cmdCauta = find<QPushButton>(&dlg, S("cmdCauta"));
    clickWidget(cmdCauta); // disabled in this version: a click opens nothing
    QVERIFY(!QApplication::activeModalWidget());

    cmdCauta->setEnabled(true);
    QString deschis;
    QWidget *proprietar = nullptr;
    onNextModal([&](QWidget *w) {
        deschis = w->objectName();
        proprietar = w->parentWidget();
        find<ListaDosare>(w, S("dirDirectoare"))->setPath(dosar);
        clickFisier(w, S("FOXPRO.EXE"));
        apasa(w, "cmdSelecteaza");
    });
    clickWidget(cmdCauta);
    QCOMPARE(deschis, S("frmCauta"));
    QCOMPARE(proprietar, &dlg);
    const QString asteptat = QDir::cleanPath(dosar) + S("/FOXPRO.EXE");
    QCOMPARE(s.proiect.setari.CaleFoxPRO, asteptat);
    QCOMPARE(s.proiect.setari.MarcajTabelaLucru, FlagTrue);
    QCOMPARE(find<QLineEdit>(&dlg, S("txtCaleFoxPRO"))->text(), asteptat);
    // The locator writes no file; saving the settings does.
    QVERIFY(!QFile::exists(cwd.filePath(S("Sirolant.opt"))));

    // Without a path box (none is required) the setting is still stored.
    Sesiune fara;
    FrmCauta faraCaseta(fara, nullptr);
    faraCaseta.show();
    find<ListaDosare>(&faraCaseta, S("dirDirectoare"))->setPath(dosar);
    clickFisier(&faraCaseta, S("FOXPRO.EXE"));
    apasa(&faraCaseta, "cmdSelecteaza");
    QCOMPARE(fara.proiect.setari.CaleFoxPRO, asteptat);
}

void TestFrmSetari::locatorListsAndAcceptsOnlyTheTwoNames()
{
    TempCwd cwd;
    QDir(cwd.path()).mkdir(S("bin"));
    const QString dosar = QDir::cleanPath(cwd.filePath(S("bin")));
    for (const char *f : {"foxpro.exe", "FOXPROX.EXE", "FoxPro1.exe", "other.exe", "foxpro12.exe",
                          "foxpro.com", "xfoxpro.exe"})
        creeazaFisier(dosar + QLatin1Char('/') + S(f));
    QDir(dosar).mkdir(S("foxprox.exe.d"));
    creeazaFisier(cwd.filePath(S("FOXPROW.EXE")));

    const QString vechi = S("C:\\FOX\\FOXPRO.EXE");
    for (int mod = 0; mod < 3; ++mod) { // look around, then Renunta, then Esc
        Sesiune s;
        s.proiect.setari.CaleFoxPRO = vechi;
        QLineEdit txt(vechi);
        FrmCauta dlg(s, &txt);
        QCOMPARE(dlg.objectName(), S("frmCauta"));
        QCOMPARE(dlg.windowTitle(), S("Cauta..."));
        QCOMPARE(
            execCu(dlg,
                   [&](QWidget *w) {
                       auto *dir = find<ListaDosare>(w, S("dirDirectoare"));
                       auto *cale = find<QLabel>(w, S("lblCale"));
                       auto *selecteaza = find<QPushButton>(w, S("cmdSelecteaza"));
                       QCOMPARE(w->minimumSize(), w->maximumSize());
                       QVERIFY(!selecteaza->autoDefault());
                       // It opens in the current folder, which holds one match.
                       QCOMPARE(dir->path(), QDir::cleanPath(QDir::currentPath()));
                       QCOMPARE(numeFisiere(w), QStringList{S("FOXPROW.EXE")});
                       dir->setPath(dosar);
                       QCOMPARE(numeFisiere(w),
                                (QStringList{S("foxpro.exe"), S("FoxPro1.exe"), S("FOXPROX.EXE")}));
                       QCOMPARE(cale->text(), S("..."));
                       // A matched name that is not FoxPro changes nothing, nor undoes a choice.
                       for (const char *f : {"FoxPro1.exe", "foxpro.exe", "FoxPro1.exe", "FOXPROX.EXE"}) {
                           clickFisier(w, S(f));
                           const bool ales = QByteArray(f) != "FoxPro1.exe" || cale->text() != S("...");
                           QVERIFY2(selecteaza->isEnabled() == ales, f);
                       }
                       QCOMPARE(cale->text(), dosar + S("/FOXPROX.EXE"));
                       // Nothing is stored before Selecteaza; Enter presses nothing.
                       QCOMPARE(s.proiect.setari.CaleFoxPRO, vechi);
                       QTest::keyClick(find<QWidget>(w, S("filFoxPro")), Qt::Key_Return);
                       if (mod == 0)
                           apasa(w, "cmdSelecteaza");
                       else if (mod == 1)
                           apasa(w, "cmdRenunta");
                       else
                           QTest::keyClick(w, Qt::Key_Escape);
                   }),
            mod == 0 ? int(QDialog::Accepted) : int(QDialog::Rejected));
        const QString asteptat = mod == 0 ? dosar + S("/FOXPROX.EXE") : vechi;
        QCOMPARE(s.proiect.setari.CaleFoxPRO, asteptat);
        QCOMPARE(txt.text(), asteptat);
        QVERIFY(!QFile::exists(cwd.filePath(S("Sirolant.opt"))));
    }
    QVERIFY(FrmCauta::potrivesteModelul(S("fOxPrOx.ExE")));
    QVERIFY(!FrmCauta::potrivesteModelul(S("foxpro.exe.bak")));
    QVERIFY(FrmCauta::esteFoxPro(S("FoxProX.Exe")));
    QVERIFY(!FrmCauta::esteFoxPro(S("FOXPROW.EXE")));
}

void TestFrmSetari::locatorRefusesPathsTheRecordCannotKeep()
{
    TempCwd cwd;
    const QString baza = QDir::cleanPath(cwd.path());
    const QString fisier = S("FOXPRO.EXE");
    // Folders that make the full path exactly 88 and 89 characters long.
    auto dosarDeLungime = [&](int lungime, QChar litera) {
        return baza + QLatin1Char('/') + QString(lungime - int(baza.size()) - int(fisier.size()) - 2, litera);
    };
    const QString dosar88 = dosarDeLungime(OptionsFile::MaxPathLength, QLatin1Char('a'));
    const QString dosar89 = dosarDeLungime(OptionsFile::MaxPathLength + 1, QLatin1Char('b'));
    const QString dosarCirilic = baza + S("/dosar_\u0436");
    const QString vechi = S("C:\\FOXPRO.EXE");
    for (const QString &d : {dosar89, dosarCirilic, dosar88}) {
        QVERIFY2(QDir().mkpath(d), qPrintable(d));
        creeazaFisier(d + QLatin1Char('/') + fisier);
        Sesiune s;
        s.proiect.setari.CaleFoxPRO = vechi;
        QLineEdit txt(vechi);
        FrmCauta dlg(s, &txt);
        dlg.show();
        find<ListaDosare>(&dlg, S("dirDirectoare"))->setPath(d);
        clickFisier(&dlg, fisier);
        QCOMPARE(find<QLabel>(&dlg, S("lblCale"))->text(), d + QLatin1Char('/') + fisier);
        if (d == dosar88) {
            // 88 characters still fit the record, and the saved file keeps them.
            apasa(&dlg, "cmdSelecteaza");
            QVERIFY(!dlg.isVisible());
            QCOMPARE(s.proiect.setari.CaleFoxPRO.size(), OptionsFile::MaxPathLength);
            QVERIFY(OptionsFile::write(OptionsFile::defaultFileName(), s.proiect.setari));
            Setari citit;
            QVERIFY(OptionsFile::read(OptionsFile::defaultFileName(), &citit));
            QCOMPARE(citit.CaleFoxPRO, dosar88 + QLatin1Char('/') + fisier);
            break;
        }
        auto box = answerNextMessageBox(QMessageBox::Ok);
        apasa(&dlg, "cmdSelecteaza");
        QVERIFY2(box->seen, qPrintable(d));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QVERIFY(box->text.contains(QLatin1String("fisierul de optiuni")));
        QVERIFY(box->text.contains(d == dosarCirilic ? QString(QChar(0x0436))
                                                     : QString::number(OptionsFile::MaxPathLength)));
        // Refused: the dialog stays open and nothing is stored.
        QVERIFY(dlg.isVisible());
        QCOMPARE(s.proiect.setari.CaleFoxPRO, vechi);
        QCOMPARE(txt.text(), vechi);
    }
}

void TestFrmSetari::locatorDriveChangeOpensTheRoot()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(S("volum")));
    const QString volum = QDir::cleanPath(cwd.filePath(S("volum")));
    Sesiune s;
    FrmCauta dlg(s, nullptr);
    dlg.show();
    auto *drv = find<ListaDiscuri>(&dlg, S("drvDiscuri"));
    auto *dir = find<ListaDosare>(&dlg, S("dirDirectoare"));
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
    QCOMPARE(dlg.objectName(), S("frmDespre"));
    QCOMPARE(dlg.windowTitle(), S("Despre..."));
    QVERIFY(!(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto *image = find<QLabel>(&dlg, S("Image1"));
    QVERIFY(image);
    QVERIFY(!image->pixmap().isNull());
    const QString versiune = S("Sirolant v%1.%2.%3")
                                 .arg(SIROLANT_VERSION_MAJOR)
                                 .arg(SIROLANT_VERSION_MINOR)
                                 .arg(SIROLANT_VERSION_PATCH);
    bool titluGasit = false;
    for (QLabel *l : dlg.findChildren<QLabel *>())
        titluGasit = titluGasit || l->text() == versiune;
    QVERIFY(titluGasit);
    QCOMPARE(find<QLabel>(&dlg, S("Label2"))->text(),
             S("Sirolant este o aplicatie destinata proiectarii interfetelor grafice ale programelor "
               "scrise in Fox PRO v2.x  in mod text."));
    QCOMPARE(find<QLabel>(&dlg, S("Label3"))->text(),
             S("Sirolant este o aplicatie menita sa-i ajute pe elevii si studentii care doresc sa "
               "realizeze cat mai rapid interfete grafice complexe pentru lucrarile lor de proiect."));
    for (const char *name : {"Label1", "Label4", "Label5", "Label6", "Label8"}) {
        auto *l = find<QLabel>(&dlg, QLatin1String(name));
        QVERIFY2(l, name);
        // No invented contact: no addresses of any kind.
        QVERIFY2(!l->text().contains(QLatin1Char('@')) || l->text().contains(QLatin1String("@ ")), name);
        QVERIFY2(!l->text().contains(QLatin1String("www")) && !l->text().contains(QLatin1String("http")),
                 name);
    }
    auto *ok = find<QPushButton>(&dlg, S("cmdOk"));
    QCOMPARE(ok->text(), S("Ok"));

    bool deschisDupaEnter = false;
    QVERIFY(execCu(dlg, [&](QWidget *w) {
                auto *b = find<QPushButton>(w, S("cmdOk"));
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
