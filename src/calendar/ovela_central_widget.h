#pragma once

#include <QDate>
#include <QWidget>

class OvelaCalendar;
class OvelaDatabase;
class OvelaDateBookMonth;
class Preferences;

// The calendar page: the month view and the commands that act on the day selected in it.
class OvelaCentralWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaCentralWidget(OvelaCalendar *calendar, Preferences &preferences,
                       QWidget *parent = nullptr);

    OvelaDateBookMonth *monthView() const { return month; }

signals:
    // True when the day just selected or just edited holds a record.
    void updateEdit(bool hasEntry);

public slots:
    void onEdit();
    void onDelete();
    void onPreferences();
    void onStartCycleDate();
    void onGotoToday();
    void onClearDatabase(OvelaDatabase *database);
    void onDeleteEntry(const QDate &date);
    void onDateClicked(int year, int month, int day);

protected:
    void mousePressEvent(QMouseEvent *e) override;

private:
    void copyPeriodLengths();

    OvelaDateBookMonth *month;
    OvelaCalendar *calendar;
    Preferences &preferences;
};
