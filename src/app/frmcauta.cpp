#include "frmcauta.h"

#include "app/filebrowse.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "model/cp1250.h"
#include "model/optionsfile.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString CaleNealeasa = QStringLiteral("...");
const QString TitluRefuz = QStringLiteral("Cale neacceptata!");

} // namespace

FrmCauta::FrmCauta(Sesiune &sesiune, QLineEdit *txtCaleFoxPRO, QWidget *parent)
    : QDialog(parent)
    , sesiune_(sesiune)
    , txtCaleFoxPRO_(txtCaleFoxPRO)
{
    setObjectName(QStringLiteral("frmCauta"));
    setWindowTitle(QStringLiteral("Cauta..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    drvDiscuri_ = new ListaDiscuri(this);
    drvDiscuri_->setObjectName(QStringLiteral("drvDiscuri"));
    dirDirectoare_ = new ListaDosare(this);
    dirDirectoare_->setObjectName(QStringLiteral("dirDirectoare"));
    filFoxPro_ = new QListWidget(this);
    filFoxPro_->setObjectName(QStringLiteral("filFoxPro"));
    auto *label1 = new QLabel(QStringLiteral("Cale:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    lblCale_ = new QLabel(CaleNealeasa, this);
    lblCale_->setObjectName(QStringLiteral("lblCale"));
    // A long path must not stretch a fixed dialog; the tool tip shows it whole.
    lblCale_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblCale_->setFrameShape(QFrame::StyledPanel);
    cmdSelecteaza_ = new QPushButton(QStringLiteral("Selecteaza"), this);
    cmdSelecteaza_->setObjectName(QStringLiteral("cmdSelecteaza"));
    cmdSelecteaza_->setEnabled(false);
    auto *cmdRenunta = new QPushButton(QStringLiteral("Renunta"), this);
    cmdRenunta->setObjectName(QStringLiteral("cmdRenunta"));

    connect(drvDiscuri_, &QComboBox::currentIndexChanged, this, &FrmCauta::schimbaDiscul);
    connect(dirDirectoare_, &ListaDosare::pathChanged, this, &FrmCauta::schimbaDosarul);
    connect(filFoxPro_, &QListWidget::itemClicked, this, &FrmCauta::clickFisier);
    connect(cmdSelecteaza_, &QPushButton::clicked, this, &FrmCauta::selecteaza);
    connect(cmdRenunta, &QPushButton::clicked, this, &FrmCauta::reject);

    auto *stanga = new QVBoxLayout;
    stanga->addWidget(drvDiscuri_);
    stanga->addWidget(dirDirectoare_, 1);
    auto *liste = new QHBoxLayout;
    liste->addLayout(stanga, 1);
    liste->addWidget(filFoxPro_, 1);

    auto *cale = new QHBoxLayout;
    cale->addWidget(label1);
    cale->addWidget(lblCale_, 1);

    auto *butoane = new QHBoxLayout;
    butoane->addStretch(1);
    butoane->addWidget(cmdSelecteaza_);
    butoane->addWidget(cmdRenunta);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(liste, 1);
    layout->addLayout(cale);
    layout->addLayout(butoane);

    dirDirectoare_->setPath(QDir::currentPath());

    // Enter selects once a FoxPro executable has been chosen.
    butonImplicit(this, cmdSelecteaza_);
    setFixedSize(qMax(sizeHint().width(), 460), qMax(sizeHint().height(), 300));
}

bool FrmCauta::potrivesteModelul(const QString &fileName)
{
    static const QRegularExpression model(QStringLiteral("^foxpro.?\\.exe$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return model.match(fileName).hasMatch();
}

bool FrmCauta::esteFoxPro(const QString &fileName)
{
    return fileName.compare(QLatin1String("FOXPRO.EXE"), Qt::CaseInsensitive) == 0 ||
           fileName.compare(QLatin1String("FOXPROX.EXE"), Qt::CaseInsensitive) == 0;
}

void FrmCauta::keyPressEvent(QKeyEvent *event)
{
    // Enter in the folder list has opened a folder: it selects nothing.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        dirDirectoare_->isAncestorOf(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmCauta::schimbaDiscul()
{
    if (drvDiscuri_->currentIndex() < 0)
        return;
    dirDirectoare_->setPath(drvDiscuri_->drive());
}

void FrmCauta::schimbaDosarul(const QString &folder)
{
    dosarFisiere_ = folder;
    filFoxPro_->clear();
    QStringList nume;
    const QStringList fisiere = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &f : fisiere) {
        if (potrivesteModelul(f))
            nume.append(f);
    }
    // Letter case aside first, so FOXPRO.EXE and foxpro.exe sit together;
    // then exactly, so the order never depends on the directory's.
    std::sort(nume.begin(), nume.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    filFoxPro_->addItems(nume);
}

void FrmCauta::clickFisier(QListWidgetItem *item)
{
    // Another name leaves the path chosen before, and the button, as they were.
    if (!item || !esteFoxPro(item->text()))
        return;
    const QString cale = joinPath(dosarFisiere_, item->text());
    lblCale_->setText(cale);
    lblCale_->setToolTip(cale);
    cmdSelecteaza_->setEnabled(true);
}

void FrmCauta::selecteaza()
{
    const QString cale = lblCale_->text();
    // The options record holds the path in one byte a character, in at most
    // 88 bytes: a path it cannot keep is refused here rather than lost later.
    if (cale.size() > OptionsFile::MaxPathLength) {
        mesajCritic(this, TitluRefuz,
                    QStringLiteral("Calea aleasa are %1 caractere, iar fisierul de optiuni poate retine "
                                   "cel mult %2.\nAlegeti Fox PRO dintr-un dosar cu o cale mai scurta.")
                        .arg(cale.size())
                        .arg(OptionsFile::MaxPathLength));
        return;
    }
    QString caracter;
    if (!Cp1250::encode(cale, &caracter)) {
        mesajCritic(this, TitluRefuz,
                    QStringLiteral("Calea aleasa contine caracterul \"%1\", care nu poate fi retinut in "
                                   "fisierul de optiuni.\nAlegeti Fox PRO dintr-un dosar al carui nume nu "
                                   "contine acest caracter.")
                        .arg(caracter));
        return;
    }

    // Stored in memory only: the file follows when the settings are saved.
    sesiune_.model.setari().CaleFoxPRO = cale;
    if (txtCaleFoxPRO_)
        txtCaleFoxPRO_->setText(cale);
    accept();
}

void FrmCauta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (centrat_)
        return;
    centrat_ = true;
    QRect zona;
    if (QWidget *owner = parentWidget())
        zona = owner->window()->frameGeometry();
    else if (QScreen *ecran = screen())
        zona = ecran->availableGeometry();
    if (zona.isValid()) {
        QRect r = frameGeometry();
        r.moveCenter(zona.center());
        move(r.topLeft());
    }
}
