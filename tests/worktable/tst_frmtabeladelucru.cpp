#include "app/istoric.h"
#include "model/modelproiect.h"
#include "support/design.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>

class TestTabela : public QObject
{
    Q_OBJECT

    static void checkMarks(Design &d) // around the active window and the selected object as drawn, or hidden
    {
        auto area = [&](const QString &name) {
            auto *e = dynamic_cast<QGraphicsRectItem *>(d.table()->element(name));
            return e && e->isVisible() ? e->mapRectToScene(e->rect()) : QRectF();
        };
        const QListWidgetItem *line = d.list()->currentItem();
        QCOMPARE(area("shpSelectieFereastra"),
                 area(QStringLiteral("lblWindow%1").arg(d.windows()->currentData().toInt())));
        QCOMPARE(area("shpSelectieObiect"),
                 area(QStringLiteral("lblObiect%1").arg(line ? line->data(Qt::UserRole).toInt() : 0)));
    }

private slots:
    void elementsAndMarker()
    {
        Setari s = quietSettings();
        s.MarcajTabelaLucru = FlagTrue;
        Design d(s);
        pressKey(*d.m, "frmFerestre", "STERGE");
        QStringList order{QStringLiteral("imgMarcaj")}; // bottom to top; the shadows from 5 down to 1
        for (const char *family : {"shpShadow", "lblWindow", "shpFrame", "lblTitle", "lblObiect"})
            for (int n = 1, last = family[3] == 'O' ? 60 : 5; n <= last; ++n)
                order << QLatin1String(family) + QString::number(family[3] == 'S' ? last + 1 - n : n);
        order << QStringLiteral("shpSelectieFereastra") << QStringLiteral("shpSelectieObiect"); // over all
        FrmTabelaDeLucru *t = d.table();
        QCOMPARE(t->scena()->items().size(), order.size());
        for (int i = 1; i < order.size(); ++i) // every element hidden while there is no window
            QVERIFY2(!t->element(order[i])->isVisible() &&
                         t->element(order[i])->zValue() > t->element(order[i - 1])->zValue(),
                     qPrintable(order[i]));
        auto *marker = dynamic_cast<QGraphicsPixmapItem *>(t->element(order[0]));
        QVERIFY(marker->isVisible() && marker->sceneBoundingRect() == QRectF(0, 0, 725 * 15, 403 * 15));
        s.MarcajTabelaLucru = FlagFalse;
        QVERIFY(!Design(s).table()->element(order[0])->isVisible());
    }

