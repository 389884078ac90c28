#include "settings/Preferences.h"
#include "platform/config.h"

#include "support/testhome.h"

#include <QSettings>
#include <QSignalSpy>

class TstPreferences : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    void firstRunDefaults();
    void roundTripThroughTheStore();
    void everyKeyUnderItsOwnName();
    void storedValuesAreTakenUnchecked_data();
    void storedValuesAreTakenUnchecked();
    void changeSignals();
    void everythingWrittenAtEveryOrderlyEnd();
    void noSaveWhenAsked();
};

static QString storePath()
{
    return TestHome::configHome() + QStringLiteral("/ovelaZ/ovelaZ.conf");
}

void TstPreferences::firstRunDefaults()
{
    // In the United States; elsewhere a new diary starts in Celsius (see tst_access).
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Preferences p;
    QLocale::setDefault(previous);
    QCOMPARE(p.getCycleLength(), 28);
    QCOMPARE(p.getFertilePeriod(), 5);
    QCOMPARE(p.getMenstrualPeriod(), 5);
    QCOMPARE(p.getLuterPhaseLength(), 14);
    QCOMPARE(p.getTemperatureFormat(), Preferences::Fahrenheit);
    QCOMPARE(p.getBirthGoal(), Preferences::ConceiveChild);
    QCOMPARE(p.getLastViewId(), 0);
    QCOMPARE(p.getRequirePassword(), false);
    QVERIFY(p.getPassword().isEmpty());
    QCOMPARE(p.getFirstWeekday(), 0); // the locale's until she chooses
}

void TstPreferences::roundTripThroughTheStore()
{
    {
        Preferences p;
        p.setCycleLength(31);
        p.setFertilePeriod(7);
        p.setMenstrualPeriod(3);
        p.setLuterPhaseLength(12);
        p.setTemperatureFormat(Preferences::Celsius);
        p.setBirthGoal(Preferences::ConceiveBoy);
        QString code = QStringLiteral("c0ffee-digest");
        p.setPassword(code);
        p.setLastViewId(2);
        p.setRequirePassword(true);
    }
    QVERIFY(QFile::exists(storePath()));
    // The file is laid out as the store's keys, in the one group.
    QSettings raw(storePath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Preferenes/CycleLength")).toString(), QStringLiteral("31"));
    QCOMPARE(raw.value(QStringLiteral("Preferenes/Luteal Phase")).toString(), QStringLiteral("12"));
    QCOMPARE(raw.value(QStringLiteral("Preferenes/Startup")).toString(), QStringLiteral("1"));

    Preferences q;
    QCOMPARE(q.getCycleLength(), 31);
    QCOMPARE(q.getFertilePeriod(), 7);
    QCOMPARE(q.getMenstrualPeriod(), 3);
    QCOMPARE(q.getLuterPhaseLength(), 12);
    QCOMPARE(q.getTemperatureFormat(), Preferences::Celsius);
    QCOMPARE(q.getBirthGoal(), Preferences::ConceiveBoy);
    QCOMPARE(q.getPassword(), QStringLiteral("c0ffee-digest"));
    QCOMPARE(q.getLastViewId(), 2);
    QCOMPARE(q.getRequirePassword(), true);
}

// A distinct value under each of the nine keys: read from, and written back to, its own key.
void TstPreferences::everyKeyUnderItsOwnName()
{
    const QList<QPair<QString, int>> numbers{
        {"CycleLength", 31}, {"FertilePeriod", 7}, {"MenstrualPeriod", 3},
        {"Luteal Phase", 12}, {"Temperature Format", 0}, {"Birth Goal", 3},
        {"Last View Id", 2}, {"Startup", 1}};
    {
        Config c(QStringLiteral("ovelaZ"));
        c.setGroup(QStringLiteral("Preferenes"));
        for (const auto &n : numbers)
            c.writeEntry(n.first, n.second);
        c.writeEntryCrypt(QStringLiteral("PreferencesMain"), QStringLiteral("digest"));
    }
    {
        Preferences p;
        const QList<int> read{p.getCycleLength(), p.getFertilePeriod(), p.getMenstrualPeriod(),
                              p.getLuterPhaseLength(), int(p.getTemperatureFormat()),
                              int(p.getBirthGoal()), p.getLastViewId(),
                              int(p.getRequirePassword())};
        QCOMPARE(read, (QList<int>{31, 7, 3, 12, 0, 3, 2, 1}));
        QCOMPARE(p.getPassword(), QStringLiteral("digest"));
        p.setCycleLength(24);
        p.setFertilePeriod(8);
        p.setMenstrualPeriod(6);
        p.setLuterPhaseLength(11);
        p.setTemperatureFormat(Preferences::Fahrenheit);
        p.setBirthGoal(Preferences::AvoidPregnancy);
        p.setLastViewId(1);
        p.setRequirePassword(false);
        p.setPassword(QStringLiteral("other"));
    }
    Config c(QStringLiteral("ovelaZ"));
    c.setGroup(QStringLiteral("Preferenes"));
    QList<int> written;
    for (const auto &n : numbers)
        written << c.readNumEntry(n.first);
    QCOMPARE(written, (QList<int>{24, 8, 6, 11, int(Preferences::Fahrenheit),
                                  int(Preferences::AvoidPregnancy), 1, 0}));
    QCOMPARE(c.readEntryCrypt(QStringLiteral("PreferencesMain")), QStringLiteral("other"));
}

void TstPreferences::storedValuesAreTakenUnchecked_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("writtenBack");
    QTest::newRow("Startup 5 reads true, written 1") << "Startup" << "5" << "1";
    QTest::newRow("format 2 survives") << "Temperature Format" << "2" << "2";
    QTest::newRow("goal 7 survives") << "Birth Goal" << "7" << "7";
    QTest::newRow("cycle length 0 survives") << "CycleLength" << "0" << "0";
    QTest::newRow("last view 7 survives") << "Last View Id" << "7" << "7";
}

