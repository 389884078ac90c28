#include "calendar/ovela_datebookmonth.h"

#include "app/Preferences.h"
#include "cycle/ovela_calendar.h"
#include "platform/config.h"

#include "support/testhome.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

#include <memory>

Q_DECLARE_METATYPE(DateFormat)
Q_DECLARE_METATYPE(OvelaRecordEntry)

using MonthList = QList<QPair<int, int>>;

namespace {

const QColor menstrualRed(255, 53, 22);
const QColor fertileGreen(133, 239, 62);
const QColor highlight(0, 0, 200);
const QColor highlightedText(255, 255, 0);

// A widget that records the keys its children pass on.
class KeyCatcher : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *e) override { keys << e->key(); }
};

// The journal and calculator a month view reads, on fresh settings.
struct Journal
{
    Journal()
    {
        preferences.setSaveOnExit(false);
        calendar = std::make_unique<OvelaCalendar>(preferences);
    }
    Preferences preferences;
    std::unique_ptr<OvelaCalendar> calendar;
};

QDate dateOf(const QList<QVariant> &args)
{
    return QDate(args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt());
}

void click(OvelaDateBookMonthTable *table, int row, int col)
{
    const QRect cell = table->visualRect(table->model()->index(row, col));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

QImage render(OvelaDayItemMonth &item, bool selected)
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPalette palette;
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    QPainter p(&image);
    QFont font;
    font.setPointSize(12);
    font.setStyleStrategy(QFont::NoAntialias); // exact colours for the day number
    p.setFont(font);
    item.paint(&p, palette, QRect(40, 70, 30, 30), selected);
    return image;
}

int pixelsOtherThan(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != colour.rgb();
    return count;
}

bool contains(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                return true;
    return false;
}

const QRect numberArea(0, 0, 13, 11);
const QRect pencilArea(2, 11, 9, 9);
const QRect thermometerArea(13, 11, 9, 9);
const QRect symbolArea(20, 2, 10, 10);
const QPoint backgroundPoint(28, 28);

} // namespace

class TstOvelaDateBookMonth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void layout_data();
    void layout();
    void weekStartFromPlatformStore();
    void setWeekStartMovesDays();
    void selection_data();
    void selection();
    void dragChoosesWhereItEnds();

    void headerSlots_data();
    void headerSlots();
    void headerSetDate();

    void viewKeys_data();
    void viewKeys();
    void otherKeysPassOn();
    void monthListKeepsDayInMonth_data();
    void monthListKeepsDayInMonth();
    void backFromJanuaryThroughHeader();
    void tapOnNextMonth();
    void autoClose_data();
    void autoClose();
    void viewShowsTheCycle();

    void fillFactors_data();
    void fillFactors();
    void paintPhase_data();
    void paintPhase();
    void paintMarkers_data();
    void paintMarkers();

    void dateButtonTexts_data();
    void dateButtonTexts();
    void dateButtonStartsOnToday();
    void dateButtonPick();
};

void TstOvelaDateBookMonth::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstOvelaDateBookMonth::cleanup()
{
    TestHome::wipe();
}

// ---------------------------------------------------------------------------------------------
// The grid

