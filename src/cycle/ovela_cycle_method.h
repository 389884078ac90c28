#pragma once

#include "core/ovela_record_database.h"
#include "settings/Preferences.h"

#include <QDate>

// The journal together with the calendar method's arithmetic: from the start-cycle date and
// four lengths, which day of its bleeding and of its fertile window any date is. QtCore only,
// so that the command-line companion colours days exactly as the window does.
class OvelaCycleMethod : public OvelaDatabase
{
public:
    // What a fertile day shows for the user's goal.
    enum class FertileSymbol { Forbidden, Heart, Boy, Girl };

    OvelaCycleMethod();

    // Her typed cycle length; the calendar uses it unless it predicts from her record.
    void setCycleLength(int days) { cycleLength = days; }
    int typedCycleLength() const { return cycleLength; }
    void setFertilePeriod(int days) { fertilePeriod = days; }
    void setMenstrualPeriod(int days) { menstrualPeriod = days; }
    void setLuterPhaseLength(int days) { luterPhaseLength = days; }
    // The length the calendar counts with.
    int getCycleLength() const;
    int getFertilePeriod() const { return fertilePeriod; }
    int getMenstrualPeriod() const { return menstrualPeriod; }
    int getLuterPhaseLength() const { return luterPhaseLength; }

    // Off: the calendar counts from the stored start with the typed length. On: from her last
    // recorded cycle start (or the stored start when that is later) with the median of her
    // last 12 completed cycles (the typed length while there is none); both follow the journal
    // as it changes.
    void setPredictFromRecord(bool on) { fromRecord = on; }
    bool predictsFromRecord() const { return fromRecord; }
    // The start the calendar counts from.
    QDate calendarStart() const;
    // The recorded length (0 without a completed cycle) and the number of completed cycles.
    int recordedCycleLength() const;
    int completedCycles() const;

    int getCycleDay(const QDate &date) const;
    int getCycleDay(const QDate &cycleStart, const QDate &date) const;
    int getFertileDay(const QDate &date) const;
    int getFertileDay(const QDate &cycleStart, const QDate &date) const;
    QDate getNextStartCycleDate(const QDate &cycleStart) const;
    QDate getStartCycleDateByDate(const QDate &date) const;
    FertileSymbol getFertileDaySymbol(const QDate &date, Preferences::BirthGoal goal) const;

private:
    void refreshRecord() const;

    int cycleLength = 28;
    int fertilePeriod = 5;
    int menstrualPeriod = 5;
    int luterPhaseLength = 14;
    bool fromRecord = false;
    // Found again on the first question after a change: addEntry reports the change before
    // its caller fills the record.
    mutable bool recordStale = true;
    mutable QDate recordStart;
    mutable int recordLength = 0;
    mutable int recordCompleted = 0;
};
