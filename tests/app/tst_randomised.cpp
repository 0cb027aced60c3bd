// Thousands of random user actions on the whole program, checking after each
// one that the work table, the palettes and the generated program agree with
// the design records. The seed is printed with any failure.
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

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

#include <optional>
#include <set>

namespace {

// Answers every modal window that opens, in a random but seeded way: message
// boxes get OK, editors get a few random edits then Apply or Cancel, the
// pickers a random swatch, the code viewer is closed.
class Responder : public QObject
{
public:
    explicit Responder(QRandomGenerator &rng)
        : rng_(rng)
    {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, &Responder::poll);
        timer_.start();
    }

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        // A marker on the widget itself: a new dialog may reuse an old address.
        if (!w || !w->isVisible() || w->property("raspuns").toBool())
            return;
        w->setProperty("raspuns", true);
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
            return;
        }
        auto *dlg = qobject_cast<QDialog *>(w);
        if (!dlg)
            return;
        const QString name = dlg->objectName();
        if (name.startsWith(QLatin1String("frmCulori"))) {
            const QList<QWidget *> swatches =
                dlg->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^img")));
            if (!swatches.isEmpty())
                clickWidget(swatches.at(int(rng_.bounded(int(swatches.size())))));
            if (rng_.bounded(4) == 0)
                dlg->reject();
            else
                dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
            return;
        }
        if (name == QLatin1String("frmSay") || name == QLatin1String("frmGet") ||
            name == QLatin1String("frmButon")) {
            edit(dlg);
            auto *apply = dlg->findChild<QPushButton *>(QStringLiteral("cmdAplica"));
            if (apply && !apply->isEnabled() && rng_.bounded(5) != 0)
                complete(dlg);
            if (apply && apply->isEnabled() && rng_.bounded(5) != 0)
                apply->click();
            else if (rng_.bounded(2))
                QTest::keyClick(dlg, Qt::Key_Escape);
            else if (auto *cancel = dlg->findChild<QPushButton *>(QStringLiteral("cmdAnuleaza")))
                cancel->click();
            else
                dlg->reject();
            return;
        }
        dlg->reject();
    }

    // Fills what Apply waits for: a name in the empty boxes, a button prompt.
    void complete(QDialog *dlg)
    {
        for (QLineEdit *e : dlg->findChildren<QLineEdit *>()) {
            if (e->isEnabled() && e->isVisibleTo(dlg) && !e->isReadOnly() && e->text().isEmpty())
                QTest::keyClicks(e, QStringLiteral("Ab"));
        }
        if (auto *add = dlg->findChild<QPushButton *>(QStringLiteral("cmdAdauga")); add && add->isEnabled())
            add->click();
    }

    // A random enabled, visible control of kind T of the dialog, or nullptr.
    template <typename T> T *any(QDialog *dlg)
    {
        const QList<T *> all = dlg->findChildren<T *>();
        T *c = all.isEmpty() ? nullptr : all.at(int(rng_.bounded(int(all.size()))));
        return c && c->isEnabled() && c->isVisibleTo(dlg) ? c : nullptr;
    }

    // A few random edits of an editor's own controls; the closing buttons come last.
    void edit(QDialog *dlg)
    {
        for (int i = int(rng_.bounded(6)); i > 0 && dlg->isVisible(); --i) {
            QAbstractButton *b = nullptr;
            switch (rng_.bounded(5)) {
            case 0:
                b = any<QCheckBox>(dlg);
                break;
            case 1:
                b = any<QRadioButton>(dlg);
                break;
            case 2:
                b = any<QToolButton>(dlg);
                break;
            case 3:
                if (QPushButton *p = any<QPushButton>(dlg); p &&
                                                            p->objectName() != QLatin1String("cmdAplica") &&
                                                            p->objectName() != QLatin1String("cmdAnuleaza"))
                    b = p;
                break;
            default:
                if (QLineEdit *e = any<QLineEdit>(dlg); e && !e->isReadOnly()) {
                    static const char alphabet[] = "abcXYZ_19 ;'-[";
                    QString text;
                    for (int k = int(rng_.bounded(1, 12)); k > 0; --k)
                        text += QLatin1Char(alphabet[rng_.bounded(int(sizeof alphabet - 1))]);
                    if (rng_.bounded(3) == 0)
                        e->clear();
                    QTest::keyClicks(e, text);
                }
            }
            if (b)
                b->click();
        }
    }

    QRandomGenerator &rng_;
    QTimer timer_;
};

