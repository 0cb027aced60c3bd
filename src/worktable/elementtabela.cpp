#include "elementtabela.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>

namespace {
constexpr qreal CelulaLatime = 135;
constexpr qreal CelulaInaltime = 240;
} // namespace

ElementTabela::ElementTabela(const QString &nume, Tip tip, qreal z) : tip_(tip)
{
    setData(0, nume);
    setZValue(z);
    setVisible(false);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setPen(Qt::NoPen);
    setBrush(Qt::NoBrush);
}

void ElementTabela::setCaption(const QString &caption)
{
    caption_ = caption;
    if (autoSize_)
        ajusteazaMarimea();
    update();
}

void ElementTabela::setCuloareText(const QColor &c)
{
    culoareText_ = c;
    update();
}

void ElementTabela::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on)
        ajusteazaMarimea();
}

void ElementTabela::ajusteazaMarimea()
{
    setRect(0, 0, CelulaLatime * caption_.size(), caption_.isEmpty() ? 0 : CelulaInaltime);
}

void ElementTabela::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    QGraphicsRectItem::paint(painter, option, widget);
    if (tip_ != Tip::Eticheta || caption_.isEmpty())
        return;
    // Text is drawn in device pixels so it stays crisp at the view's scale:
    // one character per cell, the font sized to the cell height.
    const QTransform t = painter->worldTransform();
    const QRectF device = t.mapRect(rect());
    const qreal scale = t.m22();
    painter->save();
    painter->resetTransform();
    QFont f = font_;
    f.setPixelSize(qMax(1, int(15 * 15 * scale + 0.5)));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    painter->setFont(f);
    painter->setPen(culoareText_);
    const qreal celula = CelulaLatime * t.m11();
    for (int i = 0; i < caption_.size(); ++i) {
        const QRectF cell(device.left() + i * celula, device.top(), celula, device.height());
        painter->drawText(cell, Qt::AlignCenter, QString(caption_.at(i)));
    }
    painter->restore();
}

QPainterPath ElementTabela::shape() const
{
    // A border with a transparent interior is hit only on its line, so a
    // click inside it reaches the window background under it.
    if (brush().style() == Qt::NoBrush && pen().style() != Qt::NoPen) {
        QPainterPath outline;
        outline.addRect(rect());
        QPainterPathStroker stroker;
        stroker.setWidth(pen().widthF());
        stroker.setJoinStyle(Qt::MiterJoin);
        return stroker.createStroke(outline);
    }
    return QGraphicsRectItem::shape();
}

void ElementTabela::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

void ElementTabela::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && laClic && contains(event->pos()))
        laClic();
}

void ElementTabela::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && laDubluClic)
        laDubluClic();
}

MarcajTabela::MarcajTabela(const QPixmap &pixmap) : QGraphicsPixmapItem(pixmap)
{
    setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

void MarcajTabela::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}
