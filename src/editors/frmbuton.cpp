#include "frmbuton.h"

#include "editors/filtrucaseta.h"
#include "editors/updown.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A number box that only the arrows beside it change.
QLineEdit *casetaNumar(const char *name, QWidget *parent)
{
    auto *c = numit(new QLineEdit(parent), name);
    c->setReadOnly(true);
    c->setAlignment(Qt::AlignRight);
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return c;
}

bool doarSublinieri(const QString &text)
{
    for (QChar ch : text) {
        if (ch != QLatin1Char('_'))
            return false;
    }
    return true;
}

} // namespace

FrmButon::FrmButon(Sesiune &sesiune, QWidget *parent)
    : EditorObiect(sesiune, QStringLiteral("frmButon"), QStringLiteral("Buton"), parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    construiesteControalele();
    butonImplicit(this, cmdAplica_);
    setFixedSize(sizeHint());
    // Centred on the screen rather than on the palette that opens it.
    QScreen *ecran = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (ecran)
        move(ecran->availableGeometry().center() - rect().center());
    incarca();
}

void FrmButon::construiesteControalele()
{
    // Left side: a white panel with the picture and the help texts.
    QFrame *panou = panouStang(
        190, "Image1", ":/images/buton.png", "Label9", QStringLiteral("Buton"),
        {{"", "Label3",
          QStringLiteral(
              "Pentru a adauga un shortcut unui buton inserati caracterele \"\\<\" in fata literei ce "
              "doriti sa-l activeze.")},
         {"", "Label4",
          QStringLiteral("Obiectele de tip @GET sunt folosite pentru a introduce informatii in variabile sau "
                         "campurile unei baze de date")},
         {"", "Label5",
          QStringLiteral("Nu se pot introduce texte care sa depaseasca latimea ferestrei active.")}});

    // The bar: the prompt being typed, the three list buttons, the list.
    auto *frame1 = numit(new QFrame(this), "Frame1");
    frame1->setFrameShape(QFrame::StyledPanel);
    auto *label1 = eticheta("Label1", QStringLiteral("Text buton:"), frame1);
    txtText_ = numit(new QLineEdit(frame1), "txtText");
    txtText_->setFixedWidth(190);
    cmdAdauga_ = numit(new QPushButton(QStringLiteral(">>"), frame1), "cmdAdauga");
    cmdScoate_ = numit(new QPushButton(QStringLiteral("<<"), frame1), "cmdScoate");
    cmdStergeTot_ = numit(new QPushButton(QStringLiteral("Sterge tot"), frame1), "cmdStergeTot");
    for (QPushButton *b : {cmdAdauga_, cmdScoate_, cmdStergeTot_})
        b->setEnabled(false);
    auto *label10 = eticheta("Label10", QStringLiteral("Bara de butoane:"), frame1);
    lstButoane_ = numit(new QListWidget(frame1), "lstButoane");
    lstButoane_->setFixedSize(190, 110);

    auto *comenzi = new QVBoxLayout;
    comenzi->addWidget(cmdAdauga_);
    comenzi->addWidget(cmdScoate_);
    comenzi->addWidget(cmdStergeTot_);
    comenzi->addStretch(1);
    auto *bara = new QGridLayout(frame1);
    bara->addWidget(label1, 0, 0);
    bara->addWidget(label10, 0, 2);
    bara->addWidget(txtText_, 1, 0, Qt::AlignTop);
    bara->addLayout(comenzi, 1, 1);
    bara->addWidget(lstButoane_, 1, 2);

    // The variable, the size of a button and the comment.
    auto *frame2 = numit(new QFrame(this), "Frame2");
    frame2->setFrameShape(QFrame::StyledPanel);
    auto *label11 = eticheta("Label11", QStringLiteral("Variabila buton:"), frame2);
    txtVariabilaButon_ = numit(new QLineEdit(frame2), "txtVariabilaButon");
    txtVariabilaButon_->setFixedWidth(150);
    auto *label8 = eticheta("Label8", QStringLiteral("Latime buton:"), frame2);
    txtLatimeButon_ = casetaNumar("txtLatimeButon", frame2);
    updLatimeButon_ = new UpDown(QStringLiteral("updLatimeButon"), frame2);
    lblLatimeButon_ = eticheta("lblLatimeButon", QString(), frame2);
    auto *label7 = eticheta("Label7", QStringLiteral("Inaltime buton:"), frame2);
    txtInaltimeButon_ = casetaNumar("txtInaltimeButon", frame2);
    txtInaltimeButon_->setText(QStringLiteral("0"));
    updInaltimeButon_ = new UpDown(QStringLiteral("updInaltimeButon"), frame2);
    lblInaltimeButon_ = eticheta("lblInaltimeButon", QString(), frame2);
    auto *label2 = eticheta("Label2", QStringLiteral("Comentariu:"), frame2);
    txtComentariu_ = casetaComentariu(frame2, 60);

    auto numar = [](QLineEdit *caseta, UpDown *sageti, QLabel *maxim) {
        auto *l = new QHBoxLayout;
        l->setSpacing(0);
        l->addWidget(caseta);
        sageti->setFixedHeight(caseta->sizeHint().height());
        l->addWidget(sageti);
        l->addSpacing(8);
        l->addWidget(maxim);
        l->addStretch(1);
        return l;
    };
    auto *proprietati = new QGridLayout(frame2);
    proprietati->addWidget(label11, 0, 0);
    proprietati->addWidget(txtVariabilaButon_, 0, 1, Qt::AlignLeft);
    proprietati->addWidget(label8, 1, 0);
    proprietati->addLayout(numar(txtLatimeButon_, updLatimeButon_, lblLatimeButon_), 1, 1);
    proprietati->addWidget(label7, 2, 0);
    proprietati->addLayout(numar(txtInaltimeButon_, updInaltimeButon_, lblInaltimeButon_), 2, 1);
    proprietati->addWidget(label2, 3, 0, 1, 2);
    proprietati->addWidget(txtComentariu_, 4, 0, 1, 2);
    proprietati->setColumnStretch(1, 1);

    cmdAplica_ = numit(new QPushButton(QStringLiteral("Aplica"), this), "cmdAplica");
    cmdAplica_->setEnabled(false);
    cmdReset_ = numit(new QPushButton(QStringLiteral("Reset"), this), "cmdReset");
    cmdAnuleaza_ = numit(new QPushButton(QStringLiteral("Anuleaza"), this), "cmdAnuleaza");
    auto *butoane = new QHBoxLayout;
    butoane->addStretch(1);
    butoane->addWidget(cmdAplica_);
    butoane->addWidget(cmdReset_);
    butoane->addWidget(cmdAnuleaza_);

    auto *dreapta = new QVBoxLayout;
    dreapta->addWidget(frame1);
    dreapta->addWidget(frame2, 1);
    dreapta->addLayout(butoane);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panou);
    layout->addLayout(dreapta, 1);

    filtruText_ = new FiltruCaseta(txtText_, Reguli::Filtru::Prompt);
    filtruVariabila_ = new FiltruCaseta(txtVariabilaButon_, Reguli::Filtru::Nume);
    // Names and prompts are typed or pasted: a drop would be cut to the
    // box's length before it is filtered.
    txtText_->setAcceptDrops(false);
    txtVariabilaButon_->setAcceptDrops(false);
    txtVariabilaButon_->installEventFilter(this);
    txtText_->installEventFilter(this);

    connect(txtText_, &QLineEdit::textChanged, this, &FrmButon::txtText_Change);
    connect(txtVariabilaButon_, &QLineEdit::textChanged, this, &FrmButon::txtVariabilaButon_Change);
    connect(txtLatimeButon_, &QLineEdit::textChanged, this, &FrmButon::txtLatimeButon_Change);
    connect(txtInaltimeButon_, &QLineEdit::textChanged, this, &FrmButon::txtInaltimeButon_Change);
    connect(txtComentariu_, &QPlainTextEdit::textChanged, this, &FrmButon::txtComentariu_Change);
    for (int pas : {-1, 1}) {
        const auto semnal = pas < 0 ? &UpDown::downClicked : &UpDown::upClicked;
        connect(updLatimeButon_, semnal, this,
                [this, pas] { pasSageata(txtLatimeButon_, pas, LatimeMinima, latimeMaxima_); });
        connect(updInaltimeButon_, semnal, this,
                [this, pas] { pasSageata(txtInaltimeButon_, pas, InaltimeMinima, InaltimeMaxima); });
    }
    connect(cmdAdauga_, &QPushButton::clicked, this, &FrmButon::cmdAdauga_Click);
    connect(cmdScoate_, &QPushButton::clicked, this, &FrmButon::cmdScoate_Click);
    connect(cmdStergeTot_, &QPushButton::clicked, this, &FrmButon::cmdStergeTot_Click);
    connect(cmdAplica_, &QPushButton::clicked, this, &FrmButon::cmdAplica_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &FrmButon::cmdReset_Click);
    connect(cmdAnuleaza_, &QPushButton::clicked, this, &FrmButon::reject);
}

