#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include "support/testhome.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <zlib.h>

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
const QByteArray emptyJournal = magic + QByteArray::fromHex("64" "00000000" "00000000");
// 2000-01-01: doctor only, temperature code 5, cervical fluid 2, note "ok".
const QByteArray entry2000 = QByteArray::fromHex("00256859"
                                                 "010000000000"
                                                 "00000005"
                                                 "00000002"
                                                 "00000004006f006b");
// 1999-12-31 with an empty record.
const QByteArray emptyEntry1999 = QByteArray::fromHex("00256858"
                                                      "000000000000"
                                                      "00000000"
                                                      "00000000"
                                                      "00000000");
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
    OvelaRecordEntry sex;
    sex.setSex(true);
    db.setEntry(sex, QDate(2004, 3, 1));
    OvelaRecordEntry note;
    note.setNote(QStringLiteral("vor dem Laden"));
    db.setEntry(note, QDate(2004, 3, 5));
    db.setStartCycleDate(QDate(2004, 2, 20));
}

QByteArray saved(const OvelaDatabase &db)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!db.save(&buffer))
        return QByteArray("save failed");
    return buffer.data();
}

bool loadFile(OvelaDatabase &db, const QString &path)
{
    QZipFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return db.load(&file);
}

QByteArray gunzip(const QString &path)
{
    QByteArray out;
    gzFile in = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!in)
        return out;
    char chunk[256];
    int got = 0;
    while ((got = gzread(in, chunk, sizeof(chunk))) > 0)
        out.append(chunk, got);
    gzclose(in);
    return out;
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

// A device holding fixed bytes that fails reading beyond a given offset, and always fails
// writing.
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
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes;
    qint64 failAt;
};

} // namespace

namespace QTest {
template<>
char *toString(const OvelaRecordEntry &e)
{
    return qstrdup(QStringLiteral("{flags %1%2%3%4%5%6 temperature %7 fluid %8 note \"%9\"}")
                       .arg(int(e.getDoctor())).arg(int(e.getCramps())).arg(int(e.getPMS()))
                       .arg(int(e.getSex())).arg(int(e.getProtection())).arg(int(e.getSecret()))
                       .arg(e.getTemperature()).arg(e.getCervicalFluid()).arg(e.getNote())
                       .toUtf8().constData());
}
} // namespace QTest

using Records = QMap<QDate, OvelaRecordEntry>;

class TstOvelaRecordDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void savesEmptyJournal();
    void savesEntriesInDateOrder();
    void savesGzip();
    void saveNeedsWritableDevice();
    void saveReportsWriteErrors_data();
    void saveReportsWriteErrors();
    void roundTrip();

    void loadsValidJournals_data();
    void loadsValidJournals();
    void rejectsDamagedJournals_data();
    void rejectsDamagedJournals();
    void rejectsEveryTruncation_data();
    void rejectsEveryTruncation();
    void rejectsFailingDevice_data();
    void rejectsFailingDevice();
    void rejectsUnreadableDevice();

    void addEntrySignalsAndReturnsStoredRecord();
    void removeEntrySignalsWhileRecordIsStored();
    void setEntryIsSilent();
    void getEntryStoresNothing();
    void clearKeepsStartDate();
};

void TstOvelaRecordDatabase::savesEmptyJournal()
{
    const OvelaDatabase db;
    QCOMPARE(saved(db), QByteArray::fromHex("00000014004f00560045004c0041004300590043004c0045"
                                            "64"
                                            "00000000"
                                            "00000000"));
    QCOMPARE(saved(db).size(), 33);
}

void TstOvelaRecordDatabase::savesEntriesInDateOrder()
{
    OvelaDatabase db;
    db.setEntry(doctorEntry(), day2000);
    db.setEntry(OvelaRecordEntry(), QDate(1999, 12, 31));
    db.setStartCycleDate(start1999);
    QCOMPARE(saved(db), twoEntryJournal);
}

void TstOvelaRecordDatabase::savesGzip()
{
    OvelaDatabase db;
    db.setEntry(doctorEntry(), day2000);
    db.setStartCycleDate(start1999);
    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    {
        QZipFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(db.save(&file));
        file.close();
        QVERIFY(!file.hasWriteError());
    }
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.read(2), QByteArray::fromHex("1f8b"));
    QCOMPARE(gunzip(path),
             magic + QByteArray::fromHex("64" "00000001") + entry2000 + start19991227);
}

