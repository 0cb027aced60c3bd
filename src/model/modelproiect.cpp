#include "modelproiect.h"

#include "model/reguli.h"
#include "model/rounding.h"

#include <algorithm>
#include <utility>

QString numeModificare(Modificare m)
{
    switch (m) {
    case Modificare::Proiect:
        break;
    case Modificare::CreareFereastra:
        return QStringLiteral("crearea ferestrei");
    case Modificare::StergereFereastra:
        return QStringLiteral("stergerea ferestrei");
    case Modificare::TitluFereastra:
        return QStringLiteral("schimbarea titlului");
    case Modificare::SchemaFereastra:
        return QStringLiteral("alegerea schemei de culori");
    case Modificare::UmbraFereastra:
        return QStringLiteral("schimbarea umbrei");
    case Modificare::PatrataFereastra:
        return QStringLiteral("schimbarea ferestrei patrate");
    case Modificare::MutareFereastra:
        return QStringLiteral("mutarea ferestrei");
    case Modificare::RedimensionareFereastra:
        return QStringLiteral("redimensionarea ferestrei");
    case Modificare::AliniereFereastra:
        return QStringLiteral("alinierea ferestrei");
    case Modificare::CreareSay:
        return QStringLiteral("crearea obiectului @SAY");
    case Modificare::CreareGet:
        return QStringLiteral("crearea obiectului @GET");
    case Modificare::CreareButon:
        return QStringLiteral("crearea butonului");
    case Modificare::StergereObiect:
        return QStringLiteral("stergerea obiectului");
    case Modificare::ModificareObiect:
        return QStringLiteral("modificarea obiectului");
    case Modificare::MutareObiect:
        return QStringLiteral("mutarea obiectului");
    case Modificare::AliniereObiect:
        return QStringLiteral("alinierea obiectului");
    case Modificare::CuloriFereastraObiect:
        return QStringLiteral("schimbarea culorilor obiectului");
    case Modificare::CuloareObiect:
        return QStringLiteral("alegerea culorii");
    }
    return QStringLiteral("modificarea proiectului");
}

void sloturiSchimbate(const StareProiect &a, const StareProiect &b, QList<int> *ferestre, QList<int> *obiecte)
{
    for (int n = 1; n <= NumarFerestre; ++n) {
        const Fereastra &x = a.ferestre[std::size_t(n)], &y = b.ferestre[std::size_t(n)];
        if (!(isSet(x.Libera) && isSet(y.Libera)) && x != y)
            ferestre->append(n);
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        const Obiect &x = a.obiecte[std::size_t(n)], &y = b.obiecte[std::size_t(n)];
        if (!(isSet(x.Liber) && isSet(y.Liber)) && x != y)
            obiecte->append(n);
    }
}

bool aceleasiInregistrari(const StareProiect &a, const StareProiect &b)
{
    QList<int> ferestre, obiecte;
    sloturiSchimbate(a, b, &ferestre, &obiecte);
    return ferestre.isEmpty() && obiecte.isEmpty();
}

ModelProiect::ModelProiect(QObject *parent)
    : QObject(parent)
{
}

StareProiect ModelProiect::stare() const
{
    StareProiect s;
    s.ferestre = proiect_.Ferestre;
    s.obiecte = proiect_.Obiecte;
    s.liniiFerestre = liniiFerestre_;
    s.fereastraActiva = fereastraActiva_;
    s.ordineObiecte = ordineObiecte_;
    s.obiectSelectat = obiectSelectat_;
    return s;
}

StareProiect ModelProiect::stareInitiala()
{
    Proiect p;
    p.ResetFerestre();
    p.ResetObiecte();
    StareProiect s;
    s.ferestre = p.Ferestre;
    s.obiecte = p.Obiecte;
    return s;
}

void ModelProiect::reseteaza()
{
    const StareProiect s = stareInitiala();
    proiect_.Ferestre = s.ferestre;
    proiect_.Obiecte = s.obiecte;
    liniiFerestre_.clear();
    fereastraActiva_ = -1;
    ordineObiecte_.clear();
    obiectSelectat_ = obiectNou_ = -1;
    emit selectieSchimbata();
}

