// The cost of the encrypted journal as whole processes, for scripts/bench: each run is one
// process that does one thing and ends, so the script's clock around it sees all of it.
//   ovela_seal_probe --make PATH YEARS [PASSFILE]   a journal, encrypted when PASSFILE is given
//   ovela_seal_probe --load PATH [PASSFILE]         opens (the passphrase's key derivation
//                                                   included) and loads it
//   ovela_seal_probe --save PATH [PASSFILE]         the same, then saves it whole
//   ovela_seal_probe --derive                       one key derivation at the program's cost
//   ovela_seal_probe --nothing                      starts and ends: the floor
// Prints "rss_kb <peak resident kB>".
#include "bench_journals.h"

#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

namespace {

QString secretIn(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed()
                                          : QString();
}

int done(int status)
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("rss_kb %ld\n", usage.ru_maxrss);
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const char *what = argc > 1 ? argv[1] : "";
    if (std::strcmp(what, "--nothing") == 0)
        return done(0);
    if (std::strcmp(what, "--derive") == 0)
        return done(OvelaJournalSeal::create(QStringLiteral("a passphrase"), nullptr) ? 0 : 1);
    if (argc < 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[2]);
    OvelaJournalFile file(path);
    if (std::strcmp(what, "--make") == 0 && argc > 3) {
        OvelaDatabase journal;
        fillBenchJournal(journal, std::atoi(argv[3]));
        if (argc > 4)
            file.setSeal(OvelaJournalSeal::create(secretIn(argv[4]), nullptr));
        return done(file.save(journal) ? 0 : 1);
    }
    if (argc > 3) {
        QFile sealed(path);
        if (!sealed.open(QIODevice::ReadOnly))
            return 1;
        OvelaJournalSeal::Status status;
        file.setSeal(OvelaJournalSeal::open(sealed.read(OvelaJournalSeal::HeaderSize),
                                            secretIn(argv[3]), &status));
    }
    OvelaDatabase journal;
    if (file.read(journal) != OvelaJournalFile::LoadResult::Loaded)
        return 1;
    if (std::strcmp(what, "--save") == 0)
        return done(file.save(journal) ? 0 : 1);
    return done(0);
}
