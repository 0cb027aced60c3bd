#include "mainfixture.h"

#include "model/optionsfile.h"

std::unique_ptr<MdiMain> startMain(const Setari &s)
{
    OptionsFile::write(OptionsFile::defaultFileName(), s);
    return std::make_unique<MdiMain>();
}

Setari quietSettings()
{
    Setari s = setariImplicite();
    s.ConfirmareaInchidere = FlagFalse;
    s.ConfirmareStergere = FlagFalse;
    s.SalveazaSetariSpatiuLucru = FlagFalse;
    s.UmbraImplicit = FlagFalse;
    s.PastreazaUmbraInEcran = FlagFalse;
    return s;
}

void pressKey(MdiMain &m, const char *form, const char *key)
{
    if (QAction *a = control<QAction>(m, form, key))
        a->trigger();
}
