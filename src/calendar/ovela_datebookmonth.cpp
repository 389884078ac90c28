#include "calendar/ovela_datebookmonth.h"

#include "core/ovela_record_entry.h"
#include "core/utils.h"
#include "cycle/ovela_calendar.h"
#include "platform/config.h"
#include "platform/qpeapplication.h"
#include "platform/resource.h"
#include "settings/Preferences.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionHeader>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

const QColor menstrualColor(255, 53, 22);
const QColor fertileColor(133, 239, 62);

QString toName(const char *name)
{
    return name ? QString::fromLatin1(name) : QString();
}

// The lightening factors of the two fills, for a day index of the bleeding or of the fertile
// window.
int cycleDenseFactor(int index)
{
    return (index >= 1 && index <= 8) ? 100 + 100 * index / 9 : 100;
}

int fertileDenseFactor(int index)
{
    const int k = (index >= 1 && index <= 8) ? 100 * index / 18 : 0;
    return index <= 3 ? 100 - k : 100 + k;
}

// The weekday labels over the month. Qt measures a header's labels in bold, the look of a
// highlighted section, which loads the bold face for that measure alone; nothing is ever
// selected in the month, so no label is ever shown in bold, and it is measured as it is shown.
class WeekdayHeader : public QHeaderView
{
public:
    explicit WeekdayHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setHighlightSections(false);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        if (!model())
            return QHeaderView::sectionSizeFromContents(logicalIndex);
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        option.textAlignment = defaultAlignment();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

} // namespace

void fillCycleDenseRect(QPainter *p, const QRect &r, const QColor &c, int index)
{
    p->fillRect(r, QBrush(c.lighter(cycleDenseFactor(index))));
}

void fillFertileDenseRect(QPainter *p, const QRect &r, const QColor &c, int index)
{
    p->fillRect(r, QBrush(c.lighter(fertileDenseFactor(index))));
}

int bleedingMarkHeight(const QSize &cell)
{
    // Grows with the cell, which grows with the font; never below what an eye can tell apart.
    return std::max(7, std::min(cell.height() / 4, cell.width() / 5));
}

void paintBleedingMark(QPainter *p, const QRect &area, int cervicalFluid)
{
    if (cervicalFluid < 1 || cervicalFluid > 4 || area.isEmpty())
        return;
    // Dark red with a white rim: apart from the light red of the predicted days, and seen on
    // every ground of the cell.
    static const QColor ink(150, 0, 24);
    const int drops = cervicalFluid == 4 ? 1 : cervicalFluid;
    const qreal h = area.height();
    const qreal w = h * 0.7;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < drops; ++i) {
        const qreal left = area.left() + 1 + i * (w + 2);
        const qreal top = area.top();
        const qreal r = w / 2;
        QPainterPath drop;
        drop.moveTo(left + r, top);
        drop.cubicTo(left + r, top + h * 0.35, left + w, top + h - w, left + w, top + h - r);
        drop.arcTo(QRectF(left, top + h - w, w, w), 0, -180);
        drop.cubicTo(left, top + h - w, left + r, top + h * 0.35, left + r, top);
        p->setPen(QPen(Qt::white, 2));
        p->setBrush(Qt::NoBrush);
        p->drawPath(drop);
        if (cervicalFluid == 4) {
            // Intermenstrual: hollow, a mark of its own beside the period's filled drops.
            p->setPen(QPen(ink, std::max<qreal>(2, h / 5)));
            p->setBrush(Qt::white);
        } else {
            p->setPen(Qt::NoPen);
            p->setBrush(ink);
        }
        p->drawPath(drop);
    }
    p->restore();
}

void paintNoteMark(QPainter *p, const QRect &cell)
{
    const int side = bleedingMarkHeight(cell.size());
    const QPoint corner = cell.bottomRight() + QPoint(1, 1);
    const QPolygon fold({corner, corner - QPoint(side, 0), corner - QPoint(0, side)});
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QPen(Qt::white, 1));
    p->setBrush(QColor(32, 64, 150));
    p->drawPolygon(fold);
    p->restore();
}

