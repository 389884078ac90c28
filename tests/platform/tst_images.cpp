#include "platform/qpetoolbar.h"

#include "support/testhome.h"

#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <memory>

// The images the platform layer hands out, and what it takes to make them.
class TstImages : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    // First: the stock style's icons, made below for comparison, load the plugins.
    void toolBarLoadsNoImagePlugin();
    void extensionIconIsTheStockOne_data();
    void extensionIconIsTheStockOne();
};

static QStringList imagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") && !found.contains(QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1))))
            found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    return found;
}

void TstImages::toolBarLoadsNoImagePlugin()
{
    QPEToolBar::prepareStyle();
    QMainWindow window;
    auto *bar = new QPEToolBar(&window);
    window.addToolBar(bar);
    bar->addAction(QStringLiteral("one"));
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

OVELA_TEST_GUI_MAIN(TstImages)
#include "tst_images.moc"
