#include "core/ovela_record_database.h"

#include "core/ovela_journal_reader.h"
#include "core/ovela_journal_writer.h"
#include "core/qzipfile.h"

#include <QDataStream>
#include <QIODevice>
#include <QtDebug>

#include <condition_variable>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Dates are stored as 32-bit Julian days, 0 standing for "no date"; Qt's own QDate
// serialisation is 64-bit and cannot be used.
QDate readDate(QDataStream &stream)
{
    quint32 day = 0;
    stream >> day;
    return day == 0 ? QDate() : QDate::fromJulianDay(day);
}

enum class MagicCheck { Found, Missing, ReadError };

// Reads exactly as many bytes as the magic string takes, however its count is damaged. Read
// straight from the device so that a failing device is not taken for a foreign file.
MagicCheck readMagic(QIODevice *device)
{
    const QByteArray expected = OvelaJournalReader::magic();
    QByteArray bytes(expected.size(), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = device->read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            return MagicCheck::ReadError;
        if (n == 0)
            break;
        got += n;
    }
    return got == bytes.size() && bytes == expected ? MagicCheck::Found : MagicCheck::Missing;
}


// The rest of a direct-access device, read in blocks on a second thread while the caller parses
// the blocks already read: for a gzip device the inflating and the parsing then overlap. A few
// blocks are in use at a time, so the journal's stream is never held whole. A short device is
// read on the caller's thread, and so is every device when no thread can be had.
class BlockPipe
{
public:
    // Room before each block for the unread end of the block before it, so that a record that
    // spans two blocks is parsed in one piece without copying the block.
    static constexpr qsizetype Headroom = 4096;
    static constexpr qsizetype BlockSize = 64 * 1024;

    struct Block
    {
        std::unique_ptr<uchar[]> memory;
        qsizetype size = 0;
        uchar *data() { return memory.get() + Headroom; }
    };

    explicit BlockPipe(QIODevice *device)
        : device(device)
    {
        // A device that ends within its first block is not worth a thread.
        readOne();
        if (!done) {
            try {
                reader = std::thread([this] {
                    std::unique_lock<std::mutex> lock(mutex);
                    while (!done && !stopping) {
                        roomLeft.wait(lock, [this] { return stopping || filled - released < Ring; });
                        if (stopping)
                            break;
                        lock.unlock();
                        readOne();
                        lock.lock();
                    }
                });
            } catch (const std::system_error &) {
                // next() reads on the caller's thread instead.
            }
        }
    }

    ~BlockPipe()
    {
        if (reader.joinable()) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                stopping = true;
            }
            roomLeft.notify_all();
            reader.join();
        }
    }

    BlockPipe(const BlockPipe &) = delete;
    BlockPipe &operator=(const BlockPipe &) = delete;

    // The next block in order, once read; null at the end of the device or after a read error
    // (drain() tells which). The block before it stays valid until release().
    Block *next()
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (!reader.joinable()) {
            lock.unlock();
            if (taken == filled && !done)
                readOne();
            lock.lock();
        }
        arrived.wait(lock, [this] { return taken < filled || done; });
        if (taken == filled)
            return nullptr;
        return &blocks[taken++ % Ring];
    }

    // Gives the oldest block taken back to be read into again.
    void release()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            ++released;
        }
        roomLeft.notify_one();
    }

    // Waits for the device's end; false when reading it failed. Reading to the end also makes
    // a gzip device check its trailer.
    bool drain()
    {
        while (next())
            release();
        std::lock_guard<std::mutex> lock(mutex);
        return !readError;
    }

