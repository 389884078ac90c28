#include "app/ovela_main_widget.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "core/ovela_journal_seal.h"
#include "core/qzipfile.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "settings/Preferences.h"

#include "journaltestutil.h"
#include "support/modal.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <random>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace JournalTest;

// Saving as the user goes, in this process and in a child process that is killed.
namespace {

QString folder() { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
QString journal() { return folder() + QLatin1String("/journal.ovd"); }

bool loadFile(const QString &path, OvelaDatabase &db)
{
    QZipFile file(path);
    return file.open(QIODevice::ReadOnly) && db.load(&file);
}

// The journal as the window opens it: with the passphrase, when one is given.
bool loadJournal(const QString &passphrase, OvelaDatabase &db)
{
    if (passphrase.isEmpty())
        return loadFile(journal(), db);
    OvelaJournalSeal::Status status;
    const auto seal = OvelaJournalSeal::open(readFile(journal()), passphrase, &status);
    OvelaJournalFile file(journal());
    file.setSeal(seal);
    return seal && file.read(db) == OvelaJournalFile::LoadResult::Loaded;
}

// A read-only file system over the folder, for this process: permission bits do not stop root,
// who runs the tests here. Without the privilege for a mount, the bits stop an ordinary user.
bool makeReadOnly(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    static bool ownNamespace = ::unshare(CLONE_NEWNS) == 0
        && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (ownNamespace)
        return ::mount(name.constData(), name.constData(), nullptr, MS_BIND, nullptr) == 0
            && ::mount(nullptr, name.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                       nullptr)
                   == 0;
    return ::geteuid() != 0 && ::chmod(name.constData(), 0500) == 0;
}

void makeWritable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::umount(name.constData()) != 0)
        ::chmod(name.constData(), 0700);
}

// The child session of killedAtRandomMoments: a window on the journal that records one day
// after another, each a new note, and says on stdout which it has recorded.
// The child session of settingsSurviveAKillRightAfterOK: OK in the preferences with a new
// cycle length and goal, then killed before anything else runs.
int preferencesSession()
{
    Preferences preferences;
    OvelaMainWindow window(preferences);
    if (!window.isReady())
        return 2;
    Modal::run<OvelaPreferencesDialog>([](OvelaPreferencesDialog *d) {
        d->ebCyclePeriod->setText(QStringLiteral("31"));
        d->btnConceiveGirl->setChecked(true);
    }, true);
    window.calendarPage()->onPreferences();
    ::raise(SIGKILL);
    return 3;
}

int childSession(int &argc, char **argv)
{
    QPEApplication app(argc, argv);
    if (qEnvironmentVariable("OVELA_CHILD_SESSION") == QLatin1String("preferences"))
        return preferencesSession();
    // An encrypted journal's passphrase, typed at the prompt.
    const QString passphrase = qEnvironmentVariable("OVELA_CHILD_PASSPHRASE");
    if (!passphrase.isEmpty())
        Password::setHook([passphrase](const QString &) { return passphrase; });
    Preferences preferences;
    OvelaMainWindow window(preferences);
    if (!window.isReady())
        return 2;
    QTimer edits;
    int n = 0;
    QObject::connect(&edits, &QTimer::timeout, &window, [&] {
        OvelaRecordEntry entry;
        entry.setNote(QStringLiteral("edit %1").arg(++n));
        window.calendar()->setEntry(entry, QDate(2020, 1, 1).addDays(n));
        std::printf("%d\n", n);
        std::fflush(stdout);
    });
    edits.start(37);
    return app.exec();
}

// A saver whose every save waits at a gate until the test lets it through.
class GatedSaver : public OvelaJournalSaver
{
public:
    GatedSaver(OvelaJournalFile &file, const OvelaDatabase &journal)
        : OvelaJournalSaver(file, journal)
    {
    }
    QSemaphore gate;

protected:
    bool write(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start) override
    {
        gate.acquire();
        return OvelaJournalSaver::write(records, start);
    }
};

} // namespace

