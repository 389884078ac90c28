#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"
#include "core/ovela_record_database.h"

#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The encrypted journal: its container, and the journal file's life with a seal set. The key
// derivation runs at its cheapest here; the program's own cost is the same code with larger
// numbers.
namespace {

const OvelaJournalSeal::Cost cheap{1, 8};
const QString passphrase = QStringLiteral("correct horse battery");
const QString note = QStringLiteral("spotting after the long run");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

QMap<QDate, OvelaRecordEntry> recordsWithNote()
{
    OvelaRecordEntry entry;
    entry.setNote(note);
    return {{QDate(2026, 3, 14), entry}};
}

bool isPrivate(const QString &path)
{
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    return !(QFile::permissions(path) & others);
}

// Every file under `folder`, with its path.
QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

} // namespace

class TestJournalSeal : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void roundTrip_data();
    void roundTrip();
    void secrets();
    void flippedBit_data();
    void flippedBit();
    void cutShort();
    void craftedHeader();

    void sealedSaveLeavesNothingPlain();
    void wrongSecretNeverWritesOrMoves();
    void plainJournalIsSealedAtNextSave();
    void damagedFileIsKept();
    void sealAllExistingCopies();
};

void TestJournalSeal::roundTrip_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("empty") << qsizetype(0);
    QTest::newRow("small") << qsizetype(100);
    QTest::newRow("one whole chunk") << qsizetype(64 * 1024);
    QTest::newRow("a chunk and a byte") << qsizetype(64 * 1024 + 1);
    QTest::newRow("several chunks") << qsizetype(300 * 1024);
}

void TestJournalSeal::roundTrip()
{
    QFETCH(qsizetype, size);
    QString recovery;
    const auto seal = OvelaJournalSeal::create(passphrase, &recovery, cheap);
    QVERIFY(seal);
    const QByteArray data = pattern(size);
    const QByteArray sealed = seal->seal(data);
    QVERIFY(OvelaJournalSeal::isSealed(sealed));
    QVERIFY(size < 64 || !sealed.contains(data.left(64)));

    OvelaJournalSeal::Status status;
    const auto opened = OvelaJournalSeal::open(sealed, passphrase, &status);
    QCOMPARE(status, OvelaJournalSeal::Status::Ok);
    QByteArray out;
    QVERIFY(opened->unseal(sealed, &out, &status));
    QCOMPARE(out, data);
    // Every write has a fresh stream header.
    QVERIFY(seal->seal(data) != sealed);
}

void TestJournalSeal::secrets()
{
    QString recovery;
    const auto seal = OvelaJournalSeal::create(passphrase, &recovery, cheap);
    QVERIFY(seal);
    QVERIFY(QRegularExpression(QStringLiteral("^([A-HJ-NP-Z2-9]{5}-){7}[A-HJ-NP-Z2-9]{5}$"))
                .match(recovery)
                .hasMatch());
    const QByteArray sealed = seal->seal("the journal");
    const QString typed = recovery.toLower().replace(QLatin1Char('-'), QLatin1Char(' '));

    const QList<QPair<QString, OvelaJournalSeal::Status>> cases{
        {passphrase, OvelaJournalSeal::Status::Ok},
        {recovery, OvelaJournalSeal::Status::Ok},
        {typed, OvelaJournalSeal::Status::Ok},
        {passphrase + QLatin1Char(' '), OvelaJournalSeal::Status::WrongSecret},
        {QString(recovery).replace(0, 1, recovery.at(0) == QLatin1Char('A') ? "B" : "A"),
         OvelaJournalSeal::Status::WrongSecret},
        {QString(), OvelaJournalSeal::Status::WrongSecret}};
    for (const auto &[secret, expected] : cases) {
        OvelaJournalSeal::Status status;
        const auto opened = OvelaJournalSeal::open(sealed, secret, &status);
        QCOMPARE(status, expected);
        QCOMPARE(bool(opened), expected == OvelaJournalSeal::Status::Ok);
        QByteArray out;
        QVERIFY(!opened || (opened->unseal(sealed, &out, &status) && out == "the journal"));
    }

    OvelaJournalSeal::Status status;
    QVERIFY(!OvelaJournalSeal::open("\x1f\x8b\x08 a gzip stream", passphrase, &status));
    QCOMPARE(status, OvelaJournalSeal::Status::NotSealed);

    // Another journal's seal does not open this one: another file key.
    const auto other = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    QByteArray out;
    QVERIFY(!other->unseal(sealed, &out, &status));
    QCOMPARE(status, OvelaJournalSeal::Status::WrongSecret);
}

