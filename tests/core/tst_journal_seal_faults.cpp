#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"
#include "core/ovela_record_database.h"

#include "support/testhome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <functional>
#include <random>
#include <vector>

// The save of an encrypted journal under faults: a write that stops at any 4 KiB boundary, a
// rename, sync or write that fails, and the saving process killed at random moments. After
// each, the journal on disk must open and be the journal that was there before or, once the
// save has reported success, the new one; and never anything plain beside it.
namespace {

const int BlockSize = 4096;
const OvelaJournalSeal::Cost cheap{1, 8};

QMap<QDate, OvelaRecordEntry> largeJournal(quint32 seed, int days)
{
    std::mt19937 random(seed);
    QMap<QDate, OvelaRecordEntry> records;
    for (int d = 0; d < days; ++d) {
        OvelaRecordEntry entry;
        entry.setTemperature(int(random() % 42));
        QString note;
        const int length = int(random() % 200);
        for (int i = 0; i < length; ++i)
            note.append(QChar(ushort(0x20 + random() % 0x5E)));
        entry.setNote(note);
        records.insert(QDate(2019, 1, 1).addDays(d), entry);
    }
    return records;
}

bool failSystemCalls(const QList<int> &calls, int error)
{
    std::vector<sock_filter> program;
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
    for (int call : calls) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(call), 0, 1));
        program.push_back(
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (error & SECCOMP_RET_DATA)));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog filter{};
    filter.len = static_cast<unsigned short>(program.size());
    filter.filter = program.data();
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

enum ChildResult { Saved = 0, NotSaved = 1, SetupFailed = 2 };

} // namespace

class TestJournalSealFaults : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<const OvelaJournalSeal> seal;
    QMap<QDate, OvelaRecordEntry> before;
    QMap<QDate, OvelaRecordEntry> after;
    qint64 afterSize = 0;

    QString folder() const { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
    QString journal() const { return folder() + QLatin1String("/journal.ovd"); }

    void putBefore()
    {
        QDir(folder()).removeRecursively();
        QVERIFY(QDir().mkpath(folder()));
        OvelaJournalFile file(journal());
        file.setSeal(seal);
        QVERIFY(file.save(before, QDate()));
    }

    // Saves `after` in a forked child, killed after `killAfterUs` when that is not negative,
    // with the fault `setUp` makes in it.
    int saveInChild(const std::function<bool()> &setUp, qint64 killAfterUs = -1)
    {
        fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (!setUp())
                ::_exit(SetupFailed);
            OvelaJournalFile file(journal());
            file.setSeal(seal);
            ::_exit(file.save(after, QDate()) ? Saved : NotSaved);
        }
        if (killAfterUs >= 0) {
            ::usleep(useconds_t(killAfterUs));
            ::kill(pid, SIGKILL);
        }
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
            return -1;
        return WIFSIGNALED(status) ? 1000 + WTERMSIG(status) : WEXITSTATUS(status);
    }

    // What is on disk: the records of the sealed journal, and whether every file in the folder
    // is sealed (a temporary file cut short is, from its first byte).
    bool onDisk(QMap<QDate, OvelaRecordEntry> *records)
    {
        for (const QString &name : QDir(folder()).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(folder() + QLatin1Char('/') + name);
            if (file.open(QIODevice::ReadOnly) && file.size() > 0 &&
                !OvelaJournalSeal::isSealed(file.read(OvelaJournalSeal::MagicSize)))
                return false;
        }
        OvelaJournalFile file(journal());
        file.setSeal(seal);
        OvelaDatabase loaded;
        if (file.read(loaded) != OvelaJournalFile::LoadResult::Loaded)
            return false;
        *records = loaded.entries();
        return true;
    }

