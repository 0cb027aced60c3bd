#pragma once

#include <QDialog>
#include <QStringList>

struct Sesiune;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

// The code viewer: the generated program, one list line per program line.
// Created afresh for every generation and shown modally; its lines go with it.
class FrmCod : public QDialog
{
    Q_OBJECT

public:
    static constexpr int NumarImaginiBanner = 4;
    static constexpr int IntervalBannerMs = 1000;

    explicit FrmCod(Sesiune &sesiune, QWidget *parent = nullptr);

    // The whole project: nothing at all when no window is in use; otherwise
    // a viewer without the starting-code check box.
    static void genereazaCodProiect(Sesiune &sesiune, QWidget *parent);
    // Window n alone, without the starting code; the check box regenerates.
    static void genereazaCodFereastra(Sesiune &sesiune, int n, QWidget *parent);

    void setLinii(const QStringList &linii);
    QStringList linii() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void regenereaza();
    void arataImagineBanner(int numar);
    void urmatoareaImagineBanner();
    void salveazaInFisier();

    Sesiune &sesiune_;
    QListWidget *lstCod_;
    QCheckBox *chkIncludeStartingCode_;
    QLabel *lblLiniaSelectata_;
    QLabel *lblTotalLinii_;
    QPushButton *cmdSalveaza_;
    QPushButton *cmdOk_;
    QLabel *imgBanner_;
    QTimer *tmrBanner_;
    int imagineBanner_ = 1;
};
