#pragma once

#include "dialogs/OvelaLegendDialog.h"
#include "platform/calendar.h"
#include "platform/timestring.h"

#include <QBrush>
#include <QColor>
#include <QDate>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QWidget>

class OvelaCalendar;
class QComboBox;
class QKeyEvent;
class QMouseEvent;
class QMenu;
class QPainter;
class QPalette;
class QRect;
class QSpinBox;
class QToolButton;

// Cycle-phase backgrounds: the colour lightened day by day through the phase.
void fillCycleDenseRect(QPainter *p, const QRect &r, const QColor &c, int index);
void fillFertileDenseRect(QPainter *p, const QRect &r, const QColor &c, int index);

// What she recorded, drawn over the cycle-phase ground: drops for recorded bleeding (one, two
// or three for "Slight", "Normal" and "Heavy", a hollow one for "Intermenstrual"; cervicalFluid
// as the record holds it, nothing for other values) along the lower edge of `area`, and a
// folded corner for a note in the lower right corner of the cell `cell`.
void paintBleedingMark(QPainter *p, const QRect &area, int cervicalFluid);
void paintNoteMark(QPainter *p, const QRect &cell);
// The height of the strip of bleeding drops in a cell of that size.
int bleedingMarkHeight(const QSize &cell);

// Every colour, shade and symbol of a day cell, each drawn as the cells draw it into a sample
// `side` pixels square, with what it means.
QList<OvelaLegendDialog::Entry> calendarLegend(int side);

// One day of the month grid. It keeps its own state and paints itself; the table's delegate
// only hands it the painter.
class OvelaDayItemMonth : public QTableWidgetItem
{
public:
    static constexpr int ItemType = QTableWidgetItem::UserType + 1;

    OvelaDayItemMonth(const QString &text, const QDate &date, OvelaCalendar *calendar);
    ~OvelaDayItemMonth() override;

    // Paints the day into a cell of cr's size with the painter's origin at the cell's top-left.
    virtual void paint(QPainter *p, const QPalette &cg, const QRect &cr, bool selected);

    void setType(Calendar::Day::Type t);
    // Hides QTableWidgetItem::type(): this is the cell's place in the month, not the item's
    // run-time type.
    Calendar::Day::Type type() const { return dayType; }

    void setDay(int d) { dayNumber = d; }
    int day() const { return dayNumber; }

    void setDate(const QDate &d) { date = d; }
    QDate getDate() const { return date; }

    QBrush getBackground() const { return background; }

    // For screen readers: the date as its name, what the day holds as its description.
    QVariant data(int role) const override;

private:
    QBrush background;
    QColor foreground;
    int dayNumber = 0;
    Calendar::Day::Type dayType = Calendar::Day::ThisMonth;
    QPixmap thermometerPixmap;
    QPixmap pencilPixmap;
    QDate date;
    OvelaCalendar *calendar = nullptr;
};

// Hands every cell of the month table to its day item's own paint.
class OvelaDayItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit OvelaDayItemDelegate(QTableWidget *table);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QTableWidget *table;
};

// The 6 x 7 grid of one month, with the neighbouring months' days in the free cells.
class OvelaDateBookMonthTable : public QTableWidget
{
    Q_OBJECT
public:
    OvelaDateBookMonthTable(QWidget *parent, const char *name, OvelaCalendar *calendar);
    ~OvelaDateBookMonthTable() override;

    void setDate(int year, int month, int day);
    void redraw();
    void setWeekStart(bool monday);
    bool weekStartsOnMonday() const { return weekStartsMonday; }
    void getDate(int &year, int &month, int &day) const;

    // Where a day of the shown month sits in the grid.
    void findDay(int day, int &row, int &col) const;

    OvelaDayItemMonth *dayItem(int row, int col) const;

    QSize minimumSizeHint() const override;

signals:
    void dateClicked(int year, int month, int day);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void dayClicked(int row, int col);
    void dragDay(int row, int col);
    void setupTable();
    void setupLabels();
    void changeDaySelection(int row, int col);

    int year = -1;
    int month = -1;
    int day = -1;
    int selYear = -1;
    int selMonth = -1;
    int selDay = -1;
    bool weekStartsMonday = false;
    OvelaCalendar *calendar = nullptr;
    QPersistentModelIndex pressedCell;
};

// The strip above a month: first, back, month list, year box, forward, last.
class OvelaDateBookMonthHeader : public QWidget
{
    Q_OBJECT
public:
    OvelaDateBookMonthHeader(QWidget *parent = nullptr, const char *name = nullptr);
    ~OvelaDateBookMonthHeader() override;

    void setDate(int year, int month);

    // The month before and after, across the turn of the year (the arrows' commands).
    void monthBack();
    void monthForward();

signals:
    void dateChanged(int year, int month);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void paintArrows();
    void updateDate();
    void firstMonth();
    void lastMonth();

    QToolButton *firstButton = nullptr;
    QToolButton *backButton = nullptr;
    QToolButton *forwardButton = nullptr;
    QToolButton *lastButton = nullptr;
    QComboBox *monthCombo;
    QSpinBox *yearSpin;
};

// A month header over a month table, moved by the header, taps and the arrow keys.
class OvelaDateBookMonth : public QWidget
{
    Q_OBJECT
public:
    OvelaDateBookMonth(QWidget *parent, const char *name, OvelaCalendar *calendar,
                       bool autoClose = false);
    ~OvelaDateBookMonth() override;

    QDate selectedDate() const;

    OvelaDateBookMonthHeader *monthHeader() const { return header; }
    OvelaDateBookMonthTable *monthTable() const { return table; }

public slots:
    void setDate(int year, int month);
    void setDate(int year, int month, int day);
    void setDate(const QDate &date);
    void redraw();
    void slotWeekChange(bool monday);

signals:
    void dateClicked(int year, int month, int day);
    // The selected day moved without a tap (keys, the header, a date set from outside).
    void selectedDateChanged(const QDate &date);
    // Return or Enter, and Delete, on the selected day of a month view that is not a picker.
    void editRequested();
    void deleteRequested();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void finalDate(int year, int month, int day);
    void reportMove(const QDate &before);
    void closeParent();

    OvelaDateBookMonthHeader *header;
    OvelaDateBookMonthTable *table;
    int year;
    int month;
    int day;
    bool autoClose;
};

// A push button showing a date; pressing it pops up a month to pick another one.
class OvelaDateButton : public QPushButton
{
    Q_OBJECT
public:
    explicit OvelaDateButton(bool longDate, QWidget *parent = nullptr, const char *name = nullptr);
    ~OvelaDateButton() override;

    QDate date() const { return shownDate; }

public slots:
    void setDate(const QDate &date);
    void setDate(int year, int month, int day);
    void setDateFormat(const DateFormat &format);
    void setWeekStartsMonday(int monday);

signals:
    void dateSelected(int year, int month, int day);

private:
    void pickDate();
    void gotHide();

    bool longFormat;
    bool weekStartsMonday = false;
    QDate shownDate;
    DateFormat dateFormat;

    // One pop-up month serves every date button of the program.
    static QPointer<QMenu> popup;
    static QPointer<OvelaDateBookMonth> picker;
    static QPointer<OvelaDateButton> popupOwner;
};
