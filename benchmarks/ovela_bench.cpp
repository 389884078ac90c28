// The journal's load and save, and a month step of the two temperature pages, each against
// the floor the file format and the toolkit allow, measured in the same run. Prints the ratios
// and exits with 1 when one misses its goal.
#include "bench_journals.h"

#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "core/ovela_journal_writer.h"
#include "core/qzipfile.h"
#include "cycle/ovela_calendar.h"
#include "cycle/ovela_cycle_insight.h"
#include "journaltool/ovela_journal_csv.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

namespace {

QTemporaryDir *folder = nullptr;

QString journalPath(int years)
{
    return folder->path() + QStringLiteral("/journal-%1y.ovd").arg(years);
}

// The journals, made and saved once.
const OvelaDatabase &benchJournal(int years)
{
    static std::map<int, std::unique_ptr<OvelaDatabase>> made;
    auto &slot = made[years];
    if (!slot) {
        slot = std::make_unique<OvelaDatabase>();
        fillBenchJournal(*slot, years);
        OvelaJournalFile(journalPath(years)).save(*slot);
    }
    return *slot;
}

// Floor of the load: one gzread of the whole file into memory of the right size.
void BM_LoadFloor(benchmark::State &state)
{
    const int years = int(state.range(0));
    const QByteArray raw = OvelaJournalWriter::journal(benchJournal(years).entries(), benchJournal(years).getStartCycleDate());
    const QByteArray path = QFile::encodeName(journalPath(years));
    QByteArray buffer(raw.size() + 1, Qt::Uninitialized);
    for (auto _ : state) {
        gzFile file = gzopen(path.constData(), "rb");
        const int got = gzread(file, buffer.data(), unsigned(buffer.size()));
        gzclose(file);
        if (got != raw.size())
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
}

void BM_Load(benchmark::State &state)
{
    const int years = int(state.range(0));
    benchJournal(years);
    for (auto _ : state) {
        auto journal = std::make_unique<OvelaDatabase>();
        QZipFile file(journalPath(years));
        if (!file.open(QIODevice::ReadOnly) || !journal->load(&file))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(journal->entries().size());
        // Freeing the journal is not part of loading it (the floor frees nothing either), nor
        // is the tidying of the freed memory that the allocator would otherwise leave to the
        // next large allocation, inside the next load. Trimming also hands the memory back, so
        // each load starts on fresh pages, as the program's one load does.
        state.PauseTiming();
        journal.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

// Floor of the save: one gzwrite of the same bytes at the same level, plus one fsync.
void BM_SaveFloor(benchmark::State &state)
{
    const int years = int(state.range(0));
    const QByteArray raw = OvelaJournalWriter::journal(benchJournal(years).entries(), benchJournal(years).getStartCycleDate());
    const QByteArray path = QFile::encodeName(folder->path() + QStringLiteral("/floor.gz"));
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        gzFile file = gzdopen(::dup(fd), "wb");
        gzwrite(file, raw.constData(), unsigned(raw.size()));
        gzclose(file);
        ::fsync(fd);
        ::close(fd);
    }
}

// The whole save of a session after its first: serialise, deflate, write, fsync, read back,
// rename.
void BM_Save(benchmark::State &state)
{
    const int years = int(state.range(0));
    const OvelaDatabase &journal = benchJournal(years);
    OvelaJournalFile file(folder->path() + QStringLiteral("/saved.ovd"));
    file.save(journal); // the session's first save, which also keeps the backup
    for (auto _ : state) {
        if (!file.save(journal))
            state.SkipWithError("save failed");
    }
}

// The longest the GUI thread went without running its event loop while a journal was saved as
// the user goes, with a day recorded in the middle of the save (which copies the records once).
std::map<int, double> longestPauseMs;

void BM_PauseDuringSave(benchmark::State &state)
{
    const int years = int(state.range(0));
    double &longestPause = longestPauseMs[years];
    longestPause = -1;
    OvelaDatabase journal;
    fillBenchJournal(journal, years);
    OvelaJournalFile file(folder->path() + QStringLiteral("/autosaved.ovd"));
    file.save(journal);
    OvelaJournalSaver saver(file, journal);
    saver.setDelay(50);
    QObject::connect(&journal, &OvelaDatabase::journalChanged, &saver,
                     &OvelaJournalSaver::markChanged);
    QDate day(2200, 1, 1);
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        bool edited = false;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
            if (!edited && saver.isSaving()) {
                edited = true;
                OvelaRecordEntry entry;
                entry.setPMS(true);
                journal.setEntry(entry, day);
                day = day.addDays(1);
            }
        });
        QEventLoop loop;
        QObject::connect(&saver, &OvelaJournalSaver::saved, &loop, [&] {
            if (!saver.isPending())
                loop.quit();
        });
        saver.markChanged();
        // The timer's first tick counts from here.
        clock.start();
        tick.start();
        saver.saveNow();
        loop.exec();
        longestPause = std::max(longestPause, double(longest) / 1e6);
    }
    state.counters["longest_pause_ms"] = longestPause;
}

