#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstring>

// An SVG icon at its own size times ratio: what the program shows, and what the build renders
// ahead of time for the usual ratios (see Resource::loadPixmap), so the two are the same pixels.
inline QImage renderSvgIcon(QSvgRenderer &svg, qreal ratio)
{
    QImage image(svg.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image;
}

// The form in which the build stores such an image in the program's resources: "OVPX", the
// width and the height (32 bits each, least significant byte first), then the rows' pixels as
// premultiplied R, G, B, A bytes. Reading it is a copy, where a PNG would be inflated and
// decoded by an image reader (that first lists the image plugins).
inline QByteArray encodeIconImage(const QImage &image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QByteArray out("OVPX");
    for (quint32 value : {quint32(rgba.width()), quint32(rgba.height())})
        for (int shift = 0; shift < 32; shift += 8)
            out.append(char((value >> shift) & 0xff));
    for (int y = 0; y < rgba.height(); ++y)
        out.append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rgba.width() * 4);
    return out;
}

// The image encodeIconImage stored in data; null unless data is exactly such an image.
inline QImage decodeIconImage(const uchar *data, qint64 size)
{
    constexpr qint64 header = 12;
    if (!data || size < header || std::memcmp(data, "OVPX", 4) != 0)
        return QImage();
    auto word = [data](int at) {
        return quint32(data[at]) | quint32(data[at + 1]) << 8 | quint32(data[at + 2]) << 16
               | quint32(data[at + 3]) << 24;
    };
    const quint32 width = word(4), height = word(8);
    if (width == 0 || height == 0 || width > 4096 || height > 4096
        || size != header + qint64(width) * height * 4)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_RGBA8888_Premultiplied);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < int(height); ++y)
        std::memcpy(image.scanLine(y), data + header + qint64(y) * width * 4, width * 4);
    return image;
}
