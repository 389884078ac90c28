#include "charts/ovela_temphistory_widget.h"

#include "calendar/ovela_datebookmonth.h"
#include "core/utils.h"
#include "cycle/ovela_calendar.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QLocale>

#include <algorithm>

namespace {
constexpr int RowCount = 31;
constexpr int ColumnCount = 2;
} // namespace

OvelaTempHistoryWidget::OvelaTempHistoryWidget(OvelaCalendar *calendar, Preferences &preferences,
                                               QWidget *parent, const char *name)
    : QWidget(parent)
    , calendar(calendar)
    , preferences(preferences)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);

    header = new OvelaDateBookMonthHeader(this, "HistoryHeader");
    box->addWidget(header);

    table = new QTableWidget(RowCount, ColumnCount, this);
    table->setObjectName(QStringLiteral("HistoryTable"));
    table->setSelectionMode(QAbstractItemView::NoSelection);
    // Row numbers would read as days of the month, which they are not once a day is missing.
    table->verticalHeader()->hide();
    // The list is derived from the journal; anything typed here would be thrown away by the
    // next refill, so the cells are not editable.
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 0; column < ColumnCount; ++column) {
        table->setHorizontalHeaderItem(column, new QTableWidgetItem);
        for (int row = 0; row < RowCount; ++row)
            table->setItem(row, column, new QTableWidgetItem);
    }
    table->setWordWrap(false);
    // Tab leaves the list for the next control; the arrow keys move through its cells.
    table->setTabKeyNavigation(false);
    table->setAccessibleName(tr("Temperature history"));
    box->addWidget(table, 1);

    connect(header, &OvelaDateBookMonthHeader::dateChanged, this,
            &OvelaTempHistoryWidget::dateChanged);
    const QDate today = QDate::currentDate();
    header->setDate(today.year(), today.month());
    fillData(today);

    connect(&preferences, &Preferences::temperatureFormatChanged, this,
            &OvelaTempHistoryWidget::temperatureFormatChanged);
    connect(calendar, &OvelaDatabase::onClearDatabase, this,
            &OvelaTempHistoryWidget::onClearDatabase);
    connect(calendar, &OvelaDatabase::onDeleteEntry, this, &OvelaTempHistoryWidget::onDeleteEntry);
}

// A listed day in the user's language and order, with its weekday.
static QString listedDate(const QDate &d)
{
    const QLocale locale;
    return locale.dayName(d.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(d, QLocale::ShortFormat);
}

void OvelaTempHistoryWidget::fillData(const QDate &date)
{
    fillData(date, QDate());
}

void OvelaTempHistoryWidget::fillData(const QDate &date, const QDate &leaving)
{
    this->date = date;
    const bool fahrenheit = preferences.getTemperatureFormat() == Preferences::Fahrenheit;
    table->horizontalHeaderItem(0)->setText(tr("Date"));
    table->horizontalHeaderItem(1)->setText(fahrenheit ? tr("Temperature F") : tr("Temperature C"));
    fitColumns();
    for (int row = 0; row < RowCount; ++row) {
        table->item(row, 0)->setText(QString());
        table->item(row, 1)->setText(QString());
    }
    if (!calendar || !date.isValid())
        return;

    float (*scale)(int) = fahrenheit ? getFahrenheit : getCelsius;
    int row = 0;
    for (QDate d(date.year(), date.month(), 1); d.month() == date.month(); d = d.addDays(1)) {
        if (d == leaving || !calendar->containsEntry(d))
            continue;
        const int t = calendar->getEntry(d).getTemperature();
        if (t == 0)
            continue;
        table->item(row, 0)->setText(listedDate(d));
        table->item(row, 1)->setText(QLocale().toString(double(scale(t - 1)), 'f', 2));
        ++row;
    }
}

// The columns are 100 and 84 pixels wide, the size that suits a handheld's small font; a
// larger font widens them just enough that no date or label is cut off.
void OvelaTempHistoryWidget::fitColumns()
{
    const QFontMetrics cells(table->font());
    const int padding = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    const int year = date.isValid() ? date.year() : QDate::currentDate().year();
    // Measured once a year and font: every date of the year, so the column stays put from
    // month to month.
    if (year != measuredYear || table->font() != measuredFont) {
        measuredDateWidth = 0;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
            measuredDateWidth = qMax(measuredDateWidth, cells.horizontalAdvance(listedDate(d)));
        measuredYear = year;
        measuredFont = table->font();
    }
    const int dateWidth = measuredDateWidth;
    const int tempWidth = cells.horizontalAdvance(QStringLiteral("100.00"));

    QHeaderView *columns = table->horizontalHeader();
    columns->resizeSection(0, std::max({100, dateWidth + padding, columns->sectionSizeHint(0)}));
    columns->resizeSection(1, std::max({84, tempWidth + padding, columns->sectionSizeHint(1)}));
}

void OvelaTempHistoryWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fillData(date);
}

void OvelaTempHistoryWidget::dateChanged(int year, int month)
{
    fillData(QDate(year, month, 1));
}

void OvelaTempHistoryWidget::temperatureFormatChanged(Preferences::TemperatureFormat)
{
    fillData(date);
}

void OvelaTempHistoryWidget::onClearDatabase(OvelaDatabase *)
{
    fillData(date);
}

void OvelaTempHistoryWidget::onDeleteEntry(const QDate &deleted)
{
    fillData(date, deleted);
}
