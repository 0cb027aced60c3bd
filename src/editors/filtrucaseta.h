#pragma once

#include "model/reguli.h"

#include <QClipboard>
#include <QValidator>

class QLineEdit;
class QWidget;

// Names, in a tip under the box, the first character of refuzat that a
// program file cannot hold; nothing when there is none. A box drops such a
// character as it drops any other it refuses, and says why, without
// stopping the typing with a message box.
void semnaleazaCaracter(QWidget *caseta, const QString &refuzat);

// Keeps what reaches a one-line box within a rule, however it arrives:
// typed, pasted (keys, context menu, middle button) or dropped. Refused
// characters are left out, the rest goes in. Text that the program puts in
// through seteaza() is taken whole. A character a program file cannot hold
// is named in a tip (semnaleazaCaracter).
class FiltruCaseta : public QValidator
{
    Q_OBJECT

public:
    // Installs itself on caseta as its validator and event filter.
    FiltruCaseta(QLineEdit *caseta, Reguli::Filtru regula);

    void setRegula(Reguli::Filtru regula) { regula_ = regula; }
    // No edit makes the text longer than n characters, nor longer than it
    // already is; -1 lifts the limit. Unlike QLineEdit::setMaxLength this
    // never cuts a longer text that is already there.
    void setLimita(int n) { limita_ = n; }

    // Puts text into the box as the program's own value: no rule applies.
    void seteaza(const QString &text);

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // Whether what is inserted now would be the box's first character.
    bool goala() const;
    bool incepePermis(const QString &text) const;
    // Room left for new characters when the text, the selection taken out,
    // has lungimeBaza characters and had lungimeAnterioara before.
    int loc(int lungimeBaza, int lungimeAnterioara) const;
    void lipeste(QClipboard::Mode mod);

    QLineEdit *caseta_;
    Reguli::Filtru regula_;
    int limita_ = -1;
    QString anterior_;
    bool liber_ = false;
};