void TstOvelaDateBookMonth::layout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<QPoint>("firstCell"); // (column, row) of the 1st
    QTest::addColumn<QDate>("topLeft");
    QTest::addColumn<QDate>("bottomRight");

    QTest::newRow("Sunday first, Aug 2004 starts Sunday: first row all July")
        << 2004 << 8 << false << QPoint(0, 1) << QDate(2004, 7, 25) << QDate(2004, 9, 4);
    QTest::newRow("Monday first, Mar 2004 starts Monday: the 1st top-left")
        << 2004 << 3 << true << QPoint(0, 0) << QDate(2004, 3, 1) << QDate(2004, 4, 11);
    QTest::newRow("Sunday first, Mar 2004 starts Monday")
        << 2004 << 3 << false << QPoint(1, 0) << QDate(2004, 2, 29) << QDate(2004, 4, 10);
    QTest::newRow("Monday first, Jun 2004 starts Tuesday")
        << 2004 << 6 << true << QPoint(1, 0) << QDate(2004, 5, 31) << QDate(2004, 7, 11);
    QTest::newRow("Sunday first, Sep 2004 starts Wednesday")
        << 2004 << 9 << false << QPoint(3, 0) << QDate(2004, 8, 29) << QDate(2004, 10, 9);
    QTest::newRow("Sunday first, Jan 2004 starts Thursday, December before")
        << 2004 << 1 << false << QPoint(4, 0) << QDate(2003, 12, 28) << QDate(2004, 2, 7);
    QTest::newRow("Monday first, Oct 2004 starts Friday")
        << 2004 << 10 << true << QPoint(4, 0) << QDate(2004, 9, 27) << QDate(2004, 11, 7);
    QTest::newRow("Sunday first, Jan 2005 starts Saturday")
        << 2005 << 1 << false << QPoint(6, 0) << QDate(2004, 12, 26) << QDate(2005, 2, 5);
    QTest::newRow("Monday first, Aug 2004 starts Sunday")
        << 2004 << 8 << true << QPoint(6, 0) << QDate(2004, 7, 26) << QDate(2004, 9, 5);
    QTest::newRow("Sunday first, Dec 2004, January after")
        << 2004 << 12 << false << QPoint(3, 0) << QDate(2004, 11, 28) << QDate(2005, 1, 8);
    QTest::newRow("Monday first, Dec 2004, January after")
        << 2004 << 12 << true << QPoint(2, 0) << QDate(2004, 11, 29) << QDate(2005, 1, 9);
}

void TstOvelaDateBookMonth::layout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, monday);
    QFETCH(QPoint, firstCell);
    QFETCH(QDate, topLeft);
    QFETCH(QDate, bottomRight);

    OvelaDateBookMonthTable table(nullptr, "DateBookMonthTable", nullptr);
    table.setWeekStart(monday);
    table.setDate(year, month, 1);

    int row = -1;
    int col = -1;
    table.findDay(1, row, col);
    QCOMPARE(QPoint(col, row), firstCell);

    QCOMPARE(table.dayItem(0, 0)->getDate(), topLeft);
    QCOMPARE(table.dayItem(5, 6)->getDate(), bottomRight);

    // Every cell holds the day after the one before it, with its number and place in the month.
    QDate expected = topLeft;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c, expected = expected.addDays(1)) {
            const OvelaDayItemMonth *cell = table.dayItem(r, c);
            QVERIFY(cell);
            QCOMPARE(cell->getDate(), expected);
            QCOMPARE(cell->day(), expected.day());
            const int shift = (expected.year() - year) * 12 + expected.month() - month;
            QCOMPARE(int(cell->type()), shift + 1);
            QCOMPARE(cell->getBackground().color(),
                     shift == 0 ? QColor(Qt::white) : QColor(224, 224, 224));
        }
    }

    QCOMPARE(table.horizontalHeaderItem(0)->text(), Calendar::nameOfDay(monday ? 1 : 7));
    QCOMPARE(table.horizontalHeaderItem(6)->text(), Calendar::nameOfDay(monday ? 7 : 6));
    QCOMPARE(QPoint(table.currentColumn(), table.currentRow()), firstCell);
}

void TstOvelaDateBookMonth::weekStartFromPlatformStore()
{
    {
        OvelaDateBookMonthTable table(nullptr, nullptr, nullptr);
        QCOMPARE(table.weekStartsOnMonday(), false);
    }
    {
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        qpe.writeEntry(QStringLiteral("MONDAY"), true);
    }
    OvelaDateBookMonthTable table(nullptr, nullptr, nullptr);
    QCOMPARE(table.weekStartsOnMonday(), true);
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("Mon"));
}

void TstOvelaDateBookMonth::setWeekStartMovesDays()
{
    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    OvelaDateBookMonthTable *table = view.monthTable();
    view.slotWeekChange(false);
    view.setDate(QDate(2004, 3, 7)); // a Sunday
    QCOMPARE(table->dayItem(1, 0)->getDate(), QDate(2004, 3, 7));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Sun"));

    view.slotWeekChange(true);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Mon"));
    // The first column's day moves to the last column of the row above.
    QCOMPARE(table->dayItem(0, 6)->getDate(), QDate(2004, 3, 7));
    QCOMPARE(table->dayItem(1, 0)->getDate(), QDate(2004, 3, 8));
    QCOMPARE(view.selectedDate(), QDate(2004, 3, 7));
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), 6);
}

