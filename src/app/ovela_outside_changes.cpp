#include "app/ovela_outside_changes.h"

#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "core/ovela_record_database.h"
#include "dialogs/OvelaPassphraseDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QThread>

namespace {

// A sync program writing the journal needs a moment; so does the check of a file just read.
constexpr int SettleMs = 700;
constexpr int RetryMs = 3000;

} // namespace

OvelaOutsideChanges::OvelaOutsideChanges(OvelaJournalFile &journalFile, OvelaDatabase &db,
                                         OvelaJournalSaver &journalSaver,
                                         OvelaJournalBackups &journalBackups, QObject *parent)
    : QObject(parent)
    , file(journalFile)
    , journal(db)
    , saver(journalSaver)
    , backups(journalBackups)
{
    settle.setSingleShot(true);
    settle.setInterval(SettleMs);
    connect(&settle, &QTimer::timeout, this, &OvelaOutsideChanges::check);
    retry.setSingleShot(true);
    retry.setInterval(RetryMs);
    connect(&retry, &QTimer::timeout, this, &OvelaOutsideChanges::check);
    connect(&saver, &OvelaJournalSaver::changedOnDisk, this, [this] {
        if (bringIn())
            saver.saveNow();
    });
    connect(&saver, &OvelaJournalSaver::saved, this, [this] {
        base.records = saver.lastSavedRecords();
        base.start = saver.lastSavedStart();
        keepDailyBackup();
        if (checkAfterSave) {
            checkAfterSave = false;
            check();
        }
    });
}

OvelaOutsideChanges::~OvelaOutsideChanges() = default;

void OvelaOutsideChanges::start()
{
    base.records = journal.entries();
    base.start = journal.getStartCycleDate();
    sessionBackupPending = true;
    keepBackup(int(OvelaJournalBackups::Kind::Session));
    watch();
    scanCopies();
}

void OvelaOutsideChanges::watch()
{
    if (!watcher) {
        watcher = new QFileSystemWatcher(this);
        connect(watcher, &QFileSystemWatcher::fileChanged, this, &OvelaOutsideChanges::onDiskEvent);
        connect(watcher, &QFileSystemWatcher::directoryChanged, this,
                &OvelaOutsideChanges::onDiskEvent);
    }
    // The folder tells of a journal replaced by a rename (as every careful writer does) and of
    // conflict copies; the file of a journal rewritten in place. A replaced file drops out of
    // the watch and is added again.
    const QString real = file.realPath();
    const QString folder = QFileInfo(real).absolutePath();
    if (!watcher->directories().contains(folder))
        watcher->addPath(folder);
    if (QFileInfo::exists(real) && !watcher->files().contains(real))
        watcher->addPath(real);
}

void OvelaOutsideChanges::onDiskEvent()
{
    settle.start();
}

void OvelaOutsideChanges::check()
{
    watch();
    scanCopies();
    // The file is the saver's while it saves; what it finds then is looked at once it is done.
    if (saver.isSaving()) {
        checkAfterSave = true;
        return;
    }
    if (file.unseenOnDisk() && bringIn() && saver.isPending())
        saver.saveNow();
}

bool OvelaOutsideChanges::keepBackup(int kind)
{
    const auto k = OvelaJournalBackups::Kind(kind);
    const QString made = backups.keep(file.realPath(), k);
    if (made.isEmpty() && !backups.errorString().isEmpty()) {
        emit backupFailed(backups.errorString());
        return false;
    }
    if (k == OvelaJournalBackups::Kind::Session || k == OvelaJournalBackups::Kind::Daily) {
        lastBackupDay = QDate::currentDate();
        sessionBackupPending = false;
    }
    return true;
}

void OvelaOutsideChanges::keepDailyBackup()
{
    // The session's backup, when it could not be made at start, or one for a new day of a
    // session that runs for days.
    if (sessionBackupPending)
        keepBackup(int(OvelaJournalBackups::Kind::Session));
    else if (lastBackupDay != QDate::currentDate())
        keepBackup(int(OvelaJournalBackups::Kind::Daily));
}

