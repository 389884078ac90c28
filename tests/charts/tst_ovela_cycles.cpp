#include "charts/ovela_cycles_widget.h"
#include "core/utils.h"
#include "cycle/ovela_calendar.h"
#include "cycle/ovela_cycle_insight.h"
#include "journaltool/ovela_journal_insight.h"
#include "settings/Preferences.h"

#include "support/testhome.h"

#include <QAbstractItemModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableView>
#include <QTextStream>
#include <QtTest>

#include <memory>

// The Cycles page shows what the companion's `cycles` and `stats` print for the same journal,
// and follows the journal as it changes.
namespace {

struct Bleeding
{
    QDate start;
    int days;
};

// What `ovela-journal cycles --json` (no today) or `stats --json` prints for the journal.
QJsonDocument companion(const OvelaCycleMethod &journal, const QDate &today = QDate())
{
    QString text;
    QTextStream out(&text);
    if (today.isValid())
        runStatsCommand(journal, true, out, today);
    else
        runCyclesCommand(journal, true, out);
    out.flush();
    return QJsonDocument::fromJson(text.toUtf8());
}

QString cell(const QTableView *table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

QString shortDate(const QJsonValue &iso)
{
    return QLocale().toString(QDate::fromString(iso.toString(), Qt::ISODate), QLocale::ShortFormat);
}

} // namespace

class TstOvelaCycles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsWhatTheCompanionPrints_data();
    void showsWhatTheCompanionPrints();
    void followsTheJournal();

private:
    void record(const QList<Bleeding> &periods, const QList<QPair<QDate, QList<int>>> &temperatures)
    {
        for (const Bleeding &b : periods)
            for (int d = 0; d < b.days; ++d)
                cal->addEntry(b.start.addDays(d)).setCervicalFluid(d == 0 ? 3 : 2);
        for (const auto &run : temperatures)
            for (int i = 0; i < run.second.size(); ++i)
                if (run.second.at(i))
                    cal->addEntry(run.first.addDays(i)).setTemperature(run.second.at(i));
    }
    QTableView *table(const char *name) const { return page->findChild<QTableView *>(name); }

    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<OvelaCalendar> cal;
    std::unique_ptr<OvelaCyclesWidget> page;
};

void TstOvelaCycles::init()
{
    TestHome::wipe();
    prefs = std::make_unique<Preferences>();
    prefs->setTemperatureFormat(Preferences::Celsius);
    cal = std::make_unique<OvelaCalendar>(*prefs);
    page = std::make_unique<OvelaCyclesWidget>(cal.get(), *prefs);
}

void TstOvelaCycles::cleanup()
{
    page.reset();
    cal.reset();
    QLocale::setDefault(QLocale::c());
    prefs->setSaveOnExit(false);
    prefs.reset();
}

void TstOvelaCycles::showsWhatTheCompanionPrints_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("calendarStart");
    QTest::addColumn<int>("cycleCount");
    QTest::addColumn<int>("predictionCount");

    const int C = Preferences::Celsius;
    const int F = Preferences::Fahrenheit;
    const QDate soon(2026, 4, 10);
    QTest::newRow("four starts, a shift, en_US") << "en_US" << C << soon << QDate() << 4 << 3;
    QTest::newRow("Fahrenheit, de_DE, the diary's calendar")
        << "de_DE" << F << soon << QDate(2026, 3, 30) << 4 << 3;
    QTest::newRow("record ended long ago: no prediction")
        << "fr_FR" << C << QDate(2027, 1, 1) << QDate() << 4 << 0;
}

