#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

// The splash window: the product picture for about three seconds, then the
// main window. A click or a key shows the main window at once.
class FrmLogo : public QWidget
{
    Q_OBJECT

public:
    explicit FrmLogo(QWidget *mdiMain, QWidget *parent = nullptr);

    QTimer *timer() const { return timer_; }
    int ticks() const { return ticks_; }

protected:
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