void TstOvelaDateBookMonth::selection_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<QPoint>("cell"); // (column, row)
    QTest::addColumn<QDate>("selected");

    QTest::newRow("January: a grey day is December of the year before")
        << QDate(2004, 1, 15) << false << QPoint(0, 0) << QDate(2003, 12, 28);
    QTest::newRow("December: a grey day is January of the year after")
        << QDate(2004, 12, 15) << false << QPoint(6, 5) << QDate(2005, 1, 8);
    QTest::newRow("a day of the month shown")
        << QDate(2004, 3, 1) << true << QPoint(3, 2) << QDate(2004, 3, 18);
    QTest::newRow("leap February, a grey day of March")
        << QDate(2004, 2, 10) << true << QPoint(6, 5) << QDate(2004, 3, 7);
    QTest::newRow("the last day of leap February")
        << QDate(2004, 2, 10) << true << QPoint(6, 4) << QDate(2004, 2, 29);
}

void TstOvelaDateBookMonth::selection()
{
    QFETCH(QDate, shown);
    QFETCH(bool, monday);
    QFETCH(QPoint, cell);
    QFETCH(QDate, selected);

    OvelaDateBookMonthTable table(nullptr, "DateBookMonthTable", nullptr);
    table.setWeekStart(monday);
    table.setDate(shown.year(), shown.month(), shown.day());
    table.resize(280, 240);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QDate topLeft = table.dayItem(0, 0)->getDate();

    int y = 0, m = 0, d = 0;
    table.getDate(y, m, d);
    QCOMPARE(QDate(y, m, d), shown);

    QSignalSpy clicked(&table, &OvelaDateBookMonthTable::dateClicked);
    click(&table, cell.y(), cell.x());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(dateOf(clicked.at(0)), selected);
    table.getDate(y, m, d);
    QCOMPARE(QDate(y, m, d), selected);
    // The table alone does not move to another month.
    QCOMPARE(table.dayItem(0, 0)->getDate(), topLeft);
}

void TstOvelaDateBookMonth::dragChoosesWhereItEnds()
{
    OvelaDateBookMonthTable table(nullptr, "DateBookMonthTable", nullptr);
    table.setWeekStart(true);
    table.setDate(2004, 3, 1);
    table.resize(280, 240);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QSignalSpy clicked(&table, &OvelaDateBookMonthTable::dateClicked);

    auto centre = [&](int row, int col) {
        return table.visualRect(table.model()->index(row, col)).center();
    };
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, centre(1, 1));
    QTest::mouseMove(table.viewport(), centre(1, 2));
    QTest::mouseMove(table.viewport(), centre(2, 2));
    int y = 0, m = 0, d = 0;
    table.getDate(y, m, d);
    QCOMPARE(QDate(y, m, d), QDate(2004, 3, 17)); // follows the stylus, reports nothing yet
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, centre(2, 2));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(dateOf(clicked.at(0)), QDate(2004, 3, 17));

    // A plain tap reports once.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(0, 3));
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(dateOf(clicked.at(1)), QDate(2004, 3, 4));
}

// ---------------------------------------------------------------------------------------------
// The header

void TstOvelaDateBookMonth::headerSlots_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("button");
    QTest::addColumn<MonthList>("reported");
    QTest::addColumn<int>("shownMonth");
    QTest::addColumn<int>("shownYear");

    QTest::newRow("back from March")
        << 2004 << 3 << "backButton" << MonthList{{2004, 2}} << 2 << 2004;
    QTest::newRow("back from January reports December twice")
        << 2004 << 1 << "backButton" << MonthList{{2003, 12}, {2003, 12}} << 12 << 2003;
    QTest::newRow("forward from March")
        << 2004 << 3 << "forwardButton" << MonthList{{2004, 4}} << 4 << 2004;
    QTest::newRow("forward from December reports January once")
        << 2004 << 12 << "forwardButton" << MonthList{{2005, 1}} << 1 << 2005;
    QTest::newRow("first month") << 2004 << 6 << "firstButton" << MonthList{{2004, 1}} << 1 << 2004;
    QTest::newRow("last month") << 2004 << 6 << "lastButton" << MonthList{{2004, 12}} << 12 << 2004;
    QTest::newRow("back from January of the first year stays")
        << 1970 << 1 << "backButton" << MonthList{} << 1 << 1970;
    QTest::newRow("forward from December of the last year stays")
        << 2037 << 12 << "forwardButton" << MonthList{} << 12 << 2037;
}

