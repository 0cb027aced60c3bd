#include "interpretor.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// What a line the interpreter cannot run gives; caught where the line runs.
struct EroareLinie {
    QString motiv;
};

void cere(bool conditie, const char *motiv)
{
    if (!conditie)
        throw EroareLinie{QString::fromUtf8(motiv)};
}

bool caracterNume(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

// Reads the pieces of one program line from left to right.
class Cititor
{
public:
    explicit Cititor(const QString &s)
        : s_(s)
    {
    }

    int pozitie() const { return i_; }
    void revino(int p) { i_ = p; }
    bool sfarsit()
    {
        spatii();
        return i_ >= s_.size();
    }
    bool semn(QChar c)
    {
        spatii();
        if (i_ >= s_.size() || s_.at(i_) != c)
            return false;
        ++i_;
        return true;
    }
    // A keyword in any case, not followed by more of a name.
    bool cuvant(const char *kw)
    {
        spatii();
        const QLatin1String k(kw);
        if (QStringView(s_).mid(i_, k.size()).compare(k, Qt::CaseInsensitive) != 0)
            return false;
        if (i_ + k.size() < s_.size() && caracterNume(s_.at(i_ + k.size())))
            return false;
        i_ += int(k.size());
        return true;
    }
    QString nume()
    {
        spatii();
        int j = i_;
        if (j < s_.size() && (s_.at(j).isLetter() || s_.at(j) == QLatin1Char('_'))) {
            while (j < s_.size() && caracterNume(s_.at(j)))
                ++j;
        }
        const QString n = s_.mid(i_, j - i_);
        i_ = j;
        return n;
    }
    int intreg()
    {
        spatii();
        int j = i_;
        if (j < s_.size() && (s_.at(j) == QLatin1Char('-') || s_.at(j) == QLatin1Char('+')))
            ++j;
        const int cifre = j;
        while (j < s_.size() && s_.at(j).isDigit())
            ++j;
        bool ok = false;
        const int v = s_.mid(i_, j - i_).toInt(&ok);
        cere(j > cifre && ok, "lipseste un numar");
        i_ = j;
        return v;
    }
    // The text up to the next blank.
    QString cuvantLiber()
    {
        spatii();
        int j = i_;
        while (j < s_.size() && !s_.at(j).isSpace())
            ++j;
        const QString t = s_.mid(i_, j - i_);
        i_ = j;
        return t;
    }
    // A string literal, or several joined by "+": '...', "..." or [...].
    std::optional<QString> sir()
    {
        std::optional<QString> r = literal();
        while (r) {
            const int p = i_;
            std::optional<QString> urmator = semn(QLatin1Char('+')) ? literal() : std::nullopt;
            if (!urmator) {
                i_ = p;
                break;
            }
            *r += *urmator;
        }
        return r;
    }
    QString rest()
    {
        spatii();
        const QString r = s_.mid(i_);
        i_ = int(s_.size());
        return r;
    }

private:
    void spatii()
    {
        while (i_ < s_.size() && s_.at(i_).isSpace())
            ++i_;
    }
    std::optional<QString> literal()
    {
        spatii();
        if (i_ >= s_.size())
            return std::nullopt;
        const QChar d = s_.at(i_);
        if (d != QLatin1Char('\'') && d != QLatin1Char('"') && d != QLatin1Char('['))
            return std::nullopt;
        const int j = int(s_.indexOf(d == QLatin1Char('[') ? QLatin1Char(']') : d, i_ + 1));
        cere(j > 0, "sir neterminat");
        const QString t = s_.mid(i_ + 1, j - i_ - 1);
        i_ = j + 1;
        return t;
    }

    const QString &s_;
    int i_ = 0;
};

namespace {

constexpr Culoare CuloareUmbra = 0x404040;
constexpr Culoare CernealaUmbra = 0x808080;

// A COLOR clause's ink/background pair; an empty code keeps the default.
std::pair<Culoare, Culoare> perecheCulori(Cititor &c, Culoare cerneala, Culoare fundal)
{
    const QStringList coduri = c.cuvantLiber().split(QLatin1Char('/'));
    cere(coduri.size() == 2, "culori gresite");
    Culoare rezultat[2] = {cerneala, fundal};
    for (int i = 0; i < 2; ++i) {
        if (coduri.at(i).isEmpty())
            continue;
        const auto &paleta = culoriPaleta();
        const auto it = std::find_if(paleta.begin(), paleta.end(), [&](const CuloarePaleta &p) {
            return coduri.at(i).compare(QLatin1String(p.cod), Qt::CaseInsensitive) == 0;
        });
        cere(it != paleta.end(), "cod de culoare necunoscut");
        rezultat[i] = it->valoare;
    }
    return {rezultat[0], rezultat[1]};
}

} // namespace

QString FormatData::masca() const
{
    QStringList parti;
    for (QChar c : ordine)
        parti << QString(c == QLatin1Char('Y') && secol ? 4 : 2, QLatin1Char('9'));
    return parti.join(separator);
}

QString FormatData::scrie(const QDate &d) const
{
    if (!d.isValid())
        return QString(masca()).replace(QLatin1Char('9'), QLatin1Char(' '));
    QStringList parti;
    for (QChar c : ordine) {
        if (c == QLatin1Char('D'))
            parti << QString::number(d.day()).rightJustified(2, QLatin1Char('0'));
        else if (c == QLatin1Char('M'))
            parti << QString::number(d.month()).rightJustified(2, QLatin1Char('0'));
        else
            parti << QString::number(secol ? d.year() : d.year() % 100)
                         .rightJustified(secol ? 4 : 2, QLatin1Char('0'));
    }
    return parti.join(separator);
}

std::optional<QDate> FormatData::citeste(const QString &text) const
{
    if (text.trimmed().remove(separator).isEmpty())
        return QDate();
    const QStringList parti = text.split(separator);
    if (parti.size() != 3)
        return std::nullopt;
    int zi = 0, luna = 0, an = 0;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int v = parti.at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        (ordine.at(i) == QLatin1Char('D') ? zi : ordine.at(i) == QLatin1Char('M') ? luna : an) = v;
    }
    const QDate d(secol ? an : 1900 + an, luna, zi);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

void Interpretor::porneste(const QStringList &program)
{
    *this = Interpretor();
    program_ = program;
    ruleaza();
}

void Interpretor::ruleaza()
{
    stare_ = Stare::Oprit;
    while (pc_ < program_.size()) {
        const int nr = pc_++;
        try {
            executa(program_.at(nr));
        } catch (const EroareLinie &e) {
            stare_ = Stare::Eroare;
            eroare_ = QStringLiteral("Eroare la linia %1: %2\n%3").arg(nr + 1).arg(e.motiv, program_.at(nr));
            break;
        }
        if (stare_ == Stare::Citire)
            break;
    }
    if (stare_ == Stare::Oprit)
        stare_ = Stare::Terminat;
    // FoxPro would leave its own desktop once the windows are gone; the
    // design stays in sight instead.
    if (stare_ == Stare::Terminat && ramas_)
        std::tie(fond_, ferestre_, ordine_) = std::tie(ramas_->fond, ramas_->ferestre, ramas_->ordine);
    compune();
}

void Interpretor::executa(const QString &linie)
{
    const QString t = linie.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char('*')) || t.startsWith(QLatin1String("&&")))
        return;
    Cititor c(t);
    const QString nume = c.nume();
    if (!nume.isEmpty() && c.semn(QLatin1Char('=')))
        atribuire(nume, c);
    else {
        c.revino(0);
        comanda(c);
    }
    cere(c.sfarsit(), "text neasteptat la sfarsitul liniei");
}

