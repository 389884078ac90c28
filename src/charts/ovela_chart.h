#pragma once

#include "cycle/ovela_cycle_insight.h"
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

    // A temperature shift the month shows: its cover line runs over the days of its cycle
    // that lie in the month, from `from` to `to`.
    struct ShiftShown
    {
        CycleInsight::Shift shift;
        QDate from;
        QDate to;
    };
    // The shifts of the cycles that lie in the month shown, where the 3-over-6 rule finds one.
    QList<ShiftShown> shiftsShown() const;

public slots:
    void dateChanged(int year, int month);
    void temperatureFormatChanged(Preferences::TemperatureFormat format);
    void onClearDatabase(OvelaDatabase *database);
    void onDeleteEntry(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describeMonth(const QList<ShiftShown> &shifts);
    void drawXScale(QPainter *p);
    void drawYScale(QPainter *p);

    OvelaCalendar *calendar;
    Preferences &preferences;
    QDate month;
};