void TstOvelaDateBookMonth::headerSlots()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, button);
    QFETCH(MonthList, reported);
    QFETCH(int, shownMonth);
    QFETCH(int, shownYear);

    OvelaDateBookMonthHeader header(nullptr, "DateBookMonthHeader");
    header.setDate(year, month);
    auto *combo = header.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    auto *spin = header.findChild<QSpinBox *>(QStringLiteral("yearSpin"));
    QVERIFY(combo && spin);
    QCOMPARE(combo->count(), 12);
    QCOMPARE(combo->itemText(0), QStringLiteral("January"));

    QSignalSpy changed(&header, &OvelaDateBookMonthHeader::dateChanged);
    auto *toolButton = header.findChild<QToolButton *>(button);
    QVERIFY(toolButton);
    QVERIFY(!toolButton->icon().isNull());
    toolButton->click();

    MonthList actual;
    for (const QList<QVariant> &args : changed)
        actual << qMakePair(args.at(0).toInt(), args.at(1).toInt());
    QCOMPARE(actual, reported);
    QCOMPARE(combo->currentIndex() + 1, shownMonth);
    QCOMPARE(spin->value(), shownYear);
}

void TstOvelaDateBookMonth::headerSetDate()
{
    OvelaDateBookMonthHeader header(nullptr, nullptr);
    auto *combo = header.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    auto *spin = header.findChild<QSpinBox *>(QStringLiteral("yearSpin"));
    header.setDate(2004, 3);

    QSignalSpy changed(&header, &OvelaDateBookMonthHeader::dateChanged);
    header.setDate(2005, 7);
    // The year box reports its change while the month list still shows the old month.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QList<QVariant>{2005, 3}));
    QCOMPARE(combo->currentIndex(), 6);
    QCOMPARE(spin->value(), 2005);

    header.setDate(2005, 0);
    QCOMPARE(combo->currentIndex(), 6);

    // Choosing in the month list reports the month.
    changed.clear();
    combo->setCurrentIndex(9);
    emit combo->activated(9);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QList<QVariant>{2005, 10}));
}

// ---------------------------------------------------------------------------------------------
// The month view

void TstOvelaDateBookMonth::viewKeys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<bool>("clicked");

    QTest::newRow("Up: a week back into February")
        << QDate(2004, 3, 3) << int(Qt::Key_Up) << QDate(2004, 2, 25) << false;
    QTest::newRow("Down: a week on")
        << QDate(2004, 3, 3) << int(Qt::Key_Down) << QDate(2004, 3, 10) << false;
    QTest::newRow("Left on the 1st: leap day")
        << QDate(2004, 3, 1) << int(Qt::Key_Left) << QDate(2004, 2, 29) << false;
    QTest::newRow("Right on 31 December: next year")
        << QDate(2004, 12, 31) << int(Qt::Key_Right) << QDate(2005, 1, 1) << false;
    QTest::newRow("Down across the year")
        << QDate(2004, 12, 28) << int(Qt::Key_Down) << QDate(2005, 1, 4) << false;
    QTest::newRow("Space chooses the day")
        << QDate(2004, 3, 3) << int(Qt::Key_Space) << QDate(2004, 3, 3) << true;
}

void TstOvelaDateBookMonth::viewKeys()
{
    QFETCH(QDate, start);
    QFETCH(int, key);
    QFETCH(QDate, after);
    QFETCH(bool, clicked);

    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    view.setDate(start);
    QCOMPARE(view.selectedDate(), start);

    QSignalSpy spy(&view, &OvelaDateBookMonth::dateClicked);
    if (key == Qt::Key_Space)
        QTest::ignoreMessage(QtWarningMsg, "space");
    QTest::keyClick(&view, Qt::Key(key));

    QCOMPARE(view.selectedDate(), after);
    auto *combo = view.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    auto *spin = view.findChild<QSpinBox *>(QStringLiteral("yearSpin"));
    QCOMPARE(combo->currentIndex() + 1, after.month());
    QCOMPARE(spin->value(), after.year());
    int row = 0, col = 0;
    view.monthTable()->findDay(after.day(), row, col);
    QCOMPARE(view.monthTable()->dayItem(row, col)->getDate(), after);

    QCOMPARE(spy.count(), clicked ? 1 : 0);
    if (clicked)
        QCOMPARE(dateOf(spy.at(0)), after);
}

