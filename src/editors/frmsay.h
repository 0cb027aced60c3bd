#pragma once

#include "editors/editorobiect.h"

class QLineEdit;

// Provisional editor: a name box, Apply and Cancel.
class FrmSay : public EditorObiect
{
    Q_OBJECT

public:
    explicit FrmSay(Sesiune &sesiune, QWidget *parent = nullptr);

private:
    QLineEdit *txtNume_;
};
