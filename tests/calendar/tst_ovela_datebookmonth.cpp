#include "calendar/ovela_datebookmonth.h"

#include "settings/Preferences.h"
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
const QColor otherMonthGrey(224, 224, 224);
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
    Journal() { preferences.setSaveOnExit(false); }
    Preferences preferences;
    OvelaCalendar calendar {preferences};
};

QDate dateOf(const QList<QVariant> &args)
{
    return QDate(args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt());
}

QDate selectedIn(const OvelaDateBookMonthTable &table)
{
    int y = 0, m = 0, d = 0;
    table.getDate(y, m, d);
    return QDate(y, m, d);
}

QPoint centre(OvelaDateBookMonthTable *table, int row, int col)
{
    return table->visualRect(table->model()->index(row, col)).center();
}

void click(OvelaDateBookMonthTable *table, int row, int col)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre(table, row, col));
}

// One day item painted into a 30 x 30 image, with exact colours for the day number.
QImage render(OvelaDayItemMonth &item, bool selected, int pointSize = 12, int side = 30)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPalette palette;
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    QPainter p(&image);
    QFont font;
    font.setPointSize(pointSize);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    item.paint(&p, palette, QRect(40, 70, side, side), selected);
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
    return pixelsOtherThan(image, area, colour) < area.width() * area.height();
}

const QRect numberArea(0, 0, 13, 11);
const QRect pencilArea(2, 11, 9, 9);
const QRect thermometerArea(13, 11, 9, 9);
const QRect symbolArea(20, 2, 10, 10);

} // namespace

class TstOvelaDateBookMonth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { TestHome::wipe(); }

    // First: it looks at the font files this process has opened.
    void weekdaysAreMeasuredInTheirOwnFont();
    void layout_data();
    void layout();
    void weekStartFromPlatformStore();
    void setWeekStartMovesDays();
    void selection_data();
    void selection();
    void dragChoosesWhereItEnds();
    void rightClickLeavesTheSelection();

    void headerButtons_data();
    void headerButtons();
    void headerSetDate();
    void arrowsFollowThePalette();

    void viewMoves_data();
    void viewMoves();
    void otherKeysPassOn();
    void commandKeys_data();
    void commandKeys();
    void backFromJanuaryThroughHeader();
    void autoClose_data();
    void autoClose();
    void viewShowsTheCycle();

    void fillFactors_data();
    void fillFactors();
    void paintPhase_data();
    void paintPhase();
    void paintMarkers_data();
    void paintMarkers();
    void markersClearOfALargeNumber();
    void paintRecordedMarks_data();
    void paintRecordedMarks();

    void dateButtonTexts_data();
    void dateButtonTexts();
    void dateButtonPick();
};

// ---------------------------------------------------------------------------------------------
// The grid

void TstOvelaDateBookMonth::layout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<QPoint>("firstCell"); // (column, row) of the 1st

    // Every weekday's offset is Calendar::daysOfMonth's; here the grid built from it.
    QTest::newRow("Sun first, Aug 2004 starts Sun") << 2004 << 8 << false << QPoint(0, 1);
    QTest::newRow("Mon first, Mar 2004 starts Mon") << 2004 << 3 << true << QPoint(0, 0);
    QTest::newRow("Mon first, Aug 2004 starts Sun") << 2004 << 8 << true << QPoint(6, 0);
    QTest::newRow("Sun first, Jan 2004, December before") << 2004 << 1 << false << QPoint(4, 0);
    QTest::newRow("Mon first, Dec 2004, January after") << 2004 << 12 << true << QPoint(2, 0);
}

