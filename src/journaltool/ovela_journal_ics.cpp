#include "journaltool/ovela_journal_ics.h"
#include "journaltool/ovela_journal_text.h"

#include "cycle/ovela_cycle_method.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

namespace JournalIcs {

namespace {

// No cycle of a real diary is longer; a hand-edited setting beyond it predicts nothing more.
constexpr int LongestCycle = 1000;

QByteArray day(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

using Stretch = QPair<QDate, QDate>; // first and last day

// Runs of consecutive days for which `inside` holds, among `days` in ascending order.
template <typename Test> QList<Stretch> stretches(const QList<QDate> &days, Test inside)
{
    QList<Stretch> runs;
    for (const QDate &date : days) {
        if (!inside(date))
            continue;
        if (!runs.isEmpty() && runs.last().second.addDays(1) == date)
            runs.last().second = date;
        else
            runs.append({date, date});
    }
    return runs;
}

} // namespace

QByteArray escaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out.toUtf8();
}

QByteArray folded(const QByteArray &line)
{
    QByteArray out;
    qsizetype start = 0;
    int limit = 75; // the first line; continuation lines lose one octet to the leading space
    while (line.size() - start > limit) {
        qsizetype end = start + limit;
        // Never split a UTF-8 sequence: back up to the first byte of the character.
        while (end > start && (uchar(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.mid(start, end - start) + "\r\n ";
        start = end;
        limit = 74;
    }
    out += line.mid(start) + "\r\n";
    return out;
}

QDate oldRecordEnd(const OvelaCycleMethod &journal, const QDate &today)
{
    if (journal.entries().isEmpty())
        return QDate();
    const QDate last = journal.entries().lastKey();
    return last.daysTo(today) > OldRecordDays ? last : QDate();
}

QByteArray write(const OvelaCycleMethod &journal, const Options &options)
{
    const QDate &today = options.today;
    const QByteArray dtstamp =
        options.stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray out;
    auto line = [&out](const QByteArray &text) { out += folded(text); };
    auto event = [&](const QByteArray &uid, const Stretch &stretch, const QString &summary,
                     const QString &description) {
        line("BEGIN:VEVENT");
        line("UID:" + uid + "@ovelaZ");
        line("DTSTAMP:" + dtstamp);
        line("DTSTART;VALUE=DATE:" + day(stretch.first));
        line("DTEND;VALUE=DATE:" + day(stretch.second.addDays(1)));
        line("SUMMARY:" + escaped(summary));
        if (!description.isEmpty())
            line("DESCRIPTION:" + escaped(description));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    };

    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//ovelaZ//ovela-journal//EN");
    line("CALSCALE:GREGORIAN");
    line("X-WR-CALNAME:" +
         escaped(options.discreet ? JournalText::tr("Diary") : JournalText::tr("Cycle diary")));
    // For a program that subscribes to the file: fetch it again once a day.
    line("REFRESH-INTERVAL;VALUE=DURATION:P1D");
    line("X-PUBLISHED-TTL:P1D");

    // Slight, normal and heavy bleeding; intermenstrual bleeding belongs to no period.
    const QList<QDate> recorded = journal.entries().keys();
    const auto bleeding = stretches(recorded, [&journal](const QDate &date) {
        const int fluid = journal.entries().value(date).getCervicalFluid();
        return fluid >= 1 && fluid <= 3;
    });
    for (const Stretch &stretch : bleeding)
        event("period-" + day(stretch.first), stretch,
              options.discreet ? options.periodSummary : JournalText::tr("Period"),
              options.discreet ? QString() : JournalText::tr("Bleeding recorded in the diary"));

    QString caution =
        JournalText::tr("An estimate by the calendar method from the cycle lengths "
                        "set in the diary, not a measurement. It is no contraception.");
    const QDate oldEnd = oldRecordEnd(journal, today);
    if (oldEnd.isValid())
        caution +=
            QLatin1Char(' ') +
            JournalText::tr("The record ends on %1: these dates carry its rhythm on from today.")
                .arg(oldEnd.toString(Qt::ISODate));

    const QDate start = journal.getStartCycleDate();
    const int length = journal.getCycleLength();
    if (start.isValid() && length >= 1 && length <= LongestCycle) {
        QDate cycleStart = journal.getStartCycleDateByDate(today);
        for (int cycle = 0; cycle < options.cycles && cycleStart.isValid(); ++cycle) {
            QList<QDate> days;
            for (int i = 0; i < length; ++i)
                days << cycleStart.addDays(i);
            const QByteArray id = day(cycleStart);
            // Nothing is predicted for days already past.
            for (const Stretch &s : stretches(days, [&journal](const QDate &date) {
                     return journal.getCycleDay(date) >= 0;
                 })) {
                if (s.second >= today)
                    event("predicted-period-" + id + "-" + day(s.first), s,
                          options.discreet ? options.periodSummary
                                           : JournalText::tr("Period (predicted)"),
                          caution);
            }
            for (const Stretch &s : stretches(days, [&journal](const QDate &date) {
                     return journal.getFertileDay(date) >= 0;
                 })) {
                if (s.second >= today)
                    event("fertile-" + id + "-" + day(s.first), s,
                          options.discreet ? options.fertileSummary
                                           : JournalText::tr("Fertile days (predicted)"),
                          caution);
            }
            cycleStart = journal.getNextStartCycleDate(cycleStart);
        }
    }
    line("END:VCALENDAR");
    return out;
}

} // namespace JournalIcs
