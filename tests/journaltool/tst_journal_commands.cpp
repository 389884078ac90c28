#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"
#include "journaltool/ovela_journal_commands.h"
#include "journaltool/ovela_journal_text.h"
#include "settings/Preferences.h"
#include "settings/ovela_journal_location.h"

#include "support/gzip.h"
#include "support/testhome.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(QStringList arguments, QIODevice *input = nullptr)
{
    arguments.prepend(QStringLiteral("ovela-journal"));
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = runJournalTool(arguments, out, err, input);
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

using Kind = OvelaJournalBackups::Kind;

QList<OvelaJournalBackups::Entry> backups()
{
    return OvelaJournalBackups(ovelaBackupsPath()).list();
}

// A backup as the diary names it, made `secondsAgo` before now.
QString backupFile(qint64 secondsAgo, const char *kind,
                   const QDateTime &now = QDateTime::currentDateTime())
{
    QDir().mkpath(ovelaBackupsPath());
    return ovelaBackupsPath() + QLatin1String("/journal-") +
           now.addSecs(-secondsAgo).toString(
               QStringLiteral("yyyyMMdd-HHmmss")) +
           QLatin1Char('-') + QLatin1String(kind) + QLatin1String(".ovd");
}

// A lock as the diary leaves it on a computer called `host`.
void lockFromAnotherComputer(const QString &journalPath, const char *host)
{
    writeText(OvelaJournalFile(journalPath).lockPath(),
              QByteArray("4242\novelaZ\n") + host + QByteArray("\n"));
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
    void backupBeforeWrite_data();
    void backupBeforeWrite();
    void listBackups();
    void restore_data();
    void restore();
    void foreignLock_data();
    void foreignLock();
    void merge();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void calendarFromSettings();
    void checkAndSalvage();
    void usage();
    void wrongCommandLines_data();
    void wrongCommandLines();
    void commandHelp();
    void missingJournal_data();
    void missingJournal();
    void halfGuard();
    void standardInput();
    void boundedInput_data();
    void boundedInput();
    void conflictShowsFields();
    void settingsRoundTrip();
    void dripImport();
    void plurals_data();
    void plurals();
    void localeDecimals();

private:
    QTranslator englishPlurals;
};

void TestJournalCommands::init()
{
    TestHome::wipe();
    // As the program installs it: English plural forms under every locale.
    if (englishPlurals.isEmpty() && englishPlurals.load(QStringLiteral(":/i18n/ovelaZ_en.qm")))
        QCoreApplication::installTranslator(&englishPlurals);
    QVERIFY(!englishPlurals.isEmpty());
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
              QStringList{QStringLiteral("merge"), path("other.ovd")},
              QStringList{QStringLiteral("restore"), path("other.ovd")}}) {
            const Run r = run(QStringList{QStringLiteral("--journal"), journalPath} + command);
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(QLatin1String("the diary is open")), qPrintable(r.err));
            QCOMPARE(bytes(journalPath), before);
        }
        QVERIFY(backups().isEmpty());
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

void TestJournalCommands::backupBeforeWrite_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<bool>("noFolder"); // the backups folder cannot be made
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("kept");
    const QString import = QStringLiteral("import");
    QTest::newRow("import --replace")
        << QStringList{import, path("in.csv"), QStringLiteral("--replace")} << false << 0 << true;
    QTest::newRow("merge") << QStringList{QStringLiteral("merge"), path("other.ovd")} << false << 0
                           << true;
    QTest::newRow("a dry run keeps nothing")
        << QStringList{import, path("in.csv"), QStringLiteral("--dry-run")} << false << 0 << false;
    QTest::newRow("no backup, no write")
        << QStringList{import, path("in.csv"), QStringLiteral("--replace")} << true << 1 << false;
}

