#pragma once

#include <QDialog>
#include <QString>
#include <QValidator>

class ListaDiscuri;
class ListaDosare;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The file name box's filter: lower-case letters become upper case, and the
// characters a file name cannot hold are dropped, typed or pasted alike.
class ValidatorNumeFisier : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    static bool caracterPermis(QChar c);
};

// Saves the code viewer's lines as a FoxPro program: NAME.PRG in the chosen
// folder, Windows-1250, CR LF after every line.
class FrmSaveToFile : public QDialog
{
    Q_OBJECT

public:
    static constexpr int LungimeMaximaNume = 8;

    // linii is the viewer's line list: read when saving, and left with its
    // last line selected afterwards.
    explicit FrmSaveToFile(QListWidget *linii, QWidget *parent = nullptr);

    // The path the name box's text would be saved to.
    QString caleFisier() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void schimbaDiscul();
    void schimbaDosarul(const QString &cale);
    void alegeFisier(QListWidgetItem *item);
    void numeSchimbat(const QString &text);
    void salveaza();

    QListWidget *linii_;
    ListaDiscuri *Drive_;
    ListaDosare *Dir_;
    QListWidget *File_;
    QLineEdit *txtNumeFisier_;
    QPushButton *cmdSalveaza_;
    QPushButton *cmdAnuleaza_;
};