void FrmButon::incarca()
{
    // Windows are at least five columns wide, so w is normally 3 or more;
    // without an active window the editor still gets a usable range.
    latimeMaxima_ = qMax(int(LatimeMinima), latimeFereastraActive() - 2);
    lblInaltimeButon_->setText(QStringLiteral("(max. %1)").arg(InaltimeMaxima));
    lblLatimeButon_->setText(QStringLiteral("(max. %1)").arg(latimeMaxima_));

    const Obiect o = obiect();
    Stare s;
    s.comentariu = o.Comentariu;
    s.valoare = o.Valoare;
    s.textAfisat = o.TextAfisat;
    s.inaltime = qBound(int(InaltimeMinima), int(o.InaltimeButon), int(InaltimeMaxima));
    if (obiectExistent() && o.Lungime >= LatimeMinima) {
        // An existing bar is shown as stored, even when its window has been
        // narrowed since; the arrows then only bring it down.
        s.variabila = o.Nume;
        s.latime = o.Lungime;
        if (!o.Valoare.isEmpty())
            s.prompturi = o.Valoare.split(QLatin1Char(';'));
    } else {
        // A window narrower than 12 columns must not get a button wider
        // than its interior.
        s.variabila = QStringLiteral("buton");
        s.latime = qMin(int(LatimeImplicita), latimeMaxima_);
    }
    afiseaza(s);
    // What the boxes now hold, written through to the record, is what
    // Reset comes back to.
    deschis_ = s;
    txtText_->setFocus();
}

