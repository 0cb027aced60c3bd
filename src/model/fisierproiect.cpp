#include "fisierproiect.h"

#include "model/eroarefisier.h"
#include "model/reguli.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace FisierProiect {

namespace {

// The object palette's column and row bars.
constexpr int PozitieMaxima = Reguli::ColoaneEcran - 1;
using Reguli::InteriorMaxim;

template <typename R> struct CampNumar {
    const char *nume;
    quint8 R::*camp;
    int minim, maxim;
};
template <typename R> struct CampFlag {
    const char *nume;
    Flag R::*camp;
};
template <typename R> struct CampCuloare {
    const char *nume;
    Culoare R::*camp;
};
template <typename R> struct CampText {
    const char *nume;
    QString R::*camp;
};

// Every field of a record, by kind; only the free-slot flag is left out, as
// a record in the file is in use.
template <typename R> struct Campuri;

template <> struct Campuri<Fereastra> {
    static constexpr CampNumar<Fereastra> numere[] = {
        {"Orizontala", &Fereastra::Orizontala, Reguli::ColoanaFereastra.minim,
         Reguli::ColoanaFereastra.maxim},
        {"Verticala", &Fereastra::Verticala, Reguli::RandFereastra.minim, Reguli::RandFereastra.maxim},
        {"Latime", &Fereastra::Latime, Reguli::LatimeFereastra.minim, Reguli::LatimeFereastra.maxim},
        {"Inaltime", &Fereastra::Inaltime, Reguli::InaltimeFereastra.minim, Reguli::InaltimeFereastra.maxim},
        {"SchemaCulori", &Fereastra::SchemaCulori, 1, 10},
    };
    static constexpr CampFlag<Fereastra> flaguri[] = {{"Umbra", &Fereastra::Umbra},
                                                      {"Patrata", &Fereastra::Patrata}};
    static constexpr CampCuloare<Fereastra> culori[] = {{"CuloareFundal", &Fereastra::CuloareFundal},
                                                        {"CuloareCerneala", &Fereastra::CuloareCerneala},
                                                        {"CuloareChenar", &Fereastra::CuloareChenar}};
    static constexpr CampText<Fereastra> texte[] = {{"Titlu", &Fereastra::Titlu}};
};

template <> struct Campuri<Obiect> {
    // Lungime is narrowed by kind once the kind is known.
    static constexpr CampNumar<Obiect> numere[] = {
        {"Fereastra", &Obiect::Fereastra, 1, NumarFerestre}, {"Coloana", &Obiect::Coloana, 0, PozitieMaxima},
        {"Rand", &Obiect::Rand, 0, PozitieMaxima},           {"Lungime", &Obiect::Lungime, 0, 255},
        {"InaltimeButon", &Obiect::InaltimeButon, 1, 3},
    };
    static constexpr CampFlag<Obiect> flaguri[] = {
        {"CulorileFerestrei", &Obiect::CulorileFerestrei},
        {"Variabila", &Obiect::Variabila},
        {"PictureN", &Obiect::PictureN},
        {"Picture9", &Obiect::Picture9},
        {"PictureDiez", &Obiect::PictureDiez},
        {"PictureY", &Obiect::PictureY},
        {"FunctionB", &Obiect::FunctionB},
        {"FunctionI", &Obiect::FunctionI},
        {"FunctionJ", &Obiect::FunctionJ},
        {"FunctionK", &Obiect::FunctionK},
        {"FunctionA", &Obiect::FunctionA},
        {"FunctionT", &Obiect::FunctionT},
        {"FunctionMajuscule", &Obiect::FunctionMajuscule},
        {"FunctionL", &Obiect::FunctionL},
        {"FunctionZ", &Obiect::FunctionZ},
        {"FunctionStiintific", &Obiect::FunctionStiintific},
        {"FunctionMoneda", &Obiect::FunctionMoneda},
        {"FunctionD", &Obiect::FunctionD},
    };
    static constexpr CampCuloare<Obiect> culori[] = {{"CuloareFundal", &Obiect::CuloareFundal},
                                                     {"CuloareCerneala", &Obiect::CuloareCerneala}};
    static constexpr CampText<Obiect> texte[] = {{"Nume", &Obiect::Nume},
                                                 {"TextAfisat", &Obiect::TextAfisat},
                                                 {"Valoare", &Obiect::Valoare},
                                                 {"TipDate", &Obiect::TipDate},
                                                 {"Comentariu", &Obiect::Comentariu}};
};

QString numeCuloare(Culoare c)
{
    for (const CuloarePaleta &p : culoriPaleta()) {
        if (p.valoare == c)
            return QLatin1String(p.nume);
    }
    return QString(); // never a palette name: such a file is refused on loading
}

template <typename R> QJsonObject scrieInregistrare(int slot, const R &r)
{
    QJsonObject o{{QStringLiteral("slot"), slot}};
    for (const auto &c : Campuri<R>::numere)
        o.insert(QLatin1String(c.nume), int(r.*c.camp));
    for (const auto &c : Campuri<R>::flaguri)
        o.insert(QLatin1String(c.nume), isSet(r.*c.camp));
    for (const auto &c : Campuri<R>::culori)
        o.insert(QLatin1String(c.nume), numeCuloare(r.*c.camp));
    for (const auto &c : Campuri<R>::texte)
        o.insert(QLatin1String(c.nume), r.*c.camp);
    // The file names an object's kind.
    if constexpr (std::is_same_v<R, Obiect>)
        o.insert(QStringLiteral("Tip"), numeTip(r.Tip));
    return o;
}

// A value and where it stands; the path is spelled out only for a problem.
struct Camp {
    QJsonValue v;
    QString baza;
    const char *cheie = nullptr; // none: the value of baza itself
    QString cale() const
    {
        if (!cheie)
            return baza;
        return baza.isEmpty() ? QString::fromLatin1(cheie) : baza + QLatin1Char('.') + QLatin1String(cheie);
    }
};

// Reads a file's JSON into a design, stopping at the first problem.
class Citire
{
public:
    QString problema;

