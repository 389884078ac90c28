#pragma once

#include "settings/Preferences.h"

#include <QDate>
#include <QFont>
#include <QWidget>

class OvelaCalendar;
class OvelaDatabase;
class OvelaDateBookMonthHeader;
class QTableWidget;

// One month's recorded temperatures, one row per day in date order. Refilled from the journal
// on every showing, month change, format change, clearing and deletion.
class OvelaTempHistoryWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaTempHistoryWidget(OvelaCalendar *calendar, Preferences &preferences,
                           QWidget *parent = nullptr, const char *name = nullptr);

    void fillData(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void dateChanged(int year, int month);
    void temperatureFormatChanged(Preferences::TemperatureFormat format);
    void onClearDatabase(OvelaDatabase *database);
    void onDeleteEntry(const QDate &date);

private:
    // Lists the month of date, leaving out the day being deleted (still stored while its
    // deletion is announced).
    void fillData(const QDate &date, const QDate &leaving);
    void fitColumns();

    OvelaDateBookMonthHeader *header = nullptr;
    QTableWidget *table = nullptr;
    OvelaCalendar *calendar;
    Preferences &preferences;
    QDate date;
    int measuredYear = 0;
    QFont measuredFont;
    int measuredDateWidth = 0;
};
