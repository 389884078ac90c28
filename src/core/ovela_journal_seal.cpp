#include "core/ovela_journal_seal.h"

#include <QFile>
#include <QtEndian>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace {

// 0x89 first, as PNG does: no gzip stream (0x1f 0x8b) nor plain journal (a byte count that
// starts with 0) begins so.
const char Magic[OvelaJournalSeal::MagicSize + 1] = "\x89OVDSEAL";
constexpr quint8 Version = 1;

constexpr int KeyBytes = 32;
constexpr int IdBytes = 16;
constexpr int SaltBytes = crypto_pwhash_SALTBYTES;
constexpr int NonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr int WrappedBytes = KeyBytes + crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr int HashBytes = crypto_generichash_BYTES;

// The header, version 1. Every version keeps the first three fields and ends its header in a
// hash of what precedes it, so damage is told from a wrong passphrase before anything else.
constexpr int VersionAt = OvelaJournalSeal::MagicSize;
constexpr int LengthAt = VersionAt + 1; // the header's length, 16 bits
constexpr int PassesAt = LengthAt + 2;  // Argon2id passes, 32 bits
constexpr int MemoryAt = PassesAt + 4;  // Argon2id memory in KiB, 32 bits
constexpr int SaltAt = MemoryAt + 4;
constexpr int IdAt = SaltAt + SaltBytes;   // tells which file key sealed it
constexpr int PassSlotAt = IdAt + IdBytes; // nonce, then the file key wrapped by the passphrase
constexpr int RecoverySlotAt = PassSlotAt + NonceBytes + WrappedBytes;
constexpr int HashAt = RecoverySlotAt + NonceBytes + WrappedBytes;
constexpr int HeaderBytes = HashAt + HashBytes;
constexpr int StreamHeaderBytes = crypto_secretstream_xchacha20poly1305_HEADERBYTES;
constexpr int ChunkBytes = 64 * 1024;
constexpr int ChunkOverhead = crypto_secretstream_xchacha20poly1305_ABYTES;

// 32 letters and digits without 0, O, 1 and I; 25 random bytes make 40 of them.
const char RecoveryAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr int RecoveryBytes = 25;
constexpr int RecoveryLetters = RecoveryBytes * 8 / 5;

const uchar *bytesOf(const QByteArray &a, int at = 0)
{
    return reinterpret_cast<const uchar *>(a.constData()) + at;
}

uchar *bytesOf(QByteArray &a, int at = 0)
{
    return reinterpret_cast<uchar *>(a.data()) + at;
}

// Guarded memory for a key: locked, fenced by guard pages, wiped when freed. It stays readable
// once made (not switched to no-access between uses): one seal serves the saver's thread and
// the window's at once.
struct SecretKey
{
    uchar *bytes = nullptr;
    SecretKey() { bytes = static_cast<uchar *>(sodium_malloc(KeyBytes)); }
    ~SecretKey() { sodium_free(bytes); }
    SecretKey(const SecretKey &) = delete;
    SecretKey &operator=(const SecretKey &) = delete;
    bool ok() const { return bytes != nullptr; }
    void freeze() { sodium_mprotect_readonly(bytes); }
};

QByteArray hashOf(const QByteArray &bytes, int length)
{
    QByteArray hash(HashBytes, Qt::Uninitialized);
    crypto_generichash(bytesOf(hash), HashBytes, bytesOf(bytes), size_t(length), nullptr, 0);
    return hash;
}

QByteArray keyId(const uchar *fileKey)
{
    static const char label[] = "ovelaZ journal file key";
    QByteArray id(IdBytes, Qt::Uninitialized);
    crypto_generichash(bytesOf(id), IdBytes, reinterpret_cast<const uchar *>(label),
                       sizeof label - 1, fileKey, KeyBytes);
    return id;
}

// What each wrapped key is bound to: the passphrase's key to the parameters and salt it was
// derived with, the recovery key's only to what survives a change of passphrase.
QByteArray passBinding(const QByteArray &header)
{
    return header.left(PassSlotAt);
}