void TstOvelaDateBookMonth::otherKeysPassOn()
{
    KeyCatcher parent;
    auto *view = new OvelaDateBookMonth(&parent, nullptr, nullptr);
    view->setDate(QDate(2004, 3, 3));
    QSignalSpy spy(view, &OvelaDateBookMonth::dateClicked);

    QTest::ignoreMessage(QtWarningMsg, "ignore");
    QTest::keyClick(view, Qt::Key_A);
    QCOMPARE(parent.keys, QList<int>{Qt::Key_A});

    // Keys that reach the table first travel on to the view.
    QTest::keyClick(view->monthTable(), Qt::Key_Down);
    QCOMPARE(view->selectedDate(), QDate(2004, 3, 10));
    QCOMPARE(spy.count(), 0);
}

void TstOvelaDateBookMonth::monthListKeepsDayInMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("after");
    QTest::newRow("leap year: 29 February") << 2004 << QDate(2004, 2, 29);
    QTest::newRow("common year: 28 February") << 2005 << QDate(2005, 2, 28);
}

void TstOvelaDateBookMonth::monthListKeepsDayInMonth()
{
    QFETCH(int, year);
    QFETCH(QDate, after);

    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    view.setDate(QDate(year, 1, 31));
    auto *combo = view.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(view.selectedDate(), after);
}

void TstOvelaDateBookMonth::backFromJanuaryThroughHeader()
{
    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    view.setDate(QDate(2004, 1, 31));
    QSignalSpy changed(view.monthHeader(), &OvelaDateBookMonthHeader::dateChanged);
    QSignalSpy clicked(&view, &OvelaDateBookMonth::dateClicked);
    view.findChild<QToolButton *>(QStringLiteral("backButton"))->click();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(view.selectedDate(), QDate(2003, 12, 31));
    QCOMPARE(view.monthTable()->dayItem(0, 0)->getDate(), QDate(2003, 11, 30));
    QCOMPARE(clicked.count(), 0);
}

void TstOvelaDateBookMonth::tapOnNextMonth()
{
    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    view.slotWeekChange(false);
    view.setDate(QDate(2004, 1, 15));
    view.resize(280, 260);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy clicked(&view, &OvelaDateBookMonth::dateClicked);
    click(view.monthTable(), 5, 6); // 7 February
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(dateOf(clicked.at(0)), QDate(2004, 2, 7));
    QCOMPARE(view.selectedDate(), QDate(2004, 2, 7));
    QCOMPARE(view.findChild<QComboBox *>(QStringLiteral("monthCombo"))->currentIndex(), 1);
    QCOMPARE(view.monthTable()->dayItem(0, 0)->getDate(), QDate(2004, 1, 25));
}

void TstOvelaDateBookMonth::autoClose_data()
{
    QTest::addColumn<bool>("autoClose");
    QTest::addColumn<bool>("bySpace");
    QTest::newRow("auto close, Space") << true << true;
    QTest::newRow("auto close, tap") << true << false;
    QTest::newRow("stays open, Space") << false << true;
    QTest::newRow("stays open, tap") << false << false;
}

void TstOvelaDateBookMonth::autoClose()
{
    QFETCH(bool, autoClose);
    QFETCH(bool, bySpace);

    QWidget parent;
    auto *view = new OvelaDateBookMonth(&parent, nullptr, nullptr, autoClose);
    view->setDate(QDate(2004, 3, 3));
    parent.resize(280, 260);
    view->resize(280, 260);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    bool visibleWhenReported = false;
    connect(view, &OvelaDateBookMonth::dateClicked, this,
            [&] { visibleWhenReported = parent.isVisible(); });
    if (bySpace) {
        QTest::ignoreMessage(QtWarningMsg, "space");
        QTest::keyClick(view, Qt::Key_Space);
    } else {
        click(view->monthTable(), 2, 3);
    }
    QVERIFY(visibleWhenReported); // reported first, closed after
    QCOMPARE(parent.isVisible(), !autoClose);
}

