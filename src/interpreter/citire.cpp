// READ: editing the fields of the GETs waiting for it, one at a time.
#include "interpretor.h"

namespace {

bool esteSemn(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('+');
}

} // namespace

QString formatNumar(double v, int zecimale, int latime, const QString &functie)
{
    if (functie.contains(QLatin1Char('Z')) && v == 0)
        return QString(latime, QLatin1Char(' '));
    QString s = functie.contains(QLatin1Char('^')) ? QString::number(v, 'E', qMax(0, latime - 7))
                                                   : QString::number(v, 'f', zecimale);
    if (functie.contains(QLatin1Char('$')))
        s.prepend(QLatin1Char('$'));
    if (s.size() > latime)
        return QString(latime, QLatin1Char('*'));
    if (functie.contains(QLatin1Char('L')) && s.at(0).isDigit())
        return s.rightJustified(latime, QLatin1Char('0'));
    return functie.contains(QLatin1Char('B')) ? s.leftJustified(latime) : s.rightJustified(latime);
}

TextButon imagineButon(const QString &prompt)
{
    TextButon t = textPrompt(prompt);
    const int blancuri = qMax(0, 8 - int(t.text.size()));
    t.text = QLatin1Char('<') + QString(blancuri, QLatin1Char(' ')) + t.text + QLatin1Char('>');
    for (int &l : t.litere)
        l += 1 + blancuri;
    return t;
}

QString Interpretor::textCamp(const Camp &k) const
{
    if (!k.prompturi.isEmpty()) {
        QStringList imagini;
        for (const QString &p : k.prompturi)
            imagini << imagineButon(p).text;
        return imagini.join(QLatin1Char(' '));
    }
    const Valoare v = variabile_.value(k.variabila);
    QString t;
    switch (v.tip) {
    case Valoare::Tip::Numar:
        return formatNumar(v.numar, v.zecimale, k.latime, k.functie);
    case Valoare::Tip::Data:
        return formatData_.scrie(v.data);
    case Valoare::Tip::Logic:
        t = k.sablon.contains(QLatin1Char('Y')) ? (v.logic ? QStringLiteral("Y") : QStringLiteral("N"))
                                                : (v.logic ? QStringLiteral("T") : QStringLiteral("F"));
        break;
    case Valoare::Tip::Text:
        t = v.text;
        if (k.functie.contains(QLatin1Char('T')) || k.functie.contains(QLatin1Char('J')) ||
            k.functie.contains(QLatin1Char('I')))
            t = t.trimmed();
        if (k.functie.contains(QLatin1Char('J')))
            t = t.rightJustified(k.latime, QLatin1Char(' '), true);
        else if (k.functie.contains(QLatin1Char('I')))
            t = QString(qMax(0, (k.latime - int(t.size())) / 2), QLatin1Char(' ')) + t;
        if (k.functie.contains(QLatin1Char('!')))
            t = t.toUpper();
        break;
    }
    return t.leftJustified(k.latime, QLatin1Char(' '), true);
}

void Interpretor::deseneazaCamp(int i)
{
    if (i < 0 || i >= int(campuri_.size()))
        return;
    const Camp &k = campuri_[std::size_t(i)];
    const bool curent = i == curent_;
    if (k.prompturi.isEmpty()) {
        // The field being edited shows in reversed colours.
        scrieInTinta(k.fereastra, k.col, k.rand, curent ? tampon_ : textCamp(k),
                     curent ? k.fundal : k.cerneala, curent ? k.cerneala : k.fundal);
        return;
    }
    int col = k.col;
    for (int b = 0; b < k.prompturi.size(); ++b) {
        const TextButon imagine = imagineButon(k.prompturi.at(b));
        const bool ales = curent && b == buton_;
        const Culoare cerneala = ales ? k.fundal : k.cerneala, fundal = ales ? k.cerneala : k.fundal;
        scrieInTinta(k.fereastra, col, k.rand, imagine.text, cerneala, fundal);
        for (int l : imagine.litere)
            scrieInTinta(k.fereastra, col + l, k.rand, imagine.text.mid(l, 1),
                         cernealaLiteraRapida(cerneala, fundal), fundal);
        if (b + 1 < k.prompturi.size())
            scrieInTinta(k.fereastra, col + int(imagine.text.size()), k.rand, QStringLiteral(" "), k.cerneala,
                         k.fundal);
        col += int(imagine.text.size()) + 1;
    }
}

