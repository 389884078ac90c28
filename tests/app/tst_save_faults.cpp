#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include "support/testhome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <functional>
#include <random>

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// Faults during the save at exit, through the program's own save path: a write that stops at
// any 4 KiB boundary, a rename or a sync that fails, a read-only folder, and the real program
// killed at random moments while it saves. After each, the journal on disk must load and be
// either the journal that was there before or, once the save has reported success, the new one.
namespace {

const int BlockSize = 4096;

// A few years of daily records with notes that deflate poorly, so that the file spans many
// 4 KiB blocks and its save takes long enough to be interrupted.
void fillLarge(OvelaDatabase &journal, quint32 seed, int days)
{
    std::mt19937 random(seed);
    const QDate first(2019, 1, 1);
    for (int d = 0; d < days; ++d) {
        OvelaRecordEntry entry;
        entry.setDoctor(random() % 7 == 0);
        entry.setCramps(random() % 3 == 0);
        entry.setSex(random() % 4 == 0);
        entry.setTemperature(int(random() % 42));
        entry.setCervicalFluid(int(random() % 7));
        QString note;
        const int length = int(random() % 200);
        for (int i = 0; i < length; ++i)
            note.append(QChar(ushort(0x20 + random() % 0x5E + (random() % 9 == 0 ? 0x3000 : 0))));
        entry.setNote(note);
        journal.setEntry(entry, first.addDays(d));
    }
    journal.setStartCycleDate(first.addDays(days - 3));
}

bool sameJournal(const OvelaDatabase &a, const OvelaDatabase &b)
{
    return a.entries() == b.entries() && a.getStartCycleDate() == b.getStartCycleDate();
}

// Reads a journal file without the program's start-up handling (which would move a bad file
// aside): the raw question is whether these bytes load.
bool loadFile(const QString &path, OvelaDatabase &journal)
{
    QZipFile file(path);
    return file.open(QIODevice::ReadOnly) && journal.load(&file);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Makes the listed system calls fail with `error` for the rest of this process.
bool failSystemCalls(const QList<int> &calls, int error)
{
    std::vector<sock_filter> program;
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
    for (int call : calls) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(call), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (error & SECCOMP_RET_DATA)));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog filter{};
    filter.len = static_cast<unsigned short>(program.size());
    filter.filter = program.data();
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
        && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

// Makes `folder` read-only for this process the way a read-only file system is: a private
// mount namespace with a read-only bind mount over it. Permission bits do not stop root, who
// runs these tests here; a read-only mount stops everyone. Without the privilege for that,
// an ordinary user is stopped by the permission bits.
bool makeFolderReadOnly(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::unshare(CLONE_NEWNS) == 0) {
        return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0
            && ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                       nullptr)
                   == 0;
    }
    if (::geteuid() == 0)
        return false;
    return ::chmod(path.constData(), 0500) == 0;
}

enum ChildResult { Saved = 0, NotSaved = 1, SetupFailed = 2 };

// Runs the save in a forked child, so that the fault set up before it (a file size limit, a
// system call filter, a mount) stays in that child. The child ends with _exit: it must not
// run the test's own exit code, which would remove the temporary home.
int saveInChild(const QString &path, const OvelaDatabase &journal,
                const std::function<bool()> &setUpFault)
{
    fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!setUpFault())
            ::_exit(SetupFailed);
        OvelaJournalFile file(path);
        ::_exit(file.save(journal) ? Saved : NotSaved);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    if (WIFSIGNALED(status))
        return 1000 + WTERMSIG(status); // the save was not allowed to end the program
    return WEXITSTATUS(status);
}

} // namespace

class TstSaveFaults : public QObject
{
    Q_OBJECT

private:
    OvelaDatabase before;
    OvelaDatabase after;
    qint64 beforeSize = 0; // on disk, compressed
    qint64 afterSize = 0;

