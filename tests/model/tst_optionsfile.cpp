#include "model/cp1250.h"
#include "model/optionsfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

qint16 at16(const QByteArray &b, int offset)
{
    return qFromLittleEndian<qint16>(b.constData() + offset);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

Setari randomSetari(QRandomGenerator &rng)
{
    Setari s;
    for (Flag Setari::*f :
         {&Setari::CentrazaObiectulOrizontal, &Setari::FormatZLA, &Setari::AnulArePatruCifre,
          &Setari::MarcajTabelaLucru, &Setari::UmbraImplicit, &Setari::FerestrePatrate,
          &Setari::PastreazaUmbraInEcran, &Setari::SalveazaSetariSpatiuLucru, &Setari::ConfirmareaInchidere,
          &Setari::ConfirmareStergere, &Setari::ScrierePrescurtata, &Setari::IncludeComentariile,
          &Setari::InsereazaDataOra})
        s.*f = rng.bounded(2) ? FlagTrue : FlagFalse;
    for (Pozitie Setari::*p : {&Setari::PozitieFerestre, &Setari::PozitieObiecte, &Setari::PozitieTabela})
        s.*p = {int(rng.bounded(-32768, 32768)), int(rng.bounded(-32768, 32768))};
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
    void byteLayout_data();
    void byteLayout();
    void missingFileIsCreatedAndReadsAsZero();
    void damagedOrShortRecords();
    void refusedPathKeepsFileAndMemory_data();
    void refusedPathKeepsFileAndMemory();
    void randomAndDamagedRecords();
    void windows1250();

private:
    QTemporaryDir dir;
};

void TestOptionsFile::byteLayout_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("path") << QStringLiteral("C:\\FOXPRO\\FOXPROX.EXE");
    QTest::newRow("no path") << QString();
    QTest::newRow("88 characters") << QString(88, QLatin1Char('x'));
}

void TestOptionsFile::byteLayout()
{
    QFETCH(QString, path);
    Setari s;
    s.CentrazaObiectulOrizontal = FlagTrue;
    s.AnulArePatruCifre = FlagTrue;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    s.PozitieFerestre = {120, -45};
    s.PozitieObiecte = {40000, -40000}; // clamped to 16 bits
    s.PozitieTabela = {-1, 32767};
    s.ConfirmareStergere = FlagTrue;
    s.CaleFoxPRO = path;
    s.IncludeComentariile = FlagTrue;
    s.InsereazaDataOra = FlagTrue;

    const QString file = dir.filePath(QStringLiteral("layout.opt"));
    QVERIFY(OptionsFile::write(file, s));
    const QByteArray b = readAll(file);
    QCOMPARE(b.size(), 128);
    const qint16 expectedHead[] = {-1, 0, -1, 0, 0, 0, 0, -1, 120, -45, 32767, -32768, -1, 32767, 0, -1};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(at16(b, i * 2), expectedHead[i]);
    const int n = int(path.size());
    QCOMPARE(at16(b, 32), qint16(n));
    QCOMPARE(b.mid(34, n), path.toLatin1());
    QCOMPARE(at16(b, 34 + n), qint16(0));
    QCOMPARE(at16(b, 36 + n), qint16(-1));
    QCOMPARE(at16(b, 38 + n), qint16(-1));
    QCOMPARE(b.mid(40 + n), QByteArray(128 - 40 - n, '\0'));

    Setari back;
    QVERIFY(OptionsFile::read(file, &back));
    QCOMPARE(back.PozitieObiecte.Left, 32767);
    QCOMPARE(back.PozitieObiecte.Top, -32768);
    QCOMPARE(back.CaleFoxPRO, path);
}

void TestOptionsFile::missingFileIsCreatedAndReadsAsZero()
{
    const QString path = dir.filePath(QStringLiteral("missing.opt"));
    Setari s = setariImplicite();
    QVERIFY(OptionsFile::read(path, &s));
    QVERIFY(s == Setari{});
    QCOMPARE(QFileInfo(path).size(), qint64(0));
}

void TestOptionsFile::damagedOrShortRecords()
{
    // A flag stored as 1 reads False, and is written back as 0.
    QByteArray ones(128, '\0');
    qToLittleEndian<qint16>(1, ones.data() + 0);
    qToLittleEndian<qint16>(-1, ones.data() + 30);
    const Setari flags = OptionsFile::decode(ones);
    QVERIFY(!isSet(flags.CentrazaObiectulOrizontal) && isSet(flags.ConfirmareStergere));
    QCOMPARE(at16(*OptionsFile::encode(flags), 0), qint16(0));

    Setari full = setariImplicite();
    full.PozitieTabela = {300, 400};
    full.CaleFoxPRO = QStringLiteral("C:\\FP\\FOXPRO.EXE");
    QByteArray rec = *OptionsFile::encode(full);

    const Setari head = OptionsFile::decode(rec.left(27));
    QCOMPARE(head.PozitieTabela.Left, 300);
    QCOMPARE(head.PozitieTabela.Top, 400 & 0xFF); // its high byte, at 27, is missing
    QVERIFY(head.ConfirmareaInchidere == FlagFalse && head.CaleFoxPRO.isEmpty());
    // Cut inside the path: the path keeps what is there, the flags after it are zero.
    const Setari cut = OptionsFile::decode(rec.left(40));
    QCOMPARE(cut.CaleFoxPRO, QStringLiteral("C:\\FP\\"));
    QVERIFY(cut.IncludeComentariile == FlagFalse && cut.ConfirmareStergere == FlagTrue);
    QVERIFY(OptionsFile::decode(rec + QByteArray(500, '\x7f')) == full); // only the first record counts

    // A length field past the record never reads past it.
    for (quint16 n : {quint16(89), quint16(94), quint16(0xFFFF)}) {
        qToLittleEndian<quint16>(n, rec.data() + 32);
        const Setari d = OptionsFile::decode(rec);
        QVERIFY(d.CaleFoxPRO.isEmpty() && d.InsereazaDataOra == FlagFalse);
        QCOMPARE(d.ConfirmareStergere, FlagTrue); // the fields before the path are intact
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
    QCOMPARE(readAll(file), before);
    QCOMPARE(s.CaleFoxPRO, path);
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
    const auto ok = Cp1250::encode(QStringLiteral("aĂâÎşŠ€ ~"));
    QVERIFY(ok.has_value());
    QCOMPARE(*ok, QByteArray("a\xC3\xE2\xCE\xBA\x8A\x80 ~"));
    QCOMPARE(Cp1250::decode(*ok), QStringLiteral("aĂâÎşŠ€ ~"));
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
