#include "journaltool/ovela_journal_insight.h"
#include "journaltool/ovela_journal_text.h"

#include "cycle/ovela_cycle_insight.h"
#include "cycle/ovela_cycle_method.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

#include <cmath>

using namespace CycleInsight;

namespace {

QString iso(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

double rounded(double value, int decimals = 2)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

void printCaution(QTextStream &out)
{
    out << '\n'
        << JournalText::tr(
               "These figures describe what you recorded. They are no method of contraception on "
               "their own.")
        << '\n';
}

QJsonObject figuresJson(const Figures &f)
{
    return QJsonObject{{QStringLiteral("count"), f.count},
                       {QStringLiteral("mean"), rounded(f.mean)},
                       {QStringLiteral("median"), rounded(f.median)},
                       {QStringLiteral("standardDeviation"), rounded(f.standardDeviation)},
                       {QStringLiteral("shortest"), f.shortest},
                       {QStringLiteral("longest"), f.longest},
                       {QStringLiteral("meanBleedingDays"), rounded(f.meanBleedingDays)}};
}

void printFigures(QTextStream &out, const QString &title, const Figures &f)
{
    out << title << '\n';
    if (f.count == 0) {
        out << "  " << JournalText::tr("no completed cycle") << '\n';
        return;
    }
    // Read by a person: the locale's decimal sign (machine output, --json, stays in C).
    const QLocale locale;
    auto decimal = [&locale](double value) { return locale.toString(value, 'f', 1); };
    out << "  " << JournalText::tr("cycles: %1").arg(f.count) << '\n'
        << "  " << JournalText::tr("mean length: %1 days").arg(decimal(f.mean)) << '\n'
        << "  " << JournalText::tr("median length: %1 days").arg(decimal(f.median)) << '\n'
        << "  " << JournalText::tr("standard deviation: %1 days").arg(decimal(f.standardDeviation))
        << '\n'
        << "  " << JournalText::tr("shortest: %n day(s)", nullptr, f.shortest) << ", "
        << JournalText::tr("longest: %n day(s)", nullptr, f.longest) << '\n'
        << "  " << JournalText::tr("mean bleeding: %1 days").arg(decimal(f.meanBleedingDays))
        << '\n';
}

} // namespace

int runCyclesCommand(const OvelaCycleMethod &journal, bool json, QTextStream &out)
{
    const QList<Cycle> cycles = findCycles(journal);
    if (json) {
        QJsonArray array;
        for (const Cycle &c : cycles) {
            QJsonObject shift{{QStringLiteral("detected"), c.shift.detected}};
            if (c.shift.detected) {
                shift.insert(QStringLiteral("ltl"), rounded(c.shift.coverCelsius()));
                shift.insert(QStringLiteral("firstHighDay"), iso(c.shift.firstHighDay));
                shift.insert(QStringLiteral("confirmedDay"), iso(c.shift.confirmedDay));
                shift.insert(QStringLiteral("rule"), c.shift.rule);
            }
            array.append(QJsonObject{
                {QStringLiteral("start"), iso(c.start)},
                {QStringLiteral("length"), c.isOpen() ? QJsonValue() : QJsonValue(c.length)},
                {QStringLiteral("bleedingDays"), c.bleedingDays},
                {QStringLiteral("shift"), shift}});
        }
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (cycles.isEmpty()) {
        out << JournalText::tr("No cycle yet: a cycle starts on a day with bleeding recorded.")
            << '\n';
        printCaution(out);
        return 0;
    }
    const QString row = QStringLiteral("%1  %2  %3  %4  %5  %6");
    out << row.arg(JournalText::tr("Start").leftJustified(10),
                   JournalText::tr("Length").rightJustified(6),
                   JournalText::tr("Bleeding").rightJustified(8),
                   JournalText::tr("Shift confirmed").leftJustified(19),
                   JournalText::tr("LTL °C/°F").leftJustified(13), JournalText::tr("Rule"))
               .trimmed()
        << '\n';
    for (const Cycle &c : cycles) {
        const QString length = c.isOpen() ? JournalText::tr("open") : QString::number(c.length);
        QString confirmed = JournalText::tr("none");
        QString cover;
        QString rule;
        if (c.shift.detected) {
            confirmed = JournalText::tr("%1 (day %2)")
                            .arg(iso(c.shift.confirmedDay))
                            .arg(c.start.daysTo(c.shift.confirmedDay) + 1);
            cover =
                QStringLiteral("%1/%2").arg(QLocale().toString(c.shift.coverCelsius(), 'f', 2),
                                            QLocale().toString(c.shift.coverFahrenheit(), 'f', 2));
            rule = QString::number(c.shift.rule);
        }
        out << row.arg(iso(c.start), length.rightJustified(6),
                       QString::number(c.bleedingDays).rightJustified(8),
                       confirmed.leftJustified(19), cover.leftJustified(13), rule)
                   .trimmed()
            << '\n';
    }
    out << '\n'
        << JournalText::tr(
               "Rule 0: three temperatures over the cover line (LTL), the third 0.2 °C above it; "
               "1 and 2: the two exceptions, confirmed on the fourth day.")
        << '\n';
    printCaution(out);
    return 0;
}

int runStatsCommand(const OvelaCycleMethod &journal, bool json, QTextStream &out,
                    const QDate &today)
{
    const QList<Cycle> cycles = findCycles(journal);
    const Statistics stats = statistics(cycles);
    // A record that stopped long ago predicts nothing that already lies in the past.
    QList<Prediction> predictions;
    int past = 0;
    for (const Prediction &p : predict(cycles, stats, journal)) {
        if (p.latest < today)
            ++past;
        else
            predictions << p;
    }
    if (json) {
        QJsonArray next;
        for (const Prediction &p : predictions) {
            next.append(QJsonObject{
                {QStringLiteral("start"), iso(p.start)},
                {QStringLiteral("earliest"), iso(p.earliest)},
                {QStringLiteral("latest"), iso(p.latest)},
                {QStringLiteral("calendarStart"),
                 p.calendarStart.isValid() ? QJsonValue(iso(p.calendarStart)) : QJsonValue()}});
        }
        const QJsonObject all{{QStringLiteral("all"), figuresJson(stats.all)},
                              {QStringLiteral("last12"), figuresJson(stats.last12)},
                              {QStringLiteral("gaps"), stats.gaps},
                              {QStringLiteral("predictions"), next}};
        out << QJsonDocument(all).toJson(QJsonDocument::Indented);
        return 0;
    }
    printFigures(out, JournalText::tr("All completed cycles"), stats.all);
    printFigures(out, JournalText::tr("The last 12"), stats.last12);
    if (stats.gaps > 0)
        out << JournalText::tr(
                   "%n cycle(s) over %1 days were taken for gaps in the record and left "
                   "out.",
                   nullptr, stats.gaps)
                   .arg(GapLength)
            << '\n';
    out << '\n';
    if (past > 0 && !cycles.isEmpty())
        out << JournalText::tr(
                   "The record's last cycle starts on %1: predictions for days already past "
                   "are left out.")
                   .arg(iso(cycles.last().start))
            << '\n';
    if (predictions.isEmpty() && past > 0) {
        out << JournalText::tr("No prediction: the record ends too long ago.") << '\n';
    } else if (predictions.isEmpty()) {
        out << JournalText::tr("No prediction: it needs one completed cycle.") << '\n';
    } else {
        out << JournalText::tr(
                   "Next period starts (from the median of the last 12, ± one standard deviation), "
                   "and what the diary's calendar shows:")
            << '\n';
        for (const Prediction &p : predictions) {
            out << "  " << iso(p.start) << "  (" << iso(p.earliest) << " – " << iso(p.latest)
                << ")  "
                << (p.calendarStart.isValid()
                        ? JournalText::tr("calendar: %1").arg(iso(p.calendarStart))
                        : JournalText::tr("calendar: no start-cycle date set"))
                << '\n';
        }
    }
    printCaution(out);
    return 0;
}
