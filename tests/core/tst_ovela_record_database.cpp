#include "core/ovela_journal_reader.h"
#include "core/ovela_journal_writer.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include "support/testhome.h"

#include <QBuffer>
#include <QFile>
#include <QObject>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define OVELA_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OVELA_UNDER_ASAN 1
#endif
#endif

namespace {

// Journal bytes written out by hand, never produced by our own writer.
const QByteArray magic = QByteArray::fromHex("00000014"
                                             "004f00560045004c0041004300590043004c0045");
// 2000-01-01: doctor only, temperature code 5, cervical fluid 2, note "ok".
const QByteArray entry2000 = QByteArray::fromHex("00256859" "010000000000" "00000005" "00000002"
                                                 "00000004006f006b");
// 1999-12-31 with an empty record.
const QByteArray emptyEntry1999 = QByteArray::fromHex("00256858" "000000000000" "00000000"
                                                      "00000000" "00000000");
// The same two entries without their dates.
const QByteArray doctorEntryBytes = entry2000.mid(4);
const QByteArray emptyEntryBytes = emptyEntry1999.mid(4);
const QByteArray start19991227 = QByteArray::fromHex("00256854");
const QByteArray twoEntryJournal = magic + QByteArray::fromHex("64" "00000002") + emptyEntry1999
    + entry2000 + start19991227;

const QDate day2000(2000, 1, 1);
const QDate start1999(1999, 12, 27);

QString fixture(const char *name)
{
    return QStringLiteral(OVELA_TEST_DATA "/") + QLatin1String(name);
}

OvelaRecordEntry doctorEntry()
{
    OvelaRecordEntry entry;
    entry.setDoctor(true);
    entry.setTemperature(5);
    entry.setCervicalFluid(2);
    entry.setNote(QStringLiteral("ok"));
    return entry;
}

// What the journal held before a load is tried.
void fillBefore(OvelaDatabase &db)
{
    db.addEntry(QDate(2004, 3, 1)).setSex(true);
    db.addEntry(QDate(2004, 3, 5)).setNote(QStringLiteral("vor dem Laden"));
    db.setStartCycleDate(QDate(2004, 2, 20));
}

// True while the journal still holds exactly what fillBefore put into it.
bool untouched(const OvelaDatabase &db)
{
    OvelaDatabase before;
    fillBefore(before);
    return db.entries() == before.entries()
        && db.getStartCycleDate() == before.getStartCycleDate();
}

QByteArray bytesOf(const OvelaRecordEntry &entry)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return entry.save(&buffer) ? buffer.data() : QByteArray("save failed");
}

QByteArray saved(const OvelaDatabase &db)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return db.save(&buffer) ? buffer.data() : QByteArray("save failed");
}

bool loadFile(OvelaDatabase &db, const QString &path)
{
    QZipFile file(path);
    return file.open(QIODevice::ReadOnly) && db.load(&file);
}

// Collects the warnings of one stretch of code instead of letting them through.
class WarningLog
{
public:
    WarningLog() : previous(qInstallMessageHandler(&WarningLog::handler)) { messages().clear(); }
    ~WarningLog() { qInstallMessageHandler(previous); }
    QStringList taken() const { return messages(); }

private:
    static QStringList &messages()
    {
        static QStringList list;
        return list;
    }
    static void handler(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        messages().append(text);
    }
    QtMessageHandler previous;
};

// Caps the address space for one stretch of code, so reserving memory by a size read from a
// damaged file fails the test instead of quietly succeeding. Sanitizers reserve terabytes of
// address space up front, so there the cap is left off.
class AddressSpaceCap
{
public:
    explicit AddressSpaceCap(qint64 extraBytes)
    {
#ifdef OVELA_UNDER_ASAN
        Q_UNUSED(extraBytes);
#else
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &saved) != 0)
            return;
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        rlimit capped = saved;
        capped.rlim_cur = rlim_t(pages * 4096 + extraBytes);
        if (saved.rlim_cur != RLIM_INFINITY && saved.rlim_cur < capped.rlim_cur)
            return;
        active = setrlimit(RLIMIT_AS, &capped) == 0;
#endif
    }
    ~AddressSpaceCap()
    {
        if (active)
            setrlimit(RLIMIT_AS, &saved);
    }

private:
    rlimit saved {};
    bool active = false;
};

