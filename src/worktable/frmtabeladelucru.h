#pragma once

#include "app/formcopil.h"

// The work table: the simulated 80 x 25 character screen.
class FrmTabelaDeLucru : public FormCopil
{
    Q_OBJECT

public:
    // Client area: 80 x 25 cells of 135 x 240 twips.
    static constexpr int LatimeTwips = 10800;
    static constexpr int InaltimeTwips = 6000;

    explicit FrmTabelaDeLucru(Sesiune &sesiune, QWidget *parent = nullptr);
};
