#pragma once

// Reads back a program that Sirolant generated (whole project or one
// window) into a design. All or nothing: any line that is not one of the
// generator's line forms, or a design the palettes and editors would not
// allow, refuses the whole file with the line's number and the reason.

#include "model/stare.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace CititorProgram {

constexpr qint64 MarimeMaxima = 1024 * 1024;

struct Import {
    // Windows in the slots of their names, objects in slots 1.. in file
    // order; the window list in file order, the first window active.
    StareProiect stare;
    // What the program could not carry and what was put in its place, one
    // sentence per line, for the summary after an import.
    QStringList pierderi;
};

// The text of a program file: Windows-1250, CR LF or LF line ends.
// Nothing, and *problema ("Linia 12: ..."), when the file is refused.
std::optional<Import> citeste(const QByteArray &date, QString *problema);

// Refuses a file over MarimeMaxima before reading it whole.
std::optional<Import> incarca(const QString &cale, QString *problema);

// A count and its noun as Romanian agrees them, for the import's summary:
// "1 bara", "2 bare", "20 de bare".
QString cuNumar(int n, const char *unu, const char *multe);

} // namespace CititorProgram