void TstPreferences::storedValuesAreTakenUnchecked()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, writtenBack);
    {
        Config c(QStringLiteral("ovelaZ"));
        c.setGroup(QStringLiteral("Preferenes"));
        c.writeEntry(key, stored);
    }
    {
        Preferences p;
        if (key == QLatin1String("Startup"))
            QCOMPARE(p.getRequirePassword(), true);
        if (key == QLatin1String("Temperature Format"))
            QCOMPARE(int(p.getTemperatureFormat()), 2);
    }
    QSettings raw(storePath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Preferenes/") + key).toString(), writtenBack);
}

void TstPreferences::changeSignals()
{
    Preferences p;
    p.setTemperatureFormat(Preferences::Fahrenheit);
    QSignalSpy formatSpy(&p, &Preferences::temperatureFormatChanged);
    QSignalSpy goalSpy(&p, &Preferences::birthGoalChanged);
    Preferences::TemperatureFormat seen = Preferences::Fahrenheit;
    connect(&p, &Preferences::temperatureFormatChanged, this,
            [&] { seen = p.getTemperatureFormat(); });

    p.setTemperatureFormat(Preferences::Fahrenheit); // already so
    p.setBirthGoal(Preferences::ConceiveChild);      // already so
    QCOMPARE(formatSpy.count(), 0);
    QCOMPARE(goalSpy.count(), 0);

    p.setTemperatureFormat(Preferences::Celsius);
    QCOMPARE(formatSpy.count(), 1);
    QCOMPARE(formatSpy.at(0).at(0).value<Preferences::TemperatureFormat>(), Preferences::Celsius);
    QCOMPARE(seen, Preferences::Celsius); // the receiver already sees the new value
    p.setBirthGoal(Preferences::ConceiveGirl);
    QCOMPARE(goalSpy.count(), 1);
    QCOMPARE(goalSpy.at(0).at(0).value<Preferences::BirthGoal>(), Preferences::ConceiveGirl);
}

void TstPreferences::everythingWrittenAtEveryOrderlyEnd()
{
    { Preferences p; }
    QSettings raw(storePath(), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Preferenes"));
    QStringList keys = raw.childKeys();
    keys.sort();
    QStringList expected = {"Asked Cycle Starts", "Birth Goal", "CycleLength", "FertilePeriod",
                            "First Weekday", "Last View Id", "Luteal Phase", "MenstrualPeriod",
                            "Predict From Record", "PreferencesMain", "Record Suggested",
                            "Startup", "Temperature Format"};
    QCOMPARE(keys, expected);
}

void TstPreferences::noSaveWhenAsked()
{
    {
        Preferences p;
        p.setCycleLength(30);
        p.setSaveOnExit(false);
    }
    QVERIFY(!QSettings(storePath(), QSettings::IniFormat).contains("Preferenes/CycleLength"));
}

OVELA_TEST_CORE_MAIN(TstPreferences)
#include "tst_preferences.moc"
