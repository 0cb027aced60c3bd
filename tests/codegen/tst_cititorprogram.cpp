#include "codegen/cititorprogram.h"
#include "codegen/fisierprogram.h"
#include "codegen/generator.h"
#include "support/proiectaleator.h"

#include <QtTest>

using CititorProgram::citeste;

namespace {

struct Varianta {
    bool comentarii = true, data = false, crlf = true;
    int fereastra = 0; // 0: the whole project, else this window's program
    bool start = false;
};

// The file's bytes as the code viewer saves them; none, and *problema, when it cannot be saved.
QByteArray program(const StareProiect &s, const Varianta &v, QString *problema = nullptr)
{
    const MomentGenerare moment{QDateTime(QDate(2026, 12, 7), QTime(8, 30, 15)), QLocale(QLocale::Romanian)};
    Proiect p;
    std::tie(p.Ferestre, p.Obiecte) = std::tuple{s.ferestre, s.obiecte};
    std::tie(p.setari.IncludeComentariile, p.setari.InsereazaDataOra) =
        std::tuple{toFlag(v.comentarii), toFlag(v.data)};
    const QStringList linii = v.fereastra ? genereazaCodFereastra(p, v.fereastra, v.start, moment).linii
                                          : genereazaCodProiect(p, moment).value_or(ProgramGenerat()).linii;
    const QByteArray date = FisierProgram::codifica(linii, problema).value_or("");
    return v.crlf ? date : QByteArray(date).replace("\r\n", "\n");
}

QByteArray program(const QStringList &linii)
{
    return linii.join('\n').toLatin1();
}

// A small program of every kind of object, as lines to damage.
QStringList baza()
{
    return {"SET ECHO OFF",
            "DEFINE WINDOW FER2 FROM 1,2 TO 10,31 COLOR SCHEME 1 TITLE 'Date' SHADOW",
            "ACTIVATE WINDOW FER2",
            "suma=0",
            "* pret",
            "@ 0,0 SAY 'Pret:' COLOR W+/B",
            "@ 1,0 GET suma PICTURE '999'",
            "opt=0",
            "@ 2,0 GET opt FUNCTION '*H Da;Nu' SIZE 1,10 COLOR 8/W",
            "READ",
            "DEACTIVATE WINDOW FER2"};
}

} // namespace

class TestCititorProgram : public QObject
{
    Q_OBJECT

private slots:
    // A program written by hand reads back into the records it describes.
    void handWrittenProgram()
    {
        const StareProiect s = citeste(program(baza()), nullptr).value().stare;
        const Fereastra &f = s.ferestre[2];
        const Obiect &say = s.obiecte[1], &get = s.obiecte[2], &bar = s.obiecte[3];
        QVERIFY(!isSet(f.Libera) && isSet(f.Umbra) && f.Titlu == "Date" && f.SchemaCulori == 1 &&
                QRect(f.Orizontala, f.Verticala, f.Latime, f.Inaltime) == QRect(2, 1, 30, 10));
        QVERIFY(say.Tip == TipObiect::Say && say.TextAfisat == "Pret:" && say.Comentariu == "pret" &&
                say.Fereastra == 2 && say.CuloareCerneala == Culori::White &&
                say.CuloareFundal == Culori::Blue);
        QVERIFY(get.Tip == TipObiect::Get && get.Nume == "suma" && get.TipDate == "N" && get.Lungime == 3 &&
                isSet(get.Picture9) && get.Rand == 1);
        QVERIFY(bar.Tip == TipObiect::Buton && bar.Nume == "opt" && bar.Valoare == "Da;Nu" && bar.Rand == 2);
    }

