#include "core/ovela_record_entry.h"

#include "support/testhome.h"

#include <QBuffer>
#include <QDataStream>
#include <QObject>
#include <QtTest>

#include <functional>

namespace {

// A day entry from offset 4 on: doctor only, temperature code 5, cervical fluid 2, note "ok".
const QByteArray doctorEntryBytes = QByteArray::fromHex("010000000000"
                                                        "00000005"
                                                        "00000002"
                                                        "00000004006f006b");

OvelaRecordEntry doctorEntry()
{
    OvelaRecordEntry entry;
    entry.setDoctor(true);
    entry.setTemperature(5);
    entry.setCervicalFluid(2);
    entry.setNote(QStringLiteral("ok"));
    return entry;
}

QByteArray bytesOf(const OvelaRecordEntry &entry)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << entry;
    return bytes;
}

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

using Setter = std::function<void(OvelaRecordEntry &)>;
Q_DECLARE_METATYPE(Setter)

class TstOvelaRecordEntry : public QObject
{
    Q_OBJECT

private slots:
    void newRecordIsEmpty();
    void setters_data();
    void setters();
    void clearRestoresNewState();
    void equalityAndCopies();
    void writesDayEntryBytes();
    void readsDayEntry_data();
    void readsDayEntry();
    void roundTripsEveryField();
    void damagedEntryLeavesRecordAlone_data();
    void damagedEntryLeavesRecordAlone();
    void deviceMustBeOpen();
    void dumpReportsSexFlag();
};

void TstOvelaRecordEntry::newRecordIsEmpty()
{
    const OvelaRecordEntry entry;
    QVERIFY(entry.isEmpty());
    QVERIFY(!entry.getDoctor() && !entry.getCramps() && !entry.getPMS() && !entry.getSex()
            && !entry.getProtection() && !entry.getSecret());
    QCOMPARE(entry.getTemperature(), 0);
    QCOMPARE(entry.getCervicalFluid(), 0);
    QVERIFY(entry.getNote().isEmpty());
    QVERIFY(!entry.getNote().isNull());
}

void TstOvelaRecordEntry::setters_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<bool>("empty");

    QTest::newRow("doctor") << Setter([](auto &e) { e.setDoctor(true); }) << false;
    QTest::newRow("cramps") << Setter([](auto &e) { e.setCramps(true); }) << false;
    QTest::newRow("PMS") << Setter([](auto &e) { e.setPMS(true); }) << false;
    QTest::newRow("sex") << Setter([](auto &e) { e.setSex(true); }) << false;
    QTest::newRow("protection") << Setter([](auto &e) { e.setProtection(true); }) << false;
    QTest::newRow("secret") << Setter([](auto &e) { e.setSecret(true); }) << false;
    QTest::newRow("temperature") << Setter([](auto &e) { e.setTemperature(41); }) << false;
    QTest::newRow("temperature out of scale")
        << Setter([](auto &e) { e.setTemperature(-7); }) << false;
    QTest::newRow("cervical fluid") << Setter([](auto &e) { e.setCervicalFluid(6); }) << false;
    QTest::newRow("note") << Setter([](auto &e) { e.setNote(QStringLiteral(" ")); }) << false;
    QTest::newRow("doctor set to its default")
        << Setter([](auto &e) { e.setDoctor(false); }) << true;
    QTest::newRow("temperature set to its default")
        << Setter([](auto &e) { e.setTemperature(0); }) << true;
    QTest::newRow("null note") << Setter([](auto &e) { e.setNote(QString()); }) << true;
    QTest::newRow("set then reset")
        << Setter([](auto &e) {
               e.setSecret(true);
               e.setSecret(false);
           })
        << true;
}

void TstOvelaRecordEntry::setters()
{
    QFETCH(Setter, set);
    QFETCH(bool, empty);

    OvelaRecordEntry entry;
    set(entry);
    QCOMPARE(entry.isEmpty(), empty);
    QCOMPARE(entry == OvelaRecordEntry(), empty);
}

void TstOvelaRecordEntry::clearRestoresNewState()
{
    OvelaRecordEntry entry = doctorEntry();
    entry.setSex(true);
    entry.clear();
    QVERIFY(entry.isEmpty());
    QCOMPARE(entry, OvelaRecordEntry());
    QVERIFY(!entry.getNote().isNull());
}

