#pragma once

#include <QDialog>

// The About box: the product picture, name and version, and what the
// program is for. "Ok" and Esc close it.
class FrmDespre : public QDialog
{
    Q_OBJECT

public:
    explicit FrmDespre(QWidget *parent = nullptr);

    static QString titlu(); // "Sirolant v<major>.<minor>.<patch>"

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool centrat_ = false;
};
