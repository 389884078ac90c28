#pragma once

#include <QDate>
#include <QString>

// Separator and order of the day, month and year fields of a date text.
class DateFormat
{
public:
    enum Order { DayMonthYear, MonthDayYear, YearMonthDay };

    DateFormat(QChar separator = QLatin1Char('/'), Order shortOrder = MonthDayYear,
               Order longOrder = MonthDayYear)
        : sep(separator), shortOrd(shortOrder), longOrd(longOrder)
    {
    }

    QChar separator() const { return sep; }
    Order shortOrder() const { return shortOrd; }
    Order longOrder() const { return longOrd; }

    bool operator==(const DateFormat &o) const
    {
        return sep == o.sep && shortOrd == o.shortOrd && longOrd == o.longOrd;
    }

private:
    QChar sep;
    Order shortOrd;
    Order longOrd;
};

namespace TimeString {
// "12/08/2026" style: numbers in the short order, joined by the separator.
QString shortDate(const QDate &date, const DateFormat &format = DateFormat());
// "Tuesday, December 8, 2026" style: names written out, fields in the long order.
QString longDateString(const QDate &date, const DateFormat &format = DateFormat());
} // namespace TimeString