QList<OvelaLegendDialog::Entry> calendarLegend(int side)
{
    const QRect cell(0, 0, side, side);
    const auto sample = [&](const std::function<void(QPainter &)> &draw,
                            const QColor &ground = Qt::white) {
        QPixmap pixmap(side, side);
        pixmap.fill(ground);
        QPainter p(&pixmap);
        draw(p);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        return pixmap;
    };
    const auto say = [](const char *text) {
        return QCoreApplication::translate("OvelaCalendarLegend", text);
    };
    const auto symbol = [&](const char *name) {
        return sample([&](QPainter &p) {
            const QPixmap icon = Resource::loadPixmap(QLatin1String(name));
            p.drawPixmap((side - icon.width()) / 2, (side - icon.height()) / 2, icon);
        });
    };
    const int mark = bleedingMarkHeight(cell.size());
    const QRect strip(1, side - mark - 1, side - 2, mark);
    const auto drops = [&](int fluid) {
        return sample([&](QPainter &p) { paintBleedingMark(&p, strip, fluid); });
    };

    QList<OvelaLegendDialog::Entry> entries;
    entries << OvelaLegendDialog::Entry{
        sample([&](QPainter &p) {
            for (int i = 0; i < 4; ++i)
                fillCycleDenseRect(&p, QRect(i * side / 4, 0, side / 4 + 1, side), menstrualColor,
                                   i * 2);
        }),
        say(QT_TRANSLATE_NOOP(
            "OvelaCalendarLegend",
            "Red ground: predicted bleeding days, counted from the start of the cycle; lighter "
            "from day to day."))};
    entries << OvelaLegendDialog::Entry{
        sample([&](QPainter &p) {
            for (int i = 0; i < 4; ++i)
                fillFertileDenseRect(&p, QRect(i * side / 4, 0, side / 4 + 1, side), fertileColor,
                                     i * 2);
        }),
        say(QT_TRANSLATE_NOOP(
            "OvelaCalendarLegend",
            "Green ground: predicted fertile days; darkest around the expected ovulation."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/heart-big"),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                              "Heart: a fertile day, for a wish to conceive."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/forbidden-big"),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                              "No-entry sign: a fertile day, for a wish to avoid pregnancy."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/girl"),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                              "Girl: a fertile day said to favour a girl."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/boy"),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "Boy: a fertile day said to favour a boy."))};
    entries << OvelaLegendDialog::Entry{
        drops(1),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "One dark drop: slight bleeding recorded."))};
    entries << OvelaLegendDialog::Entry{
        drops(2),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "Two dark drops: normal bleeding recorded."))};
    entries << OvelaLegendDialog::Entry{
        drops(3), say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                                        "Three dark drops: heavy bleeding recorded."))};
    entries << OvelaLegendDialog::Entry{
        drops(4), say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                                        "Hollow drop: intermenstrual bleeding recorded."))};
    entries << OvelaLegendDialog::Entry{
        sample([&](QPainter &p) { paintNoteMark(&p, cell); }),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "Blue corner: a note."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/pencil.png"),
        say(QT_TRANSLATE_NOOP(
            "OvelaCalendarLegend",
            "Pencil: something else recorded (cervical fluid, appointment, cramps, PMS, love, "
            "protection or secret)."))};
    entries << OvelaLegendDialog::Entry{
        symbol("ovelaZ/thermometer.png"),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "Thermometer: a temperature recorded."))};
    entries << OvelaLegendDialog::Entry{
        sample([](QPainter &) {}, QColor(224, 224, 224)),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend",
                              "Grey ground: a day of the month before or after."))};
    entries << OvelaLegendDialog::Entry{
        sample([&](QPainter &p) {
            const QColor frame = QPalette().color(QPalette::Highlight).darker(150);
            p.fillRect(0, 0, side, 2, frame);
            p.fillRect(0, side - 2, side, 2, frame);
            p.fillRect(0, 0, 1, side, frame);
            p.fillRect(side - 2, 0, 2, side, frame);
        }),
        say(QT_TRANSLATE_NOOP("OvelaCalendarLegend", "Frame: the selected day."))};
    return entries;
}

// ---------------------------------------------------------------------------------------------

