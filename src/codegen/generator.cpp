#include "generator.h"

#include "model/reguli.h"

#include "version.h"

#include <QRegularExpression>

namespace {

const QString kDeactivate = QStringLiteral("DEACTIVATE WINDOW FER");

// One literal per delimiter kind that the text leaves free, in the order of
// preference; empty when the text holds all three closing delimiters.
QString literalSimplu(const QString &text)
{
    if (!text.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    if (!text.contains(QLatin1Char(']')))
        return QLatin1Char('[') + text + QLatin1Char(']');
    return QString();
}

} // namespace

QString RepetaSir(const QString &text, int n)
{
    if (text.isEmpty() || n <= 0)
        return QString();
    return text.toUpper().repeated(n);
}

QString literalFoxPro(const QString &text)
{
    const QString simplu = literalSimplu(text);
    if (!simplu.isEmpty() || text.isEmpty())
        return simplu.isEmpty() ? QStringLiteral("''") : simplu;

    // Greedy split: each piece is as long as one delimiter kind allows.
    QStringList bucati;
    QString curent;
    for (QChar c : text) {
        const QString urmator = curent + c;
        if (literalSimplu(urmator).isEmpty()) {
            bucati.append(literalSimplu(curent));
            curent = QString(c);
        } else {
            curent = urmator;
        }
    }
    bucati.append(literalSimplu(curent));
    return bucati.join(QLatin1Char('+'));
}

QString formatDataGenerare(const QDateTime &acum, const QLocale &locale)
{
    return locale.toString(acum.date(), QLocale::ShortFormat);
}

QString formatOraGenerare(const QDateTime &acum, const QLocale &locale)
{
    // The long time format is the one with seconds; drop its time zone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zona(QStringLiteral("\\s*\\(?t+\\)?"));
    format.remove(zona);
    return locale.toString(acum.time(), format.trimmed());
}

GeneratorCod::GeneratorCod(const Proiect &proiect, QStringList &linii, MomentGenerare moment)
    : proiect_(proiect), linii_(linii), moment_(std::move(moment))
{
}

void GeneratorCod::linieBanner(const QString &continut)
{
    adauga(QStringLiteral("****   ") + continut + QStringLiteral("   ****"));
}

void GeneratorCod::AntetCod()
{
    linieBanner(QStringLiteral("COD GENERAT CU:   < Sirolant > v.%1.%2.%3")
                    .arg(SIROLANT_VERSION_MAJOR)
                    .arg(SIROLANT_VERSION_MINOR)
                    .arg(SIROLANT_VERSION_PATCH));
    linieBanner(QStringLiteral("AUTOR:   echipa Sirolant, %1").arg(SIROLANT_RELEASE_YEAR));
    linieBanner(QStringLiteral("Proiectant de interfete Fox PRO 2.x in mod text"));
    adauga(QString());
    if (isSet(proiect_.setari.InsereazaDataOra)) {
        adauga(QStringLiteral("****   DATA: ") + formatDataGenerare(moment_.acum, moment_.locale)
               + QStringLiteral(" - ORA: ") + formatOraGenerare(moment_.acum, moment_.locale)
               + QStringLiteral("   ****"));
        adauga(QString());
    }
}

void GeneratorCod::CodDeInceput()
{
    static const char *const linii[] = {
        "SET ECHO OFF",   "CLOSE ALL",    "CLEAR ALL",      "CLEAR",
        "SET HEADING ON", "SET TALK OFF", "SET CENTURY ON", "SET DATE TO DMY",
        "SET ECHO OFF",   "SET ESCAPE OFF",
    };
    for (const char *linie : linii)
        adauga(QString::fromLatin1(linie));
    adauga(QString());
}

QList<int> GeneratorCod::obiecteleFerestrei(int n) const
{
    QList<int> rezultat;
    for (int i = 1; i <= NumarObiecte; ++i) {
        const Obiect &o = proiect_.obiect(i);
        if (!isSet(o.Liber) && o.Fereastra == n)
            rezultat.append(i);
    }
    return rezultat;
}

bool GeneratorCod::CodFereastra(int n)
{
    if (!proiect_.fereastraFolosita(n))
        return false;
    const Fereastra &f = proiect_.fereastra(n);
    const QList<int> obiecte = obiecteleFerestrei(n);

    QString define = QStringLiteral("DEFINE WINDOW FER%1 FROM %2,%3 TO %4,%5 COLOR SCHEME %6")
                         .arg(n)
                         .arg(f.Verticala)
                         .arg(f.Orizontala)
                         .arg(int(f.Verticala) + int(f.Inaltime) - 1)
                         .arg(int(f.Orizontala) + int(f.Latime) - 1)
                         .arg(f.SchemaCulori);
    if (!f.Titlu.isEmpty())
        define += QStringLiteral(" TITLE ") + literalFoxPro(f.Titlu);
    if (isSet(f.Umbra))
        define += QStringLiteral(" SHADOW");
    adauga(define);
    adauga(QStringLiteral("ACTIVATE WINDOW FER%1").arg(n));

    LiniiInitializare(obiecte);
    LiniiObiecte(obiecte);

    for (int i : obiecte) {
        const QString &tip = proiect_.obiect(i).Tip;
        if (tip == QLatin1String("GET") || tip == QLatin1String("BUTON")) {
            adauga(QStringLiteral("READ"));
            break;
        }
    }
    return true;
}

void GeneratorCod::InchideFereastra(int n)
{
    adauga(kDeactivate + QString::number(n));
}

void GeneratorCod::InchideToateFerestrele()
{
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (proiect_.fereastraFolosita(n))
            InchideFereastra(n);
    }
}

