#include "core/ovela_journal_file.h"
#include "core/ovela_journal_writer.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include "journaltestutil.h"
#include "support/gzip.h"
#include "support/testhome.h"

#include <QLockFile>
#include <QProcess>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <unistd.h>
#include <zlib.h>

using namespace JournalTest;
using LoadResult = OvelaJournalFile::LoadResult;
using LockResult = OvelaJournalFile::LockResult;

Q_DECLARE_METATYPE(OvelaJournalFile::LoadResult)

class TstJournalFile : public QObject
{
    Q_OBJECT

private:
    QString folder() const { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
    QString journal() const { return folder() + QLatin1String("/journal.ovd"); }
    static uint mode(const QString &path)
    {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

private slots:
    void init()
    {
        TestHome::wipe();
        QDir().mkpath(folder());
    }

    void missingFileLeavesTheJournalEmpty()
    {
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::Missing);
        QVERIFY(db.entries().isEmpty());
        QVERIFY(!QFileInfo::exists(journal()));
    }

    // A long journal is saved as one gzip stream that an inflater of our own reads whole, to
    // the journal's exact bytes.
    void bigJournalIsOneWholeGzipStream()
    {
        OvelaDatabase db;
        QDate day(1950, 1, 1);
        for (int i = 0; i < 30000; ++i, day = day.addDays(1)) {
            OvelaRecordEntry entry;
            entry.setTemperature(i % 42);
            entry.setNote(QString::number(i * 7919 % 100003).repeated(i % 5));
            db.setEntry(entry, day);
        }
        db.setStartCycleDate(day);
        QVERIFY(OvelaJournalFile(journal()).save(db));
        bool whole = false;
        const QByteArray stream = Gzip::inflate(readFile(journal()), &whole);
        QVERIFY(whole);
        QVERIFY(stream.size() > 1024 * 1024);
        QCOMPARE(stream, OvelaJournalWriter::journal(db.entries(), db.getStartCycleDate()));
    }

    void loadsAGoodJournal()
    {
        QVERIFY(QFile::copy(fixture(QStringLiteral("two-records.ovd")), journal()));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::Loaded);
        QCOMPARE(db.entries().size(), 2);
        QCOMPARE(db.getEntry(QDate(2000, 1, 1)).getNote(), QStringLiteral("ok"));
        QCOMPARE(db.getEntry(QDate(2004, 3, 1)).getTemperature(), 41);
        QCOMPARE(db.getStartCycleDate(), QDate(2004, 2, 24));
        QVERIFY(file.movedAsidePath().isEmpty());
    }

