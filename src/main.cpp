#include "app/frmlogo.h"
#include "app/mdimain.h"
#include "cli/liniecomanda.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Sirolant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Sirolant"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SIROLANT_VERSION_STRING));

    // Read before any application object exists: a command, help or a
    // mistake is answered without a display.
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser linie;
    LinieComanda::configureaza(linie);
    const bool analizat = linie.parse(argumente);
    if (LinieComanda::faraFereastra(linie, analizat)) {
        QCoreApplication app(argc, argv);
        return LinieComanda::ruleaza(linie, analizat);
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/sirolant.png")));
    // Lets the desktop tie the window to the menu entry installed with the package (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("ro.sirolant.Sirolant"));
    MdiMain mainWindow;
    if (!linie.positionalArguments().isEmpty())
        mainWindow.deschideLaPornire(linie.positionalArguments().constFirst());
    FrmLogo logo(&mainWindow);
    logo.show();
    return app.exec();
}
