#include "dialogs/OvelaBackupsModel.h"
#include "dialogs/OvelaConflictDialog.h"
#include "dialogs/OvelaConflictModel.h"
#include "dialogs/OvelaRestoreDialog.h"

#include "core/ovela_journal_backups.h"
#include "core/ovela_record_database.h"
#include "core/qzipfile.h"
#include "settings/Preferences.h"
#include "support/testhome.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <memory>

Q_DECLARE_METATYPE(OvelaRecordEntry)

// The conflict and restore dialogs. The whole program runs on a 360x720 phone screen with
// fonts at 168 dpi (see main below), where both must fit.

namespace {

const QDate day1(2026, 11, 2);
const QDate day2(2026, 11, 3);
const QDate day3(2026, 11, 5);

OvelaRecordEntry record(int fluid, int temperature, bool cramps = false,
                        const QString &note = QString())
{
    OvelaRecordEntry entry;
    entry.setCervicalFluid(fluid);
    entry.setTemperature(temperature);
    entry.setCramps(cramps);
    entry.setNote(note);
    return entry;
}

// Three days that differ, and the start-cycle date, as the window would pass them.
std::unique_ptr<OvelaConflictDialog> threeDays(const Preferences &preferences)
{
    const QList<OvelaDayDifference> days{
        {day1, true, record(2, 11), true, record(0, 0)},
        {day2, true, record(3, 12, true, QStringLiteral("headache")), true,
         record(3, 12, false, QStringLiteral("headache, then a long walk in the rain"))},
        {day3, false, OvelaRecordEntry(), true, record(1, 0)},
    };
    return std::make_unique<OvelaConflictDialog>(
        days, true, QDate(2026, 10, 30), QDate(2026, 11, 1), preferences,
        QStringLiteral("/home/her/Sync/journal.sync-conflict-20261210-101010-ABCDEFG.ovd"));
}

QString backupPath(const char *stem)
{
    return TestHome::dataHome() + QStringLiteral("/backups/journal-") + QLatin1String(stem) +
           QStringLiteral(".ovd");
}

// A backup of `days` consecutive days ending on `last`.
void writeBackup(const char *stem, int days, const QDate &last)
{
    OvelaDatabase journal;
    for (int i = 0; i < days; ++i)
        journal.setEntry(record(1, 5), last.addDays(-i));
    QZipFile file(backupPath(stem));
    QVERIFY(file.open(QIODevice::WriteOnly) && journal.save(&file));
}

void copyBackup(const char *fixture, const char *stem)
{
    QDir().mkpath(TestHome::dataHome() + QStringLiteral("/backups"));
    QVERIFY(QFile::copy(QStringLiteral(OVELA_TEST_DATA "/") + QLatin1String(fixture),
                        backupPath(stem)));
}

// Shown as the window shows it on a phone (maximized): on the screen, nothing sticking out of
// its parent, every text in the room its widget gives it, nothing to scroll sideways.
void verifyFits(QDialog *dialog)
{
    dialog->setWindowState(Qt::WindowMaximized);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QRect screen = dialog->screen()->availableGeometry();
    QVERIFY(screen.contains(dialog->frameGeometry()));
    QVERIFY(QRect(QPoint(), screen.size()).contains(QRect(QPoint(), dialog->minimumSizeHint())));
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(dialog) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QByteArray name = w->objectName().toUtf8();
        // A scrolling page is as tall as it needs; its width is checked below.
        if (w->parentWidget()->objectName() != QLatin1String("qt_scrollarea_viewport"))
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), name);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= room.width(), name);
        } else if (auto *scroll = qobject_cast<QScrollArea *>(w)) {
            QVERIFY2(scroll->widget()->width() <= scroll->viewport()->width(), name);
        } else if (auto *table = qobject_cast<QTableView *>(w)) {
            const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            const QRect header = table->horizontalHeader()->rect().adjusted(margin, 0, -margin, 0);
            QFont bold = table->horizontalHeader()->font(); // the current column's is bold
            bold.setBold(true);
            const QString title = table->model()->headerData(0, Qt::Horizontal).toString();
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(title) <= header.width(), name);
            // Each row's text, wrapped at the list's width as the delegate wraps it, whole.
            QCOMPARE(table->horizontalHeader()->length(), table->viewport()->width());
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                const QModelIndex index = table->model()->index(row, 0);
                const QRect room = table->visualRect(index).adjusted(margin, 0, -margin, 0);
                const QRect needs = table->fontMetrics().boundingRect(
                    QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, index.data().toString());
                QVERIFY2(needs.width() <= room.width() && needs.height() <= room.height(),
                         name + ' ' + QByteArray::number(row));
            }
        }
    }
}