QPoint Interpretor::cursor() const
{
    if (stare_ != Stare::Citire || curent_ < 0)
        return {-1, -1};
    const Camp &k = campuri_[std::size_t(curent_)];
    QPoint p(k.col + poz_, k.rand);
    if (!k.prompturi.isEmpty()) {
        p.setX(k.col);
        for (int b = 0; b < buton_; ++b)
            p.rx() += int(imagineButon(k.prompturi.at(b)).text.size()) + 1;
    }
    if (k.fereastra >= 0)
        p += QPoint(ferestre_[std::size_t(k.fereastra)].col, ferestre_[std::size_t(k.fereastra)].rand);
    return p;
}

QString Interpretor::campCurent() const
{
    if (stare_ != Stare::Citire || curent_ < 0)
        return QString();
    const Camp &k = campuri_[std::size_t(curent_)];
    QString s = QStringLiteral("Camp: ") + numeVariabile_.value(k.variabila);
    if (!k.prompturi.isEmpty()) {
        s += QStringLiteral("   Stanga/Dreapta: alt buton; Enter sau litera: alege");
    } else {
        if (!k.functie.isEmpty())
            s += QStringLiteral("  FUNCTION '") + k.functie + QLatin1Char('\'');
        if (!k.sablon.isEmpty())
            s += QStringLiteral("  PICTURE '") + k.sablon + QLatin1Char('\'');
        s += suprascriere_ ? QStringLiteral("  [Suprascriere]") : QStringLiteral("  [Inserare]");
    }
    return mesaj_.isEmpty() ? s : s + QStringLiteral("  ") + mesaj_;
}

void Interpretor::intraInCamp(int i)
{
    curent_ = i;
    buton_ = 0;
    const Camp &k = campuri_[std::size_t(i)];
    if (k.prompturi.isEmpty()) {
        const Valoare &v = variabile_[k.variabila];
        // A number is edited plainly; its first key starts it anew, as FoxPro does.
        // B keeps it to the left, as the field shows it.
        tampon_ = v.tip == Valoare::Tip::Numar
                      ? formatNumar(v.numar, v.zecimale, k.latime,
                                    k.functie.contains(QLatin1Char('B')) ? QStringLiteral("B") : QString())
                      : textCamp(k);
        selectat_ = k.functie.contains(QLatin1Char('K')) || v.tip == Valoare::Tip::Numar;
        poz_ = qMax(0, urmatorEditabil(-1, 1));
        tamponInitial_ = tampon_;
    }
    deseneazaCamp(i);
}

bool Interpretor::paraseste()
{
    const Camp &k = campuri_[std::size_t(curent_)];
    // A field left as it was keeps its value exactly, whatever it shows.
    if (!k.prompturi.isEmpty() || tampon_ == tamponInitial_)
        return true;
    Valoare &v = variabile_[k.variabila];
    switch (v.tip) {
    case Valoare::Tip::Numar: {
        bool ok = false;
        const double d = QString(tampon_).remove(QLatin1Char(' ')).toDouble(&ok);
        v.numar = ok ? d : 0;
        break;
    }
    case Valoare::Tip::Logic: {
        const QString t = tampon_.trimmed().toUpper();
        v.logic = t.startsWith(QLatin1Char('T')) || t.startsWith(QLatin1Char('Y'));
        break;
    }
    case Valoare::Tip::Data: {
        const std::optional<QDate> d = formatData_.citeste(tampon_);
        if (!d) {
            mesaj_ = QStringLiteral("Data invalida!");
            return false;
        }
        v.data = *d;
        break;
    }
    case Valoare::Tip::Text:
        v.text =
            (k.functie.contains(QLatin1Char('T')) ? tampon_.trimmed().leftJustified(k.latime) : tampon_) +
            v.text.mid(k.latime);
        break;
    }
    return true;
}

