#pragma once

#include "cycle/ovela_cycle_method.h"

#include <QDate>
#include <QPixmap>

class Preferences;

// The cycle calculator of the window: the journal and its arithmetic, plus the symbol a
// fertile day carries for the user's goal.
class OvelaCalendar : public OvelaCycleMethod
{
public:
    explicit OvelaCalendar(Preferences &preferences);
    ~OvelaCalendar() override;

    QPixmap &getFertileDayPixmap(const QDate &date);
    const Preferences &settings() const { return preferences; }

private:
    Preferences &preferences;
    QPixmap forbiddenPixmap;
    QPixmap heartPixmap;
    QPixmap boyPixmap;
    QPixmap girlPixmap;
};
