#include "app/frmsetari.h"
#include "formbase/sesiune.h"
#include "model/optionsfile.h"
#include "support/uitest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Each flag's control (for a pair, the option meaning True) and its offset in the options record; offsets
// from 34 on are counted past the path.
const QStringList Controls =
    u"optCentrazaObiectulOrizontal optFormatZLA chkAnulArePatruCifre "
    u"chkMarcajTabelaLucru chkUmbraImplicit chkFerestrePatrate chkPastreazaUmbraInEcran "
    u"chkSalveazaSetariSpatiuLucru chkConfirmareaInchidere chkConfirmareStergere "
    u"chkScrierePrescurtata chkIncludeComentariile chkInsereazaDataOra"_s.split(u' ');
const QList<int> Offsets = {0, 2, 4, 6, 8, 10, 12, 14, 28, 30, 34, 36, 38};
// Reset's defaults: every flag but the marker, the square windows and the short writing.
const QList<int> Defaults = {0, 2, 4, 8, 12, 14, 28, 30, 36, 38};
const QString Path = u"C:\\FOXPRO26\\FOXPROX.EXE"_s;

// An options record built from the file layout: -1 at the offsets of the flags given, `others` at the rest,
// and unless bare, three positions and the path.
QByteArray record(const QList<int> &flags, bool bare = false, int others = 0)
{
    QByteArray r(OptionsFile::RecordSize, '\0');
    auto put = [&r](int at, int v) { r[at] = char(v & 0xFF), r[at + 1] = char((v >> 8) & 0xFF); };
    const QByteArray path = bare ? QByteArray() : Path.toLatin1();
    const int positions[] = {1500, -30, 4500, 3000, -7, 32000};
    for (int i = 0; i < 6 && !bare; ++i)
        put(16 + 2 * i, positions[i]);
    put(32, int(path.size()));
    r.replace(34, path.size(), path);
    for (int at : Offsets)
        put(at < 34 ? at : at + int(path.size()), flags.contains(at) ? -1 : others);
    return r;
}

} // namespace

class TestFrmSetari : public QObject
{
    Q_OBJECT

private slots:
    void dialog_data();
    void dialog();
};

void TestFrmSetari::dialog_data()
{
    QTest::addColumn<QList<int>>("start"); // the flags read at start
    QTest::addColumn<bool>("firstStart");  // no path, no positions either
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("saved");    // the flags in the file; empty: nothing written
    for (int i = 0; i < Controls.size(); ++i) // each flag alone, through the dialog and back
        QTest::newRow(qPrintable(Controls[i]))
            << QList<int>{Offsets[i]} << false << u"cmdSalveaza"_s << QList<int>{Offsets[i]};
    const QList<int> some = {2, 6, 34};
    QTest::newRow("Reset, Salveaza") << some << false << u"cmdReset cmdSalveaza"_s << Defaults;
    QTest::newRow("Reset, Salveaza at first start")
        << QList<int>() << true << u"cmdReset cmdSalveaza"_s << Defaults;
    QTest::newRow("Reset, Anuleaza") << some << false << u"cmdReset cmdAnuleaza"_s << QList<int>();
    QTest::newRow("Space, Esc") << some << false << u"space esc"_s << QList<int>();
    QTest::newRow("Space, Enter") << some << false << u"space enter"_s << QList<int>{2, 6, 30, 34};
}

void TestFrmSetari::dialog()
{
    QFETCH(QList<int>, start);
    QFETCH(bool, firstStart);
    QFETCH(QString, steps);
    QFETCH(QList<int>, saved);
    TempCwd cwd;
    Sesiune s;
    s.model.setari() = OptionsFile::decode(record(start, firstStart, firstStart ? 0 : 1)); // 1 is not True
    const Setari before = s.model.setari();
    FrmSetari dlg(s);
    const auto button = [&dlg](const QString &name) { return find<QAbstractButton>(&dlg, name); };
    for (int i = 0; i < Controls.size(); ++i)
        QVERIFY2(button(Controls[i])->isChecked() == start.contains(Offsets[i]), qPrintable(Controls[i]));
    // A pair's False shows as its second option; the letter case stays capitals.
    QCOMPARE(button(u"optCentreazaObiectulVertical"_s)->isChecked(), !start.contains(0));
    QCOMPARE(button(u"optFormatLZA"_s)->isChecked(), !start.contains(2));
    QVERIFY(button(u"Option1"_s)->isChecked());
    QCOMPARE(find<QLineEdit>(&dlg, u"txtCaleFoxPRO"_s)->text(), firstStart ? QString() : Path);
    dlg.show();
    auto *box = button(u"chkConfirmareStergere"_s); // a box the user ticks from the keyboard
    box->setFocus();
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step.startsWith(u"cmd"_s))
            clickWidget(button(step));
        else
            QTest::keyClick(box, step == u"space"_s ? Qt::Key_Space
                                 : step == u"esc"_s ? Qt::Key_Escape
                                                    : Qt::Key_Return);
        // Reset fills the controls only.
        QVERIFY(step != u"cmdReset"_s ||
                (button(u"chkUmbraImplicit"_s)->isChecked() && s.model.setari() == before));
    }
    QVERIFY(!dlg.isVisible());
    // Positions and path are never the dialog's to change.
    QFile f(OptionsFile::defaultFileName());
    const QByteArray written = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    QCOMPARE(written, saved.isEmpty() ? QByteArray() : record(saved, firstStart));
    QVERIFY(s.model.setari() == (saved.isEmpty() ? before : OptionsFile::decode(written)));
}

QTEST_MAIN(TestFrmSetari)
#include "tst_frmsetari.moc"
