#include "core/ovela_journal_file.h"

#include "core/ovela_record_database.h"
#include "core/ovela_journal_reader.h"
#include "core/ovela_journal_seal.h"
#include "core/ovela_journal_writer.h"
#include "core/qzipfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// fsync(2) on a file or a folder by name.
bool syncPath(const QString &path, bool folder)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    errno = savedErrno;
    return ok;
}

// A file read whole into memory; false when it cannot be read or is larger than any journal.
bool readWhole(const QString &path, QByteArray *bytes, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    *bytes = file.read(OvelaJournalReader::MaxStreamSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    if (bytes->size() > OvelaJournalReader::MaxStreamSize) {
        *reason = OvelaJournalFile::tr("the file is too large");
        return false;
    }
    return true;
}

} // namespace

void OvelaJournalFile::ignoreFileSizeSignal()
{
    // Writing beyond a file size limit raises SIGXFSZ, whose default action ends the process
    // in the middle of the write; ignored, the write fails with EFBIG and the old file is kept.
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, nullptr);
    }
}

OvelaJournalFile::OvelaJournalFile(const QString &path)
    : filePath(path)
{
}

OvelaJournalFile::~OvelaJournalFile() = default;

OvelaJournalFile::LockResult OvelaJournalFile::lock()
{
    if (isLocked())
        return LockResult::Locked;
    ownerPid = 0;
    ownerHost.clear();
    ownerSince = QDateTime();
    lockFile = std::make_unique<QLockFile>(lockPath());
    // A live owner keeps its lock however long it runs; only the locks of dead processes are
    // taken over.
    lockFile->setStaleLockTime(0);
    if (lockFile->tryLock(0)) {
        // It names only a process and a host, but the diary's files are all the owner's alone.
        QFile::setPermissions(lockPath(), privateFile);
        return LockResult::Locked;
    }
    const QLockFile::LockError reason = lockFile->error();
    if (reason == QLockFile::LockFailedError) {
        QString host;
        lockFile->getLockInfo(&ownerPid, &host, nullptr);
        lockFile.reset();
        if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
            ownerHost = host;
            ownerSince = QFileInfo(lockPath()).lastModified();
            return LockResult::HeldOnAnotherComputer;
        }
        return LockResult::HeldElsewhere;
    }
    lockFile.reset();
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("ovelaZ: cannot create the lock file %1; running without it")
                                .arg(lockPath())));
    return LockResult::Unavailable;
}