// Holds fixed bytes, fails reading beyond a given offset, and always fails writing.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(const QByteArray &bytes, qint64 failAt) : bytes(bytes), failAt(failAt) {}
    bool isSequential() const override { return false; }
    qint64 size() const override { return bytes.size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 at = pos();
        if (at >= failAt)
            return -1;
        const qint64 n = qMin(maxSize, qMin<qint64>(failAt, bytes.size()) - at);
        memcpy(data, bytes.constData() + at, size_t(n));
        return n;
    }
    // Takes writes up to failAt bytes, then no more.
    qint64 writeData(const char *, qint64 maxSize) override
    {
        const qint64 room = failAt - pos();
        return room > 0 ? qMin(maxSize, room) : -1;
    }

private:
    QByteArray bytes;
    qint64 failAt;
};

} // namespace

namespace QTest {
template<>
char *toString(const OvelaRecordEntry &e)
{
    return qstrdup(qPrintable(QStringLiteral("{%1%2%3%4%5%6 t%7 f%8 \"%9\"}")
                                  .arg(int(e.getDoctor())).arg(int(e.getCramps()))
                                  .arg(int(e.getPMS())).arg(int(e.getSex()))
                                  .arg(int(e.getProtection())).arg(int(e.getSecret()))
                                  .arg(e.getTemperature()).arg(e.getCervicalFluid())
                                  .arg(e.getNote())));
}
} // namespace QTest

using Records = QMap<QDate, OvelaRecordEntry>;
using Setter = std::function<void(OvelaRecordEntry &)>;
Q_DECLARE_METATYPE(Setter)

class TstOvelaRecordDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void readerStopsWhereItemsAreCut_data();
    void readerStopsWhereItemsAreCut();

    // One day's record
    void emptiness_data();
    void emptiness();
    void writesDayEntryBytes();
    void readsDayEntry_data();
    void readsDayEntry();
    void damagedEntryLeavesRecordAlone_data();
    void damagedEntryLeavesRecordAlone();
    void deviceMustBeOpen();
    void dumpShowsNothingOfTheRecord();

    // The journal

    void savesJournalBytes();
    void saveFails();

    void loadsValidJournals_data();
    void loadsValidJournals();
    void rejectsDamagedJournals_data();
    void rejectsDamagedJournals();
    void rejectsEveryTruncation_data();
    void rejectsEveryTruncation();
    void rejectsFailingDevice_data();
    void rejectsFailingDevice();
    void loadsAndRejectsAcrossBlocks();

    void addEntrySignalsAndReturnsStoredRecord();
    void removeEntrySignalsWhileRecordIsStored();
    void setAndGetAreSilent();
    void clearKeepsStartDate();
};

// ---------------------------------------------------------------------------------------------
// One day's record

// Every field counts for emptiness and equality; a field back at its default does not.
void TstOvelaRecordDatabase::emptiness_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<bool>("empty");

    QTest::newRow("nothing set") << Setter([](auto &) {}) << true;
    QTest::newRow("doctor") << Setter([](auto &e) { e.setDoctor(true); }) << false;
    QTest::newRow("cramps") << Setter([](auto &e) { e.setCramps(true); }) << false;
    QTest::newRow("PMS") << Setter([](auto &e) { e.setPMS(true); }) << false;
    QTest::newRow("sex") << Setter([](auto &e) { e.setSex(true); }) << false;
    QTest::newRow("protection") << Setter([](auto &e) { e.setProtection(true); }) << false;
    QTest::newRow("secret") << Setter([](auto &e) { e.setSecret(true); }) << false;
    QTest::newRow("temperature") << Setter([](auto &e) { e.setTemperature(41); }) << false;
    QTest::newRow("negative temperature") << Setter([](auto &e) { e.setTemperature(-7); }) << false;
    QTest::newRow("cervical fluid") << Setter([](auto &e) { e.setCervicalFluid(6); }) << false;
    QTest::newRow("blank note") << Setter([](auto &e) { e.setNote(QStringLiteral(" ")); }) << false;
    QTest::newRow("temperature 0") << Setter([](auto &e) { e.setTemperature(0); }) << true;
    QTest::newRow("null note") << Setter([](auto &e) { e.setNote(QString()); }) << true;
    QTest::newRow("set then reset") << Setter([](auto &e) {
        e.setSecret(true);
        e.setSecret(false);
    }) << true;
    QTest::newRow("filled then cleared") << Setter([](auto &e) {
        e = doctorEntry();
        e.setSex(true);
        e.clear();
    }) << true;
}