    std::optional<StareProiect> proiect(const QByteArray &date);
    // A record in use as a file would hold it, objects of the given windows.
    template <typename R> QString verifica(const R &r, const QList<int> &ferestre);

private:
    bool refuza(const QString &cale, const QString &motiv)
    {
        problema = cale + QStringLiteral(": ") + motiv;
        return false;
    }
    // True, with the problem noted, when there is a reason to refuse a record's field.
    bool refuzat(const QString &baza, const char *cheie, const QString &motiv)
    {
        return !motiv.isEmpty() && !refuza(Camp{{}, baza, cheie}.cale(), motiv);
    }
    static Camp camp(const QJsonObject &o, const QString &baza, const char *cheie)
    {
        return {o.value(QLatin1String(cheie)), baza, cheie};
    }
    bool deTip(const Camp &c, QJsonValue::Type tip, const char *asteptat);
    bool intreg(const Camp &c, int minim, int maxim, int *rez);
    bool culoare(const Camp &c, bool fundal, Culoare *rez);
    template <typename Tabel>
    bool inregistrari(const QJsonObject &rad, const char *cheie, Tabel *tabel, QList<int> *sloturi);
    template <typename R> bool inregistrare(const QJsonObject &o, const QString &baza, R *r);
    bool reguli(const Fereastra &f, const QString &baza);
    bool reguli(const Obiect &o, const QString &baza);
    bool ordine(const QJsonObject &rad, const char *cheie, const QList<int> &membri, int maxim,
                const QString &nume, const QString &strain, QList<int> *rez);

