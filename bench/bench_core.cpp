// Prints how long the core's hot paths take: generating a full design
// (5 windows, 60 objects) and encoding/decoding the options record.
#include "codegen/generator.h"
#include "model/cp1250.h"
#include "model/optionsfile.h"

#include <QElapsedTimer>
#include <QTextStream>

static Proiect fullProject()
{
    Proiect p;
    for (int n = 1; n <= NumarFerestre; ++n) {
        Fereastra &f = p.fereastra(n);
        f.Libera = FlagFalse;
        f.Latime = 40;
        f.Inaltime = 12;
        f.SchemaCulori = quint8(n);
    }
    const char *tipuri[] = {"SAY", "GET", "BUTON"};
    for (int i = 1; i <= NumarObiecte; ++i) {
        Obiect &o = p.obiect(i);
        o.Liber = FlagFalse;
        o.Fereastra = quint8((i - 1) % NumarFerestre + 1);
        o.Tip = QString::fromLatin1(tipuri[i % 3]);
        o.Nume = QStringLiteral("camp%1").arg(i);
        o.Valoare = QStringLiteral("Da;Nu");
        o.TipDate = QStringLiteral("T");
        o.Variabila = FlagTrue;
        o.Lungime = 20;
        o.PictureN = FlagTrue;
        o.FunctionK = FlagTrue;
        o.Comentariu = QStringLiteral("linia 1\nlinia 2");
    }
    p.setari.IncludeComentariile = FlagTrue;
    p.setari.InsereazaDataOra = FlagTrue;
    return p;
}

int main()
{
    QTextStream out(stdout);
    const Proiect p = fullProject();

    const int runs = 2000;
    QElapsedTimer t;
    t.start();
    qsizetype lines = 0;
    for (int i = 0; i < runs; ++i)
        lines += genereazaCodProiect(p)->linii.size();
    out << "whole-project generation: " << double(t.nsecsElapsed()) / runs / 1000.0 << " us per run ("
        << lines / runs << " lines)\n";

    t.restart();
    QByteArray bytes;
    for (int i = 0; i < runs; ++i)
        bytes += *Cp1250::encode(genereazaCodProiect(p)->linii.join(QStringLiteral("\r\n")));
    out << "generation + Windows-1250 encoding: " << double(t.nsecsElapsed()) / runs / 1000.0
        << " us per run\n";

    Setari s = setariImplicite();
    s.CaleFoxPRO = QStringLiteral("C:\\FOXPRO\\FOXPROX.EXE");
    t.restart();
    for (int i = 0; i < 100000; ++i)
        s = OptionsFile::decode(*OptionsFile::encode(s));
    out << "options record round trip: " << double(t.nsecsElapsed()) / 100000 << " ns\n";
    return 0;
}
