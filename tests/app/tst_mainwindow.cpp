#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"
#include "cycle/ovela_calendar.h"
#include "platform/password.h"
#include "platform/qpetoolbar.h"

#include "journaltestutil.h"
#include "support/modal.h"
#include "support/testhome.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

using namespace JournalTest;

// The window in this process: pass-code paths through the Password hook, the frame, and what
// the window tells the user about the journal file.
class TstMainWindow : public QObject
{
    Q_OBJECT

private:
    QString folder() const { return TestHome::dataHome() + QLatin1String("/ovelaZ"); }
    QString journal() const { return folder() + QLatin1String("/journal.ovd"); }

private slots:
    void init()
    {
        TestHome::wipe();
        QDir().mkpath(folder());
        Password::setHook(nullptr);
    }
    void cleanup()
    {
        Password::setHook(nullptr);
    }

    void passCodeAtStart_data()
    {
        QTest::addColumn<bool>("required");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("opens");

        QTest::newRow("required, none stored") << true << QString() << QString() << false << true;
        QTest::newRow("required, empty code stored") << true << QString("") << QString() << false << true;
        QTest::newRow("stored, not required") << false << "1234" << QString() << false << true;
        QTest::newRow("right code") << true << "1234" << "1234" << true << true;
        QTest::newRow("wrong code") << true << "1234" << "4321" << true << false;
        QTest::newRow("right code with a digit more") << true << "1234" << "12345" << true << false;
        QTest::newRow("empty entry") << true << "1234" << "" << true << false;
        QTest::newRow("cancelled") << true << "1234" << QString() << true << false;
    }

    void passCodeAtStart()
    {
        QFETCH(bool, required);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, asked);
        QFETCH(bool, opens);

        const QByteArray before = readFile(fixture(QStringLiteral("two-records.ovd")));
        QVERIFY(writeFile(journal(), before));

        QStringList prompts;
        Password::setHook([&prompts, typed](const QString &prompt) {
            prompts << prompt;
            return typed;
        });
        Modal::MessageBoxes boxes;

        Preferences preferences;
        preferences.setSaveOnExit(false);
        preferences.setRequirePassword(required);
        QString digest = Password::digest(stored);
        preferences.setPassword(digest);

        auto window = std::make_unique<OvelaMainWindow>(preferences);
        QCOMPARE(prompts, asked ? QStringList{QStringLiteral("Enter password code:")} : QStringList());
        QCOMPARE(window->isReady(), opens);
        window.reset();

