#include "core/ovela_journal_reader.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

const char Magic[] = "OVELACYCLE";
constexpr int MagicLength = sizeof(Magic) - 1;
// The note's byte count of a null string, which carries no text.
constexpr quint32 NullNote = 0xFFFFFFFFu;

} // namespace

OvelaJournalReader::OvelaJournalReader(const QByteArray &bytes, qsizetype from)
    : begin(reinterpret_cast<const uchar *>(bytes.constData()))
    , at(begin + qBound<qsizetype>(0, from, bytes.size()))
    , end(begin + bytes.size())
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
    if (left < expected.size() + 1 + 4) {
        // What there is may be the start of a journal cut short, or something else.
        const qsizetype compared = qMin(left, expected.size());
        const bool prefix = std::memcmp(at, expected.constData(), size_t(compared)) == 0;
        return fail(prefix ? Problem::HeaderCutOff : Problem::NotAJournal, at);
    }
    if (std::memcmp(at, expected.constData(), size_t(expected.size())) != 0)
        return fail(Problem::NotAJournal, at);
    at += expected.size();
    ++at; // the format byte: any is accepted
    *count = qint32(u32());
    return true;
}

bool OvelaJournalReader::record(QDate *date, OvelaRecordEntry *entry)
{
    const uchar *start = at;
    if (end - at < FixedRecordSize)
        return fail(Problem::RecordCutOff, start);
    const QDate day = julianDay();
    if (!this->entry(entry))
        return fail(lastProblem, start);
    *date = day;
    return true;
}

bool OvelaJournalReader::entry(OvelaRecordEntry *entry)
{
    const uchar *start = at;
    if (end - at < FixedRecordSize - 4)
        return fail(Problem::RecordCutOff, start);
    bool marks[6];
    for (bool &mark : marks)
        mark = *at++ != 0;
    const qint32 temperature = qint32(u32());
    const qint32 fluid = qint32(u32());
    const quint32 count = u32();
    // An empty note, not a null one: a record read back equals the record written.
    QString note = QString::fromLatin1("");
    if (count != 0 && count != NullNote) {
        if (count % 2 != 0)
            return fail(Problem::OddNote, start);
        // The text must be there before anything is made for it.
        if (quint64(end - at) < count)
            return fail(Problem::NoteCutOff, start);
        note.resize(qsizetype(count / 2));
        qFromBigEndian<quint16>(at, qsizetype(count / 2), note.data());
        at += count;
    }
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

bool OvelaJournalReader::journal(QMap<QDate, OvelaRecordEntry> *records, QDate *start)
{
    qint32 count = 0;
    if (!header(&count))
        return false;
    // Records are added one by one as they are read; the count is never used to reserve.
    // Files are in date order, so each insert at the end is cheap; a date that comes twice
    // keeps its last record.
    QMap<QDate, OvelaRecordEntry> read;
    for (qint32 i = 0; i < count; ++i) {
        QDate day;
        OvelaRecordEntry entry;
        if (!record(&day, &entry))
            return false;
        read.insert(read.cend(), day, entry);
    }
    QDate startDate;
    if (!date(&startDate))
        return false;
    // Bytes after the start-cycle date mean the count or the file is damaged (a count that
    // lost bits would otherwise load as a shorter diary, whose next save drops the rest).
    if (at != end) {
        lastProblem = Problem::BytesAfterEnd;
        return false;
    }
    *records = std::move(read);
    *start = startDate;
    return true;
}

bool OvelaJournalReader::readDevice(QIODevice *device, QByteArray *bytes, Problem *problem)
{
    QByteArray read;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = device->read(chunk, sizeof chunk);
        if (got < 0) {
            *problem = Problem::ReadError;
            return false;
        }
        if (got == 0)
            break;
        if (read.size() + got > MaxStreamSize) {
            *problem = Problem::TooLong;
            return false;
        }
        read.append(chunk, qsizetype(got));
    }
    *bytes = std::move(read);
    *problem = Problem::None;
    return true;
}
