#include "app/mdimain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sirolant"));
    MdiMain mainWindow;
    mainWindow.show();
    return app.exec();
}
