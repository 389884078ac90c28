#include "app/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_chart.h"
#include "charts/ovela_tempchart_widget.h"
#include "cycle/ovela_calendar.h"

#include "support/testhome.h"

#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QPicture>
#include <QSignalSpy>

#include <memory>

using DayCode = QPair<QDate, int>;

namespace {

// A fixed pixel size keeps the captions independent of the screen's resolution.
QFont chartFont()
{
    QFont font;
    font.setPixelSize(11);
    return font;
}

QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

bool isDark(QRgb rgb)
{
    return qGray(rgb) < 128;
}
bool isWhite(QRgb rgb)
{
    return rgb == qRgb(255, 255, 255);
}
bool isRed(QRgb rgb)
{
    return qRed(rgb) > 200 && qGreen(rgb) < 90 && qBlue(rgb) < 90;
}

QList<QPoint> redPixels(const QImage &image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isRed(image.pixel(x, y)))
                points << QPoint(x, y);
    return points;
}

// A dot drawn at p is a small circle in the box from p to p + (2, 2).
bool nearDot(const QPoint &pixel, const QPoint &dot)
{
    return pixel.x() >= dot.x() - 1 && pixel.x() <= dot.x() + 3 && pixel.y() >= dot.y() - 1 &&
           pixel.y() <= dot.y() + 3;
}

struct Geometry
{
    int x0, y0, xStep, yStep, R, B;
};

Geometry geometryFor(const QSize &size)
{
    const int R = size.width() - 1;
    const int B = size.height() - 1;
    return {50, B - 60, (R - 15 - 50) / 6, (B - 75) / 9, R, B};
}

// The x of every dark pixel just above the day axis, right of the origin.
QList<int> dayTicksIn(const QImage &image)
{
    const Geometry g = geometryFor(image.size());
    QList<int> found;
    for (int x = g.x0 + 1; x < image.width() - 3; ++x)
        if (isDark(image.pixel(x, g.y0 - 4)))
            found << x;
    return found;
}

// The y of every dark pixel just right of the temperature axis.
QList<int> tempTicksIn(const QImage &image)
{
    QList<int> found;
    for (int y = 3; y < image.height() - 3; ++y)
        if (isDark(image.pixel(54, y)))
            found << y;
    return found;
}

// Everything the widget paints, replayed without its clip onto a larger image: the rectangle
// of all that was drawn, in the widget's coordinates.
QRect paintedArea(QWidget *widget)
{
    QPicture picture;
    widget->render(&picture);
    const int margin = 60;
    QImage replay(widget->size() + QSize(2 * margin, 2 * margin),
                  QImage::Format_ARGB32_Premultiplied);
    replay.fill(Qt::magenta);
    {
        QPainter p(&replay);
        p.translate(margin, margin);
        picture.play(&p);
    }
    QRect drawn;
    for (int y = 0; y < replay.height(); ++y)
        for (int x = 0; x < replay.width(); ++x)
            if (replay.pixel(x, y) != QColor(Qt::magenta).rgb())
                drawn |= QRect(x - margin, y - margin, 1, 1);
    return drawn;
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// Counts its paints and notes whether a watched day still held a record when it painted.
class WatchedChart : public OvelaChartWidget
{
public:
    using OvelaChartWidget::OvelaChartWidget;
    int paints = 0;
    QDate watched;
    bool watchedPresent = false;
    OvelaCalendar *journal = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        if (journal && watched.isValid())
            watchedPresent = journal->containsEntry(watched);
        OvelaChartWidget::paintEvent(event);
    }
};

class TstOvelaChart : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ticks_data();
    void ticks();
    void dots_data();
    void dots();
    void labels_data();
    void labels();
    void labelsClearOfTicks_data();
    void labelsClearOfTicks();
    void captionsInside_data();
    void captionsInside();
    void followsMonthAndJournal_data();
    void followsMonthAndJournal();
    void deletedDotGoneAtRepaint();
    void pageLayout();
    void pageChartUsesItsOwnRectangle_data();
    void pageChartUsesItsOwnRectangle();
    void pageFollowsItsHeader();

private:
    std::unique_ptr<OvelaChartWidget> makeChart(const QSize &size);
    void addTemperature(const QDate &date, int code);

    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<OvelaCalendar> cal;
};