void ModelProiect::restaureaza(const StareProiect &s)
{
    QList<int> ferestre, obiecte;
    sloturiSchimbate(stare(), s, &ferestre, &obiecte);
    proiect_.Ferestre = s.ferestre;
    proiect_.Obiecte = s.obiecte;
    liniiFerestre_ = s.liniiFerestre;
    fereastraActiva_ = s.fereastraActiva;
    ordineObiecte_ = s.ordineObiecte;
    obiectSelectat_ = s.obiectSelectat;
    obiectNou_ = -1;
    // A step under way (the undo command itself) starts from here.
    if (adancime_ > 0)
        deschis_.inainte = s;
    emit restaurat(ferestre, obiecte);
    emit selectieSchimbata();
}

QString textLinieObiect(const Obiect &o, int n)
{
    switch (o.Tip) {
    case TipObiect::Say:
        return isSet(o.Variabila) ? QStringLiteral("@SAY%1 [VARIABILA: %2]").arg(n).arg(o.Nume)
                                  : QStringLiteral("@SAY%1 [%2]").arg(n).arg(o.Nume);
    case TipObiect::Get:
        return isSet(o.Variabila) ? QStringLiteral("@GET%1 [VARIABILA: %2]").arg(n).arg(o.Nume)
                                  : QStringLiteral("@GET%1 [CAMP: %2]").arg(n).arg(o.Nume);
    default:
        return QStringLiteral("@BUTON%1[%2]").arg(n).arg(o.Nume);
    }
}

QString textLinieObiectNou(TipObiect tip, int n)
{
    return tip == TipObiect::Get   ? QStringLiteral("@GET%1 [GET %1]").arg(n)
           : tip == TipObiect::Say ? QStringLiteral("@SAY%1 [SAY %1]").arg(n)
                                   : QStringLiteral("BUTON%1 [BUTON %1]").arg(n);
}

QString ModelProiect::textLinieObiect(int k) const
{
    if (!Proiect::numarObiectValid(k))
        return {};
    const Obiect &o = proiect_.obiect(k);
    return k == obiectNou_ ? textLinieObiectNou(o.Tip, k) : ::textLinieObiect(o, k);
}

void ModelProiect::selecteazaFereastra(int n)
{
    if (!std::any_of(liniiFerestre_.cbegin(), liniiFerestre_.cend(),
                     [n](const LinieFereastra &l) { return l.fereastra == n; }))
        return;
    fereastraActiva_ = n;
    actualizeazaListaObiecte();
}

void ModelProiect::alegeObiectul(int n)
{
    obiectSelectat_ = ordineObiecte_.contains(n) ? n : -1;
    emit selectieSchimbata();
}

void ModelProiect::selecteazaObiect(int n)
{
    if (n == -1 || ordineObiecte_.contains(n))
        alegeObiectul(n);
}

void ModelProiect::actualizeazaListaObiecte()
{
    ordineObiecte_.clear();
    obiectNou_ = -1;
    for (int k = 1; k <= NumarObiecte; ++k) {
        const Obiect &o = proiect_.obiect(k);
        if (!isSet(o.Liber) && o.Fereastra == fereastraActiva_)
            ordineObiecte_.append(k);
    }
    alegeObiectul(ordineObiecte_.value(ordineObiecte_.size() - 1, -1));
}

void ModelProiect::incepe(Modificare fel, int tinta, bool unire)
{
    if (adancime_++ == 0)
        deschis_ = {fel, tinta, unire, stare(), {}};
}

void ModelProiect::termina()
{
    if (adancime_ == 0 || --adancime_ > 0)
        return;
    PasProiect p = std::move(deschis_);
    deschis_ = {};
    p.dupa = stare();
    // What a step wrote into a slot it left free (a new object cancelled) is no change.
    if (aceleasiInregistrari(p.inainte, p.dupa))
        return;
    emit pas(p);
}

void ModelProiect::renunta()
{
    if (adancime_ > 0)
        restaureaza(deschis_.inainte);
}

