#pragma once

// An inflater of our own for the tests, independent of the program's gzip device, so that what
// the program wrote is read by something other than itself.

#include <QByteArray>

#include <zlib.h>

namespace Gzip {

// The decompressed content of a gzip stream, as far as it goes. `whole` tells whether it was
// one complete stream with nothing after it; the content is then never a null array.
inline QByteArray inflate(const QByteArray &packed, bool *whole = nullptr)
{
    if (whole)
        *whole = false;
    z_stream zs{};
    if (packed.isEmpty() || inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
        return QByteArray();
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    QByteArray out("");
    char chunk[4096];
    int status = Z_OK;
    while (status == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(chunk);
        zs.avail_out = sizeof chunk;
        status = ::inflate(&zs, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - zs.avail_out));
    }
    inflateEnd(&zs);
    if (whole)
        *whole = status == Z_STREAM_END && zs.avail_in == 0;
    return out;
}

} // namespace Gzip