// Six rows of consecutive days, each with its number and place in the month; a month that
// starts on the first column leaves the whole first row to the month before.
void TstOvelaDateBookMonth::layout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, monday);
    QFETCH(QPoint, firstCell);

    OvelaDateBookMonthTable table(nullptr, "DateBookMonthTable", nullptr);
    table.setWeekStart(monday);
    table.setDate(year, month, 1);

    int row = -1, col = -1;
    table.findDay(1, row, col);
    QCOMPARE(QPoint(col, row), firstCell);
    QCOMPARE(QPoint(table.currentColumn(), table.currentRow()), firstCell);

    QDate expected = QDate(year, month, 1).addDays(-(firstCell.y() * 7 + firstCell.x()));
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c, expected = expected.addDays(1)) {
            const OvelaDayItemMonth *cell = table.dayItem(r, c);
            QVERIFY(cell);
            QCOMPARE(cell->getDate(), expected);
            QCOMPARE(cell->day(), expected.day());
            const int shift = (expected.year() - year) * 12 + expected.month() - month;
            QCOMPARE(int(cell->type()), shift + 1);
            QCOMPARE(cell->getBackground().color(), shift == 0 ? QColor(Qt::white) : otherMonthGrey);
        }
    }
    QCOMPARE(table.horizontalHeaderItem(0)->text(), Calendar::nameOfDay(monday ? 1 : 7));
    QCOMPARE(table.horizontalHeaderItem(6)->text(), Calendar::nameOfDay(monday ? 7 : 6));
}

void TstOvelaDateBookMonth::weekStartFromPlatformStore()
{
    QVERIFY(!OvelaDateBookMonthTable(nullptr, nullptr, nullptr).weekStartsOnMonday());
    {
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        qpe.writeEntry(QStringLiteral("MONDAY"), true);
    }
    OvelaDateBookMonthTable table(nullptr, nullptr, nullptr);
    QVERIFY(table.weekStartsOnMonday());
}

void TstOvelaDateBookMonth::setWeekStartMovesDays()
{
    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    OvelaDateBookMonthTable *table = view.monthTable();
    view.slotWeekChange(false);
    view.setDate(QDate(2004, 3, 7)); // a Sunday
    QCOMPARE(table->dayItem(1, 0)->getDate(), QDate(2004, 3, 7));

    view.slotWeekChange(true);
    // The first column's day moves to the last column of the row above, selection and all.
    QCOMPARE(table->dayItem(0, 6)->getDate(), QDate(2004, 3, 7));
    QCOMPARE(table->dayItem(1, 0)->getDate(), QDate(2004, 3, 8));
    QCOMPARE(view.selectedDate(), QDate(2004, 3, 7));
    QCOMPARE(QPoint(table->currentColumn(), table->currentRow()), QPoint(6, 0));
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

// A tap reports its day once; the table alone does not move to another month.
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
    QCOMPARE(selectedIn(table), shown);

    QSignalSpy clicked(&table, &OvelaDateBookMonthTable::dateClicked);
    click(&table, cell.y(), cell.x());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(dateOf(clicked.at(0)), selected);
    QCOMPARE(selectedIn(table), selected);
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

    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, centre(&table, 1, 1));
    QTest::mouseMove(table.viewport(), centre(&table, 1, 2));
    QTest::mouseMove(table.viewport(), centre(&table, 2, 2));
    QCOMPARE(selectedIn(table), QDate(2004, 3, 17)); // follows the stylus, reports nothing yet
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, centre(&table, 2, 2));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(dateOf(clicked.at(0)), QDate(2004, 3, 17));
}

// Only the left button chooses a day: a right-click neither moves nor reports the selection.
void TstOvelaDateBookMonth::rightClickLeavesTheSelection()
{
    OvelaDateBookMonthTable table(nullptr, "DateBookMonthTable", nullptr);
    table.setWeekStart(true);
    table.setDate(2004, 3, 10);
    table.resize(280, 240);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QSignalSpy clicked(&table, &OvelaDateBookMonthTable::dateClicked);
    const QModelIndex current = table.currentIndex();

    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, centre(&table, 3, 4));
    QCOMPARE(selectedIn(table), QDate(2004, 3, 10));
    QCOMPARE(table.currentIndex(), current);
    QCOMPARE(clicked.count(), 0);
}

// ---------------------------------------------------------------------------------------------
// The header

