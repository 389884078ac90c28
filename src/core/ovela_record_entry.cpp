#include "core/ovela_record_entry.h"

#include <QDataStream>
#include <QIODevice>
#include <QtDebug>

#include <limits>
#include <utility>

namespace {

// The note's byte count for a null string; it carries no text and reads as an empty note.
constexpr quint32 NullStringCount = 0xFFFFFFFFu;
// The note is read in pieces of this size, so a damaged count can never make us reserve more
// memory than the stream actually holds.
constexpr int NoteChunk = 4096;

void writeNote(QDataStream &stream, const QString &note)
{
    // An empty or null note is stored with the count 0, never as a null string.
    if (note.size() > std::numeric_limits<qint32>::max() / 2) {
        stream.setStatus(QDataStream::WriteFailed);
        return;
    }
    stream << quint32(note.size() * 2);
    if (note.isEmpty())
        return;
    const bool bigEndian = stream.byteOrder() == QDataStream::BigEndian;
    QByteArray raw(note.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < note.size(); ++i) {
        const ushort unit = note.at(i).unicode();
        const char high = char(unit >> 8);
        const char low = char(unit & 0xFF);
        raw[2 * i] = bigEndian ? high : low;
        raw[2 * i + 1] = bigEndian ? low : high;
    }
    if (stream.writeRawData(raw.constData(), raw.size()) != raw.size())
        stream.setStatus(QDataStream::WriteFailed);
}

// Reads a note written by writeNote (or a null string). On a damaged or short stream the
// stream's status says so and the note is left alone.
void readNote(QDataStream &stream, QString &note)
{
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (count == NullStringCount || count == 0) {
        note = QString::fromLatin1("");
        return;
    }
    if (count % 2 != 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    const bool bigEndian = stream.byteOrder() == QDataStream::BigEndian;
    QString text;
    char chunk[NoteChunk];
    quint32 left = count;
    while (left > 0) {
        const int want = int(qMin<quint32>(left, NoteChunk));
        if (stream.readRawData(chunk, want) != want) {
            stream.setStatus(QDataStream::ReadPastEnd);
            return;
        }
        // Grown by what arrived, never by the count the file claims.
        const qsizetype at = text.size();
        text.resize(at + want / 2);
        QChar *out = text.data() + at;
        for (int i = 0; i < want; i += 2) {
            const uchar first = uchar(chunk[i]);
            const uchar second = uchar(chunk[i + 1]);
            out[i / 2] = QChar(bigEndian ? ushort(first << 8 | second)
                                         : ushort(second << 8 | first));
        }
        left -= quint32(want);
    }
    note = text;
}

bool readFlag(QDataStream &stream)
{
    qint8 value = 0;
    stream >> value;
    return value != 0;
}

} // namespace

OvelaRecordEntry::OvelaRecordEntry()
    : note(QString::fromLatin1(""))
{
}

void OvelaRecordEntry::setNote(const QString &value)
{
    note = value;
    cleared = false;
}

void OvelaRecordEntry::setNote(QString &&value)
{
    note = std::move(value);
    cleared = false;
}

void OvelaRecordEntry::clear()
{
    *this = OvelaRecordEntry();
}

bool OvelaRecordEntry::isEmpty() const
{
    if (cleared)
        return true;
    return !doctor && !cramps && !pms && !sex && !protection && !secret && temperature == 0
        && cervicalFluid == 0 && note.isEmpty();
}

void OvelaRecordEntry::save(QDataStream &stream) const
{
    for (bool flag : {doctor, cramps, pms, sex, protection, secret})
        stream << qint8(flag ? 1 : 0);
    stream << temperature << cervicalFluid;
    writeNote(stream, note);
}

void OvelaRecordEntry::load(QDataStream &stream)
{
    // Read into a fresh record and take it only when the whole entry arrived, so a damaged
    // stream never leaves this record half overwritten.
    OvelaRecordEntry read;
    read.doctor = readFlag(stream);
    read.cramps = readFlag(stream);
    read.pms = readFlag(stream);
    read.sex = readFlag(stream);
    read.protection = readFlag(stream);
    read.secret = readFlag(stream);
    stream >> read.temperature >> read.cervicalFluid;
    readNote(stream, read.note);
    if (stream.status() != QDataStream::Ok)
        return;
    read.cleared = false;
    *this = read;
}

bool OvelaRecordEntry::save(QIODevice *device) const
{
    if (!device || !device->isWritable())
        return false;
    QDataStream stream(device);
    save(stream);
    return stream.status() == QDataStream::Ok;
}

bool OvelaRecordEntry::load(QIODevice *device)
{
    if (!device || !device->isReadable())
        return false;
    QDataStream stream(device);
    load(stream);
    return stream.status() == QDataStream::Ok;
}

void OvelaRecordEntry::dump() const
{
    qDebug("Love is %d", sex ? 1 : 0);
}

bool OvelaRecordEntry::operator==(const OvelaRecordEntry &other) const
{
    return doctor == other.doctor && cramps == other.cramps && pms == other.pms
        && sex == other.sex && protection == other.protection && secret == other.secret
        && temperature == other.temperature && cervicalFluid == other.cervicalFluid
        && note == other.note;
}

QDataStream &operator<<(QDataStream &stream, const OvelaRecordEntry &entry)
{
    entry.save(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, OvelaRecordEntry &entry)
{
    entry.load(stream);
    return stream;
}
