#include "ecran.h"

Ecran::Ecran(int latime, int inaltime, Celula umplere)
    : latime_(qMax(0, latime))
    , inaltime_(qMax(0, inaltime))
    , celule_(latime_ * inaltime_, umplere)
{
}

void Ecran::scrie(int col, int rand, const QString &text, Culoare cerneala, Culoare fundal)
{
    if (rand < 0 || rand >= inaltime_)
        return;
    for (int i = 0; i < text.size(); ++i) {
        if (contine(col + i, rand))
            at(col + i, rand) = Celula{text.at(i), cerneala, fundal};
    }
}

QString Ecran::rand(int r) const
{
    QString s(latime_, QLatin1Char(' '));
    for (int c = 0; c < latime_; ++c)
        s[c] = at(c, r).c;
    return s;
}

QStringList Ecran::linii() const
{
    QStringList l;
    for (int r = 0; r < inaltime_; ++r)
        l << rand(r);
    return l;
}
