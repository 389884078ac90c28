#include "app/ovela_main_widget.h"
#include "app/ovela_outside_changes.h"
#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "core/qzipfile.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaRestoreDialog.h"
#include "settings/Preferences.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

// One journal written from many places: another device through a sync folder, a sync
// program's conflict copy, a restore. Nothing anyone wrote is lost.
namespace {

QString folder() { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
QString journal() { return folder() + QLatin1String("/journal.ovd"); }

OvelaRecordEntry noted(const QString &note)
{
    OvelaRecordEntry entry;
    entry.setNote(note);
    return entry;
}

// Writes a journal as another device's diary would, without knowing this one.
void writeElsewhere(const QString &path, const QMap<QDate, QString> &notes, const QDate &start = {})
{
    OvelaDatabase other;
    for (auto it = notes.cbegin(); it != notes.cend(); ++it)
        other.setEntry(noted(it.value()), it.key());
    other.setStartCycleDate(start);
    QVERIFY(OvelaJournalFile(path).save(other));
}

// The records of the journal at `path` (a record on 1900-01-01 says it did not load).
QMap<QDate, OvelaRecordEntry> onDisk(const QString &path)
{
    OvelaDatabase db;
    QZipFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !db.load(&file))
        return {{QDate(1900, 1, 1), noted(QStringLiteral("not loaded"))}};
    return db.entries();
}

const QDate a(2026, 11, 20), b(2026, 11, 21), c(2026, 11, 22);

} // namespace

