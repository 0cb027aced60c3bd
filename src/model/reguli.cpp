#include "reguli.h"

#include "model/cp1250.h"

#include <algorithm>

namespace Reguli {

namespace {

// Characters that would break a line of the generated program.
bool control(QChar c)
{
    const QChar::Category k = c.category();
    return k == QChar::Other_Control || k == QChar::Separator_Line || k == QChar::Separator_Paragraph;
}

bool litera(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool sfarsitDeLinie(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

} // namespace

bool coloanaPermisa(int coloana, int latime, bool umbraInEcran)
{
    return coloana >= 0 && coloana + latime + (umbraInEcran ? 2 : 0) <= ColoaneEcran;
}

bool inProgram(QChar c)
{
    // The code page's characters, read once from its 256 bytes.
    static const QString pagina = [] {
        QByteArray octeti(256, '\0');
        for (int i = 0; i < 256; ++i)
            octeti[i] = char(i);
        return Cp1250::decode(octeti).remove(QChar::ReplacementCharacter) +
               QStringLiteral("\u0218\u0219\u021A\u021B");
    }();
    return pagina.contains(c);
}

namespace {

// The whole character at i: both halves of a surrogate pair.
qsizetype lungimeCaracter(const QString &text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

} // namespace

QString caracterFaraCod(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); i += lungimeCaracter(text, i)) {
        // A lone half of a pair is no character to name.
        if (!inProgram(text.at(i)) && (lungimeCaracter(text, i) == 2 || !text.at(i).isSurrogate()))
            return text.mid(i, lungimeCaracter(text, i));
    }
    return QString();
}

QString motivCaracter(Filtru f, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (acceptat(f, text.at(i), i == 0))
            continue;
        const QString c = text.mid(i, lungimeCaracter(text, i));
        const uint cod = c.size() == 2 ? QChar::surrogateToUcs4(c.at(0), c.at(1)) : c.at(0).unicode();
        const QString hex = QString::number(cod, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        // In a box of free text, a character is refused for the code page alone.
        if ((f != Filtru::Text && f != Filtru::Prompt && f != Filtru::Comentariu) ||
            caracterFaraCod(c).isEmpty())
            return QStringLiteral("caracterul %1 (U+%2) nu este permis aici").arg(i + 1).arg(hex);
        return QStringLiteral("caracterul %1, \"%2\" (U+%3), nu exista in codul Windows-1250 al programelor")
            .arg(i + 1)
            .arg(c, hex);
    }
    return QString();
}

QString motivText(const QString &text, Filtru f, int maxim, bool nevid)
{
    if (nevid && text.isEmpty())
        return QStringLiteral("nu poate fi gol");
    if (maxim >= 0 && text.size() > maxim)
        return QStringLiteral("are %1 caractere, cel mult %2 sunt permise").arg(text.size()).arg(maxim);
    return motivCaracter(f, text);
}

bool acceptat(Filtru f, QChar c, bool laInceput)
{
    switch (f) {
    case Filtru::Text:
        return !control(c) && inProgram(c);
    case Filtru::Prompt:
        return !control(c) && inProgram(c) && c != QLatin1Char(';');
    case Filtru::Comentariu:
        return sfarsitDeLinie(c) || (!control(c) && inProgram(c));
    case Filtru::Nume:
        return litera(c) || c == QLatin1Char('_') || (!laInceput && cifra(c));
    case Filtru::Cifre:
        return cifra(c);
    case Filtru::Numar:
        return cifra(c) || c == QLatin1Char('.') || c == QLatin1Char('-');
    }
    return false;
}

QString filtreaza(Filtru f, const QString &adaugat, bool casetaGoala)
{
    QString rezultat;
    for (QChar c : adaugat) {
        if (acceptat(f, c, casetaGoala && rezultat.isEmpty()))
            rezultat += c;
    }
    return rezultat;
}

bool textAcceptat(Filtru f, const QString &text)
{
    return filtreaza(f, text, true) == text;
}

std::optional<Taiere> limiteaza(const QString &vechi, const QString &nou, int limita)
{
    if (nou.size() <= limita)
        return std::nullopt;
    // Whole characters only: no boundary inside a surrogate pair.
    const auto inPereche = [&nou](qsizetype i) {
        return i > 0 && i < nou.size() && nou.at(i - 1).isHighSurrogate() && nou.at(i).isLowSurrogate();
    };
    // The common start and the common end of the two texts, never overlapping.
    const qsizetype maxim = std::min(vechi.size(), nou.size());
    qsizetype inceput = 0;
    while (inceput < maxim && vechi.at(inceput) == nou.at(inceput))
        ++inceput;
    if (inPereche(inceput))
        --inceput;
    qsizetype sfarsit = 0;
    while (sfarsit < maxim - inceput &&
           vechi.at(vechi.size() - 1 - sfarsit) == nou.at(nou.size() - 1 - sfarsit))
        ++sfarsit;
    if (inPereche(nou.size() - sfarsit))
        --sfarsit;
    const qsizetype inserat = nou.size() - inceput - sfarsit;
    if (inserat <= 0)
        return std::nullopt;
    qsizetype loc = std::clamp<qsizetype>(limita - (inceput + sfarsit), 0, inserat);
    if (inPereche(inceput + loc))
        --loc;
    return Taiere{nou.left(inceput + loc) + nou.right(sfarsit), int(inceput + loc)};
}

QString textAfisatGet(const QString &nume, int lungime, int taiere)
{
    if (nume.size() < lungime)
        return nume + QString(lungime - nume.size(), QLatin1Char(' '));
    return nume.left(std::max(0, taiere));
}

QString textAfisatButon(const QStringList &prompturi, int latime)
{
    QStringList imagini;
    for (const QString &p : prompturi)
        imagini << QLatin1Char('<') +
                       QString(std::max<qsizetype>(0, latime - p.size() - 2), QLatin1Char(' ')) + p +
                       QLatin1Char('>');
    return imagini.join(QLatin1Char(' '));
}

QString valoareNumerica(const QString &text)
{
    qsizetype i = 0;
    const bool negativ = text.startsWith(QLatin1Char('-'));
    if (negativ)
        ++i;
    const auto cifre = [&text, &i] {
        const qsizetype inceput = i;
        while (i < text.size() && cifra(text.at(i)))
            ++i;
        return text.mid(inceput, i - inceput);
    };
    QString intreg = cifre();
    QString zecimale;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        ++i;
        zecimale = cifre();
    }
    while (intreg.size() > 1 && intreg.startsWith(QLatin1Char('0')))
        intreg.remove(0, 1);
    if (intreg.isEmpty())
        intreg = QStringLiteral("0");
    while (zecimale.endsWith(QLatin1Char('0')))
        zecimale.chop(1);
    const QString rezultat = zecimale.isEmpty() ? intreg : intreg + QLatin1Char('.') + zecimale;
    // FoxPro has no use for a negative zero.
    return negativ && rezultat != QLatin1String("0") ? QLatin1Char('-') + rezultat : rezultat;
}

QString mascaData(const Setari &setari)
{
    const QString an = isSet(setari.AnulArePatruCifre) ? QStringLiteral("AAAA") : QStringLiteral("AA");
    return (isSet(setari.FormatZLA) ? QStringLiteral("ZZ/LL/") : QStringLiteral("LL/ZZ/")) + an;
}

const std::array<OptiuneGet, 12> OptiuniFunction{{
    {&Obiect::FunctionB, 'B', "chkFNumereDreapta", "Aliniaza numerele la dreapta"},
    {&Obiect::FunctionI, 'I', "chkFTextCentrat", "Centreaza textul"},
    {&Obiect::FunctionJ, 'J', "chkFTextStanga", "Aliniaza textul la stanga"},
    {&Obiect::FunctionK, 'K', "chkFSelecteazaContinutul",
     "Selecteaza continutul atunci cand cursorul se afla in camp"},
    {&Obiect::FunctionA, 'A', "chkFAcceptaNumaiAlfabetice",
     "Accepta numai caractere alfabetice (fara spatii, cifre sau caractere speciale)"},
    {&Obiect::FunctionT, 'T', "chkFEliminaSpatiile",
     "Elimina spatiile de la inceputul si sfarsitul datelor introduse (TrimALL)"},
    {&Obiect::FunctionMajuscule, '!', "chkFConvertesteMajuscule", "Converteste literele mici in majuscule"},
    {&Obiect::FunctionL, 'L', "chkFPrecedeCifreZerouri", "Precede numerele cu zerouri in loc de spatii"},
    {&Obiect::FunctionZ, 'Z', "chkFAfiseazaBLANK", "Afiseaza BLANK daca valoarea introdusa este 0 (zero)"},
    {&Obiect::FunctionStiintific, '^', "chkFNotatiaStiintifica", "Foloseste notatia stiintifica"},
    {&Obiect::FunctionMoneda, '$', "chkFNotatiaCuMoneda", "Foloseste notatia cu simbolul de moneda"},
    {&Obiect::FunctionD, 'D', "chkFFormatuSETDATE", "Foloseste formatul SET DATE curent"},
}};

const std::array<OptiuneGet, 4> OptiuniPicture{{
    {&Obiect::PictureN, 'N', "chkPCifreLitere", "Accepta numai cifre si litere"},
    {&Obiect::Picture9, '9', "chkPAcceptaNumaiCifreSiSemn", "Accepta numai cifre/cifre si semnul - (minus)"},
    {&Obiect::PictureDiez, '#', "chkPAcceptaNumaiCifreBlankSiSemn", "Accepta numai cifre, BLANK si semn"},
    {&Obiect::PictureY, 'Y', "chkPLogice",
     "Accepta numai date logice (Y si N - converteste y in Y si n in N)"},
}};

} // namespace Reguli
