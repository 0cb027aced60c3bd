#include "uitest.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

void onNextModal(std::function<void(QWidget *)> action, int timeoutMs)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, before, action, clock, timeoutMs]() {
        QWidget *w = QApplication::activeModalWidget();
        const bool found = w && w != before.data() && w->isVisible();
        if (found || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
        if (found)
            action(w);
    });
    timer->start();
}

bool duringModal(const std::function<void()> &open, const std::function<void(QDialog *)> &body)
{
    QWidget *before = QApplication::activeModalWidget();
    bool ran = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QPointer<QWidget> w = QApplication::activeModalWidget();
            !ran && w && w != before && w->isVisible()) {
            ran = true;
            body(qobject_cast<QDialog *>(w.data()));
            if (w && w->isVisible())
                w->close();
        }
    });
    timer.start(5);
    open();
    return ran;
}

std::shared_ptr<SeenBox> answerNextMessageBox(QMessageBox::StandardButton button, int timeoutMs)
{
    auto seen = std::make_shared<SeenBox>();
    onNextModal(
        [seen, button](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) {
                // Not a message box: close it so the test does not hang.
                w->close();
                return;
            }
            *seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            if (QAbstractButton *b = box->button(button))
                b->click();
            else
                box->reject();
        },
        timeoutMs);
    return seen;
}