    void unreadableFileIsMovedAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("wrong magic") << readFile(fixture(QStringLiteral("wrong-magic.ovd")));
        QTest::newRow("truncated stream") << readFile(fixture(QStringLiteral("truncated.ovd")));
        QTest::newRow("not gzip, not a journal") << readFile(fixture(QStringLiteral("not-gzip.ovd")));
        QTest::newRow("empty file") << QByteArray();
        // Loaded as the records the count names, its next save would drop the rest.
        QTest::newRow("records after the start date")
            << readFile(QStringLiteral(OVELA_TEST_DATA "/count-too-low.ovd"));
    }

    void unreadableFileIsMovedAside()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeFile(journal(), content));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::MovedAside);
        QVERIFY(db.entries().isEmpty());
        QVERIFY(!db.getStartCycleDate().isValid());
        QCOMPARE(file.movedAsidePath(), journal() + QLatin1String(".unreadable"));
        QVERIFY(!QFileInfo::exists(journal()));
        QCOMPARE(readFile(file.movedAsidePath()), content);
        QCOMPARE(mode(file.movedAsidePath()), 0600u);

        // The new journal goes where the old one was; what was kept aside stays as it is.
        QVERIFY(file.save(db));
        QCOMPARE(gunzip(journal()), emptyJournalStream());
        QCOMPARE(readFile(file.movedAsidePath()), content);
    }

    void movedAsideNamesNeverReplaceEarlierOnes()
    {
        const QString aside = journal() + QLatin1String(".unreadable");
        QVERIFY(writeFile(aside, "first"));
        QVERIFY(writeFile(aside + QLatin1String(".1"), "second"));
        QVERIFY(writeFile(journal(), "third"));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::MovedAside);
        QCOMPARE(file.movedAsidePath(), aside + QLatin1String(".2"));
        QCOMPARE(readFile(aside), QByteArray("first"));
        QCOMPARE(readFile(aside + QLatin1String(".1")), QByteArray("second"));
        QCOMPARE(readFile(aside + QLatin1String(".2")), QByteArray("third"));
    }

    void savesTheEmptyJournalPrivately()
    {
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QVERIFY(file.save(db));
        const QByteArray stream = gunzip(journal());
        QCOMPARE(stream.size(), 33);
        QCOMPARE(stream, emptyJournalStream());
        QCOMPARE(mode(journal()), 0600u);
        // No previous journal, so no backup, and no temporary file left behind.
        QCOMPARE(strayFiles(folder(), {QStringLiteral("journal.ovd")}), QStringList());
    }

    void saveKeepsThePreviousJournalAsBackup()
    {
        const QByteArray previous = readFile(fixture(QStringLiteral("two-records.ovd")));
        QVERIFY(writeFile(journal(), previous));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::Loaded);
        db.removeEntry(QDate(2000, 1, 1));
        QVERIFY(file.save(db));

        QCOMPARE(readFile(file.backupPath()), previous);
        OvelaDatabase reread;
        QCOMPARE(OvelaJournalFile(journal()).load(reread), LoadResult::Loaded);
        QCOMPARE(reread.entries().keys(), QList<QDate>{QDate(2004, 3, 1)});
        QCOMPARE(reread.getStartCycleDate(), QDate(2004, 2, 24));

        // Later saves of the same session leave the backup as the session found the journal, so
        // a mistaken Clear Database can still be undone; it stays private whatever the
        // journal's own mode.
        QVERIFY(QFile::setPermissions(journal(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ReadOther));
        db.clear();
        QVERIFY(file.save(db));
        QCOMPARE(readFile(file.backupPath()), previous);
        QCOMPARE(mode(file.backupPath()), 0600u);
        // A new session's first save makes the backup anew.
        const QByteArray cleared = readFile(journal());
        OvelaJournalFile next(journal());
        QCOMPARE(next.load(db), LoadResult::Loaded);
        QVERIFY(next.save(db));
        QCOMPARE(readFile(next.backupPath()), cleared);
        QCOMPARE(strayFiles(folder(), {QStringLiteral("journal.ovd"), QStringLiteral("journal.ovd.bak")}),
                 QStringList());
    }

    void journalBehindASymbolicLinkIsReplacedWhereItLives()
    {
        const QString elsewhere = TestHome::home().path() + QLatin1String("/synced");
        QVERIFY(QDir().mkpath(elsewhere));
        const QString real = elsewhere + QLatin1String("/diary.ovd");
        const QByteArray previous = readFile(fixture(QStringLiteral("two-records.ovd")));
        QVERIFY(writeFile(real, previous));
        QVERIFY(QFile::link(real, journal()));

        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::Loaded);
        db.clear();
        QVERIFY(file.save(db));

        QVERIFY(QFileInfo(journal()).isSymLink());
        QCOMPARE(gunzip(real).mid(25, 4), QByteArray::fromHex("00000000"));
        QCOMPARE(readFile(real + QLatin1String(".bak")), previous);
        QCOMPARE(strayFiles(elsewhere, {QStringLiteral("diary.ovd"), QStringLiteral("diary.ovd.bak")}),
                 QStringList());
        QDir(elsewhere).removeRecursively();
    }

    void fullDiskLeavesTheOldJournalWhole()
    {
        // A file size limit fails the write part-way, as a full disk does.
        const QByteArray previous = gzip(bigJournalStream(20000));
        QVERIFY(previous.size() > 8192);
        QVERIFY(writeFile(journal(), previous));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QCOMPARE(file.load(db), LoadResult::Loaded);

        struct rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit low = saved;
        low.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
        const bool saved_ok = file.save(db);
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!saved_ok);
        QVERIFY(!file.errorString().isEmpty());
        QCOMPARE(readFile(journal()), previous);
        QCOMPARE(strayFiles(folder(), {QStringLiteral("journal.ovd")}), QStringList());

        // Room again: the same journal now saves.
        QVERIFY(file.save(db));
        QCOMPARE(gunzip(journal()), bigJournalStream(20000));
    }

    void failedRenameRemovesTheTemporaryFile()
    {
        // A non-empty folder where the journal should go cannot be renamed over.
        QVERIFY(QDir().mkpath(journal() + QLatin1String("/keep")));
        OvelaJournalFile file(journal());
        OvelaDatabase db;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(!file.save(db));
        QVERIFY2(file.errorString().contains(QLatin1String("cannot rename")),
                 qPrintable(file.errorString()));
        QVERIFY(QFileInfo(journal() + QLatin1String("/keep")).isDir());
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // With a journal there again, the session's backup is made after all: no save of this
        // session has replaced it yet.
        QVERIFY(QDir(journal()).removeRecursively());
        QVERIFY(writeFile(journal(), "found again"));
        QVERIFY(file.save(db));
        QCOMPARE(readFile(journal() + QLatin1String(".bak")), QByteArray("found again"));
    }

    void missingFolderFailsWithoutCreatingAnything()
    {
        const QString elsewhere = TestHome::dataHome() + QLatin1String("/gone/journal.ovd");
        OvelaJournalFile file(elsewhere);
        OvelaDatabase db;
        QVERIFY(!file.save(db));
        QVERIFY(!QFileInfo::exists(TestHome::dataHome() + QLatin1String("/gone")));
    }

    void secondLockIsRefusedUntilTheFirstIsGone()
    {
        auto first = std::make_unique<OvelaJournalFile>(journal());
        QCOMPARE(first->lock(), LockResult::Locked);
        QVERIFY(QFileInfo::exists(first->lockPath()));
        QCOMPARE(mode(first->lockPath()), 0600u); // like every file of the diary

        OvelaJournalFile second(journal());
        QCOMPARE(second.lock(), LockResult::HeldElsewhere);
        QCOMPARE(second.lockOwner(), qint64(QCoreApplication::applicationPid()));
        QVERIFY(!second.isLocked());

        first.reset();
        QVERIFY(!QFileInfo::exists(journal() + QLatin1String(".lock")));
        QCOMPARE(second.lock(), LockResult::Locked);
    }

    void staleLockOfADeadProcessIsTakenOver()
    {
        // A lock as a crashed copy leaves it: the content of a real lock, with a dead pid.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QVERIFY(deadPid > 0);
        QVERIFY(::kill(pid_t(deadPid), 0) != 0);
        QByteArray content;
        {
            QLockFile real(journal() + QLatin1String(".lock"));
            QVERIFY(real.tryLock());
            content = readFile(journal() + QLatin1String(".lock"));
            real.unlock();
        }
        QVERIFY(content.contains('\n'));
        content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
        QVERIFY(writeFile(journal() + QLatin1String(".lock"), content));

        OvelaJournalFile file(journal());
        QCOMPARE(file.lock(), LockResult::Locked);
        QCOMPARE(readFile(file.lockPath()).split('\n').first(),
                 QByteArray::number(QCoreApplication::applicationPid()));
    }

    void unfinishedSavesAreRemovedUnderTheLock()
    {
        const QByteArray good = readFile(fixture(QStringLiteral("two-records.ovd")));
        QVERIFY(writeFile(journal(), good));
        const QString leftover = journal() + QLatin1String(".a1B2c3.new");
        QVERIFY(writeFile(leftover, "half a journal"));
        const QString backupLeftover = journal() + QLatin1String(".bak.Q9w8e7");
        QVERIFY(writeFile(backupLeftover, "half a backup"));
        // The backup itself and names that only look alike stay.
        const QStringList kept {QStringLiteral("journal.ovd.notes"), QStringLiteral("journal.ovd.bak"),
                                QStringLiteral("journal.ovd.ab.new"),
                                QStringLiteral("journal.ovd.bak.Q9w8e7x")};
        for (const QString &name : kept)
            QVERIFY(writeFile(folder() + QLatin1Char('/') + name, "not ours"));

        // Without the lock another copy may be saving right now: leave its file alone.
        OvelaDatabase db;
        QCOMPARE(OvelaJournalFile(journal()).load(db), LoadResult::Loaded);
        QVERIFY(QFileInfo::exists(leftover));

        OvelaJournalFile file(journal());
        QCOMPARE(file.lock(), LockResult::Locked);
        OvelaDatabase locked;
        QCOMPARE(file.load(locked), LoadResult::Loaded);
        QVERIFY(!QFileInfo::exists(leftover));
        QVERIFY(!QFileInfo::exists(backupLeftover));
        QCOMPARE(readFile(journal()), good);
        for (const QString &name : kept)
            QCOMPARE(readFile(folder() + QLatin1Char('/') + name), QByteArray("not ours"));
    }

    void lockInAMissingFolderIsUnavailable()
    {
        OvelaJournalFile file(TestHome::dataHome() + QLatin1String("/gone/journal.ovd"));
        QCOMPARE(file.lock(), LockResult::Unavailable);
        QVERIFY(!file.isLocked());
    }
};

OVELA_TEST_CORE_MAIN(TstJournalFile)
#include "tst_journalfile.moc"
