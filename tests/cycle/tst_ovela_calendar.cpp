#include "settings/Preferences.h"
#include "cycle/ovela_calendar.h"
#include "cycle/ovela_dateoperator.h"

#include "support/testhome.h"


class TstOvelaCalendar : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void indices_data();
    void indices();
    void cycleStart_data();
    void cycleStart();
    void fertileWindowByLength_data();
    void fertileWindowByLength();
    void symbols_data();
    void symbols();
    void noStartDate();
    void cycleLengthBelowOne();
    void beforeTheStartOfABackwardCycle();
    void extremeLengths_data();
    void extremeLengths();
    void farAwayStart();

private:
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<OvelaCalendar> cal;
};

void TstOvelaCalendar::init()
{
    TestHome::wipe();
    prefs = std::make_unique<Preferences>();
    cal = std::make_unique<OvelaCalendar>(*prefs);
    cal->setStartCycleDate(QDate(2004, 3, 1));
}

// Lengths 28, 5, 5, 14 and a start on 1 March 2004 unless a row says otherwise.
void TstOvelaCalendar::indices_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("menstrual");
    QTest::addColumn<int>("fertile");
    QTest::newRow("29 Feb, before the start") << QDate(2004, 2, 29) << -1 << -1;
    QTest::newRow("1 March is day 0") << QDate(2004, 3, 1) << 0 << -1;
    QTest::newRow("5 March is day 4") << QDate(2004, 3, 5) << 4 << -1;
    QTest::newRow("6 March bleeding over") << QDate(2004, 3, 6) << -1 << -1;
    QTest::newRow("10 March before the window") << QDate(2004, 3, 10) << -1 << -1;
    QTest::newRow("11 March opens the window") << QDate(2004, 3, 11) << -1 << 0;
    QTest::newRow("15 March is ovulation") << QDate(2004, 3, 15) << -1 << 4;
    QTest::newRow("16 March after the window") << QDate(2004, 3, 16) << -1 << -1;
    QTest::newRow("28 March last day of cycle") << QDate(2004, 3, 28) << -1 << -1;
    QTest::newRow("29 March is a cycle start") << QDate(2004, 3, 29) << 0 << -1;
    QTest::newRow("12 April second window") << QDate(2004, 4, 12) << -1 << 4;
    QTest::newRow("ten cycles on") << QDate(2004, 3, 1).addDays(280 + 2) << 2 << -1;
}

void TstOvelaCalendar::indices()
{
    QFETCH(QDate, date);
    QFETCH(int, menstrual);
    QFETCH(int, fertile);
    QCOMPARE(cal->getCycleDay(date), menstrual);
    QCOMPARE(cal->getFertileDay(date), fertile);
}

void TstOvelaCalendar::cycleStart_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("start");
    QTest::newRow("before the start date gives the start") << QDate(2004, 1, 1) << QDate(2004, 3, 1);
    QTest::newRow("the start itself") << QDate(2004, 3, 1) << QDate(2004, 3, 1);
    QTest::newRow("28 March still first cycle") << QDate(2004, 3, 28) << QDate(2004, 3, 1);
    QTest::newRow("29 March") << QDate(2004, 3, 29) << QDate(2004, 3, 29);
    QTest::newRow("25 April") << QDate(2004, 4, 25) << QDate(2004, 3, 29);
    QTest::newRow("26 April") << QDate(2004, 4, 26) << QDate(2004, 4, 26);
}

void TstOvelaCalendar::cycleStart()
{
    QFETCH(QDate, date);
    QFETCH(QDate, start);
    QCOMPARE(cal->getStartCycleDateByDate(date), start);
    QCOMPARE(cal->getNextStartCycleDate(QDate(2004, 3, 1)), QDate(2004, 3, 29));
}

void TstOvelaCalendar::fertileWindowByLength_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    // Ovulation on 15 March.
    QTest::newRow("1 day") << 1 << QDate(2004, 3, 15) << QDate(2004, 3, 15);
    QTest::newRow("3 days") << 3 << QDate(2004, 3, 13) << QDate(2004, 3, 15);
    QTest::newRow("4 days") << 4 << QDate(2004, 3, 12) << QDate(2004, 3, 15);
    QTest::newRow("6 days") << 6 << QDate(2004, 3, 11) << QDate(2004, 3, 16);
    QTest::newRow("8 days") << 8 << QDate(2004, 3, 11) << QDate(2004, 3, 18);
}

void TstOvelaCalendar::fertileWindowByLength()
{
    QFETCH(int, period);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    cal->setFertilePeriod(period);
    QCOMPARE(cal->getFertileDay(first.addDays(-1)), -1);
    QCOMPARE(cal->getFertileDay(first), 0);
    QCOMPARE(cal->getFertileDay(last), period - 1);
    QCOMPARE(cal->getFertileDay(last.addDays(1)), -1);
}

void TstOvelaCalendar::symbols_data()
{
    QTest::addColumn<int>("goal");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("symbols"); // one letter per window day from 11 March
    // h heart, f forbidden, g girl, b boy
    QTest::newRow("child") << int(Preferences::ConceiveChild) << 5 << "hhhhh";
    QTest::newRow("avoid") << int(Preferences::AvoidPregnancy) << 5 << "fffff";
    QTest::newRow("girl") << int(Preferences::ConceiveGirl) << 5 << "gghhh";
    QTest::newRow("boy") << int(Preferences::ConceiveBoy) << 5 << "hhbbb";
    QTest::newRow("boy, two days past ovulation") << int(Preferences::ConceiveBoy) << 7
                                                  << "hhbbbhh";
    QTest::newRow("unknown goal") << 9 << 5 << "hhhhh";
}

