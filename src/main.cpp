#include "app/frmlogo.h"
#include "app/mdimain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sirolant"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/sirolant.png")));

    MdiMain mainWindow;
    FrmLogo logo(&mainWindow);
    logo.show();
    return app.exec();
}
