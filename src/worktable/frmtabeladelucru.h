#pragma once

#include "formbase/formcopil.h"
#include "model/geometrie.h"

#include <array>

class QGraphicsScene;
class QGraphicsView;
class QGraphicsPixmapItem;
class QGraphicsItem;
class ElementTabela;
class ConturSelectie;

// The work table: the simulated 80 x 25 character screen. A view of the
// window and object records; it keeps no data of its own and redraws what
// the model says has changed.
class FrmTabelaDeLucru : public FormCopil
{
    Q_OBJECT

public:
    static constexpr int CelulaLatime = Geometrie::CelulaLatime;
    static constexpr int CelulaInaltime = Geometrie::CelulaInaltime;
    // Client area: the whole screen.
    static constexpr int LatimeTwips = Geometrie::Coloane * CelulaLatime;
    static constexpr int InaltimeTwips = Geometrie::Randuri * CelulaInaltime;

    explicit FrmTabelaDeLucru(Sesiune &sesiune, QWidget *parent = nullptr);

    // Brings window n's four elements in line with its record; nothing for
    // n outside 1..5.
    void DeseneazaFereastra(int n);
    // Brings object n's label in line with its record, positioned in the
    // active window.
    void DeseneazaObiect(int n);
    // The given windows and objects, and the objects of those windows, each
    // object placed in its own window.
    void redeseneaza(const QList<int> &ferestre, const QList<int> &obiecte);

    QGraphicsView *vedere() const { return vedere_; }
    QGraphicsScene *scena() const { return scena_; }
    // The element with the given control name (lblWindow3, imgMarcaj, ...).
    QGraphicsItem *element(const QString &nume) const;

    // The dotted grid picture: a dot one pixel right of and below every
    // cell corner.
    static QPixmap imagineMarcaj();

private:
    void deseneazaObiectIn(int n, int fereastra);
    void marcheazaSelectia();
    void dubluClicObiect();

    QGraphicsScene *scena_;
    QGraphicsView *vedere_;
    std::array<ElementTabela *, 6> lblWindow_{};
    std::array<ElementTabela *, 6> shpFrame_{};
    std::array<ElementTabela *, 6> shpShadow_{};
    std::array<ElementTabela *, 6> lblTitle_{};
    std::array<ElementTabela *, 61> lblObiect_{};
    QGraphicsPixmapItem *imgMarcaj_ = nullptr;
    // The marks of the active window and of the selected object.
    ConturSelectie *conturFereastra_ = nullptr;
    ConturSelectie *conturObiect_ = nullptr;
};
