#include "settings/Preferences.h"

#include "platform/config.h"

#include <QStringList>

namespace {
const QString storeName = QStringLiteral("ovelaZ");
const QString group = QStringLiteral("Preferenes"); // the stored group name, spelled as it always was
} // namespace

Preferences::Preferences()
{
    load();
}

Preferences::~Preferences()
{
    if (saveOnExit)
        save();
}

void Preferences::load()
{
    Config config(storeName, Config::User);
    config.setGroup(group);
    cycleLength = config.readNumEntry(QStringLiteral("CycleLength"), 28);
    fertilePeriod = config.readNumEntry(QStringLiteral("FertilePeriod"), 5);
    menstrualPeriod = config.readNumEntry(QStringLiteral("MenstrualPeriod"), 5);
    luterPhaseLength = config.readNumEntry(QStringLiteral("Luteal Phase"), 14);
    // Out-of-range values are kept as stored; readers treat anything but 1 as Celsius. A diary
    // that never stored one takes its locale's.
    temperatureFormat = TemperatureFormat(config.readNumEntry(
        QStringLiteral("Temperature Format"), defaultTemperatureFormat(QLocale())));
    birthGoal = BirthGoal(config.readNumEntry(QStringLiteral("Birth Goal"), 1));
    lastViewId = config.readNumEntry(QStringLiteral("Last View Id"), 0);
    password = config.readEntryCrypt(QStringLiteral("PreferencesMain"), QString());
    requirePassword = config.readNumEntry(QStringLiteral("Startup"), 0) != 0;
    firstWeekday = 0;
    setFirstWeekday(config.readNumEntry(QStringLiteral("First Weekday"), 0));
    predictFromRecord = config.readBoolEntry(QStringLiteral("Predict From Record"), false);
    recordSuggested = config.readBoolEntry(QStringLiteral("Record Suggested"), false);
    askedCycleStarts.clear();
    const QStringList asked = config.readEntry(QStringLiteral("Asked Cycle Starts"))
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &day : asked) {
        const QDate date = QDate::fromString(day.trimmed(), Qt::ISODate);
        if (date.isValid())
            askedCycleStarts << date;
    }
}

void Preferences::save()
{
    Config config(storeName, Config::User);
    config.setGroup(group);
    config.writeEntry(QStringLiteral("CycleLength"), cycleLength);
    config.writeEntry(QStringLiteral("FertilePeriod"), fertilePeriod);
    config.writeEntry(QStringLiteral("MenstrualPeriod"), menstrualPeriod);
    config.writeEntry(QStringLiteral("Luteal Phase"), luterPhaseLength);
    config.writeEntry(QStringLiteral("Temperature Format"), int(temperatureFormat));
    config.writeEntry(QStringLiteral("Birth Goal"), int(birthGoal));
    config.writeEntry(QStringLiteral("Last View Id"), lastViewId);
    config.writeEntryCrypt(QStringLiteral("PreferencesMain"), password);
    config.writeEntry(QStringLiteral("Startup"), requirePassword ? 1 : 0);
    config.writeEntry(QStringLiteral("First Weekday"), firstWeekday);
    config.writeEntry(QStringLiteral("Predict From Record"), predictFromRecord);
    config.writeEntry(QStringLiteral("Record Suggested"), recordSuggested);
    QStringList asked;
    for (const QDate &day : askedCycleStarts)
        asked << day.toString(Qt::ISODate);
    config.writeEntry(QStringLiteral("Asked Cycle Starts"), asked.join(QLatin1Char(',')));
}

void Preferences::setFirstWeekday(int day)
{
    // The calendar starts its weeks on Monday or Sunday; anything else follows the locale.
    firstWeekday = (day == Qt::Monday || day == Qt::Sunday) ? day : 0;
}

bool Preferences::weekStartsMonday() const
{
    if (firstWeekday != 0)
        return firstWeekday == Qt::Monday;
    return QLocale().firstDayOfWeek() == Qt::Monday;
}

Preferences::TemperatureFormat Preferences::defaultTemperatureFormat(const QLocale &locale)
{
    switch (locale.territory()) {
    // Their locales measure in metres, their thermometers in Fahrenheit.
    case QLocale::PuertoRico:
    case QLocale::Guam:
    case QLocale::UnitedStatesVirginIslands:
    case QLocale::AmericanSamoa:
    case QLocale::NorthernMarianaIslands:
    case QLocale::UnitedStatesOutlyingIslands:
        return Fahrenheit;
    // Their locales count as US-imperial, yet body temperatures are taken in Celsius.
    case QLocale::Liberia:
    case QLocale::Myanmar:
        return Celsius;
    default:
        // The measurement system follows LC_MEASUREMENT where the system sets it apart.
        return locale.measurementSystem() == QLocale::ImperialUSSystem ? Fahrenheit : Celsius;
    }
}

void Preferences::setTemperatureFormat(Preferences::TemperatureFormat format)
{
    if (format == temperatureFormat)
        return;
    temperatureFormat = format;
    emit temperatureFormatChanged(format);
}

void Preferences::setBirthGoal(Preferences::BirthGoal goal)
{
    if (goal == birthGoal)
        return;
    birthGoal = goal;
    emit birthGoalChanged(goal);
}
