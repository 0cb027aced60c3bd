#include "editorobiect.h"

#include "app/sesiune.h"
#include "app/uiutil.h"

#include <QLabel>

QLabel *eticheta(const char *nume, const QString &text, QWidget *parent)
{
    return numit(new QLabel(text, parent), nume);
}

EditorObiect::EditorObiect(Sesiune &sesiune, const QString &nume, const QString &titlu, QWidget *parent)
    : QDialog(parent), sesiune_(sesiune)
{
    setObjectName(nume);
    setWindowTitle(titlu);
    setModal(true);
    numarLaDeschidere_ = numarObiect();
    laDeschidere_ = obiect();
}

int EditorObiect::numarObiect() const
{
    return sesiune_.obiecte ? sesiune_.obiecte->obiectSelectat() : -1;
}

Obiect &EditorObiect::obiect()
{
    const int n = numarObiect();
    if (!Proiect::numarObiectValid(n)) {
        gol_ = Obiect{};
        return gol_;
    }
    return sesiune_.proiect.obiect(n);
}

int EditorObiect::latimeFereastraActive() const
{
    const int a = sesiune_.ferestre ? sesiune_.ferestre->fereastraActiva() : -1;
    return Proiect::numarFereastraValid(a) ? sesiune_.proiect.fereastra(a).Latime : 0;
}

void EditorObiect::incheieAplicarea()
{
    const int n = numarObiect();
    if (sesiune_.tabela)
        sesiune_.tabela->DeseneazaObiect(n);
    if (sesiune_.obiecte)
        sesiune_.obiecte->ActualizeazaListaObiecte();
    accept();
}

void EditorObiect::reject()
{
    if (sesiune_.proiect.ObiectExistent && Proiect::numarObiectValid(numarLaDeschidere_)
        && numarObiect() == numarLaDeschidere_)
        obiect() = laDeschidere_;
    if (!sesiune_.proiect.ObiectExistent && sesiune_.obiecte)
        sesiune_.obiecte->anuleazaObiectNou();
    QDialog::reject();
}
