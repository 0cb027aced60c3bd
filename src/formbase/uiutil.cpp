#include "uiutil.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

QMessageBox::StandardButton mesaj(QWidget *parent, QMessageBox::Icon icon, const QString &titlu,
                                  const QString &text, QMessageBox::StandardButtons butoane,
                                  QMessageBox::StandardButton implicit)
{
    QMessageBox box(icon, titlu, text, butoane, parent);
    if (implicit != QMessageBox::NoButton)
        box.setDefaultButton(implicit);
    box.setEscapeButton(butoane & QMessageBox::Cancel ? QMessageBox::Cancel
                        : butoane & QMessageBox::No   ? QMessageBox::No
                                                      : QMessageBox::Ok);
    if (QAbstractButton *da = box.button(QMessageBox::Yes))
        da->setText(QStringLiteral("&Da"));
    if (QAbstractButton *nu = box.button(QMessageBox::No))
        nu->setText(QStringLiteral("&Nu"));
    if (QAbstractButton *anuleaza = box.button(QMessageBox::Cancel))
        anuleaza->setText(QStringLiteral("&Anuleaza"));
    return QMessageBox::StandardButton(box.exec());
}

void faraButonImplicit(QWidget *form)
{
    for (QPushButton *b : form->findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void butonImplicit(QWidget *form, QPushButton *implicit)
{
    // A focused button still answers Enter itself, as on any desktop; from a
    // box, Enter goes to the implicit button alone.
    for (QPushButton *b : form->findChildren<QPushButton *>()) {
        b->setAutoDefault(true);
        b->setDefault(false);
    }
    implicit->setDefault(true);
}

QLabel *etichetaFixa(QWidget *parent, const char *nume, const QString &text, const QRect &geom,
                     Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(nume));
    l->setGeometry(geom);
    l->setAlignment(align);
    return l;
}

void centreazaPeEcran(QWidget *w)
{
    if (QScreen *ecran = w->screen()) {
        QRect r = w->frameGeometry();
        r.moveCenter(ecran->availableGeometry().center());
        w->move(r.topLeft());
    }
}
