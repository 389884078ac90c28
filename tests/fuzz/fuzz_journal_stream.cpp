// Arbitrary bytes as the decompressed journal stream, read from a memory device.

#include "fuzz_journal.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzJournal::quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                               qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    OvelaDatabase journal;
    FuzzJournal::fillSentinel(journal);
    const bool loaded = journal.load(&device);
    FuzzJournal::check(journal, loaded);
    return 0;
}
