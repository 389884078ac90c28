#pragma once

#include <QList>
#include <QString>

namespace Calendar {

struct Day
{
    enum Type { PrevMonth = 0, ThisMonth = 1, NextMonth = 2 };
    Day() = default;
    Day(int d, Type t, bool h = false) : date(d), type(t), holiday(h) {}
    int date = 0;
    Type type = ThisMonth;
    bool holiday = false;
};

int daysInMonth(int year, int month);
// 42 days, row by row from the first column: the tail of the previous month, the month,
// then the start of the next month.
QList<Day> daysOfMonth(int year, int month, bool startWithMonday);
// Short weekday name, 1 = Monday .. 7 = Sunday, in the system locale.
QString nameOfDay(int day);
// Long month name, 1..12, in the system locale.
QString nameOfMonth(int month);

} // namespace Calendar
