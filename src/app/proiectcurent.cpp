#include "proiectcurent.h"

#include "app/istoric.h"
#include "codegen/cititorprogram.h"
#include "formbase/uiutil.h"
#include "model/fisierproiect.h"
#include "model/modelproiect.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>

namespace {

const QString kFiltru = QStringLiteral("Proiecte Sirolant (*.sirolant)");
const QString kCheieRecente = QStringLiteral("proiecteRecente");
constexpr int MaximRecente = 8;
constexpr int IntervalRecuperare = 2000; // ms between two writes of the recovery file

// Non-native, starting in the design's folder (the current one for a design
// without a file); a dialog of project files also offers the design's name.
QString alegeFisier(QWidget *parinte, const QString &titlu, bool salvare, const QString &cale,
                    const QString &filtru = kFiltru)
{
    QFileDialog dialog(parinte, titlu, cale.isEmpty() ? QDir::currentPath() : QFileInfo(cale).absolutePath(),
                       filtru);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(salvare ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(salvare ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (filtru == kFiltru) {
        dialog.setDefaultSuffix(QStringLiteral("sirolant"));
        if (!cale.isEmpty())
            dialog.selectFile(QFileInfo(cale).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString caleFisierCale(const QString &recuperare)
{
    return recuperare + QStringLiteral(".cale");
}

// The design's own file, kept beside its recovery file (empty for a design without one).
QString caleRecuperata(const QString &recuperare)
{
    QFile f(caleFisierCale(recuperare));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.read(4096)) : QString();
}

QString caleBlocare(const QString &recuperare)
{
    QString baza = recuperare;
    baza.chop(int(QStringLiteral(".sirolant").size()));
    return baza + QStringLiteral(".lock");
}

} // namespace

ProiectCurent::ProiectCurent(QWidget *fereastra, ModelProiect &model, Istoric &istoric, QObject *parent)
    : QObject(parent)
    , fereastra_(fereastra)
    , model_(model)
    , istoric_(istoric)
    , amanare_(new QTimer(this))
{
    amanare_->setSingleShot(true);
    connect(amanare_, &QTimer::timeout, this, &ProiectCurent::scrieRecuperarea);
    connect(&model_, &ModelProiect::pas, this, &ProiectCurent::laSchimbare);
    connect(&model_, &ModelProiect::restaurat, this, &ProiectCurent::laSchimbare);
    connect(istoric_.stiva(), &QUndoStack::cleanChanged, this, [this] {
        laSchimbare();
        emit stareSchimbata();
    });

    // This program's own recovery file, held by a lock for as long as it runs,
    // so that a second program never takes it for one a crash left behind.
    const QString dosar = dosarRecuperare();
    QDir().mkpath(dosar);
    const QString id = QStringLiteral("%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    fisierRecuperare_ = dosar + QStringLiteral("/recuperare-") + id + QStringLiteral(".sirolant");
    blocare_ = std::make_unique<QLockFile>(caleBlocare(fisierRecuperare_));
    blocare_->setStaleLockTime(0);
    if (!blocare_->tryLock(0))
        fisierRecuperare_.clear(); // no recovery rather than one another program could take
}

ProiectCurent::~ProiectCurent()
{
    incheie();
}

QString ProiectCurent::dosarRecuperare()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recuperare");
}

bool ProiectCurent::modificat() const
{
    return !istoric_.stiva()->isClean();
}

QString ProiectCurent::titlu(const QString &program) const
{
    // A new, imported or recovered design shows its unsaved mark too.
    if (cale_.isEmpty())
        return program + QStringLiteral("[*]");
    return program + QStringLiteral(" - ") + QFileInfo(cale_).fileName() + QStringLiteral("[*]");
}

void ProiectCurent::seteazaFisier(const QString &cale)
{
    cale_ = cale;
    if (!cale.isEmpty())
        adaugaRecent(cale);
    emit stareSchimbata();
}

void ProiectCurent::nou()
{
    if (!continuaDupaModificari())
        return;
    model_.restaureaza(ModelProiect::stareInitiala());
    istoric_.stiva()->clear();
    stergeRecuperarea();
    seteazaFisier(QString());
}

void ProiectCurent::deschide()
{
    if (!continuaDupaModificari())
        return;
    const QString cale = alegeFisier(fereastra_, QStringLiteral("Deschide proiect"), false, cale_);
    if (!cale.isEmpty())
        incarca(cale);
}

void ProiectCurent::deschideRecent(const QString &cale)
{
    if (continuaDupaModificari())
        incarca(cale);
}

void ProiectCurent::importa()
{
    if (!continuaDupaModificari())
        return;
    const QString cale = alegeFisier(fereastra_, QStringLiteral("Importa program"), false, cale_,
                                     QStringLiteral("Programe FoxPro (*.prg *.PRG)"));
    if (cale.isEmpty())
        return;
    QString problema;
    const std::optional<CititorProgram::Import> import = CititorProgram::incarca(cale, &problema);
    if (!import) {
        mesajCritic(fereastra_, QStringLiteral("Importa program"),
                    QStringLiteral("Programul \"%1\" nu poate fi importat:\n%2")
                        .arg(QDir::toNativeSeparators(cale), problema));
        return;
    }
    // Like a new project: no file yet, and work to save.
    restaureazaNesalvat(import->stare, QString());
    if (import->pierderi.isEmpty())
        return;
    int ferestre = 0, obiecte = 0;
    for (int n = 1; n <= NumarFerestre; ++n)
        ferestre += isSet(import->stare.ferestre[std::size_t(n)].Libera) ? 0 : 1;
    for (int k = 1; k <= NumarObiecte; ++k)
        obiecte += isSet(import->stare.obiecte[std::size_t(k)].Liber) ? 0 : 1;
    mesaj(fereastra_, QMessageBox::Information, QStringLiteral("Import program"),
          QStringLiteral("Au fost importate: %1 si %2.\n\nCe nu se poate scrie intr-un program "
                         "a primit valorile implicite ale editoarelor:\n\n- ")
                  .arg(CititorProgram::cuNumar(ferestre, "fereastra", "ferestre"),
                       CititorProgram::cuNumar(obiecte, "obiect", "obiecte")) +
              import->pierderi.join(QStringLiteral("\n- ")));
}

bool ProiectCurent::incarca(const QString &cale)
{
    QString problema;
    const std::optional<StareProiect> stare = FisierProiect::incarca(cale, &problema);
    if (!stare) {
        mesajCritic(fereastra_, QStringLiteral("Deschide proiect"),
                    QStringLiteral("Proiectul \"%1\" nu poate fi deschis:\n%2")
                        .arg(QDir::toNativeSeparators(cale), problema));
        return false;
    }
    model_.restaureaza(*stare);
    istoric_.stiva()->clear();
    stergeRecuperarea();
    seteazaFisier(QFileInfo(cale).absoluteFilePath());
    return true;
}

bool ProiectCurent::salveaza()
{
    if (cale_.isEmpty())
        return salveazaCa();
    QString problema;
    if (!FisierProiect::salveaza(cale_, model_.stare(), &problema)) {
        mesajCritic(fereastra_, QStringLiteral("Salveaza proiectul"),
                    QStringLiteral("Proiectul nu a fost salvat in \"%1\":\n%2")
                        .arg(QDir::toNativeSeparators(cale_), problema));
        return false;
    }
    istoric_.stiva()->setClean();
    stergeRecuperarea();
    adaugaRecent(cale_);
    emit stareSchimbata();
    return true;
}

bool ProiectCurent::salveazaCa()
{
    const QString cale = alegeFisier(fereastra_, QStringLiteral("Salveaza proiectul"), true, cale_);
    if (cale.isEmpty())
        return false;
    const QString anterioara = cale_;
    cale_ = cale;
    if (!salveaza()) {
        cale_ = anterioara;
        return false;
    }
    seteazaFisier(QFileInfo(cale).absoluteFilePath());
    return true;
}

bool ProiectCurent::continuaDupaModificari()
{
    if (!modificat())
        return true;
    switch (mesaj(fereastra_, QMessageBox::Question, QStringLiteral("Sirolant"),
                  QStringLiteral("Salvati modificarile proiectului?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return salveaza();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void ProiectCurent::adaugaRecent(const QString &cale)
{
    QSettings setari;
    QStringList recente = setari.value(kCheieRecente).toStringList();
    recente.removeAll(cale);
    recente.prepend(cale);
    setari.setValue(kCheieRecente, QStringList(recente.mid(0, MaximRecente)));
}

void ProiectCurent::umpleMeniulRecente(QMenu *meniu)
{
    meniu->clear();
    const QStringList recente = QSettings().value(kCheieRecente).toStringList();
    for (int i = 0; i < recente.size(); ++i) {
        const QString cale = recente.at(i);
        QAction *a =
            meniu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(cale)));
        connect(a, &QAction::triggered, this, [this, cale] { deschideRecent(cale); });
    }
    meniu->setEnabled(!recente.isEmpty());
}

void ProiectCurent::laSchimbare()
{
    if (!modificat()) {
        amanare_->stop();
        stergeRecuperarea();
        return;
    }
    if (!ultimaScriere_.isValid() || ultimaScriere_.elapsed() >= IntervalRecuperare)
        scrieRecuperarea();
    else if (!amanare_->isActive())
        amanare_->start(int(IntervalRecuperare - ultimaScriere_.elapsed()));
}

void ProiectCurent::scrieRecuperareaAcum()
{
    if (modificat())
        scrieRecuperarea();
}

void ProiectCurent::scrieRecuperarea()
{
    amanare_->stop();
    if (fisierRecuperare_.isEmpty())
        return;
    ultimaScriere_.start();
    QString problema;
    // Nothing to tell the user: the recovery file is only a safety net.
    if (!FisierProiect::salveaza(fisierRecuperare_, model_.stare(), &problema))
        return;
    QSaveFile cale(caleFisierCale(fisierRecuperare_));
    if (cale.open(QIODevice::WriteOnly)) {
        cale.write(cale_.toUtf8());
        cale.commit();
    }
}

void ProiectCurent::stergeRecuperarea()
{
    if (fisierRecuperare_.isEmpty())
        return;
    QFile::remove(fisierRecuperare_);
    QFile::remove(caleFisierCale(fisierRecuperare_));
}

void ProiectCurent::incheie()
{
    amanare_->stop();
    stergeRecuperarea();
    if (blocare_)
        blocare_->unlock();
}

void ProiectCurent::laPornire(const QString &fisierLinieComanda)
{
    // The newest recovery file whose program no longer runs.
    QDir dosar(dosarRecuperare());
    const QFileInfoList fisiere =
        dosar.entryInfoList({QStringLiteral("recuperare-*.sirolant")}, QDir::Files, QDir::Time);
    for (const QFileInfo &f : fisiere) {
        if (f.absoluteFilePath() == fisierRecuperare_)
            continue;
        QLockFile blocare(caleBlocare(f.absoluteFilePath()));
        blocare.setStaleLockTime(0); // only a lock whose program is gone is stale, however old
        if (!blocare.tryLock(0))
            continue; // its program is still running
        const QString cale = caleRecuperata(f.absoluteFilePath());
        const bool da = intrebareDaNu(
            fereastra_, QMessageBox::Question, QStringLiteral("Recuperare"),
            QStringLiteral(
                "Sirolant nu a fost inchis corect. Recuperati proiectul nesalvat %1 (modificat la %2)?")
                .arg(cale.isEmpty() ? QStringLiteral("fara nume") : QFileInfo(cale).fileName(),
                     f.lastModified().toString(QStringLiteral("HH:mm"))));
        const bool recuperat = da && deschideRecuperare(f.absoluteFilePath());
        QFile::remove(f.absoluteFilePath());
        QFile::remove(caleFisierCale(f.absoluteFilePath()));
        if (recuperat)
            return;
        break;
    }
    if (!fisierLinieComanda.isEmpty())
        incarca(fisierLinieComanda);
}

bool ProiectCurent::deschideRecuperare(const QString &fisier)
{
    QString problema;
    const std::optional<StareProiect> stare = FisierProiect::incarca(fisier, &problema);
    if (!stare) {
        mesajCritic(fereastra_, QStringLiteral("Recuperare"),
                    QStringLiteral("Proiectul nesalvat nu poate fi recuperat:\n%1").arg(problema));
        return false;
    }
    restaureazaNesalvat(*stare, caleRecuperata(fisier));
    return true;
}

void ProiectCurent::restaureazaNesalvat(const StareProiect &stare, const QString &cale)
{
    model_.restaureaza(stare);
    istoric_.stiva()->clear();
    cale_ = cale;
    istoric_.stiva()->resetClean();
    emit stareSchimbata();
}