private slots:
    void initTestCase()
    {
        seal = OvelaJournalSeal::create(QStringLiteral("a passphrase"), nullptr, cheap);
        QVERIFY(seal);
        before = largeJournal(1, 6 * 365);
        after = largeJournal(2, 6 * 365 + 60);
        const QString probe = TestHome::dataHome() + QLatin1String("/probe.ovd");
        OvelaJournalFile file(probe);
        file.setSeal(seal);
        QVERIFY(file.save(after, QDate()));
        afterSize = QFileInfo(probe).size();
        QFile::remove(probe);
        QVERIFY(afterSize > 48 * BlockSize);
    }

    void writeStopsAtEveryBlock()
    {
        // The sealed file is made in memory and goes to the disk in one write: every fourth
        // block boundary and the edges tell as much as every one.
        QList<qint64> limits;
        for (qint64 limit = 0; limit <= afterSize + BlockSize; limit += 4 * BlockSize)
            limits << limit;
        limits << 1 << afterSize - 1 << afterSize;
        for (const qint64 limit : std::as_const(limits)) {
            putBefore();
            const int result = saveInChild([limit] {
                struct rlimit rl
                {
                };
                rl.rlim_cur = rl.rlim_max = rlim_t(limit);
                return ::setrlimit(RLIMIT_FSIZE, &rl) == 0;
            });
            const QByteArray where = "file size limit " + QByteArray::number(limit);
            QCOMPARE(result, int(limit < afterSize ? NotSaved : Saved));
            QMap<QDate, OvelaRecordEntry> records;
            QVERIFY2(onDisk(&records), where);
            QVERIFY2(records == (limit < afterSize ? before : after), where);
        }
        qInfo("sealed journal: %lld bytes; file size limits tried: %lld", afterSize,
              qint64(limits.size()));
    }

    void systemCallFails_data()
    {
        QTest::addColumn<QList<int>>("calls");
        QTest::addColumn<int>("error");
        QTest::newRow("rename fails") << QList<int>{SYS_rename, SYS_renameat, SYS_renameat2} << EIO;
        QTest::newRow("sync fails") << QList<int>{SYS_fsync, SYS_fdatasync} << EIO;
        QTest::newRow("disk full on write")
            << QList<int>{SYS_write, SYS_pwrite64, SYS_writev} << ENOSPC;
    }

    void systemCallFails()
    {
        QFETCH(QList<int>, calls);
        QFETCH(int, error);
        putBefore();
        QCOMPARE(saveInChild([calls, error] { return failSystemCalls(calls, error); }),
                 int(NotSaved));
        QMap<QDate, OvelaRecordEntry> records;
        QVERIFY(onDisk(&records));
        QVERIFY(records == before);
    }

    void killedWhileSaving()
    {
        // The slowest of a few undisturbed saves sets the range of the random moments.
        qint64 slowestUs = 0;
        for (int i = 0; i < 3; ++i) {
            putBefore();
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(saveInChild([] { return true; }), int(Saved));
            slowestUs = qMax(slowestUs, clock.nsecsElapsed() / 1000);
        }
        std::mt19937 random(7);
        const int kills = qEnvironmentVariableIntValue("OVELA_KILLS") > 0
                              ? qEnvironmentVariableIntValue("OVELA_KILLS")
                              : 40;
        int old = 0;
        int replaced = 0;
        for (int i = 0; i < kills; ++i) {
            putBefore();
            const qint64 delay = qint64(random() % quint32(slowestUs * 5 / 4 + 1));
            const int result = saveInChild([] { return true; }, delay);
            QMap<QDate, OvelaRecordEntry> records;
            QVERIFY2(onDisk(&records), qPrintable(QStringLiteral("killed after %1 us").arg(delay)));
            QVERIFY(records == before || records == after);
            QVERIFY(result != Saved || records == after);
            ++(records == before ? old : replaced);
        }
        qInfo("kills: %d, old journal kept: %d, new journal in place: %d", kills, old, replaced);
    }
};

OVELA_TEST_CORE_MAIN(TestJournalSealFaults)
#include "tst_journal_seal_faults.moc"