void TestJournalSeal::flippedBit_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("bit");
    // Offsets in a sealed container of a 100-byte stream (the last row counts from its end).
    QTest::newRow("magic") << 3 << 0;
    QTest::newRow("magic's first byte") << 0 << 7;
    QTest::newRow("version, towards a newer one") << 8 << 1;
    QTest::newRow("version, towards 0") << 8 << 0;
    QTest::newRow("header length") << 10 << 2;
    QTest::newRow("passes") << 14 << 0;
    QTest::newRow("memory") << 17 << 3;
    QTest::newRow("salt") << 25 << 5;
    QTest::newRow("key id") << 40 << 6;
    QTest::newRow("wrapped by the passphrase") << 100 << 1;
    QTest::newRow("wrapped by the recovery key") << 170 << 4;
    QTest::newRow("header hash") << 200 << 0;
    QTest::newRow("stream header") << OvelaJournalSeal::HeaderSize + 3 << 2;
    QTest::newRow("body") << OvelaJournalSeal::HeaderSize + 24 + 50 << 7;
    QTest::newRow("last byte") << -1 << 0;
}

void TestJournalSeal::flippedBit()
{
    QFETCH(int, position);
    QFETCH(int, bit);
    QString recovery;
    const auto seal = OvelaJournalSeal::create(passphrase, &recovery, cheap);
    QByteArray sealed = seal->seal(pattern(100));
    const int at = position < 0 ? int(sealed.size()) + position : position;
    sealed[at] = char(sealed.at(at) ^ (1 << bit));

    // The header alone tells damage to itself.
    QCOMPARE(OvelaJournalSeal::check(sealed) == OvelaJournalSeal::Status::Damaged,
             at < OvelaJournalSeal::HeaderSize);
    OvelaJournalSeal::Status status;
    QByteArray out;
    QVERIFY(!seal->unseal(sealed, &out, &status));
    QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
    QVERIFY(out.isEmpty());
    for (const QString &secret : {passphrase, recovery}) {
        const auto opened = OvelaJournalSeal::open(sealed, secret, &status);
        QVERIFY(!opened || !opened->unseal(sealed, &out, &status));
        QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
    }

    // On disk: refused as damaged, and the file stays as it is, where it is.
    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    writeFile(path, sealed);
    OvelaJournalFile file(path);
    file.setSeal(seal);
    OvelaDatabase journal;
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::Damaged);
    QVERIFY(!file.errorString().isEmpty());
    QCOMPARE(file.afterRead(OvelaJournalFile::LoadResult::Unreadable),
             OvelaJournalFile::LoadResult::Damaged);
    QVERIFY(!file.save(journal));
    QCOMPARE(filesUnder(TestHome::dataHome()), (QMap<QString, QByteArray>{{path, sealed}}));
}

void TestJournalSeal::cutShort()
{
    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    const QByteArray sealed = seal->seal(pattern(2 * 64 * 1024));
    const qsizetype oneChunk = OvelaJournalSeal::HeaderSize + 24 + 64 * 1024 + 17;
    // Cut inside the header, inside a chunk, and right after a whole chunk that is not the last.
    for (qsizetype length : {qsizetype(OvelaJournalSeal::HeaderSize), qsizetype(300), oneChunk - 1,
                             oneChunk, sealed.size() - 1}) {
        OvelaJournalSeal::Status status;
        QByteArray out;
        QVERIFY2(!seal->unseal(sealed.left(length), &out, &status),
                 qPrintable(QString::number(length)));
        QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
    }
    OvelaJournalSeal::Status status;
    QByteArray out;
    QVERIFY(!seal->unseal(sealed + "x", &out, &status));
    QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
}

