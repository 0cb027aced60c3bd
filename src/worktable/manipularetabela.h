#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

struct Sesiune;
class QGraphicsView;
class QKeyEvent;
class QMouseEvent;

// Direct manipulation on the work table: a click selects the window or the
// object it hits; a window taken by its border, title or background moves,
// taken by its bottom-right corner it resizes, an object taken by its label
// moves inside its window; the keys of the focused view nudge, resize, pick
// and act. Nothing is changed here: every
// step goes through the palettes' bars and buttons, so their rules (edges,
// shadow margin, square windows, objects following, object limits) apply
// exactly as they do to the user's own scrolls and clicks.
class ManipulareTabela : public QObject
{
public:
    ManipulareTabela(Sesiune &sesiune, QGraphicsView *vedere);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    enum class Fel { Nimic, Fereastra, Colt, Obiect };
    struct Tinta {
        Fel fel = Fel::Nimic;
        int numar = 0;
    };

    Tinta tintaLa(QPoint pozitie) const;
    void mouseMove(QMouseEvent *e);
    // Makes what the press took the selection: its window active and the
    // object selected, or, for a click on a window, no object. False when
    // the palettes refuse it.
    bool alege(bool clic);
    bool incepeTragerea();
    void pasTragere(QPoint deplasare);
    void terminaTragerea(bool renunta = false);
    void afiseaza(const QString &text);
    bool tasta(const QKeyEvent *e);
    void mutaObiect(int k, QPoint tinta);
    void mutaFereastra(int n, QPoint tinta);
    void redimensioneaza(int n, QPoint marime);

    Sesiune &sesiune_;
    QGraphicsView *vedere_;
    QWidget *viewport_;
    // What the press took, where (in pixels and in twips), and whether the
    // drag is under way: it starts only past the drag distance and a cell.
    Tinta tinta_;
    QPoint apasare_;
    QPointF start_;
    bool tragere_ = false;
    // The place (or, for the corner, the size) the mouse's offset in cells
    // is added to.
    QPoint ancora_;
};
