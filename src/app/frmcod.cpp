#include "frmcod.h"

#include "app/frmsavetofile.h"
#include "codegen/generator.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "windowpalette/frmferestre.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LatimeViewer = 640;
constexpr int InaltimeViewer = 480;
constexpr int LatimeBanner = 468;
constexpr int InaltimeBanner = 60;

void raporteazaFerestreLipsa(const QList<int> &ferestreLipsa, QWidget *parent)
{
    for (int i = 0; i < ferestreLipsa.size(); ++i)
        mesajCritic(parent, MesajeGenerare::fereastraLipsaTitlu(), MesajeGenerare::fereastraLipsaText());
}

} // namespace

FrmCod::FrmCod(Sesiune &sesiune, QWidget *parent)
    : QDialog(parent)
    , sesiune_(sesiune)
{
    setObjectName(QStringLiteral("frmCod"));
    setWindowTitle(QStringLiteral("Cod"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // Created in tab order: the line list comes first, so it holds the focus
    // when the viewer opens and the total is shown at once.
    lstCod_ = new QListWidget(this);
    lstCod_->setObjectName(QStringLiteral("lstCod"));
    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    lstCod_->setFont(courier);
    lstCod_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCod_->installEventFilter(this);

    chkIncludeStartingCode_ = new QCheckBox(QStringLiteral("Insereaza codul de inceput"), this);
    chkIncludeStartingCode_->setObjectName(QStringLiteral("chkIncludeStartingCode"));

    auto *lblLinia = new QLabel(QStringLiteral("Linia selectata:"), this);
    lblLiniaSelectata_ = new QLabel(QStringLiteral("0"), this);
    lblLiniaSelectata_->setObjectName(QStringLiteral("lblLiniaSelectata"));
    auto *lblTotal = new QLabel(QStringLiteral("Total linii:"), this);
    lblTotalLinii_ = new QLabel(QStringLiteral("0"), this);
    lblTotalLinii_->setObjectName(QStringLiteral("lblTotalLinii"));
    for (QLabel *l : {lblLiniaSelectata_, lblTotalLinii_})
        l->setMinimumWidth(40);

    cmdSalveaza_ = new QPushButton(QStringLiteral("&Salveaza in fisier"), this);
    cmdSalveaza_->setObjectName(QStringLiteral("cmdSalveaza"));
    cmdOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setMinimumWidth(90);

    imgBanner_ = new QLabel(this);
    imgBanner_->setObjectName(QStringLiteral("imgBanner"));
    imgBanner_->setFixedSize(LatimeBanner, InaltimeBanner);
    imgBanner_->setAlignment(Qt::AlignCenter);

    tmrBanner_ = new QTimer(this);
    tmrBanner_->setObjectName(QStringLiteral("tmrBanner"));
    tmrBanner_->setInterval(IntervalBannerMs);

    auto *randEtichete = new QHBoxLayout;
    randEtichete->addWidget(chkIncludeStartingCode_);
    randEtichete->addStretch();
    randEtichete->addWidget(lblLinia);
    randEtichete->addWidget(lblLiniaSelectata_);
    randEtichete->addSpacing(16);
    randEtichete->addWidget(lblTotal);
    randEtichete->addWidget(lblTotalLinii_);

    auto *randButoane = new QHBoxLayout;
    randButoane->addWidget(imgBanner_);
    randButoane->addStretch();
    auto *butoane = new QVBoxLayout;
    butoane->addWidget(cmdSalveaza_);
    butoane->addWidget(cmdOk_);
    randButoane->addLayout(butoane);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstCod_, 1);
    layout->addLayout(randEtichete);
    layout->addLayout(randButoane);

    setTabOrder(lstCod_, chkIncludeStartingCode_);
    setTabOrder(chkIncludeStartingCode_, cmdSalveaza_);
    setTabOrder(cmdSalveaza_, cmdOk_);
    lstCod_->setFocus();
    faraButonImplicit(this);
    setFixedSize(LatimeViewer, InaltimeViewer);

    // A line selected from code (saving walks the list) counts as a click.
    // Emptying the list, and the focus merely placing the cursor, select
    // nothing and leave the label as it was.
    connect(lstCod_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selectate = lstCod_->selectedItems();
        if (!selectate.isEmpty())
            lblLiniaSelectata_->setText(QString::number(lstCod_->row(selectate.first()) + 1));
    });
    // clicked, not toggled: clearing the box when the viewer opens must not
    // regenerate, only the user's click does.
    connect(chkIncludeStartingCode_, &QCheckBox::clicked, this, &FrmCod::regenereaza);
    connect(cmdSalveaza_, &QPushButton::clicked, this, &FrmCod::salveazaInFisier);
    connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(tmrBanner_, &QTimer::timeout, this, &FrmCod::urmatoareaImagineBanner);

    arataImagineBanner(1);
    tmrBanner_->start();
}