    // Two @GETs of one name: the initialisation goes to the one whose PICTURE has its length.
    void getsOfOneName()
    {
        const QStringList doua = {"DEFINE WINDOW FER1 FROM 0,0 TO 9,29 COLOR SCHEME 1",
                                  "ACTIVATE WINDOW FER1",
                                  "v = SPACE(4)",
                                  "@ 0,0 GET v PICTURE '99'",
                                  "@ 1,0 GET v PICTURE 'NNNN'",
                                  "READ",
                                  "DEACTIVATE WINDOW FER1"};
        // What is lost is counted in words that agree with the number.
        QVERIFY(citeste(program(baza()), nullptr)->pierderi.join(' ').contains("(1 bara)"));
        const auto d = citeste(program(doua), nullptr);
        QVERIFY(d && !isSet(d->stare.obiecte[1].Variabila) && isSet(d->stare.obiecte[2].Variabila));
        QCOMPARE(program(d->stare, {false, false, false}).split('\n').mid(17, 5),
                 program(doua).split('\n').mid(2));
    }

    // Random designs (their damaged files are the project file suite's): each makes a program that can be
    // saved and that the reader accepts; what it reads generates the same program again, so nothing the
    // program carries is lost or changed (the generator suite pins what it carries).
    void designsComeBackThroughPrograms()
    {
        QRandomGenerator r(2020);
        const int runde =
            qEnvironmentVariableIsSet("SIROLANT_FUZZ") ? qEnvironmentVariableIntValue("SIROLANT_FUZZ") : 2500;
        for (int i = 0; i < runde; ++i) {
            const std::optional<StareProiect> s = proiectAleator(r);
            if (s->liniiFerestre.isEmpty())
                continue;
            QString problema;
            Varianta v{bool(r.bounded(2)), bool(r.bounded(2)), bool(r.bounded(2))};
            if (r.bounded(3) == 0)
                std::tie(v.fereastra, v.start) = std::tuple{
                    s->liniiFerestre[r.bounded(int(s->liniiFerestre.size()))].fereastra, bool(r.bounded(2))};
            const QByteArray p = program(*s, v, &problema);
            QVERIFY2(!p.isEmpty(), qPrintable(problema));
            const auto a = citeste(p, &problema);
            QVERIFY2(a, qPrintable(problema + "\n" + p));
            QCOMPARE(program(a->stare, v), p);
            // The windows it holds come back in their slots, their objects in the lowest ones.
            int obiecte = 0;
            for (int n = 1; n <= NumarFerestre; ++n) {
                const bool inclusa = !isSet(s->ferestre[n].Libera) && (!v.fereastra || v.fereastra == n);
                QCOMPARE(!isSet(a->stare.ferestre[n].Libera), inclusa);
                for (int k = 1; k <= NumarObiecte && inclusa; ++k)
                    obiecte += !isSet(s->obiecte[k].Liber) && s->obiecte[k].Fereastra == n;
            }
            for (int k = 1; k <= NumarObiecte; ++k)
                QCOMPARE(isSet(a->stare.obiecte[k].Liber), k > obiecte);
        }
    }

