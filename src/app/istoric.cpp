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

class Pas : public QUndoCommand
{
public:
    Pas(Document &document, const Schimbare &s)
        : QUndoCommand(Istoric::numePas(s.sursa))
        , document_(document)
        , inainte_(s.inainte)
        , dupa_(s.dupa)
        , sursa_(s.sursa)
        , ferestre_(s.ferestre)
        , obiecte_(s.obiecte)
        , cand_(QDateTime::currentMSecsSinceEpoch())
    {
    }

    int id() const override { return bara(sursa_) || casetaText(sursa_) ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *p = static_cast<const Pas *>(other);
        if (p->sursa_ != sursa_ || p->ferestre_ != ferestre_ || p->obiecte_ != obiecte_)
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
    bool primul_ = true;
};

} // namespace

Istoric::Istoric(Document &document, QObject *parent)
    : QObject(parent), document_(document), stiva_(new QUndoStack(this))
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
        {"frmTabelaDeLucru.", "centrarea obiectului"},
    };
    for (const auto &n : nume) {
        if (sursa.startsWith(QLatin1String(n.sursa)))
            return QString::fromLatin1(n.nume);
    }
    return QStringLiteral("modificarea proiectului");
}
