#include "formelinii.h"

#include <QHash>
#include <QRegularExpression>

namespace FormeLinii {

namespace {

// Placeholders: %n a number, %s a signed number, %v a name, %l a FoxPro
// string literal (or literals joined by "+"), %c a colour code, %q a text
// without apostrophes, %* any text. Indexed by Forma.
const char *const sabloane[] = {
    "****   %*   ****",
    "****   DATA: %* - ORA: %*   ****",
    "DEFINE WINDOW FER%n FROM %n,%n TO %n,%n COLOR SCHEME %n",
    " TITLE %l",
    " SHADOW",
    "ACTIVATE WINDOW FER%n",
    "%v = SPACE(%s)",
    " + %l",
    "%v=%*",
    "%v=.%*.",
    "%v={}",
    "* %*",
    "@ %n,%n SAY %v",
    "@ %n,%n SAY %l",
    " COLOR %c/%c",
    "@ %n,%n GET %v",
    " FUNCTION '%q'",
    " PICTURE '%q'",
    "%v=0",
    "@ %n,%n GET %v FUNCTION %l SIZE 1,10",
    "READ",
    "DEACTIVATE WINDOW FER%n",
};
static_assert(std::size(sabloane) == std::size_t(Forma::Deactivate) + 1);

QString expresie(char cod)
{
    static const QString literal = QStringLiteral("(?:'[^']*'|\"[^\"]*\"|\\[[^\\]]*\\])");
    switch (cod) {
    case 'n':
        return QStringLiteral("([0-9]{1,3})");
    case 's':
        return QStringLiteral("(-?[0-9]{1,3})");
    case 'v':
        return QStringLiteral("([^\\s'\"\\[\\]=+,(){}]+)");
    case 'l':
        return QLatin1Char('(') + literal + QStringLiteral("(?:\\+") + literal + QStringLiteral(")*)");
    case 'c':
        return QStringLiteral("([^/\\s]*)");
    case 'q':
        return QStringLiteral("([^']*)");
    default:
        return QStringLiteral("(.*)");
    }
}

// The form as a pattern, and how many placeholders it has.
QString tipar(Forma forma, int *campuri)
{
    const QString s = QString::fromLatin1(sabloane[int(forma)]);
    QString rezultat;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('%') && i + 1 < s.size()) {
            rezultat += expresie(s.at(++i).toLatin1());
            ++*campuri;
        } else {
            rezultat += QRegularExpression::escape(s.at(i));
        }
    }
    return rezultat;
}

struct Model {
    QRegularExpression expr;
    int campuriCap = 0;
    QList<int> campuriClauze;
};

const Model &model(Forma cap, std::initializer_list<Forma> clauze)
{
    static QHash<quint64, Model> cache;
    quint64 cheie = quint64(cap) + 1;
    for (Forma f : clauze)
        cheie = (cheie << 5) | (quint64(f) + 1);
    auto it = cache.find(cheie);
    if (it != cache.end())
        return *it;
    Model m;
    QString p = QLatin1Char('^') + tipar(cap, &m.campuriCap);
    for (Forma f : clauze) {
        int n = 0;
        p += QLatin1Char('(') + tipar(f, &n) + QStringLiteral(")?");
        m.campuriClauze.append(n);
    }
    m.expr = QRegularExpression(p + QLatin1Char('$'));
    return *cache.insert(cheie, m);
}

} // namespace

QString scrie(Forma forma, std::initializer_list<Camp> campuri)
{
    const char *s = sabloane[int(forma)];
    QString rezultat;
    auto urmator = campuri.begin();
    for (; *s; ++s) {
        if (*s == '%' && s[1]) {
            ++s;
            Q_ASSERT(urmator != campuri.end());
            if (urmator != campuri.end())
                rezultat += (urmator++)->text;
        } else {
            rezultat += QLatin1Char(*s);
        }
    }
    return rezultat;
}

const QStringList &codDeInceput()
{
    static const QStringList linii{
        QStringLiteral("SET ECHO OFF"),   QStringLiteral("CLOSE ALL"),       QStringLiteral("CLEAR ALL"),
        QStringLiteral("CLEAR"),          QStringLiteral("SET HEADING ON"),  QStringLiteral("SET TALK OFF"),
        QStringLiteral("SET CENTURY ON"), QStringLiteral("SET DATE TO DMY"), QStringLiteral("SET ECHO OFF"),
        QStringLiteral("SET ESCAPE OFF"),
    };
    return linii;
}

std::optional<Potrivire> potriveste(const QString &linie, Forma cap, std::initializer_list<Forma> clauze)
{
    const Model &m = model(cap, clauze);
    const QRegularExpressionMatch r = m.expr.match(linie);
    if (!r.hasMatch())
        return std::nullopt;
    Potrivire p;
    int grup = 1;
    for (; grup <= m.campuriCap; ++grup)
        p.campuri.append(r.captured(grup));
    for (int n : m.campuriClauze) {
        p.clauze.append(r.capturedStart(grup++) >= 0);
        for (int i = 0; i < n; ++i)
            p.campuri.append(r.captured(grup++));
    }
    return p;
}

} // namespace FormeLinii

namespace {

// One literal per delimiter kind that the text leaves free, in the order of
// preference; empty when the text holds all three closing delimiters.
QString literalSimplu(const QString &text)
{
    if (!text.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    if (!text.contains(QLatin1Char(']')))
        return QLatin1Char('[') + text + QLatin1Char(']');
    return QString();
}

} // namespace

QString literalFoxPro(const QString &text)
{
    const QString simplu = literalSimplu(text);
    if (!simplu.isEmpty() || text.isEmpty())
        return simplu.isEmpty() ? QStringLiteral("''") : simplu;

    // Greedy split: each piece is as long as one delimiter kind allows.
    QStringList bucati;
    QString curent;
    for (QChar c : text) {
        const QString urmator = curent + c;
        if (literalSimplu(urmator).isEmpty()) {
            bucati.append(literalSimplu(curent));
            curent = QString(c);
        } else {
            curent = urmator;
        }
    }
    bucati.append(literalSimplu(curent));
    return bucati.join(QLatin1Char('+'));
}

std::optional<QString> textLiteral(const QString &literal)
{
    static const QString inchideri = QStringLiteral("'\"]");
    QString text;
    qsizetype i = 0;
    while (i < literal.size()) {
        const qsizetype tip = QStringLiteral("'\"[").indexOf(literal.at(i));
        const qsizetype sfarsit = tip < 0 ? -1 : literal.indexOf(inchideri.at(tip), i + 1);
        if (sfarsit < 0)
            return std::nullopt;
        text += literal.mid(i + 1, sfarsit - i - 1);
        i = sfarsit + 1;
        if (i < literal.size() && (literal.at(i) != QLatin1Char('+') || ++i == literal.size()))
            return std::nullopt;
    }
    if (literal.isEmpty())
        return std::nullopt;
    return text;
}
