// Makes the README's screenshots: builds a sample journal and settings in a temporary home (never
// the user's own files), opens the real main window on them and saves PNGs of the calendar, the
// temperature chart, the temperature history, the cycles, the day record dialog and the
// preferences.
//
//   ovela_screenshots [output folder]     (default: docs/screenshots)
//
// With OVELA_SCREENSHOT_PALETTE=dark the window wears a dark desktop palette, to see that every
// text stays readable on it.
//
// The pictures show March 2026 whatever today's date is, so that they change only when the
// program does.

#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_chart.h"
#include "charts/ovela_cycles_widget.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "core/ovela_journal_file.h"
#include "cycle/ovela_calendar.h"
#include "platform/global.h"
#include "platform/qpeapplication.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <functional>
#include <cstdio>

namespace {

const QDate shownDay(2026, 3, 16);    // selected on the calendar page and opened in the dialog
const QDate firstCycleStart(2026, 2, 3);
const QDate cyclesToday(2026, 4, 6); // the cycles page as it reads a week into April
const QSize phoneSize(420, 720);

// The XDG folders point into the temporary folder before the application object exists.
bool makeHome(const QString &root)
{
    for (const char *sub : {"config", "data", "runtime"}) {
        if (!QDir(root).mkpath(QLatin1String(sub)))
            return false;
    }
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QLatin1String("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QLatin1String("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QLatin1String("/runtime")));
    QFile::setPermissions(root + QLatin1String("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner);
    return true;
}

// Temperature code of a Celsius reading: code k stands for 36.00 + 0.05 * (k - 1).
int celsiusCode(double celsius)
{
    return int(std::lround((celsius - 36.0) / 0.05)) + 1;
}

enum Fluid { Dry, SlightBleeding, NormalBleeding, HeavyBleeding, Intermenstrual, Cloudy, Stretchy };

struct Day
{
    int month;
    int day;
    double celsius; // 0: not taken that morning
    Fluid fluid;
    const char *marks; // d doctor, c cramps, p PMS, s sex, r protection, x secret
    const char *note;
};

// Two cycles of 28 days from 3 February: bleeding for five days, a low phase, the thermal shift
// after ovulation on the 14th cycle day, a high phase and the drop before the next bleeding.
const Day sample[] = {
    {2, 3, 36.55, NormalBleeding, "c", nullptr},
    {2, 4, 36.45, HeavyBleeding, "c", nullptr},
    {2, 5, 36.40, NormalBleeding, "", nullptr},
    {2, 6, 36.35, SlightBleeding, "", nullptr},
    {2, 7, 36.40, SlightBleeding, "", nullptr},
    {2, 8, 36.30, Dry, "", nullptr},
    {2, 9, 36.40, Dry, "", nullptr},
    {2, 10, 36.35, Dry, "", nullptr},
    {2, 11, 36.45, Cloudy, "", nullptr},
    {2, 12, 36.40, Cloudy, "", nullptr},
    {2, 13, 36.35, Stretchy, "s", nullptr},
    {2, 14, 36.45, Stretchy, "", nullptr},
    {2, 15, 36.40, Stretchy, "s", nullptr},
    {2, 16, 36.30, Stretchy, "", nullptr},
    {2, 17, 36.45, Cloudy, "", nullptr},
    {2, 18, 36.65, Dry, "", nullptr},
    {2, 19, 36.75, Dry, "", nullptr},
    {2, 20, 36.80, Dry, "s", nullptr},
    {2, 21, 36.85, Dry, "", nullptr},
    {2, 22, 36.80, Dry, "", nullptr},
    {2, 23, 36.90, Dry, "", nullptr},
    {2, 24, 36.85, Dry, "", nullptr},
    {2, 25, 36.80, Dry, "", nullptr},
    {2, 26, 36.90, Dry, "", nullptr},
    {2, 27, 36.85, Dry, "p", nullptr},
    {2, 28, 36.80, Dry, "p", nullptr},
    {3, 1, 36.75, Dry, "p", nullptr},
    {3, 2, 36.60, Dry, "p", "Tired, headache in the evening."},
    {3, 3, 36.45, NormalBleeding, "c", nullptr},
    {3, 4, 36.40, HeavyBleeding, "c", "Cramps in the morning; a hot water bottle helped."},
    {3, 5, 36.35, NormalBleeding, "", nullptr},
    {3, 6, 36.40, SlightBleeding, "", nullptr},
    {3, 7, 36.30, SlightBleeding, "", nullptr},
    {3, 8, 36.35, Dry, "", nullptr},
    {3, 9, 36.45, Dry, "", nullptr},
    {3, 10, 0, Dry, "d", "Check-up at the gynaecologist: all fine. Forgot the thermometer."},
    {3, 11, 36.35, Cloudy, "", nullptr},
    {3, 12, 36.45, Cloudy, "", nullptr},
    {3, 13, 36.40, Stretchy, "", nullptr},
    {3, 14, 36.50, Stretchy, "s", nullptr},
    {3, 15, 36.40, Stretchy, "", nullptr},
    {3, 16, 36.30, Stretchy, "s", "Lots of clear, stretchy fluid. Long walk by the river."},
    {3, 17, 36.50, Cloudy, "", nullptr},
    {3, 18, 36.70, Dry, "", nullptr},
    {3, 19, 36.75, Dry, "", nullptr},
    {3, 20, 36.85, Dry, "x", nullptr},
    {3, 21, 36.80, Dry, "", nullptr},
    {3, 22, 36.85, Dry, "sr", nullptr},
    {3, 23, 36.90, Dry, "", nullptr},
    {3, 24, 36.80, Dry, "", nullptr},
    {3, 25, 36.85, Dry, "", nullptr},
    {3, 26, 36.90, Dry, "", nullptr},
    {3, 27, 36.85, Dry, "p", nullptr},
    {3, 28, 36.80, Dry, "p", nullptr},
    {3, 29, 36.75, Dry, "p", nullptr},
    {3, 30, 36.60, Dry, "", nullptr},
    {3, 31, 36.45, NormalBleeding, "c", nullptr},
};

void fillJournal(OvelaCalendar &journal)
{
    for (const Day &day : sample) {
        OvelaRecordEntry &entry = journal.addEntry(QDate(2026, day.month, day.day));
        if (day.celsius > 0)
            entry.setTemperature(celsiusCode(day.celsius));
        entry.setCervicalFluid(day.fluid);
        const QByteArray marks(day.marks);
        entry.setDoctor(marks.contains('d'));
        entry.setCramps(marks.contains('c'));
        entry.setPMS(marks.contains('p'));
        entry.setSex(marks.contains('s'));
        entry.setProtection(marks.contains('r'));
        entry.setSecret(marks.contains('x'));
        if (day.note)
            entry.setNote(QString::fromUtf8(day.note));
    }
    journal.setStartCycleDate(firstCycleStart);
}

// Settings and journal on disk, as the program finds them after a month or two of use.
bool writeSampleDiary()
{
    Preferences preferences;
    preferences.setTemperatureFormat(Preferences::Celsius);
    preferences.setBirthGoal(Preferences::ConceiveChild);
    preferences.setCycleLength(28);
    preferences.setMenstrualPeriod(5);
    preferences.setFertilePeriod(5);
    preferences.setLuterPhaseLength(14);
    preferences.setLastViewId(0);

    OvelaCalendar journal(preferences);
    fillJournal(journal);
    OvelaJournalFile file(
        Global::applicationFileName(QStringLiteral("ovelaZ"), QStringLiteral("journal.ovd")));
    if (!file.save(journal)) {
        std::fprintf(stderr, "ovela_screenshots: cannot write the sample journal: %s\n",
                     qPrintable(file.errorString()));
        return false;
    }
    return true; // the settings write themselves here
}

bool save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    const QPixmap picture = widget->grab();
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "ovela_screenshots: cannot save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

// A dialog runs modally from a command of the window; it is photographed from a timer inside its
// event loop and then cancelled, so the journal and the settings stay as they were.
bool saveDialog(const std::function<void()> &open, const QString &path)
{
    bool saved = false;
    bool seen = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        seen = true;
        saved = save(dialog, path);
        dialog->reject();
    });
    poll.start();
    open();
    poll.stop();
    if (!seen)
        std::fprintf(stderr, "ovela_screenshots: no dialog opened for %s\n", qPrintable(path));
    return saved;
}