Fereastra *ModelProiect::fereastraFolosita(int n)
{
    return proiect_.fereastraFolosita(n) ? &proiect_.fereastra(n) : nullptr;
}

Obiect *ModelProiect::obiectFolosit(int n)
{
    return proiect_.obiectFolosit(n) ? &proiect_.obiect(n) : nullptr;
}

int ModelProiect::creeazaFereastra(const SablonFereastra &sablon)
{
    const int n = proiect_.PrimaFereastraLibera();
    if (n == -1)
        return -1;
    Tranzactie t(*this, Modificare::CreareFereastra, n);
    Fereastra &f = proiect_.fereastra(n);
    f.Libera = FlagFalse;
    f.Umbra = toFlag(sablon.umbra);
    f.CuloareFundal = sablon.fundal;
    f.CuloareChenar = sablon.chenar;
    f.CuloareCerneala = sablon.cerneala;
    f.SchemaCulori = quint8(sablon.schema);
    f.Orizontala = 0;
    f.Verticala = 0;
    f.Inaltime = 10;
    // A square window starts twice as wide as high.
    f.Patrata = toFlag(sablon.patrata);
    f.Latime = isSet(f.Patrata) ? 20 : 30;
    f.Titlu = QStringLiteral("FER %1").arg(n);
    emit fereastraSchimbata(n);
    liniiFerestre_.append({n, textLinieFereastra(n, f.Titlu)});
    selecteazaFereastra(n);
    return n;
}

void ModelProiect::stergeFereastra(int n)
{
    Fereastra *f = fereastraFolosita(n);
    if (!f)
        return;
    Tranzactie t(*this, Modificare::StergereFereastra, n);
    for (int k = 1; k <= NumarObiecte; ++k) {
        if (proiect_.obiect(k).Fereastra == n && !isSet(proiect_.obiect(k).Liber)) {
            proiect_.obiect(k).Liber = FlagTrue;
            emit obiectSchimbat(k);
        }
    }
    f->Libera = FlagTrue;
    emit fereastraSchimbata(n);
    liniiFerestre_.erase(std::remove_if(liniiFerestre_.begin(), liniiFerestre_.end(),
                                        [n](const LinieFereastra &l) { return l.fereastra == n; }),
                         liniiFerestre_.end());
    if (!liniiFerestre_.isEmpty()) {
        selecteazaFereastra(liniiFerestre_.first().fereastra);
        return;
    }
    fereastraActiva_ = -1;
    actualizeazaListaObiecte();
}

bool ModelProiect::seteazaTitlu(int n, const QString &titlu)
{
    Fereastra *f = fereastraFolosita(n);
    if (!f || !Reguli::motivText(titlu, Reguli::Filtru::Text, Reguli::LungimeTitlu, false).isEmpty())
        return false;
    Tranzactie t(*this, Modificare::TitluFereastra, n, true);
    // A title that would touch the corners widens the window by one column.
    if (titlu.size() + 4 == f->Latime)
        f->Latime = quint8(f->Latime + 1);
    f->Titlu = titlu;
    emit fereastraSchimbata(n);
    return true;
}

void ModelProiect::seteazaSchema(int n, int schema, Culoare fundal, Culoare cerneala, Culoare chenar)
{
    Fereastra *f = fereastraFolosita(n);
    if (!f)
        return;
    Tranzactie t(*this, Modificare::SchemaFereastra, n);
    f->CuloareFundal = fundal;
    f->CuloareChenar = chenar;
    f->CuloareCerneala = cerneala;
    f->SchemaCulori = quint8(schema);
    QList<int> recolorate;
    for (int k = 1; k <= NumarObiecte; ++k) {
        Obiect &o = proiect_.obiect(k);
        if (o.Fereastra == n && isSet(o.CulorileFerestrei)) {
            o.CuloareFundal = fundal;
            o.CuloareCerneala = cerneala;
            if (!isSet(o.Liber))
                recolorate.append(k);
        }
    }
    emit fereastraSchimbata(n);
    for (int k : recolorate)
        emit obiectSchimbat(k);
}

