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
// RFC 4180 as our exports write it, or drip's way: quotes doubled everywhere and a field
// quoted only when it holds a line feed, a tab, a comma, a semicolon, a full stop or an
// apostrophe (so `said ""fine""` is an unquoted field).
enum class Dialect { Rfc4180, Drip };

// Splits CSV text (CRLF or LF line ends, quoted fields across lines, an optional UTF-8 byte
// order mark, a last row with or without its line end). Blank lines are skipped. On failure
// `error` says where and what.
bool parse(const QByteArray &data, QList<Row> *rows, QString *error,
           Dialect dialect = Dialect::Rfc4180);

// Reads what write() wrote. Refuses, saying line and column, a file cut short (without its
// final line end), a wrong header, a bad or repeated date, an unknown fluid, a temperature off
// the scale and values that contradict each other.
bool read(const QByteArray &data, JournalRecords::Imported *imported, QString *error);

} // namespace JournalCsv
