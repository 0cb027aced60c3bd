#include "elementtabela.h"
#include "model/geometrie.h"

#include "interpreter/ecran.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>

namespace {
constexpr qreal CelulaLatime = Geometrie::CelulaLatime;
constexpr qreal CelulaInaltime = Geometrie::CelulaInaltime;
} // namespace

ElementTabela::ElementTabela(const QString &nume, Tip tip, qreal z)
    : tip_(tip)
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

void ElementTabela::setLitereRapide(bool on)
{
    litereRapide_ = on;
    update();
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
    // Text is drawn in device pixels so it stays crisp at the view's scale,
    // one character per cell: the font is sized to the cell height and
    // spaced to the cell width. The laid-out text is cached.
    const TextButon bara = litereRapide_ ? textBara(caption_) : TextButon{caption_, {}};
    QString text = bara.text;
    for (int l : bara.litere)
        text[l] = QLatin1Char(' '); // drawn on their own below
    const QTransform t = painter->worldTransform();
    const QRectF device = t.mapRect(rect());
    const qreal celula = CelulaLatime * t.m11();
    const int pixeli = qMax(1, int(15 * 15 * t.m22() + 0.5));
    if (textPregatit_.text() != text || pixeliText_ != pixeli || celulaText_ != celula) {
        QFont f = font_;
        f.setPixelSize(pixeli);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        const QFontMetricsF fm(f);
        f.setLetterSpacing(QFont::AbsoluteSpacing, celula - fm.horizontalAdvance(QLatin1Char('M')));
        fontText_ = f;
        inaltimeText_ = QFontMetricsF(f).height();
        textPregatit_.setText(text);
        textPregatit_.setTextFormat(Qt::PlainText);
        textPregatit_.prepare(QTransform(), f);
        pixeliText_ = pixeli;
        celulaText_ = celula;
    }
    painter->save();
    painter->resetTransform();
    painter->setFont(fontText_);
    painter->setPen(culoareText_);
    const QPointF inceput(device.left(), device.top() + (device.height() - inaltimeText_) / 2);
    painter->drawStaticText(inceput, textPregatit_);
    if (!bara.litere.isEmpty()) {
        auto culoare = [](const QColor &c) { return Culoare(c.red() | c.green() << 8 | c.blue() << 16); };
        painter->setPen(QColor::fromRgb(
            rgbFromCuloare(cernealaLiteraRapida(culoare(culoareText_), culoare(brush().color())))));
        for (int l : bara.litere)
            painter->drawText(QRectF(inceput + QPointF(l * celula, 0), QSizeF(celula, inaltimeText_)),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, bara.text.mid(l, 1));
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

void ElementTabela::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && laDubluClic)
        laDubluClic();
}

MarcajTabela::MarcajTabela(const QPixmap &pixmap)
    : QGraphicsPixmapItem(pixmap)
{
    setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

void MarcajTabela::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

ConturSelectie::ConturSelectie(const QString &nume, qreal z)
{
    setData(0, nume);
    setZValue(z);
    setVisible(false);
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF ConturSelectie::boundingRect() const
{
    // The line lies a pixel outside the rectangle; two pixels of margin.
    constexpr qreal m = 2 * Geometrie::TwipsPerPixel;
    return rect().adjusted(-m, -m, m, m);
}

void ConturSelectie::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    // In device pixels: the area's pixels stay untouched, the line takes the
    // ring of pixels just around them. Where the ring would fall off the
    // table (a window at its edge) it takes the edge's own pixels, which
    // are a window's margin, never a character.
    const QTransform t = painter->worldTransform();
    const QRect a = t.mapRect(rect()).toRect();
    const QRect tabela = t.mapRect(mapRectFromScene(scene()->sceneRect())).toRect();
    // A line one pixel past the table's edge e goes on e itself.
    auto pe = [](int linie, int e, int dincolo) { return linie == dincolo ? e : linie; };
    const int stanga = pe(a.left() - 1, tabela.left(), tabela.left() - 1);
    const int sus = pe(a.top() - 1, tabela.top(), tabela.top() - 1);
    const int dreapta = pe(a.right() + 1, tabela.right(), tabela.right() + 1);
    const int jos = pe(a.bottom() + 1, tabela.bottom(), tabela.bottom() + 1);
    const QRect r(stanga, sus, dreapta - stanga, jos - sus);
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    QPen linie(Qt::white, 1);
    linie.setCosmetic(true);
    painter->setPen(linie);
    painter->drawRect(r);
    linie.setColor(Qt::black);
    linie.setDashPattern({2, 2});
    painter->setPen(linie);
    painter->drawRect(r);
    painter->restore();
}
