#pragma once

#include "model/project.h"

#include <QDialog>

#include <initializer_list>

class QFrame;
class QLabel;
class QPlainTextEdit;
class ModelProiect;
struct Sesiune;

// A control given the objectName by which the editor and its users find it.
template <typename T> T *numit(T *w, const char *nume)
{
    w->setObjectName(QLatin1String(nume));
    return w;
}
QLabel *eticheta(const char *nume, const QString &text, QWidget *parent);

// What the three property editors share: they edit the object selected in
// the object palette's list when they open, writing each change through the
// model as the user makes it; Cancel puts the record back (a brand-new object
// is discarded). The palette holds the whole session in one step.
class EditorObiect : public QDialog
{
    Q_OBJECT

public:
    EditorObiect(Sesiune &sesiune, const QString &nume, const QString &titlu, QWidget *parent = nullptr);

    // Cancel, Esc and the close box alike: an existing object keeps the record
    // it had at opening, a brand-new object is freed and its line removed;
    // then the editor closes.
    void reject() override;

protected:
    Sesiune &sesiune() const { return sesiune_; }
    // The edited object's number, or -1.
    int numarObiect() const { return numarLaDeschidere_; }
    // The record being edited; a scratch record when no object was selected
    // or the editor has finished, so a late handler never writes elsewhere.
    const Obiect &obiect() const;
    void scrie(const Obiect &o);
    // Every change of the record goes through the design's operations.
    ModelProiect &model() const;
    // Whether the editor reopened an existing object rather than a new one.
    bool obiectExistent() const;
    // Width of the active window, 0 when there is none.
    int latimeFereastraActive() const;

    // Apply's common end: redraw the object, rebuild the palette's list, close.
    void incheieAplicarea();
    // The edited record as it was when the editor opened.
    const Obiect &laDeschidere() const { return laDeschidere_; }

    // One hint of the left panel: the objectNames of its ">" and of its text.
    struct Sfat {
        const char *semn;
        const char *nume;
        QString text;
    };
    // The comment box, held to the comment limit; the editor's own handler,
    // connected after, sees the text already cut.
    QPlainTextEdit *casetaComentariu(QWidget *parent, int inaltime);
    // The white panel on the left: a picture, the title, a line, the hints.
    QFrame *panouStang(int latime, const char *imagine, const char *fisier, const char *titlu,
                       const QString &textTitlu, std::initializer_list<Sfat> sfaturi);

private:
    Sesiune &sesiune_;
    Obiect gol_;
    int numarLaDeschidere_ = -1;
    Obiect laDeschidere_;
};