void Interpretor::comanda(Cititor &c)
{
    if (c.semn(QLatin1Char('@'))) {
        la(c);
    } else if (c.cuvant("SET")) {
        const QString ce = c.nume().toUpper();
        if (ce == QLatin1String("DATE")) {
            c.cuvant("TO");
            static const QHash<QString, QString> formate = {
                {"AMERICAN", "MDY/"}, {"ANSI", "YMD."},    {"BRITISH", "DMY/"}, {"FRENCH", "DMY/"},
                {"GERMAN", "DMY."},   {"ITALIAN", "DMY-"}, {"JAPAN", "YMD/"},   {"USA", "MDY-"},
                {"MDY", "MDY/"},      {"DMY", "DMY/"},     {"YMD", "YMD/"}};
            const QString f = formate.value(c.nume().toUpper());
            cere(!f.isEmpty(), "format de data necunoscut");
            formatData_.ordine = f.left(3);
            formatData_.separator = f.at(3);
            return;
        }
        static const QStringList comutatoare = {"CENTURY", "ECHO", "HEADING", "TALK", "ESCAPE"};
        cere(comutatoare.contains(ce), "comanda SET necunoscuta");
        const bool on = c.cuvant("ON");
        cere(on || c.cuvant("OFF"), "lipseste ON sau OFF");
        if (ce == QLatin1String("CENTURY"))
            formatData_.secol = on;
    } else if (c.cuvant("CLOSE")) {
        cere(c.cuvant("ALL"), "comanda CLOSE necunoscuta");
    } else if (c.cuvant("CLEAR")) {
        campuri_.clear();
        if (c.cuvant("ALL")) {
            variabile_.clear();
            ferestre_.clear();
            ordine_.clear();
        } else if (ordine_.isEmpty()) {
            fond_.umple(Celula());
        } else {
            const Fereastra &f = ferestre_[std::size_t(ordine_.last())];
            Ecran &e = ferestre_[std::size_t(ordine_.last())].continut;
            const Celula gol{QLatin1Char(' '), f.cerneala, f.fundal};
            for (int r = 1; r < e.inaltime() - 1; ++r)
                for (int k = 1; k < e.latime() - 1; ++k)
                    e.at(k, r) = gol;
        }
    } else if (c.cuvant("DEFINE")) {
        cere(c.cuvant("WINDOW"), "comanda DEFINE necunoscuta");
        defineste(c);
    } else if (const bool activeaza = c.cuvant("ACTIVATE"); activeaza || c.cuvant("DEACTIVATE")) {
        cere(c.cuvant("WINDOW"), "lipseste WINDOW");
        const int f = fereastra(c.nume());
        if (activeaza) {
            ramas_.reset();
        } else if (!ramas_) {
            ramas_ = Ramas{fond_, ferestre_, ordine_};
        }
        ordine_.removeAll(f);
        if (activeaza)
            ordine_.append(f);
    } else if (c.cuvant("READ")) {
        if (!campuri_.empty()) {
            stare_ = Stare::Citire;
            ramas_.reset();
            intraInCamp(0);
        }
    } else {
        throw EroareLinie{QStringLiteral("comanda necunoscuta")};
    }
}

