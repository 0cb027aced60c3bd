#include "formcopil.h"

#include "sesiune.h"
#include "uiutil.h"

#include <QCloseEvent>

FormCopil::FormCopil(Sesiune &sesiune, const QString &nume, const QString &titlu, QWidget *parent)
    : QWidget(parent)
    , sesiune_(sesiune)
{
    setObjectName(nume);
    setWindowTitle(titlu);
}

void FormCopil::closeEvent(QCloseEvent *event)
{
    if (sesiune_.mdiSeInchide) {
        event->accept();
        return;
    }
    event->ignore();
    mesaj(this, QMessageBox::Warning, QStringLiteral("Inchidere abandonata"),
          QStringLiteral("Aceasta fereastra nu poate fi inchisa!"));
}

void FormCopil::formeazaPaleta(int latimeTwips, int inaltimeTwips)
{
    setFixedSize(twipsToPixels(latimeTwips), twipsToPixels(inaltimeTwips));
    QFont f = font();
    f.setPointSizeF(8);
    setFont(f);
}
