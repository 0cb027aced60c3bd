#pragma once

#include "app/formcopil.h"

// The window palette: the windows of the design and the active window.
class FrmFerestre : public FormCopil
{
    Q_OBJECT

public:
    static constexpr int LatimeTwips = 8700;
    static constexpr int InaltimeTwips = 1725;

    explicit FrmFerestre(Sesiune &sesiune, QWidget *parent = nullptr);

    // The active window: the item data of the selected line of the window
    // list, or -1 when the list is empty.
    int fereastraActiva() const;
};
