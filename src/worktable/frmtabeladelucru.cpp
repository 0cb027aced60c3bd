#include "frmtabeladelucru.h"

#include "app/uiutil.h"

FrmTabelaDeLucru::FrmTabelaDeLucru(Sesiune &sesiune, QWidget *parent)
    : FormCopil(sesiune, QStringLiteral("frmTabelaDeLucru"), QStringLiteral("Tabela de lucru"), parent)
{
    setFixedSize(twipsToPixels(LatimeTwips), twipsToPixels(InaltimeTwips));
}
