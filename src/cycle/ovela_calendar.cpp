#include "cycle/ovela_calendar.h"

#include "app/Preferences.h"
#include "cycle/ovela_dateoperator.h"
#include "platform/resource.h"

OvelaCalendar::OvelaCalendar(Preferences &prefs)
    : preferences(prefs)
{
    heartPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/heart-big"));
    forbiddenPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/forbidden-big"));
    boyPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/boy"));
    girlPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/girl"));
}

OvelaCalendar::~OvelaCalendar() = default;

QDate OvelaCalendar::getNextStartCycleDate(const QDate &cycleStart) const
{
    return cycleStart.addDays(cycleLength);
}

QDate OvelaCalendar::getStartCycleDateByDate(const QDate &date) const
{
    const QDate start = getStartCycleDate();
    if (date <= start)
        return start;
    // A cycle length below 1 can only come from a hand-edited store; no date lies in a cycle.
    if (cycleLength < 1 || !start.isValid())
        return QDate();
    // The latest start + k * cycleLength not after the date, found by division so that a start
    // date decades away costs no more than one last week.
    const qint64 cycles = start.daysTo(date) / cycleLength;
    return start.addDays(cycles * cycleLength);
}

int OvelaCalendar::getCycleDay(const QDate &cycleStart, const QDate &date) const
{
    if (date < cycleStart)
        return -1;
    const qint64 n = cycleStart.daysTo(date);
    return n < menstrualPeriod ? int(n) : -1;
}

int OvelaCalendar::getCycleDay(const QDate &date) const
{
    const QDate start = getStartCycleDate();
    if (start.isNull() || date < start || cycleLength < 1)
        return -1;
    return getCycleDay(getStartCycleDateByDate(date), date);
}

int OvelaCalendar::getFertileDay(const QDate &cycleStart, const QDate &date) const
{
    if (date < cycleStart)
        return -1;
    const int ovulation = cycleLength - luterPhaseLength;
    // Days of the window before ovulation: the window ends on the ovulation day for up to five
    // days and never starts more than four days before it.
    const int lead = (fertilePeriod >= 1 && fertilePeriod <= 4) ? fertilePeriod - 1 : 4;
    const QDate first = cycleStart.addDays(ovulation - lead);
    const QDate last = first.addDays(fertilePeriod - 1);
    if (date < first || date > last)
        return -1;
    return int(first.daysTo(date));
}

int OvelaCalendar::getFertileDay(const QDate &date) const
{
    const QDate start = getStartCycleDate();
    if (start.isNull() || date < start || cycleLength < 1)
        return -1;
    return getFertileDay(getStartCycleDateByDate(date), date);
}

QPixmap &OvelaCalendar::getFertileDayPixmap(const QDate &date)
{
    switch (preferences.getBirthGoal()) {
    case Preferences::ConceiveChild:
        return heartPixmap;
    case Preferences::AvoidPregnancy:
        return forbiddenPixmap;
    case Preferences::ConceiveGirl:
    case Preferences::ConceiveBoy: {
        const QDate ovulation =
            getStartCycleDateByDate(date).addDays(cycleLength - luterPhaseLength);
        const qint64 k = date.daysTo(ovulation);
        if (preferences.getBirthGoal() == Preferences::ConceiveGirl)
            return k > 2 ? girlPixmap : heartPixmap;
        return (k >= 0 && k <= 2) ? boyPixmap : heartPixmap;
    }
    }
    return heartPixmap;
}