void FrmCod::genereazaCodProiect(Sesiune &sesiune, QWidget *parent)
{
    const std::optional<ProgramGenerat> program = ::genereazaCodProiect(sesiune.model.proiect());
    if (!program)
        return;
    FrmCod viewer(sesiune, parent);
    viewer.chkIncludeStartingCode_->setChecked(false);
    viewer.chkIncludeStartingCode_->setVisible(false);
    viewer.setLinii(program->linii);
    raporteazaFerestreLipsa(program->ferestreLipsa, parent);
    viewer.exec();
}

void FrmCod::genereazaCodFereastra(Sesiune &sesiune, int n, QWidget *parent)
{
    FrmCod viewer(sesiune, parent);
    viewer.chkIncludeStartingCode_->setChecked(false);
    viewer.chkIncludeStartingCode_->setVisible(true);
    const ProgramGenerat program = ::genereazaCodFereastra(sesiune.model.proiect(), n, false);
    viewer.setLinii(program.linii);
    raporteazaFerestreLipsa(program.ferestreLipsa, parent);
    viewer.exec();
}

void FrmCod::setLinii(const QStringList &linii)
{
    lstCod_->clear();
    lstCod_->addItems(linii);
}

QStringList FrmCod::linii() const
{
    QStringList rezultat;
    rezultat.reserve(lstCod_->count());
    for (int i = 0; i < lstCod_->count(); ++i)
        rezultat.append(lstCod_->item(i)->text());
    return rezultat;
}

bool FrmCod::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstCod_ && event->type() == QEvent::FocusIn)
        lblTotalLinii_->setText(QString::number(lstCod_->count()));
    return QDialog::eventFilter(watched, event);
}

void FrmCod::regenereaza()
{
    // The window palette is behind this modal viewer, so its selection is
    // still the window the viewer was opened for.
    const int n = sesiune_.model.fereastraActiva();
    const ProgramGenerat program =
        ::genereazaCodFereastra(sesiune_.model.proiect(), n, chkIncludeStartingCode_->isChecked());
    setLinii(program.linii);
    // The counts follow what is shown: the new lines, none of them selected.
    lblTotalLinii_->setText(QString::number(lstCod_->count()));
    lblLiniaSelectata_->setText(QStringLiteral("0"));
    raporteazaFerestreLipsa(program.ferestreLipsa, this);
}

void FrmCod::arataImagineBanner(int numar)
{
    imagineBanner_ = numar;
    imgBanner_->setProperty("imagine", numar);
    const QPixmap imagine(QStringLiteral(":/images/banner%1.png").arg(numar));
    if (imagine.isNull()) {
        // Without the picture the banner is only a blank strip.
        imgBanner_->clear();
        return;
    }
    if (imagine.width() > LatimeBanner || imagine.height() > InaltimeBanner)
        imgBanner_->setPixmap(
            imagine.scaled(imgBanner_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        imgBanner_->setPixmap(imagine);
}

void FrmCod::urmatoareaImagineBanner()
{
    arataImagineBanner(imagineBanner_ % NumarImaginiBanner + 1);
}

void FrmCod::salveazaInFisier()
{
    FrmSaveToFile dialog(lstCod_, this);
    dialog.exec();
}
