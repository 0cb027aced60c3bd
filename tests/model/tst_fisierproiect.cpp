#include "codegen/generator.h"
#include "model/fisierproiect.h"
#include "model/reguli.h"

#include <QtTest>

using namespace FisierProiect;

namespace {

// Objects as the editors leave them: a text, a @GET of each type, a bar, a variable @SAY in window 4 (untitled).
StareProiect stareDeBaza()
{
    using namespace Culori;
    StareProiect s{Proiect().Ferestre, Proiect().Obiecte, {{4, "F4"}, {2, "F2 [Date]"}}, 2, {3, 1, 2, 5, 6, 7}, 1};
    s.ferestre[2] = {0, -1, 1, 2, 30, 10, Blue, White, Yellow, "Date", 1, 0};
    s.ferestre[4] = {0, 0, 40, 12, 26, 13, Red, Yellow, Yellow, "", 7, -1};
    const struct { const char *tip, *tipDate, *valoare, *optiuni; quint8 lungime; } obiecte[] = {
        {"SAY", "", "", "", 0}, {"GET", "N", "-1.5", "IKLZ^$9", 5}, {"BUTON", "", "Da;Nu", "", 10}, {"SAY", "", "", "", 0},
        {"GET", "L", "T", "KY", 1}, {"GET", "T", "a'\"", "BKAT!N", 20}, {"GET", "D", "", "JD", 8}};
    for (int k = 1; k <= 7; ++k) {
        const auto [tip, tipDate, valoare, optiuni, lungime] = obiecte[k - 1];
        const auto f = [optiuni = optiuni](char cod) { return toFlag(strchr(optiuni, cod)); };
        s.obiecte[k] = {0, toFlag(k == 3), toFlag(k != 1 && k != 3), valoare, tipDate, lungime,
                        quint8(k == 3 ? 2 : 1), tip, quint8(k == 4 ? 4 : 2), 0, 0,
                        k == 1 ? Green : k == 4 ? Magenta : k == 3 ? Blue : Black,
                        k == 1 ? LightRed : k == 4 ? LightGreen : White, "v" + QString::number(k), "v", "",
                        f('N'), f('9'), f('#'), f('Y'), f('B'), f('I'), f('J'), f('K'), f('A'), f('T'), f('!'),
                        f('L'), f('Z'), f('^'), f('$'), f('D')};
    }
    return s;
}

// The base's objects renamed and moved into random windows; free slots and window lines as loading leaves them.
StareProiect proiectAleator(QRandomGenerator &r)
{
    const auto n8 = [&r](int minim, int maxim) { return quint8(r.bounded(minim, maxim + 1)); };
    const auto text = [&r](int maxim, const QString &litere = "abc XYZ 019 '\"[]<>;.-ăîșȚ€") { // as a box takes it
        return litere.repeated(30).mid(r.bounded(int(litere.size())), r.bounded(maxim + 1));
    };
    StareProiect s{Proiect().Ferestre, Proiect().Obiecte};
    QList<int> ferestre;
    for (int n = r.bounded(1, 7); n <= NumarFerestre; n += r.bounded(1, 3)) {
        const quint8 schema = n8(1, 10);
        const ColoriSchema c = *CuloriSchema(schema);
        s.ferestre[n] = {0, toFlag(r.bounded(2)), n8(0, 75), n8(0, 24), n8(5, 79), n8(3, 24), c.fundal, c.cerneala,
                         c.chenar, text(20), schema, toFlag(r.bounded(2))};
        ferestre << n;
    }
    std::shuffle(ferestre.begin(), ferestre.end(), r);
    for (int n : ferestre) // "F" and the number, then the title in brackets when there is one
        s.liniiFerestre.append({n, QString("F%1%2").arg(n).arg(s.ferestre[n].Titlu.isEmpty() ? "" : " [" + s.ferestre[n].Titlu + "]")});
    s.fereastraActiva = ferestre.value(0, -1);
    for (int k = r.bounded(1, 4); k <= NumarObiecte && !ferestre.isEmpty(); k += r.bounded(1, 5)) {
        Obiect &o = s.obiecte[k] = stareDeBaza().obiecte[r.bounded(1, 8)];
        const Fereastra &f = s.ferestre[o.Fereastra = quint8(ferestre[r.bounded(int(ferestre.size()))])];
        const bool say = o.Tip == "SAY", get = o.Tip == "GET";
        o.Nume = say && !isSet(o.Variabila) ? text(76) + "." : "v" + text(10, "abcxyzABCXYZ_0123456789");
        o.TextAfisat = say ? o.Nume : get ? Reguli::textAfisatGet(o.Nume, o.Lungime, o.Lungime)
                                          : Reguli::textAfisatButon(o.Valoare.split(';'), o.Lungime);
        std::tie(o.Coloana, o.Rand) = std::tuple{n8(0, 76), n8(0, 21)};
        o.Comentariu = text(150, "abc XYZ 019 '\"[]<>;.-ăîșȚ€\n");
        if (!get && (!say || r.bounded(2))) // a bar always has its window's colours, a @SAY may keep them
            std::tie(o.CulorileFerestrei, o.CuloareFundal, o.CuloareCerneala) = std::tuple{-1, f.CuloareFundal, f.CuloareCerneala};
        if (o.Fereastra == s.fereastraActiva)
            s.ordineObiecte << k;
    }
    std::shuffle(s.ordineObiecte.begin(), s.ordineObiecte.end(), r);
    s.obiectSelectat = r.bounded(4) ? s.ordineObiecte.value(0, -1) : -1;
    return s;
}

// The base file with the value at "key" or "list/index/key" replaced (null: removed); for no key, the bytes.
QByteArray editat(const QString &cale, const QJsonValue &v)
{
    if (cale.isEmpty())
        return v.toString().toUtf8();
    QJsonObject rad = QJsonDocument::fromJson(scrie(stareDeBaza())).object();
    const QStringList p = cale.split('/');
    QJsonArray lista = rad.value(p[0]).toArray();
    QJsonObject o = p.size() > 1 ? lista[p[1].toInt()].toObject() : rad;
    v.isNull() ? void(o.remove(p.last())) : void(o[p.last()] = v);
    if (p.size() > 1)
        lista[p[1].toInt()] = o, rad[p[0]] = lista;
    return QJsonDocument(p.size() > 1 ? rad : o).toJson();
}

} // namespace

