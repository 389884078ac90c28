#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include "support/testhome.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include "support/gzip.h"
#include <random>

// Round trips of generated journals: whatever a journal holds, saving it, loading the bytes
// and saving again gives the same journal and the same bytes. The generator is seeded, so a
// failure names a row and a journal number that reproduce it.
namespace {

const qint64 firstDay = QDate(1900, 1, 1).toJulianDay();
const qint64 lastDay = QDate(2100, 12, 31).toJulianDay();

struct Totals
{
    int journals = 0;
    int records = 0;
    qint64 noteUnits = 0;
    int surrogatePairs = 0;
    qint64 bytes = 0;
};

class Generator
{
public:
    explicit Generator(quint32 seed)
        : random(seed)
    {
    }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    int code(int top)
    {
        // Mostly the codes the dialogs store, sometimes anything an old or foreign file holds.
        static const int odd[] = {-1, top + 1, 42, 100, INT_MIN, INT_MAX, -42, 1 << 16};
        if (chance(85))
            return between(0, top);
        if (chance(50))
            return odd[between(0, int(std::size(odd)) - 1)];
        return int(random());
    }

    QString note(Totals &totals)
    {
        switch (between(0, 39)) {
        case 0:
        case 1:
            return QString(); // null
        case 2:
        case 3:
        case 4:
            return QStringLiteral("");
        case 5:
            // Long: across the reader's 4 KiB pieces, up to the size of a long diary entry.
            return text(between(2040, 9000), totals);
        default:
            return text(between(1, 60), totals);
        }
    }

    // Any UTF-16: ASCII, Latin, CJK, well-formed surrogate pairs, and the units a file may
    // hold that are not text at all (lone surrogates, U+0000, U+FFFE/U+FFFF).
    QString text(int units, Totals &totals)
    {
        QString s;
        s.reserve(units);
        while (s.size() < units) {
            switch (between(0, 9)) {
            case 0:
            case 1:
            case 2:
                s.append(QChar(between(0x20, 0x7E)));
                break;
            case 3:
                s.append(QChar(between(0xA0, 0x24F)));
                break;
            case 4:
                s.append(QChar(between(0x4E00, 0x9FFF)));
                break;
            case 5: {
                const char32_t code = char32_t(between(0x10000, 0x10FFFF));
                const auto pair = QChar::fromUcs4(code);
                s.append(pair.chars[0]).append(pair.chars[1]);
                ++totals.surrogatePairs;
                break;
            }
            case 6:
                s.append(QChar(ushort(between(0xD800, 0xDFFF)))); // a lone surrogate
                break;
            case 7: {
                static const ushort odd[] = {0x0000, 0x000A, 0x000D, 0xFEFF, 0xFFFE, 0xFFFF};
                s.append(QChar(odd[between(0, int(std::size(odd)) - 1)]));
                break;
            }
            default:
                s.append(QChar(ushort(between(0, 0xFFFF))));
                break;
            }
        }
        return s;
    }

    QDate date()
    {
        if (chance(3))
            return QDate::fromJulianDay(chance(50) ? firstDay : lastDay);
        return QDate::fromJulianDay(
            std::uniform_int_distribution<qint64>(firstDay, lastDay)(random));
    }

    std::mt19937 random;
};

QByteArray saved(const OvelaDatabase &journal)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!journal.save(&buffer))
        return QByteArray();
    return bytes;
}

// The content of a gzip stream, as far as it goes; other bytes as they are.
QByteArray inflated(const QByteArray &packed)
{
    return packed.startsWith("\x1f\x8b") ? Gzip::inflate(packed) : packed;
}

