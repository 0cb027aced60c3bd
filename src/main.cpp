#include "app/frmlogo.h"
#include "app/mdimain.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sirolant"));
    QApplication::setOrganizationName(QStringLiteral("Sirolant"));
    QApplication::setApplicationVersion(QStringLiteral(SIROLANT_VERSION_STRING));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/sirolant.png")));

    QCommandLineParser linie;
    linie.setApplicationDescription(QStringLiteral("Proiectant de interfete Fox PRO 2.x in mod text"));
    linie.addHelpOption();
    linie.addVersionOption();
    linie.addPositionalArgument(QStringLiteral("proiect"), QStringLiteral("Un proiect .sirolant de deschis la pornire."),
                                QStringLiteral("[proiect.sirolant]"));
    linie.process(app);

    MdiMain mainWindow;
    if (!linie.positionalArguments().isEmpty())
        mainWindow.deschideLaPornire(linie.positionalArguments().constFirst());
    FrmLogo logo(&mainWindow);
    logo.show();
    return app.exec();
}
