#include "filtrucaseta.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

#include <climits>

void semnaleazaCaracter(QWidget *caseta, const QString &refuzat)
{
    const QString c = Reguli::caracterFaraCod(refuzat);
    if (c.isEmpty())
        return;
    QToolTip::showText(
        caseta->mapToGlobal(QPoint(0, caseta->height())),
        QStringLiteral("Caracterul \"%1\" nu exista in codul Windows-1250 si nu poate fi scris "
                       "in program.")
            .arg(c),
        caseta);
}

FiltruCaseta::FiltruCaseta(QLineEdit *caseta, Reguli::Filtru regula)
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
}

void FiltruCaseta::seteaza(const QString &text)
{
    liber_ = true;
    caseta_->setText(text);
    liber_ = false;
    anterior_ = caseta_->text();
}

bool FiltruCaseta::goala() const
{
    return (caseta_->hasSelectedText() ? caseta_->selectionStart() : caseta_->cursorPosition()) == 0;
}

bool FiltruCaseta::incepePermis(const QString &text) const
{
    return text.isEmpty() || Reguli::acceptat(regula_, text.at(0), true);
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
    // Never Invalid: QLineEdit stops undoing refused edits after an invalid
    // state that it did not undo itself (text set by undo, for one). A
    // refused edit gives the old text back instead.
    if (!adaugat.isEmpty()) {
        // What goes in at the start is judged as a first character.
        QString bun = Reguli::filtreaza(regula_, adaugat, prefix == 0);
        bun.truncate(loc(input.size() - adaugat.size(), vechi.size()));
        if (bun != adaugat) {
            semnaleazaCaracter(caseta_, adaugat);
            input = input.left(prefix) + bun + input.right(sufix);
            pos = prefix + bun.size();
        }
    }
    // Nor may an edit leave behind a start that could not be typed first
    // (a name's first letter deleted before a digit).
    if (!incepePermis(input) && incepePermis(vechi)) {
        input = vechi;
        pos = qMin(prefix, int(vechi.size()));
    }
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
    const int lungime = caseta_->text().size();
    QString bun = Reguli::filtreaza(regula_, clip, goala());
    bun.truncate(loc(lungime - caseta_->selectedText().size(), lungime));
    semnaleazaCaracter(caseta_, clip);
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
        if (t.size() != 1 || !t.at(0).isPrint() ||
            (ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        // A refused key is dropped before it reaches the box.
        if (!Reguli::acceptat(regula_, t.at(0), goala())) {
            semnaleazaCaracter(caseta_, t);
            return true;
        }
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
