#include "settings/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_chart.h"
#include "charts/ovela_tempchart_widget.h"
#include "cycle/ovela_calendar.h"

#include "support/testhome.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSignalSpy>

#include <memory>

using DayCode = QPair<QDate, int>;

namespace {

QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

bool isDark(QRgb rgb) { return qGray(rgb) < 128; }
bool isWhite(QRgb rgb) { return rgb == qRgb(255, 255, 255); }

QList<QPoint> redPixels(const QImage &image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 90
                && qBlue(image.pixel(x, y)) < 90)
                points << QPoint(x, y);
    return points;
}

// Every red pixel belongs to the nearest of the dots; the red of each dot is about a digit
// wide and centred on its point.
QString dotsDiffer(const QList<QPoint> &red, const QList<QPoint> &dots)
{
    QList<QRect> boxes(dots.size());
    for (const QPoint &p : red) {
        int nearest = -1;
        for (int i = 0; i < dots.size(); ++i)
            if ((p - dots.at(i)).manhattanLength() <= 12
                && (nearest < 0 || (p - dots.at(i)).manhattanLength()
                                       < (p - dots.at(nearest)).manhattanLength()))
                nearest = i;
        if (nearest < 0)
            return QStringLiteral("stray red at %1,%2").arg(p.x()).arg(p.y());
        boxes[nearest] |= QRect(p, QSize(1, 1));
    }
    for (int i = 0; i < dots.size(); ++i) {
        const QPoint dot = dots.at(i);
        const QRect box = boxes.at(i);
        if (box.isEmpty())
            return QStringLiteral("no dot at %1,%2").arg(dot.x()).arg(dot.y());
        if (box.width() < 5 || box.height() < 5)
            return QStringLiteral("dot at %1,%2 too small").arg(dot.x()).arg(dot.y());
        if ((box.center() - dot).manhattanLength() > 1)
            return QStringLiteral("dot for %1,%2 centred at %3,%4")
                .arg(dot.x()).arg(dot.y()).arg(box.center().x()).arg(box.center().y());
    }
    return QString();
}

// The axes measured from the chart's own rectangle: origin, steps, right and bottom edges.
struct Geometry
{
    explicit Geometry(const QSize &size)
        : R(size.width() - 1), B(size.height() - 1), y0(B - 60), xStep((R - 65) / 6),
          yStep((B - 75) / 9)
    {
    }
    int R, B, x0 = 50, y0, xStep, yStep;
};

// The x of every dark pixel just above the day axis, right of the origin.
QList<int> dayTicksIn(const QImage &image)
{
    const Geometry g(image.size());
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
    void lastDayInTheRightMargin_data();
    void lastDayInTheRightMargin();
    void labels_data();
    void labels();
    void labelsInside_data();
    void labelsInside();
    void followsMonthAndJournal_data();
    void followsMonthAndJournal();
    void pageChartUsesItsOwnRectangle_data();
    void pageChartUsesItsOwnRectangle();
    void temperatureShift_data();
    void temperatureShift();
    void consecutiveDaysAreJoined();

private:
    // The March 2004 chart; a fixed pixel size keeps the captions independent of the screen.
    template<class Chart = OvelaChartWidget>
    std::unique_ptr<Chart> makeChart(const QSize &size, int pixelSize = 11)
    {
        auto chart = std::make_unique<Chart>(cal.get(), *prefs);
        QFont font;
        font.setPixelSize(pixelSize);
        chart->setFont(font);
        chart->resize(size);
        chart->dateChanged(2004, 3);
        return chart;
    }
    void addTemperature(const QDate &date, int code)
    {
        cal->addEntry(date).setTemperature(code);
    }

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
    QLocale::setDefault(QLocale::c());
    cal.reset();
    prefs->setSaveOnExit(false);
    prefs.reset();
}

void TstOvelaChart::ticks_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("dayTicks");
    QTest::addColumn<QList<int>>("tempTicks");
    QTest::addColumn<bool>("darkPalette");
    const QList<int> square{79, 108, 137, 166, 195, 224};
    const QList<int> squareTemps{35, 53, 71, 89, 107, 125, 143, 161, 179};
    QTest::newRow("240 x 240") << QSize(240, 240) << square << squareTemps << false;
    QTest::newRow("240 x 240, dark palette") << QSize(240, 240) << square << squareTemps << true;
    QTest::newRow("320 x 200") << QSize(320, 200) << QList<int>{92, 134, 176, 218, 260, 302}
                               << QList<int>{35, 48, 61, 74, 87, 100, 113, 126, 139} << false;
}

