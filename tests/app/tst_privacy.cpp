#include "settings/Preferences.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "platform/password.h"

#include "support/testhome.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include "support/gzip.h"

// A pass code set through the preferences must not be readable from anything the program
// leaves on disk: not in the settings store, not in the journal's folder, in no encoding a
// snooping tool would try. Everything there is private to its owner.
namespace {

uint modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The content of a gzip file, or nothing when it is not one.
QByteArray gunzip(const QByteArray &packed)
{
    return packed.startsWith("\x1f\x8b") ? Gzip::inflate(packed) : QByteArray();
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xff);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

QByteArray utf32(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (QChar c : text) {
        const QByteArray unit = bigEndian ? QByteArray(3, '\0') + char(c.unicode())
                                          : char(c.unicode()) + QByteArray(3, '\0');
        out += unit;
    }
    return out;
}

// Every form of `secret` a search of the files could find, each with a name for the report.
QList<QPair<QByteArray, QByteArray>> encodings(const QString &name, const QByteArray &raw)
{
    QList<QPair<QByteArray, QByteArray>> forms;
    const QString text = QString::fromLatin1(raw);
    const QList<QPair<QByteArray, QByteArray>> bases = {
        {"plain", raw},
        {"UTF-16LE", utf16(text, false)},
        {"UTF-16BE", utf16(text, true)},
        {"UTF-32LE", utf32(text, false)},
        {"UTF-32BE", utf32(text, true)},
    };
    for (const auto &[how, bytes] : bases) {
        forms.append({how, bytes});
        forms.append({how + " hex", bytes.toHex()});
        forms.append({how + " HEX", bytes.toHex().toUpper()});
        forms.append({how + " base64", bytes.toBase64(QByteArray::OmitTrailingEquals)});
        forms.append({how + " base64url",
                      bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)});
        forms.append({how + " percent", bytes.toPercentEncoding()});
    }
    for (auto &form : forms)
        form.first = name.toLatin1() + " as " + form.first;
    return forms;
}

} // namespace

class TstPrivacy : public QObject
{
    Q_OBJECT

private:
    // Our folders: the settings store's and the journal's.
    QStringList ourFolders() const
    {
        return {TestHome::configHome() + QLatin1String("/ovelaZ"),
                TestHome::dataHome() + QLatin1String("/ovelaZ")};
    }

    void setCodeThroughPreferences(const QString &code, bool atStartup)
    {
        int asked = 0;
        Password::setHook([&asked, code](const QString &) {
            ++asked;
            return code;
        });
        {
            Preferences preferences;
            OvelaPreferencesDialog dialog;
            dialog.setupFromPreferences(preferences);
            auto *change = dialog.findChild<QPushButton *>(QStringLiteral("btnChangePasscode"));
            auto *startup = dialog.findChild<QCheckBox *>(QStringLiteral("cbPasscodeStartup"));
            QVERIFY(change && startup);
            QTest::mouseClick(change, Qt::LeftButton);
            QCOMPARE(asked, 2); // entered and confirmed
            QVERIFY(startup->isEnabled());
            startup->setChecked(atStartup);
            QVERIFY(dialog.validate());
            dialog.setupPreferences(preferences);
            // What is kept, even in memory, is the digest, never the code.
            QCOMPARE(preferences.getPassword(), Password::digest(code));
            QVERIFY(!preferences.getPassword().contains(code));
        } // the settings write themselves here
        Password::setHook(nullptr);
    }