void TstOvelaRecordDatabase::emptiness()
{
    QFETCH(Setter, set);
    QFETCH(bool, empty);

    OvelaRecordEntry entry;
    set(entry);
    QCOMPARE(entry.isEmpty(), empty);
    QCOMPARE(entry == OvelaRecordEntry(), empty);
    // Whatever the record holds, an empty note is written with the count 0.
    QCOMPARE(bytesOf(entry) == emptyEntryBytes, empty);
}

void TstOvelaRecordDatabase::writesDayEntryBytes()
{
    QCOMPARE(bytesOf(doctorEntry()), doctorEntryBytes);
    QByteArray streamed;
    QDataStream stream(&streamed, QIODevice::WriteOnly);
    stream << doctorEntry();
    QCOMPARE(streamed, doctorEntryBytes);
}

void TstOvelaRecordDatabase::readsDayEntry_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<OvelaRecordEntry>("expected");

    QTest::newRow("doctor, code 5, fluid 2, note ok") << doctorEntryBytes << doctorEntry();

    OvelaRecordEntry flags;
    flags.setCramps(true);
    flags.setSecret(true);
    QTest::newRow("any non-zero flag byte counts as set")
        << QByteArray::fromHex("00ff0000007f" "00000000" "00000000" "00000000") << flags;
    QTest::newRow("null note reads as empty")
        << QByteArray::fromHex("000000000000" "00000000" "00000000" "ffffffff")
        << OvelaRecordEntry();

    OvelaRecordEntry outside;
    outside.setTemperature(-1);
    outside.setCervicalFluid(7);
    QTest::newRow("values outside the scale are kept")
        << QByteArray::fromHex("000000000000" "ffffffff" "00000007" "00000000") << outside;

    OvelaRecordEntry text;
    text.setNote(QString::fromUtf8("Ä\xF0\x9F\x98\x80"));
    QTest::newRow("note beyond Latin-1 and the BMP")
        << QByteArray::fromHex("000000000000" "00000000" "00000000" "00000006" "00c4d83dde00")
        << text;
}

void TstOvelaRecordDatabase::readsDayEntry()
{
    QFETCH(QByteArray, bytes);
    QFETCH(OvelaRecordEntry, expected);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    OvelaRecordEntry entry = doctorEntry();
    entry.setSex(true);
    QVERIFY(entry.load(&buffer));
    QVERIFY(buffer.atEnd());
    QCOMPARE(entry, expected);
    QVERIFY(!entry.getNote().isNull());
}

void TstOvelaRecordDatabase::damagedEntryLeavesRecordAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("flags only") << doctorEntryBytes.left(6);
    QTest::newRow("note cut short") << doctorEntryBytes.chopped(1);
    QTest::newRow("odd note length")
        << emptyEntryBytes.chopped(4) + QByteArray::fromHex("00000003006f00");
    QTest::newRow("note length near 2 GiB")
        << emptyEntryBytes.chopped(4) + QByteArray::fromHex("7ffffffe006f006b");
}

void TstOvelaRecordDatabase::damagedEntryLeavesRecordAlone()
{
    QFETCH(QByteArray, bytes);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    OvelaRecordEntry entry = doctorEntry();
    QVERIFY(!entry.load(&buffer));
    QCOMPARE(entry, doctorEntry());
}

void TstOvelaRecordDatabase::deviceMustBeOpen()
{
    OvelaRecordEntry entry = doctorEntry();
    QBuffer closed;
    QVERIFY(!entry.save(&closed) && !entry.load(&closed));
    QVERIFY(!entry.save(nullptr) && !entry.load(nullptr));

    QByteArray bytes = doctorEntryBytes;
    QBuffer readOnly(&bytes);
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QVERIFY(!entry.save(&readOnly));
    QCOMPARE(bytes, doctorEntryBytes);

    QBuffer writeOnly;
    QVERIFY(writeOnly.open(QIODevice::WriteOnly));
    QVERIFY(!entry.load(&writeOnly));
    QCOMPARE(entry, doctorEntry());
}

