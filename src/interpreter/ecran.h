#pragma once

#include "model/geometrie.h"

#include "model/colors.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// One character cell of a text screen.
struct Celula {
    QChar c = QLatin1Char(' ');
    Culoare cerneala = Culori::LightGray;
    Culoare fundal = Culori::Black;

    bool operator==(const Celula &o) const
    {
        return c == o.c && cerneala == o.cerneala && fundal == o.fundal;
    }
};

// A rectangle of character cells: the 80 x 25 screen, or a window's own
// contents. Knows nothing of widgets, so its cells can be read in tests.
class Ecran
{
public:
    static constexpr int Coloane = Geometrie::Coloane;
    static constexpr int Randuri = Geometrie::Randuri;

    explicit Ecran(int latime = Coloane, int inaltime = Randuri, Celula umplere = {});

    int latime() const { return latime_; }
    int inaltime() const { return inaltime_; }
    bool contine(int col, int rand) const
    {
        return col >= 0 && rand >= 0 && col < latime_ && rand < inaltime_;
    }
    // The cell at (col, rand), which must lie on the screen.
    const Celula &at(int col, int rand) const { return celule_[rand * latime_ + col]; }
    Celula &at(int col, int rand) { return celule_[rand * latime_ + col]; }

    void umple(const Celula &c) { celule_.fill(c); }
    // Writes text from (col, rand) to the right; what falls off is lost.
    void scrie(int col, int rand, const QString &text, Culoare cerneala, Culoare fundal);
    QString rand(int r) const;
    QStringList linii() const;

private:
    int latime_;
    int inaltime_;
    QVector<Celula> celule_;
};

// Push button text as FoxPro shows it: "\<" makes the character after it the
// button's hot key and is not shown itself; a bare "<" is just a character.
struct TextButon {
    QString text;
    QList<int> litere; // where the hot letters are in text
};
TextButon textPrompt(const QString &prompt);
// A bar as the design keeps it: pictures of "<", blanks, a prompt and ">",
// whose widths count the markers. A marker's two cells go to the blanks
// after its picture's "<", so the bar keeps its width and its pictures
// their places.
TextButon textBara(const QString &bara);
// A text screen cannot underline, so a hot letter stands out by its ink:
// one that differs clearly from the button's background.
Culoare cernealaLiteraRapida(Culoare cerneala, Culoare fundal);
