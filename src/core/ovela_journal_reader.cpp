#include "core/ovela_journal_reader.h"

#include <QtEndian>

#include <cstring>

namespace {

const char Magic[] = "OVELACYCLE";
constexpr int MagicLength = sizeof(Magic) - 1;
// The note's byte count of a null string, which carries no text.
constexpr quint32 NullNote = 0xFFFFFFFFu;

// A note in an allocation of its own, made at its size and filled in one byte-order pass.
QString noteOfItsOwn(const uchar *bigEndian, qsizetype length)
{
    QString note(length, Qt::Uninitialized);
    qFromBigEndian<quint16>(bigEndian, length, note.data());
    return note;
}

} // namespace

OvelaJournalReader::OvelaJournalReader(const QByteArray &bytes, qsizetype from)
    : begin(reinterpret_cast<const uchar *>(bytes.constData()))
    , at(begin + qBound<qsizetype>(0, from, bytes.size()))
    , end(begin + bytes.size())
{
}

OvelaJournalReader::OvelaJournalReader(const uchar *from, const uchar *end)
    : begin(from)
    , at(from)
    , end(end)
{
}

QByteArray OvelaJournalReader::magic()
{
    // A byte count, then the text in UTF-16BE.
    QByteArray bytes(4 + 2 * MagicLength, '\0');
    auto *out = reinterpret_cast<uchar *>(bytes.data());
    qToBigEndian(quint32(2 * MagicLength), out);
    for (int i = 0; i < MagicLength; ++i)
        out[4 + 2 * i + 1] = uchar(Magic[i]);
    return bytes;
}

bool OvelaJournalReader::fail(Problem problem, const uchar *restart)
{
    lastProblem = problem;
    at = restart;
    return false;
}

bool OvelaJournalReader::header(qint32 *count)
{
    const QByteArray expected = magic();
    const qsizetype left = end - at;
    if (left < expected.size()) {
        // What there is may be the start of a journal cut short, or something else.
        const bool prefix = std::memcmp(at, expected.constData(), size_t(left)) == 0;
        return fail(prefix ? Problem::HeaderCutOff : Problem::NotAJournal, at);
    }
    if (std::memcmp(at, expected.constData(), size_t(expected.size())) != 0)
        return fail(Problem::NotAJournal, at);
    const uchar *start = at;
    at += expected.size();
    if (!formatAndCount(count))
        return fail(Problem::HeaderCutOff, start);
    return true;
}

bool OvelaJournalReader::formatAndCount(qint32 *count)
{
    if (end - at < 1 + 4)
        return fail(Problem::HeaderCutOff, at);
    ++at; // the format byte
    *count = qint32(u32());
    return true;
}

QString OvelaNoteBlocks::make(const uchar *bigEndian, qsizetype length)
{
    // A long note has an allocation of its own: one such note kept would keep a whole block.
    if (length >= BlockUnits / 8)
        return noteOfItsOwn(bigEndian, length);
    if (length >= left) {
        QStringPrivate fresh(QTypedArrayData<char16_t>::allocate(BlockUnits));
        Q_CHECK_PTR(fresh.data());
        block = std::move(fresh);
        next = block.data();
        left = BlockUnits;
    }
    char16_t *text = next;
    qFromBigEndian<quint16>(bigEndian, length, text);
    text[length] = u'\0';
    next += length + 1;
    left -= length + 1;
    block.ref();
    return QString(QStringPrivate(block.d_ptr(), text, length));
}

bool OvelaJournalReader::record(QDate *date, OvelaRecordEntry *entry, OvelaNoteBlocks *notes)
{
    const uchar *start = at;
    if (end - at < FixedRecordSize)
        return fail(Problem::RecordCutOff, start);
    const QDate day = julianDay();
    bool marks[6];
    for (bool &mark : marks)
        mark = *at++ != 0;
    const qint32 temperature = qint32(u32());
    const qint32 fluid = qint32(u32());
    const quint32 count = u32();
    // An empty note, not a null one: a record read back equals the record written.
    static const QString empty = QString::fromLatin1("");
    QString note = empty;
    if (count != 0 && count != NullNote) {
        if (count % 2 != 0)
            return fail(Problem::OddNote, start);
        // The text must be there before anything is made for it.
        if (quint64(end - at) < count)
            return fail(Problem::NoteCutOff, start);
        note = notes ? notes->make(at, qsizetype(count / 2))
                     : noteOfItsOwn(at, qsizetype(count / 2));
        at += count;
    }
    *date = day;
    entry->setDoctor(marks[0]);
    entry->setCramps(marks[1]);
    entry->setPMS(marks[2]);
    entry->setSex(marks[3]);
    entry->setProtection(marks[4]);
    entry->setSecret(marks[5]);
    entry->setTemperature(temperature);
    entry->setCervicalFluid(fluid);
    entry->setNote(std::move(note));
    return true;
}

bool OvelaJournalReader::date(QDate *date)
{
    if (end - at < 4)
        return fail(Problem::DateCutOff, at);
    *date = julianDay();
    return true;
}
