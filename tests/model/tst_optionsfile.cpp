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
    auto flag = [&] { return rng.bounded(2) ? FlagTrue : FlagFalse; };
    auto pos = [&] { return int(rng.bounded(-32768, 32768)); };
    Setari s;
    s.CentrazaObiectulOrizontal = flag();
    s.FormatZLA = flag();
    s.AnulArePatruCifre = flag();
    s.MarcajTabelaLucru = flag();
    s.UmbraImplicit = flag();
    s.FerestrePatrate = flag();
    s.PastreazaUmbraInEcran = flag();
    s.SalveazaSetariSpatiuLucru = flag();
    s.PozitieFerestre = {pos(), pos()};
    s.PozitieObiecte = {pos(), pos()};
    s.PozitieTabela = {pos(), pos()};
    s.ConfirmareaInchidere = flag();
    s.ConfirmareStergere = flag();
    static const QString alphabet = QStringLiteral("C:\\FOXPRO2\\abcxyz _-.ăâîşţĂÂÎŞŢ");
    const int len = int(rng.bounded(OptionsFile::MaxPathLength + 1));
    for (int i = 0; i < len; ++i)
        s.CaleFoxPRO += alphabet.at(int(rng.bounded(int(alphabet.size()))));
    s.ScrierePrescurtata = flag();
    s.IncludeComentariile = flag();
    s.InsereazaDataOra = flag();
    return s;
}

} // namespace

class TestOptionsFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void byteLayout();
    void emptyPathPutsTheLastFlagsAtThirtyFour();
    void missingFileIsCreatedAndReadsAsZero();
    void flagStoredAsOneReadsFalse();
    void shortFileReadsMissingFieldsAsZero();
    void damagedLengthFieldNeverReadsPastTheRecord();
    void pathLengthLimit();
    void unencodablePathIsRefusedAndFileKept();
    void positionsAreClampedTo16Bits();
    void randomRecordsRoundTrip();
    void fuzzedRecordsDecodeSafely();
    void windows1250();

private:
    QTemporaryDir dir;
};

void TestOptionsFile::byteLayout()
{
    Setari s;
    s.CentrazaObiectulOrizontal = FlagTrue;
    s.AnulArePatruCifre = FlagTrue;
    s.SalveazaSetariSpatiuLucru = FlagTrue;
    s.PozitieFerestre = {120, -45};
    s.PozitieObiecte = {9000, 0};
    s.PozitieTabela = {-1, 32767};
    s.ConfirmareStergere = FlagTrue;
    s.CaleFoxPRO = QStringLiteral("C:\\FOXPRO\\FOXPROX.EXE");
    s.IncludeComentariile = FlagTrue;
    s.InsereazaDataOra = FlagTrue;

    const QString path = dir.filePath(QStringLiteral("layout.opt"));
    QVERIFY(OptionsFile::write(path, s));
    const QByteArray b = readAll(path);
    QCOMPARE(b.size(), 128);
    const qint16 expectedHead[] = {-1, 0, -1, 0, 0, 0, 0, -1, 120, -45, 9000, 0, -1, 32767, 0, -1};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(at16(b, i * 2), expectedHead[i]);
    const int n = int(s.CaleFoxPRO.size());
    QCOMPARE(at16(b, 32), qint16(n));
    QCOMPARE(b.mid(34, n), s.CaleFoxPRO.toLatin1());
    QCOMPARE(at16(b, 34 + n), qint16(0));
    QCOMPARE(at16(b, 36 + n), qint16(-1));
    QCOMPARE(at16(b, 38 + n), qint16(-1));
    QCOMPARE(b.mid(40 + n), QByteArray(128 - 40 - n, '\0'));

    Setari back;
    QVERIFY(OptionsFile::read(path, &back));
    QVERIFY(back == s);
}

void TestOptionsFile::emptyPathPutsTheLastFlagsAtThirtyFour()
{
    Setari s;
    s.ScrierePrescurtata = FlagTrue;
    s.InsereazaDataOra = FlagTrue;
    const QByteArray b = *OptionsFile::encode(s);
    QCOMPARE(b.size(), 128);
    QCOMPARE(at16(b, 32), qint16(0));
    QCOMPARE(at16(b, 34), qint16(-1));
    QCOMPARE(at16(b, 36), qint16(0));
    QCOMPARE(at16(b, 38), qint16(-1));
    QCOMPARE(b.mid(40), QByteArray(88, '\0'));
}

