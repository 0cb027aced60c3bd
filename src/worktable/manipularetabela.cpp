#include "manipularetabela.h"

#include "formbase/sesiune.h"
#include "model/geometrie.h"
#include "model/rounding.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusBar>

#include <cstdlib>

namespace {

constexpr qreal CelulaLatime = Geometrie::CelulaLatime;
constexpr qreal CelulaInaltime = Geometrie::CelulaInaltime;
// The corner grip: the last 6 pixels of a window, across and down.
constexpr qreal Prindere = 6 * 15;

QString textStare(int coloana, int rand, qsizetype latime, int inaltime)
{
    return QStringLiteral("Coloana %1, Rand %2, %3 x %4").arg(coloana).arg(rand).arg(latime).arg(inaltime);
}

} // namespace

ManipulareTabela::ManipulareTabela(Sesiune &sesiune, QGraphicsView *vedere)
    : QObject(vedere)
    , sesiune_(sesiune)
    , vedere_(vedere)
    , viewport_(vedere->viewport())
{
    vedere_->installEventFilter(this);
    viewport_->installEventFilter(this);
    // The cursor shows what a press would do, so the view follows the mouse.
    viewport_->setMouseTracking(true);
}

bool ManipulareTabela::eventFilter(QObject *obj, QEvent *event)
{
    // Nothing is swallowed but the keys handled: the press and the release
    // still reach the elements, which take them, and a double-click on an
    // object label still reaches its element.
    if (event->type() == QEvent::KeyPress) {
        if (tragere_ && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            terminaTragerea(true);
            return true;
        }
        return tasta(static_cast<QKeyEvent *>(event));
    }
    // A release that never comes (the mouse taken away, the focus gone) ends the drag.
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::FocusOut ||
        event->type() == QEvent::WindowDeactivate) {
        terminaTragerea();
        return false;
    }
    // The view is not asked anything here: its own destruction comes through.
    auto *e = dynamic_cast<QMouseEvent *>(event);
    if (obj != viewport_ || !e)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (e->button() == Qt::LeftButton && !tragere_) {
            tinta_ = tintaLa(e->position().toPoint());
            apasare_ = e->position().toPoint();
            start_ = vedere_->mapToScene(apasare_);
        }
        break;
    case QEvent::MouseMove:
        mouseMove(e);
        break;
    case QEvent::MouseButtonRelease:
        if (e->button() == Qt::LeftButton) {
            // A press that never became a drag is a click: it picks what it took.
            if (!tragere_ && tinta_.fel != Fel::Nimic)
                alege(true);
            terminaTragerea();
        }
        break;
    default:
        break;
    }
    return false;
}

ManipulareTabela::Tinta ManipulareTabela::tintaLa(QPoint pozitie) const
{
    static const QRegularExpression nume(QStringLiteral("^(lblWindow|shpFrame|lblTitle|lblObiect)(\\d+)$"));
    const QGraphicsItem *item = vedere_->itemAt(pozitie);
    const QRegularExpressionMatch m = nume.match(item ? item->data(0).toString() : QString());
    if (!m.hasMatch())
        return {};
    const int n = m.captured(2).toInt();
    if (m.captured(1) == QLatin1String("lblObiect"))
        return {Fel::Obiect, n};
    const Fereastra &f = sesiune_.model.proiect().fereastra(n);
    const QPointF s = vedere_->mapToScene(pozitie);
    const bool colt = s.x() >= CelulaLatime * (f.Orizontala + f.Latime) - Prindere &&
                      s.y() >= CelulaInaltime * (f.Verticala + f.Inaltime) - Prindere;
    return {colt ? Fel::Colt : Fel::Fereastra, n};
}