OvelaDayItemMonth::OvelaDayItemMonth(const QString &text, const QDate &date,
                                     OvelaCalendar *calendar)
    : QTableWidgetItem(text, ItemType)
    , date(date)
    , calendar(calendar)
{
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

OvelaDayItemMonth::~OvelaDayItemMonth() = default;

QVariant OvelaDayItemMonth::data(int role) const
{
    if (role == Qt::AccessibleTextRole && date.isValid())
        return QLocale().toString(date, QLocale::LongFormat);
    if (role != Qt::AccessibleDescriptionRole || !calendar || !date.isValid())
        return QTableWidgetItem::data(role);
    QStringList parts;
    const int menstrualDay = calendar->getCycleDay(date);
    if (menstrualDay >= 0)
        parts << QCoreApplication::translate("OvelaDayItemMonth", "bleeding day %1")
                     .arg(menstrualDay + 1);
    if (calendar->getFertileDay(date) >= 0)
        parts << QCoreApplication::translate("OvelaDayItemMonth", "fertile");
    if (calendar->containsEntry(date)) {
        const OvelaRecordEntry entry = calendar->getEntry(date);
        // What she recorded, in the day dialog's own words ("Dry" is the absence of a record).
        static const char *const fluids[] = {
            nullptr, "Slight Bleeding", "Normal Bleeding", "Heavy Bleeding", "Intermenstrual",
            "Cloudy, Sticky", "Strechy, White"};
        if (const int fluid = entry.getCervicalFluid(); fluid > 0 && fluid < int(std::size(fluids)))
            parts << QCoreApplication::translate("OvelaRecordEntryBase", fluids[fluid]);
        if (const int t = entry.getTemperature(); t > 0 && t <= getTemperatureCount()) {
            const bool fahrenheit =
                calendar->settings().getTemperatureFormat() == Preferences::Fahrenheit;
            const double value = fahrenheit ? getFahrenheit(t - 1) : getCelsius(t - 1);
            parts << QCoreApplication::translate("OvelaDayItemMonth", "temperature %1 %2")
                         .arg(QLocale().toString(value, 'f', 2),
                              fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C"));
        }
        const QPair<bool, const char *> marks[] = {
            {entry.getDoctor(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "doctor's appointment")},
            {entry.getCramps(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "cramps")},
            {entry.getPMS(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "PMS")},
            {entry.getSex(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "love")},
            {entry.getProtection(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "protection")},
            {entry.getSecret(), QT_TRANSLATE_NOOP("OvelaDayItemMonth", "secret")}};
        for (const auto &[set, name] : marks) {
            if (set)
                parts << QCoreApplication::translate("OvelaDayItemMonth", name);
        }
        if (!entry.getNote().isEmpty())
            parts << QCoreApplication::translate("OvelaDayItemMonth", "a note");
    }
    if (parts.isEmpty())
        parts << QCoreApplication::translate("OvelaDayItemMonth", "nothing recorded");
    return parts.join(QStringLiteral(", "));
}

void OvelaDayItemMonth::setType(Calendar::Day::Type t)
{
    switch (t) {
    case Calendar::Day::PrevMonth:
    case Calendar::Day::NextMonth:
        background = QBrush(QColor(224, 224, 224));
        foreground = Qt::black;
        break;
    case Calendar::Day::ThisMonth:
        background = QBrush(Qt::white);
        foreground = Qt::black;
        break;
    }
    dayType = t;
}

void OvelaDayItemMonth::paint(QPainter *p, const QPalette &cg, const QRect &cr, bool selected)
{
    QPalette g(cg);
    g.setBrush(QPalette::Base, background);
    g.setColor(QPalette::Text, foreground);

    const QRect r(0, 0, cr.width(), cr.height());
    int menstrualDay = -1;
    int fertileDay = -1;
    if (calendar) {
        menstrualDay = calendar->getCycleDay(date);
        fertileDay = calendar->getFertileDay(date);
        if (menstrualDay != -1)
            fillCycleDenseRect(p, r, menstrualColor, menstrualDay);
        // Where the window overlaps the bleeding, the fertile colour wins.
        if (fertileDay != -1)
            fillFertileDenseRect(p, r, fertileColor, fertileDay);
    }
    // A phase day keeps its colour when selected, so the cycle stays readable.
    if (menstrualDay == -1 && fertileDay == -1)
        p->fillRect(r, selected ? g.brush(QPalette::Highlight) : g.brush(QPalette::Base));

    p->setPen(selected ? g.color(QPalette::HighlightedText) : g.color(QPalette::Text));

    p->save();
    QFont font = p->font();
    if (font.pointSize() > 0)
        font.setPointSize(std::max(1, font.pointSize() / 3 * 2));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() / 3 * 2));
    p->setFont(font);
    const QString number = QString::number(dayNumber);
    const QFontMetrics metrics = p->fontMetrics();
    const int baseline = metrics.ascent() + 1;
    p->drawText(1, baseline, number);
    // A large font pushes the markers below the number and the symbol to its right (measured
    // only for a day that has the symbol: measuring shapes the text once more).
    const int markerTop = std::max(11, baseline);
    const int symbolLeft =
        fertileDay != -1 ? std::max(20, 1 + metrics.horizontalAdvance(number) + 2) : 0;
    p->restore();

    if (!calendar)
        return;
    if (calendar->containsEntry(date)) {
        const OvelaRecordEntry entry = calendar->getEntry(date);
        if (!entry.isEmpty()) {
            // The note alone does not mark a day; a dry cervical fluid (0) neither.
            // The markers are fetched for the first day that shows one: most days have none.
            if (entry.getDoctor() || entry.getCramps() || entry.getPMS() || entry.getSex() ||
                entry.getProtection() || entry.getSecret() || entry.getCervicalFluid() != 0) {
                if (pencilPixmap.isNull())
                    pencilPixmap = Resource::loadPixmap(QStringLiteral("ovelaZ/pencil.png"));
                p->drawPixmap(2, markerTop, pencilPixmap);
            }
            if (entry.getTemperature() != 0) {
                if (thermometerPixmap.isNull())
                    thermometerPixmap =
                        Resource::loadPixmap(QStringLiteral("ovelaZ/thermometer.png"));
                p->drawPixmap(13, markerTop, thermometerPixmap);
            }
            // Below the markers, clear of the number and the symbol.
            const int markHeight = bleedingMarkHeight(r.size());
            paintBleedingMark(p, QRect(1, r.height() - markHeight - 1, r.width() - 2, markHeight),
                              entry.getCervicalFluid());
            if (!entry.getNote().isEmpty())
                paintNoteMark(p, r);
        }
    }
    if (fertileDay != -1)
        p->drawPixmap(symbolLeft, 2, calendar->getFertileDayPixmap(date));
}

