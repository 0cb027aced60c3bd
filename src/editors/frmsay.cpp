#include "frmsay.h"

#include "editors/filtrucaseta.h"
#include "formbase/uiutil.h"
#include "model/modelproiect.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmSay::FrmSay(Sesiune &sesiune, QWidget *parent)
    : EditorObiect(sesiune, QStringLiteral("frmSay"), QStringLiteral("@ SAY"), parent)
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    construiesteControalele();
    butonImplicit(this, cmdAplica_);
    setFixedSize(sizeHint());
    incarca();
}

void FrmSay::construiesteControalele()
{
    // Left side: a white panel with the editor's name and two hints.
    QFrame *shape1 = panouStang(
        200, "Image5", ":/images/say.png", "Label7", QStringLiteral("@ SAY"),
        {{"Label4", "Label5",
          QStringLiteral(
              "Obiectele de tip @SAY sunt folosite pentru a afisa informatii (texte, valori) pe ecran.")},
         {"Label6", "Label3",
          QStringLiteral("Nu se pot introduce texte care sa depaseasca latimea ferestrei active.")}});
    shape1->setFrameShape(QFrame::Box);

    // Right side: the fields, then the buttons.
    auto *frame1 = numit(new QFrame(this), "Frame1");
    frame1->setFrameShape(QFrame::StyledPanel);
    lblText_ = eticheta("lblText", QStringLiteral("Text:"), frame1);
    txtText_ = numit(new QLineEdit(frame1), "txtText");
    txtText_->setMinimumWidth(330);
    lblLungimeText_ = eticheta("lblLungimeText", QString(), frame1);
    chkAfiseazaVariabila_ = numit(new QCheckBox(QStringLiteral("Afiseaza continutul unei variabile"), frame1),
                                  "chkAfiseazaVariabila");
    lblNumeVariabila_ = eticheta("lblNumeVariabila", QStringLiteral("Nume variabila:"), frame1);
    lblNumeVariabila_->setEnabled(false);
    txtNumeVariabila_ = numit(new QLineEdit(frame1), "txtNumeVariabila");
    txtNumeVariabila_->setMaxLength(Reguli::LungimeNume);
    txtNumeVariabila_->setEnabled(false);
    auto *label2 = eticheta("Label2", QStringLiteral("Comentariu:"), frame1);
    txtComentariu_ = casetaComentariu(frame1, 70);

    filtruText_ = new FiltruCaseta(txtText_, Reguli::Filtru::Text);
    filtruNume_ = new FiltruCaseta(txtNumeVariabila_, Reguli::Filtru::Nume);
    // A drop into the name would be cut to its length before it is filtered.
    txtNumeVariabila_->setAcceptDrops(false);

    auto *campuri = new QGridLayout(frame1);
    campuri->addWidget(lblText_, 0, 0);
    campuri->addWidget(txtText_, 0, 1);
    campuri->addWidget(lblLungimeText_, 1, 1);
    campuri->addWidget(chkAfiseazaVariabila_, 2, 0, 1, 2);
    campuri->addWidget(lblNumeVariabila_, 3, 0);
    auto *nume = new QHBoxLayout;
    txtNumeVariabila_->setFixedWidth(txtNumeVariabila_->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                                     12);
    nume->addWidget(txtNumeVariabila_);
    nume->addStretch(1);
    campuri->addLayout(nume, 3, 1);
    campuri->addWidget(label2, 4, 0, 1, 2);
    campuri->addWidget(txtComentariu_, 5, 0, 1, 2);
    campuri->setRowMinimumHeight(2, chkAfiseazaVariabila_->sizeHint().height() + 6);

    auto *frame2 = numit(new QFrame(this), "Frame2");
    frame2->setFrameShape(QFrame::StyledPanel);
    cmdAplica_ = numit(new QPushButton(QStringLiteral("Aplica"), frame2), "cmdAplica");
    cmdAplica_->setEnabled(false);
    cmdReset_ = numit(new QPushButton(QStringLiteral("Reset"), frame2), "cmdReset");
    cmdAnuleaza_ = numit(new QPushButton(QStringLiteral("Anuleaza"), frame2), "cmdAnuleaza");
    auto *butoane = new QHBoxLayout(frame2);
    butoane->addStretch(1);
    butoane->addWidget(cmdAplica_);
    butoane->addWidget(cmdReset_);
    butoane->addWidget(cmdAnuleaza_);

    auto *dreapta = new QVBoxLayout;
    dreapta->addWidget(frame1, 1);
    dreapta->addWidget(frame2);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(shape1);
    layout->addLayout(dreapta, 1);

    connect(chkAfiseazaVariabila_, &QCheckBox::toggled, this, &FrmSay::chkAfiseazaVariabila_Click);
    connect(txtText_, &QLineEdit::textChanged, this, &FrmSay::actualizeazaAplica);
    connect(txtNumeVariabila_, &QLineEdit::textChanged, this, &FrmSay::actualizeazaAplica);
    connect(txtComentariu_, &QPlainTextEdit::textChanged, this, &FrmSay::txtComentariu_Change);
    connect(cmdAplica_, &QPushButton::clicked, this, &FrmSay::cmdAplica_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &FrmSay::cmdReset_Click);
    connect(cmdAnuleaza_, &QPushButton::clicked, this, &FrmSay::reject);
}