private:
    static constexpr qint64 Ring = 4;

    // Reads the next block into the ring; a slot is free whenever this is called.
    void readOne()
    {
        Block &block = blocks[filled % Ring];
        if (!block.memory)
            block.memory.reset(new uchar[Headroom + BlockSize]);
        qint64 got = 0;
        // A device may return less than asked before its end: a block is filled, or the end
        // or an error reached.
        while (got < BlockSize) {
            const qint64 n = device->read(reinterpret_cast<char *>(block.data()) + got,
                                          BlockSize - got);
            if (n <= 0) {
                if (n < 0)
                    got = -1;
                break;
            }
            got += n;
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (got < 0)
                readError = true;
            if (got > 0) {
                block.size = got;
                ++filled;
            }
            if (got < BlockSize)
                done = true;
        }
        arrived.notify_one();
    }

    QIODevice *device;
    Block blocks[Ring];
    std::mutex mutex;
    std::condition_variable arrived;
    std::condition_variable roomLeft;
    qint64 filled = 0;   // blocks read
    qint64 taken = 0;    // blocks handed to the caller
    qint64 released = 0; // blocks given back
    bool done = false;
    bool readError = false;
    bool stopping = false;
    std::thread reader;
};

// Records parsed from the blocks of a BlockPipe as they arrive. A record, header or date cut
// off by the end of a block is parsed once the next block is there: its beginning is put in
// front of that block or, for a long note, gathered in a buffer that grows by the bytes that
// arrive, never by a count from the stream.
class BlockParser
{
public:
    explicit BlockParser(BlockPipe &pipe)
        : pipe(pipe)
        , in(nullptr, nullptr)
    {
    }

    // Calls `read` on the reader until it succeeds; false when it fails for anything but
    // bytes still to come, or the stream ends first.
    template <typename Read>
    bool take(Read read)
    {
        while (!read(in)) {
            switch (in.problem()) {
            case OvelaJournalReader::Problem::HeaderCutOff:
            case OvelaJournalReader::Problem::RecordCutOff:
            case OvelaJournalReader::Problem::NoteCutOff:
            case OvelaJournalReader::Problem::DateCutOff:
                if (!more())
                    return false;
                break;
            default:
                return false;
            }
        }
        return true;
    }

private:
    bool more()
    {
        const uchar *rest = in.current();
        const qsizetype restSize = in.left();
        BlockPipe::Block *next = pipe.next();
        if (!next)
            return false;
        if (restSize <= BlockPipe::Headroom) {
            uchar *begin = next->data() - restSize;
            if (restSize > 0)
                std::memcpy(begin, rest, size_t(restSize));
            if (holdsBlock)
                pipe.release();
            holdsBlock = true;
            spill.clear();
            in = OvelaJournalReader(begin, next->data() + next->size);
            return true;
        }
        qsizetype from = 0;
        if (holdsBlock) {
            spill = QByteArray(reinterpret_cast<const char *>(rest), restSize);
            pipe.release();
            holdsBlock = false;
        } else {
            // Already gathering: what was read stays until the note is whole.
            from = qsizetype(rest - reinterpret_cast<const uchar *>(spill.constData()));
        }
        spill.append(reinterpret_cast<const char *>(next->data()), next->size);
        pipe.release();
        const auto *gathered = reinterpret_cast<const uchar *>(spill.constData());
        in = OvelaJournalReader(gathered + from, gathered + spill.size());
        return true;
    }

    BlockPipe &pipe;
    OvelaJournalReader in;
    QByteArray spill;
    bool holdsBlock = false; // `in` reads a block of the pipe, not the spill
};

} // namespace

OvelaDatabase::OvelaDatabase() = default;

OvelaDatabase::~OvelaDatabase() = default;

bool OvelaDatabase::save(QIODevice *device) const
{
    if (!device || !device->isWritable())
        return false;
    const QByteArray stream = serialise(records, startCycleDate);
    if (stream.isEmpty() || device->write(stream) != stream.size())
        return false;
    // Push buffered bytes out now, so a full disk is reported here and not lost on close.
    if (auto *zip = qobject_cast<QZipFile *>(device))
        return zip->flush();
    if (auto *file = qobject_cast<QFileDevice *>(device))
        return file->flush();
    return true;
}

QByteArray OvelaDatabase::serialise(const QMap<QDate, OvelaRecordEntry> &records,
                                    const QDate &startCycleDate)
{
    QByteArray bytes;
    bytes.reserve(records.size() * (OvelaJournalReader::FixedRecordSize + 64) + 64);
    OvelaJournalWriter writer(records, startCycleDate);
    if (!writer.appendTo(bytes, std::numeric_limits<qsizetype>::max()))
        return QByteArray();
    return bytes;
}

