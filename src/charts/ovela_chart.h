#pragma once

#include "settings/Preferences.h"

#include <QDate>
#include <QPoint>
#include <QWidget>

class OvelaCalendar;
class OvelaDatabase;
class QPainter;

// One month's basal temperatures as red dots over a day axis and a temperature axis. Nothing
// is cached: every paint reads the month's records from the journal.
class OvelaChartWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaChartWidget(OvelaCalendar *calendar, Preferences &preferences, QWidget *parent = nullptr,
                     const char *name = nullptr);

    // Where the dot of temperature code t on day d is drawn.
    QPoint calcDate(const QDate &d, int t) const;

public slots:
    void dateChanged(int year, int month);
    void temperatureFormatChanged(Preferences::TemperatureFormat format);
    void onClearDatabase(OvelaDatabase *database);
    void onDeleteEntry(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describeMonth();
    void drawXScale(QPainter *p);
    void drawYScale(QPainter *p);

    OvelaCalendar *calendar;
    Preferences &preferences;
    QDate month;
};
