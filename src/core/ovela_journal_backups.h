#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class OvelaJournalSeal;

// The diary's backups: copies of the journal in a folder of the diary's own data folder (never
// beside a journal kept in a sync folder, so they do not travel), each named for when and why
// it was made. Kept: the journal as each of the last 10 sessions started, the newest copy of
// each of the last 14 days, and every copy made before a change from outside (a companion
// write, a merge, a restore, a sync program's conflict copy) in the last 30 days. The files
// and the folder are the owner's alone.
class OvelaJournalBackups
{
    Q_DECLARE_TR_FUNCTIONS(OvelaJournalBackups)

public:
    enum class Kind { Session, Daily, Companion, Merge, Restore, ConflictCopy };

    struct Entry
    {
        QString path;
        QDateTime made; // local time, to the second
        Kind kind = Kind::Session;
    };

    explicit OvelaJournalBackups(const QString &folder);

    QString folder() const { return dir; }

    // Copies the file at `journal` in as a backup of that kind and prunes the folder; the path
    // of the copy, or empty with errorString() set. A journal that does not exist is nothing
    // to keep: empty, with no error.
    QString keep(const QString &journal, Kind kind);
    // Moves the file at `path` (a sync program's conflict copy) in; the new path or empty.
    QString takeIn(const QString &path);

    // With a seal set, every copy made or taken in is encrypted (a plain journal is encrypted
    // as it is copied).
    void setSeal(std::shared_ptr<const OvelaJournalSeal> seal) { sealKey = std::move(seal); }
    // For when encryption is turned on: encrypts in place every plain backup in the folder,
    // and beside the journal at `journal` its ".bak" and the unreadable files set aside
    // (each whole or not at all, the owner's alone). False with errorString() naming what
    // stayed plain; the others are encrypted all the same. Without `folderToo`, only the
    // copies beside the journal (for a journal that is not the diary's own).
    bool sealAll(const QString &journal, const OvelaJournalSeal &seal, bool folderToo = true);

    // Newest first.
    QList<Entry> list() const;
    // Deletes what the rule above no longer keeps, as of `now`.
    void prune(const QDateTime &now = QDateTime::currentDateTime());
    // Whether a backup was made on that day.
    bool hasBackupOn(const QDate &day) const;

    QString errorString() const { return error; }

    static QString kindName(Kind kind);

private:
    QString newName(Kind kind, const QDateTime &when) const;
    bool prepareFolder();

    QString dir;
    QString error;
    std::shared_ptr<const OvelaJournalSeal> sealKey;
};
