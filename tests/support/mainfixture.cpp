#include "mainfixture.h"

#include "app/proiectcurent.h"
#include "model/optionsfile.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>

std::unique_ptr<MdiMain> startMain(const Setari &s)
{
    // Recovery files and recent projects go to the test folders; one left by a run that was killed would stop
    // this one with its question.
    QStandardPaths::setTestModeEnabled(true);
    bool another = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        another |= qobject_cast<MdiMain *>(w) != nullptr;
    if (!another)
        QDir(ProiectCurent::dosarRecuperare()).removeRecursively();
    OptionsFile::write(OptionsFile::defaultFileName(), s);
    return std::make_unique<MdiMain>();
}

Setari quietSettings()
{
    Setari s = setariImplicite();
    for (Flag *f : {&s.ConfirmareaInchidere, &s.ConfirmareStergere, &s.SalveazaSetariSpatiuLucru,
                    &s.UmbraImplicit, &s.PastreazaUmbraInEcran})
        *f = FlagFalse;
    return s;
}

void pressKey(MdiMain &m, const char *form, const char *key)
{
    QAction *a = control<QAction>(m, form, key);
    QVERIFY2(a, qPrintable(QStringLiteral("%1 has no button %2").arg(form, key)));
    a->trigger();
}
