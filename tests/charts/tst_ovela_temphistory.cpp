#include "settings/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_temphistory_widget.h"
#include "cycle/ovela_calendar.h"

#include "support/testhome.h"

#include <QHeaderView>
#include <QLayout>
#include <QSignalSpy>
#include <QTableWidget>

#include <memory>

using DayCode = QPair<QDate, int>;
using Row = QPair<QString, QString>;

class TstOvelaTempHistory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout();
    void columnsFitTheirTexts_data();
    void columnsFitTheirTexts();
    void rows_data();
    void rows();
    void decimalSignOfTheLocale_data();
    void decimalSignOfTheLocale();
    void fullMonthThenEmpty();
    void formatChangeRewrites();
    void clearKeepsMonth();
    void deletedDayLeavesAtOnce();
    void startsOnToday();
    void followsItsHeader();

private:
    std::unique_ptr<OvelaTempHistoryWidget> makePage();
    void addTemperature(const QDate &date, int code);
    // The filled rows, in table order.
    QList<Row> listed(const OvelaTempHistoryWidget *page);

    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<OvelaCalendar> cal;
};

void TstOvelaTempHistory::init()
{
    // The listed dates and values follow the locale; these rows are the neutral one's.
    QLocale::setDefault(QLocale::c());
    TestHome::wipe();
    prefs = std::make_unique<Preferences>();
    prefs->setTemperatureFormat(Preferences::Celsius);
    cal = std::make_unique<OvelaCalendar>(*prefs);
}

void TstOvelaTempHistory::cleanup()
{
    cal.reset();
    prefs->setSaveOnExit(false);
    prefs.reset();
}

std::unique_ptr<OvelaTempHistoryWidget> TstOvelaTempHistory::makePage()
{
    return std::make_unique<OvelaTempHistoryWidget>(cal.get(), *prefs);
}

void TstOvelaTempHistory::addTemperature(const QDate &date, int code)
{
    OvelaRecordEntry entry;
    entry.setTemperature(code);
    entry.setNote(QStringLiteral("observed"));
    cal->setEntry(entry, date);
}

QList<Row> TstOvelaTempHistory::listed(const OvelaTempHistoryWidget *page)
{
    auto *table = page->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QList<Row> rows;
    bool blankSeen = false;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString date = table->item(row, 0) ? table->item(row, 0)->text() : QString();
        const QString temp = table->item(row, 1) ? table->item(row, 1)->text() : QString();
        if (date.isEmpty() && temp.isEmpty()) {
            blankSeen = true;
            continue;
        }
        // A gap shows up as a row of its own, so no comparison can pass over it.
        if (blankSeen)
            rows << Row(QStringLiteral("gap"), QString::number(row));
        rows << Row(date, temp);
    }
    return rows;
}

void TstOvelaTempHistory::layout()
{
    auto page = makePage();
    auto *table = page->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 31);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Date"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Temperature C"));
    auto *header = page->findChild<OvelaDateBookMonthHeader *>(QStringLiteral("HistoryHeader"));
    QVERIFY(header);
    page->resize(300, 500);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QCOMPARE(header->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(table->geometry(),
             QRect(0, header->height(), page->width(), page->height() - header->height()));
    auto *box = page->layout();
    QVERIFY(box);
    QCOMPARE(box->contentsMargins(), QMargins());
    QCOMPARE(box->spacing(), 0);
}

void TstOvelaTempHistory::columnsFitTheirTexts_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("handheld font") << 8;
    QTest::newRow("desktop font") << 13;
    QTest::newRow("large font") << 20;
}

// 100 and 84 pixels for a small font; wider where a larger font needs it, never cutting off
// a date, a value or a column label.
void TstOvelaTempHistory::columnsFitTheirTexts()
{
    QFETCH(int, pixelSize);
    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    for (int day = 1; day <= 30; ++day)
        addTemperature(QDate(2004, 9, day), 41);
    auto page = makePage();
    QFont font;
    font.setPixelSize(pixelSize);
    page->setFont(font);
    auto *table = page->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QHeaderView *columns = table->horizontalHeader();
    // The style may give headers a font of their own.
    columns->setFont(font);
    page->fillData(QDate(2004, 9, 1));

    if (pixelSize <= 8) {
        QCOMPARE(columns->sectionSize(0), 100);
        QCOMPARE(columns->sectionSize(1), 84);
    }
    QVERIFY(!table->wordWrap());
    QCOMPARE(listed(page.get()).size(), 30);
    const QFontMetrics fm(table->font());
    QCOMPARE(fm.height(), QFontMetrics(font).height());
    for (int column = 0; column < 2; ++column) {
        QVERIFY(columns->sectionSize(column) >= columns->sectionSizeHint(column));
        for (int row = 0; row < 30; ++row) {
            const QString text = table->item(row, column)->text();
            QVERIFY2(fm.horizontalAdvance(text) + 4 <= columns->sectionSize(column),
                     qPrintable(text));
        }
    }
}

