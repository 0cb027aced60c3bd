#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QStaticText>
#include <QString>

#include <functional>

// One drawing element of the work table: a rectangle in twips whose fill is
// brush() and whose line is pen(). A label also draws its caption in its
// text colour and, when it sizes itself, takes one 135 x 240 twip cell per
// character so that it lines up with the character grid.
class ElementTabela : public QGraphicsRectItem
{
public:
    enum class Tip { Eticheta, Forma };

    ElementTabela(const QString &nume, Tip tip, qreal z);

    QString nume() const { return data(0).toString(); }

    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setCuloareText(const QColor &c);
    QColor culoareText() const { return culoareText_; }
    void setFont(const QFont &font)
    {
        font_ = font;
        update();
    }
    QFont font() const { return font_; }
    // Labels that size themselves follow their caption's length.
    void setAutoSize(bool on);
    // A push button bar shows its hot letters highlighted, without "\<".
    void setLitereRapide(bool on);

    // The double-click handler; every element takes the press all the same,
    // so a click never reaches an element lying under it. What a click
    // selects is the mouse handling's, which tells a click from a drag.
    std::function<void()> laDubluClic;

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void ajusteazaMarimea();

    Tip tip_;
    QString caption_;
    QColor culoareText_ = Qt::black;
    QFont font_;
    bool autoSize_ = false;
    bool litereRapide_ = false;
    // The caption as last laid out for painting.
    QStaticText textPregatit_;
    QFont fontText_;
    int pixeliText_ = 0;
    qreal celulaText_ = 0;
    qreal inaltimeText_ = 0;
};

// The marker picture: takes the press too, over its whole rectangle.
class MarcajTabela : public QGraphicsPixmapItem
{
public:
    explicit MarcajTabela(const QPixmap &pixmap);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
};

// The mark of a selection, drawn over everything: a dotted line one pixel
// outside rect(), the area it surrounds, so that no cell loses a pixel.
// White under black dots: seen on every colour. It takes no mouse button and
// has no shape, so the mouse and itemAt find the elements under it.
class ConturSelectie : public QGraphicsRectItem
{
public:
    ConturSelectie(const QString &nume, qreal z);

    QRectF boundingRect() const override;
    QPainterPath shape() const override { return {}; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};