void Interpretor::muta(int pas)
{
    const int vechi = curent_;
    // The READ has no CYCLE clause: moving on past either end ends it.
    if (vechi + pas < 0 || vechi + pas >= int(campuri_.size())) {
        terminaCitirea(true);
        return;
    }
    if (!paraseste())
        return;
    curent_ = -1;
    deseneazaCamp(vechi);
    intraInCamp(vechi + pas);
}

void Interpretor::alegeButon(int b)
{
    buton_ = b;
    Valoare &v = variabile_[campuri_[std::size_t(curent_)].variabila];
    v = Valoare();
    v.tip = Valoare::Tip::Numar;
    v.numar = b + 1;
    deseneazaCamp(curent_);
}

void Interpretor::terminaCitirea(bool pastreaza)
{
    if (pastreaza && !paraseste())
        return;
    for (const Camp &k : campuri_) {
        const QString nume = numeVariabile_.value(k.variabila);
        if (!citite_.contains(nume))
            citite_ << nume;
    }
    const int vechi = curent_;
    curent_ = -1;
    deseneazaCamp(vechi);
    campuri_.clear();
    ruleaza();
}

bool Interpretor::tasta(int key, Qt::KeyboardModifiers mod, const QString &text)
{
    if (stare_ != Stare::Citire)
        return false;
    mesaj_.clear();
    clopot_ = false;
    const Camp &k = campuri_[std::size_t(curent_)];
    const bool bara = !k.prompturi.isEmpty();
    const bool inapoi =
        key == Qt::Key_Backtab || key == Qt::Key_Up || (key == Qt::Key_Tab && (mod & Qt::ShiftModifier));
    if (key == Qt::Key_Escape) {
        terminaCitirea(false);
        return true;
    }
    if (key == Qt::Key_W && (mod & Qt::ControlModifier)) {
        terminaCitirea(true);
        return true;
    }
    if (inapoi || key == Qt::Key_Tab || key == Qt::Key_Down) {
        muta(inapoi ? -1 : 1);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (bara)
            alegeButon(buton_);
        else if (curent_ + 1 == int(campuri_.size()))
            terminaCitirea(true);
        else
            muta(1);
    } else if (bara && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        buton_ = qBound(0, buton_ + (key == Qt::Key_Right ? 1 : -1), int(k.prompturi.size()) - 1);
        deseneazaCamp(curent_);
    } else if (bara) {
        const int b = text.isEmpty() ? -1 : int(k.taste.indexOf(text.at(0).toUpper()));
        if (b < 0)
            return false;
        alegeButon(b);
    } else if (!editeaza(key, mod, text)) {
        return false;
    }
    if (stare_ == Stare::Citire) {
        deseneazaCamp(curent_);
        compune();
    }
    return true;
}

bool Interpretor::editabil(int poz) const
{
    const Camp &k = campuri_[std::size_t(curent_)];
    if (poz < 0 || poz >= k.latime)
        return false;
    return variabile_.value(k.variabila).tip != Valoare::Tip::Data ||
           formatData_.masca().at(poz) == QLatin1Char('9');
}

int Interpretor::urmatorEditabil(int poz, int pas) const
{
    const int n = campuri_[std::size_t(curent_)].latime;
    for (int p = poz + pas; p >= 0 && p < n; p += pas) {
        if (editabil(p))
            return p;
    }
    return -1;
}

void Interpretor::sterge(int poz)
{
    if (variabile_.value(campuri_[std::size_t(curent_)].variabila).tip == Valoare::Tip::Text ||
        variabile_.value(campuri_[std::size_t(curent_)].variabila).tip == Valoare::Tip::Numar) {
        tampon_.remove(poz, 1);
        tampon_.append(QLatin1Char(' '));
    } else {
        tampon_[poz] = QLatin1Char(' ');
    }
}

