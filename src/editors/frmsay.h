#pragma once

#include "editors/editorobiect.h"

class FiltruCaseta;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The @ SAY editor: a literal text or a variable name, and a comment.
class FrmSay : public EditorObiect
{
    Q_OBJECT

public:
    explicit FrmSay(Sesiune &sesiune, QWidget *parent = nullptr);

private:
    void construiesteControalele();
    void incarca();
    void chkAfiseazaVariabila_Click();
    void cmdAplica_Click();
    void cmdReset_Click();
    void txtComentariu_Change();
    void actualizeazaAplica();

    QLabel *lblText_ = nullptr;
    QLineEdit *txtText_ = nullptr;
    QLabel *lblLungimeText_ = nullptr;
    QCheckBox *chkAfiseazaVariabila_ = nullptr;
    QLabel *lblNumeVariabila_ = nullptr;
    QLineEdit *txtNumeVariabila_ = nullptr;
    QPlainTextEdit *txtComentariu_ = nullptr;
    QPushButton *cmdAplica_ = nullptr;
    QPushButton *cmdReset_ = nullptr;
    QPushButton *cmdAnuleaza_ = nullptr;
    FiltruCaseta *filtruText_ = nullptr;
    FiltruCaseta *filtruNume_ = nullptr;

    QString textInitial_;
    QString comentariuInitial_;
};