// The diagnostic dump tells nothing of the record: two records that differ in every field
// dump alike.
void TstOvelaRecordDatabase::dumpShowsNothingOfTheRecord()
{
    OvelaRecordEntry plain;
    OvelaRecordEntry full = doctorEntry();
    full.setSex(true);
    full.setSecret(true);
    full.setNote(QStringLiteral("private words"));
    QStringList plainLog, fullLog;
    {
        WarningLog log;
        plain.dump();
        plainLog = log.taken();
    }
    {
        WarningLog log;
        full.dump();
        fullLog = log.taken();
    }
    QCOMPARE(fullLog, plainLog);
    QVERIFY(!fullLog.join(QString()).contains(QLatin1String("private")));
}

// ---------------------------------------------------------------------------------------------
// The journal

void TstOvelaRecordDatabase::savesJournalBytes()
{
    OvelaDatabase db;
    const QByteArray empty = saved(db);
    QCOMPARE(empty, QByteArray::fromHex("00000014004f00560045004c0041004300590043004c0045"
                                        "64" "00000000" "00000000"));
    QCOMPARE(empty.size(), 33);

    db.setEntry(doctorEntry(), day2000);
    db.setEntry(OvelaRecordEntry(), QDate(1999, 12, 31));
    db.setStartCycleDate(start1999);
    QCOMPARE(entry2000.size(), 26);
    QCOMPARE(saved(db), twoEntryJournal); // in date order
    QCOMPARE(OvelaJournalWriter::journal(db.entries(), db.getStartCycleDate()), twoEntryJournal);

    // The in-memory writer gives the stream's bytes for every kind of record: notes empty,
    // null, non-Latin and outside the basic plane, flags, codes, and no start date.
    OvelaDatabase varied;
    const QStringList notes{QString(), QStringLiteral(""), QStringLiteral("a"),
                            QStringLiteral("Grüße, 月経, день"), QStringLiteral("\U0001F338 x")};
    for (int i = 0; i < 40; ++i) {
        OvelaRecordEntry entry;
        entry.setDoctor(i & 1);
        entry.setSecret(i & 32);
        entry.setTemperature(i % 42);
        entry.setCervicalFluid(i % 7);
        entry.setNote(notes.at(i % notes.size()).repeated(i % 3));
        varied.setEntry(entry, day2000.addDays(i * 3));
    }
    // The reference is written field by field through a data stream, as each record writes
    // itself.
    QByteArray expected = magic;
    {
        QDataStream out(&expected, QIODevice::Append);
        out << qint8(100) << qint32(varied.entries().size());
        for (auto it = varied.entries().cbegin(); it != varied.entries().cend(); ++it)
            out << quint32(it.key().toJulianDay()) << it.value();
        out << quint32(0);
    }
    QCOMPARE(OvelaJournalWriter::journal(varied.entries(), QDate()), expected);
    QCOMPARE(saved(varied), expected);
}

// A device that cannot take the journal fails the save quietly and is left as it was.
void TstOvelaRecordDatabase::saveFails()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs /dev/full");
    OvelaDatabase db;
    fillBefore(db);
    QByteArray bytes("untouched");
    QBuffer closed, readOnly(&bytes);
    FailingDevice refusing(QByteArray(), 0), shortOfRoom(QByteArray(), 10);
    QFile full(QStringLiteral("/dev/full"));
    QZipFile fullGzip(QStringLiteral("/dev/full"));
    QVERIFY(readOnly.open(QIODevice::ReadOnly) && refusing.open(QIODevice::WriteOnly)
            && full.open(QIODevice::WriteOnly) && fullGzip.open(QIODevice::WriteOnly)
            && shortOfRoom.open(QIODevice::WriteOnly));
    const QList<QPair<const char *, QIODevice *>> devices {
        {"none", nullptr}, {"closed", &closed}, {"read-only", &readOnly},
        {"refusing writes", &refusing}, {"taking ten bytes", &shortOfRoom},
        {"full disk", &full}, {"full disk, gzip", &fullGzip}};
    for (const auto &device : devices)
        QVERIFY2(!db.save(device.second), device.first);
    fullGzip.close();
    QVERIFY(fullGzip.hasWriteError());
    QCOMPARE(bytes, QByteArray("untouched"));
}