    // Every file below our folders, and below the whole temporary home for the search.
    void verifyNothingInPlainSight(const QString &code)
    {
        const QByteArray digest = Password::digest(code).toLatin1();
        QList<QPair<QByteArray, QByteArray>> forms = encodings(QStringLiteral("code"), code.toLatin1());
        forms += encodings(QStringLiteral("digest"), digest);
        forms += encodings(QStringLiteral("digest bytes"), QByteArray::fromHex(digest));
        // The code's well-known unsalted digests, which any table would reverse.
        for (const auto algorithm : {QCryptographicHash::Md5, QCryptographicHash::Sha1,
                                     QCryptographicHash::Sha256}) {
            const QByteArray hash = QCryptographicHash::hash(code.toLatin1(), algorithm);
            forms.append({"unsalted hash hex", hash.toHex()});
            forms.append({"unsalted hash base64", hash.toBase64()});
        }

        int files = 0;
        QDirIterator it(TestHome::home().path(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QByteArray raw = readAll(path);
            const QByteArray inflated = gunzip(raw);
            ++files;
            for (const auto &[how, bytes] : std::as_const(forms)) {
                QVERIFY2(!raw.contains(bytes), qPrintable(path + QLatin1String(" holds the ")
                                                          + QLatin1String(how)));
                QVERIFY2(!inflated.contains(bytes),
                         qPrintable(path + QLatin1String(" (inflated) holds the ")
                                    + QLatin1String(how)));
            }
        }
        QVERIFY(files >= 1);
        qInfo("%d files searched, raw and inflated, for %lld forms of the code and its digest",
              files, qint64(forms.size()));
    }

    void verifyPrivate()
    {
        for (const QString &folder : ourFolders()) {
            if (!QFileInfo::exists(folder))
                continue;
            QCOMPARE(QString::number(modeOf(folder), 8), QStringLiteral("700"));
            QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString expected = it.fileInfo().isDir() ? QStringLiteral("700")
                                                               : QStringLiteral("600");
                QVERIFY2(QString::number(modeOf(path), 8) == expected,
                         qPrintable(path + QLatin1String(" has mode ")
                                    + QString::number(modeOf(path), 8)));
            }
        }
    }

private slots:
    void init() { TestHome::wipe(); }

    void codeSetInThePreferences_data();
    void codeSetInThePreferences();
    void codeThroughARunOfTheProgram();
};

void TstPrivacy::codeSetInThePreferences_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("atStartup");
    QTest::newRow("four digits, asked at start-up") << QStringLiteral("4711") << true;
    QTest::newRow("eight digits, not asked") << QStringLiteral("83920571") << false;
    QTest::newRow("thirty-two digits") << QStringLiteral("31415926535897932384626433832795") << true;
}

void TstPrivacy::codeSetInThePreferences()
{
    QFETCH(QString, code);
    QFETCH(bool, atStartup);
    setCodeThroughPreferences(code, atStartup);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QFileInfo::exists(TestHome::configHome() + QLatin1String("/ovelaZ/ovelaZ.conf")));

    // The store still gives the code back to the program: it is enciphered, not lost.
    {
        Preferences reread;
        QCOMPARE(reread.getPassword(), Password::digest(code));
        QCOMPARE(reread.getRequirePassword(), atStartup);
        reread.setSaveOnExit(false);
    }
    verifyNothingInPlainSight(code);
    verifyPrivate();
}

void TstPrivacy::codeThroughARunOfTheProgram()
{
    // The program itself then runs, writes its journal and rewrites the store at exit.
    const QString code = QStringLiteral("27182818");
    setCodeThroughPreferences(code, false);
    if (QTest::currentTestFailed())
        return;

    const QString program = QStringLiteral(OVELA_BINARY_DIR "/src/app/ovelaZ");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    const QString lock = TestHome::dataHome() + QLatin1String("/ovelaZ/journal.ovd.lock");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock), 30000);
    QTest::qWait(200);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QFileInfo::exists(TestHome::dataHome() + QLatin1String("/ovelaZ/journal.ovd")));

    {
        Preferences reread;
        QCOMPARE(reread.getPassword(), Password::digest(code));
        reread.setSaveOnExit(false);
    }
    verifyNothingInPlainSight(code);
    verifyPrivate();
}

OVELA_TEST_GUI_MAIN(TstPrivacy)
#include "tst_privacy.moc"
