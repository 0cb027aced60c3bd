#include "frmobiecte.h"

#include "app/uiutil.h"

FrmObiecte::FrmObiecte(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmObiecte"), QStringLiteral("Obiecte"), parent)
{
    setFixedSize(twipsToPixels(LatimeTwips), twipsToPixels(InaltimeTwips));
}