bool OvelaDatabase::load(QIODevice *device)
{
    if (!device || !device->isReadable()) {
        qWarning("device not readable");
        return false;
    }

    switch (readMagic(device)) {
    case MagicCheck::Found:
        break;
    case MagicCheck::Missing:
        qWarning("not cycle");
        return false;
    case MagicCheck::ReadError:
        return false;
    }

    // Everything is read into locals and only taken over once the whole stream is good.
    // Records are added one by one as they arrive; the count is never used to reserve.
    QMap<QDate, OvelaRecordEntry> loaded;
    QDate start;
    if (device->isSequential()) {
        // A stream device is parsed as it comes: reading it to its end could wait forever.
        QDataStream stream(device);
        stream.setByteOrder(QDataStream::BigEndian);
        qint8 format = 0;
        stream >> format; // any format byte is accepted
        qint32 count = 0;
        stream >> count;
        for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            const QDate date = readDate(stream);
            OvelaRecordEntry entry;
            stream >> entry;
            if (stream.status() == QDataStream::Ok)
                loaded.insert(loaded.cend(), date, entry);
        }
        start = readDate(stream);
        if (stream.status() != QDataStream::Ok)
            return false;
    } else {
        // A file device is read in large blocks on a second thread and parsed as they arrive:
        // a read per field through an unbuffered gzip device costs far more than the
        // inflating itself, and the stream is never held whole.
        BlockPipe pipe(device);
        BlockParser parser(pipe);
        qint32 count = 0;
        if (!parser.take([&count](OvelaJournalReader &in) { return in.formatAndCount(&count); }))
            return false;
        // Every file the program writes is in date order, so the hint makes each insert
        // constant; a date that comes twice keeps its last record, as inserting does.
        std::map<QDate, OvelaRecordEntry> parsed;
        QDate date;
        OvelaRecordEntry entry;
        OvelaNoteBlocks notes;
        const auto record = [&date, &entry, &notes](OvelaJournalReader &in) {
            return in.record(&date, &entry, &notes);
        };
        for (qint32 i = 0; i < count; ++i) {
            if (!parser.take(record))
                return false;
            parsed.insert_or_assign(parsed.end(), date, std::move(entry));
        }
        if (!parser.take([&start](OvelaJournalReader &in) { return in.date(&start); }))
            return false;
        // What follows the journal is not read, but the device must end well.
        if (!pipe.drain())
            return false;
        loaded = QMap<QDate, OvelaRecordEntry>(std::move(parsed));
    }

    records = std::move(loaded);
    startCycleDate = start;
    return true;
}

OvelaRecordEntry &OvelaDatabase::addEntry(const QDate &date)
{
    if (!records.contains(date))
        records.insert(date, OvelaRecordEntry());
    emit onAddEntry(date);
    emit journalChanged();
    // Looked up again: a receiver may have changed the map while the signal was delivered.
    return records[date];
}

void OvelaDatabase::removeEntry(const QDate &date)
{
    if (!containsEntry(date))
        return;
    // Receivers still find the record while they are told it goes.
    emit onDeleteEntry(date);
    records.remove(date);
    emit journalChanged();
}

void OvelaDatabase::setEntry(const OvelaRecordEntry &entry, const QDate &date)
{
    records.insert(date, entry);
    emit journalChanged();
}

void OvelaDatabase::setStartCycleDate(const QDate &date)
{
    startCycleDate = date;
    emit journalChanged();
}

bool OvelaDatabase::containsEntry(const QDate &date) const
{
    return records.contains(date);
}

OvelaRecordEntry OvelaDatabase::getEntry(const QDate &date) const
{
    return records.value(date, OvelaRecordEntry());
}

void OvelaDatabase::takeOver(OvelaDatabase &other)
{
    records = std::move(other.records);
    other.records.clear();
    startCycleDate = other.startCycleDate;
    other.startCycleDate = QDate();
    emit onClearDatabase(this);
}

void OvelaDatabase::clear()
{
    records.clear();
    emit onClearDatabase(this);
    emit journalChanged();
}
