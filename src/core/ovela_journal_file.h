#pragma once

#include "core/ovela_record_entry.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>

#include <memory>

class OvelaDatabase;
class OvelaJournalSeal;
class QLockFile;

// The journal's life on disk: the lock that keeps a second copy of the program away, loading at
// start-up, and the write at exit that never leaves the folder without a loadable journal.
// No widgets here: the window calls these and tells the user what they report.
class OvelaJournalFile
{
    Q_DECLARE_TR_FUNCTIONS(OvelaJournalFile)

public:
    explicit OvelaJournalFile(const QString &path);
    ~OvelaJournalFile(); // releases the lock
    OvelaJournalFile(const OvelaJournalFile &) = delete;
    OvelaJournalFile &operator=(const OvelaJournalFile &) = delete;

    enum class LockResult {
        Locked,      // this process holds the lock now
        HeldElsewhere, // another live process holds it: the diary is already open
        Unavailable, // no lock could be made (folder not writable, ...); we run without one
        // Another computer's lock (carried by a sync program, or left by a crash there): it
        // cannot be checked from here, so it may be open there; we run without a lock.
        HeldOnAnotherComputer
    };
    // The lock is taken beside the journal's real file (links resolved), so that two links to
    // one journal share one lock.
    LockResult lock();
    bool isLocked() const;
    // The process that holds the lock, after lock() reported HeldElsewhere; 0 when unknown.
    qint64 lockOwner() const { return ownerPid; }
    // The computer that holds it and since when, after lock() reported HeldOnAnotherComputer.
    QString lockHost() const { return ownerHost; }
    QDateTime lockedSince() const { return ownerSince; }

    enum class LoadResult {
        Loaded,    // the file was read into the journal
        Missing,   // no file yet: the journal stays as it was (empty at start-up)
        MovedAside, // the file did not load and was renamed to movedAsidePath()
        Unreadable, // the file did not load and could not be moved either; it will not be replaced
        // An encrypted journal that no seal is set for, or whose seal does not open it: left
        // as it is, and not replaced by a save until a seal that opens it is set and it loads.
        NeedsSecret,
        // An encrypted journal that fails authentication (or is of a newer format): left where
        // it is and never replaced by a save of this object; errorString() says which.
        Damaged
    };
    // While the lock is held, also removes the temporary files of saves that never finished.
    LoadResult load(OvelaDatabase &journal);
    // load() is afterRead(read()). read() only reads the file, without the lock: Loaded,
    // Missing, NeedsSecret, Damaged, or Unreadable with the file left where it is; safe on a thread of its own while
    // no other member of this object is used but path(), lockPath(), lock(), isLocked() and
    // lockOwner(), which share nothing with it. afterRead() does the rest once the lock is
    // held and it is time to act on the file: removes what unfinished saves left and sets an
    // unreadable file aside (MovedAside, or Unreadable when it cannot be moved). An encrypted
    // file that the last read could not open is never set aside, whatever it is given: the
    // result is then NeedsSecret or Damaged again.
    LoadResult read(OvelaDatabase &journal);
    LoadResult afterRead(LoadResult readResult);
    // For the end of a session whose journal on disk never opened here (encrypted elsewhere
    // with a passphrase she did not give, or damaged since it arrived): that file is kept
    // beside, as an unreadable journal is, so that hers can be written in its place. Her
    // choice, made in the window; nothing else sets an encrypted file aside.
    LoadResult setAsideUnopened();
    // With a seal set, every save writes the journal encrypted (nothing plain reaches the disk,
    // not the temporary file either), the session's backup is an encrypted copy, a plain file
    // set aside is encrypted in place, and encrypted files are read with it. Without one, an
    // encrypted file reads as NeedsSecret. Not to be changed while a save runs.
    void setSeal(std::shared_ptr<const OvelaJournalSeal> seal);
    std::shared_ptr<const OvelaJournalSeal> seal() const { return sealKey; }
    // Encrypts the plain file at `path` in place, whole or not at all and readable by the owner
    // only; a file already encrypted (or missing) is left as it is.
    static bool sealInPlace(const QString &path, const OvelaJournalSeal &seal, QString *reason);
    // Copies `from` to `to` as copyPrivately() does, encrypted by `seal` when it is plain.
    static bool copySealed(const QString &from, const QString &to, const OvelaJournalSeal *seal,
                           QString *reason);

