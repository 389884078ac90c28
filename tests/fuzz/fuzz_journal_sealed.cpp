// Arbitrary bytes as an encrypted journal: the container's header checked, the container
// opened with a fixed passphrase and unsealed, and the journal inside loaded. The fuzzer
// cannot forge the header's hash, so a second pass makes it match (and caps the key
// derivation's cost at the cheapest) to reach what lies behind it; a third puts a real header
// before the bytes, so that the stream's chunks are what is fuzzed.

#include "fuzz_journal.h"

#include "core/ovela_journal_seal.h"
#include "core/qzipfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QtEndian>

#include <sodium.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QString passphrase = QStringLiteral("fuzz passphrase");
// Where version 1 keeps the cost (passes, then memory in KiB) and ends in the header's hash.
constexpr int PassesAt = 11;
constexpr int MemoryAt = 15;
constexpr int HashBytes = 32;

std::shared_ptr<const OvelaJournalSeal> &fixedSeal()
{
    static std::shared_ptr<const OvelaJournalSeal> seal;
    return seal;
}

QByteArray withMatchingHeader(QByteArray bytes)
{
    const int hashAt = OvelaJournalSeal::HeaderSize - HashBytes;
    if (!OvelaJournalSeal::isSealed(bytes) || bytes.size() < OvelaJournalSeal::HeaderSize)
        return bytes;
    auto *at = reinterpret_cast<uchar *>(bytes.data());
    if (qFromBigEndian<quint32>(at + PassesAt) > 2)
        qToBigEndian<quint32>(1, at + PassesAt);
    if (qFromBigEndian<quint32>(at + MemoryAt) > 64)
        qToBigEndian<quint32>(8, at + MemoryAt);
    crypto_generichash(at + hashAt, HashBytes, at, size_t(hashAt), nullptr, 0);
    return bytes;
}

void loadInside(const QByteArray &gzip)
{
    QByteArray stream;
    if (!QZipFile::uncompress(gzip, &stream, 1 << 24))
        return;
    QBuffer buffer(&stream);
    buffer.open(QIODevice::ReadOnly);
    OvelaDatabase journal;
    FuzzJournal::fillSentinel(journal);
    FuzzJournal::check(journal, journal.load(&buffer));
}

void openAndUnseal(const QByteArray &bytes)
{
    OvelaJournalSeal::Status status;
    const auto opened = OvelaJournalSeal::open(bytes, passphrase, &status);
    if (!opened)
        return;
    QByteArray gzip;
    const bool whole = opened->unseal(bytes, &gzip, &status);
    const QByteArray prefix = opened->unsealPrefix(bytes);
    if (!whole) {
        if (status != OvelaJournalSeal::Status::Damaged)
            FuzzJournal::broken("a file its own seal opens unseals as anything but damaged");
        if (!gzip.isEmpty())
            FuzzJournal::broken("a failed unseal gave data");
        return;
    }
    if (prefix != gzip)
        FuzzJournal::broken("the authentic part of a whole file is not all of it");
    QByteArray again;
    if (!opened->unseal(opened->seal(gzip), &again, &status) || again != gzip)
        FuzzJournal::broken("sealed again, the data does not unseal the same");
    loadInside(gzip);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzJournal::quietMessages);
    fixedSeal() = OvelaJournalSeal::create(passphrase, nullptr, OvelaJournalSeal::Cost{1, 8});
    if (!fixedSeal())
        FuzzJournal::broken("no seal could be made");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const OvelaJournalSeal::Status header = OvelaJournalSeal::check(input);
    if (OvelaJournalSeal::isSealed(input) && header == OvelaJournalSeal::Status::NotSealed)
        FuzzJournal::broken("a file with the magic is not taken for a sealed one");

    openAndUnseal(input);
    openAndUnseal(withMatchingHeader(input));

    // The stream's chunks behind a real header: only a real stream authenticates.
    const auto &seal = fixedSeal();
    const QByteArray realHeader = seal->seal(QByteArray()).left(OvelaJournalSeal::HeaderSize);
    QByteArray out;
    OvelaJournalSeal::Status status;
    if (!seal->unseal(realHeader + input, &out, &status) &&
        status != OvelaJournalSeal::Status::Damaged)
        FuzzJournal::broken("a stream behind its seal's header fails as anything but damaged");
    seal->unsealPrefix(realHeader + input);

    // Whatever is sealed unseals to itself, and cut short it is refused.
    const QByteArray sealed = seal->seal(input);
    if (!seal->unseal(sealed, &out, &status) || out != input)
        FuzzJournal::broken("sealed bytes do not unseal to themselves");
    const qsizetype cut = size > 0 ? qsizetype(data[0]) % (sealed.size() - 1) + 1 : 1;
    if (seal->unseal(sealed.left(sealed.size() - cut), &out, &status) ||
        status != OvelaJournalSeal::Status::Damaged)
        FuzzJournal::broken("a sealed file cut short is not refused as damaged");
    return 0;
}
