#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"
#include "core/ovela_record_database.h"
#include "journaltool/ovela_journal_commands.h"
#include "settings/ovela_journal_location.h"

#include "support/testhome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The companion on an encrypted journal. Passphrases come from files here: a test has no
// terminal to type on. Journals made by the tests use the cheapest key derivation; the
// companion's own encrypt and passphrase use the real one.
namespace {

const OvelaJournalSeal::Cost cheap{1, 8};
const QByteArray csvHeader = "date,cervical_fluid,cervical_fluid_code,temperature_code,"
                             "temperature_c,temperature_f,doctor,cramps,pms,love,protection,"
                             "secret,note\n";

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

// A file holding one line, as she would keep a passphrase for a script.
QString secretFile(const char *name, const QString &secret)
{
    const QString file = path(name);
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(secret.toUtf8() + '\n');
    return file;
}

QMap<QDate, OvelaRecordEntry> notedDays(int count)
{
    QMap<QDate, OvelaRecordEntry> records;
    quint32 x = 12345;
    for (int i = 0; i < count; ++i) {
        QString note = QStringLiteral("day %1 ").arg(i);
        // Text that does not compress much, so that the journal spans several chunks.
        for (int k = 0; k < 40; ++k) {
            x = x * 1103515245 + 12345;
            note += QChar(u'a' + (x >> 16) % 26);
        }
        OvelaRecordEntry entry;
        entry.setNote(note);
        records.insert(QDate(2000, 1, 1).addDays(i), entry);
    }
    return records;
}

bool save(const QString &file, const QMap<QDate, OvelaRecordEntry> &records,
          std::shared_ptr<const OvelaJournalSeal> seal)
{
    OvelaJournalFile journal(file);
    journal.setSeal(std::move(seal));
    return journal.save(records, QDate());
}

// The records of a journal file, opened with `secret` when it is encrypted.
QMap<QDate, OvelaRecordEntry> records(const QString &file, const QString &secret = QString())
{
    OvelaJournalFile journal(file);
    OvelaJournalSeal::Status status;
    if (OvelaJournalSeal::isSealedFile(file))
        journal.setSeal(OvelaJournalSeal::open(bytes(file), secret, &status));
    OvelaDatabase loaded;
    if (journal.read(loaded) != OvelaJournalFile::LoadResult::Loaded)
        return {{QDate(), OvelaRecordEntry()}}; // no journal has an invalid date
    return loaded.entries();
}

QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(file, bytes(file));
    }
    return files;
}

} // namespace

class TestJournalSealed : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    void encryptThenEveryCommand();
    void changePassphrase();
    void wrongPassphraseWritesNothing_data();
    void wrongPassphraseWritesNothing();
    void decrypt();
    void mergeSealed();
    void salvageKeepsWhatAuthenticates();
};

void TestJournalSealed::encryptThenEveryCommand()
{
    const QString journal = ovelaJournalPath();
    const QString note = QStringLiteral("day 3 ");
    QVERIFY(save(journal, notedDays(5), nullptr));
    QVERIFY(save(journal, notedDays(6), nullptr)); // leaves a plain .bak
    OvelaJournalBackups(ovelaBackupsPath()).keep(journal, OvelaJournalBackups::Kind::Session);
    QFile aside(journal + QStringLiteral(".unreadable"));
    QVERIFY(aside.open(QIODevice::WriteOnly));
    aside.write(QStringLiteral("day 3 set aside").toUtf8());
    aside.close();

    const QString passphraseFile = secretFile("pass", QStringLiteral("a long passphrase"));
    const Run encrypted =
        run({QStringLiteral("encrypt"), QStringLiteral("--new-passphrase-file"), passphraseFile});
    QCOMPARE(encrypted.status, 0);
    const QRegularExpressionMatch key =
        QRegularExpression(QStringLiteral("([A-Z2-9]{5}-){7}[A-Z2-9]{5}")).match(encrypted.out);
    QVERIFY2(key.hasMatch(), qPrintable(encrypted.out));
    const QString recoveryFile = secretFile("recovery", key.captured());

    // Nothing of the records is left plain anywhere in her data folder.
    const QMap<QString, QByteArray> files = filesUnder(QFileInfo(journal).absolutePath());
    QCOMPARE(files.size(), 5); // journal, .bak, .unreadable, the session's and encrypt's backup
    const QByteArray utf16be("\0d\0a\0y\0 \0003", 10);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QVERIFY2(OvelaJournalSeal::isSealed(it.value()), qPrintable(it.key()));
        QVERIFY(!it.value().contains(note.toUtf8()));
        QVERIFY(!it.value().contains(utf16be));
        QVERIFY(!it.value().contains(QByteArray("\x1f\x8b\x08", 3)));
    }

    // Every command works on it as on a plain one, with the passphrase or the recovery key.
    for (const QString &secret : {passphraseFile, recoveryFile}) {
        const QStringList withSecret{QStringLiteral("--passphrase-file"), secret};
        const Run exported = run(QStringList{QStringLiteral("export")} + withSecret);
        QCOMPARE(exported.status, 0);
        QVERIFY(exported.out.contains(note));
        QCOMPARE(run(QStringList{QStringLiteral("stats")} + withSecret).status, 0);
        const Run checked = run(QStringList{QStringLiteral("check")} + withSecret);
        QCOMPARE(checked.status, 0);
        QVERIFY(checked.out.contains(QStringLiteral("records: 6")));
        const Run listed = run(QStringList{QStringLiteral("backups")} + withSecret);
        QCOMPARE(listed.out.count(QStringLiteral("6 day")), 2);
    }
    // A write keeps it encrypted, with the same passphrase.
    const QString csv = path("in.csv");
    QFile in(csv);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(csvHeader + "2026-05-01,,0,0,,,0,0,0,0,0,0,imported\n");
    in.close();
    QCOMPARE(
        run({QStringLiteral("import"), csv, QStringLiteral("--passphrase-file"), passphraseFile})
            .status,
        0);
    QVERIFY(OvelaJournalSeal::isSealedFile(journal));
    QCOMPARE(records(journal, QStringLiteral("a long passphrase")).size(), 7);
    QVERIFY(!bytes(journal).contains("imported"));
}

