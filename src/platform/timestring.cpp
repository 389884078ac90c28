#include "platform/timestring.h"

#include <QLocale>
#include <QStringList>

namespace {

QStringList inOrder(DateFormat::Order order, const QString &day, const QString &month,
                    const QString &year)
{
    switch (order) {
    case DateFormat::DayMonthYear:
        return {day, month, year};
    case DateFormat::YearMonthDay:
        return {year, month, day};
    case DateFormat::MonthDayYear:
        break;
    }
    return {month, day, year};
}

} // namespace

namespace TimeString {

QString shortDate(const QDate &date, const DateFormat &format)
{
    if (!date.isValid())
        return QString();
    const QString day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    const QString year = QString::number(date.year());
    return inOrder(format.shortOrder(), day, month, year).join(format.separator());
}

QString longDateString(const QDate &date, const DateFormat &format)
{
    if (!date.isValid())
        return QString();
    const QLocale locale;
    const QString weekday = locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    const QString day = QString::number(date.day());
    const QString month = locale.monthName(date.month(), QLocale::LongFormat);
    const QString year = QString::number(date.year());
    switch (format.longOrder()) {
    case DateFormat::DayMonthYear:
        return QStringLiteral("%1, %2 %3 %4").arg(weekday, day, month, year);
    case DateFormat::YearMonthDay:
        return QStringLiteral("%1, %2 %3 %4").arg(weekday, year, month, day);
    case DateFormat::MonthDayYear:
        break;
    }
    return QStringLiteral("%1, %2 %3, %4").arg(weekday, month, day, year);
}

} // namespace TimeString
