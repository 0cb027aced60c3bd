#pragma once

// What each of the three child forms offers the others. A form knows the
// others only through these, handed out by the session, so none of them
// includes another's header.

#include "model/colors.h"
#include "model/stare.h"

#include <QList>
#include <QString>

// The work table's drawing.
class ITabelaDeLucru
{
public:
    virtual ~ITabelaDeLucru() = default;
    // Brings window n's elements in line with its record.
    virtual void DeseneazaFereastra(int n) = 0;
    // Brings object n's label in line with its record, placed in the active window.
    virtual void DeseneazaObiect(int n) = 0;
    // The given windows and objects, and the objects of those windows, each
    // object placed in its own window.
    virtual void redeseneaza(const QList<int> &ferestre, const QList<int> &obiecte) = 0;
};

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