void TestJournalSeal::craftedHeader()
{
    // A header changed with its hash made to match: a cost above a sane bound is refused before
    // any derivation, and a changed wrapped key the passphrase does not use still fails
    // authentication with the data.
    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    const QByteArray sealed = seal->seal("x");
    const auto rehashed = [](QByteArray bytes) {
        QCryptographicHash blake(QCryptographicHash::Blake2b_256);
        blake.addData(QByteArrayView(bytes).first(OvelaJournalSeal::HeaderSize - 32));
        bytes.replace(OvelaJournalSeal::HeaderSize - 32, 32, blake.result());
        return bytes;
    };
    for (const auto &[at, value] : {QPair<int, quint32>(11, 1000), {15, 64u * 1024 * 1024}}) {
        QByteArray crafted = sealed;
        qToBigEndian<quint32>(value, crafted.data() + at);
        OvelaJournalSeal::Status status;
        QVERIFY(!OvelaJournalSeal::open(rehashed(crafted), passphrase, &status));
        QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
    }
    QByteArray crafted = sealed;
    crafted[170] = char(crafted.at(170) ^ 1); // the key wrapped by the recovery key
    crafted = rehashed(crafted);
    OvelaJournalSeal::Status status;
    const auto opened = OvelaJournalSeal::open(crafted, passphrase, &status);
    QVERIFY(opened);
    QByteArray out;
    QVERIFY(!opened->unseal(crafted, &out, &status));
    QCOMPARE(status, OvelaJournalSeal::Status::Damaged);
}

void TestJournalSeal::sealedSaveLeavesNothingPlain()
{
    const QString folder = TestHome::dataHome();
    const QString path = folder + QStringLiteral("/journal.ovd");
    QString recovery;
    const auto seal = OvelaJournalSeal::create(passphrase, &recovery, cheap);
    OvelaJournalBackups backups(folder + QStringLiteral("/backups"));
    backups.setSeal(seal);
    {
        OvelaJournalFile file(path);
        file.setSeal(seal);
        QCOMPARE(file.lock(), OvelaJournalFile::LockResult::Locked);
        QVERIFY(file.save(recordsWithNote(), QDate(2026, 3, 14)));
        QVERIFY(!backups.keep(path, OvelaJournalBackups::Kind::Session).isEmpty());
    }
    // A sync program's conflict copy from a device that does not encrypt is sealed as it is
    // taken in.
    const QString conflict = folder + QStringLiteral("/journal.sync-conflict.ovd");
    QVERIFY(OvelaJournalFile(conflict).save(recordsWithNote(), QDate(2026, 3, 14)));
    QVERIFY(!backups.takeIn(conflict).isEmpty());
    const QMap<QString, QByteArray> files = filesUnder(folder);
    QCOMPARE(files.size(), 3); // the journal, one backup, the conflict copy
    const QByteArray utf16le(reinterpret_cast<const char *>(note.utf16()), note.size() * 2);
    QByteArray utf16be = utf16le;
    for (qsizetype i = 0; i + 1 < utf16be.size(); i += 2)
        std::swap(utf16be[i], utf16be[i + 1]);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QVERIFY2(OvelaJournalSeal::isSealed(it.value()), qPrintable(it.key()));
        QVERIFY(!it.value().contains(note.toUtf8()));
        QVERIFY(!it.value().contains(utf16le));
        QVERIFY(!it.value().contains(utf16be));
        QVERIFY(!it.value().contains(QByteArray("\x1f\x8b\x08", 3)));
        QVERIFY(isPrivate(it.key()));
    }

    // The recovery key opens what was saved, and it holds the note.
    OvelaDatabase loaded;
    OvelaJournalFile file(path);
    OvelaJournalSeal::Status status;
    file.setSeal(OvelaJournalSeal::open(files.value(path), recovery, &status));
    QCOMPARE(file.load(loaded), OvelaJournalFile::LoadResult::Loaded);
    QCOMPARE(loaded.entries(), recordsWithNote());
}

void TestJournalSeal::wrongSecretNeverWritesOrMoves()
{
    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    {
        OvelaJournalFile file(path);
        file.setSeal(seal);
        QVERIFY(file.save(recordsWithNote(), QDate(2026, 3, 14)));
    }
    const QMap<QString, QByteArray> before = filesUnder(TestHome::dataHome());
    const QList<std::shared_ptr<const OvelaJournalSeal>> wrong{
        nullptr, OvelaJournalSeal::create(passphrase, nullptr, cheap)};
    for (const auto &other : wrong) {
        OvelaJournalFile file(path);
        file.setSeal(other);
        QCOMPARE(file.lock(), OvelaJournalFile::LockResult::Locked);
        OvelaDatabase journal;
        QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::NeedsSecret);
        QVERIFY(journal.entries().isEmpty());
        QVERIFY(!file.save(journal));
        // Nor is it set aside by a caller that takes any failed read for an unreadable file.
        QCOMPARE(file.afterRead(OvelaJournalFile::LoadResult::Unreadable),
                 OvelaJournalFile::LoadResult::NeedsSecret);
    }
    QCOMPARE(filesUnder(TestHome::dataHome()), before);

    // The right one, set afterwards, opens it and saves again.
    OvelaJournalFile file(path);
    OvelaDatabase journal;
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::NeedsSecret);
    file.setSeal(seal);
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::Loaded);
    QVERIFY(file.save(journal));
}

