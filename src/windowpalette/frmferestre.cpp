#include "frmferestre.h"

#include "app/uiutil.h"

FrmFerestre::FrmFerestre(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmFerestre"), QStringLiteral(" Ferestre"), parent)
{
    setFixedSize(twipsToPixels(LatimeTwips), twipsToPixels(InaltimeTwips));
}

int FrmFerestre::fereastraActiva() const
{
    return -1;
}
