#pragma once

#include "model/geometrie.h"

#include <QMessageBox>
#include <QSignalBlocker>
#include <QString>

#include <initializer_list>
#include <vector>

class QWidget;
class QAbstractButton;

constexpr int TwipsPerPixel = Geometrie::TwipsPerPixel;
constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// The program's message boxes: title, text, icon and buttons, shown modally
// with exec() over parent; implicit, when given, is the button Enter presses.
// Returns the button pressed.
QMessageBox::StandardButton mesaj(QWidget *parent, QMessageBox::Icon icon, const QString &titlu,
                                  const QString &text, QMessageBox::StandardButtons butoane = QMessageBox::Ok,
                                  QMessageBox::StandardButton implicit = QMessageBox::NoButton);

inline void mesajCritic(QWidget *parent, const QString &titlu, const QString &text)
{
    mesaj(parent, QMessageBox::Critical, titlu, text);
}

inline bool intrebareDaNu(QWidget *parent, QMessageBox::Icon icon, const QString &titlu, const QString &text)
{
    return mesaj(parent, icon, titlu, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

class QLabel;
class QRect;

// A named label placed at a fixed spot of a form.
QLabel *etichetaFixa(QWidget *parent, const char *nume, const QString &text, const QRect &geom,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// Moves a window so that its frame is centred on its screen.
void centreazaPeEcran(QWidget *w);

class QPushButton;

// Dialog buttons never answer Enter: none of the forms has a default button.
void faraButonImplicit(QWidget *form);

// Enter in one of the form's boxes presses implicit, and only while it is
// enabled: no other button takes Enter away from the box being typed in. A
// focused button answers Enter itself.
void butonImplicit(QWidget *form, QPushButton *implicit);

// A view setting its controls from the model: none of their handlers runs
// until the blocker goes.
class BlocareSemnale
{
public:
    BlocareSemnale(std::initializer_list<QObject *> controale)
    {
        blocari_.reserve(controale.size());
        for (QObject *c : controale)
            blocari_.emplace_back(c);
    }

private:
    std::vector<QSignalBlocker> blocari_;
};