// ---------------------------------------------------------------------------------------------

OvelaDayItemDelegate::OvelaDayItemDelegate(QTableWidget *table)
    : QStyledItemDelegate(table)
    , table(table)
{
}

void OvelaDayItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    auto *item = dynamic_cast<OvelaDayItemMonth *>(table->item(index.row(), index.column()));
    if (!item) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // With no selection mode nothing is ever drawn selected: the current cell, which is the
    // selected day, is framed instead, so its number stays black on every phase colour.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setClipRect(option.rect);
    painter->translate(option.rect.topLeft());
    painter->setFont(option.font);
    item->paint(painter, option.palette, option.rect, selected);
    if (index == table->currentIndex()) {
        // Two pixels along the cell's edges, clear of the day number at x = 1.
        const QColor frame = option.palette.color(QPalette::Highlight).darker(150);
        const int w = option.rect.width();
        const int h = option.rect.height();
        painter->fillRect(0, 0, w, 2, frame);
        painter->fillRect(0, h - 2, w, 2, frame);
        painter->fillRect(0, 0, 1, h, frame);
        painter->fillRect(w - 2, 0, 2, h, frame);
    }
    painter->restore();
}

// ---------------------------------------------------------------------------------------------

OvelaDateBookMonthTable::OvelaDateBookMonthTable(QWidget *parent, const char *name,
                                                 OvelaCalendar *calendar)
    : QTableWidget(parent)
    , calendar(calendar)
{
    setObjectName(toName(name));
    // Both before the cells are made, which measures the headers' labels.
    setHorizontalHeader(new WeekdayHeader(this));
    verticalHeader()->hide();
    setRowCount(6);
    setColumnCount(7);

    Config config(QStringLiteral("qpe"), Config::User);
    config.setGroup(QStringLiteral("Time"));
    weekStartsMonday = config.readBoolEntry(QStringLiteral("MONDAY"), false);

    setItemDelegate(new OvelaDayItemDelegate(this));

    QHeaderView *top = horizontalHeader();
    top->setSectionsClickable(false);
    top->setMinimumSectionSize(1);
    top->setDefaultSectionSize(30);
    top->setSectionResizeMode(QHeaderView::Stretch);
    setupLabels();

    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(this, &QTableWidget::cellClicked, this, &OvelaDateBookMonthTable::dayClicked);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { dragDay(row, col); });
}

OvelaDateBookMonthTable::~OvelaDateBookMonthTable() = default;

void OvelaDateBookMonthTable::setDate(int y, int m, int d)
{
    if (y == year && m == month) {
        int row = 0;
        int col = 0;
        findDay(d, row, col);
        if (row >= 0 && row < rowCount() && col >= 0 && col < columnCount())
            setCurrentCell(row, col);
    }
    year = selYear = y;
    month = selMonth = m;
    day = selDay = d;
    setupTable();
}

void OvelaDateBookMonthTable::redraw()
{
    setupLabels();
    setupTable();
}

void OvelaDateBookMonthTable::setWeekStart(bool monday)
{
    weekStartsMonday = monday;
    setupLabels();
    setupTable();
}

void OvelaDateBookMonthTable::getDate(int &y, int &m, int &d) const
{
    y = selYear;
    m = selMonth;
    d = selDay;
}

void OvelaDateBookMonthTable::findDay(int d, int &row, int &col) const
{
    const int weekday = QDate(year, month, 1).dayOfWeek();
    int index = d + weekday - 1;
    if (weekStartsMonday)
        --index;
    row = index / 7;
    col = index % 7;
}

OvelaDayItemMonth *OvelaDateBookMonthTable::dayItem(int row, int col) const
{
    return dynamic_cast<OvelaDayItemMonth *>(item(row, col));
}