std::optional<QChar> Interpretor::accepta(QChar ch, int poz) const
{
    const Camp &k = campuri_[std::size_t(curent_)];
    const Valoare v = variabile_.value(k.variabila);
    QChar c = ch;
    const QChar cod = poz < k.sablon.size() ? k.sablon.at(poz) : QChar();
    bool ok = true;
    if (v.tip == Valoare::Tip::Data) {
        ok = c.isDigit();
    } else if (cod == QLatin1Char('9')) {
        ok = c.isDigit() || esteSemn(c);
    } else if (cod == QLatin1Char('#')) {
        ok = c.isDigit() || esteSemn(c) || c == QLatin1Char(' ');
    } else if (cod == QLatin1Char('N')) {
        ok = c.isLetterOrNumber();
    } else if (cod == QLatin1Char('A')) {
        ok = c.isLetter();
    } else if (cod == QLatin1Char('Y')) {
        c = c.toUpper();
        ok = c == QLatin1Char('Y') || c == QLatin1Char('N');
    } else if (cod == QLatin1Char('!')) {
        c = c.toUpper();
    } else if (v.tip == Valoare::Tip::Numar) {
        ok = c.isDigit() || esteSemn(c) ||
             (c == QLatin1Char('.') && v.zecimale > 0 && !tampon_.contains(QLatin1Char('.')));
    } else if (v.tip == Valoare::Tip::Logic) {
        c = c.toUpper();
        ok = QStringLiteral("TFYN").contains(c);
        if (ok)
            c = c == QLatin1Char('Y') ? QLatin1Char('T') : c == QLatin1Char('N') ? QLatin1Char('F') : c;
    }
    if (k.functie.contains(QLatin1Char('A')) && !c.isLetter())
        ok = false;
    if (k.functie.contains(QLatin1Char('!')))
        c = c.toUpper();
    return ok ? std::optional<QChar>(c) : std::nullopt;
}

bool Interpretor::editeaza(int key, Qt::KeyboardModifiers mod, const QString &text)
{
    const Camp &k = campuri_[std::size_t(curent_)];
    const Valoare::Tip tip = variabile_.value(k.variabila).tip;
    const int n = k.latime;
    const bool mutare =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
    if (mutare)
        selectat_ = false;
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const int p = urmatorEditabil(qMin(poz_, n), key == Qt::Key_Left ? -1 : 1);
        poz_ = p >= 0 ? p : poz_;
    } else if (key == Qt::Key_Home) {
        poz_ = qMax(0, urmatorEditabil(-1, 1));
    } else if (key == Qt::Key_End) {
        // Just after the last character typed, or on the last place.
        int p = int(tampon_.size());
        while (p > 0 && tampon_.at(p - 1) == QLatin1Char(' '))
            --p;
        poz_ = editabil(p) ? p : qMax(0, urmatorEditabil(n, -1));
    } else if (key == Qt::Key_Backspace) {
        const int p = urmatorEditabil(poz_, -1);
        if (p >= 0) {
            sterge(p);
            poz_ = p;
        }
        selectat_ = false;
    } else if (key == Qt::Key_Delete) {
        if (editabil(poz_))
            sterge(poz_);
        selectat_ = false;
    } else if (key == Qt::Key_Insert) {
        suprascriere_ = !suprascriere_;
    } else {
        if (text.isEmpty() || !text.at(0).isPrint() || (mod & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const int p = selectat_ ? qMax(0, urmatorEditabil(-1, 1)) : poz_;
        const std::optional<QChar> c = editabil(p) ? accepta(text.at(0), p) : std::nullopt;
        if (!c)
            return true; // a rejected key is ignored
        if (selectat_)
            tampon_ = tip == Valoare::Tip::Data ? formatData_.scrie(QDate()) : QString(n, QLatin1Char(' '));
        selectat_ = false;
        if (suprascriere_ || tip == Valoare::Tip::Data || tip == Valoare::Tip::Logic) {
            tampon_[p] = *c;
        } else {
            if (tampon_.at(n - 1) != QLatin1Char(' '))
                return true; // the field never grows past its width
            tampon_.insert(p, *c);
            tampon_.chop(1);
        }
        const int urmator = urmatorEditabil(p, 1);
        poz_ = urmator >= 0 ? urmator : p;
        if (urmator < 0) {
            // SET CONFIRM OFF, FoxPro's default: a full field rings and moves on.
            clopot_ = true;
            muta(1);
        }
    }
    return true;
}
