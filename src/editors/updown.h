#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrows beside a read-only number box, as the editors use to
// change a width, a height or a length one step at a time. It keeps no
// value: the owner decides, on each click, whether the step is allowed.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(const QString &nume, QWidget *parent = nullptr);

    QToolButton *butonSus() const { return up_; }
    QToolButton *butonJos() const { return down_; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton *up_;
    QToolButton *down_;
};

// One click of the arrows on the number in caseta: a step down while it is
// above minim, up while it is below maxim.
void pasSageata(QLineEdit *caseta, int pas, int minim, int maxim);
