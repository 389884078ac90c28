#include "core/ovela_record_database.h"
#include "journaltool/ovela_journal_csv.h"
#include "journaltool/ovela_journal_json.h"

#include "support/testhome.h"

#include <QFile>
#include <QtTest>

class TestJournalFormats : public QObject
{
    Q_OBJECT
private slots:
    void csvBytes();
    void refusals_data();
    void refusals();
    void drip();
    void dripRefusals_data();
    void dripRefusals();
};

void TestJournalFormats::csvBytes()
{
    OvelaDatabase journal;
    OvelaRecordEntry e;
    e.setCervicalFluid(6);
    e.setTemperature(21);
    e.setSex(true);
    e.setNote(QStringLiteral("say \"hi\", twice"));
    journal.setEntry(e, QDate(2024, 3, 9));
    QCOMPARE(JournalCsv::write(journal),
             QByteArray("date,cervical_fluid,cervical_fluid_code,temperature_code,temperature_c,"
                        "temperature_f,doctor,cramps,pms,love,protection,secret,note\r\n"
                        "2024-03-09,\"Strechy, White\",6,21,37.00,98.80,0,0,0,1,0,0,"
                        "\"say \"\"hi\"\", twice\"\r\n"));
}

void TestJournalFormats::refusals_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    const QByteArray header = "date,cervical_fluid,cervical_fluid_code,temperature_code,"
                              "temperature_c,temperature_f,doctor,cramps,pms,love,protection,"
                              "secret,note\r\n";
    const QByteArray good = "2024-01-01,Dry,0,0,,,0,0,0,0,0,0,\r\n";
    QTest::newRow("bad date") << false << header + good + "2024-02-30,Dry,0,0,,,0,0,0,0,0,0,\r\n"
                              << "line 3, column 1: \"2024-02-30\" is not a date";
    QTest::newRow("unknown fluid") << false << header + "2024-01-01,Wet,,0,,,0,0,0,0,0,0,\r\n"
                                   << "line 2, column 2: unknown cervical fluid \"Wet\"";
    QTest::newRow("temperature code off the scale")
        << false << header + "2024-01-01,Dry,0,42,,,0,0,0,0,0,0,\r\n"
        << "line 2, column 4: temperature code \"42\" is off the scale";
    QTest::newRow("celsius between steps")
        << false << header + "2024-01-01,Dry,0,,36.52,,0,0,0,0,0,0,\r\n"
        << "line 2, column 5: temperature 36.52 \u00b0C is off the scale";
    QTest::newRow("duplicate date")
        << false << header + good + good << "line 3, column 1: 2024-01-01 appears a second time";
    QTest::newRow("wrong header") << false << QByteArray("date,fluid\r\n2024-01-01,Dry\r\n")
                                  << "line 1: the header is not";
    QTest::newRow("quote never closed")
        << false << header + good + "2024-01-02,Dry,0,0,,,0,0,0,0,0,0,\"open\r\nnote\r\n"
        << "line 3, column 13: a quoted field is never closed";
    QTest::newRow("field count, after a note of two lines")
        << false << header + "2024-01-01,Dry,0,0,,,0,0,0,0,0,0,\"a\nb\"\r\n2024-01-02,Dry\r\n"
        << "line 4: 2 fields where the header has 13";
    QTest::newRow("not UTF-8") << false << header + "2024-01-01,Dry,0,0,,,0,0,0,0,0,0,\xff\r\n"
                               << "byte offset 165: not UTF-8 text";

    const QByteArray open = "{\"format\": \"ovelaZ journal\", \"version\": 1, "
                            "\"startCycleDate\": null, \"records\": [\n";
    QTest::newRow("json syntax") << true << open + "{\"date\": \"2024-01-01\",}]}"
                                 << "line 2, column";
    QTest::newRow("json bad date") << true << open + "{\"date\": \"01.01.2024\"}]}"
                                   << "record 1, field \"date\": not a date";
    QTest::newRow("json unknown fluid")
        << true << open + "{\"date\": \"2024-01-01\", \"cervicalFluid\": \"Wet\"}]}"
        << "record 1, field \"cervicalFluid\": unknown cervical fluid";
    QTest::newRow("json temperature off the scale")
        << true << open + "{\"date\": \"2024-01-01\", \"temperatureC\": 38.05}]}"
        << "record 1, field \"temperatureC\": off the scale";
    QTest::newRow("json duplicate date")
        << true << open + "{\"date\": \"2024-01-01\"}, {\"date\": \"2024-01-01\"}]}"
        << "record 2: 2024-01-01 appears a second time";
}

