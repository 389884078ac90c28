// Arbitrary bytes as the journal file on disk, read through the gzip file device exactly as
// the program reads journal.ovd (zlib passes bytes that are not gzip through unchanged).
// The tolerant reader of ovela-journal reads the same bytes and must agree with the strict one:
// whole exactly when the journal loads, and then holding the same journal.

#include "fuzz_journal.h"

#include "core/qzipfile.h"
#include "journaltool/ovela_journal_salvage.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

std::string &filePath()
{
    static std::string path;
    return path;
}

void removeFile()
{
    ::unlink(filePath().c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzJournal::quietMessages);
    // One file for the whole run, in memory where the system has a tmpfs.
    const char *folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path = std::string(folder) + "/ovela-fuzz-XXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    ::close(fd);
    filePath() = path;
    std::atexit(removeFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *file = std::fopen(filePath().c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(filePath().c_str());
        std::abort();
    }
    QZipFile device(QString::fromStdString(filePath()));
    if (!device.open(QIODevice::ReadOnly))
        FuzzJournal::broken("an existing file did not open for reading");
    OvelaDatabase journal;
    FuzzJournal::fillSentinel(journal);
    const bool loaded = journal.load(&device);
    device.close();
    FuzzJournal::check(journal, loaded);

    const JournalSalvage::Result salvaged =
        JournalSalvage::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (salvaged.complete() != loaded)
        FuzzJournal::broken("the tolerant reader and the strict load disagree on a file");
    if (loaded
        && (salvaged.records != journal.entries()
            || salvaged.startCycleDate != journal.getStartCycleDate()))
        FuzzJournal::broken("the tolerant reader reads a loadable file differently");
    return 0;
}
