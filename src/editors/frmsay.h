#pragma once

#include "editors/editorobiect.h"

#include <QClipboard>
#include <QValidator>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Keeps what reaches a one-line box within a rule, however it arrives:
// typed, pasted (keys, context menu, middle button) or dropped. Refused
// characters are left out, the rest goes in. Text that the program puts in
// through seteaza() is taken whole. The button editor uses it as well.
class FiltruCaseta : public QValidator
{
    Q_OBJECT

public:
    enum class Regula {
        Text,   // any printable character
        Nume,   // a FoxPro name: a letter or "_" into an empty box, then digits too
        Prompt, // printable, without ";", which separates the prompts of a button bar
    };

    // Installs itself on caseta as its validator and event filter.
    FiltruCaseta(QLineEdit *caseta, Regula regula);

    // No edit makes the text longer than n characters, nor longer than it
    // already is; -1 lifts the limit. Unlike QLineEdit::setMaxLength this
    // never cuts a longer text that is already there.
    void setLimita(int n) { limita_ = n; }
    int limita() const { return limita_; }

    // Puts text into the box as the program's own value: no rule applies.
    void seteaza(const QString &text);

    // Whether ch may be typed into the box; casetaGoala tells whether the
    // box is empty before it.
    bool acceptat(QChar ch, bool casetaGoala) const;

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QString filtreaza(const QString &adaugat, bool casetaGoala) const;
    // Room left for new characters when the text, the selection taken out,
    // has lungimeBaza characters and had lungimeAnterioara before.
    int loc(int lungimeBaza, int lungimeAnterioara) const;
    void lipeste(QClipboard::Mode mod);

    QLineEdit *caseta_;
    Regula regula_;
    int limita_ = -1;
    QString anterior_;
    bool liber_ = false;
};

// Holds a several-line box to a number of characters, whether typed,
// pasted or dropped: what goes past the limit is cut from the insertion.
class LimitaComentariu : public QObject
{
    Q_OBJECT

public:
    LimitaComentariu(QPlainTextEdit *caseta, int maxim);

private:
    void verifica();

    QPlainTextEdit *caseta_;
    int maxim_;
    int sfarsitInserare_ = 0;
    int adaugat_ = 0;
    bool taie_ = false;
};

// The @ SAY editor: a literal text or a variable name, and a comment.
class FrmSay : public EditorObiect
{
    Q_OBJECT

public:
    static constexpr int LungimeNumeVariabila = 11;
    static constexpr int LungimeComentariu = 150;

    explicit FrmSay(Sesiune &sesiune, QWidget *parent = nullptr);

    // Cancel, Esc and the close box: an existing object gets back the
    // record it had at opening; a new one is discarded.
    void reject() override;

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
    // The record as it was before the editor touched it, for Cancel.
};
