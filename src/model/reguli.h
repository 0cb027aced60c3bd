#pragma once

// Rules of a design that the editors, the generator and the project files
// share: what a box accepts, how long a text may be, what an object shows
// on the work table, and the @GET FUNCTION and PICTURE options.

#include "model/project.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Reguli {

constexpr int LungimeNume = 11;        // a variable's name
constexpr int LungimeComentariu = 150; // an object's comment
constexpr int LungimeTitlu = 20;       // a window's title
constexpr int LungimeNumeFisier = 8;   // a program file's name, without extension

enum class Filtru {
    Text,   // anything but what would break a generated line
    Prompt, // a button prompt: as Text, and no ";" (it separates prompts)
    Nume,   // a FoxPro name: letters and "_", digits after the first character
    Cifre,  // digits only
    Numar,  // a number as typed: digits, "." and "-"
};

// Whether c may go into a box of the given kind; laInceput: it would be the box's first character.
bool acceptat(Filtru f, QChar c, bool laInceput);
// What is left of an insertion: each character judged as if typed after the ones let in before it.
QString filtreaza(Filtru f, const QString &adaugat, bool casetaGoala);
// Whether a whole text passes the filter, as typed from an empty box.
bool textAcceptat(Filtru f, const QString &text);

// An edit that took a text past its limit keeps as much of the start of what
// was inserted as fits, never half of a surrogate pair. Nothing when the edit
// stays within the limit or only shortens a longer text.
struct Taiere {
    QString text;
    int cursor = 0; // just after what was kept
};
std::optional<Taiere> limiteaza(const QString &vechi, const QString &nou, int limita);

// A @GET's label: its name padded with blanks to its length, or cut to taiere characters.
QString textAfisatGet(const QString &nume, int lungime, int taiere);
// A button bar's label: each prompt right-aligned in <...> of the given width, blank-separated.
QString textAfisatButon(const QStringList &prompturi, int latime);

// A numeric default value as FoxPro reads it: the leading number of the
// text, without leading zeros or trailing decimal zeros, with a point.
QString valoareNumerica(const QString &text);
// The one item of a @GET's date list, by the settings.
QString mascaData(const Setari &setari);

// One @GET option: its flag, what it writes into the clause, its check box.
struct OptiuneGet {
    Flag Obiect::*flag;
    char cod;
    const char *control;
    const char *text;
};
// In the order the FUNCTION clause lists their letters.
extern const std::array<OptiuneGet, 12> OptiuniFunction;
// In the order the PICTURE template repeats their characters.
extern const std::array<OptiuneGet, 4> OptiuniPicture;

} // namespace Reguli
