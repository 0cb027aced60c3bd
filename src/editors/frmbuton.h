#pragma once

#include "editors/editorobiect.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class FiltruCaseta;
class UpDown;

// The push-button editor: the prompts of a bar of buttons, the variable
// that receives the choice, the width and height of a button, a comment.
// Every change is written into the object at once.
class FrmButon : public EditorObiect
{
    Q_OBJECT

public:
    static constexpr int LatimeMinima = 3;
    static constexpr int LatimeImplicita = 10;
    static constexpr int InaltimeMinima = 1;
    static constexpr int InaltimeMaxima = 3;

    explicit FrmButon(Sesiune &sesiune, QWidget *parent = nullptr);

    // Cancel, Esc and the close box: an existing object gets back the
    // record it had at opening; a new one is discarded.
    void reject() override;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // What the editor showed at opening; Reset puts it back.
    struct Stare {
        QStringList prompturi;
        QString variabila;
        int latime = LatimeImplicita;
        int inaltime = InaltimeMinima;
        QString comentariu;
        QString valoare;
        QString textAfisat;
    };

    void construiesteControalele();
    void incarca();
    void afiseaza(const Stare &s);
    void txtText_Change();
    void txtVariabilaButon_Change();
    void txtVariabilaButon_LostFocus();
    void txtLatimeButon_Change();
    void txtInaltimeButon_Change();
    void txtComentariu_Change();
    void cmdAdauga_Click();
    void cmdScoate_Click();
    void cmdStergeTot_Click();
    void cmdAplica_Click();
    void cmdReset_Click();
    void reconstruiesteBara();
    void activeazaBara(bool on);
    QStringList prompturi() const;

    QLineEdit *txtText_ = nullptr;
    QPushButton *cmdAdauga_ = nullptr;
    QPushButton *cmdScoate_ = nullptr;
    QPushButton *cmdStergeTot_ = nullptr;
    QListWidget *lstButoane_ = nullptr;
    QLineEdit *txtVariabilaButon_ = nullptr;
    QLineEdit *txtLatimeButon_ = nullptr;
    UpDown *updLatimeButon_ = nullptr;
    QLabel *lblLatimeButon_ = nullptr;
    QLineEdit *txtInaltimeButon_ = nullptr;
    UpDown *updInaltimeButon_ = nullptr;
    QLabel *lblInaltimeButon_ = nullptr;
    QPlainTextEdit *txtComentariu_ = nullptr;
    QPushButton *cmdAplica_ = nullptr;
    QPushButton *cmdReset_ = nullptr;
    QPushButton *cmdAnuleaza_ = nullptr;
    FiltruCaseta *filtruText_ = nullptr;
    FiltruCaseta *filtruVariabila_ = nullptr;

    int latimeMaxima_ = LatimeImplicita;
    // Set once Apply or Cancel has run: hiding the dialog takes the focus
    // from the variable box, and by then the palette may have selected
    // another object.
    bool inchis_ = false;
    Stare deschis_;
};