QString OvelaJournalFile::realPath() const
{
    const QFileInfo info(filePath);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A link to a journal not made yet.
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

bool OvelaJournalFile::isLocked() const
{
    return lockFile && lockFile->isLocked();
}

QString OvelaJournalFile::unreadableName() const
{
    const QString base = filePath + QLatin1String(".unreadable");
    QString name = base;
    for (int n = 1; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++n)
        name = base + QLatin1Char('.') + QString::number(n);
    return name;
}

OvelaJournalFile::LoadResult OvelaJournalFile::load(OvelaDatabase &journal)
{
    return afterRead(read(journal));
}

OvelaJournalFile::LoadResult OvelaJournalFile::afterRead(LoadResult readResult)
{
    if (isLocked())
        removeLeftovers();
    if (readResult == LoadResult::Unreadable && sealBlocked)
        return blockedAs;
    return readResult == LoadResult::Unreadable ? setAside() : readResult;
}

OvelaJournalFile::LoadResult OvelaJournalFile::setAsideUnopened()
{
    const LoadResult result = setAside();
    if (result == LoadResult::MovedAside)
        sealBlocked = false;
    return result;
}

OvelaJournalFile::LoadResult OvelaJournalFile::read(OvelaDatabase &journal)
{
    asidePath.clear();
    error.clear();
    // A link to a journal not made yet (a sync folder's, before the first save) is no journal
    // either: the first save makes it where the link points, and the link stays.
    const QFileInfo info(filePath);
    if (!info.exists()) {
        sealBlocked = false;
        return LoadResult::Missing;
    }

    // Taken before reading: a file replaced while it is read then counts as different, and
    // the exit writes the journal over it rather than leaving a stranger's file in place.
    DiskIdentity read;
    const bool readKnown = diskIdentity(&read);
    bool loaded = false;
    if (OvelaJournalSeal::isSealedFile(filePath)) {
        const LoadResult result = readSealed(journal);
        if (result != LoadResult::Loaded)
            return result;
        loaded = true;
    } else {
        QZipFile device(filePath);
        if (device.open(QIODevice::ReadOnly)) {
            loaded = journal.load(&device);
            device.close();
        }
    }
    if (!loaded) {
        // Not a plain journal, and maybe an encrypted one whose first bytes were damaged: that
        // is left where it is like any other that fails authentication.
        QFile file(filePath);
        if (file.open(QIODevice::ReadOnly)
            && OvelaJournalSeal::check(file.read(OvelaJournalSeal::HeaderSize))
                == OvelaJournalSeal::Status::Damaged) {
            sealBlocked = true;
            blockedAs = LoadResult::Damaged;
            error = tr("the encrypted journal %1 cannot be opened: %2")
                        .arg(filePath,
                             OvelaJournalSeal::describe(OvelaJournalSeal::Status::Damaged));
            return LoadResult::Damaged;
        }
        return LoadResult::Unreadable;
    }
    sealBlocked = false;
    lastDiskFile = read;
    diskFileKnown = readKnown;
    return LoadResult::Loaded;
}

OvelaJournalFile::LoadResult OvelaJournalFile::readSealed(OvelaDatabase &journal)
{
    QByteArray sealed;
    QString reason;
    if (!readWhole(filePath, &sealed, &reason))
        return LoadResult::Unreadable;
    OvelaJournalSeal::Status status = OvelaJournalSeal::Status::WrongSecret;
    QByteArray gzip;
    if (!sealKey || !sealKey->unseal(sealed, &gzip, &status)) {
        // Neither kind is the journal's to replace: one waits for her passphrase, the other
        // for her to decide what to do with it.
        sealBlocked = true;
        blockedAs = status == OvelaJournalSeal::Status::WrongSecret ? LoadResult::NeedsSecret
                                                                    : LoadResult::Damaged;
        error = tr("the encrypted journal %1 cannot be opened: %2")
                    .arg(filePath, OvelaJournalSeal::describe(status));
        return blockedAs;
    }
    sealed.clear();
    QByteArray stream;
    const bool unpacked = QZipFile::uncompress(gzip, &stream, OvelaJournalReader::MaxStreamSize);
    gzip.clear();
    if (!unpacked)
        return LoadResult::Unreadable;
    QBuffer buffer(&stream);
    buffer.open(QIODevice::ReadOnly);
    return journal.load(&buffer) ? LoadResult::Loaded : LoadResult::Unreadable;
}

void OvelaJournalFile::setSeal(std::shared_ptr<const OvelaJournalSeal> seal)
{
    sealKey = std::move(seal);
}

OvelaJournalFile::LoadResult OvelaJournalFile::setAside()
{
    // Whatever is in that file may still be the user's only copy of her diary: it must never be
    // replaced by the empty journal this run starts with.
    const QFileInfo info(filePath);
    const QString aside = unreadableName();
    if (!QFile::rename(filePath, aside)) {
        replaceBlocked = true;
        error = tr("cannot move the unreadable journal %1 aside").arg(filePath);
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("ovelaZ: %1; it will not be replaced").arg(error)));
        return LoadResult::Unreadable;
    }
    if (!QFileInfo(aside).isSymLink())
        QFile::setPermissions(aside, privateFile);
    QString reason;
    if (sealKey && !QFileInfo(aside).isSymLink() && !sealInPlace(aside, *sealKey, &reason))
        std::fprintf(stderr, "ovelaZ: cannot encrypt %s: %s\n", qPrintable(aside),
                     qPrintable(reason));
    syncPath(info.absolutePath(), true);
    asidePath = aside;
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("ovelaZ: the journal %1 could not be read; kept as %2")
                                .arg(filePath, aside)));
    return LoadResult::MovedAside;
}

void OvelaJournalFile::removeLeftovers()
{
    // With the lock held no other copy is saving: a temporary file of ours is what a run that
    // was killed while it saved left behind. The journal beside it is whole.
    const QFileInfo info(filePath);
    QDir folder = info.absoluteDir();
    // "<name>.XXXXXX.new" and "<name>.bak.XXXXXX", matched by hand: a name filter would load
    // and compile a regular expression at every start.
    const QString name = info.fileName();
    const QString newPrefix = name + QLatin1Char('.');
    const QString newSuffix = QStringLiteral(".new");
    const QString bakPrefix = name + QLatin1String(".bak.");
    const auto isLeftover = [&](const QString &entry) {
        return (entry.size() == newPrefix.size() + 6 + newSuffix.size()
                && entry.startsWith(newPrefix) && entry.endsWith(newSuffix))
            || (entry.size() == bakPrefix.size() + 6 && entry.startsWith(bakPrefix));
    };
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : names) {
        if (isLeftover(entry))
            folder.remove(entry);
    }
}

bool OvelaJournalFile::refuseUnseen()
{
    // Not a failure to report: the caller brings the new journal's records in and saves again.
    unseenRefused = true;
    error = tr("the journal was changed by another program or device");
    return false;
}

bool OvelaJournalFile::fail(const QString &message)
{
    error = message;
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("ovelaZ: the journal was not saved: %1").arg(message)));
    return false;
}