void TstOvelaChart::init()
{
    TestHome::wipe();
    prefs = std::make_unique<Preferences>();
    prefs->setTemperatureFormat(Preferences::Celsius);
    cal = std::make_unique<OvelaCalendar>(*prefs);
}

void TstOvelaChart::cleanup()
{
    cal.reset();
    prefs->setSaveOnExit(false);
    prefs.reset();
}

std::unique_ptr<OvelaChartWidget> TstOvelaChart::makeChart(const QSize &size)
{
    auto chart = std::make_unique<OvelaChartWidget>(cal.get(), *prefs);
    chart->setFont(chartFont());
    chart->resize(size);
    chart->dateChanged(2004, 3);
    return chart;
}

void TstOvelaChart::addTemperature(const QDate &date, int code)
{
    OvelaRecordEntry entry;
    entry.setTemperature(code);
    cal->setEntry(entry, date);
}

void TstOvelaChart::ticks_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("dayTicks");
    QTest::addColumn<QList<int>>("tempTicks");
    QTest::newRow("240 x 240") << QSize(240, 240) << QList<int>{79, 108, 137, 166, 195, 224}
                               << QList<int>{35, 53, 71, 89, 107, 125, 143, 161, 179};
    QTest::newRow("320 x 200") << QSize(320, 200) << QList<int>{92, 134, 176, 218, 260, 302}
                               << QList<int>{35, 48, 61, 74, 87, 100, 113, 126, 139};
}

// Both axes with exactly their ticks, measured from the chart's own rectangle.
void TstOvelaChart::ticks()
{
    QFETCH(QSize, size);
    QFETCH(QList<int>, dayTicks);
    QFETCH(QList<int>, tempTicks);
    const Geometry g = geometryFor(size);
    auto chart = makeChart(size);

    for (auto format : {Preferences::Celsius, Preferences::Fahrenheit}) {
        prefs->setTemperatureFormat(format);
        const QImage image = render(chart.get());

        // The frame's white fill reaches the bottom of the chart.
        QVERIFY(isWhite(image.pixel(size.width() / 2, size.height() - 4)));

        QCOMPARE(dayTicksIn(image), dayTicks);
        for (int x : dayTicks)
            QVERIFY(isDark(image.pixel(x, g.y0 - 5)) && isDark(image.pixel(x, g.y0 + 5)));

        QCOMPARE(tempTicksIn(image), tempTicks);
        for (int y : tempTicks)
            QVERIFY(isDark(image.pixel(45, y)) || isDark(image.pixel(46, y)));

        // The day axis runs from x0 to R - 15, the temperature axis from 15 down to y0 at x 50.
        QVERIFY(isDark(image.pixel(g.x0 + 1, g.y0)));
        QVERIFY(isDark(image.pixel(g.R - 15, g.y0)));
        QVERIFY(isWhite(image.pixel(g.R - 14, g.y0)));
        QVERIFY(isDark(image.pixel(50, 15)));
        QVERIFY(isWhite(image.pixel(50, 13)));
        QVERIFY(isWhite(image.pixel(50, g.y0 + 2)));
        QCOMPARE(redPixels(image), QList<QPoint>());
    }
}

void TstOvelaChart::dots_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<DayCode>>("records");
    QTest::addColumn<QList<QPoint>>("expected");

    const QSize square(240, 240);
    QTest::newRow("15th code 11") << square << QList<DayCode>{{QDate(2004, 3, 15), 11}}
                                  << QList<QPoint>{{131, 143}};
    QTest::newRow("6th code 6 on the tick labelled 5")
        << square << QList<DayCode>{{QDate(2004, 3, 6), 6}} << QList<QPoint>{{79, 161}};
    QTest::newRow("31st code 41 on the last ticks")
        << square << QList<DayCode>{{QDate(2004, 3, 31), 41}} << QList<QPoint>{{224, 35}};
    QTest::newRow("1st code 1 on the crossing")
        << square << QList<DayCode>{{QDate(2004, 3, 1), 1}} << QList<QPoint>{{50, 179}};
    QTest::newRow("several, no other month, no code 0") << square
                                                        << QList<DayCode>{{QDate(2004, 2, 29), 20},
                                                                          {QDate(2004, 3, 2), 21},
                                                                          {QDate(2004, 3, 9), 0},
                                                                          {QDate(2004, 3, 20), 30},
                                                                          {QDate(2004, 4, 1), 20}}
                                                        << QList<QPoint>{{55, 107}, {160, 75}};
    QTest::newRow("320 x 200, 15th code 11")
        << QSize(320, 200) << QList<DayCode>{{QDate(2004, 3, 15), 11}}
        << QList<QPoint>{{50 + 42 * 14 / 5, 139 - 13 * 10 / 5}};
}

