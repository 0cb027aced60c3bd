#include "frmprevizualizare.h"

#include "codegen/generator.h"
#include "formbase/sesiune.h"
#include "formbase/uiutil.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// One cell as the work table draws it.
constexpr int CelulaLatime = Geometrie::CelulaLatime / TwipsPerPixel;
constexpr int CelulaInaltime = Geometrie::CelulaInaltime / TwipsPerPixel;

QColor culoare(Culoare c)
{
    return QColor::fromRgb(rgbFromCuloare(c));
}

} // namespace

EcranPrevizualizare::EcranPrevizualizare(Interpretor &interpretor, QWidget *parent)
    : QWidget(parent)
    , interpretor_(interpretor)
    , font_(QStringLiteral("Courier New"))
{
    setObjectName(QStringLiteral("ecran"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Sized to the cell and spaced to its width, as the work table's labels.
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    font_.setPixelSize(CelulaInaltime - 1);
    font_.setLetterSpacing(QFont::AbsoluteSpacing,
                           CelulaLatime - QFontMetricsF(font_).horizontalAdvance(QLatin1Char('M')));
}

QSize EcranPrevizualizare::sizeHint() const
{
    return {Ecran::Coloane * CelulaLatime, Ecran::Randuri * CelulaInaltime};
}

bool EcranPrevizualizare::event(QEvent *e)
{
    // While READ runs every key is its own: no shortcut of the main window
    // (Ctrl+W, F9 ...) fires. F5 is the dialog's own "Reia".
    if (e->type() == QEvent::ShortcutOverride && interpretor_.stare() == Interpretor::Stare::Citire &&
        static_cast<QKeyEvent *>(e)->key() != Qt::Key_F5) {
        e->accept();
        return true;
    }
    // Tab and Shift+Tab move between the program's fields, not the dialog's controls.
    if (e->type() == QEvent::KeyPress && interpretor_.stare() == Interpretor::Stare::Citire) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QWidget::event(e);
}

void EcranPrevizualizare::keyPressEvent(QKeyEvent *e)
{
    if (!interpretor_.tasta(e->key(), e->modifiers(), e->text())) {
        e->ignore(); // a finished program lets Esc close the dialog
        return;
    }
    if (interpretor_.clopot())
        QApplication::beep();
    update();
    emit tastaFolosita();
}

void EcranPrevizualizare::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font_);
    const Ecran &e = interpretor_.ecran();
    for (int r = 0; r < e.inaltime(); ++r) {
        // Runs of cells of the same colours are drawn at once.
        for (int c = 0; c < e.latime();) {
            const Celula &prima = e.at(c, r);
            int sfarsit = c + 1;
            while (sfarsit < e.latime() && e.at(sfarsit, r).cerneala == prima.cerneala &&
                   e.at(sfarsit, r).fundal == prima.fundal)
                ++sfarsit;
            const QRect loc(c * CelulaLatime, r * CelulaInaltime, (sfarsit - c) * CelulaLatime,
                            CelulaInaltime);
            p.fillRect(loc, culoare(prima.fundal));
            QString text = e.rand(r).mid(c, sfarsit - c);
            if (!text.trimmed().isEmpty()) {
                p.setPen(culoare(prima.cerneala));
                p.drawText(loc, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            }
            c = sfarsit;
        }
    }
    const QPoint k = interpretor_.cursor();
    if (e.contine(k.x(), k.y())) {
        // An underline in overwrite mode, half a cell when inserting.
        const int inaltime = interpretor_.suprascriere() ? 3 : CelulaInaltime / 2;
        p.fillRect(k.x() * CelulaLatime, (k.y() + 1) * CelulaInaltime - inaltime, CelulaLatime, inaltime,
                   culoare(e.at(k.x(), k.y()).cerneala));
    }
}

FrmPrevizualizare::FrmPrevizualizare(const QStringList &program, QWidget *parent)
    : QDialog(parent)
    , program_(program)
    , ecran_(new EcranPrevizualizare(interpretor_, this))
    , lblEroare_(new QLabel(this))
    , lblStare_(new QLabel(this))
    , tblVariabile_(new QTableWidget(0, 3, this))
    , cmdReia_(new QPushButton(QStringLiteral("Reia"), this))
{
    setObjectName(QStringLiteral("frmPrevizualizare"));
    setWindowTitle(QStringLiteral("Previzualizare"));
    lblEroare_->setObjectName(QStringLiteral("lblEroare"));
    lblEroare_->setFixedSize(ecran_->size());
    lblEroare_->setAlignment(Qt::AlignCenter);
    lblEroare_->setWordWrap(true);
    lblEroare_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblStare_->setObjectName(QStringLiteral("lblStare"));
    lblStare_->setWordWrap(true);
    tblVariabile_->setObjectName(QStringLiteral("tblVariabile"));
    tblVariabile_->setHorizontalHeaderLabels(
        {QStringLiteral("Nume"), QStringLiteral("Tip"), QStringLiteral("Valoare")});
    // Every column as wide as what it holds, values on one line.
    tblVariabile_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblVariabile_->setWordWrap(false);
    tblVariabile_->verticalHeader()->setVisible(false);
    tblVariabile_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVariabile_->setFocusPolicy(Qt::NoFocus);
    tblVariabile_->setMinimumWidth(260);
    cmdReia_->setObjectName(QStringLiteral("cmdReia"));
    cmdReia_->setAutoDefault(false);
    cmdReia_->setFocusPolicy(Qt::NoFocus);
    cmdReia_->setShortcut(Qt::Key_F5);
    cmdReia_->setToolTip(QStringLiteral("Porneste programul din nou (F5)"));

    auto *sus = new QHBoxLayout;
    sus->addWidget(ecran_);
    sus->addWidget(lblEroare_);
    sus->addWidget(tblVariabile_);
    auto *jos = new QHBoxLayout;
    jos->addWidget(lblStare_, 1);
    jos->addWidget(cmdReia_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sus);
    layout->addLayout(jos);

    connect(ecran_, &EcranPrevizualizare::tastaFolosita, this, &FrmPrevizualizare::actualizeaza);
    connect(cmdReia_, &QPushButton::clicked, this, &FrmPrevizualizare::reia);
    reia();
}

void FrmPrevizualizare::previzualizeazaProiectul(Sesiune &sesiune, QWidget *parent)
{
    const std::optional<ProgramGenerat> program = genereazaCodProiect(sesiune.model.proiect());
    if (!program)
        return;
    FrmPrevizualizare dialog(program->linii, parent);
    dialog.exec();
}

void FrmPrevizualizare::previzualizeazaFereastra(Sesiune &sesiune, int n, QWidget *parent)
{
    FrmPrevizualizare dialog(genereazaCodFereastra(sesiune.model.proiect(), n, false).linii, parent);
    dialog.exec();
}

void FrmPrevizualizare::reia()
{
    interpretor_.porneste(program_);
    ecran_->setFocus();
    actualizeaza();
}

void FrmPrevizualizare::actualizeaza()
{
    const Interpretor::Stare stare = interpretor_.stare();
    const bool eroare = stare == Interpretor::Stare::Eroare;
    ecran_->setVisible(!eroare);
    lblEroare_->setVisible(eroare);
    lblEroare_->setText(interpretor_.eroare());
    if (stare == Interpretor::Stare::Citire)
        lblStare_->setText(
            interpretor_.campCurent() +
            QStringLiteral("\nTab, Enter, Jos: campul urmator   Shift+Tab, Sus: campul anterior   "
                           "Ins: inserare   Esc, Ctrl+W, iesirea dincolo de primul sau ultimul camp: "
                           "incheie READ"));
    else if (eroare)
        lblStare_->setText(
            QStringLiteral("Programul s-a oprit la o eroare. Esc inchide, Reia (F5) il porneste din nou."));
    else
        // READ returns at once when no GET waits for it.
        lblStare_->setText(QStringLiteral("Programul s-a incheiat") +
                           (interpretor_.variabileCitite().isEmpty()
                                ? QStringLiteral(": nu are niciun camp de citit (@GET), asa ca READ nu "
                                                 "a asteptat nimic. Ecranul este cel de dinaintea "
                                                 "inchiderii ferestrelor.")
                                : QStringLiteral(". Ecranul este cel de dinaintea inchiderii ferestrelor.")) +
                           QStringLiteral("\nEsc inchide, Reia (F5) il porneste din nou."));

    // The table changes only when a READ ends; a key in READ leaves it be.
    const QStringList citite = interpretor_.variabileCitite();
    QStringList celule;
    for (const QString &nume : citite) {
        const Valoare v = interpretor_.variabila(nume).value_or(Valoare());
        celule << nume << Interpretor::numeTip(v.tip) << interpretor_.textValoare(v);
    }
    if (celule != celuleTabel_) {
        celuleTabel_ = celule;
        tblVariabile_->setRowCount(int(citite.size()));
        for (int i = 0; i < celule.size(); ++i)
            tblVariabile_->setItem(i / 3, i % 3, new QTableWidgetItem(celule.at(i)));
        // The table grows to show its columns whole, the dialog with it, as
        // far as the screen allows; past that it scrolls.
        int latime = 2 * tblVariabile_->frameWidth() + tblVariabile_->verticalScrollBar()->sizeHint().width();
        const QAbstractItemView *vedere = tblVariabile_;
        for (int c = 0; c < 3; ++c)
            latime +=
                qMax(tblVariabile_->horizontalHeader()->sectionSizeHint(c), vedere->sizeHintForColumn(c));
        const int loc = screen()->availableGeometry().width() - ecran_->width() - 80;
        tblVariabile_->setMinimumWidth(qBound(260, latime, qMax(260, loc)));
    }
    ecran_->update();
}