void TstOvelaTempHistory::rows_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QList<DayCode>>("records");
    QTest::addColumn<QList<Row>>("expected");

    const int C = Preferences::Celsius;
    const int F = Preferences::Fahrenheit;
    QTest::newRow("3rd and 17th only")
        << C << QList<DayCode>{{QDate(2004, 3, 17), 21}, {QDate(2004, 3, 3), 2}}
        << QList<Row>{{"Wed 3 Mar 2004", "36.05"}, {"Wed 17 Mar 2004", "37.00"}};
    QTest::newRow("codes 1 and 41 in Celsius")
        << C << QList<DayCode>{{QDate(2004, 3, 1), 1}, {QDate(2004, 3, 31), 41}}
        << QList<Row>{{"Mon 1 Mar 2004", "36.00"}, {"Wed 31 Mar 2004", "38.00"}};
    QTest::newRow("codes 1 and 41 in Fahrenheit")
        << F << QList<DayCode>{{QDate(2004, 3, 1), 1}, {QDate(2004, 3, 31), 41}}
        << QList<Row>{{"Mon 1 Mar 2004", "96.80"}, {"Wed 31 Mar 2004", "100.80"}};
    QTest::newRow("code 21 in Fahrenheit") << F << QList<DayCode>{{QDate(2004, 3, 10), 21}}
                                           << QList<Row>{{"Wed 10 Mar 2004", "98.80"}};
    QTest::newRow("code 0 with other data gives no row")
        << C << QList<DayCode>{{QDate(2004, 3, 4), 0}, {QDate(2004, 3, 5), 3}}
        << QList<Row>{{"Fri 5 Mar 2004", "36.10"}};
    QTest::newRow("codes out of the scale show 0.00")
        << C << QList<DayCode>{{QDate(2004, 3, 8), 42}, {QDate(2004, 3, 9), -1}}
        << QList<Row>{{"Mon 8 Mar 2004", "0.00"}, {"Tue 9 Mar 2004", "0.00"}};
    QTest::newRow("neighbouring months stay out")
        << C
        << QList<DayCode>{{QDate(2004, 2, 29), 5}, {QDate(2004, 3, 2), 6}, {QDate(2004, 4, 1), 7}}
        << QList<Row>{{"Tue 2 Mar 2004", "36.25"}};
}

void TstOvelaTempHistory::rows()
{
    QFETCH(int, format);
    QFETCH(QList<DayCode>, records);
    QFETCH(QList<Row>, expected);
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    for (const DayCode &r : records)
        addTemperature(r.first, r.second);
    QVERIFY(cal->containsEntry(records.first().first));

    auto page = makePage();
    page->fillData(QDate(2004, 3, 20));
    QCOMPARE(listed(page.get()), expected);
}

void TstOvelaTempHistory::decimalSignOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown");
    QTest::newRow("de_DE, Celsius") << "de_DE" << int(Preferences::Celsius) << "36,05";
    QTest::newRow("de_DE, Fahrenheit") << "de_DE" << int(Preferences::Fahrenheit) << "98,30";
    QTest::newRow("fr_FR, Celsius") << "fr_FR" << int(Preferences::Celsius) << "36,05";
    QTest::newRow("en_GB, Celsius") << "en_GB" << int(Preferences::Celsius) << "36.05";
}

// The value is listed with the locale's decimal sign, as the day dialog shows it.
void TstOvelaTempHistory::decimalSignOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, format);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(locale));
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(format));
    addTemperature(QDate(2004, 3, 3), format == Preferences::Celsius ? 2 : 16);
    auto page = makePage();
    page->fillData(QDate(2004, 3, 20));
    const QList<Row> rows = listed(page.get());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().second, shown);
}

void TstOvelaTempHistory::fullMonthThenEmpty()
{
    for (int day = 1; day <= 31; ++day)
        addTemperature(QDate(2004, 1, day), day);
    auto page = makePage();
    page->fillData(QDate(2004, 1, 1));
    const QList<Row> january = listed(page.get());
    QCOMPARE(january.size(), 31);
    QCOMPARE(january.first(), Row("Thu 1 Jan 2004", "36.00"));
    QCOMPARE(january.last(), Row("Sat 31 Jan 2004", "37.50"));

    page->fillData(QDate(2004, 2, 1));
    QCOMPARE(listed(page.get()), QList<Row>());
}