    void windowDrawing_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("moved") << QRect(10, 5, 30, 10) << "FER 1";
        QTest::newRow("odd width, half a cell off") << QRect(0, 0, 21, 10) << "ABCD";
        QTest::newRow("blank title, hidden") << QRect(0, 0, 21, 10) << "   ";
    }

    void windowDrawing()
    {
        QFETCH(QRect, window);
        QFETCH(QString, title);
        Setari s = quietSettings();
        s.UmbraImplicit = FlagTrue;
        Design d(s);
        d.set(window.x(), window.y(), window.width(), window.height());
        d.find<QLineEdit>("frmFerestre", "txtTitluFereastra")->setText(title);
        const QRectF area(twips(window.topLeft()), QSizeF(135 * window.width(), 240 * window.height()));
        for (auto [name, rect] : {std::pair{"lblWindow1", area},
                                  {"shpFrame1", area.adjusted(67.5, 60, -67.5, -60)},
                                  {"shpShadow1", area.translated(270, 240)}})
            QVERIFY2(d.item(name)->isVisible() &&
                         QRectF(d.item(name)->pos(), d.item(name)->rect().size()) == rect,
                     name);
        // The title centred on the top border, half a cell off when the two lengths differ in parity.
        QCOMPARE(d.item("lblTitle1")->pos(), QPointF(area.center().x() - title.size() * 135 / 2.0, area.y()));
        QVERIFY(d.item("lblTitle1")->caption() == title &&
                d.item("lblTitle1")->isVisible() == !title.trimmed().isEmpty());
        // Scheme 1: blue background, yellow border, the title in the border colour; the shadow dark grey.
        QVERIFY(d.item("lblWindow1")->brush().color() == QColor(0, 0, 0xC0) &&
                d.item("shpShadow1")->brush().color() == QColor(64, 64, 64));
        QVERIFY(d.item("shpFrame1")->pen().color() == Qt::yellow &&
                d.item("lblTitle1")->culoareText() == Qt::yellow);
    }

    void clicksOnTheWorkTable()
    {
        Setari s = quietSettings();
        s.UmbraImplicit = FlagTrue;
        Design d(s);
        d.m->show();
        QWidget *viewport = d.table()->vedere()->viewport();
        auto click = [&](QPointF twips, bool twice = false) { // through the real view, as a user's
            const QPoint at = d.table()->vedere()->mapFromScene(twips);
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            if (twice)
                QTest::mouseDClick(viewport, Qt::LeftButton, {}, at),
                    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        };
        d.put(3, "GET", QStringLiteral("abcde"), 1, 1).Valoare = QStringLiteral("v");
        d.table()->DeseneazaObiect(3);
        d.put(45, "SAY", QStringLiteral("zz"), 2, 7);
        ElementTabela *label = d.item("lblObiect3");
        QVERIFY(label->toolTip() == QLatin1String("GET [abcde][v]") &&
                label->rect().size() == QSizeF(5 * 135, 240));
        d.list()->setCurrentRow(0); // object 3; the first click selects object 45, the second centres it
        click(d.item("lblObiect45")->sceneBoundingRect().center(), true);
        QVERIFY(d.item("lblObiect45")->pos() == twips({1 + 13, 1 + 7}) && label->pos() == twips({2, 2}));
        d.create(), d.create(); // windows 2 and 3; 3 under window 1
        d.set(11, 22, 30, 10);
        d.windows()->setCurrentIndex(1);
        pressKey(*d.m, "frmFerestre", "STERGE");
        // Window 2 again, listed last; 4 over window 1.
        for (QRect w : {QRect(40, 2, 30, 10), QRect(20, 0, 15, 10)})
            d.create(), d.set(w.x(), w.y(), w.width(), w.height());
        const std::tuple<QPointF, int, int> clicks[] = {
            // where, and the window active and the object selected after: a window clicked alone
            {twips({45, 5}), 2, -1},
            {twips({26, 22}) + QPointF(0, 120), 3, -1}, // a background, a title
            {twips({71, 12}) + QPointF(0, 120), 3, -1},
            {{10500, 5850}, 3, -1},                     // window 2's shadow over nothing, the empty surface
            {twips({3, 2}), 1, 3},                      // object 3, with its window
            {twips({29, 5}) + QPointF(67.5, 0), 1, -1}, // window 1's border over window 4's background
            {twips({3, 2}), 1, 3}};
        for (const auto &[at, window, object] : clicks) {
            click(at);
            QVERIFY(d.windows()->currentData().toInt() == window && d.m->model().obiectSelectat() == object);
            checkMarks(d);
        }
        // The mark takes the pixels around the label; the label's own stay as they were.
        const QRect cells(d.table()->vedere()->mapFromScene(label->pos()), QSize(5 * 9, 16));
        const QImage marked = viewport->grab().toImage();
        d.table()->element(QStringLiteral("shpSelectieObiect"))->hide();
        const QImage plain = viewport->grab().toImage();
        QVERIFY(marked.copy(cells) == plain.copy(cells) &&
                marked.copy(cells.adjusted(-1, -1, 1, 1)) != plain.copy(cells.adjusted(-1, -1, 1, 1)));
    }

    void drags_data()
    {
        QTest::addColumn<QString>("press"); // the window, its corner or the object
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QList<QPoint>>("offsets"); // pixels: a column is 9, a row 16
        // The window, or the object's place and size; none: a click.
        QTest::addColumn<QList<QRect>>("expected");
        const QRect w(45, 5, 30, 10);
        const QList<QPoint> under{{QApplication::startDragDistance() - 1, 0}},
            inCell{{4, 7}}; // a cell away, or not
        QTest::newRow("click short of the drag distance") << "window" << w << under << QList<QRect>();
        QTest::newRow("click past the drag distance, in its cell")
            << "window" << w << inCell << QList<QRect>();
        QTest::newRow("click on an object") << "object" << w << under << QList<QRect>();
        // Parts of a cell round halves to even: 13 and 14 pixels are 1.44 and 1.56 columns; 24, 40 and 56
        // pixels are 1.5, 2.5 and 3.5 rows.
        QTest::newRow("window by parts of cells")
            << "window" << QRect(35, 12, 30, 10)
            << QList<QPoint>{{13, 0}, {14, 0}, {14, 24}, {14, 40}, {14, 56}}
            << QList<QRect>{
                   {36, 12, 30, 10}, {37, 12, 30, 10}, {37, 14, 30, 10}, {37, 14, 30, 10}, {37, 16, 30, 10}};
        // Rows drive a square window, unless the mouse went more than twice as far across.
        QTest::newRow("square window by its corner")
            << "corner" << QRect(20, 2, 20, 10) << QList<QPoint>{{0, 32}, {54, 0}, {-18, 0}}
            << QList<QRect>{{20, 2, 24, 12}, {20, 2, 26, 13}, {20, 2, 18, 9}};
        // Past its window's edge (column + length <= width - 2, row < height - 2) an object stops; the drag
        // goes on from there, the last step one cell back.
        QTest::newRow("object past its window's edge")
            << "object" << QRect(10, 5, 30, 10)
            << QList<QPoint>{{18, 0}, {27, 0}, {36, 0}, {36, 32}, {36, 64}, {36, 80}, {27, 80}}
            << QList<QRect>{{22, 3, 5, 1}, {23, 3, 5, 1}, {23, 3, 5, 1}, {23, 5, 5, 1},
                            {23, 7, 5, 1}, {23, 7, 5, 1}, {22, 7, 5, 1}};
    }

    void drags()
    {
        QFETCH(QString, press);
        QFETCH(QRect, window);
        QFETCH(QList<QPoint>, offsets);
        QFETCH(QList<QRect>, expected);
        Setari s = quietSettings();
        s.UmbraImplicit = FlagTrue;
        s.FerestrePatrate = toFlag(press == QLatin1String("corner"));
        Design d(s);
        d.set(window.x(), window.y(), window.width(), window.height());
        d.put(4, "SAY", QStringLiteral("abcde"), 20, 3);
        d.create(); // a drag makes window 1 active again, and so does a click on it
        const Fereastra &f = d.m->proiect().fereastra(1);
        const Obiect &o = d.m->proiect().obiect(4);
        const bool object = press == QLatin1String("object"), corner = press == QLatin1String("corner");
        auto now = [&] {
            return object ? QRect(o.Coloana, o.Rand, 5, 1)
                          : QRect(f.Orizontala, f.Verticala, f.Latime, f.Inaltime);
        };
        const QRect start = now();
        const QPoint at = d.table()->vedere()->mapFromScene(
            object   ? d.item("lblObiect4")->sceneBoundingRect().center()
            : corner ? twips(window.bottomRight() + QPoint(1, 1)) - QPointF(30, 30)
                     : twips(window.topLeft() + QPoint(2, 3)));
        QWidget *viewport = d.table()->vedere()->viewport();
        QMouseEvent hover(QEvent::MouseMove, at, QPointF(), Qt::NoButton, {}, {});
        QApplication::sendEvent(viewport, &hover);
        QCOMPARE(viewport->cursor().shape(), corner ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
        auto undoSteps = [&] { return d.m->istoric().stiva()->count(); }; // once code's changes are in
        const int steps = undoSteps();
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        for (int i = 0; i < offsets.size(); ++i) {
            QTest::mouseMove(viewport, at + offsets[i]);
            const QRect r = now();
            QCOMPARE(r, expected.value(i, start));
            QCOMPARE(d.item("lblObiect4")->pos(),
                     twips(QPoint(f.Orizontala + o.Coloana + 1, f.Verticala + o.Rand + 1)));
            QCOMPARE(d.m->statusBar()->currentMessage(),
                     expected.isEmpty() ? QString()
                                        : QString::asprintf("Coloana %d, Rand %d, %d x %d", r.x(), r.y(),
                                                            r.width(), r.height()));
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + offsets.last());
        // A click or a drag makes window 1 active; a click on the window drops its object, a drag keeps it.
        const bool click = expected.isEmpty();
        QVERIFY(d.m->statusBar()->currentMessage().isEmpty() && d.windows()->currentData().toInt() == 1 &&
                d.list()->currentRow() == (click && !object ? -1 : 0));
        QCOMPARE(undoSteps(), steps + (click ? 0 : 1)); // one drag, one step
        if (!click)
            d.m->istoric().stiva()->undo();
        QCOMPARE(now(), start);
    }

    void keysOnTheFocusedView()
    {
        Setari s = quietSettings();
        s.ConfirmareStergere = FlagTrue;
        Design d(s); // window 1: 30 x 10 at the top left
        d.put(4, "SAY", QStringLiteral("ab"), 1, 1);
        d.put(9, "GET", QStringLiteral("cd"), 3, 2); // listed last, selected
        d.m->show();
        QGraphicsView *view = d.table()->vedere();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        auto keys = [&](std::initializer_list<Qt::Key> ks, Qt::KeyboardModifiers mods = {}) {
            for (Qt::Key k : ks) // each key its own gesture, as with an event loop between
                QTest::keyClick(view, k, mods);
        };
        const Obiect &o = d.m->proiect().obiect(9);
        auto undoSteps = [&] { return d.m->istoric().stiva()->count(); };
        const int steps = undoSteps();
        keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right});
        QVERIFY(o.Coloana == 6 && o.Rand == 3 && undoSteps() == steps + 1); // a run is one step
        keys({Qt::Key_Escape, Qt::Key_Right}); // no object: the window moves and resizes
        keys({Qt::Key_Up, Qt::Key_Right}, Qt::ShiftModifier);
        QVERIFY(d.list()->currentRow() == -1 && o.Coloana == 6 && d.geometry() == QRect(1, 0, 31, 9));
        checkMarks(d);
        QString editor;
        onNextModal([&](QWidget *dlg) { editor = dlg->objectName(), QTest::keyClick(dlg, Qt::Key_Escape); });
        keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}); // round the list in its order: 4, 9, 4
        auto box = answerNextMessageBox(QMessageBox::Yes);
        keys({Qt::Key_Backtab, Qt::Key_Delete}); // back round to 9
        QVERIFY(editor == QLatin1String("frmSay") && box->seen && isSet(o.Liber) &&
                !isSet(d.m->proiect().obiect(4).Liber));
        checkMarks(d);
        StareProiect other = d.m->model().stare(); // the same records, another selection: a file opened
        other.obiectSelectat = -1;
        d.m->model().restaureaza(other);
        checkMarks(d);
    }
};

QTEST_MAIN(TestTabela)
#include "tst_frmtabeladelucru.moc"
