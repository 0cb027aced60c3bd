#include "istoric.h"

#include "app/document.h"

#include <QDateTime>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Bars that merge their steps, and boxes whose keys merge.
bool bara(const QString &sursa)
{
    return sursa.contains(QLatin1String(".hsb"));
}

bool casetaText(const QString &sursa)
{
    return sursa.contains(QLatin1String(".txt"));
}

// The work table's keys go to its view; its mouse to the view's viewport.
const QLatin1String kTabela("frmTabelaDeLucru.");
const QLatin1String kTasteTabela("frmTabelaDeLucru.gvTabela");

// A gesture on the work table is named after what it changed.
QString numeTabela(const Schimbare &s)
{
    for (int n : s.ferestre) {
        const Fereastra &a = s.inainte.ferestre[std::size_t(n)], &b = s.dupa.ferestre[std::size_t(n)];
        if (a.Latime != b.Latime || a.Inaltime != b.Inaltime)
            return QStringLiteral("redimensionarea ferestrei");
    }
    if (!s.ferestre.isEmpty())
        return QStringLiteral("mutarea ferestrei");
    for (int k : s.obiecte) {
        Obiect a = s.inainte.obiecte[std::size_t(k)];
        const Obiect &b = s.dupa.obiecte[std::size_t(k)];
        a.Coloana = b.Coloana;
        a.Rand = b.Rand;
        if (isSet(b.Liber))
            return QStringLiteral("stergerea obiectului");
        if (a != b)
            return QStringLiteral("modificarea obiectului");
    }
    return QStringLiteral("mutarea obiectului");
}

class Pas : public QUndoCommand
{
public:
    Pas(Document &document, const Schimbare &s)
        : QUndoCommand(s.sursa.startsWith(kTabela) ? numeTabela(s) : Istoric::numePas(s.sursa))
        , document_(document)
        , inainte_(s.inainte)
        , dupa_(s.dupa)
        , sursa_(s.sursa)
        , ferestre_(s.ferestre)
        , obiecte_(s.obiecte)
        , cand_(QDateTime::currentMSecsSinceEpoch())
    {
        // A run of arrow presses on the same thing is one step; a drag is
        // one gesture already.
        tasta_ = sursa_ == kTasteTabela && (text().startsWith(QLatin1String("mutarea")) ||
                                            text().startsWith(QLatin1String("redimensionarea")));
    }

    int id() const override { return bara(sursa_) || casetaText(sursa_) || tasta_ ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *p = static_cast<const Pas *>(other);
        if (p->sursa_ != sursa_ || p->ferestre_ != ferestre_ || p->obiecte_ != obiecte_ ||
            p->tasta_ != tasta_ || p->text() != text())
            return false;
        if (bara(sursa_) && p->cand_ - cand_ > 1000)
            return false;
        dupa_ = p->dupa_;
        cand_ = p->cand_;
        // A drag back to where it began leaves nothing to undo.
        if (dupa_.ferestre == inainte_.ferestre && dupa_.obiecte == inainte_.obiecte)
            setObsolete(true);
        return true;
    }

    void undo() override { document_.restaureaza(inainte_); }

    void redo() override
    {
        // Pushed after the gesture already made the change.
        if (std::exchange(primul_, false))
            return;
        document_.restaureaza(dupa_);
    }

private:
    Document &document_;
    StareProiect inainte_;
    StareProiect dupa_;
    QString sursa_;
    QList<int> ferestre_;
    QList<int> obiecte_;
    qint64 cand_;
    bool tasta_ = false;
    bool primul_ = true;
};

} // namespace

Istoric::Istoric(Document &document, QObject *parent)
    : QObject(parent)
    , document_(document)
    , stiva_(new QUndoStack(this))
{
    stiva_->setUndoLimit(1000);
    connect(&document_, &Document::schimbat, this, &Istoric::adauga);
}

void Istoric::adauga(const Schimbare &s)
{
    stiva_->push(new Pas(document_, s));
}

QString Istoric::numePas(const QString &sursa)
{
    static const struct {
        const char *sursa;
        const char *nume;
    } nume[] = {
        {"frmFerestre.CREAZA", "crearea ferestrei"},
        {"frmFerestre.STERGE", "stergerea ferestrei"},
        {"frmFerestre.txtTitluFereastra", "schimbarea titlului"},
        {"frmFerestre.cmbSchemaCulori", "alegerea schemei de culori"},
        {"frmFerestre.chkUmbraFereastra", "schimbarea umbrei"},
        {"frmFerestre.chkFereastraPatrata", "schimbarea ferestrei patrate"},
        {"frmFerestre.hsbOrizontala", "mutarea ferestrei"},
        {"frmFerestre.hsbVerticala", "mutarea ferestrei"},
        {"frmFerestre.hsbLatime", "redimensionarea ferestrei"},
        {"frmFerestre.hsbInaltime", "redimensionarea ferestrei"},
        {"frmFerestre.cmd", "alinierea ferestrei"},
        {"frmObiecte.SAY", "crearea obiectului @SAY"},
        {"frmObiecte.GET", "crearea obiectului @GET"},
        {"frmObiecte.BUTON", "crearea butonului"},
        {"frmObiecte.STERGE", "stergerea obiectului"},
        {"frmObiecte.PROPRIETATI", "modificarea obiectului"},
        {"frmObiecte.hsb", "mutarea obiectului"},
        {"frmObiecte.cmd", "alinierea obiectului"},
        {"frmObiecte.chkCulorileFerestrei", "schimbarea culorilor obiectului"},
        {"frmObiecte.img", "alegerea culorii"},
    };
    for (const auto &n : nume) {
        if (sursa.startsWith(QLatin1String(n.sursa)))
            return QString::fromLatin1(n.nume);
    }
    return QStringLiteral("modificarea proiectului");
}