// Red dots where the records put them, nothing else red, and not moved by the format.
void TstOvelaChart::dots()
{
    QFETCH(QSize, size);
    QFETCH(QList<DayCode>, records);
    QFETCH(QList<QPoint>, expected);
    for (const DayCode &r : records) {
        addTemperature(r.first, r.second);
        if (r.second == 0)
            cal->addEntry(r.first).setNote(QStringLiteral("no temperature that day"));
    }
    auto chart = makeChart(size);

    QList<QPoint> celsiusDots;
    for (auto format : {Preferences::Celsius, Preferences::Fahrenheit}) {
        prefs->setTemperatureFormat(format);
        const QList<QPoint> red = redPixels(render(chart.get()));
        for (const QPoint &dot : expected) {
            const bool found = std::any_of(red.begin(), red.end(),
                                           [&](const QPoint &p) { return nearDot(p, dot); });
            QVERIFY2(found,
                     qPrintable(QStringLiteral("no dot at %1,%2").arg(dot.x()).arg(dot.y())));
        }
        for (const QPoint &p : red) {
            const bool belongs = std::any_of(expected.begin(), expected.end(),
                                             [&](const QPoint &dot) { return nearDot(p, dot); });
            QVERIFY2(belongs,
                     qPrintable(QStringLiteral("stray red at %1,%2").arg(p.x()).arg(p.y())));
        }
        if (format == Preferences::Celsius)
            celsiusDots = red;
        else
            QCOMPARE(red, celsiusDots);
    }
}

void TstOvelaChart::labels_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("Celsius") << int(Preferences::Celsius)
                             << QStringList{"36.00", "36.25", "36.50", "36.75", "37.00",
                                            "37.25", "37.50", "37.75", "38.00"};
    QTest::newRow("Fahrenheit") << int(Preferences::Fahrenheit)
                                << QStringList{"96.80", "97.30", "97.80",  "98.30", "98.80",
                                               "99.30", "99.80", "100.30", "100.80"};
}

// The captions and labels are drawn where the axes put them, in the current scale: compare
// the label areas with the same texts drawn on white at the expected baselines.
void TstOvelaChart::labels()
{
    QFETCH(int, format);
    QFETCH(QStringList, values);
    const QSize size(240, 240);
    const Geometry g = geometryFor(size);
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    auto chart = makeChart(size);
    // Small enough that even 100.80 fits left of the ticks at its own size.
    QFont font = chartFont();
    font.setPixelSize(8);
    chart->setFont(font);
    const QImage image = render(chart.get());

    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::white);
    {
        QPainter p(&expected);
        p.setFont(font);
        p.setPen(chart->palette().color(QPalette::WindowText));
        p.drawText(120, g.B - 30, QStringLiteral("Day"));
        p.drawText(10, g.B - 45, QStringLiteral("Temp"));
        for (int k = 1; k <= 6; ++k)
            p.drawText(g.x0 + k * g.xStep - 3, g.B - 45, QString::number(5 * k));
        for (int k = 0; k <= 8; ++k)
            p.drawText(10, g.y0 - k * g.yStep, values.at(k));
    }
    // Left of the ticks, and below their lower ends: only texts are drawn there.
    int compared = 0;
    for (int y = 3; y < size.height() - 3; ++y) {
        for (int x = 3; x < size.width() - 3; ++x) {
            if (x > 44 && y < g.y0 + 6)
                continue;
            if (image.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
            ++compared;
        }
    }
    QVERIFY(compared > 10000);
}

void TstOvelaChart::labelsClearOfTicks_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("11 pixels") << 11;
    QTest::newRow("16 pixels") << 16;
    QTest::newRow("22 pixels") << 22;
}

