#include "core/parallel_gzip.h"

#include <cerrno>
#include <system_error>
#include <thread>

#include <unistd.h>
#include <zlib.h>

namespace {

// As many pieces are deflated at once as there are workers; a few are enough for two cores,
// and each holds a piece and its output in memory.
constexpr std::size_t Workers = 2;
constexpr int Window = 32 * 1024;

} // namespace

struct ParallelGzip::Job
{
    QByteArray input;
    qsizetype inputSize = 0;
    QByteArray dictionary;
    bool last = false;
    QByteArray output;
    uLong crc = 0;
    bool ok = false;
    std::thread worker;

    void run()
    {
        crc = crc32_z(0, reinterpret_cast<const Bytef *>(input.constData()), size_t(input.size()));
        z_stream zs{};
        // Raw deflate: the gzip header and trailer are written around the pieces.
        if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                         Z_DEFAULT_STRATEGY) != Z_OK)
            return;
        if (!dictionary.isEmpty())
            deflateSetDictionary(&zs, reinterpret_cast<const Bytef *>(dictionary.constData()),
                                 uInt(dictionary.size()));
        zs.next_in = reinterpret_cast<Bytef *>(input.data());
        zs.avail_in = uInt(input.size());
        // The journal deflates to about a tenth; the output grows if it needs more.
        output.resize(input.size() / 4 + 1024);
        // A piece before the last ends on a byte boundary without ending the stream, so that
        // the next piece's blocks follow it.
        const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
        for (;;) {
            zs.next_out = reinterpret_cast<Bytef *>(output.data()) + zs.total_out;
            zs.avail_out = uInt(output.size() - qsizetype(zs.total_out));
            const int status = deflate(&zs, flush);
            if (status == Z_STREAM_ERROR)
                break;
            const bool done = last ? status == Z_STREAM_END
                                   : zs.avail_in == 0 && zs.avail_out > 0;
            if (done) {
                ok = true;
                break;
            }
            output.resize(output.size() * 2);
        }
        output.resize(qsizetype(zs.total_out));
        deflateEnd(&zs);
        input.clear();
        dictionary.clear();
    }
};

ParallelGzip::ParallelGzip(int fd)
    : fd(fd)
    , check(crc32(0, nullptr, 0))
{
}

ParallelGzip::~ParallelGzip()
{
    for (const auto &job : jobs) {
        if (job->worker.joinable())
            job->worker.join();
    }
}

bool ParallelGzip::add(QByteArray piece, bool last)
{
    if (failed)
        return false;
    auto job = std::make_unique<Job>();
    job->dictionary = previousTail;
    previousTail = piece.right(Window);
    total += quint64(piece.size());
    job->inputSize = piece.size();
    job->input = std::move(piece);
    job->last = last;
    Job *j = job.get();
    try {
        j->worker = std::thread([j] { j->run(); });
    } catch (const std::system_error &) {
        j->run(); // no thread to be had: deflated here
    }
    jobs.push_back(std::move(job));
    while (jobs.size() > Workers) {
        if (!writeOldest())
            return false;
    }
    return true;
}

bool ParallelGzip::finish()
{
    while (!jobs.empty()) {
        if (!writeOldest())
            return false;
    }
    // The gzip trailer: the CRC-32 and the length modulo 2^32, little-endian.
    uchar trailer[8];
    for (int i = 0; i < 4; ++i) {
        trailer[i] = uchar(check >> (8 * i));
        trailer[4 + i] = uchar(total >> (8 * i));
    }
    return !failed && writeAll(reinterpret_cast<const char *>(trailer), sizeof trailer);
}

bool ParallelGzip::writeOldest()
{
    std::unique_ptr<Job> job = std::move(jobs.front());
    jobs.pop_front();
    if (job->worker.joinable())
        job->worker.join();
    if (!job->ok) {
        errno = EIO;
        failed = true;
        return false;
    }
    if (!headerWritten) {
        // As zlib writes it: no name, no time, default level, made on Unix.
        static const char header[10] = {'\x1f', '\x8b', 8, 0, 0, 0, 0, 0, 0, 3};
        if (!writeAll(header, sizeof header))
            return false;
        headerWritten = true;
    }
    check = crc32_combine(check, job->crc, z_off_t(job->inputSize));
    return writeAll(job->output.constData(), job->output.size());
}

bool ParallelGzip::writeAll(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            failed = true;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}