// An independent reading of the bytes, so that a fault made the same way by the writer and the
// reader still shows: every value is checked at its offset against what was generated.
bool bytesHold(const QByteArray &bytes, const OvelaDatabase &journal, QString *why)
{
    const auto u32 = [&bytes](qsizetype at) {
        return quint32(uchar(bytes[at])) << 24 | quint32(uchar(bytes[at + 1])) << 16
            | quint32(uchar(bytes[at + 2])) << 8 | quint32(uchar(bytes[at + 3]));
    };
    const QByteArray head = QByteArray::fromHex("00000014004f00560045004c0041004300590043004c0045"
                                                "64");
    if (!bytes.startsWith(head))
        return *why = QStringLiteral("header"), false;
    qsizetype at = head.size();
    if (qint32(u32(at)) != journal.entries().size())
        return *why = QStringLiteral("count"), false;
    at += 4;
    for (auto it = journal.entries().cbegin(); it != journal.entries().cend(); ++it) {
        const OvelaRecordEntry &e = it.value();
        if (at + 26 > bytes.size() || u32(at) != quint32(it.key().toJulianDay()))
            return *why = QStringLiteral("date of %1").arg(it.key().toString()), false;
        const bool flags[] = {e.getDoctor(), e.getCramps(),     e.getPMS(),
                              e.getSex(),    e.getProtection(), e.getSecret()};
        for (int i = 0; i < 6; ++i)
            if (bytes[at + 4 + i] != char(flags[i] ? 1 : 0))
                return *why = QStringLiteral("flag %1 of %2").arg(i).arg(it.key().toString()), false;
        if (qint32(u32(at + 10)) != e.getTemperature() || qint32(u32(at + 14)) != e.getCervicalFluid())
            return *why = QStringLiteral("codes of %1").arg(it.key().toString()), false;
        const QString &note = e.getNote();
        if (u32(at + 18) != quint32(note.size() * 2))
            return *why = QStringLiteral("note length of %1").arg(it.key().toString()), false;
        at += 22;
        for (QChar c : note) {
            if (at + 2 > bytes.size() || uchar(bytes[at]) != c.unicode() >> 8
                || uchar(bytes[at + 1]) != (c.unicode() & 0xFF))
                return *why = QStringLiteral("note of %1").arg(it.key().toString()), false;
            at += 2;
        }
    }
    const QDate start = journal.getStartCycleDate();
    if (at + 4 != bytes.size() || u32(at) != (start.isValid() ? quint32(start.toJulianDay()) : 0u))
        return *why = QStringLiteral("start date or trailing bytes"), false;
    return true;
}

} // namespace

class TstRoundTrip : public QObject
{
    Q_OBJECT

private:
    Totals totals;
    QTemporaryDir folder;

private slots:
    void generatedJournals_data();
    void generatedJournals();
    void everyFixtureKeepsTheProperties_data();
    void everyFixtureKeepsTheProperties();
    void cleanupTestCase();
};

void TstRoundTrip::generatedJournals_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("journals");
    QTest::addColumn<int>("maxRecords");
    QTest::addColumn<int>("gzipEvery"); // also through a file on disk every n-th journal

    QTest::newRow("small journals") << 20240101u << 3000 << 8 << 25;
    QTest::newRow("month-sized journals") << 20240202u << 800 << 40 << 20;
    QTest::newRow("years of records") << 20240303u << 12 << 1000 << 3;
}

