#pragma once

#include "editors/editorobiect.h"

class QLineEdit;

// Provisional editor: a name box, Apply and Cancel.
class FrmButon : public EditorObiect
{
    Q_OBJECT

public:
    explicit FrmButon(Sesiune &sesiune, QWidget *parent = nullptr);

private:
    QLineEdit *txtNume_;
};
