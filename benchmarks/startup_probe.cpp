// Start-up and memory of the diary's window as the program builds it (settings, window,
// journal load, shown at its size), for scripts/bench.
//   ovela_startup_probe LAUNCH_NS            prints "frame_ms <ms> rss_kb <kB> save_rss_kb <kB>"
//   ovela_startup_probe --blank LAUNCH_NS    the same for a blank Qt Widgets window
//   ovela_startup_probe --passphrase-file FILE LAUNCH_NS
//                                            the same for an encrypted journal, its passphrase
//                                            answered at once from FILE (no typing counted)
//   ovela_startup_probe --make-journal PATH YEARS [PASSPHRASE-FILE]
//                                            encrypted with the passphrase when one is given
// LAUNCH_NS is the launch time (CLOCK_REALTIME, ns) taken by the caller just before it started
// the process, so loading the libraries counts too. The first painted frame is taken when the
// event loop has finished the window's first paint.
#include "bench_journals.h"

#include "app/ovela_main_widget.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "core/ovela_journal_seal.h"
#include "cycle/ovela_calendar.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "settings/Preferences.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include <sys/resource.h>

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

QString readPassphrase(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Ends the loop once the watched window has been painted for the first time.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(long long launch)
        : launchNs(launch)
    {
    }
    double frameMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && frameMs < 0 && watched->isWidgetType()) {
            frameMs = 0;
            // After the paint has been flushed to the window.
            QTimer::singleShot(0, this, [this] {
                frameMs = double(nowNs() - launchNs) / 1e6;
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long launchNs;
};

} // namespace

int main(int argc, char **argv)
{
    if ((argc == 4 || argc == 5) && QByteArray(argv[1]) == "--make-journal") {
        QCoreApplication app(argc, argv);
        OvelaDatabase journal;
        fillBenchJournal(journal, std::atoi(argv[3]));
        OvelaJournalFile file(QString::fromLocal8Bit(argv[2]));
        if (argc == 5) {
            QString recoveryKey;
            file.setSeal(OvelaJournalSeal::create(readPassphrase(argv[4]), &recoveryKey));
            if (!file.seal())
                return 1;
        }
        return file.save(journal) ? 0 : 1;
    }
    const bool blank = argc == 3 && QByteArray(argv[1]) == "--blank";
    if (argc == 4 && QByteArray(argv[1]) == "--passphrase-file") {
        const QString passphrase = readPassphrase(argv[2]);
        Password::setHook([passphrase](const QString &) { return passphrase; });
    }
    if (argc < 2)
        return 2;
    const long long launch = std::atoll(argv[argc - 1]);

    QPEApplication app(argc, argv);
    FirstFrame watcher(launch);
    app.installEventFilter(&watcher);
    if (blank) {
        QWidget window;
        app.showMainWidget(&window, false);
        app.exec();
        std::printf("frame_ms %.2f rss_kb %ld save_rss_kb %ld\n", watcher.frameMs, peakRssKb(),
                    peakRssKb());
        return 0;
    }
    Preferences preferences;
    preferences.setSaveOnExit(false);
    auto window = std::make_unique<OvelaMainWindow>(preferences);
    if (!window->isReady())
        return 1;
    app.showMainWidget(window.get(), false);
    app.exec();
    app.removeEventFilter(&watcher);
    const long running = peakRssKb();
    // A whole save of the journal as the window makes it.
    window->calendar()->setStartCycleDate(window->calendar()->getStartCycleDate());
    const bool saved = window->saver()->finish();
    std::printf("frame_ms %.2f rss_kb %ld save_rss_kb %ld\n", watcher.frameMs, running,
                peakRssKb());
    window.reset();
    return saved ? 0 : 1;
}
