#pragma once

#include "model/project.h"

#include <QMainWindow>

class QMdiArea;

// The main frame. Constructing it performs the main window's load: reads
// the options file from the current directory and resets the design.
class MdiMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit MdiMain(QWidget *parent = nullptr);
    ~MdiMain() override;

    Proiect &proiect() { return proiect_; }
    const Proiect &proiect() const { return proiect_; }
    QMdiArea *mdiArea() const { return mdiArea_; }

    static QString captionText();

private:
    Proiect proiect_;
    QMdiArea *mdiArea_ = nullptr;
};
