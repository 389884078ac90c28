#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_cycles_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/About.h"
#include "dialogs/OvelaRecordEntry.h"
#include "platform/qpetoolbar.h"
#include "platform/resource.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QScreen>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QWidgetAction>

// The whole window as a person uses it: pages, commands, their states.
class TstPages : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    void menusAndToolBarRead();
    void eachCommandHasItsOwnIcon();
    void toolBarCannotBeHidden();
    void menusStayInSightAtALargeFont();
    void editStaysAfterTappingAnEmptyDay();
    void startsOnTheLastPage_data();
    void startsOnTheLastPage();
    void exactlyOneViewIsOnAfterEveryRaise();
    void deleteFollowsTheSelectedDay();
    void deleteAtStartFollowsToday();
    void clearDatabaseAsksFirst_data();
    void clearDatabaseAsksFirst();
    void aboutOpensAndCloses();
    void editShowsOnTheOtherPages();
    void otherPagesAreMadeWhenFirstShown();
    void pagesFitAPhone_data();
    void pagesFitAPhone();

private:
    struct Window
    {
        std::unique_ptr<Preferences> prefs = std::make_unique<Preferences>();
        std::unique_ptr<OvelaMainWindow> window;
        Window(int lastViewId = 0)
        {
            prefs->setLastViewId(lastViewId);
            window = std::make_unique<OvelaMainWindow>(*prefs);
            window->resize(420, 700);
            window->show();
        }
        ~Window()
        {
            window.reset();
            prefs->setSaveOnExit(false);
        }
        QList<QMenu *> menus() const
        {
            QList<QMenu *> found;
            for (QAction *a : window->findChild<QPEMenuBar *>()->actions())
                found << a->menu();
            return found;
        }
        QList<QAction *> toolButtons() const
        {
            QList<QAction *> buttons;
            for (QAction *a : window->findChild<QPEToolBar *>()->actions())
                if (!qobject_cast<QWidgetAction *>(a))
                    buttons << a;
            return buttons;
        }
        QAction *button(const QString &text) const
        {
            for (QAction *a : toolButtons())
                if (a->iconText() == text)
                    return a;
            return nullptr;
        }
        QAction *tool(const QString &text) const
        {
            for (QAction *a : menus().at(1)->actions())
                if (a->iconText() == text)
                    return a;
            return nullptr;
        }
    };
};

static QStringList texts(const QList<QAction *> &actions)
{
    QStringList list;
    for (QAction *a : actions)
        list << (a->isSeparator() ? QStringLiteral("--") : a->iconText()); // without its mnemonic
    return list;
}

void TstPages::menusAndToolBarRead()
{
    Window w;
    const QList<QMenu *> menus = w.menus();
    // The two menus of old, each with a mnemonic, and the day's commands in a third.
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus.at(0)->title(), QStringLiteral("&View"));
    QCOMPARE(menus.at(1)->title(), QStringLiteral("&Tools"));
    QCOMPARE(menus.at(2)->title(), QStringLiteral("&Day"));
    QCOMPARE(texts(menus.at(0)->actions()),
             QStringList({"Calendar", "--", "Temperature chart", "Temperature history", "Cycles",
                          "--", "Previous Month", "Next Month", "--", "Calendar Legend"}));
    QCOMPARE(texts(menus.at(1)->actions()),
             QStringList({"Goto Today", "Clear Database", "Restore from a backup...",
                          "Preferences ...", "--", "About ...", "--", "Quit"}));
    QCOMPARE(texts(menus.at(2)->actions()),
             QStringList({"Edit", "Delete", "--", "Set Start Cycle Date"}));

    // The menu bar first, then the eight buttons in order, each with an icon.
    QToolBar *bar = w.window->findChild<QPEToolBar *>();
    QVERIFY(qobject_cast<QWidgetAction *>(bar->actions().first()));
    QCOMPARE(texts(w.toolButtons()),
             QStringList({"Calendar", "Temperature chart", "Temperature history", "Cycles",
                          "Goto Today", "Edit", "Delete", "Set Start Cycle Date"}));
    for (QAction *a : w.toolButtons())
        QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));

    // The stack holds the four pages under their ids.
    QStackedWidget *stack = w.window->pageStack();
    QCOMPARE(stack->count(), 4);
    QVERIFY(qobject_cast<OvelaCentralWidget *>(stack->widget(0)));
    QCOMPARE(stack->widget(1), static_cast<QWidget *>(w.window->chartPage()));
    QCOMPARE(stack->widget(2), static_cast<QWidget *>(w.window->historyPage()));
    QCOMPARE(stack->widget(3), static_cast<QWidget *>(w.window->cyclesPage()));
}