        if (opens) {
            // The journal was loaded and written back.
            QCOMPARE(gunzip(journal()), readFile(fixture(QStringLiteral("two-records.raw"))));
            QCOMPARE(boxes.seen.size(), 0);
        } else if (typed.isNull()) {
            // Cancel is her choice not to open the diary, not a wrong code.
            QCOMPARE(boxes.seen.size(), 0);
            QCOMPARE(readFile(journal()), before);
        } else {
            QCOMPARE(boxes.seen.size(), 1);
            QCOMPARE(boxes.seen.value(0).icon, QMessageBox::Critical);
            QCOMPARE(boxes.seen.value(0).title, QStringLiteral("Quorin"));
            QCOMPARE(boxes.seen.value(0).text, QStringLiteral("Invalid password code. Application \nwill now exit"));
            // Untouched: same bytes, no backup, no lock left behind.
            QCOMPARE(readFile(journal()), before);
            QCOMPARE(strayFiles(folder(), {QStringLiteral("journal.ovd")}), QStringList());
        }
    }

    // The pass code 1234 is asked for at start, and 9 is typed.
    static void typeWrongPassCode(Preferences &preferences)
    {
        Password::setHook([](const QString &) { return QStringLiteral("9"); });
        preferences.setSaveOnExit(false);
        preferences.setRequirePassword(true);
        preferences.setPassword(Password::digest(QStringLiteral("1234")));
    }

    void wrongPassCodeEndsBeforeTheWindowIsBuilt()
    {
        Modal::MessageBoxes boxes;
        Preferences preferences;
        typeWrongPassCode(preferences);
        OvelaMainWindow window(preferences);
        QCOMPARE(window.startState(), OvelaMainWindow::StartState::WrongPassCode);
        QVERIFY(!window.centralWidget());
        QVERIFY(!window.findChild<QPEToolBar *>());
        QVERIFY(window.closeDatabase());
        QVERIFY(!QFileInfo::exists(journal()));
    }

    void frame()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorin"));

        auto *stack = qobject_cast<QStackedWidget *>(window.centralWidget());
        QVERIFY(stack);
        QCOMPARE(stack->parentWidget(), &window);

        const QList<QPEToolBar *> toolBars = window.findChildren<QPEToolBar *>();
        QCOMPARE(toolBars.size(), 1);
        QPEToolBar *toolBar = toolBars.first();
        QCOMPARE(window.toolBarArea(toolBar), Qt::TopToolBarArea);
        QVERIFY(!toolBar->isMovable());

        const QList<QPEMenuBar *> menuBars = window.findChildren<QPEMenuBar *>();
        QCOMPARE(menuBars.size(), 1);
        QPEMenuBar *menuBar = menuBars.first();
        QCOMPARE(menuBar->parentWidget(), toolBar);
        QVERIFY(!menuBar->isNativeMenuBar());
        // The window's own menu bar slot stays empty: the menus are in the tool bar.
        QVERIFY(window.menuWidget() == nullptr);

        QStringList titles;
        for (QAction *item : menuBar->actions()) {
            titles << item->text().remove(QLatin1Char('&'));
            QVERIFY(item->menu());
            QCOMPARE(item->menu()->parent(), &window);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("View"), QStringLiteral("Tools"),
                                      QStringLiteral("Day")}));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(menuBar->isVisible());
        QVERIFY(menuBar->geometry().width() >= menuBar->sizeHint().width());
    }

    // The journal is read while the pages are built: every page shows it all the same.
    void journalOnDiskShowsOnThePages()
    {
        const QDate today = QDate::currentDate();
        {
            OvelaDatabase stored;
            OvelaRecordEntry entry;
            entry.setTemperature(21);
            entry.setPMS(true);
            stored.setEntry(entry, today);
            stored.setStartCycleDate(today.addDays(-3));
            QVERIFY(OvelaJournalFile(journal()).save(stored));
        }
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        QVERIFY(window.isReady());
        QVERIFY(window.calendar()->containsEntry(today));
        QCOMPARE(window.calendar()->getStartCycleDate(), today.addDays(-3));
        // The month's list holds today's temperature in its first row.
        auto *history =
            window.historyPage()->findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
        QVERIFY(history->item(0, 1) && !history->item(0, 1)->text().isEmpty());
        // Today holds a record, so its commands are on.
        for (QAction *action : window.findChild<QPEToolBar *>()->actions())
            if (action->iconText() == QLatin1String("Delete"))
                QVERIFY(action->isEnabled());
    }

    // A file that cannot be read is set aside only once the pass code was given.
    void unreadableJournalWaitsForThePassCode()
    {
        const QByteArray garbage = readFile(fixture(QStringLiteral("not-gzip.ovd")));
        QVERIFY(writeFile(journal(), garbage));
        Modal::MessageBoxes boxes;
        {
            Preferences preferences;
            typeWrongPassCode(preferences);
            OvelaMainWindow window(preferences);
            QCOMPARE(window.startState(), OvelaMainWindow::StartState::WrongPassCode);
        }
        QCOMPARE(readFile(journal()), garbage);
        QCOMPARE(strayFiles(folder(), {QStringLiteral("journal.ovd")}), QStringList());
    }

    void unreadableJournalIsReportedOnce()
    {
        const QByteArray garbage = readFile(fixture(QStringLiteral("not-gzip.ovd")));
        QVERIFY(writeFile(journal(), garbage));
        Modal::MessageBoxes boxes;
        Preferences preferences;
        preferences.setSaveOnExit(false);
        auto window = std::make_unique<OvelaMainWindow>(preferences);
        QVERIFY(window->isReady());
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.value(0).icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.value(0).title, QStringLiteral("Quorin"));
        const QString aside = journal() + QLatin1String(".unreadable");
        QVERIFY2(boxes.seen.value(0).text.contains(aside), qPrintable(boxes.seen.value(0).text));
        window.reset();

        QCOMPARE(readFile(aside), garbage);
        QCOMPARE(gunzip(journal()), emptyJournalStream());

        // The next start finds a good journal and says nothing.
        Modal::MessageBoxes again;
        Preferences next;
        next.setSaveOnExit(false);
        window = std::make_unique<OvelaMainWindow>(next);
        QVERIFY(window->isReady());
        QCOMPARE(again.seen.size(), 0);
    }

    void diaryOpenElsewhereWritesNothing()
    {
        OvelaJournalFile other(journal());
        QCOMPARE(other.lock(), OvelaJournalFile::LockResult::Locked);
        Modal::MessageBoxes boxes;
        Preferences preferences;
        preferences.setSaveOnExit(false);
        auto window = std::make_unique<OvelaMainWindow>(preferences);
        QCOMPARE(window->startState(), OvelaMainWindow::StartState::AlreadyOpen);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.value(0).icon, QMessageBox::Critical);
        QVERIFY(boxes.seen.value(0).text.contains(QStringLiteral("already open")));
        window.reset();
        QVERIFY(!QFileInfo::exists(journal()));
        QVERIFY(other.isLocked());
    }

    void secondCloseWritesNothing()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        auto window = std::make_unique<OvelaMainWindow>(preferences);
        QVERIFY(window->closeDatabase());
        QCOMPARE(gunzip(journal()), emptyJournalStream());
        QVERIFY(QFile::remove(journal()));
        QVERIFY(window->closeDatabase());
        window.reset();
        QVERIFY(!QFileInfo::exists(journal()));
    }
};

OVELA_TEST_GUI_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
