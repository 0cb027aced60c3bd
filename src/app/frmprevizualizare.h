#pragma once

#include "interpreter/interpretor.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
struct Sesiune;

// The emulated 80 x 25 screen, drawn with the work table's cell size, font
// and colours. Takes the keys of READ while it has the focus.
class EcranPrevizualizare : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList linii READ linii)
    Q_PROPERTY(QPoint cursor READ cursor)

public:
    explicit EcranPrevizualizare(Interpretor &interpretor, QWidget *parent = nullptr);

    QStringList linii() const { return interpretor_.ecran().linii(); }
    QPoint cursor() const { return interpretor_.cursor(); }
    QSize sizeHint() const override;

signals:
    void tastaFolosita();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    Interpretor &interpretor_;
    QFont font_;
};

// "Previzualizare": runs a generated program on the emulated screen, with a
// status line, the variables read, and "Reia" to run it again.
class FrmPrevizualizare : public QDialog
{
    Q_OBJECT

public:
    explicit FrmPrevizualizare(const QStringList &program, QWidget *parent = nullptr);

    // The programs the code viewer would show for the same commands.
    static void previzualizeazaProiectul(Sesiune &sesiune, QWidget *parent);
    static void previzualizeazaFereastra(Sesiune &sesiune, int n, QWidget *parent);

    const Interpretor &interpretor() const { return interpretor_; }

private:
    void reia();
    void actualizeaza();

    QStringList program_;
    Interpretor interpretor_;
    EcranPrevizualizare *ecran_;
    QLabel *lblEroare_;
    QLabel *lblStare_;
    QTableWidget *tblVariabile_;
    QPushButton *cmdReia_;
    QStringList celuleTabel_; // what tblVariabile shows, row by row
};
