#include "cycle/ovela_cycle_method.h"

#include "cycle/ovela_cycle_insight.h"
#include "cycle/ovela_dateoperator.h"

#include <algorithm>

OvelaCycleMethod::OvelaCycleMethod()
{
    const auto stale = [this] { recordStale = true; };
    connect(this, &OvelaDatabase::journalChanged, this, stale);
    connect(this, &OvelaDatabase::onClearDatabase, this, stale);
}

void OvelaCycleMethod::refreshRecord() const
{
    if (!recordStale)
        return;
    const CycleInsight::RecordedCalendar recorded = CycleInsight::recordedCalendar(*this);
    recordStart = recorded.start;
    recordLength = recorded.length;
    recordCompleted = recorded.completed;
    recordStale = false;
}

int OvelaCycleMethod::recordedCycleLength() const
{
    refreshRecord();
    return recordLength;
}

int OvelaCycleMethod::completedCycles() const
{
    refreshRecord();
    return recordCompleted;
}

int OvelaCycleMethod::getCycleLength() const
{
    if (!fromRecord)
        return cycleLength;
    refreshRecord();
    return recordLength > 0 ? recordLength : cycleLength;
}

QDate OvelaCycleMethod::calendarStart() const
{
    if (!fromRecord)
        return getStartCycleDate();
    refreshRecord();
    // A start she set after her last recorded one marks a newer cycle than the record shows
    // (bleeding not written down yet); "Set Start Cycle Date" must not seem to do nothing.
    return std::max(recordStart, getStartCycleDate());
}

QDate OvelaCycleMethod::getNextStartCycleDate(const QDate &cycleStart) const
{
    return cycleStart.addDays(getCycleLength());
}

QDate OvelaCycleMethod::getStartCycleDateByDate(const QDate &date) const
{
    const QDate start = calendarStart();
    const int length = getCycleLength();
    if (date <= start)
        return start;
    // A cycle length below 1 can only come from a hand-edited store; no date lies in a cycle.
    if (length < 1 || !start.isValid())
        return QDate();
    // The latest start + k * length not after the date, found by division so that a start
    // date decades away costs no more than one last week.
    const qint64 cycles = start.daysTo(date) / length;
    return start.addDays(cycles * length);
}

int OvelaCycleMethod::getCycleDay(const QDate &cycleStart, const QDate &date) const
{
    if (date < cycleStart)
        return -1;
    const qint64 n = cycleStart.daysTo(date);
    return n < menstrualPeriod ? int(n) : -1;
}

int OvelaCycleMethod::getCycleDay(const QDate &date) const
{
    const QDate start = calendarStart();
    if (start.isNull() || date < start || getCycleLength() < 1)
        return -1;
    return getCycleDay(getStartCycleDateByDate(date), date);
}

int OvelaCycleMethod::getFertileDay(const QDate &cycleStart, const QDate &date) const
{
    if (date < cycleStart)
        return -1;
    // In 64 bits: lengths near the int limits (a hand-edited store) must not wrap around.
    const qint64 ovulation = qint64(getCycleLength()) - luterPhaseLength;
    // Days of the window before ovulation: the window ends on the ovulation day for up to five
    // days and never starts more than four days before it.
    const qint64 lead = (fertilePeriod >= 1 && fertilePeriod <= 4) ? fertilePeriod - 1 : 4;
    const QDate first = cycleStart.addDays(ovulation - lead);
    const QDate last = first.addDays(qint64(fertilePeriod) - 1);
    if (date < first || date > last)
        return -1;
    return int(first.daysTo(date));
}

int OvelaCycleMethod::getFertileDay(const QDate &date) const
{
    const QDate start = calendarStart();
    if (start.isNull() || date < start || getCycleLength() < 1)
        return -1;
    return getFertileDay(getStartCycleDateByDate(date), date);
}

OvelaCycleMethod::FertileSymbol
OvelaCycleMethod::getFertileDaySymbol(const QDate &date, Preferences::BirthGoal goal) const
{
    switch (goal) {
    case Preferences::ConceiveChild:
        return FertileSymbol::Heart;
    case Preferences::AvoidPregnancy:
        return FertileSymbol::Forbidden;
    case Preferences::ConceiveGirl:
    case Preferences::ConceiveBoy: {
        const QDate ovulation =
            getStartCycleDateByDate(date).addDays(qint64(getCycleLength()) - luterPhaseLength);
        const qint64 k = date.daysTo(ovulation);
        if (goal == Preferences::ConceiveGirl)
            return k > 2 ? FertileSymbol::Girl : FertileSymbol::Heart;
        return (k >= 0 && k <= 2) ? FertileSymbol::Boy : FertileSymbol::Heart;
    }
    }
    return FertileSymbol::Heart;
}
