#pragma once

#include "formbase/interfete.h"
#include "model/modelproiect.h"

class MdiMain;

// One design session: the project model plus the three child forms, each
// seen by the others only through its interface. Owned by the main window;
// passed to the forms at construction. Nothing of it is global.
struct Sesiune {
    ModelProiect model;
    MdiMain *mdiMain = nullptr;
    IPaletaFerestre *ferestre = nullptr;
    IPaletaObiecte *obiecte = nullptr;
    // The editors' mode: false while a brand-new object is being edited.
    bool obiectExistent = false;
    // Set while the main window closes, so the child forms let themselves go.
    bool mdiSeInchide = false;
};