void TestJournalCommands::backupBeforeWrite()
{
    QFETCH(QStringList, command);
    QFETCH(bool, noFolder);
    QFETCH(int, status);
    QFETCH(bool, kept);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}, {QDate(2024, 1, 2), noted("b")}},
                QDate());
    saveJournal(path("other.ovd"), {{QDate(2024, 2, 1), noted("theirs")}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,x\r\n");
    if (noFolder)
        writeText(ovelaBackupsPath(), "a file where the folder belongs");
    const QByteArray before = bytes(journalPath);

    const Run r = run(QStringList{QStringLiteral("--journal"), journalPath} + command);
    QCOMPARE(r.status, status);
    if (noFolder) {
        QVERIFY2(r.err.contains(QLatin1String("no backup of the journal could be made")),
                 qPrintable(r.err));
        QCOMPARE(bytes(journalPath), before);
        return;
    }
    const auto list = backups();
    QCOMPARE(list.size(), kept ? 1 : 0);
    if (!kept)
        return;
    QCOMPARE(list.first().kind, Kind::Companion);
    QCOMPARE(bytes(list.first().path), before);
    QCOMPARE(QFile::permissions(list.first().path) & 0x00FF, QFileDevice::Permissions());
    QVERIFY2(r.out.contains(QLatin1String("the journal as it was is kept as ") +
                            list.first().path + QLatin1Char('\n')),
             qPrintable(r.out));
    QVERIFY(bytes(journalPath) != before);
}

void TestJournalCommands::listBackups()
{
    Run r = run({QStringLiteral("backups")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.startsWith(QLatin1String("No backups yet")), qPrintable(r.out));

    // One moment for the names and what the list must show, whatever second the test ends in.
    const QDateTime now = QDateTime::currentDateTime();
    const QString newest = backupFile(3600, "companion", now);
    const QString middle = backupFile(86400, "session", now);
    const QString oldest = backupFile(2 * 86400, "daily", now);
    saveJournal(newest,
                {{QDate(2024, 3, 1), noted("a")},
                 {QDate(2024, 3, 3), noted("c")},
                 {QDate(2024, 2, 1), noted("b")}},
                QDate());
    saveJournal(middle, {}, QDate());
    writeText(oldest, "not a journal");
    const QString when = now.addSecs(-3600).toString(
        QStringLiteral("yyyy-MM-dd HH:mm:ss"));

    r = run({QStringLiteral("backups")});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 4, qPrintable(r.out));
    QCOMPARE(lines[0], QLatin1String("Backups in ") + ovelaBackupsPath() +
                           QLatin1String(", newest first:"));
    QCOMPARE(lines[1].simplified(), QLatin1String("1 ") + when +
                                        QLatin1String(" before ovela-journal 3 days, the last "
                                                      "2024-03-03"));
    QVERIFY2(lines[2].startsWith(QLatin1String("2  ")) &&
                 lines[2].contains(QLatin1String("session start")) &&
                 lines[2].endsWith(QLatin1String("no days")),
             qPrintable(lines[2]));
    QVERIFY2(lines[3].startsWith(QLatin1String("3  ")) &&
                 lines[3].contains(QLatin1String("daily")) &&
                 lines[3].endsWith(QLatin1String("does not load")),
             qPrintable(lines[3]));

    r = run({QStringLiteral("backups"), QStringLiteral("--json")});
    QCOMPARE(r.status, 0);
    QJsonParseError error;
    const QJsonObject all = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray list = all.value(QLatin1String("backups")).toArray();
    QCOMPARE(list.size(), 3);
    const QJsonObject first = list.at(0).toObject();
    QCOMPARE(first.value(QLatin1String("number")).toInt(), 1);
    QCOMPARE(first.value(QLatin1String("kind")).toString(), QStringLiteral("companion"));
    QCOMPARE(first.value(QLatin1String("path")).toString(), newest);
    QCOMPARE(first.value(QLatin1String("made")).toString(), QString(when).replace(QLatin1Char(' '), QLatin1Char('T')));
    QCOMPARE(first.value(QLatin1String("days")).toInt(), 3);
    QCOMPARE(first.value(QLatin1String("lastDay")).toString(), QStringLiteral("2024-03-03"));
    QVERIFY(list.at(1).toObject().value(QLatin1String("lastDay")).isNull());
    QCOMPARE(list.at(2).toObject().value(QLatin1String("loads")).toBool(), false);
}

void TestJournalCommands::restore_data()
{
    QTest::addColumn<QString>("backup"); // "older" stands for that backup's path
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("by number") << "2" << 0 << "1 day, the last 2024-01-05";
    QTest::newRow("by path") << "older" << 0 << "1 day, the last 2024-01-05";
    QTest::newRow("a number past the list") << "3" << 1 << "there is no backup number 3";
    QTest::newRow("a file that does not load")
        << path("bad.ovd") << 1 << "does not load as a journal";
}

void TestJournalCommands::restore()
{
    QFETCH(QString, backup);
    QFETCH(int, status);
    QFETCH(QString, said);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath,
                {{QDate(2024, 1, 5), noted("now")},
                 {QDate(2024, 1, 6), noted("now")},
                 {QDate(2024, 1, 7), noted("now")}},
                QDate(2024, 1, 6));
    const QString older = backupFile(7200, "session");
    saveJournal(older, {{QDate(2024, 1, 5), noted("then")}}, QDate(2024, 1, 1));
    saveJournal(backupFile(60, "companion"),
                {{QDate(2024, 1, 5), noted("later")}, {QDate(2024, 1, 6), noted("later")}},
                QDate());
    writeText(path("bad.ovd"), "not a journal");
    const QByteArray before = bytes(journalPath);
    if (backup == QLatin1String("older"))
        backup = older;

    const Run r =
        run({QStringLiteral("restore"), backup, QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(said), qPrintable(r.out + r.err));
    const auto list = backups();
    if (status != 0) {
        QCOMPARE(bytes(journalPath), before);
        QCOMPARE(list.size(), 2);
        return;
    }
    OvelaDatabase after;
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.entries().keys(), QList<QDate>{QDate(2024, 1, 5)});
    QCOMPARE(after.getEntry(QDate(2024, 1, 5)).getNote(), QStringLiteral("then"));
    QCOMPARE(after.getStartCycleDate(), QDate(2024, 1, 1));
    // The journal as it was is now the newest backup, and the output says where.
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.first().kind, Kind::Restore);
    QCOMPARE(bytes(list.first().path), before);
    QVERIFY2(r.out.contains(QLatin1String("the journal as it was is kept as ") +
                            list.first().path),
             qPrintable(r.out));
}

