#pragma once

#include "model/project.h"
#include "model/stare.h"

#include <QList>
#include <QObject>
#include <QString>

// What a change of the design does, as the user names it. Undo steps are
// named and merged by it, never by the widget that started the change.
enum class Modificare {
    Proiect, // a change no operation names (kept for code that edits records directly)
    CreareFereastra,
    StergereFereastra,
    TitluFereastra,
    SchemaFereastra,
    UmbraFereastra,
    PatrataFereastra,
    MutareFereastra,
    RedimensionareFereastra,
    AliniereFereastra,
    CreareSay,
    CreareGet,
    CreareButon,
    StergereObiect,
    ModificareObiect,
    MutareObiect,
    AliniereObiect,
    CuloriFereastraObiect,
    CuloareObiect,
};

// The step that creates an object of that kind.
Modificare creareObiect(TipObiect tip);
// The step's name as the menu "Editare" shows it after "Anuleaza" or "Reface".
QString numeModificare(Modificare m);

// One finished change: what it was, on which window or object, and the
// design before and after it.
struct PasProiect {
    Modificare fel = Modificare::Proiect;
    int tinta = 0;
    // A run of such steps on the same target merges (bars, arrow keys, typing).
    bool unire = false;
    StareProiect inainte;
    StareProiect dupa;
};
Q_DECLARE_METATYPE(PasProiect)

// The design of one session and its only writer: the window and object
// records, the window list's lines and the active window, the object list's
// order and the selected object. Every operation applies the design's rules;
// every change runs inside a transaction (an operation opens its own when
// none is open), and the outermost one reports a finished step.
class ModelProiect : public QObject
{
    Q_OBJECT

public:
    explicit ModelProiect(QObject *parent = nullptr);

    const Proiect &proiect() const { return proiect_; }
    // The records for code outside the forms that still writes them directly
    // (tests, tools); such writes are found at the end of the enclosing step.
    Proiect &proiectModificabil() { return proiect_; }
    Setari &setari() { return proiect_.setari; }
    const Fereastra &fereastra(int n) const { return proiect_.fereastra(n); }
    const Obiect &obiect(int n) const { return proiect_.obiect(n); }

    StareProiect stare() const;
    // A design with nothing in it.
    static StareProiect stareInitiala();
    // The design as the program starts it: every slot free, the lists empty. No step.
    void reseteaza();
    // Puts a design back (undo, redo, loading) as one piece: no step; emits restaurat.
    void restaureaza(const StareProiect &stare);

    // --- Lists and selection ----------------------------------------------
    // The window list's lines (creation order, texts as written), the active
    // window, the active window's objects in list order and the selected one.
    const QList<LinieFereastra> &liniiFerestre() const { return liniiFerestre_; }
    int fereastraActiva() const { return fereastraActiva_; }
    const QList<int> &ordineObiecte() const { return ordineObiecte_; }
    int obiectSelectat() const { return obiectSelectat_; }
    // The object just created whose line keeps its creation text until the
    // list is rebuilt (its editor's Apply), or -1.
    int obiectNou() const { return obiectNou_; }
    // The line of object k as the object list shows it.
    QString textLinieObiect(int k) const;
    // A listed window picked: it becomes active and its objects are listed.
    void selecteazaFereastra(int n);
    // A listed object picked, or none (-1).
    void selecteazaObiect(int n);
    // Rebuilds the object list: the active window's objects in slot order,
    // the last one selected.
    void actualizeazaListaObiecte();

    // Transactions: every change between the outermost incepe and its
    // termina is one step; renunta puts the design back as it was at incepe.
    void incepe(Modificare fel, int tinta, bool unire = false);
    void termina();
    void renunta();
    bool inTranzactie() const { return adancime_ > 0; }

    class Tranzactie
    {
    public:
        Tranzactie(ModelProiect &m, Modificare fel, int tinta, bool unire = false)
            : m_(m)
        {
            m_.incepe(fel, tinta, unire);
        }
        ~Tranzactie() { m_.termina(); }
        Tranzactie(const Tranzactie &) = delete;
        Tranzactie &operator=(const Tranzactie &) = delete;

    private:
        ModelProiect &m_;
    };

