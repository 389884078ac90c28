#include "core/ovela_record_entry.h"

#include "core/ovela_journal_reader.h"
#include "core/ovela_journal_writer.h"

#include <QDataStream>
#include <QIODevice>
#include <QtDebug>

#include <QtEndian>

#include <utility>

namespace {

// The note is read in pieces of this size, so a damaged count can never make us reserve more
// memory than the stream actually holds.
constexpr int NoteChunk = 4096;

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

// The stream forms are thin calls into the journal's one codec, which is big-endian whatever
// the stream's byte order.
void OvelaRecordEntry::save(QDataStream &stream) const
{
    QByteArray bytes;
    if (!OvelaJournalWriter::appendEntry(bytes, *this)
        || stream.writeRawData(bytes.constData(), int(bytes.size())) != bytes.size())
        stream.setStatus(QDataStream::WriteFailed);
}

void OvelaRecordEntry::load(QDataStream &stream)
{
    // The fixed fields and the note's count, then the note as far as it arrives; decoded and
    // taken only when the whole entry is there, so a damaged stream never leaves this record
    // half overwritten.
    constexpr int Fixed = OvelaJournalReader::FixedRecordSize - 4;
    QByteArray bytes(Fixed, Qt::Uninitialized);
    if (stream.readRawData(bytes.data(), Fixed) != Fixed) {
        stream.setStatus(QDataStream::ReadPastEnd);
        return;
    }
    quint32 count = qFromBigEndian<quint32>(bytes.constData() + Fixed - 4);
    if (count == 0xFFFFFFFFu)
        count = 0;
    char chunk[NoteChunk];
    for (quint32 left = count; left > 0;) {
        const int want = int(qMin<quint32>(left, NoteChunk));
        if (stream.readRawData(chunk, want) != want) {
            stream.setStatus(QDataStream::ReadPastEnd);
            return;
        }
        bytes.append(chunk, want);
        left -= quint32(want);
    }
    OvelaRecordEntry read;
    if (!OvelaJournalReader(bytes).entry(&read)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
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
    // A diagnostic line only: the marks are intimate, and a log is no place for them.
    qDebug("OvelaRecordEntry");
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
