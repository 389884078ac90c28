#pragma once

#include <QWidget>

class OvelaCalendar;
class OvelaChartWidget;
class OvelaDateBookMonthHeader;
class Preferences;

// The chart page: a month header over the chart, which follows the header's month.
class OvelaTempChartWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaTempChartWidget(OvelaCalendar *calendar, Preferences &preferences,
                         QWidget *parent = nullptr, const char *name = nullptr);

private:
    OvelaDateBookMonthHeader *header;
    OvelaChartWidget *chart;
};
