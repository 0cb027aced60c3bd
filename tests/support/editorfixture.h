#pragma once

// Helpers shared by the object editor tests: a main window with one window
// of a given width, the editor opened through the object palette, and the
// keyboard and clipboard ways of filling its boxes.

#include "support/mainfixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QListWidget;

// The object palette's form name.
constexpr const char *Palette = "frmObiecte";

// An open editor; each test derives its own view with its boxes by name.
struct EditorView {
    QWidget *dlg;
    template <typename T> T *c(const char *name) const { return dlg->findChild<T *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return c<QPushButton>(name); }
    QPlainTextEdit *comment() const { return c<QPlainTextEdit>("txtComentariu"); }
    void focus(QWidget *w) const;
    // Gives e the focus, empties it with the keyboard and types s.
    void retype(QLineEdit *e, const QString &s) const;
};

// Pastes s with Ctrl+V.
void paste(QWidget *w, const QString &s);
// Pastes s through the box's own context menu.
void pasteFromMenu(QLineEdit *e, const QString &s);

// A main window with one new window of the given width.
std::unique_ptr<MdiMain> mainWithWindow(int width);
void setWindowWidth(MdiMain &m, int width);
QListWidget *objectList(MdiMain &m);
// The lines generated for the project (empty when nothing is generated).
QStringList programLines(MdiMain &m);

// Presses key on the palette and runs body in the editor that opens, which
// must be the form named form; whatever body leaves open is cancelled, so a
// failed check never leaves the test waiting.
void openEditor(MdiMain &m, const char *key, const char *form, std::function<void(QWidget *)> body);
// The same through "Proprietati" for the object in the given slot.
void reopenEditor(MdiMain &m, int slot, const char *form, std::function<void(QWidget *)> body);

// Typed forms of the two above for a View with static form and key names.
template <typename View> void openNew(MdiMain &m, std::function<void(const View &)> body)
{
    openEditor(m, View::key, View::form, [body](QWidget *d) { body(View{{d}}); });
}
template <typename View> void reopen(MdiMain &m, int slot, std::function<void(const View &)> body)
{
    reopenEditor(m, slot, View::form, [body](QWidget *d) { body(View{{d}}); });
}

// Rows "Anuleaza", "Esc" and "close box" of an int column "how", the three
// ways cancelEditor closes an editor without applying.
void addCancelRows();
void cancelEditor(QWidget *dlg, int how);