    QList<int> ferestre_; // in use, from the file
};

bool Citire::deTip(const Camp &c, QJsonValue::Type tip, const char *asteptat)
{
    if (c.v.isUndefined())
        return refuza(c.cale(), QStringLiteral("lipseste"));
    if (c.v.type() != tip)
        return refuza(c.cale(), QStringLiteral("trebuie sa fie ") + QString::fromUtf8(asteptat));
    return true;
}

bool Citire::intreg(const Camp &c, int minim, int maxim, int *rez)
{
    if (c.v.isUndefined())
        return refuza(c.cale(), QStringLiteral("lipseste"));
    const double d = c.v.toDouble(std::nan("")); // not a number for any other type
    if (d >= minim && d <= maxim && d == std::floor(d)) {
        *rez = int(d);
        return true;
    }
    return refuza(
        c.cale(),
        minim == maxim
            ? QStringLiteral("trebuie sa fie %1").arg(minim)
            : QStringLiteral("trebuie sa fie un numar intreg intre %1 si %2").arg(minim).arg(maxim));
}

bool Citire::culoare(const Camp &c, bool fundal, Culoare *rez)
{
    if (!deTip(c, QJsonValue::String, "numele unei culori din paleta"))
        return false;
    const QString nume = c.v.toString();
    const auto &paleta = culoriPaleta();
    for (std::size_t i = 0; i < paleta.size(); ++i) {
        if (nume != QLatin1String(paleta[i].nume))
            continue;
        // Backgrounds come from the background picker or from a colour
        // scheme, both within its colours.
        if (fundal && i >= std::size_t(NumarCuloriFundal))
            return refuza(c.cale(), QStringLiteral("%1 nu este o culoare de fundal").arg(nume));
        *rez = paleta[i].valoare;
        return true;
    }
    return refuza(c.cale(), QStringLiteral("culoarea \"%1\" nu este in paleta").arg(nume));
}

template <typename R> bool Citire::inregistrare(const QJsonObject &o, const QString &baza, R *r)
{
    int n = 0;
    for (const auto &c : Campuri<R>::numere) {
        if (!intreg(camp(o, baza, c.nume), c.minim, c.maxim, &n))
            return false;
        r->*c.camp = quint8(n);
    }
    for (const auto &c : Campuri<R>::flaguri) {
        const Camp f = camp(o, baza, c.nume);
        if (!deTip(f, QJsonValue::Bool, "true sau false"))
            return false;
        r->*c.camp = toFlag(f.v.toBool());
    }
    for (const auto &c : Campuri<R>::culori) {
        if (!culoare(camp(o, baza, c.nume), c.camp == &R::CuloareFundal, &(r->*c.camp)))
            return false;
    }
    for (const auto &c : Campuri<R>::texte) {
        const Camp t = camp(o, baza, c.nume);
        if (!deTip(t, QJsonValue::String, "un text"))
            return false;
        r->*c.camp = t.v.toString();
    }
    if constexpr (std::is_same_v<R, Obiect>) {
        const Camp t = camp(o, baza, "Tip");
        if (!deTip(t, QJsonValue::String, "un text"))
            return false;
        r->Tip = tipObiect(t.v.toString());
    }
    return reguli(*r, baza);
}

bool Citire::reguli(const Fereastra &f, const QString &baza)
{
    return !refuzat(baza, "Titlu",
                    Reguli::motivText(f.Titlu, Reguli::Filtru::Text, Reguli::LungimeTitlu, false));
}

bool Citire::reguli(const Obiect &o, const QString &baza)
{
    if (!ferestre_.contains(o.Fereastra))
        return !refuzat(baza, "Fereastra",
                        QStringLiteral("fereastra %1 nu este in proiect").arg(o.Fereastra));
    const bool get = o.Tip == TipObiect::Get, buton = o.Tip == TipObiect::Buton;
    if (o.Tip == TipObiect::Niciunul)
        return !refuzat(baza, "Tip", QStringLiteral("trebuie sa fie SAY, GET sau BUTON"));
    using Reguli::Filtru;
    // A @GET, a button bar and a @SAY showing a variable are named by a
    // variable (a button's box has no length limit); a @SAY's text fits
    // its window.
    const bool variabila = get || buton || isSet(o.Variabila);
    if (refuzat(baza, "Nume",
                Reguli::motivText(o.Nume, variabila ? Filtru::Nume : Filtru::Text,
                                  buton ? -1 : (variabila ? Reguli::LungimeNume : InteriorMaxim), true)) ||
        refuzat(baza, "TextAfisat", Reguli::motivText(o.TextAfisat, Filtru::Text, -1, false)) ||
        refuzat(baza, "TipDate", Reguli::motivText(o.TipDate, Filtru::Text, -1, false)) ||
        refuzat(baza, "Comentariu",
                Reguli::motivText(o.Comentariu, Filtru::Comentariu, Reguli::LungimeComentariu, false)))
        return false;
    if (buton) {
        if (o.Lungime < 3 || o.Lungime > InteriorMaxim)
            return !refuzat(
                baza, "Lungime",
                QStringLiteral("trebuie sa fie un numar intreg intre 3 si %1").arg(InteriorMaxim));
        const QStringList prompturi = o.Valoare.split(QLatin1Char(';'));
        for (qsizetype i = 0; i < prompturi.size(); ++i) {
            const QString motiv = Reguli::motivText(prompturi[i], Filtru::Prompt, InteriorMaxim, true);
            if (!motiv.isEmpty())
                return !refuzat(baza, "Valoare", QStringLiteral("butonul %1: ").arg(i + 1) + motiv);
        }
        return true;
    }
    if (refuzat(baza, "Valoare", Reguli::motivText(o.Valoare, Filtru::Text, -1, false)))
        return false;
    if (!get)
        return true;
    if (o.TipDate.size() != 1 || !QStringLiteral("TNDL").contains(o.TipDate))
        return !refuzat(baza, "TipDate", QStringLiteral("trebuie sa fie T, N, D sau L"));
    if (o.Lungime < 1 || o.Lungime > InteriorMaxim)
        return !refuzat(baza, "Lungime",
                        QStringLiteral("trebuie sa fie un numar intreg intre 1 si %1").arg(InteriorMaxim));
    // The default value as the editor leaves it: a number written back in
    // its plain form, a logical F or T, none for a date.
    static const QRegularExpression numar(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    QString motiv;
    if (o.TipDate == QLatin1String("N") && !numar.match(o.Valoare).hasMatch())
        motiv = QStringLiteral("nu este un numar");
    else if (o.TipDate == QLatin1String("L") && o.Valoare != QLatin1String("F") &&
             o.Valoare != QLatin1String("T"))
        motiv = QStringLiteral("trebuie sa fie F sau T");
    else if (o.TipDate == QLatin1String("D") && !o.Valoare.isEmpty())
        motiv = QStringLiteral("trebuie sa fie gol pentru o data");
    return !refuzat(baza, "Valoare", motiv);
}

template <typename R> QString Citire::verifica(const R &r, const QList<int> &ferestre)
{
    ferestre_ = ferestre;
    int n = 0;
    Culoare c = 0;
    for (const auto &camp : Campuri<R>::numere) {
        if (!intreg({int(r.*camp.camp), QString(), camp.nume}, camp.minim, camp.maxim, &n))
            return problema;
    }
    for (const auto &camp : Campuri<R>::culori) {
        if (!culoare({numeCuloare(r.*camp.camp), QString(), camp.nume}, camp.camp == &R::CuloareFundal, &c))
            return problema;
    }
    return reguli(r, QString()) ? QString() : problema;
}

// The records of a slot table, in any order, each slot at most once.
template <typename Tabel>
bool Citire::inregistrari(const QJsonObject &rad, const char *cheie, Tabel *tabel, QList<int> *sloturi)
{
    const Camp lista = camp(rad, QString(), cheie);
    if (!deTip(lista, QJsonValue::Array, "o lista"))
        return false;
    const QJsonArray a = lista.v.toArray();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString cale = lista.cale() + QStringLiteral("[%1]").arg(i);
        const Camp element{a.at(i), cale};
        if (!deTip(element, QJsonValue::Object, "un obiect JSON"))
            return false;
        const QJsonObject o = element.v.toObject();
        int slot = 0;
        const Camp s = camp(o, cale, "slot");
        if (!intreg(s, 1, int(tabel->size()) - 1, &slot))
            return false;
        if (sloturi->contains(slot))
            return refuza(s.cale(), QStringLiteral("slotul %1 apare de doua ori").arg(slot));
        typename Tabel::value_type r{};
        if (!inregistrare(o, cale, &r))
            return false;
        sloturi->append(slot);
        (*tabel)[std::size_t(slot)] = r;
    }
    return true;
}

// A list of slot numbers holding each of membri exactly once.
bool Citire::ordine(const QJsonObject &rad, const char *cheie, const QList<int> &membri, int maxim,
                    const QString &nume, const QString &strain, QList<int> *rez)
{
    const Camp lista = camp(rad, QString(), cheie);
    if (!deTip(lista, QJsonValue::Array, "o lista"))
        return false;
    const QJsonArray a = lista.v.toArray();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString cale = lista.cale() + QStringLiteral("[%1]").arg(i);
        const Camp element{a.at(i), cale};
        int n = 0;
        if (!intreg(element, 1, maxim, &n))
            return false;
        if (!membri.contains(n))
            return refuza(element.cale(), nume.arg(n) + QLatin1Char(' ') + strain);
        if (rez->contains(n))
            return refuza(element.cale(), nume.arg(n) + QStringLiteral(" apare de doua ori"));
        rez->append(n);
    }
    for (int n : membri) {
        if (!rez->contains(n))
            return refuza(lista.cale(), QStringLiteral("lipseste ") + nume.arg(n));
    }
    return true;
}