void Interpretor::atribuire(const QString &nume, Cititor &c)
{
    Valoare v;
    if (c.cuvant("SPACE")) {
        cere(c.semn(QLatin1Char('(')), "lipseste (");
        v.text = QString(qMax(0, c.intreg()), QLatin1Char(' '));
        cere(c.semn(QLatin1Char(')')), "lipseste )");
        if (c.semn(QLatin1Char('+'))) {
            const std::optional<QString> s = c.sir();
            cere(s.has_value(), "lipseste un sir");
            v.text += *s;
        }
    } else if (c.semn(QLatin1Char('{'))) {
        v.tip = Valoare::Tip::Data;
        cere(c.semn(QLatin1Char('}')), "lipseste }");
    } else if (const std::optional<QString> s = c.sir()) {
        v.text = *s;
    } else {
        const QString t = c.rest().toUpper();
        static const QRegularExpression numar(QStringLiteral("^-?[0-9]+(\\.([0-9]+))?$"));
        const QRegularExpressionMatch m = numar.match(t);
        if (m.hasMatch()) {
            v.tip = Valoare::Tip::Numar;
            v.numar = t.toDouble();
            v.zecimale = int(m.capturedLength(2));
        } else {
            static const QStringList logice = {".T.", ".Y.", ".F.", ".N."};
            cere(logice.contains(t), "valoare necunoscuta");
            v.tip = Valoare::Tip::Logic;
            v.logic = logice.indexOf(t) < 2;
        }
    }
    const QString cheie = nume.toUpper();
    if (!numeVariabile_.contains(cheie))
        numeVariabile_.insert(cheie, nume);
    variabile_.insert(cheie, v);
}

