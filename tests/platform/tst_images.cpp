#include "platform/qpetoolbar.h"
#include "platform/resource.h"
#include "platform/svgicon.h"

#include "support/testhome.h"

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QProxyStyle>
#include <QResource>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

// The images the platform layer hands out, and what it takes to make them.
class TstImages : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    // First: the stock style's icons, made below for comparison, load the plugins.
    void toolBarAndIconsLoadNoImagePlugin();
    void extensionIconIsTheStockOne_data();
    void extensionIconIsTheStockOne();
    void iconsAreTheDrawingAtEveryRatio_data();
    void iconsAreTheDrawingAtEveryRatio();
};

static QStringList imagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/"))
            found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    found.removeDuplicates();
    return found;
}

void TstImages::toolBarAndIconsLoadNoImagePlugin()
{
    QPEToolBar::prepareStyle();
    QMainWindow window;
    auto *bar = new QPEToolBar(&window);
    window.addToolBar(bar);
    bar->addAction(Resource::loadPixmap(QStringLiteral("ovelaZ/pencil")), QStringLiteral("Edit"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(imagePluginsLoaded(), QStringList());
}

void TstImages::extensionIconIsTheStockOne_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << false;
    QTest::newRow("horizontal, right to left")
        << int(QStyle::SP_ToolBarHorizontalExtensionButton) << true;
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton) << false;
}

// The same images in the same sizes as the style it wraps would give.
void TstImages::extensionIconIsTheStockOne()
{
    QFETCH(int, icon);
    QFETCH(bool, rightToLeft);
    QPEToolBar::prepareStyle();
    const auto *wrapper = qobject_cast<QProxyStyle *>(QApplication::style());
    QVERIFY(wrapper);
    const std::unique_ptr<QStyle> stock(QStyleFactory::create(wrapper->baseStyle()->name()));
    QVERIFY(stock);
    QStyleOption option;
    option.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    const auto which = QStyle::StandardPixmap(icon);
    const QIcon expected = stock->standardIcon(which, &option);
    const QIcon actual = QApplication::style()->standardIcon(which, &option);
    QVERIFY(!expected.availableSizes().isEmpty());
    QCOMPARE(actual.availableSizes(), expected.availableSizes());
    for (const QSize &size : expected.availableSizes())
        QCOMPARE(actual.pixmap(size).toImage(), expected.pixmap(size).toImage());
}

void TstImages::iconsAreTheDrawingAtEveryRatio_data()
{
    QTest::addColumn<QString>("name");
    QDirIterator icons(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (icons.hasNext()) {
        const QString path = icons.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains("<svg")) {
            const QString name = path.mid(int(qstrlen(":/icons/")));
            QTest::newRow(qPrintable(name)) << name;
            ++count;
        }
    }
    QVERIFY(count >= 18);
}

// What the build rendered for ratios 1 and 2 is what the program draws, pixel for pixel, and
// an icon comes at the screen's ratio (this program runs once more at a scale factor of 2).
void TstImages::iconsAreTheDrawingAtEveryRatio()
{
    QFETCH(QString, name);
    QSvgRenderer svg(QLatin1String(":/icons/") + name);
    QVERIFY(svg.isValid());
    for (int ratio : {1, 2}) {
        const QResource stored(QStringLiteral(":/icon-pixmaps/%1@%2x").arg(name).arg(ratio));
        QCOMPARE(stored.compressionAlgorithm(), QResource::NoCompression);
        const QImage built = decodeIconImage(stored.data(), stored.size());
        QVERIFY(!built.isNull());
        QCOMPARE(built.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 renderSvgIcon(svg, ratio));
        // Anything but the whole of such an image is refused, not read past its end.
        const QByteArray bytes(reinterpret_cast<const char *>(stored.data()), stored.size());
        for (const QByteArray &damaged : {bytes.chopped(1), bytes + '\0', bytes.left(12),
                                          QByteArray("OVPY") + bytes.mid(4)})
            QVERIFY(decodeIconImage(reinterpret_cast<const uchar *>(damaged.constData()),
                                    damaged.size())
                        .isNull());
    }

    const qreal ratio = qApp->devicePixelRatio();
    const QPixmap shown = Resource::loadPixmap(name);
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(shown.size(), svg.defaultSize() * ratio);
    QImage drawn = renderSvgIcon(svg, ratio);
    drawn.setDevicePixelRatio(ratio);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
}

OVELA_TEST_GUI_MAIN(TstImages)
#include "tst_images.moc"
