#include "platform/password.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TstPassword : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Password::setHook({}); }

    void digestIsOneWay();
    void keypadEntry_data();
    void keypadEntry();
    void entryIsWipedBeforeTheDialogCloses();
    void hookAnswersAsTyped_data();
    void hookAnswersAsTyped();
};

void TstPassword::digestIsOneWay()
{
    QVERIFY(Password::digest(QString()).isNull());
    const QString empty = Password::digest(QStringLiteral(""));
    QVERIFY(empty.isEmpty());
    QVERIFY(!empty.isNull());

    const QString code = Password::digest(QStringLiteral("1234"));
    QCOMPARE(code.size(), 64);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{64}$")).match(code).hasMatch());
    QCOMPARE(Password::digest(QStringLiteral("1234")), code);
    QVERIFY(Password::digest(QStringLiteral("1235")) != code);
    QVERIFY(Password::digest(QStringLiteral("01234")) != code);
    // Not the bare SHA-256 of the code, which any lookup table would reverse.
    QVERIFY(code != QString::fromLatin1(
                        QCryptographicHash::hash("1234", QCryptographicHash::Sha256).toHex()));
}

void TstPassword::keypadEntry_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digits then OK") << QStringList{"key1", "key2", "key3", "key4"} << "okButton"
                                    << Password::digest(QStringLiteral("1234"));
    QTest::newRow("every digit") << QStringList{"key0", "key1", "key2", "key3", "key4",
                                                "key5", "key6", "key7", "key8", "key9"}
                                 << "okButton" << Password::digest(QStringLiteral("0123456789"));
    QTest::newRow("backspace takes the last digit")
        << QStringList{"key7", "key8", "keyBackspace", "key9"} << "okButton"
        << Password::digest(QStringLiteral("79"));
    QTest::newRow("nothing typed then OK") << QStringList{} << "okButton" << QStringLiteral("");
    QTest::newRow("digits then Cancel")
        << QStringList{"key1", "key2"} << "cancelButton" << QString();
    QTest::newRow("nothing typed then Cancel") << QStringList{} << "cancelButton" << QString();
}

void TstPassword::keypadEntry()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, button);
    QFETCH(QString, expected);

    QString prompt;
    QString shown;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    Modal::Answerer answer([&](QWidget *modal) {
        prompt = modal->findChild<QLabel *>(QStringLiteral("prompt"))->text();
        auto *entry = modal->findChild<QLineEdit *>(QStringLiteral("entry"));
        echo = entry->echoMode();
        for (const QString &key : keys)
            modal->findChild<QPushButton *>(key)->click();
        shown = entry->text();
        modal->findChild<QPushButton *>(button)->click();
        return true;
    });

    const QString result = Password::getPassword(QStringLiteral("Enter password code:"));
    QCOMPARE(answer.answered, 1);
    QCOMPARE(prompt, QStringLiteral("Enter password code:"));
    QCOMPARE(echo, QLineEdit::Password);
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), expected.isNull());
    QVERIFY(!shown.isEmpty() || keys.isEmpty());
    // The entry itself is never handed out.
    if (!shown.isEmpty())
        QVERIFY(result != shown);
}

void TstPassword::entryIsWipedBeforeTheDialogCloses()
{
    QString lastText = QStringLiteral("untouched");
    bool destroyed = false;
    Modal::Answerer answer([&](QWidget *modal) {
        auto *entry = modal->findChild<QLineEdit *>(QStringLiteral("entry"));
        connect(entry, &QLineEdit::textChanged, entry,
                [&lastText](const QString &text) { lastText = text; });
        connect(entry, &QObject::destroyed, this, [&destroyed] { destroyed = true; });
        QTest::keyClicks(entry, QStringLiteral("5678"));
        modal->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        return true;
    });

    QCOMPARE(Password::getPassword(QStringLiteral("Code")), Password::digest("5678"));
    QVERIFY(destroyed);
    QCOMPARE(lastText, QString());
}

void TstPassword::hookAnswersAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a code") << QStringLiteral("2468") << Password::digest(QStringLiteral("2468"));
    QTest::newRow("empty entry") << QStringLiteral("") << QStringLiteral("");
    QTest::newRow("cancel") << QString() << QString();
}

void TstPassword::hookAnswersAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    Modal::Answerer noDialog([](QWidget *modal) {
        modal->close();
        return true;
    });
    QStringList prompts;
    Password::setHook([&](const QString &prompt) {
        prompts << prompt;
        return typed;
    });
    const QString result = Password::getPassword(QStringLiteral("Re-enter password code"));
    QCOMPARE(prompts, QStringList{QStringLiteral("Re-enter password code")});
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), expected.isNull());
    QCOMPARE(noDialog.answered, 0);
}

OVELA_TEST_GUI_MAIN(TstPassword)
#include "tst_password.moc"
