#include "ecran.h"

#include <cstdlib>

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

namespace {

TextButon fara(const QString &s, bool bara)
{
    if (!s.contains(QLatin1String("\\<")))
        return {s, {}};
    TextButon r;
    int inceput = 0; // just after the "<" that opens the picture
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('\\') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('<')) {
            ++i;
            if (bara) {
                r.text.insert(inceput, QStringLiteral("  "));
                for (int &l : r.litere)
                    l += l >= inceput ? 2 : 0;
            }
            if (i + 1 < s.size())
                r.litere << int(r.text.size());
            continue;
        }
        if (s.at(i) == QLatin1Char('<'))
            inceput = int(r.text.size()) + 1;
        r.text += s.at(i);
    }
    // A marker that only markers follow marks nothing.
    r.litere.removeIf([&r](int l) { return l >= r.text.size(); });
    return r;
}

int luminozitate(Culoare c)
{
    return (30 * (c & 0xFF) + 59 * ((c >> 8) & 0xFF) + 11 * ((c >> 16) & 0xFF)) / 100;
}

} // namespace

TextButon textPrompt(const QString &prompt)
{
    return fara(prompt, false);
}

TextButon textBara(const QString &bara)
{
    return fara(bara, true);
}

Culoare cernealaLiteraRapida(Culoare cerneala, Culoare fundal)
{
    for (Culoare c : {Culori::Yellow, Culori::White, Culori::LightRed, Culori::Red, Culori::Black}) {
        if (c != cerneala && c != fundal && std::abs(luminozitate(c) - luminozitate(fundal)) >= 90)
            return c;
    }
    return cerneala;
}