std::optional<StareProiect> Citire::proiect(const QByteArray &date)
{
    if (date.size() > MarimeMaxima) {
        problema = QStringLiteral("Fisierul are peste %1 octeti (1 MiB), cat poate avea un proiect.")
                       .arg(MarimeMaxima);
        return std::nullopt;
    }
    QJsonParseError eroare;
    const QJsonDocument doc = QJsonDocument::fromJson(date, &eroare);
    if (eroare.error != QJsonParseError::NoError) {
        // Qt's words for the fault are English and mean nothing to a pupil: only where it is.
        problema =
            QStringLiteral("Fisierul nu este un proiect Sirolant valid (pozitia %1).").arg(eroare.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        problema = QStringLiteral("Fisierul nu contine un proiect Sirolant.");
        return std::nullopt;
    }
    const QJsonObject rad = doc.object();
    if (rad.value(QLatin1String("format")).toString() != QLatin1String("sirolant-proiect")) {
        refuza(QStringLiteral("format"), QStringLiteral("fisierul nu este un proiect Sirolant"));
        return std::nullopt;
    }
    const Camp versiune = camp(rad, QString(), "versiune");
    if (versiune.v.isDouble() && versiune.v.toDouble() > Versiune) {
        refuza(versiune.cale(), QStringLiteral("proiectul a fost creat de o versiune mai noua a programului "
                                               "(format %1; acest program cunoaste formatul %2)")
                                    .arg(versiune.v.toDouble())
                                    .arg(Versiune));
        return std::nullopt;
    }
    int v = 0;
    if (!intreg(versiune, Versiune, Versiune, &v))
        return std::nullopt;

    // Slots the file leaves out hold what a reset gives them.
    const Proiect gol;
    StareProiect s;
    s.ferestre = gol.Ferestre;
    s.obiecte = gol.Obiecte;
    QList<int> obiecte;
    if (!inregistrari(rad, "ferestre", &s.ferestre, &ferestre_) ||
        !inregistrari(rad, "obiecte", &s.obiecte, &obiecte))
        return std::nullopt;

    QList<int> liniiFerestre;
    if (!ordine(rad, "ordineFerestre", ferestre_, NumarFerestre, QStringLiteral("fereastra %1"),
                QStringLiteral("nu este in proiect"), &liniiFerestre))
        return std::nullopt;
    // The palette's list always has a line selected while it has lines.
    const Camp activa = camp(rad, QString(), "fereastraActiva");
    if (!intreg(activa, -1, NumarFerestre, &s.fereastraActiva))
        return std::nullopt;
    if (s.fereastraActiva == -1 ? !ferestre_.isEmpty() : !ferestre_.contains(s.fereastraActiva)) {
        refuza(activa.cale(), ferestre_.isEmpty()
                                  ? QStringLiteral("trebuie sa fie -1: proiectul nu are ferestre")
                                  : QStringLiteral("trebuie sa fie una din ferestrele proiectului"));
        return std::nullopt;
    }
    // The object list holds exactly the active window's objects.
    QList<int> aleFerestreiActive;
    for (int k : obiecte) {
        if (s.obiecte[std::size_t(k)].Fereastra == s.fereastraActiva)
            aleFerestreiActive.append(k);
    }
    if (!ordine(rad, "ordineObiecte", aleFerestreiActive, NumarObiecte, QStringLiteral("obiectul %1"),
                QStringLiteral("nu este in fereastra activa"), &s.ordineObiecte))
        return std::nullopt;
    const Camp selectat = camp(rad, QString(), "obiectSelectat");
    if (!intreg(selectat, -1, NumarObiecte, &s.obiectSelectat))
        return std::nullopt;
    if (s.obiectSelectat != -1 && !s.ordineObiecte.contains(s.obiectSelectat)) {
        refuza(selectat.cale(), QStringLiteral("trebuie sa fie -1 sau un obiect din ordineObiecte"));
        return std::nullopt;
    }

    // The window list's lines, written as the palette writes them when it fills the list.
    for (int n : liniiFerestre)
        s.liniiFerestre.append({n, textLinieFereastra(n, s.ferestre[std::size_t(n)].Titlu)});
    return s;
}

} // namespace

