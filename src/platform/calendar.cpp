#include "platform/calendar.h"

#include <QDate>
#include <QLocale>

namespace Calendar {

int daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

QList<Day> daysOfMonth(int year, int month, bool startWithMonday)
{
    const QDate first(year, month, 1);
    QList<Day> days;
    days.reserve(42);
    if (!first.isValid())
        return days;

    // Leading days: the first of the month sits at its weekday's column, and with Sunday first a
    // month that begins on a Sunday leaves the whole first row to the previous month.
    const int weekday = first.dayOfWeek();
    const int leading = startWithMonday ? weekday - 1 : weekday;
    const QDate previous = first.addMonths(-1);
    const int previousLength = previous.daysInMonth();
    for (int d = previousLength - leading + 1; d <= previousLength; ++d)
        days.append(Day(d, Day::PrevMonth));

    const int length = first.daysInMonth();
    for (int d = 1; d <= length; ++d)
        days.append(Day(d, Day::ThisMonth));

    for (int d = 1; days.size() < 42; ++d)
        days.append(Day(d, Day::NextMonth));
    return days;
}

QString nameOfDay(int day)
{
    return QLocale().dayName(day, QLocale::ShortFormat);
}

QString nameOfMonth(int month)
{
    return QLocale().monthName(month, QLocale::LongFormat);
}

} // namespace Calendar