QByteArray recoveryBinding(const QByteArray &header)
{
    return header.left(PassesAt) + header.mid(IdAt, IdBytes);
}

bool wrap(const uchar *key, const uchar *fileKey, const QByteArray &binding, QByteArray &header,
          int slotAt)
{
    randombytes_buf(bytesOf(header, slotAt), NonceBytes);
    unsigned long long length = 0;
    return crypto_aead_xchacha20poly1305_ietf_encrypt(
               bytesOf(header, slotAt + NonceBytes), &length, fileKey, KeyBytes, bytesOf(binding),
               size_t(binding.size()), nullptr, bytesOf(header, slotAt), key) == 0;
}

bool unwrap(const uchar *key, const QByteArray &header, const QByteArray &binding, int slotAt,
            uchar *fileKey)
{
    unsigned long long length = 0;
    return crypto_aead_xchacha20poly1305_ietf_decrypt(
               fileKey, &length, nullptr, bytesOf(header, slotAt + NonceBytes), WrappedBytes,
               bytesOf(binding), size_t(binding.size()), bytesOf(header, slotAt), key) == 0 &&
           length == KeyBytes;
}

// Argon2id over the passphrase's UTF-8 bytes (composed form, so that the same passphrase typed
// on another system gives the same key). False when it gets no memory.
bool derive(const QString &passphrase, const QByteArray &header, uchar *key)
{
    QByteArray utf8 = passphrase.normalized(QString::NormalizationForm_C).toUtf8();
    const quint32 passes = qFromBigEndian<quint32>(bytesOf(header, PassesAt));
    const quint32 memoryKiB = qFromBigEndian<quint32>(bytesOf(header, MemoryAt));
    const int result = crypto_pwhash(
        key, KeyBytes, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
        bytesOf(header, SaltAt), passes, size_t(memoryKiB) * 1024, crypto_pwhash_ALG_ARGON2ID13);
    sodium_memzero(utf8.data(), size_t(utf8.size()));
    return result == 0;
}

// The recovery key already holds 200 random bits: no one can try enough of them for a slow
// derivation to matter, so a hash makes its wrapping key and it opens the journal at once.
void deriveRecovery(const uchar *recovery, uchar *key)
{
    static const char label[] = "ovelaZ recovery key";
    crypto_generichash(key, KeyBytes, recovery, RecoveryBytes,
                       reinterpret_cast<const uchar *>(label), sizeof label - 1);
}

QString recoveryText(const uchar *bytes)
{
    QString text;
    quint32 buffer = 0;
    int bits = 0;
    for (int i = 0; i < RecoveryBytes; ++i) {
        buffer = (buffer << 8) | bytes[i];
        bits += 8;
        while (bits >= 5) {
            bits -= 5;
            if (!text.isEmpty() && text.size() % 6 == 5)
                text += QLatin1Char('-');
            text += QLatin1Char(RecoveryAlphabet[(buffer >> bits) & 31]);
        }
    }
    return text;
}

// The bytes of a typed recovery key; false when the text cannot be one.
bool recoveryBytes(const QString &typed, uchar *bytes)
{
    QString letters = typed.toUpper();
    letters.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    if (letters.size() != RecoveryLetters)
        return false;
    quint32 buffer = 0;
    int bits = 0;
    int out = 0;
    for (const QChar c : letters) {
        const char *found =
            c.unicode() < 128 ? std::strchr(RecoveryAlphabet, char(c.unicode())) : nullptr;
        if (!found || c.unicode() == 0)
            return false;
        buffer = (buffer << 5) | quint32(found - RecoveryAlphabet);
        bits += 5;
        if (bits >= 8) {
            bits -= 8;
            bytes[out++] = uchar(buffer >> bits);
        }
    }
    return out == RecoveryBytes;
}

static_assert(HeaderBytes == OvelaJournalSeal::HeaderSize);

// A version-1 header whose magic alone was damaged: its hash holds with the magic restored.
bool damagedMagic(const QByteArray &bytes)
{
    if (bytes.size() < HeaderBytes || quint8(bytes.at(VersionAt)) != Version ||
        qFromBigEndian<quint16>(bytesOf(bytes, LengthAt)) != HeaderBytes)
        return false;
    QByteArray restored = bytes.left(HashAt);
    std::memcpy(restored.data(), Magic, OvelaJournalSeal::MagicSize);
    return hashOf(restored, HashAt) == bytes.mid(HashAt, HashBytes);
}

