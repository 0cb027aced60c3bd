// Thousands of random user actions on the whole program, checking after each one that the work table, the
// palettes and the generated program show what the design records say. The seed is printed with any failure.
#include "app/istoric.h"
#include "app/mdimain.h"
#include "app/proiectcurent.h"
#include "codegen/generator.h"
#include "model/fisierproiect.h"
#include "model/modelproiect.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "windowpalette/frmferestre.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QComboBox>
#include <QDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

#define CHECK(condition) QVERIFY2(condition, qPrintable(where))

namespace {

template <typename L> auto pick(QRandomGenerator &r, const L &list)
{
    return list.at(int(r.bounded(int(list.size()))));
}

// Answers the open modal window once, seeded: OK to a message box, a random swatch to a colour picker, a few
// random edits (closing buttons left out) then Apply, Esc or Anuleaza to an editor; the rest is closed.
void respond(QRandomGenerator &rng)
{
    auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    // A marker on the widget itself: a new dialog may reuse an old address.
    if (!dlg || !dlg->isVisible() || dlg->property("raspuns").toBool())
        return;
    dlg->setProperty("raspuns", true);
    const auto button = [dlg](const char *name) { return dlg->findChild<QPushButton *>(name); };
    if (auto *box = qobject_cast<QMessageBox *>(dlg)) {
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
    } else if (dlg->objectName().startsWith(QLatin1String("frmCulori"))) {
        clickWidget(pick(rng, dlg->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^img")))));
        rng.bounded(4) ? button("cmdModifica")->click() : dlg->reject();
    } else if (QPushButton *apply = button("cmdAplica")) {
        QList<QWidget *> controls;
        for (QWidget *w : dlg->findChildren<QWidget *>())
            if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)) && w != apply &&
                w != button("cmdAnuleaza"))
                controls << w;
        for (int i = int(rng.bounded(6)); i > 0 && dlg->isVisible(); --i) {
            QWidget *w = pick(rng, controls);
            auto *e = qobject_cast<QLineEdit *>(w);
            if (!w->isEnabled() || !w->isVisibleTo(dlg) || (e && e->isReadOnly()))
                continue;
            if (!e)
                qobject_cast<QAbstractButton *>(w)->click();
            else if (rng.bounded(3) == 0)
                e->clear();
            for (int k = e ? int(rng.bounded(1, 12)) : 0; k > 0; --k)
                QTest::keyClick(e, "abcXYZ_19 ;'-["[rng.bounded(14)]);
        }
        if (!apply->isEnabled() && rng.bounded(5)) { // fill what Apply waits for
            for (QLineEdit *e : dlg->findChildren<QLineEdit *>())
                if (e->isEnabled() && e->isVisibleTo(dlg) && !e->isReadOnly() && e->text().isEmpty())
                    QTest::keyClicks(e, QStringLiteral("Ab"));
            if (QPushButton *add = button("cmdAdauga"); add && add->isEnabled())
                add->click();
        }
        if (apply->isEnabled() && rng.bounded(5))
            apply->click();
        else
            rng.bounded(2) ? QTest::keyClick(dlg, Qt::Key_Escape) : button("cmdAnuleaza")->click();
    } else {
        dlg->reject();
    }
}

// A control's value as text; a list's rows with their data, then the current row.
QString value(QWidget *w)
{
    const auto rows = [](QAbstractItemModel *model, int current) {
        QStringList l;
        for (int i = 0; i < model->rowCount(); ++i)
            l << model->index(i, 0).data().toString() + u'/' +
                     model->index(i, 0).data(Qt::UserRole).toString();
        return (l << QString::number(current)).join(u'|');
    };
    if (auto *b = qobject_cast<QScrollBar *>(w))
        return QString::number(b->value());
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return QString::number(b->isChecked());
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return rows(c->model(), c->currentIndex());
    if (auto *l = qobject_cast<QListWidget *>(w))
        return rows(l->model(), l->currentRow());
    return w->property("color").value<QColor>().name();
}