void FrmButon::afiseaza(const Stare &s)
{
    filtruVariabila_->seteaza(s.variabila);
    txtLatimeButon_->setText(QString::number(s.latime));
    txtInaltimeButon_->setText(QString::number(s.inaltime));
    lstButoane_->clear();
    lstButoane_->addItems(s.prompturi);
    if (lstButoane_->count() > 0)
        lstButoane_->setCurrentRow(lstButoane_->count() - 1);
    activeazaBara(lstButoane_->count() > 0);
    filtruText_->seteaza(QString());
    txtComentariu_->setPlainText(s.comentariu);
    // The bar's two fields are not rebuilt here: a width changed after the
    // prompts were added leaves the picture as it was.
    model().seteazaBaraStocata(numarObiect(), s.valoare, s.textAfisat);
}

QStringList FrmButon::prompturi() const
{
    QStringList p;
    for (int i = 0; i < lstButoane_->count(); ++i)
        p << lstButoane_->item(i)->text();
    return p;
}

void FrmButon::reconstruiesteBara()
{
    model().seteazaBara(numarObiect(), prompturi());
}

void FrmButon::activeazaBara(bool on)
{
    cmdScoate_->setEnabled(on);
    cmdStergeTot_->setEnabled(on);
    cmdAplica_->setEnabled(on);
}