void FrmSay::incarca()
{
    const int n = qMax(0, latimeFereastraActive() - 2);
    const Obiect o = obiect();
    // The box's own maximum length would cut a text that was written into
    // a wider window; the filter limits only what is typed from now on.
    filtruText_->setLimita(n);
    lblLungimeText_->setText(QStringLiteral("(max. %1 caractere)").arg(n));
    if (isSet(o.Variabila)) {
        chkAfiseazaVariabila_->setChecked(true);
        filtruNume_->seteaza(o.Nume);
        txtText_->setMaxLength(qMax(1, n));
    } else {
        txtText_->setMaxLength(qMax(qMax(1, n), int(o.Nume.size())));
        filtruText_->seteaza(o.Nume);
    }
    // Stored comments came through a box of the same limit; the limiter
    // still cuts anything longer.
    txtComentariu_->setPlainText(o.Comentariu);
    textInitial_ = txtText_->text();
    comentariuInitial_ = txtComentariu_->toPlainText();
    actualizeazaAplica();
    if (chkAfiseazaVariabila_->isChecked())
        txtNumeVariabila_->setFocus();
    else
        txtText_->setFocus();
}

void FrmSay::chkAfiseazaVariabila_Click()
{
    const bool variabila = chkAfiseazaVariabila_->isChecked();
    txtNumeVariabila_->setEnabled(variabila);
    lblNumeVariabila_->setEnabled(variabila);
    txtText_->setEnabled(!variabila);
    lblLungimeText_->setEnabled(!variabila);
    lblText_->setEnabled(!variabila);
    if (!variabila)
        txtText_->setFocus();
    else
        txtNumeVariabila_->setFocus();
    actualizeazaAplica();
    model().seteazaIndicator(numarObiect(), &Obiect::Variabila, variabila);
}

void FrmSay::actualizeazaAplica()
{
    // Only the box that Apply would store counts: an empty name or text
    // gives a line that does not compile.
    const QLineEdit *activa = chkAfiseazaVariabila_->isChecked() ? txtNumeVariabila_ : txtText_;
    cmdAplica_->setEnabled(!activa->text().isEmpty());
}

void FrmSay::txtComentariu_Change()
{
    model().seteazaText(numarObiect(), &Obiect::Comentariu, txtComentariu_->toPlainText());
}

void FrmSay::cmdAplica_Click()
{
    const QString valoare = chkAfiseazaVariabila_->isChecked() ? txtNumeVariabila_->text() : txtText_->text();
    if (valoare.isEmpty())
        return;
    model().seteazaTextSay(numarObiect(), valoare);
    incheieAplicarea();
}

void FrmSay::cmdReset_Click()
{
    txtComentariu_->setPlainText(comentariuInitial_);
    filtruText_->seteaza(textInitial_);
}