void TstOvelaDateBookMonth::viewShowsTheCycle()
{
    Journal journal;
    journal.calendar->setStartCycleDate(QDate(2004, 3, 1));
    OvelaDateBookMonth view(nullptr, nullptr, journal.calendar.get());
    view.slotWeekChange(true);
    view.setDate(QDate(2004, 3, 20));
    view.resize(280, 260);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.grab().toImage();

    OvelaDateBookMonthTable *table = view.monthTable();
    auto cellColour = [&](int row, int col) {
        const QRect cell = table->visualRect(table->model()->index(row, col));
        const QPoint corner = table->viewport()->mapTo(&view, cell.bottomRight() - QPoint(4, 4));
        return shot.pixelColor(corner * shot.devicePixelRatio());
    };
    QCOMPARE(cellColour(0, 0), menstrualRed);          // 1 March
    QCOMPARE(cellColour(1, 3), fertileGreen);          // 11 March
    QCOMPARE(cellColour(0, 5), QColor(Qt::white));     // 6 March
    QCOMPARE(cellColour(5, 0), QColor(224, 224, 224)); // 5 April
    // The selected day (20 March) keeps its colour and number and is framed.
    QCOMPARE(cellColour(2, 5), QColor(Qt::white));
    const QRect selected = table->visualRect(table->model()->index(2, 5));
    const QPoint edge =
        table->viewport()->mapTo(&view, QPoint(selected.center().x(), selected.top() + 1));
    QCOMPARE(shot.pixelColor(edge * shot.devicePixelRatio()),
             QColor(view.palette().color(QPalette::Highlight).darker(150).rgb()));

    // Changes in the journal show once the owner redraws.
    journal.calendar->setStartCycleDate(QDate(2004, 3, 2));
    view.redraw();
    const QImage after = view.grab().toImage();
    const QRect cell = table->visualRect(table->model()->index(0, 0));
    const QPoint corner = table->viewport()->mapTo(&view, cell.bottomRight() - QPoint(4, 4));
    QCOMPARE(after.pixelColor(corner * after.devicePixelRatio()), QColor(Qt::white));
}

// ---------------------------------------------------------------------------------------------
// Painting

void TstOvelaDateBookMonth::fillFactors_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("menstrual");
    QTest::addColumn<int>("fertile");
    const int menstrual[] = {100, 111, 122, 133, 144, 155, 166, 177, 188, 100};
    const int fertile[] = {100, 95, 89, 84, 122, 127, 133, 138, 144, 100};
    for (int i = 0; i <= 9; ++i)
        QTest::addRow("day index %d", i) << i << menstrual[i] << fertile[i];
    QTest::newRow("day index 12") << 12 << 100 << 100;
    QTest::newRow("not a phase day") << -1 << 100 << 100;
}

void TstOvelaDateBookMonth::fillFactors()
{
    QFETCH(int, index);
    QFETCH(int, menstrual);
    QFETCH(int, fertile);
    QCOMPARE(cycleDenseFactor(index), menstrual);
    QCOMPARE(fertileDenseFactor(index), fertile);

    // The fill covers the whole rectangle, right and bottom edges included.
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    fillCycleDenseRect(&p, QRect(1, 1, 10, 10), menstrualRed, index);
    p.end();
    QCOMPARE(pixelsOtherThan(image, QRect(1, 1, 10, 10), menstrualRed.lighter(menstrual)), 0);
    QCOMPARE(image.pixelColor(11, 11), QColor(Qt::black));

    image.fill(Qt::black);
    p.begin(&image);
    fillFertileDenseRect(&p, QRect(1, 1, 10, 10), fertileGreen, index);
    p.end();
    QCOMPARE(pixelsOtherThan(image, QRect(1, 1, 10, 10), fertileGreen.lighter(fertile)), 0);
}

