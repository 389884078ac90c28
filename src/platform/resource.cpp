#include "platform/resource.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

static void initResources()
{
    // The icons live in a static library; their resource must be registered by hand.
    Q_INIT_RESOURCE(ovela);
}

namespace {

void ensureResources()
{
    static const bool registered = (initResources(), true);
    Q_UNUSED(registered);
}

QString resolve(const QString &name)
{
    const QString base = QLatin1String(":/icons/") + name;
    if (QFile::exists(base))
        return base;
    QString stem = base;
    for (const char *ext : {".png", ".svg"}) {
        if (stem.endsWith(QLatin1String(ext))) {
            stem.chop(4);
            break;
        }
    }
    for (const char *ext : {".svg", ".png"}) {
        const QString candidate = stem + QLatin1String(ext);
        if (QFile::exists(candidate))
            return candidate;
    }
    return QString();
}

} // namespace

QPixmap Resource::loadPixmap(const QString &name)
{
    ensureResources();

    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString cacheKey = QLatin1String("ovela-icon:") + name + QLatin1Char('@')
                             + QString::number(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    const QString path = resolve(name);
    if (path.isEmpty())
        return QPixmap();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QPixmap();
    const QByteArray data = file.readAll();
    // An entry may be SVG under any name (the cell markers keep their historical .png names).
    QSvgRenderer svg;
    if (data.contains("<svg") && svg.load(data)) {
        // At its own size times the screen's ratio, so that it stays sharp.
        QImage image(svg.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio);
    } else {
        pixmap.loadFromData(data);
    }
    if (!pixmap.isNull())
        QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QIcon Resource::loadIcon(const QString &name)
{
    ensureResources();
    const QString path = resolve(name);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QImage Resource::readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