QByteArray scrie(const StareProiect &stare)
{
    QJsonArray ferestre, obiecte, ordineFerestre, ordineObiecte;
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (!isSet(stare.ferestre[std::size_t(n)].Libera))
            ferestre.append(scrieInregistrare(n, stare.ferestre[std::size_t(n)]));
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        if (!isSet(stare.obiecte[std::size_t(n)].Liber))
            obiecte.append(scrieInregistrare(n, stare.obiecte[std::size_t(n)]));
    }
    for (const LinieFereastra &l : stare.liniiFerestre)
        ordineFerestre.append(l.fereastra);
    for (int k : stare.ordineObiecte)
        ordineObiecte.append(k);
    const QJsonObject rad{
        {QStringLiteral("format"), QStringLiteral("sirolant-proiect")},
        {QStringLiteral("versiune"), Versiune},
        {QStringLiteral("ferestre"), ferestre},
        {QStringLiteral("obiecte"), obiecte},
        {QStringLiteral("ordineFerestre"), ordineFerestre},
        {QStringLiteral("fereastraActiva"), stare.fereastraActiva},
        {QStringLiteral("ordineObiecte"), ordineObiecte},
        {QStringLiteral("obiectSelectat"), stare.obiectSelectat},
    };
    return QJsonDocument(rad).toJson(QJsonDocument::Indented);
}

