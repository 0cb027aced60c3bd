#include "optionsfile.h"

#include "cp1250.h"
#include "eroarefisier.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace {

qint16 clamp16(int v)
{
    return qint16(std::clamp(v, -32768, 32767));
}

void put16(QByteArray &rec, int offset, qint16 value)
{
    qToLittleEndian<qint16>(value, rec.data() + offset);
}

qint16 get16(const QByteArray &rec, int offset)
{
    return qFromLittleEndian<qint16>(rec.constData() + offset);
}

// Only -1 is True; any other stored value (1, say) reads as False and so is
// written back as 0.
Flag getFlag(const QByteArray &rec, int offset)
{
    return toFlag(isSet(get16(rec, offset)));
}

} // namespace

namespace OptionsFile {

QString defaultFileName()
{
    return QStringLiteral("Sirolant.opt");
}

std::optional<QByteArray> encode(const Setari &s, QString *error)
{
    QString bad;
    const std::optional<QByteArray> path = Cp1250::encode(s.CaleFoxPRO, &bad);
    if (!path) {
        if (error)
            *error = QStringLiteral("Calea catre Fox PRO contine caracterul \"%1\", care nu poate fi "
                                    "salvat in fisierul de optiuni.")
                         .arg(bad);
        return std::nullopt;
    }
    const int n = int(path->size());
    if (n > MaxPathLength) {
        if (error)
            *error = QStringLiteral("Calea catre Fox PRO are %1 caractere; fisierul de optiuni "
                                    "poate retine cel mult %2.")
                         .arg(n)
                         .arg(MaxPathLength);
        return std::nullopt;
    }

    QByteArray rec(RecordSize, '\0');
    put16(rec, 0, s.CentrazaObiectulOrizontal);
    put16(rec, 2, s.FormatZLA);
    put16(rec, 4, s.AnulArePatruCifre);
    put16(rec, 6, s.MarcajTabelaLucru);
    put16(rec, 8, s.UmbraImplicit);
    put16(rec, 10, s.FerestrePatrate);
    put16(rec, 12, s.PastreazaUmbraInEcran);
    put16(rec, 14, s.SalveazaSetariSpatiuLucru);
    put16(rec, 16, clamp16(s.PozitieFerestre.Left));
    put16(rec, 18, clamp16(s.PozitieFerestre.Top));
    put16(rec, 20, clamp16(s.PozitieObiecte.Left));
    put16(rec, 22, clamp16(s.PozitieObiecte.Top));
    put16(rec, 24, clamp16(s.PozitieTabela.Left));
    put16(rec, 26, clamp16(s.PozitieTabela.Top));
    put16(rec, 28, s.ConfirmareaInchidere);
    put16(rec, 30, s.ConfirmareStergere);
    put16(rec, 32, qint16(quint16(n)));
    std::copy(path->cbegin(), path->cend(), rec.begin() + PathOffset);
    put16(rec, PathOffset + n, s.ScrierePrescurtata);
    put16(rec, PathOffset + n + 2, s.IncludeComentariile);
    put16(rec, PathOffset + n + 4, s.InsereazaDataOra);
    return rec;
}

Setari decode(const QByteArray &bytes)
{
    QByteArray rec = bytes.left(RecordSize);
    rec.append(QByteArray(RecordSize - rec.size(), '\0'));

    Setari s;
    s.CentrazaObiectulOrizontal = getFlag(rec, 0);
    s.FormatZLA = getFlag(rec, 2);
    s.AnulArePatruCifre = getFlag(rec, 4);
    s.MarcajTabelaLucru = getFlag(rec, 6);
    s.UmbraImplicit = getFlag(rec, 8);
    s.FerestrePatrate = getFlag(rec, 10);
    s.PastreazaUmbraInEcran = getFlag(rec, 12);
    s.SalveazaSetariSpatiuLucru = getFlag(rec, 14);
    s.PozitieFerestre = {get16(rec, 16), get16(rec, 18)};
    s.PozitieObiecte = {get16(rec, 20), get16(rec, 22)};
    s.PozitieTabela = {get16(rec, 24), get16(rec, 26)};
    s.ConfirmareaInchidere = getFlag(rec, 28);
    s.ConfirmareStergere = getFlag(rec, 30);

    const int n = int(quint16(get16(rec, 32)));
    if (n > MaxPathLength)
        return s; // damaged length: where the path and the flags after it lie is unknown

    QByteArray path = rec.mid(PathOffset, n);
    // A short file pads the path with zeros; a path never holds a NUL.
    const int nul = int(path.indexOf('\0'));
    if (nul >= 0)
        path.truncate(nul);
    s.CaleFoxPRO = Cp1250::decode(path);
    s.ScrierePrescurtata = getFlag(rec, PathOffset + n);
    s.IncludeComentariile = getFlag(rec, PathOffset + n + 2);
    s.InsereazaDataOra = getFlag(rec, PathOffset + n + 4);
    return s;
}

bool read(const QString &fileName, Setari *setari, QString *error)
{
    *setari = Setari{};
    QFile file(fileName);
    // ReadWrite creates a missing file, as the record-access open does.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Fisierul de optiuni \"%1\" nu poate fi deschis: %2")
                         .arg(fileName, EroareFisier::motiv(file));
        return false;
    }
    *setari = decode(file.read(RecordSize));
    return true;
}

bool write(const QString &fileName, const Setari &setari, QString *error)
{
    const std::optional<QByteArray> rec = encode(setari, error);
    if (!rec)
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(*rec) != rec->size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Fisierul de optiuni \"%1\" nu poate fi scris: %2")
                         .arg(fileName, EroareFisier::motiv(file));
        return false;
    }
    return true;
}

} // namespace OptionsFile