// Compared with the named image, so that two commands cannot trade icons unnoticed.
void TstPages::eachCommandHasItsOwnIcon()
{
    Window w;
    const QList<QPair<QAction *, const char *>> icons{
        {w.button(QStringLiteral("Calendar")), "ovelaZ/calendar-view"},
        {w.button(QStringLiteral("Temperature chart")), "ovelaZ/chart-view"},
        {w.button(QStringLiteral("Temperature history")), "ovelaZ/history-view"},
        {w.button(QStringLiteral("Cycles")), "ovelaZ/cycles-view"},
        {w.button(QStringLiteral("Goto Today")), "ovelaZ/gototoday"},
        {w.button(QStringLiteral("Edit")), "ovelaZ/pencil"},
        {w.button(QStringLiteral("Delete")), "trash"},
        {w.button(QStringLiteral("Set Start Cycle Date")), "ovelaZ/startcycle"},
        {w.tool(QStringLiteral("Preferences ...")), "ovelaZ/preferences"}};
    for (const auto &icon : icons) {
        const QImage expected = QIcon(Resource::loadPixmap(QLatin1String(icon.second)))
                                    .pixmap(24, 24).toImage();
        QVERIFY(!expected.isNull());
        QVERIFY2(icon.first->icon().pixmap(24, 24).toImage() == expected, icon.second);
    }
}

// The bar holds every command: the window offers no item that would hide it.
void TstPages::toolBarCannotBeHidden()
{
    Window w;
    std::unique_ptr<QMenu> popup(w.window->createPopupMenu());
    if (popup)
        for (QAction *a : popup->actions())
            QVERIFY2(!a->isVisible(), qPrintable(a->text()));
}

// At a large font the bar folds its buttons away before the menus: "View" and "Tools" stay.
void TstPages::menusStayInSightAtALargeFont()
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPixelSize(22);
    QApplication::setFont(large);
    {
        Window w;
        w.window->resize(320, 600); // room for the menus, not for every button
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto *menuBar = w.window->findChild<QPEMenuBar *>();
        for (QAction *menu : menuBar->actions()) {
            const QRect shown = menuBar->actionGeometry(menu);
            QVERIFY2(!shown.isEmpty() && menuBar->rect().contains(shown),
                     qPrintable(menu->text()));
        }
        QVERIFY(menuBar->isVisible());
    }
    QApplication::setFont(normal);
}

void TstPages::editStaysAfterTappingAnEmptyDay()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    OvelaDateBookMonth *month = w.window->calendarPage()->monthView();
    month->setDate(QDate(2025, 2, 10));
    OvelaDateBookMonthTable *table = month->monthTable();
    int row = 0;
    int col = 0;
    table->findDay(12, row, col);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(row, col)).center());
    QCOMPARE(month->selectedDate(), QDate(2025, 2, 12));
    QVERIFY(w.button(QStringLiteral("Edit"))->isEnabled());
    QVERIFY(!w.button(QStringLiteral("Delete"))->isEnabled());
}

void TstPages::startsOnTheLastPage_data()
{
    QTest::addColumn<int>("lastViewId");
    QTest::addColumn<int>("page");
    QTest::newRow("0 calendar") << 0 << 0;
    QTest::newRow("1 chart") << 1 << 1;
    QTest::newRow("2 history") << 2 << 2;
    QTest::newRow("3 cycles") << 3 << 3;
    QTest::newRow("5 falls back to the calendar") << 5 << 0;
    QTest::newRow("-1 falls back to the calendar") << -1 << 0;
}

