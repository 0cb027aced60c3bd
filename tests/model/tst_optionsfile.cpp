// The options record beyond what tst_frmsetari pins byte for byte (flags, 1 read as False and written as 0,
// positions, path): positions kept to 16 bits, the longest path, short, long and damaged records.
#include "model/cp1250.h"
#include "model/optionsfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Setari randomSetari(QRandomGenerator &rng)
{
    Setari s;
    for (Flag *f : {&s.CentrazaObiectulOrizontal, &s.FormatZLA, &s.AnulArePatruCifre, &s.MarcajTabelaLucru,
                    &s.UmbraImplicit, &s.FerestrePatrate, &s.PastreazaUmbraInEcran,
                    &s.SalveazaSetariSpatiuLucru, &s.ConfirmareaInchidere, &s.ConfirmareStergere,
                    &s.ScrierePrescurtata, &s.IncludeComentariile, &s.InsereazaDataOra})
        *f = toFlag(rng.bounded(2));
    for (Pozitie *p : {&s.PozitieFerestre, &s.PozitieObiecte, &s.PozitieTabela})
        *p = {int(rng.bounded(-32768, 32768)), int(rng.bounded(-32768, 32768))};
    static const QString alphabet = QStringLiteral("C:\\FOXPRO2\\abcxyz _-.ăâîşţĂÂÎŞŢ");
    for (int i = int(rng.bounded(OptionsFile::MaxPathLength + 1)); i > 0; --i)
        s.CaleFoxPRO += alphabet.at(int(rng.bounded(int(alphabet.size()))));
    return s;
}

} // namespace

class TestOptionsFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void clampedPositionsAndTheLongestPath();
    void damagedOrShortRecords();
    void refusedPathKeepsFileAndMemory_data();
    void refusedPathKeepsFileAndMemory();
    void randomAndDamagedRecords();
    void windows1250();

private:
    QTemporaryDir dir;
};

void TestOptionsFile::clampedPositionsAndTheLongestPath()
{
    Setari s;
    s.PozitieObiecte = {40000, -40000};
    s.CaleFoxPRO = QString(88, QLatin1Char('x'));
    s.InsereazaDataOra = FlagTrue;
    const QString file = dir.filePath(QStringLiteral("layout.opt"));
    QVERIFY(OptionsFile::write(file, s));
    const QByteArray b = readAll(file);
    QCOMPARE(b.size(), 128);
    QCOMPARE(b.mid(20, 4), QByteArray("\xFF\x7F\x00\x80", 4));
    QCOMPARE(b.mid(32, 2) + b.mid(34 + 88), QByteArray("\x58\0\0\0\0\0\xFF\xFF", 8));
    Setari back;
    QVERIFY(OptionsFile::read(file, &back));
    QVERIFY(back.PozitieObiecte == (Pozitie{32767, -32768}) && back.CaleFoxPRO == s.CaleFoxPRO);
}

void TestOptionsFile::damagedOrShortRecords()
{
    Setari full = setariImplicite();
    full.PozitieTabela = {300, 400};
    full.CaleFoxPRO = QStringLiteral("C:\\FP\\FOXPRO.EXE");
    QByteArray rec = *OptionsFile::encode(full);
    const Setari head = OptionsFile::decode(rec.left(27));
    QVERIFY(head.PozitieTabela == (Pozitie{300, 400 & 0xFF})); // its high byte, at 27, is missing
    QVERIFY(head.ConfirmareaInchidere == FlagFalse && head.CaleFoxPRO.isEmpty());
    // Cut inside the path: the path keeps what is there, the flags after it are zero.
    const Setari cut = OptionsFile::decode(rec.left(40));
    QCOMPARE(cut.CaleFoxPRO, QStringLiteral("C:\\FP\\"));
    QVERIFY(cut.IncludeComentariile == FlagFalse && cut.ConfirmareStergere == FlagTrue);
    QVERIFY(OptionsFile::decode(rec + QByteArray(500, '\x7f')) == full); // only the first record counts
    // A length field past the record never reads past it; the fields before the path are intact.
    for (quint16 n : {quint16(89), quint16(94), quint16(0xFFFF)}) {
        qToLittleEndian<quint16>(n, rec.data() + 32);
        const Setari d = OptionsFile::decode(rec);
        QVERIFY(d.CaleFoxPRO.isEmpty() && d.InsereazaDataOra == FlagFalse &&
                d.ConfirmareStergere == FlagTrue);
    }
}

