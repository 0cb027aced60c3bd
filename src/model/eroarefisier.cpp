#include "eroarefisier.h"

#include <QCoreApplication>

#include <cerrno>

namespace EroareFisier {

QString motiv(const QFileDevice &f)
{
    return motiv(f.error(), f.errorString(), f.fileName());
}

QString motiv(QFileDevice::FileError eroare, const QString &text, const QString &fisier)
{
    // The system's texts, as Qt gives them (through its translation, when one is loaded).
    static const struct {
        int cod;
        const char *romana;
    } sistem[] = {
        {ENOENT, "fisierul sau dosarul nu exista"},
        {EACCES, "acces interzis"},
        {EPERM, "operatie nepermisa"},
        {ENOSPC, "nu mai este loc pe disc"},
        {EDQUOT, "cota de spatiu pe disc a fost depasita"},
        {EROFS, "discul poate fi doar citit"},
        {EISDIR, "este un dosar"},
        {ENOTDIR, "o parte a caii nu este un dosar"},
        {ENAMETOOLONG, "numele este prea lung"},
        {EMFILE, "prea multe fisiere deschise"},
        {ENFILE, "prea multe fisiere deschise"},
        {EIO, "eroare de citire sau scriere pe disc"},
        {EBUSY, "fisierul este ocupat"},
        {ETXTBSY, "fisierul este folosit de un program"},
        {ELOOP, "prea multe legaturi simbolice"},
        {EEXIST, "fisierul exista deja"},
    };
    for (const auto &s : sistem) {
        if (text == qt_error_string(s.cod))
            return QString::fromLatin1(s.romana);
    }
    // Qt's own texts.
    static const struct {
        const char *context, *text, *romana;
    } qt[] = {
        {"QIODevice", "file to open is a directory", "este un dosar"},
        {"QIODevice", "Unknown error", "eroare necunoscuta"},
        {"QSaveFile", "Filename refers to a directory", "este un dosar"},
        {"QSaveFile", "Existing file %1 is not writable", "fisierul existent nu poate fi scris"},
        {"QSaveFile", "Writing canceled by application", "scrierea a fost anulata"},
    };
    for (const auto &q : qt) {
        // Only the texts with a place for the file name take it.
        QString tradus = QCoreApplication::translate(q.context, q.text);
        if (tradus.contains(QLatin1String("%1")))
            tradus = tradus.arg(fisier);
        if (text == tradus)
            return QString::fromLatin1(q.romana);
    }
    // Anything rarer: what kind of failure, in Romanian, and the system's own words.
    QString fel;
    switch (eroare) {
    case QFileDevice::ReadError:
        fel = QStringLiteral("eroare la citire");
        break;
    case QFileDevice::WriteError:
        fel = QStringLiteral("eroare la scriere");
        break;
    case QFileDevice::OpenError:
        fel = QStringLiteral("fisierul nu poate fi deschis");
        break;
    case QFileDevice::ResourceError:
        fel = QStringLiteral("resurse insuficiente");
        break;
    case QFileDevice::RenameError:
        fel = QStringLiteral("fisierul nu poate fi redenumit");
        break;
    case QFileDevice::RemoveError:
        fel = QStringLiteral("fisierul nu poate fi sters");
        break;
    case QFileDevice::PermissionsError:
        fel = QStringLiteral("drepturile fisierului nu pot fi schimbate");
        break;
    default:
        fel = QStringLiteral("eroare de fisier");
        break;
    }
    return text.isEmpty() ? fel : fel + QStringLiteral(": ") + text;
}

} // namespace EroareFisier
