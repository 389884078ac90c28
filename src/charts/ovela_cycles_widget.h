#pragma once

#include <QDate>
#include <QWidget>

class OvelaCalendar;
class QAbstractItemModel;
class OvelaCyclePredictionsModel;
class OvelaCycleStatisticsModel;
class OvelaCyclesModel;
class Preferences;
class QLabel;
class QTabWidget;
class QTableView;

// The Cycles page: her recorded cycles, their statistics, the next period starts they
// suggest and today's day of her cycle, all worked out by CycleInsight from the journal. It
// keeps no copy of its own: it is worked out again after every change to the journal.
class OvelaCyclesWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaCyclesWidget(OvelaCalendar *calendar, Preferences &preferences,
                      QWidget *parent = nullptr);

    // The day the page counts from; null (the default) for the real today.
    void setToday(const QDate &day);
    // Works the page out again from the journal.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // After a change: at once while the page is shown (once the change is complete), else
    // when it is next shown.
    void journalChanged();
    QTableView *makeTable(QAbstractItemModel *model, const char *name, const QString &title);

    OvelaCalendar *calendar;
    Preferences &preferences;
    QLabel *summary = nullptr;
    QTabWidget *tabs = nullptr;
    QTableView *cyclesTable = nullptr;
    QTableView *statisticsTable = nullptr;
    QTableView *predictionsTable = nullptr;
    QLabel *gapsNote = nullptr;
    QLabel *predictionsNote = nullptr;
    OvelaCyclesModel *cycles = nullptr;
    OvelaCycleStatisticsModel *statistics = nullptr;
    OvelaCyclePredictionsModel *predictions = nullptr;
    QDate fixedToday;
    bool stale = false;
    bool refreshQueued = false;
};
