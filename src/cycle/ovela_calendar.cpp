#include "cycle/ovela_calendar.h"

#include "platform/resource.h"
#include "settings/Preferences.h"

OvelaCalendar::OvelaCalendar(Preferences &prefs)
    : preferences(prefs)
{
}

OvelaCalendar::~OvelaCalendar() = default;

QPixmap &OvelaCalendar::getFertileDayPixmap(const QDate &date)
{
    // Rendered when first shown: a goal uses one or two of the four.
    const auto symbol = [](QPixmap &pixmap, const char *name) -> QPixmap & {
        if (pixmap.isNull())
            pixmap = Resource::loadPixmap(QLatin1String(name));
        return pixmap;
    };
    switch (getFertileDaySymbol(date, preferences.getBirthGoal())) {
    case FertileSymbol::Forbidden:
        return symbol(forbiddenPixmap, "ovelaZ/forbidden-big");
    case FertileSymbol::Boy:
        return symbol(boyPixmap, "ovelaZ/boy");
    case FertileSymbol::Girl:
        return symbol(girlPixmap, "ovelaZ/girl");
    case FertileSymbol::Heart:
        break;
    }
    return symbol(heartPixmap, "ovelaZ/heart-big");
}