void Interpretor::defineste(Cititor &c)
{
    Fereastra f;
    f.nume = c.nume().toUpper();
    cere(!f.nume.isEmpty(), "lipseste numele ferestrei");
    cere(c.cuvant("FROM"), "lipseste FROM");
    f.rand = c.intreg();
    cere(c.semn(QLatin1Char(',')), "lipseste virgula");
    f.col = c.intreg();
    cere(c.cuvant("TO"), "lipseste TO");
    const int jos = c.intreg();
    cere(c.semn(QLatin1Char(',')), "lipseste virgula");
    const int dreapta = c.intreg();
    cere(jos >= f.rand && dreapta >= f.col && f.rand >= 0 && f.col >= 0 && jos < Ecran::Randuri &&
             dreapta < Ecran::Coloane,
         "coordonate gresite");
    ColoriSchema culori = *CuloriSchema(1);
    QString titlu;
    while (!c.sfarsit()) {
        if (c.cuvant("COLOR")) {
            cere(c.cuvant("SCHEME"), "lipseste SCHEME");
            culori = CuloriSchema(c.intreg()).value_or(culori);
        } else if (c.cuvant("TITLE")) {
            const std::optional<QString> s = c.sir();
            cere(s.has_value(), "lipseste titlul");
            titlu = *s;
        } else {
            cere(c.cuvant("SHADOW"), "clauza necunoscuta");
            f.umbra = true;
        }
    }
    const int w = dreapta - f.col + 1, h = jos - f.rand + 1;
    f.cerneala = culori.cerneala;
    f.fundal = culori.fundal;
    f.continut = Ecran(w, h, Celula{QLatin1Char(' '), culori.cerneala, culori.fundal});
    auto chenar = [&](int k, int r, char16_t ch) {
        f.continut.at(k, r) = Celula{QChar(ch), culori.chenar, culori.fundal};
    };
    for (int k = 0; k < w; ++k) {
        chenar(k, 0, u'─');
        chenar(k, h - 1, u'─');
    }
    for (int r = 0; r < h; ++r) {
        chenar(0, r, r == 0 ? u'┌' : r == h - 1 ? u'└' : u'│');
        chenar(w - 1, r, r == 0 ? u'┐' : r == h - 1 ? u'┘' : u'│');
    }
    // A title of blanks only is not shown, as on the work table.
    if (!titlu.trimmed().isEmpty()) {
        titlu.truncate(qMax(0, w - 2));
        f.continut.scrie((w - int(titlu.size())) / 2, 0, titlu, culori.chenar, culori.fundal);
    }
    const int vechi = std::find_if(ferestre_.begin(), ferestre_.end(),
                                   [&](const Fereastra &x) { return x.nume == f.nume; }) -
                      ferestre_.begin();
    if (vechi < int(ferestre_.size())) {
        ordine_.removeAll(vechi);
        ferestre_[std::size_t(vechi)] = f;
    } else {
        ferestre_.push_back(f);
    }
}

