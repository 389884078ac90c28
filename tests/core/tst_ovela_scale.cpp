#include "core/utils.h"

#include "support/testhome.h"

#include <QObject>
#include <QString>
#include <QtTest>

#include <cstdlib>

class TstOvelaScale : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void everyEntry_data();
    void everyEntry();
};

void TstOvelaScale::lookup_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<QString>("fahrenheit");

    QTest::newRow("first entry") << 0 << "36.00" << "96.80";
    QTest::newRow("code 21 is index 20") << 20 << "37.00" << "98.80";
    QTest::newRow("code 41 is the last entry") << 40 << "38.00" << "100.80";
    QTest::newRow("one past the end") << 41 << "0.00" << "0.00";
    QTest::newRow("negative index") << -1 << "0.00" << "0.00";
    QTest::newRow("far out of range") << 1000000 << "0.00" << "0.00";
}

void TstOvelaScale::lookup()
{
    QFETCH(int, index);
    QFETCH(QString, celsius);
    QFETCH(QString, fahrenheit);

    QCOMPARE(getTemperatureCount(), 41);
    QCOMPARE(QString::asprintf("%0.2f", double(getCelsius(index))), celsius);
    QCOMPARE(QString::asprintf("%0.2f", double(getFahrenheit(index))), fahrenheit);
    if (index < 0 || index >= getTemperatureCount()) {
        QCOMPARE(getCelsius(index), 0.0f);
        QCOMPARE(getFahrenheit(index), 0.0f);
    }
}

void TstOvelaScale::everyEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<QString>("fahrenheit");

    // Expected decimals built from whole hundredths and tenths, not from float arithmetic.
    for (int i = 0; i < 41; ++i) {
        const int hundredths = 3600 + 5 * i;
        const int tenths = 968 + i;
        QTest::addRow("index %d", i)
            << i << QString::asprintf("%d.%02d", hundredths / 100, hundredths % 100)
            << QString::asprintf("%d.%d0", tenths / 10, tenths % 10);
    }
}

void TstOvelaScale::everyEntry()
{
    QFETCH(int, index);
    QFETCH(QString, celsius);
    QFETCH(QString, fahrenheit);

    QCOMPARE(QString::asprintf("%0.2f", double(getCelsius(index))), celsius);
    QCOMPARE(QString::asprintf("%0.2f", double(getFahrenheit(index))), fahrenheit);
    // strtof rounds the decimal straight to the nearest float, which each entry must be.
    QCOMPARE(getCelsius(index), std::strtof(celsius.toLatin1().constData(), nullptr));
    QCOMPARE(getFahrenheit(index), std::strtof(fahrenheit.toLatin1().constData(), nullptr));
}

OVELA_TEST_CORE_MAIN(TstOvelaScale)
#include "tst_ovela_scale.moc"
