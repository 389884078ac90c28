#include "charts/ovela_chart.h"

#include "core/utils.h"
#include "cycle/ovela_calendar.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <qdrawutil.h>

namespace {

// The dots are about as wide as a digit, so that they are easy to see on a desktop screen.
int dotDiameter(const QWidget *w)
{
    return qMax(4, w->fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

// The chart is laid out on its own rectangle: left 0, right width - 1, bottom height - 1.
// Everything else is measured from these three edges.
struct Axes
{
    explicit Axes(const QWidget *w)
        : L(0)
        , R(w->width() - 1)
        , B(w->height() - 1)
        , x0(L + 50)
        , y0(B - 60)
        // Day 31 lies a fifth of a tick beyond the last one; on a wide chart the ticks close
        // up a little so that its dot stays inside the frame.
        , xStep(qMin((R - 15 - x0) / 6, 5 * (R - 1 - dotDiameter(w) / 2 - x0) / 31))
        , yStep((B - 75) / 9)
    {
    }
    int L, R, B, x0, y0, xStep, yStep;
};

// The plot is always white, whatever the desktop palette: its lines and texts are black.
const QColor inkColor(0, 0, 0);
// The temperature shift: a dark blue that reads on the white plot and stands apart from the
// red dots.
const QColor shiftColor(0x1f, 0x4e, 0x9c);

// 0 for a day without a temperature.
int temperatureOf(const OvelaCalendar *calendar, const QDate &d)
{
    return calendar->containsEntry(d) ? calendar->getEntry(d).getTemperature() : 0;
}

// Draws text with its baseline starting at (x, y), moved back inside the widget where a large
// font would push it over an edge (the right-most day label is the first to go).
// On a white ground when one is given, so that a label over the dots stays readable.
void drawCaption(QPainter *p, const QWidget *w, int x, int y, const QString &text,
                 const QBrush &ground = Qt::NoBrush)
{
    const QRect ink = p->fontMetrics().boundingRect(text).translated(x, y);
    if (ink.right() > w->width() - 1)
        x -= ink.right() - (w->width() - 1);
    if (ink.bottom() > w->height() - 1)
        y -= ink.bottom() - (w->height() - 1);
    if (ground.style() != Qt::NoBrush)
        p->fillRect(p->fontMetrics().boundingRect(text).translated(x, y).adjusted(-1, 0, 1, 0),
                    ground);
    p->drawText(x, y, text);
}

// The temperature labels start at x 10 and the ticks at 45. A font too wide for that gap
// (100.80 in a desktop font) is made smaller so the labels do not run into the ticks.
void fitLabels(QPainter *p, const QStringList &labels)
{
    const int room = 45 - 10 - 2;
    auto widest = [&labels](const QFontMetrics &fm) {
        int w = 0;
        for (const QString &label : labels)
            w = qMax(w, fm.boundingRect(label).right() + 1);
        return w;
    };
    QFont font = p->font();
    const bool inPixels = font.pixelSize() > 0;
    qreal size = inPixels ? font.pixelSize() : font.pointSizeF();
    while (widest(QFontMetrics(font, p->device())) > room && size > 5) {
        size -= inPixels ? 1 : 0.5;
        if (inPixels)
            font.setPixelSize(int(size));
        else
            font.setPointSizeF(size);
    }
    p->setFont(font);
}

} // namespace

OvelaChartWidget::OvelaChartWidget(OvelaCalendar *calendar, Preferences &preferences,
                                   QWidget *parent, const char *name)
    : QWidget(parent)
    , calendar(calendar)
    , preferences(preferences)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setAccessibleName(tr("Temperature chart"));
    const QDate today = QDate::currentDate();
    month = QDate(today.year(), today.month(), 1);

    connect(&preferences, &Preferences::temperatureFormatChanged, this,
            &OvelaChartWidget::temperatureFormatChanged);
    connect(calendar, &OvelaDatabase::onClearDatabase, this, &OvelaChartWidget::onClearDatabase);
    connect(calendar, &OvelaDatabase::onDeleteEntry, this, &OvelaChartWidget::onDeleteEntry);
}

QPoint OvelaChartWidget::calcDate(const QDate &d, int t) const
{
    const Axes a(this);
    // Day d lies d / 5 ticks right of the origin, so a dot stands on the tick naming its day.
    return QPoint(a.x0 + (a.xStep * d.day()) / 5, a.y0 - (a.yStep * (t - 1)) / 5);
}

void OvelaChartWidget::dateChanged(int year, int month)
{
    this->month.setDate(year, month, 1);
    update();
}

void OvelaChartWidget::temperatureFormatChanged(Preferences::TemperatureFormat)
{
    update();
}

void OvelaChartWidget::onClearDatabase(OvelaDatabase *)
{
    update();
}

// Delivered while the record is still stored; the queued repaint runs after it is gone.
void OvelaChartWidget::onDeleteEntry(const QDate &)
{
    update();
}

// What a screen reader says of the chart: the month and its temperatures, kept with what is
// painted.
void OvelaChartWidget::describeMonth(const QList<ShiftShown> &shifts)
{
    const bool fahrenheit = preferences.getTemperatureFormat() == Preferences::Fahrenheit;
    int count = 0;
    int low = 0;
    int high = 0;
    for (QDate d = month; calendar && d.month() == month.month(); d = d.addDays(1)) {
        const int t = calendar->containsEntry(d) ? calendar->getEntry(d).getTemperature() : 0;
        if (t < 1 || t > getTemperatureCount())
            continue;
        low = count ? qMin(low, t) : t;
        high = count ? qMax(high, t) : t;
        ++count;
    }
    const QLocale locale;
    const QString monthName = locale.standaloneMonthName(month.month()) + QLatin1Char(' ')
                              + QString::number(month.year());
    const auto value = [&](int t) {
        return locale.toString(double(fahrenheit ? getFahrenheit(t - 1) : getCelsius(t - 1)), 'f',
                               2);
    };
    const QString text = count == 0
        ? tr("%1: no temperature recorded").arg(monthName)
        : tr("%1: %n temperatures from %2 to %3 %4", nullptr, count)
              .arg(monthName, value(low), value(high),
                   fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C"));
    QStringList said;
    for (const ShiftShown &shown : shifts) {
        const CycleInsight::Shift &shift = shown.shift;
        said << tr("temperature shift: first higher temperature on %1, confirmed on %2, "
                     "cover line %3 %4")
                      .arg(locale.toString(shift.firstHighDay, QLocale::ShortFormat),
                           locale.toString(shift.confirmedDay, QLocale::ShortFormat),
                           value(shift.coverCode),
                           fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C"));
    }
    if (said.isEmpty() && count > 0)
        said << tr("no temperature shift found");
    const QString described =
        said.isEmpty() ? text : text + QStringLiteral("; ") + said.join(QStringLiteral("; "));
    if (accessibleDescription() != described)
        setAccessibleDescription(described);
}

void OvelaChartWidget::paintEvent(QPaintEvent *)
{
    const QList<ShiftShown> shifts = shiftsShown();
    describeMonth(shifts);
    QPainter p(this);

    p.save();
    const QBrush white(QColor(255, 255, 255));
    qDrawShadeRect(&p, 0, 0, width(), height(), palette(), true, 1, 1, &white);
    p.restore();

    p.setPen(inkColor);
    drawXScale(&p);
    drawYScale(&p);

    if (!calendar || !month.isValid())
        return;
    const QColor red(255, 0, 0);
    const qreal diameter = dotDiameter(this);
    const qreal lineWidth = qMax<qreal>(1, qRound(diameter / 4));
    // Centred on the middle of the pixel the formula names.
    const auto centre = [this](const QDate &d, int t) {
        return QPointF(calcDate(d, t)) + QPointF(0.5, 0.5);
    };

    // Beneath the dots: the cover line of each shift the month shows.
    for (const ShiftShown &shown : shifts) {
        p.setPen(QPen(shiftColor, lineWidth));
        const QPointF from = centre(shown.from, shown.shift.coverCode);
        const QPointF to = centre(shown.to, shown.shift.coverCode);
        p.drawLine(from, to);
    }

    // The dots, joined where consecutive days both have a temperature: a day without one
    // breaks the line.
    p.setPen(QPen(red, lineWidth));
    int previous = 0;
    for (QDate d = month; d.month() == month.month(); d = d.addDays(1)) {
        const int t = temperatureOf(calendar, d);
        if (t && previous)
            p.drawLine(centre(d.addDays(-1), previous), centre(d, t));
        previous = t;
    }
    p.setPen(red);
    p.setBrush(red);
    for (QDate d = month; d.month() == month.month(); d = d.addDays(1)) {
        const int t = temperatureOf(calendar, d);
        if (t)
            p.drawEllipse(centre(d, t), diameter / 2 - 0.5, diameter / 2 - 0.5);
    }

    // Rings round the first higher temperature and the one that confirms the shift.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shiftColor, lineWidth + 1));
    for (const ShiftShown &shown : shifts) {
        for (const QDate &d : {shown.shift.firstHighDay, shown.shift.confirmedDay}) {
            if (d >= month && d.month() == month.month() && d.year() == month.year())
                p.drawEllipse(centre(d, temperatureOf(calendar, d)), diameter, diameter);
        }
    }

    // Each cover line's value below its right end, where the higher temperatures after the
    // shift leave room; over everything, so no dot hides it. A line too short for it (the end
    // of a cycle begun the month before) goes unlabelled.
    const QLocale locale;
    const bool fahrenheit = preferences.getTemperatureFormat() == Preferences::Fahrenheit;
    p.setPen(shiftColor);
    for (const ShiftShown &shown : shifts) {
        const int code = shown.shift.coverCode;
        const QString label = tr("cover line %1").arg(locale.toString(
            double(fahrenheit ? getFahrenheit(code - 1) : getCelsius(code - 1)), 'f', 2));
        const QPointF from = centre(shown.from, code);
        const QPointF to = centre(shown.to, code);
        const QFontMetrics metrics = p.fontMetrics();
        const int labelWidth = metrics.horizontalAdvance(label);
        if (to.x() - from.x() >= labelWidth)
            drawCaption(&p, this, int(to.x()) - labelWidth,
                        int(to.y() + lineWidth) + metrics.ascent() + 1, label, Qt::white);
    }
}

QList<OvelaChartWidget::ShiftShown> OvelaChartWidget::shiftsShown() const
{
    QList<ShiftShown> shown;
    if (!calendar || !month.isValid() || calendar->entries().isEmpty())
        return shown;
    const QDate monthEnd = month.addMonths(1).addDays(-1);
    const QDate lastRecord = calendar->entries().lastKey();
    for (const CycleInsight::Cycle &cycle : CycleInsight::findCycles(*calendar)) {
        if (!cycle.shift.detected)
            continue;
        // The open cycle reaches as far as the record does.
        const QDate end = cycle.isOpen() ? lastRecord : cycle.start.addDays(cycle.length - 1);
        const QDate from = qMax(cycle.start, month);
        const QDate to = qMin(end, monthEnd);
        if (from <= to)
            shown << ShiftShown{cycle.shift, from, to};
    }
    return shown;
}

void OvelaChartWidget::drawXScale(QPainter *p)
{
    const Axes a(this);
    p->drawLine(a.x0, a.y0, a.R - 15, a.y0);
    drawCaption(p, this, a.L + (a.R - a.L + 1) / 2, a.B - 30, tr("Day"));
    for (int k = 1; k <= 6; ++k) {
        const int x = a.x0 + k * a.xStep;
        p->drawLine(x, a.B - 65, x, a.B - 55);
        drawCaption(p, this, x - 3, a.B - 45, QString::number(5 * k));
    }
}

void OvelaChartWidget::drawYScale(QPainter *p)
{
    const Axes a(this);
    // The temperature axis stands at a fixed 50, not at x0.
    p->drawLine(50, 15, 50, a.y0);
    drawCaption(p, this, 10, a.B - 45, tr("Temp"));
    float (*scale)(int) =
        preferences.getTemperatureFormat() == Preferences::Fahrenheit ? getFahrenheit : getCelsius;
    // With the locale's decimal sign, as the history lists them.
    const QLocale locale;
    QStringList labels;
    for (int k = 0; k <= 8; ++k)
        labels << locale.toString(double(scale(5 * k)), 'f', 2);

    p->save();
    fitLabels(p, labels);
    for (int k = 0; k <= 8; ++k) {
        const int y = a.y0 - k * a.yStep;
        p->drawLine(45, y, 55, y);
        drawCaption(p, this, 10, y, labels.at(k));
    }
    p->restore();
}
