#include "charts/ovela_cycles_widget.h"

#include "charts/ovela_cycle_predictions_model.h"
#include "charts/ovela_cycle_statistics_model.h"
#include "charts/ovela_cycles_model.h"
#include "cycle/ovela_calendar.h"
#include "cycle/ovela_cycle_insight.h"
#include "settings/Preferences.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

OvelaCyclesWidget::OvelaCyclesWidget(OvelaCalendar *calendar, Preferences &preferences,
                                     QWidget *parent)
    : QWidget(parent)
    , calendar(calendar)
    , preferences(preferences)
{
    setObjectName(QStringLiteral("CyclesPage"));
    auto *box = new QVBoxLayout(this);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("CyclesSummary"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->addWidget(summary);

    cycles = new OvelaCyclesModel(this);
    statistics = new OvelaCycleStatisticsModel(this);
    predictions = new OvelaCyclePredictionsModel(this);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CyclesTabs"));
    tabs->tabBar()->setAccessibleName(tr("Cycle figures"));
    // Tab stops at its bar, the part that takes the keys, not at the frame round the tables.
    tabs->setFocusPolicy(Qt::NoFocus);
    // Many cycles are a long list: each table scrolls on its own, and on a phone the three
    // take turns in the same place instead of squeezing one another.
    cyclesTable = makeTable(cycles, "CyclesTable", tr("Your cycles"));
    tabs->addTab(cyclesTable, tr("Cycles"));

    auto *statisticsTab = new QWidget(tabs);
    auto *statisticsBox = new QVBoxLayout(statisticsTab);
    statisticsBox->setContentsMargins(0, 0, 0, 0);
    statisticsTable = makeTable(statistics, "StatisticsTable", tr("Cycle statistics"));
    statisticsBox->addWidget(statisticsTable, 1);
    gapsNote = new QLabel(statisticsTab);
    gapsNote->setObjectName(QStringLiteral("GapsNote"));
    gapsNote->setWordWrap(true);
    statisticsBox->addWidget(gapsNote);
    tabs->addTab(statisticsTab, tr("Statistics"));

    auto *predictionsTab = new QWidget(tabs);
    auto *predictionsBox = new QVBoxLayout(predictionsTab);
    predictionsBox->setContentsMargins(0, 0, 0, 0);
    predictionsTable =
        makeTable(predictions, "PredictionsTable", tr("Next period starts"));
    predictionsBox->addWidget(predictionsTable, 1);
    predictionsNote = new QLabel(predictionsTab);
    predictionsNote->setObjectName(QStringLiteral("PredictionsNote"));
    predictionsNote->setWordWrap(true);
    predictionsBox->addWidget(predictionsNote);
    tabs->addTab(predictionsTab, tr("Next periods"));
    box->addWidget(tabs, 1);

    auto *caution = new QLabel(
        tr("These figures describe what you recorded. They are no method of contraception on "
           "their own."),
        this);
    caution->setObjectName(QStringLiteral("CyclesCaution"));
    caution->setWordWrap(true);
    box->addWidget(caution);

    connect(calendar, &OvelaDatabase::journalChanged, this, &OvelaCyclesWidget::journalChanged);
    connect(calendar, &OvelaDatabase::onClearDatabase, this, &OvelaCyclesWidget::journalChanged);
    connect(calendar, &OvelaDatabase::onDeleteEntry, this, &OvelaCyclesWidget::journalChanged);
    connect(&preferences, &Preferences::temperatureFormatChanged, this,
            &OvelaCyclesWidget::journalChanged);
    refresh();
}

QTableView *OvelaCyclesWidget::makeTable(QAbstractItemModel *model, const char *name,
                                         const QString &title)
{
    auto *table = new QTableView(this);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setAccessibleName(title);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrow keys move through its cells.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void OvelaCyclesWidget::journalChanged()
{
    if (!isVisible()) {
        stale = true;
        return;
    }
    // Queued: a record is announced before it is filled in or taken away.
    if (refreshQueued)
        return;
    refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        refreshQueued = false;
        refresh();
    });
}

void OvelaCyclesWidget::setToday(const QDate &day)
{
    fixedToday = day;
    refresh();
}

void OvelaCyclesWidget::refresh()
{
    stale = false;
    const QDate today = fixedToday.isValid() ? fixedToday : QDate::currentDate();
    const Preferences::TemperatureFormat unit = preferences.getTemperatureFormat();
    const QList<CycleInsight::Cycle> found = CycleInsight::findCycles(*calendar);
    const CycleInsight::Statistics figures = CycleInsight::statistics(found);
    // As the companion's stats: a prediction wholly in the past is left out.
    QList<CycleInsight::Prediction> next;
    int past = 0;
    for (const CycleInsight::Prediction &p : CycleInsight::predict(found, figures, *calendar)) {
        if (p.latest < today)
            ++past;
        else
            next << p;
    }
    cycles->setCycles(found, unit);
    statistics->setStatistics(figures);
    predictions->setPredictions(next);

    const QLocale locale;
    const auto date = [&locale](const QDate &d) { return locale.toString(d, QLocale::LongFormat); };
    QStringList lines;
    if (found.isEmpty()) {
        lines << tr("No cycle yet: a cycle starts on a day with bleeding recorded.");
    } else {
        const QDate start = found.last().start;
        const qint64 day = start.daysTo(today) + 1;
        // A record she stopped keeping long ago is no cycle she is in today.
        if (day >= 1 && day <= CycleInsight::GapLength)
            lines << tr("Today is day %1 of your cycle, which started on %2.")
                         .arg(locale.toString(day), date(start));
        else if (day > CycleInsight::GapLength)
            lines << tr("The last cycle in your record started on %1.").arg(date(start));
        else
            lines << tr("Your last recorded cycle starts on %1.").arg(date(start));
    }
    if (!next.isEmpty() && next.first().earliest == next.first().latest)
        lines << tr("Your next period is expected on %1.").arg(date(next.first().start));
    else if (!next.isEmpty())
        lines << tr("Your next period is expected on %1 (between %2 and %3).")
                     .arg(date(next.first().start), date(next.first().earliest),
                          date(next.first().latest));
    summary->setText(lines.join(QLatin1Char('\n')));

    gapsNote->setText(figures.gaps > 0
                          ? tr("%n cycle(s) over %1 days were taken for gaps in the record and "
                               "left out.",
                               nullptr, figures.gaps)
                                .arg(CycleInsight::GapLength)
                          : QString());
    gapsNote->setVisible(figures.gaps > 0);

    QString note;
    if (next.isEmpty() && past > 0)
        note = tr("No prediction: the record ends too long ago.");
    else if (next.isEmpty())
        note = tr("No prediction: it needs one completed cycle.");
    else
        note = tr("From the median length of the last 12 cycles, give or take one standard "
                  "deviation.");
    predictionsNote->setText(note);
}

void OvelaCyclesWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale)
        refresh();
}

void OvelaCyclesWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Back from the preferences (the lengths the diary's calendar counts with) or a day
    // changing at midnight: shown again, worked out again.
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        refresh();
    else if (event->type() == QEvent::LocaleChange)
        journalChanged();
}