// Alt and the letter, as she presses it; the button it names clicks once it has shown itself
// pressed.
void pressMnemonic(QDialog *dialog, char letter)
{
    QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
    const auto buttons = dialog->findChildren<QPushButton *>();
    QTRY_VERIFY(std::none_of(buttons.cbegin(), buttons.cend(),
                             [](const QPushButton *b) { return b->isDown(); }));
}

// The names of the controls Tab visits from the focused one, once round.
QStringList tabChain(QWidget *dialog)
{
    QStringList names;
    QWidget *first = QApplication::focusWidget();
    QWidget *w = first;
    for (int i = 0; w && i < 20; ++i) {
        names << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        if (w == first || !dialog->isAncestorOf(w))
            break;
    }
    return names;
}

} // namespace

class TstSyncDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void conflictShowsDifferingFields_data();
    void conflictShowsDifferingFields();
    void conflictChoices_data();
    void conflictChoices();

    void restore();

    void fitsPhone_data();
    void fitsPhone();

private:
    std::unique_ptr<Preferences> preferences;
};

void TstSyncDialogs::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(360, 720) / 1.75);
}

void TstSyncDialogs::init()
{
    TestHome::wipe();
    preferences = std::make_unique<Preferences>();
    preferences->setSaveOnExit(false);
    preferences->setTemperatureFormat(Preferences::Celsius);
}

void TstSyncDialogs::conflictShowsDifferingFields_data()
{
    QTest::addColumn<bool>("mineExists");
    QTest::addColumn<OvelaRecordEntry>("mine");
    QTest::addColumn<bool>("theirsExists");
    QTest::addColumn<OvelaRecordEntry>("theirs");
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("fluid and temperature")
        << true << record(2, 11) << true << record(0, 0) << false
        << QStringList{"Cervical Fluid: Normal Bleeding / Dry", "Basal Temp: 36.50 °C / none"};
    QTest::newRow("temperature in Fahrenheit")
        << true << record(6, 1) << true << record(6, 41) << true
        << QStringList{"Basal Temp: 96.80 °F / 100.80 °F"};
    OvelaRecordEntry love = record(5, 3, true, QStringLiteral("first line\nsecond"));
    love.setSex(true);
    QTest::newRow("a mark and a note")
        << true << love << true << record(5, 3, true, QStringLiteral("other")) << false
        << QStringList{"Love: yes / no", "Note: first line \u21b5 second / other"};
    QTest::newRow("no record here")
        << false << OvelaRecordEntry() << true << record(4, 21, true) << false
        << QStringList{"Cervical Fluid: no record / Intermenstrual",
                       "Basal Temp: no record / 37.00 °C", "Cramps: no record / yes"};
    QTest::newRow("an empty record against none")
        << true << OvelaRecordEntry() << false << OvelaRecordEntry() << false
        << QStringList{"an empty record / no record"};
    QTest::newRow("codes outside the lists")
        << true << record(7, 42) << true << record(-1, -5) << false
        << QStringList{"Cervical Fluid: unknown (7) / unknown (-1)",
                       "Basal Temp: unknown (42) / unknown (-5)"};
}

void TstSyncDialogs::conflictShowsDifferingFields()
{
    QFETCH(bool, mineExists);
    QFETCH(OvelaRecordEntry, mine);
    QFETCH(bool, theirsExists);
    QFETCH(OvelaRecordEntry, theirs);
    QFETCH(bool, fahrenheit);
    QFETCH(QStringList, lines);
    preferences->setTemperatureFormat(fahrenheit ? Preferences::Fahrenheit : Preferences::Celsius);
    const QDate day(2026, 12, 24);
    OvelaConflictDialog dialog({{day, mineExists, mine, theirsExists, theirs}}, false, QDate(),
                               QDate(), *preferences, QStringLiteral("phone"));
    const QAbstractItemModel *model = dialog.findChild<QTableView *>("tblDays")->model();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(),
             QStringLiteral("24/12/2026: Undecided\n") + lines.join(u'\n'));
}