void ManipulareTabela::mouseMove(QMouseEvent *e)
{
    const QPoint pozitie = e->position().toPoint();
    if (!(e->buttons() & Qt::LeftButton)) {
        // A release that went elsewhere ends the drag all the same.
        terminaTragerea();
        const Fel fel = tintaLa(pozitie).fel;
        if (fel == Fel::Nimic)
            viewport_->unsetCursor();
        else
            viewport_->setCursor(fel == Fel::Colt ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
        return;
    }
    if (tinta_.fel == Fel::Nimic)
        return;
    const QPointF d = vedere_->mapToScene(pozitie) - start_;
    const QPoint celule(roundHalfEven(d.x() / CelulaLatime), roundHalfEven(d.y() / CelulaInaltime));
    if (!tragere_) {
        // Short of the drag distance, or still in its cell, it is a click.
        if ((pozitie - apasare_).manhattanLength() < QApplication::startDragDistance() || celule.isNull())
            return;
        if (!incepeTragerea()) {
            tinta_ = {};
            return;
        }
    }
    pasTragere(celule);
}

bool ManipulareTabela::alege(bool clic)
{
    ModelProiect &m = sesiune_.model;
    const int k = tinta_.numar;
    const int n = tinta_.fel == Fel::Obiect ? m.obiect(k).Fereastra : k;
    // As a pick in the palettes' lists: the palettes act on the active
    // window and the selected object only.
    if (m.fereastraActiva() != n)
        m.selecteazaFereastra(n);
    if (m.fereastraActiva() != n)
        return false;
    if (tinta_.fel == Fel::Obiect) {
        m.selecteazaObiect(k);
        return m.obiectSelectat() == k;
    }
    // A window clicked is taken alone, so the keys move it; a window dragged
    // keeps the object the palette shows.
    if (clic)
        m.selecteazaObiect(-1);
    return true;
}

bool ManipulareTabela::incepeTragerea()
{
    if (!alege(false))
        return false;
    const Proiect &p = sesiune_.model.proiect();
    const int k = tinta_.numar;
    if (tinta_.fel == Fel::Obiect) {
        ancora_ = {p.obiect(k).Coloana, p.obiect(k).Rand};
    } else {
        const Fereastra &f = p.fereastra(k);
        ancora_ = tinta_.fel == Fel::Colt ? QPoint(f.Latime, f.Inaltime) : QPoint(f.Orizontala, f.Verticala);
    }
    // The whole drag, press to release, is one step.
    const Modificare fel = tinta_.fel == Fel::Obiect ? Modificare::MutareObiect
                           : tinta_.fel == Fel::Colt ? Modificare::RedimensionareFereastra
                                                     : Modificare::MutareFereastra;
    sesiune_.model.incepe(fel, k);
    tragere_ = true;
    return true;
}

void ManipulareTabela::pasTragere(QPoint deplasare)
{
    const Proiect &p = sesiune_.model.proiect();
    const QPoint tinta(std::max(0, ancora_.x() + deplasare.x()), std::max(0, ancora_.y() + deplasare.y()));
    QPoint acum;
    if (tinta_.fel == Fel::Obiect) {
        mutaObiect(tinta_.numar, tinta);
        const Obiect &o = p.obiect(tinta_.numar);
        acum = {o.Coloana, o.Rand};
        afiseaza(textStare(o.Coloana, o.Rand, o.TextAfisat.size(), 1));
    } else {
        const Fereastra &f = p.fereastra(tinta_.numar);
        if (tinta_.fel == Fel::Fereastra) {
            mutaFereastra(tinta_.numar, tinta);
        } else if (!isSet(f.Patrata)) {
            redimensioneaza(tinta_.numar, tinta);
        } else {
            // A square window's width and height drive each other: only the
            // one the mouse went further along is set, a row counting two columns.
            const bool latime = std::abs(deplasare.x()) > 2 * std::abs(deplasare.y());
            redimensioneaza(tinta_.numar, {latime ? tinta.x() : -1, latime ? -1 : tinta.y()});
        }
        acum = {f.Orizontala, f.Verticala};
        afiseaza(textStare(f.Orizontala, f.Verticala, f.Latime, f.Inaltime));
    }
    if (tinta_.fel == Fel::Colt)
        return;
    // A refused step leaves the thing where it was, and the drag goes on
    // from there: the mouse's next cell moves it at once.
    if (acum.x() != tinta.x())
        ancora_.setX(acum.x() - deplasare.x());
    if (acum.y() != tinta.y())
        ancora_.setY(acum.y() - deplasare.y());
}

void ManipulareTabela::terminaTragerea(bool renunta)
{
    tinta_ = {};
    if (!tragere_)
        return;
    tragere_ = false;
    afiseaza(QString());
    // Given up, the thing goes back where the press found it.
    if (renunta)
        sesiune_.model.renunta();
    sesiune_.model.termina();
}

void ManipulareTabela::afiseaza(const QString &text)
{
    if (auto *principala = qobject_cast<QMainWindow *>(vedere_->window()))
        principala->statusBar()->showMessage(text);
}

bool ManipulareTabela::tasta(const QKeyEvent *e)
{
    ModelProiect &m = sesiune_.model;
    IPaletaObiecte *obiecte = sesiune_.obiecte;
    const int n = m.fereastraActiva();
    if (!obiecte || !m.proiect().fereastraFolosita(n))
        return false;
    const Fereastra &f = m.fereastra(n);
    const int k = m.obiectSelectat();
    QPoint d;
    switch (e->key()) {
    case Qt::Key_Left:
        d = {-1, 0};
        break;
    case Qt::Key_Right:
        d = {1, 0};
        break;
    case Qt::Key_Up:
        d = {0, -1};
        break;
    case Qt::Key_Down:
        d = {0, 1};
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Round the list, in its order; from no selection to either end.
        const QList<int> ordine = m.ordineObiecte();
        const int i = int(ordine.indexOf(k)), c = int(ordine.size());
        if (c > 0)
            m.selecteazaObiect(ordine[e->key() == Qt::Key_Tab ? (i + 1) % c : (i <= 0 ? c : i) - 1]);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        obiecte->comanda(QStringLiteral("PROPRIETATI"));
        return true;
    case Qt::Key_Delete:
        obiecte->comanda(QStringLiteral("STERGE"));
        return true;
    case Qt::Key_Escape:
        // No object selected: the arrows move the window.
        m.selecteazaObiect(-1);
        return true;
    default:
        return false;
    }
    if (e->modifiers() & Qt::ShiftModifier) {
        // A square window's width goes by two: one row of its height.
        const int latime = d.x() ? f.Latime + d.x() * (isSet(f.Patrata) ? 2 : 1) : -1;
        redimensioneaza(n, {latime, d.y() ? f.Inaltime + d.y() : -1});
    } else if (m.proiect().obiectFolosit(k)) {
        const Obiect &o = m.obiect(k);
        mutaObiect(k, {std::max(0, o.Coloana + d.x()), std::max(0, o.Rand + d.y())});
    } else {
        mutaFereastra(n, {std::max(0, f.Orizontala + d.x()), std::max(0, f.Verticala + d.y())});
    }
    return true;
}

// Each axis as its own rule judges it: a refused one keeps its value.
void ManipulareTabela::mutaObiect(int k, QPoint tinta)
{
    sesiune_.model.seteazaColoanaObiect(k, tinta.x());
    sesiune_.model.seteazaRandObiect(k, tinta.y());
}

void ManipulareTabela::mutaFereastra(int n, QPoint tinta)
{
    sesiune_.model.seteazaOrizontala(n, tinta.x(), sesiune_.ferestre && sesiune_.ferestre->umbraInEcran());
    sesiune_.model.seteazaVerticala(n, tinta.y());
}

// A negative width or height is left alone.
void ManipulareTabela::redimensioneaza(int n, QPoint marime)
{
    if (marime.x() >= 0)
        sesiune_.model.seteazaLatime(n, marime.x());
    if (marime.y() >= 0)
        sesiune_.model.seteazaInaltime(n, marime.y());
}
