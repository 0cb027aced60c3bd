#include "liniecomanda.h"

#include "codegen/cititorprogram.h"
#include "codegen/fisierprogram.h"
#include "codegen/generator.h"
#include "model/eroarefisier.h"
#include "model/fisierproiect.h"
#include "model/optionsfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString kGenereaza = QStringLiteral("genereaza");
const QString kImporta = QStringLiteral("importa");
const QString kIesire = QStringLiteral("iesire");
const QString kSuprascrie = QStringLiteral("suprascrie");

void scrie(FILE *flux, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), flux);
}

QString numeProgram()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

// "sirolant: FILE: reason" on stderr, the file as it was typed.
int eroare(int cod, const QString &fisier, const QString &motiv)
{
    const QString loc =
        fisier.isEmpty() ? QString() : QDir::toNativeSeparators(fisier) + QStringLiteral(": ");
    scrie(stderr, numeProgram() + QStringLiteral(": ") + loc + motiv);
    return cod;
}

// The input's path in its own folder, with the other kind's extension.
QString alaturi(const QString &cale, const QString &extensie)
{
    QString baza = cale;
    const QString sufix = QFileInfo(cale).suffix();
    if (!sufix.isEmpty())
        baza.chop(sufix.size() + 1);
    return baza + extensie;
}

bool acelasiFisier(const QString &a, const QString &b)
{
    const QFileInfo x(a), y(b);
    if (x.exists() && y.exists())
        return x.canonicalFilePath() == y.canonicalFilePath();
    return QDir::cleanPath(x.absoluteFilePath()) == QDir::cleanPath(y.absoluteFilePath());
}

// The settings a start of the program in this folder would read: a missing
// options file reads as all zero. It is not created, so a script leaves the
// folder as it found it.
std::optional<Setari> setari(QString *problema)
{
    QFile f(OptionsFile::defaultFileName());
    if (!f.exists())
        return Setari{};
    if (!f.open(QIODevice::ReadOnly)) {
        *problema = QStringLiteral("Fisierul de optiuni nu poate fi citit (%1).").arg(EroareFisier::motiv(f));
        return std::nullopt;
    }
    return OptionsFile::decode(f.read(OptionsFile::RecordSize));
}

int genereaza(const QString &intrare, const QString &iesire)
{
    QString problema;
    const std::optional<StareProiect> stare = FisierProiect::incarca(intrare, &problema);
    if (!stare)
        return eroare(1, intrare, problema);
    const std::optional<Setari> s = setari(&problema);
    if (!s)
        return eroare(1, OptionsFile::defaultFileName(), problema);
    Proiect proiect;
    proiect.Ferestre = stare->ferestre;
    proiect.Obiecte = stare->obiecte;
    proiect.setari = *s;
    const std::optional<ProgramGenerat> program = genereazaCodProiect(proiect);
    if (!program)
        return eroare(1, intrare, QStringLiteral("Proiectul nu are ferestre: nu exista cod de generat."));
    const std::optional<QByteArray> continut = FisierProgram::codifica(program->linii, &problema);
    if (!continut)
        return eroare(1, intrare, problema + QStringLiteral(" Programul nu a fost scris."));
    if (!FisierProgram::scrie(iesire, *continut, &problema))
        return eroare(1, iesire, QStringLiteral("Programul nu a putut fi scris (%1).").arg(problema));
    return 0;
}

// A project is a pupil's work, never regenerated from anything: it is replaced only when asked.
int importa(const QString &intrare, const QString &iesire, bool suprascrie)
{
    if (!suprascrie && QFileInfo::exists(iesire))
        return eroare(1, iesire, QStringLiteral("exista deja (folositi --suprascrie)"));
    QString problema;
    const std::optional<CititorProgram::Import> import = CititorProgram::incarca(intrare, &problema);
    if (!import)
        return eroare(1, intrare, problema);
    if (!FisierProiect::salveaza(iesire, import->stare, &problema))
        return eroare(1, iesire, problema);
    for (const QString &pierdere : import->pierderi)
        scrie(stdout, pierdere);
    return 0;
}

// What parse() refused, naming the option as it was typed. Qt's own message
// is English, but quotes the option: "Missing value after '--importa'."
QString optiuneGresita(const QCommandLineParser &linie)
{
    if (!linie.unknownOptionNames().isEmpty()) {
        const QString nume = linie.unknownOptionNames().constFirst();
        return QStringLiteral("Optiunea \"%1%2\" nu exista.")
            .arg(nume.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nume);
    }
    const QString text = linie.errorText();
    const qsizetype inceput = text.indexOf(QLatin1Char('\'')), sfarsit = text.lastIndexOf(QLatin1Char('\''));
    if (inceput < 0 || sfarsit <= inceput)
        return QStringLiteral("O optiune nu are valoarea cuvenita.");
    const QString optiune = text.mid(inceput + 1, sfarsit - inceput - 1);
    return text.startsWith(QLatin1String("Unexpected"))
               ? QStringLiteral("Optiunea \"%1\" nu primeste o valoare.").arg(optiune)
               : QStringLiteral("Optiunea \"%1\" cere o valoare.").arg(optiune);
}

} // namespace