// Both axes with exactly their ticks and labels, in either scale and under a dark desktop
// palette too (the plot stays white), and nothing red without records.
void TstOvelaChart::ticks()
{
    QFETCH(QSize, size);
    QFETCH(QList<int>, dayTicks);
    QFETCH(QList<int>, tempTicks);
    QFETCH(bool, darkPalette);
    const Geometry g(size);
    auto chart = makeChart(size);
    if (darkPalette) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        chart->setPalette(dark);
    }

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
        QVERIFY(isDark(image.pixel(g.x0 + 1, g.y0)) && isDark(image.pixel(g.R - 15, g.y0)));
        QVERIFY(isWhite(image.pixel(g.R - 14, g.y0)));
        QVERIFY(isDark(image.pixel(50, 15)));
        QVERIFY(isWhite(image.pixel(50, 13)) && isWhite(image.pixel(50, g.y0 + 2)));
        int labelInk = 0;
        for (int y = 20; y < g.B - 40; ++y)
            for (int x = 8; x < 44; ++x)
                labelInk += isDark(image.pixel(x, y)) ? 1 : 0;
        QVERIFY(labelInk > 100);
        QCOMPARE(redPixels(image), QList<QPoint>());
    }
}

void TstOvelaChart::dots_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<DayCode>>("records");
    QTest::addColumn<QList<QPoint>>("expected");

    const QSize square(240, 240);
    // x0 = 50, y0 = 179, xStep = 29, yStep = 18: day 15 is 15/5 steps right, code 11 is two up.
    QTest::newRow("15th code 11 on the tick labelled 15")
        << square << QList<DayCode>{{QDate(2004, 3, 15), 11}} << QList<QPoint>{{137, 143}};
    QTest::newRow("5th code 6 on the tick labelled 5")
        << square << QList<DayCode>{{QDate(2004, 3, 5), 6}} << QList<QPoint>{{79, 161}};
    QTest::newRow("30th code 41 on the last ticks")
        << square << QList<DayCode>{{QDate(2004, 3, 30), 41}} << QList<QPoint>{{224, 35}};
    QTest::newRow("1st code 1 a fifth of a tick from the axis")
        << square << QList<DayCode>{{QDate(2004, 3, 1), 1}} << QList<QPoint>{{55, 179}};
    QTest::newRow("several, no other month, no code 0")
        << square
        << QList<DayCode>{{QDate(2004, 2, 29), 20}, {QDate(2004, 3, 2), 21},
                          {QDate(2004, 3, 9), 0}, {QDate(2004, 3, 20), 30},
                          {QDate(2004, 4, 1), 20}}
        << QList<QPoint>{{61, 107}, {166, 75}};
    QTest::newRow("320 x 200, 15th code 11")
        << QSize(320, 200) << QList<DayCode>{{QDate(2004, 3, 15), 11}}
        << QList<QPoint>{{50 + 42 * 15 / 5, 139 - 13 * 10 / 5}};
}

// Red dots where the records put them, nothing else red, and not moved by the scale.
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

    const QList<QPoint> celsius = redPixels(render(chart.get()));
    QCOMPARE(dotsDiffer(celsius, expected), QString());
    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    QCOMPARE(redPixels(render(chart.get())), celsius);
}

void TstOvelaChart::lastDayInTheRightMargin_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("240 x 240") << QSize(240, 240);
    QTest::newRow("1000 x 300") << QSize(1000, 300);
}

// The 31st lies a fifth of a tick beyond "30", its whole dot inside the chart, however wide.
void TstOvelaChart::lastDayInTheRightMargin()
{
    QFETCH(QSize, size);
    addTemperature(QDate(2004, 3, 31), 41);
    auto chart = makeChart(size);
    const QImage image = render(chart.get());
    const QList<int> ticks = dayTicksIn(image);
    QCOMPARE(ticks.size(), 6);
    const int step = ticks.at(1) - ticks.at(0);
    const QPoint dot(ticks.last() + step / 5, Geometry(size).y0 - 8 * Geometry(size).yStep);
    QVERIFY(qAbs(chart->calcDate(QDate(2004, 3, 31), 41).x() - dot.x()) <= 1);
    const QList<QPoint> red = redPixels(image);
    QCOMPARE(dotsDiffer(red, {chart->calcDate(QDate(2004, 3, 31), 41)}), QString());
    const int rightmost = std::max_element(red.begin(), red.end(), [](QPoint a, QPoint b) {
                              return a.x() < b.x();
                          })->x();
    QVERIFY(rightmost < size.width() - 1);
}