QSize OvelaDateBookMonthTable::minimumSizeHint() const
{
    // On a narrow screen (a phone upright, large text) the seven columns share what there is.
    QSize hint = sizeHint();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        hint.setWidth(qMin(hint.width(), screen->availableGeometry().width() - 8));
    // Rows of two lines (the number, the markers) are enough, so that a message under the
    // month still leaves the window on a phone's screen.
    const int rows = horizontalHeader()->sizeHint().height() + 2 * frameWidth()
                     + rowCount() * 2 * fontMetrics().height();
    hint.setHeight(qMin(hint.height(), rows));
    return hint;
}

void OvelaDateBookMonthTable::keyPressEvent(QKeyEvent *e)
{
    // The month view above handles the keys.
    e->ignore();
}

void OvelaDateBookMonthTable::mousePressEvent(QMouseEvent *e)
{
    // Only the left button chooses a day; the view would move the current cell for any
    // button, behind the back of the page that acts on the chosen day.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    pressedCell = indexAt(e->position().toPoint());
    QTableWidget::mousePressEvent(e);
}

void OvelaDateBookMonthTable::mouseMoveEvent(QMouseEvent *e)
{
    QTableWidget::mouseMoveEvent(e);
    // A stylus dragged over the grid carries the selection along.
    if (e->buttons() & Qt::LeftButton) {
        const QModelIndex cell = indexAt(e->position().toPoint());
        if (cell.isValid() && cell != currentIndex())
            setCurrentCell(cell.row(), cell.column());
    }
}

void OvelaDateBookMonthTable::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    const bool tap = pressedCell.isValid() && indexAt(e->position().toPoint()) == pressedCell;
    pressedCell = QPersistentModelIndex();
    QTableWidget::mouseReleaseEvent(e); // a release on the pressed cell reports through cellClicked
    // A release after dragging to another cell chooses the day the drag ended on.
    if (!tap && e->button() == Qt::LeftButton && currentRow() >= 0)
        dayClicked(currentRow(), currentColumn());
}

void OvelaDateBookMonthTable::dayClicked(int row, int col)
{
    changeDaySelection(row, col);
    emit dateClicked(selYear, selMonth, selDay);
}

void OvelaDateBookMonthTable::dragDay(int row, int col)
{
    changeDaySelection(row, col);
}

void OvelaDateBookMonthTable::setupLabels()
{
    QStringList labels;
    for (int i = 0; i < 7; ++i) {
        if (weekStartsMonday)
            labels << Calendar::nameOfDay(i + 1);
        else
            labels << Calendar::nameOfDay(i == 0 ? 7 : i);
    }
    setHorizontalHeaderLabels(labels);
}

void OvelaDateBookMonthTable::setupTable()
{
    const QList<Calendar::Day> days = Calendar::daysOfMonth(year, month, weekStartsMonday);
    int currentRow = 0;
    int currentCol = 0;
    int row = 0;
    int col = 0;
    for (const Calendar::Day &entry : days) {
        if (row >= rowCount())
            break;
        int cellYear = year;
        int cellMonth = month;
        if (entry.type == Calendar::Day::PrevMonth) {
            if (--cellMonth < 1) {
                cellMonth = 12;
                --cellYear;
            }
        } else if (entry.type == Calendar::Day::NextMonth) {
            if (++cellMonth > 12) {
                cellMonth = 1;
                ++cellYear;
            }
        }
        const QDate cellDate(cellYear, cellMonth, entry.date);

        OvelaDayItemMonth *cell = dayItem(row, col);
        if (!cell) {
            cell = new OvelaDayItemMonth(QString(), cellDate, calendar);
            setItem(row, col, cell);
        }
        cell->setDay(entry.date);
        cell->setType(entry.type);
        cell->setDate(cellDate);
        if (cell->day() == day && entry.type == Calendar::Day::ThisMonth) {
            currentRow = row;
            currentCol = col;
        }
        if (++col == 7) {
            col = 0;
            ++row;
        }
    }
    // The cells changed behind the model's back.
    viewport()->update();
    setCurrentCell(currentRow, currentCol);
}

void OvelaDateBookMonthTable::changeDaySelection(int row, int col)
{
    const OvelaDayItemMonth *cell = dayItem(row, col);
    if (!cell)
        return;
    switch (cell->type()) {
    case Calendar::Day::PrevMonth:
        selMonth = month - 1;
        break;
    case Calendar::Day::ThisMonth:
        selMonth = month;
        break;
    default:
        selMonth = month + 1;
        break;
    }
    selYear = year;
    if (selMonth <= 0) {
        selMonth = 12;
        selYear = year - 1;
    } else if (selMonth > 12) {
        selMonth = 1;
        selYear = year + 1;
    }
    selDay = cell->day();
}

// ---------------------------------------------------------------------------------------------