void TstOvelaCalendar::symbols()
{
    QFETCH(int, goal);
    QFETCH(int, period);
    QFETCH(QString, symbols);
    prefs->setBirthGoal(Preferences::BirthGoal(goal));
    cal->setFertilePeriod(period);

    // Each symbol must be the calculator's own member, whatever the icons look like.
    const QPixmap *child = &cal->getFertileDayPixmap(QDate(2004, 3, 11));
    prefs->setBirthGoal(Preferences::ConceiveChild);
    const QPixmap *heart = &cal->getFertileDayPixmap(QDate(2004, 3, 11));
    prefs->setBirthGoal(Preferences::AvoidPregnancy);
    const QPixmap *forbidden = &cal->getFertileDayPixmap(QDate(2004, 3, 11));
    prefs->setBirthGoal(Preferences::ConceiveGirl);
    const QPixmap *girl = &cal->getFertileDayPixmap(QDate(2004, 3, 11));
    prefs->setBirthGoal(Preferences::ConceiveBoy);
    const QPixmap *boy = &cal->getFertileDayPixmap(QDate(2004, 3, 15));
    QCOMPARE(QSet<const QPixmap *>({heart, forbidden, girl, boy}).size(), 4);
    Q_UNUSED(child);

    prefs->setBirthGoal(Preferences::BirthGoal(goal));
    for (int i = 0; i < symbols.size(); ++i) {
        const QDate day = QDate(2004, 3, 11).addDays(i);
        QVERIFY2(cal->getFertileDay(day) == i, qPrintable(day.toString()));
        const QPixmap *got = &cal->getFertileDayPixmap(day);
        const QChar want = symbols.at(i);
        const QPixmap *expected = want == QLatin1Char('h')   ? heart
                                  : want == QLatin1Char('f') ? forbidden
                                  : want == QLatin1Char('g') ? girl
                                                             : boy;
        QVERIFY2(got == expected, qPrintable(day.toString()));
    }
}

void TstOvelaCalendar::noStartDate()
{
    cal->setStartCycleDate(QDate());
    for (int lengths : {1, 5, 28, 40}) {
        cal->setCycleLength(lengths);
        for (const QDate &d : {QDate(1970, 1, 1), QDate(2004, 3, 1), QDate(2100, 12, 31)}) {
            QCOMPARE(cal->getCycleDay(d), -1);
            QCOMPARE(cal->getFertileDay(d), -1);
        }
    }
}

void TstOvelaCalendar::cycleLengthBelowOne()
{
    for (int length : {0, -1, -28}) {
        cal->setCycleLength(length);
        // Would step forever from the start date; must answer at once.
        QCOMPARE(cal->getCycleDay(QDate(2004, 3, 2)), -1);
        QCOMPARE(cal->getFertileDay(QDate(2004, 3, 20)), -1);
        QCOMPARE(cal->getCycleDay(QDate(2030, 1, 1)), -1);
        QVERIFY(!cal->getStartCycleDateByDate(QDate(2030, 1, 1)).isValid());
    }
}

// A luteal phase longer than the cycle puts ovulation before the start date; the days before
// the start still belong to no cycle.
void TstOvelaCalendar::beforeTheStartOfABackwardCycle()
{
    cal->setLuterPhaseLength(40);
    for (int back = 1; back <= 20; ++back) {
        const QDate day = QDate(2004, 3, 1).addDays(-back);
        QCOMPARE(cal->getCycleDay(day), -1);
        QCOMPARE(cal->getFertileDay(day), -1);
    }
}

void TstOvelaCalendar::extremeLengths_data()
{
    QTest::addColumn<int>("fertilePeriod");
    QTest::addColumn<int>("fertileDays"); // in the first 28-day cycle
    QTest::newRow("fertile period INT_MIN: none") << INT_MIN << 0;
    QTest::newRow("fertile period INT_MAX: from day 10 on") << INT_MAX << 18;
}

void TstOvelaCalendar::extremeLengths()
{
    QFETCH(int, fertilePeriod);
    QFETCH(int, fertileDays);
    cal->setFertilePeriod(fertilePeriod);
    int fertile = 0;
    for (int i = 0; i < 28; ++i)
        fertile += cal->getFertileDay(QDate(2004, 3, 1).addDays(i)) >= 0;
    QCOMPARE(fertile, fertileDays);
}

void TstOvelaCalendar::farAwayStart()
{
    // A start 60 years back lands on the same answers as stepping one cycle at a time would.
    const QDate start(1950, 6, 10);
    cal->setStartCycleDate(start);
    const QDate query = QDate(2010, 6, 10);
    QDate stepped = start;
    while (stepped.addDays(28) <= query)
        stepped = stepped.addDays(28);
    QCOMPARE(cal->getStartCycleDateByDate(query), stepped);
    QCOMPARE(cal->getCycleDay(stepped), 0);
    QCOMPARE(cal->getFertileDay(stepped.addDays(14)), 4);
}

OVELA_TEST_GUI_MAIN(TstOvelaCalendar)
#include "tst_ovela_calendar.moc"