void TstPages::startsOnTheLastPage()
{
    QFETCH(int, lastViewId);
    QFETCH(int, page);
    Window w(lastViewId);
    QCOMPARE(w.window->pageStack()->currentIndex(), page);
    QCOMPARE(w.prefs->getLastViewId(), page); // written back, 5 and -1 as 0
    QCOMPARE(w.button(QStringLiteral("Calendar"))->isChecked(), page == 0);
    QCOMPARE(w.button(QStringLiteral("Temperature chart"))->isChecked(), page == 1);
    QCOMPARE(w.button(QStringLiteral("Temperature history"))->isChecked(), page == 2);
    QCOMPARE(w.button(QStringLiteral("Cycles"))->isChecked(), page == 3);
    QCOMPARE(w.button(QStringLiteral("Goto Today"))->isEnabled(), page == 0);
    QCOMPARE(w.button(QStringLiteral("Edit"))->isEnabled(), page == 0);
    QVERIFY(!w.button(QStringLiteral("Delete"))->isEnabled());
    QVERIFY(w.button(QStringLiteral("Set Start Cycle Date"))->isEnabled());
    QVERIFY(w.tool(QStringLiteral("Clear Database"))->isEnabled());
    QVERIFY(w.tool(QStringLiteral("Preferences ..."))->isEnabled());
    QVERIFY(w.tool(QStringLiteral("About ..."))->isEnabled());
}

void TstPages::exactlyOneViewIsOnAfterEveryRaise()
{
    Window w;
    const QStringList views = {"Calendar", "Temperature chart", "Temperature history", "Cycles"};
    // Every order of taps, including tapping the one already on.
    for (const char *tapped : {"Temperature chart", "Temperature chart", "Calendar",
                               "Temperature history", "Calendar", "Calendar",
                               "Temperature history", "Cycles", "Cycles", "Temperature chart",
                               "Cycles", "Calendar"}) {
        const QString tap = QLatin1String(tapped);
        w.button(tap)->trigger();
        const int page = views.indexOf(tap);
        QCOMPARE(w.window->pageStack()->currentIndex(), page);
        QCOMPARE(w.prefs->getLastViewId(), page);
        for (const QString &v : views)
            QVERIFY2(w.button(v)->isChecked() == (v == tap), qPrintable(tap + " / " + v));
        QCOMPARE(w.button(QStringLiteral("Edit"))->isEnabled(), page == 0);
        QCOMPARE(w.button(QStringLiteral("Goto Today"))->isEnabled(), page == 0);
    }
}

void TstPages::deleteFollowsTheSelectedDay()
{
    Window w;
    OvelaRecordEntry record;
    record.setCramps(true);
    w.window->calendar()->setEntry(record, QDate(2025, 2, 14));
    OvelaDateBookMonth *month = w.window->calendarPage()->monthView();
    QAction *del = w.button(QStringLiteral("Delete"));

    month->setDate(QDate(2025, 2, 14));
    emit month->dateClicked(2025, 2, 14);
    QVERIFY(del->isEnabled());
    emit month->dateClicked(2025, 2, 15);
    QVERIFY(!del->isEnabled());
    month->setDate(QDate(2025, 2, 14));
    emit month->dateClicked(2025, 2, 14);
    QVERIFY(del->isEnabled());

    // Still usable on the history page, where it acts on the calendar's selected day.
    w.button(QStringLiteral("Temperature history"))->trigger();
    QVERIFY(del->isEnabled());
    Modal::press(QStringLiteral("yesButton"));
    del->trigger();
    QVERIFY(!w.window->calendar()->containsEntry(QDate(2025, 2, 14)));
    QVERIFY(!del->isEnabled());
    QCOMPARE(w.window->pageStack()->currentIndex(), 2);
}

void TstPages::deleteAtStartFollowsToday()
{
    {
        Window w;
        OvelaRecordEntry record;
        record.setTemperature(10);
        w.window->calendar()->setEntry(record, QDate::currentDate());
        // The journal is written when the window goes, and read by the next one.
    }
    Window again;
    QVERIFY(again.window->calendar()->containsEntry(QDate::currentDate()));
    QVERIFY(again.button(QStringLiteral("Delete"))->isEnabled());
}

void TstPages::clearDatabaseAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("No changes nothing") << "noButton" << false;
    QTest::newRow("Yes empties the journal") << "yesButton" << true;
}