// A real change of format relabels column 1 and rewrites every value from the other scale.
void TstOvelaTempHistory::formatChangeRewrites()
{
    addTemperature(QDate(2004, 3, 3), 1);
    addTemperature(QDate(2004, 3, 17), 41);
    auto page = makePage();
    page->fillData(QDate(2004, 3, 1));
    auto *table = page->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));

    QSignalSpy spy(prefs.get(), &Preferences::temperatureFormatChanged);
    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Preferences::TemperatureFormat>(), Preferences::Fahrenheit);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Temperature F"));
    QCOMPARE(listed(page.get()),
             (QList<Row>{{"Wed 3 Mar 2004", "96.80"}, {"Wed 17 Mar 2004", "100.80"}}));

    prefs->setTemperatureFormat(Preferences::Celsius);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Temperature C"));
    QCOMPARE(listed(page.get()),
             (QList<Row>{{"Wed 3 Mar 2004", "36.00"}, {"Wed 17 Mar 2004", "38.00"}}));
}

void TstOvelaTempHistory::clearKeepsMonth()
{
    addTemperature(QDate(2004, 3, 3), 5);
    auto page = makePage();
    page->fillData(QDate(2004, 3, 1));
    QCOMPARE(listed(page.get()).size(), 1);

    QSignalSpy spy(cal.get(), &OvelaDatabase::onClearDatabase);
    cal->clear();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(listed(page.get()), QList<Row>());

    // Still on March: a refill lists a new March record.
    addTemperature(QDate(2004, 3, 9), 5);
    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    QCOMPARE(listed(page.get()), (QList<Row>{{"Tue 9 Mar 2004", "97.20"}}));
}

// The journal announces a deletion while the record is still stored; the page drops the day
// at once all the same, without waiting to be shown again.
void TstOvelaTempHistory::deletedDayLeavesAtOnce()
{
    const QDate third(2004, 3, 3);
    const QDate seventeenth(2004, 3, 17);
    addTemperature(third, 21);
    addTemperature(seventeenth, 22);
    auto page = makePage();
    page->fillData(QDate(2004, 3, 1));
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    const QList<Row> both{{"Wed 3 Mar 2004", "37.00"}, {"Wed 17 Mar 2004", "37.05"}};
    QCOMPARE(listed(page.get()), both);

    // Added records reach the list only at the next refill.
    addTemperature(QDate(2004, 3, 10), 23);
    QCOMPARE(listed(page.get()), both);

    // Connected after the page, so this runs right after the page's own refill.
    QList<Row> duringSignal;
    bool storedDuringSignal = false;
    connect(cal.get(), &OvelaDatabase::onDeleteEntry, this, [&](const QDate &date) {
        storedDuringSignal = cal->containsEntry(date);
        duringSignal = listed(page.get());
    });
    QSignalSpy spy(cal.get(), &OvelaDatabase::onDeleteEntry);
    cal->removeEntry(seventeenth);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), seventeenth);
    QVERIFY(storedDuringSignal);
    const QList<Row> remaining{{"Wed 3 Mar 2004", "37.00"}, {"Wed 10 Mar 2004", "37.10"}};
    QCOMPARE(duringSignal, remaining);
    QVERIFY(!cal->containsEntry(seventeenth));
    QCOMPARE(listed(page.get()), remaining);
}

void TstOvelaTempHistory::startsOnToday()
{
    const QDate today = QDate::currentDate();
    addTemperature(today, 21);
    auto page = makePage();
    QCOMPARE(listed(page.get()),
             (QList<Row>{{QLocale().dayName(today.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
                              + QLocale().toString(today, QLocale::ShortFormat),
                          "37.00"}}));
}

// A month chosen in the page's own header is listed; the page keeps it for later refills.
void TstOvelaTempHistory::followsItsHeader()
{
    addTemperature(QDate(2004, 3, 3), 2);
    addTemperature(QDate(2004, 4, 3), 3);
    auto page = makePage();
    auto *header = page->findChild<OvelaDateBookMonthHeader *>(QStringLiteral("HistoryHeader"));

    emit header->dateChanged(2004, 3);
    QCOMPARE(listed(page.get()), (QList<Row>{{"Wed 3 Mar 2004", "36.05"}}));
    emit header->dateChanged(2004, 4);
    QCOMPARE(listed(page.get()), (QList<Row>{{"Sat 3 Apr 2004", "36.10"}}));
    page->show();
    QCOMPARE(listed(page.get()), (QList<Row>{{"Sat 3 Apr 2004", "36.10"}}));
}

OVELA_TEST_GUI_MAIN(TstOvelaTempHistory)
#include "tst_ovela_temphistory.moc"