bool OvelaOutsideChanges::bringIn()
{
    if (!file.unseenOnDisk())
        return true;
    OvelaDatabase theirs;
    OvelaJournalFile::LoadResult read = file.read(theirs);
    if (read == OvelaJournalFile::LoadResult::NeedsSecret)
        read = readWithItsSecret(file, theirs);
    if (read == OvelaJournalFile::LoadResult::NeedsSecret) {
        emit message(tr("The journal on disk was encrypted elsewhere with another passphrase. "
                        "Your entries are kept here; when the diary closes, that journal is set "
                        "aside beside yours, still encrypted, and yours is saved."));
        return false;
    }
    if (read != OvelaJournalFile::LoadResult::Loaded) {
        // Perhaps still being written: looked at again soon; meanwhile nothing replaces it.
        emit message(tr("The journal on disk was changed elsewhere and cannot be read yet; "
                        "your entries are kept here and it is tried again in a few seconds."));
        retry.start();
        return false;
    }
    // The other version whole, before anything of it is merged: whatever she chooses later,
    // or whatever happens before she does, it is not lost. Until that copy is made, nothing
    // is merged and nothing replaces the journal on disk.
    if (!keepBackup(int(OvelaJournalBackups::Kind::Merge))) {
        file.forgetDiskFile();
        retry.start();
        return false;
    }
    retry.stop();
    OvelaJournalSnapshot other {theirs.entries(), theirs.getStartCycleDate()};
    const OvelaJournalSnapshot mine {journal.entries(), journal.getStartCycleDate()};
    const OvelaJournalSync::Changes changes = OvelaJournalSync::compare(&base, mine, other);
    base = std::move(other);
    apply(changes, tr("another copy of the journal"));
    return true;
}

void OvelaOutsideChanges::bringInBeforeExit()
{
    settle.stop();
    exiting = true;
    // The file is the saver's while it saves (and what a save reports may start another).
    while (saver.isSaving())
        saver.waitForSave();
    for (int attempt = 0; attempt < 3 && file.unseenOnDisk(); ++attempt) {
        if (bringIn())
            return;
        QThread::msleep(1000);
    }
    if (!file.unseenOnDisk())
        return;
    // Still unreadable: it goes aside, as an unreadable journal at start does, and is kept in
    // the backups too; her entries are then written.
    if (file.setAsideUnopened() == OvelaJournalFile::LoadResult::MovedAside)
        file.acceptDiskFile();
}

void OvelaOutsideChanges::apply(const OvelaJournalSync::Changes &changes, const QString &from)
{
    QMap<QDate, OvelaRecordEntry> records = journal.entries();
    for (auto it = changes.set.cbegin(); it != changes.set.cend(); ++it)
        records.insert(it.key(), it.value());
    for (const QDate &day : changes.removed)
        records.remove(day);
    for (const OvelaDayDifference &day : changes.conflicts)
        pending.insert(day.date, day);
    if (changes.startConflict) {
        startPending = true;
        pendingStart = changes.otherStart;
    }
    const int came = int(changes.set.size() + changes.removed.size()) + (changes.startChanged ? 1 : 0);
    if (came > 0)
        replaceJournal(records, changes.start);
    // Hers differ from what is on disk where she changed days or keeps her version.
    if (records != base.records || changes.start != base.start)
        saver.markChanged();
    if (came > 0 || !changes.conflicts.isEmpty() || changes.startConflict) {
        QString text = tr("Brought in from %1: %2 days added or changed, %3 removed.")
                           .arg(from)
                           .arg(changes.set.size())
                           .arg(changes.removed.size());
        if (changes.startChanged)
            text += QLatin1Char(' ') + tr("The start of the cycle is now %1.")
                                           .arg(QLocale().toString(changes.start, QLocale::ShortFormat));
        if (!changes.conflicts.isEmpty() || changes.startConflict)
            text += QLatin1Char(' ')
                + tr("Days that differ on both sides keep your version until you choose.");
        emit message(text);
    }
    if (!changes.conflicts.isEmpty() || changes.startConflict)
        emit conflictsChanged();
}

void OvelaOutsideChanges::replaceJournal(const QMap<QDate, OvelaRecordEntry> &records,
                                         const QDate &start)
{
    // Taken over whole, so that every page refills as after a clear.
    OvelaDatabase merged;
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        merged.setEntry(it.value(), it.key());
    merged.setStartCycleDate(start);
    journal.takeOver(merged);
}

void OvelaOutsideChanges::resolve(const QList<QDate> &takeOther, const QList<QDate> &keepMine,
                                  bool startDecided, bool takeOtherStart)
{
    QMap<QDate, OvelaRecordEntry> records = journal.entries();
    QDate start = journal.getStartCycleDate();
    bool changed = false;
    for (const QDate &day : takeOther) {
        const auto it = pending.constFind(day);
        if (it == pending.cend())
            continue;
        if (it->theirsExists)
            records.insert(day, it->theirs);
        else
            records.remove(day);
        pending.remove(day);
        changed = true;
    }
    for (const QDate &day : keepMine)
        pending.remove(day);
    if (startDecided && startPending) {
        if (takeOtherStart) {
            start = pendingStart;
            changed = true;
        }
        startPending = false;
    }
    if (changed) {
        replaceJournal(records, start);
        saver.markChanged();
    }
    emit conflictsChanged();
}

