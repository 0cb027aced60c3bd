#include "imagineclic.h"

#include <QMouseEvent>

ImagineClic::ImagineClic(const QString &nume, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(nume);
    setCursor(Qt::PointingHandCursor);
}

void ImagineClic::mousePressEvent(QMouseEvent *event)
{
    apasat_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ImagineClic::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic =
        apasat_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    apasat_ = false;
    event->accept();
    if (clic && isEnabled())
        emit clicked();
}