class TestFisierProiect : public QObject
{
    Q_OBJECT

private slots:
    void filesComeBackWholeOrAreRefused()
    {
        QRandomGenerator r(11);
        const auto program = [](const StareProiect &stare) {
            Proiect p;
            std::tie(p.Ferestre, p.Obiecte, p.setari.IncludeComentariile) = std::tuple{stare.ferestre, stare.obiecte, -1};
            return genereazaCodProiect(p).value_or(ProgramGenerat()).linii; // no date line: the moment does not matter
        };
        for (int i = 0; i < 200; ++i) {
            const StareProiect s = proiectAleator(r);
            const StareProiect c = citeste(scrie(s), nullptr).value_or(StareProiect());
            QVERIFY(c.ferestre == s.ferestre && c.obiecte == s.obiecte && c.liniiFerestre == s.liniiFerestre
                    && std::tie(c.fereastraActiva, c.ordineObiecte, c.obiectSelectat)
                           == std::tie(s.fereastraActiva, s.ordineObiecte, s.obiectSelectat));
            QCOMPARE(program(c), program(s));
            // Damaged files are refused with a problem; what is accepted comes back the same when written again.
            for (int j = 0; j < 30; ++j) {
                QByteArray d = j % 3 ? scrie(stareDeBaza()) : scrie(s), bucata;
                const int loc = j % 5 ? r.bounded(int(d.size())) : 0;
                for (int t = r.bounded(j % 5 ? 4 : 90); t > 0; --t)
                    bucata += "{}[]\":,-019.eE truefalsn\\u\xc3\xff"[r.bounded(29)];
                d.replace(loc, j % 2 ? r.bounded(4) : d.size(), bucata + (j % 7 ? "" : scrie(s).mid(loc)));
                QString problema;
                const auto a = citeste(d, &problema), b = a ? citeste(scrie(*a), &problema) : a;
                QVERIFY2(a ? b && b->ferestre == a->ferestre && b->obiecte == a->obiecte : !problema.isEmpty(), d.data());
            }
        }
    }

