#include "core/ovela_journal_file.h"

#include "core/ovela_record_database.h"
#include "core/qzipfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

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

// Inflates a whole gzip file. Fails on a damaged or incomplete stream, on anything after it,
// and as soon as the output grows beyond `limit` bytes.
bool gunzipFile(const QString &path, qint64 limit, QByteArray *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray packed = file.readAll();
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef *>(packed.data());
    zs.avail_in = uInt(packed.size());
    char chunk[4096];
    int status = Z_OK;
    while (status == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(chunk);
        zs.avail_out = sizeof chunk;
        status = inflate(&zs, Z_NO_FLUSH);
        out->append(chunk, qsizetype(sizeof chunk - zs.avail_out));
        if (out->size() > limit)
            break;
    }
    const bool ok = status == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return ok;
}

// Writing beyond a file size limit raises SIGXFSZ, whose default action ends the process in the
// middle of the write; ignored, the write fails with EFBIG and the old journal is kept.
void ignoreFileSizeSignal()
{
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, nullptr);
    }
}

} // namespace

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
        lockFile->getLockInfo(&ownerPid, nullptr, nullptr);
        lockFile.reset();
        return LockResult::HeldElsewhere;
    }
    lockFile.reset();
    std::fprintf(stderr, "ovelaZ: cannot create the lock file %s; running without it\n",
                 qPrintable(lockPath()));
    return LockResult::Unavailable;
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
    asidePath.clear();
    error.clear();
    const QFileInfo info(filePath);
    if (isLocked())
        removeLeftovers();
    if (!info.exists() && !info.isSymLink())
        return LoadResult::Missing;

    QZipFile device(filePath);
    bool loaded = false;
    if (device.open(QIODevice::ReadOnly)) {
        loaded = journal.load(&device);
        device.close();
    }
    if (loaded)
        return LoadResult::Loaded;

    // Whatever is in that file may still be the user's only copy of her diary: it must never be
    // replaced by the empty journal this run starts with.
    const QString aside = unreadableName();
    if (!QFile::rename(filePath, aside)) {
        replaceBlocked = true;
        error = QStringLiteral("cannot move the unreadable journal %1 aside").arg(filePath);
        std::fprintf(stderr, "ovelaZ: %s; it will not be replaced\n", qPrintable(error));
        return LoadResult::Unreadable;
    }
    if (!QFileInfo(aside).isSymLink())
        QFile::setPermissions(aside, privateFile);
    syncPath(info.absolutePath(), true);
    asidePath = aside;
    std::fprintf(stderr, "ovelaZ: the journal %s could not be read; kept as %s\n",
                 qPrintable(filePath), qPrintable(aside));
    return LoadResult::MovedAside;
}

void OvelaJournalFile::removeLeftovers()
{
    // With the lock held no other copy is saving: a temporary file of ours is what a run that
    // was killed while it saved left behind. The journal beside it is whole.
    const QFileInfo info(filePath);
    QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList(
        {info.fileName() + QLatin1String(".??????.new")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        folder.remove(name);
}

bool OvelaJournalFile::fail(const QString &message)
{
    error = message;
    std::fprintf(stderr, "ovelaZ: the journal was not saved: %s\n", qPrintable(message));
    return false;
}

bool OvelaJournalFile::save(const OvelaDatabase &journal)
{
    error.clear();
    if (replaceBlocked)
        return fail(QStringLiteral("an unreadable journal is still at %1").arg(filePath));
    ignoreFileSizeSignal();

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
            return fail(QStringLiteral("cannot create a file in %1: %2")
                            .arg(folder, reserve.errorString()));
        tempPath = reserve.fileName();
    }

    if (!writeTemporary(journal, tempPath)) {
        QFile::remove(tempPath);
        return false;
    }

    keepBackup(target);

    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target).constData())
        != 0) {
        const QString reason = systemError();
        QFile::remove(tempPath);
        return fail(QStringLiteral("cannot rename %1 to %2: %3").arg(tempPath, target, reason));
    }
    // Make the rename itself durable; the journal is in place even if this fails.
    if (!syncPath(folder, true))
        std::fprintf(stderr, "ovelaZ: cannot sync the folder %s: %s\n", qPrintable(folder),
                     qPrintable(systemError()));
    return true;
}

bool OvelaJournalFile::writeTemporary(const OvelaDatabase &journal, const QString &tempPath)
{
    QByteArray expected;
    {
        QBuffer buffer(&expected);
        buffer.open(QIODevice::WriteOnly);
        journal.save(&buffer);
    }

    {
        QZipFile device(tempPath);
        if (!device.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot write %1").arg(tempPath));
        if (!journal.save(&device))
            return fail(QStringLiteral("cannot write %1").arg(tempPath));
        device.close();
    }
    if (!syncPath(tempPath, false))
        return fail(QStringLiteral("cannot sync %1: %2").arg(tempPath, systemError()));

    // Write errors of the gzip stream (a full disk, a file size limit) are not reported by the
    // device; reading the file back is what proves it holds the whole journal.
    QByteArray written;
    if (!gunzipFile(tempPath, expected.size(), &written) || written != expected)
        return fail(QStringLiteral("%1 does not read back as written (disk full?)").arg(tempPath));
    return true;
}

bool OvelaJournalFile::keepBackup(const QString &target)
{
    const QFileInfo current(target);
    if (!current.exists())
        return true;
    const QString backup = target + QLatin1String(".bak");
    const QByteArray from = QFile::encodeName(target);
    const QByteArray to = QFile::encodeName(backup);
    if (::unlink(to.constData()) != 0 && errno != ENOENT) {
        std::fprintf(stderr, "ovelaZ: cannot replace the backup %s: %s\n", to.constData(),
                     qPrintable(systemError()));
        return false;
    }
    // A hard link costs no space and no write; copy where the file system has none.
    if (::link(from.constData(), to.constData()) == 0 || QFile::copy(target, backup))
        return true;
    // The new journal still replaces the old one: losing this run's entries would be worse
    // than going without a backup of the previous run.
    std::fprintf(stderr, "ovelaZ: cannot keep the previous journal as %s\n", to.constData());
    return false;
}