struct Pages
{
    Preferences preferences;
    OvelaCalendar calendar{preferences};
    std::unique_ptr<OvelaTempChartWidget> chart;
    std::unique_ptr<OvelaTempHistoryWidget> history;
    Pages()
    {
        fillBenchJournal(calendar, 100);
        chart = std::make_unique<OvelaTempChartWidget>(&calendar, preferences);
        history = std::make_unique<OvelaTempHistoryWidget>(&calendar, preferences);
        chart->resize(420, 640);
        history->resize(420, 640);
        chart->show();
        history->show();
        // Exposed, so that a repaint really paints.
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    }
};

// Made on first use, gone before the application object (widgets must not outlive it).
std::unique_ptr<Pages> madePages;

Pages &pages()
{
    if (!madePages)
        madePages = std::make_unique<Pages>();
    return *madePages;
}

// One step to the next month and the page painted, as the header's arrow does.
void monthStep(benchmark::State &state, QWidget *page)
{
    auto *header = page->findChild<OvelaDateBookMonthHeader *>();
    QDate month(2000, 1, 1);
    for (auto _ : state) {
        month = month.addMonths(1);
        header->setDate(month.year(), month.month());
        page->repaint();
    }
}

void BM_ChartMonthStep(benchmark::State &state)
{
    monthStep(state, pages().chart.get());
}

void BM_HistoryMonthStep(benchmark::State &state)
{
    monthStep(state, pages().history.get());
}

void BM_ExportCsv(benchmark::State &state)
{
    const OvelaDatabase &journal = benchJournal(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(JournalCsv::write(journal).size());
}

void BM_Cycles(benchmark::State &state)
{
    const OvelaDatabase &journal = benchJournal(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(CycleInsight::findCycles(journal).size());
}

// 40 years of daily records is the longest diary a person keeps; 100 years is information.
BENCHMARK(BM_LoadFloor)->Arg(0)->Arg(10)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(0)->Arg(10)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Save)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PauseDuringSave)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ChartMonthStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryMonthStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cycles)->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration (the median when repeated) and prints as usual.
class Collector : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            // Repeated runs are named with their repetitions ("/repeats:5"); the goals are not.
            std::string name = run.run_name.str();
            if (const auto at = name.find("/repeats:"); at != std::string::npos)
                name.erase(at);
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    times[name] = run.GetAdjustedRealTime();
            } else if (!times.count(name) || run.repetitions <= 1) {
                times[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    folder = &dir;

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    madePages.reset();

    struct Goal
    {
        const char *figure;
        std::string measured;
        std::string floor;
        double goal; // 0: information only
    };
    const Goal goals[] = {
        {"load, 40 years / one gzread", "BM_Load/40", "BM_LoadFloor/40", 1.5},
        {"whole save, 40 years / gzwrite + fsync", "BM_Save/40", "BM_SaveFloor/40", 1.3},
        {"load, 100 years / one gzread", "BM_Load/100", "BM_LoadFloor/100", 0},
        {"whole save, 100 years / gzwrite + fsync", "BM_Save/100", "BM_SaveFloor/100", 0},
        {"history month step / chart month step", "BM_HistoryMonthStep", "BM_ChartMonthStep", 0},
    };
    int status = 0;
    std::printf("\n%-45s %8s %8s %s\n", "figure", "ratio", "goal", "");
    for (const Goal &g : goals) {
        const auto m = collector.times.find(g.measured);
        const auto f = collector.times.find(g.floor);
        if (m == collector.times.end() || f == collector.times.end()) {
            std::printf("%-45s %8s %8.2f not measured\n", g.figure, "-", g.goal);
            continue; // a filtered run measures only what it was asked for
        }
        const double ratio = m->second / f->second;
        if (g.goal == 0) {
            std::printf("%-45s %8.2f %8s information\n", g.figure, ratio, "-");
            continue;
        }
        const bool met = ratio <= g.goal;
        status |= met ? 0 : 1;
        std::printf("%-45s %8.2f %8.2f %s\n", g.figure, ratio, g.goal, met ? "met" : "MISSED");
    }
    for (const auto &[years, pause] : longestPauseMs) {
        const bool goal = years == 40;
        const bool met = pause < 50;
        if (goal)
            status |= met ? 0 : 1;
        std::printf("longest GUI pause while saving %3d years    %6.1f ms %5s %s\n", years, pause,
                    goal ? "50 ms" : "-", goal ? (met ? "met" : "MISSED") : "information");
    }
    return status;
}
