#include "cititorprogram.h"

#include "codegen/formelinii.h"
#include "model/cp1250.h"
#include "model/fisierproiect.h"
#include "model/reguli.h"

#include <QRegularExpression>

namespace CititorProgram {

namespace {

using FormeLinii::Forma;
using FormeLinii::potriveste;

// The editors' defaults for what a program does not hold.
constexpr int LungimeText = 3, LungimeNumar = 3, LungimeData = 8, LungimeLogic = 1;
constexpr int LatimeButon = 10, LatimeButonMinima = 3;
using Reguli::InteriorMaxim;

struct Refuz {
    int linie;
    QString motiv;
};

struct Initializare {
    int linie;
    QString nume, tip, valoare;
    int lungime = 0; // text only
};

// Where the reader stands in the shape of a program.
enum class Loc {
    Inceput,  // header and starting code
    Definita, // after DEFINE WINDOW, before its ACTIVATE
    Initializari,
    Obiecte,
    DupaRead,
    Sfarsit, // among the DEACTIVATE lines
};

QString cuvantCamp(const QString &camp)
{
    static const struct {
        const char *camp, *cuvant;
    } cuvinte[] = {
        {"Nume", "numele"},
        {"Titlu", "titlul ferestrei"},
        {"Comentariu", "comentariul"},
        {"Valoare", "valoarea"},
        {"Lungime", "lungimea"},
        {"Latime", "latimea ferestrei"},
        {"Inaltime", "inaltimea ferestrei"},
        {"Coloana", "coloana"},
        {"Rand", "randul"},
        {"SchemaCulori", "schema de culori"},
        {"CuloareFundal", "culoarea de fundal"},
        {"CuloareCerneala", "culoarea scrisului"},
        {"Orizontala", "coloana ferestrei"},
        {"Verticala", "randul ferestrei"},
    };
    for (const auto &c : cuvinte) {
        if (camp == QLatin1String(c.camp))
            return QLatin1String(c.cuvant);
    }
    return camp;
}

Culoare culoareDinCod(const QString &cod, bool *gasita)
{
    for (const CuloarePaleta &c : culoriPaleta()) {
        if (cod == QLatin1String(c.cod)) {
            *gasita = true;
            return c.valoare;
        }
    }
    *gasita = false;
    return 0;
}

quint8 octet(int numar)
{
    return quint8(qBound(0, numar, 255)); // a larger number is refused by the rules, not wrapped
}

quint8 octet(const QString &numar)
{
    return octet(numar.toInt());
}

class Cititor
{
public:
    Import citeste(const QStringList &linii);

private:
    [[noreturn]] void refuza(const QString &motiv) const { throw Refuz{nr_, motiv}; }
    void linie(const QString &text);
    bool comentariu(const QString &text);
    bool fereastra(const QString &text);
    bool initializare(const QString &text);
    bool obiect(const QString &text);
    bool buton(const QString &zero, const QString &urmatoarea);
    void incheieFereastra();
    void ignoraComentariile();
    Obiect &obiectNou(TipObiect tip, const FormeLinii::Potrivire &p);
    void culori(Obiect &o, const FormeLinii::Potrivire &p, int primul);
    int optiuni(Obiect &o, const FormeLinii::Potrivire &p);
    void verifica(const Obiect &o, int liniaValorii = 0);
    QString literal(const QString &text) const;
    void pierderi(Import &import) const;