bool OvelaJournalFile::save(const OvelaDatabase &journal)
{
    return save(journal.entries(), journal.getStartCycleDate());
}

bool OvelaJournalFile::save(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start)
{
    error.clear();
    unseenRefused = false;
    if (replaceBlocked)
        return fail(tr("an unreadable journal is still at %1").arg(filePath));
    if (sealBlocked)
        return fail(tr("the encrypted journal at %1 is not open; it will not be replaced")
                        .arg(filePath));
    if (unseenOnDisk())
        return refuseUnseen();
    OvelaJournalFile::ignoreFileSizeSignal();

    // A journal kept elsewhere through a symbolic link is replaced where it lives; the link
    // stays a link.
    const QFileInfo link(filePath);
    const QString target = link.isSymLink() ? link.symLinkTarget() : filePath;
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    QString tempPath;
    {
        // Only reserves a fresh private (0600) name in the same folder, so that the final rename
        // stays on one file system and is atomic.
        QTemporaryFile reserve(folder + QLatin1Char('/') + info.fileName()
                               + QLatin1String(".XXXXXX.new"));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            return fail(tr("cannot create a file in %1: %2")
                            .arg(folder, reserve.errorString()));
        tempPath = reserve.fileName();
    }

    if (!writeTemporary(records, start, tempPath)) {
        QFile::remove(tempPath);
        return false;
    }

    // The backup is made once a session; a backup that failed is tried again by the next save
    // for as long as the journal has not been replaced.
    if (!backupKept && keepBackup(target))
        backupKept = true;

    // Checked again at the last moment: what another device wrote while this file was made
    // must not be replaced unseen.
    if (unseenOnDisk()) {
        QFile::remove(tempPath);
        return refuseUnseen();
    }
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target).constData())
        != 0) {
        const QString reason = systemError();
        QFile::remove(tempPath);
        return fail(tr("cannot rename %1 to %2: %3").arg(tempPath, target, reason));
    }
    // Once the journal is replaced, it no longer is what the session found.
    backupKept = true;
    // Make the rename itself durable; the journal is in place even if this fails.
    if (!syncPath(folder, true))
        std::fprintf(stderr, "ovelaZ: cannot sync the folder %s: %s\n", qPrintable(folder),
                     qPrintable(systemError()));
    rememberDiskFile();
    return true;
}

bool OvelaJournalFile::diskIdentity(DiskIdentity *identity) const
{
    struct stat info {};
    if (::stat(QFile::encodeName(filePath).constData(), &info) != 0)
        return false;
    identity->device = quint64(info.st_dev);
    identity->inode = quint64(info.st_ino);
    identity->size = quint64(info.st_size);
    identity->modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return true;
}

void OvelaJournalFile::rememberDiskFile()
{
    diskFileKnown = diskIdentity(&lastDiskFile);
}

bool OvelaJournalFile::unseenOnDisk() const
{
    if (!guarded)
        return false;
    DiskIdentity now;
    if (!diskIdentity(&now))
        return false; // nothing there (or nothing readable to lose)
    return !diskFileKnown || !(now == lastDiskFile);
}

bool OvelaJournalFile::diskDiffers() const
{
    DiskIdentity now;
    return !diskFileKnown || !diskIdentity(&now) || !(now == lastDiskFile);
}

bool OvelaJournalFile::writeTemporary(const QMap<QDate, OvelaRecordEntry> &records,
                                      const QDate &start, const QString &tempPath)
{
    const QByteArray stream = OvelaJournalWriter::journal(records, start);
    if (stream.isNull())
        return fail(tr("a note is too long to be stored"));
    if (sealKey)
        return writeSealed(stream, tempPath);
    {
        QZipFile out(tempPath);
        if (!out.open(QIODevice::WriteOnly))
            return fail(tr("cannot write %1: %2").arg(tempPath, systemError()));
        const bool written = out.write(stream) == stream.size();
        const int writeErrno = errno;
        out.close();
        if (!written || out.hasWriteError()) {
            errno = written ? errno : writeErrno;
            return fail(tr("cannot write %1: %2").arg(tempPath, systemError()));
        }
    }
    if (!syncPath(tempPath, false))
        return fail(tr("cannot sync %1: %2").arg(tempPath, systemError()));
    // Every write reported success, but only reading the file back proves it holds the whole
    // journal as it was made.
    QZipFile in(tempPath);
    QByteArray readBack;
    OvelaJournalReader::Problem problem;
    if (!in.open(QIODevice::ReadOnly) || !OvelaJournalReader::readDevice(&in, &readBack, &problem)
        || readBack != stream)
        return fail(tr("%1 does not read back as written (disk full?)").arg(tempPath));
    return true;
}