void TestJournalCommands::foreignLock_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("import") << QStringList{QStringLiteral("import"), path("in.csv")};
    QTest::newRow("merge") << QStringList{QStringLiteral("merge"), path("other.ovd")};
    QTest::newRow("restore") << QStringList{QStringLiteral("restore"), path("other.ovd")};
}

void TestJournalCommands::foreignLock()
{
    QFETCH(QStringList, command);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    saveJournal(path("other.ovd"), {{QDate(2024, 2, 1), noted("theirs")}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,x\r\n");
    lockFromAnotherComputer(journalPath, "faraway-laptop");
    const QByteArray before = bytes(journalPath);
    const QStringList journal{QStringLiteral("--journal"), journalPath};

    Run r = run(journal + command);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QLatin1String("locked by the computer \"faraway-laptop\" (since ")) &&
                 r.err.contains(QLatin1String("--ignore-foreign-lock")),
             qPrintable(r.err));
    QCOMPARE(bytes(journalPath), before);
    QVERIFY(backups().isEmpty());

    // Reading goes on, and says where the journal may be open.
    r = run(journal + QStringList{QStringLiteral("export")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains(QLatin1String("may be open on the computer \"faraway-laptop\"")),
             qPrintable(r.err));

    r = run(journal + command + QStringList{QStringLiteral("--ignore-foreign-lock")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains(QLatin1String("writing anyway")), qPrintable(r.err));
    QVERIFY(bytes(journalPath) != before);
    QCOMPARE(backups().size(), 1);
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
    QVERIFY2(r.out.contains(QLatin1String("kept 1 whole record of 1 announced")),
             qPrintable(r.out));
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
    QVERIFY(r.out.simplified().contains(
        QLatin1String("json (the records, the start-cycle date and the settings)")));
    r = run({QStringLiteral("import"), QStringLiteral("--help")});
    QVERIFY(r.out.contains(QLatin1String("drip")));
    QCOMPARE(run({QStringLiteral("explode")}).status, 2);
    QCOMPARE(run({QStringLiteral("export"), QStringLiteral("--bogus")}).status, 2);
    QCOMPARE(run({}).status, 2);
}

void TestJournalCommands::wrongCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString in = path("in.csv");
    auto row = [](const char *name, const QStringList &arguments) {
        QTest::newRow(name) << arguments;
    };
    row("no command", {});
    row("an unknown command", {QStringLiteral("explode")});
    row("an unknown option", {QStringLiteral("export"), QStringLiteral("--bogus")});
    row("an option without its value", {QStringLiteral("export"), QStringLiteral("--format")});
    row("export with a file name", {QStringLiteral("export"), QStringLiteral("out.csv")});
    row("export, cycles not a number",
        {QStringLiteral("export"), QStringLiteral("--format=ics"), QStringLiteral("--cycles=x")});
    row("export, an unknown format", {QStringLiteral("export"), QStringLiteral("--format=xml")});
    row("export, an ics option for csv", {QStringLiteral("export"), QStringLiteral("--discreet")});
    row("import without a file", {QStringLiteral("import")});
    row("import of two files", {QStringLiteral("import"), in, in});
    row("import, both preferences",
        {QStringLiteral("import"), in, QStringLiteral("--prefer-import"),
         QStringLiteral("--prefer-journal")});
    row("import, replace and prefer the import",
        {QStringLiteral("import"), in, QStringLiteral("--replace"),
         QStringLiteral("--prefer-import")});
    row("import, replace and prefer the journal",
        {QStringLiteral("import"), in, QStringLiteral("--replace"),
         QStringLiteral("--prefer-journal")});
    row("import, an unknown format",
        {QStringLiteral("import"), in, QStringLiteral("--format=xml")});
    row("import, settings from csv", {QStringLiteral("import"), in, QStringLiteral("--settings"),
                                      QStringLiteral("--format=csv")});
    row("merge without a file", {QStringLiteral("merge")});
    row("merge, both preferences", {QStringLiteral("merge"), in, QStringLiteral("--prefer-other"),
                                    QStringLiteral("--prefer-journal")});
    row("check of two files", {QStringLiteral("check"), in, in});
    row("salvage without -o", {QStringLiteral("salvage"), in});
    row("salvage without a file",
        {QStringLiteral("salvage"), QStringLiteral("-o"), path("new.ovd")});
    row("cycles with a file", {QStringLiteral("cycles"), in});
    row("stats with a file", {QStringLiteral("stats"), in});
    row("backups with a file", {QStringLiteral("backups"), in});
    row("restore without a backup", {QStringLiteral("restore")});
    row("restore of two backups", {QStringLiteral("restore"), in, in});
}

void TestJournalCommands::wrongCommandLines()
{
    QFETCH(QStringList, arguments);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,x\r\n");
    const QByteArray before = bytes(journalPath);
    const Run r = run(QStringList{QStringLiteral("--journal"), journalPath} + arguments);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(QLatin1String("--help")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(bytes(journalPath), before);
}

void TestJournalCommands::commandHelp()
{
    for (const JournalCommand &command : journalCommands()) {
        const Run r = run({command.name, QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(command.summary) && r.out.contains(QLatin1String("Example:")) &&
                     r.out.contains(QLatin1String("ovela-journal ") + command.name),
                 qPrintable(r.out));
        // Its own description, not the program's.
        QVERIFY(!r.out.contains(QLatin1String("without its window")));
    }
    const Run r = run({QStringLiteral("import"), QStringLiteral("--help")});
    for (const char *option : {"--create", "--yes", "--settings", "--replace", "drip"})
        QVERIFY2(r.out.contains(QLatin1String(option)), option);
}

void TestJournalCommands::missingJournal_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("export") << QStringList{QStringLiteral("export")};
    QTest::newRow("export ics") << QStringList{QStringLiteral("export"),
                                               QStringLiteral("--format=ics")};
    QTest::newRow("cycles") << QStringList{QStringLiteral("cycles")};
    QTest::newRow("stats") << QStringList{QStringLiteral("stats")};
    QTest::newRow("check") << QStringList{QStringLiteral("check")};
    QTest::newRow("merge") << QStringList{QStringLiteral("merge"), path("other.ovd")};
    QTest::newRow("import") << QStringList{QStringLiteral("import"), path("in.csv")};
    QTest::newRow("import, dry run")
        << QStringList{QStringLiteral("import"), path("in.csv"), QStringLiteral("--dry-run")};
}

void TestJournalCommands::missingJournal()
{
    QFETCH(QStringList, command);
    saveJournal(path("other.ovd"), {{QDate(2024, 2, 1), noted("theirs")}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,x\r\n");
    const QString typo = path("jurnal.ovd");
    const Run r = run(QStringList{QStringLiteral("--journal"), typo} + command);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(typo + QLatin1String(": no such")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFile::exists(typo));
}

void TestJournalCommands::halfGuard()
{
    const QString journalPath = path("journal.ovd");
    QMap<QDate, OvelaRecordEntry> days;
    for (int i = 0; i < 40; ++i)
        days.insert(QDate(2024, 1, 1).addDays(i), noted("day"));
    saveJournal(journalPath, days, QDate(2024, 1, 1));
    const QByteArray before = bytes(journalPath);
    // A header-only file would empty the diary; 19 days of 40 is under half.
    QByteArray nineteen = csvHeader;
    for (int i = 0; i < 19; ++i)
        nineteen += QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate).toLatin1() +
                    ",Dry,0,0,,,0,0,0,0,0,0,day\r\n";
    writeText(path("empty.csv"), csvHeader);
    writeText(path("nineteen.csv"), nineteen);
    for (const char *file : {"empty.csv", "nineteen.csv"}) {
        const Run r = run({QStringLiteral("import"), path(file), QStringLiteral("--replace"),
                           QStringLiteral("--journal"), journalPath});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QLatin1String("--yes")) &&
                     r.err.contains(QLatin1String("of the journal's 40 days")),
                 qPrintable(r.err));
        QCOMPARE(bytes(journalPath), before);
    }
    Run r = run({QStringLiteral("import"), path("nineteen.csv"), QStringLiteral("--replace"),
                 QStringLiteral("--dry-run"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("A real run refuses")), qPrintable(r.out));
    r = run({QStringLiteral("import"), path("nineteen.csv"), QStringLiteral("--replace"),
             QStringLiteral("--yes"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    OvelaDatabase after;
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.entries().size(), 19);
    // Twenty of forty is half, which is allowed.
    saveJournal(journalPath, days, QDate(2024, 1, 1));
    writeText(path("twenty.csv"), nineteen + "2024-01-20,Dry,0,0,,,0,0,0,0,0,0,day\r\n");
    r = run({QStringLiteral("import"), path("twenty.csv"), QStringLiteral("--replace"),
             QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
}

void TestJournalCommands::standardInput()
{
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    QBuffer input;
    input.setData(csvHeader + "2024-01-09,Dry,0,0,,,0,0,0,0,0,0,from a pipe\r\n");
    QVERIFY(input.open(QIODevice::ReadOnly));
    const Run r = run(
        {QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("--journal"), journalPath},
        &input);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("1 day read\n1 added, 0 changed, 0 unchanged")),
             qPrintable(r.out));
    OvelaDatabase after;
    QVERIFY(load(journalPath, after));
    QCOMPARE(after.getEntry(QDate(2024, 1, 9)).getNote(), QStringLiteral("from a pipe"));
}

void TestJournalCommands::boundedInput_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<bool>("hugeNote");
    QTest::newRow("check /dev/zero")
        << QStringList{QStringLiteral("check"), QStringLiteral("/dev/zero")} << false;
    QTest::newRow("import /dev/zero")
        << QStringList{QStringLiteral("import"), QStringLiteral("/dev/zero")} << false;
    QTest::newRow("salvage /dev/zero")
        << QStringList{QStringLiteral("salvage"), QStringLiteral("/dev/zero"), QStringLiteral("-o"),
                       path("new.ovd")}
        << false;
    QTest::newRow("import a 60 MB note")
        << QStringList{QStringLiteral("import"), path("huge.csv")} << true;
}

void TestJournalCommands::boundedInput()
{
    QFETCH(QStringList, command);
    QFETCH(bool, hugeNote);
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    const QByteArray before = bytes(journalPath);
    if (hugeNote) {
        QFile file(path("huge.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csvHeader + "2024-01-02,Dry,0,0,,,0,0,0,0,0,0,\"");
        const QByteArray block(1 << 20, 'x');
        for (int i = 0; i < 60; ++i)
            file.write(block);
        file.write("\"\r\n");
    }
    const Run r = run(QStringList{QStringLiteral("--journal"), journalPath} + command);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QLatin1String("holds more than 32 MiB")), qPrintable(r.err));
    QCOMPARE(bytes(journalPath), before);
    QVERIFY(!QFile::exists(path("new.ovd")));
}

void TestJournalCommands::conflictShowsFields()
{
    const QString journalPath = path("journal.ovd");
    OvelaRecordEntry mine = noted("mine", 2);
    mine.setTemperature(8);
    saveJournal(journalPath, {{QDate(2024, 1, 2), mine}}, QDate());
    writeText(path("in.csv"), csvHeader + "2024-01-02,Dry,0,8,,,0,0,0,1,0,0,theirs\r\n");
    const Run r =
        run({QStringLiteral("import"), path("in.csv"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 1);
    const QString in = path("in.csv");
    QVERIFY2(r.err.contains(QLatin1String("1 day holds a different record")), qPrintable(r.err));
    QVERIFY2(r.err.contains(
                 QLatin1String(
                     "  2024-01-02\n    cervical fluid: Normal Bleeding in the journal, Dry in ") +
                 in + QLatin1String("\n    love: no in the journal, yes in ") + in +
                 QLatin1String("\n    note: \"mine\" in the journal, \"theirs\" in ") + in),
             qPrintable(r.err));
    // The temperature is the same on both sides, so it is not listed.
    QVERIFY(!r.err.contains(QLatin1String("temperature:")));
}

void TestJournalCommands::settingsRoundTrip()
{
    {
        Preferences preferences;
        preferences.setCycleLength(31);
        preferences.setMenstrualPeriod(4);
        preferences.setFertilePeriod(6);
        preferences.setLuterPhaseLength(13);
        preferences.setBirthGoal(Preferences::AvoidPregnancy);
        preferences.setTemperatureFormat(Preferences::Celsius);
        preferences.setPassword(QStringLiteral("secret-code-4711"));
    }
    const QString journalPath = path("journal.ovd");
    saveJournal(journalPath, {{QDate(2024, 1, 1), noted("mine")}}, QDate());
    const QString exported = path("out.json");
    Run r = run({QStringLiteral("export"), QStringLiteral("--format=json"), QStringLiteral("-o"),
                 exported, QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY(!bytes(exported).contains("secret-code-4711"));
    QVERIFY(!bytes(exported).contains("4711"));
    {
        Preferences preferences; // a new computer: the defaults, and her own pass code
        preferences.setCycleLength(28);
        preferences.setMenstrualPeriod(5);
        preferences.setFertilePeriod(5);
        preferences.setLuterPhaseLength(14);
        preferences.setBirthGoal(Preferences::ConceiveChild);
        preferences.setTemperatureFormat(Preferences::Fahrenheit);
        preferences.setPassword(QStringLiteral("other"));
    }
    // Without --settings the settings stay.
    r = run({QStringLiteral("import"), exported, QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QCOMPARE(Preferences().getCycleLength(), 28);
    r = run({QStringLiteral("import"), exported, QStringLiteral("--settings"),
             QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("settings: cycle length 28 -> 31")), qPrintable(r.out));
    Preferences restored;
    restored.setSaveOnExit(false);
    QCOMPARE(QList<int>({restored.getCycleLength(), restored.getMenstrualPeriod(),
                         restored.getFertilePeriod(), restored.getLuterPhaseLength(),
                         int(restored.getBirthGoal()), int(restored.getTemperatureFormat())}),
             QList<int>({31, 4, 6, 13, 0, 0}));
    QCOMPARE(restored.getPassword(), QStringLiteral("other"));
    // A CSV carries none.
    writeText(path("in.csv"), csvHeader);
    r = run({QStringLiteral("import"), path("in.csv"), QStringLiteral("--settings"),
             QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QLatin1String("carries no settings")));
}

void TestJournalCommands::dripImport()
{
    const QString journalPath = path("new.ovd");
    Run r = run({QStringLiteral("import"), QStringLiteral(OVELA_TEST_DATA "/drip-schema3.csv"),
                 QStringLiteral("--create"), QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.isEmpty());
    for (const char *line :
         {"20 days read\n17 added, 0 changed, 0 unchanged\n",
          "3 skipped: 1 with nothing recorded; 2 with only mucus \"dry\" or \"nothing\"",
          "8 noted: what has no field here was added to the day's note\n",
          "temperatures: 1 marked excluded (kept in the note only)\n",
          "1 bleeding marked excluded, stored as \"Intermenstrual\"",
          "drip's cycle starts (isCycleStart) differ from the diary's bleeding rule on 1 day:\n"
          "  2024-04-10: a start by the bleeding rule, not in drip\n"})
        QVERIFY2(r.out.contains(QLatin1String(line)), qPrintable(r.out));
    OvelaDatabase journal;
    QVERIFY(load(journalPath, journal));
    QCOMPARE(journal.entries().size(), 17);

    // Out to drip and back in: nothing changes.
    const QString exported = path("out.csv");
    r = run({QStringLiteral("export"), QStringLiteral("--format=drip"), QStringLiteral("-o"),
             exported, QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY(!bytes(exported).endsWith('\n'));
    r = run({QStringLiteral("import"), exported, QStringLiteral("--journal"), journalPath});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("0 added, 0 changed, 17 unchanged")), qPrintable(r.out));
}

void TestJournalCommands::plurals_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("one");
    QTest::addColumn<QStringList>("two");
    // "%n day(s) read", "%n added", "%n cycle(s) over %1 days ..." for 1 and for 2.
    QTest::newRow("en") << "en"
                        << QStringList{"1 day read", "1 added", "1 cycle over 90 days was taken"}
                        << QStringList{"2 days read", "2 added",
                                       "2 cycles over 90 days were taken"};
    QTest::newRow("de") << "de"
                        << QStringList{"1 Tag gelesen", "1 hinzugefügt",
                                       "1 Zyklus über 90 Tage wurde"}
                        << QStringList{"2 Tage gelesen", "2 hinzugefügt",
                                       "2 Zyklen über 90 Tage wurden"};
    QTest::newRow("fr") << "fr"
                        << QStringList{"1 jour lu", "1 ajouté", "1 cycle de plus de 90 jours a été"}
                        << QStringList{"2 jours lus", "2 ajoutés",
                                       "2 cycles de plus de 90 jours ont été"};
    QTest::newRow("es") << "es"
                        << QStringList{"1 día leído", "1 añadido",
                                       "1 ciclo de más de 90 días se tomó"}
                        << QStringList{"2 días leídos", "2 añadidos",
                                       "2 ciclos de más de 90 días se tomaron"};
}

void TestJournalCommands::plurals()
{
    QFETCH(QString, language);
    QFETCH(QStringList, one);
    QFETCH(QStringList, two);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/ovelaZ_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    auto texts = [](int n) {
        return QStringList{
            JournalText::tr("%n day(s) read", nullptr, n), JournalText::tr("%n added", nullptr, n),
            JournalText::tr(
                "%n cycle(s) over %1 days were taken for gaps in the record and left out.", nullptr,
                n)
                .arg(90)};
    };
    const QStringList forOne = texts(1);
    const QStringList forTwo = texts(2);
    QCoreApplication::removeTranslator(&translator);
    for (int i = 0; i < one.size(); ++i) {
        QVERIFY2(forOne[i].startsWith(one[i]), qPrintable(forOne[i]));
        QVERIFY2(forTwo[i].startsWith(two[i]), qPrintable(forTwo[i]));
        QVERIFY(!forOne[i].contains(QLatin1String("(s)")));
    }
}

void TestJournalCommands::localeDecimals()
{
    const QString journalPath = path("journal.ovd");
    QMap<QDate, OvelaRecordEntry> days;
    for (int cycle = 0; cycle < 3; ++cycle)
        days.insert(QDate(2024, 1, 1).addDays(28 * cycle), noted("", 2));
    saveJournal(journalPath, days, QDate(2024, 1, 1));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const Run text = run({QStringLiteral("stats"), QStringLiteral("--journal"), journalPath});
    const Run json = run({QStringLiteral("stats"), QStringLiteral("--json"),
                          QStringLiteral("--journal"), journalPath});
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.contains(QLatin1String("mean length: 28,0 days")), qPrintable(text.out));
    QVERIFY2(text.out.contains(QLatin1String("shortest: 28 days, longest: 28 days")),
             qPrintable(text.out));
    // Machine output stays in C.
    QVERIFY2(json.out.contains(QLatin1String("\"mean\": 28")) &&
                 !json.out.contains(QLatin1String("28,0")),
             qPrintable(json.out));
}

OVELA_TEST_CORE_MAIN(TestJournalCommands)
#include "tst_journal_commands.moc"
