#pragma once

#include "app/mdimain.h"

#include <QAction>
#include <QString>

#include <memory>

// Writes s as the options file of the current directory, then loads a main window from it, as a start of the
// program would.
std::unique_ptr<MdiMain> startMain(const Setari &s);

// Settings with every confirmation off, so no message box interrupts a test.
Setari quietSettings();

// A control of one of the main window's forms, by form and control name.
template <typename T> T *control(MdiMain &m, const char *form, const char *name)
{
    QObject *f = m.findChild<QObject *>(QString::fromLatin1(form));
    return f ? f->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

// What the menu "Editare" offers to undo.
inline QString undoText(MdiMain &m)
{
    QAction *a = m.findChild<QAction *>(QStringLiteral("mnuEditareAnuleaza"));
    return a ? a->text() : QStringLiteral("(no undo action)");
}

// Triggers a tool bar button (a QAction named by its key) of a form.
void pressKey(MdiMain &m, const char *form, const char *key);