OvelaDateBookMonthHeader::OvelaDateBookMonthHeader(QWidget *parent, const char *name)
    : QWidget(parent)
{
    setObjectName(toName(name));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Tab reaches the arrows too; a screen reader names them by what they do.
    auto makeButton = [this, layout](const char *buttonName, const QString &name) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(buttonName));
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoRaise(true);
        button->setAccessibleName(name);
        button->setToolTip(name);
        layout->addWidget(button);
        return button;
    };

    firstButton = makeButton("firstButton", tr("January"));
    backButton = makeButton("backButton", tr("Previous month"));

    monthCombo = new QComboBox(this);
    monthCombo->setObjectName(QStringLiteral("monthCombo"));
    monthCombo->setEditable(false);
    monthCombo->setAccessibleName(tr("Month"));
    for (int m = 1; m <= 12; ++m)
        monthCombo->addItem(Calendar::nameOfMonth(m));
    layout->addWidget(monthCombo, 1);

    yearSpin = new QSpinBox(this);
    yearSpin->setObjectName(QStringLiteral("yearSpin"));
    yearSpin->setRange(1970, 2037);
    yearSpin->setSingleStep(1);
    yearSpin->setAccessibleName(tr("Year"));
    layout->addWidget(yearSpin);

    forwardButton = makeButton("forwardButton", tr("Next month"));
    lastButton = makeButton("lastButton", tr("December"));
    paintArrows();
    // Big enough for a finger on a phone or a touch screen.
    const int target = QPEApplication::touchTargetSize();
    for (QToolButton *button : {firstButton, backButton, forwardButton, lastButton})
        button->setFixedSize(button->sizeHint().expandedTo(QSize(target, target)));
    if (target > 0) {
        monthCombo->setMinimumHeight(target);
        yearSpin->setMinimumHeight(target);
        // Its arrows would be half a finger high; the month arrows beside it cross the years.
        yearSpin->setButtonSymbols(QAbstractSpinBox::NoButtons);
        yearSpin->setAlignment(Qt::AlignCenter);
    }
    // A phone held upright with large text has no room for the strip on one row: the month
    // and its arrows above, the year and the year's ends below.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && layout->minimumSize().width() > screen->availableGeometry().width() - 8) {
        delete layout;
        auto *rows = new QGridLayout(this);
        rows->setContentsMargins(0, 0, 0, 0);
        rows->setSpacing(0);
        rows->addWidget(backButton, 0, 0);
        rows->addWidget(monthCombo, 0, 1);
        rows->addWidget(forwardButton, 0, 2);
        rows->addWidget(firstButton, 1, 0);
        rows->addWidget(yearSpin, 1, 1);
        rows->addWidget(lastButton, 1, 2);
        rows->setColumnStretch(1, 1);
        QWidget::setTabOrder(backButton, monthCombo);
        QWidget::setTabOrder(monthCombo, forwardButton);
        QWidget::setTabOrder(forwardButton, firstButton);
        QWidget::setTabOrder(firstButton, yearSpin);
        QWidget::setTabOrder(yearSpin, lastButton);
    }

    connect(monthCombo, &QComboBox::activated, this, &OvelaDateBookMonthHeader::updateDate);
    connect(yearSpin, &QSpinBox::valueChanged, this, &OvelaDateBookMonthHeader::updateDate);
    connect(firstButton, &QToolButton::clicked, this, &OvelaDateBookMonthHeader::firstMonth);
    connect(lastButton, &QToolButton::clicked, this, &OvelaDateBookMonthHeader::lastMonth);
    connect(backButton, &QToolButton::clicked, this, &OvelaDateBookMonthHeader::monthBack);
    connect(forwardButton, &QToolButton::clicked, this, &OvelaDateBookMonthHeader::monthForward);

    backButton->setAutoRepeat(true);
    forwardButton->setAutoRepeat(true);
}

OvelaDateBookMonthHeader::~OvelaDateBookMonthHeader() = default;

void OvelaDateBookMonthHeader::setDate(int year, int month)
{
    yearSpin->setValue(year);
    // Qt would clear the list for an index out of range; keep the month instead.
    if (month >= 1 && month <= 12)
        monthCombo->setCurrentIndex(month - 1);
}

void OvelaDateBookMonthHeader::keyPressEvent(QKeyEvent *e)
{
    e->ignore();
}

void OvelaDateBookMonthHeader::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange && lastButton)
        paintArrows();
}

