#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"
#include "journaltool/ovela_journal_commands.h"
#include "settings/Preferences.h"

#include "support/gzip.h"
#include "support/testhome.h"

#include <QFile>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(QStringList arguments)
{
    arguments.prepend(QStringLiteral("ovela-journal"));
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = runJournalTool(arguments, out, err);
    return result;
}

QString path(const char *name)
{
    return TestHome::dataHome() + QLatin1Char('/') + QLatin1String(name);
}

QByteArray bytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeText(const QString &file, const QByteArray &text)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

OvelaRecordEntry noted(const char *note, int fluid = 0)
{
    OvelaRecordEntry e;
    e.setNote(QString::fromUtf8(note));
    e.setCervicalFluid(fluid);
    return e;
}

void saveJournal(const QString &file, const QMap<QDate, OvelaRecordEntry> &records,
                 const QDate &start)
{
    OvelaDatabase journal;
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        journal.setEntry(it.value(), it.key());
    journal.setStartCycleDate(start);
    OvelaJournalFile(file).save(journal);
}

bool load(const QString &file, OvelaDatabase &journal)
{
    QZipFile device(file);
    return device.open(QIODevice::ReadOnly) && journal.load(&device);
}

const QByteArray csvHeader = "date,cervical_fluid,cervical_fluid_code,temperature_code,"
                             "temperature_c,temperature_f,doctor,cramps,pms,love,protection,"
                             "secret,note\r\n";

} // namespace

class TestJournalCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void importRules_data();
    void importRules();
    void lockRefusal();
    void merge();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void calendarFromSettings();
    void checkAndSalvage();
    void usage();
};

void TestJournalCommands::init()
{
    TestHome::wipe();
}

void TestJournalCommands::importRules_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("second"); // 2024-01-02's note afterwards
    QTest::addColumn<bool>("fifthKept");
    QTest::addColumn<bool>("written");

    QTest::newRow("a different day is a conflict") << QStringList() << 1 << "2024-01-02"
                                                   << "journal" << true << false;
    QTest::newRow("prefer the import")
        << QStringList{QStringLiteral("--prefer-import")} << 0 << "1 added, 1 changed, 1 unchanged"
        << "import" << true << true;
    QTest::newRow("prefer the journal")
        << QStringList{QStringLiteral("--prefer-journal")} << 0
        << "1 added, 0 changed, 1 unchanged, 1 kept as in the journal"
        << "journal" << true << true;
    QTest::newRow("replace the whole journal")
        << QStringList{QStringLiteral("--replace")} << 0 << "1 changed, 1 unchanged, 1 removed"
        << "import" << false << true;
    QTest::newRow("dry run") << QStringList{QStringLiteral("--prefer-import"),
                                            QStringLiteral("--dry-run")}
                             << 0 << "+ 2024-01-03 added\n~ 2024-01-02 changed\n"
                             << "journal" << true << false;
}

void TestJournalCommands::importRules()
{
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, second);
    QFETCH(bool, fifthKept);
    QFETCH(bool, written);

    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath,
                {{QDate(2024, 1, 1), noted("same", 2)},
                 {QDate(2024, 1, 2), noted("journal")},
                 {QDate(2024, 1, 5), noted("only here")}},
                QDate(2024, 1, 1));
    const QByteArray before = bytes(journalPath);
    writeText(path("in.csv"), csvHeader + "2024-01-01,Normal Bleeding,2,0,,,0,0,0,0,0,0,same\r\n"
                                          "2024-01-02,Dry,0,0,,,0,0,0,0,0,0,import\r\n"
                                          "2024-01-03,Dry,0,3,,,0,0,0,0,0,0,new\r\n");

    const Run r = run(QStringList{QStringLiteral("import"), path("in.csv"),
                                  QStringLiteral("--journal"), journalPath} +
                      options);
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(said), qPrintable(r.out + r.err));
    QCOMPARE(bytes(journalPath) != before, written);
    OvelaDatabase after;
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.getEntry(QDate(2024, 1, 2)).getNote(), second);
    QCOMPARE(after.containsEntry(QDate(2024, 1, 5)), fifthKept);
    QCOMPARE(after.getStartCycleDate(), QDate(2024, 1, 1));
    if (written) {
        QCOMPARE(after.getEntry(QDate(2024, 1, 3)).getTemperature(), 3);
        // Through the diary's safe save: the journal as it was is the backup.
        QCOMPARE(bytes(journalPath + QLatin1String(".bak")), before);
    }
}

