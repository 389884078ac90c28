#pragma once

#include "core/ovela_record_entry.h"

#include <QByteArray>
#include <QDate>
#include <QMap>

// The journal's stream, as the reader reads it, made piece by piece so that a save need not
// hold it whole: the magic string, the format byte and the record count, the records, then
// the start-cycle date. The records must not change while it is made.
class OvelaJournalWriter
{
public:
    OvelaJournalWriter(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start);

    // Appends the next items to `out` until it holds at least `size` bytes or the stream is
    // made. False when a note is too long to be stored; the stream is then not made.
    bool appendTo(QByteArray &out, qsizetype size);
    bool atEnd() const { return ended; }

private:
    const QMap<QDate, OvelaRecordEntry> &records;
    QMap<QDate, OvelaRecordEntry>::const_iterator next;
    QDate start;
    bool begun = false;
    bool ended = false;
};