OvelaJournalSeal::Status checkHeader(const QByteArray &sealed)
{
    using Status = OvelaJournalSeal::Status;
    // Idempotent; libsodium wants it before its first hash.
    const bool ready = sodium_init() >= 0;
    if (!OvelaJournalSeal::isSealed(sealed))
        return ready && damagedMagic(sealed) ? Status::Damaged : Status::NotSealed;
    if (!ready)
        return Status::NoMemory;
    if (sealed.size() < PassesAt)
        return Status::Damaged;
    const int length = qFromBigEndian<quint16>(bytesOf(sealed, LengthAt));
    if (length < PassesAt + HashBytes || sealed.size() < length ||
        hashOf(sealed, length - HashBytes) != sealed.mid(length - HashBytes, HashBytes))
        return Status::Damaged;
    const quint8 version = quint8(sealed.at(VersionAt));
    if (version > Version)
        return Status::NewerVersion;
    if (version != Version || length != HeaderBytes)
        return Status::Damaged;
    const quint32 passes = qFromBigEndian<quint32>(bytesOf(sealed, PassesAt));
    const quint32 memoryKiB = qFromBigEndian<quint32>(bytesOf(sealed, MemoryAt));
    if (passes < crypto_pwhash_OPSLIMIT_MIN || passes > OvelaJournalSeal::MaxPasses ||
        memoryKiB < crypto_pwhash_MEMLIMIT_MIN / 1024 || memoryKiB > OvelaJournalSeal::MaxMemoryKiB)
        return Status::Damaged;
    return Status::Ok;
}

} // namespace

struct OvelaJournalSeal::Keys
{
    SecretKey fileKey;
    QByteArray header; // not secret: salt, parameters and wrapped keys
};

OvelaJournalSeal::OvelaJournalSeal()
    : keys(std::make_unique<Keys>())
{
}

OvelaJournalSeal::~OvelaJournalSeal() = default;

bool OvelaJournalSeal::isSealed(const QByteArray &start)
{
    return start.startsWith(QByteArray(Magic, MagicSize));
}

bool OvelaJournalSeal::isSealedFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isSealed(file.read(MagicSize));
}

OvelaJournalSeal::Status OvelaJournalSeal::check(const QByteArray &sealed)
{
    return checkHeader(sealed);
}

std::shared_ptr<const OvelaJournalSeal> OvelaJournalSeal::create(const QString &passphrase,
                                                                 QString *recoveryKey, Cost cost)
{
    if (sodium_init() < 0)
        return nullptr;
    std::shared_ptr<OvelaJournalSeal> seal(new OvelaJournalSeal);
    if (!seal->keys->fileKey.ok())
        return nullptr;
    randombytes_buf(seal->keys->fileKey.bytes, KeyBytes);

    QByteArray &header = seal->keys->header;
    header = QByteArray(HeaderBytes, '\0');
    std::memcpy(header.data(), Magic, MagicSize);
    header[VersionAt] = char(Version);
    qToBigEndian<quint16>(HeaderBytes, bytesOf(header, LengthAt));
    header.replace(IdAt, IdBytes, keyId(seal->keys->fileKey.bytes));

    SecretKey recovery;
    SecretKey wrapping;
    if (!recovery.ok() || !wrapping.ok())
        return nullptr;
    randombytes_buf(recovery.bytes, RecoveryBytes);
    deriveRecovery(recovery.bytes, wrapping.bytes);
    if (!wrap(wrapping.bytes, seal->keys->fileKey.bytes, recoveryBinding(header), header,
              RecoverySlotAt))
        return nullptr;
    if (recoveryKey)
        *recoveryKey = recoveryText(recovery.bytes);
    seal->keys->fileKey.freeze();
    return seal->withPassphrase(passphrase, cost);
}

