#include "cycle/ovela_cycle_insight.h"

#include "core/ovela_record_database.h"
#include "core/utils.h"
#include "cycle/ovela_cycle_method.h"

#include <algorithm>
#include <cmath>

namespace CycleInsight {

bool isBleeding(const OvelaRecordEntry &entry)
{
    const int fluid = entry.getCervicalFluid();
    return fluid >= 1 && fluid <= 3;
}

bool startsCycle(const OvelaDatabase &journal, const QDate &day)
{
    const QMap<QDate, OvelaRecordEntry> &records = journal.entries();
    const auto it = records.constFind(day);
    if (it == records.cend() || !isBleeding(it.value()))
        return false;
    for (auto before = records.lowerBound(day.addDays(-5)); before != it; ++before) {
        if (isBleeding(before.value()))
            return false;
    }
    return true;
}

namespace {

// 0.2 °C in steps of the scale (0.05 °C).
constexpr int ClearRise = 4;

struct Reading
{
    QDate date;
    int code;
};

Figures figuresOf(const QList<Cycle> &cycles)
{
    Figures f;
    f.count = int(cycles.size());
    if (cycles.isEmpty())
        return f;
    QList<int> lengths;
    double bleeding = 0;
    for (const Cycle &c : cycles) {
        lengths << c.length;
        bleeding += c.bleedingDays;
    }
    std::sort(lengths.begin(), lengths.end());
    double sum = 0;
    for (int l : lengths)
        sum += l;
    f.mean = sum / f.count;
    const int n = f.count;
    f.median = n % 2 ? lengths.at(n / 2) : (lengths.at(n / 2 - 1) + lengths.at(n / 2)) / 2.0;
    if (n > 1) {
        double squares = 0;
        for (int l : lengths)
            squares += (l - f.mean) * (l - f.mean);
        f.standardDeviation = std::sqrt(squares / (n - 1));
    }
    f.shortest = lengths.first();
    f.longest = lengths.last();
    f.meanBleedingDays = bleeding / n;
    return f;
}

} // namespace

double Shift::coverCelsius() const
{
    return coverCode > 0 ? 36.0 + 0.05 * (coverCode - 1) : 0.0;
}

double Shift::coverFahrenheit() const
{
    return coverCode > 0 ? coverCelsius() * 9.0 / 5.0 + 32.0 : 0.0;
}

QList<Cycle> findCycles(const OvelaDatabase &journal)
{
    const QMap<QDate, OvelaRecordEntry> &records = journal.entries();
    QList<Cycle> cycles;
    QDate lastBleeding;
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        if (!isBleeding(it.value()))
            continue;
        const QDate day = it.key();
        if (!lastBleeding.isValid() || lastBleeding.daysTo(day) > 5) {
            if (!cycles.isEmpty())
                cycles.last().length = int(cycles.last().start.daysTo(day));
            Cycle cycle;
            cycle.start = day;
            cycle.bleedingDays = 1;
            cycles << cycle;
        } else if (cycles.last().bleedingDays > 0) {
            // Still the run at the start: this day follows its last day directly or after one
            // day without a record.
            const QDate runEnd = cycles.last().start.addDays(cycles.last().bleedingDays - 1);
            const qint64 step = runEnd.daysTo(day);
            if (step == 1 || (step == 2 && !records.contains(runEnd.addDays(1))))
                cycles.last().bleedingDays += int(step);
            else
                cycles.last().bleedingDays = -cycles.last().bleedingDays; // the run has ended
        }
        lastBleeding = day;
    }
    for (Cycle &cycle : cycles) {
        cycle.bleedingDays = std::abs(cycle.bleedingDays);
        const QDate last = cycle.isOpen() ? records.lastKey() : cycle.start.addDays(cycle.length - 1);
        cycle.shift = findShift(journal, cycle.start, last);
    }
    return cycles;
}