void TstOvelaChart::labels_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("values");
    const QStringList celsius{"36.00", "36.25", "36.50", "36.75", "37.00",
                              "37.25", "37.50", "37.75", "38.00"};
    const QStringList fahrenheit{"96.80", "97.30", "97.80",  "98.30", "98.80",
                                 "99.30", "99.80", "100.30", "100.80"};
    const auto withComma = [](QStringList values) {
        return values.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    };
    QTest::newRow("Celsius") << "C" << int(Preferences::Celsius) << celsius;
    QTest::newRow("Fahrenheit") << "C" << int(Preferences::Fahrenheit) << fahrenheit;
    // A decimal comma, as the day dialog and the history show the same values.
    QTest::newRow("Celsius, de_DE") << "de_DE" << int(Preferences::Celsius) << withComma(celsius);
    QTest::newRow("Fahrenheit, de_DE")
        << "de_DE" << int(Preferences::Fahrenheit) << withComma(fahrenheit);
}

// The captions and labels are drawn where the axes put them, in the current scale: compare
// the label areas with the same texts drawn on white at the expected baselines.
void TstOvelaChart::labels()
{
    QFETCH(QString, locale);
    QFETCH(int, format);
    QFETCH(QStringList, values);
    const QSize size(240, 240);
    const Geometry g(size);
    QLocale::setDefault(QLocale(locale));
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    // Small enough that even 100.80 fits left of the ticks at its own size.
    auto chart = makeChart(size, 8);
    const QImage image = render(chart.get());

    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::white);
    {
        QPainter p(&expected);
        p.setFont(chart->font());
        p.setPen(Qt::black);
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

void TstOvelaChart::labelsInside_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("pixelSize");
    const int C = Preferences::Celsius;
    const int F = Preferences::Fahrenheit;
    QTest::newRow("240 x 240 Celsius") << QSize(240, 240) << C << 11;
    QTest::newRow("240 x 240 Fahrenheit") << QSize(240, 240) << F << 11;
    QTest::newRow("240 x 240 Fahrenheit, 16 pixels") << QSize(240, 240) << F << 16;
    QTest::newRow("240 x 240 Fahrenheit, 22 pixels") << QSize(240, 240) << F << 22;
    QTest::newRow("320 x 200 Fahrenheit") << QSize(320, 200) << F << 11;
    QTest::newRow("480 x 560 Celsius, 16 pixels") << QSize(480, 560) << C << 16;
}

// However large the font, nothing is drawn past the chart's own rectangle (replayed without
// the widget's clip), and the temperature labels end before the ticks at x 45 yet still show.
void TstOvelaChart::labelsInside()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(int, pixelSize);
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    addTemperature(QDate(2004, 3, 1), 1);
    addTemperature(QDate(2004, 3, 31), 41);
    auto chart = makeChart(size, pixelSize);

    const QRect drawn = paintedArea(chart.get());
    QCOMPARE(drawn.intersected(chart->rect()), drawn);

    const QImage image = render(chart.get());
    const Geometry g(size);
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

void TstOvelaChart::followsMonthAndJournal_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("dotStays");
    QTest::newRow("month") << "month" << true;
    QTest::newRow("format") << "format" << true;
    QTest::newRow("clear") << "clear" << false;
    QTest::newRow("delete") << "delete" << false;
}