void TstOvelaDateBookMonth::headerButtons_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("button");
    QTest::addColumn<MonthList>("reported");

    QTest::newRow("back from March") << 2004 << 3 << "backButton" << MonthList{{2004, 2}};
    QTest::newRow("back from January reports December twice")
        << 2004 << 1 << "backButton" << MonthList{{2003, 12}, {2003, 12}};
    QTest::newRow("forward from March") << 2004 << 3 << "forwardButton" << MonthList{{2004, 4}};
    QTest::newRow("forward from December reports January once")
        << 2004 << 12 << "forwardButton" << MonthList{{2005, 1}};
    QTest::newRow("first month") << 2004 << 6 << "firstButton" << MonthList{{2004, 1}};
    QTest::newRow("last month") << 2004 << 6 << "lastButton" << MonthList{{2004, 12}};
    QTest::newRow("back from January of the first year stays")
        << 1970 << 1 << "backButton" << MonthList{};
    QTest::newRow("forward from December of the last year stays")
        << 2037 << 12 << "forwardButton" << MonthList{};
}

// The header reports the month it moved to; at the ends of its range it stays and is silent.
void TstOvelaDateBookMonth::headerButtons()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, button);
    QFETCH(MonthList, reported);

    OvelaDateBookMonthHeader header(nullptr, "DateBookMonthHeader");
    header.setDate(year, month);
    auto *combo = header.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    auto *spin = header.findChild<QSpinBox *>(QStringLiteral("yearSpin"));
    auto *toolButton = header.findChild<QToolButton *>(button);
    QVERIFY(combo && spin && toolButton);

    QSignalSpy changed(&header, &OvelaDateBookMonthHeader::dateChanged);
    toolButton->click();
    MonthList actual;
    for (const QList<QVariant> &args : changed)
        actual << qMakePair(args.at(0).toInt(), args.at(1).toInt());
    QCOMPARE(actual, reported);
    const auto shown = reported.isEmpty() ? qMakePair(year, month) : reported.last();
    QCOMPARE(qMakePair(spin->value(), combo->currentIndex() + 1), shown);
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

// The header's arrows are drawn in the palette's button text colour, so a dark theme keeps
// them visible.
void TstOvelaDateBookMonth::arrowsFollowThePalette()
{
    OvelaDateBookMonthHeader header;
    for (const QColor &ink : {QColor(240, 240, 240), QColor(20, 20, 20)}) {
        QPalette palette = header.palette();
        palette.setColor(QPalette::ButtonText, ink);
        header.setPalette(palette);
        for (const char *name : {"firstButton", "backButton", "forwardButton", "lastButton"}) {
            const auto *button = header.findChild<QToolButton *>(QLatin1String(name));
            const QImage glyph = button->icon().pixmap(16, 16).toImage();
            int inked = 0;
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x)
                    inked += qAlpha(glyph.pixel(x, y)) == 255
                             && QColor(glyph.pixel(x, y)).rgb() == ink.rgb();
            QVERIFY2(inked > 10, name);
        }
    }
}

void TstOvelaDateBookMonth::viewMoves_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<int>("gridMonth");
    QTest::addColumn<bool>("clicked");

    QTest::newRow("Up: a week back into February")
        << QDate(2004, 3, 3) << "Up" << QDate(2004, 2, 25) << 2 << false;
    QTest::newRow("Down: a week on")
        << QDate(2004, 3, 3) << "Down" << QDate(2004, 3, 10) << 3 << false;
    QTest::newRow("Left on the 1st: leap day")
        << QDate(2004, 3, 1) << "Left" << QDate(2004, 2, 29) << 2 << false;
    QTest::newRow("Right on 31 December: next year")
        << QDate(2004, 12, 31) << "Right" << QDate(2005, 1, 1) << 1 << false;
    QTest::newRow("Down across the year")
        << QDate(2004, 12, 28) << "Down" << QDate(2005, 1, 4) << 1 << false;
    QTest::newRow("Down sent to the table across the grid's last row")
        << QDate(2004, 3, 31) << "table Down" << QDate(2004, 4, 7) << 4 << false;
    QTest::newRow("Space chooses the day")
        << QDate(2004, 3, 3) << "Space" << QDate(2004, 3, 3) << 3 << true;
    QTest::newRow("month list, leap year: 29 February")
        << QDate(2004, 1, 31) << "February" << QDate(2004, 2, 29) << 2 << false;
    QTest::newRow("month list, common year: 28 February")
        << QDate(2005, 1, 31) << "February" << QDate(2005, 2, 28) << 2 << false;
    QTest::newRow("tap on 7 February: chosen, the grid moves on")
        << QDate(2004, 1, 15) << "tap" << QDate(2004, 2, 7) << 2 << true;
}

