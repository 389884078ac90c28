#pragma once

#include "journaltool/ovela_journal_records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class OvelaDatabase;

// The CSV export of the phone app drip, both ways: dotted column names read by name in any
// order, true/false, empty for none, drip's own quoting and line ends.
namespace JournalDrip {

// drip's columns in the order of its current data schema.
const QStringList &columns();

// Whether a header row is drip's rather than ours.
bool looksLikeDrip(const QByteArray &data);

// Reads a drip export of any schema. What has no field here (and what drip marked excluded)
// goes into the day's note as a last line of "group: item, item" parts, which write() reads
// back; a column it does not know is kept there too, never refused. Days it cannot store are
// skipped and counted; isCycleStart is compared with the diary's bleeding rule.
bool read(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

// A file drip imports: its columns, its booleans, its quoting, rows joined by a line feed with
// none after the last. The diary's marks that drip has no field for (doctor, PMS, secret) go
// into the note as a last line "diary: ...", which read() takes back.
QByteArray write(const OvelaDatabase &journal);

} // namespace JournalDrip
