#include "frmdespre.h"

#include "formbase/uiutil.h"
#include "version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int LatimeText = 340;

QLabel *eticheta(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// Stands in for the product picture when the build carries none: a window
// with a shadow on a blue text-mode screen.
QPixmap imagineInlocuire()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(QRect(4, 10, 88, 66), QColor(0, 0, 170));
    p.fillRect(QRect(20, 26, 60, 40), Qt::black);
    p.fillRect(QRect(14, 20, 60, 40), QColor(0, 170, 170));
    p.setPen(Qt::white);
    p.drawRect(QRect(16, 22, 55, 35));
    p.fillRect(QRect(22, 32, 30, 4), Qt::yellow);
    p.fillRect(QRect(22, 42, 40, 4), Qt::white);
    p.setPen(QPen(QColor(96, 96, 96), 3));
    p.drawLine(30, 82, 66, 82);
    p.drawLine(48, 76, 48, 82);
    return pm;
}

} // namespace

FrmDespre::FrmDespre(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDespre"));
    setWindowTitle(QStringLiteral("Despre..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto *image1 = eticheta("Image1", QString(), this);
    QPixmap produs(QStringLiteral(":/images/produs.png"));
    image1->setPixmap(produs.isNull() ? imagineInlocuire() : produs);
    image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *lblTitlu = eticheta("lblTitlu", titlu(), this);
    QFont mare = lblTitlu->font();
    mare.setBold(true);
    mare.setPointSizeF(mare.pointSizeF() * 1.6);
    lblTitlu->setFont(mare);

    auto *label2 = eticheta("Label2",
                            QStringLiteral("Sirolant este o aplicatie destinata proiectarii interfetelor "
                                           "grafice ale programelor scrise in Fox PRO v2.x  in mod text."),
                            this);
    auto *label3 =
        eticheta("Label3",
                 QStringLiteral("Sirolant este o aplicatie menita sa-i ajute pe elevii si studentii "
                                "care doresc sa realizeze cat mai rapid interfete grafice complexe "
                                "pentru lucrarile lor de proiect."),
                 this);
    auto *linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    auto *label1 = eticheta("Label1", QStringLiteral("Realizat de echipa Sirolant"), this);
    auto *label4 = eticheta(
        "Label4", QStringLiteral("Sirolant - proiectant de interfete Fox PRO 2.x in mod text"), this);
    auto *label6 =
        eticheta("Label6", QStringLiteral("Codul generat este destinat Fox PRO v2.x in mod text:"), this);
    auto *label5 = eticheta(
        "Label5", QStringLiteral("ferestre, texte @ SAY, campuri @ GET si grupuri de butoane."), this);
    auto *label8 = eticheta("Label8", QString::number(SIROLANT_RELEASE_YEAR), this);
    for (QLabel *l : {label2, label3, label1, label4, label6, label5}) {
        l->setWordWrap(true);
        l->setFixedWidth(LatimeText);
    }

    auto *cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    // Ok is also the cancel button: both it and Esc only close the box.
    connect(cmdOk, &QPushButton::clicked, this, &FrmDespre::reject);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitlu);
    text->addSpacing(6);
    text->addWidget(label2);
    text->addWidget(label3);
    text->addWidget(linie);
    text->addWidget(label1);
    text->addWidget(label4);
    text->addSpacing(6);
    text->addWidget(label6);
    text->addWidget(label5);
    text->addStretch(1);

    auto *sus = new QHBoxLayout;
    sus->addWidget(image1, 0, Qt::AlignTop);
    sus->addSpacing(10);
    sus->addLayout(text);

    auto *jos = new QHBoxLayout;
    jos->addWidget(label8);
    jos->addStretch(1);
    jos->addWidget(cmdOk);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sus);
    layout->addSpacing(8);
    layout->addLayout(jos);

    faraButonImplicit(this);
    setFixedSize(sizeHint());
}

QString FrmDespre::titlu()
{
    return QStringLiteral("Sirolant v%1.%2.%3")
        .arg(SIROLANT_VERSION_MAJOR)
        .arg(SIROLANT_VERSION_MINOR)
        .arg(SIROLANT_VERSION_PATCH);
}

void FrmDespre::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (centrat_)
        return;
    centrat_ = true;
    centreazaPeEcran(this);
}
