#pragma once

#include <QLabel>

// A picture that acts on a left-button click: pressed and released inside.
class ImagineClic : public QLabel
{
    Q_OBJECT

public:
    explicit ImagineClic(const QString &nume, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool apasat_ = false;
};