// What the work table and both palettes show, as text: every element, and every named control's state and
// value. What history alone decides is left out: with no window the window palette's boxes, scheme and
// swatches (its working copy for the next window), with no object the colour labels, the option "Mentine
// umbra"; the width bar after a title widened the window shows the record's width, as its next showing will.
QStringList whatIsShown(MdiMain &m)
{
    QStringList shown;
    for (QGraphicsItem *item : m.findChild<FrmTabelaDeLucru *>()->scena()->items(Qt::AscendingOrder)) {
        QString line = item->data(0).toString();
        if (item->isVisible())
            line += QStringLiteral(" %1,%2").arg(item->pos().x()).arg(item->pos().y());
        if (auto *r = dynamic_cast<QGraphicsRectItem *>(item); r && item->isVisible())
            line += QStringLiteral(" %1x%2 ").arg(r->rect().width()).arg(r->rect().height()) +
                    r->brush().color().name() + u' ' + r->pen().color().name();
        if (auto *e = dynamic_cast<ElementTabela *>(item); e && item->isVisible())
            line += QLatin1Char(' ') + e->caption() + QLatin1Char(' ') + e->toolTip();
        shown << line;
    }
    auto *ferestre = m.findChild<FrmFerestre *>();
    auto *obiecte = m.findChild<FrmObiecte *>();
    const int active = ferestre->fereastraActiva();
    static const QRegularExpression history(
        QStringLiteral("^frmFerestre\\.(chk|cmbSchema|shp)|^frmObiecte\\.(lbl(Cerneala|Fundal)$|shp)"));
    const bool widthShown =
        active < 1 || ferestre->findChild<QScrollBar *>(QStringLiteral("hsbLatime"))->value() ==
                          m.proiect().fereastra(active).Latime;
    for (QWidget *form : {static_cast<QWidget *>(ferestre), static_cast<QWidget *>(obiecte)}) {
        const bool selection = form == ferestre ? active > 0 : obiecte->obiectSelectat() > 0;
        for (QObject *c : form->findChildren<QObject *>()) {
            const QString name = form->objectName() + QLatin1Char('.') + c->objectName();
            auto *w = qobject_cast<QWidget *>(c);
            auto *a = qobject_cast<QAction *>(c);
            if (c->objectName().isEmpty() || (!a && !w) || (!selection && history.match(name).hasMatch()))
                continue;
            const bool on = a ? a->isEnabled() : w->isEnabled();
            const bool valued = w && on && !name.endsWith(QLatin1String("chkMentineUmbra"));
            const bool stale = !widthShown && name.contains(QLatin1String("Latime"));
            shown << name + (on ? QStringLiteral(" on ") : QStringLiteral(" off ")) +
                         (!valued ? QString()
                          : stale ? QString::number(m.proiect().fereastra(active).Latime)
                                  : value(w));
        }
    }
    return shown;
}

} // namespace

class TestRandomised : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepEverythingConsistent_data();
    void randomActionsKeepEverythingConsistent();
};

void TestRandomised::randomActionsKeepEverythingConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    const QByteArray fromEnv = qgetenv("SIROLANT_SEEDS");
    for (const QByteArray &s :
         fromEnv.isEmpty() ? QByteArray("20261206,7,1234567").split(',') : fromEnv.split(','))
        QTest::newRow(("seed " + s).constData()) << s.toUInt();
}