void TstOvelaDateBookMonth::paintPhase_data()
{
    QTest::addColumn<bool>("withCalendar");
    QTest::addColumn<QList<int>>("lengths"); // cycle, menstrual, fertile, luteal
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("symbol");

    const QList<int> usual{28, 5, 5, 14};
    const QList<int> longBleeding{28, 10, 5, 14};
    const QList<int> overlap{23, 8, 5, 16};
    QTest::newRow("menstrual day 0 in full red")
        << true << usual << QDate(2004, 3, 1) << 1 << false << menstrualRed << false;
    QTest::newRow("selected menstrual day keeps its red")
        << true << usual << QDate(2004, 3, 1) << 1 << true << menstrualRed << false;
    QTest::newRow("menstrual day 4 pales")
        << true << usual << QDate(2004, 3, 5) << 1 << false << menstrualRed.lighter(144) << false;
    QTest::newRow("menstrual day 8 at factor 188") << true << longBleeding << QDate(2004, 3, 9) << 1
                                                   << false << menstrualRed.lighter(188) << false;
    QTest::newRow("menstrual day 9 back at the base colour")
        << true << longBleeding << QDate(2004, 3, 10) << 1 << false << menstrualRed << false;
    QTest::newRow("next cycle's first day, grey month")
        << true << usual << QDate(2004, 3, 29) << 2 << false << menstrualRed << false;
    QTest::newRow("fertile day 0 with its symbol")
        << true << usual << QDate(2004, 3, 11) << 1 << false << fertileGreen << true;
    QTest::newRow("fertile day 3 darker")
        << true << usual << QDate(2004, 3, 14) << 1 << false << fertileGreen.lighter(84) << true;
    QTest::newRow("selected fertile day keeps its green")
        << true << usual << QDate(2004, 3, 15) << 1 << true << fertileGreen.lighter(122) << true;
    QTest::newRow("fertile over bleeding: green only")
        << true << overlap << QDate(2004, 3, 4) << 1 << false << fertileGreen << true;
    QTest::newRow("ordinary day of the month")
        << true << usual << QDate(2004, 3, 20) << 1 << false << QColor(Qt::white) << false;
    QTest::newRow("selected ordinary day highlighted")
        << true << usual << QDate(2004, 3, 20) << 1 << true << highlight << false;
    QTest::newRow("ordinary day of the month before")
        << true << usual << QDate(2004, 2, 20) << 0 << false << QColor(224, 224, 224) << false;
    QTest::newRow("before the start-cycle date")
        << true << usual << QDate(2004, 2, 29) << 0 << false << QColor(224, 224, 224) << false;
    QTest::newRow("no calculator: plain")
        << false << usual << QDate(2004, 3, 1) << 1 << false << QColor(Qt::white) << false;
}

void TstOvelaDateBookMonth::paintPhase()
{
    QFETCH(bool, withCalendar);
    QFETCH(QList<int>, lengths);
    QFETCH(QDate, date);
    QFETCH(int, type);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    QFETCH(bool, symbol);

    Journal journal;
    OvelaCalendar &calendar = *journal.calendar;
    calendar.setCycleLength(lengths.at(0));
    calendar.setMenstrualPeriod(lengths.at(1));
    calendar.setFertilePeriod(lengths.at(2));
    calendar.setLuterPhaseLength(lengths.at(3));
    calendar.setStartCycleDate(QDate(2004, 3, 1));

    OvelaDayItemMonth item(QString(), date, withCalendar ? &calendar : nullptr);
    item.setType(Calendar::Day::Type(type));
    item.setDay(date.day());
    const QImage image = render(item, selected);

    QCOMPARE(image.pixelColor(backgroundPoint), QColor(background.rgb()));
    QCOMPARE(pixelsOtherThan(image, QRect(0, 12, 30, 18), background), 0); // no markers
    QVERIFY(!contains(image, image.rect(), Qt::magenta));
    QVERIFY(contains(image, numberArea, selected ? highlightedText : QColor(Qt::black)));
    QCOMPARE(pixelsOtherThan(image, symbolArea, background) > 0, symbol);
}

void TstOvelaDateBookMonth::paintMarkers_data()
{
    QTest::addColumn<OvelaRecordEntry>("entry");
    QTest::addColumn<bool>("pencil");
    QTest::addColumn<bool>("thermometer");

    OvelaRecordEntry temperature;
    temperature.setTemperature(12);
    OvelaRecordEntry fluid;
    fluid.setCervicalFluid(5);
    OvelaRecordEntry secret;
    secret.setSecret(true);
    OvelaRecordEntry both;
    both.setCramps(true);
    both.setTemperature(1);
    OvelaRecordEntry note;
    note.setNote(QStringLiteral("headache"));

    QTest::newRow("temperature only: thermometer, no pencil") << temperature << false << true;
    QTest::newRow("cervical fluid only: pencil") << fluid << true << false;
    QTest::newRow("secret only: pencil") << secret << true << false;
    QTest::newRow("cramps and temperature: both") << both << true << true;
    QTest::newRow("note only: no marker") << note << false << false;
}