std::shared_ptr<const OvelaJournalSeal> OvelaJournalSeal::withPassphrase(const QString &passphrase,
                                                                         Cost cost) const
{
    std::shared_ptr<OvelaJournalSeal> seal(new OvelaJournalSeal);
    SecretKey wrapping;
    if (!seal->keys->fileKey.ok() || !wrapping.ok())
        return nullptr;
    std::memcpy(seal->keys->fileKey.bytes, keys->fileKey.bytes, KeyBytes);
    seal->keys->fileKey.freeze();
    QByteArray header = keys->header;
    qToBigEndian<quint32>(cost.passes, bytesOf(header, PassesAt));
    qToBigEndian<quint32>(cost.memoryKiB, bytesOf(header, MemoryAt));
    randombytes_buf(bytesOf(header, SaltAt), SaltBytes);
    if (!derive(passphrase, header, wrapping.bytes) ||
        !wrap(wrapping.bytes, seal->keys->fileKey.bytes, passBinding(header), header, PassSlotAt))
        return nullptr;
    header.replace(HashAt, HashBytes, hashOf(header, HashAt));
    seal->keys->header = header;
    return seal;
}

OvelaJournalSeal::Cost OvelaJournalSeal::cost() const
{
    Cost cost;
    cost.passes = qFromBigEndian<quint32>(bytesOf(keys->header, PassesAt));
    cost.memoryKiB = qFromBigEndian<quint32>(bytesOf(keys->header, MemoryAt));
    return cost;
}

std::shared_ptr<const OvelaJournalSeal>
OvelaJournalSeal::open(const QByteArray &sealed, const QString &secret, Status *status)
{
    Status ignored;
    Status &result = status ? *status : ignored;
    if (sodium_init() < 0) {
        result = Status::NoMemory;
        return nullptr;
    }
    result = checkHeader(sealed);
    if (result != Status::Ok)
        return nullptr;
    const QByteArray header = sealed.left(HeaderBytes);
    std::shared_ptr<OvelaJournalSeal> seal(new OvelaJournalSeal);
    SecretKey wrapping;
    SecretKey recovery;
    if (!seal->keys->fileKey.ok() || !wrapping.ok() || !recovery.ok()) {
        result = Status::NoMemory;
        return nullptr;
    }
    // A recovery key is tried first: it costs nothing, and a passphrase of that very shape is
    // still tried after it.
    bool opened = false;
    if (recoveryBytes(secret, recovery.bytes)) {
        deriveRecovery(recovery.bytes, wrapping.bytes);
        opened = unwrap(wrapping.bytes, header, recoveryBinding(header), RecoverySlotAt,
                        seal->keys->fileKey.bytes);
    }
    if (!opened) {
        if (!derive(secret, header, wrapping.bytes)) {
            result = Status::NoMemory;
            return nullptr;
        }
        opened = unwrap(wrapping.bytes, header, passBinding(header), PassSlotAt,
                        seal->keys->fileKey.bytes);
    }
    if (!opened) {
        result = Status::WrongSecret;
        return nullptr;
    }
    if (keyId(seal->keys->fileKey.bytes) != header.mid(IdAt, IdBytes)) {
        result = Status::Damaged;
        return nullptr;
    }
    seal->keys->fileKey.freeze();
    seal->keys->header = header;
    return seal;
}