class TstSync : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestHome::wipe();
        QDir().mkpath(folder());
    }

    // The phone's days arrive through the sync folder while the laptop's window is open: they
    // are brought in, and the laptop's next save keeps them.
    void journalReplacedWhileOpenIsMerged()
    {
        writeElsewhere(journal(), {{a, QStringLiteral("laptop")}});
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        writeElsewhere(journal(), {{a, QStringLiteral("laptop")}, {b, QStringLiteral("phone")}});
        QTRY_COMPARE(window.calendar()->getEntry(b).getNote(), QStringLiteral("phone"));
        QVERIFY(window.notice()->isVisible() || !window.notice()->parentWidget()->isHidden());

        window.calendar()->setEntry(noted(QStringLiteral("laptop again")), c);
        QTRY_VERIFY(!window.saver()->isPending() && !window.saver()->isSaving());
        const QMap<QDate, OvelaRecordEntry> saved = onDisk(journal());
        QCOMPARE(saved.value(a).getNote(), QStringLiteral("laptop"));
        QCOMPARE(saved.value(b).getNote(), QStringLiteral("phone"));
        QCOMPARE(saved.value(c).getNote(), QStringLiteral("laptop again"));
        QVERIFY(window.outsideChanges()->pendingConflicts().isEmpty());
    }

    // A day changed on both sides keeps hers, on disk too, until she chooses; the other
    // version waits in the backups and in the choice; taking it puts it in place.
    void sameDayDifferenceWaitsForHerChoice()
    {
        writeElsewhere(journal(), {{a, QStringLiteral("first")}});
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.saver()->setDelay(60000); // her change waits, unsaved, as the other arrives
        window.calendar()->setEntry(noted(QStringLiteral("hers")), a);
        writeElsewhere(journal(), {{a, QStringLiteral("theirs")}});
        QTRY_COMPARE(window.outsideChanges()->pendingConflicts().size(), 1);
        QCOMPARE(window.calendar()->getEntry(a).getNote(), QStringLiteral("hers"));
        const OvelaDayDifference difference = window.outsideChanges()->pendingConflicts().first();
        QCOMPARE(difference.theirs.getNote(), QStringLiteral("theirs"));

        window.saver()->saveNow();
        QTRY_VERIFY(!window.saver()->isPending() && !window.saver()->isSaving());
        QCOMPARE(onDisk(journal()).value(a).getNote(), QStringLiteral("hers"));
        bool kept = false;
        for (const OvelaJournalBackups::Entry &backup : window.journalBackups()->list())
            kept |= backup.kind == OvelaJournalBackups::Kind::Merge
                && onDisk(backup.path).value(a).getNote() == QLatin1String("theirs");
        QVERIFY2(kept, "the other version is not in the backups");

        window.outsideChanges()->resolve({a}, {}, false, false);
        QCOMPARE(window.calendar()->getEntry(a).getNote(), QStringLiteral("theirs"));
        QVERIFY(window.outsideChanges()->pendingConflicts().isEmpty());
        window.saver()->saveNow();
        QTRY_COMPARE(onDisk(journal()).value(a).getNote(), QStringLiteral("theirs"));
    }

    void syncthingConflictCopyIsMerged()
    {
        writeElsewhere(journal(), {{a, QStringLiteral("mine")}});
        const QString copy = folder() + QLatin1String("/journal.sync-conflict-20261210-101010-ABCDEFG.ovd");
        writeElsewhere(copy, {{a, QStringLiteral("mine")}, {b, QStringLiteral("from the copy")}});
        QVERIFY(!OvelaOutsideChanges::isConflictCopy(QStringLiteral("journal.ovd.bak"),
                                                     QStringLiteral("journal.ovd")));
        QVERIFY(OvelaOutsideChanges::isConflictCopy(
            QStringLiteral("journal (conflicted copy 2026-12-10 101010).ovd"),
            QStringLiteral("journal.ovd")));
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QCOMPARE(window.outsideChanges()->conflictCopies(), QStringList{copy});
        QVERIFY(window.outsideChanges()->mergeConflictCopy(copy));
        QCOMPARE(window.calendar()->getEntry(b).getNote(), QStringLiteral("from the copy"));
        QVERIFY(!QFileInfo::exists(copy));
        bool kept = false;
        for (const OvelaJournalBackups::Entry &backup : window.journalBackups()->list())
            kept |= backup.kind == OvelaJournalBackups::Kind::ConflictCopy
                && onDisk(backup.path).contains(b);
        QVERIFY2(kept, "the conflict copy is not kept with the backups");
        QVERIFY(window.outsideChanges()->conflictCopies().isEmpty());
    }

    // One lock for the journal however it is reached; another computer's lock informs.
    void locksFollowTheRealFile()
    {
        writeElsewhere(journal(), {});
        const QString first = TestHome::dataHome() + QLatin1String("/first-link.ovd");
        const QString second = TestHome::dataHome() + QLatin1String("/second-link.ovd");
        QVERIFY(QFile::link(journal(), first) && QFile::link(journal(), second));
        OvelaJournalFile one(first), two(second);
        QCOMPARE(one.lock(), OvelaJournalFile::LockResult::Locked);
        QCOMPARE(two.lock(), OvelaJournalFile::LockResult::HeldElsewhere);
    }

    void foreignLockNamesItsHost()
    {
        writeElsewhere(journal(), {{a, QStringLiteral("mine")}});
        QFile lock(journal() + QLatin1String(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4242\novelaZ\nthe-laptop\n");
        lock.close();
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        QVERIFY(window.notice()->findChild<QLabel *>(QStringLiteral("noticeText"))
                    ->text().contains(QLatin1String("the-laptop")));
    }

    void restoreKeepsTheCurrentJournal()
    {
        writeElsewhere(journal(), {{a, QStringLiteral("old")}});
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences); // keeps the session's backup: "old"
        window.calendar()->setEntry(noted(QStringLiteral("new")), a);
        window.saver()->saveNow();
        QTRY_VERIFY(!window.saver()->isPending() && !window.saver()->isSaving());
        Modal::run<OvelaRestoreDialog>([](OvelaRestoreDialog *d) {
            auto *list = d->findChild<QAbstractItemView *>(QStringLiteral("tblBackups"));
            list->setCurrentIndex(list->model()->index(0, 0));
        }, true);
        QMetaObject::invokeMethod(window.findChild<QAction *>(QStringLiteral("restoreAction")),
                                  "trigger");
        QCOMPARE(window.calendar()->getEntry(a).getNote(), QStringLiteral("old"));
        QTRY_COMPARE(onDisk(journal()).value(a).getNote(), QStringLiteral("old"));
        bool kept = false;
        for (const OvelaJournalBackups::Entry &backup : window.journalBackups()->list())
            kept |= backup.kind == OvelaJournalBackups::Kind::Restore
                && onDisk(backup.path).value(a).getNote() == QLatin1String("new");
        QVERIFY2(kept, "the journal as it was before the restore is not kept");
    }
};

OVELA_TEST_GUI_MAIN(TstSync)
#include "tst_sync.moc"