void TstPages::clearDatabaseAsksFirst()
{
    QFETCH(QString, answer);
    QFETCH(bool, cleared);
    Window w(2);
    OvelaCalendar *cal = w.window->calendar();
    const QDate start(2025, 1, 3);
    cal->setStartCycleDate(start);
    OvelaRecordEntry record;
    record.setTemperature(12);
    const QDate today = QDate::currentDate();
    cal->setEntry(record, today);
    w.window->historyPage()->fillData(today);
    auto *table = w.window->historyPage()->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QVERIFY(table->item(0, 0) && !table->item(0, 0)->text().isEmpty());

    QString caption;
    QString text;
    Modal::answer([&](QWidget *box) {
        caption = box->windowTitle();
        text = qobject_cast<QMessageBox *>(box)->text();
        box->findChild<QAbstractButton *>(answer)->click();
    });
    w.tool(QStringLiteral("Clear Database"))->trigger();

    QCOMPARE(caption, QStringLiteral("Quorin"));
    QCOMPARE(text, QStringLiteral("Are you sure, you want \nto delete all data \n from your diary?"));
    QCOMPARE(cal->containsEntry(today), !cleared);
    QCOMPARE(cal->getStartCycleDate(), start);  // kept either way
    QCOMPARE(w.prefs->getCycleLength(), 28);    // the settings are not the journal
    // The history page refilled at once.
    QCOMPARE(table->item(0, 0) ? table->item(0, 0)->text().isEmpty() : true, cleared);
}

void TstPages::aboutOpensAndCloses()
{
    Window w;
    QString name;
    bool modal = false;
    Modal::answer([&](QWidget *box) {
        name = box->objectName();
        modal = box->isModal();
        qobject_cast<QDialog *>(box)->reject();
    });
    w.tool(QStringLiteral("About ..."))->trigger();
    QCOMPARE(name, QStringLiteral("AboutDialog"));
    QVERIFY(modal);
    QVERIFY(!w.window->findChild<AboutDialog *>()); // destroyed when the command returns
    QCOMPARE(w.window->pageStack()->currentIndex(), 0);
}

void TstPages::editShowsOnTheOtherPages()
{
    Window w;
    OvelaDateBookMonth *month = w.window->calendarPage()->monthView();
    const QDate day(QDate::currentDate().year(), QDate::currentDate().month(), 3);
    month->setDate(day);
    Modal::run<OvelaRecordEntryDialog>(
        [](OvelaRecordEntryDialog *d) { d->cbBasalTemp->setCurrentIndex(41); }, true);
    w.button(QStringLiteral("Edit"))->trigger();
    QCOMPARE(w.window->calendar()->getEntry(day).getTemperature(), 41);
    QVERIFY(w.button(QStringLiteral("Delete"))->isEnabled());

    // The history lists the new temperature when it is raised (its month is today's).
    w.button(QStringLiteral("Temperature history"))->trigger();
    auto *table = w.window->historyPage()->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QVERIFY(table->item(0, 0));
    QCOMPARE(table->item(0, 0)->text(), QLocale().dayName(day.dayOfWeek(), QLocale::ShortFormat)
                                              + QLatin1Char(' ') + QLocale().toString(day, QLocale::ShortFormat));
}