void TestRandomised::randomActionsKeepEverythingConsistent()
{
    QFETCH(quint32, seed);
    const int steps =
        qEnvironmentVariableIsSet("SIROLANT_STEPS") ? qEnvironmentVariableIntValue("SIROLANT_STEPS") : 1200;
    TempCwd cwd;
    QRandomGenerator rng(seed);
    Setari s = quietSettings();
    s.UmbraImplicit = FlagTrue;
    auto m = startMain(s);
    m->show();
    QTimer responder;
    QObject::connect(&responder, &QTimer::timeout, [&rng] { respond(rng); });
    responder.start(2);

    FrmFerestre *ferestre = m->findChild<FrmFerestre *>();
    FrmObiecte *obiecte = m->findChild<FrmObiecte *>();
    FrmTabelaDeLucru *table = m->findChild<FrmTabelaDeLucru *>();
    QGraphicsView *view = table->vedere();
    auto *cmbFereastra = ferestre->findChild<QComboBox *>(QStringLiteral("cmbFereastra"));
    auto *lstObiecte = obiecte->findChild<QListWidget *>(QStringLiteral("lstObiecte"));
    // What a user can act on in the palettes, and the tool bar commands weighted so that designs grow.
    QList<QScrollBar *> bars = ferestre->findChildren<QScrollBar *>() + obiecte->findChildren<QScrollBar *>();
    QList<QWidget *> clickable{obiecte->findChild<QWidget *>(QStringLiteral("imgCerneala")),
                               obiecte->findChild<QWidget *>(QStringLiteral("imgFundal"))};
    for (QWidget *form : {static_cast<QWidget *>(ferestre), static_cast<QWidget *>(obiecte)})
        for (QAbstractButton *b : form->findChildren<QAbstractButton *>())
            qobject_cast<QToolButton *>(b) ? void() : clickable.append(b);
    const QStringList commands =
        QStringLiteral("F.CREAZA F.CREAZA F.CREAZA F.STERGE F.COD O.SAY O.SAY O.GET O.GET "
                       "O.BUTON O.BUTON O.PROPRIETATI O.STERGE")
            .split(QLatin1Char(' '));

    Proiect &p = m->proiect();
    ModelProiect &doc = m->model();
    QSignalSpy reports(&doc, &ModelProiect::pas);
    QUndoStack *stack = m->istoric().stiva();
    // The design before the first step the stack holds, and after its last, with what was shown of them.
    std::pair<StareProiect, QStringList> start{doc.stare(), whatIsShown(*m)}, final = start;
    QList<std::pair<StareProiect, QStringList>> earlier; // for the restores
    int mostWindows = 0, mostObjects = 0, restores = 0;
    for (int step = 0; step < steps; ++step) {
        const int action = int(rng.bounded(100));
        const QString where = QStringLiteral("seed %1, step %2, action %3").arg(seed).arg(step).arg(action);
        reports.clear();
        if (action == 0 && !earlier.isEmpty()) {
            const auto &[state, shown] = pick(rng, earlier);
            doc.restaureaza(state);
            stack->clear(); // undo starts over from the restored design
            QCOMPARE(whatIsShown(*m), shown);
            ++restores;
        } else if (action == 1) {
            // Saved and opened again, a design gives the same program, byte for byte.
            const MomentGenerare moment{QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), QLocale::c()};
            const auto program = genereazaCodProiect(p, moment);
            const QString file = cwd.filePath(QStringLiteral("walk.sirolant"));
            QString problem;
            QVERIFY2(FisierProiect::salveaza(file, doc.stare(), &problem), qPrintable(problem));
            CHECK(m->proiectCurent().incarca(file));
            const auto again = genereazaCodProiect(p, moment);
            CHECK(program.has_value() == again.has_value() && (!program || program->linii == again->linii));
        } else {
            ModelProiect::Tranzactie gesture(doc, Modificare::Proiect, 0); // one undo step per action
            if (action < 29) {
                const QString c =
                    action == 2 ? pick(rng, QStringList{"Anuleaza", "Reface"}) : pick(rng, commands);
                QObject *form = c[1] != u'.'   ? m.get()
                                : c[0] == u'F' ? static_cast<QObject *>(ferestre)
                                               : obiecte;
                QAction *a = form->findChild<QAction *>(c[1] != u'.' ? "mnuEditare" + c : c.mid(2));
                a->isEnabled() ? a->trigger() : void();
            } else if (action < 41) {
                if (rng.bounded(2) && cmbFereastra->count() > 0)
                    cmbFereastra->setCurrentIndex(int(rng.bounded(cmbFereastra->count())));
                else if (lstObiecte->count() > 0)
                    lstObiecte->setCurrentRow(int(rng.bounded(lstObiecte->count())));
            } else if (action < 69) {
                QScrollBar *b = pick(rng, bars);
                b->isEnabled() ? b->setValue(int(rng.bounded(b->minimum(), b->maximum() + 1))) : void();
            } else if (action < 84) {
                QWidget *w = pick(rng, clickable);
                w->isEnabled() ? clickWidget(w) : void();
            } else if (action < 87) {
                ferestre->findChild<QComboBox *>(QStringLiteral("cmbSchemaCulori"))
                    ->setCurrentIndex(int(rng.bounded(10)));
            } else if (action < 90) {
                auto *title = ferestre->findChild<QLineEdit *>(QStringLiteral("txtTitluFereastra"));
                if (title->isEnabled())
                    title->setText(QString(int(rng.bounded(21)), QLatin1Char('a' + char(rng.bounded(26)))));
            } else { // a drag anywhere: a window, its corner, an object, nothing; then a key
                const QPoint at(int(rng.bounded(720)), int(rng.bounded(400))),
                    to = at + QPoint(int(rng.bounded(-90, 90)), int(rng.bounded(-60, 60)));
                QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseMove(view->viewport(), to);
                QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
                QTest::keyClick(
                    view,
                    Qt::Key(rng.bounded(2) ? Qt::Key_Left + rng.bounded(4) : Qt::Key_Escape + rng.bounded(3)),
                    rng.bounded(3) ? Qt::NoModifier : Qt::ShiftModifier);
            }
        }
        if (stack->count() == 0)
            start = final = {doc.stare(), whatIsShown(*m)};
        else if (!reports.isEmpty())
            final = {doc.stare(), whatIsShown(*m)};
        if (rng.bounded(20) == 0)
            earlier.size() < 25 ? earlier.append({doc.stare(), whatIsShown(*m)})
                                : void(earlier[int(rng.bounded(25))] = {doc.stare(), whatIsShown(*m)});

        // The list, the work table and the program agree with the records: objects drawn exactly when in use,
        // where their window puts them, the active window's listed once; the bars show the active window and
        // the selected object.
        const int active = ferestre->fereastraActiva();
        const auto program = genereazaCodProiect(p);
        const QStringList lines = program ? program->linii : QStringList();
        int used = 0, objects = 0;
        for (int n = 1; n <= NumarFerestre; ++n) {
            const Fereastra &f = p.fereastra(n);
            auto *bg =
                dynamic_cast<QGraphicsRectItem *>(table->element(QStringLiteral("lblWindow%1").arg(n)));
            const bool inUse = p.fereastraFolosita(n);
            const QString define = QString::asprintf(
                "DEFINE WINDOW FER%d FROM %d,%d TO %d,%d COLOR SCHEME %d", n, f.Verticala, f.Orizontala,
                f.Verticala + f.Inaltime - 1, f.Orizontala + f.Latime - 1, f.SchemaCulori);
            used += inUse;
            CHECK(bg->isVisible() == inUse && (cmbFereastra->findData(n) >= 0) == inUse);
            CHECK(!inUse || (bg->pos() == QPointF(135.0 * f.Orizontala, 240.0 * f.Verticala) &&
                             bg->rect().size() == QSizeF(135.0 * f.Latime, 240.0 * f.Inaltime) &&
                             lines.filter(define).size() == 1));
        }
        CHECK(cmbFereastra->count() == used && lines.filter(QStringLiteral("DEFINE WINDOW")).size() == used);
        QList<int> listed;
        for (int i = 0; i < lstObiecte->count(); ++i)
            listed << lstObiecte->item(i)->data(Qt::UserRole).toInt();
        for (int k = 1; k <= NumarObiecte; ++k) {
            const Obiect &o = p.obiect(k);
            const Fereastra &f = p.fereastra(o.Fereastra);
            auto *label = dynamic_cast<ElementTabela *>(table->element(QStringLiteral("lblObiect%1").arg(k)));
            const bool inUse = p.obiectFolosit(k);
            objects += inUse;
            CHECK(label->isVisible() == inUse && listed.count(k) == (inUse && o.Fereastra == active));
            CHECK(!inUse || (p.fereastraFolosita(o.Fereastra) && label->caption() == o.TextAfisat &&
                             label->pos() == QPointF(135.0 * (f.Orizontala + o.Coloana + 1),
                                                     240.0 * (f.Verticala + o.Rand + 1))));
        }
        const auto shows = [&](QWidget *form, const char *bar, int value) {
            return form->findChild<QScrollBar *>(QLatin1String(bar))->value() == value;
        };
        const Fereastra &f = p.fereastra(std::max(active, 1));
        CHECK(active < 1 ||
              (shows(ferestre, "hsbOrizontala", f.Orizontala) &&
               shows(ferestre, "hsbVerticala", f.Verticala) && shows(ferestre, "hsbInaltime", f.Inaltime)));
        const QListWidgetItem *item = lstObiecte->currentItem();
        const Obiect &o = p.obiect(item ? item->data(Qt::UserRole).toInt() : 1);
        CHECK(!item ||
              (shows(obiecte, "hsbOrizontala", o.Coloana) && shows(obiecte, "hsbVerticala", o.Rand)));
        mostWindows = std::max(mostWindows, used);
        mostObjects = std::max(mostObjects, objects);
    }
    // Undoing every step gives back the design the walk started from (or was last restored to), as it was
    // shown; redoing them all gives the final one again.
    for (const auto &[target, undo] : {std::pair{&start, true}, std::pair{&final, false}}) {
        while (undo ? stack->canUndo() : stack->canRedo())
            undo ? stack->undo() : stack->redo();
        QVERIFY2(p.Ferestre == target->first.ferestre && p.Obiecte == target->first.obiecte,
                 qPrintable(QStringLiteral("seed %1: undo %2").arg(seed).arg(undo)));
        QCOMPARE(whatIsShown(*m), target->second);
    }
    // The walk must have reached a busy design, or it proved little.
    QVERIFY2(mostWindows >= 3 && mostObjects >= 10 && restores >= 5,
             qPrintable(QString::asprintf("seed %u: at most %d windows, %d objects, %d restores", seed,
                                          mostWindows, mostObjects, restores)));
}

QTEST_MAIN(TestRandomised)
#include "tst_randomised.moc"