// Every notification the chart listens to schedules a repaint. The journal announces a
// deletion before it removes the record, so the chart must paint afterwards, not at once.
void TstOvelaChart::followsMonthAndJournal()
{
    QFETCH(QString, change);
    QFETCH(bool, dotStays);
    const QDate day(2004, 3, 15);
    addTemperature(day, 11);
    auto chart = makeChart<WatchedChart>(QSize(240, 240));
    chart->journal = cal.get();
    chart->watched = day;
    chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
    QTRY_VERIFY(chart->watchedPresent);
    QCoreApplication::processEvents();
    chart->paints = 0;

    QSignalSpy deleted(cal.get(), &OvelaDatabase::onDeleteEntry);
    if (change == "month")
        chart->dateChanged(2004, 3);
    else if (change == "format")
        prefs->setTemperatureFormat(Preferences::Fahrenheit);
    else if (change == "clear")
        cal->clear();
    else
        cal->removeEntry(day);
    QCOMPARE(chart->paints, 0);
    QTRY_VERIFY(chart->paints > 0);
    QCOMPARE(chart->watchedPresent, dotStays);
    QCOMPARE(redPixels(render(chart.get())).isEmpty(), !dotStays);
    if (change == "delete")
        QCOMPARE(deleted, QList<QList<QVariant>>{{day}});
}

void TstOvelaChart::pageChartUsesItsOwnRectangle_data()
{
    QTest::addColumn<int>("chartHeight");
    QTest::newRow("240 tall") << 240;
    QTest::newRow("180 tall") << 180;
}

// The chart fills the page below the header and starts on today's month, then follows the
// header. Its axes and captions are measured from its own rectangle: the day axis stays 60
// pixels above its last row and "Day" stays inside.
void TstOvelaChart::pageChartUsesItsOwnRectangle()
{
    QFETCH(int, chartHeight);
    const QDate today = QDate::currentDate();
    const QDate day(2004, 3, 15);
    addTemperature(today, 21);
    addTemperature(day, 11);
    OvelaTempChartWidget page(cal.get(), *prefs);
    auto *header =
        page.findChild<OvelaDateBookMonthHeader *>(QStringLiteral("ChartOvelaDatebookHeader"));
    auto *chart = page.findChild<OvelaChartWidget *>(QStringLiteral("ChartOvelaChartWidget"));
    QVERIFY(header && chart);
    QFont font;
    font.setPixelSize(11);
    chart->setFont(font);
    page.resize(qMax(240, page.minimumSizeHint().width()),
                header->sizeHint().height() + chartHeight);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(header->height() > 0);
    QCOMPARE(header->geometry(), QRect(0, 0, page.width(), header->height()));
    QCOMPARE(chart->geometry(), QRect(0, header->height(), page.width(), chartHeight));
    QCOMPARE(dotsDiffer(redPixels(render(chart)), {chart->calcDate(today, 21)}), QString());

    emit header->dateChanged(2004, 3);
    const QImage image = render(chart);
    const Geometry g(chart->size());
    QCOMPARE(tempTicksIn(image).last(), chartHeight - 61);
    QCOMPARE(dayTicksIn(image).last(), g.x0 + 6 * g.xStep);
    QCOMPARE(chart->calcDate(day, 11).y(), g.y0 - 2 * g.yStep);
    QCOMPARE(dotsDiffer(redPixels(image), {chart->calcDate(day, 11)}), QString());
    const QRect drawn = paintedArea(chart);
    QCOMPARE(drawn.intersected(chart->rect()), drawn);
}

namespace {

bool isShiftBlue(QRgb rgb)
{
    return qBlue(rgb) > 120 && qRed(rgb) < 90 && qGreen(rgb) < 120;
}

// Blue pixels in the ring about a point: farther than the dot's radius, within twice it.
int ringPixels(const QImage &image, const QPoint &centre, int dot)
{
    int found = 0;
    for (int y = centre.y() - 2 * dot; y <= centre.y() + 2 * dot; ++y) {
        for (int x = centre.x() - 2 * dot; x <= centre.x() + 2 * dot; ++x) {
            const int dx = x - centre.x();
            const int dy = y - centre.y();
            if (dx * dx + dy * dy > dot * dot && image.valid(x, y)
                && isShiftBlue(image.pixel(x, y)))
                ++found;
        }
    }
    return found;
}

} // namespace

void TstOvelaChart::temperatureShift_data()
{
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<bool>("found");
    // From the 11th (0: none that day). Six at 36.25 or below before it, then three higher,
    // the third 0.3 °C over the cover line.
    QTest::newRow("shift on the 11th, confirmed on the 13th")
        << QList<int>{12, 12, 12, 0, 0, 0, 0, 0, 0, 12} << true;
    QTest::newRow("no shift: the third not high enough, no fourth")
        << QList<int>{8, 8, 8} << false;
    QTest::newRow("no shift: the second falls back, the fourth too")
        << QList<int>{12, 5, 12, 0, 0, 0, 0, 0, 0, 5} << false;
}