void TstOvelaRecordEntry::equalityAndCopies()
{
    const OvelaRecordEntry original = doctorEntry();
    OvelaRecordEntry copy = original;
    QCOMPARE(copy, original);
    copy.setCramps(true);
    QVERIFY(copy != original);
    QVERIFY(!original.getCramps());

    // The cleared marker is not data: a record set back to defaults equals a new one.
    OvelaRecordEntry reset;
    reset.setTemperature(0);
    QCOMPARE(reset, OvelaRecordEntry());

    OvelaRecordEntry other = doctorEntry();
    other.setNote(QStringLiteral("OK"));
    QVERIFY(other != original);
}

void TstOvelaRecordEntry::writesDayEntryBytes()
{
    QCOMPARE(bytesOf(doctorEntry()), doctorEntryBytes);

    // An empty note, null or not, is written with the count 0.
    OvelaRecordEntry nullNote;
    nullNote.setNote(QString());
    QCOMPARE(bytesOf(nullNote), QByteArray::fromHex("000000000000" "00000000" "00000000" "00000000"));
    QCOMPARE(bytesOf(OvelaRecordEntry()), bytesOf(nullNote));
}

void TstOvelaRecordEntry::readsDayEntry_data()
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

    OvelaRecordEntry negative;
    negative.setTemperature(-1);
    negative.setCervicalFluid(7);
    QTest::newRow("values outside the scale are kept")
        << QByteArray::fromHex("000000000000" "ffffffff" "00000007" "00000000") << negative;

    OvelaRecordEntry text;
    text.setNote(QString::fromUtf8("Ä\xF0\x9F\x98\x80"));
    QTest::newRow("note beyond Latin-1 and the BMP")
        << QByteArray::fromHex("000000000000" "00000000" "00000000" "00000006" "00c4d83dde00")
        << text;
}

void TstOvelaRecordEntry::readsDayEntry()
{
    QFETCH(QByteArray, bytes);
    QFETCH(OvelaRecordEntry, expected);

    QDataStream stream(bytes);
    OvelaRecordEntry entry;
    stream >> entry;
    QCOMPARE(stream.status(), QDataStream::Ok);
    QVERIFY(stream.atEnd());
    QCOMPARE(entry, expected);
    QVERIFY(!entry.getNote().isNull());
}

void TstOvelaRecordEntry::roundTripsEveryField()
{
    OvelaRecordEntry entry;
    entry.setDoctor(true);
    entry.setCramps(true);
    entry.setPMS(true);
    entry.setSex(true);
    entry.setProtection(true);
    entry.setSecret(true);
    entry.setTemperature(41);
    entry.setCervicalFluid(6);
    entry.setNote(QString::fromUtf8("Zwei Zeilen\nund ein Ümlaut"));

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(entry.save(&buffer));
    buffer.close();
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    OvelaRecordEntry read;
    QVERIFY(read.load(&buffer));
    QCOMPARE(read, entry);
    QVERIFY(!read.isEmpty());
}

void TstOvelaRecordEntry::damagedEntryLeavesRecordAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("flags only") << doctorEntryBytes.left(6);
    QTest::newRow("note cut short") << doctorEntryBytes.chopped(1);
    QTest::newRow("odd note length")
        << QByteArray::fromHex("000000000000" "00000000" "00000000" "00000003" "006f00");
    QTest::newRow("note length near 2 GiB")
        << QByteArray::fromHex("000000000000" "00000000" "00000000" "7ffffffe" "006f006b");
}

void TstOvelaRecordEntry::damagedEntryLeavesRecordAlone()
{
    QFETCH(QByteArray, bytes);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    OvelaRecordEntry entry = doctorEntry();
    QVERIFY(!entry.load(&buffer));
    QCOMPARE(entry, doctorEntry());
}

void TstOvelaRecordEntry::deviceMustBeOpen()
{
    QBuffer closed;
    OvelaRecordEntry entry = doctorEntry();
    QVERIFY(!entry.save(&closed));
    QVERIFY(!entry.load(&closed));
    QVERIFY(!entry.save(nullptr));
    QVERIFY(!entry.load(nullptr));

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

void TstOvelaRecordEntry::dumpReportsSexFlag()
{
    OvelaRecordEntry entry;
    QTest::ignoreMessage(QtDebugMsg, "Love is 0");
    entry.dump();
    entry.setSex(true);
    QTest::ignoreMessage(QtDebugMsg, "Love is 1");
    entry.dump();
}

OVELA_TEST_CORE_MAIN(TstOvelaRecordEntry)
#include "tst_ovela_record_entry.moc"