// The chart and history pages are made when first raised, in their places in the stack, once,
// and show the journal as it is by then.
void TstPages::otherPagesAreMadeWhenFirstShown()
{
    Window w;
    // Found by hand: the window's accessors would make the pages.
    auto *stack = w.window->findChild<QStackedWidget *>();
    QCOMPARE(stack->count(), 4);
    QVERIFY(!w.window->findChild<OvelaTempChartWidget *>());
    QVERIFY(!w.window->findChild<OvelaTempHistoryWidget *>());
    QVERIFY(!w.window->findChild<OvelaCyclesWidget *>());

    const QDate today = QDate::currentDate();
    OvelaRecordEntry record;
    record.setTemperature(21);
    w.window->calendar()->setEntry(record, today);

    w.button(QStringLiteral("Temperature history"))->trigger();
    auto *history = qobject_cast<OvelaTempHistoryWidget *>(stack->currentWidget());
    QVERIFY(history);
    QCOMPARE(stack->indexOf(history), 2);
    QVERIFY(history->isVisible());
    QCOMPARE(history->geometry(), stack->rect());
    QVERIFY(!w.window->findChild<OvelaTempChartWidget *>());
    auto *table = history->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
    QVERIFY(table->item(0, 0));
    QCOMPARE(table->item(0, 0)->text(),
             QLocale().dayName(today.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
                 + QLocale().toString(today, QLocale::ShortFormat));

    w.button(QStringLiteral("Temperature chart"))->trigger();
    auto *chart = qobject_cast<OvelaTempChartWidget *>(stack->currentWidget());
    QVERIFY(chart);
    QCOMPARE(stack->indexOf(chart), 1);
    QCOMPARE(stack->indexOf(history), 2);
    QCOMPARE(stack->count(), 4);
    QVERIFY(chart->isVisible());
    QVERIFY(!history->isVisible());

    // Made once: raising a page again shows the same page, and the accessors hand it out.
    w.button(QStringLiteral("Temperature history"))->trigger();
    QCOMPARE(stack->currentWidget(), static_cast<QWidget *>(history));
    QCOMPARE(w.window->historyPage(), history);
    QCOMPARE(w.window->chartPage(), chart);
    QCOMPARE(w.window->findChildren<OvelaTempHistoryWidget *>().size(), 1);
    QCOMPARE(w.window->findChildren<OvelaTempChartWidget *>().size(), 1);

    // The cycles page too, and it shows the journal as it is when first raised.
    QVERIFY(!w.window->findChild<OvelaCyclesWidget *>());
    w.window->calendar()->addEntry(today).setCervicalFluid(2);
    w.button(QStringLiteral("Cycles"))->trigger();
    auto *cycles = qobject_cast<OvelaCyclesWidget *>(stack->currentWidget());
    QVERIFY(cycles);
    QCOMPARE(stack->indexOf(cycles), 3);
    QCOMPARE(w.window->cyclesPage(), cycles);
    auto *list = cycles->findChild<QAbstractItemView *>(QStringLiteral("CyclesTable"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(stack->count(), 4);
}

void TstPages::pagesFitAPhone_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<qreal>("scale");
    for (const char *action : {"calendarAction", "tempChartAction", "tempHistoryAction",
                               "cyclesAction"}) {
        QTest::addRow("%s", action) << QString::fromLatin1(action) << 1.0;
        // What QT_FONT_DPI=168 makes of the default font.
        QTest::addRow("%s, large font", action) << QString::fromLatin1(action) << 1.75;
    }
}

// On a 360 x 720 phone each page takes no more room than the window leaves it, and every
// control on it lies inside it (or inside a part of it that scrolls).
void TstPages::pagesFitAPhone()
{
    QFETCH(QString, action);
    QFETCH(qreal, scale);
    const QScreen *phone = QGuiApplication::primaryScreen();
    const QRect screen = phone->availableGeometry();
    const QSizeF device = QSizeF(screen.size()) * phone->devicePixelRatio();
    if (qAbs(device.width() - 360) > 2 || qAbs(device.height() - 720) > 2) {
        QTest::qSkip("runs on the phone-sized screen (tst_pages_phone)", __FILE__, __LINE__);
        return;
    }
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(large);
    QStringList outside;
    {
        Window w;
        w.window->setGeometry(screen);
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->findChild<QAction *>(action)->trigger();
        QCoreApplication::processEvents();
        QWidget *page = w.window->pageStack()->currentWidget();
        // A page that needs more than the screen widens the window past its edge.
        const QSize window = w.window->size();
        if (window.width() > screen.width() || window.height() > screen.height())
            outside << QStringLiteral("the window grew to %1x%2")
                           .arg(window.width()).arg(window.height());
        const QSize needed = page->minimumSizeHint();
        if (needed.width() > page->width() || needed.height() > page->height())
            outside << QStringLiteral("the page needs %1x%2 of %3x%4")
                           .arg(needed.width()).arg(needed.height())
                           .arg(page->width()).arg(page->height());
        for (QWidget *child : page->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(page) || child->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QWidget *clip = child->parentWidget();
            while (clip && clip != page && !qobject_cast<QAbstractScrollArea *>(clip->parentWidget()))
                clip = clip->parentWidget();
            if (clip != page)
                continue;
            const QRect place(child->mapTo(page, QPoint()), child->size());
            if (!page->rect().contains(place))
                outside << child->objectName() + QLatin1Char(' ')
                        + QString::fromLatin1(child->metaObject()->className());
        }
    }
    QApplication::setFont(normal);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
}

OVELA_TEST_GUI_MAIN(TstPages)
#include "tst_pages.moc"
