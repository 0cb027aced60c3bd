#pragma once

#include <QDialog>

struct Sesiune;
class ListaDiscuri;
class ListaDosare;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The FoxPro locator: browse the drives and folders for FOXPRO.EXE or
// FOXPROX.EXE; "Selecteaza" stores the chosen path into the settings and
// into the settings dialog's path box, "Renunta" (and Esc) stores nothing.
class FrmCauta : public QDialog
{
    Q_OBJECT

public:
    // txtCaleFoxPRO is the settings dialog's path box; it may be null.
    FrmCauta(Sesiune &sesiune, QLineEdit *txtCaleFoxPRO, QWidget *parent = nullptr);

    // The file list's pattern "FoxPro?.exe", any letter case, where "?"
    // stands for at most one character so that both accepted names show.
    static bool potrivesteModelul(const QString &fileName);
    // The two names a path may be chosen from: FOXPRO.EXE, FOXPROX.EXE.
    static bool esteFoxPro(const QString &fileName);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void schimbaDiscul();
    void schimbaDosarul(const QString &folder);
    void clickFisier(QListWidgetItem *item);
    void selecteaza();

    Sesiune &sesiune_;
    QLineEdit *txtCaleFoxPRO_;
    bool centrat_ = false;

    ListaDiscuri *drvDiscuri_ = nullptr;
    ListaDosare *dirDirectoare_ = nullptr;
    QListWidget *filFoxPro_ = nullptr;
    QLabel *lblCale_ = nullptr;
    QPushButton *cmdSelecteaza_ = nullptr;
    QString dosarFisiere_; // the folder filFoxPro lists
};
