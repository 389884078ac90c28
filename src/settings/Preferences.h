#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QLocale>
#include <QString>

// The user's settings for one run: loaded from the "ovelaZ" store when constructed, written
// back when destroyed.
class Preferences : public QObject
{
    Q_OBJECT
public:
    // A fixed underlying type: stored values outside the enumerations are kept as they are.
    enum TemperatureFormat : int { Celsius = 0, Fahrenheit = 1 };
    Q_ENUM(TemperatureFormat)
    enum BirthGoal : int { AvoidPregnancy = 0, ConceiveChild = 1, ConceiveGirl = 2, ConceiveBoy = 3 };
    Q_ENUM(BirthGoal)

    Preferences();
    ~Preferences() override;

    void load();
    void save();

    int getCycleLength() const { return cycleLength; }
    void setCycleLength(int value) { cycleLength = value; }
    int getFertilePeriod() const { return fertilePeriod; }
    void setFertilePeriod(int value) { fertilePeriod = value; }
    int getMenstrualPeriod() const { return menstrualPeriod; }
    void setMenstrualPeriod(int value) { menstrualPeriod = value; }
    int getLuterPhaseLength() const { return luterPhaseLength; }
    void setLuterPhaseLength(int value) { luterPhaseLength = value; }
    TemperatureFormat getTemperatureFormat() const { return temperatureFormat; }
    void setTemperatureFormat(Preferences::TemperatureFormat format);
    BirthGoal getBirthGoal() const { return birthGoal; }
    void setBirthGoal(Preferences::BirthGoal goal);
    const QString &getPassword() const { return password; }
    void setPassword(const QString &value) { password = value; }
    int getLastViewId() const { return lastViewId; }
    void setLastViewId(int id) { lastViewId = id; }
    bool getRequirePassword() const { return requirePassword; }
    void setRequirePassword(bool value) { requirePassword = value; }

    // The calendar predicts from her recorded cycles instead of the typed length and start.
    bool getPredictFromRecord() const { return predictFromRecord; }
    void setPredictFromRecord(bool value) { predictFromRecord = value; }
    // Predicting from the record was suggested to her once; never again.
    bool getRecordSuggested() const { return recordSuggested; }
    void setRecordSuggested(bool value) { recordSuggested = value; }
    // The days she was already asked whether a new cycle started on them.
    const QList<QDate> &getAskedCycleStarts() const { return askedCycleStarts; }
    void setAskedCycleStarts(const QList<QDate> &days) { askedCycleStarts = days; }

    // The first column of the calendar: Qt::Monday or Qt::Sunday as she chose it, or 0 while
    // she has not chosen, when it follows the locale.
    int getFirstWeekday() const { return firstWeekday; }
    void setFirstWeekday(int day);
    bool weekStartsMonday() const;

    // What a new diary starts with in this locale: Fahrenheit in the United States and its
    // territories, Celsius elsewhere.
    static TemperatureFormat defaultTemperatureFormat(const QLocale &locale);

    // False after a run that must leave the store untouched (a wrong pass code at start-up).
    void setSaveOnExit(bool value) { saveOnExit = value; }

signals:
    void temperatureFormatChanged(Preferences::TemperatureFormat format);
    void birthGoalChanged(Preferences::BirthGoal goal);

private:
    int cycleLength = 28;
    int fertilePeriod = 5;
    int menstrualPeriod = 5;
    int luterPhaseLength = 14;
    TemperatureFormat temperatureFormat = Celsius;
    BirthGoal birthGoal = ConceiveChild;
    QString password;
    int lastViewId = 0;
    bool requirePassword = false;
    int firstWeekday = 0;
    bool predictFromRecord = false;
    bool recordSuggested = false;
    QList<QDate> askedCycleStarts;
    bool saveOnExit = true;
};
