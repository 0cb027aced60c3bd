#include "frmsetari.h"

#include "app/frmcauta.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "model/optionsfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int LatimeBanda = 480;
constexpr int InaltimeBanda = 56;

template <typename T> T *numit(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QCheckBox *caseta(const char *name, const QString &text, QWidget *parent)
{
    return numit(new QCheckBox(text, parent), name);
}

QRadioButton *optiune(const char *name, const QString &text, QWidget *parent)
{
    return numit(new QRadioButton(text, parent), name);
}

QLabel *eticheta(const char *name, const QString &text, QWidget *parent)
{
    return numit(new QLabel(text, parent), name);
}

// Two or three options of one choice. Each choice gets its own group so a
// selection never clears an option of another choice, wherever they sit.
void grupExclusiv(QWidget *owner, std::initializer_list<QRadioButton *> options)
{
    auto *group = new QButtonGroup(owner);
    group->setExclusive(true);
    for (QRadioButton *o : options)
        group->addButton(o);
}

// The strip across the top of the dialog: a small text-mode screen with a
// window on it, beside the dialog's name.
QPixmap bandaSetari()
{
    QPixmap pm(LatimeBanda, InaltimeBanda);
    QPainter p(&pm);
    QLinearGradient fundal(0, 0, LatimeBanda, 0);
    fundal.setColorAt(0, QColor(0, 0, 128));
    fundal.setColorAt(1, QColor(0, 128, 128));
    p.fillRect(pm.rect(), fundal);

    const QRect ecran(10, 8, 56, 40);
    p.fillRect(ecran, QColor(0, 0, 170));
    p.fillRect(ecran.adjusted(12, 10, -6, -6), Qt::black); // shadow
    p.fillRect(ecran.adjusted(8, 6, -10, -10), QColor(192, 192, 192));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(ecran.adjusted(10, 8, -12, -12));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(ecran.adjusted(0, 0, -1, -1));

    QFont titlu = p.font();
    titlu.setBold(true);
    titlu.setPointSize(14);
    p.setFont(titlu);
    p.drawText(QRect(80, 4, LatimeBanda - 90, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Setari Sirolant"));
    QFont subtitlu = p.font();
    subtitlu.setBold(false);
    subtitlu.setPointSize(8);
    p.setFont(subtitlu);
    p.setPen(QColor(220, 230, 255));
    p.drawText(QRect(80, 30, LatimeBanda - 90, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Optiunile se pastreaza in fisierul Sirolant.opt"));
    return pm;
}

} // namespace

FrmSetari::FrmSetari(Sesiune &sesiune, QWidget *parent)
    : QDialog(parent)
    , sesiune_(sesiune)
{
    setObjectName(QStringLiteral("frmSetari"));
    setWindowTitle(QStringLiteral("Setari Sirolant"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto *imgSetari = eticheta("imgSetari", QString(), this);
    imgSetari->setPixmap(bandaSetari());

    tabSetari_ = numit(new QTabWidget(this), "tabSetari");
    tabSetari_->addTab(creeazaPaginaGeneral(), QStringLiteral("> General <"));
    tabSetari_->addTab(creeazaPaginaFoxPro(), QStringLiteral("> Fox PRO <"));
    tabSetari_->addTab(creeazaPaginaCodGenerat(), QStringLiteral("> Cod generat <"));
    tabSetari_->addTab(creeazaPaginaDiverse(), QStringLiteral("> Diverse <"));

    auto *cmdSalveaza = numit(new QPushButton(QStringLiteral("Salveaza"), this), "cmdSalveaza");
    auto *cmdAnuleaza = numit(new QPushButton(QStringLiteral("Anuleaza"), this), "cmdAnuleaza");
    auto *cmdReset = numit(new QPushButton(QStringLiteral("Reset"), this), "cmdReset");
    connect(cmdSalveaza, &QPushButton::clicked, this, &FrmSetari::salveaza);
    connect(cmdAnuleaza, &QPushButton::clicked, this, &FrmSetari::reject);
    connect(cmdReset, &QPushButton::clicked, this, &FrmSetari::reset);

    auto *butoane = new QHBoxLayout;
    butoane->addStretch(1);
    butoane->addWidget(cmdSalveaza);
    butoane->addWidget(cmdAnuleaza);
    butoane->addWidget(cmdReset);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(imgSetari);
    auto *mijloc = new QVBoxLayout;
    mijloc->setContentsMargins(10, 4, 10, 0);
    mijloc->addWidget(tabSetari_);
    mijloc->addLayout(butoane);
    layout->addLayout(mijloc);

    // The loading order is the one the form has always used; nothing hangs
    // off these controls' changes, but keeping it costs nothing.
    afiseazaOptiuni(sesiune_.model.proiect().setari);
    if (!sesiune_.model.proiect().setari.CaleFoxPRO.isEmpty())
        txtCaleFoxPRO_->setText(sesiune_.model.proiect().setari.CaleFoxPRO);

    butonImplicit(this, cmdSalveaza);
    setFixedSize(sizeHint());
}

QWidget *FrmSetari::creeazaPaginaGeneral()
{
    auto *page = numit(new QWidget, "tabGeneral");
    chkSalveazaSetariSpatiuLucru_ = caseta("chkSalveazaSetariSpatiuLucru",
                                           QStringLiteral("La inchidere retine pozitiile ferestrelor"), page);
    chkConfirmareaInchidere_ =
        caseta("chkConfirmareaInchidere",
               QStringLiteral("Cere confirmarea utilizatorului la inchiderea aplicatiei"), page);
    chkConfirmareStergere_ = caseta(
        "chkConfirmareStergere",
        QStringLiteral("Cere confirmarea utilizatorului la stergerea obiectelor si a ferestrelor"), page);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(chkSalveazaSetariSpatiuLucru_);
    layout->addWidget(chkConfirmareaInchidere_);
    layout->addWidget(chkConfirmareStergere_);
    layout->addStretch(1);
    return page;
}

QWidget *FrmSetari::creeazaPaginaFoxPro()
{
    auto *page = numit(new QWidget, "tabFoxPro");
    auto *label1 = eticheta("Label1", QStringLiteral("FoxPro.exe / FoxProX.exe:"), page);
    txtCaleFoxPRO_ = numit(new QLineEdit(page), "txtCaleFoxPRO");
    txtCaleFoxPRO_->setEnabled(false);
    cmdCauta_ = numit(new QPushButton(QStringLiteral("Cauta..."), page), "cmdCauta");
    // This version cannot run the generated code yet, so the path cannot be chosen.
    cmdCauta_->setEnabled(false);
    connect(cmdCauta_, &QPushButton::clicked, this, &FrmSetari::cauta);

    auto *label7 =
        eticheta("Label7", QStringLiteral("Versiunea curenta nu include aceasta facilitate!"), page);
    QFont bold = label7->font();
    bold.setBold(true);
    label7->setFont(bold);
    auto *label6 = eticheta("Label6",
                            QStringLiteral("In versiunile viitoare Sirolant va fi capabil sa execute codul "
                                           "generat. Singura conditie fiind aceea de a avea instalata o "
                                           "versiune de Fox PRO v2.xx"),
                            page);
    label6->setWordWrap(true);

    auto *cale = new QHBoxLayout;
    cale->addWidget(txtCaleFoxPRO_, 1);
    cale->addWidget(cmdCauta_);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label1);
    layout->addLayout(cale);
    layout->addSpacing(12);
    layout->addWidget(label7);
    layout->addWidget(label6);
    layout->addStretch(1);
    return page;
}

QWidget *FrmSetari::creeazaPaginaCodGenerat()
{
    auto *page = numit(new QWidget, "tabCodGenerat");
    option1_ = optiune("Option1", QStringLiteral("Scrie codul Fox PRO cu majuscule"), page);
    option2_ = optiune("Option2", QStringLiteral("Foloseste scrierea inteligenta"), page);
    option3_ = optiune("Option3", QStringLiteral("Scrie codul Fox PRO cu minuscule"), page);
    auto *exemplu1 = eticheta("lblExemplu1", QStringLiteral("( ex.: DEFINE WINDOW ... )"), page);
    auto *exemplu2 = eticheta("lblExemplu2", QStringLiteral("( ex.: Define Window ... )"), page);
    auto *exemplu3 = eticheta("lblExemplu3", QStringLiteral("( ex.: define window ... )"), page);
    // The generator writes capitals only; the other cases are shown as not yet available.
    grupExclusiv(this, {option1_, option2_, option3_});
    option1_->setChecked(true);
    option2_->setEnabled(false);
    option3_->setEnabled(false);
    exemplu2->setEnabled(false);
    exemplu3->setEnabled(false);

    // Kept (loaded, saved, reset) although nothing reads it; not offered.
    chkScrierePrescurtata_ =
        caseta("chkScrierePrescurtata", QStringLiteral("Foloseste scrierea prescurtata"), page);
    auto *exemplu4 = eticheta("lblExemplu4", QStringLiteral("( ex.: DEFI WIND ... )"), page);
    chkScrierePrescurtata_->setEnabled(false);
    chkScrierePrescurtata_->setVisible(false);
    exemplu4->setVisible(false);

    chkInsereazaDataOra_ =
        caseta("chkInsereazaDataOra", QStringLiteral("Insereaza ora si data generarii codului"), page);
    chkIncludeComentariile_ =
        caseta("chkIncludeComentariile", QStringLiteral("Include si comentariile atasate obiectelor"), page);

    auto *frame1 = numit(new QGroupBox(QStringLiteral("Setari legate de data:"), page), "Frame1");
    chkAnulArePatruCifre_ = caseta("chkAnulArePatruCifre", QStringLiteral("Anul are 4 cifre"), frame1);
    optFormatZLA_ = optiune("optFormatZLA", QStringLiteral("Foloseste formatul: zi/luna/an"), frame1);
    optFormatLZA_ = optiune("optFormatLZA", QStringLiteral("Foloseste formatul: luna/zi/an"), frame1);
    grupExclusiv(this, {optFormatZLA_, optFormatLZA_});
    auto *data = new QVBoxLayout(frame1);
    data->addWidget(chkAnulArePatruCifre_);
    data->addWidget(optFormatZLA_);
    data->addWidget(optFormatLZA_);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->addWidget(option1_, 0, 0);
    grid->addWidget(exemplu1, 0, 1);
    grid->addWidget(option2_, 1, 0);
    grid->addWidget(exemplu2, 1, 1);
    grid->addWidget(option3_, 2, 0);
    grid->addWidget(exemplu3, 2, 1);
    grid->addWidget(chkScrierePrescurtata_, 3, 0);
    grid->addWidget(exemplu4, 3, 1);
    grid->addWidget(chkInsereazaDataOra_, 4, 0, 1, 3);
    grid->addWidget(chkIncludeComentariile_, 5, 0, 1, 3);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(frame1);
    layout->addStretch(1);
    return page;
}

QWidget *FrmSetari::creeazaPaginaDiverse()
{
    auto *page = numit(new QWidget, "tabDiverse");
    chkMarcajTabelaLucru_ =
        caseta("chkMarcajTabelaLucru", QStringLiteral("Afiseaza marcajul in tabela de lucru"), page);
    chkUmbraImplicit_ =
        caseta("chkUmbraImplicit", QStringLiteral("Toate ferestrele au implicit umbra"), page);
    chkFerestrePatrate_ =
        caseta("chkFerestrePatrate", QStringLiteral("Toate ferestrele sunt implicit patrate"), page);
    chkPastreazaUmbraInEcran_ =
        caseta("chkPastreazaUmbraInEcran", QStringLiteral("Pastreaza umbra ferestrelor in ecran"), page);

    auto *frame2 = numit(new QGroupBox(QStringLiteral("Dublu-Click pe un obiect:"), page), "Frame2");
    optCentrazaObiectulOrizontal_ =
        optiune("optCentrazaObiectulOrizontal", QStringLiteral("Centreaza obiectul orizontal"), frame2);
    optCentreazaObiectulVertical_ =
        optiune("optCentreazaObiectulVertical", QStringLiteral("Centreaza obiectul vertical"), frame2);
    grupExclusiv(this, {optCentrazaObiectulOrizontal_, optCentreazaObiectulVertical_});
    auto *dubluClick = new QVBoxLayout(frame2);
    dubluClick->addWidget(optCentrazaObiectulOrizontal_);
    dubluClick->addWidget(optCentreazaObiectulVertical_);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(chkMarcajTabelaLucru_);
    layout->addWidget(chkUmbraImplicit_);
    layout->addWidget(chkFerestrePatrate_);
    layout->addWidget(chkPastreazaUmbraInEcran_);
    layout->addWidget(frame2);
    layout->addStretch(1);
    return page;
}

void FrmSetari::afiseazaOptiuni(const Setari &s)
{
    // An option pair shows its flag by which of the two is selected.
    (isSet(s.CentrazaObiectulOrizontal) ? optCentrazaObiectulOrizontal_ : optCentreazaObiectulVertical_)
        ->setChecked(true);
    chkAnulArePatruCifre_->setChecked(isSet(s.AnulArePatruCifre));
    (isSet(s.FormatZLA) ? optFormatZLA_ : optFormatLZA_)->setChecked(true);
    chkConfirmareaInchidere_->setChecked(isSet(s.ConfirmareaInchidere));
    chkConfirmareStergere_->setChecked(isSet(s.ConfirmareStergere));
    chkIncludeComentariile_->setChecked(isSet(s.IncludeComentariile));
    chkInsereazaDataOra_->setChecked(isSet(s.InsereazaDataOra));
    chkPastreazaUmbraInEcran_->setChecked(isSet(s.PastreazaUmbraInEcran));
    chkScrierePrescurtata_->setChecked(isSet(s.ScrierePrescurtata));
    chkFerestrePatrate_->setChecked(isSet(s.FerestrePatrate));
    chkMarcajTabelaLucru_->setChecked(isSet(s.MarcajTabelaLucru));
    chkSalveazaSetariSpatiuLucru_->setChecked(isSet(s.SalveazaSetariSpatiuLucru));
    chkUmbraImplicit_->setChecked(isSet(s.UmbraImplicit));
}

void FrmSetari::salveaza()
{
    // The positions belong to the exit command and the path to the locator:
    // neither is copied back from here.
    Setari &s = sesiune_.model.setari();
    s.CentrazaObiectulOrizontal = toFlag(optCentrazaObiectulOrizontal_->isChecked());
    s.FormatZLA = toFlag(optFormatZLA_->isChecked());
    s.AnulArePatruCifre = toFlag(chkAnulArePatruCifre_->isChecked());
    s.MarcajTabelaLucru = toFlag(chkMarcajTabelaLucru_->isChecked());
    s.UmbraImplicit = toFlag(chkUmbraImplicit_->isChecked());
    s.FerestrePatrate = toFlag(chkFerestrePatrate_->isChecked());
    s.PastreazaUmbraInEcran = toFlag(chkPastreazaUmbraInEcran_->isChecked());
    s.SalveazaSetariSpatiuLucru = toFlag(chkSalveazaSetariSpatiuLucru_->isChecked());
    s.ConfirmareaInchidere = toFlag(chkConfirmareaInchidere_->isChecked());
    s.ConfirmareStergere = toFlag(chkConfirmareStergere_->isChecked());
    s.ScrierePrescurtata = toFlag(chkScrierePrescurtata_->isChecked());
    s.IncludeComentariile = toFlag(chkIncludeComentariile_->isChecked());
    s.InsereazaDataOra = toFlag(chkInsereazaDataOra_->isChecked());

    QString eroare;
    if (!OptionsFile::write(OptionsFile::defaultFileName(), s, &eroare)) {
        // The new settings hold for this run anyway; the exit command tries the file again.
        mesajCritic(this, QStringLiteral("Eroare salvare setari!"),
                    eroare +
                        QStringLiteral("\n\nSetarile noi raman valabile pana la inchiderea programului."));
    }
    accept();
}

void FrmSetari::reset()
{
    // Only the controls change; the path is not one of the defaults.
    afiseazaOptiuni(setariImplicite());
}

void FrmSetari::cauta()
{
    FrmCauta cauta(sesiune_, txtCaleFoxPRO_, this);
    cauta.exec();
}

void FrmSetari::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (centrat_)
        return;
    centrat_ = true;
    centreazaPeEcran(this);
}
