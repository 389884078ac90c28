#include "journaltool/ovela_journal_records.h"

#include "core/ovela_record_database.h"
#include "core/utils.h"
#include "cycle/ovela_cycle_insight.h"

namespace JournalRecords {

const QStringList &fluidNames()
{
    // Stored data, not interface text: written as they are, in every language.
    static const QStringList names = {
        QStringLiteral("Dry"),
        QStringLiteral("Slight Bleeding"),
        QStringLiteral("Normal Bleeding"),
        QStringLiteral("Heavy Bleeding"),
        QStringLiteral("Intermenstrual"),
        QStringLiteral("Cloudy, Sticky"),
        QStringLiteral("Strechy, White"),
    };
    return names;
}

int fluidCode(const QString &name)
{
    return int(fluidNames().indexOf(name));
}

QString fluidName(int code)
{
    return fluidNames().value(code);
}

namespace {

bool onScale(int code)
{
    return code >= 1 && code <= getTemperatureCount();
}

QString shown(float value)
{
    return QString::asprintf("%0.2f", double(value));
}

int codeFor(const QString &text, float (*scale)(int))
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return -1;
    // Compared as the diary shows the steps, so "36.5" and "36.50" both name 36.50.
    for (int index = 0; index < getTemperatureCount(); ++index) {
        if (qAbs(shown(scale(index)).toDouble() - value) < 1e-6)
            return index + 1;
    }
    return -1;
}

} // namespace

QString celsiusText(int code)
{
    return onScale(code) ? shown(getCelsius(code - 1)) : QString();
}

QString fahrenheitText(int code)
{
    return onScale(code) ? shown(getFahrenheit(code - 1)) : QString();
}

int codeForCelsius(const QString &text)
{
    return codeFor(text, getCelsius);
}

int codeForFahrenheit(const QString &text)
{
    return codeFor(text, getFahrenheit);
}

OvelaRecordEntry record(int fluid, int temperature, const bool (&marks)[6], const QString &note)
{
    OvelaRecordEntry entry;
    entry.setCervicalFluid(fluid);
    entry.setTemperature(temperature);
    entry.setDoctor(marks[0]);
    entry.setCramps(marks[1]);
    entry.setPMS(marks[2]);
    entry.setSex(marks[3]);
    entry.setProtection(marks[4]);
    entry.setSecret(marks[5]);
    entry.setNote(note);
    return entry;
}

QList<QDate> cycleStarts(const QMap<QDate, OvelaRecordEntry> &records)
{
    OvelaDatabase journal;
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        journal.setEntry(it.value(), it.key());
    QList<QDate> starts;
    for (const CycleInsight::Cycle &cycle : CycleInsight::findCycles(journal))
        starts << cycle.start;
    return starts;
}

} // namespace JournalRecords
