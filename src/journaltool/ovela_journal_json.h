#pragma once

#include "journaltool/ovela_journal_records.h"

#include <QByteArray>
#include <QString>

class OvelaDatabase;

namespace JournalJson {

// A format version, the settings (never the pass code), the start-cycle date and the records,
// with the same fields as the CSV.
QByteArray write(const OvelaDatabase &journal, const JournalRecords::Settings &settings);

// Reads what write() wrote (with or without settings); refuses anything else, saying line and
// column (and the record and field), and a file cut before its closing bracket.
bool read(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

// The ranges the Preferences dialog allows, which an imported setting must keep.
bool settingInRange(const char *key, int value);

} // namespace JournalJson
