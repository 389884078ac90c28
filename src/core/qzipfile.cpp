#include "core/qzipfile.h"

#include <QtDebug>

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

gzFile gz(void *handle)
{
    return static_cast<gzFile>(handle);
}

// zlib's counts are unsigned ints; larger requests are served in part, as a device may.
unsigned chunkLength(qint64 size)
{
    return unsigned(std::clamp<qint64>(size, 0, INT_MAX));
}

} // namespace

QZipFile::QZipFile()
{
    unsetError();
}

QZipFile::QZipFile(const QString &name)
    : QFile(name)
{
    unsetError();
}

QZipFile::~QZipFile()
{
    close();
}

bool QZipFile::open(OpenMode mode)
{
    if (isOpen() || fileName().isEmpty())
        return false;
    unsetError();
    handle = nullptr;
    writing = false;
    writeError = false;
    if (!(mode & ReadWrite))
        return false;

    const QByteArray path = QFile::encodeName(fileName());
    if (mode & ReadOnly) {
        // A read-write request opens for reading only: a gzip stream cannot be rewritten in
        // place. zlib passes data that is not gzip through unchanged.
        handle = gzopen(path.constData(), "rbe");
    } else {
        // The journal is private: create the file readable by its owner only.
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        handle = gzdopen(fd, "wb");
        if (!handle) {
            ::close(fd);
            return false;
        }
        writing = true;
    }
    if (!handle)
        return false;

    // Unbuffered: every read and write goes straight to zlib, so the device's own position
    // bookkeeping and gztell never disagree.
    const OpenMode granted = (mode & ReadOnly) ? OpenMode(ReadOnly) : OpenMode(WriteOnly);
    QIODevice::open(granted | Unbuffered);
    return true;
}

bool QZipFile::open(OpenMode, int)
{
    qWarning("Not implemented");
    return false;
}

bool QZipFile::open(OpenMode mode, FILE *stream)
{
    // Kept for completeness: the stream is taken as QFile takes it, with no gzip handle, so
    // reads and writes through it fail.
    return QFile::open(stream, mode);
}

void QZipFile::close()
{
    if (!handle) {
        if (isOpen())
            QFile::close();
        return;
    }
    QIODevice::close();
    // When writing, gzclose compresses what is still buffered and writes the trailer; a
    // failure there means the file on disk is incomplete.
    const int result = gzclose(gz(handle));
    handle = nullptr;
    if (writing && result != Z_OK)
        writeError = true;
    writing = false;
}

bool QZipFile::flush()
{
    if (!handle)
        return false;
    if (gzflush(gz(handle), Z_SYNC_FLUSH) != Z_OK) {
        if (writing)
            writeError = true;
        return false;
    }
    return true;
}

qint64 QZipFile::size() const
{
    // The uncompressed size of a gzip stream is not known without reading all of it.
    return 0;
}

qint64 QZipFile::pos() const
{
    if (!handle)
        return QFile::pos();
    const z_off_t position = gztell(gz(handle));
    return position < 0 ? 0 : qint64(position);
}

bool QZipFile::seek(qint64 offset)
{
    if (!handle || offset < 0)
        return false;
    if (gzseek(gz(handle), z_off_t(offset), SEEK_SET) == -1)
        return false;
    // Keep QIODevice's idea of the position in step with zlib's.
    return QIODevice::seek(offset);
}

bool QZipFile::atEnd() const
{
    return handle && gzeof(gz(handle)) == 1;
}

int QZipFile::getch()
{
    if (!handle)
        return -1;
    const int c = gzgetc(gz(handle));
    syncPosition();
    return c;
}

int QZipFile::putch(int c)
{
    if (!handle)
        return -1;
    const int result = gzputc(gz(handle), c);
    if (result == -1 && writing)
        writeError = true;
    syncPosition();
    return result;
}

int QZipFile::ungetch(int)
{
    return -1;
}

bool QZipFile::hasWriteError() const
{
    return writeError;
}

qint64 QZipFile::readData(char *data, qint64 maxSize)
{
    if (!handle)
        return -1;
    if (maxSize <= 0)
        return 0;
    const int got = gzread(gz(handle), data, chunkLength(maxSize));
    if (got < 0)
        return -1;
    if (got == 0) {
        // zlib ends a cut-off gzip stream quietly with "unexpected end of file"; for us that
        // is damaged data, not a clean end.
        int code = Z_OK;
        gzerror(gz(handle), &code);
        if (code != Z_OK)
            return -1;
    }
    return got;
}

qint64 QZipFile::writeData(const char *data, qint64 maxSize)
{
    if (!handle)
        return -1;
    if (maxSize == 0)
        return 0;
    const int written = gzwrite(gz(handle), data, chunkLength(maxSize));
    if (written <= 0) {
        writeError = true;
        return -1;
    }
    return written;
}

qint64 QZipFile::readLineData(char *data, qint64 maxSize)
{
    if (!handle || maxSize <= 0)
        return -1;
    // gzgets needs room for its terminating NUL, which the caller's count does not include,
    // so lines are read through a local buffer.
    char chunk[4096];
    qint64 total = 0;
    while (total < maxSize) {
        const int room = int(qMin<qint64>(maxSize - total + 1, sizeof(chunk)));
        if (!gzgets(gz(handle), chunk, room))
            break;
        const qint64 got = qint64(qstrnlen(chunk, uint(room)));
        memcpy(data + total, chunk, size_t(got));
        total += got;
        if (got == 0 || chunk[got - 1] == '\n' || got < room - 1)
            break;
    }
    // QIODevice advances its position by the count returned and seeks there before the next
    // read, so no resynchronisation is needed here.
    return total == 0 ? -1 : total;
}

void QZipFile::syncPosition()
{
    // Single characters read or written around QIODevice move zlib's
    // position; QIODevice must follow or it would seek back on the next read.
    const z_off_t position = gztell(gz(handle));
    if (position >= 0)
        QIODevice::seek(qint64(position));
}

QByteArray QZipFile::compress(const QByteArray &data)
{
    z_stream z {};
    // 15 window bits plus 16: a gzip header and trailer, as gzopen writes them.
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return QByteArray();
    QByteArray out(qsizetype(deflateBound(&z, uLong(data.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int result = deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return result == Z_STREAM_END ? out : QByteArray();
}

bool QZipFile::uncompress(const QByteArray &gzip, QByteArray *data, qsizetype maxSize)
{
    data->clear();
    if (!gzip.startsWith("\x1f\x8b")) {
        if (gzip.size() > maxSize)
            return false;
        *data = gzip;
        return true;
    }
    z_stream z {};
    if (inflateInit2(&z, 15 + 16) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gzip.constData()));
    z.avail_in = uInt(gzip.size());
    char chunk[65536];
    int result = Z_OK;
    while (true) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = sizeof chunk;
        result = inflate(&z, Z_NO_FLUSH);
        const qsizetype got = qsizetype(sizeof chunk - z.avail_out);
        if (data->size() + got > maxSize) {
            result = Z_MEM_ERROR;
            break;
        }
        data->append(chunk, got);
        // Members one after another read as one stream, and anything else after a member is
        // ignored, as gzread does.
        if (result == Z_STREAM_END && z.avail_in >= 2 && z.next_in[0] == 0x1f
            && z.next_in[1] == 0x8b) {
            if (inflateReset(&z) != Z_OK)
                break;
            continue;
        }
        if (result != Z_OK)
            break;
        if (z.avail_in == 0 && got == 0) {
            result = Z_BUF_ERROR; // cut short
            break;
        }
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END)
        data->clear();
    return result == Z_STREAM_END;
}
