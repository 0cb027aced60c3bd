#pragma once

#include "editors/editorobiect.h"

#include <QList>

class FiltruCaseta;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class UpDown;

// The @GET editor: variable or field, name, data type, length, default
// value, comment and the FUNCTION / PICTURE check boxes of the selected
// object. Every change is written through to the record at once; Cancel of
// an existing object puts the record back as it was at opening.
class FrmGet : public EditorObiect
{
    Q_OBJECT

public:
    explicit FrmGet(Sesiune &sesiune, QWidget *parent = nullptr);

    void reject() override;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    enum class Tip { Text, Numeric, Data, Logic };

    // A check box and the flag it sets.
    struct Optiune {
        QCheckBox *caseta;
        Flag Obiect::*flag;
    };

    void construiesteControalele();
    // The check box of an option.
    QCheckBox *casetaOptiunii(Flag Obiect::*flag) const;
    void legaGrupuri();

    // Loading: the defaults every opening starts from, then a stored record.
    void valoriDeDeschidere();
    void incarca(const Obiect &o, const QString &nume);
    void selecteaza(QRadioButton *optiune);

    void alegeTip(Tip tip);
    // A variable takes a default value, a field does not.
    void alegeDestinatia(bool variabila);
    void txtNume_Change();
    void txtLungime_Change();
    void txtValoareImplicita_Change();
    void cmbValoareImplicita_Click(int index);
    void txtComentariu_Change();
    void bifeaza(QCheckBox *caseta, bool bifat);
    void stareCaseta(QCheckBox *caseta, bool activa, int bifa);
    void cmdAplica_Click();
    void cmdReset_Click();

    // Focus-loss rules, also run by Apply so a pending edit is settled.
    void limiteazaLungimea();
    void normalizeazaValoarea();

    int valoareLungime() const;
    bool activ() const { return !inchis_; }

    int lungimeMaxima_ = 1;
    // The record as it was before the editor touched it (Cancel of an
    // existing object), and as the editor showed it once open (Reset).
    Obiect laDeschidere_;
    QString numeLaDeschidere_;
    // Set once Apply or Cancel starts: the selection may move to another
    // object then, and late focus events must not write into it.
    bool inchis_ = false;

    QRadioButton *optIntroduceInVariabila_ = nullptr;
    QRadioButton *optIntroduceInCamp_ = nullptr;
    QRadioButton *optNumeric_ = nullptr;
    QRadioButton *optText_ = nullptr;
    QRadioButton *optData_ = nullptr;
    QRadioButton *optLogic_ = nullptr;
    QButtonGroup *grupDestinatie_ = nullptr;
    QButtonGroup *grupTip_ = nullptr;
    QLabel *lblVariabila_ = nullptr;
    QLineEdit *txtNumaVariabila_ = nullptr;
    QLineEdit *txtLungime_ = nullptr;
    UpDown *updLungime_ = nullptr;
    QLabel *lblLungime_ = nullptr;
    QLabel *lblValoareImplicita_ = nullptr;
    QLineEdit *txtValoareImplicita_ = nullptr;
    QComboBox *cmbValoareImplicita_ = nullptr;
    QComboBox *cmbValoareImplicitaData_ = nullptr;
    QPlainTextEdit *txtComentariu_ = nullptr;
    QTabWidget *tabClauze_ = nullptr;
    QPushButton *cmdAplica_ = nullptr;
    QPushButton *cmdReset_ = nullptr;
    QPushButton *cmdAnuleaza_ = nullptr;
    FiltruCaseta *filtruNume_ = nullptr;
    FiltruCaseta *filtruLungime_ = nullptr;
    FiltruCaseta *filtruValoare_ = nullptr;

    QList<Optiune> optiuni_;
};
