#include "platform/qpetoolbar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QMap>
#include <QMainWindow>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// A tool bar asks the style for its extension button's icon as it is made. The stock styles
// name PNG files for it without saying they are PNG, and the image reader then probes the
// files with every image format plugin: the JPEG, GIF, ICO and SVG readers (and libjpeg) are
// loaded for three small PNGs, before the window can show. This style hands out the same
// images read as PNG, and leaves everything else to the style it wraps.
class ToolBarStyle : public QProxyStyle
{
public:
    explicit ToolBarStyle(QStyle *base)
        : QProxyStyle(base)
    {
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        QString stem;
        if (icon == SP_ToolBarHorizontalExtensionButton) {
            // As the stock style decides it: by the option, else by the application.
            const bool rtl = option ? option->direction == Qt::RightToLeft
                                    : QGuiApplication::isRightToLeft();
            stem = rtl ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-");
        } else if (icon == SP_ToolBarVerticalExtensionButton) {
            stem = QStringLiteral("toolbar-ext-v-");
        }
        if (!stem.isEmpty()) {
            const QIcon images = pngIcon(stem);
            if (!images.isNull())
                return images;
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

private:
    // The stock style's images "<stem><size>.png", in every size there is.
    static QIcon pngIcon(const QString &stem)
    {
        const QDir folder(QStringLiteral(":/qt-project.org/styles/commonstyle/images"));
        QMap<int, QString> bySize; // smallest first, as the stock style adds them
        // Matched by hand: a name filter would be a regular expression, and would load and
        // compile one for this.
        const QStringList names = folder.entryList(QDir::Files);
        for (const QString &name : names) {
            if (!name.startsWith(stem) || !name.endsWith(QLatin1String(".png")))
                continue;
            bool number = false;
            const int size = QStringView(name).mid(stem.size()).chopped(4).toInt(&number);
            // "toolbar-ext-h-rtl-8.png" also starts with "toolbar-ext-h-".
            if (number && size > 0)
                bySize.insert(size, name);
        }
        QIcon icon;
        for (const QString &name : std::as_const(bySize)) {
            // Without detection: a reader that may detect asks the plugins first.
            QImageReader reader(folder.filePath(name), "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = reader.read();
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
        }
        return icon;
    }
};

} // namespace

void QPEToolBar::prepareStyle()
{
    if (dynamic_cast<const ToolBarStyle *>(QApplication::style()))
        return;
    if (QStyle *base = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new ToolBarStyle(base));
}

QPEToolBar::QPEToolBar(QMainWindow *parent, const char *name)
    : QToolBar(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // A handheld's tool bar stays where the application put it.
    setMovable(false);
    setFloatable(false);
    // It carries every command: the window's context menu must not offer to hide it.
    toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QPEMenuBar::QPEMenuBar(QWidget *parent, const char *name)
    : QMenuBar(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // The menus live in the window's own tool bar, never in a desktop's global menu bar.
    setNativeMenuBar(false);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    if (auto *toolBar = qobject_cast<QToolBar *>(parent))
        toolBar->addWidget(this);
}

// Never narrower than all its menus: the tool bar moves its buttons behind its own extension
// first, so "View" and "Tools" stay in sight at any font size.
QSize QPEMenuBar::minimumSizeHint() const
{
    return sizeHint();
}
