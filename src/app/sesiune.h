#pragma once

#include "app/interfete.h"
#include "model/project.h"

class MdiMain;
class Document;

// One design session: the project model plus the three child forms, each
// seen by the others only through its interface. Owned by the main window;
// passed to the forms at construction. Nothing of it is global.
struct Sesiune {
    Proiect proiect;
    MdiMain *mdiMain = nullptr;
    ITabelaDeLucru *tabela = nullptr;
    IPaletaFerestre *ferestre = nullptr;
    IPaletaObiecte *obiecte = nullptr;
    Document *document = nullptr;
    // Set while the main window closes, so the child forms let themselves go.
    bool mdiSeInchide = false;
};
