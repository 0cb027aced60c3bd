#pragma once

#include <QWidget>

struct Sesiune;

// Base of the three child forms of the main window (work table, window
// palette, object palette): they live as long as the main window and refuse
// every close request except the main window's own closing.
class FormCopil : public QWidget
{
    Q_OBJECT

public:
    FormCopil(Sesiune &sesiune, const QString &nume, const QString &titlu, QWidget *parent = nullptr);

    Sesiune &sesiune() const { return sesiune_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    // A palette: a fixed client area given in twips, and the small font
    // its tightly placed controls are laid out for.
    void formeazaPaleta(int latimeTwips, int inaltimeTwips);

private:
    Sesiune &sesiune_;
};
