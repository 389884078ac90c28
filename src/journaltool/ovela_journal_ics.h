#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

class OvelaCycleMethod;

namespace JournalIcs {

struct Options
{
    int cycles = 6;
    QDate today;
    QDateTime stamp;
    // Neutral summaries for a shared or work calendar.
    bool discreet = false;
    QString periodSummary = QStringLiteral("P");
    QString fertileSummary = QStringLiteral("F");
};

// A record whose last day lies this many days before today is old: its predictions are
// carried on to today, and the calendar says so.
constexpr int OldRecordDays = 90;

// An RFC 5545 calendar: an all-day event for each recorded bleeding stretch, and the predicted
// period and fertile days of `cycles` cycles from the one `today` lies in (none that ended
// before today), coloured by the same arithmetic as the diary's calendar; every prediction says
// it is a calendar-method estimate and no contraception. UIDs depend only on the dates, so a
// calendar program that subscribes updates its events instead of adding them again, whichever
// computer the journal is exported on.
QByteArray write(const OvelaCycleMethod &journal, const Options &options);

// The last day of the record when it is old on `today`, a null date otherwise.
QDate oldRecordEnd(const OvelaCycleMethod &journal, const QDate &today);

// Text escaped for a property value and a content line folded at 75 octets, with CRLF.
QByteArray escaped(const QString &text);
QByteArray folded(const QByteArray &line);

} // namespace JournalIcs