// A value set to what it already is changes nothing and draws nothing.
template <typename F> void ModelProiect::modificaObiect(int n, Modificare fel, bool unire, F &&schimbare)
{
    if (Obiect *o = obiectFolosit(n)) {
        Tranzactie t(*this, fel, n, unire);
        const Obiect inainte = *o;
        schimbare(*o);
        if (*o != inainte)
            emit obiectSchimbat(n);
    }
}

template <typename F> void ModelProiect::modificaFereastra(int n, Modificare fel, bool unire, F &&schimbare)
{
    if (Fereastra *f = fereastraFolosita(n)) {
        Tranzactie t(*this, fel, n, unire);
        const Fereastra inainte = *f;
        schimbare(*f);
        if (*f != inainte)
            emit fereastraSchimbata(n);
    }
}

void ModelProiect::seteazaUmbra(int n, bool umbra)
{
    modificaFereastra(n, Modificare::UmbraFereastra, false, [&](Fereastra &f) { f.Umbra = toFlag(umbra); });
}

void ModelProiect::seteazaPatrata(int n, bool patrata)
{
    modificaFereastra(n, Modificare::PatrataFereastra, false,
                      [&](Fereastra &f) { f.Patrata = toFlag(patrata); });
}

bool ModelProiect::seteazaOrizontala(int n, int coloana, bool umbraInEcran)
{
    const Fereastra *f = fereastraFolosita(n);
    if (!f || !Reguli::coloanaPermisa(coloana, f->Latime, umbraInEcran))
        return false;
    modificaFereastra(n, Modificare::MutareFereastra, true,
                      [&](Fereastra &g) { g.Orizontala = quint8(coloana); });
    return true;
}

void ModelProiect::seteazaVerticala(int n, int rand)
{
    if (Reguli::RandFereastra.contine(rand))
        modificaFereastra(n, Modificare::MutareFereastra, true,
                          [&](Fereastra &f) { f.Verticala = quint8(rand); });
}

void ModelProiect::seteazaLatime(int n, int latime, bool tragere)
{
    if (!Reguli::LatimeFereastra.contine(latime))
        return;
    modificaFereastra(n, Modificare::RedimensionareFereastra, true, [&](Fereastra &f) {
        if (isSet(f.Patrata)) {
            const int jumatate = roundHalfEven(latime / 2.0);
            if (jumatate > Reguli::InaltimeFereastra.maxim) {
                latime = 2 * f.Inaltime;
            } else {
                const int inaltime = !tragere || latime / 2.0 > f.Inaltime
                                         ? std::max(jumatate, Reguli::InaltimeFereastra.minim)
                                         : Reguli::InaltimeFereastra.minim;
                // A rounded half equal to the height leaves the width as given.
                if (inaltime != f.Inaltime)
                    latime = 2 * inaltime;
                f.Inaltime = quint8(inaltime);
            }
        }
        f.Latime = quint8(latime);
    });
}

void ModelProiect::seteazaInaltime(int n, int inaltime)
{
    if (!Reguli::InaltimeFereastra.contine(inaltime))
        return;
    modificaFereastra(n, Modificare::RedimensionareFereastra, true, [&](Fereastra &f) {
        f.Inaltime = quint8(inaltime);
        if (isSet(f.Patrata))
            f.Latime = quint8(2 * inaltime);
    });
}

void ModelProiect::aliniazaFereastra(int n, int coloana, int rand, bool umbraInEcran)
{
    const Fereastra *f = fereastraFolosita(n);
    if (!f || coloana < 0 || coloana > 2 || rand < 0 || rand > 2)
        return;
    Tranzactie t(*this, Modificare::AliniereFereastra, n);
    const int w = f->Latime, h = f->Inaltime;
    // The screen's 80 columns and 25 rows; a position bar holds no more.
    auto randPe = [&](int r) { seteazaVerticala(n, std::clamp(r, 0, 24)); };
    auto coloanaPe = [&](int c) { seteazaOrizontala(n, std::clamp(c, 0, 79), umbraInEcran); };
    const int coloane[3] = {0, 40 - roundHalfEven(w / 2.0), umbraInEcran ? 80 - w - 2 : 80 - w};
    const int randuri[3] = {0, 12 - roundHalfEven(h / 2.0), 25 - h};
    randPe(randuri[rand]);
    if (rand == 2 && coloana == 2) {
        // Bottom right: the row first, so the column's shadow rule sees it.
        if (umbraInEcran)
            randPe(f->Verticala - 1);
        coloanaPe(coloane[2]);
        return;
    }
    coloanaPe(coloane[coloana]);
    if (rand == 2 && umbraInEcran)
        randPe(f->Verticala - 1);
}

