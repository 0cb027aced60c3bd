#pragma once

#include "app/formcopil.h"

// The object palette: the objects of the active window.
class FrmObiecte : public FormCopil
{
    Q_OBJECT

public:
    static constexpr int LatimeTwips = 4200;
    static constexpr int InaltimeTwips = 6600;

    explicit FrmObiecte(Sesiune &sesiune, QWidget *parent = nullptr);
};
