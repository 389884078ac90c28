#pragma once

// Every test runs in a fresh temporary home: the XDG folders point into a temporary directory
// before any application object exists, so no test ever touches the real user's files.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace TestHome {

inline QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

inline void setUp()
{
    const QString root = home().path();
    for (const char *sub : {"config", "data", "runtime"})
        QDir(root).mkpath(QLatin1String(sub));
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QLatin1String("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + QLatin1String("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + QLatin1String("/runtime")).toLocal8Bit());
    QFile::setPermissions(root + QLatin1String("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline QString configHome() { return home().path() + QLatin1String("/config"); }
inline QString dataHome() { return home().path() + QLatin1String("/data"); }

// Removes everything the previous test case left in the temporary home.
inline void wipe()
{
    for (const char *sub : {"config", "data"}) {
        QDir dir(home().path() + QLatin1Char('/') + QLatin1String(sub));
        dir.removeRecursively();
        QDir(home().path()).mkpath(QLatin1String(sub));
    }
}

} // namespace TestHome

// Like QTEST_MAIN / QTEST_GUILESS_MAIN, with the temporary home set up first.
#define OVELA_TEST_MAIN_IMPL(TestObject, AppClass)                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestHome::setUp();                                                                         \
        AppClass app(argc, argv);                                                                  \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define OVELA_TEST_CORE_MAIN(TestObject) OVELA_TEST_MAIN_IMPL(TestObject, QCoreApplication)
#define OVELA_TEST_GUI_MAIN(TestObject) OVELA_TEST_MAIN_IMPL(TestObject, QApplication)