    const QStringList *linii_ = nullptr;
    int nr_ = 0; // the line being read, from 1
    Loc loc_ = Loc::Inceput;
    StareProiect stare_;
    QList<int> ferestre_, dezactivate_;
    int fereastra_ = 0;
    int obiecte_ = 0;
    QList<Initializare> initializari_;
    int urmatoareaInit_ = 0;
    bool areCitire_ = false; // the window has a @GET or a button bar
    QStringList comentariu_;
    int comentariiIgnorate_ = 0, comentariiObiecte_ = 0, getInCamp_ = 0, lungimiImplicite_ = 0, butoane_ = 0;
};

Import Cititor::citeste(const QStringList &linii)
{
    const Proiect gol;
    stare_.ferestre = gol.Ferestre;
    stare_.obiecte = gol.Obiecte;
    linii_ = &linii;
    for (nr_ = 1; nr_ <= linii.size(); ++nr_) {
        if (linii.at(nr_ - 1).contains(QChar::ReplacementCharacter))
            refuza(QStringLiteral("linia are un octet care nu este un caracter Windows-1250"));
    }
    for (nr_ = 1; nr_ <= linii.size(); ++nr_)
        linie(linii.at(nr_ - 1));
    if (loc_ != Loc::Sfarsit)
        incheieFereastra();
    if (ferestre_.isEmpty())
        refuza(QStringLiteral("programul nu defineste nicio fereastra (DEFINE WINDOW)"));
    for (int n : ferestre_) {
        if (!dezactivate_.contains(n))
            refuza(
                QStringLiteral("lipseste linia DEACTIVATE WINDOW FER%1 de la sfarsitul programului").arg(n));
    }

    Import import;
    for (int n : ferestre_)
        stare_.liniiFerestre.append({n, textLinieFereastra(n, stare_.ferestre[std::size_t(n)].Titlu)});
    stare_.fereastraActiva = ferestre_.first();
    for (int k = 1; k <= obiecte_; ++k) {
        if (stare_.obiecte[std::size_t(k)].Fereastra == stare_.fereastraActiva)
            stare_.ordineObiecte.append(k);
    }
    stare_.obiectSelectat = -1;
    import.stare = stare_;
    pierderi(import);
    return import;
}

void Cititor::linie(const QString &text)
{
    if (text.isEmpty() || comentariu(text) || fereastra(text) || initializare(text) || obiect(text))
        return;
    if (loc_ == Loc::Inceput && FormeLinii::codDeInceput().contains(text))
        return;
    if (potriveste(text, Forma::Read)) {
        if (loc_ != Loc::Obiecte || !areCitire_)
            refuza(loc_ == Loc::DupaRead ? QStringLiteral("al doilea READ in aceeasi fereastra")
                                         : QStringLiteral("READ fara @GET sau butoane inaintea lui"));
        ignoraComentariile();
        loc_ = Loc::DupaRead;
        return;
    }
    if (const auto p = potriveste(text, Forma::Deactivate)) {
        const int n = p->campuri[0].toInt();
        if (!ferestre_.contains(n) || dezactivate_.contains(n))
            refuza(ferestre_.contains(n) ? QStringLiteral("fereastra FER%1 este inchisa a doua oara").arg(n)
                                         : QStringLiteral("fereastra FER%1 nu a fost definita").arg(n));
        if (loc_ == Loc::Inceput || loc_ == Loc::Definita)
            refuza(QStringLiteral("DEACTIVATE WINDOW inaintea ACTIVATE WINDOW"));
        if (loc_ != Loc::Sfarsit)
            incheieFereastra();
        dezactivate_.append(n);
        loc_ = Loc::Sfarsit;
        return;
    }
    refuza(QStringLiteral("linia nu este una pe care Sirolant o genereaza"));
}

// Banner lines and comments. "* " lines among the object lines belong to
// the object that follows them; any other comment is not part of a design.
bool Cititor::comentariu(const QString &text)
{
    if (!text.startsWith(QLatin1Char('*')))
        return false;
    const auto p = potriveste(text, Forma::Comentariu);
    if (p && (loc_ == Loc::Initializari || loc_ == Loc::Obiecte))
        comentariu_.append(p->campuri[0]);
    else if (loc_ != Loc::Inceput || !potriveste(text, Forma::Banner))
        ++comentariiIgnorate_;
    return true;
}

bool Cititor::fereastra(const QString &text)
{
    if (const auto p = potriveste(text, Forma::Activate)) {
        const int n = p->campuri[0].toInt();
        if (loc_ != Loc::Definita || n != fereastra_)
            refuza(QStringLiteral("ACTIVATE WINDOW FER%1 nu urmeaza definitiei ferestrei").arg(n));
        loc_ = Loc::Initializari;
        return true;
    }
    const auto p = potriveste(text, Forma::Define, {Forma::Titlu, Forma::Umbra});
    if (!p)
        return false;
    if (loc_ == Loc::Definita)
        refuza(QStringLiteral("fereastra FER%1 nu a fost activata (ACTIVATE WINDOW)").arg(fereastra_));
    if (loc_ == Loc::Sfarsit)
        refuza(QStringLiteral("fereastra este definita dupa liniile DEACTIVATE WINDOW"));
    if (loc_ != Loc::Inceput)
        incheieFereastra();
    const QStringList &c = p->campuri;
    const int n = c[0].toInt(), r1 = c[1].toInt(), c1 = c[2].toInt(), r2 = c[3].toInt(), c2 = c[4].toInt();
    if (!Proiect::numarFereastraValid(n))
        refuza(QStringLiteral("ferestrele se numesc FER1 ... FER%1, nu FER%2").arg(NumarFerestre).arg(c[0]));
    if (ferestre_.contains(n))
        refuza(QStringLiteral("fereastra FER%1 este definita a doua oara").arg(n));
    // The edges are the palette's rules, through the window's record below: the
    // width, height and row bars let a window reach past the screen's right
    // and bottom edges.
    if (r2 < r1 || c2 < c1)
        refuza(QStringLiteral("coltul din dreapta jos al ferestrei este inaintea celui din stanga sus"));
    Fereastra &f = stare_.ferestre[std::size_t(n)];
    f.Libera = FlagFalse;
    f.Verticala = octet(c[1]);
    f.Orizontala = octet(c[2]);
    f.Inaltime = octet(r2 - r1 + 1);
    f.Latime = octet(c2 - c1 + 1);
    f.SchemaCulori = octet(c[5]);
    f.Titlu = p->clauze[0] ? literal(c[6]) : QString();
    f.Umbra = toFlag(p->clauze[1]);
    f.Patrata = FlagFalse;
    if (const auto schema = CuloriSchema(f.SchemaCulori))
        std::tie(f.CuloareFundal, f.CuloareCerneala, f.CuloareChenar) =
            std::tuple{schema->fundal, schema->cerneala, schema->chenar};
    const QString motiv = FisierProiect::motiv(f);
    if (!motiv.isEmpty())
        refuza(cuvantCamp(motiv.section(QLatin1String(": "), 0, 0)) + QLatin1String(": ") +
               motiv.section(QLatin1String(": "), 1));
    ferestre_.append(n);
    fereastra_ = n;
    initializari_.clear();
    urmatoareaInit_ = 0;
    areCitire_ = false;
    loc_ = Loc::Definita;
    return true;
}

bool Cititor::initializare(const QString &text)
{
    Initializare init{nr_, {}, {}, {}};
    if (const auto p = potriveste(text, Forma::InitText, {Forma::InitTextValoare})) {
        init.tip = QStringLiteral("T");
        init.valoare = p->clauze[0] ? literal(p->campuri[2]) : QString();
        init.lungime = p->campuri[1].toInt() + int(init.valoare.size());
        init.nume = p->campuri[0];
    } else if (const auto d = potriveste(text, Forma::InitData)) {
        init = {nr_, d->campuri[0], QStringLiteral("D"), {}};
    } else if (const auto l = potriveste(text, Forma::InitLogic)) {
        init = {nr_, l->campuri[0], QStringLiteral("L"), l->campuri[1]};
    } else if (const auto z = potriveste(text, Forma::ButonZero)) {
        // A bar's "=0" line stands just before its @ line; else it sets a number.
        if (nr_ < linii_->size() && buton(z->campuri[0], linii_->at(nr_)))
            return true;
        init = {nr_, z->campuri[0], QStringLiteral("N"), QStringLiteral("0")};
    } else if (const auto n = potriveste(text, Forma::InitNumar)) {
        init = {nr_, n->campuri[0], QStringLiteral("N"), n->campuri[1]};
    } else {
        return false;
    }
    if (loc_ != Loc::Initializari)
        refuza(loc_ == Loc::Obiecte
                   ? QStringLiteral("variabila %1 este initializata dupa obiectele ferestrei").arg(init.nume)
                   : QStringLiteral("initializare in afara unei ferestre active"));
    ignoraComentariile();
    initializari_.append(init);
    return true;
}

bool Cititor::buton(const QString &zero, const QString &urmatoarea)
{
    const auto p = potriveste(urmatoarea, Forma::Buton, {Forma::Culori});
    if (!p || p->campuri[2] != zero)
        return false;
    ++nr_; // the @ line is read with its "=0" line; a problem is reported on it
    Obiect &o = obiectNou(TipObiect::Buton, *p);
    o.Nume = zero;
    const QString functie = literal(p->campuri[3]);
    if (!functie.startsWith(FormeLinii::PrefixButon))
        refuza(QStringLiteral("textul FUNCTION al unei bare de butoane incepe cu \"*H \""));
    o.Valoare = functie.mid(FormeLinii::PrefixButon.size());
    if (!p->clauze[0])
        refuza(QStringLiteral("bara de butoane nu are clauza COLOR"));
    culori(o, *p, 4);
    const Fereastra &f = stare_.ferestre[std::size_t(o.Fereastra)];
    o.CulorileFerestrei =
        toFlag(o.CuloareFundal == f.CuloareFundal && o.CuloareCerneala == f.CuloareCerneala);
    const QStringList prompturi = o.Valoare.split(QLatin1Char(';'));
    int latime = qMin(LatimeButon, qMax(LatimeButonMinima, f.Latime - 2));
    for (const QString &prompt : prompturi)
        latime = qMax(latime, int(prompt.size()));
    o.Lungime = quint8(qMin(latime, InteriorMaxim));
    o.TextAfisat = Reguli::textAfisatButon(prompturi, o.Lungime);
    ++butoane_;
    areCitire_ = true;
    verifica(o);
    return true;
}

bool Cititor::obiect(const QString &text)
{
    if (potriveste(text, Forma::Buton, {Forma::Culori}))
        refuza(QStringLiteral("bara de butoane nu este precedata de linia care ii pune variabila pe 0"));
    const auto say = potriveste(text, Forma::SayText, {Forma::Culori});
    const auto variabila = say ? say : potriveste(text, Forma::SayVariabila, {Forma::Culori});
    if (variabila) {
        Obiect &o = obiectNou(TipObiect::Say, *variabila);
        o.Variabila = toFlag(!say);
        o.Nume = o.TextAfisat = say ? literal(variabila->campuri[2]) : variabila->campuri[2];
        const Fereastra &f = stare_.ferestre[std::size_t(o.Fereastra)];
        o.CulorileFerestrei = toFlag(!variabila->clauze[0]);
        o.CuloareFundal = f.CuloareFundal;
        o.CuloareCerneala = f.CuloareCerneala;
        if (variabila->clauze[0])
            culori(o, *variabila, 3);
        verifica(o);
        return true;
    }
    const auto get = potriveste(text, Forma::Get, {Forma::Function, Forma::Picture});
    if (!get)
        return false;
    Obiect &o = obiectNou(TipObiect::Get, *get);
    o.Nume = get->campuri[2];
    o.CuloareFundal = Culori::Black;
    o.CuloareCerneala = Culori::White;
    const int lungimePicture = optiuni(o, *get);
    // The initialisations stand in the order of the @GETs that read into
    // variables; the next one belongs to this @GET when the name and the
    // length agree, else this @GET reads into a field.
    const Initializare *init = nullptr;
    if (urmatoareaInit_ < initializari_.size()) {
        const Initializare &i = initializari_.at(urmatoareaInit_);
        if (i.nume == o.Nume &&
            (i.tip != QLatin1String("T") || !lungimePicture || lungimePicture == i.lungime))
            init = &initializari_.at(urmatoareaInit_++);
    }
    o.Variabila = toFlag(init);
    o.TipDate = init ? init->tip : QStringLiteral("T");
    o.Valoare = init ? init->valoare : QString();
    getInCamp_ += init ? 0 : 1;
    int lungime = lungimePicture;
    if (init && init->tip == QLatin1String("T"))
        lungime = init->lungime;
    else if (!lungime) {
        lungimiImplicite_ += init && init->tip != QLatin1String("T") ? 1 : 0;
        lungime = o.TipDate == QLatin1String("N")   ? qMax<int>(LungimeNumar, int(o.Valoare.size()))
                  : o.TipDate == QLatin1String("D") ? LungimeData
                  : o.TipDate == QLatin1String("L") ? LungimeLogic
                                                    : LungimeText;
    }
    o.Lungime = quint8(qBound(0, lungime, 255));
    o.TextAfisat = Reguli::textAfisatGet(o.Nume, o.Lungime, o.Lungime);
    areCitire_ = true;
    verifica(o, init ? init->linie : 0);
    return true;
}

Obiect &Cititor::obiectNou(TipObiect tip, const FormeLinii::Potrivire &p)
{
    if (loc_ != Loc::Initializari && loc_ != Loc::Obiecte)
        refuza(loc_ == Loc::Definita
                   ? QStringLiteral("obiect inaintea liniei ACTIVATE WINDOW a ferestrei sale")
               : loc_ == Loc::DupaRead ? QStringLiteral("obiect dupa READ")
                                       : QStringLiteral("obiect in afara unei ferestre"));
    if (obiecte_ == NumarObiecte)
        refuza(QStringLiteral("programul are mai mult de %1 de obiecte").arg(NumarObiecte));
    loc_ = Loc::Obiecte;
    Obiect &o = stare_.obiecte[std::size_t(++obiecte_)];
    o = Obiect{};
    o.Tip = tip;
    o.Fereastra = quint8(fereastra_);
    o.Rand = octet(p.campuri[0]);
    o.Coloana = octet(p.campuri[1]);
    o.Comentariu = comentariu_.join(QLatin1Char('\n'));
    comentariiObiecte_ += comentariu_.isEmpty() ? 0 : 1;
    comentariu_.clear();
    return o;
}

void Cititor::culori(Obiect &o, const FormeLinii::Potrivire &p, int primul)
{
    bool cerneala = false, fundal = false;
    o.CuloareCerneala = culoareDinCod(p.campuri[primul], &cerneala);
    o.CuloareFundal = culoareDinCod(p.campuri[primul + 1], &fundal);
    if (!cerneala || !fundal)
        refuza(QStringLiteral("codul de culoare \"%1\" nu este unul din paleta")
                   .arg(p.campuri[cerneala ? primul + 1 : primul]));
}

// The flags of a @GET's clauses; the length its PICTURE template repeats, 0 without one.
int Cititor::optiuni(Obiect &o, const FormeLinii::Potrivire &p)
{
    const QString &function = p.campuri[3], &picture = p.campuri[4];
    qsizetype i = 0;
    for (const Reguli::OptiuneGet &f : Reguli::OptiuniFunction) {
        if (i < function.size() && function.at(i) == QLatin1Char(f.cod)) {
            o.*f.flag = FlagTrue;
            ++i;
        }
    }
    if (i < function.size() || (p.clauze[0] && function.isEmpty()))
        refuza(
            QStringLiteral("FUNCTION '%1' nu are codurile unui @GET generat, in ordinea lor").arg(function));
    i = 0;
    int lungime = 0;
    for (const Reguli::OptiuneGet &optiune : Reguli::OptiuniPicture) {
        qsizetype n = 0;
        while (i + n < picture.size() && picture.at(i + n) == QLatin1Char(optiune.cod))
            ++n;
        if (n && (lungime == 0 || n == lungime)) {
            o.*optiune.flag = FlagTrue;
            lungime = int(n);
            i += n;
        }
    }
    if (i < picture.size() || (p.clauze[1] && picture.isEmpty()))
        refuza(
            QStringLiteral("PICTURE '%1' nu este un sablon generat (siruri la fel de lungi de N, 9, # si Y, "
                           "in aceasta ordine)")
                .arg(picture));
    return lungime;
}

// liniaValorii: where a @GET's default value and text length were read.
void Cititor::verifica(const Obiect &o, int liniaValorii)
{
    const QString motiv = FisierProiect::motiv(o, ferestre_);
    if (motiv.isEmpty())
        return;
    if (liniaValorii &&
        (motiv.startsWith(QLatin1String("Valoare:")) || motiv.startsWith(QLatin1String("Lungime:"))))
        nr_ = liniaValorii;
    refuza(cuvantCamp(motiv.section(QLatin1String(": "), 0, 0)) + QLatin1String(": ") +
           motiv.section(QLatin1String(": "), 1));
}

QString Cititor::literal(const QString &text) const
{
    const std::optional<QString> t = textLiteral(text);
    if (!t)
        refuza(QStringLiteral("%1 nu este un sir de caractere FoxPro").arg(text));
    return *t;
}

// The end of a window's block: its objects are complete.
void Cititor::incheieFereastra()
{
    if (loc_ == Loc::Definita)
        refuza(QStringLiteral("fereastra FER%1 nu a fost activata (ACTIVATE WINDOW)").arg(fereastra_));
    if (urmatoareaInit_ < initializari_.size()) {
        const Initializare &i = initializari_.at(urmatoareaInit_);
        nr_ = i.linie;
        refuza(QStringLiteral("variabila %1 este initializata, dar nu urmeaza un @GET care sa o citeasca")
                   .arg(i.nume));
    }
    if (areCitire_ && loc_ != Loc::DupaRead)
        refuza(QStringLiteral("lipseste READ dupa obiectele ferestrei FER%1").arg(fereastra_));
    ignoraComentariile();
}

void Cititor::ignoraComentariile()
{
    comentariiIgnorate_ += int(comentariu_.size());
    comentariu_.clear();
}

void Cititor::pierderi(Import &import) const
{
    QStringList &p = import.pierderi;
    p << QStringLiteral(
        "Optiunea \"Fereastra patrata\" nu se pastreaza in program: ferestrele au fost refacute "
        "fara ea.");
    if (getInCamp_)
        p << QStringLiteral(
                 "Tipul de date al campurilor @GET care citesc intr-un camp de tabela (%1) nu se pastreaza "
                 "in program: au primit tipul text.")
                 .arg(getInCamp_);
    if (lungimiImplicite_)
        p << QStringLiteral(
                 "Lungimea campurilor @GET numerice, logice sau de tip data fara PICTURE (%1) nu se "
                 "pastreaza in program: au primit lungimea implicita.")
                 .arg(lungimiImplicite_);
    if (butoane_)
        p << QStringLiteral(
                 "Latimea si inaltimea butoanelor (%1) nu se pastreaza in program: au primit latimea "
                 "%2 (sau cat cere cel mai lung text) si inaltimea 1.")
                 .arg(cuNumar(butoane_, "bara", "bare"))
                 .arg(LatimeButon);
    if (comentariiIgnorate_)
        p << QStringLiteral("Comentariile care nu preced un obiect (%1) nu fac parte din proiect si au fost "
                            "lasate deoparte.")
                 .arg(cuNumar(comentariiIgnorate_, "linie", "linii"));
    if (obiecte_ && !comentariiObiecte_)
        p << QStringLiteral(
            "Programul nu are comentarii ale obiectelor: daca a fost generat fara comentarii, "
            "acestea nu pot fi recuperate.");
    if (obiecte_)
        p << QStringLiteral(
            "Numerele obiectelor nu se pastreaza in program: obiectele au fost numerotate de la 1, "
            "in ordinea din program.");
}

} // namespace

std::optional<Import> citeste(const QByteArray &date, QString *problema)
{
    if (date.size() > MarimeMaxima) {
        if (problema)
            *problema = QStringLiteral("Fisierul are peste %1 octeti (1 MiB), cat poate avea un program.")
                            .arg(MarimeMaxima);
        return std::nullopt;
    }
    // A lone CR ends a line too: inside a comment it would become a line break of the design.
    static const QRegularExpression sfarsit(QStringLiteral("\r\n|\n|\r"));
    QStringList linii = Cp1250::decode(date).split(sfarsit);
    if (linii.last().isEmpty() || linii.last() == QLatin1String("\x1a")) // the last line end, a DOS end mark
        linii.removeLast();
    try {
        return Cititor().citeste(linii);
    } catch (const Refuz &r) {
        if (problema)
            *problema = linii.isEmpty()          ? QStringLiteral("Fisierul este gol.")
                        : r.linie > linii.size() ? QStringLiteral("Dupa linia %1 (sfarsitul fisierului): %2.")
                                                       .arg(linii.size())
                                                       .arg(r.motiv)
                                                 : QStringLiteral("Linia %1: %2.\n%3")
                                                       .arg(r.linie)
                                                       .arg(r.motiv, linii.at(r.linie - 1).left(120));
        return std::nullopt;
    }
}

QString cuNumar(int n, const char *unu, const char *multe)
{
    if (n == 1)
        return QStringLiteral("1 ") + QString::fromLatin1(unu);
    // From twenty on, and for whole hundreds, Romanian puts "de" between the number and its noun.
    const bool de = n % 100 >= 20 || (n >= 100 && n % 100 == 0);
    return QString::number(n) + (de ? QStringLiteral(" de ") : QStringLiteral(" ")) +
           QString::fromLatin1(multe);
}

std::optional<Import> incarca(const QString &cale, QString *problema)
{
    const std::optional<QByteArray> date = FisierProiect::citesteFisier(cale, MarimeMaxima, problema);
    return date ? citeste(*date, problema) : std::nullopt;
}

} // namespace CititorProgram
