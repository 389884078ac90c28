#pragma once

#include "core/ovela_record_entry.h"

#include <QByteArray>
#include <QDate>
#include <QMap>

// The one encoder of the journal's stream, as OvelaJournalReader reads it: the magic string,
// the format byte and the record count, the records in date order, then the start-cycle date.
namespace OvelaJournalWriter {

// Appends the fields of a day entry after its date: six marks, the two codes and the note.
// False, with nothing appended, when the note is too long for the format.
bool appendEntry(QByteArray &out, const OvelaRecordEntry &entry);

// The whole stream; null when a record cannot be stored.
QByteArray journal(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start);

} // namespace OvelaJournalWriter
