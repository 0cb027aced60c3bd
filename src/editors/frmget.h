#pragma once

#include "editors/editorobiect.h"

#include <QList>

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
    static constexpr int LungimeNumeMaxima = 11;
    static constexpr int LungimeComentariuMaxima = 150;

    explicit FrmGet(Sesiune &sesiune, QWidget *parent = nullptr);

    void reject() override;

    // The one item of the date list, by the settings.
    static QString mascaData(const Setari &setari);
    // A numeric default value as FoxPro reads it: the leading number of the
    // text, without leading zeros or trailing decimal zeros, with a point.
    static QString valoareNumerica(const QString &text);
    // What the work table shows for a name: padded with blanks up to
    // lungime, or cut to its first taiere characters.
    static QString textAfisat(const QString &nume, int lungime, int taiere);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    enum class Tip { Text, Numeric, Data, Logic };
    class FiltruCaractere;

    // A check box and the flag it sets.
    struct Optiune {
        QCheckBox *caseta;
        Flag Obiect::*flag;
    };

    void construiesteControalele();
    QWidget *construiestePaginaFunction();
    QWidget *construiestePaginaPicture();
    QCheckBox *adaugaOptiune(QWidget *pagina, const char *nume, const QString &text, Flag Obiect::*flag);
    void legaGrupuri();

    // Loading: the defaults every opening starts from, then a stored record.
    void valoriDeDeschidere();
    void incarca(const Obiect &o, const QString &nume);
    void selecteaza(QRadioButton *optiune);
    void seteazaFaraFiltru(QLineEdit *caseta, const QString &text);
    FiltruCaractere *filtrul(QLineEdit *caseta) const;

    void alegeTip(Tip tip);
    void optVariabila_Click();
    void optCamp_Click();
    void txtNume_Change();
    void txtLungime_Change();
    void txtValoareImplicita_Change();
    void cmbValoareImplicita_Click(int index);
    void txtComentariu_Change();
    void lungimeInJos();
    void lungimeInSus();
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
    QString comentariuAnterior_;
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
    FiltruCaractere *filtruNume_ = nullptr;
    FiltruCaractere *filtruLungime_ = nullptr;
    FiltruCaractere *filtruValoare_ = nullptr;

    QCheckBox *chkFNumereDreapta_ = nullptr;
    QCheckBox *chkFTextCentrat_ = nullptr;
    QCheckBox *chkFTextStanga_ = nullptr;
    QCheckBox *chkFSelecteazaContinutul_ = nullptr;
    QCheckBox *chkFAcceptaNumaiAlfabetice_ = nullptr;
    QCheckBox *chkFEliminaSpatiile_ = nullptr;
    QCheckBox *chkFConvertesteMajuscule_ = nullptr;
    QCheckBox *chkFPrecedeCifreZerouri_ = nullptr;
    QCheckBox *chkFAfiseazaBLANK_ = nullptr;
    QCheckBox *chkFNotatiaStiintifica_ = nullptr;
    QCheckBox *chkFNotatiaCuMoneda_ = nullptr;
    QCheckBox *chkFFormatuSETDATE_ = nullptr;
    QCheckBox *chkPCifreLitere_ = nullptr;
    QCheckBox *chkPAcceptaNumaiCifreSiSemn_ = nullptr;
    QCheckBox *chkPAcceptaNumaiCifreBlankSiSemn_ = nullptr;
    QCheckBox *chkPLogice_ = nullptr;
    QList<Optiune> optiuni_;
};