// What the work table and both palettes show, as text: every element, and
// every named control's state. Values that history alone decides (a disabled
// control's, the palette option "Mentine umbra") are left out; the width bar
// after a title widened the window shows the record's width.
QStringList whatIsShown(MdiMain &m)
{
    QStringList shown;
    auto *ferestre = m.findChild<FrmFerestre *>();
    auto *obiecte = m.findChild<FrmObiecte *>();
    const int active = ferestre->fereastraActiva();
    for (QGraphicsItem *item : m.findChild<FrmTabelaDeLucru *>()->scena()->items(Qt::AscendingOrder)) {
        QString line =
            item->data(0).toString() +
            QStringLiteral(" %1 %2,%3").arg(item->isVisible()).arg(item->pos().x()).arg(item->pos().y());
        if (auto *r = dynamic_cast<QGraphicsRectItem *>(item))
            line += QStringLiteral(" %1x%2 %3 %4")
                        .arg(r->rect().width())
                        .arg(r->rect().height())
                        .arg(r->brush().color().name(), r->pen().color().name());
        if (auto *e = dynamic_cast<ElementTabela *>(item))
            line += QLatin1Char(' ') + e->caption() + QLatin1Char(' ') + e->toolTip();
        shown << (item->isVisible() ? line : item->data(0).toString());
    }
    // With no window the window palette's boxes, scheme and swatches are its working copy for the
    // next window; with no object selected the colour labels keep what the last selection left.
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
            shown << name + (on ? QStringLiteral(" on") : QStringLiteral(" off"));
            // Values only where history does not decide them (the width bar after a title widened the
            // window).
            if (!w || !on || name.endsWith(QLatin1String("chkMentineUmbra")))
                continue;
            if (!widthShown && name.contains(QLatin1String("Latime"))) { // as its next showing will
                shown << name + QLatin1Char('=') + QString::number(m.proiect().fereastra(active).Latime);
                continue;
            }
            QStringList values;
            if (auto *b = qobject_cast<QScrollBar *>(w))
                values << QString::number(b->value());
            else if (auto *l = qobject_cast<QLabel *>(w))
                values << l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable())
                values << QString::number(b->isChecked());
            else if (auto *e = qobject_cast<QLineEdit *>(w))
                values << e->text();
            else if (auto *cb = qobject_cast<QComboBox *>(w))
                for (int i = 0; i <= cb->count(); ++i)
                    values << (i < cb->count()
                                   ? cb->itemText(i) + QLatin1Char('/') + cb->itemData(i).toString()
                                   : QString::number(cb->currentIndex()));
            else if (auto *lw = qobject_cast<QListWidget *>(w))
                for (int i = 0; i <= lw->count(); ++i)
                    values << (i < lw->count() ? lw->item(i)->text() + QLatin1Char('/') +
                                                     lw->item(i)->data(Qt::UserRole).toString()
                                               : QString::number(lw->currentRow()));
            else if (w->property("color").isValid())
                values << w->property("color").value<QColor>().name();
            shown << name + QLatin1Char('=') + values.join(QLatin1Char('|'));
        }
    }
    return shown;
}

