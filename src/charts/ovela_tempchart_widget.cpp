#include "charts/ovela_tempchart_widget.h"

#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_chart.h"

#include <QDate>
#include <QVBoxLayout>

OvelaTempChartWidget::OvelaTempChartWidget(OvelaCalendar *calendar, Preferences &preferences,
                                           QWidget *parent, const char *name)
    : QWidget(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);

    header = new OvelaDateBookMonthHeader(this, "ChartOvelaDatebookHeader");
    chart = new OvelaChartWidget(calendar, preferences, this, "ChartOvelaChartWidget");
    box->addWidget(header);
    box->addWidget(chart, 1);

    header->setFocusPolicy(Qt::NoFocus);
    chart->setFocusPolicy(Qt::NoFocus);

    const QDate today = QDate::currentDate();
    header->setDate(today.year(), today.month());
    // Connected only now, so the initial setDate does not reach the chart (it already stands
    // on today's month).
    connect(header, &OvelaDateBookMonthHeader::dateChanged, chart, &OvelaChartWidget::dateChanged);

    chart->setFocus();
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}
