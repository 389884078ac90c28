#include "platform/qpetoolbar.h"

#include "platform/qpeapplication.h"
#include "platform/resource.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QMap>
#include <QMainWindow>
#include <QProxyStyle>
#include <QResource>
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

    // Alt alone, and Alt with a menu's mnemonic, reach the menu bar in every style.
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // On a phone or a touch screen every control is big enough for a finger.
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const int target = QPEApplication::touchTargetSize();
        if (target <= 0)
            return result;
        switch (type) {
        case CT_ToolButton:
            return result.expandedTo(QSize(target, target));
        case CT_PushButton:
            // A handheld's row of keys or buttons shares a narrow screen: no wider than the
            // text needs (the desktop styles' least width would push the last ones off it).
            if (QPEApplication::isHandheldScreen()) {
                const int padding = 2 * (pixelMetric(PM_ButtonMargin, option, widget)
                                         + pixelMetric(PM_DefaultFrameWidth, option, widget));
                result.setWidth(qMin(result.width(), size.width() + padding));
            }
            return result.expandedTo(QSize(target, target));
        case CT_CheckBox:
        case CT_RadioButton:
        case CT_ComboBox:
        case CT_SpinBox:
        case CT_LineEdit:
        case CT_TabBarTab:
        case CT_MenuItem:
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
                item && item->menuItemType == QStyleOptionMenuItem::Separator)
                return result;
            return result.expandedTo(QSize(0, target));
        case CT_MenuBarItem:
            return result.expandedTo(QSize(0, target));
        default:
            return result;
        }
    }

private:
    // The stock style's images "<stem><size>.png", in every size there is.
    static QIcon pngIcon(const QString &stem)
    {
        QIcon icon;
        for (const QImage &image : pngImages(stem))
            icon.addPixmap(QPixmap::fromImage(image));
        return icon;
    }

    // Read once: the tool bar, the menu bar and every later tool bar ask for them. Images, not
    // pixmaps, may outlive the application.
    static const QList<QImage> &pngImages(const QString &stem)
    {
        static QHash<QString, QList<QImage>> read;
        if (const auto found = read.constFind(stem); found != read.cend())
            return *found;
        const QString folder = QStringLiteral(":/qt-project.org/styles/commonstyle/images");
        QMap<int, QString> bySize; // smallest first, as the stock style adds them
        // The resource's own list of names: a directory listing would make and test a file
        // information for each of the folder's images, and a name filter would compile a
        // regular expression.
        for (const QString &name : ResourceFolder(folder).names()) {
            if (!name.startsWith(stem) || !name.endsWith(QLatin1String(".png")))
                continue;
            bool number = false;
            const int size = QStringView(name).mid(stem.size()).chopped(4).toInt(&number);
            // "toolbar-ext-h-rtl-8.png" also starts with "toolbar-ext-h-".
            if (number && size > 0)
                bySize.insert(size, name);
        }
        QList<QImage> images;
        for (const QString &name : std::as_const(bySize)) {
            const QImage image = Resource::readPng(folder + QLatin1Char('/') + name);
            if (!image.isNull())
                images.append(image);
        }
        return *read.insert(stem, images);
    }

    // The names in a folder of the application's resources.
    class ResourceFolder : public QResource
    {
    public:
        using QResource::QResource;
        QStringList names() const { return isDir() ? children() : QStringList(); }
    };
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
