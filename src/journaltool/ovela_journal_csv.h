#pragma once

#include "journaltool/ovela_journal_records.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class OvelaDatabase;

namespace JournalCsv {

// The header row of the export, in column order.
const QStringList &columns();

// RFC 4180, UTF-8, CRLF: a header row and one row per day with a record, in date order.
QByteArray write(const OvelaDatabase &journal);

struct Row
{
    int line = 0; // where the row starts, from 1
    QStringList fields;
};
// Splits RFC 4180 text (CRLF or LF line ends, quoted fields across lines, an optional UTF-8
// byte order mark). Blank lines are skipped. On failure `error` says where and what.
bool parse(const QByteArray &data, QList<Row> *rows, QString *error);

// Reads what write() wrote. Refuses, saying line and column, a wrong header, a bad or repeated
// date, an unknown fluid, a temperature off the scale and values that contradict each other.
bool read(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

// Reads the CSV export of the phone app drip (dotted column names, true/false, empty for
// none). What has no field here is added to the day's note.
bool readDrip(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

// Whether a header row is drip's rather than ours.
bool looksLikeDrip(const QByteArray &data);

} // namespace JournalCsv