// However large the font, the temperature labels end before the ticks begin at x 45, and
// still say something.
void TstOvelaChart::labelsClearOfTicks()
{
    QFETCH(int, pixelSize);
    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    auto chart = makeChart(QSize(240, 240));
    QFont font;
    font.setPixelSize(pixelSize);
    chart->setFont(font);
    const QImage image = render(chart.get());
    const Geometry g = geometryFor(image.size());
    for (int y = 3; y <= g.y0 + 2; ++y)
        for (int x = 43; x < 45; ++x)
            QVERIFY2(isWhite(image.pixel(x, y)),
                     qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
    int ink = 0;
    for (int y = g.y0 - 12; y <= g.y0; ++y)
        for (int x = 10; x < 43; ++x)
            ink += isDark(image.pixel(x, y)) ? 1 : 0;
    QVERIFY(ink > 20);
}

void TstOvelaChart::captionsInside_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("pixelSize");
    const int C = Preferences::Celsius;
    const int F = Preferences::Fahrenheit;
    QTest::newRow("240 x 240 Celsius") << QSize(240, 240) << C << 11;
    QTest::newRow("240 x 240 Fahrenheit") << QSize(240, 240) << F << 11;
    QTest::newRow("240 x 240 Fahrenheit, large font") << QSize(240, 240) << F << 16;
    QTest::newRow("320 x 200 Fahrenheit") << QSize(320, 200) << F << 11;
    QTest::newRow("480 x 560 Celsius, large font") << QSize(480, 560) << C << 16;
}

// The chart's drawing, replayed without the widget's clip onto a larger image, must not
// reach past the chart's own rectangle.
void TstOvelaChart::captionsInside()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(int, pixelSize);
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    addTemperature(QDate(2004, 3, 1), 1);
    addTemperature(QDate(2004, 3, 31), 41);
    auto chart = makeChart(size);
    QFont font = chartFont();
    font.setPixelSize(pixelSize);
    chart->setFont(font);

    const QRect drawn = paintedArea(chart.get());
    QVERIFY2(QRect(QPoint(0, 0), size).contains(drawn), qPrintable(describe(drawn)));
}

void TstOvelaChart::followsMonthAndJournal_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("month") << "month";
    QTest::newRow("format") << "format";
    QTest::newRow("clear") << "clear";
    QTest::newRow("delete") << "delete";
}

// Every notification the chart listens to schedules a repaint.
void TstOvelaChart::followsMonthAndJournal()
{
    QFETCH(QString, change);
    addTemperature(QDate(2004, 3, 15), 11);
    WatchedChart chart(cal.get(), *prefs);
    chart.resize(240, 240);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTRY_VERIFY(chart.paints > 0);
    QCoreApplication::processEvents();
    chart.paints = 0;

    if (change == "month")
        chart.dateChanged(2004, 3);
    else if (change == "format")
        prefs->setTemperatureFormat(Preferences::Fahrenheit);
    else if (change == "clear")
        cal->clear();
    else
        cal->removeEntry(QDate(2004, 3, 15));
    QTRY_VERIFY(chart.paints > 0);
}

// The journal announces a deletion before it removes the record; the chart paints afterwards.
void TstOvelaChart::deletedDotGoneAtRepaint()
{
    const QDate day(2004, 3, 15);
    addTemperature(day, 11);
    WatchedChart chart(cal.get(), *prefs);
    chart.journal = cal.get();
    chart.watched = day;
    chart.setFont(chartFont());
    chart.resize(240, 240);
    chart.dateChanged(2004, 3);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTRY_VERIFY(chart.watchedPresent);
    QVERIFY(!redPixels(render(&chart)).isEmpty());

    QSignalSpy spy(cal.get(), &OvelaDatabase::onDeleteEntry);
    chart.paints = 0;
    cal->removeEntry(day);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), day);
    QCOMPARE(chart.paints, 0);
    QTRY_VERIFY(chart.paints > 0);
    QVERIFY(!chart.watchedPresent);
    QCOMPARE(redPixels(render(&chart)), QList<QPoint>());
}

