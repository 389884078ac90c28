#pragma once

#include "core/ovela_record_database.h"

#include <QDate>
#include <QPixmap>

class Preferences;

// The journal together with the cycle arithmetic: which day of its bleeding and of its fertile
// window any date is, and the symbol a fertile day carries for the user's goal.
class OvelaCalendar : public OvelaDatabase
{
public:
    explicit OvelaCalendar(Preferences &preferences);
    ~OvelaCalendar() override;

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
    QPixmap &getFertileDayPixmap(const QDate &date);

private:
    int cycleLength = 28;
    int fertilePeriod = 5;
    int menstrualPeriod = 5;
    int luterPhaseLength = 14;
    Preferences &preferences;
    QPixmap forbiddenPixmap;
    QPixmap heartPixmap;
    QPixmap boyPixmap;
    QPixmap girlPixmap;
};