bool OvelaJournalFile::writeSealed(const QByteArray &stream, const QString &tempPath)
{
    // Compressed and encrypted in memory: the temporary file never holds a plain byte.
    const QByteArray sealed = sealKey->seal(QZipFile::compress(stream));
    {
        QFile out(tempPath);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(tr("cannot write %1: %2").arg(tempPath, out.errorString()));
        const bool written = out.write(sealed) == sealed.size() && out.flush();
        const QString reason = out.errorString();
        out.close();
        if (!written)
            return fail(tr("cannot write %1: %2").arg(tempPath, reason));
    }
    if (!syncPath(tempPath, false))
        return fail(tr("cannot sync %1: %2").arg(tempPath, systemError()));
    QByteArray readBack;
    QByteArray gzip;
    QByteArray plain;
    QString reason;
    if (!readWhole(tempPath, &readBack, &reason) || !sealKey->unseal(readBack, &gzip, nullptr)
        || !QZipFile::uncompress(gzip, &plain, OvelaJournalReader::MaxStreamSize)
        || plain != stream)
        return fail(tr("%1 does not read back as written (disk full?)").arg(tempPath));
    return true;
}

bool OvelaJournalFile::sealInPlace(const QString &path, const OvelaJournalSeal &seal,
                                   QString *reason)
{
    if (!QFileInfo::exists(path) || OvelaJournalSeal::isSealedFile(path))
        return true;
    return copySealed(path, path, &seal, reason);
}

bool OvelaJournalFile::copySealed(const QString &from, const QString &to,
                                  const OvelaJournalSeal *seal, QString *reason)
{
    if (!seal || OvelaJournalSeal::isSealedFile(from))
        return from == to || copyPrivately(from, to, reason);
    // Plain: its bytes (the journal's gzip stream, or whatever an unreadable file holds) go
    // into the container as they are.
    QByteArray plain;
    if (!readWhole(from, &plain, reason))
        return false;
    const QByteArray sealed = seal->seal(plain);
    QTemporaryFile copy(to + QLatin1String(".XXXXXX"));
    copy.setAutoRemove(false);
    bool ok = copy.open();
    if (!ok)
        *reason = copy.errorString();
    else if (!(ok = copy.write(sealed) == sealed.size() && copy.flush()))
        *reason = copy.errorString();
    if (ok && !(ok = ::fsync(copy.handle()) == 0))
        *reason = systemError();
    const QString copyPath = copy.fileName();
    copy.close();
    if (ok && !(ok = ::rename(QFile::encodeName(copyPath).constData(),
                              QFile::encodeName(to).constData()) == 0))
        *reason = systemError();
    if (!ok && !copyPath.isEmpty())
        QFile::remove(copyPath);
    if (ok)
        syncPath(QFileInfo(to).absolutePath(), true);
    return ok;
}

bool OvelaJournalFile::copyPrivately(const QString &from, const QString &to, QString *reason)
{
    // Written under a temporary name beside `to`, synced, then renamed: `to` is never half a
    // copy, and it is the owner's alone whatever the mode of `from`.
    QFile source(from);
    QTemporaryFile copy(to + QLatin1String(".XXXXXX"));
    copy.setAutoRemove(false);
    bool ok = source.open(QIODevice::ReadOnly);
    if (!ok)
        *reason = source.errorString();
    else if (!(ok = copy.open()))
        *reason = copy.errorString();
    char chunk[65536];
    while (ok) {
        const qint64 got = source.read(chunk, sizeof chunk);
        if (got == 0)
            break;
        ok = got > 0 && copy.write(chunk, got) == got;
        if (!ok)
            *reason = got < 0 ? source.errorString() : copy.errorString();
    }
    if (ok && !(ok = copy.flush() && ::fsync(copy.handle()) == 0))
        *reason = systemError();
    const QString copyPath = copy.fileName();
    copy.close();
    if (ok && !(ok = copy.error() == QFileDevice::NoError))
        *reason = copy.errorString();
    if (ok && !(ok = ::rename(QFile::encodeName(copyPath).constData(),
                              QFile::encodeName(to).constData()) == 0))
        *reason = systemError();
    if (!ok && !copyPath.isEmpty())
        QFile::remove(copyPath);
    return ok;
}

bool OvelaJournalFile::keepBackup(const QString &target)
{
    const QFileInfo current(target);
    if (!current.exists())
        return true; // the session found no journal: there is nothing to keep
    if (!current.isFile())
        return false; // a folder or a device where the journal was: nothing to copy
    const QString backup = target + QLatin1String(".bak");
    // A copy, not a second name: it stays as it is while this session replaces the journal
    // again and again.
    QString reason;
    if (copySealed(target, backup, sealKey.get(), &reason))
        return true;
    // The new journal still replaces the old one: losing this session's entries would be worse
    // than going without a backup of the previous one.
    std::fprintf(stderr, "ovelaZ: cannot keep the previous journal as %s: %s\n",
                 qPrintable(backup), qPrintable(reason));
    return false;
}
