#include "mdimain.h"

#include "model/optionsfile.h"
#include "version.h"

#include <QMdiArea>

MdiMain::MdiMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(captionText());

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);

    OptionsFile::read(OptionsFile::defaultFileName(), &proiect_.setari);
    proiect_.ResetFerestre();
    proiect_.ResetObiecte();
    resize(1024, 720);
}

MdiMain::~MdiMain() = default;

QString MdiMain::captionText()
{
    return QStringLiteral("Sirolant Studio - v%1.%2.%3")
        .arg(SIROLANT_VERSION_MAJOR)
        .arg(SIROLANT_VERSION_MINOR)
        .arg(SIROLANT_VERSION_PATCH);
}