void TstSyncDialogs::conflictChoices_data()
{
    // Rows: 0 the start-cycle date, 1..3 the days. A step selects rows ("rows 1 3") or presses
    // a button by name, or a key with Alt.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<QDate>>("taken");
    QTest::addColumn<QList<QDate>>("kept");
    QTest::addColumn<int>("start"); // 0 undecided, 1 kept, 2 taken
    using Days = QList<QDate>;
    QTest::newRow("per day, one left open")
        << QStringList{"rows 1", "btnTakeOther", "rows 3", "btnKeepMine"} << Days{day1}
        << Days{day3} << 0;
    QTest::newRow("several rows at once")
        << QStringList{"rows 0 2 3", "btnTakeOther"} << Days{day2, day3} << Days{} << 2;
    QTest::newRow("all the other")
        << QStringList{"btnTakeAllOther"} << Days{day1, day2, day3} << Days{} << 2;
    QTest::newRow("all mine, then one changed")
        << QStringList{"btnKeepAllMine", "rows 2", "btnTakeOther"} << Days{day2} << Days{day1, day3}
        << 1;
    QTest::newRow("by keyboard") << QStringList{"down", "t", "a", "k"} << Days{}
                                 << Days{day1, day2, day3} << 1;
    QTest::newRow("by keyboard, the selected only")
        << QStringList{"down", "down", "m"} << Days{} << Days{day2} << 0;
}

void TstSyncDialogs::conflictChoices()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<QDate>, taken);
    QFETCH(QList<QDate>, kept);
    QFETCH(int, start);
    std::unique_ptr<OvelaConflictDialog> dialog = threeDays(*preferences);
    auto *table = dialog->findChild<QTableView *>("tblDays");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    for (const QString &step : std::as_const(steps)) {
        if (step.startsWith(QLatin1String("rows "))) {
            table->clearSelection();
            for (const QString &row : step.split(u' ').mid(1))
                table->selectionModel()->select(table->model()->index(row.toInt(), 0),
                                                QItemSelectionModel::Select);
        } else if (step == QLatin1String("down")) {
            QTest::keyClick(table, Qt::Key_Down);
        } else if (step.size() == 1) {
            pressMnemonic(dialog.get(), step[0].toLatin1());
        } else {
            auto *button = dialog->findChild<QPushButton *>(step);
            QVERIFY2(button && button->isEnabled(), qPrintable(step));
            button->click();
        }
    }
    dialog->findChild<QPushButton *>("btnClose")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->takenFromOther(), taken);
    QCOMPARE(dialog->keptMine(), kept);
    QCOMPARE(dialog->startKept(), start == 1);
    QCOMPARE(dialog->startTakenFromOther(), start == 2);
}

