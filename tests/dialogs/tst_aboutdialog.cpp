#include "dialogs/About.h"

#include "support/testhome.h"

#include <QLabel>

class TstAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void titleStaysBoldAfterFontChange();
};

void TstAboutDialog::form()
{
    AboutDialog unnamed;
    QCOMPARE(unnamed.objectName(), QStringLiteral("AboutBaseDialog"));

    AboutDialog dialog(nullptr, "AboutDialog", true);
    QCOMPARE(dialog.objectName(), QStringLiteral("AboutDialog"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
    QCOMPARE(dialog.TextLabel1->text(), QStringLiteral("Quorin Version 3.2"));
    QVERIFY(dialog.TextLabel1->font().bold());
    QVERIFY(!dialog.TextLabel2->font().bold());
    QVERIFY(dialog.TextLabel4->text().startsWith(QStringLiteral("Support:\n")));

    const QPixmap logo = dialog.PixmapLabel1->pixmap();
    QCOMPARE(logo.size(), QSize(28, 30));
    QVERIFY(!dialog.PixmapLabel1->hasScaledContents());
    // A drawing, not an empty square: transparent corners, coloured middle.
    const QImage image = logo.toImage();
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(14, 16)), 255);
}

void TstAboutDialog::titleStaysBoldAfterFontChange()
{
    const QFont original = QApplication::font();
    AboutDialog dialog(nullptr, "AboutDialog", true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QFont bigger = original;
    bigger.setPointSize(original.pointSize() + 5);
    bigger.setItalic(true);
    QApplication::setFont(bigger);
    QCoreApplication::processEvents();

    QVERIFY(dialog.TextLabel1->font().bold());
    QCOMPARE(dialog.TextLabel1->font().pointSize(), bigger.pointSize());
    QVERIFY(dialog.TextLabel1->font().italic());
    QCOMPARE(dialog.TextLabel2->font().pointSize(), bigger.pointSize());
    QVERIFY(!dialog.TextLabel2->font().bold());

    QApplication::setFont(original);
    QCoreApplication::processEvents();
    QVERIFY(dialog.TextLabel1->font().bold());
    QCOMPARE(dialog.TextLabel1->font().pointSize(), original.pointSize());
}

OVELA_TEST_GUI_MAIN(TstAboutDialog)
#include "tst_aboutdialog.moc"
