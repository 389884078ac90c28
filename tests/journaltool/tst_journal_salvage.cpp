#include "core/ovela_journal_writer.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"
#include "journaltool/ovela_journal_salvage.h"

#include "support/gzip.h"
#include "support/testhome.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(OVELA_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing fixture");
}

} // namespace

class TestJournalSalvage : public QObject
{
    Q_OBJECT
private slots:
    void fixtures_data();
    void fixtures();
    void truncated_data();
    void truncated();
    void countTooLowKeepsEveryRecord();
};

void TestJournalSalvage::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("complete"); // the fuzz target checks it agrees with the strict load
    QTest::addColumn<bool>("headerRead");
    QTest::addColumn<int>("wholeRecords");
    QTest::addColumn<bool>("startRead");
    QTest::addColumn<QString>("damage");

    QTest::newRow("one entry") << "one-entry.ovd" << true << true << 1 << true << "";
    QTest::newRow("not compressed") << "one-entry-plain.ovd" << true << true << 1 << true << "";
    QTest::newRow("wrong magic") << "wrong-magic.ovd" << false << false << 0 << false
                                 << "not a journal";
    QTest::newRow("huge count") << "huge-count.ovd" << false << true << 0 << false
                                << "record 1 of 2000000000: cut off";
    QTest::newRow("odd note") << "odd-note-length.ovd" << false << true << 0 << false
                              << "odd byte count";
    QTest::newRow("bad checksum") << "bad-crc.ovd" << false << true << 1 << true
                                  << "incorrect data check";
    QTest::newRow("corrupt deflate block")
        << "corrupt-body.ovd" << false << false << 0 << false << "invalid block type";
}

void TestJournalSalvage::fixtures()
{
    QFETCH(QString, file);
    QFETCH(bool, complete);
    QFETCH(bool, headerRead);
    QFETCH(int, wholeRecords);
    QFETCH(bool, startRead);
    QFETCH(QString, damage);

    const JournalSalvage::Result result = JournalSalvage::read(fixture(file));
    QCOMPARE(result.complete(), complete);
    QCOMPARE(result.headerRead, headerRead);
    QCOMPARE(result.wholeRecords, wholeRecords);
    QCOMPARE(result.startRead, startRead);
    QVERIFY2(result.damage.contains(damage), qPrintable(result.damage));
}

// A record count that lost bits (730 become 218) leaves the later records after the start
// date: the check says where the records end, and the salvage keeps them all.
void TestJournalSalvage::countTooLowKeepsEveryRecord()
{
    QMap<QDate, OvelaRecordEntry> records;
    for (int i = 0; i < 5; ++i) {
        OvelaRecordEntry entry;
        entry.setNote(QString(i + 1, QChar(u'a' + i)));
        records.insert(QDate(2020, 1, 1).addDays(i), entry);
    }
    QByteArray stream = OvelaJournalWriter::journal(records, QDate(2020, 1, 3));
    stream[28] = 2; // the low byte of the count
    const JournalSalvage::Result result = JournalSalvage::read(stream);
    QVERIFY(!result.complete());
    QVERIFY2(result.damage.contains(QLatin1String("the records end at byte 79 and")),
             qPrintable(result.damage));
    QCOMPARE(result.wholeRecords, 5);
    QVERIFY(result.records == records);
    QCOMPARE(result.startCycleDate, QDate(2020, 1, 3));
}

void TestJournalSalvage::truncated_data()
{
    QTest::addColumn<double>("keep");
    QTest::newRow("gzip header only") << 0.0;
    QTest::newRow("a tenth") << 0.1;
    QTest::newRow("half") << 0.5;
    QTest::newRow("nine tenths") << 0.9;
    QTest::newRow("trailer missing") << -8.0;
}

void TestJournalSalvage::truncated()
{
    QFETCH(double, keep);
    // A journal written by the program's own writer, with notes of many lengths so that records
    // end at all sorts of offsets.
    OvelaDatabase journal;
    QList<int> noteLengths;
    for (int i = 0; i < 300; ++i) {
        OvelaRecordEntry e;
        e.setTemperature(i % 42);
        e.setCervicalFluid(i % 7);
        e.setCramps(i % 3 == 0);
        const int length = (i * 37) % 90;
        QString note;
        for (int k = 0; k < length; ++k)
            note += QChar(u'a' + (i * 7 + k * 13) % 26);
        e.setNote(note);
        noteLengths << length;
        journal.setEntry(e, QDate(2020, 1, 1).addDays(i));
    }
    journal.setStartCycleDate(QDate(2020, 10, 1));
    const QString path = TestHome::dataHome() + QStringLiteral("/whole.ovd");
    {
        QZipFile device(path);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(journal.save(&device));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray packed = file.readAll();
    const qsizetype cut = keep >= 0 ? qMax<qsizetype>(10, qsizetype(packed.size() * keep))
                                    : packed.size() + qsizetype(keep);
    const QByteArray damaged = packed.left(cut);

    // What an independent inflater gets out of the same bytes, and where records end in it.
    const qsizetype available = Gzip::inflate(damaged).size();
    qsizetype end = 24 + 1 + 4;
    int expectWhole = 0;
    for (int length : noteLengths) {
        end += 4 + 6 + 4 + 4 + 4 + 2 * length;
        if (end > available)
            break;
        ++expectWhole;
    }

    const JournalSalvage::Result result = JournalSalvage::read(damaged);
    QVERIFY(!result.complete());
    QCOMPARE(result.inflated, available);
    QCOMPARE(result.wholeRecords, expectWhole);
    QCOMPARE(result.records.size(), expectWhole);
    auto it = journal.entries().cbegin();
    for (auto got = result.records.cbegin(); got != result.records.cend(); ++got, ++it) {
        QCOMPARE(got.key(), it.key());
        QVERIFY(got.value() == it.value());
    }
    QCOMPARE(result.startRead, expectWhole == 300 && end + 4 <= available);
    if (result.startRead)
        QCOMPARE(result.startCycleDate, QDate(2020, 10, 1));
}

OVELA_TEST_CORE_MAIN(TestJournalSalvage)
#include "tst_journal_salvage.moc"
