#pragma once

#include "core/ovela_journal_sync.h"

#include "core/ovela_journal_file.h"

#include <QDate>
#include <QMap>
#include <QSet>
#include <QObject>
#include <QStringList>
#include <QTimer>

class OvelaDatabase;
class OvelaJournalBackups;
class OvelaJournalFile;
class OvelaJournalSaver;
class QFileSystemWatcher;

// Keeps the open diary in step with a journal that others write too: a sync program bringing
// another device's changes, a restore, the companion. It watches the file, and before any
// save replaces a journal it has not seen it brings that journal's records in; a day changed
// differently on both sides keeps her version (and is saved so) until she chooses, while the
// other version stays whole in the backups. It also finds the conflict copies sync programs
// leave beside the journal, and keeps the session's and the day's backups.
class OvelaOutsideChanges : public QObject
{
    Q_OBJECT
public:
    OvelaOutsideChanges(OvelaJournalFile &file, OvelaDatabase &journal, OvelaJournalSaver &saver,
                        OvelaJournalBackups &backups, QObject *parent = nullptr);
    ~OvelaOutsideChanges() override;

    // Once the journal was loaded: it is the base of later merges. Keeps the session's
    // backup, looks for conflict copies and starts watching.
    void start();

    // Brings in what the journal on disk holds when another wrote it since; false when it
    // could not be read (tried again a few seconds later; saves wait meanwhile).
    bool bringIn();
    // At the end: as bringIn(), waiting a little for a file being written. A journal that
    // still does not read is set aside (never replaced unseen), so the save can go ahead.
    void bringInBeforeExit();

    // Days (and the start date) that differ on both sides, waiting for her choice.
    QList<OvelaDayDifference> pendingConflicts() const { return pending.values(); }
    bool startConflictPending() const { return startPending; }
    QDate otherStart() const { return pendingStart; }
    // Her choices: the days whose other version she takes, and those she keeps as hers.
    void resolve(const QList<QDate> &takeOther, const QList<QDate> &keepMine, bool startDecided,
                 bool takeOtherStart);

    // Sync programs' conflict copies beside the journal, not merged yet.
    QStringList conflictCopies() const { return copies; }
    // Brings one in like a journal written elsewhere (without a common base) and moves it
    // into the backups; false when it could not be read.
    bool mergeConflictCopy(const QString &path);

    // Whether `name` is a conflict copy of the journal named `journalName`, as Syncthing,
    // Nextcloud, ownCloud or Dropbox name them.
    static bool isConflictCopy(const QString &name, const QString &journalName);

signals:
    // What came in from outside, or what stops it from coming in, in a sentence.
    void message(const QString &text);
    void conflictsChanged();
    void conflictCopiesChanged();
    // A backup could not be made; shown like a failed save, and tried again.
    void backupFailed(const QString &reason);

private:
    void onDiskEvent();
    void check();
    void scanCopies();
    void watch();
    void keepDailyBackup();
    bool keepBackup(int kind);
    void apply(const OvelaJournalSync::Changes &changes, const QString &from);
    void replaceJournal(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start);
    // Reads `from`, encrypted with another passphrase than the diary's, with the one she
    // gives for it (asked once for each version of the file).
    OvelaJournalFile::LoadResult readWithItsSecret(OvelaJournalFile &from, OvelaDatabase &theirs);

    OvelaJournalFile &file;
    OvelaDatabase &journal;
    OvelaJournalSaver &saver;
    OvelaJournalBackups &backups;
    QFileSystemWatcher *watcher = nullptr;
    QTimer settle;  // gathers the events of one write
    QTimer retry;   // a journal that did not read
    OvelaJournalSnapshot base; // the journal as last shared with the file on disk
    QMap<QDate, OvelaDayDifference> pending;
    bool startPending = false;
    QDate pendingStart;
    QStringList copies;
    QDate lastBackupDay;
    bool sessionBackupPending = false;
    bool checkAfterSave = false;
    bool exiting = false; // nothing is asked any more
    QSet<QString> declined; // versions of files whose passphrase she did not give
};
