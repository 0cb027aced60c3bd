#pragma once

#include <QDialog>

struct Sesiune;
struct Setari;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The settings dialog. Shows the flags of Setari on four pages; "Salveaza"
// stores them and writes the options file at once, "Reset" puts the defaults
// into the controls only, "Anuleaza" (and Esc) changes nothing.
class FrmSetari : public QDialog
{
    Q_OBJECT

public:
    explicit FrmSetari(Sesiune &sesiune, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *creeazaPaginaGeneral();
    QWidget *creeazaPaginaFoxPro();
    QWidget *creeazaPaginaCodGenerat();
    QWidget *creeazaPaginaDiverse();

    void afiseazaOptiuni(const Setari &setari); // every flag, the path left alone
    void salveaza();
    void reset();
    void cauta();

    Sesiune &sesiune_;
    bool centrat_ = false;

    QTabWidget *tabSetari_ = nullptr;

    QCheckBox *chkSalveazaSetariSpatiuLucru_ = nullptr;
    QCheckBox *chkConfirmareaInchidere_ = nullptr;
    QCheckBox *chkConfirmareStergere_ = nullptr;

    QLineEdit *txtCaleFoxPRO_ = nullptr;
    QPushButton *cmdCauta_ = nullptr;

    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    QRadioButton *option3_ = nullptr;
    QCheckBox *chkScrierePrescurtata_ = nullptr;
    QCheckBox *chkInsereazaDataOra_ = nullptr;
    QCheckBox *chkIncludeComentariile_ = nullptr;
    QCheckBox *chkAnulArePatruCifre_ = nullptr;
    QRadioButton *optFormatZLA_ = nullptr;
    QRadioButton *optFormatLZA_ = nullptr;

    QCheckBox *chkMarcajTabelaLucru_ = nullptr;
    QCheckBox *chkUmbraImplicit_ = nullptr;
    QCheckBox *chkFerestrePatrate_ = nullptr;
    QCheckBox *chkPastreazaUmbraInEcran_ = nullptr;
    QRadioButton *optCentrazaObiectulOrizontal_ = nullptr;
    QRadioButton *optCentreazaObiectulVertical_ = nullptr;
};
