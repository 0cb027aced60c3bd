#pragma once

#include "model/colors.h"

#include <QColor>
#include <QFrame>

// A filled shape of a form: a frame painted in its fill colour, which it
// also exposes as the dynamic property "color".
class CuloareForma : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit CuloareForma(const QString &nume, QWidget *parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor &c);

    // The records keep colours as 0x00BBGGRR values.
    Culoare culoare() const { return culoare_; }
    void setCuloare(Culoare c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_ = Qt::black;
    Culoare culoare_ = 0;
};

QColor culoareQt(Culoare c);
Culoare culoareDinQt(const QColor &c);
