#pragma once

#include <QFile>

#include <cstdio>

// A QFile whose bytes go through a zlib gzip stream: reads plain or gzip data, writes gzip.
class QZipFile : public QFile
{
    Q_OBJECT
public:
    QZipFile();
    explicit QZipFile(const QString &name);
    ~QZipFile() override;

    bool open(OpenMode mode) override;
    bool open(OpenMode mode, int fd);
    bool open(OpenMode mode, FILE *stream);
    void close() override;
    // Pushes the compressed data written so far to the file; false when that write failed.
    bool flush();

    qint64 size() const override;
    qint64 pos() const override;
    bool seek(qint64 offset) override;
    bool atEnd() const override;
    bool isSequential() const override { return false; }

    int getch();
    int putch(int c);
    int ungetch(int c);

    // True when a write, a flush or the closing of a stream opened for writing failed since
    // it was opened: the file on disk is then incomplete and must not replace a good one.
    bool hasWriteError() const;

    // The same gzip stream made and read in memory, for a journal that is sealed before it
    // reaches the disk. uncompress() reads plain data through unchanged, as a file read does,
    // and fails on damaged data or beyond `maxSize` bytes.
    static QByteArray compress(const QByteArray &data);
    static bool uncompress(const QByteArray &gzip, QByteArray *data, qsizetype maxSize);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;
    qint64 readLineData(char *data, qint64 maxSize) override;

private:
    void syncPosition();

    void *handle = nullptr; // gzFile, kept opaque so zlib stays out of the header
    bool writing = false;
    bool writeError = false;
};
