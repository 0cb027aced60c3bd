#include "mdimain.h"

#include "app/frmcod.h"
#include "app/frmdespre.h"
#include "app/frmprevizualizare.h"
#include "app/frmsetari.h"
#include "app/istoric.h"
#include "app/proiectcurent.h"
#include "formbase/uiutil.h"
#include "model/optionsfile.h"
#include "model/rounding.h"
#include "objectpalette/frmobiecte.h"
#include "version.h"
#include "windowpalette/frmferestre.h"
#include "worktable/frmtabeladelucru.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace {

const QString kTitluOptiuni = QStringLiteral("Setari Sirolant");

int clamp16(int v)
{
    return std::clamp(v, -32768, 32767);
}

// Qt ships no Romanian: its own texts (file dialogs, standard buttons, the
// text boxes' menus) come from the program's translation, installed once per
// application and before the first widget takes its texts.
void traduceTexteleQt()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString nume = QStringLiteral("sirolantTraducereQt");
    if (!app || app->findChild<QTranslator *>(nume, Qt::FindDirectChildrenOnly))
        return;
    auto *traducere = new QTranslator(app);
    traducere->setObjectName(nume);
    if (!traducere->load(QStringLiteral(":/i18n/qtbase_ro.qm")) ||
        !QCoreApplication::installTranslator(traducere))
        delete traducere;
}

} // namespace

MdiMain::MdiMain(QWidget *parent)
    : QMainWindow(parent)
{
    traduceTexteleQt();
    sesiune_.mdiMain = this;
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(captionText());
    setWindowIcon(QIcon(QStringLiteral(":/images/sirolant.png")));

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);

    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolbar);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    creeazaMeniuri();

    // The final size comes first: the default positions derive from it.
    QSize size(1100, 820);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);

    // The load, in its order: settings, design reset, then the child windows.
    QString eroare;
    if (!OptionsFile::read(OptionsFile::defaultFileName(), &sesiune_.model.setari(), &eroare))
        mesajCritic(this, kTitluOptiuni, eroare);
    sesiune_.model.reseteaza();

    const Setari &s = sesiune_.model.setari();
    dimensiuneLaAsezare_ = frameGeometry().size();

    auto *tabela = new FrmTabelaDeLucru(sesiune_);
    subTabela_ = adaugaFormCopil(tabela);
    aseazaFereastra(subTabela_, s.PozitieTabela, Pozitie{0, 0});

    auto *ferestre = new FrmFerestre(sesiune_);
    sesiune_.ferestre = ferestre;
    connect(ferestre, &FrmFerestre::codCerut, this,
            [this, ferestre](int n) { FrmCod::genereazaCodFereastra(sesiune_, n, ferestre); });
    connect(ferestre, &FrmFerestre::previzualizareCeruta, this,
            [this, ferestre](int n) { FrmPrevizualizare::previzualizeazaFereastra(sesiune_, n, ferestre); });
    subFerestre_ = adaugaFormCopil(ferestre);
    aseazaFereastra(subFerestre_, s.PozitieFerestre, pozitieImplicitaFerestre());

    auto *obiecte = new FrmObiecte(sesiune_);
    sesiune_.obiecte = obiecte;
    subObiecte_ = adaugaFormCopil(obiecte);
    aseazaFereastra(subObiecte_, s.PozitieObiecte, pozitieImplicitaObiecte());

    istoric_ = new Istoric(sesiune_.model, this);
    proiectCurent_ = new ProiectCurent(this, sesiune_.model, *istoric_, this);
    connect(proiectCurent_, &ProiectCurent::stareSchimbata, this, &MdiMain::actualizeazaTitlul);
    creeazaMeniulEditare();
    actualizeazaTitlul();
}

void MdiMain::actualizeazaTitlul()
{
    setWindowTitle(proiectCurent_->titlu(captionText()));
    setWindowModified(proiectCurent_->modificat());
}