int Interpretor::fereastra(const QString &nume) const
{
    for (std::size_t i = 0; i < ferestre_.size(); ++i) {
        if (ferestre_[i].nume.compare(nume, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw EroareLinie{QStringLiteral("fereastra nu exista")};
}

void Interpretor::la(Cititor &c)
{
    const int rand = c.intreg();
    cere(c.semn(QLatin1Char(',')), "lipseste virgula");
    const int col = c.intreg();
    const int f = ordine_.isEmpty() ? -1 : ordine_.last();
    const int margine = f < 0 ? 0 : 1;
    // "Position is off the screen": the place must lie inside the window's
    // border. Text that starts inside and runs past it is cut at the border;
    // FoxPro's manuals do not say what it does there.
    const Ecran &e = tinta(f);
    cere(rand >= 0 && col >= 0 && rand < e.inaltime() - 2 * margine && col < e.latime() - 2 * margine,
         f < 0 ? "pozitia este in afara ecranului" : "pozitia este in afara ferestrei");
    const Celula fond = f < 0 ? Celula()
                              : Celula{QLatin1Char(' '), ferestre_[std::size_t(f)].cerneala,
                                       ferestre_[std::size_t(f)].fundal};
    if (c.cuvant("SAY")) {
        QString text;
        if (const std::optional<QString> s = c.sir()) {
            text = *s;
        } else {
            const QString nume = c.nume();
            cere(!nume.isEmpty(), "lipseste ce se afiseaza");
            const std::optional<Valoare> v = variabila(nume);
            // A name the program never set is shown as it is written.
            text = !v                              ? nume
                   : v->tip == Valoare::Tip::Numar ? formatNumar(v->numar, v->zecimale, 10, QString())
                   : v->tip == Valoare::Tip::Text  ? v->text
                                                   : textValoare(*v);
        }
        auto [cerneala, fundal] = std::pair(fond.cerneala, fond.fundal);
        if (c.cuvant("COLOR"))
            std::tie(cerneala, fundal) = perecheCulori(c, cerneala, fundal);
        scrieInTinta(f, col + margine, rand + margine, text, cerneala, fundal);
        return;
    }
    cere(c.cuvant("GET"), "lipseste SAY sau GET");
    Camp k;
    k.fereastra = f;
    k.col = col + margine;
    k.rand = rand + margine;
    const QString nume = c.nume();
    cere(!nume.isEmpty(), "lipseste variabila");
    k.variabila = nume.toUpper();
    while (!c.sfarsit()) {
        std::optional<QString> s;
        if (c.cuvant("FUNCTION") && (s = c.sir()))
            k.functie = s->startsWith(QLatin1Char('*')) ? *s : s->toUpper(); // prompts keep their case
        else if (c.cuvant("PICTURE") && (s = c.sir()))
            k.sablon = s->toUpper();
        else if (c.cuvant("SIZE")) {
            c.intreg();
            cere(c.semn(QLatin1Char(',')), "lipseste virgula");
            c.intreg();
        } else if (c.cuvant("COLOR"))
            std::tie(k.cerneala, k.fundal) = perecheCulori(c, k.cerneala, k.fundal);
        else
            throw EroareLinie{QStringLiteral("clauza necunoscuta")};
    }
    if (k.functie.startsWith(QLatin1Char('*'))) {
        // A bar of push buttons: "*H" and a blank, then the prompts.
        k.prompturi = k.functie.mid(3).split(QLatin1Char(';'));
        QStringList imagini;
        for (const QString &p : std::as_const(k.prompturi)) {
            const int semn = int(p.indexOf(QLatin1String("\\<")));
            const QString t = semn >= 0 ? p.mid(semn + 2) : p;
            k.taste << (t.isEmpty() ? QChar() : t.at(0).toUpper());
            imagini << imagineButon(p).text;
        }
        k.latime = int(imagini.join(QLatin1Char(' ')).size());
        k.functie.clear();
    }
    if (!variabile_.contains(k.variabila)) {
        // A table field: read as text as wide as its template.
        numeVariabile_.insert(k.variabila, nume);
        Valoare camp;
        camp.text = QString(k.sablon.isEmpty() ? 10 : int(k.sablon.size()), QLatin1Char(' '));
        variabile_.insert(k.variabila, camp);
    }
    const Valoare &v = variabile_[k.variabila];
    if (k.prompturi.isEmpty()) {
        const int sablon = int(k.sablon.size());
        k.latime = v.tip == Valoare::Tip::Data    ? int(formatData_.masca().size())
                   : sablon > 0                   ? sablon
                   : v.tip == Valoare::Tip::Text  ? int(v.text.size())
                   : v.tip == Valoare::Tip::Logic ? 1
                                                  : 10 + (v.zecimale > 0 ? v.zecimale + 1 : 0);
    }
    campuri_.push_back(k);
    deseneazaCamp(int(campuri_.size()) - 1);
}

Ecran &Interpretor::tinta(int f)
{
    return f < 0 ? fond_ : ferestre_[std::size_t(f)].continut;
}

void Interpretor::scrieInTinta(int f, int col, int rand, const QString &text, Culoare cerneala,
                               Culoare fundal)
{
    Ecran &e = tinta(f);
    const int m = f < 0 ? 0 : 1; // a window keeps its border
    if (rand < m || rand >= e.inaltime() - m)
        return;
    for (int i = 0; i < text.size(); ++i) {
        if (col + i >= m && col + i < e.latime() - m)
            e.at(col + i, rand) = Celula{text.at(i), cerneala, fundal};
    }
}

void Interpretor::compune()
{
    ecran_ = fond_;
    for (int i : std::as_const(ordine_)) {
        const Fereastra &f = ferestre_[std::size_t(i)];
        const int w = f.continut.latime(), h = f.continut.inaltime();
        if (f.umbra) {
            // Two columns right and one row down; only what sticks out shows.
            for (int r = f.rand + 1; r <= f.rand + h; ++r) {
                for (int k = f.col + 2; k <= f.col + w + 1; ++k) {
                    if ((r == f.rand + h || k >= f.col + w) && ecran_.contine(k, r)) {
                        ecran_.at(k, r).cerneala = CernealaUmbra;
                        ecran_.at(k, r).fundal = CuloareUmbra;
                    }
                }
            }
        }
        for (int r = 0; r < h; ++r)
            for (int k = 0; k < w; ++k)
                if (ecran_.contine(f.col + k, f.rand + r))
                    ecran_.at(f.col + k, f.rand + r) = f.continut.at(k, r);
    }
}

std::optional<Valoare> Interpretor::variabila(const QString &nume) const
{
    const auto it = variabile_.constFind(nume.toUpper());
    return it == variabile_.constEnd() ? std::nullopt : std::optional<Valoare>(*it);
}

QString Interpretor::numeTip(Valoare::Tip t)
{
    switch (t) {
    case Valoare::Tip::Numar:
        return QStringLiteral("Numeric");
    case Valoare::Tip::Logic:
        return QStringLiteral("Logic");
    case Valoare::Tip::Data:
        return QStringLiteral("Data");
    default:
        return QStringLiteral("Caracter");
    }
}

QString Interpretor::textValoare(const Valoare &v) const
{
    switch (v.tip) {
    case Valoare::Tip::Numar:
        return QString::number(v.numar, 'f', v.zecimale);
    case Valoare::Tip::Logic:
        return v.logic ? QStringLiteral(".T.") : QStringLiteral(".F.");
    case Valoare::Tip::Data:
        return formatData_.scrie(v.data);
    default:
        return QLatin1Char('"') + v.text + QLatin1Char('"');
    }
}