void TstRoundTrip::generatedJournals()
{
    QFETCH(quint32, seed);
    QFETCH(int, journals);
    QFETCH(int, maxRecords);
    QFETCH(int, gzipEvery);
    QVERIFY(folder.isValid());

    Generator gen(seed);
    for (int n = 0; n < journals; ++n) {
        OvelaDatabase journal;
        // Every flag combination appears in every row, at the journal's first record.
        const int records = n == 0 ? 0 : gen.between(n < 64 ? 1 : 0, maxRecords);
        for (int r = 0; r < records; ++r) {
            OvelaRecordEntry entry;
            const int flags = r == 0 ? n % 64 : gen.between(0, 63);
            entry.setDoctor(flags & 1);
            entry.setCramps(flags & 2);
            entry.setPMS(flags & 4);
            entry.setSex(flags & 8);
            entry.setProtection(flags & 16);
            entry.setSecret(flags & 32);
            entry.setTemperature(gen.code(41));
            entry.setCervicalFluid(gen.code(6));
            entry.setNote(gen.note(totals));
            totals.noteUnits += entry.getNote().size();
            journal.setEntry(entry, gen.date());
        }
        if (gen.chance(70))
            journal.setStartCycleDate(gen.date());
        ++totals.journals;
        totals.records += journal.entries().size();

        const QByteArray first = saved(journal);
        QVERIFY2(!first.isEmpty(), qPrintable(QStringLiteral("journal %1 did not save").arg(n)));
        totals.bytes += first.size();
        QString why;
        QVERIFY2(bytesHold(first, journal, &why),
                 qPrintable(QStringLiteral("journal %1: the bytes do not hold the %2")
                                .arg(n)
                                .arg(why)));

        // Loaded over a journal that already holds something: nothing of it may survive.
        OvelaDatabase loaded;
        loaded.setEntry(OvelaRecordEntry(), QDate(1850, 6, 1));
        loaded.setStartCycleDate(QDate(1850, 6, 2));
        QBuffer buffer(const_cast<QByteArray *>(&first));
        buffer.open(QIODevice::ReadOnly);
        QVERIFY2(loaded.load(&buffer), qPrintable(QStringLiteral("journal %1 did not load").arg(n)));
        QVERIFY2(loaded.entries() == journal.entries(),
                 qPrintable(QStringLiteral("journal %1 loads different records").arg(n)));
        QCOMPARE(loaded.getStartCycleDate(), journal.getStartCycleDate());
        for (auto it = loaded.entries().cbegin(); it != loaded.entries().cend(); ++it) {
            // A null note comes back as an empty one; a loaded record is never "cleared".
            QVERIFY(!it.value().getNote().isNull());
            QCOMPARE(it.value().isEmpty(), journal.entries().value(it.key()).isEmpty());
        }
        QVERIFY2(saved(loaded) == first,
                 qPrintable(QStringLiteral("journal %1 saves different bytes").arg(n)));

        if (n % gzipEvery == 0) {
            const QString path = folder.filePath(QStringLiteral("journal.ovd"));
            {
                QZipFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QVERIFY(journal.save(&file));
                file.close();
                QVERIFY(!file.hasWriteError());
            }
            QZipFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            OvelaDatabase fromFile;
            QVERIFY2(fromFile.load(&file),
                     qPrintable(QStringLiteral("journal %1 did not load from a file").arg(n)));
            QVERIFY(fromFile.entries() == journal.entries());
            QCOMPARE(fromFile.getStartCycleDate(), journal.getStartCycleDate());
        }
    }
}

// What the fuzzers check on every input, for every journal file under tests/data, the inputs
// that ever made a fuzzer fail among them: the file either loads, and then saves and reloads to
// the same journal and bytes, or it does not load and leaves the journal untouched. Read both
// as the program reads a journal file and as raw bytes from memory.
void TstRoundTrip::everyFixtureKeepsTheProperties_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("throughFile");
    const QDir data(QStringLiteral(OVELA_TEST_DATA));
    const QStringList names = data.entryList({QStringLiteral("*.ovd")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 10);
    for (const QString &name : names) {
        QTest::addRow("%s from a file", qPrintable(name)) << data.filePath(name) << true;
        QTest::addRow("%s inflated, from memory", qPrintable(name)) << data.filePath(name) << false;
    }
}

void TstRoundTrip::everyFixtureKeepsTheProperties()
{
    QFETCH(QString, path);
    QFETCH(bool, throughFile);

    OvelaRecordEntry sentinel;
    sentinel.setCramps(true);
    sentinel.setNote(QStringLiteral("kept"));
    OvelaDatabase journal;
    journal.setEntry(sentinel, QDate(1999, 12, 31));
    journal.setStartCycleDate(QDate(1999, 12, 20));
    const QMap<QDate, OvelaRecordEntry> before = journal.entries();

    bool loaded = false;
    if (throughFile) {
        QZipFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        loaded = journal.load(&file);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = inflated(file.readAll());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        loaded = journal.load(&buffer);
    }
    if (!loaded) {
        QVERIFY(journal.entries() == before);
        QCOMPARE(journal.getStartCycleDate(), QDate(1999, 12, 20));
        return;
    }
    const QByteArray first = saved(journal);
    QVERIFY(!first.isEmpty());
    QString why;
    QVERIFY2(bytesHold(first, journal, &why), qPrintable(why));
    OvelaDatabase again;
    QBuffer buffer(const_cast<QByteArray *>(&first));
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(again.load(&buffer));
    QVERIFY(again.entries() == journal.entries());
    QCOMPARE(again.getStartCycleDate(), journal.getStartCycleDate());
    QCOMPARE(saved(again), first);
}

void TstRoundTrip::cleanupTestCase()
{
    qInfo("round trips: %d journals, %d records, %lld note code units (%d surrogate pairs), "
          "%lld bytes",
          totals.journals, totals.records, totals.noteUnits, totals.surrogatePairs, totals.bytes);
}

OVELA_TEST_CORE_MAIN(TstRoundTrip)
#include "tst_roundtrip.moc"
