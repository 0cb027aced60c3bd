#pragma once

// The set-up shared by the palette and work table tests: a main window in a fresh current directory, with one
// window, driven through its palettes.

#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

// The top left corner of a screen cell, in twips.
inline QPointF twips(QPoint cell)
{
    return {cell.x() * 135.0, cell.y() * 240.0};
}

struct Design {
    TempCwd cwd;
    std::unique_ptr<MdiMain> m;
    explicit Design(const Setari &s = quietSettings())
        : m(startMain(s))
    {
        create();
    }
    template <typename T = QWidget> T *find(const char *form, const QString &name)
    {
        return control<T>(*m, form, qPrintable(name));
    }
    void create() { pressKey(*m, "frmFerestre", "CREAZA"); }
    QComboBox *windows() { return find<QComboBox>("frmFerestre", "cmbFereastra"); }
    Fereastra &window() { return m->proiect().fereastra(windows()->currentData().toInt()); }
    QRect geometry() { return {window().Orizontala, window().Verticala, window().Latime, window().Inaltime}; }
    FrmTabelaDeLucru *table() { return m->findChild<FrmTabelaDeLucru *>(); }
    ElementTabela *item(const QString &name) { return dynamic_cast<ElementTabela *>(table()->element(name)); }
    QListWidget *list() { return find<QListWidget>("frmObiecte", "lstObiecte"); }
    QString text(const char *form, const char *label) { return find<QLabel>(form, label)->text(); }
    QStringList lines()
    {
        QStringList l;
        for (int i = 0; i < list()->count(); ++i)
            l << list()->item(i)->text();
        return l;
    }
    // The active window's place and size, set through its bars.
    void set(int column, int row, int width, int height)
    {
        find<QScrollBar>("frmFerestre", "hsbLatime")->setValue(width);
        find<QScrollBar>("frmFerestre", "hsbInaltime")->setValue(height);
        find<QScrollBar>("frmFerestre", "hsbOrizontala")->setValue(column);
        find<QScrollBar>("frmFerestre", "hsbVerticala")->setValue(row);
    }
    // An object of the active window, written as a tool would; the object list is built again.
    Obiect &put(int slot, const char *kind, const QString &text, int column = 0, int row = 0)
    {
        Obiect &o = m->proiect().obiect(slot);
        o = Obiect{};
        o.Liber = FlagFalse;
        o.Fereastra = quint8(windows()->currentData().toInt());
        o.Tip = tipObiect(QLatin1String(kind));
        o.Nume = o.TextAfisat = text;
        o.Coloana = quint8(column);
        o.Rand = quint8(row);
        m->model().actualizeazaListaObiecte();
        table()->DeseneazaObiect(slot);
        return o;
    }
};