    // Where an unreadable journal was kept, after load() reported MovedAside.
    QString movedAsidePath() const { return asidePath; }

    // Replaces the file with the journal: written to a temporary file in the same folder,
    // synced and checked, then renamed over <path> (over the file a symbolic link at <path>
    // points to, next to which the backup is then kept). The first save through this object
    // keeps the file it replaces as <path>.bak (0600); later ones leave that backup alone, so
    // it holds the journal as this session found it. On any failure the file on disk is left
    // as it was, a warning goes to stderr and the result is false.
    bool save(const OvelaDatabase &journal);
    // The same with the journal's records and start date; safe to call from the saver's thread
    // while no other member of this object is used and the records do not change.
    bool save(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start);
    // Whether the file at path() may not hold what was last loaded from or saved to it: nothing
    // was loaded or saved yet, or the file was replaced or changed since.
    bool diskDiffers() const;

    // Once guarded: whether a journal is on disk that this object neither read nor wrote, one
    // written by another device, program or session since. A save then refuses to replace it
    // (see changedOutside()): its records must be brought in first. Unguarded (a copy she
    // saves where she chose), nothing is unseen and a save replaces whatever is there.
    bool unseenOnDisk() const;
    void guardUnseen(bool on) { guarded = on; }
    // After a failed save: it failed because the journal on disk was unseen.
    bool changedOutside() const { return unseenRefused; }
    // From now on, the file on disk counts as seen (after its records were brought in, or to
    // replace it on purpose).
    void acceptDiskFile() { rememberDiskFile(); }
    // The file on disk counts as unseen again (its records could not be brought in after all).
    void forgetDiskFile() { diskFileKnown = false; }

    QString path() const { return filePath; }
    // The file the journal is, with symbolic links resolved (also when it does not exist yet).
    QString realPath() const;
    QString backupPath() const { return filePath + QLatin1String(".bak"); }
    QString lockPath() const { return realPath() + QLatin1String(".lock"); }
    // The first free name among <path>.unreadable, <path>.unreadable.1, .2, ...
    QString unreadableName() const;
    // Copies `from` to `to` whole or not at all (synced, then renamed into place), readable
    // by the owner only; false with the reason otherwise.
    static bool copyPrivately(const QString &from, const QString &to, QString *reason);
    // So that a write beyond a file size limit fails instead of ending the process.
    static void ignoreFileSizeSignal();

    // What went wrong in the last failed save or load.
    QString errorString() const { return error; }

private:
    bool fail(const QString &message);
    bool refuseUnseen();
    LoadResult readSealed(OvelaDatabase &journal);
    bool writeSealed(const QByteArray &stream, const QString &tempPath);
    bool writeTemporary(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start,
                        const QString &tempPath);
    bool keepBackup(const QString &target);
    LoadResult setAside();
    void removeLeftovers();

    QString filePath;
    QString asidePath;
    QString error;
    std::unique_ptr<QLockFile> lockFile;
    qint64 ownerPid = 0;
    QString ownerHost;
    QDateTime ownerSince;
    bool unseenRefused = false;
    bool guarded = false;
    bool replaceBlocked = false; // an unreadable file we could not move is still in the way
    bool sealBlocked = false;    // an encrypted file we could not open is in the way
    LoadResult blockedAs = LoadResult::NeedsSecret; // what reading it found
    std::shared_ptr<const OvelaJournalSeal> sealKey;
    void rememberDiskFile();
    struct DiskIdentity {
        quint64 device = 0, inode = 0, size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const DiskIdentity &o) const
        {
            return device == o.device && inode == o.inode && size == o.size
                && modifiedNs == o.modifiedNs;
        }
    };
    bool diskIdentity(DiskIdentity *identity) const;
    DiskIdentity lastDiskFile;
    bool diskFileKnown = false;
    bool backupKept = false;     // the session's backup was made (or there was nothing to keep)
};
