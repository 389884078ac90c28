#include "platform/config.h"
#include "platform/qpeapplication.h"

#include "support/testhome.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QLocale>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TstQPEApplication : public QObject
{
    Q_OBJECT

private:
    static QPEApplication *app() { return QPEApplication::instance(); }

private slots:
    void initTestCase() { QVERIFY(app()); }

    void firstWeekdayComesFromTheLocale()
    {
        // Written by the application object before this test ran.
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        QVERIFY(qpe.hasKey(QStringLiteral("MONDAY")));
        QCOMPARE(qpe.readBoolEntry(QStringLiteral("MONDAY"), false),
                 QLocale::system().firstDayOfWeek() == Qt::Monday);
    }

    void setWeekStartsMonday_data()
    {
        QTest::addColumn<bool>("monday");
        QTest::newRow("Sunday first") << false;
        QTest::newRow("Monday first") << true;
    }

    void setWeekStartsMonday()
    {
        QFETCH(bool, monday);
        QSignalSpy spy(app(), &QPEApplication::weekChanged);
        app()->setWeekStartsMonday(monday);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), monday);
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        QCOMPARE(qpe.readBoolEntry(QStringLiteral("MONDAY"), !monday), monday);
    }

    // This test runs twice: on the default offscreen screen (800x800, a desktop) and on a
    // 480x800 handheld-sized one.
    void windowsFitTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const bool handheld = qMin(screen.width(), screen.height()) <= 600;
        QCOMPARE(QPEApplication::isHandheldScreen(), handheld);

        QWidget window;
        app()->showMainWidget(&window, false);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bool(window.windowState() & Qt::WindowMaximized), handheld);
        if (!handheld) {
            // Portrait, like a phone, and whole on the screen.
            QVERIFY(window.height() > window.width());
            QVERIFY(screen.contains(window.frameGeometry()));
        }

        QDialog dialog(&window);
        dialog.resize(300, 200);
        bool maximized = false;
        QRect shownAt;
        QTimer::singleShot(0, &dialog, [&] {
            maximized = dialog.windowState() & Qt::WindowMaximized;
            shownAt = dialog.geometry();
            dialog.accept();
        });
        QCOMPARE(QPEApplication::execDialog(&dialog), int(QDialog::Accepted));
        QCOMPARE(maximized, handheld);
        if (!handheld) {
            QCOMPARE(shownAt.size(), QSize(300, 200));
            QVERIFY(qAbs(shownAt.center().x() - window.geometry().center().x()) <= 2);
            QVERIFY(qAbs(shownAt.center().y() - window.geometry().center().y()) <= 2);
        }
    }

    void notMaximizedOnRequest()
    {
        QWidget window;
        app()->showMainWidget(&window, true);
        QVERIFY(!(window.windowState() & Qt::WindowMaximized));
        QVERIFY(window.screen()->availableGeometry().contains(window.geometry()));
        QVERIFY(window.height() > window.width());
    }

    // Keep this last: once a quit is pending it stays pending for the rest of this process.
    // The signals themselves (the test framework has its own handlers for them here) are sent
    // to the real program in tst_ovelaz.
    void quitBeforeTheMainLoopIsNotLost()
    {
        QVERIFY(!app()->quitRequested());
        QElapsedTimer clock;
        clock.start();

        // The quit comes while a start-up dialog (such as the pass-code entry) runs.
        QDialog entry;
        entry.setModal(true);
        QTimer::singleShot(50, app(), &QPEApplication::requestQuit);
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, &entry, &QDialog::accept);
        failsafe.start(5000);
        QCOMPARE(entry.exec(), int(QDialog::Rejected));
        QVERIFY(app()->quitRequested());

        // A box that opens afterwards ends at once instead of waiting for the user.
        QTimer boxFailsafe;
        boxFailsafe.setSingleShot(true);
        connect(&boxFailsafe, &QTimer::timeout, [] {
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });
        boxFailsafe.start(5000);
        QMessageBox::critical(nullptr, QStringLiteral("Quorin"), QStringLiteral("text"));
        QDialog later;
        QCOMPARE(QPEApplication::execDialog(&later), int(QDialog::Rejected));
        QVERIFY(!later.isVisible());

        // And the main loop does not start at all.
        QTimer loopFailsafe;
        loopFailsafe.setSingleShot(true);
        connect(&loopFailsafe, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        loopFailsafe.start(5000);
        QCOMPARE(app()->exec(), 0);
        QVERIFY2(clock.elapsed() < 4000, "a dialog waited for a failsafe timer");
    }
};

OVELA_TEST_MAIN_IMPL(TstQPEApplication, QPEApplication)
#include "tst_qpeapplication.moc"
