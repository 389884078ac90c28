#pragma once

#include "core/ovela_record_entry.h"

#include <QByteArray>
#include <QDate>
#include <QtEndian>

// Makes the notes of a load side by side in a few large blocks rather than in an allocation
// each: a journal holds tens of thousands of them. Each note is an ordinary QString that holds
// a reference to its block and ends in a '\0' as every QString does; a note that is changed
// gets a copy of its own, and a block is freed with the last note in it.
class OvelaNoteBlocks
{
public:
    OvelaNoteBlocks() = default;
    // Two builders would write into the same block.
    Q_DISABLE_COPY_MOVE(OvelaNoteBlocks)

    // A note of `length` UTF-16 units, from big-endian bytes.
    QString make(const uchar *bigEndian, qsizetype length);

private:
    static constexpr qsizetype BlockUnits = 16 * 1024;

    QStringPrivate block; // a reference to the block being filled
    char16_t *next = nullptr;
    qsizetype left = 0;
};

// The journal's stream read from memory, as it is written: big-endian, the magic string, a
// format byte and the record count, the records, then the start-cycle date. Every read takes
// a whole item and moves on, or leaves the position where it was and says what was wrong.
// Nothing is ever made by a count from the stream before the bytes it counts are there.
class OvelaJournalReader
{
public:
    enum class Problem { None, NotAJournal, HeaderCutOff, RecordCutOff, OddNote, NoteCutOff,
                         DateCutOff };

    // A record without its note: the date, six marks, the two codes and the note's byte count.
    static constexpr qsizetype FixedRecordSize = 4 + 6 + 4 + 4 + 4;

    // Reads `bytes`, which must outlive the reader, from `from` on.
    explicit OvelaJournalReader(const QByteArray &bytes, qsizetype from = 0);
    // Reads the bytes from `from` up to `end`.
    OvelaJournalReader(const uchar *from, const uchar *end);

    // The magic string, as the journal begins.
    static QByteArray magic();

    // The magic string, then the format byte (any is accepted) and the record count.
    bool header(qint32 *count);
    // The format byte and the record count alone, for a stream whose magic was checked.
    bool formatAndCount(qint32 *count);
    // With `notes`, the record's note is made there.
    bool record(QDate *date, OvelaRecordEntry *entry, OvelaNoteBlocks *notes = nullptr);
    bool date(QDate *date);

    qsizetype position() const { return qsizetype(at - begin); }
    // The bytes not read yet.
    const uchar *current() const { return at; }
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
