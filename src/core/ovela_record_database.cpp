#include "core/ovela_record_database.h"

#include "core/ovela_journal_reader.h"
#include "core/qzipfile.h"

#include <QDataStream>
#include <QIODevice>
#include <QtDebug>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>

namespace {

constexpr qint8 FormatByte = 100;

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


// The rest of a direct-access device, in blocks. A read error (a damaged gzip stream, a wrong
// checksum, a cut-off file) fails.
bool readToEnd(QIODevice *device, QByteArray *out)
{
    constexpr qint64 Block = 256 * 1024;
    for (;;) {
        const qsizetype at = out->size();
        out->resize(at + Block);
        const qint64 got = device->read(out->data() + at, Block);
        out->resize(at + qMax<qint64>(got, 0));
        if (got < 0)
            return false;
        if (got == 0)
            return true;
    }
}

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
    // One pass over the records, writing straight into memory that grows as it fills: no
    // stream calls per field.
    const QByteArray magic = OvelaJournalReader::magic();
    QByteArray bytes(magic.size() + 1 + 4 + records.size() * (OvelaJournalReader::FixedRecordSize + 64) + 4,
                     Qt::Uninitialized);
    qsizetype used = 0;
    // Room for `count` more bytes, and where they go.
    auto room = [&bytes, &used](qsizetype count) {
        if (bytes.size() - used < count)
            bytes.resize(std::max(bytes.size() * 2, used + count));
        uchar *at = reinterpret_cast<uchar *>(bytes.data()) + used;
        used += count;
        return at;
    };
    auto u32 = [](uchar *&out, quint32 value) {
        qToBigEndian(value, out);
        out += 4;
    };
    auto date = [&u32](uchar *&out, const QDate &d) {
        u32(out, d.isValid() ? quint32(d.toJulianDay()) : 0);
    };
    std::memcpy(room(magic.size()), magic.constData(), size_t(magic.size()));
    uchar *out = room(1 + 4);
    *out++ = uchar(FormatByte);
    u32(out, quint32(records.size()));
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const OvelaRecordEntry &entry = it.value();
        // An empty or null note is stored with the count 0.
        const QString &note = entry.getNote();
        if (note.size() > std::numeric_limits<qint32>::max() / 2)
            return QByteArray();
        out = room(OvelaJournalReader::FixedRecordSize + note.size() * 2);
        date(out, it.key());
        for (bool flag : {entry.getDoctor(), entry.getCramps(), entry.getPMS(), entry.getSex(),
                          entry.getProtection(), entry.getSecret()})
            *out++ = flag ? 1 : 0;
        u32(out, quint32(entry.getTemperature()));
        u32(out, quint32(entry.getCervicalFluid()));
        u32(out, quint32(note.size() * 2));
        qToBigEndian<quint16>(note.utf16(), note.size(), out);
    }
    out = room(4);
    date(out, startCycleDate);
    bytes.resize(used);
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
        // A file device is read whole, in large blocks (growing as the bytes arrive, never by a
        // count from the file), and parsed in memory: a read per field through an unbuffered
        // gzip device costs far more than the inflating itself. Reading to the end also makes
        // a gzip device check its trailer.
        QByteArray rest;
        if (!readToEnd(device, &rest))
            return false;
        OvelaJournalReader in(rest);
        qint32 count = 0;
        if (!in.formatAndCount(&count))
            return false;
        // Every file the program writes is in date order, so the hint makes each insert
        // constant; a date that comes twice keeps its last record, as inserting does.
        std::map<QDate, OvelaRecordEntry> parsed;
        QDate date;
        OvelaRecordEntry entry;
        for (qint32 i = 0; i < count; ++i) {
            if (!in.record(&date, &entry))
                return false;
            parsed.insert_or_assign(parsed.end(), date, std::move(entry));
        }
        if (!in.date(&start))
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
