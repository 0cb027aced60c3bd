#pragma once

// What the palettes offer the other forms beyond the model. A form knows
// the others only through these, handed out by the session, so none of them
// includes another's header.

#include <QString>

// The window palette's option that the model's placement rules read.
class IPaletaFerestre
{
public:
    virtual ~IPaletaFerestre() = default;
    // "Mentine umbra in ecran": a window keeps room for its shadow on screen.
    virtual bool umbraInEcran() const = 0;
};

// The object palette's commands that open a dialog.
class IPaletaObiecte
{
public:
    virtual ~IPaletaObiecte() = default;
    // Runs a tool bar command ("PROPRIETATI", "STERGE") as its button would.
    virtual void comanda(const QString &cheie) = 0;
};
