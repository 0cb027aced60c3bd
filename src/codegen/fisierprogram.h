#pragma once

// Program files: the lines of a generated program as a FoxPro .PRG holds
// them, Windows-1250 with CR LF after every line (the last one too).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace FisierProgram {

// Nothing when a line holds a character the code page cannot hold; then
// *problema names the line ("Linia 3 contine caracterul ...") and *linie
// receives its index.
std::optional<QByteArray> codifica(const QStringList &linii, QString *problema = nullptr,
                                   int *linie = nullptr);

// Written beside the target and renamed over it only when complete, so a
// failed write leaves the previous file (or none). *problema receives the
// system's reason.
bool scrie(const QString &cale, const QByteArray &continut, QString *problema = nullptr);

} // namespace FisierProgram
