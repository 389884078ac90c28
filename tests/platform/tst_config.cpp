#include "platform/config.h"
#include "platform/global.h"
#include "platform/resource.h"

#include "support/testhome.h"

#include <QFileInfo>

#include <sys/stat.h>

static int modeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

class TstConfig : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    void absentKeysGiveDefaults();
    void entriesReachTheDiskWhenDestroyed();
    void booleans_data();
    void booleans();
    void storeIsPrivate();
    void encipheredEntriesNeverInPlainSight_data();
    void encipheredEntriesNeverInPlainSight();
    void dataFolderIsPrivate();
    void missingIconIsNull();
};

void TstConfig::absentKeysGiveDefaults()
{
    Config c(QStringLiteral("ovelaZ"));
    c.setGroup(QStringLiteral("Preferenes"));
    QCOMPARE(c.readNumEntry(QStringLiteral("CycleLength"), 28), 28);
    QCOMPARE(c.readBoolEntry(QStringLiteral("Startup"), true), true);
    QVERIFY(c.readEntryCrypt(QStringLiteral("PreferencesMain")).isNull());
    QCOMPARE(c.readEntry(QStringLiteral("x"), QStringLiteral("d")), QStringLiteral("d"));
}

void TstConfig::entriesReachTheDiskWhenDestroyed()
{
    {
        Config c(QStringLiteral("ovelaZ"));
        c.setGroup(QStringLiteral("G"));
        c.writeEntry(QStringLiteral("n"), 42);
        c.writeEntry(QStringLiteral("text"), QStringLiteral("héllo"));
        c.writeEntryCrypt(QStringLiteral("secret"), QStringLiteral(""));
    }
    QVERIFY(QFile::exists(Config::fileName(QStringLiteral("ovelaZ"))));
    Config c(QStringLiteral("ovelaZ"));
    c.setGroup(QStringLiteral("G"));
    QCOMPARE(c.readNumEntry(QStringLiteral("n")), 42);
    QCOMPARE(c.readEntry(QStringLiteral("text")), QStringLiteral("héllo"));
    // An empty code reads back empty, not as the absent default.
    const QString empty = c.readEntryCrypt(QStringLiteral("secret"), QStringLiteral("absent"));
    QVERIFY(empty.isEmpty());
    // A group is an address: the same key elsewhere is absent.
    c.setGroup(QStringLiteral("Other"));
    QCOMPARE(c.readNumEntry(QStringLiteral("n"), -7), -7);
}

void TstConfig::booleans_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("value");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("5") << "5" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("false") << "false" << false;
}

void TstConfig::booleans()
{
    QFETCH(QString, stored);
    QFETCH(bool, value);
    {
        Config c(QStringLiteral("qpe"));
        c.setGroup(QStringLiteral("Time"));
        c.writeEntry(QStringLiteral("MONDAY"), stored);
    }
    Config c(QStringLiteral("qpe"));
    c.setGroup(QStringLiteral("Time"));
    QCOMPARE(c.readBoolEntry(QStringLiteral("MONDAY"), !value), value);
}

void TstConfig::storeIsPrivate()
{
    { Config c(QStringLiteral("ovelaZ")); c.writeEntry(QStringLiteral("k"), 1); }
    const QFileInfo file(Config::fileName(QStringLiteral("ovelaZ")));
    QCOMPARE(modeOf(file.filePath()), 0600);
    QCOMPARE(modeOf(file.absolutePath()), 0700);
}

void TstConfig::encipheredEntriesNeverInPlainSight_data()
{
    QTest::addColumn<QString>("secret");
    QTest::newRow("digits") << "4711";
    QTest::newRow("digest-like") << "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";
    QTest::newRow("unicode") << "pässwörd✓";
}

void TstConfig::encipheredEntriesNeverInPlainSight()
{
    QFETCH(QString, secret);
    {
        Config c(QStringLiteral("ovelaZ"));
        c.setGroup(QStringLiteral("Preferenes"));
        c.writeEntryCrypt(QStringLiteral("PreferencesMain"), secret);
    }
    QFile raw(Config::fileName(QStringLiteral("ovelaZ")));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(bytes.contains("PreferencesMain"));
    const QByteArray utf8 = secret.toUtf8();
    QByteArray utf16(reinterpret_cast<const char *>(secret.utf16()), secret.size() * 2);
    for (const QByteArray &form : {utf8, utf16, utf8.toHex(), utf8.toBase64(),
                                   utf8.toPercentEncoding(), QByteArray(utf8).toUpper()})
        QVERIFY2(!bytes.contains(form), form.constData());

    Config c(QStringLiteral("ovelaZ"));
    c.setGroup(QStringLiteral("Preferenes"));
    QCOMPARE(c.readEntryCrypt(QStringLiteral("PreferencesMain")), secret);
}

void TstConfig::dataFolderIsPrivate()
{
    const QString path = Global::applicationFileName(QStringLiteral("ovelaZ"),
                                                     QStringLiteral("journal.ovd"));
    QCOMPARE(path, TestHome::dataHome() + QStringLiteral("/ovelaZ/journal.ovd"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(modeOf(QFileInfo(path).absolutePath()), 0700);
}

void TstConfig::missingIconIsNull()
{
    QVERIFY(Resource::loadPixmap(QStringLiteral("ovelaZ/no-such-icon")).isNull());
    QVERIFY(Resource::loadPixmap(QStringLiteral("ovelaZ/no-such-icon.png")).isNull());
}

OVELA_TEST_GUI_MAIN(TstConfig)
#include "tst_config.moc"