    QString folder() const { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
    QString journal() const { return folder() + QLatin1String("/journal.ovd"); }

    // The folder holds `before`, saved the regular way.
    void putBefore()
    {
        QDir(folder()).removeRecursively();
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(OvelaJournalFile(journal()).save(before));
        QFile::remove(journal() + QLatin1String(".bak"));
    }

    void verifyOnDisk(const OvelaDatabase &expected, const char *what)
    {
        OvelaDatabase onDisk;
        QVERIFY2(loadFile(journal(), onDisk), what);
        QVERIFY2(sameJournal(onDisk, expected), what);
    }

private slots:
    void initTestCase();
    void writeStopsAtEveryBlock();
    void systemCallFails_data();
    void systemCallFails();
    void folderIsReadOnly();
    void killedWhileSaving();
};

void TstSaveFaults::initTestCase()
{
    // 6 years before, the same 6 years with another day's edits and 2 more months after.
    fillLarge(before, 1, 6 * 365);
    fillLarge(after, 2, 6 * 365 + 60);
    QVERIFY(!sameJournal(before, after));

    putBefore();
    beforeSize = QFileInfo(journal()).size();
    const QString probe = folder() + QLatin1String("/probe.ovd");
    QVERIFY(OvelaJournalFile(probe).save(after));
    afterSize = QFileInfo(probe).size();
    QFile::remove(probe);
    qInfo("journal before: %lld bytes on disk, after: %lld bytes", beforeSize, afterSize);
    QVERIFY(afterSize > 48 * BlockSize);
}

void TstSaveFaults::writeStopsAtEveryBlock()
{
    // The file size limit stops the write of the new journal part-way, with EFBIG on the write
    // that crosses it (SIGXFSZ, whose default would end the program, is ignored by the save),
    // as a full disk would. Every 4 KiB boundary of the new file, plus one byte either side of
    // the first ones and the limit of exactly the file's size.
    QList<qint64> limits;
    for (qint64 limit = 0; limit <= afterSize + BlockSize; limit += BlockSize)
        limits << limit;
    limits << 1 << BlockSize - 1 << BlockSize + 1 << afterSize - 1 << afterSize;

    int failedSaves = 0;
    for (const qint64 limit : std::as_const(limits)) {
        putBefore();
        const int result = saveInChild(journal(), after, [limit] {
            struct rlimit rl {};
            rl.rlim_cur = rl.rlim_max = rlim_t(limit);
            return ::setrlimit(RLIMIT_FSIZE, &rl) == 0;
        });
        const QByteArray where = QByteArray("file size limit ") + QByteArray::number(limit);
        if (limit < afterSize) {
            QVERIFY2(result == NotSaved, where + " reported " + QByteArray::number(result));
            verifyOnDisk(before, where.constData());
            ++failedSaves;
        } else {
            QVERIFY2(result == Saved, where + " reported " + QByteArray::number(result));
            verifyOnDisk(after, where.constData());
        }
        // A failed save leaves nothing behind but the journal; a good one its backup too.
        const QStringList expected = limit < afterSize
            ? QStringList{QStringLiteral("journal.ovd")}
            : QStringList{QStringLiteral("journal.ovd"), QStringLiteral("journal.ovd.bak")};
        QCOMPARE(filesIn(folder()), expected);
    }
    qInfo("file size limits tried: %lld, saves refused: %d", qint64(limits.size()), failedSaves);
}

void TstSaveFaults::systemCallFails_data()
{
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<int>("error");
    // The new file is complete and synced; only putting it in place fails (EXDEV, EIO and
    // the like from rename(2)).
    QTest::newRow("rename fails") << QList<int>{SYS_rename, SYS_renameat, SYS_renameat2} << EIO;
    // The disk reports an error when the data is flushed: the data may never have arrived.
    QTest::newRow("sync fails") << QList<int>{SYS_fsync, SYS_fdatasync} << EIO;
    // Every write(2) of the gzip stream fails as on a full disk.
    QTest::newRow("disk full on write") << QList<int>{SYS_write, SYS_pwrite64, SYS_writev} << ENOSPC;
}

void TstSaveFaults::systemCallFails()
{
    QFETCH(QList<int>, calls);
    QFETCH(int, error);
    putBefore();
    const int result =
        saveInChild(journal(), after, [calls, error] { return failSystemCalls(calls, error); });
    QCOMPARE(result, int(NotSaved));
    verifyOnDisk(before, QTest::currentDataTag());
    QStringList left = filesIn(folder());
    QVERIFY2(left.removeAll(QStringLiteral("journal.ovd")) == 1, qPrintable(left.join(u' ')));
    // The backup is a second name of the old journal, made before the rename; nothing else.
    left.removeAll(QStringLiteral("journal.ovd.bak"));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

void TstSaveFaults::folderIsReadOnly()
{
    putBefore();
    const QString path = folder();
    const int result = saveInChild(journal(), after, [path] { return makeFolderReadOnly(path); });
    QVERIFY2(result != SetupFailed, "could not make the folder read-only");
    QCOMPARE(result, int(NotSaved));
    verifyOnDisk(before, "read-only folder");
    QCOMPARE(filesIn(folder()), QStringList{QStringLiteral("journal.ovd")});
}

void TstSaveFaults::killedWhileSaving()
{
    // The real program loads `before` and records a day in its window; SIGTERM, sent at once,
    // starts the save at exit of that change (`edited`), SIGKILL cuts it off at a random
    // moment. The file on disk must then be `before` (not yet replaced) or `edited` (replaced),
    // never anything between.
    const QString program = QStringLiteral(OVELA_BINARY_DIR "/src/app/ovelaZ");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    const int kills = qEnvironmentVariableIntValue("OVELA_KILLS") > 0
        ? qEnvironmentVariableIntValue("OVELA_KILLS")
        : 40;

    QDir(folder()).removeRecursively();
    QVERIFY(QDir().mkpath(folder()));
    const QString beforeFile = TestHome::home().path() + QLatin1String("/before.ovd");
    QVERIFY(OvelaJournalFile(beforeFile).save(before));
    // What the edit in the program makes of it: today recorded with "Dr's apt.".
    OvelaDatabase edited;
    for (auto it = before.entries().cbegin(); it != before.entries().cend(); ++it)
        edited.setEntry(it.value(), it.key());
    edited.setStartCycleDate(before.getStartCycleDate());
    OvelaRecordEntry today = edited.getEntry(QDate::currentDate());
    today.setDoctor(true);
    edited.setEntry(today, QDate::currentDate());

    // One run: returns the time from SIGTERM to the end, or -1; kills after `killAfterUs`
    // microseconds when that is not negative.
    const auto run = [&](qint64 killAfterUs, bool *killed, int *exitCode) -> qint64 {
        QFile::remove(journal());
        if (!QFile::copy(beforeFile, journal()))
            return -1;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(OVELA_EDIT_IN_PROGRAM));
        process.setProcessEnvironment(env);
        // Its warnings from the offscreen platform are noise here; its own lines are kept.
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(program, {});
        if (!process.waitForStarted())
            return -1;
        // Sent as soon as the day is recorded, well within the half second before the change
        // would be saved as she goes: the save at exit writes it.
        QElapsedTimer waited;
        waited.start();
        while (!process.canReadLine() && waited.elapsed() < 60000)
            process.waitForReadyRead(20);
        if (process.readLine() != "edited\n") {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(process.processId()), SIGTERM);
        if (killAfterUs >= 0) {
            ::usleep(useconds_t(killAfterUs));
            ::kill(pid_t(process.processId()), SIGKILL);
        }
        if (!process.waitForFinished(60000))
            return -1;
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        *killed = process.exitStatus() == QProcess::CrashExit;
        for (const QByteArray &line : process.readAllStandardError().split('\n'))
            if (line.startsWith("ovelaZ:"))
                qWarning("%s", line.constData());
        return clock.nsecsElapsed() / 1000;
    };

    // How long an undisturbed save at exit takes, the slowest of three.
    qint64 saveUs = 0;
    for (int i = 0; i < 3; ++i) {
        bool killed = false;
        int exitCode = -1;
        const qint64 took = run(-1, &killed, &exitCode);
        QVERIFY2(took >= 0, "the program did not start, load and end");
        QCOMPARE(exitCode, 0);
        verifyOnDisk(edited, "undisturbed run");
        saveUs = qMax(saveUs, took);
    }

    std::mt19937 random(20240611);
    int endedBefore = 0, endedAfter = 0, temporaryLeft = 0, killsLanded = 0;
    for (int i = 0; i < kills; ++i) {
        const qint64 delay = std::uniform_int_distribution<qint64>(0, saveUs * 5 / 4)(random);
        bool killed = false;
        int exitCode = -1;
        QVERIFY2(run(delay, &killed, &exitCode) >= 0, "the program did not start, load and end");
        killsLanded += killed;

        OvelaDatabase onDisk;
        const QByteArray where = "kill " + QByteArray::number(i) + " after "
            + QByteArray::number(delay) + " us";
        QVERIFY2(loadFile(journal(), onDisk), where + ": the journal does not load");
        if (sameJournal(onDisk, before))
            ++endedBefore;
        else if (sameJournal(onDisk, edited))
            ++endedAfter;
        else
            QFAIL(where + ": the journal is neither the old nor the new one");
        if (!killed) {
            // It ended on its own before the kill: then it saved, completely, and said so.
            QVERIFY2(exitCode == 0, where);
            QVERIFY2(sameJournal(onDisk, edited), where + ": ended well but kept the old journal");
        }
        for (const QString &name : filesIn(folder()))
            if (name.endsWith(QLatin1String(".new")))
                ++temporaryLeft, QFile::remove(folder() + QLatin1Char('/') + name);
    }
    qInfo("kills: %d tried (%d landed before the program ended), slowest save at exit %lld us; "
          "old journal kept %d times, new one in place %d times, %d half-written temporary files "
          "left beside it",
          kills, killsLanded, saveUs, endedBefore, endedAfter, temporaryLeft);
    // Kills that all land before or all after the save test nothing: the delays must span it.
    QVERIFY(endedBefore > 0);
    QVERIFY(endedAfter > 0);
}

OVELA_TEST_CORE_MAIN(TstSaveFaults)
#include "tst_save_faults.moc"
