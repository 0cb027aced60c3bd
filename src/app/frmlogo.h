#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

// The splash window: the product picture for about three seconds, then the
// main window. A click or a key shows the main window at once; keys are
// watched application-wide while it is shown, since window managers often
// give a splash window no keyboard focus.
class FrmLogo : public QWidget
{
    Q_OBJECT

public:
    explicit FrmLogo(QWidget *mdiMain, QWidget *parent = nullptr);

    QTimer *timer() const { return timer_; }
    int ticks() const { return ticks_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Timer_Timer();
    void inchide();

    QPointer<QWidget> mdiMain_;
    QTimer *timer_;
    quint8 ticks_ = 0;
    bool mainAfisat_ = false;
};
