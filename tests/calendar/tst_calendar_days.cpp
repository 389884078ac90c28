#include "platform/calendar.h"
#include "platform/timestring.h"

#include "support/testhome.h"

#include <QLocale>

Q_DECLARE_METATYPE(DateFormat)

// The day list of a month and the date texts, which the month grid and the date button rely on.
class TstCalendarDays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void daysOfMonth_data();
    void daysOfMonth();
    void namesFollowLocale();
    void shortDate_data();
    void shortDate();
    void longDateString_data();
    void longDateString();
};

void TstCalendarDays::daysOfMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<int>("leading"); // days of the previous month before the 1st

    QTest::newRow("Mar 2004 starts Monday, Monday first") << 2004 << 3 << true << 0;
    QTest::newRow("Mar 2004 starts Monday, Sunday first") << 2004 << 3 << false << 1;
    QTest::newRow("Jun 2004 starts Tuesday, Monday first") << 2004 << 6 << true << 1;
    QTest::newRow("Jun 2004 starts Tuesday, Sunday first") << 2004 << 6 << false << 2;
    QTest::newRow("Sep 2004 starts Wednesday, Monday first") << 2004 << 9 << true << 2;
    QTest::newRow("Sep 2004 starts Wednesday, Sunday first") << 2004 << 9 << false << 3;
    QTest::newRow("Jan 2004 starts Thursday, Monday first") << 2004 << 1 << true << 3;
    QTest::newRow("Jan 2004 starts Thursday, Sunday first") << 2004 << 1 << false << 4;
    QTest::newRow("Oct 2004 starts Friday, Monday first") << 2004 << 10 << true << 4;
    QTest::newRow("Oct 2004 starts Friday, Sunday first") << 2004 << 10 << false << 5;
    QTest::newRow("Jan 2005 starts Saturday, Monday first") << 2005 << 1 << true << 5;
    QTest::newRow("Jan 2005 starts Saturday, Sunday first") << 2005 << 1 << false << 6;
    QTest::newRow("Aug 2004 starts Sunday, Monday first") << 2004 << 8 << true << 6;
    QTest::newRow("Aug 2004 starts Sunday, Sunday first: a whole row before")
        << 2004 << 8 << false << 7;
    QTest::newRow("Feb 2004 leap, starts Sunday, Sunday first") << 2004 << 2 << false << 7;
    QTest::newRow("Feb 2010 28 days, starts Monday, Monday first") << 2010 << 2 << true << 0;
    QTest::newRow("Dec 2004 runs into January") << 2004 << 12 << false << 3;
    QTest::newRow("Dec 2037, last year of the year box") << 2037 << 12 << true << 1;
}

void TstCalendarDays::daysOfMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, monday);
    QFETCH(int, leading);

    const QList<Calendar::Day> days = Calendar::daysOfMonth(year, month, monday);
    QCOMPARE(days.size(), 42);

    const QDate first(year, month, 1);
    const QDate previous = first.addMonths(-1);
    const QDate next = first.addMonths(1);
    QDate expected = first.addDays(-leading);
    QCOMPARE(expected.dayOfWeek(), monday ? 1 : 7);

    // Read row by row, the 42 entries are 42 consecutive calendar days.
    for (int i = 0; i < days.size(); ++i, expected = expected.addDays(1)) {
        const Calendar::Day &d = days.at(i);
        QDate actual;
        switch (d.type) {
        case Calendar::Day::PrevMonth:
            actual = QDate(previous.year(), previous.month(), d.date);
            break;
        case Calendar::Day::ThisMonth:
            actual = QDate(year, month, d.date);
            break;
        case Calendar::Day::NextMonth:
            actual = QDate(next.year(), next.month(), d.date);
            break;
        }
        QVERIFY2(actual == expected, qPrintable(QStringLiteral("entry %1: %2, expected %3")
                                                    .arg(i)
                                                    .arg(actual.toString(Qt::ISODate),
                                                         expected.toString(Qt::ISODate))));
        QCOMPARE(d.holiday, false);
    }
    QCOMPARE(days.at(leading).date, 1);
    QCOMPARE(days.at(leading).type, Calendar::Day::ThisMonth);
}

void TstCalendarDays::namesFollowLocale()
{
    QCOMPARE(Calendar::nameOfDay(1), QStringLiteral("Mon"));
    QCOMPARE(Calendar::nameOfDay(7), QStringLiteral("Sun"));
    QCOMPARE(Calendar::nameOfMonth(1), QStringLiteral("January"));
    QCOMPARE(Calendar::nameOfMonth(12), QStringLiteral("December"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Calendar::nameOfMonth(3), QStringLiteral("März"));
    QCOMPARE(Calendar::nameOfDay(3), QStringLiteral("Mi."));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstCalendarDays::shortDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<DateFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("initial format: month/day/year")
        << QDate(2004, 3, 1) << DateFormat() << QStringLiteral("03/01/2004");
    QTest::newRow("day.month.year")
        << QDate(2004, 3, 1) << DateFormat(QLatin1Char('.'), DateFormat::DayMonthYear)
        << QStringLiteral("01.03.2004");
    QTest::newRow("year-month-day")
        << QDate(2004, 12, 31) << DateFormat(QLatin1Char('-'), DateFormat::YearMonthDay)
        << QStringLiteral("2004-12-31");
    QTest::newRow("no date gives no text") << QDate() << DateFormat() << QString();
}

void TstCalendarDays::shortDate()
{
    QFETCH(QDate, date);
    QFETCH(DateFormat, format);
    QFETCH(QString, text);
    QCOMPARE(TimeString::shortDate(date, format), text);
}

void TstCalendarDays::longDateString_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<DateFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("initial format: month day, year")
        << QDate(2004, 3, 1) << DateFormat() << QStringLiteral("Monday, March 1, 2004");
    QTest::newRow("day month year")
        << QDate(2004, 3, 1)
        << DateFormat(QLatin1Char('.'), DateFormat::DayMonthYear, DateFormat::DayMonthYear)
        << QStringLiteral("Monday, 1 March 2004");
    QTest::newRow("year month day")
        << QDate(2004, 12, 31)
        << DateFormat(QLatin1Char('-'), DateFormat::MonthDayYear, DateFormat::YearMonthDay)
        << QStringLiteral("Friday, 2004 December 31");
}

void TstCalendarDays::longDateString()
{
    QFETCH(QDate, date);
    QFETCH(DateFormat, format);
    QFETCH(QString, text);
    QCOMPARE(TimeString::longDateString(date, format), text);
}

OVELA_TEST_CORE_MAIN(TstCalendarDays)
#include "tst_calendar_days.moc"