void TstSyncDialogs::restore()
{
    copyBackup("empty.ovd", "20261205-090000-daily");
    copyBackup("truncated-gzip.ovd", "20261203-120000-merge");
    copyBackup("one-entry.ovd", "20261202-070000-conflict");
    writeBackup("20261204-080000-companion", 40, QDate(2026, 12, 3));
    writeBackup("20261201-100000-session", 3, QDate(2026, 11, 30));
    const OvelaJournalBackups backups(TestHome::dataHome() + QStringLiteral("/backups"));
    const struct
    {
        const char *stem;
        const char *text;
        int days; // -1: unreadable
        QDate last;
    } expected[] = {
        {"20261205-090000-daily", "05/12/2026 09:00: A daily copy\nNo days", 0, QDate()},
        {"20261204-080000-companion",
         "04/12/2026 08:00: Before a change by ovela-journal\n40 days, last: 03/12/2026", 40,
         QDate(2026, 12, 3)},
        {"20261203-120000-merge", "03/12/2026 12:00: Before a merge from outside\nCannot be read",
         -1, QDate()},
        {"20261202-070000-conflict",
         "02/12/2026 07:00: A sync program's conflict copy\n1 day, last: 01/01/2000", 1,
         QDate(2000, 1, 1)},
        {"20261201-100000-session",
         "01/12/2026 10:00: The start of a session\n3 days, last: 30/11/2026", 3,
         QDate(2026, 11, 30)},
    };
    {
        OvelaRestoreDialog dialog(backups);
        auto *table = dialog.findChild<QTableView *>("tblBackups");
        QCOMPARE(table->model()->rowCount(), int(std::size(expected)));
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QModelIndex index = table->model()->index(row, 0);
            QCOMPARE(index.data(OvelaBackupsModel::PathRole).toString(),
                     backupPath(expected[row].stem));
            QCOMPARE(index.data().toString(), QString::fromUtf8(expected[row].text));
            QCOMPARE(index.data(OvelaBackupsModel::ReadableRole).toBool(), expected[row].days >= 0);
            QCOMPARE(index.data(OvelaBackupsModel::DayCountRole).toInt(),
                     qMax(0, expected[row].days));
            QCOMPARE(index.data(OvelaBackupsModel::LastDayRole).toDate(), expected[row].last);
        }
        // The newest readable one is chosen first; a click on an unreadable one changes nothing.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect unreadable = table->visualRect(table->model()->index(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, unreadable.center());
        dialog.findChild<QPushButton *>("btnRestore")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenPath(), backupPath(expected[0].stem));
    }
    // Another one by the keyboard; Cancel chooses none.
    for (const bool cancel : {false, true}) {
        OvelaRestoreDialog dialog(backups);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        if (cancel)
            dialog.findChild<QPushButton *>("btnCancel")->click();
        else
            pressMnemonic(&dialog, 'r');
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosenPath(), cancel ? QString() : backupPath(expected[1].stem));
    }
    // Nothing readable, nothing to restore.
    const QString onlyUnreadable = TestHome::dataHome() + QStringLiteral("/unreadable");
    QVERIFY(QDir().mkpath(onlyUnreadable));
    QVERIFY(QFile::rename(backupPath(expected[2].stem),
                          onlyUnreadable + QStringLiteral("/journal-20261203-120000-merge.ovd")));
    OvelaRestoreDialog dialog(OvelaJournalBackups{onlyUnreadable});
    QCOMPARE(dialog.findChild<QTableView *>("tblBackups")->model()->rowCount(), 1);
    QVERIFY(!dialog.findChild<QPushButton *>("btnRestore")->isEnabled());
}

void TstSyncDialogs::fitsPhone_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("chain");
    const QStringList conflict{"tblDays",        "btnKeepMine",     "btnTakeOther",
                               "btnKeepAllMine", "btnTakeAllOther", "btnClose"};
    const QStringList restore{"tblBackups", "btnRestore", "btnCancel"};
    for (const char *language : {"en", "de", "fr", "es"}) {
        QTest::addRow("conflict, %s", language) << "conflict" << language << conflict;
        QTest::addRow("restore, %s", language) << "restore" << language << restore;
    }
}

// Both on the phone, with the longest texts they show, reached by Tab alone, every control
// named for a screen reader.
void TstSyncDialogs::fitsPhone()
{
    QFETCH(QString, which);
    QFETCH(QString, language);
    QFETCH(QStringList, chain);
    // The program's own translations, longer than the English texts.
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/ovelaZ_") + language));
        QCoreApplication::installTranslator(&translator);
    }
    std::unique_ptr<QDialog> dialog;
    if (which == QLatin1String("conflict")) {
        dialog = threeDays(*preferences);
    } else {
        copyBackup("truncated-gzip.ovd", "20261203-120000-conflict");
        writeBackup("20261204-080000-companion", 1200, QDate(2026, 12, 3));
        dialog = std::make_unique<OvelaRestoreDialog>(
            OvelaJournalBackups(TestHome::dataHome() + QStringLiteral("/backups")));
    }
    verifyFits(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), chain.first());
    QCOMPARE(tabChain(dialog.get()), chain);
    for (const QString &name : std::as_const(chain)) {
        auto *w = dialog->findChild<QWidget *>(name);
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
        if (auto *button = qobject_cast<QPushButton *>(w);
            button && name != QLatin1String("btnCancel"))
            QVERIFY2(button->text().contains(QLatin1Char('&')), qPrintable(name));
    }
}

int main(int argc, char **argv)
{
    // A 360x720 phone with its fonts at 168 dpi: Qt scales by 1.75, the dialogs get 205x411.
    qputenv("QT_FONT_DPI", "168");
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" OVELA_DIALOGS_TEST_DATA "/phone-screen.json");
    TestHome::setUp();
    QApplication app(argc, argv);
    TstSyncDialogs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_syncdialogs.moc"