void FrmButon::txtText_Change()
{
    cmdAdauga_->setEnabled(!txtText_->text().isEmpty());
}

void FrmButon::txtVariabilaButon_Change()
{
    model().seteazaText(numarObiect(), &Obiect::Nume, txtVariabilaButon_->text());
}

void FrmButon::txtVariabilaButon_LostFocus()
{
    if (inchis_)
        return;
    const QString text = txtVariabilaButon_->text();
    if (text.isEmpty() || doarSublinieri(text))
        filtruVariabila_->seteaza(QStringLiteral("buton"));
}

bool FrmButon::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == txtVariabilaButon_ && event->type() == QEvent::FocusOut)
        txtVariabilaButon_LostFocus();
    if (obj == txtText_ && event->type() == QEvent::KeyPress) {
        const int tasta = static_cast<QKeyEvent *>(event)->key();
        if (tasta == Qt::Key_Return || tasta == Qt::Key_Enter) {
            // Enter adds the prompt being typed. It never reaches Apply from
            // this box: a second Enter after the last prompt would otherwise
            // close the editor before the variable and width are set.
            if (cmdAdauga_->isEnabled())
                cmdAdauga_->click();
            return true;
        }
    }
    return EditorObiect::eventFilter(obj, event);
}

void FrmButon::txtLatimeButon_Change()
{
    const int latime = qBound(0, txtLatimeButon_->text().toInt(), 255);
    model().seteazaLungime(numarObiect(), latime);
    // Cuts a longer prompt being typed.
    txtText_->setMaxLength(qMax(1, latime));
}

void FrmButon::txtInaltimeButon_Change()
{
    model().seteazaInaltimeButon(numarObiect(), txtInaltimeButon_->text().toInt());
}

void FrmButon::txtComentariu_Change()
{
    model().seteazaText(numarObiect(), &Obiect::Comentariu, txtComentariu_->toPlainText());
}

void FrmButon::cmdAdauga_Click()
{
    const QString text = txtText_->text();
    if (text.isEmpty())
        return;
    lstButoane_->addItem(text);
    filtruText_->seteaza(QString());
    txtText_->setFocus();
    reconstruiesteBara();
    lstButoane_->setCurrentRow(lstButoane_->count() - 1);
    activeazaBara(true);
}

void FrmButon::cmdScoate_Click()
{
    QListWidgetItem *item = lstButoane_->currentItem();
    if (!item)
        return;
    filtruText_->seteaza(item->text());
    txtText_->setFocus();
    delete lstButoane_->takeItem(lstButoane_->row(item));
    reconstruiesteBara();
    if (lstButoane_->count() == 0)
        activeazaBara(false);
    else
        lstButoane_->setCurrentRow(lstButoane_->count() - 1);
}

void FrmButon::cmdStergeTot_Click()
{
    lstButoane_->clear();
    txtText_->setFocus();
    model().seteazaBaraStocata(numarObiect(), QString(), QString());
    activeazaBara(false);
}

void FrmButon::cmdAplica_Click()
{
    if (lstButoane_->count() == 0)
        return;
    // Apply pressed from code or by Enter leaves the box without losing the
    // focus; an empty name would give a line that does not compile.
    txtVariabilaButon_LostFocus();
    inchis_ = true;
    incheieAplicarea();
}

void FrmButon::cmdReset_Click()
{
    afiseaza(deschis_);
    txtText_->setFocus();
}

void FrmButon::reject()
{
    inchis_ = true;
    EditorObiect::reject();
}
