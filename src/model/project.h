#pragma once

#include "colors.h"
#include "flags.h"

#include <QString>
#include <QtGlobal>

#include <array>

constexpr int NumarFerestre = 5;
constexpr int NumarObiecte = 60;

struct Fereastra {
    Flag Libera = FlagFalse;
    Flag Umbra = FlagFalse;
    quint8 Orizontala = 0; // screen column of the left edge
    quint8 Verticala = 0;  // screen row of the top edge
    quint8 Latime = 0;     // borders included
    quint8 Inaltime = 0;   // borders included
    Culoare CuloareFundal = 0;
    Culoare CuloareCerneala = 0;
    Culoare CuloareChenar = 0;
    QString Titlu;
    quint8 SchemaCulori = 0;
    Flag Patrata = FlagFalse;

    bool operator==(const Fereastra &o) const;
    bool operator!=(const Fereastra &o) const { return !(*this == o); }
};

// What an object is. Files and generated text name it ("SAY", "GET", "BUTON").
enum class TipObiect { Niciunul, Say, Get, Buton };
// Niciunul for any other name.
TipObiect tipObiect(const QString &nume);
QString numeTip(TipObiect tip);

struct Obiect {
    Flag Liber = FlagFalse;
    Flag CulorileFerestrei = FlagFalse;
    Flag Variabila = FlagFalse;
    QString Valoare;
    QString TipDate;
    quint8 Lungime = 0;
    quint8 InaltimeButon = 1; // push buttons: rows of one button, 1..3; kept for the editor only
    TipObiect Tip = TipObiect::Niciunul;
    quint8 Fereastra = 0;
    quint8 Coloana = 0; // from 0 inside the window's border
    quint8 Rand = 0;
    Culoare CuloareFundal = 0;
    Culoare CuloareCerneala = 0;
    QString Nume;
    QString TextAfisat;
    QString Comentariu;
    Flag PictureN = FlagFalse;
    Flag Picture9 = FlagFalse;
    Flag PictureDiez = FlagFalse;
    Flag PictureY = FlagFalse;
    Flag FunctionB = FlagFalse;
    Flag FunctionI = FlagFalse;
    Flag FunctionJ = FlagFalse;
    Flag FunctionK = FlagFalse;
    Flag FunctionA = FlagFalse;
    Flag FunctionT = FlagFalse;
    Flag FunctionMajuscule = FlagFalse;
    Flag FunctionL = FlagFalse;
    Flag FunctionZ = FlagFalse;
    Flag FunctionStiintific = FlagFalse;
    Flag FunctionMoneda = FlagFalse;
    Flag FunctionD = FlagFalse;

    bool operator==(const Obiect &o) const;
    bool operator!=(const Obiect &o) const { return !(*this == o); }
};

// Left and top of a child window in twips. Kept wider than the file's 16 bits
// so a far-off position can be stored; the options file clamps it.
struct Pozitie {
    int Left = 0;
    int Top = 0;
    bool operator==(const Pozitie &o) const { return Left == o.Left && Top == o.Top; }
};

struct Setari {
    Flag CentrazaObiectulOrizontal = FlagFalse;
    Flag FormatZLA = FlagFalse;
    Flag AnulArePatruCifre = FlagFalse;
    Flag MarcajTabelaLucru = FlagFalse;
    Flag UmbraImplicit = FlagFalse;
    Flag FerestrePatrate = FlagFalse;
    Flag PastreazaUmbraInEcran = FlagFalse;
    Flag SalveazaSetariSpatiuLucru = FlagFalse;
    Pozitie PozitieFerestre;
    Pozitie PozitieObiecte;
    Pozitie PozitieTabela;
    Flag ConfirmareaInchidere = FlagFalse;
    Flag ConfirmareStergere = FlagFalse;
    QString CaleFoxPRO;
    Flag ScrierePrescurtata = FlagFalse;
    Flag IncludeComentariile = FlagFalse;
    Flag InsereazaDataOra = FlagFalse;

    bool operator==(const Setari &o) const;
    bool operator!=(const Setari &o) const { return !(*this == o); }
};

// The defaults that the settings dialog's Reset puts into its controls.
Setari setariImplicite();

// One design session: the two slot tables, the settings and the editing
// flag. A main window owns exactly one; nothing of it is global.
class Proiect
{
public:
    Proiect();

    // Slots are numbered from 1; index 0 of each table is never used so the
    // slot number can index the table directly.
    std::array<Fereastra, NumarFerestre + 1> Ferestre;
    std::array<Obiect, NumarObiecte + 1> Obiecte;
    Setari setari;

    Fereastra &fereastra(int n) { return Ferestre.at(std::size_t(n)); }
    const Fereastra &fereastra(int n) const { return Ferestre.at(std::size_t(n)); }
    Obiect &obiect(int n) { return Obiecte.at(std::size_t(n)); }
    const Obiect &obiect(int n) const { return Obiecte.at(std::size_t(n)); }

    static bool numarFereastraValid(int n) { return n >= 1 && n <= NumarFerestre; }
    static bool numarObiectValid(int n) { return n >= 1 && n <= NumarObiecte; }

    // True when n is a valid number whose slot is in use.
    bool fereastraFolosita(int n) const;
    bool obiectFolosit(int n) const;

    void ResetFerestre();
    void ResetObiecte();
    int PrimaFereastraLibera() const; // -1 when all five are in use
    int PrimulObiectLiber() const;    // -1 when all sixty are in use
    bool existaFerestre() const;
};
