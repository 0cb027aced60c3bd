#include "frmlogo.h"

#include "formbase/uiutil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

FrmLogo::FrmLogo(QWidget *mdiMain, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , mdiMain_(mdiMain)
    , timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmLogo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QSize size(twipsToPixels(6000), twipsToPixels(4455));
    setFixedSize(size);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setGeometry(rect());
    picture->setScaledContents(true);
    QPixmap pixmap(QStringLiteral(":/images/logo.png"));
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(QColor(0, 0, 128));
        QPainter p(&pixmap);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
        p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Sirolant Studio"));
    }
    picture->setPixmap(pixmap);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &FrmLogo::Timer_Timer);
    timer_->start();
}

void FrmLogo::Timer_Timer()
{
    ++ticks_;
    if (ticks_ >= 3)
        inchide();
}

bool FrmLogo::eventFilter(QObject *watched, QEvent *event)
{
    // Whichever window the key went to, it belongs to the splash: the main
    // window comes up without it.
    if (event->type() == QEvent::KeyPress && isVisible()) {
        inchide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmLogo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    qApp->installEventFilter(this);
    raise();
    activateWindow();
}

void FrmLogo::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

void FrmLogo::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    inchide();
}

void FrmLogo::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
    inchide();
}

void FrmLogo::closeEvent(QCloseEvent *event)
{
    timer_->stop();
    QWidget::closeEvent(event);
}

void FrmLogo::inchide()
{
    timer_->stop();
    // The main window comes up before the splash goes, so the program never
    // finds itself without a window.
    if (!mainAfisat_ && mdiMain_) {
        mainAfisat_ = true;
        mdiMain_->show();
    }
    close();
}