void TestJournalSeal::plainJournalIsSealedAtNextSave()
{
    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    QVERIFY(OvelaJournalFile(path).save(recordsWithNote(), QDate(2026, 3, 14)));
    const QByteArray plain = readFile(path);
    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    OvelaJournalFile file(path);
    file.setSeal(seal);
    OvelaDatabase journal;
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::Loaded);
    QVERIFY(file.save(journal));
    QVERIFY(OvelaJournalSeal::isSealedFile(path));
    // The session's backup of the plain journal it replaced is sealed as it is made.
    const QByteArray bak = readFile(file.backupPath());
    QVERIFY(OvelaJournalSeal::isSealed(bak));
    QByteArray inside;
    OvelaJournalSeal::Status status;
    QVERIFY(seal->unseal(bak, &inside, &status));
    QCOMPARE(inside, plain);
}

void TestJournalSeal::damagedFileIsKept()
{
    // A file that authenticates but holds no journal is set aside as any unreadable one, and
    // it stays sealed there.
    const QString path = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    writeFile(path, seal->seal("not a journal"));
    OvelaJournalFile file(path);
    file.setSeal(seal);
    OvelaDatabase journal;
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::MovedAside);
    QVERIFY(OvelaJournalSeal::isSealedFile(file.movedAsidePath()));

    // A plain unreadable file set aside with a seal set is sealed there.
    writeFile(path, "plain garbage of a note");
    QCOMPARE(file.load(journal), OvelaJournalFile::LoadResult::MovedAside);
    QVERIFY(!readFile(file.movedAsidePath()).contains("note"));
}

void TestJournalSeal::sealAllExistingCopies()
{
    const QString folder = TestHome::dataHome();
    const QString path = folder + QStringLiteral("/journal.ovd");
    OvelaJournalBackups backups(folder + QStringLiteral("/backups"));
    QVERIFY(OvelaJournalFile(path).save(recordsWithNote(), QDate(2026, 3, 14)));
    QVERIFY(OvelaJournalFile(path).save(recordsWithNote(), QDate(2026, 3, 14))); // a plain .bak
    QVERIFY(!backups.keep(path, OvelaJournalBackups::Kind::Session).isEmpty());
    QVERIFY(!backups.keep(path, OvelaJournalBackups::Kind::Companion).isEmpty());
    writeFile(path + QStringLiteral(".unreadable"), "a note set aside");
    writeFile(path + QStringLiteral(".unreadable.1"), "another note set aside");
    const QMap<QString, QByteArray> plain = filesUnder(folder);
    QCOMPARE(plain.size(), 6);

    const auto seal = OvelaJournalSeal::create(passphrase, nullptr, cheap);
    // For a journal that is not the diary's own, the copies beside it only.
    QVERIFY(backups.sealAll(path, *seal, false));
    for (const OvelaJournalBackups::Entry &entry : backups.list())
        QVERIFY(!OvelaJournalSeal::isSealedFile(entry.path));
    QVERIFY(OvelaJournalSeal::isSealedFile(path + QStringLiteral(".bak")));

    QVERIFY2(backups.sealAll(path, *seal), qPrintable(backups.errorString()));
    const QMap<QString, QByteArray> sealed = filesUnder(folder);
    QCOMPARE(sealed.keys(), plain.keys());
    for (auto it = sealed.cbegin(); it != sealed.cend(); ++it) {
        if (it.key() == path) {
            QCOMPARE(it.value(), plain.value(path)); // the journal is the window's to save
            continue;
        }
        QByteArray inside;
        OvelaJournalSeal::Status status;
        QVERIFY2(seal->unseal(it.value(), &inside, &status), qPrintable(it.key()));
        QCOMPARE(inside, plain.value(it.key()));
        QVERIFY(isPrivate(it.key()));
    }
    // Done twice, nothing changes: sealed files are left as they are.
    QVERIFY(backups.sealAll(path, *seal));
    QCOMPARE(filesUnder(folder), sealed);
}

OVELA_TEST_CORE_MAIN(TestJournalSeal)
#include "tst_journal_seal.moc"
