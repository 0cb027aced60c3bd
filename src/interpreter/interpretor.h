#pragma once

#include "ecran.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <optional>
#include <vector>

// A FoxPro memory variable.
struct Valoare {
    enum class Tip { Text, Numar, Logic, Data };
    Tip tip = Tip::Text;
    QString text;
    double numar = 0;
    int zecimale = 0; // as many as the literal that set the number had
    bool logic = false;
    QDate data; // null: the empty date {}
};

// How dates are written: the order of day, month and year, the separator,
// and whether the year has four digits (SET DATE, SET CENTURY).
struct FormatData {
    QString ordine = QStringLiteral("MDY");
    QChar separator = QLatin1Char('/');
    bool secol = false;

    QString masca() const; // "99/99/9999": 9 where a digit goes
    QString scrie(const QDate &d) const;
    // Nothing when the text is not a date; a null date when it is blank.
    std::optional<QDate> citeste(const QString &text) const;
};

// A number as a field of the given width shows it under the FUNCTION codes
// B, L, Z, $ and ^; stars when it does not fit.
QString formatNumar(double v, int zecimale, int latime, const QString &functie);
// A push button's picture: its prompt right-aligned in <...>, ten wide, and
// where its hot letter is.
TextButon imagineButon(const QString &prompt);

// Runs the text of a generated program on an emulated 80 x 25 screen,
// line by line, stopping at each READ until its keys have ended it. Knows
// only the line forms the generator writes; any other line is an error that
// names the line.
class Cititor;

class Interpretor
{
public:
    enum class Stare { Oprit, Citire, Terminat, Eroare };

    // Starts the program from its first line, on a fresh screen.
    void porneste(const QStringList &program);

    Stare stare() const { return stare_; }
    QString eroare() const { return eroare_; }
    const Ecran &ecran() const { return ecran_; }
    // Column and row of the cursor; (-1, -1) when no READ is running.
    QPoint cursor() const;

    // One key of a running READ; false when READ has no use for it.
    bool tasta(int key, Qt::KeyboardModifiers mod, const QString &text);

    std::optional<Valoare> variabila(const QString &nume) const;
    // Every variable a READ has read, in the order of their first field.
    QStringList variabileCitite() const { return citite_; }
    static QString numeTip(Valoare::Tip t);
    QString textValoare(const Valoare &v) const;

    // What the status line says of the field being edited.
    QString campCurent() const;
    bool suprascriere() const { return suprascriere_; }
    // Whether the last key rang the bell.
    bool clopot() const { return clopot_; }

private:
    struct Fereastra {
        QString nume;
        int col = 0, rand = 0;
        Ecran continut{0, 0};
        Culoare cerneala = Culori::LightGray, fundal = Culori::Black;
        bool umbra = false;
    };
    struct Camp {
        QString variabila;     // upper-cased key
        int fereastra = -1;    // -1: the screen itself
        int col = 0, rand = 0; // in the target's cells
        QString functie, sablon;
        QStringList prompturi; // a button bar when not empty
        QList<QChar> taste;    // the bar's hot letters
        Culoare cerneala = Culori::White, fundal = Culori::Black;
        int latime = 0;
    };

    void ruleaza();
    void executa(const QString &linie);
    void comanda(Cititor &c);
    void atribuire(const QString &nume, Cititor &c);
    void la(Cititor &c);
    void defineste(Cititor &c);
    int fereastra(const QString &nume) const;
    void terminaCitirea(bool pastreaza);
    void alegeButon(int b);

    Ecran &tinta(int fereastra);
    void scrieInTinta(int fereastra, int col, int rand, const QString &text, Culoare cerneala,
                      Culoare fundal);
    void compune();
    void deseneazaCamp(int i);
    QString textCamp(const Camp &k) const;
    Valoare &valoareCamp(const Camp &k);

    void intraInCamp(int i);
    bool paraseste(); // stores the edited text; false when it is not valid
    void muta(int pas);
    bool editeaza(int key, Qt::KeyboardModifiers mod, const QString &text);
    std::optional<QChar> accepta(QChar ch, int poz) const;
    bool editabil(int poz) const;
    int urmatorEditabil(int poz, int pas) const;
    void sterge(int poz);

    Stare stare_ = Stare::Oprit;
    QString eroare_;
    QStringList program_;
    int pc_ = 0;
    Ecran fond_, ecran_;
    std::vector<Fereastra> ferestre_;
    QList<int> ordine_; // active windows, the top one last
    QHash<QString, Valoare> variabile_;
    QHash<QString, QString> numeVariabile_; // the name as first written
    QStringList citite_;
    FormatData formatData_;

    std::vector<Camp> campuri_; // GETs waiting for READ
    int curent_ = -1;
    QString tampon_; // the current field's text while it is edited
    QString tamponInitial_;
    int poz_ = 0;
    bool selectat_ = false; // the first key typed replaces the whole content
    bool suprascriere_ = true;
    bool clopot_ = false;
    int buton_ = 0;
    QString mesaj_;
    // The screen as it was before the first DEACTIVATE since the last READ
    // or ACTIVATE: what the program leaves to see once it has ended.
    struct Ramas {
        Ecran fond;
        std::vector<Fereastra> ferestre;
        QList<int> ordine;
    };
    std::optional<Ramas> ramas_;
};
