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

// The window palette: the active window, its selection, the redraw of its objects.
class IPaletaFerestre
{
public:
    virtual ~IPaletaFerestre() = default;
    // The active window, or -1 while the list is empty.
    virtual int fereastraActiva() const = 0;
    // Selects window n's line as a user's pick would (its handler runs).
    virtual void selecteazaFereastraNumar(int n) = 0;
    virtual void DeseneazaObiecteleFerestreiActive() = 0;
    // The colours of the scheme swatches, which objects in window colours take.
    virtual Culoare culoareFundal() const = 0;
    virtual Culoare culoareCerneala() const = 0;
    // The window-palette side of the object palette's no-window state.
    virtual void stareFaraFerestre() = 0;

    virtual QList<LinieFereastra> liniiLista() const = 0;
    // Shows the given lines, with window activa selected, and the records,
    // without running any handler.
    virtual void reafiseaza(const QList<LinieFereastra> &linii, int activa) = 0;

    // Set the active window's geometry bars as a user's scroll would, so
    // every rule of their handlers applies; a negative value leaves that
    // bar alone.
    virtual void mutaFereastra(int coloana, int rand) = 0;
    virtual void redimensioneazaFereastra(int latime, int inaltime) = 0;
};

// The object palette: its list, its selection, centring, the no-window state.
class IPaletaObiecte
{
public:
    virtual ~IPaletaObiecte() = default;
    // The selected object, or -1 when no line is selected.
    virtual int obiectSelectat() const = 0;
    virtual void ActualizeazaListaObiecte() = 0;
    virtual void AfiseazaObiectInPaleta(int n) = 0;
    virtual void StareFaraFerestre() = 0;
    virtual void CentreazaOrizontal() = 0;
    virtual void CentreazaVertical() = 0;
    // Enabled when a window exists: the "SAY", "GET" and "BUTON" buttons.
    virtual void activeazaAdaugarea(bool on) = 0;
    // An editor's Cancel of a brand-new object: free it, drop its line.
    virtual void anuleazaObiectNou() = 0;
    // The colour the ink or background swatch shows for the selected object.
    virtual Culoare culoareAfisata(bool cerneala) const = 0;

    virtual QList<int> ordineLista() const = 0;
    // Lists the active window's objects in the given order with selectat
    // selected (-1: none), and shows the records, without running any handler.
    virtual void reafiseaza(const QList<int> &ordine, int selectat) = 0;

    // Selects object n's line as a user's pick would; for an object not
    // listed, leaves no line selected.
    virtual void selecteazaObiectNumar(int n) = 0;
    // Sets the selected object's bars as a user's scroll would.
    virtual void mutaObiect(int coloana, int rand) = 0;
    // Runs a tool bar command ("PROPRIETATI", "STERGE") as its button would.
    virtual void comanda(const QString &cheie) = 0;
};
