#include "cycle/ovela_calendar.h"

#include "platform/resource.h"
#include "settings/Preferences.h"

OvelaCalendar::OvelaCalendar(Preferences &prefs)
    : preferences(prefs)
{
    heartPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/heart-big"));
    forbiddenPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/forbidden-big"));
    boyPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/boy"));
    girlPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/girl"));
}

OvelaCalendar::~OvelaCalendar() = default;

QPixmap &OvelaCalendar::getFertileDayPixmap(const QDate &date)
{
    switch (getFertileDaySymbol(date, preferences.getBirthGoal())) {
    case FertileSymbol::Forbidden:
        return forbiddenPixmap;
    case FertileSymbol::Boy:
        return boyPixmap;
    case FertileSymbol::Girl:
        return girlPixmap;
    case FertileSymbol::Heart:
        break;
    }
    return heartPixmap;
}
