#pragma once

#include "model/stare.h"

#include <QObject>

class Document;
class QUndoStack;
struct Schimbare;

// Undo and redo of the user's gestures. Each gesture the document reports
// is one step; steps of the same bar on the same window or object within a
// second, and a run of keys typed into the same box, merge into one. Undo and
// redo put the design back quietly, so no handler rewrites what they restore.
class Istoric : public QObject
{
    Q_OBJECT

public:
    explicit Istoric(Document &document, QObject *parent = nullptr);

    QUndoStack *stiva() const { return stiva_; }

    // The step's name as the menu shows it after "Anuleaza" or "Reface".
    static QString numePas(const QString &sursa);

private:
    void adauga(const Schimbare &s);

    Document &document_;
    QUndoStack *stiva_;
};
