#include "fisierprogram.h"

#include "model/cp1250.h"
#include "model/eroarefisier.h"

#include <QSaveFile>

namespace FisierProgram {

std::optional<QByteArray> codifica(const QStringList &linii, QString *problema, int *linie)
{
    QByteArray continut;
    for (int i = 0; i < linii.size(); ++i) {
        QString caracter;
        const std::optional<QByteArray> octeti = Cp1250::encode(linii.at(i), &caracter);
        if (!octeti) {
            if (linie)
                *linie = i;
            if (problema)
                *problema =
                    caracter.isEmpty()
                        ? QStringLiteral("Linia %1 nu poate fi scrisa in codul Windows-1250.").arg(i + 1)
                        : QStringLiteral("Linia %1 contine caracterul \"%2\", care nu exista in codul "
                                         "Windows-1250.")
                              .arg(i + 1)
                              .arg(caracter);
            return std::nullopt;
        }
        continut += *octeti;
        continut += "\r\n";
    }
    return continut;
}

bool scrie(const QString &cale, const QByteArray &continut, QString *problema)
{
    QSaveFile fisier(cale);
    if (fisier.open(QIODevice::WriteOnly) && fisier.write(continut) == continut.size() && fisier.commit())
        return true;
    // The temporary file of a failed write goes away with the object.
    if (problema)
        *problema = EroareFisier::motiv(fisier);
    return false;
}

} // namespace FisierProgram