namespace LinieComanda {

void configureaza(QCommandLineParser &linie)
{
    // Single-dash long options, as Qt's own (-platform, -style) are written.
    linie.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    linie.setApplicationDescription(QStringLiteral("Proiectant de interfete Fox PRO 2.x in mod text"));
    linie.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Afiseaza acest ajutor.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Afiseaza versiunea programului.")},
        {kGenereaza,
         QStringLiteral("Scrie programul FoxPro al proiectului <fisier>, fara fereastra (implicit alaturi, "
                        "cu extensia .PRG)."),
         QStringLiteral("fisier")},
        {kImporta,
         QStringLiteral("Transforma programul <fisier> inapoi intr-un proiect, fara fereastra (implicit "
                        "alaturi, cu extensia .sirolant)."),
         QStringLiteral("fisier")},
        {{QStringLiteral("o"), kIesire},
         QStringLiteral("Fisierul scris de --genereaza sau --importa."),
         QStringLiteral("fisier")},
        {kSuprascrie,
         QStringLiteral("Permite lui --importa sa inlocuiasca un proiect existent (--genereaza inlocuieste "
                        "oricum programul).")},
    });
    // What QApplication takes out of the arguments for itself.
    for (const char *nume : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "geometry", "title", "icon", "session", "style",
                             "stylesheet", "display", "name", "qmljsdebugger"}) {
        QCommandLineOption optiune(QString::fromLatin1(nume), QString(), QStringLiteral("valoare"));
        optiune.setFlags(QCommandLineOption::HiddenFromHelp);
        linie.addOption(optiune);
    }
    for (const char *nume : {"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"}) {
        QCommandLineOption optiune(QString::fromLatin1(nume));
        optiune.setFlags(QCommandLineOption::HiddenFromHelp);
        linie.addOption(optiune);
    }
    linie.addPositionalArgument(QStringLiteral("proiect"),
                                QStringLiteral("Un proiect .sirolant de deschis la pornire."),
                                QStringLiteral("[proiect.sirolant]"));
}

bool faraFereastra(const QCommandLineParser &linie, bool analizat)
{
    if (!analizat || linie.positionalArguments().size() > 1)
        return true;
    for (const QString &nume :
         {QStringLiteral("help"), QStringLiteral("version"), kGenereaza, kImporta, kIesire, kSuprascrie}) {
        if (linie.isSet(nume))
            return true;
    }
    return false;
}

int ruleaza(const QCommandLineParser &linie, bool analizat)
{
    const auto gresit = [](const QString &motiv) {
        return eroare(2, QString(), motiv + QStringLiteral(" Vedeti \"%1 --help\".").arg(numeProgram()));
    };
    if (!analizat)
        return gresit(optiuneGresita(linie));
    if (linie.isSet(QStringLiteral("help"))) {
        // Qt writes its headings in English; the rest of the text is ours.
        QString ajutor = linie.helpText();
        ajutor.replace(QLatin1String("Usage: "), QLatin1String("Folosire: "))
            .replace(QLatin1String("[options]"), QLatin1String("[optiuni]"))
            .replace(QLatin1String("\nOptions:\n"), QLatin1String("\nOptiuni:\n"))
            .replace(QLatin1String("\nArguments:\n"), QLatin1String("\nArgumente:\n"));
        std::fputs(qPrintable(ajutor), stdout);
        return 0;
    }
    if (linie.isSet(QStringLiteral("version"))) {
        scrie(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion());
        return 0;
    }
    const int comenzi = int(linie.values(kGenereaza).size() + linie.values(kImporta).size());
    if (comenzi > 1)
        return gresit(QStringLiteral("Se da o singura comanda: --genereaza sau --importa."));
    if (comenzi == 0)
        return gresit(
            linie.isSet(kIesire)       ? QStringLiteral("-o se foloseste doar cu --genereaza sau --importa.")
            : linie.isSet(kSuprascrie) ? QStringLiteral("--suprascrie se foloseste doar cu --importa.")
                                       : QStringLiteral("Se poate deschide un singur proiect."));
    if (!linie.positionalArguments().isEmpty())
        return gresit(
            QStringLiteral("Argument in plus: \"%1\".").arg(linie.positionalArguments().constFirst()));
    const bool program = linie.isSet(kGenereaza);
    const QString intrare = linie.value(program ? kGenereaza : kImporta);
    const QString iesire = linie.isSet(kIesire) ? linie.value(kIesire)
                                                : alaturi(intrare, program ? QStringLiteral(".PRG")
                                                                           : QStringLiteral(".sirolant"));
    if (acelasiFisier(intrare, iesire))
        return gresit(
            QStringLiteral("Fisierul scris ar fi chiar \"%1\".").arg(QDir::toNativeSeparators(intrare)));
    return program ? genereaza(intrare, iesire) : importa(intrare, iesire, linie.isSet(kSuprascrie));
}

} // namespace LinieComanda
