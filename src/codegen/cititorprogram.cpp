#include "cititorprogram.h"

#include <QFile>

namespace CititorProgram {

std::optional<Import> citeste(const QByteArray &date, QString *problema)
{
    Q_UNUSED(date);
    if (problema)
        *problema = QStringLiteral("Linia 1: neimplementat");
    return std::nullopt;
}

std::optional<Import> incarca(const QString &cale, QString *problema)
{
    const auto esec = [problema](const QString &motiv) {
        if (problema)
            *problema = motiv;
        return std::nullopt;
    };
    QFile f(cale);
    if (!f.exists())
        return esec(QStringLiteral("Fisierul nu exista."));
    if (!f.open(QIODevice::ReadOnly))
        return esec(QStringLiteral("Fisierul nu poate fi citit (%1).").arg(f.errorString()));
    if (f.size() > MarimeMaxima)
        return esec(QStringLiteral("Fisierul are %1 octeti, peste limita de %2 octeti (1 MiB).")
                        .arg(f.size())
                        .arg(MarimeMaxima));
    const QByteArray date = f.read(MarimeMaxima + 1);
    if (f.error() != QFileDevice::NoError)
        return esec(QStringLiteral("Fisierul nu poate fi citit (%1).").arg(f.errorString()));
    return citeste(date, problema);
}

} // namespace CititorProgram