Shift findShift(const OvelaDatabase &journal, const QDate &first, const QDate &last)
{
    QList<Reading> t;
    const QMap<QDate, OvelaRecordEntry> &records = journal.entries();
    for (auto it = records.lowerBound(first); it != records.cend() && it.key() <= last; ++it) {
        const int code = it.value().getTemperature();
        if (code >= 1 && code <= getTemperatureCount())
            t << Reading{it.key(), code};
    }
    const qsizetype n = t.size();
    for (qsizetype i = 6; i < n; ++i) {
        int cover = 0;
        for (qsizetype k = i - 6; k < i; ++k)
            cover = std::max(cover, t.at(k).code);
        if (t.at(i).code <= cover || i + 2 >= n)
            continue;
        const bool second = t.at(i + 1).code > cover;
        const bool third = t.at(i + 2).code > cover;
        Shift shift;
        shift.coverCode = cover;
        shift.firstHighDay = t.at(i).date;
        shift.firstHighCycleDay = int(first.daysTo(t.at(i).date)) + 1;
        if (second && third && t.at(i + 2).code >= cover + ClearRise) {
            shift.rule = 0;
            shift.confirmedDay = t.at(i + 2).date;
        } else if (second && third) {
            if (i + 3 >= n || t.at(i + 3).code <= cover)
                continue;
            shift.rule = 1;
            shift.confirmedDay = t.at(i + 3).date;
        } else if (second != third) {
            if (i + 3 >= n || t.at(i + 3).code < cover + ClearRise)
                continue;
            shift.rule = 2;
            shift.confirmedDay = t.at(i + 3).date;
        } else {
            continue;
        }
        shift.detected = true;
        return shift;
    }
    return Shift();
}

Statistics statistics(const QList<Cycle> &cycles)
{
    Statistics s;
    QList<Cycle> counted;
    for (const Cycle &c : cycles) {
        if (c.isOpen())
            continue;
        if (c.length > GapLength)
            ++s.gaps;
        else
            counted << c;
    }
    s.all = figuresOf(counted);
    s.last12 = figuresOf(counted.mid(std::max<qsizetype>(0, counted.size() - 12)));
    return s;
}

QList<Prediction> predict(const QList<Cycle> &cycles, const Statistics &statistics,
                          const OvelaCycleMethod &calendar, int count)
{
    QList<Prediction> predictions;
    if (cycles.isEmpty() || statistics.last12.count == 0)
        return predictions;
    const QDate lastStart = cycles.last().start;
    const double median = statistics.last12.median;
    const double spread = statistics.last12.standardDeviation;

    // The diary's calendar: its first start after the last recorded one, then one a cycle.
    QDate calendarStart;
    if (calendar.calendarStart().isValid() && calendar.getCycleLength() >= 1) {
        calendarStart = calendar.getStartCycleDateByDate(lastStart);
        while (calendarStart.isValid() && calendarStart <= lastStart)
            calendarStart = calendar.getNextStartCycleDate(calendarStart);
    }
    for (int k = 1; k <= count; ++k) {
        Prediction p;
        p.start = lastStart.addDays(qint64(std::lround(k * median)));
        p.earliest = p.start.addDays(-qint64(std::lround(spread)));
        p.latest = p.start.addDays(qint64(std::lround(spread)));
        p.calendarStart = calendarStart;
        if (calendarStart.isValid())
            calendarStart = calendar.getNextStartCycleDate(calendarStart);
        predictions << p;
    }
    return predictions;
}

RecordedCalendar recordedCalendar(const OvelaDatabase &journal)
{
    RecordedCalendar recorded;
    const QList<Cycle> cycles = findCycles(journal);
    if (cycles.isEmpty())
        return recorded;
    const Statistics figures = statistics(cycles);
    recorded.start = cycles.last().start;
    recorded.completed = figures.all.count;
    if (figures.last12.count > 0)
        recorded.length = int(std::floor(figures.last12.median + 0.5));
    return recorded;
}

} // namespace CycleInsight
