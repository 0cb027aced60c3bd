#pragma once

#include <QObject>

class ModelProiect;
class QUndoStack;
struct PasProiect;

// Undo and redo of the design's steps. Each step the model reports is one
// command named after what it did; a run of steps of a merging kind on the
// same window or object, each within a second of the one before, is one.
// Undo and redo put the design back through the model as one piece.
class Istoric : public QObject
{
    Q_OBJECT

public:
    explicit Istoric(ModelProiect &model, QObject *parent = nullptr);

    QUndoStack *stiva() const { return stiva_; }

private:
    void adauga(const PasProiect &pas);

    ModelProiect &model_;
    QUndoStack *stiva_;
};
