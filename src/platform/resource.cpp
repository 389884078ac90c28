#include "platform/resource.h"

#include "platform/svgicon.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cstring>

static void initResources()
{
    // The icons live in a static library; their resource must be registered by hand.
    Q_INIT_RESOURCE(ovela);
}

namespace {

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

// The image the build rendered from the SVG icon at path (":/icons/<name>") for ratio 1 or 2,
// ":/icon-pixmaps/<name>@<ratio>x"; null when it did not.
QImage prerendered(const QString &path, qreal ratio)
{
    const QString name = path.mid(int(std::strlen(":/icons/")));
    return Resource::readPng(QLatin1String(":/icon-pixmaps/") + name + QLatin1Char('@')
                             + QString::number(int(ratio)) + QLatin1Char('x'));
}

} // namespace

namespace {

void ensureResources()
{
    static const bool registered = (initResources(), true);
    Q_UNUSED(registered);
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
    const bool isSvg = data.contains("<svg");
    // The build renders every SVG icon for the usual ratios: reading that image takes a
    // fraction of the time of drawing it, which is left for the other ratios.
    const QImage ready = isSvg && (ratio == 1.0 || ratio == 2.0) ? prerendered(path, ratio)
                                                                 : QImage();
    QSvgRenderer svg;
    if (!ready.isNull()) {
        pixmap = QPixmap::fromImage(ready);
        pixmap.setDevicePixelRatio(ratio);
    } else if (isSvg && svg.load(data)) {
        pixmap = QPixmap::fromImage(renderSvgIcon(svg, ratio));
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
