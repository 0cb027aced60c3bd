#include "culoareforma.h"

#include <QPainter>

QColor culoareQt(Culoare c)
{
    return QColor::fromRgb(QRgb(rgbFromCuloare(c)));
}

Culoare culoareDinQt(const QColor &c)
{
    return Culoare(c.red() | (c.green() << 8) | (c.blue() << 16));
}

CuloareForma::CuloareForma(const QString &nume, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(nume);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setColor(Qt::black);
}

void CuloareForma::setColor(const QColor &c)
{
    if (c == color_)
        return;
    color_ = c;
    culoare_ = culoareDinQt(c);
    update();
}

void CuloareForma::setCuloare(Culoare c)
{
    setColor(culoareQt(c));
    culoare_ = c;
}

void CuloareForma::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(contentsRect(), color_);
    p.end();
    QFrame::paintEvent(event);
}