void TstOvelaRecordDatabase::loadsValidJournals_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QDate>("start");

    const Records one {{day2000, doctorEntry()}};
    QTest::newRow("empty journal") << fixture("empty.ovd") << Records() << QDate();
    QTest::newRow("one entry") << fixture("one-entry.ovd") << one << start1999;
    QTest::newRow("one entry, not compressed") << fixture("one-entry-plain.ovd") << one << start1999;
    QTest::newRow("format byte other than 100") << fixture("format-byte.ovd") << one << start1999;

    OvelaRecordEntry sex;
    sex.setSex(true);
    QTest::newRow("null note") << fixture("null-note.ovd") << Records {{day2000, sex}} << start1999;

    OvelaRecordEntry second;
    second.setCramps(true);
    second.setTemperature(41);
    second.setCervicalFluid(6);
    second.setNote(QStringLiteral("N"));
    QTest::newRow("duplicate date keeps the second")
        << fixture("duplicate-date.ovd") << Records {{day2000, second}} << start1999;
    QTest::newRow("negative count, then the start date")
        << fixture("negative-count.ovd") << Records() << start1999;
}

// A good journal replaces everything held before, quietly.
void TstOvelaRecordDatabase::loadsValidJournals()
{
    QFETCH(QString, file);
    QFETCH(Records, records);
    QFETCH(QDate, start);

    OvelaDatabase db;
    fillBefore(db);
    QSignalSpy added(&db, &OvelaDatabase::onAddEntry);
    QSignalSpy deleted(&db, &OvelaDatabase::onDeleteEntry);
    QSignalSpy cleared(&db, &OvelaDatabase::onClearDatabase);

    QVERIFY(loadFile(db, file));
    QCOMPARE(db.entries(), records);
    QCOMPARE(db.getStartCycleDate(), start);
    for (const OvelaRecordEntry &entry : db.entries())
        QVERIFY(!entry.getNote().isNull());
    QCOMPARE(added.count() + deleted.count() + cleared.count(), 0);
}

void TstOvelaRecordDatabase::rejectsDamagedJournals_data()
{
    QTest::addColumn<QString>("file");

    QTest::newRow("wrong magic") << fixture("wrong-magic.ovd");
    QTest::newRow("empty file") << fixture("empty-file.ovd");
    QTest::newRow("count of 2000000000 in 40 bytes") << fixture("huge-count.ovd");
    QTest::newRow("note length near 2 GiB") << fixture("huge-note.ovd");
    QTest::newRow("odd note length") << fixture("odd-note-length.ovd");
    QTest::newRow("records after the start date") << fixture("count-too-low.ovd");
    QTest::newRow("gzip cut in the body") << fixture("truncated-gzip.ovd");
    QTest::newRow("gzip without trailer") << fixture("no-trailer.ovd");
    QTest::newRow("gzip checksum wrong") << fixture("bad-crc.ovd");
    QTest::newRow("corrupt gzip body") << fixture("corrupt-body.ovd");
}

// All or nothing, and without reserving memory by a damaged count.
void TstOvelaRecordDatabase::rejectsDamagedJournals()
{
    QFETCH(QString, file);
    QVERIFY(QFile::exists(file));

    OvelaDatabase db;
    fillBefore(db);
    bool loaded = true;
    {
        AddressSpaceCap cap(256 * 1024 * 1024);
        loaded = loadFile(db, file);
    }
    QVERIFY(!loaded);
    QVERIFY(untouched(db));
}

void TstOvelaRecordDatabase::rejectsEveryTruncation_data()
{
    QTest::addColumn<bool>("compressed");
    QTest::newRow("plain stream") << false;
    QTest::newRow("gzip file") << true;
}

void TstOvelaRecordDatabase::rejectsEveryTruncation()
{
    QFETCH(bool, compressed);

    QByteArray whole = twoEntryJournal;
    QFile gzipped(fixture("one-entry.ovd"));
    if (compressed) {
        QVERIFY(gzipped.open(QIODevice::ReadOnly));
        whole = gzipped.readAll();
    }
    const QString path = TestHome::dataHome() + QStringLiteral("/cut.ovd");
    for (qsizetype length = 0; length < whole.size(); ++length) {
        OvelaDatabase db;
        fillBefore(db);
        bool loaded = true;
        {
            if (compressed) {
                QFile cut(path);
                QVERIFY(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
                cut.write(whole.left(length));
                cut.close();
                loaded = loadFile(db, path);
            } else {
                QBuffer cut;
                cut.setData(whole.left(length));
                QVERIFY(cut.open(QIODevice::ReadOnly));
                loaded = db.load(&cut);
            }
        }
        const QByteArray where = "cut at " + QByteArray::number(length);
        QVERIFY2(!loaded, where.constData());
        QVERIFY2(untouched(db), where.constData());
    }
}

void TstOvelaRecordDatabase::rejectsFailingDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<qint64>("failAt");
    const QString failing = QStringLiteral("failing");
    QTest::newRow("fails inside the magic") << failing << qint64(10);
    QTest::newRow("fails inside the first entry") << failing << qint64(40);
    QTest::newRow("fails inside a note") << failing << qint64(twoEntryJournal.size() - 6);
    QTest::newRow("fails after the last byte") << failing << qint64(twoEntryJournal.size());
    QTest::newRow("closed") << QStringLiteral("closed") << qint64(0);
    QTest::newRow("write-only") << QStringLiteral("write-only") << qint64(0);
    QTest::newRow("none") << QStringLiteral("none") << qint64(0);
}