void TestJournalFormats::refusals()
{
    QFETCH(bool, json);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    JournalRecords::Imported imported;
    imported.records.insert(QDate(1999, 1, 1), OvelaRecordEntry());
    QString error;
    QVERIFY(!(json ? JournalJson::read(text, &imported, &error)
                   : JournalCsv::read(text, &imported, &error)));
    QVERIFY2(error.contains(message), qPrintable(error));
    // A refused file hands nothing on.
    QCOMPARE(imported.records.keys(), QList<QDate>{QDate(1999, 1, 1)});
}

void TestJournalFormats::drip()
{
    QFile file(QStringLiteral(OVELA_TEST_DATA "/drip-export.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(JournalCsv::looksLikeDrip(data));
    JournalRecords::Imported imported;
    QString error;
    QVERIFY2(JournalCsv::readDrip(data, &imported, &error), qPrintable(error));

    // 36 days, one of which holds nothing at all.
    QCOMPARE(imported.records.size(), 35);
    QVERIFY(!imported.records.contains(QDate(2024, 3, 28)));
    QCOMPARE(imported.temperaturesRounded, 1);
    QCOMPARE(imported.temperaturesLeftOut, 2);
    QCOMPARE(imported.notesExtended, 11);

    auto day = [&](int month, int d) { return imported.records.value(QDate(2024, month, d)); };
    // Bleeding 1-3 and spotting.
    QCOMPARE(day(3, 4).getCervicalFluid(), 1);
    QCOMPARE(day(3, 1).getCervicalFluid(), 2);
    QCOMPARE(day(3, 2).getCervicalFluid(), 3);
    QCOMPARE(day(3, 5).getCervicalFluid(), 4);
    // Mucus without bleeding: dry, nothing, moist, creamy, egg white.
    QCOMPARE(day(3, 6).getCervicalFluid(), 0);
    QCOMPARE(day(3, 8).getCervicalFluid(), 0);
    QCOMPARE(day(3, 9).getCervicalFluid(), 5);
    QCOMPARE(day(3, 12).getCervicalFluid(), 6);
    // Bleeding wins over mucus, which goes to the note.
    QCOMPARE(day(3, 3).getCervicalFluid(), 3);
    QCOMPARE(day(3, 3).getNote(), QStringLiteral("mucus: moist"));

    QCOMPARE(day(3, 1).getTemperature(), 8);  // 36.35
    QCOMPARE(day(3, 9).getTemperature(), 10); // 36.47 rounded to 36.45
    QCOMPARE(day(3, 21).getTemperature(), 0); // 35.80 is off the scale
    QCOMPARE(day(3, 21).getNote(),
             QStringLiteral("fever thermometer broke\n"
                            "temperature: 35.80 \u00b0C; temperature: exclude"));

    QVERIFY(day(3, 7).getSex() && day(3, 7).getProtection());
    QVERIFY(day(3, 11).getSex() && !day(3, 11).getProtection());
    QCOMPARE(day(3, 1).getNote(), QStringLiteral("Started in the night"));
    QCOMPARE(day(3, 12).getNote(), QStringLiteral("Felt great, \"light\" day\n"
                                                  "cervix: opening 2, firmness 0; mood: happy; "
                                                  "desire: 3"));
    QCOMPARE(day(3, 2).getNote(), QStringLiteral("pain: headache; mood: sad"));
    QCOMPARE(day(4, 5).getNote(), QStringLiteral("sex: pill"));
    QVERIFY(!day(3, 6).getDoctor() && !day(3, 6).getSecret() && day(3, 6).getNote().isEmpty());
}

void TestJournalFormats::dripRefusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("bleeding 4") << QByteArray("date,bleeding.value\n2024-01-01,4\n")
                                << "line 2, column 2: unknown bleeding value \"4\"";
    QTest::newRow("mucus 5") << QByteArray("date,mucus.value\n2024-01-01,5\n")
                             << "line 2, column 2: unknown cervical fluid \"5\"";
    QTest::newRow("flag") << QByteArray("date,pain.cramps\n2024-01-01,yes\n")
                          << "line 2, column 2: \"yes\" is neither true nor false";
    QTest::newRow("temperature") << QByteArray("date,temperature.value\n2024-01-01,warm\n")
                                 << "line 2, column 2: \"warm\" is not a temperature";
    QTest::newRow("no date column") << QByteArray("day,note.value\n2024-01-01,x\n")
                                    << "line 1, column 1: \"day\" is not a column";
    QTest::newRow("duplicate date") << QByteArray("date,note.value\n2024-01-01,x\n2024-01-01,y\n")
                                    << "line 3, column 1: 2024-01-01 appears a second time";
}

void TestJournalFormats::dripRefusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    JournalRecords::Imported imported;
    QString error;
    QVERIFY(!JournalCsv::readDrip(text, &imported, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

OVELA_TEST_CORE_MAIN(TestJournalFormats)
#include "tst_journal_formats.moc"
