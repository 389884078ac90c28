#pragma once

#include <QDate>
#include <QWidget>

class OvelaCalendar;
class OvelaDatabase;
class OvelaDateBookMonth;
class Preferences;
class QFrame;
class QLabel;
class QPushButton;

// The calendar page: the month view and the commands that act on the day selected in it.
class OvelaCentralWidget : public QWidget
{
    Q_OBJECT
public:
    OvelaCentralWidget(OvelaCalendar *calendar, Preferences &preferences,
                       QWidget *parent = nullptr);

    OvelaDateBookMonth *monthView() const { return month; }

    // After "Set Start Cycle Date": names the new start and offers Undo until the next command.
    QFrame *undoBar() const { return undoFrame; }
    QPushButton *undoButton() const { return undoStartButton; }
    // The one-time suggestion to predict from her recorded cycles.
    QFrame *suggestionBar() const { return suggestionFrame; }

    // Whether recording that day asks if a new cycle started on it: bleeding ("Slight",
    // "Normal" or "Heavy") with none in the five days before, after the stored start, and not
    // asked before.
    bool asksForNewCycle(const QDate &date) const;
    // Asks when asksForNewCycle says so; Yes makes the day the start of the cycle.
    void noticeNewCycle(const QDate &date);
    // Shows the suggestion once she has three completed cycles, if she never saw it.
    void suggestPredictingFromRecord();
    // The cycle lengths and the way of predicting, from the preferences.
    void copyPeriodLengths();

signals:
    // True when the day just selected or just edited holds a record.
    void updateEdit(bool hasEntry);

public slots:
    void onEdit();
    void onDelete();
    void onPreferences();
    void onStartCycleDate();
    // Puts back the start the last "Set Start Cycle Date" replaced.
    void undoStartCycleDate();
    // Another command came: the Undo is no longer offered.
    void dismissUndo();
    void onGotoToday();
    void onClearDatabase(OvelaDatabase *database);
    void onDeleteEntry(const QDate &date);
    void onDateClicked(int year, int month, int day);

protected:
    void mousePressEvent(QMouseEvent *e) override;

private:
    void setStartCycle(const QDate &date);
    void createBars();

    OvelaDateBookMonth *month;
    QFrame *undoFrame = nullptr;
    QLabel *undoText = nullptr;
    QPushButton *undoStartButton = nullptr;
    QDate replacedStart;
    QFrame *suggestionFrame = nullptr;
    QLabel *suggestionText = nullptr;
    OvelaCalendar *calendar;
    Preferences &preferences;
};