MdiMain::~MdiMain()
{
    // The forms hold a reference to the session: they go first.
    sesiune_.mdiSeInchide = true;
    // Gone normally: nothing is left to recover.
    delete proiectCurent_;
    proiectCurent_ = nullptr;
    delete istoric_;
    istoric_ = nullptr;
    disconnect(&sesiune_.model, nullptr, this, nullptr);
    delete mdiArea_;
    mdiArea_ = nullptr;
    sesiune_.ferestre = nullptr;
    sesiune_.obiecte = nullptr;
}

QString MdiMain::captionText()
{
    return QStringLiteral("Sirolant Studio - v%1.%2.%3")
        .arg(SIROLANT_VERSION_MAJOR)
        .arg(SIROLANT_VERSION_MINOR)
        .arg(SIROLANT_VERSION_PATCH);
}

void MdiMain::creeazaMeniuri()
{
    auto meniu = [this](const char *nume, const QString &titlu) {
        QMenu *m = menuBar()->addMenu(titlu);
        m->setObjectName(QString::fromLatin1(nume));
        return m;
    };
    auto comanda = [this](QMenu *m, const char *nume, const QString &titlu, const QKeySequence &tasta,
                          auto actiune) {
        QAction *a = m->addAction(titlu);
        a->setObjectName(QString::fromLatin1(nume));
        if (!tasta.isEmpty()) {
            a->setShortcut(tasta);
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        connect(a, &QAction::triggered, this, [this, actiune] { std::invoke(actiune, this); });
        return a;
    };

    QMenu *proiect = meniu("mnuProiect", QStringLiteral("Proiect"));
    meniuProiect_ = proiect;
    comanda(proiect, "mnuProiectNou", QStringLiteral("Proiect nou"), QKeySequence(Qt::CTRL | Qt::Key_N),
            [](MdiMain *m) { m->proiectCurent_->nou(); });
    comanda(proiect, "mnuProiectDeschide", QStringLiteral("Deschide proiect..."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
            [](MdiMain *m) { m->proiectCurent_->deschide(); });
    comanda(proiect, "mnuProiectSalveaza", QStringLiteral("Salveaza proiectul"),
            QKeySequence(Qt::CTRL | Qt::Key_S), [](MdiMain *m) { m->proiectCurent_->salveaza(); });
    comanda(proiect, "mnuProiectSalveazaCa", QStringLiteral("Salveaza proiectul ca..."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            [](MdiMain *m) { m->proiectCurent_->salveazaCa(); });
    QMenu *recente = proiect->addMenu(QStringLiteral("Proiecte recente"));
    recente->setObjectName(QStringLiteral("mnuProiectRecente"));
    connect(recente, &QMenu::aboutToShow, this,
            [this, recente] { proiectCurent_->umpleMeniulRecente(recente); });
    comanda(proiect, "mnuProiectImporta", QStringLiteral("Importa program..."), {},
            [](MdiMain *m) { m->proiectCurent_->importa(); });
    proiect->addSeparator();
    comanda(proiect, "mnuProiectGenereazaCod", QStringLiteral("Genereaza codul proiectului..."), {},
            &MdiMain::mnuProiectGenereazaCod_Click);
    comanda(proiect, "mnuProiectPrevizualizare", QStringLiteral("Previzualizare"), QKeySequence(Qt::Key_F9),
            [](MdiMain *m) { FrmPrevizualizare::previzualizeazaProiectul(m->sesiune_, m); });
    comanda(proiect, "mnuSetariSetari", QStringLiteral("Setari"), QKeySequence(Qt::Key_F5),
            &MdiMain::mnuSetariSetari_Click);

    meniuEditare_ = meniu("mnuEditare", QStringLiteral("Editare"));

    QMenu *palete = meniu("mnuPalete", QStringLiteral("Palete"));
    QAction *tabela = palete->addAction(QStringLiteral("Tabela de lucru"));
    QAction *obiecte = palete->addAction(QStringLiteral("Obiecte"));
    QAction *ferestre = palete->addAction(QStringLiteral("Ferestre"));
    const struct {
        QAction *action;
        const char *nume;
        QKeySequence tasta;
    } paleteItems[] = {
        {tabela, "mnuPaleteTabelaDeLucru", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {obiecte, "mnuPaleteObiecte", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ferestre, "mnuPaleteFerestre", QKeySequence(Qt::CTRL | Qt::Key_F)},
    };
    for (const auto &p : paleteItems) {
        p.action->setObjectName(QString::fromLatin1(p.nume));
        p.action->setShortcut(p.tasta);
        p.action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(tabela, &QAction::triggered, this, [this] { activeaza(subTabela_->widget()); });
    connect(obiecte, &QAction::triggered, this, [this] { activeaza(subObiecte_->widget()); });
    connect(ferestre, &QAction::triggered, this, [this] { activeaza(subFerestre_->widget()); });

    QMenu *despre = meniu("mnuDespre", QStringLiteral("Despre..."));
    comanda(despre, "mnuDespreSirolant", QStringLiteral("Sirolant"), {}, &MdiMain::mnuDespreSirolant_Click);

    QMenu *iesire = meniu("mnuIesire", QStringLiteral("Iesire"));
    comanda(iesire, "mnuIesireInchideSirolant", QStringLiteral("Inchide Sirolant..."), {},
            &MdiMain::mnuIesireInchideSirolant_Click);
}

void MdiMain::creeazaMeniulEditare()
{
    QUndoStack *stiva = istoric_->stiva();
    QAction *anuleaza = stiva->createUndoAction(meniuEditare_, QStringLiteral("Anuleaza"));
    anuleaza->setObjectName(QStringLiteral("mnuEditareAnuleaza"));
    anuleaza->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *reface = stiva->createRedoAction(meniuEditare_, QStringLiteral("Reface"));
    reface->setObjectName(QStringLiteral("mnuEditareReface"));
    reface->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *a : {anuleaza, reface}) {
        a->setShortcutContext(Qt::ApplicationShortcut);
        meniuEditare_->addAction(a);
    }
}

QMdiSubWindow *MdiMain::adaugaFormCopil(QWidget *form)
{
    // Fixed frame with a close box only: no minimise, maximise or resizing.
    auto *sub = mdiArea_->addSubWindow(form, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    sub->setObjectName(form->objectName() + QStringLiteral("Sub"));
    sub->setWindowTitle(form->windowTitle());
    sub->setWindowIcon(QIcon(QStringLiteral(":/images/sirolant.png")));
    sub->setOption(QMdiSubWindow::RubberBandMove, false);
    sub->adjustSize();
    sub->setFixedSize(sub->size());
    if (QMenu *menu = sub->systemMenu()) {
        for (QAction *a : menu->actions()) {
            // Known by their captions, in whatever language Qt gives them.
            const QString t = a->text();
            if (t != QCoreApplication::translate("QMdiSubWindow", "&Move") &&
                t != QCoreApplication::translate("QMdiSubWindow", "&Close") && !a->isSeparator())
                menu->removeAction(a);
        }
    }
    return sub;
}

void MdiMain::aseazaFereastra(QMdiSubWindow *sub, const Pozitie &salvata, const Pozitie &implicita)
{
    const Pozitie p = isSet(sesiune_.model.proiect().setari.SalveazaSetariSpatiuLucru) ? salvata : implicita;
    sub->move(roundHalfEven(p.Left / double(TwipsPerPixel)), roundHalfEven(p.Top / double(TwipsPerPixel)));
    sub->show();
}

Pozitie MdiMain::pozitieImplicitaObiecte() const
{
    const int latimeMain = pixelsToTwips(frameGeometry().width());
    return {latimeMain - pixelsToTwips(subObiecte_ ? subObiecte_->width() : 0) - 180, 0};
}

Pozitie MdiMain::pozitieImplicitaFerestre() const
{
    const int inaltimeMain = pixelsToTwips(frameGeometry().height());
    return {0, inaltimeMain - pixelsToTwips(subFerestre_ ? subFerestre_->height() : 0) - 1700};
}

void MdiMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!primaAfisare_)
        return;
    primaAfisare_ = false;
    // Questions wait until the window is up: the constructor never blocks.
    QTimer::singleShot(0, this, [this] { proiectCurent_->laPornire(fisierLaPornire_); });
    // Shown, the frame may have grown by the window manager's decorations:
    // the default positions follow the final outer size.
    if (!isSet(sesiune_.model.proiect().setari.SalveazaSetariSpatiuLucru) &&
        frameGeometry().size() != dimensiuneLaAsezare_) {
        const Pozitie f = pozitieImplicitaFerestre();
        const Pozitie o = pozitieImplicitaObiecte();
        subFerestre_->move(roundHalfEven(f.Left / double(TwipsPerPixel)),
                           roundHalfEven(f.Top / double(TwipsPerPixel)));
        subObiecte_->move(roundHalfEven(o.Left / double(TwipsPerPixel)),
                          roundHalfEven(o.Top / double(TwipsPerPixel)));
    }
    for (QMdiSubWindow *sub : {subTabela_, subFerestre_, subObiecte_})
        aducInZonaVizibila(sub);
}

void MdiMain::aducInZonaVizibila(QMdiSubWindow *sub)
{
    // A saved position from a larger screen can put a window that cannot be
    // closed out of reach; keep at least its title bar inside the area.
    const QSize area = mdiArea_->viewport()->size();
    if (area.isEmpty())
        return;
    const QRect r = sub->geometry();
    const int margine = 40;
    const bool ascunsa = r.right() < margine || r.left() > area.width() - margine || r.top() < 0 ||
                         r.top() > area.height() - margine;
    if (!ascunsa)
        return;
    sub->move(std::clamp(r.left(), 0, std::max(0, area.width() - r.width())),
              std::clamp(r.top(), 0, std::max(0, area.height() - r.height())));
}

QMdiSubWindow *MdiMain::subFereastra(QWidget *form) const
{
    for (QMdiSubWindow *sub : {subTabela_, subFerestre_, subObiecte_}) {
        if (sub && sub->widget() == form)
            return sub;
    }
    return nullptr;
}

Pozitie MdiMain::pozitieTwips(const QMdiSubWindow *sub)
{
    const QPoint p = sub->pos();
    return {clamp16(roundHalfEven(double(p.x()) * TwipsPerPixel)),
            clamp16(roundHalfEven(double(p.y()) * TwipsPerPixel))};
}

void MdiMain::activeaza(QWidget *form)
{
    QMdiSubWindow *sub = subFereastra(form);
    if (!sub)
        return;
    mdiArea_->setActiveSubWindow(sub);
    sub->raise();
    form->setFocus();
}

void MdiMain::mnuProiectGenereazaCod_Click()
{
    FrmCod::genereazaCodProiect(sesiune_, this);
}

void MdiMain::mnuSetariSetari_Click()
{
    FrmSetari dialog(sesiune_, this);
    dialog.exec();
}

void MdiMain::mnuDespreSirolant_Click()
{
    FrmDespre dialog(this);
    dialog.exec();
}

void MdiMain::mnuIesireInchideSirolant_Click()
{
    Setari &s = sesiune_.model.setari();
    if (isSet(s.SalveazaSetariSpatiuLucru)) {
        s.PozitieObiecte = pozitieTwips(subObiecte_);
        s.PozitieFerestre = pozitieTwips(subFerestre_);
        s.PozitieTabela = pozitieTwips(subTabela_);
    }
    QString eroare;
    if (!OptionsFile::write(OptionsFile::defaultFileName(), s, &eroare))
        mesajCritic(this, kTitluOptiuni, eroare);
    close();
}

void MdiMain::closeEvent(QCloseEvent *event)
{
    proiectCurent_->scrieRecuperareaAcum();
    // Unsaved changes take the place of the plain confirmation.
    const bool continua = proiectCurent_->modificat()
                              ? proiectCurent_->continuaDupaModificari()
                              : !isSet(sesiune_.model.proiect().setari.ConfirmareaInchidere) ||
                                    intrebareDaNu(this, QMessageBox::Question, QStringLiteral("ATENTIE!"),
                                                  QStringLiteral("Esti sigur ca vrei sa inchizi Sirolant?"));
    if (!continua) {
        event->ignore();
        return;
    }
    sesiune_.mdiSeInchide = true;
    proiectCurent_->incheie();
    event->accept();
}
