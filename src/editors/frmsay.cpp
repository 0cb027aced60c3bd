#include "frmsay.h"

#include "app/culoareforma.h"
#include "app/sesiune.h"
#include "app/uiutil.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <climits>

namespace {

// Characters that would break a line of the generated program.
bool esteControl(QChar ch)
{
    const QChar::Category c = ch.category();
    return c == QChar::Other_Control || c == QChar::Separator_Line || c == QChar::Separator_Paragraph;
}

bool literaLatina(QChar ch)
{
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
           (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'));
}

template <typename T> T *numit(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel *eticheta(const char *name, const QString &text, QWidget *parent)
{
    return numit(new QLabel(text, parent), name);
}

} // namespace

// ---------------------------------------------------------------------------

FiltruCaseta::FiltruCaseta(QLineEdit *caseta, Regula regula)
    : QValidator(caseta)
    , caseta_(caseta)
    , regula_(regula)
    , anterior_(caseta->text())
{
    // Connected before any handler of the form, so the text before an edit
    // is known when the next edit is checked.
    connect(caseta_, &QLineEdit::textChanged, this, [this](const QString &text) { anterior_ = text; });
    caseta_->setValidator(this);
    caseta_->installEventFilter(this);
    // A drop would insert before the filter could see the whole of it.
    if (regula_ != Regula::Text)
        caseta_->setAcceptDrops(false);
}

void FiltruCaseta::seteaza(const QString &text)
{
    liber_ = true;
    caseta_->setText(text);
    liber_ = false;
    anterior_ = caseta_->text();
}

bool FiltruCaseta::acceptat(QChar ch, bool casetaGoala) const
{
    switch (regula_) {
    case Regula::Text:
        return !esteControl(ch);
    case Regula::Prompt:
        return !esteControl(ch) && ch != QLatin1Char(';');
    case Regula::Nume:
        // Only what a FoxPro name may hold; a digit never starts one.
        if (literaLatina(ch) || ch == QLatin1Char('_'))
            return true;
        return !casetaGoala && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    }
    return false;
}

QString FiltruCaseta::filtreaza(const QString &adaugat, bool casetaGoala) const
{
    // Each character is judged as if typed after the ones let in before it.
    QString rezultat;
    for (QChar ch : adaugat) {
        if (acceptat(ch, casetaGoala && rezultat.isEmpty()))
            rezultat += ch;
    }
    return rezultat;
}

int FiltruCaseta::loc(int lungimeBaza, int lungimeAnterioara) const
{
    if (limita_ < 0)
        return INT_MAX;
    return qMax(0, qMax(limita_, lungimeAnterioara) - lungimeBaza);
}

QValidator::State FiltruCaseta::validate(QString &input, int &pos) const
{
    if (liber_)
        return Acceptable;
    const QString &vechi = anterior_;
    const int minim = qMin(vechi.size(), input.size());
    // The inserted run ends at the cursor; that settles where it lies when
    // the characters around it are alike.
    int sufix = 0;
    const int sufixMaxim = qMin(minim, pos >= 0 && pos <= input.size() ? input.size() - pos : minim);
    while (sufix < sufixMaxim && vechi.at(vechi.size() - 1 - sufix) == input.at(input.size() - 1 - sufix))
        ++sufix;
    int prefix = 0;
    while (prefix < minim - sufix && vechi.at(prefix) == input.at(prefix))
        ++prefix;
    const QString adaugat = input.mid(prefix, input.size() - prefix - sufix);
    if (adaugat.isEmpty())
        return Acceptable;
    const int baza = input.size() - adaugat.size();
    QString bun = filtreaza(adaugat, vechi.isEmpty());
    bun.truncate(loc(baza, vechi.size()));
    if (bun == adaugat)
        return Acceptable;
    // Never Invalid: QLineEdit stops undoing refused edits after an invalid
    // state that it did not undo itself (text set by undo, for one).
    input = input.left(prefix) + bun + input.right(sufix);
    pos = prefix + bun.size();
    return Acceptable;
}

void FiltruCaseta::lipeste(QClipboard::Mode mod)
{
    if (caseta_->isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mod);
    if (clip.isEmpty() && !caseta_->hasSelectedText())
        return;
    // Filtered before QLineEdit cuts it to the maximum length, so refused
    // characters do not take the room of accepted ones.
    const QString text = caseta_->text();
    const int baza = text.size() - caseta_->selectedText().size();
    QString bun = filtreaza(clip, text.isEmpty());
    bun.truncate(loc(baza, text.size()));
    caseta_->insert(bun);
}

bool FiltruCaseta::eventFilter(QObject *obj, QEvent *event)
{
    if (obj != caseta_)
        return QValidator::eventFilter(obj, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->matches(QKeySequence::Paste)) {
            lipeste(QClipboard::Clipboard);
            return true;
        }
        const QString t = ke->text();
        if (t.size() != 1 || esteControl(t.at(0)) ||
            (ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        // A refused key is dropped before it reaches the box.
        if (!acceptat(t.at(0), caseta_->text().isEmpty()))
            return true;
        const int lungime = caseta_->text().size();
        return !caseta_->hasSelectedText() && loc(lungime, lungime) == 0;
    }
    case QEvent::ContextMenu: {
        auto *ce = static_cast<QContextMenuEvent *>(event);
        QMenu *meniu = caseta_->createStandardContextMenu();
        meniu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction *a : meniu->actions()) {
            // Named only by newer Qt; its caption comes from QLineEdit's own translation.
            if (a->objectName() == QLatin1String("edit-paste") ||
                a->text().startsWith(QLineEdit::tr("&Paste"))) {
                QObject::disconnect(a, SIGNAL(triggered(bool)), caseta_, nullptr);
                connect(a, &QAction::triggered, this, [this] { lipeste(QClipboard::Clipboard); });
            }
        }
        meniu->popup(ce->globalPos());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::MiddleButton)
            return false;
        if (QGuiApplication::clipboard()->supportsSelection() &&
            caseta_->rect().contains(me->position().toPoint())) {
            caseta_->deselect();
            lipeste(QClipboard::Selection);
        }
        return true;
    }
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------

LimitaComentariu::LimitaComentariu(QPlainTextEdit *caseta, int maxim)
    : QObject(caseta)
    , caseta_(caseta)
    , maxim_(maxim)
{
    connect(caseta_->document(), &QTextDocument::contentsChange, this, [this](int pozitie, int, int adaugat) {
        sfarsitInserare_ = pozitie + adaugat;
        adaugat_ = adaugat;
    });
    // Connected before the form's own handler, which then sees the text
    // already cut.
    connect(caseta_, &QPlainTextEdit::textChanged, this, &LimitaComentariu::verifica);
}

void LimitaComentariu::verifica()
{
    if (taie_)
        return;
    QTextDocument *doc = caseta_->document();
    const int lungime = doc->characterCount() - 1; // without the closing paragraph mark
    const int exces = lungime - maxim_;
    if (exces <= 0)
        return;
    // What goes past the limit is cut from the end of what was just put in;
    // when that cannot account for it, from the end of the text.
    int sfarsit = qBound(0, sfarsitInserare_, lungime);
    int inceput = sfarsit - exces;
    if (exces > adaugat_ || inceput < 0) {
        sfarsit = lungime;
        inceput = lungime - exces;
    }
    // Never split a surrogate pair.
    if (inceput > 0 && doc->characterAt(inceput).isLowSurrogate())
        --inceput;
    taie_ = true;
    QTextCursor c(doc);
    c.joinPreviousEditBlock();
    c.setPosition(inceput);
    c.setPosition(sfarsit, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    c.endEditBlock();
    taie_ = false;
}

// ---------------------------------------------------------------------------

FrmSay::FrmSay(Sesiune &sesiune, QWidget *parent)
    : EditorObiect(sesiune, QStringLiteral("frmSay"), QStringLiteral("@ SAY"), parent)
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    construiesteControalele();
    butonImplicit(this, cmdAplica_);
    setFixedSize(sizeHint());
    incarca();
}

void FrmSay::construiesteControalele()
{
    // Left side: a white panel with the editor's name and two hints.
    auto *shape1 = new CuloareForma(QStringLiteral("Shape1"), this);
    shape1->setColor(Qt::white);
    shape1->setFrameShape(QFrame::Box);
    shape1->setFixedWidth(200);

    auto *image5 = eticheta("Image5", QString(), shape1);
    image5->setPixmap(QPixmap(QStringLiteral(":/images/say.png"))
                          .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *label7 = eticheta("Label7", QStringLiteral("@ SAY"), shape1);
    label7->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    auto *line1 = numit(new QFrame(shape1), "Line1");
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    QFont gros = font();
    gros.setBold(true);
    auto *label4 = eticheta("Label4", QStringLiteral(">"), shape1);
    label4->setFont(gros);
    auto *label6 = eticheta("Label6", QStringLiteral(">"), shape1);
    label6->setFont(gros);
    auto *label5 = eticheta(
        "Label5",
        QStringLiteral(
            "Obiectele de tip @SAY sunt folosite pentru a afisa informatii (texte, valori) pe ecran."),
        shape1);
    auto *label3 = eticheta(
        "Label3", QStringLiteral("Nu se pot introduce texte care sa depaseasca latimea ferestrei active."),
        shape1);
    for (QLabel *l : {label5, label3})
        l->setWordWrap(true);
    for (QLabel *l : {label4, label6})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *antet = new QHBoxLayout;
    antet->addWidget(image5);
    antet->addWidget(label7, 1);
    auto *sfat1 = new QHBoxLayout;
    sfat1->addWidget(label4, 0, Qt::AlignTop);
    sfat1->addWidget(label5, 1);
    auto *sfat2 = new QHBoxLayout;
    sfat2->addWidget(label6, 0, Qt::AlignTop);
    sfat2->addWidget(label3, 1);
    auto *stanga = new QVBoxLayout(shape1);
    stanga->setContentsMargins(10, 10, 10, 10);
    stanga->addLayout(antet);
    stanga->addWidget(line1);
    stanga->addSpacing(6);
    stanga->addLayout(sfat1);
    stanga->addSpacing(6);
    stanga->addLayout(sfat2);
    stanga->addStretch(1);

    // Right side: the fields, then the buttons.
    auto *frame1 = numit(new QFrame(this), "Frame1");
    frame1->setFrameShape(QFrame::StyledPanel);
    lblText_ = eticheta("lblText", QStringLiteral("Text:"), frame1);
    txtText_ = numit(new QLineEdit(frame1), "txtText");
    txtText_->setMinimumWidth(330);
    lblLungimeText_ = eticheta("lblLungimeText", QString(), frame1);
    chkAfiseazaVariabila_ = numit(new QCheckBox(QStringLiteral("Afiseaza continutul unei variabile"), frame1),
                                  "chkAfiseazaVariabila");
    lblNumeVariabila_ = eticheta("lblNumeVariabila", QStringLiteral("Nume variabila:"), frame1);
    lblNumeVariabila_->setEnabled(false);
    txtNumeVariabila_ = numit(new QLineEdit(frame1), "txtNumeVariabila");
    txtNumeVariabila_->setMaxLength(LungimeNumeVariabila);
    txtNumeVariabila_->setEnabled(false);
    auto *label2 = eticheta("Label2", QStringLiteral("Comentariu:"), frame1);
    txtComentariu_ = numit(new QPlainTextEdit(frame1), "txtComentariu");
    txtComentariu_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComentariu_->setTabChangesFocus(true);
    txtComentariu_->setFixedHeight(70);

    filtruText_ = new FiltruCaseta(txtText_, FiltruCaseta::Regula::Text);
    filtruNume_ = new FiltruCaseta(txtNumeVariabila_, FiltruCaseta::Regula::Nume);
    new LimitaComentariu(txtComentariu_, LungimeComentariu);

    auto *campuri = new QGridLayout(frame1);
    campuri->addWidget(lblText_, 0, 0);
    campuri->addWidget(txtText_, 0, 1);
    campuri->addWidget(lblLungimeText_, 1, 1);
    campuri->addWidget(chkAfiseazaVariabila_, 2, 0, 1, 2);
    campuri->addWidget(lblNumeVariabila_, 3, 0);
    auto *nume = new QHBoxLayout;
    txtNumeVariabila_->setFixedWidth(txtNumeVariabila_->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                                     12);
    nume->addWidget(txtNumeVariabila_);
    nume->addStretch(1);
    campuri->addLayout(nume, 3, 1);
    campuri->addWidget(label2, 4, 0, 1, 2);
    campuri->addWidget(txtComentariu_, 5, 0, 1, 2);
    campuri->setRowMinimumHeight(2, chkAfiseazaVariabila_->sizeHint().height() + 6);

    auto *frame2 = numit(new QFrame(this), "Frame2");
    frame2->setFrameShape(QFrame::StyledPanel);
    cmdAplica_ = numit(new QPushButton(QStringLiteral("Aplica"), frame2), "cmdAplica");
    cmdAplica_->setEnabled(false);
    cmdReset_ = numit(new QPushButton(QStringLiteral("Reset"), frame2), "cmdReset");
    cmdAnuleaza_ = numit(new QPushButton(QStringLiteral("Anuleaza"), frame2), "cmdAnuleaza");
    auto *butoane = new QHBoxLayout(frame2);
    butoane->addStretch(1);
    butoane->addWidget(cmdAplica_);
    butoane->addWidget(cmdReset_);
    butoane->addWidget(cmdAnuleaza_);

    auto *dreapta = new QVBoxLayout;
    dreapta->addWidget(frame1, 1);
    dreapta->addWidget(frame2);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(shape1);
    layout->addLayout(dreapta, 1);

    connect(chkAfiseazaVariabila_, &QCheckBox::toggled, this, &FrmSay::chkAfiseazaVariabila_Click);
    connect(txtText_, &QLineEdit::textChanged, this, &FrmSay::actualizeazaAplica);
    connect(txtNumeVariabila_, &QLineEdit::textChanged, this, &FrmSay::actualizeazaAplica);
    connect(txtComentariu_, &QPlainTextEdit::textChanged, this, &FrmSay::txtComentariu_Change);
    connect(cmdAplica_, &QPushButton::clicked, this, &FrmSay::cmdAplica_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &FrmSay::cmdReset_Click);
    connect(cmdAnuleaza_, &QPushButton::clicked, this, &FrmSay::reject);
}

void FrmSay::incarca()
{
    const int n = qMax(0, latimeFereastraActive() - 2);
    const Obiect o = obiect();
    // The box's own maximum length would cut a text that was written into
    // a wider window; the filter limits only what is typed from now on.
    filtruText_->setLimita(n);
    lblLungimeText_->setText(QStringLiteral("(max. %1 caractere)").arg(n));
    if (isSet(o.Variabila)) {
        chkAfiseazaVariabila_->setChecked(true);
        filtruNume_->seteaza(o.Nume);
        txtText_->setMaxLength(qMax(1, n));
    } else {
        txtText_->setMaxLength(qMax(qMax(1, n), int(o.Nume.size())));
        filtruText_->seteaza(o.Nume);
    }
    // Stored comments came through a box of the same limit; the limiter
    // still cuts anything longer.
    txtComentariu_->setPlainText(o.Comentariu);
    textInitial_ = txtText_->text();
    comentariuInitial_ = txtComentariu_->toPlainText();
    actualizeazaAplica();
    if (chkAfiseazaVariabila_->isChecked())
        txtNumeVariabila_->setFocus();
    else
        txtText_->setFocus();
}

void FrmSay::chkAfiseazaVariabila_Click()
{
    const bool variabila = chkAfiseazaVariabila_->isChecked();
    txtNumeVariabila_->setEnabled(variabila);
    lblNumeVariabila_->setEnabled(variabila);
    txtText_->setEnabled(!variabila);
    lblLungimeText_->setEnabled(!variabila);
    lblText_->setEnabled(!variabila);
    if (!variabila)
        txtText_->setFocus();
    else
        txtNumeVariabila_->setFocus();
    actualizeazaAplica();
    obiect().Variabila = toFlag(variabila);
}

void FrmSay::actualizeazaAplica()
{
    // Only the box that Apply would store counts: an empty name or text
    // gives a line that does not compile.
    const QLineEdit *activa = chkAfiseazaVariabila_->isChecked() ? txtNumeVariabila_ : txtText_;
    cmdAplica_->setEnabled(!activa->text().isEmpty());
}

void FrmSay::txtComentariu_Change()
{
    obiect().Comentariu = txtComentariu_->toPlainText();
}

void FrmSay::cmdAplica_Click()
{
    const QString valoare = chkAfiseazaVariabila_->isChecked() ? txtNumeVariabila_->text() : txtText_->text();
    if (valoare.isEmpty())
        return;
    Obiect &o = obiect();
    o.Nume = valoare;
    o.TextAfisat = valoare;
    incheieAplicarea();
}

void FrmSay::cmdReset_Click()
{
    txtComentariu_->setPlainText(comentariuInitial_);
    filtruText_->seteaza(textInitial_);
}

void FrmSay::reject()
{
    // The check box and the comment write through at once; the base puts
    // an existing object's record back.
    EditorObiect::reject();
}