// Keys, the month list and taps move the selection; the header follows it.
void TstOvelaDateBookMonth::viewMoves()
{
    QFETCH(QDate, start);
    QFETCH(QString, action);
    QFETCH(QDate, after);
    QFETCH(int, gridMonth);
    QFETCH(bool, clicked);

    OvelaDateBookMonth view(nullptr, nullptr, nullptr);
    view.slotWeekChange(false);
    view.setDate(start);
    view.resize(280, 260);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.selectedDate(), start);
    auto *combo = view.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    auto *spin = view.findChild<QSpinBox *>(QStringLiteral("yearSpin"));

    QSignalSpy spy(&view, &OvelaDateBookMonth::dateClicked);
    const QMap<QString, Qt::Key> keys {{"Up", Qt::Key_Up}, {"Down", Qt::Key_Down},
                                       {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
                                       {"Space", Qt::Key_Space}};
    if (action == "February") {
        combo->setCurrentIndex(1);
        emit combo->activated(1);
    } else if (action == "tap") {
        click(view.monthTable(), 5, 6);
    } else if (action == "table Down") {
        QTest::keyClick(view.monthTable(), Qt::Key_Down);
    } else {
        QTest::keyClick(&view, keys.value(action));
    }

    QCOMPARE(view.selectedDate(), after);
    QCOMPARE(combo->currentIndex() + 1, after.month());
    QCOMPARE(spin->value(), after.year());
    QCOMPARE(view.monthTable()->dayItem(2, 0)->getDate().month(), gridMonth);
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

    QTest::keyClick(view, Qt::Key_A);
    QCOMPARE(parent.keys, QList<int>{Qt::Key_A});

    // Keys that reach the table first travel on to the view.
    QTest::keyClick(view->monthTable(), Qt::Key_Down);
    QCOMPARE(view->selectedDate(), QDate(2004, 3, 10));
    QCOMPARE(spy.count(), 0);
}

void TstOvelaDateBookMonth::commandKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("picker");
    QTest::addColumn<int>("edits");
    QTest::addColumn<int>("deletes");
    QTest::addColumn<int>("chosen");
    QTest::newRow("Return opens the day") << int(Qt::Key_Return) << false << 1 << 0 << 0;
    QTest::newRow("Enter opens the day") << int(Qt::Key_Enter) << false << 1 << 0 << 0;
    QTest::newRow("Delete asks to delete it") << int(Qt::Key_Delete) << false << 0 << 1 << 0;
    QTest::newRow("Return in a picker chooses") << int(Qt::Key_Return) << true << 0 << 0 << 1;
    QTest::newRow("Delete in a picker does nothing") << int(Qt::Key_Delete) << true << 0 << 0 << 0;
}

// The day commands from the keyboard, quietly and without moving the selection.
void TstOvelaDateBookMonth::commandKeys()
{
    QFETCH(int, key);
    QFETCH(bool, picker);
    QFETCH(int, edits);
    QFETCH(int, deletes);
    QFETCH(int, chosen);
    OvelaDateBookMonth view(nullptr, nullptr, nullptr, picker);
    view.setDate(QDate(2004, 3, 3));
    QSignalSpy editSpy(&view, &OvelaDateBookMonth::editRequested);
    QSignalSpy deleteSpy(&view, &OvelaDateBookMonth::deleteRequested);
    QSignalSpy chosenSpy(&view, &OvelaDateBookMonth::dateClicked);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QTest::keyClick(view.monthTable(), Qt::Key(key));
    QCOMPARE(editSpy.count(), edits);
    QCOMPARE(deleteSpy.count(), deletes);
    QCOMPARE(chosenSpy.count(), chosen);
    QCOMPARE(view.selectedDate(), QDate(2004, 3, 3));
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
        QTest::keyClick(view, Qt::Key_Space);
    } else {
        click(view->monthTable(), 2, 3);
    }
    QVERIFY(visibleWhenReported); // reported first, closed after
    QCOMPARE(parent.isVisible(), !autoClose);
}