void TestJournalSealed::changePassphrase()
{
    const QString journal = ovelaJournalPath();
    QString recovery;
    QVERIFY(save(journal, notedDays(4),
                 OvelaJournalSeal::create(QStringLiteral("old passphrase"), &recovery, cheap)));
    const Run changed = run({QStringLiteral("passphrase"), QStringLiteral("--passphrase-file"),
                             secretFile("old", QStringLiteral("old passphrase")),
                             QStringLiteral("--new-passphrase-file"),
                             secretFile("new", QStringLiteral("neue Passphrase für sie"))});
    QCOMPARE(changed.status, 0);
    QCOMPARE(records(journal, QStringLiteral("neue Passphrase für sie")), notedDays(4));
    QCOMPARE(records(journal, recovery), notedDays(4));
    OvelaJournalSeal::Status status;
    QVERIFY(!OvelaJournalSeal::open(bytes(journal), QStringLiteral("old passphrase"), &status));
    QCOMPARE(status, OvelaJournalSeal::Status::WrongSecret);

    // Too short a new passphrase is refused before anything is written.
    const QByteArray before = bytes(journal);
    const Run tooShort = run({QStringLiteral("passphrase"), QStringLiteral("--passphrase-file"),
                              path("new"), QStringLiteral("--new-passphrase-file"),
                              secretFile("short", QStringLiteral("seven 7"))});
    QCOMPARE(tooShort.status, 1);
    QCOMPARE(bytes(journal), before);
}

void TestJournalSealed::wrongPassphraseWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("export") << QStringList{QStringLiteral("export")};
    QTest::newRow("import") << QStringList{QStringLiteral("import"), path("in.csv")};
    QTest::newRow("restore") << QStringList{QStringLiteral("restore"), QStringLiteral("1")};
    QTest::newRow("passphrase") << QStringList{
        QStringLiteral("passphrase"), QStringLiteral("--new-passphrase-file"), path("wrong")};
    QTest::newRow("decrypt") << QStringList{QStringLiteral("decrypt"), QStringLiteral("-o"),
                                            path("plain.ovd")};
}

