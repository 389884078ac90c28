#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

// An encrypted journal: a small header of our own around the journal's gzip stream, which is
// unchanged inside it.
//
//   magic (8 bytes, never the start of a gzip stream), format version, the header's length,
//   Argon2id parameters (passes, memory) and salt for the passphrase,
//   an identifier of the file key (a keyed hash of a constant, which tells nothing of it),
//   the file key wrapped by the key derived from the passphrase,
//   the file key wrapped by the key derived from the recovery key,
//   a hash of all of the above, which tells a damaged header from a wrong passphrase,
//   the gzip stream in libsodium's secretstream (XChaCha20-Poly1305) in chunks of 64 KiB, the
//   last one tagged final, whose header is fresh for every write; the container's header is
//   authenticated with the first chunk.
//
// The file key lives in libsodium's guarded memory and is wiped when the last seal that holds
// it goes. The passphrase is never kept.
class OvelaJournalSeal
{
    Q_DECLARE_TR_FUNCTIONS(OvelaJournalSeal)

public:
    enum class Status {
        Ok,
        NotSealed,      // the bytes are no sealed journal (a plain one, or something else)
        WrongSecret,    // neither the passphrase nor the recovery key opens it
        Damaged,        // it fails authentication or is cut short: tampered with or damaged
        NewerVersion,   // written by a later version of the format
        NoMemory        // the key derivation could not have its memory
    };

    // What the passphrase's key derivation costs: Argon2id passes over that much memory.
    struct Cost
    {
        quint32 passes = 3;
        quint32 memoryKiB = 64 * 1024;
    };
    // What the program uses for every passphrase it sets: what a phone affords.
    static Cost defaultCost() { return Cost(); }
    // The most a file's header may ask for when it is opened: a crafted header cannot make the
    // program allocate gigabytes or work for minutes.
    static constexpr quint32 MaxPasses = 16;
    static constexpr quint32 MaxMemoryKiB = 256 * 1024;

    // The magic's length: that many bytes of a file tell whether it is sealed.
    static constexpr int MagicSize = 8;
    // Whether these bytes (the start of a file will do) begin a sealed journal.
    static bool isSealed(const QByteArray &start);
    // The same for a file on disk; false when it is missing or unreadable.
    static bool isSealedFile(const QString &path);
    // What the container's header alone tells of these bytes: Ok when it is whole and
    // unchanged, Damaged when it is not (also for a sealed file whose magic was damaged, which
    // isSealed() does not recognise), NewerVersion, or NotSealed.
    static Status check(const QByteArray &sealed);
    // The bytes of a file that check() needs.
    static constexpr int HeaderSize = 227;

    // A new random file key, wrapped by the passphrase and by a new random recovery key,
    // returned once in `recoveryKey` as groups of letters easy to write down. Null when
    // libsodium cannot start or the key derivation gets no memory.
    // `cost` is for tests, which cannot wait for the real derivation.
    static std::shared_ptr<const OvelaJournalSeal> create(const QString &passphrase,
                                                          QString *recoveryKey,
                                                          Cost cost = defaultCost());
    // The seal of a sealed file (its container header suffices), opened with her passphrase
    // or her recovery key (either is tried; spaces and dashes in a typed recovery key do not
    // matter). Null with the reason otherwise.
    static std::shared_ptr<const OvelaJournalSeal> open(const QByteArray &sealed,
                                                        const QString &secret, Status *status);

    // The sealed container for a journal's gzip stream.
    QByteArray seal(const QByteArray &gzip) const;
    // The gzip stream inside a sealed container: WrongSecret when the container holds another
    // file key (another journal, or one whose passphrase was set anew elsewhere), Damaged when
    // anything fails authentication.
    bool unseal(const QByteArray &sealed, QByteArray *gzip, Status *status) const;

    // For a rescue: the data of the chunks that authenticate, in order, up to the first that
    // does not (all of it when nothing is wrong); empty when the header is damaged or another
    // file key sealed it.
    QByteArray unsealPrefix(const QByteArray &sealed) const;

    // The same file key and recovery key, wrapped by a new passphrase (a new salt): files
    // sealed by the result no longer open with the old passphrase.
    // Null when the key derivation gets no memory.
    std::shared_ptr<const OvelaJournalSeal> withPassphrase(const QString &passphrase,
                                                           Cost cost = defaultCost()) const;
    // The cost its passphrase was derived with.
    Cost cost() const;

    // What a Status means, for a message to her.
    static QString describe(Status status);

    ~OvelaJournalSeal();
    OvelaJournalSeal(const OvelaJournalSeal &) = delete;
    OvelaJournalSeal &operator=(const OvelaJournalSeal &) = delete;

private:
    OvelaJournalSeal();
    bool unsealChunks(const QByteArray &sealed, QByteArray *gzip, Status *status,
                      bool keepPrefix) const;
    struct Keys;
    std::unique_ptr<Keys> keys;
};