void TestOptionsFile::missingFileIsCreatedAndReadsAsZero()
{
    const QString path = dir.filePath(QStringLiteral("missing.opt"));
    QVERIFY(!QFile::exists(path));
    Setari s = setariImplicite();
    QVERIFY(OptionsFile::read(path, &s));
    QVERIFY(s == Setari{});
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), qint64(0));
}

void TestOptionsFile::flagStoredAsOneReadsFalse()
{
    QByteArray b(128, '\0');
    qToLittleEndian<qint16>(1, b.data() + 0);
    qToLittleEndian<qint16>(1, b.data() + 28);
    qToLittleEndian<qint16>(-1, b.data() + 30);
    const Setari s = OptionsFile::decode(b);
    QVERIFY(!isSet(s.CentrazaObiectulOrizontal));
    QVERIFY(!isSet(s.ConfirmareaInchidere));
    QVERIFY(isSet(s.ConfirmareStergere));
    // Written back, such a flag is a plain 0.
    const QByteArray back = *OptionsFile::encode(s);
    QCOMPARE(at16(back, 0), qint16(0));
    QCOMPARE(at16(back, 28), qint16(0));
    QCOMPARE(at16(back, 30), qint16(-1));
}

void TestOptionsFile::shortFileReadsMissingFieldsAsZero()
{
    Setari full = setariImplicite();
    full.PozitieTabela = {300, 400};
    full.CaleFoxPRO = QStringLiteral("C:\\FP\\FOXPRO.EXE");
    const QByteArray rec = *OptionsFile::encode(full);

    const Setari head = OptionsFile::decode(rec.left(27));
    QCOMPARE(head.PozitieTabela.Left, 300);
    QCOMPARE(head.PozitieTabela.Top, 400 & 0xFF); // its high byte, at 27, is missing
    QCOMPARE(head.ConfirmareaInchidere, FlagFalse);
    QVERIFY(head.CaleFoxPRO.isEmpty());

    // Cut inside the path: the path keeps what is there, the flags after it are zero.
    const Setari cut = OptionsFile::decode(rec.left(40));
    QCOMPARE(cut.CaleFoxPRO, QStringLiteral("C:\\FP\\"));
    QCOMPARE(cut.IncludeComentariile, FlagFalse);
    QCOMPARE(cut.ConfirmareStergere, FlagTrue);

    QVERIFY(OptionsFile::decode(QByteArray()) == Setari{});

    // A longer file: only the first record counts.
    const Setari longer = OptionsFile::decode(rec + QByteArray(500, '\x7f'));
    QVERIFY(longer == full);
}

void TestOptionsFile::damagedLengthFieldNeverReadsPastTheRecord()
{
    Setari s = setariImplicite();
    QByteArray rec = *OptionsFile::encode(s);
    for (quint16 n : {quint16(89), quint16(94), quint16(200), quint16(0xFFFF)}) {
        qToLittleEndian<quint16>(n, rec.data() + 32);
        const Setari d = OptionsFile::decode(rec);
        QVERIFY(d.CaleFoxPRO.isEmpty());
        QCOMPARE(d.InsereazaDataOra, FlagFalse);
        QCOMPARE(d.ConfirmareStergere, FlagTrue); // the fields before the path are intact
    }
    qToLittleEndian<quint16>(88, rec.data() + 32);
    QCOMPARE(OptionsFile::decode(rec).CaleFoxPRO, QString()); // 88 zero bytes: no path characters
}

void TestOptionsFile::pathLengthLimit()
{
    Setari s;
    s.CaleFoxPRO = QString(88, QLatin1Char('x'));
    const auto rec = OptionsFile::encode(s);
    QVERIFY(rec.has_value());
    QCOMPARE(OptionsFile::decode(*rec).CaleFoxPRO, s.CaleFoxPRO);

    const QString path = dir.filePath(QStringLiteral("limit.opt"));
    QVERIFY(OptionsFile::write(path, s));
    const QByteArray before = readAll(path);
    s.CaleFoxPRO += QLatin1Char('y');
    QString error;
    QVERIFY(!OptionsFile::encode(s, &error).has_value());
    QVERIFY(error.contains(QStringLiteral("88")));
    QVERIFY(!OptionsFile::write(path, s, &error));
    QCOMPARE(readAll(path), before); // the old file stays whole
    QCOMPARE(s.CaleFoxPRO.size(), qsizetype(89)); // the value in memory stays
}

