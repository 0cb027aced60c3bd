#pragma once

#include "model/colors.h"

#include <QDialog>
#include <QList>

struct Sesiune;
class QFrame;

// The two colour pickers of the selected @SAY object: the ink picker
// (twelve colours) and the background picker (eight).
class FrmCulori : public QDialog
{
    Q_OBJECT

public:
    enum class Tip { Cerneala, Fundal };

    FrmCulori(Sesiune &sesiune, Tip tip, QWidget *parent = nullptr);

    Culoare culoareAleasa() const { return CuloareAleasa_; }

    struct Mostra {
        const char *nume;
        Culoare valoare;
        int rand;    // 1 or 2
        int coloana; // 1..6
    };
    // The swatches of a picker, in their grid order.
    static QList<Mostra> mostre(Tip tip);

private:
    void alege(const Mostra &m);
    void modifica();

    Sesiune &sesiune_;
    Tip tip_;
    Culoare CuloareAleasa_ = 0;
    QFrame *shpSelector_ = nullptr;
};