void TestOptionsFile::refusedPathKeepsFileAndMemory_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("named");
    QTest::newRow("89 characters") << QString(89, QLatin1Char('x')) << QStringLiteral("88");
    QTest::newRow("outside the code page") << QStringLiteral("C:\\日本\\FOXPRO.EXE") << QStringLiteral("日");
}

void TestOptionsFile::refusedPathKeepsFileAndMemory()
{
    QFETCH(QString, path);
    QFETCH(QString, named);
    const QString file = dir.filePath(QStringLiteral("refused.opt"));
    Setari s;
    s.CaleFoxPRO = QStringLiteral("C:\\OLD");
    QVERIFY(OptionsFile::write(file, s));
    const QByteArray before = readAll(file);
    s.CaleFoxPRO = path;
    QString error;
    QVERIFY(!OptionsFile::write(file, s, &error));
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY(readAll(file) == before && s.CaleFoxPRO == path);
}

void TestOptionsFile::randomAndDamagedRecords()
{
    QRandomGenerator rng(20261206);
    const QString path = dir.filePath(QStringLiteral("random.opt"));
    for (int i = 0; i < 20000; ++i) {
        const Setari s = randomSetari(rng);
        const QByteArray rec = OptionsFile::encode(s).value_or(QByteArray());
        QVERIFY2(rec.size() == 128 && OptionsFile::decode(rec) == s, qPrintable(QString::number(i)));
        Setari back;
        if (i % 1000 == 0)
            QVERIFY(OptionsFile::write(path, s) && OptionsFile::read(path, &back) && back == s);
        // A random or damaged record reads safely, and what was read can be written back.
        QByteArray b = i % 2 ? QByteArray(int(rng.bounded(201)), '\0') : rec.left(int(rng.bounded(201)));
        for (int k = i % 2 ? int(b.size()) : int(rng.bounded(1, 6)); k > 0 && !b.isEmpty(); --k)
            b[i % 2 ? k - 1 : int(rng.bounded(int(b.size())))] = char(rng.bounded(256));
        Setari d = OptionsFile::decode(b);
        QVERIFY(d.CaleFoxPRO.size() <= OptionsFile::MaxPathLength);
        if (!Cp1250::canEncode(d.CaleFoxPRO))
            d.CaleFoxPRO.clear();
        QVERIFY(OptionsFile::encode(d).has_value());
    }
}

void TestOptionsFile::windows1250()
{
    QCOMPARE(Cp1250::encode(QStringLiteral("aŠ€ ~")).value_or("refused"), QByteArray("a\x8A\x80 ~"));
    QCOMPARE(Cp1250::decode("a\x8A\x80 ~\xBA"), QStringLiteral("aŠ€ ~ş"));
    // s and t with a comma below are written as their cedilla twins.
    QCOMPARE(Cp1250::encode(QStringLiteral("ȘșȚț")).value_or("refused"), QByteArray("\xAA\xBA\xDE\xFE"));
    QString bad;
    QVERIFY(!Cp1250::encode(QStringLiteral("șok 日本"), &bad).has_value());
    QCOMPARE(bad, QStringLiteral("日"));
    QVERIFY(!Cp1250::canEncode(QStringLiteral("emoji \U0001F600")));
    QCOMPARE(Cp1250::decode(QByteArray("\x81")), QString(QChar(0xFFFD))); // undefined byte
}

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "tst_optionsfile.moc"