QString motiv(const Fereastra &f)
{
    return Citire().verifica(f, {});
}

QString motiv(const Obiect &o, const QList<int> &ferestre)
{
    return Citire().verifica(o, ferestre);
}

std::optional<StareProiect> citeste(const QByteArray &date, QString *problema)
{
    Citire c;
    std::optional<StareProiect> s = c.proiect(date);
    if (!s && problema)
        *problema = c.problema;
    return s;
}

bool salveaza(const QString &cale, const StareProiect &stare, QString *problema)
{
    const auto esec = [problema](const QString &motiv) {
        if (problema)
            *problema = motiv;
        return false;
    };
    const QFileInfo info(cale);
    if (!info.absoluteDir().exists())
        return esec(
            QStringLiteral("Dosarul %1 nu exista.").arg(QDir::toNativeSeparators(info.absolutePath())));
    QSaveFile f(cale);
    if (!f.open(QIODevice::WriteOnly))
        return esec(
            f.error() == QFileDevice::PermissionsError
                ? QStringLiteral("Nu aveti dreptul de a scrie in %1.").arg(QDir::toNativeSeparators(cale))
                : QStringLiteral("Fisierul nu poate fi creat (%1).").arg(EroareFisier::motiv(f)));
    const QByteArray date = scrie(stare);
    if (f.write(date) != date.size()) {
        f.cancelWriting();
        return esec(QStringLiteral("Scrierea fisierului a esuat (%1).").arg(EroareFisier::motiv(f)));
    }
    if (!f.commit())
        return esec(QStringLiteral("Fisierul nu a putut fi inlocuit (%1).").arg(EroareFisier::motiv(f)));
    return true;
}

std::optional<QByteArray> citesteFisier(const QString &cale, qint64 limita, QString *problema)
{
    const auto esec = [problema](const QString &motiv) {
        if (problema)
            *problema = motiv;
        return std::nullopt;
    };
    QFile f(cale);
    if (!f.exists())
        return esec(QStringLiteral("Fisierul nu exista."));
    if (!f.open(QIODevice::ReadOnly))
        return esec(QStringLiteral("Fisierul nu poate fi citit (%1).").arg(EroareFisier::motiv(f)));
    if (f.size() > limita)
        return esec(QStringLiteral("Fisierul are %1 octeti, peste limita de %2 octeti (1 MiB).")
                        .arg(f.size())
                        .arg(limita));
    // One byte more than allowed is enough to tell a file that grew meanwhile.
    QByteArray date = f.read(limita + 1);
    if (f.error() != QFileDevice::NoError)
        return esec(QStringLiteral("Fisierul nu poate fi citit (%1).").arg(EroareFisier::motiv(f)));
    return date;
}

std::optional<StareProiect> incarca(const QString &cale, QString *problema)
{
    const std::optional<QByteArray> date = citesteFisier(cale, MarimeMaxima, problema);
    return date ? citeste(*date, problema) : std::nullopt;
}

} // namespace FisierProiect
