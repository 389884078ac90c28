#include "app/ovela_main_widget.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_chart.h"
#include "charts/ovela_tempchart_widget.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"
#include "platform/qpetoolbar.h"
#include "settings/Preferences.h"

#include "support/testhome.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QToolButton>
#include <QtTest>

// What a screen reader reads: names and descriptions through QAccessible, as an assistive
// technology gets them.
namespace {

QString accessible(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// The label a screen reader reads with a control (a combo box's name is its current item).
QString labelOf(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    const auto labels = face ? face->relations(QAccessible::Label)
                             : QList<QPair<QAccessibleInterface *, QAccessible::Relation>>();
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

} // namespace

class TstAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void toolButtonsHaveNamesAndDescriptions()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        const auto *toolBar = window.findChild<QPEToolBar *>();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int buttons = 0;
        for (QToolButton *button : toolBar->findChildren<QToolButton *>()) {
            QAction *action = button->defaultAction();
            if (!action || action->menu())
                continue;
            ++buttons;
            QCOMPARE(accessible(button, QAccessible::Name), action->iconText());
            const QString description = accessible(button, QAccessible::Description);
            QVERIFY2(!description.isEmpty() && description != action->text(),
                     qPrintable(action->text()));
        }
        QCOMPARE(buttons, 8); // the pages, Goto Today, Edit, Delete, Set Start Cycle Date
    }

    void dayCellSaysWhatTheDayHolds()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        preferences.setTemperatureFormat(Preferences::Celsius);
        OvelaMainWindow window(preferences);
        OvelaCalendar *calendar = window.calendar();
        const QDate day(2026, 3, 3);
        calendar->setStartCycleDate(day);
        OvelaRecordEntry entry;
        entry.setTemperature(21); // 37.00 °C
        entry.setCramps(true);
        entry.setCervicalFluid(3);
        calendar->setEntry(entry, day);
        OvelaDateBookMonth *month = window.calendarPage()->monthView();
        month->setDate(day);

        QAccessibleInterface *table =
            QAccessible::queryAccessibleInterface(month->monthTable());
        QVERIFY(table && table->tableInterface());
        QString name, description;
        for (int r = 0; r < table->tableInterface()->rowCount(); ++r) {
            for (int c = 0; c < table->tableInterface()->columnCount(); ++c) {
                QAccessibleInterface *cell = table->tableInterface()->cellAt(r, c);
                if (cell && cell->text(QAccessible::Name) == QLocale().toString(day, QLocale::LongFormat)) {
                    name = cell->text(QAccessible::Name);
                    description = cell->text(QAccessible::Description);
                }
            }
        }
        QVERIFY2(!name.isEmpty(), "no cell is named by its date");
        QCOMPARE(description, QStringLiteral("bleeding day 1, Heavy Bleeding, temperature 37.00 °C, cramps"));
    }

    void chartAndDialogControlsAreNamed()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        auto *chart = window.chartPage()->findChild<OvelaChartWidget *>();
        QCOMPARE(accessible(chart, QAccessible::Name), QStringLiteral("Temperature chart"));
        chart->resize(300, 300);
        chart->grab(); // paints, which keeps the description with the month shown
        QVERIFY(accessible(chart, QAccessible::Description).contains(QLatin1String("temperature")));

        OvelaRecordEntry record;
        OvelaRecordEntryDialog day(&preferences, &record);
        QCOMPARE(labelOf(day.cbCervicalFluid), QStringLiteral("Cervical Fluid"));
        QCOMPARE(labelOf(day.cbBasalTemp), QStringLiteral("Basal Temp"));
        QCOMPARE(accessible(day.ebNote, QAccessible::Name), QStringLiteral("Note"));
        QCOMPARE(accessible(day.chkDoctor, QAccessible::Name), QStringLiteral("Dr's apt."));
        OvelaPreferencesDialog settings;
        QCOMPARE(accessible(settings.ebCyclePeriod, QAccessible::Name), QStringLiteral("Cycle Length"));
        QCOMPARE(accessible(settings.ebLuterPhaseLength, QAccessible::Name),
                 QStringLiteral("Luteal Phase Length"));
    }
};

OVELA_TEST_GUI_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
