#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>

class OvelaCycleMethod;

namespace JournalIcs {

// An RFC 5545 calendar: an all-day event for each recorded bleeding stretch, and the predicted
// period and fertile days of `cycles` cycles from the one `today` lies in, coloured by the same
// arithmetic as the diary's calendar. UIDs depend only on the dates, so a calendar program that
// subscribes updates its events instead of adding them again.
QByteArray write(const OvelaCycleMethod &journal, int cycles, const QDate &today,
                 const QDateTime &stamp);

// Text escaped for a property value and a content line folded at 75 octets, with CRLF.
QByteArray escaped(const QString &text);
QByteArray folded(const QByteArray &line);

} // namespace JournalIcs