void TstOvelaCycles::showsWhatTheCompanionPrints()
{
    QFETCH(QString, locale);
    QFETCH(int, unit);
    QFETCH(QDate, today);
    QFETCH(QDate, calendarStart);
    QFETCH(int, cycleCount);
    QFETCH(int, predictionCount);
    QLocale::setDefault(QLocale(locale));
    prefs->setTemperatureFormat(Preferences::TemperatureFormat(unit));
    if (calendarStart.isValid())
        cal->setStartCycleDate(calendarStart);
    // 28, 31 and 26 days; a gap of one unrecorded day inside the second bleeding; the second
    // cycle has a shift on its 15th day (36.25 six times, then 36.55 three times).
    record({{QDate(2026, 1, 1), 5}, {QDate(2026, 1, 29), 4}, {QDate(2026, 3, 1), 6},
            {QDate(2026, 3, 27), 3}},
           {{QDate(2026, 2, 6), {6, 5, 6, 4, 6, 6, 12, 12, 12, 13}}});
    cal->removeEntry(QDate(2026, 1, 30));
    page->setToday(today);

    const QJsonArray cycles = companion(*cal).array();
    QCOMPARE(cycles.size(), cycleCount);
    const QTableView *cyclesTable = table("CyclesTable");
    QCOMPARE(cyclesTable->model()->rowCount(), cycleCount);
    bool shiftSeen = false;
    for (int row = 0; row < cycleCount; ++row) {
        // The latest first.
        const QJsonObject c = cycles.at(cycleCount - 1 - row).toObject();
        QCOMPARE(cell(cyclesTable, row, 0), shortDate(c["start"]));
        QCOMPARE(cell(cyclesTable, row, 1),
                 c["length"].isNull() ? QStringLiteral("current")
                                      : QLocale().toString(c["length"].toInt()));
        QCOMPARE(cell(cyclesTable, row, 2), QLocale().toString(c["bleedingDays"].toInt()));
        const QJsonObject shift = c["shift"].toObject();
        if (!shift["detected"].toBool()) {
            for (int column = 3; column <= 5; ++column)
                QCOMPARE(cell(cyclesTable, row, column), QStringLiteral("–"));
            continue;
        }
        shiftSeen = true;
        QVERIFY(cell(cyclesTable, row, 3).startsWith(shortDate(shift["firstHighDay"])));
        QVERIFY(cell(cyclesTable, row, 4).startsWith(shortDate(shift["confirmedDay"])));
        const double celsius = shift["ltl"].toDouble();
        const int code = qRound((celsius - 36.0) / 0.05) + 1;
        const QString cover = unit == Preferences::Fahrenheit
            ? QLocale().toString(double(getFahrenheit(code - 1)), 'f', 2) + QStringLiteral(" °F")
            : QLocale().toString(celsius, 'f', 2) + QStringLiteral(" °C");
        QCOMPARE(cell(cyclesTable, row, 5), cover);
    }
    QVERIFY(shiftSeen);

    const QJsonObject stats = companion(*cal, today).object();
    const QTableView *statisticsTable = table("StatisticsTable");
    const char *keys[] = {"count",   "mean",    "median",          "standardDeviation",
                          "shortest", "longest", "meanBleedingDays"};
    for (int column = 1; column <= 2; ++column) {
        const QJsonObject figures = stats[column == 1 ? "all" : "last12"].toObject();
        QCOMPARE(figures["count"].toInt(), 3);
        for (int row = 0; row < 7; ++row) {
            const QJsonValue value = figures[QLatin1String(keys[row])];
            const bool whole = row == 0 || row == 4 || row == 5;
            QCOMPARE(cell(statisticsTable, row, column),
                     whole ? QLocale().toString(value.toInt())
                           : QLocale().toString(value.toDouble(), 'f', 1));
        }
    }

    const QJsonArray next = stats["predictions"].toArray();
    QCOMPARE(next.size(), predictionCount);
    const QTableView *predictionsTable = table("PredictionsTable");
    QCOMPARE(predictionsTable->model()->rowCount(), predictionCount);
    for (int row = 0; row < predictionCount; ++row) {
        const QJsonObject p = next.at(row).toObject();
        QCOMPARE(cell(predictionsTable, row, 0), shortDate(p["start"]));
        QCOMPARE(cell(predictionsTable, row, 1), shortDate(p["earliest"]));
        QCOMPARE(cell(predictionsTable, row, 2), shortDate(p["latest"]));
        QCOMPARE(cell(predictionsTable, row, 3),
                 p["calendarStart"].isNull() ? QStringLiteral("–") : shortDate(p["calendarStart"]));
    }
    // Today's day of the cycle that started on the last start; a record that ended long ago
    // names that start and counts no day.
    const QString summary = page->findChild<QLabel *>(QStringLiteral("CyclesSummary"))->text();
    const qint64 day = QDate(2026, 3, 27).daysTo(today) + 1;
    QCOMPARE(summary.contains(QStringLiteral("day %1 ").arg(QLocale().toString(day))),
             day <= CycleInsight::GapLength);
    QVERIFY2(summary.contains(QLocale().toString(QDate(2026, 3, 27), QLocale::LongFormat)),
             qPrintable(summary));
}

// Records added, changed and deleted, the start date and the unit reach the page shown at
// once; a change made while it is hidden when it is shown again.
void TstOvelaCycles::followsTheJournal()
{
    const QDate base = QDate::currentDate().addDays(-60);
    const auto shown = [](const QDate &d) { return QLocale().toString(d, QLocale::ShortFormat); };
    record({{base, 3}, {base.addDays(28), 3}},
           {{base.addDays(5), {6, 5, 6, 4, 6, 6, 12, 12, 12}}});
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    const QTableView *cycles = table("CyclesTable");
    const QTableView *predictions = table("PredictionsTable");
    QCOMPARE(cycles->model()->rowCount(), 2);
    QCOMPARE(cell(cycles, 1, 5), QStringLiteral("36.25 °C"));
    QVERIFY(predictions->model()->rowCount() > 0);
    QCOMPARE(cell(predictions, 0, 3), QStringLiteral("–"));

    // A change that alters no cycle leaves her place in the table.
    QTableView *moving = table("CyclesTable");
    moving->setCurrentIndex(moving->model()->index(1, 2));
    cal->addEntry(base.addDays(40)).setNote(QStringLiteral("a walk"));
    QCoreApplication::processEvents();
    QCOMPARE(moving->currentIndex(), moving->model()->index(1, 2));

    // The journal announces a new record before it is filled in.
    cal->addEntry(base.addDays(56)).setCervicalFluid(2);
    QTRY_COMPARE(cycles->model()->rowCount(), 3);
    QCOMPARE(cell(cycles, 0, 0), shown(base.addDays(56)));

    // ... and a deletion before the record is gone.
    cal->removeEntry(base.addDays(56));
    QTRY_COMPARE(cycles->model()->rowCount(), 2);

    OvelaRecordEntry changed = cal->getEntry(base.addDays(28));
    changed.setCervicalFluid(0);
    cal->setEntry(changed, base.addDays(28));
    QTRY_COMPARE(cell(cycles, 0, 0), shown(base.addDays(29)));

    cal->setStartCycleDate(base.addDays(29));
    QTRY_VERIFY(cell(predictions, 0, 3) != QStringLiteral("–"));

    prefs->setTemperatureFormat(Preferences::Fahrenheit);
    QTRY_COMPARE(cell(cycles, 1, 5), QStringLiteral("97.30 °F"));

    page->hide();
    cal->clear();
    QCoreApplication::processEvents();
    QCOMPARE(cycles->model()->rowCount(), 2);
    page->show();
    QCOMPARE(cycles->model()->rowCount(), 0);
}

OVELA_TEST_GUI_MAIN(TstOvelaCycles)
#include "tst_ovela_cycles.moc"
