#include "generator.h"

#include "codegen/formelinii.h"
#include "model/reguli.h"

#include "version.h"

#include <QRegularExpression>

using FormeLinii::Forma;
using FormeLinii::scrie;

QString RepetaSir(const QString &text, int n)
{
    if (text.isEmpty() || n <= 0)
        return QString();
    return text.toUpper().repeated(n);
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
    : proiect_(proiect)
    , linii_(linii)
    , moment_(std::move(moment))
{
}

void GeneratorCod::linieBanner(const QString &continut)
{
    adauga(scrie(Forma::Banner, {continut}));
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
        adauga(scrie(Forma::DataOra, {formatDataGenerare(moment_.acum, moment_.locale),
                                      formatOraGenerare(moment_.acum, moment_.locale)}));
        adauga(QString());
    }
}

void GeneratorCod::CodDeInceput()
{
    linii_ += FormeLinii::codDeInceput();
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

    QString define = scrie(Forma::Define, {n, f.Verticala, f.Orizontala, f.Verticala + f.Inaltime - 1,
                                           f.Orizontala + f.Latime - 1, f.SchemaCulori});
    if (!f.Titlu.isEmpty())
        define += scrie(Forma::Titlu, {literalFoxPro(f.Titlu)});
    if (isSet(f.Umbra))
        define += scrie(Forma::Umbra);
    adauga(define);
    adauga(scrie(Forma::Activate, {n}));

    LiniiInitializare(obiecte);
    LiniiObiecte(obiecte);

    for (int i : obiecte) {
        const TipObiect tip = proiect_.obiect(i).Tip;
        if (tip == TipObiect::Get || tip == TipObiect::Buton) {
            adauga(scrie(Forma::Read));
            break;
        }
    }
    return true;
}

void GeneratorCod::InchideFereastra(int n)
{
    adauga(scrie(Forma::Deactivate, {n}));
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
        if (o.Tip != TipObiect::Get || !isSet(o.Variabila))
            continue;
        if (o.TipDate == QLatin1String("T")) {
            QString linie = scrie(Forma::InitText, {o.Nume, int(o.Lungime) - int(o.Valoare.size())});
            if (!o.Valoare.isEmpty())
                linie += scrie(Forma::InitTextValoare, {literalFoxPro(o.Valoare)});
            adauga(linie);
        } else if (o.TipDate == QLatin1String("N")) {
            adauga(scrie(Forma::InitNumar, {o.Nume, o.Valoare}));
        } else if (o.TipDate == QLatin1String("L")) {
            adauga(scrie(Forma::InitLogic, {o.Nume, o.Valoare}));
        } else if (o.TipDate == QLatin1String("D")) {
            adauga(scrie(Forma::InitData, {o.Nume})); // an empty FoxPro date
        }
    }
}

void GeneratorCod::liniiComentariu(const QString &comentariu)
{
    // Every line of a several-line comment needs its own "*", or the
    // program would not compile.
    static const QRegularExpression sfarsitLinie(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    for (const QString &linie : comentariu.split(sfarsitLinie))
        adauga(scrie(Forma::Comentariu, {linie}));
}

void GeneratorCod::LiniiObiecte(const QList<int> &obiecte)
{
    const bool cuComentarii = isSet(proiect_.setari.IncludeComentariile);
    for (int i : obiecte) {
        const Obiect &o = proiect_.obiect(i);
        if (cuComentarii && !o.Comentariu.isEmpty())
            liniiComentariu(o.Comentariu);

        const QString culori =
            scrie(Forma::Culori, {CodCuloare(o.CuloareCerneala), CodCuloare(o.CuloareFundal)});

        if (o.Tip == TipObiect::Say) {
            QString linie = isSet(o.Variabila)
                                ? scrie(Forma::SayVariabila, {o.Rand, o.Coloana, o.Nume})
                                : scrie(Forma::SayText, {o.Rand, o.Coloana, literalFoxPro(o.Nume)});
            if (!isSet(o.CulorileFerestrei))
                linie += culori;
            adauga(linie);
        } else if (o.Tip == TipObiect::Get) {
            QString linie = scrie(Forma::Get, {o.Rand, o.Coloana, o.Nume});
            QString coduri;
            for (const Reguli::OptiuneGet &f : Reguli::OptiuniFunction) {
                if (isSet(o.*f.flag))
                    coduri += QLatin1Char(f.cod);
            }
            if (!coduri.isEmpty())
                linie += scrie(Forma::Function, {coduri});

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
                linie += scrie(Forma::Picture, {sablon});
            adauga(linie);
        } else if (o.Tip == TipObiect::Buton) {
            adauga(scrie(Forma::ButonZero, {o.Nume}));
            adauga(scrie(Forma::Buton,
                         {o.Rand, o.Coloana, o.Nume, literalFoxPro(FormeLinii::PrefixButon + o.Valoare)}) +
                   culori);
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
