#include "codegen/generator.h"
#include "model/eroarefisier.h"
#include "model/fisierproiect.h"
#include "model/reguli.h"
#include "support/proiectaleator.h"

#include <QtTest>

#include <cerrno>

using namespace FisierProiect;

namespace {

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
    // Each row changes one field of a valid file (no field: gives the bytes); the problem must name the
    // field.
    void refusedFiles()
    {
        const QString x78(78, 'x'), x77 = x78.left(77), x12 = x78.left(12), x11 = x78.left(11);
        using L = QJsonArray;
        const struct { // values refused, then values on the edge that pass; null removes the field
            const char *cale;
            QJsonArray refuzate, primite;
            const char *problema = nullptr; // by default the field at cale
        } campuri[] = {
            {"", {"{\"format\": 1}}"}, {}, "Fisierul nu este un proiect Sirolant valid (pozitia 13)"},
            {"format", {"sirolant", 1}, {}},
            {"",
             {QString(MarimeMaxima + 1, ' ')},
             {QString(scrie(stareDeBaza())).leftJustified(MarimeMaxima)},
             "MiB"},
            {"versiune", {2}, {}, "versiune: proiectul a fost creat de o versiune mai noua"},
            {"versiune", {0, "1", {}}, {1}},
            {"ferestre/1/slot", {6, 0, 2}, {}},
            {"obiecte/1/slot", {61, 1}, {}},
            {"ferestre", {{}}, {}},
            {"ferestre/0/Latime", {4, 80, 30.5, "30"}, {5, 79}},
            {"ferestre/0/Inaltime", {2, 25}, {3, 24}},
            {"ferestre/0/Orizontala", {-1, 76}, {75}},
            {"ferestre/0/SchemaCulori", {0, 11}, {10}},
            {"ferestre/0/Umbra", {1, "true"}, {false}},
            {"ferestre/0/CuloareFundal", {"LightBlue", "Pink", 0}, {"LightGray"}},
            {"ferestre/0/Titlu", {x78.left(21), "a\tb", "a\nb", {}}, {x78.left(20)}},
            {"obiecte/0/Tip", {"say"}, {}},
            {"obiecte/0/Fereastra", {3, 6}, {}},
            {"obiecte/0/Coloana", {80}, {79}},
            {"obiecte/6/Valoare", {"1"}, {""}},
            {"obiecte/0/CuloareFundal", {"White"}, {"Yellow"}},
            {"obiecte/0/CuloareCerneala", {"Orange"}, {"LightBlue"}},
            {"obiecte/0/Nume", {"", x78, "a\nb"}, {x77, "a;b c"}},
            {"obiecte/3/Nume", {"a b", x12}, {x11}},
            {"obiecte/0/Comentariu", {QString(151, 'x'), "a\u0007b", "a\tb"}, {QString(150, '\n'), "a\r\nb"}},
            {"obiecte/0/Comentariu", {"a⊬"}, {"ș"}, "obiecte[0].Comentariu: caracterul 2, \"⊬\""},
            {"obiecte/1/Nume", {"", "1abc", "a b", x12}, {x11, "_a1"}},
            {"obiecte/1/TipDate", {"X", ""}, {"T"}},
            {"obiecte/1/Lungime", {0, 78}, {1, 77}},
            {"obiecte/1/Valoare", {"12a", "-", "1."}, {"0", "-12.05"}},
            {"obiecte/4/Valoare", {"X", "t"}, {"F"}},
            {"obiecte/2/Lungime", {2, 78}, {3, 77}},
            {"obiecte/2/InaltimeButon", {0, 4}, {1, 3}},
            {"obiecte/2/Nume", {"x-y", ""}, {x78.left(40)}},
            {"obiecte/2/Valoare", {"Da;;Nu", "", "Da;" + x78}, {x77}},
            {"fereastraActiva", {3, -1, 0}, {}},
            {"ordineFerestre", {L{4}, L{4, 2, 2}, L{4, 3}, 4}, {L{2, 4}}},
            {"obiectSelectat", {4, 0, 61}, {-1, 5}},
            {"ordineObiecte", {L{3, 1, 2, 5, 6}, L{3, 1, 2, 5, 6, 7, 4}}, {L{7, 6, 5, 2, 1, 3}}},
        };
        for (const auto &c : campuri)
            for (const QJsonArray *valori : {&c.refuzate, &c.primite})
                for (const QJsonValue &v : *valori) {
                    QString problema;
                    const bool citit = bool(citeste(editat(c.cale, v), &problema));
                    const QString camp =
                        c.problema ? c.problema
                                   : QString(c.cale).replace(QRegularExpression("/(\\d+)/"), "[\\1].");
                    QVERIFY2(valori == &c.primite ? citit : !citit && problema.contains(camp),
                             qPrintable(QString(c.cale) + " = " + v.toVariant().toString().left(80) + ": " +
                                        problema));
                }
    }

    // Every key of the file is required: each one removed in turn is refused, and named.
    void everyKeyIsRequired()
    {
        const QJsonObject rad = QJsonDocument::fromJson(scrie(stareDeBaza())).object();
        QStringList cai;
        for (auto it = rad.begin(); it != rad.end(); ++it) {
            cai << it.key();
            if (it.value().isArray() && it.value().toArray().first().isObject())
                for (const QString &k : it.value().toArray().first().toObject().keys())
                    cai << it.key() + "/0/" + k;
        }
        QVERIFY(cai.size() > 30);
        for (const QString &cale : cai) {
            QString problema;
            QVERIFY2(!citeste(editat(cale, QJsonValue()), &problema) &&
                         problema.contains(QString(cale).replace("/0/", "[0].")),
                     qPrintable(cale + ": " + problema));
        }
    }

    void savingAndLoadingFiles()
    {
        QTemporaryDir dir;
        QString problema, cale = dir.filePath("p.sirolant");
        QVERIFY(!salveaza(dir.filePath("lipsa/p.sirolant"), stareDeBaza(), &problema) &&
                QDir(dir.path()).isEmpty());
        QVERIFY2(problema.contains(QDir::toNativeSeparators(dir.filePath("lipsa"))), qPrintable(problema));
        QVERIFY(salveaza(cale, stareDeBaza(), &problema) && salveaza(cale, stareDeBaza(), &problema));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{"p.sirolant"}); // no temporary file left
        QVERIFY(incarca(cale, &problema).value_or(StareProiect()).obiecte == stareDeBaza().obiecte);
        QVERIFY(QFile::resize(cale, MarimeMaxima + 1) && !incarca(cale, &problema) &&
                problema.contains("1 MiB"));
        // The system's reasons in Romanian: a folder read or replaced, then the common errors.
        QVERIFY(!incarca(dir.path(), &problema) && problema.contains("(este un dosar)"));
        QVERIFY(!salveaza(dir.path(), stareDeBaza(), &problema) && problema.contains("(este un dosar)"));
        for (const auto &[cod, motiv] : {std::pair{ENOENT, "fisierul sau dosarul nu exista"},
                                         {EACCES, "acces interzis"},
                                         {ENOSPC, "nu mai este loc pe disc"}})
            QCOMPARE(EroareFisier::motiv(QFileDevice::OpenError, qt_error_string(cod)), motiv);
    }
};

QTEST_GUILESS_MAIN(TestFisierProiect)
#include "tst_fisierproiect.moc"
