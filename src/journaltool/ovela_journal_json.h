#pragma once

#include "journaltool/ovela_journal_records.h"

#include <QByteArray>
#include <QString>

class OvelaDatabase;

namespace JournalJson {

// A format version, the start-cycle date and the records, with the same fields as the CSV.
QByteArray write(const OvelaDatabase &journal);

// Reads what write() wrote; refuses anything else, saying where (line and column for a syntax
// error, the record and field otherwise).
bool read(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

} // namespace JournalJson
