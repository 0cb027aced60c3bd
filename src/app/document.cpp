#include "document.h"

#include "app/sesiune.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include <QWidget>
#include <utility>

namespace {

bool evenimentDeIntrare(const QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    case QEvent::MouseMove:
        // A move with no button held changes nothing; a drag does.
        return static_cast<const QMouseEvent *>(e)->buttons() != Qt::NoButton;
    default:
        return false;
    }
}

} // namespace

Schimbare compara(const StareProiect &inainte, const StareProiect &dupa)
{
    Schimbare s;
    for (int n = 1; n <= NumarFerestre; ++n) {
        const Fereastra &a = inainte.ferestre[std::size_t(n)], &b = dupa.ferestre[std::size_t(n)];
        if (!(isSet(a.Libera) && isSet(b.Libera)) && a != b)
            s.ferestre.append(n);
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        const Obiect &a = inainte.obiecte[std::size_t(n)], &b = dupa.obiecte[std::size_t(n)];
        if (!(isSet(a.Liber) && isSet(b.Liber)) && a != b)
            s.obiecte.append(n);
    }
    s.inainte = inainte;
    s.dupa = dupa;
    return s;
}

Document::Document(Sesiune &sesiune, QObject *parent)
    : QObject(parent)
    , sesiune_(sesiune)
{
    inainte_ = stare();
    qApp->installEventFilter(this);
}

StareProiect Document::stare() const
{
    StareProiect s;
    s.ferestre = sesiune_.proiect.Ferestre;
    s.obiecte = sesiune_.proiect.Obiecte;
    if (sesiune_.ferestre) {
        s.liniiFerestre = sesiune_.ferestre->liniiLista();
        s.fereastraActiva = sesiune_.ferestre->fereastraActiva();
    }
    if (sesiune_.obiecte) {
        s.ordineObiecte = sesiune_.obiecte->ordineLista();
        s.obiectSelectat = sesiune_.obiecte->obiectSelectat();
    }
    return s;
}

void Document::restaureaza(const StareProiect &stare)
{
    Proiect &p = sesiune_.proiect;
    StareProiect inainte;
    inainte.ferestre = p.Ferestre;
    inainte.obiecte = p.Obiecte;
    const Schimbare schimbare = compara(inainte, stare);
    p.Ferestre = stare.ferestre;
    p.Obiecte = stare.obiecte;
    // The window palette first: the object list and the drawing depend on
    // the active window.
    if (sesiune_.ferestre)
        sesiune_.ferestre->reafiseaza(stare.liniiFerestre, stare.fereastraActiva);
    if (sesiune_.obiecte)
        sesiune_.obiecte->reafiseaza(stare.ordineObiecte, stare.obiectSelectat);
    // Only what differs is drawn again.
    if (sesiune_.tabela)
        sesiune_.tabela->redeseneaza(schimbare.ferestre, schimbare.obiecte);
    // A gesture under way (the undo command itself) starts from here.
    inainte_ = this->stare();
    emit restaurat();
}

void Document::incepeGest(const QString &sursa)
{
    if (!inGest()) {
        deschide();
        sursa_ = sursa;
    }
    ++adancime_;
}

void Document::terminaGest()
{
    if (adancime_ > 0 && --adancime_ == 0 && !gestEveniment_)
        inchide();
}

void Document::verifica()
{
    if (gestEveniment_ && !dialogDeschisInGest()) {
        gestEveniment_ = false;
        if (adancime_ == 0)
            inchide();
    } else if (!inGest()) {
        inchide();
    }
}

void Document::deschide()
{
    // Changes made outside any gesture are reported on their own first.
    inchide();
}

void Document::inchide()
{
    StareProiect dupa = stare();
    Schimbare s = compara(inainte_, dupa);
    s.sursa = std::exchange(sursa_, QString());
    inainte_ = std::move(dupa);
    if (!s.goala())
        emit schimbat(s);
}

QString Document::numeSursa(QObject *obj)
{
    // A tool button stands for its action; Qt's own helpers (a combo box's
    // popup, a viewport) stand for the named control that holds them.
    if (auto *b = qobject_cast<QToolButton *>(obj); b && b->defaultAction())
        obj = b->defaultAction();
    while (obj && (obj->objectName().isEmpty() || obj->objectName().startsWith(QLatin1String("qt_"))))
        obj = obj->parent();
    if (!obj)
        return {};
    QObject *form = obj->parent();
    while (form && !(form->isWidgetType() && static_cast<QWidget *>(form)->isWindow()) &&
           !form->inherits("FormCopil"))
        form = form->parent();
    return form ? form->objectName() + QLatin1Char('.') + obj->objectName() : obj->objectName();
}

bool Document::dialogDeschisInGest() const
{
    if (QWidget *popup = QApplication::activePopupWidget(); popup && popup != popupLaInceput_)
        return true;
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    for (const QPointer<QWidget> &w : modaleLaInceput_) {
        if (w == modal)
            return false;
    }
    return true;
}

void Document::verificaSfarsitEveniment()
{
    verificarePlanificata_ = false;
    if (!gestEveniment_)
        return;
    if (dialogDeschisInGest()) {
        // The gesture's dispatch runs on inside a dialog's own loop.
        verificarePlanificata_ = true;
        QTimer::singleShot(30, this, &Document::verificaSfarsitEveniment);
        return;
    }
    gestEveniment_ = false;
    if (adancime_ == 0)
        inchide();
}

bool Document::eventFilter(QObject *obj, QEvent *event)
{
    // Input inside a bracketed gesture belongs to it.
    if (!gestEveniment_ && adancime_ == 0 && evenimentDeIntrare(event)) {
        deschide();
        sursa_ = numeSursa(obj);
        gestEveniment_ = true;
        modaleLaInceput_.clear();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->isModal())
                modaleLaInceput_.append(w);
        }
        popupLaInceput_ = QApplication::activePopupWidget();
        // Runs once control is back in an event loop, when the event's
        // dispatch (and every chain it ran) is over.
        if (!verificarePlanificata_) {
            verificarePlanificata_ = true;
            QMetaObject::invokeMethod(this, &Document::verificaSfarsitEveniment, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(obj, event);
}