// The view hands its journal to the days: phases in colour, the selected day framed.
void TstOvelaDateBookMonth::viewShowsTheCycle()
{
    Journal journal;
    journal.calendar.setStartCycleDate(QDate(2004, 3, 1));
    OvelaDateBookMonth view(nullptr, nullptr, &journal.calendar);
    view.slotWeekChange(true);
    view.setDate(QDate(2004, 3, 20));
    view.resize(280, 260);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.grab().toImage();

    OvelaDateBookMonthTable *table = view.monthTable();
    auto colourAt = [&](int row, int col, bool corner) {
        const QRect cell = table->visualRect(table->model()->index(row, col));
        const QPoint at = corner ? cell.bottomRight() - QPoint(4, 4)
                                 : QPoint(cell.center().x(), cell.top() + 1);
        return shot.pixelColor(table->viewport()->mapTo(&view, at) * shot.devicePixelRatio());
    };
    QCOMPARE(colourAt(0, 0, true), menstrualRed);      // 1 March
    QCOMPARE(colourAt(1, 3, true), fertileGreen);      // 11 March
    QCOMPARE(colourAt(0, 5, true), QColor(Qt::white)); // 6 March
    QCOMPARE(colourAt(5, 0, true), otherMonthGrey);    // 5 April
    QCOMPARE(colourAt(2, 5, true), QColor(Qt::white)); // 20 March, selected
    QCOMPARE(colourAt(2, 5, false),
             QColor(view.palette().color(QPalette::Highlight).darker(150).rgb()));
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

// Each phase day is filled with its base colour lightened by the day's own factor, over the
// whole rectangle, right and bottom edges included.
void TstOvelaDateBookMonth::fillFactors()
{
    QFETCH(int, index);
    QFETCH(int, menstrual);
    QFETCH(int, fertile);
    for (bool phaseIsMenstrual : {true, false}) {
        QImage image(12, 12, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        if (phaseIsMenstrual)
            fillCycleDenseRect(&p, QRect(1, 1, 10, 10), menstrualRed, index);
        else
            fillFertileDenseRect(&p, QRect(1, 1, 10, 10), fertileGreen, index);
        p.end();
        const QColor expected = phaseIsMenstrual ? menstrualRed.lighter(menstrual)
                                                 : fertileGreen.lighter(fertile);
        QCOMPARE(pixelsOtherThan(image, QRect(1, 1, 10, 10), expected), 0);
        QCOMPARE(image.pixelColor(11, 11), QColor(Qt::black));
    }
}

void TstOvelaDateBookMonth::paintPhase_data()
{
    QTest::addColumn<QList<int>>("lengths"); // cycle, menstrual, fertile, luteal; none: no calculator
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("symbol");

    const QList<int> usual{28, 5, 5, 14};
    const QList<int> longBleeding{28, 10, 5, 14};
    const QList<int> overlap{23, 8, 5, 16};
    const QColor red = menstrualRed, green = fertileGreen, white(Qt::white), grey = otherMonthGrey;
    auto march = [](int day) { return QDate(2004, 3, day); };
    QTest::newRow("menstrual day 0 in full red") << usual << march(1) << 1 << false << red << false;
    QTest::newRow("selected menstrual day keeps its red")
        << usual << march(1) << 1 << true << red << false;
    QTest::newRow("menstrual day 4 pales")
        << usual << march(5) << 1 << false << red.lighter(144) << false;
    QTest::newRow("menstrual day 8 at factor 188")
        << longBleeding << march(9) << 1 << false << red.lighter(188) << false;
    QTest::newRow("menstrual day 9 back at the base colour")
        << longBleeding << march(10) << 1 << false << red << false;
    QTest::newRow("next cycle's first day, grey month")
        << usual << march(29) << 2 << false << red << false;
    QTest::newRow("fertile day 0 with its symbol")
        << usual << march(11) << 1 << false << green << true;
    QTest::newRow("fertile day 3 darker")
        << usual << march(14) << 1 << false << green.lighter(84) << true;
    QTest::newRow("selected fertile day keeps its green")
        << usual << march(15) << 1 << true << green.lighter(122) << true;
    QTest::newRow("fertile over bleeding: green only")
        << overlap << march(4) << 1 << false << green << true;
    QTest::newRow("ordinary day of the month") << usual << march(20) << 1 << false << white << false;
    QTest::newRow("selected ordinary day highlighted")
        << usual << march(20) << 1 << true << highlight << false;
    QTest::newRow("ordinary day of the month before")
        << usual << QDate(2004, 2, 20) << 0 << false << grey << false;
    QTest::newRow("before the start-cycle date")
        << usual << QDate(2004, 2, 29) << 0 << false << grey << false;
    QTest::newRow("no calculator: plain") << QList<int>() << march(1) << 1 << false << white << false;
}

void TstOvelaDateBookMonth::paintPhase()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QDate, date);
    QFETCH(int, type);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    QFETCH(bool, symbol);

    Journal journal;
    OvelaCalendar &calendar = journal.calendar;
    if (!lengths.isEmpty()) {
        calendar.setCycleLength(lengths.at(0));
        calendar.setMenstrualPeriod(lengths.at(1));
        calendar.setFertilePeriod(lengths.at(2));
        calendar.setLuterPhaseLength(lengths.at(3));
    }
    calendar.setStartCycleDate(QDate(2004, 3, 1));

    OvelaDayItemMonth item(QString(), date, lengths.isEmpty() ? nullptr : &calendar);
    item.setType(Calendar::Day::Type(type));
    item.setDay(date.day());
    const QImage image = render(item, selected);

    QCOMPARE(image.pixelColor(28, 28), QColor(background.rgb()));
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

    OvelaRecordEntry temperature, fluid, both, note;
    temperature.setTemperature(12);
    fluid.setCervicalFluid(5);
    both.setCramps(true);
    both.setTemperature(1);
    note.setNote(QStringLiteral("headache"));

    QTest::newRow("temperature only: thermometer, no pencil") << temperature << false << true;
    QTest::newRow("cervical fluid only: pencil") << fluid << true << false;
    // Each of the six marks alone draws the pencil.
    const QPair<const char *, void (OvelaRecordEntry::*)(bool)> marks[] = {
        {"Dr's apt.", &OvelaRecordEntry::setDoctor},
        {"Cramps", &OvelaRecordEntry::setCramps},
        {"PMS", &OvelaRecordEntry::setPMS},
        {"Love", &OvelaRecordEntry::setSex},
        {"Protection", &OvelaRecordEntry::setProtection},
        {"Secret", &OvelaRecordEntry::setSecret}};
    for (const auto &[name, set] : marks) {
        OvelaRecordEntry marked;
        (marked.*set)(true);
        QTest::addRow("%s only: pencil", name) << marked << true << false;
    }
    QTest::newRow("cramps and temperature: both") << both << true << true;
    QTest::newRow("note only: neither pencil nor thermometer") << note << false << false;
}

