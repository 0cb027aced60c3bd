#pragma once

#include "codegen/formelinii.h"
#include "model/project.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QStringList>

#include <optional>

// The message box the caller shows for a free window asked for.
namespace MesajeGenerare {
inline QString fereastraLipsaText()
{
    return QStringLiteral("Fereastra nu exista!");
}
inline QString fereastraLipsaTitlu()
{
    return QStringLiteral("Eroare generare cod!");
}
} // namespace MesajeGenerare

// The upper-cased text repeated n times; empty for an empty text or n <= 0.
QString RepetaSir(const QString &text, int n);

// The moment written into the header, and how it is formatted. Tests fix
// both; the program passes the current time and the system locale.
struct MomentGenerare {
    QDateTime acum = QDateTime::currentDateTime();
    QLocale locale = QLocale::system();
};

// Appends the blocks of a FoxPro program to a line list. Reads the project
// only; keeps nothing between generations.
class GeneratorCod
{
public:
    GeneratorCod(const Proiect &proiect, QStringList &linii, MomentGenerare moment = {});

    void AntetCod();
    void CodDeInceput();
    // False (and nothing emitted) when window n is not in use.
    bool CodFereastra(int n);
    void InchideFereastra(int n);
    void InchideToateFerestrele();
    void LiniiInitializare(const QList<int> &obiecte);
    void LiniiObiecte(const QList<int> &obiecte);

    // Objects of window n in use, in ascending slot order.
    QList<int> obiecteleFerestrei(int n) const;

private:
    void adauga(const QString &linie) { linii_.append(linie); }
    void linieBanner(const QString &continut);
    void liniiComentariu(const QString &comentariu);

    const Proiect &proiect_;
    QStringList &linii_;
    MomentGenerare moment_;
};

struct ProgramGenerat {
    QStringList linii;
    // Windows asked for that were not in use; the caller shows the
    // message box once for each.
    QList<int> ferestreLipsa;
};

// Whole project: header, starting code, every window's block, the
// DEACTIVATE lines. Nothing when no window is in use.
std::optional<ProgramGenerat> genereazaCodProiect(const Proiect &proiect, MomentGenerare moment = {});

// One window: header, the starting code when asked for, the window's block,
// its DEACTIVATE line.
ProgramGenerat genereazaCodFereastra(const Proiect &proiect, int n, bool cuCodDeInceput,
                                     MomentGenerare moment = {});

// The timestamps of the header line, in the locale's short date and time
// formats (time with seconds, without a time zone).
QString formatDataGenerare(const QDateTime &acum, const QLocale &locale);
QString formatOraGenerare(const QDateTime &acum, const QLocale &locale);
