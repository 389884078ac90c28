#include "core/qzipfile.h"

#include "support/testhome.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QtTest>

namespace {

QString pathIn(const char *name)
{
    return TestHome::dataHome() + QLatin1Char('/') + QLatin1String(name);
}

QString fixture(const char *name)
{
    return QStringLiteral(OVELA_TEST_DATA "/") + QLatin1String(name);
}

bool writeZip(const QString &path, const QByteArray &bytes)
{
    QZipFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && !file.hasWriteError();
}

} // namespace

class TstQZipFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void writesGzipReadsBack();
    void readsPlainFiles();
    void openRules_data();
    void openRules();
    void openWithDescriptorIsNotImplemented();
    void createdFileIsPrivate();
    void positionAndEnd();
    void seekInUncompressedData();
    void characterAndLineReads();
    void damagedGzipIsReadError_data();
    void damagedGzipIsReadError();
};

void TstQZipFile::writesGzipReadsBack()
{
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes.append(char(i * 7 % 251));
    const QString path = pathIn("data.gz");
    QVERIFY(writeZip(path, bytes));

    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.read(3), QByteArray::fromHex("1f8b08"));
    raw.close();

    QZipFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), 0);
    QCOMPARE(file.readAll(), bytes);
    QVERIFY(file.atEnd());
}

void TstQZipFile::readsPlainFiles()
{
    QFile plain(fixture("one-entry-plain.ovd"));
    QVERIFY(plain.open(QIODevice::ReadOnly));
    const QByteArray expected = plain.readAll();

    QZipFile file(fixture("one-entry-plain.ovd"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);

    QZipFile packed(fixture("one-entry.ovd"));
    QVERIFY(packed.open(QIODevice::ReadOnly));
    QCOMPARE(packed.readAll(), expected);
}

void TstQZipFile::openRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("granted");

    const QString existing = fixture("one-entry.ovd");
    QTest::newRow("read existing") << existing << int(QIODevice::ReadOnly) << true
                                   << int(QIODevice::ReadOnly);
    QTest::newRow("read-write opens for reading only")
        << existing << int(QIODevice::ReadWrite) << true << int(QIODevice::ReadOnly);
    QTest::newRow("write new") << pathIn("new.gz") << int(QIODevice::WriteOnly) << true
                               << int(QIODevice::WriteOnly);
    QTest::newRow("read missing file") << pathIn("missing.gz") << int(QIODevice::ReadOnly)
                                       << false << int(QIODevice::NotOpen);
    QTest::newRow("no file name") << QString() << int(QIODevice::ReadOnly) << false
                                  << int(QIODevice::NotOpen);
    QTest::newRow("neither reading nor writing")
        << existing << int(QIODevice::NotOpen) << false << int(QIODevice::NotOpen);
    QTest::newRow("write into a missing folder")
        << pathIn("no/such/folder.gz") << int(QIODevice::WriteOnly) << false
        << int(QIODevice::NotOpen);
}

void TstQZipFile::openRules()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(bool, opens);
    QFETCH(int, granted);

    QZipFile file(name);
    QCOMPARE(file.open(QIODevice::OpenMode(mode)), opens);
    QCOMPARE(file.isOpen(), opens);
    QCOMPARE(int(file.openMode() & QIODevice::ReadWrite), granted);
    if (opens)
        QVERIFY(!file.open(QIODevice::OpenMode(mode))); // already open
    file.close();
    QVERIFY(!file.isOpen());
    if (opens) {
        QVERIFY(file.open(QIODevice::OpenMode(mode))); // and again after closing
        file.close();
    }
}

void TstQZipFile::openWithDescriptorIsNotImplemented()
{
    QZipFile file(pathIn("fd.gz"));
    QVERIFY(!file.open(QIODevice::ReadOnly, 0));
    QVERIFY(!file.isOpen());
}

void TstQZipFile::createdFileIsPrivate()
{
    const QString path = pathIn("private.gz");
    QVERIFY(writeZip(path, "secret"));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther;
    QCOMPARE(QFileInfo(path).permissions() & others, QFileDevice::Permissions());
}

void TstQZipFile::positionAndEnd()
{
    const QString path = pathIn("pos.gz");
    QVERIFY(writeZip(path, "0123456789"));

    QZipFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.pos(), 0);
    QVERIFY(!file.atEnd());
    QCOMPARE(file.read(4), QByteArray("0123"));
    QCOMPARE(file.pos(), 4);
    QCOMPARE(file.read(100), QByteArray("456789"));
    QCOMPARE(file.pos(), 10);
    QVERIFY(file.atEnd());
    QCOMPARE(file.read(1), QByteArray());
}

void TstQZipFile::seekInUncompressedData()
{
    const QString path = pathIn("seek.gz");
    QVERIFY(writeZip(path, "0123456789"));

    QZipFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(6));
    QCOMPARE(file.pos(), 6);
    QCOMPARE(file.read(2), QByteArray("67"));
    QVERIFY(file.seek(1)); // backwards, which zlib does by rereading
    QCOMPARE(file.read(3), QByteArray("123"));
    QVERIFY(!file.seek(-1));

    QZipFile writer(pathIn("forward.gz"));
    QVERIFY(writer.open(QIODevice::WriteOnly));
    QCOMPARE(writer.write("ab"), 2);
    QVERIFY(writer.seek(4)); // forward while writing fills with zeros
    QCOMPARE(writer.write("c"), 1);
    QVERIFY(!writer.seek(1)); // backwards while writing is impossible
    writer.close();
    QZipFile reader(pathIn("forward.gz"));
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QCOMPARE(reader.readAll(), QByteArray("ab\0\0c", 5));
}

void TstQZipFile::characterAndLineReads()
{
    const QString path = pathIn("lines.gz");
    {
        QZipFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.putch('x'), int('x'));
        QCOMPARE(file.write("first line\nsecond\nrest"), 22);
        QVERIFY(file.flush());
    }

    QZipFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.getch(), int('x'));
    QCOMPARE(file.ungetch('x'), -1);
    QCOMPARE(file.pos(), 1);
    QCOMPARE(file.readLine(), QByteArray("first line\n"));
    char small[4];
    QCOMPARE(file.readLine(small, sizeof(small)), 3);
    QCOMPARE(QByteArray(small), QByteArray("sec"));
    QCOMPARE(file.read(4), QByteArray("ond\n"));
    QCOMPARE(file.pos(), 19);
    QCOMPARE(file.readAll(), QByteArray("rest"));
    QCOMPARE(file.getch(), -1);
}

void TstQZipFile::damagedGzipIsReadError_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("corrupt body") << fixture("corrupt-body.ovd");
    QTest::newRow("cut in the body") << fixture("truncated-gzip.ovd");
    QTest::newRow("no trailer") << fixture("no-trailer.ovd");
    QTest::newRow("checksum wrong") << fixture("bad-crc.ovd");
}

void TstQZipFile::damagedGzipIsReadError()
{
    QFETCH(QString, file);

    QZipFile zip(file);
    QVERIFY(zip.open(QIODevice::ReadOnly));
    char chunk[256];
    qint64 result = 0;
    int reads = 0;
    while ((result = zip.read(chunk, sizeof(chunk))) > 0 && ++reads < 100) {
    }
    QCOMPARE(result, -1);
}

OVELA_TEST_CORE_MAIN(TstQZipFile)
#include "tst_qzipfile.moc"
