#include "frmget.h"

#include "app/uiutil.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

FrmGet::FrmGet(Sesiune &sesiune, QWidget *parent)
    : EditorObiect(sesiune, QStringLiteral("frmGet"), QStringLiteral("@ GET"), parent), txtNume_(new QLineEdit(this))
{
    txtNume_->setObjectName(QStringLiteral("txtNume"));
    txtNume_->setText(obiect().Nume);
    auto *aplica = new QPushButton(QStringLiteral("Aplica"), this);
    aplica->setObjectName(QStringLiteral("cmdAplica"));
    auto *anuleaza = new QPushButton(QStringLiteral("Anuleaza"), this);
    anuleaza->setObjectName(QStringLiteral("cmdAnuleaza"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(txtNume_);
    layout->addWidget(aplica);
    layout->addWidget(anuleaza);
    faraButonImplicit(this);
    connect(txtNume_, &QLineEdit::textChanged, this, [this, aplica] { aplica->setEnabled(!txtNume_->text().isEmpty()); });
    connect(aplica, &QPushButton::clicked, this, [this] {
        obiect().Nume = txtNume_->text();
        obiect().TextAfisat = txtNume_->text();
        incheieAplicarea();
    });
    connect(anuleaza, &QPushButton::clicked, this, &EditorObiect::reject);
}
