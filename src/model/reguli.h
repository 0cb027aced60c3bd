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

// The 80 by 25 screen of the generated program and what the window palette's
// bars let a window be. The column bar keeps a moved window's right edge on
// the screen, so no left edge lies past the narrowest window's; the width,
// height and row bars check nothing against the screen's edges, so a window
// widened, lengthened or lowered afterwards may reach past them.
constexpr int ColoaneEcran = 80;
constexpr int RanduriEcran = 25;
struct Interval {
    int minim, maxim;
    constexpr bool contine(int v) const { return v >= minim && v <= maxim; }
};
constexpr Interval LatimeFereastra{5, ColoaneEcran - 1};
constexpr Interval InaltimeFereastra{3, RanduriEcran - 1};
constexpr Interval ColoanaFereastra{0, ColoaneEcran - LatimeFereastra.minim};
constexpr Interval RandFereastra{0, RanduriEcran - 1};
// Inside the widest window's border: the most a @SAY text, a @GET length, a
// button's width or a prompt ever gets.
constexpr int InteriorMaxim = LatimeFereastra.maxim - 2;
// Whether the column bar lets a window latime wide stand at coloana: its
// right edge, and the shadow's two columns when kept on screen, within the screen.
bool coloanaPermisa(int coloana, int latime, bool umbraInEcran);

enum class Filtru {
    Text,       // anything a program file holds that would not break a generated line
    Prompt,     // a button prompt: as Text, and no ";" (it separates prompts)
    Comentariu, // as Text, and line breaks: each line becomes a "*" line
    Nume,       // a FoxPro name: letters and "_", digits after the first character
    Cifre,      // digits only
    Numar,      // a number as typed: digits, "." and "-"
};

// Whether c may go into a box of the given kind; laInceput: it would be the box's first character.
bool acceptat(Filtru f, QChar c, bool laInceput);
// What is left of an insertion: each character judged as if typed after the ones let in before it.
QString filtreaza(Filtru f, const QString &adaugat, bool casetaGoala);
// Whether a whole text passes the filter, as typed from an empty box.
bool textAcceptat(Filtru f, const QString &text);
// Whether a program file can hold c: Windows-1250, with s and t with a comma
// below written as their cedilla twins.
bool inProgram(QChar c);
// The first character of text that a program file cannot hold, whole (both
// halves of a surrogate pair); empty when there is none.
QString caracterFaraCod(const QString &text);
// Why the text would not pass the filter as typed into an empty box, naming
// the first refused character; empty when it passes.
QString motivCaracter(Filtru f, const QString &text);
// Why a text would not pass its box, or nothing: empty where the box must be
// filled (nevid), over maxim characters (-1: no limit), or a character the
// box's filter refuses.
QString motivText(const QString &text, Filtru f, int maxim, bool nevid);

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