void TstOvelaDateBookMonth::paintMarkers()
{
    QFETCH(OvelaRecordEntry, entry);
    QFETCH(bool, pencil);
    QFETCH(bool, thermometer);

    Journal journal;
    const QDate date(2004, 3, 8);
    journal.calendar.setEntry(entry, date);
    OvelaDayItemMonth item(QString(), date, &journal.calendar);
    item.setType(Calendar::Day::ThisMonth);
    item.setDay(8);
    const QImage image = render(item, false);

    QCOMPARE(pixelsOtherThan(image, pencilArea, Qt::white) > 0, pencil);
    QCOMPARE(pixelsOtherThan(image, thermometerArea, Qt::white) > 0, thermometer);
    // Markers keep clear of the day number's corner and of the cell's lower edge (the note's
    // corner aside).
    QCOMPARE(pixelsOtherThan(image, QRect(0, 21, 22, 9), Qt::white), 0);
    QCOMPARE(pixelsOtherThan(image, QRect(13, 0, 17, 11), Qt::white), 0);
}

// At a large font the markers and the fertile symbol move aside: every pixel of the day
// number drawn alone is still the number's black with them.
void TstOvelaDateBookMonth::markersClearOfALargeNumber()
{
    Journal journal;
    journal.calendar.setStartCycleDate(QDate(2004, 3, 1));
    const QDate date(2004, 3, 13); // in the fertile window
    OvelaRecordEntry entry;
    entry.setCramps(true);
    entry.setTemperature(12);
    journal.calendar.setEntry(entry, date);
    OvelaDayItemMonth plain(QString(), date, nullptr);
    OvelaDayItemMonth full(QString(), date, &journal.calendar);
    for (OvelaDayItemMonth *item : {&plain, &full}) {
        item->setType(Calendar::Day::ThisMonth);
        item->setDay(date.day());
    }
    const QImage number = render(plain, false, 28, 60);
    const QImage marked = render(full, false, 28, 60);
    int inked = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (number.pixel(x, y) != qRgb(0, 0, 0))
                continue;
            ++inked;
            QVERIFY2(marked.pixel(x, y) == qRgb(0, 0, 0),
                     qPrintable(QStringLiteral("covered at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(inked > 30);
    QVERIFY(marked != number);
}

namespace {
// The recorded-bleeding ink: a dark red, darker than every red of the predicted ground.
bool isBleedingInk(QRgb c)
{
    return qRed(c) >= 100 && qRed(c) < 200 && qGreen(c) < 60 && qBlue(c) < 90;
}

bool isNoteInk(QRgb c)
{
    return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 60;
}

// The separate patches of bleeding ink in the lower third of the cell (above it, the pencil's
// soft edges on a red ground can look alike), each as its bounding box.
QList<QRect> inkPatches(const QImage &image)
{
    QList<QRect> patches;
    QList<bool> seen(image.width() * image.height(), false);
    const QRect lower =
        QRect(0, image.height() * 2 / 3 + 1, image.width(), image.height() / 3) & image.rect();
    for (int y = lower.top(); y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || !isBleedingInk(image.pixel(x, y)))
                continue;
            QRect box(x, y, 1, 1);
            QList<QPoint> todo{{x, y}};
            seen[y * image.width() + x] = true;
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                box |= QRect(p, QSize(1, 1));
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1),
                                          QPoint(1, 1), QPoint(-1, -1), QPoint(1, -1),
                                          QPoint(-1, 1)}) {
                    const QPoint n = p + step;
                    if (!lower.contains(n) || seen[n.y() * image.width() + n.x()]
                        || !isBleedingInk(image.pixel(n)))
                        continue;
                    seen[n.y() * image.width() + n.x()] = true;
                    todo << n;
                }
            }
            patches << box;
        }
    }
    return patches;
}
} // namespace