    // Each row changes one field of a valid file (no field: gives the bytes); the problem must name the field.
    void refusedFiles()
    {
        const QString x78(78, 'x'), x77 = x78.left(77), x12 = x78.left(12), x11 = x78.left(11);
        using L = QJsonArray;
        const struct { // values refused, then values on the edge that pass; null removes the field
            const char *cale;
            QJsonArray refuzate, primite;
            const char *problema = nullptr; // by default the field at cale
        } campuri[] = {
            {"", {"{\"format\": 1}}"}, {}, "Eroare de sintaxa JSON la pozitia 13:"}, {"format", {"sirolant", 1}, {}},
            {"", {QString(MarimeMaxima + 1, ' ')}, {QString(scrie(stareDeBaza())).leftJustified(MarimeMaxima)}, "MiB"},
            {"versiune", {2}, {}, "versiune: proiectul a fost creat de o versiune mai noua"}, {"versiune", {0, "1", {}}, {1}},
            {"ferestre/1/slot", {6, 0, 2}, {}}, {"obiecte/1/slot", {61, 1}, {}}, {"ferestre", {{}}, {}},
            {"ferestre/0/Latime", {4, 80, 30.5, "30"}, {5, 79}}, {"ferestre/0/Inaltime", {2, 25}, {3, 24}},
            {"ferestre/0/Orizontala", {-1, 80}, {79}}, {"ferestre/0/SchemaCulori", {0, 11}, {10}},
            {"ferestre/0/Umbra", {1, "true", {}}, {false}}, {"ferestre/0/CuloareFundal", {"LightBlue", "Pink", 0}, {"LightGray"}},
            {"ferestre/0/Titlu", {x78.left(21), "a\tb", "a\nb", {}}, {x78.left(20)}}, {"obiecte/0/Tip", {"say"}, {}},
            {"obiecte/0/Fereastra", {3, 6}, {}}, {"obiecte/0/Coloana", {80}, {79}}, {"obiecte/6/Valoare", {"1"}, {""}},
            {"obiecte/0/CuloareFundal", {"White"}, {"Yellow"}}, {"obiecte/0/CuloareCerneala", {"Orange"}, {"LightBlue"}},
            {"obiecte/0/Nume", {"", x78, "a\nb"}, {x77, "a;b c"}}, {"obiecte/3/Nume", {"a b", x12}, {x11}},
            {"obiecte/0/Comentariu", {QString(151, 'x'), "a\u0007b", "a\tb"}, {QString(150, '\n'), "a\r\nb"}},
            {"obiecte/1/Nume", {"", "1abc", "a b", x12}, {x11, "_a1"}}, {"obiecte/1/TipDate", {"X", ""}, {"T"}},
            {"obiecte/1/Lungime", {0, 78}, {1, 77}}, {"obiecte/1/Valoare", {"12a", "-", "1."}, {"0", "-12.05"}},
            {"obiecte/4/Valoare", {"X", "t"}, {"F"}}, {"obiecte/2/Lungime", {2, 78}, {3, 77}},
            {"obiecte/2/InaltimeButon", {0, 4}, {1, 3}}, {"obiecte/2/Nume", {"x-y", ""}, {x78.left(40)}},
            {"obiecte/2/Valoare", {"Da;;Nu", "", "Da;" + x78}, {x77}}, {"fereastraActiva", {3, -1, 0}, {}},
            {"ordineFerestre", {L{4}, L{4, 2, 2}, L{4, 3}, 4}, {L{2, 4}}}, {"obiectSelectat", {4, 0, 61}, {-1, 5}},
            {"ordineObiecte", {L{3, 1, 2, 5, 6}, L{3, 1, 2, 5, 6, 7, 4}}, {L{7, 6, 5, 2, 1, 3}}},
        };
        for (const auto &c : campuri)
            for (const QJsonArray *valori : {&c.refuzate, &c.primite})
                for (const QJsonValue &v : *valori) {
                    QString problema;
                    const bool citit = bool(citeste(editat(c.cale, v), &problema));
                    const QString camp = c.problema ? c.problema : QString(c.cale).replace(QRegularExpression("/(\\d+)/"), "[\\1].");
                    QVERIFY2(valori == &c.primite ? citit : !citit && problema.contains(camp),
                             qPrintable(QString(c.cale) + " = " + v.toVariant().toString().left(80) + ": " + problema));
                }
    }

    void savingAndLoadingFiles()
    {
        QTemporaryDir dir;
        QString problema, cale = dir.filePath("p.sirolant");
        QVERIFY(!salveaza(dir.filePath("lipsa/p.sirolant"), stareDeBaza(), &problema) && QDir(dir.path()).isEmpty());
        QVERIFY2(problema.contains(QDir::toNativeSeparators(dir.filePath("lipsa"))), qPrintable(problema));
        QVERIFY(salveaza(cale, stareDeBaza(), &problema) && salveaza(cale, stareDeBaza(), &problema));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.sirolant"}); // no temporary file left
        QVERIFY(incarca(cale, &problema).value_or(StareProiect()).obiecte == stareDeBaza().obiecte);
        QVERIFY(QFile::resize(cale, MarimeMaxima + 1) && !incarca(cale, &problema) && problema.contains("1 MiB"));
    }
};

QTEST_GUILESS_MAIN(TestFisierProiect)
#include "tst_fisierproiect.moc"
