#include "cycle/ovela_cycle_insight.h"
#include "cycle/ovela_cycle_method.h"
#include "journaltool/ovela_journal_insight.h"

#include "support/testhome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace CycleInsight;

namespace {

const QDate day0(2026, 1, 1);

// One character a day from day0: B bleeding, S slight bleeding, I intermenstrual, D dry (a
// record without bleeding), '.' no record.
void fillDays(OvelaDatabase &journal, const QString &days)
{
    for (int i = 0; i < days.size(); ++i) {
        const QChar c = days.at(i);
        if (c == QLatin1Char('.'))
            continue;
        OvelaRecordEntry entry;
        entry.setCervicalFluid(c == QLatin1Char('B') ? 2 : c == QLatin1Char('S') ? 1
                               : c == QLatin1Char('I') ? 4 : 0);
        entry.setDoctor(c == QLatin1Char('D'));
        journal.setEntry(entry, day0.addDays(i));
    }
}

// One temperature code a day from day0 (0: a record without a temperature).
void fillTemperatures(OvelaDatabase &journal, const QList<int> &codes)
{
    for (int i = 0; i < codes.size(); ++i) {
        OvelaRecordEntry entry;
        entry.setTemperature(codes.at(i));
        entry.setDoctor(true);
        journal.setEntry(entry, day0.addDays(i));
    }
}

QString repeat(char c, int n)
{
    return QString(n, QLatin1Char(c));
}

// Cycles one after the other from day0 with these lengths (-1 for the open one), each with
// the bleeding days `bleeding` gives for its length.
QList<Cycle> cyclesOf(const QList<int> &lengths, int (*bleeding)(int length))
{
    QList<Cycle> cycles;
    QDate start = day0;
    for (int length : lengths) {
        Cycle c;
        c.start = start;
        c.length = length;
        c.bleedingDays = bleeding(length);
        cycles << c;
        start = start.addDays(qMax(length, 0));
    }
    return cycles;
}

} // namespace

class TstCycleInsight : public QObject
{
    Q_OBJECT

private slots:
    void cycles_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QList<int>>("starts");   // day numbers
        QTest::addColumn<QList<int>>("lengths");  // -1 open
        QTest::addColumn<QList<int>>("bleeding");

