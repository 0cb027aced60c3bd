#include "istoric.h"

#include "model/modelproiect.h"

#include <QDateTime>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace {

// Steps further apart than this stay separate, even of the same kind and target.
constexpr qint64 IntervalUnire = 1000;

class Comanda : public QUndoCommand
{
public:
    Comanda(ModelProiect &model, const PasProiect &pas)
        : QUndoCommand(numeModificare(pas.fel))
        , model_(model)
        , pas_(pas)
        , cand_(QDateTime::currentMSecsSinceEpoch())
    {
    }

    int id() const override { return pas_.unire ? int(pas_.fel) + 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *c = static_cast<const Comanda *>(other);
        // Typing into a box is one step however slowly it goes.
        const bool tastare = pas_.fel == Modificare::TitluFereastra;
        if (c->pas_.fel != pas_.fel || c->pas_.tinta != pas_.tinta ||
            (!tastare && c->cand_ - cand_ > IntervalUnire))
            return false;
        pas_.dupa = c->pas_.dupa;
        cand_ = c->cand_;
        // A run that ends where it began leaves nothing to undo.
        if (aceleasiInregistrari(pas_.inainte, pas_.dupa))
            setObsolete(true);
        return true;
    }

    void undo() override { model_.restaureaza(pas_.inainte); }

    void redo() override
    {
        // Pushed after the model already made the change.
        if (std::exchange(primul_, false))
            return;
        model_.restaureaza(pas_.dupa);
    }

private:
    ModelProiect &model_;
    PasProiect pas_;
    qint64 cand_;
    bool primul_ = true;
};

} // namespace

Istoric::Istoric(ModelProiect &model, QObject *parent)
    : QObject(parent)
    , model_(model)
    , stiva_(new QUndoStack(this))
{
    stiva_->setUndoLimit(1000);
    connect(&model_, &ModelProiect::pas, this, &Istoric::adauga);
}

void Istoric::adauga(const PasProiect &pas)
{
    stiva_->push(new Comanda(model_, pas));
}
