#pragma once

#include "model/project.h"

class MdiMain;
class FrmTabelaDeLucru;
class FrmFerestre;
class FrmObiecte;

// One design session: the project model plus the three child forms, which
// call each other (drawing, the active window, the object list). Owned by
// the main window; passed to the forms at construction. Nothing of it is
// global.
struct Sesiune {
    Proiect proiect;
    MdiMain *mdiMain = nullptr;
    FrmTabelaDeLucru *tabela = nullptr;
    FrmFerestre *ferestre = nullptr;
    FrmObiecte *obiecte = nullptr;
    // Set while the main window closes, so the child forms let themselves go.
    bool mdiSeInchide = false;
};