void TstOvelaDateBookMonth::paintRecordedMarks_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<bool>("note");
    QTest::addColumn<bool>("predicted"); // on the predicted red of a first bleeding day
    QTest::addColumn<int>("drops");
    QTest::addColumn<bool>("hollow");

    for (bool predicted : {false, true}) {
        const char *ground = predicted ? "on predicted red" : "on white";
        QTest::addRow("slight, %s", ground) << 1 << false << predicted << 1 << false;
        QTest::addRow("normal, %s", ground) << 2 << false << predicted << 2 << false;
        QTest::addRow("heavy, %s", ground) << 3 << false << predicted << 3 << false;
        QTest::addRow("intermenstrual, %s", ground) << 4 << false << predicted << 1 << true;
        QTest::addRow("cloudy, %s", ground) << 5 << false << predicted << 0 << false;
        QTest::addRow("note, %s", ground) << 0 << true << predicted << 0 << false;
        QTest::addRow("heavy with a note, %s", ground) << 3 << true << predicted << 3 << false;
    }
}

// At the size of a desktop cell, and of a phone's at a large font.
void TstOvelaDateBookMonth::paintRecordedMarks()
{
    QFETCH(int, fluid);
    QFETCH(bool, note);
    QFETCH(bool, predicted);
    QFETCH(int, drops);
    QFETCH(bool, hollow);

    Journal journal;
    const QDate date(2004, 3, 8);
    journal.calendar.setStartCycleDate(predicted ? date : QDate(2004, 3, 20));
    OvelaRecordEntry entry;
    entry.setCervicalFluid(fluid);
    if (note)
        entry.setNote(QStringLiteral("headache"));
    journal.calendar.setEntry(entry, date);
    OvelaDayItemMonth item(QString(), date, &journal.calendar);
    item.setType(Calendar::Day::ThisMonth);
    item.setDay(8);
    for (const int side : {30, 60}) {
        const QImage image = render(item, false, side / 3, side);
        const QList<QRect> patches = inkPatches(image);
        QCOMPARE(patches.size(), drops);
        for (const QRect &drop : patches) {
            // A hollow drop is white inside.
            const QPoint inside(drop.center().x(), drop.bottom() - drop.width() / 2);
            QCOMPARE(image.pixel(inside) == qRgb(255, 255, 255), hollow);
        }
        int noteInk = 0;
        const int corner = side / 4;
        for (int y = side - corner; y < side; ++y)
            for (int x = side - corner; x < side; ++x)
                noteInk += isNoteInk(image.pixel(x, y));
        QCOMPARE(noteInk > 0, note);
    }
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
}

