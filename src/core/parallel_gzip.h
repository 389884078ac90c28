#pragma once

#include <QByteArray>

#include <deque>
#include <memory>

// A gzip file (one member, as zlib writes it at its default level) made from pieces of data
// that are deflated on worker threads while the next pieces are made: each piece is deflated
// on its own, primed with the last 32 KiB of the piece before it, and the pieces' outputs are
// written in order. Writes straight to a file descriptor, reporting every write error.
class ParallelGzip
{
public:
    explicit ParallelGzip(int fd);
    ~ParallelGzip(); // waits for the workers
    ParallelGzip(const ParallelGzip &) = delete;
    ParallelGzip &operator=(const ParallelGzip &) = delete;

    // Adds the next piece; `last` for the final one, after which only finish() is called.
    // False when a write failed (errno says why) or zlib refused.
    bool add(QByteArray piece, bool last);
    // Writes what is left and the trailer.
    bool finish();

    // The length and CRC-32 of the data added.
    quint64 length() const { return total; }
    quint32 crc() const { return quint32(check); }

private:
    struct Job;
    bool writeOldest();
    bool writeAll(const char *data, qsizetype size);

    int fd;
    std::deque<std::unique_ptr<Job>> jobs;
    QByteArray previousTail; // the dictionary for the next piece
    bool headerWritten = false;
    bool failed = false;
    quint64 total = 0;
    unsigned long check;
};