        QTest::newRow("no bleeding, no cycle") << "DDDII.D" << QList<int>{} << QList<int>{}
                                               << QList<int>{};
        QTest::newRow("spotting never starts one")
            << "II...SBB" << QList<int>{5} << QList<int>{-1} << QList<int>{3};
        QTest::newRow("one missing day inside the run counts")
            << "BB.BB" << QList<int>{0} << QList<int>{-1} << QList<int>{5};
        QTest::newRow("two missing days end the run, not the cycle")
            << "BB..BB" << QList<int>{0} << QList<int>{-1} << QList<int>{2};
        QTest::newRow("a dry record ends the run")
            << "BBDBB" << QList<int>{0} << QList<int>{-1} << QList<int>{2};
        QTest::newRow("bleeding within five days is the same cycle")
            << "BB" + repeat('D', 4) + "B" << QList<int>{0} << QList<int>{-1} << QList<int>{2};
        QTest::newRow("five days without bleeding start a new one")
            << "BB" + repeat('D', 5) + "B" << QList<int>{0, 7} << QList<int>{7, -1}
            << QList<int>{2, 1};
        QTest::newRow("two cycles of 28 days, gaps in the record")
            << "BBBB" + repeat('.', 24) + "BSB" + repeat('.', 25) + "B"
            << QList<int>{0, 28, 56} << QList<int>{28, 28, -1} << QList<int>{4, 3, 1};
    }

    void cycles()
    {
        QFETCH(QString, days);
        QFETCH(QList<int>, starts);
        QFETCH(QList<int>, lengths);
        QFETCH(QList<int>, bleeding);
        OvelaDatabase journal;
        fillDays(journal, days);
        QList<int> gotStarts, gotLengths, gotBleeding;
        for (const Cycle &c : findCycles(journal)) {
            gotStarts << int(day0.daysTo(c.start));
            gotLengths << c.length;
            gotBleeding << c.bleedingDays;
        }
        QCOMPARE(gotStarts, starts);
        QCOMPARE(gotLengths, lengths);
        QCOMPARE(gotBleeding, bleeding);
        // The day-by-day question (does bleeding recorded here start a cycle) agrees.
        QList<int> asked;
        for (int i = 0; i < days.size(); ++i) {
            if (startsCycle(journal, day0.addDays(i)))
                asked << i;
        }
        QCOMPARE(asked, starts);
    }

    void recordedCalendar_data()
    {
        QTest::addColumn<QList<int>>("lengths"); // completed cycles from day0, then an open one
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("completed");

        QTest::newRow("no cycle") << QList<int>{} << 0 << 0;
        QTest::newRow("only the open cycle") << QList<int>{0} << 0 << 0;
        QTest::newRow("one") << QList<int>{31, 0} << 31 << 1;
        QTest::newRow("28.5 rounds up") << QList<int>{28, 29, 0} << 29 << 2;
        QTest::newRow("29.5 rounds up") << QList<int>{26, 31, 29, 30, 0} << 30 << 4;
        QTest::newRow("the last 12 of 13") << QList<int>{30, 30, 30, 30, 30, 30, 30, 25, 25, 25,
                                                         25, 25, 25, 0}
                                           << 28 << 13;
        QTest::newRow("a gap in the record left out") << QList<int>{28, 120, 30, 0} << 29 << 2;
    }

    void recordedCalendar()
    {
        QFETCH(QList<int>, lengths);
        QFETCH(int, length);
        QFETCH(int, completed);
        OvelaDatabase journal;
        QDate start = day0;
        for (int l : lengths) {
            journal.addEntry(start).setCervicalFluid(3);
            start = start.addDays(l);
        }
        const RecordedCalendar recorded = CycleInsight::recordedCalendar(journal);
        QCOMPARE(recorded.length, length);
        QCOMPARE(recorded.completed, completed);
        QCOMPARE(recorded.start, lengths.isEmpty() ? QDate() : start);
    }

    void statisticsByHand()
    {
        // Lengths 30, 26, 35, 28, a gap of 100 days, then the open cycle.
        const QList<Cycle> cycles =
            cyclesOf({30, 26, 35, 100, 28, -1}, [](int length) { return length == 26 ? 6 : 4; });
        const Statistics s = statistics(cycles);
        QCOMPARE(s.gaps, 1);
        QCOMPARE(s.all.count, 4);
        QCOMPARE(s.all.mean, 29.75);
        QCOMPARE(s.all.median, 29.0);
        QVERIFY(qAbs(s.all.standardDeviation - 3.8622) < 1e-3); // sqrt(44.75 / 3)
        QCOMPARE(s.all.shortest, 26);
        QCOMPARE(s.all.longest, 35);
        QCOMPARE(s.all.meanBleedingDays, 4.5);

        // From the last start, the median once, twice, three times; the calendar beside it.
        OvelaCycleMethod calendar;
        calendar.setStartCycleDate(day0);
        calendar.setCycleLength(28);
        const QList<Prediction> next = predict(cycles, s, calendar);
        QCOMPARE(next.size(), 3);
        const QDate last = cycles.last().start;
        QCOMPARE(next.at(0).start, last.addDays(29));
        QCOMPARE(next.at(2).start, last.addDays(87));
        QCOMPARE(next.at(0).earliest, last.addDays(25));
        QCOMPARE(next.at(0).latest, last.addDays(33));
        const QDate calendarFirst = calendar.getStartCycleDateByDate(last).addDays(28);
        QCOMPARE(next.at(0).calendarStart, calendarFirst);
        QCOMPARE(next.at(1).calendarStart, calendarFirst.addDays(28));
    }

    void lastTwelveOfALongerRecord()
    {
        // Two long cycles, then twelve of 27 and 31 days in turn, then the open one: the last
        // twelve leave the long ones out, and the predictions follow the last twelve only.
        QList<int> lengths{45, 45};
        for (int i = 0; i < 12; ++i)
            lengths << (i % 2 ? 31 : 27);
        lengths << -1;
        const QList<Cycle> cycles =
            cyclesOf(lengths, [](int length) { return length == 45 ? 7 : 5; });
        const Statistics s = statistics(cycles);
        QCOMPARE(s.all.count, 14);
        QCOMPARE(s.all.longest, 45);
        QCOMPARE(s.last12.count, 12);
        QCOMPARE(s.last12.mean, 29.0);
        QCOMPARE(s.last12.median, 29.0);
        QCOMPARE(s.last12.shortest, 27);
        QCOMPARE(s.last12.longest, 31);
        QCOMPARE(s.last12.meanBleedingDays, 5.0);
        QVERIFY(qAbs(s.last12.standardDeviation - 2.0889) < 1e-3); // sqrt(48 / 11)

        const QList<Prediction> next = predict(cycles, s, OvelaCycleMethod());
        QCOMPARE(next.size(), 3);
        QCOMPARE(next.at(0).start, cycles.last().start.addDays(29));
        QCOMPARE(next.at(0).earliest, cycles.last().start.addDays(27));
    }

    void shift_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<bool>("detected");
        QTest::addColumn<int>("cover");
        QTest::addColumn<int>("firstHigh"); // day numbers
        QTest::addColumn<int>("confirmed");
        QTest::addColumn<int>("rule");

        const QList<int> low{5, 6, 5, 7, 6, 5};
        QTest::newRow("regular") << low + QList<int>{8, 9, 11} << true << 7 << 6 << 8 << 0;
        QTest::newRow("first exception") << low + QList<int>{8, 9, 10, 9} << true << 7 << 6 << 9
                                         << 1;
        QTest::newRow("first exception fails") << low + QList<int>{8, 9, 10, 7} << false << 0
                                               << 0 << 0 << 0;
        QTest::newRow("second exception") << low + QList<int>{8, 7, 9, 11} << true << 7 << 6
                                          << 9 << 2;
        QTest::newRow("second exception fails") << low + QList<int>{8, 7, 9, 10} << false << 0
                                                << 0 << 0 << 0;
        QTest::newRow("both low: fails") << low + QList<int>{8, 7, 6} << false << 0 << 0 << 0
                                         << 0;
        QTest::newRow("a failed candidate, then a good one")
            << low + QList<int>{8, 6, 6, 9, 10, 13} << true << 8 << 9 << 11 << 0;
        QTest::newRow("days without a temperature are skipped")
            << QList<int>{5, 0, 6, 5, 0, 7, 6, 5, 8, 0, 9, 11} << true << 7 << 8 << 11 << 0;
        QTest::newRow("fewer than six before") << QList<int>{5, 6, 5, 7, 9, 10, 12} << false << 0
                                               << 0 << 0 << 0;
    }

    void shift()
    {
        QFETCH(QList<int>, codes);
        QFETCH(bool, detected);
        OvelaDatabase journal;
        fillTemperatures(journal, codes);
        const Shift s = findShift(journal, day0, day0.addDays(codes.size() - 1));
        QCOMPARE(s.detected, detected);
        if (!detected)
            return;
        QFETCH(int, cover);
        QFETCH(int, firstHigh);
        QFETCH(int, confirmed);
        QFETCH(int, rule);
        QCOMPARE(s.coverCode, cover);
        QCOMPARE(day0.daysTo(s.firstHighDay), firstHigh);
        QCOMPARE(s.firstHighCycleDay, firstHigh + 1);
        QCOMPARE(day0.daysTo(s.confirmedDay), confirmed);
        QCOMPARE(s.rule, rule);
    }

    void cyclesAsJson()
    {
        OvelaCycleMethod journal;
        fillDays(journal, "BB" + repeat('D', 26) + "B");
        QString text;
        QTextStream out(&text);
        QCOMPARE(runCyclesCommand(journal, true, out), 0);
        out.flush();
        const QJsonArray cycles = QJsonDocument::fromJson(text.toUtf8()).array();
        QCOMPARE(cycles.size(), 2);
        const QJsonObject first = cycles.at(0).toObject();
        QCOMPARE(first.value(QStringLiteral("start")).toString(), QStringLiteral("2026-01-01"));
        QCOMPARE(first.value(QStringLiteral("length")).toInt(), 28);
        QCOMPARE(first.value(QStringLiteral("bleedingDays")).toInt(), 2);
        QCOMPARE(first.value(QStringLiteral("shift")).toObject().keys(),
                 QStringList{QStringLiteral("detected")});
        QVERIFY(cycles.at(1).toObject().value(QStringLiteral("length")).isNull());
    }
};

OVELA_TEST_CORE_MAIN(TstCycleInsight)
#include "tst_cycle_insight.moc"