// Two buttons share one pop-up picker; each gets its own pick, and the pop-up closes.
void TstOvelaDateBookMonth::dateButtonPick()
{
    QWidget window;
    auto *first = new OvelaDateButton(false, &window, "first");
    auto *second = new OvelaDateButton(false, &window, "second");
    second->move(0, 40);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A new button shows today.
    QCOMPARE(first->date(), QDate::currentDate());
    QCOMPARE(first->text(), QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
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

    second->setWeekStartsMonday(1);
    emit second->pressed();
    QTRY_COMPARE(QApplication::activePopupWidget(), popup);
    QCOMPARE(picker->selectedDate(), QDate(2004, 12, 10));
    QVERIFY(picker->monthTable()->weekStartsOnMonday());
    click(picker->monthTable(), 5, 6); // 9 January 2005
    QCOMPARE(secondSelected.count(), 1);
    QCOMPARE(dateOf(secondSelected.at(0)), QDate(2005, 1, 9));
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

// The header is as high as a stock header with the same labels.
void TstOvelaDateBookMonth::weekdaysAreMeasuredInTheirOwnFont()
{
    OvelaDateBookMonth month(nullptr, "month", nullptr, false);
    month.resize(300, 300);
    month.show();
    QVERIFY(QTest::qWaitForWindowExposed(&month));
    auto *table = month.findChild<OvelaDateBookMonthTable *>();
    QTableWidget stock(6, 7);
    QStringList labels;
    for (int column = 0; column < 7; ++column)
        labels << table->horizontalHeaderItem(column)->text();
    stock.setHorizontalHeaderLabels(labels);
    QCOMPARE(labels.size(), 7);
    QVERIFY(!labels.first().isEmpty());
    QCOMPARE(table->horizontalHeader()->height(), stock.horizontalHeader()->sizeHint().height());
    QVERIFY(!table->verticalHeader()->isVisible());
}

OVELA_TEST_GUI_MAIN(TstOvelaDateBookMonth)
#include "tst_ovela_datebookmonth.moc"
