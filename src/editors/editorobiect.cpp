#include "editorobiect.h"

#include "editors/filtrucaseta.h"
#include "formbase/culoareforma.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"
#include "model/reguli.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include <utility>

QLabel *eticheta(const char *nume, const QString &text, QWidget *parent)
{
    return numit(new QLabel(text, parent), nume);
}

EditorObiect::EditorObiect(Sesiune &sesiune, const QString &nume, const QString &titlu, QWidget *parent)
    : QDialog(parent)
    , sesiune_(sesiune)
{
    setObjectName(nume);
    setWindowTitle(titlu);
    setModal(true);
    const int n = sesiune_.model.obiectSelectat();
    if (sesiune_.model.proiect().obiectFolosit(n))
        numarLaDeschidere_ = n;
    laDeschidere_ = obiect();
}

const Obiect &EditorObiect::obiect() const
{
    return sesiune_.model.proiect().obiectFolosit(numarLaDeschidere_)
               ? sesiune_.model.obiect(numarLaDeschidere_)
               : gol_;
}

ModelProiect &EditorObiect::model() const
{
    return sesiune_.model;
}

void EditorObiect::scrie(const Obiect &o)
{
    if (sesiune_.model.proiect().obiectFolosit(numarLaDeschidere_))
        sesiune_.model.editeazaObiect(numarLaDeschidere_, o);
    else
        gol_ = o;
}

bool EditorObiect::obiectExistent() const
{
    return sesiune_.obiectExistent;
}

int EditorObiect::latimeFereastraActive() const
{
    const int a = sesiune_.model.fereastraActiva();
    return Proiect::numarFereastraValid(a) ? sesiune_.model.proiect().fereastra(a).Latime : 0;
}

void EditorObiect::incheieAplicarea()
{
    numarLaDeschidere_ = -1;
    sesiune_.model.actualizeazaListaObiecte();
    accept();
}

void EditorObiect::reject()
{
    // An existing object gets its opening record back; a new one goes.
    if (sesiune_.obiectExistent)
        scrie(laDeschidere_);
    else
        sesiune_.model.stergeObiect(numarLaDeschidere_);
    numarLaDeschidere_ = -1;
    QDialog::reject();
}

QPlainTextEdit *EditorObiect::casetaComentariu(QWidget *parent, int inaltime)
{
    auto *caseta = numit(new QPlainTextEdit(parent), "txtComentariu");
    caseta->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    caseta->setTabChangesFocus(true);
    caseta->setFixedHeight(inaltime);
    // What the box refuses (a character a program file cannot hold, or one
    // that would break a "*" line) goes first, then what goes past the limit
    // is cut from the end of the insertion; typed, pasted or dropped, in one
    // undo step with it.
    connect(caseta, &QPlainTextEdit::textChanged, caseta, [caseta, anterior = QString()]() mutable {
        const QString text = caseta->toPlainText();
        if (!Reguli::textAcceptat(Reguli::Filtru::Comentariu, text)) {
            semnaleazaCaracter(caseta, text);
            QTextCursor c(caseta->document());
            c.joinPreviousEditBlock();
            // Found afresh each time: the removal may come back here first.
            for (QString t = text; !Reguli::textAcceptat(Reguli::Filtru::Comentariu, t);
                 t = caseta->toPlainText()) {
                qsizetype i = t.size() - 1;
                while (Reguli::acceptat(Reguli::Filtru::Comentariu, t.at(i), false))
                    --i;
                c.setPosition(int(i));
                c.setPosition(int(i) + 1, QTextCursor::KeepAnchor);
                c.removeSelectedText();
            }
            c.endEditBlock();
            return; // comes back here without them
        }
        const QString vechi = std::exchange(anterior, text);
        const auto taiere = Reguli::limiteaza(vechi, text, Reguli::LungimeComentariu);
        if (!taiere)
            return;
        QTextCursor c(caseta->document());
        c.joinPreviousEditBlock();
        c.setPosition(taiere->cursor);
        c.setPosition(taiere->cursor + int(text.size() - taiere->text.size()), QTextCursor::KeepAnchor);
        c.removeSelectedText(); // comes back here, within the limit
        c.endEditBlock();
    });
    return caseta;
}

QFrame *EditorObiect::panouStang(int latime, const char *imagine, const char *fisier, const char *titlu,
                                 const QString &textTitlu, std::initializer_list<Sfat> sfaturi)
{
    auto *panou = new CuloareForma(QStringLiteral("Shape1"), this);
    panou->setColor(Qt::white);
    panou->setFixedWidth(latime);
    auto *poza = eticheta(imagine, QString(), panou);
    poza->setPixmap(
        QPixmap(QLatin1String(fisier)).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *eticTitlu = eticheta(titlu, textTitlu, panou);
    eticTitlu->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    auto *linie = numit(new QFrame(panou), "Line1");
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    auto *antet = new QHBoxLayout;
    antet->addWidget(poza);
    antet->addWidget(eticTitlu, 1);
    auto *stanga = new QVBoxLayout(panou);
    stanga->setContentsMargins(10, 10, 10, 10);
    stanga->addLayout(antet);
    stanga->addWidget(linie);
    QFont gros = font();
    gros.setBold(true);
    for (const Sfat &s : sfaturi) {
        auto *semn = eticheta(s.semn, QStringLiteral(">"), panou);
        semn->setFont(gros);
        auto *text = eticheta(s.nume, s.text, panou);
        text->setWordWrap(true);
        auto *rand = new QHBoxLayout;
        rand->addWidget(semn, 0, Qt::AlignTop);
        rand->addWidget(text, 1);
        stanga->addSpacing(6);
        stanga->addLayout(rand);
    }
    stanga->addStretch(1);
    return panou;
}
