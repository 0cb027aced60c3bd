// The command line as a script runs it: the real program, where a window would abort.
#include "codegen/fisierprogram.h"
#include "codegen/generator.h"
#include "model/fisierproiect.h"
#include "support/uitest.h"

#include <QProcess>
#include <QtTest>

namespace {

StareProiect design() // one titled window with a text in it
{
    StareProiect s{Proiect().Ferestre, Proiect().Obiecte, {{1, "F1 [Note]"}}, 1, {1}, 1};
    s.ferestre[1] = {0, -1, 5, 2, 40, 12, Culori::Blue, Culori::White, Culori::Yellow, "Note", 1, 0};
    Obiect &o = s.obiecte[1];
    o.Liber = FlagFalse, o.Fereastra = 1, o.Tip = TipObiect::Say, o.Nume = o.TextAfisat = "Media: 9,50",
    o.Comentariu = "teza";
    return s;
}

// runs' options: only comments (flag at 36, after an empty path); without the file, as a start there: nothing
// set
QByteArray program(const StareProiect &s, bool optiuni = true)
{
    Proiect p;
    p.Ferestre = s.ferestre, p.Obiecte = s.obiecte, p.setari.IncludeComentariile = toFlag(optiuni);
    return FisierProgram::codifica(genereazaCodProiect(p).value().linii).value();
}

// said: how stderr starts, or a piece of stdout.
const struct Run {
    const char *name, *args;
    int code;
    QString made, said;
} Runs[] = {
    {"generate, beside", "--genereaza ana.sirolant", 0, "ana.PRG", ""},
    {"generate, no options file made", "--genereaza ana.sirolant --iesire a.PRG", 0, "a.PRG", ""},
    {"import, beside", "--importa bun.PRG", 0, "bun.sirolant", ""},
    {"help", "--help", 0, "", "--suprascrie"},
    {"version", "-v", 0, "", "1.0.0"},
    {"both commands", "--genereaza ana.sirolant --importa bun.PRG", 2, "", "sirolant: "},
    {"-o alone", "-o x.PRG", 2, "", "sirolant: "},
    {"a project besides", "--genereaza ana.sirolant gol.sirolant", 2, "", "sirolant: "},
    {"two projects", "ana.sirolant gol.sirolant", 2, "", "sirolant: "},
    {"unknown option", "--deschide ana.sirolant", 2, "", "sirolant: Optiunea \"--deschide\" nu exista."},
    {"no value", "--genereaza", 2, "", "sirolant: Optiunea \"--genereaza\" cere o valoare."},
    {"--suprascrie alone", "--suprascrie", 2, "", "sirolant: --suprascrie se foloseste"},
    {"import over a project", "--importa bun.PRG -o ana.sirolant", 1, "",
     "sirolant: ana.sirolant: exista deja (folositi --suprascrie)\n"},
    {"import over a project, --suprascrie", "--importa bun.PRG -o gol.sirolant --suprascrie", 0,
     "gol.sirolant", ""},
    {"output is the input", "--importa bun.PRG -o ./bun.PRG", 2, "", "sirolant: "},
    {"not a project", "--genereaza rau.sirolant", 1, "", "sirolant: rau.sirolant: "},
    {"no windows", "--genereaza gol.sirolant", 1, "", "sirolant: gol.sirolant: "},
    {"not a program", "--importa ana.sirolant -o x", 1, "", "sirolant: ana.sirolant: Linia "},
    {"not written", "--genereaza ana.sirolant -o nu/x.PRG", 1, "", "sirolant: nu/x.PRG: "}};

} // namespace

class TestLinieComanda : public QObject
{
    Q_OBJECT

private slots:
    void run_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Runs)); ++i)
            QTest::newRow(Runs[i].name) << i;
    }

    void run()
    {
        QFETCH(int, row);
        const Run &run = Runs[row];
        const QStringList args = QString::fromLatin1(run.args).split(u' ');
        TempCwd cwd; // the runs' folder too
        QVERIFY(FisierProgram::scrie("Sirolant.opt", QByteArray(128, 0).replace(36, 2, "\xFF\xFF")) &&
                FisierProgram::scrie("rau.sirolant", "{}"));
        QVERIFY(FisierProiect::salveaza("ana.sirolant", design(), nullptr) &&
                FisierProgram::scrie("bun.PRG", program(design())));
        QVERIFY(FisierProiect::salveaza("gol.sirolant", {Proiect().Ferestre, Proiect().Obiecte}, nullptr));
        const bool bare = run.made == "a.PRG" && QFile::remove("Sirolant.opt");
        QStringList after = QDir().entryList(QDir::Files) << run.made;
        after.removeAll(QString()), after.removeDuplicates(), after.sort(Qt::CaseInsensitive);

        qputenv("QT_QPA_PLATFORM", "nonexistent");
        QProcess p;
        p.start(SIROLANT_BIN, args);
        QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
        const QString out = p.readAllStandardOutput(), err = p.readAllStandardError();
        QCOMPARE(p.exitCode(), run.code);
        QVERIFY2(run.code ? err.startsWith(run.said) && out.isEmpty()
                          : err.isEmpty() && out.contains(run.said),
                 qPrintable(err + out));
        QCOMPARE(QDir().entryList(QDir::Files), after); // nothing else: no temporary file, no options file
        QFile f(run.made); // the program the menu gives; an imported project whose program is the one read
        QVERIFY(run.made.isEmpty() || f.open(QIODevice::ReadOnly)); // no comparison skipped
        if (!run.made.isEmpty())
            QCOMPARE(args.contains("--importa")
                         ? program(FisierProiect::citeste(f.readAll(), nullptr).value_or(StareProiect{}))
                         : f.readAll(),
                     program(design(), !bare));
    }
};

QTEST_GUILESS_MAIN(TestLinieComanda)
#include "tst_liniecomanda.moc"
