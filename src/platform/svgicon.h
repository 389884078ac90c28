#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

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
