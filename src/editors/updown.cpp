#include "updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *sageata(const char *nume, Qt::ArrowType directie, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(nume));
    b->setArrowType(directie);
    // Held down, the arrow keeps stepping, as a spin control does.
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(17);
    b->setMinimumHeight(9);
    return b;
}

} // namespace

UpDown::UpDown(const QString &nume, QWidget *parent)
    : QWidget(parent)
    , up_(sageata("up", Qt::UpArrow, this))
    , down_(sageata("down", Qt::DownArrow, this))
{
    setObjectName(nume);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(up_, &QToolButton::clicked, this, &UpDown::upClicked);
    connect(down_, &QToolButton::clicked, this, &UpDown::downClicked);
}

void pasSageata(QLineEdit *caseta, int pas, int minim, int maxim)
{
    const int v = caseta->text().toInt();
    if (pas < 0 ? v > minim : v < maxim)
        caseta->setText(QString::number(v + pas));
}