void TstOvelaDateBookMonth::paintMarkers()
{
    QFETCH(OvelaRecordEntry, entry);
    QFETCH(bool, pencil);
    QFETCH(bool, thermometer);

    Journal journal;
    const QDate date(2004, 3, 8);
    journal.calendar->setEntry(entry, date);

    OvelaDayItemMonth item(QString(), date, journal.calendar.get());
    item.setType(Calendar::Day::ThisMonth);
    item.setDay(8);
    const QImage image = render(item, false);

    QCOMPARE(pixelsOtherThan(image, pencilArea, Qt::white) > 0, pencil);
    QCOMPARE(pixelsOtherThan(image, thermometerArea, Qt::white) > 0, thermometer);
    // Markers keep clear of the day number's corner and of the cell's lower edge.
    QCOMPARE(pixelsOtherThan(image, QRect(0, 21, 30, 9), Qt::white), 0);
    QCOMPARE(pixelsOtherThan(image, QRect(13, 0, 17, 11), Qt::white), 0);
}

// ---------------------------------------------------------------------------------------------
// The date button

void TstOvelaDateBookMonth::dateButtonTexts_data()
{
    QTest::addColumn<bool>("longDate");
    QTest::addColumn<DateFormat>("format");
    QTest::addColumn<QString>("text");

    const DateFormat european(QLatin1Char('.'), DateFormat::DayMonthYear, DateFormat::DayMonthYear);
    QTest::newRow("short, initial format") << false << DateFormat() << "03/01/2004";
    QTest::newRow("short, day.month.year") << false << european << "01.03.2004";
    QTest::newRow("long, initial format") << true << DateFormat() << "Monday, March 1, 2004";
    QTest::newRow("long, day month year") << true << european << "Monday, 1 March 2004";
}

void TstOvelaDateBookMonth::dateButtonTexts()
{
    QFETCH(bool, longDate);
    QFETCH(DateFormat, format);
    QFETCH(QString, text);

    OvelaDateButton button(longDate, nullptr, "dateButton");
    button.setDate(2004, 3, 1);
    button.setDateFormat(format);
    QCOMPARE(button.text(), text);
    QCOMPARE(button.date(), QDate(2004, 3, 1));
}

void TstOvelaDateBookMonth::dateButtonStartsOnToday()
{
    OvelaDateButton button(false, nullptr, nullptr);
    QCOMPARE(button.date(), QDate::currentDate());
    QCOMPARE(button.text(), QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
}

void TstOvelaDateBookMonth::dateButtonPick()
{
    QWidget window;
    auto *first = new OvelaDateButton(false, &window, "first");
    auto *second = new OvelaDateButton(false, &window, "second");
    second->move(0, 40);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    first->setDate(2004, 1, 15);
    second->setDate(2004, 12, 10);
    QSignalSpy firstSelected(first, &OvelaDateButton::dateSelected);
    QSignalSpy secondSelected(second, &OvelaDateButton::dateSelected);

    first->setDown(true);
    emit first->pressed();
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    auto *picker = popup->findChild<OvelaDateBookMonth *>();
    QVERIFY(picker);
    QCOMPARE(picker->selectedDate(), QDate(2004, 1, 15));
    popup->close();
    QVERIFY(!first->isDown());

    // The other button reuses the pop-up, and the pick is its own.
    second->setWeekStartsMonday(1);
    emit second->pressed();
    QTRY_COMPARE(QApplication::activePopupWidget(), popup);
    QCOMPARE(picker->selectedDate(), QDate(2004, 12, 10));
    QVERIFY(picker->monthTable()->weekStartsOnMonday());
    click(picker->monthTable(), 5, 6); // 9 January 2005
    QCOMPARE(secondSelected.count(), 1);
    QCOMPARE(dateOf(secondSelected.at(0)), QDate(2005, 1, 9));
    QCOMPARE(second->date(), QDate(2005, 1, 9));
    QCOMPARE(second->text(), QStringLiteral("01/09/2005"));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(firstSelected.count(), 0);
    QCOMPARE(first->date(), QDate(2004, 1, 15));

    // Opened again, the pop-up stands on the date picked last.
    emit second->pressed();
    QTRY_COMPARE(QApplication::activePopupWidget(), popup);
    QCOMPARE(picker->selectedDate(), QDate(2005, 1, 9));
    popup->close();
}

OVELA_TEST_GUI_MAIN(TstOvelaDateBookMonth)
#include "tst_ovela_datebookmonth.moc"
