#pragma once

// Helpers shared by the journal tests: fixture files and an independent gunzip, so that what
// was written is checked against literal bytes and never through the program's own reader.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "support/gzip.h"

#include <zlib.h>

namespace JournalTest {

inline QString fixture(const QString &name)
{
    return QStringLiteral(OVELA_APP_TEST_DATA "/") + name;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The decompressed content of a gzip file; a null array when it is not one complete gzip
// stream.
inline QByteArray gunzip(const QString &path)
{
    bool whole = false;
    const QByteArray out = Gzip::inflate(readFile(path), &whole);
    return whole ? out : QByteArray();
}

inline QByteArray gzip(const QByteArray &raw)
{
    z_stream zs{};
    deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&zs, uLong(raw.size()))), '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
    zs.avail_in = uInt(raw.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_FINISH);
    out.truncate(qsizetype(zs.total_out));
    deflateEnd(&zs);
    return out;
}

// The stream of an empty journal with no start-cycle date.
inline QByteArray emptyJournalStream()
{
    return QByteArray::fromHex("00000014"
                               "004f00560045004c0041004300590043004c0045"
                               "64"
                               "00000000"
                               "00000000");
}

// A journal stream with one record whose note is `noteUnits` UTF-16 code units of digits that
// deflate poorly, to make a file of a known, large compressed size.
inline QByteArray bigJournalStream(int noteUnits)
{
    QByteArray stream = QByteArray::fromHex("00000014"
                                            "004f00560045004c0041004300590043004c0045"
                                            "64"
                                            "00000001"
                                            "00256859" // 2000-01-01
                                            "010000000000"
                                            "00000005"
                                            "00000002");
    const quint32 bytes = quint32(noteUnits) * 2;
    stream.append(char(bytes >> 24)).append(char(bytes >> 16)).append(char(bytes >> 8)).append(char(bytes));
    quint32 state = 12345;
    for (int i = 0; i < noteUnits; ++i) {
        state = state * 1103515245u + 12345u;
        stream.append('\0').append(char('0' + (state >> 16) % 10));
    }
    stream.append(QByteArray::fromHex("00256859"));
    return stream;
}

// Files in the folder whose names start with `prefix`, besides the ones listed.
inline QStringList strayFiles(const QString &folder, const QStringList &expected)
{
    QStringList stray;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        if (!expected.contains(name))
            stray << name;
    return stray;
}

} // namespace JournalTest
