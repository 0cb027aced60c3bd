#pragma once

// Random designs as the palettes and editors can leave them.

#include "model/reguli.h"
#include "model/stare.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstring>

// Objects as the editors leave them: a text, a @GET of each type, a bar, a variable @SAY in window 4
// (untitled).
inline StareProiect stareDeBaza()
{
    using namespace Culori;
    StareProiect s{
        Proiect().Ferestre, Proiect().Obiecte, {{4, "F4"}, {2, "F2 [Date]"}}, 2, {3, 1, 2, 5, 6, 7}, 1};
    s.ferestre[2] = {0, -1, 1, 2, 30, 10, Blue, White, Yellow, "Date", 1, 0};
    s.ferestre[4] = {0, 0, 40, 12, 26, 13, Red, Yellow, Yellow, "", 7, -1};
    const struct {
        const char *tip, *tipDate, *valoare, *optiuni;
        quint8 lungime;
    } obiecte[] = {{"SAY", "", "", "", 0},         {"GET", "N", "-1.5", "IKLZ^$9", 5},
                   {"BUTON", "", "Da;Nu", "", 10}, {"SAY", "", "", "", 0},
                   {"GET", "L", "T", "KY", 1},     {"GET", "T", "a'\"", "BKAT!N", 20},
                   {"GET", "D", "", "JD", 8}};
    for (int k = 1; k <= 7; ++k) {
        const auto [tip, tipDate, valoare, optiuni, lungime] = obiecte[k - 1];
        Obiect &o = s.obiecte[k];
        std::tie(o.CulorileFerestrei, o.Variabila, o.Valoare, o.TipDate, o.Lungime, o.InaltimeButon, o.Tip,
                 o.Fereastra) =
            std::tuple(toFlag(k == 3), toFlag(k != 1 && k != 3), valoare, tipDate, lungime,
                       quint8(k == 3 ? 2 : 1), tipObiect(QLatin1String(tip)), quint8(k == 4 ? 4 : 2));
        o.CuloareFundal = k == 1 ? Green : k == 4 ? Magenta : k == 3 ? Blue : Black;
        o.CuloareCerneala = k == 1 ? LightRed : k == 4 ? LightGreen : White;
        std::tie(o.Liber, o.Nume, o.TextAfisat) = std::tuple(FlagFalse, "v" + QString::number(k), "v");
        for (const auto &optiune : Reguli::OptiuniFunction)
            o.*optiune.flag = toFlag(strchr(optiuni, optiune.cod));
        for (const auto &optiune : Reguli::OptiuniPicture)
            o.*optiune.flag = toFlag(strchr(optiuni, optiune.cod));
    }
    return s;
}

// The base's objects renamed and moved into random windows, @GETs with random options, some reading into
// fields; free slots and window lines as loading leaves them. peEcran: every window fits the screen.
inline StareProiect proiectAleator(QRandomGenerator &r, bool peEcran = false)
{
    const auto n8 = [&r](int minim, int maxim) { return quint8(r.bounded(minim, maxim + 1)); };
    const auto text = [&r](int maxim,
                           const QString &litere = "abc XYZ 019 '\"[]<>;.-ăîșȚ€") { // as a box takes it
        return litere.repeated(30).mid(r.bounded(int(litere.size())), r.bounded(maxim + 1));
    };
    StareProiect s{Proiect().Ferestre, Proiect().Obiecte};
    QList<int> ferestre;
    for (int n = r.bounded(1, 7); n <= NumarFerestre; n += r.bounded(1, 3)) {
        const quint8 schema = n8(1, 10), latime = n8(5, 79), inaltime = n8(3, 24);
        const ColoriSchema c = *CuloriSchema(schema);
        s.ferestre[n] = {0,
                         toFlag(r.bounded(2)),
                         n8(0, peEcran ? 80 - latime : 75),
                         n8(0, peEcran ? 25 - inaltime : 24),
                         latime,
                         inaltime,
                         c.fundal,
                         c.cerneala,
                         c.chenar,
                         text(20),
                         schema,
                         toFlag(r.bounded(2))};
        ferestre << n;
    }
    std::shuffle(ferestre.begin(), ferestre.end(), r);
    for (int n : ferestre) // "F" and the number, then the title in brackets when there is one
        s.liniiFerestre.append({n, QString("F%1%2").arg(n).arg(s.ferestre[n].Titlu.isEmpty()
                                                                   ? ""
                                                                   : " [" + s.ferestre[n].Titlu + "]")});
    s.fereastraActiva = ferestre.value(0, -1);
    for (int k = r.bounded(1, 4); k <= NumarObiecte && !ferestre.isEmpty(); k += r.bounded(1, 5)) {
        static const StareProiect baza = stareDeBaza();
        Obiect &o = s.obiecte[k] = baza.obiecte[r.bounded(1, 8)];
        const Fereastra &f = s.ferestre[o.Fereastra = quint8(ferestre[r.bounded(int(ferestre.size()))])];
        const bool say = o.Tip == TipObiect::Say, get = o.Tip == TipObiect::Get;
        o.Nume = say && !isSet(o.Variabila) ? text(76) + "." : "v" + text(10, "abcxyzABCXYZ_0123456789");
        for (const auto &optiune : Reguli::OptiuniFunction)
            get ? void(o.*optiune.flag = toFlag(r.bounded(4) == 0)) : void();
        for (const auto &optiune : Reguli::OptiuniPicture)
            get ? void(o.*optiune.flag = toFlag(r.bounded(4) == 0)) : void();
        o.Variabila = toFlag(isSet(o.Variabila) && (!get || r.bounded(3)));
        o.TextAfisat = say   ? o.Nume
                       : get ? Reguli::textAfisatGet(o.Nume, o.Lungime, o.Lungime)
                             : Reguli::textAfisatButon(o.Valoare.split(';'), o.Lungime);
        std::tie(o.Coloana, o.Rand) = std::tuple{n8(0, 76), n8(0, 21)};
        o.Comentariu = text(150, "abc XYZ 019 '\"[]<>;.-ăîșȚ€\n");
        if (!get && (!say || r.bounded(2))) // a bar always has its window's colours, a @SAY may keep them
            std::tie(o.CulorileFerestrei, o.CuloareFundal, o.CuloareCerneala) =
                std::tuple{-1, f.CuloareFundal, f.CuloareCerneala};
        if (o.Fereastra == s.fereastraActiva)
            s.ordineObiecte << k;
    }
    std::shuffle(s.ordineObiecte.begin(), s.ordineObiecte.end(), r);
    s.obiectSelectat = r.bounded(4) ? s.ordineObiecte.value(0, -1) : -1;
    return s;
}