Modificare creareObiect(TipObiect tip)
{
    return tip == TipObiect::Say   ? Modificare::CreareSay
           : tip == TipObiect::Get ? Modificare::CreareGet
                                   : Modificare::CreareButon;
}

int ModelProiect::adaugaObiect(TipObiect tip, int fereastra, Culoare fundal, Culoare cerneala)
{
    const int n = proiect_.PrimulObiectLiber();
    if (n == -1 || tip == TipObiect::Niciunul || !proiect_.fereastraFolosita(fereastra))
        return -1;
    const Modificare fel = creareObiect(tip);
    Tranzactie t(*this, fel, n);
    // Nothing of an object that used the slot before survives.
    Obiect &o = proiect_.obiect(n);
    o = Obiect{};
    o.Liber = FlagFalse;
    o.Tip = tip;
    o.Fereastra = quint8(fereastra);
    if (tip == TipObiect::Get) {
        // A field shows white on black whatever its window's colours.
        o.CulorileFerestrei = FlagFalse;
        o.CuloareFundal = Culori::Black;
        o.CuloareCerneala = Culori::White;
    } else {
        o.Variabila = FlagFalse;
        o.CulorileFerestrei = FlagTrue;
        o.CuloareFundal = fundal;
        o.CuloareCerneala = cerneala;
    }
    o.Nume = QStringLiteral("%1 %2").arg(numeTip(tip)).arg(n);
    emit obiectSchimbat(n);
    if (fereastra == fereastraActiva_) {
        ordineObiecte_.append(n);
        obiectNou_ = n;
        alegeObiectul(n);
    }
    return n;
}

void ModelProiect::editeazaObiect(int n, const Obiect &o)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &ob) { ob = o; });
}

void ModelProiect::seteazaText(int n, QString Obiect::*camp, const QString &text)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) { o.*camp = text; });
}

void ModelProiect::seteazaIndicator(int n, Flag Obiect::*camp, bool valoare)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) { o.*camp = toFlag(valoare); });
}

void ModelProiect::seteazaLungime(int n, int lungime)
{
    modificaObiect(n, Modificare::ModificareObiect, false,
                   [&](Obiect &o) { o.Lungime = quint8(std::clamp(lungime, 0, 255)); });
}

void ModelProiect::seteazaInaltimeButon(int n, int inaltime)
{
    modificaObiect(n, Modificare::ModificareObiect, false,
                   [&](Obiect &o) { o.InaltimeButon = quint8(std::clamp(inaltime, 0, 255)); });
}

void ModelProiect::seteazaTextSay(int n, const QString &text)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) { o.Nume = o.TextAfisat = text; });
}

void ModelProiect::seteazaNumeGet(int n, const QString &nume, int taiere)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) {
        o.Nume = nume;
        o.TextAfisat = Reguli::textAfisatGet(nume, o.Lungime, taiere);
    });
}

void ModelProiect::seteazaTipDate(int n, const QString &tip, int lungime, const QString &valoareImplicita)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) {
        o.TipDate = tip;
        o.Lungime = quint8(std::clamp(lungime, 0, 255));
        o.Valoare = valoareImplicita;
    });
}

void ModelProiect::seteazaBara(int n, const QStringList &prompturi)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) {
        o.Valoare = prompturi.join(QLatin1Char(';'));
        o.TextAfisat = Reguli::textAfisatButon(prompturi, o.Lungime);
    });
}

