#pragma once

// The line forms of a generated program, written by the generator and read
// back by the program reader from this one table, so the two cannot drift
// apart. A line is a head form followed by clause forms in a fixed order.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

namespace FormeLinii {

enum class Forma {
    Banner,
    DataOra,
    Define,
    Titlu,
    Umbra,
    Activate,
    InitText,
    InitTextValoare,
    InitNumar,
    InitLogic,
    InitData,
    Comentariu,
    SayVariabila,
    SayText,
    Culori,
    Get,
    Function,
    Picture,
    ButonZero,
    Buton,
    Read,
    Deactivate,
};

// What goes into one placeholder: a number or a text, as written.
struct Camp {
    QString text;
    Camp(int n)
        : text(QString::number(n))
    {
    }
    Camp(const QString &s)
        : text(s)
    {
    }
};

// The form with its placeholders filled in order.
QString scrie(Forma forma, std::initializer_list<Camp> campuri = {});

// What a button bar's FUNCTION literal holds before its prompts.
inline const QString PrefixButon = QStringLiteral("*H ");

// The fixed lines of the starting code, in order.
const QStringList &codDeInceput();

struct Potrivire {
    QStringList campuri; // the head's placeholders, then each clause's (empty when absent)
    QList<bool> clauze;  // per clause asked for: present
};

// The whole line as the head followed by any of the clauses, in their order.
std::optional<Potrivire> potriveste(const QString &linie, Forma cap,
                                    std::initializer_list<Forma> clauze = {});

} // namespace FormeLinii

// A FoxPro string literal holding text exactly: '...' whenever the text has
// no apostrophe, else "...", else [...], else a concatenation of literals.
QString literalFoxPro(const QString &text);
// The text of a literal as literalFoxPro writes it (any delimiters, any
// joins); nothing when it is not one.
std::optional<QString> textLiteral(const QString &literal);
