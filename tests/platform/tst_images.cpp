#include "platform/qpetoolbar.h"
#include "platform/resource.h"

#include "support/testhome.h"

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QProxyStyle>
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
    void extensionIconIsTheStockOne_data();
    void extensionIconIsTheStockOne();
    void iconsComeAtTheScreensRatio_data();
    void iconsComeAtTheScreensRatio();
};

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

void TstImages::iconsComeAtTheScreensRatio_data()
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

// Every icon comes at its own size times the screen's ratio, drawn (this program runs once
// more at a scale factor of 2).
void TstImages::iconsComeAtTheScreensRatio()
{
    QFETCH(QString, name);
    QSvgRenderer svg(QLatin1String(":/icons/") + name);
    QVERIFY(svg.isValid());
    const qreal ratio = qApp->devicePixelRatio();
    const QPixmap shown = Resource::loadPixmap(name);
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(shown.size(), svg.defaultSize() * ratio);
    const QImage image = shown.toImage();
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = image.pixelColor(x, y).alpha() > 0;
    QVERIFY(drawn);
}

OVELA_TEST_GUI_MAIN(TstImages)
#include "tst_images.moc"