void TestJournalCommands::lockRefusal()
{
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    saveJournal(path("other.ovd"), {{QDate(2024, 2, 1), noted("theirs")}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,x\r\n");
    const QByteArray before = bytes(journalPath);
    {
        OvelaJournalFile diary(journalPath);
        QCOMPARE(diary.lock(), OvelaJournalFile::LockResult::Locked);
        for (const QStringList &command :
             {QStringList{QStringLiteral("import"), path("in.csv")},
              QStringList{QStringLiteral("merge"), path("other.ovd")}}) {
            const Run r = run(QStringList{QStringLiteral("--journal"), journalPath} + command);
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(QLatin1String("the diary is open")), qPrintable(r.err));
            QCOMPARE(bytes(journalPath), before);
        }
        // Reading goes on, and says what it reads.
        const Run r = run({QStringLiteral("--journal"), journalPath, QStringLiteral("export")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains(QLatin1String("reading the journal as last saved")));
        QVERIFY(r.out.contains(QLatin1String("2024-01-01")));
    }
    const Run r =
        run({QStringLiteral("--journal"), journalPath, QStringLiteral("import"), path("in.csv")});
    QCOMPARE(r.status, 0);
    QVERIFY(bytes(journalPath) != before);
}

void TestJournalCommands::merge()
{
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("a")}, {QDate(2024, 1, 2), noted("b")}},
                QDate(2024, 1, 1));
    saveJournal(path("later.ovd"),
                {{QDate(2024, 1, 2), noted("b")}, {QDate(2024, 1, 30), noted("c", 3)}},
                QDate(2024, 1, 29));
    saveJournal(path("earlier.ovd"), {{QDate(2024, 1, 2), noted("B")}}, QDate(2023, 12, 1));

    Run r =
        run({QStringLiteral("merge"), path("later.ovd"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("1 added, 0 changed, 1 unchanged")), qPrintable(r.out));
    OvelaDatabase after;
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.entries().keys(),
             (QList<QDate>{QDate(2024, 1, 1), QDate(2024, 1, 2), QDate(2024, 1, 30)}));
    QCOMPARE(after.getStartCycleDate(), QDate(2024, 1, 29));

    // An older copy: its record wins by preference, its earlier start-cycle date does not.
    r = run({QStringLiteral("merge"), path("earlier.ovd"), QStringLiteral("--prefer-other"),
             QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.getEntry(QDate(2024, 1, 2)).getNote(), QStringLiteral("B"));
    QCOMPARE(after.getStartCycleDate(), QDate(2024, 1, 29));
}

void TestJournalCommands::exportImportRoundTrip_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("csv") << "csv";
    QTest::newRow("json") << "json";
}

void TestJournalCommands::exportImportRoundTrip()
{
    QFETCH(QString, format);
    const QString original = path("original.ovd");
    OvelaRecordEntry full = noted("quoted \"text\", commas,\r\nCRLF and \u00fc", 6);
    full.setTemperature(41);
    full.setSecret(true);
    full.setPMS(true);
    saveJournal(original,
                {{QDate(1999, 12, 31), full},
                 {QDate(2000, 1, 1), noted("", 1)},
                 {QDate(2000, 2, 29), OvelaRecordEntry()}},
                QDate(1999, 12, 27));
    const QString copy = path("copy.ovd");
    // The CSV holds no start-cycle date; the journal it goes into has the same one already.
    saveJournal(copy, {{QDate(1990, 5, 5), noted("replaced")}},
                format == QLatin1String("csv") ? QDate(1999, 12, 27) : QDate());
    const QString exported = path("out.") + format;
    Run r = run({QStringLiteral("export"), QStringLiteral("--format"), format, QStringLiteral("-o"),
                 exported, QStringLiteral("--journal"), original});
    QCOMPARE(r.status, 0);
    // What the diary holds is private: nobody but its owner reads the export.
    QCOMPARE(QFile::permissions(exported) & 0x00FF, QFileDevice::Permissions());
    r = run({QStringLiteral("import"), exported, QStringLiteral("--replace"),
             QStringLiteral("--journal"), copy});
    QCOMPARE(r.status, 0);
    QCOMPARE(Gzip::inflate(bytes(copy)), Gzip::inflate(bytes(original)));
}