void TstOvelaRecordDatabase::saveNeedsWritableDevice()
{
    OvelaDatabase db;
    fillBefore(db);
    WarningLog log;
    QBuffer closed;
    QVERIFY(!db.save(&closed));
    QVERIFY(!db.save(nullptr));
    QByteArray bytes("untouched");
    QBuffer readOnly(&bytes);
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QVERIFY(!db.save(&readOnly));
    QCOMPARE(bytes, QByteArray("untouched"));
    QCOMPARE(log.taken(), QStringList());
}

void TstOvelaRecordDatabase::saveReportsWriteErrors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("device refusing writes") << QStringLiteral("device");
    QTest::newRow("plain file on a full disk") << QStringLiteral("file");
    QTest::newRow("gzip file on a full disk") << QStringLiteral("gzip");
}

void TstOvelaRecordDatabase::saveReportsWriteErrors()
{
    QFETCH(QString, kind);
    OvelaDatabase db;
    fillBefore(db);

    if (kind == QLatin1String("device")) {
        FailingDevice device(QByteArray(), 0);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(!db.save(&device));
        return;
    }
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs /dev/full");
    if (kind == QLatin1String("file")) {
        QFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(QIODevice::WriteOnly));
        QVERIFY(!db.save(&full));
    } else {
        QZipFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(QIODevice::WriteOnly));
        QVERIFY(!db.save(&full));
        full.close();
        QVERIFY(full.hasWriteError());
    }
}

void TstOvelaRecordDatabase::roundTrip()
{
    OvelaDatabase db;
    fillBefore(db);
    OvelaRecordEntry full;
    full.setDoctor(true);
    full.setCramps(true);
    full.setPMS(true);
    full.setSex(true);
    full.setProtection(true);
    full.setSecret(true);
    full.setTemperature(41);
    full.setCervicalFluid(6);
    full.setNote(QString::fromUtf8("Kopfweh \xF0\x9F\x98\xA9\nzweite Zeile"));
    db.setEntry(full, QDate(1970, 1, 1));
    db.setEntry(OvelaRecordEntry(), QDate(2099, 12, 31));
    db.setStartCycleDate(QDate());

    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    {
        QZipFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(db.save(&file));
    }
    OvelaDatabase read;
    read.setStartCycleDate(QDate(2010, 1, 1));
    QVERIFY(loadFile(read, path));
    QCOMPARE(read.entries(), db.entries());
    QCOMPARE(read.getStartCycleDate(), QDate());
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
    QTest::addColumn<QStringList>("warnings");

    const QStringList notCycle {QStringLiteral("not cycle")};
    QTest::newRow("wrong magic") << fixture("wrong-magic.ovd") << notCycle;
    QTest::newRow("empty file") << fixture("empty-file.ovd") << notCycle;
    QTest::newRow("count of 2000000000 in 40 bytes") << fixture("huge-count.ovd") << QStringList();
    QTest::newRow("note length near 2 GiB") << fixture("huge-note.ovd") << QStringList();
    QTest::newRow("odd note length") << fixture("odd-note-length.ovd") << QStringList();
    QTest::newRow("gzip cut in the body") << fixture("truncated-gzip.ovd") << QStringList();
    QTest::newRow("gzip without trailer") << fixture("no-trailer.ovd") << QStringList();
    QTest::newRow("gzip checksum wrong") << fixture("bad-crc.ovd") << QStringList();
    QTest::newRow("corrupt gzip body") << fixture("corrupt-body.ovd") << QStringList();
}