void GeneratorCod::LiniiInitializare(const QList<int> &obiecte)
{
    for (int i : obiecte) {
        const Obiect &o = proiect_.obiect(i);
        if (o.Tip != QLatin1String("GET") || !isSet(o.Variabila))
            continue;
        if (o.TipDate == QLatin1String("T")) {
            QString linie = o.Nume + QStringLiteral(" = SPACE(")
                + QString::number(int(o.Lungime) - int(o.Valoare.size())) + QLatin1Char(')');
            if (!o.Valoare.isEmpty())
                linie += QStringLiteral(" + ") + literalFoxPro(o.Valoare);
            adauga(linie);
        } else if (o.TipDate == QLatin1String("N")) {
            adauga(o.Nume + QLatin1Char('=') + o.Valoare);
        } else if (o.TipDate == QLatin1String("L")) {
            adauga(o.Nume + QStringLiteral("=.") + o.Valoare + QLatin1Char('.'));
        } else if (o.TipDate == QLatin1String("D")) {
            adauga(o.Nume + QStringLiteral("={}")); // an empty FoxPro date
        }
    }
}

void GeneratorCod::liniiComentariu(const QString &comentariu)
{
    // Every line of a several-line comment needs its own "*", or the
    // program would not compile.
    static const QRegularExpression sfarsitLinie(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    for (const QString &linie : comentariu.split(sfarsitLinie))
        adauga(QStringLiteral("* ") + linie);
}

void GeneratorCod::LiniiObiecte(const QList<int> &obiecte)
{
    const bool cuComentarii = isSet(proiect_.setari.IncludeComentariile);
    for (int i : obiecte) {
        const Obiect &o = proiect_.obiect(i);
        if (cuComentarii && !o.Comentariu.isEmpty())
            liniiComentariu(o.Comentariu);

        const QString pozitie = QStringLiteral("@ %1,%2").arg(o.Rand).arg(o.Coloana);
        const QString culori = CodCuloare(o.CuloareCerneala) + QLatin1Char('/') + CodCuloare(o.CuloareFundal);

        if (o.Tip == QLatin1String("SAY")) {
            QString linie = pozitie + QStringLiteral(" SAY ")
                + (isSet(o.Variabila) ? o.Nume : literalFoxPro(o.Nume));
            if (!isSet(o.CulorileFerestrei))
                linie += QStringLiteral(" COLOR ") + culori;
            adauga(linie);
        } else if (o.Tip == QLatin1String("GET")) {
            QString linie = pozitie + QStringLiteral(" GET ") + o.Nume;
            QString coduri;
            for (const Reguli::OptiuneGet &f : Reguli::OptiuniFunction) {
                if (isSet(o.*f.flag))
                    coduri += QLatin1Char(f.cod);
            }
            if (!coduri.isEmpty())
                linie += QStringLiteral(" FUNCTION '") + coduri + QLatin1Char('\'');

            // A PICTURE clause is written whenever an option is set, even with an empty template.
            QString sablon;
            bool arePicture = false;
            for (const Reguli::OptiuneGet &p : Reguli::OptiuniPicture) {
                if (isSet(o.*p.flag)) {
                    arePicture = true;
                    sablon += RepetaSir(QString(QLatin1Char(p.cod)), o.Lungime);
                }
            }
            if (arePicture)
                linie += QStringLiteral(" PICTURE '") + sablon + QLatin1Char('\'');
            adauga(linie);
        } else if (o.Tip == QLatin1String("BUTON")) {
            adauga(o.Nume + QStringLiteral("=0"));
            adauga(pozitie + QStringLiteral(" GET ") + o.Nume + QStringLiteral(" FUNCTION ")
                   + literalFoxPro(QStringLiteral("*H ") + o.Valoare) + QStringLiteral(" SIZE 1,10 COLOR ")
                   + culori);
        }
    }
}

std::optional<ProgramGenerat> genereazaCodProiect(const Proiect &proiect, MomentGenerare moment)
{
    if (!proiect.existaFerestre())
        return std::nullopt;
    ProgramGenerat program;
    GeneratorCod gen(proiect, program.linii, std::move(moment));
    gen.AntetCod();
    gen.CodDeInceput();
    for (int n = 1; n <= NumarFerestre; ++n) {
        if (proiect.fereastraFolosita(n))
            gen.CodFereastra(n);
    }
    gen.InchideToateFerestrele();
    return program;
}

ProgramGenerat genereazaCodFereastra(const Proiect &proiect, int n, bool cuCodDeInceput,
                                     MomentGenerare moment)
{
    ProgramGenerat program;
    GeneratorCod gen(proiect, program.linii, std::move(moment));
    gen.AntetCod();
    if (cuCodDeInceput)
        gen.CodDeInceput();
    if (!gen.CodFereastra(n))
        program.ferestreLipsa.append(n);
    gen.InchideFereastra(n);
    return program;
}