bool OvelaOutsideChanges::isConflictCopy(const QString &name, const QString &journalName)
{
    const QFileInfo journalInfo(journalName);
    const QString stem = journalInfo.completeBaseName();
    const QString suffix = QLatin1Char('.') + journalInfo.suffix();
    // "journal.sync-conflict-20261210-101010-ABCDEFG.ovd" (Syncthing), "journal (conflicted
    // copy 2026-12-10 101010).ovd" (Nextcloud, ownCloud), "journal (Jane's conflicted copy
    // 2026-12-10).ovd" (Dropbox), "journal_conflict-20261210-101010.ovd" (older ownCloud).
    return name != journalName && name.startsWith(stem) && name.endsWith(suffix)
        && name.size() > stem.size() + suffix.size()
        && !name.at(stem.size()).isLetterOrNumber()
        && name.contains(QLatin1String("conflict"), Qt::CaseInsensitive);
}

void OvelaOutsideChanges::scanCopies()
{
    const QFileInfo real(file.realPath());
    const QStringList names = real.absoluteDir().entryList(QDir::Files, QDir::Name);
    QStringList found;
    for (const QString &name : names) {
        if (isConflictCopy(name, real.fileName()))
            found << real.absolutePath() + QLatin1Char('/') + name;
    }
    if (found != copies) {
        copies = found;
        emit conflictCopiesChanged();
    }
}

bool OvelaOutsideChanges::mergeConflictCopy(const QString &path)
{
    OvelaJournalFile copy(path);
    copy.setSeal(file.seal());
    OvelaDatabase theirs;
    OvelaJournalFile::LoadResult read = copy.read(theirs);
    if (read == OvelaJournalFile::LoadResult::NeedsSecret)
        read = readWithItsSecret(copy, theirs);
    if (read != OvelaJournalFile::LoadResult::Loaded) {
        emit message(tr("The conflict copy %1 could not be read; it is left where it is.")
                         .arg(QFileInfo(path).fileName()));
        return false;
    }
    const OvelaJournalSnapshot mine {journal.entries(), journal.getStartCycleDate()};
    const OvelaJournalSync::Changes changes = OvelaJournalSync::compare(
        nullptr, mine, {theirs.entries(), theirs.getStartCycleDate()});
    // Kept whole in the backups, never deleted; the merge waits until it is there.
    if (backups.takeIn(path).isEmpty()) {
        emit backupFailed(backups.errorString());
        return false;
    }
    apply(changes, QFileInfo(path).fileName());
    scanCopies();
    return true;
}

OvelaJournalFile::LoadResult OvelaOutsideChanges::readWithItsSecret(OvelaJournalFile &from,
                                                                    OvelaDatabase &theirs)
{
    const QFileInfo info(from.realPath());
    const QString version = info.absoluteFilePath() + QLatin1Char(' ')
        + QString::number(info.size()) + QLatin1Char(' ')
        + QString::number(info.lastModified().toMSecsSinceEpoch());
    if (exiting || declined.contains(version))
        return OvelaJournalFile::LoadResult::NeedsSecret;
    QFile in(info.absoluteFilePath());
    const QByteArray sealed = in.open(QIODevice::ReadOnly) ? in.read(64 * 1024) : QByteArray();
    OvelaJournalSeal::Status failure = OvelaJournalSeal::Status::Ok;
    const std::shared_ptr<const OvelaJournalSeal> other = OvelaUnlockDialog::unlock(
        nullptr,
        tr("The journal %1 is encrypted with another passphrase than this diary. Enter that "
           "passphrase or its recovery key to bring its days in:")
            .arg(info.fileName()),
        sealed, &failure);
    if (!other) {
        declined.insert(version);
        return OvelaJournalFile::LoadResult::NeedsSecret;
    }
    // Only for this read: the diary goes on writing with its own passphrase.
    const std::shared_ptr<const OvelaJournalSeal> own = from.seal();
    from.setSeal(other);
    const OvelaJournalFile::LoadResult read = from.read(theirs);
    from.setSeal(own);
    return read;
}
