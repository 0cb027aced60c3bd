// Thousands of random user actions on the whole program, checking after each
// one that the work table, the palettes and the generated program agree with
// the design records. The seed is printed with any failure.
#include "app/mdimain.h"
#include "codegen/generator.h"
#include "objectpalette/frmobiecte.h"
#include "support/mainfixture.h"
#include "support/uitest.h"
#include "windowpalette/frmferestre.h"
#include "worktable/elementtabela.h"
#include "worktable/frmtabeladelucru.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <set>

namespace {

// Answers every modal window that opens, in a random but seeded way: message
// boxes get OK, editors get a few random edits then Apply or Cancel, the
// pickers a random swatch, the code viewer is closed.
class Responder : public QObject
{
public:
    explicit Responder(QRandomGenerator &rng) : rng_(rng)
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
            const QList<QWidget *> swatches = dlg->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^img")));
            if (!swatches.isEmpty())
                clickWidget(swatches.at(int(rng_.bounded(int(swatches.size())))));
            if (rng_.bounded(4) == 0)
                dlg->reject();
            else
                dlg->findChild<QPushButton *>(QStringLiteral("cmdModifica"))->click();
            return;
        }
        if (name == QLatin1String("frmSay") || name == QLatin1String("frmGet") || name == QLatin1String("frmButon")) {
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
            case 0: b = any<QCheckBox>(dlg); break;
            case 1: b = any<QRadioButton>(dlg); break;
            case 2: b = any<QToolButton>(dlg); break;
            case 3:
                if (QPushButton *p = any<QPushButton>(dlg);
                    p && p->objectName() != QLatin1String("cmdAplica") && p->objectName() != QLatin1String("cmdAnuleaza"))
                    b = p;
                break;
            default:
                if (QLineEdit *e = any<QLineEdit>(dlg)) {
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
    const int steps = qEnvironmentVariableIsSet("SIROLANT_STEPS") ? qEnvironmentVariableIntValue("SIROLANT_STEPS") : 1200;
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
    const QList<QScrollBar *> windowBars = ferestre->findChildren<QScrollBar *>();
    const QList<QScrollBar *> objectBars = obiecte->findChildren<QScrollBar *>();
    const QList<QPushButton *> windowButtons = ferestre->findChildren<QPushButton *>();
    const QList<QPushButton *> objectButtons = obiecte->findChildren<QPushButton *>();
    const QList<QCheckBox *> windowBoxes = ferestre->findChildren<QCheckBox *>();
    auto pick = [&](auto list) { return list.at(int(rng.bounded(int(list.size())))); };
    auto trigger = [&](QWidget *form, const char *key) {
        QAction *a = form->findChild<QAction *>(QString::fromLatin1(key));
        if (a->isEnabled())
            a->trigger();
    };

    Proiect &p = m->proiect();
    int mostWindows = 0, mostObjects = 0;
    for (int step = 0; step < steps; ++step) {
        const int action = int(rng.bounded(100));
        QString what;
        if (action < 6) {
            what = QStringLiteral("create window");
            trigger(ferestre, "CREAZA");
        } else if (action < 8) {
            what = QStringLiteral("delete window");
            trigger(ferestre, "STERGE");
        } else if (action < 14) {
            what = QStringLiteral("select window");
            if (cmbFereastra->count() > 0)
                cmbFereastra->setCurrentIndex(int(rng.bounded(cmbFereastra->count())));
        } else if (action < 30) {
            QScrollBar *b = pick(windowBars);
            what = QStringLiteral("window bar ") + b->objectName();
            if (b->isEnabled())
                b->setValue(int(rng.bounded(b->minimum(), b->maximum() + 1)));
        } else if (action < 35) {
            QPushButton *b = pick(windowButtons);
            what = QStringLiteral("window button ") + b->objectName();
            if (b->isEnabled())
                b->click();
        } else if (action < 39) {
            what = QStringLiteral("scheme");
            ferestre->findChild<QComboBox *>(QStringLiteral("cmbSchemaCulori"))->setCurrentIndex(int(rng.bounded(10)));
        } else if (action < 42) {
            what = QStringLiteral("title");
            auto *title = ferestre->findChild<QLineEdit *>(QStringLiteral("txtTitluFereastra"));
            if (title->isEnabled())
                title->setText(QString(int(rng.bounded(21)), QLatin1Char('a' + char(rng.bounded(26)))));
        } else if (action < 46) {
            QCheckBox *b = pick(windowBoxes);
            what = QStringLiteral("window box ") + b->objectName();
            if (b->isEnabled())
                b->click();
        } else if (action < 58) {
            static const char *kinds[] = {"SAY", "GET", "BUTON"};
            const char *kind = kinds[rng.bounded(3)];
            what = QStringLiteral("create ") + QLatin1String(kind);
            trigger(obiecte, kind);
        } else if (action < 63) {
            what = QStringLiteral("properties");
            trigger(obiecte, "PROPRIETATI");
        } else if (action < 67) {
            what = QStringLiteral("delete object");
            trigger(obiecte, "STERGE");
        } else if (action < 74) {
            what = QStringLiteral("select object");
            if (lstObiecte->count() > 0)
                lstObiecte->setCurrentRow(int(rng.bounded(lstObiecte->count())));
        } else if (action < 86) {
            QScrollBar *b = pick(objectBars);
            what = QStringLiteral("object bar ") + b->objectName();
            if (b->isEnabled())
                b->setValue(int(rng.bounded(b->minimum(), b->maximum() + 1)));
        } else if (action < 92) {
            QPushButton *b = pick(objectButtons);
            what = QStringLiteral("object button ") + b->objectName();
            if (b->isEnabled())
                b->click();
        } else if (action < 95) {
            what = QStringLiteral("window colours box");
            auto *box = obiecte->findChild<QCheckBox *>(QStringLiteral("chkCulorileFerestrei"));
            if (box->isEnabled())
                box->click();
        } else if (action < 98) {
            what = QStringLiteral("colour picker");
            QWidget *img = obiecte->findChild<QWidget *>(rng.bounded(2) ? QStringLiteral("imgCerneala")
                                                                         : QStringLiteral("imgFundal"));
            if (img->isEnabled())
                clickWidget(img);
        } else {
            what = QStringLiteral("code of the window");
            trigger(ferestre, "COD");
        }

        const QString where = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(what);
        const int active = ferestre->fereastraActiva();

        // Windows: the list, the work table and the program agree with the records.
        int used = 0;
        const auto program = genereazaCodProiect(p);
        for (int n = 1; n <= NumarFerestre; ++n) {
            const Fereastra &f = p.fereastra(n);
            auto *bg = dynamic_cast<QGraphicsRectItem *>(tabela->element(QStringLiteral("lblWindow%1").arg(n)));
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
            QVERIFY2(program && program->linii.filter(define).size() == 1, qPrintable(where + QLatin1Char(' ') + define));
        }
        QVERIFY2(cmbFereastra->count() == used, qPrintable(where));
        QVERIFY2(!program || program->linii.filter(QStringLiteral("DEFINE WINDOW")).size() == used, qPrintable(where));

        // Objects: drawn exactly when in use, where their window puts them;
        // the active window's objects listed once each.
        std::multiset<int> listed;
        for (int i = 0; i < lstObiecte->count(); ++i)
            listed.insert(lstObiecte->item(i)->data(Qt::UserRole).toInt());
        for (int k = 1; k <= NumarObiecte; ++k) {
            const Obiect &o = p.obiect(k);
            auto *label = dynamic_cast<ElementTabela *>(tabela->element(QStringLiteral("lblObiect%1").arg(k)));
            const bool inUse = p.obiectFolosit(k);
            QVERIFY2(label->isVisible() == inUse, qPrintable(where + QStringLiteral(" object %1").arg(k)));
            QVERIFY2(int(listed.count(k)) == (inUse && o.Fereastra == active ? 1 : 0),
                     qPrintable(where + QStringLiteral(" listed %1").arg(k)));
            if (!inUse)
                continue;
            QVERIFY2(p.fereastraFolosita(o.Fereastra), qPrintable(where));
            const Fereastra &f = p.fereastra(o.Fereastra);
            QVERIFY2(label->pos() == QPointF(135.0 * (f.Orizontala + o.Coloana + 1), 240.0 * (f.Verticala + o.Rand + 1)),
                     qPrintable(where + QStringLiteral(" placed %1").arg(k)));
            QVERIFY2(label->caption() == o.TextAfisat, qPrintable(where + QStringLiteral(" caption %1").arg(k)));
        }
        QVERIFY2(int(listed.size()) == lstObiecte->count(), qPrintable(where));

        // The palettes' bars show the active window and the selected object.
        auto shows = [&](QWidget *form, const char *bar, int value) {
            return form->findChild<QScrollBar *>(QLatin1String(bar))->value() == value;
        };
        if (active > 0) {
            const Fereastra &f = p.fereastra(active);
            QVERIFY2(shows(ferestre, "hsbOrizontala", f.Orizontala) && shows(ferestre, "hsbVerticala", f.Verticala)
                         && shows(ferestre, "hsbInaltime", f.Inaltime),
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
    QVERIFY2(mostWindows >= 3 && mostObjects >= 10,
             qPrintable(QStringLiteral("seed %1: at most %2 windows, %3 objects").arg(seed).arg(mostWindows).arg(mostObjects)));
}

QTEST_MAIN(TestRandomised)
#include "tst_randomised.moc"
