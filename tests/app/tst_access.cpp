#include "app/ovela_main_widget.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_cycles_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "core/ovela_journal_saver.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "settings/Preferences.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>
#include <QWidgetAction>
#include <QtTest>

#include <memory>

// The window as someone without a mouse, with a screen reader or in another language meets it.
namespace {

// The letter after the single '&' of a text, lower case; null when it has none.
QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return QChar();
}

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TstAccess : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void menusHaveDistinctMnemonicsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void menusHaveDistinctMnemonicsInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (language != QLatin1String("en")) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/ovelaZ_") + language));
            QCoreApplication::installTranslator(&translator);
        }
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QCoreApplication::removeTranslator(&translator);

        auto *bar = window.findChild<QPEMenuBar *>();
        QSet<QChar> titles;
        for (QAction *title : bar->actions()) {
            const QChar key = mnemonic(title->text());
            QVERIFY2(!key.isNull(), qPrintable(title->text()));
            QVERIFY2(!titles.contains(key), qPrintable(title->text()));
            titles.insert(key);
            QSet<QChar> items;
            for (QAction *item : title->menu()->actions()) {
                if (item->isSeparator())
                    continue;
                const QChar itemKey = mnemonic(item->text());
                QVERIFY2(!itemKey.isNull(), qPrintable(item->text()));
                QVERIFY2(!items.contains(itemKey), qPrintable(item->text()));
                items.insert(itemKey);
            }
        }
    }

    // Every command of the tool bar is in a menu too, and the menus are walked with the keys
    // alone: F10 opens the first, the arrows go through all of them.
    void everyCommandIsReachedFromTheKeyboard()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        auto *bar = window.findChild<QPEMenuBar *>();
        QSet<QAction *> inMenus;
        for (QAction *title : bar->actions())
            for (QAction *item : title->menu()->actions())
                if (!item->isSeparator())
                    inMenus.insert(item);
        for (QAction *command : window.findChild<QPEToolBar *>()->actions()) {
            if (!command->isSeparator() && !qobject_cast<QWidgetAction *>(command))
                QVERIFY2(inMenus.contains(command), qPrintable(command->text()));
        }

        QTest::keyClick(&window, Qt::Key_F10);
        QSet<QAction *> reached;
        for (int menu = 0; menu < bar->actions().size(); ++menu) {
            QTRY_VERIFY(QApplication::activePopupWidget());
            auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(open);
            QCOMPARE(open, bar->actions().at(menu)->menu());
            for (int step = 0; step < open->actions().size(); ++step) {
                QTest::keyClick(open, Qt::Key_Down);
                if (open->activeAction())
                    reached.insert(open->activeAction());
            }
            QTest::keyClick(open, Qt::Key_Right);
        }
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        for (QAction *item : std::as_const(inMenus)) {
            if (item->isEnabled())
                QVERIFY2(reached.contains(item), qPrintable(item->text()));
        }
    }

    void shortcutsDoWhatTheySay()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        OvelaDateBookMonth *month = window.calendarPage()->monthView();
        month->setDate(QDate(2026, 1, 31));

        QTest::keyClick(&window, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(month->selectedDate(), QDate(2026, 2, 28));
        QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(month->selectedDate(), QDate(2025, 12, 28));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(month->selectedDate(), QDate::currentDate());

        QTest::keyClick(&window, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(window.pageStack()->currentWidget(), window.cyclesPage());
        QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(window.pageStack()->currentWidget(), window.historyPage());
        QTest::keyClick(&window, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(window.pageStack()->currentWidget(), window.chartPage());
        QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(window.pageStack()->currentWidget(), window.calendarPage());
        QString legend;
        Modal::answer([&legend](QWidget *w) {
            legend = w->objectName();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(legend, QStringLiteral("OvelaLegendDialog"));

        // Commands without a key of their own are few, and each has its menu's mnemonic.
        QStringList withoutKey;
        for (QAction *title : window.findChild<QPEMenuBar *>()->actions()) {
            for (QAction *action : title->menu()->actions()) {
                if (!action->isSeparator() && action->shortcut().isEmpty())
                    withoutKey << action->objectName();
            }
        }
        withoutKey.sort();
        QCOMPARE(withoutKey,
                 (QStringList{"clearDatabaseAction", "restoreAction", "startCycleAction"}));
    }

    // Tab goes round every control of each page, and each one it stops at has a name and a
    // role a screen reader can say.
    void tabReachesEveryNamedControl_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("calendar") << 0;
        QTest::newRow("chart") << 1;
        QTest::newRow("history") << 2;
        QTest::newRow("cycles") << 3;
    }

    void tabReachesEveryNamedControl()
    {
        QFETCH(int, page);
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.resize(800, 700); // every tool bar button in sight
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<QAction *> pages = {window.findChild<QAction *>("calendarAction"),
                                        window.findChild<QAction *>("tempChartAction"),
                                        window.findChild<QAction *>("tempHistoryAction"),
                                        window.findChild<QAction *>("cyclesAction")};
        pages.at(page)->trigger();

        // Round and round: the chain closes on itself without a stop that traps Tab.
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        QList<QWidget *> chain;
        while (!chain.contains(w) && chain.size() < 60) {
            chain << w;
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        }
        const QSet<QWidget *> reached(chain.cbegin(), chain.cend());
        QVERIFY2(chain.size() < 60 && chain.indexOf(w) <= 1, "Tab is caught in a loop");

        for (QWidget *control : window.findChildren<QWidget *>()) {
            // A control's own parts (a spin box's line) are reached as the control.
            if (!control->isVisible() || !control->isEnabled()
                || !(control->focusPolicy() & Qt::TabFocus)
                || control->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QString what = control->objectName() + QLatin1Char(' ')
                + QString::fromLatin1(control->metaObject()->className());
            QVERIFY2(reached.contains(control), qPrintable(what + QStringLiteral(" not reached")));
            QAccessibleInterface *face = accessibleOf(control);
            QVERIFY2(face && !face->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(what + QStringLiteral(" has no name")));
            QVERIFY2(face->role() != QAccessible::NoRole && face->role() != QAccessible::Client,
                     qPrintable(what + QStringLiteral(" has no role")));
        }
    }

    // The warning of a failed save is an alert a screen reader announces, and it appears
    // without moving the calendar she may be tapping.
    void saveWarningIsAnAlertAndMovesNothing()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.resize(360, 640);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *table = window.calendarPage()->monthView()->monthTable();
        QCoreApplication::processEvents();
        const QPoint before = table->mapTo(&window, QPoint());

        emit window.saver()->saveFailed(QStringLiteral("No space left on device"));

        QFrame *warning = window.saveWarning();
        QTRY_VERIFY(warning->isVisible());
        // The role a screen reader announces when it appears.
        QCOMPARE(accessibleOf(warning)->role(), QAccessible::AlertMessage);
        QVERIFY(accessibleOf(warning)->text(QAccessible::Description).contains(
            QLatin1String("No space left on device")));
        QTRY_COMPARE(table->mapTo(&window, QPoint()), before);
    }

    void newDiaryTakesTheLocalesUnit_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("unit");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << int(Preferences::Fahrenheit);
        QTest::newRow("es_PR") << QLocale(QLocale::Spanish, QLocale::PuertoRico)
                               << int(Preferences::Fahrenheit);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany)
                               << int(Preferences::Celsius);
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                               << int(Preferences::Celsius);
        QTest::newRow("en_LR") << QLocale(QLocale::English, QLocale::Liberia)
                               << int(Preferences::Celsius);
    }

    void newDiaryTakesTheLocalesUnit()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, unit);
        const QLocale previous;
        QLocale::setDefault(locale);
        {
            Preferences fresh;
            fresh.setSaveOnExit(false);
            QCOMPARE(int(fresh.getTemperatureFormat()), unit);
        }
        // A stored choice is kept whatever the locale.
        {
            Preferences chosen;
            chosen.setTemperatureFormat(unit == Preferences::Celsius ? Preferences::Fahrenheit
                                                                      : Preferences::Celsius);
        }
        Preferences again;
        again.setSaveOnExit(false);
        QVERIFY(int(again.getTemperatureFormat()) != unit);
        QLocale::setDefault(previous);
    }

    void firstWeekdayFollowsTheLocaleUntilChosen()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        {
            Preferences preferences;
            QCOMPARE(preferences.getFirstWeekday(), 0);
            QVERIFY(!preferences.weekStartsMonday());
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            QVERIFY(preferences.weekStartsMonday());
            OvelaMainWindow window(preferences);
            QVERIFY(window.calendarPage()->monthView()->monthTable()->weekStartsOnMonday());
            preferences.setFirstWeekday(Qt::Sunday);
        }
        // Her choice is the diary's own, kept in its settings beside the platform's store.
        Preferences preferences;
        preferences.setSaveOnExit(false);
        QCOMPARE(preferences.getFirstWeekday(), int(Qt::Sunday));
        OvelaMainWindow window(preferences);
        QVERIFY(!window.calendarPage()->monthView()->monthTable()->weekStartsOnMonday());
        QLocale::setDefault(previous);
    }

    // The counted texts of the window take the plural form of each language.
    void pluralsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::newRow("en") << "en" << "M: 1 temperature from a to b c"
                            << "M: 2 temperatures from a to b c";
        QTest::newRow("de") << "de" << "M: 1 Temperatur von a bis b c"
                            << "M: 2 Temperaturen von a bis b c";
        QTest::newRow("fr") << "fr" << QString::fromUtf8("M\u00a0: 1 température de a à b c")
                            << QString::fromUtf8("M\u00a0: 2 températures de a à b c");
        QTest::newRow("es") << "es" << QString::fromUtf8("M: 1 temperatura, de a a b c")
                            << QString::fromUtf8("M: 2 temperaturas, de a a b c");
    }

    void pluralsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, one);
        QFETCH(QString, two);
        // English too: only its plural forms are translated.
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ovelaZ_") + language));
        QCoreApplication::installTranslator(&translator);
        auto text = [](int n) {
            return QCoreApplication::translate("OvelaChartWidget",
                                               "%1: %n temperatures from %2 to %3 %4", nullptr, n)
                .arg(QStringLiteral("M"), QStringLiteral("a"), QStringLiteral("b"),
                     QStringLiteral("c"));
        };
        const QString first = text(1);
        const QString second = text(2);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(first, one);
        QCOMPARE(second, two);
    }
};

OVELA_TEST_GUI_MAIN(TstAccess)
#include "tst_access.moc"
