#include "project.h"

#include <tuple>

TipObiect tipObiect(const QString &nume)
{
    if (nume == QLatin1String("SAY"))
        return TipObiect::Say;
    if (nume == QLatin1String("GET"))
        return TipObiect::Get;
    return nume == QLatin1String("BUTON") ? TipObiect::Buton : TipObiect::Niciunul;
}

QString numeTip(TipObiect tip)
{
    switch (tip) {
    case TipObiect::Say:
        return QStringLiteral("SAY");
    case TipObiect::Get:
        return QStringLiteral("GET");
    case TipObiect::Buton:
        return QStringLiteral("BUTON");
    case TipObiect::Niciunul:
        break;
    }
    return {};
}

bool Fereastra::operator==(const Fereastra &o) const
{
    return std::tie(Libera, Umbra, Orizontala, Verticala, Latime, Inaltime, CuloareFundal, CuloareCerneala,
                    CuloareChenar, Titlu, SchemaCulori, Patrata) ==
           std::tie(o.Libera, o.Umbra, o.Orizontala, o.Verticala, o.Latime, o.Inaltime, o.CuloareFundal,
                    o.CuloareCerneala, o.CuloareChenar, o.Titlu, o.SchemaCulori, o.Patrata);
}

bool Obiect::operator==(const Obiect &o) const
{
    return std::tie(Liber, CulorileFerestrei, Variabila, Valoare, TipDate, Lungime, InaltimeButon, Tip,
                    Fereastra, Coloana, Rand, CuloareFundal, CuloareCerneala, Nume, TextAfisat, Comentariu) ==
               std::tie(o.Liber, o.CulorileFerestrei, o.Variabila, o.Valoare, o.TipDate, o.Lungime,
                        o.InaltimeButon, o.Tip, o.Fereastra, o.Coloana, o.Rand, o.CuloareFundal,
                        o.CuloareCerneala, o.Nume, o.TextAfisat, o.Comentariu) &&
           std::tie(PictureN, Picture9, PictureDiez, PictureY, FunctionB, FunctionI, FunctionJ, FunctionK,
                    FunctionA, FunctionT, FunctionMajuscule, FunctionL, FunctionZ, FunctionStiintific,
                    FunctionMoneda, FunctionD) ==
               std::tie(o.PictureN, o.Picture9, o.PictureDiez, o.PictureY, o.FunctionB, o.FunctionI,
                        o.FunctionJ, o.FunctionK, o.FunctionA, o.FunctionT, o.FunctionMajuscule, o.FunctionL,
                        o.FunctionZ, o.FunctionStiintific, o.FunctionMoneda, o.FunctionD);
}

bool Setari::operator==(const Setari &o) const
{
    return CentrazaObiectulOrizontal == o.CentrazaObiectulOrizontal && FormatZLA == o.FormatZLA &&
           AnulArePatruCifre == o.AnulArePatruCifre && MarcajTabelaLucru == o.MarcajTabelaLucru &&
           UmbraImplicit == o.UmbraImplicit && FerestrePatrate == o.FerestrePatrate &&
           PastreazaUmbraInEcran == o.PastreazaUmbraInEcran &&
           SalveazaSetariSpatiuLucru == o.SalveazaSetariSpatiuLucru && PozitieFerestre == o.PozitieFerestre &&
           PozitieObiecte == o.PozitieObiecte && PozitieTabela == o.PozitieTabela &&
           ConfirmareaInchidere == o.ConfirmareaInchidere && ConfirmareStergere == o.ConfirmareStergere &&
           CaleFoxPRO == o.CaleFoxPRO && ScrierePrescurtata == o.ScrierePrescurtata &&
           IncludeComentariile == o.IncludeComentariile && InsereazaDataOra == o.InsereazaDataOra;
}

Setari setariImplicite()
{
    Setari s;
    s.CentrazaObiectulOrizontal = FlagTrue;
    s.FormatZLA = FlagTrue;
    s.AnulArePatruCifre = FlagTrue;
    s.MarcajTabelaLucru = FlagFalse;
    s.UmbraImplicit = FlagTrue;
    s.FerestrePatrate = FlagFalse;
    s.PastreazaUmbraInEcran = FlagTrue;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    s.ConfirmareaInchidere = FlagTrue;
    s.ConfirmareStergere = FlagTrue;
    s.ScrierePrescurtata = FlagFalse;
    s.IncludeComentariile = FlagTrue;
    s.InsereazaDataOra = FlagTrue;
    return s;
}

Proiect::Proiect()
{
    ResetFerestre();
    ResetObiecte();
}

bool Proiect::fereastraFolosita(int n) const
{
    return numarFereastraValid(n) && !isSet(fereastra(n).Libera);
}

bool Proiect::obiectFolosit(int n) const
{
    return numarObiectValid(n) && !isSet(obiect(n).Liber);
}

void Proiect::ResetFerestre()
{
    for (int n = 1; n <= NumarFerestre; ++n) {
        Fereastra &f = fereastra(n);
        f = Fereastra{};
        f.Libera = FlagTrue;
        f.Umbra = FlagFalse;
        f.Inaltime = 10;
        f.Latime = 20;
        f.Orizontala = 0;
        f.Verticala = 1;
        f.Titlu = QStringLiteral("FER %1").arg(n);
    }
}

void Proiect::ResetObiecte()
{
    for (int n = 1; n <= NumarObiecte; ++n) {
        Obiect &o = obiect(n);
        o = Obiect{};
        o.Liber = FlagTrue;
    }
}

int Proiect::PrimaFereastraLibera() const
{
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (isSet(fereastra(n).Libera))
            return n;
    }
    return -1;
}

int Proiect::PrimulObiectLiber() const
{
    for (int n = 1; n <= NumarObiecte; ++n) {
        if (isSet(obiect(n).Liber))
            return n;
    }
    return -1;
}

bool Proiect::existaFerestre() const
{
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (!isSet(fereastra(n).Libera))
            return true;
    }
    return false;
}