// The arrows are plain glyphs: drawn in the button text colour, they stay visible on a dark
// palette as on a light one.
void OvelaDateBookMonthHeader::paintArrows()
{
    const QColor ink = palette().color(QPalette::ButtonText);
    auto paint = [&ink](QToolButton *button, const char *icon) {
        QPixmap glyph = Resource::loadPixmap(QLatin1String(icon));
        if (!glyph.isNull()) {
            QPainter p(&glyph);
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(glyph.rect(), ink);
        }
        button->setIcon(QIcon(glyph));
    };
    paint(firstButton, "start");
    paint(backButton, "back");
    paint(forwardButton, "forward");
    paint(lastButton, "finish");
}

void OvelaDateBookMonthHeader::updateDate()
{
    emit dateChanged(yearSpin->value(), monthCombo->currentIndex() + 1);
}

void OvelaDateBookMonthHeader::firstMonth()
{
    emit dateChanged(yearSpin->value(), 1);
    monthCombo->setCurrentIndex(0);
}

void OvelaDateBookMonthHeader::lastMonth()
{
    emit dateChanged(yearSpin->value(), 12);
    monthCombo->setCurrentIndex(11);
}

void OvelaDateBookMonthHeader::monthBack()
{
    const int y = yearSpin->value();
    const int i = monthCombo->currentIndex();
    if (i > 0) {
        emit dateChanged(y, i);
        monthCombo->setCurrentIndex(i - 1);
        return;
    }
    // The year box cannot go below its first year; stepping on would report a month the strip
    // does not show.
    if (y <= yearSpin->minimum())
        return;
    // Reported here and once more through the year box's change.
    emit dateChanged(y - 1, 12);
    monthCombo->setCurrentIndex(11);
    yearSpin->setValue(y - 1);
}

void OvelaDateBookMonthHeader::monthForward()
{
    const int y = yearSpin->value();
    const int i = monthCombo->currentIndex();
    if (i <= 10) {
        emit dateChanged(y, i + 2);
        monthCombo->setCurrentIndex(i + 1);
        return;
    }
    if (y >= yearSpin->maximum())
        return;
    // The year box's change reports the new month.
    monthCombo->setCurrentIndex(0);
    yearSpin->setValue(y + 1);
}

// ---------------------------------------------------------------------------------------------

namespace {

// The month view holds the keyboard for its grid; a screen reader reads it as a group named
// "Calendar", its description the selected day, rather than as a nameless client area.
QAccessibleInterface *monthViewAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("OvelaDateBookMonth"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
}

} // namespace

