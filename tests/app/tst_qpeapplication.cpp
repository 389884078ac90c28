#include "platform/config.h"
#include "platform/qpeapplication.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <QFileInfo>
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

    void windowsCarryTheProgramsIcon()
    {
        // The launcher entry's name, which Wayland desktops use to find the window's icon.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.ovela.Quorin"));
        QDialog dialog;
        const QIcon icon = dialog.windowIcon();
        QCOMPARE(icon.cacheKey(), QApplication::windowIcon().cacheKey());
        // Drawn from the scalable image: sharp in a panel and in a large task switcher alike.
        for (const int size : {16, 24, 32, 64, 128, 256}) {
            const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);
        }
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
        Modal::answer([&](QWidget *) {
            maximized = dialog.windowState() & Qt::WindowMaximized;
            shownAt = dialog.geometry();
            dialog.accept();
        });
        QCOMPARE(QPEApplication::execDialog(&dialog), int(QDialog::Accepted));
        QCOMPARE(maximized, handheld);
        if (!handheld) {
            // Its own size, grown by the window's OK/Cancel strip, centred on the window.
            QCOMPARE(shownAt.width(), 300);
            QVERIFY(shownAt.height() > 200 && shownAt.height() < 260);
            QVERIFY(qAbs(shownAt.center().x() - window.geometry().center().x()) <= 2);
            QVERIFY(qAbs(shownAt.center().y() - window.geometry().center().y()) <= 2);
        }
    }

    // Our dialogs hold no OK or Cancel of their own: the window gives them, as the handheld's
    // title bar did, along the bottom edge, below the dialog's own content.
    void dialogsGetOkAndCancel_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("result");
        QTest::newRow("OK accepts") << "ok" << int(QDialog::Accepted);
        QTest::newRow("Cancel rejects") << "cancel" << int(QDialog::Rejected);
        QTest::newRow("Enter accepts") << "enter" << int(QDialog::Accepted);
    }

    void dialogsGetOkAndCancel()
    {
        QFETCH(QString, press);
        QFETCH(int, result);
        QDialog dialog;
        dialog.resize(230, 339);
        auto *content = new QWidget(&dialog);
        content->setGeometry(0, 180, 230, 110); // the lowest widget of a form, as the note is
        QRect strip;
        int bottom = 0;
        Modal::answer([&](QWidget *) {
            auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("qpeDialogButtons"));
            QVERIFY(buttons);
            strip = buttons->geometry();
            bottom = dialog.height();
            if (press == QLatin1String("enter"))
                QTest::keyClick(&dialog, Qt::Key_Return);
            else
                buttons->button(press == QLatin1String("ok") ? QDialogButtonBox::Ok
                                                             : QDialogButtonBox::Cancel)
                    ->click();
        });
        QCOMPARE(QPEApplication::execDialog(&dialog), result);
        QCOMPARE(strip.bottom(), bottom - 1);
        // Below the form, covering none of it; on a desktop right under it, without the band
        // the handheld kept empty (a handheld's dialog is maximized, the strip at its foot).
        QVERIFY(strip.top() > content->geometry().bottom());
        if (!QPEApplication::isHandheldScreen())
            QVERIFY(strip.top() - content->geometry().bottom() <= 8);
        // Run again: one strip, not two.
        Modal::run<QDialog>(nullptr, false);
        QPEApplication::execDialog(&dialog);
        QCOMPARE(dialog.findChildren<QDialogButtonBox *>().size(), 1);
    }

    // The window opens where the last one was closed, kept whole on the screen; a handheld
    // always maximizes. Rows give what the state file holds and where the window must be.
    void windowReopensWhereItWasClosed_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("savedMaximized");
        QTest::addColumn<QRect>("expected"); // null: the first-start place
        QTest::newRow("where it was") << QRect(100, 50, 380, 500) << false
                                      << QRect(100, 50, 380, 500);
        QTest::newRow("maximized") << QRect(30, 40, 380, 500) << true << QRect(30, 40, 380, 500);
        QTest::newRow("larger than the screen, moved and shrunk onto it")
            << QRect(-200, 300, 3000, 900) << false << QRect(0, 0, 760, 720);
        QTest::newRow("on a screen no longer there: first-start place")
            << QRect(5000, 5000, 400, 600) << false << QRect();
    }

    void windowReopensWhereItWasClosed()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, savedMaximized);
        QFETCH(QRect, expected);
        TestHome::wipe();
        const bool handheld = QPEApplication::isHandheldScreen();
        {
            QWidget last;
            last.resize(saved.size());
            last.move(saved.topLeft());
            if (savedMaximized)
                last.showMaximized();
            QPEApplication::saveWindowState(&last);
        }
        const QFileInfo stateFile(Config::fileName(QStringLiteral("window-state")));
        QVERIFY(stateFile.exists());
        QCOMPARE(int(stateFile.permissions() & (QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                | QFileDevice::ReadOther)),
                 int(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QWidget window;
        app()->showMainWidget(&window, false);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QCOMPARE(window.isMaximized(), handheld || savedMaximized);
        if (!handheld) {
            if (expected.isNull()) {
                QVERIFY(window.height() > window.width());
                QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 2);
            } else {
                QCOMPARE(window.isMaximized() ? window.normalGeometry().size() : window.size(),
                         expected.size());
                if (!window.isMaximized())
                    QCOMPARE(window.pos(), expected.topLeft());
            }
            QVERIFY(screen.contains(window.frameGeometry()));
        }
        TestHome::wipe();
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