class TstAutosave : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestHome::wipe();
        QDir().mkpath(folder());
    }

    void changesAreOnDiskWhileTheWindowIsOpen()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        OvelaCentralWidget *page = window.calendarPage();
        const QDate day(2026, 3, 16);
        page->monthView()->setDate(day);
        const auto onDisk = [](OvelaDatabase &db) { return loadFile(journal(), db); };

        // An accepted edit.
        Modal::run<OvelaRecordEntryDialog>(
            [](OvelaRecordEntryDialog *d) { d->chkDoctor->setChecked(true); }, true);
        page->onEdit();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] { OvelaDatabase db; return onDisk(db) && db.getEntry(day).getDoctor(); }(), 5000);

        // A new start date.
        page->onStartCycleDate();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] { OvelaDatabase db; return onDisk(db) && db.getStartCycleDate() == day; }(), 5000);

        // A delete, confirmed.
        Modal::press(QStringLiteral("yesButton"));
        page->onDelete();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] { OvelaDatabase db; return onDisk(db) && !db.containsEntry(day); }(), 5000);
        QTRY_VERIFY(!window.saver()->isPending());
    }

    // Emptying the diary and deleting a day both ask, and one key answers No.
    void deleteQuestionsDefaultToNo()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        const QDate day(2026, 1, 1);
        OvelaRecordEntry entry;
        entry.setCramps(true);
        window.calendar()->setEntry(entry, day);
        window.calendarPage()->monthView()->setDate(day);
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            Modal::answer([key](QWidget *box) { QTest::keyClick(box, Qt::Key(key)); });
            window.onClearDatabase();
            QVERIFY2(window.calendar()->containsEntry(day), "one key emptied it");
            Modal::answer([key](QWidget *box) { QTest::keyClick(box, Qt::Key(key)); });
            window.calendarPage()->onDelete();
            QVERIFY2(window.calendar()->containsEntry(day), "one key deleted the day");
        }
    }

    void backupHoldsTheSessionStart()
    {
        const QByteArray start = readFile(fixture(QStringLiteral("two-records.ovd")));
        QVERIFY(writeFile(journal(), start));
        QVERIFY(QFile::setPermissions(journal(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ReadGroup
                                                     | QFileDevice::ReadOther));
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        OvelaJournalSaver *saver = window.saver();
        for (int i = 0; i < 3; ++i) {
            window.calendar()->setEntry(OvelaRecordEntry(), QDate(2026, 1, 1).addDays(i));
            saver->saveNow();
            QTRY_VERIFY(!saver->isSaving() && !saver->isPending());
        }
        window.calendar()->clear();
        QVERIFY(window.closeDatabase());
        QCOMPARE(readFile(journal() + QLatin1String(".bak")), start);
        struct stat backup {};
        QCOMPARE(::stat(QFile::encodeName(journal() + QLatin1String(".bak")).constData(), &backup),
                 0);
        QCOMPARE(backup.st_mode & 0777, 0600u);
    }

    void failedSaveShowsAWarningUntilASaveSucceeds()
    {
        QVERIFY(makeReadOnly(folder()));
        Preferences preferences;
        preferences.setSaveOnExit(false);
        // At start the lock cannot be made: the user is told, and the warning stays up.
        QString startBox;
        Modal::answer([&startBox](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            startBox = box ? box->text() : QString();
            if (box)
                box->button(QMessageBox::Ok)->click();
        });
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        QVERIFY2(startBox.contains(QLatin1String("cannot be saved")), qPrintable(startBox));
        QFrame *warning = window.saveWarning();
        window.show();
        QVERIFY(warning->isVisibleTo(&window));

        // An edit fails to save: the warning names the journal and the reason.
        warning->parentWidget()->hide();
        window.calendar()->setEntry(OvelaRecordEntry(), QDate(2026, 1, 1));
        window.saver()->saveNow();
        QTRY_VERIFY(warning->isVisibleTo(&window));
        const QString text = warning->findChild<QLabel *>(QStringLiteral("saveWarningText"))->text();
        QVERIFY2(text.contains(journal()), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("cannot create a file")), qPrintable(text));
        // On a row of its own below the commands, which all stay in sight.
        auto *commands = window.findChild<QPEToolBar *>();
        // (The window lays its bars out again once its events run.)
        QTRY_VERIFY(warning->parentWidget()->geometry().top() >= commands->geometry().bottom());
        for (QAction *command : commands->actions())
            QTRY_VERIFY2(commands->widgetForAction(command)->isVisible(),
                         qPrintable(command->text()));

        // Writable again: Retry saves, and the warning goes.
        makeWritable(folder());
        warning->findChild<QPushButton *>(QStringLiteral("retryButton"))->click();
        QTRY_VERIFY(!warning->isVisibleTo(&window));
        OvelaDatabase db;
        QVERIFY(loadFile(journal(), db));
        QVERIFY(db.containsEntry(QDate(2026, 1, 1)));
    }

    void closingAfterAFailedSaveAsks()
    {
        QVERIFY(makeReadOnly(folder()));
        Preferences preferences;
        preferences.setSaveOnExit(false);
        Modal::press(QStringLiteral("none")); // the start box about the folder
        OvelaMainWindow window(preferences);
        window.show();
        const QDate day(2026, 2, 2);
        window.calendar()->setEntry(OvelaRecordEntry(), day);
        window.saver()->saveNow();
        QTRY_VERIFY(window.saver()->lastSaveFailed());

        // Escape keeps the window and what it holds; "Close without saving" is not the default.
        QString defaultButton;
        Modal::answer([&defaultButton](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                defaultButton = box->defaultButton()->objectName();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QVERIFY(!window.close());
        QCOMPARE(defaultButton, QStringLiteral("retryButton"));

        // A copy elsewhere (the name the file dialog offers, in the home folder) is a normal
        // journal with the unsaved day. The offered name is taken as it is: a name typed
        // into the dialog at once may still be replaced while it sets itself up.
        const QString copy = TestHome::home().path() + QLatin1String("/journal-copy.ovd");
        Modal::answer([](QWidget *box) {
            Modal::answer([](QWidget *w) {
                if (auto *files = qobject_cast<QFileDialog *>(w))
                    static_cast<QDialog *>(files)->accept();
            });
            box->findChild<QPushButton *>(QStringLiteral("saveCopyButton"))->click();
        });
        QVERIFY(window.close());
        makeWritable(folder());
        OvelaDatabase db;
        QVERIFY(loadFile(copy, db));
        QVERIFY(db.containsEntry(day));
    }

    // A change made while a save runs is written by the save after it, without another change
    // to prompt it.
    void changeDuringASlowSaveIsWrittenNext()
    {
        OvelaDatabase db;
        OvelaJournalFile file(journal());
        GatedSaver saver(file, db);
        saver.setDelay(10);
        connect(&db, &OvelaDatabase::journalChanged, &saver, &OvelaJournalSaver::markChanged);
        QSignalSpy saved(&saver, &OvelaJournalSaver::saved);
        OvelaRecordEntry first, second;
        first.setNote(QStringLiteral("first"));
        second.setNote(QStringLiteral("second"));
        db.setEntry(first, QDate(2026, 3, 1));
        QTRY_VERIFY(saver.isSaving());
        db.setEntry(second, QDate(2026, 3, 2));
        // The save's delay runs out while the first save still waits at the gate.
        QTest::qWait(100);
        QVERIFY(saver.isSaving());
        saver.gate.release(2);
        QTRY_COMPARE(saved.count(), 2);
        QVERIFY(!saver.isPending());
        OvelaDatabase onDisk;
        QVERIFY(loadFile(journal(), onDisk));
        QCOMPARE(onDisk.getEntry(QDate(2026, 3, 2)).getNote(), QStringLiteral("second"));
        saver.gate.release(1); // nothing may wait at the gate when the saver goes
    }

    void settingsSurviveAKillRightAfterOK()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("OVELA_CHILD_SESSION"), QStringLiteral("preferences"));
        env.insert(QStringLiteral("OVELA_CHILD_HOME"), TestHome::home().path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // killed, as intended
        Preferences stored;
        QCOMPARE(stored.getCycleLength(), 31);
        QCOMPARE(stored.getBirthGoal(), Preferences::ConceiveGirl);
    }

    void bigSaveRunsBesideTheWindow()
    {
        // A hundred years of daily records with notes.
        OvelaDatabase big;
        OvelaJournalFile file(journal());
        OvelaJournalSaver saver(file, big);
        for (int d = 0; d < 36525; ++d) {
            OvelaRecordEntry entry;
            entry.setTemperature(d % 42);
            entry.setNote(QStringLiteral("day %1 of a long record, with a forty-letter").arg(d));
            big.setEntry(entry, QDate(1926, 1, 1).addDays(d));
        }
        connect(&big, &OvelaDatabase::journalChanged, &saver, &OvelaJournalSaver::markChanged);
        QThread *savingThread = nullptr;
        connect(&saver, &OvelaJournalSaver::saved, this,
                [&savingThread] { savingThread = QThread::currentThread(); });
        // The save runs on a worker: the GUI thread keeps ticking meanwhile.
        QElapsedTimer clock;
        qint64 last = 0, longestGap = 0;
        int ticksWhileSaving = 0;
        qint64 editMs = -1;
        const QDate later(2030, 1, 1);
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, this, [&] {
            const qint64 now = clock.elapsed();
            longestGap = qMax(longestGap, now - last);
            last = now;
            if (!saver.isSaving())
                return;
            // A day recorded while the save runs: the records the save holds are copied now.
            if (++ticksWhileSaving == 1) {
                big.setEntry(OvelaRecordEntry(), later);
                editMs = clock.elapsed() - now;
            }
        });
        saver.markChanged();
        clock.start();
        ticks.start(10);
        saver.saveNow();
        const qint64 startMs = clock.elapsed(); // what the GUI thread pays to start it
        QVERIFY(saver.isSaving());
        // Written by a second save once the first is done: the newest state wins.
        QTRY_VERIFY_WITH_TIMEOUT(!saver.isSaving() && !saver.isPending(), 60000);
        QVERIFY(!saver.lastSaveFailed());
        QCOMPARE(savingThread, QThread::currentThread()); // reported on the GUI thread
        // Deflating and syncing megabytes takes far longer than a tick: a save that held the
        // GUI thread (a worker waited for, say) would let none through.
        QVERIFY2(ticksWhileSaving > 0, "the event loop stood still during the save");
        qInfo("100-year saves: started in %lld ms, an edit during one %lld ms; longest gap "
              "between 10 ms ticks %lld ms",
              startMs, editMs, longestGap);
        OvelaDatabase reread;
        QVERIFY(loadFile(journal(), reread));
        QCOMPARE(reread.entries().size(), 36526);
        QVERIFY(reread.containsEntry(later));
    }

    void killedAtRandomMoments_data()
    {
        QTest::addColumn<QString>("passphrase");
        QTest::addColumn<int>("trials");
        QTest::newRow("plain") << QString() << 4;
        QTest::newRow("encrypted") << QStringLiteral("quiet orchard lamp") << 3;
    }

    void killedAtRandomMoments()
    {
        // A child session records a day every 37 ms; it is killed with SIGKILL at a random
        // moment. The journal it leaves must load and hold every day recorded more than two
        // seconds before the kill; encrypted, nothing in the folder may be plain either.
        QFETCH(QString, passphrase);
        QFETCH(int, trials);
        std::mt19937 random(20261209);
        if (qEnvironmentVariableIntValue("OVELA_KILLS") > 0)
            trials = qEnvironmentVariableIntValue("OVELA_KILLS");
        for (int trial = 0; trial < trials; ++trial) {
            TestHome::wipe();
            QDir().mkpath(folder());
            if (!passphrase.isEmpty()) {
                OvelaJournalFile start(journal());
                start.setSeal(OvelaJournalSeal::create(passphrase, nullptr,
                                                       OvelaJournalSeal::Cost {1, 8192}));
                QVERIFY(start.seal() && start.save(OvelaDatabase()));
            }
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("OVELA_CHILD_SESSION"), QStringLiteral("1"));
            env.insert(QStringLiteral("OVELA_CHILD_HOME"), TestHome::home().path());
            env.insert(QStringLiteral("OVELA_CHILD_PASSPHRASE"), passphrase);
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForStarted());
            QElapsedTimer clock;
            clock.start();
            const int lifeMs = std::uniform_int_distribution<int>(2500, 5000)(random);
            // Which edit was made by when.
            QList<QPair<qint64, int>> recorded;
            while (clock.elapsed() < lifeMs) {
                child.waitForReadyRead(20);
                while (child.canReadLine())
                    recorded.append({clock.elapsed(), child.readLine().trimmed().toInt()});
            }
            ::kill(pid_t(child.processId()), SIGKILL);
            const qint64 killedAt = clock.elapsed();
            QVERIFY(child.waitForFinished());
            int mustHave = 0;
            for (const auto &edit : recorded)
                if (edit.first < killedAt - 2000)
                    mustHave = edit.second;
            OvelaDatabase db;
            QVERIFY2(loadJournal(passphrase, db), "the journal is not whole");
            for (QDirIterator it(TestHome::dataHome(), QDir::Files | QDir::Hidden,
                                 QDirIterator::Subdirectories);
                 !passphrase.isEmpty() && it.hasNext();) {
                const QString path = it.next();
                QVERIFY2(path.endsWith(QLatin1String(".lock"))
                             || OvelaJournalSeal::isSealed(readFile(path)),
                         qPrintable(path + QLatin1String(" is not encrypted")));
            }
            const int kept = int(db.entries().size());
            QVERIFY2(kept >= mustHave, qPrintable(QStringLiteral("trial %1: %2 kept, %3 older than 2 s")
                                                      .arg(trial).arg(kept).arg(mustHave)));
            qInfo("trial %d: killed after %lld ms, %d edits made, %d on disk, %d older than 2 s",
                  trial, killedAt, recorded.isEmpty() ? 0 : recorded.last().second, kept,
                  mustHave);
        }
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("OVELA_CHILD_SESSION")) {
        // The child lives in the parent's temporary home.
        const QString home = qEnvironmentVariable("OVELA_CHILD_HOME");
        qputenv("XDG_DATA_HOME", (home + QLatin1String("/data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + QLatin1String("/config")).toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return childSession(argc, argv);
    }
    TestHome::setUp();
    QApplication app(argc, argv);
    TstAutosave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autosave.moc"