void TstOvelaChart::pageLayout()
{
    OvelaTempChartWidget page(cal.get(), *prefs);
    auto *header =
        page.findChild<OvelaDateBookMonthHeader *>(QStringLiteral("ChartOvelaDatebookHeader"));
    auto *chart = page.findChild<OvelaChartWidget *>(QStringLiteral("ChartOvelaChartWidget"));
    QVERIFY(header);
    QVERIFY(chart);
    QCOMPARE(header->parentWidget(), &page);
    QCOMPARE(chart->parentWidget(), &page);
    QCOMPARE(header->focusPolicy(), Qt::NoFocus);
    QCOMPARE(chart->focusPolicy(), Qt::NoFocus);
    QCOMPARE(header->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(header->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(page.layout());
    QCOMPARE(page.layout()->contentsMargins(), QMargins());
    QCOMPARE(page.layout()->spacing(), 0);

    page.resize(300, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(header->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(header->width(), page.width());
    QCOMPARE(chart->geometry(),
             QRect(0, header->height(), page.width(), page.height() - header->height()));
}

void TstOvelaChart::pageChartUsesItsOwnRectangle_data()
{
    QTest::addColumn<int>("chartHeight");
    QTest::newRow("240 tall") << 240;
    QTest::newRow("180 tall") << 180;
}

// The chart sits below the header, yet its axes and captions are measured from its own
// rectangle: the day axis stays 60 pixels above its last row and "Day" stays inside.
void TstOvelaChart::pageChartUsesItsOwnRectangle()
{
    QFETCH(int, chartHeight);
    addTemperature(QDate(2004, 3, 15), 11);
    OvelaTempChartWidget page(cal.get(), *prefs);
    auto *header = page.findChild<OvelaDateBookMonthHeader *>();
    auto *chart = page.findChild<OvelaChartWidget *>();
    chart->setFont(chartFont());
    page.resize(qMax(240, page.minimumSizeHint().width()),
                header->sizeHint().height() + chartHeight);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(header->height() > 0);
    QCOMPARE(chart->y(), header->height());
    QCOMPARE(chart->height(), chartHeight);
    chart->dateChanged(2004, 3);

    const QImage image = render(chart);
    const Geometry g = geometryFor(chart->size());
    QCOMPARE(g.y0, chartHeight - 61);
    QList<int> expectedDay;
    for (int k = 1; k <= 6; ++k)
        expectedDay << g.x0 + k * g.xStep;
    QCOMPARE(dayTicksIn(image), expectedDay);
    QCOMPARE(tempTicksIn(image).last(), g.y0);
    QCOMPARE(chart->calcDate(QDate(2004, 3, 15), 11),
             QPoint(g.x0 + g.xStep * 14 / 5, g.y0 - g.yStep * 10 / 5));
    const QRect drawn = paintedArea(chart);
    QVERIFY2(chart->rect().contains(drawn), qPrintable(describe(drawn)));
}

// The page starts on today's month, and the chart follows the page's own header.
void TstOvelaChart::pageFollowsItsHeader()
{
    const QDate today = QDate::currentDate();
    const QDate other = today.addMonths(-5);
    addTemperature(today, 21);
    addTemperature(QDate(other.year(), other.month(), 1), 1);
    OvelaTempChartWidget page(cal.get(), *prefs);
    auto *header = page.findChild<OvelaDateBookMonthHeader *>();
    auto *chart = page.findChild<OvelaChartWidget *>();
    page.resize(300, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto dotsNow = [&] {
        const QList<QPoint> red = redPixels(render(chart));
        return red;
    };
    const QPoint todayDot = chart->calcDate(today, 21);
    QList<QPoint> red = dotsNow();
    QVERIFY(!red.isEmpty());
    QVERIFY(
        std::all_of(red.begin(), red.end(), [&](const QPoint &p) { return nearDot(p, todayDot); }));

    emit header->dateChanged(other.year(), other.month());
    const QPoint otherDot = chart->calcDate(QDate(other.year(), other.month(), 1), 1);
    red = dotsNow();
    QVERIFY(!red.isEmpty());
    QVERIFY(
        std::all_of(red.begin(), red.end(), [&](const QPoint &p) { return nearDot(p, otherDot); }));
}

OVELA_TEST_GUI_MAIN(TstOvelaChart)
#include "tst_ovela_chart.moc"