void TestJournalCommands::calendarFromSettings()
{
    {
        Preferences preferences;
        preferences.setCycleLength(30);
        preferences.setMenstrualPeriod(4);
    }
    const QDate start = QDate::currentDate().addDays(-3);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {}, start);
    const Run r =
        run({QStringLiteral("export"), QStringLiteral("--format=ics"), QStringLiteral("--cycles"),
             QStringLiteral("2"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    auto day = [](const QDate &d) { return d.toString(QStringLiteral("yyyyMMdd")); };
    const QString next = QStringLiteral("DTSTART;VALUE=DATE:%1\r\nDTEND;VALUE=DATE:%2\r\n")
                             .arg(day(start.addDays(30)), day(start.addDays(34)));
    QVERIFY2(r.out.contains(next), qPrintable(r.out));
    QVERIFY(!r.out.contains(QStringLiteral("DTSTART;VALUE=DATE:%1").arg(day(start.addDays(60)))));
}

void TestJournalCommands::checkAndSalvage()
{
    Run r = run({QStringLiteral("check"), QStringLiteral(OVELA_TEST_DATA "/one-entry.ovd")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains(QLatin1String("records: 1\nfirst: 2000-01-01\nlast: 2000-01-01\n"
                                         "start-cycle date: 1999-12-27")));

    const QString damaged = path("damaged.ovd");
    QVERIFY(QFile::copy(QStringLiteral(OVELA_TEST_DATA "/no-trailer.ovd"), damaged));
    const QByteArray before = bytes(damaged);
    r = run({QStringLiteral("check"), damaged});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.contains(QLatin1String("whole records before the damage: 1")),
             qPrintable(r.out));

    const QString rescued = path("rescued.ovd");
    r = run({QStringLiteral("salvage"), damaged, QStringLiteral("-o"), rescued});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains(QLatin1String("kept 1 whole record(s) of 1")));
    // Never over the damaged file, nor over a salvage already written.
    for (const QString &target : {damaged, rescued})
        QCOMPARE(run({QStringLiteral("salvage"), damaged, QStringLiteral("-o"), target}).status, 1);
    QCOMPARE(bytes(damaged), before);
    OvelaDatabase journal;
    QVERIFY(load(rescued, journal));
    QCOMPARE(journal.entries().size(), 1);
    QCOMPARE(journal.getStartCycleDate(), QDate(1999, 12, 27));
}

void TestJournalCommands::usage()
{
    Run r = run({QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    for (const char *command : {"export", "import", "merge", "check", "salvage"})
        QVERIFY(r.out.contains(QLatin1String(command)));
    r = run({QStringLiteral("export"), QStringLiteral("--help")});
    QVERIFY(
        r.out.simplified().contains(QLatin1String("json (the records and the start-cycle date)")));
    r = run({QStringLiteral("import"), QStringLiteral("--help")});
    QVERIFY(r.out.contains(QLatin1String("drip")));
    QCOMPARE(run({QStringLiteral("explode")}).status, 2);
    QCOMPARE(run({QStringLiteral("export"), QStringLiteral("--bogus")}).status, 2);
    QCOMPARE(run({}).status, 2);
}

OVELA_TEST_CORE_MAIN(TestJournalCommands)
#include "tst_journal_commands.moc"