OvelaDateBookMonth::OvelaDateBookMonth(QWidget *parent, const char *name, OvelaCalendar *calendar,
                                       bool autoClose)
    : QWidget(parent)
    , autoClose(autoClose)
{
    setObjectName(toName(name));
    setFocusPolicy(Qt::StrongFocus);

    const QDate today = QDate::currentDate();
    year = today.year();
    month = today.month();
    day = today.day();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header = new OvelaDateBookMonthHeader(this, "DateBookMonthHeader");
    table = new OvelaDateBookMonthTable(this, "DateBookMonthTable", calendar);
    layout->addWidget(header);
    layout->addWidget(table, 1);

    header->setDate(year, month);
    table->setDate(year, month, today.day());

    header->setFocusPolicy(Qt::NoFocus);
    table->setFocusPolicy(Qt::NoFocus);
    // The view takes the keys for the grid: a screen reader reads it by name with the day.
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(monthViewAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setAccessibleName(tr("Calendar"));
    table->setAccessibleName(tr("Days of the month"));
    setAccessibleDescription(QLocale().toString(selectedDate(), QLocale::LongFormat));
    connect(this, &OvelaDateBookMonth::selectedDateChanged, this, [this](const QDate &date) {
        setAccessibleDescription(QLocale().toString(date, QLocale::LongFormat));
    });

    connect(header, &OvelaDateBookMonthHeader::dateChanged, this,
            qOverload<int, int>(&OvelaDateBookMonth::setDate));
    connect(table, &OvelaDateBookMonthTable::dateClicked, this, &OvelaDateBookMonth::finalDate);
    if (auto *app = qobject_cast<QPEApplication *>(qApp))
        connect(app, &QPEApplication::weekChanged, this, &OvelaDateBookMonth::slotWeekChange);

    table->setFocus();
}

OvelaDateBookMonth::~OvelaDateBookMonth() = default;

QDate OvelaDateBookMonth::selectedDate() const
{
    if (!table)
        return QDate::currentDate();
    int y = 0;
    int m = 0;
    int d = 0;
    table->getDate(y, m, d);
    return QDate(y, m, d);
}

void OvelaDateBookMonth::setDate(int y, int m)
{
    if (y == year && m == month)
        return;
    const QDate before = selectedDate();
    year = y;
    month = m;
    const int length = Calendar::daysInMonth(year, month);
    if (length < day)
        day = length;
    table->setDate(year, month, day);
    reportMove(before);
}

void OvelaDateBookMonth::setDate(int y, int m, int d)
{
    const QDate before = selectedDate();
    header->setDate(y, m);
    table->setDate(y, m, d);
    year = y;
    month = m;
    day = d;
    reportMove(before);
}

void OvelaDateBookMonth::reportMove(const QDate &before)
{
    const QDate now = selectedDate();
    if (now != before)
        emit selectedDateChanged(now);
}

void OvelaDateBookMonth::setDate(const QDate &date)
{
    setDate(date.year(), date.month(), date.day());
}

void OvelaDateBookMonth::redraw()
{
    table->setDate(year, month, day);
    table->redraw();
}

void OvelaDateBookMonth::slotWeekChange(bool monday)
{
    table->setWeekStart(monday);
}

void OvelaDateBookMonth::keyPressEvent(QKeyEvent *e)
{
    const QDate current(year, month, day);
    switch (e->key()) {
    case Qt::Key_Up:
        setDate(current.addDays(-7));
        break;
    case Qt::Key_Down:
        setDate(current.addDays(7));
        break;
    case Qt::Key_Left:
        setDate(current.addDays(-1));
        break;
    case Qt::Key_Right:
        setDate(current.addDays(1));
        break;
    case Qt::Key_Space:
        qWarning("space");
        emit dateClicked(year, month, day);
        closeParent();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // In a picker Return chooses the day, as Space does.
        if (autoClose) {
            emit dateClicked(year, month, day);
            closeParent();
        } else {
            emit editRequested();
        }
        break;
    case Qt::Key_Delete:
        if (autoClose) {
            e->ignore();
            return;
        }
        emit deleteRequested();
        break;
    default:
        qWarning("ignore");
        e->ignore();
        return;
    }
    e->accept();
}

void OvelaDateBookMonth::finalDate(int y, int m, int d)
{
    setDate(y, m, d);
    emit dateClicked(y, m, d);
    closeParent();
}

void OvelaDateBookMonth::closeParent()
{
    if (autoClose && parentWidget())
        parentWidget()->close();
}

// ---------------------------------------------------------------------------------------------

QPointer<QMenu> OvelaDateButton::popup;
QPointer<OvelaDateBookMonth> OvelaDateButton::picker;
QPointer<OvelaDateButton> OvelaDateButton::popupOwner;

OvelaDateButton::OvelaDateButton(bool longDate, QWidget *parent, const char *name)
    : QPushButton(parent)
    , longFormat(longDate)
    , dateFormat(QLatin1Char('/'), DateFormat::MonthDayYear, DateFormat::MonthDayYear)
{
    setObjectName(toName(name));
    setDate(QDate::currentDate());
    connect(this, &QPushButton::pressed, this, &OvelaDateButton::pickDate);
}

OvelaDateButton::~OvelaDateButton() = default;

void OvelaDateButton::setDate(const QDate &date)
{
    shownDate = date;
    setText(longFormat ? TimeString::longDateString(date, dateFormat)
                       : TimeString::shortDate(date, dateFormat));
}

void OvelaDateButton::setDate(int year, int month, int day)
{
    setDate(QDate(year, month, day));
}

void OvelaDateButton::setDateFormat(const DateFormat &format)
{
    dateFormat = format;
    setDate(shownDate);
}

void OvelaDateButton::setWeekStartsMonday(int monday)
{
    weekStartsMonday = monday != 0;
}

void OvelaDateButton::pickDate()
{
    // The pop-up dies with the button that first opened it; the next press makes a new one.
    if (!popup) {
        popup = new QMenu(this);
        auto *month = new OvelaDateBookMonth(nullptr, nullptr, nullptr, true);
        auto *action = new QWidgetAction(popup);
        action->setDefaultWidget(month);
        popup->addAction(action);
        picker = month;
        popupOwner = nullptr;
    }
    // A pick reports to the button that opened the pop-up, not to the first one ever pressed.
    if (popupOwner != this) {
        if (popupOwner) {
            disconnect(picker, nullptr, popupOwner, nullptr);
            disconnect(popup, nullptr, popupOwner, nullptr);
        }
        connect(picker, &OvelaDateBookMonth::dateClicked, this,
                qOverload<int, int, int>(&OvelaDateButton::setDate));
        connect(picker, &OvelaDateBookMonth::dateClicked, this, &OvelaDateButton::dateSelected);
        connect(popup, &QMenu::aboutToHide, this, &OvelaDateButton::gotHide);
        popupOwner = this;
    }
    picker->slotWeekChange(weekStartsMonday);
    picker->setDate(shownDate.year(), shownDate.month(), shownDate.day());
    popup->popup(mapToGlobal(QPoint(0, height())));
    picker->setFocus();
}

void OvelaDateButton::gotHide()
{
    setDown(false);
}
