#pragma once

#include <QFileDevice>
#include <QString>

// Qt words a file error in English, most often the system's own text: the
// common reasons are given to the user in Romanian instead.
namespace EroareFisier {

// The reason of the last error of f, lower case, to stand inside a sentence.
QString motiv(const QFileDevice &f);

// The same for an error already taken out of its file.
QString motiv(QFileDevice::FileError eroare, const QString &text, const QString &fisier = QString());

} // namespace EroareFisier