void TstOvelaRecordDatabase::rejectsDamagedJournals()
{
    QFETCH(QString, file);
    QFETCH(QStringList, warnings);
    QVERIFY(QFile::exists(file));

    OvelaDatabase db;
    fillBefore(db);
    const Records before = db.entries();
    const QDate startBefore = db.getStartCycleDate();

    QElapsedTimer timer;
    timer.start();
    bool loaded = true;
    QStringList logged;
    {
        AddressSpaceCap cap(256 * 1024 * 1024);
        WarningLog log;
        loaded = loadFile(db, file);
        logged = log.taken();
    }
    QVERIFY(!loaded);
    QVERIFY2(timer.elapsed() < 5000, "a damaged journal must fail fast");
    QVERIFY2(logged == warnings, qPrintable(logged.join(QLatin1Char('|'))));
    QCOMPARE(db.entries(), before);
    QCOMPARE(db.getStartCycleDate(), startBefore);
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
    if (compressed) {
        QFile file(fixture("one-entry.ovd"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        whole = file.readAll();
    }
    const QString path = TestHome::dataHome() + QStringLiteral("/cut.ovd");
    for (qsizetype length = 0; length < whole.size(); ++length) {
        OvelaDatabase db;
        fillBefore(db);
        const Records before = db.entries();
        bool loaded = true;
        QStringList logged;
        {
            WarningLog log;
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
            logged = log.taken();
        }
        const QByteArray where = "cut at " + QByteArray::number(length);
        QVERIFY2(!loaded, where.constData());
        QVERIFY2(db.entries() == before, where.constData());
        QVERIFY2(db.getStartCycleDate() == QDate(2004, 2, 20), where.constData());
        // Only a stream cut inside its magic string is "not cycle"; later cuts stay quiet.
        if (!compressed) {
            const QStringList expected = length < magic.size()
                ? QStringList {QStringLiteral("not cycle")}
                : QStringList();
            QVERIFY2(logged == expected, where.constData());
        }
    }
}

void TstOvelaRecordDatabase::rejectsFailingDevice_data()
{
    QTest::addColumn<qint64>("failAt");
    QTest::newRow("fails inside the magic") << qint64(10);
    QTest::newRow("fails inside the first entry") << qint64(40);
    QTest::newRow("fails inside a note") << qint64(twoEntryJournal.size() - 6);
    QTest::newRow("fails after the last byte") << qint64(twoEntryJournal.size());
}

void TstOvelaRecordDatabase::rejectsFailingDevice()
{
    QFETCH(qint64, failAt);

    OvelaDatabase db;
    fillBefore(db);
    const Records before = db.entries();
    FailingDevice device(twoEntryJournal, failAt);
    QVERIFY(device.open(QIODevice::ReadOnly));
    WarningLog log;
    QVERIFY(!db.load(&device));
    QCOMPARE(db.entries(), before);
    QCOMPARE(db.getStartCycleDate(), QDate(2004, 2, 20));
}

void TstOvelaRecordDatabase::rejectsUnreadableDevice()
{
    OvelaDatabase db;
    fillBefore(db);
    const Records before = db.entries();

    QBuffer closed;
    QBuffer writeOnly;
    QVERIFY(writeOnly.open(QIODevice::WriteOnly));
    for (QIODevice *device : {static_cast<QIODevice *>(&closed),
                              static_cast<QIODevice *>(&writeOnly), static_cast<QIODevice *>(nullptr)}) {
        QTest::ignoreMessage(QtWarningMsg, "device not readable");
        QVERIFY(!db.load(device));
    }
    QCOMPARE(db.entries(), before);
    QCOMPARE(db.getStartCycleDate(), QDate(2004, 2, 20));
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
    OvelaRecordEntry &again = db.addEntry(day2000);
    QCOMPARE(again, doctorEntry());
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

void TstOvelaRecordDatabase::setEntryIsSilent()
{
    OvelaDatabase db;
    QSignalSpy added(&db, &OvelaDatabase::onAddEntry);
    QSignalSpy deleted(&db, &OvelaDatabase::onDeleteEntry);

    db.setEntry(doctorEntry(), day2000);
    QVERIFY(db.containsEntry(day2000));
    db.setEntry(OvelaRecordEntry(), day2000);
    // An empty record is stored like any other.
    QVERIFY(db.containsEntry(day2000));
    QVERIFY(db.getEntry(day2000).isEmpty());
    QCOMPARE(added.count() + deleted.count(), 0);
}

void TstOvelaRecordDatabase::getEntryStoresNothing()
{
    OvelaDatabase db;
    db.setEntry(doctorEntry(), day2000);
    QVERIFY(db.getEntry(QDate(2000, 1, 2)).isEmpty());
    QVERIFY(!db.containsEntry(QDate(2000, 1, 2)));
    QCOMPARE(db.entries().size(), 1);
    QCOMPARE(db.getEntry(day2000), doctorEntry());
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
    QCOMPARE(db.getStartCycleDate(), start1999);
    QCOMPARE(saved(db), magic + QByteArray::fromHex("64" "00000000" "00256854"));
}

OVELA_TEST_CORE_MAIN(TstOvelaRecordDatabase)
#include "tst_ovela_record_database.moc"