void TestJournalSealed::wrongPassphraseWritesNothing()
{
    QFETCH(QStringList, arguments);
    const QString journal = ovelaJournalPath();
    const auto seal = OvelaJournalSeal::create(QStringLiteral("right passphrase"), nullptr, cheap);
    QVERIFY(save(journal, notedDays(3), seal));
    OvelaJournalBackups backups(ovelaBackupsPath());
    backups.keep(journal, OvelaJournalBackups::Kind::Session);
    QFile in(path("in.csv"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(csvHeader + "2026-05-01,,0,0,,,0,0,0,0,0,0,imported\n");
    in.close();
    secretFile("wrong", QStringLiteral("wrong passphrase"));
    const QMap<QString, QByteArray> before = filesUnder(TestHome::dataHome());

    const Run result =
        run(arguments + QStringList{QStringLiteral("--passphrase-file"), path("wrong")});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(QStringLiteral("does not open")), qPrintable(result.err));
    QCOMPARE(filesUnder(TestHome::dataHome()), before);
}

void TestJournalSealed::decrypt()
{
    const QString journal = ovelaJournalPath();
    QVERIFY(save(journal, notedDays(3),
                 OvelaJournalSeal::create(QStringLiteral("right passphrase"), nullptr, cheap)));
    const QByteArray sealed = bytes(journal);
    const QStringList arguments{QStringLiteral("decrypt"), QStringLiteral("-o"), path("plain.ovd"),
                                QStringLiteral("--passphrase-file"),
                                secretFile("pass", QStringLiteral("right passphrase"))};
    QCOMPARE(run(arguments).status, 0);
    QVERIFY(!OvelaJournalSeal::isSealedFile(path("plain.ovd")));
    QCOMPARE(records(path("plain.ovd")), notedDays(3));
    QCOMPARE(bytes(journal), sealed);
    // Never over a file that is there.
    QCOMPARE(run(arguments).status, 1);
}

void TestJournalSealed::mergeSealed()
{
    const QString journal = ovelaJournalPath();
    const auto mine = OvelaJournalSeal::create(QStringLiteral("my passphrase"), nullptr, cheap);
    QMap<QDate, OvelaRecordEntry> days = notedDays(3);
    QVERIFY(save(journal, days, mine));
    // A journal sealed with another key wants its own passphrase.
    const QString other = path("other.ovd");
    QMap<QDate, OvelaRecordEntry> otherDays;
    otherDays.insert(QDate(2020, 2, 2), notedDays(1).first());
    QVERIFY(save(other, otherDays,
                 OvelaJournalSeal::create(QStringLiteral("their passphrase"), nullptr, cheap)));
    const QString mineFile = secretFile("mine", QStringLiteral("my passphrase"));
    const QByteArray before = bytes(journal);
    QCOMPARE(run({QStringLiteral("merge"), other, QStringLiteral("--passphrase-file"), mineFile,
                  QStringLiteral("--other-passphrase-file"), mineFile})
                 .status,
             1);
    QCOMPARE(bytes(journal), before);
    QCOMPARE(run({QStringLiteral("merge"), other, QStringLiteral("--passphrase-file"), mineFile,
                  QStringLiteral("--other-passphrase-file"),
                  secretFile("theirs", QStringLiteral("their passphrase"))})
                 .status,
             0);
    days.insert(otherDays);
    QCOMPARE(records(journal, QStringLiteral("my passphrase")), days);

    // One sealed with the same key opens with the journal's passphrase alone.
    const QString sameKey = path("same.ovd");
    QMap<QDate, OvelaRecordEntry> more;
    more.insert(QDate(2021, 3, 3), otherDays.first());
    QVERIFY(save(sameKey, more, mine));
    QCOMPARE(run({QStringLiteral("merge"), sameKey, QStringLiteral("--passphrase-file"), mineFile})
                 .status,
             0);
    days.insert(more);
    QCOMPARE(records(journal, QStringLiteral("my passphrase")), days);
}

void TestJournalSealed::salvageKeepsWhatAuthenticates()
{
    const QString damaged = path("damaged.ovd");
    const QMap<QDate, OvelaRecordEntry> days = notedDays(6000);
    QVERIFY(save(damaged, days,
                 OvelaJournalSeal::create(QStringLiteral("right passphrase"), nullptr, cheap)));
    QByteArray sealed = bytes(damaged);
    QVERIFY(sealed.size() > 2 * 64 * 1024); // several chunks
    sealed[sealed.size() - 100] = char(sealed.at(sealed.size() - 100) ^ 1);
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(sealed);
    out.close();

    const QString pass = secretFile("pass", QStringLiteral("right passphrase"));
    const Run checked =
        run({QStringLiteral("check"), damaged, QStringLiteral("--passphrase-file"), pass});
    QCOMPARE(checked.status, 1);
    QVERIFY(checked.out.contains(QStringLiteral("fails authentication")));

    const Run salvaged = run({QStringLiteral("salvage"), damaged, QStringLiteral("-o"),
                              path("rescued.ovd"), QStringLiteral("--passphrase-file"), pass});
    QCOMPARE(salvaged.status, 0);
    QVERIFY(OvelaJournalSeal::isSealedFile(path("rescued.ovd")));
    const QMap<QDate, OvelaRecordEntry> rescued =
        records(path("rescued.ovd"), QStringLiteral("right passphrase"));
    QVERIFY(rescued.size() > 3000 && rescued.size() < days.size());
    for (auto it = rescued.cbegin(); it != rescued.cend(); ++it)
        QCOMPARE(it.value(), days.value(it.key()));
    QCOMPARE(bytes(damaged), sealed);
}

OVELA_TEST_CORE_MAIN(TestJournalSealed)
#include "tst_journal_sealed.moc"