// A dark desktop palette, as a dark Plasma or GNOME theme gives one.
void useDarkPalette()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(42, 46, 50));
    dark.setColor(QPalette::WindowText, QColor(232, 232, 232));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(38, 41, 44));
    dark.setColor(QPalette::Text, QColor(232, 232, 232));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::ButtonText, QColor(232, 232, 232));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dark.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    dark.setColor(QPalette::ToolTipText, QColor(232, 232, 232));
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    dark.setColor(QPalette::Light, QColor(70, 75, 80));
    dark.setColor(QPalette::Midlight, QColor(60, 64, 68));
    dark.setColor(QPalette::Mid, QColor(35, 38, 41));
    dark.setColor(QPalette::Dark, QColor(20, 22, 24));
    dark.setColor(QPalette::Shadow, QColor(0, 0, 0));
    QApplication::setPalette(dark);
}

} // namespace

int main(int argc, char **argv)
{
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("docs/screenshots");
    QTemporaryDir home;
    if (!home.isValid() || !makeHome(home.path())) {
        std::fprintf(stderr, "ovela_screenshots: cannot make a temporary home\n");
        return 1;
    }

    QPEApplication app(argc, argv);
    // Monday first, whatever the machine's locale, so the pictures do not depend on it.
    app.setWeekStartsMonday(true);
    if (qEnvironmentVariable("OVELA_SCREENSHOT_PALETTE") == QLatin1String("dark"))
        useDarkPalette();

    if (!QDir().mkpath(outDir) || !writeSampleDiary())
        return 1;
    // The sample journal and its settings kept beside the pictures, for the README's examples
    // of ovela-journal (which reads the settings of the home it is run in).
    if (argc > 2) {
        const QString keep = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(keep);
        QFile::copy(Global::applicationFileName(QStringLiteral("ovelaZ"),
                                                QStringLiteral("journal.ovd")),
                    keep + QLatin1String("/journal.ovd"));
        QFile::copy(home.path() + QLatin1String("/config/ovelaZ/ovelaZ.conf"),
                    keep + QLatin1String("/ovelaZ.conf"));
    }

    bool ok = true;
    {
        Preferences preferences;
        OvelaMainWindow window(preferences);
        if (!window.isReady()) {
            std::fprintf(stderr, "ovela_screenshots: the main window did not start\n");
            return 1;
        }
        window.resize(phoneSize);
        window.show();

        // The sample month on every page, and a day with a record selected as a tap selects it.
        window.calendarPage()->monthView()->setDate(shownDay);
        window.calendarPage()->onDateClicked(shownDay.year(), shownDay.month(), shownDay.day());
        // A header set from code shows the month without announcing it (only the user's own
        // choice does), so the chart and the history are told as well.
        for (QWidget *page : {static_cast<QWidget *>(window.chartPage()),
                              static_cast<QWidget *>(window.historyPage())}) {
            if (auto *header = page->findChild<OvelaDateBookMonthHeader *>())
                header->setDate(shownDay.year(), shownDay.month());
        }
        if (auto *chart = window.chartPage()->findChild<OvelaChartWidget *>())
            chart->dateChanged(shownDay.year(), shownDay.month());
        window.historyPage()->fillData(QDate(shownDay.year(), shownDay.month(), 1));

        const QString dir = QDir(outDir).absolutePath() + QLatin1Char('/');
        window.raiseCalendar();
        ok = save(&window, dir + QLatin1String("calendar.png")) && ok;
        window.raiseTempChart();
        ok = save(&window, dir + QLatin1String("chart.png")) && ok;
        window.raiseTempHistory();
        ok = save(&window, dir + QLatin1String("history.png")) && ok;
        window.cyclesPage()->setToday(cyclesToday);
        window.raiseCycles();
        ok = save(&window, dir + QLatin1String("cycles.png")) && ok;
        window.raiseCalendar();
        ok = saveDialog([&window] { window.calendarPage()->onEdit(); },
                        dir + QLatin1String("day-record.png")) &&
             ok;
        ok = saveDialog([&window] { window.calendarPage()->onPreferences(); },
                        dir + QLatin1String("preferences.png")) &&
             ok;
        ok = saveDialog([&window] { window.showLegend(); }, dir + QLatin1String("legend.png")) &&
             ok;
    }
    return ok ? 0 : 1;
}