    // Each row damages the base program; the refusal names the line and the reason.
    void refusedPrograms_data()
    {
        QTest::addColumn<QStringList>("linii");
        QTest::addColumn<QString>("motiv");
        const QStringList b = baza();
        const auto cu = [&b](int i, const QString &linie, int scoase = 1) {
            QStringList l = b;
            l.replace(i, linie);
            return scoase ? l : (l.insert(i + 1, b[i]), l);
        };
        const auto fara = [&b](int i) { return QStringList(b).mid(0, i) + b.mid(i + 1); };
        QStringList multe = b.mid(0, 3);
        for (int i = 0; i < 61; ++i)
            multe << "@ 0,0 SAY 'x'";
        const auto row = [](const char *name, const QStringList &l, const QString &motiv) {
            QTest::newRow(name) << l << motiv;
        };
        row("unknown line", cu(4, "BROWSE"), "Linia 5: linia nu este una");
        row("left edge", cu(1, "DEFINE WINDOW FER2 FROM 1,76 TO 10,80 COLOR SCHEME 1"),
            "Linia 2: coloana ferestrei: trebuie sa fie un numar intreg intre 0 si 75");
        row("name", cu(6, "@ 1,0 GET 1suma"), "Linia 7: numele");
        row("sixth window", cu(1, "DEFINE WINDOW FER6 FROM 1,2 TO 10,31 COLOR SCHEME 1"),
            "Linia 2: ferestrele se numesc FER1");
        row("61 objects", multe, "Linia 64: programul are mai mult de 60 de obiecte");
        row("before ACTIVATE", cu(2, "@ 0,0 SAY 'x'", 0), "Linia 3: obiect inaintea liniei ACTIVATE");
        row("outside windows", QStringList{"@ 0,0 SAY 'x'"}, "Linia 1: obiect in afara");
        row("no READ", fara(9), "Linia 10: lipseste READ");
        row("no DEACTIVATE", fara(10),
            "Dupa linia 10 (sfarsitul fisierului): lipseste linia DEACTIVATE WINDOW FER2");
        row("orphan init", fara(6), "Linia 4: variabila suma este initializata");
        row("colour", cu(5, "@ 0,0 SAY 'Pret:' COLOR W+/X"), "Linia 6: codul de culoare \"X\"");
        row("background", cu(5, "@ 0,0 SAY 'Pret:' COLOR W+/W+"), "Linia 6: culoarea de fundal");
        row("PICTURE", cu(6, "@ 1,0 GET suma PICTURE '99N'"), "Linia 7: PICTURE '99N'");
        row("FUNCTION", cu(6, "@ 1,0 GET suma FUNCTION 'KB'"), "Linia 7: FUNCTION 'KB'");
        row("number", cu(3, "suma=1x"), "Linia 4: valoarea");
        row("bar without =0", fara(7), "Linia 8: bara de butoane");
        row("title",
            cu(1, "DEFINE WINDOW FER2 FROM 1,2 TO 10,31 COLOR SCHEME 1 TITLE '123456789012345678901'"),
            "Linia 2: titlul");
        row("twice", cu(10, "DEFINE WINDOW FER2 FROM 1,2 TO 10,31 COLOR SCHEME 1", 0),
            "Linia 11: fereastra FER2 este definita a doua oara");
        row("no window", QStringList{"SET ECHO OFF"},
            "Dupa linia 1 (sfarsitul fisierului): programul nu defineste");
        row("byte", cu(5, QString("@ 0,0 SAY 'P") + QChar(0x81) + "'"), "Linia 6: linia are un octet");
        row("big", QStringList(QString(CititorProgram::MarimeMaxima + 1, ' ')), "1 MiB");
    }
    void refusedPrograms()
    {
        QFETCH(QStringList, linii);
        QFETCH(QString, motiv);
        QString problema;
        QVERIFY(!citeste(program(linii), &problema));
        QVERIFY2(problema.contains(motiv), qPrintable(problema));
    }

    // Damaged programs never crash the reader; what it accepts is a design that generates a program it reads
    // the same.
    void damagedPrograms()
    {
        QRandomGenerator r(1616);
        const QByteArray piese[] = {"@ ",   "SAY ",   "GET ", "'",    "\"",     "[",    "]",
                                    "+",    ",",      "=",    "0",    "99",     "\n",   "\r\n",
                                    "* ",   "READ\n", "FER1", "FER9", "COLOR ", "W+/B", "PICTURE 'NN'",
                                    "\x81", "\xff",   "=0\n"};
        for (int i = 0; i < qEnvironmentVariableIntValue("SIROLANT_FUZZ") + 400; ++i) {
            StareProiect s = proiectAleator(r, true);
            QByteArray d = program(s, {bool(r.bounded(2))});
            for (int t = r.bounded(1, 4); t > 0; --t)
                d.replace(r.bounded(int(d.size()) + 1), r.bounded(6),
                          piese[r.bounded(int(std::size(piese)))]);
            QString problema;
            const auto a = citeste(d, &problema);
            if (!a) {
                QVERIFY2(QRegularExpression("^(Linia \\d+: |Dupa linia \\d+ |Fisierul este gol)")
                             .match(problema)
                             .hasMatch(),
                         qPrintable(problema));
                continue;
            }
            const auto b = citeste(program(a->stare, {}), &problema);
            QVERIFY2(b && b->stare.obiecte == a->stare.obiecte && b->stare.ferestre == a->stare.ferestre,
                     qPrintable(problema));
        }
    }
};

QTEST_GUILESS_MAIN(TestCititorProgram)
#include "tst_cititorprogram.moc"