void TstOvelaRecordDatabase::rejectsFailingDevice()
{
    QFETCH(QString, device);
    QFETCH(qint64, failAt);

    OvelaDatabase db;
    fillBefore(db);
    FailingDevice failing(twoEntryJournal, failAt);
    QBuffer buffer;
    QIODevice *source = &failing;
    if (device == QLatin1String("failing")) {
        QVERIFY(failing.open(QIODevice::ReadOnly));
    } else {
        if (device == QLatin1String("write-only"))
            QVERIFY(buffer.open(QIODevice::WriteOnly));
        source = device == QLatin1String("none") ? nullptr : &buffer;
    }
    QVERIFY(!db.load(source));
    QVERIFY(untouched(db));
}

// A journal far larger than the device's reads (64 KiB), with long notes, loaded whole, and
// refused when cut anywhere, at and around those edges too.
void TstOvelaRecordDatabase::loadsAndRejectsAcrossBlocks()
{
    OvelaDatabase big;
    QDate day(1990, 1, 1);
    for (int i = 0; i < 6000; ++i, day = day.addDays(1)) {
        OvelaRecordEntry entry;
        entry.setTemperature(i % 42);
        entry.setPMS(i % 3 == 0);
        entry.setNote(i == 2500 ? QString(3000, QChar(0x00fc))
                      : i == 4000 ? QString(200000, QChar(0x6708))
                      : i > 4000 && i < 4004 ? QString(30000, QChar(u'0' + i % 10))
                                             : QString(i % 37, QChar(u'a' + i % 26)));
        big.setEntry(entry, day);
    }
    big.setStartCycleDate(day);
    const QByteArray stream = OvelaJournalWriter::journal(big.entries(), big.getStartCycleDate());
    const QString path = TestHome::dataHome() + QStringLiteral("/big.ovd");
    const auto write = [&path](const QByteArray &bytes, bool compressed) {
        QZipFile zipped(path);
        QFile plain(path);
        QFile &file = compressed ? zipped : plain;
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(bytes) == bytes.size() && (file.close(), true);
    };
    for (bool compressed : {true, false}) {
        QVERIFY(write(stream, compressed));
        OvelaDatabase db;
        fillBefore(db);
        QVERIFY(loadFile(db, path));
        QVERIFY(db.entries() == big.entries());
        QCOMPARE(db.getStartCycleDate(), big.getStartCycleDate());
    }

    QList<qsizetype> cuts;
    for (qsizetype edge = 65536; edge < stream.size(); edge += 65536)
        cuts << edge - 23 << edge - 1 << edge << edge + 1 << edge + 4097;
    for (qsizetype at = 30; at < stream.size(); at += 9973)
        cuts << at;
    cuts << stream.size() - 4 << stream.size() - 1;
    for (qsizetype cut : std::as_const(cuts)) {
        QVERIFY(write(stream.left(cut), false));
        OvelaDatabase db;
        fillBefore(db);
        const QByteArray where = "cut at " + QByteArray::number(cut);
        QVERIFY2(!loadFile(db, path), where.constData());
        QVERIFY2(untouched(db), where.constData());
    }

    // A device failing in a later read, or only after the journal's last byte, fails it; so
    // do bytes after the journal's end.
    const qsizetype afterMagic = stream.size() - magic.size();
    const QByteArray padded = stream + QByteArray(65536 - afterMagic % 65536, '\0');
    for (qint64 failAt : {qint64(300000), qint64(stream.size()), qint64(padded.size())}) {
        FailingDevice failing(padded, failAt);
        QVERIFY(failing.open(QIODevice::ReadOnly));
        OvelaDatabase db;
        fillBefore(db);
        QVERIFY(!db.load(&failing));
        QVERIFY(untouched(db));
    }
}

