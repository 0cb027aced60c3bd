#pragma once

#include "app/interfete.h"
#include "model/project.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>

#include <array>

struct Sesiune;
class QWidget;

// What one gesture changed: the window and object slots whose records
// differ, in ascending order, and the design before and after it.
struct Schimbare {
    QList<int> ferestre;
    QList<int> obiecte;
    StareProiect inainte;
    StareProiect dupa;
    // The control the gesture began on, "form.control" (empty for code).
    QString sursa;
    bool goala() const { return ferestre.isEmpty() && obiecte.isEmpty(); }
};
Q_DECLARE_METATYPE(Schimbare)

// The slots whose records differ between two states. A slot free in both
// counts as unchanged, whatever its stale fields hold.
Schimbare compara(const StareProiect &inainte, const StareProiect &dupa);

// The record of every change. A user's gesture (an input event, with every
// handler and chain it runs, modal dialogs it opens included) is one unit:
// when the outermost one ends, schimbat() reports what it changed. Records
// are compared, not watched, so the handlers that write them stay as they are.
class Document : public QObject
{
    Q_OBJECT

public:
    explicit Document(Sesiune &sesiune, QObject *parent = nullptr);

    StareProiect stare() const;

    // Puts a design back (undo, loading) without running any handler: the
    // work table and both palettes are brought in line with it. Reports no
    // change; emits restaurat().
    void restaureaza(const StareProiect &stare);

    // Brackets code that does not come from an input event as one gesture.
    class Gest
    {
    public:
        explicit Gest(Document &d, const QString &sursa = {})
            : d_(d)
        {
            d_.incepeGest(sursa);
        }
        ~Gest() { d_.terminaGest(); }
        Gest(const Gest &) = delete;
        Gest &operator=(const Gest &) = delete;

    private:
        Document &d_;
    };
    void incepeGest(const QString &sursa = {});
    void terminaGest();
    bool inGest() const { return adancime_ > 0 || gestEveniment_; }

    // Ends the input gesture whose dispatch is over, and reports changes
    // made outside any gesture (by code that runs on its own).
    void verifica();

signals:
    void schimbat(const Schimbare &schimbare);
    void restaurat();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    void deschide();
    void inchide();
    static QString numeSursa(QObject *obj);
    void verificaSfarsitEveniment();
    bool dialogDeschisInGest() const;

    Sesiune &sesiune_;
    int adancime_ = 0;
    bool gestEveniment_ = false;
    bool verificarePlanificata_ = false;
    // Modal windows and the popup open when the input gesture began: one
    // opened since then means its dispatch is still running.
    QList<QPointer<QWidget>> modaleLaInceput_;
    QPointer<QWidget> popupLaInceput_;
    StareProiect inainte_;
    QString sursa_;
};