// The cover line at the height of the highest of the six, over the days of the cycle in the
// month; rings on the first higher and the confirming temperature; nothing without a shift.
void TstOvelaChart::temperatureShift()
{
    QFETCH(QList<int>, after);
    QFETCH(bool, found);
    cal->addEntry(QDate(2004, 3, 1)).setCervicalFluid(2); // the cycle starts
    const QList<int> before{5, 6, 4, 6, 5, 6, 6, 4, 5, 6};
    for (int i = 0; i < before.size(); ++i)
        addTemperature(QDate(2004, 3, 1 + i), before.at(i));
    for (int i = 0; i < after.size(); ++i)
        if (after.at(i))
            addTemperature(QDate(2004, 3, 11 + i), after.at(i));
    auto chart = makeChart(QSize(480, 360));
    const QImage image = render(chart.get());
    const int dot = 11 / 2 + 1;

    const QList<OvelaChartWidget::ShiftShown> shifts = chart->shiftsShown();
    QCOMPARE(shifts.size(), found ? 1 : 0);
    const QDate first(2004, 3, 11);
    const QDate confirmed(2004, 3, 13);
    const QPoint gap = chart->calcDate(QDate(2004, 3, 17), 6); // no temperature that day
    if (!found) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(!isShiftBlue(image.pixel(x, y)), qPrintable(QStringLiteral("blue at %1,%2").arg(x).arg(y)));
        QVERIFY(chart->accessibleDescription().contains(QLatin1String("no temperature shift")));
        return;
    }
    QCOMPARE(shifts.first().shift.firstHighDay, first);
    QCOMPARE(shifts.first().shift.confirmedDay, confirmed);
    QCOMPARE(shifts.first().shift.coverCode, 6);
    QCOMPARE(shifts.first().from, QDate(2004, 3, 1));
    QCOMPARE(shifts.first().to, QDate(2004, 3, 20)); // the open cycle, as far as the record
    // The line where no dot covers it, at the cover line's height.
    QVERIFY(isShiftBlue(image.pixel(gap)));
    QVERIFY(!isShiftBlue(image.pixel(gap + QPoint(0, -3 * dot))));
    QVERIFY(ringPixels(image, chart->calcDate(first, 12), dot) > 8);
    QVERIFY(ringPixels(image, chart->calcDate(confirmed, 12), dot) > 8);
    // Not the second higher day, nor any before the shift.
    QCOMPARE(ringPixels(image, chart->calcDate(QDate(2004, 3, 12), 12) + QPoint(0, -dot), 2), 0);
    QCOMPARE(ringPixels(image, chart->calcDate(QDate(2004, 3, 4), 6) + QPoint(0, -2 * dot), 2), 0);
    const QString description = chart->accessibleDescription();
    QVERIFY2(description.contains(QLatin1String("temperature shift"))
                 && description.contains(QLocale().toString(first, QLocale::ShortFormat))
                 && description.contains(QLatin1String("36.25")),
             qPrintable(description));

    // The record ends in March: April shows no shift.
    chart->dateChanged(2004, 4);
    QCOMPARE(chart->shiftsShown().size(), 0);
}

// Dots of consecutive days are joined; a day without a temperature breaks the line.
void TstOvelaChart::consecutiveDaysAreJoined()
{
    for (int day : {10, 11, 12, 14})
        addTemperature(QDate(2004, 3, day), 21);
    auto chart = makeChart(QSize(480, 360));
    const QImage image = render(chart.get());
    const auto red = [&image](const QPoint &p) {
        return qRed(image.pixel(p)) > 200 && qGreen(image.pixel(p)) < 90;
    };
    const auto between = [&chart](int a, int b) {
        return (chart->calcDate(QDate(2004, 3, a), 21) + chart->calcDate(QDate(2004, 3, b), 21))
            / 2;
    };
    QVERIFY(red(between(10, 11)));
    QVERIFY(red(between(11, 12)));
    QVERIFY(!red(between(12, 14)));
    QVERIFY(!red(between(12, 14) + QPoint(2, 0)));
}

OVELA_TEST_GUI_MAIN(TstOvelaChart)
#include "tst_ovela_chart.moc"
