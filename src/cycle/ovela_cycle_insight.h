#pragma once

#include <QDate>
#include <QList>

class OvelaDatabase;
class OvelaCycleMethod;
class OvelaRecordEntry;

// What the record itself shows: the cycles that recorded bleeding marks out, their
// statistics, the next period starts they suggest, and the temperature shift of each cycle by
// the "3 over 6" rule. QtCore only; these describe the record and are no method of
// contraception on their own.
namespace CycleInsight {

// The temperature shift of one cycle.
struct Shift
{
    bool detected = false;
    int coverCode = 0;   // the cover line (LTL), as a temperature code
    QDate firstHighDay;  // the first higher temperature
    int firstHighCycleDay = 0; // its day in the cycle, the start being day 1
    QDate confirmedDay;
    int rule = 0; // 0 regular, 1 first exception, 2 second exception

    double coverCelsius() const;
    // The Celsius cover line converted (the diary's own Fahrenheit scale is no conversion).
    double coverFahrenheit() const;
};

struct Cycle
{
    QDate start;
    int length = -1;      // days up to the next start; -1 for the open, last cycle
    int bleedingDays = 0; // the run of bleeding at its start
    Shift shift;
    bool isOpen() const { return length < 0; }
};

// Whether the record holds "Slight", "Normal" or "Heavy" bleeding ("Intermenstrual" does not
// count).
bool isBleeding(const OvelaRecordEntry &entry);

// Whether bleeding recorded on that day starts a cycle: none in the five days before it.
bool startsCycle(const OvelaDatabase &journal, const QDate &day);

// A cycle starts on a day whose record holds bleeding ("Slight", "Normal" or "Heavy"
// bleeding) when none of the five days before it does; "Intermenstrual" never starts one. Its
// bleeding days are the run of bleeding days from its start, where one day with no record at
// all may lie between two bleeding days (a day she did not write down) and counts in the run;
// a recorded day without bleeding, or two days without a record, end it. Linear in the records.
QList<Cycle> findCycles(const OvelaDatabase &journal);

// The shift within [first, last]: a first higher temperature is one above each of the six
// temperatures before it (days without a temperature are skipped), the cover line the highest
// of those six. Confirmed by the next two above the line with the third at least 0.2 °C above
// it (rule 0); by a fourth above the line when the third is less than 0.2 °C above (rule 1);
// by a fourth at least 0.2 °C above when exactly one of the second and third is at or below
// the line (rule 2). A candidate that fails lets the search go on from the next temperature.
Shift findShift(const OvelaDatabase &journal, const QDate &first, const QDate &last);

// Figures over completed cycles.
struct Figures
{
    int count = 0;
    double mean = 0;
    double median = 0;
    double standardDeviation = 0; // sample (n - 1); 0 for fewer than two cycles
    int shortest = 0;
    int longest = 0;
    double meanBleedingDays = 0;
};

struct Statistics
{
    Figures all;
    Figures last12;
    int gaps = 0; // completed cycles over 90 days: gaps in the record, left out of the figures
};

// Cycles over this many days are taken for gaps in the record.
constexpr int GapLength = 90;

Statistics statistics(const QList<Cycle> &cycles);

struct Prediction
{
    QDate start;          // from the last start and the median of the last 12 lengths
    QDate earliest;       // minus one standard deviation, in whole days
    QDate latest;         // plus one standard deviation
    QDate calendarStart;  // the matching start of the diary's own calendar, null without one
};

// The next `count` period starts; none without a completed cycle.
QList<Prediction> predict(const QList<Cycle> &cycles, const Statistics &statistics,
                          const OvelaCycleMethod &calendar, int count = 3);

// What the calendar counts from when it predicts from her record: the last recorded cycle
// start, and the median of the last 12 completed cycles rounded to whole days (half up; 0
// without a completed cycle).
struct RecordedCalendar
{
    QDate start;
    int length = 0;
    int completed = 0; // completed cycles in the figures
};

RecordedCalendar recordedCalendar(const OvelaDatabase &journal);

} // namespace CycleInsight
