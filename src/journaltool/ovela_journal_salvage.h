#pragma once

#include "core/ovela_record_entry.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

// A tolerant second reader of journal files, beside the strict all-or-nothing load: it inflates
// as far as the gzip stream allows and keeps every whole record before the first damage.
namespace JournalSalvage {

struct Result
{
    bool compressed = false;  // a gzip file (a plain stream is read as the program reads it)
    bool streamWhole = false; // the gzip stream ended properly with a good checksum
    qint64 inflated = 0;      // bytes of journal stream recovered
    qint64 readTo = 0;        // offset in that stream up to which everything read is whole
    bool headerRead = false;  // magic, format byte and record count
    qint32 declaredCount = 0;
    bool startRead = false;                // the start-cycle date after the records
    QString damage;                        // empty when the whole file is good
    QMap<QDate, OvelaRecordEntry> records; // every whole record before the damage
    QDate startCycleDate;
    int wholeRecords = 0; // counted as read, a repeated date included

    bool complete() const { return damage.isEmpty(); }
};

// Never allocates by a count read from the file; the inflated stream is cut at `limit` bytes.
Result read(const QByteArray &fileBytes, qint64 limit = qint64(256) << 20);

} // namespace JournalSalvage
