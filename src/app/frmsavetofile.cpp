#include "frmsavetofile.h"

#include "app/filebrowse.h"
#include "codegen/fisierprogram.h"
#include "formbase/uiutil.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString ExtensieProgram = QStringLiteral(".PRG");

QString titluEroare()
{
    return QStringLiteral("Eroare salvare fisier!");
}

} // namespace

bool ValidatorNumeFisier::caracterPermis(QChar c)
{
    static const QString interzise = QStringLiteral("/\\:*?\"<>|");
    return c.category() != QChar::Other_Control && !interzise.contains(c);
}

QValidator::State ValidatorNumeFisier::validate(QString &input, int &pos) const
{
    // Rebuilt character by character so the cursor keeps its place among
    // the characters that stay; upper-casing one character at a time never
    // lengthens the name past the box's limit.
    QString curat;
    curat.reserve(input.size());
    int cursor = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (!caracterPermis(c)) {
            if (i < pos)
                --cursor;
            continue;
        }
        curat.append(c.isLower() ? c.toUpper() : c);
    }
    input = curat;
    pos = qBound(0, cursor, int(curat.size()));
    return Acceptable;
}

void ValidatorNumeFisier::fixup(QString &input) const
{
    int pos = int(input.size());
    validate(input, pos);
}

FrmSaveToFile::FrmSaveToFile(QListWidget *linii, QWidget *parent)
    : QDialog(parent)
    , linii_(linii)
{
    setObjectName(QStringLiteral("frmSaveToFile"));
    setWindowTitle(QStringLiteral("Salveaza codul in fisier"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *lblNume = new QLabel(QStringLiteral("Nume fisier:"), this);
    txtNumeFisier_ = new QLineEdit(this);
    txtNumeFisier_->setObjectName(QStringLiteral("txtNumeFisier"));
    txtNumeFisier_->setMaxLength(LungimeMaximaNume);
    txtNumeFisier_->setValidator(new ValidatorNumeFisier(txtNumeFisier_));
    // Room for the longest name, so the whole of it stays in sight.
    txtNumeFisier_->setMinimumWidth(
        txtNumeFisier_->fontMetrics().horizontalAdvance(QString(LungimeMaximaNume, QLatin1Char('W'))) + 16);
    auto *lblExtensie = new QLabel(ExtensieProgram, this);

    File_ = new QListWidget(this);
    File_->setObjectName(QStringLiteral("File"));
    Drive_ = new ListaDiscuri(this);
    Drive_->setObjectName(QStringLiteral("Drive"));
    Dir_ = new ListaDosare(this);
    Dir_->setObjectName(QStringLiteral("Dir"));

    cmdSalveaza_ = new QPushButton(QStringLiteral("&Salveaza"), this);
    cmdSalveaza_->setObjectName(QStringLiteral("cmdSalveaza"));
    cmdSalveaza_->setEnabled(false);
    cmdAnuleaza_ = new QPushButton(QStringLiteral("&Anuleaza"), this);
    cmdAnuleaza_->setObjectName(QStringLiteral("cmdAnuleaza"));

    auto *randNume = new QHBoxLayout;
    randNume->addWidget(lblNume);
    randNume->addWidget(txtNumeFisier_);
    randNume->addWidget(lblExtensie);

    auto *butoane = new QVBoxLayout;
    butoane->addWidget(cmdSalveaza_);
    butoane->addWidget(cmdAnuleaza_);
    butoane->addStretch();

    auto *grila = new QGridLayout(this);
    grila->addLayout(randNume, 0, 0);
    grila->addWidget(File_, 1, 0, 2, 1);
    grila->addWidget(Drive_, 0, 1);
    grila->addWidget(Dir_, 1, 1, 2, 1);
    grila->addLayout(butoane, 0, 2, 3, 1);
    grila->setColumnStretch(0, 1);
    grila->setColumnStretch(1, 1);

    setTabOrder(txtNumeFisier_, File_);
    setTabOrder(File_, Drive_);
    setTabOrder(Drive_, Dir_);
    setTabOrder(Dir_, cmdSalveaza_);
    setTabOrder(cmdSalveaza_, cmdAnuleaza_);
    txtNumeFisier_->setFocus();
    // Enter in the name box saves once there is a name to save under.
    butonImplicit(this, cmdSalveaza_);
    setFixedSize(560, 300);

    connect(Drive_, &QComboBox::currentIndexChanged, this, &FrmSaveToFile::schimbaDiscul);
    connect(Dir_, &ListaDosare::pathChanged, this, &FrmSaveToFile::schimbaDosarul);
    connect(File_, &QListWidget::itemClicked, this, &FrmSaveToFile::alegeFisier);
    connect(txtNumeFisier_, &QLineEdit::textChanged, this, &FrmSaveToFile::numeSchimbat);
    connect(cmdSalveaza_, &QPushButton::clicked, this, &FrmSaveToFile::salveaza);
    connect(cmdAnuleaza_, &QPushButton::clicked, this, &QDialog::reject);

    Dir_->setPath(QDir::currentPath());
}

QString FrmSaveToFile::caleFisier() const
{
    return joinPath(Dir_->path(), txtNumeFisier_->text().trimmed() + ExtensieProgram);
}

void FrmSaveToFile::keyPressEvent(QKeyEvent *event)
{
    // Enter in the folder list has opened a folder: it is not a save.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        Dir_->isAncestorOf(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmSaveToFile::schimbaDiscul()
{
    const QString radacina = Drive_->drive();
    const QFileInfo info(radacina);
    if (!info.isDir() || !info.isReadable()) {
        mesajCritic(this, titluEroare(),
                    QStringLiteral("Discul %1 nu poate fi citit!").arg(QDir::toNativeSeparators(radacina)));
        // Back to the volume of the folder still shown.
        const QSignalBlocker blocare(Drive_);
        Drive_->setDriveFor(Dir_->path());
        return;
    }
    Dir_->setPath(radacina);
}

void FrmSaveToFile::schimbaDosarul(const QString &cale)
{
    {
        // Walking into another volume's folder moves the drive line along.
        const QSignalBlocker blocare(Drive_);
        Drive_->setDriveFor(cale);
    }
    File_->clear();
    const QStringList programe =
        QDir(cale).entryList({QStringLiteral("*.prg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    File_->addItems(programe);
}

void FrmSaveToFile::alegeFisier(QListWidgetItem *item)
{
    if (!item)
        return;
    // The validator upper-cases and drops what a name cannot hold.
    txtNumeFisier_->setText(item->text().section(QLatin1Char('.'), 0, 0).toUpper());
}

void FrmSaveToFile::numeSchimbat(const QString &text)
{
    cmdSalveaza_->setEnabled(!text.trimmed().isEmpty());
}

void FrmSaveToFile::salveaza()
{
    if (txtNumeFisier_->text().trimmed().isEmpty())
        return;
    const QString cale = caleFisier();

    QStringList linii;
    for (int i = 0; i < linii_->count(); ++i)
        linii << linii_->item(i)->text();
    // Everything is encoded before the file is touched, so a line the code
    // page cannot hold leaves no file behind.
    QString problema;
    int linie = 0;
    const std::optional<QByteArray> continut = FisierProgram::codifica(linii, &problema, &linie);
    if (!continut) {
        linii_->setCurrentRow(linie);
        mesajCritic(this, titluEroare(), problema + QStringLiteral("\nFisierul nu a fost salvat."));
        return;
    }
    // Enter twice must not replace a program: Nu is the button Enter presses.
    if (QFileInfo::exists(cale) &&
        mesaj(this, QMessageBox::Question, windowTitle(),
              QStringLiteral("Fisierul %1 exista deja. Il inlocuiti?").arg(QFileInfo(cale).fileName()),
              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!FisierProgram::scrie(cale, *continut, &problema)) {
        mesajCritic(this, titluEroare(),
                    QStringLiteral("Fisierul %1 nu a putut fi salvat:\n%2")
                        .arg(QDir::toNativeSeparators(cale), problema));
        return;
    }

    if (linii_->count() > 0)
        linii_->setCurrentRow(linii_->count() - 1);
    accept();
}
