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

    OvelaCycleMethod() = default;

    void setCycleLength(int days) { cycleLength = days; }
    void setFertilePeriod(int days) { fertilePeriod = days; }
    void setMenstrualPeriod(int days) { menstrualPeriod = days; }
    void setLuterPhaseLength(int days) { luterPhaseLength = days; }
    int getCycleLength() const { return cycleLength; }
    int getFertilePeriod() const { return fertilePeriod; }
    int getMenstrualPeriod() const { return menstrualPeriod; }
    int getLuterPhaseLength() const { return luterPhaseLength; }

    int getCycleDay(const QDate &date) const;
    int getCycleDay(const QDate &cycleStart, const QDate &date) const;
    int getFertileDay(const QDate &date) const;
    int getFertileDay(const QDate &cycleStart, const QDate &date) const;
    QDate getNextStartCycleDate(const QDate &cycleStart) const;
    QDate getStartCycleDateByDate(const QDate &date) const;
    FertileSymbol getFertileDaySymbol(const QDate &date, Preferences::BirthGoal goal) const;

private:
    int cycleLength = 28;
    int fertilePeriod = 5;
    int menstrualPeriod = 5;
    int luterPhaseLength = 14;
};
