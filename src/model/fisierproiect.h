#pragma once

// Project files: a design (the records in use, the order of the two lists,
// the selection) as JSON in UTF-8. Settings are not part of a design.
// Loading is all or nothing: the whole file is checked first, against the
// same limits and box filters the palettes and editors apply.

#include "model/stare.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace FisierProiect {

constexpr int Versiune = 1;
constexpr qint64 MarimeMaxima = 1024 * 1024;

QByteArray scrie(const StareProiect &stare);

// Nothing, and *problema naming the first problem with its field
// ("obiecte[3].Nume: ..."), when the file is refused. The caller adds the
// file name. Slots the file leaves out hold what a reset gives them, and
// the window list's lines read "F" and the number, then any title in brackets.
std::optional<StareProiect> citeste(const QByteArray &date, QString *problema);

// Why a record in use would be refused in a file, naming the field
// ("Nume: ..."); empty when it would be accepted. An object's window must
// be one of ferestre.
QString motiv(const Fereastra &f);
QString motiv(const Obiect &o, const QList<int> &ferestre);

// Atomic: a failed save leaves the previous file (or none) untouched.
bool salveaza(const QString &cale, const StareProiect &stare, QString *problema);

// A file's bytes; a file over limita bytes is refused before it is read whole.
std::optional<QByteArray> citesteFisier(const QString &cale, qint64 limita, QString *problema);

// Refuses a file over MarimeMaxima before reading it whole.
std::optional<StareProiect> incarca(const QString &cale, QString *problema);

} // namespace FisierProiect