void TestOptionsFile::unencodablePathIsRefusedAndFileKept()
{
    const QString path = dir.filePath(QStringLiteral("enc.opt"));
    Setari s;
    s.CaleFoxPRO = QStringLiteral("C:\\Șțiință\\FOXPRO.EXE"); // comma-below letters are not in 1250
    QString error;
    QVERIFY(!OptionsFile::write(path, s, &error));
    QVERIFY(error.contains(QStringLiteral("Ș")));
    QVERIFY(!QFile::exists(path));

    s.CaleFoxPRO = QStringLiteral("C:\\Şţiinţă\\FOXPRO.EXE"); // cedilla forms are
    QVERIFY(OptionsFile::write(path, s, &error));
    const QByteArray b = readAll(path);
    QCOMPARE(at16(b, 32), qint16(s.CaleFoxPRO.size()));
    QCOMPARE(quint8(b.at(34 + 3)), quint8(0xAA)); // Ş in Windows-1250
    Setari back;
    QVERIFY(OptionsFile::read(path, &back));
    QCOMPARE(back.CaleFoxPRO, s.CaleFoxPRO);
}

void TestOptionsFile::positionsAreClampedTo16Bits()
{
    Setari s;
    s.PozitieFerestre = {40000, -40000};
    s.PozitieObiecte = {32767, -32768};
    const Setari back = OptionsFile::decode(*OptionsFile::encode(s));
    QCOMPARE(back.PozitieFerestre.Left, 32767);
    QCOMPARE(back.PozitieFerestre.Top, -32768);
    QCOMPARE(back.PozitieObiecte.Left, 32767);
    QCOMPARE(back.PozitieObiecte.Top, -32768);
}

void TestOptionsFile::randomRecordsRoundTrip()
{
    QRandomGenerator rng(20261206);
    const QString path = dir.filePath(QStringLiteral("random.opt"));
    for (int i = 0; i < 2000; ++i) {
        const Setari s = randomSetari(rng);
        const auto rec = OptionsFile::encode(s);
        QVERIFY(rec.has_value());
        QCOMPARE(rec->size(), qsizetype(128));
        QVERIFY2(OptionsFile::decode(*rec) == s, qPrintable(QString::number(i)));
        if (i % 100 == 0) {
            QVERIFY(OptionsFile::write(path, s));
            Setari back;
            QVERIFY(OptionsFile::read(path, &back));
            QVERIFY(back == s);
        }
    }
}

void TestOptionsFile::fuzzedRecordsDecodeSafely()
{
    QRandomGenerator rng(7);
    const QByteArray valid = *OptionsFile::encode(randomSetari(rng));
    for (int i = 0; i < 20000; ++i) {
        QByteArray b;
        if (i % 2) {
            b.resize(int(rng.bounded(201)));
            for (char &c : b)
                c = char(rng.bounded(256));
        } else {
            b = valid.left(int(rng.bounded(201)));
            const int flips = int(rng.bounded(1, 6));
            for (int k = 0; k < flips && !b.isEmpty(); ++k)
                b[int(rng.bounded(int(b.size())))] = char(rng.bounded(256));
        }
        const Setari s = OptionsFile::decode(b);
        QVERIFY(s.CaleFoxPRO.size() <= OptionsFile::MaxPathLength);
        // What was read can always be written back.
        const Setari clean = [&] {
            Setari c = s;
            if (!Cp1250::canEncode(c.CaleFoxPRO))
                c.CaleFoxPRO.clear();
            return c;
        }();
        QVERIFY(OptionsFile::encode(clean).has_value());
    }
}

void TestOptionsFile::windows1250()
{
    const auto bytes = Cp1250::encode(QStringLiteral("aĂâÎșŠ€ ~"));
    QVERIFY(!bytes.has_value()); // ș (comma below) is not in the code page

    const auto ok = Cp1250::encode(QStringLiteral("aĂâÎşŠ€ ~"));
    QVERIFY(ok.has_value());
    QCOMPARE(*ok, QByteArray("a\xC3\xE2\xCE\xBA\x8A\x80 ~"));
    QCOMPARE(Cp1250::decode(*ok), QStringLiteral("aĂâÎşŠ€ ~"));

    QString bad;
    QVERIFY(!Cp1250::encode(QStringLiteral("ok 日本"), &bad).has_value());
    QCOMPARE(bad, QStringLiteral("日"));
    QVERIFY(!Cp1250::canEncode(QStringLiteral("emoji \U0001F600")));
    QCOMPARE(Cp1250::decode(QByteArray("\x81")), QString(QChar(0xFFFD))); // undefined byte
    QCOMPARE(*Cp1250::encode(QString()), QByteArray());
}

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "tst_optionsfile.moc"