    // --- Windows -----------------------------------------------------------
    // What the window palette sets for a window it creates.
    struct SablonFereastra {
        bool umbra = false;
        bool patrata = false;
        int schema = 1;
        Culoare fundal = 0, cerneala = 0, chenar = 0;
    };
    // A new window in the lowest free slot, from the template; at the top
    // left, ten rows high, 30 columns wide (20 when square), titled "FER n".
    // Its line goes last in the window list and is selected. -1 when all
    // are in use.
    int creeazaFereastra(const SablonFereastra &sablon);
    // Frees window n and every object in it; the first line left is selected.
    void stergeFereastra(int n);
    // Refused (false) over 20 characters or with one the title box refuses.
    bool seteazaTitlu(int n, const QString &titlu);
    // Scheme and colours; objects in the window's colours take them too.
    void seteazaSchema(int n, int schema, Culoare fundal, Culoare cerneala, Culoare chenar);
    void seteazaUmbra(int n, bool umbra);
    void seteazaPatrata(int n, bool patrata);
    // The left edge; refused (false) when the window, with a shadow kept on
    // screen, would run past column 80 (Reguli::coloanaPermisa).
    bool seteazaOrizontala(int n, int coloana, bool umbraInEcran);
    // Within the bars' ranges (Reguli), whatever the screen's edges; else nothing changes.
    void seteazaVerticala(int n, int rand);
    // A square window's height follows: half the width, rounded, and the
    // width then twice that when the height changed; over 48 columns the
    // width goes back to twice the height. Dragged (tragere) no wider than
    // twice its height, it collapses to the minimum height.
    void seteazaLatime(int n, int latime, bool tragere = false);
    // A square window's width follows: twice the height.
    void seteazaInaltime(int n, int inaltime);
    // One of the nine places on the screen (column and row 0, 1, 2: left,
    // centre, right; top, centre, bottom); a shadow kept on screen needs one
    // more row at the bottom and two more columns at the right.
    void aliniazaFereastra(int n, int coloana, int rand, bool umbraInEcran);

    // --- Objects -----------------------------------------------------------
    // A new object in the lowest free slot of the given kind in window
    // fereastra, named "KIND n"; in the active window, its line goes last and
    // is selected. -1 when all sixty are in use.
    int adaugaObiect(TipObiect tip, int fereastra, Culoare fundal, Culoare cerneala);
    // The editors' record of object n, written whole.
    void editeazaObiect(int n, const Obiect &o);
    // The editors' fields, one at a time as the user edits them.
    void seteazaText(int n, QString Obiect::*camp, const QString &text);
    void seteazaIndicator(int n, Flag Obiect::*camp, bool valoare);
    void seteazaLungime(int n, int lungime);
    void seteazaInaltimeButon(int n, int inaltime);
    // A @SAY shows what it prints: its text or its variable's name.
    void seteazaTextSay(int n, const QString &text);
    // A @GET's label is its name padded to its length or cut at taiere.
    void seteazaNumeGet(int n, const QString &nume, int taiere);
    void seteazaTipDate(int n, const QString &tip, int lungime, const QString &valoareImplicita);
    // A bar of buttons: its prompts and the label they make at the bar's width;
    // or both fields as stored, for a bar shown again as it was.
    void seteazaBara(int n, const QStringList &prompturi);
    void seteazaBaraStocata(int n, const QString &valoare, const QString &textAfisat);
    // Frees object n; the last line left is selected.
    void stergeObiect(int n);
    // Inside the window's interior: the label ends by the right border, the
    // row stays above the bottom one; each refused axis keeps its value.
    bool seteazaColoanaObiect(int n, int coloana);
    bool seteazaRandObiect(int n, int rand);
    // Colours the object keeps as its own, or the window's (culorileFerestrei).
    void seteazaCuloriObiect(int n, bool culorileFerestrei, Culoare fundal, Culoare cerneala);
    // One of the nine places inside the window (as aliniazaFereastra); an
    // object wider than the interior goes to the left edge.
    void aliniazaObiect(int n, int coloana, int rand);
    // The centre column or row of the window's interior; false when refused.
    bool centreazaOrizontal(int n);
    bool centreazaVertical(int n);
    // The column that centres a label of that length in a window of that width.
    static int coloanaCentrata(int latime, int lungime);

signals:
    // A finished step that changed records.
    void pas(const PasProiect &pas);
    // A record as an operation left it, for the views to draw again at once.
    void fereastraSchimbata(int n);
    void obiectSchimbat(int n);
    // A design put back whole; the slots that differ.
    void restaurat(const QList<int> &ferestre, const QList<int> &obiecte);
    // The lists, the active window or the selected object changed.
    void selectieSchimbata();

private:
    // One change of a record in use, as one step of that kind, drawn again at once.
    template <typename F> void modificaObiect(int n, Modificare fel, bool unire, F &&schimbare);
    template <typename F> void modificaFereastra(int n, Modificare fel, bool unire, F &&schimbare);
    Fereastra *fereastraFolosita(int n);
    Obiect *obiectFolosit(int n);
    void alegeObiectul(int n);

    Proiect proiect_;
    QList<LinieFereastra> liniiFerestre_;
    int fereastraActiva_ = -1;
    QList<int> ordineObiecte_;
    int obiectSelectat_ = -1;
    int obiectNou_ = -1;
    int adancime_ = 0;
    PasProiect deschis_;
};

// The slots whose records differ between two designs. A slot free in both
// counts as unchanged, whatever its stale fields hold.
void sloturiSchimbate(const StareProiect &a, const StareProiect &b, QList<int> *ferestre,
                      QList<int> *obiecte);
// Object n's line as a rebuilt list writes it, and as its creation adds it.
QString textLinieObiect(const Obiect &o, int n);
QString textLinieObiectNou(TipObiect tip, int n);
// Whether two designs hold the same records, free slots aside.
bool aceleasiInregistrari(const StareProiect &a, const StareProiect &b);