void ModelProiect::seteazaBaraStocata(int n, const QString &valoare, const QString &textAfisat)
{
    modificaObiect(n, Modificare::ModificareObiect, false, [&](Obiect &o) {
        o.Valoare = valoare;
        o.TextAfisat = textAfisat;
    });
}

void ModelProiect::stergeObiect(int n)
{
    modificaObiect(n, Modificare::StergereObiect, false, [](Obiect &o) { o.Liber = FlagTrue; });
    if (!ordineObiecte_.removeOne(n))
        return;
    if (obiectNou_ == n)
        obiectNou_ = -1;
    alegeObiectul(ordineObiecte_.value(ordineObiecte_.size() - 1, -1));
}

bool ModelProiect::seteazaColoanaObiect(int n, int coloana)
{
    const Obiect *o = obiectFolosit(n);
    if (!o || coloana < 0 || !proiect_.fereastraFolosita(o->Fereastra))
        return false;
    if (coloana + o->TextAfisat.size() > proiect_.fereastra(o->Fereastra).Latime - 2)
        return false;
    modificaObiect(n, Modificare::MutareObiect, true, [&](Obiect &ob) { ob.Coloana = quint8(coloana); });
    return true;
}

bool ModelProiect::seteazaRandObiect(int n, int rand)
{
    const Obiect *o = obiectFolosit(n);
    if (!o || rand < 0 || !proiect_.fereastraFolosita(o->Fereastra))
        return false;
    if (rand >= proiect_.fereastra(o->Fereastra).Inaltime - 2)
        return false;
    modificaObiect(n, Modificare::MutareObiect, true, [&](Obiect &ob) { ob.Rand = quint8(rand); });
    return true;
}

void ModelProiect::aliniazaObiect(int n, int coloana, int rand)
{
    const Obiect *o = obiectFolosit(n);
    if (!o || !proiect_.fereastraFolosita(o->Fereastra) || coloana < 0 || coloana > 2 || rand < 0 || rand > 2)
        return;
    Tranzactie t(*this, Modificare::AliniereObiect, n);
    const Fereastra &f = proiect_.fereastra(o->Fereastra);
    const int lungime = int(o->TextAfisat.size());
    const int coloane[3] = {0, coloanaCentrata(f.Latime, lungime), std::max(0, f.Latime - 2 - lungime)};
    const int randuri[3] = {0, roundHalfEven((f.Inaltime - 2) / 2.0), std::max(0, f.Inaltime - 3)};
    seteazaColoanaObiect(n, std::min(coloane[coloana], 79));
    seteazaRandObiect(n, std::min(randuri[rand], 79));
}

int ModelProiect::coloanaCentrata(int latime, int lungime)
{
    // Never below 0: an object wider than the interior goes to the left edge.
    return std::max(0, roundHalfEven((latime - 2) / 2.0 - roundHalfEven(lungime / 2.0)));
}

bool ModelProiect::centreazaOrizontal(int n)
{
    const Obiect *o = obiectFolosit(n);
    if (!o || !proiect_.fereastraFolosita(o->Fereastra))
        return false;
    const int c = coloanaCentrata(proiect_.fereastra(o->Fereastra).Latime, int(o->TextAfisat.size()));
    return seteazaColoanaObiect(n, std::min(c, 79));
}

bool ModelProiect::centreazaVertical(int n)
{
    const Obiect *o = obiectFolosit(n);
    if (!o || !proiect_.fereastraFolosita(o->Fereastra))
        return false;
    return seteazaRandObiect(
        n, std::min(roundHalfEven((proiect_.fereastra(o->Fereastra).Inaltime - 2) / 2.0), 79));
}

void ModelProiect::seteazaCuloriObiect(int n, bool culorileFerestrei, Culoare fundal, Culoare cerneala)
{
    modificaObiect(n, Modificare::CuloareObiect, false, [&](Obiect &o) {
        o.CulorileFerestrei = toFlag(culorileFerestrei);
        o.CuloareFundal = fundal;
        o.CuloareCerneala = cerneala;
    });
}
