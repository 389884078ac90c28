#pragma once

#include "core/ovela_record_entry.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QtEndian>

class QIODevice;

// The one decoder of the journal's stream, read from memory as it is written: big-endian, the
// magic string, a format byte and the record count, the records, then the start-cycle date,
// and nothing after it. Every read takes a whole item and moves on, or leaves the position
// where it was and says what was wrong. Nothing is ever made by a count from the stream before
// the bytes it counts are there.
class OvelaJournalReader
{
public:
    enum class Problem { None, NotAJournal, HeaderCutOff, RecordCutOff, OddNote, NoteCutOff,
                         DateCutOff, BytesAfterEnd, TooLong, ReadError };

    // A record without its note: the date, six marks, the two codes and the note's byte count.
    static constexpr qsizetype FixedRecordSize = 4 + 6 + 4 + 4 + 4;
    // No journal a person keeps comes near this (40 years of daily notes are about 1 MB); a
    // stream longer than this is not read further, so an endless input cannot exhaust memory.
    static constexpr qsizetype MaxStreamSize = 256 * 1024 * 1024;

    // Reads `bytes`, which must outlive the reader, from `from` on.
    explicit OvelaJournalReader(const QByteArray &bytes, qsizetype from = 0);

    // The magic string, as the journal begins.
    static QByteArray magic();

    // The magic string, then the format byte (any is accepted) and the record count.
    bool header(qint32 *count);
    // A day entry: its date, then the fields entry() reads.
    bool record(QDate *date, OvelaRecordEntry *entry);
    // The fields of a day entry after its date: six marks, the two codes and the note.
    bool entry(OvelaRecordEntry *entry);
    bool date(QDate *date);

    // The whole stream: all or nothing, `records` and `start` are set only when it is whole
    // and ends right after the start-cycle date. Otherwise problem() and position() say where
    // it went wrong (for bytes after the end, position() is where the journal ended).
    bool journal(QMap<QDate, OvelaRecordEntry> *records, QDate *start);

    // The rest of a device, read up to MaxStreamSize; false (with problem() set) when reading
    // failed or the device holds more.
    static bool readDevice(QIODevice *device, QByteArray *bytes, Problem *problem);

    qsizetype position() const { return qsizetype(at - begin); }
    qsizetype left() const { return qsizetype(end - at); }
    Problem problem() const { return lastProblem; }

private:
    bool fail(Problem problem, const uchar *restart);
    quint32 u32()
    {
        const quint32 value = qFromBigEndian<quint32>(at);
        at += 4;
        return value;
    }
    QDate julianDay()
    {
        const quint32 day = u32();
        return day == 0 ? QDate() : QDate::fromJulianDay(day);
    }

    const uchar *begin;
    const uchar *at;
    const uchar *end;
    Problem lastProblem = Problem::None;
};
