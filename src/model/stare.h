#pragma once

#include "model/project.h"

#include <QList>
#include <QString>

#include <array>

// A line of the window list: the window number and the text written when
// the line was added (lines stand in creation order, texts are not rewritten).
struct LinieFereastra {
    int fereastra = 0;
    QString text;
    bool operator==(const LinieFereastra &o) const { return fereastra == o.fereastra && text == o.text; }
};

// A window's line as the palette writes it when it fills the list: "F" and
// the number, then the title in brackets when there is one.
inline QString textLinieFereastra(int n, const QString &titlu)
{
    const QString text = QStringLiteral("F%1").arg(n);
    return titlu.isEmpty() ? text : text + QStringLiteral(" [") + titlu + QLatin1Char(']');
}

// A design at one moment: the records, and what the palettes' lists show of
// them (the order of their lines and the selection).
struct StareProiect {
    std::array<Fereastra, NumarFerestre + 1> ferestre{};
    std::array<Obiect, NumarObiecte + 1> obiecte{};
    QList<LinieFereastra> liniiFerestre;
    int fereastraActiva = -1;
    QList<int> ordineObiecte;
    int obiectSelectat = -1;
};