void TstOvelaRecordDatabase::addEntrySignalsAndReturnsStoredRecord()
{
    OvelaDatabase db;
    QSignalSpy added(&db, &OvelaDatabase::onAddEntry);
    QList<bool> storedDuringSignal;
    connect(&db, &OvelaDatabase::onAddEntry, this, [&](const QDate &date) {
        storedDuringSignal.append(db.containsEntry(date) && db.getEntry(date).isEmpty());
    });

    OvelaRecordEntry &fresh = db.addEntry(day2000);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toDate(), day2000);
    QCOMPARE(storedDuringSignal, QList<bool> {true});
    QVERIFY(fresh.isEmpty());
    // The caller fills the record through the reference it got.
    fresh = doctorEntry();
    QCOMPARE(db.getEntry(day2000), doctorEntry());

    // An existing record comes back unchanged, and the signal is emitted again.
    QCOMPARE(db.addEntry(day2000), doctorEntry());
    QCOMPARE(added.count(), 2);
    QCOMPARE(added.at(1).at(0).toDate(), day2000);
    QCOMPARE(db.entries().size(), 1);
}

void TstOvelaRecordDatabase::removeEntrySignalsWhileRecordIsStored()
{
    OvelaDatabase db;
    db.setEntry(doctorEntry(), day2000);
    QSignalSpy deleted(&db, &OvelaDatabase::onDeleteEntry);
    QList<OvelaRecordEntry> seen;
    connect(&db, &OvelaDatabase::onDeleteEntry, this, [&](const QDate &date) {
        QVERIFY(db.containsEntry(date));
        seen.append(db.getEntry(date));
    });

    db.removeEntry(QDate(2000, 1, 2));
    QCOMPARE(deleted.count(), 0);

    db.removeEntry(day2000);
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0).at(0).toDate(), day2000);
    QCOMPARE(seen, QList<OvelaRecordEntry> {doctorEntry()});
    QVERIFY(!db.containsEntry(day2000));

    db.removeEntry(day2000);
    QCOMPARE(deleted.count(), 1);
}

// setEntry stores even an empty record without a signal; getEntry of a missing day stores none.
void TstOvelaRecordDatabase::setAndGetAreSilent()
{
    OvelaDatabase db;
    QSignalSpy added(&db, &OvelaDatabase::onAddEntry);
    QSignalSpy deleted(&db, &OvelaDatabase::onDeleteEntry);

    db.setEntry(doctorEntry(), day2000);
    QCOMPARE(db.getEntry(day2000), doctorEntry());
    db.setEntry(OvelaRecordEntry(), day2000);
    QVERIFY(db.containsEntry(day2000));
    QVERIFY(db.getEntry(day2000).isEmpty());
    QVERIFY(db.getEntry(QDate(2000, 1, 2)).isEmpty());
    QVERIFY(!db.containsEntry(QDate(2000, 1, 2)));
    QCOMPARE(db.entries().size(), 1);
    QCOMPARE(added.count() + deleted.count(), 0);
}