QByteArray OvelaJournalSeal::seal(const QByteArray &gzip) const
{
    const qsizetype chunks = gzip.size() / ChunkBytes + 1;
    QByteArray out(HeaderBytes + StreamHeaderBytes + gzip.size() + chunks * ChunkOverhead,
                   Qt::Uninitialized);
    std::memcpy(out.data(), keys->header.constData(), HeaderBytes);
    crypto_secretstream_xchacha20poly1305_state state;
    crypto_secretstream_xchacha20poly1305_init_push(&state, bytesOf(out, HeaderBytes),
                                                    keys->fileKey.bytes);
    qsizetype at = HeaderBytes + StreamHeaderBytes;
    // Always at least one chunk, and the last one says so: a file cut at a chunk's end is
    // refused as surely as one cut inside a chunk.
    for (qsizetype from = 0; from < gzip.size() || from == 0;) {
        const qsizetype length = std::min<qsizetype>(ChunkBytes, gzip.size() - from);
        const bool last = from + length == gzip.size();
        // The container's header goes with the first chunk as additional data, so a change to
        // any of it (even to a wrapped key this passphrase does not use) fails authentication.
        const bool first = from == 0;
        unsigned long long written = 0;
        crypto_secretstream_xchacha20poly1305_push(
            &state, reinterpret_cast<uchar *>(out.data()) + at, &written,
            reinterpret_cast<const uchar *>(gzip.constData()) + from,
            static_cast<unsigned long long>(length), first ? bytesOf(out) : nullptr,
            first ? HeaderBytes : 0, last ? crypto_secretstream_xchacha20poly1305_TAG_FINAL : 0);
        at += qsizetype(written);
        from += length;
        if (last)
            break;
    }
    sodium_memzero(&state, sizeof state);
    out.resize(at);
    return out;
}

bool OvelaJournalSeal::unseal(const QByteArray &sealed, QByteArray *gzip, Status *status) const
{
    return unsealChunks(sealed, gzip, status, false);
}

QByteArray OvelaJournalSeal::unsealPrefix(const QByteArray &sealed) const
{
    QByteArray data;
    unsealChunks(sealed, &data, nullptr, true);
    return data;
}

bool OvelaJournalSeal::unsealChunks(const QByteArray &sealed, QByteArray *gzip, Status *status,
                                    bool keepPrefix) const
{
    Status ignored;
    Status &result = status ? *status : ignored;
    gzip->clear();
    result = checkHeader(sealed);
    if (result != Status::Ok)
        return false;
    if (sealed.mid(IdAt, IdBytes) != keys->header.mid(IdAt, IdBytes)) {
        result = Status::WrongSecret;
        return false;
    }
    result = Status::Damaged;
    crypto_secretstream_xchacha20poly1305_state state;
    if (sealed.size() < HeaderBytes + StreamHeaderBytes ||
        crypto_secretstream_xchacha20poly1305_init_pull(&state, bytesOf(sealed, HeaderBytes),
                                                        keys->fileKey.bytes) != 0)
        return false;
    QByteArray out(sealed.size(), Qt::Uninitialized);
    qsizetype from = HeaderBytes + StreamHeaderBytes;
    qsizetype at = 0;
    bool ended = false;
    while (!ended) {
        const qsizetype left = sealed.size() - from;
        if (left < ChunkOverhead)
            break; // cut short
        const qsizetype length = std::min<qsizetype>(ChunkBytes + ChunkOverhead, left);
        const bool first = from == HeaderBytes + StreamHeaderBytes;
        unsigned long long got = 0;
        uchar tag = 0;
        if (crypto_secretstream_xchacha20poly1305_pull(
                &state, bytesOf(out) + at, &got, &tag, bytesOf(sealed) + from,
                static_cast<unsigned long long>(length), first ? bytesOf(sealed) : nullptr,
                first ? HeaderBytes : 0) != 0)
            break;
        from += length;
        at += qsizetype(got);
        const bool final = tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
        if (final != (from == sealed.size()))
            break; // the end came early, or never came
        ended = final;
    }
    sodium_memzero(&state, sizeof state);
    if (!ended && !keepPrefix) {
        sodium_memzero(out.data(), size_t(out.size()));
        return false;
    }
    out.resize(at);
    *gzip = out;
    if (!ended)
        return false;
    result = Status::Ok;
    return true;
}

QString OvelaJournalSeal::describe(Status status)
{
    switch (status) {
    case Status::Ok:
        return QString();
    case Status::NotSealed:
        return tr("it is not an encrypted journal");
    case Status::WrongSecret:
        return tr("the passphrase or recovery key does not open it");
    case Status::Damaged:
        return tr("it fails authentication: it was damaged or tampered with");
    case Status::NewerVersion:
        return tr("it was encrypted by a newer version of the diary");
    case Status::NoMemory:
        return tr("there is not enough memory to check the passphrase");
    }
    return QString();
}
