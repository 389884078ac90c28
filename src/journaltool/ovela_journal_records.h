#pragma once

#include "core/ovela_record_entry.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

// What the export formats say about a day record, and what an import hands to the merge.
namespace JournalRecords {

// The cervical-fluid choices by code, exactly as the day record dialog lists them.
const QStringList &fluidNames();
// The code of a fluid text, or -1 when it names none of the choices.
int fluidCode(const QString &name);
// The fluid's text, empty for a code outside the choices.
QString fluidName(int code);

// A temperature code's value as the diary shows it ("%0.2f"), empty for 0 or a code off the
// scale.
QString celsiusText(int code);
QString fahrenheitText(int code);
// The code whose shown value is `text`, or -1 when no scale step shows exactly that.
int codeForCelsius(const QString &text);
int codeForFahrenheit(const QString &text);

// A day record from its fields as the export formats carry them; the six marks in the day
// dialog's order: doctor, cramps, PMS, love, protection, secret.
OvelaRecordEntry record(int fluid, int temperature, const bool (&marks)[6], const QString &note);

// The settings an export carries: never the pass code. A value the store holds outside the
// range the Preferences dialog allows is not carried.
struct Settings
{
    int cycleLength = 0; // 0: not carried
    int menstrualPeriod = 0;
    int fertilePeriod = 0;
    int lutealPhaseLength = 0;
    int birthGoal = -1;         // Preferences::BirthGoal, -1: not carried
    int temperatureFormat = -1; // Preferences::TemperatureFormat, -1: not carried
};

// Records read from a file, before they meet the journal.
struct Imported
{
    QMap<QDate, OvelaRecordEntry> records;
    bool hasStartCycleDate = false;
    QDate startCycleDate;
    bool hasSettings = false;
    Settings settings;
    int daysRead = 0; // the days the file holds, skipped ones included
    int temperaturesRounded = 0;
    int temperaturesLeftOut = 0;
    int temperaturesExcluded = 0;
    int bleedingsExcluded = 0;
    int notesExtended = 0;
    int skippedEmpty = 0;   // days with no value at all
    int skippedDryOnly = 0; // days whose only value is mucus "dry" or "nothing"
    // Days where drip's isCycleStart and the diary's bleeding rule disagree.
    QList<QDate> dripStartsOnly;
    QList<QDate> ruleStartsOnly;
};

// The days that start a cycle by the diary's own bleeding rule.
QList<QDate> cycleStarts(const QMap<QDate, OvelaRecordEntry> &records);

} // namespace JournalRecords