void TstOvelaRecordDatabase::clearKeepsStartDate()
{
    OvelaDatabase db;
    db.setEntry(doctorEntry(), day2000);
    db.setEntry(OvelaRecordEntry(), QDate(1999, 12, 31));
    db.setStartCycleDate(start1999);
    QSignalSpy cleared(&db, &OvelaDatabase::onClearDatabase);
    QSignalSpy deleted(&db, &OvelaDatabase::onDeleteEntry);
    int recordsDuringSignal = -1;
    connect(&db, &OvelaDatabase::onClearDatabase, this,
            [&](OvelaDatabase *sender) { recordsDuringSignal = int(sender->entries().size()); });

    db.clear();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(cleared.at(0).at(0).value<OvelaDatabase *>(), &db);
    QCOMPARE(recordsDuringSignal, 0);
    QCOMPARE(deleted.count(), 0);
    QCOMPARE(saved(db), magic + QByteArray::fromHex("64" "00000000") + start19991227);

    // A journal read elsewhere is taken over whole: the pages refill as after a clear, and
    // nothing is marked for saving.
    OvelaDatabase read;
    read.setEntry(doctorEntry(), day2000);
    read.setStartCycleDate(start1999);
    QSignalSpy changed(&db, &OvelaDatabase::journalChanged);
    db.takeOver(read);
    QCOMPARE(cleared.count(), 2);
    QCOMPARE(recordsDuringSignal, 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(db.getEntry(day2000), doctorEntry());
    QCOMPARE(db.getStartCycleDate(), start1999);
    QVERIFY(read.entries().isEmpty());
}

// The stream reader shared by the load and the salvage: each item is read whole, or the
// position stays at its start and the problem says what was wrong.
void TstOvelaRecordDatabase::readerStopsWhereItemsAreCut_data()
{
    using P = OvelaJournalReader::Problem;
    QTest::addColumn<int>("keep");         // bytes of the stream kept; -1 all; -2 count 1;
                                           // -3 a byte appended
    QTest::addColumn<int>("oddNote");      // 1: the second note's count made odd
    QTest::addColumn<int>("records");      // read whole
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("stoppedAt");    // -1: the end
    // Magic 24, format and count 5, the first record 26 (a one-letter note), the second
    // 22 + 6, the date 4.
    QTest::newRow("whole") << -1 << 0 << 2 << int(P::None) << -1;
    QTest::newRow("magic cut short") << 10 << 0 << 0 << int(P::HeaderCutOff) << 0;
    QTest::newRow("count cut short") << 27 << 0 << 0 << int(P::HeaderCutOff) << 0;
    QTest::newRow("second record cut in its marks") << 60 << 0 << 1 << int(P::RecordCutOff) << 55;
    QTest::newRow("second note cut short") << 80 << 0 << 1 << int(P::NoteCutOff) << 55;
    QTest::newRow("odd note count") << -1 << 1 << 1 << int(P::OddNote) << 55;
    QTest::newRow("date cut short") << 85 << 0 << 2 << int(P::DateCutOff) << 83;
    // A count that lost bits: the records after it would be taken for the date and dropped.
    QTest::newRow("count lower than the records") << -2 << 0 << 1 << int(P::BytesAfterEnd) << 59;
    QTest::newRow("a byte after the date") << -3 << 0 << 2 << int(P::BytesAfterEnd) << 87;
}

void TstOvelaRecordDatabase::readerStopsWhereItemsAreCut()
{
    QFETCH(int, keep);
    QFETCH(int, oddNote);
    QFETCH(int, records);
    QFETCH(int, problem);
    QFETCH(int, stoppedAt);
    QMap<QDate, OvelaRecordEntry> journal;
    OvelaRecordEntry noted;
    noted.setNote(QStringLiteral("abc"));
    journal.insert(QDate(2004, 3, 1), doctorEntry());
    journal.insert(QDate(2004, 3, 2), noted);
    QByteArray stream = OvelaJournalWriter::journal(journal, QDate(2004, 3, 1));
    QCOMPARE(stream.size(), 87);
    if (oddNote)
        stream[55 + 21] = 7;
    if (keep >= 0)
        stream.truncate(keep);
    if (keep == -2)
        stream[28] = 1;
    if (keep == -3)
        stream.append('\0');

    // Item by item, as the salvage reads.
    OvelaJournalReader in(stream);
    qint32 count = 0;
    int read = 0;
    QDate date, start;
    OvelaRecordEntry entry;
    if (in.header(&count)) {
        while (read < count && in.record(&date, &entry))
            ++read;
        if (read == count)
            in.date(&start);
    }
    QCOMPARE(read, records);
    if (read == 2 && problem == 0) {
        QCOMPARE(entry.getNote(), QStringLiteral("abc"));
        QCOMPARE(start, QDate(2004, 3, 1));
    }
    // Whole, as the load reads: nothing is taken unless the stream ends with the date.
    OvelaJournalReader whole(stream);
    Records loaded {{QDate(1990, 1, 1), OvelaRecordEntry()}};
    QDate loadedStart(1990, 1, 1);
    QCOMPARE(whole.journal(&loaded, &loadedStart), problem == 0);
    QCOMPARE(int(whole.problem()), problem);
    QCOMPARE(whole.position(), stoppedAt < 0 ? stream.size() : stoppedAt);
    QCOMPARE(loaded.size(), problem == 0 ? 2 : 1);
    QCOMPARE(OvelaJournalReader(QByteArray("not a journal at all")).header(&count), false);
}

OVELA_TEST_CORE_MAIN(TstOvelaRecordDatabase)
#include "tst_ovela_record_database.moc"