// The slots whose records differ, free on both sides left out, as "F1 O7".
QString changedSlots(const Proiect &before, const Proiect &after)
{
    QStringList names;
    for (int n = 1; n <= NumarFerestre; ++n) {
        const Fereastra &a = before.fereastra(n), &b = after.fereastra(n);
        if (!(isSet(a.Libera) && isSet(b.Libera)) && !(a == b))
            names << QStringLiteral("F%1").arg(n);
    }
    for (int n = 1; n <= NumarObiecte; ++n) {
        const Obiect &a = before.obiect(n), &b = after.obiect(n);
        if (!(isSet(a.Liber) && isSet(b.Liber)) && !(a == b))
            names << QStringLiteral("O%1").arg(n);
    }
    return names.join(QLatin1Char(' '));
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
    QList<quint32> seeds{20261206u, 7u, 1234567u};
    if (!fromEnv.isEmpty()) {
        seeds.clear();
        for (const QByteArray &s : fromEnv.split(','))
            seeds.append(s.toUInt());
    }
    for (quint32 s : seeds)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s;
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
    Responder responder(rng);

    FrmFerestre *ferestre = m->findChild<FrmFerestre *>();
    FrmObiecte *obiecte = m->findChild<FrmObiecte *>();
    FrmTabelaDeLucru *tabela = m->findChild<FrmTabelaDeLucru *>();
    auto *cmbFereastra = ferestre->findChild<QComboBox *>(QStringLiteral("cmbFereastra"));
    auto *lstObiecte = obiecte->findChild<QListWidget *>(QStringLiteral("lstObiecte"));
    // What a user can act on in the palettes, and the tool bar commands weighted so that designs grow.
    QList<QScrollBar *> bars;
    QList<QAbstractButton *> buttons;
    for (QWidget *form : {static_cast<QWidget *>(ferestre), static_cast<QWidget *>(obiecte)}) {
        bars += form->findChildren<QScrollBar *>();
        for (QAbstractButton *b : form->findChildren<QAbstractButton *>())
            if (!qobject_cast<QToolButton *>(b))
                buttons << b;
    }
    const QList<std::pair<QWidget *, const char *>> commands{
        {ferestre, "CREAZA"}, {ferestre, "CREAZA"}, {ferestre, "CREAZA"}, {ferestre, "STERGE"},
        {ferestre, "COD"},    {obiecte, "SAY"},     {obiecte, "SAY"},     {obiecte, "GET"},
        {obiecte, "GET"},     {obiecte, "BUTON"},   {obiecte, "BUTON"},   {obiecte, "PROPRIETATI"},
        {obiecte, "STERGE"}};
    auto pick = [&](const auto &list) { return list.at(int(rng.bounded(int(list.size())))); };
    auto trigger = [&](QWidget *form, const char *key) {
        QAction *a = form->findChild<QAction *>(QString::fromLatin1(key));
        if (a->isEnabled())
            a->trigger();
    };

    Proiect &p = m->proiect();
    ModelProiect &doc = m->model();
    QSignalSpy reports(&doc, &ModelProiect::pas);
    QUndoStack *stack = m->istoric().stiva();
    // The design before the first step the stack holds, and after its last.
    std::pair<StareProiect, QStringList> start{doc.stare(), whatIsShown(*m)}, final = start;
    // Earlier designs with what was shown of them, for the quiet restores.
    QList<std::pair<StareProiect, QStringList>> earlier;
    int mostWindows = 0, mostObjects = 0, restores = 0;
    for (int step = 0; step < steps; ++step) {
        const Proiect before = p;
        reports.clear();
        const int action = int(rng.bounded(100));
        QString what;
        std::optional<ModelProiect::Tranzactie> gesture;
        gesture.emplace(doc, Modificare::Proiect, 0);
        if (action == 0 && !earlier.isEmpty()) {
            what = QStringLiteral("restore");
            const auto &[state, shown] = earlier.at(int(rng.bounded(int(earlier.size()))));
            doc.restaureaza(state);
            stack->clear(); // undo starts over from the restored design
            const QStringList now = whatIsShown(*m);
            for (int i = 0; i < std::max(now.size(), shown.size()); ++i)
                QVERIFY2(now.value(i) == shown.value(i),
                         qPrintable(QStringLiteral("seed %1, step %2: restored shows %3, built by hand %4")
                                        .arg(seed)
                                        .arg(step)
                                        .arg(now.value(i), shown.value(i))));
            ++restores;
        } else if (action == 1) {
            what = rng.bounded(2) ? QStringLiteral("undo") : QStringLiteral("redo");
            trigger(m.get(), what == QLatin1String("undo") ? "mnuEditareAnuleaza" : "mnuEditareReface");
        } else if (action == 2) {
            // Saved and opened again, a design gives the same program, byte for byte.
            what = QStringLiteral("save and open");
            const MomentGenerare moment{QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), QLocale::c()};
            const auto program = genereazaCodProiect(p, moment);
            const QString file = cwd.filePath(QStringLiteral("walk.sirolant"));
            QString problem;
            QVERIFY2(FisierProiect::salveaza(file, doc.stare(), &problem), qPrintable(problem));
            QVERIFY2(FisierProiect::incarca(file, &problem),
                     qPrintable(QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(problem)));
            QVERIFY(m->proiectCurent().incarca(file));
            const auto again = genereazaCodProiect(p, moment);
            QVERIFY2(program.has_value() == again.has_value() && (!program || program->linii == again->linii),
                     qPrintable(QStringLiteral("seed %1, step %2: program changed").arg(seed).arg(step)));
        } else if (action < 29) {
            const auto [form, key] = pick(commands);
            what = QLatin1String(key);
            trigger(form, key);
        } else if (action < 41) {
            what = QStringLiteral("select");
            if (rng.bounded(2) && cmbFereastra->count() > 0)
                cmbFereastra->setCurrentIndex(int(rng.bounded(cmbFereastra->count())));
            else if (lstObiecte->count() > 0)
                lstObiecte->setCurrentRow(int(rng.bounded(lstObiecte->count())));
        } else if (action < 69) {
            QScrollBar *b = pick(bars);
            what = QStringLiteral("bar ") + b->objectName();
            if (b->isEnabled())
                b->setValue(int(rng.bounded(b->minimum(), b->maximum() + 1)));
        } else if (action < 81) {
            QAbstractButton *b = pick(buttons);
            what = QStringLiteral("button ") + b->objectName();
            if (b->isEnabled())
                b->click();
        } else if (action < 84) {
            what = QStringLiteral("scheme");
            ferestre->findChild<QComboBox *>(QStringLiteral("cmbSchemaCulori"))
                ->setCurrentIndex(int(rng.bounded(10)));
        } else if (action < 87) {
            what = QStringLiteral("title");
            auto *title = ferestre->findChild<QLineEdit *>(QStringLiteral("txtTitluFereastra"));
            if (title->isEnabled())
                title->setText(QString(int(rng.bounded(21)), QLatin1Char('a' + char(rng.bounded(26)))));
        } else if (action < 90) {
            what = QStringLiteral("colour picker");
            QWidget *img = obiecte->findChild<QWidget *>(rng.bounded(2) ? QStringLiteral("imgCerneala")
                                                                        : QStringLiteral("imgFundal"));
            if (img->isEnabled())
                clickWidget(img);
        } else {
            what = QStringLiteral(
                "drag and key on the work table"); // anywhere: a window, its corner, an object, nothing
            const QPoint at(int(rng.bounded(720)), int(rng.bounded(400))),
                to = at + QPoint(int(rng.bounded(-90, 90)), int(rng.bounded(-60, 60)));
            QTest::mousePress(tabela->vedere()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseMove(tabela->vedere()->viewport(), to);
            QTest::mouseRelease(tabela->vedere()->viewport(), Qt::LeftButton, {}, to);
            QTest::keyClick(
                tabela->vedere(),
                Qt::Key(rng.bounded(2) ? Qt::Key_Left + rng.bounded(4) : Qt::Key_Escape + rng.bounded(3)),
                rng.bounded(3) ? Qt::NoModifier : Qt::ShiftModifier);
        }

        gesture.reset();
        const QString where = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(what);
        // One report per gesture, naming exactly the names that changed; a restore reports nothing.
        const bool quiet = what == QLatin1String("restore") || what == QLatin1String("undo") ||
                           what == QLatin1String("redo") || what == QLatin1String("save and open");
        const QString expected = quiet ? QString() : changedSlots(before, p);
        QVERIFY2(reports.size() == (expected.isEmpty() ? 0 : 1),
                 qPrintable(where + QStringLiteral(" reports ") + QString::number(reports.size())));
        if (!expected.isEmpty()) {
            const auto s = reports.at(0).at(0).value<PasProiect>();
            QList<int> windows, objects;
            sloturiSchimbate(s.inainte, s.dupa, &windows, &objects);
            QStringList names;
            for (int n : windows)
                names << QStringLiteral("F%1").arg(n);
            for (int n : objects)
                names << QStringLiteral("O%1").arg(n);
            QVERIFY2(names.join(QLatin1Char(' ')) == expected,
                     qPrintable(where + QStringLiteral(": reported ") + names.join(QLatin1Char(' ')) +
                                QStringLiteral(", changed ") + expected));
            QVERIFY2(s.dupa.ferestre == p.Ferestre && s.dupa.obiecte == p.Obiecte &&
                         s.inainte.obiecte == before.Obiecte,
                     qPrintable(where));
        }
        if (stack->count() == 0)
            start = final = {doc.stare(), whatIsShown(*m)};
        else if (!reports.isEmpty())
            final = {doc.stare(), whatIsShown(*m)};
        if (rng.bounded(20) == 0) {
            if (earlier.size() >= 25)
                earlier.removeAt(int(rng.bounded(int(earlier.size()))));
            earlier.append({doc.stare(), whatIsShown(*m)});
        }
        const int active = ferestre->fereastraActiva();

        // Windows: the list, the work table and the program agree with the records.
        int used = 0;
        const auto program = genereazaCodProiect(p);
        for (int n = 1; n <= NumarFerestre; ++n) {
            const Fereastra &f = p.fereastra(n);
            auto *bg =
                dynamic_cast<QGraphicsRectItem *>(tabela->element(QStringLiteral("lblWindow%1").arg(n)));
            const bool inUse = p.fereastraFolosita(n);
            QVERIFY2(bg->isVisible() == inUse, qPrintable(where));
            QVERIFY2(cmbFereastra->findData(n) >= 0 == inUse, qPrintable(where));
            if (!inUse)
                continue;
            ++used;
            QVERIFY2(bg->pos() == QPointF(135.0 * f.Orizontala, 240.0 * f.Verticala), qPrintable(where));
            QVERIFY2(bg->rect().size() == QSizeF(135.0 * f.Latime, 240.0 * f.Inaltime), qPrintable(where));
            const QString define = QStringLiteral("DEFINE WINDOW FER%1 FROM %2,%3 TO %4,%5 COLOR SCHEME %6")
                                       .arg(n)
                                       .arg(f.Verticala)
                                       .arg(f.Orizontala)
                                       .arg(f.Verticala + f.Inaltime - 1)
                                       .arg(f.Orizontala + f.Latime - 1)
                                       .arg(f.SchemaCulori);
            QVERIFY2(program && program->linii.filter(define).size() == 1,
                     qPrintable(where + QLatin1Char(' ') + define));
        }
        QVERIFY2(cmbFereastra->count() == used, qPrintable(where));
        QVERIFY2(!program || program->linii.filter(QStringLiteral("DEFINE WINDOW")).size() == used,
                 qPrintable(where));

        // Objects: drawn exactly when in use, where their window puts them;
        // the active window's objects listed once each.
        std::multiset<int> listed;
        for (int i = 0; i < lstObiecte->count(); ++i)
            listed.insert(lstObiecte->item(i)->data(Qt::UserRole).toInt());
        for (int k = 1; k <= NumarObiecte; ++k) {
            const Obiect &o = p.obiect(k);
            auto *label =
                dynamic_cast<ElementTabela *>(tabela->element(QStringLiteral("lblObiect%1").arg(k)));
            const bool inUse = p.obiectFolosit(k);
            QVERIFY2(label->isVisible() == inUse, qPrintable(where + QStringLiteral(" object %1").arg(k)));
            QVERIFY2(int(listed.count(k)) == (inUse && o.Fereastra == active ? 1 : 0),
                     qPrintable(where + QStringLiteral(" listed %1").arg(k)));
            if (!inUse)
                continue;
            QVERIFY2(p.fereastraFolosita(o.Fereastra), qPrintable(where));
            const Fereastra &f = p.fereastra(o.Fereastra);
            QVERIFY2(label->pos() ==
                         QPointF(135.0 * (f.Orizontala + o.Coloana + 1), 240.0 * (f.Verticala + o.Rand + 1)),
                     qPrintable(where + QStringLiteral(" placed %1").arg(k)));
            QVERIFY2(label->caption() == o.TextAfisat,
                     qPrintable(where + QStringLiteral(" caption %1").arg(k)));
        }
        QVERIFY2(int(listed.size()) == lstObiecte->count(), qPrintable(where));

        // The palettes' bars show the active window and the selected object.
        auto shows = [&](QWidget *form, const char *bar, int value) {
            return form->findChild<QScrollBar *>(QLatin1String(bar))->value() == value;
        };
        if (active > 0) {
            const Fereastra &f = p.fereastra(active);
            QVERIFY2(shows(ferestre, "hsbOrizontala", f.Orizontala) &&
                         shows(ferestre, "hsbVerticala", f.Verticala) &&
                         shows(ferestre, "hsbInaltime", f.Inaltime),
                     qPrintable(where + QStringLiteral(" window bars")));
        }
        if (QListWidgetItem *item = lstObiecte->currentItem()) {
            const Obiect &o = p.obiect(item->data(Qt::UserRole).toInt());
            QVERIFY2(shows(obiecte, "hsbOrizontala", o.Coloana) && shows(obiecte, "hsbVerticala", o.Rand),
                     qPrintable(where + QStringLiteral(" object bars")));
        }
        mostWindows = std::max(mostWindows, used);
        int objects = 0;
        for (int k = 1; k <= NumarObiecte; ++k)
            objects += p.obiectFolosit(k) ? 1 : 0;
        mostObjects = std::max(mostObjects, objects);
    }
    // The walk must have reached a busy design, or it proved little.
    // Undoing every step gives back the design the walk started from (or was last
    // restored to), as it was shown; redoing them all gives the final one again.
    for (const auto &[target, undo] : {std::pair{&start, true}, std::pair{&final, false}}) {
        while (undo ? stack->canUndo() : stack->canRedo())
            undo ? stack->undo() : stack->redo();
        QVERIFY2(p.Ferestre == target->first.ferestre && p.Obiecte == target->first.obiecte,
                 qPrintable(QStringLiteral("seed %1: undo %2").arg(seed).arg(undo)));
        QCOMPARE(whatIsShown(*m), target->second);
    }
    QVERIFY2(mostWindows >= 3 && mostObjects >= 10 && restores >= 5,
             qPrintable(QStringLiteral("seed %1: at most %2 windows, %3 objects, %4 restores")
                            .arg(seed)
                            .arg(mostWindows)
                            .arg(mostObjects)
                            .arg(restores)));
}

QTEST_MAIN(TestRandomised)
#include "tst_randomised.moc"
