#include "platform/resource.h"

#include "platform/svgicon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>
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

// What the build rendered from the SVG icon at path (":/icons/<name>") and stored, raw and
// uncompressed, at ":/icon-pixmaps/<name><suffix>"; null when it did not.
QImage stored(const QString &path, const QString &suffix)
{
    const QResource resource(QLatin1String(":/icon-pixmaps/")
                             + path.mid(int(std::strlen(":/icons/"))) + suffix);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return QImage();
    return decodeIconImage(resource.data(), resource.size());
}

// The icon at its own size times ratio, as rendered for ratio 1 or 2 ("@1x", "@2x"); null
// when the icon is no SVG or the ratio another.
QImage prerendered(const QString &path, qreal ratio)
{
    if (ratio != 1.0 && ratio != 2.0)
        return QImage();
    return stored(path, QLatin1Char('@') + QString::number(int(ratio)) + QLatin1Char('x'));
}

// An icon drawn from its SVG at any size but those the build rendered it square at ("@16px"
// and so on), which are read instead. The SVG icon (and with it the toolkit's SVG icon
// plugin) is made only when another size is asked for. It has no list of sizes, as the SVG
// icon has none, so a window manager is still sent the sizes it was.
class PrerenderedIconEngine : public QIconEngine
{
public:
    explicit PrerenderedIconEngine(const QString &path) : m_path(path) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height()) {
            const QImage ready =
                    stored(m_path, QLatin1Char('@') + QString::number(size.width())
                                           + QLatin1String("px"));
            if (ready.size() == size)
                return QPixmap::fromImage(ready);
        }
        return svg().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override
    {
        svg().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return svg().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }
    QIconEngine *clone() const override { return new PrerenderedIconEngine(m_path); }
    QString key() const override { return QStringLiteral("ovela-prerendered"); }

private:
    QIcon &svg()
    {
        if (m_svg.isNull())
            m_svg = QIcon(m_path);
        return m_svg;
    }

    QString m_path;
    QIcon m_svg;
};

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
    // The build renders every SVG icon for the usual ratios: reading that image takes a
    // fraction of the time of drawing it, which is left for the other ratios.
    const QImage ready = prerendered(path, ratio);
    if (!ready.isNull()) {
        pixmap = QPixmap::fromImage(ready);
        pixmap.setDevicePixelRatio(ratio);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QPixmap();
        const QByteArray data = file.readAll();
        // An entry may be SVG under any name (the cell markers keep their historical .png
        // names).
        QSvgRenderer svg;
        if (data.contains("<svg") && svg.load(data)) {
            pixmap = QPixmap::fromImage(renderSvgIcon(svg, ratio));
            pixmap.setDevicePixelRatio(ratio);
        } else {
            pixmap.loadFromData(data);
        }
    }
    if (!pixmap.isNull())
        QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QIcon Resource::loadIcon(const QString &name)
{
    ensureResources();
    const QString path = resolve(name);
    if (path.isEmpty())
        return QIcon();
    return path.endsWith(QLatin1String(".svg")) ? QIcon(new PrerenderedIconEngine(path))
                                                : QIcon(path);
}

QImage Resource::readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
