#include "dialogs/OvelaPassphraseDialogs.h"
#include "dialogs/OvelaPreferencesDialog.h"

#include "platform/password.h"
#include "settings/Preferences.h"
#include "support/modal.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The passphrase dialogs, and the encryption commands of the preferences against a journal
// kept in memory.
namespace {

// Keeps the journal's seal as the window would, without a journal.
class MemorySealing : public OvelaJournalSealing
{
public:
    std::shared_ptr<const OvelaJournalSeal> seal;
    int writes = 0;

    std::shared_ptr<const OvelaJournalSeal> currentSeal() const override { return seal; }
    bool reseal(std::shared_ptr<const OvelaJournalSeal> newSeal, QString *problem) override
    {
        ++writes;
        seal = std::move(newSeal);
        problem->clear();
        return true;
    }
};

QPushButton *okOf(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

// Whether `secret` opens what `seal` writes.
bool opens(const OvelaJournalSeal &seal, const QString &secret)
{
    OvelaJournalSeal::Status status = OvelaJournalSeal::Status::Ok;
    return OvelaJournalSeal::open(seal.seal(QByteArrayLiteral("x")), secret, &status) != nullptr;
}

// Answers the next new-passphrase dialog with `passphrase`, and the recovery key dialog after
// it (when `recoveryKey` is given) by confirming and keeping the key shown.
void answerNewPassphrase(const QString &passphrase, QString *recoveryKey = nullptr)
{
    auto *answerer = new Modal::Answerer(
        [passphrase, recoveryKey](QWidget *w) {
            if (w->objectName() == QLatin1String("newPassphraseDialog")) {
                w->findChild<QLineEdit *>(QStringLiteral("passphrase"))->setText(passphrase);
                w->findChild<QLineEdit *>(QStringLiteral("passphraseAgain"))->setText(passphrase);
                okOf(w)->click();
                return true;
            }
            if (recoveryKey && w->objectName() == QLatin1String("recoveryKeyDialog")) {
                *recoveryKey = w->findChild<QLabel *>(QStringLiteral("recoveryKey"))->text();
                w->findChild<QCheckBox *>(QStringLiteral("keyWrittenDown"))->setChecked(true);
                okOf(w)->click();
                return true;
            }
            return false;
        },
        qApp);
    answerer->endAfter(recoveryKey ? 2 : 1, 20000);
}

} // namespace

class TstPassphraseDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Password::setHook({}); }

    void okOnlyForALongEnoughPassphraseTypedTwice_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("ok");
        QTest::newRow("seven characters") << "abcdefg" << "abcdefg" << false;
        QTest::newRow("eight characters") << "abcdefgh" << "abcdefgh" << true;
        QTest::newRow("repeated differently") << "abcdefgh" << "abcdefgH" << false;
        QTest::newRow("not repeated") << "abcdefgh" << "" << false;
        // Characters, not UTF-16 units: four emoji are four.
        QTest::newRow("four emoji") << QString::fromUtf8("😀😁😂🤣") << QString::fromUtf8("😀😁😂🤣")
                                    << false;
        QTest::newRow("eight umlauts and spaces")
            << QString::fromUtf8("ä ö ü ßx") << QString::fromUtf8("ä ö ü ßx") << true;
    }

    void okOnlyForALongEnoughPassphraseTypedTwice()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, ok);
        OvelaNewPassphraseDialog dialog;
        dialog.findChild<QLineEdit *>(QStringLiteral("passphrase"))->setText(first);
        dialog.findChild<QLineEdit *>(QStringLiteral("passphraseAgain"))->setText(second);
        QCOMPARE(okOf(&dialog)->isEnabled(), ok);
        if (ok)
            QCOMPARE(dialog.takePassphrase(), first);
    }

    void recoveryKeyIsSelectableAndConfirmed()
    {
        OvelaRecoveryKeyDialog dialog(QStringLiteral("ABCDE-FGHIJ"));
        auto *key = dialog.findChild<QLabel *>(QStringLiteral("recoveryKey"));
        // Apart, so that lines break between groups.
        QCOMPARE(key->text(), QStringLiteral("ABCDE FGHIJ"));
        QVERIFY(key->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(key->focusPolicy() & Qt::TabFocus);
        QVERIFY(!okOf(&dialog)->isEnabled());
        dialog.findChild<QCheckBox *>(QStringLiteral("keyWrittenDown"))->setChecked(true);
        QVERIFY(okOf(&dialog)->isEnabled());
    }

    void encryptChangeAndStopFromThePreferences()
    {
        TestHome::wipe();
        MemorySealing sealing;
        Preferences preferences;
        preferences.setSaveOnExit(false);
        preferences.setPassword(Password::digest(QStringLiteral("1234")));
        preferences.setRequirePassword(true);
        OvelaPreferencesDialog dialog;
        dialog.setJournalSealing(&sealing);
        dialog.setupFromPreferences(preferences);
        const auto button = [&dialog](const char *name) {
            return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
        };
        QVERIFY(!button("btnEncrypt")->isHidden());
        QVERIFY(button("btnChangePassphrase")->isHidden());
        QVERIFY(dialog.cbPasscodeStartup->isEnabled());

        QString recoveryKey;
        answerNewPassphrase(QStringLiteral("first passphrase"), &recoveryKey);
        button("btnEncrypt")->click();
        QCOMPARE(sealing.writes, 1);
        QVERIFY(sealing.seal);
        QVERIFY(!recoveryKey.isEmpty());
        QVERIFY(opens(*sealing.seal, recoveryKey));
        // The passphrase is the gate now: the pass code cannot be set or asked for.
        QVERIFY(button("btnEncrypt")->isHidden());
        QVERIFY(!button("btnStopEncrypting")->isHidden());
        QVERIFY(!dialog.cbPasscodeStartup->isEnabled());
        QVERIFY(!dialog.btnChangePasscode->isEnabled());
        QVERIFY(!dialog.btnClearPasscode->isEnabled());

        // Changing asks the old passphrase first; a wrong one changes nothing.
        QStringList prompts;
        QStringList typed{"not the passphrase", QString()};
        Password::setHook([&](const QString &prompt) {
            prompts << prompt;
            return typed.value(prompts.size() - 1);
        });
        button("btnChangePassphrase")->click();
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(sealing.writes, 1);

        prompts.clear();
        typed = QStringList{recoveryKey};
        answerNewPassphrase(QStringLiteral("second passphrase"));
        button("btnChangePassphrase")->click();
        QCOMPARE(sealing.writes, 2);
        QVERIFY(opens(*sealing.seal, QStringLiteral("second passphrase")));
        QVERIFY(!opens(*sealing.seal, QStringLiteral("first passphrase")));
        QVERIFY(opens(*sealing.seal, recoveryKey));

        prompts.clear();
        typed = QStringList{QStringLiteral("second passphrase")};
        button("btnStopEncrypting")->click();
        QCOMPARE(sealing.writes, 3);
        QVERIFY(!sealing.seal);
        QVERIFY(!button("btnEncrypt")->isHidden());
        QVERIFY(dialog.cbPasscodeStartup->isEnabled());
        QVERIFY(dialog.btnChangePasscode->isEnabled());
    }

    void recoveryKeyNotConfirmedEncryptsNothing()
    {
        MemorySealing sealing;
        OvelaPreferencesDialog dialog;
        dialog.setJournalSealing(&sealing);
        answerNewPassphrase(QStringLiteral("a passphrase"));
        Modal::Answerer *refuse = new Modal::Answerer(
            [](QWidget *w) {
                if (w->objectName() != QLatin1String("recoveryKeyDialog"))
                    return false;
                qobject_cast<QDialog *>(w)->reject();
                return true;
            },
            qApp);
        refuse->endAfter(1, 20000);
        dialog.findChild<QPushButton *>(QStringLiteral("btnEncrypt"))->click();
        QCOMPARE(sealing.writes, 0);
        QVERIFY(!sealing.seal);
    }

};

OVELA_TEST_GUI_MAIN(TstPassphraseDialogs)
#include "tst_passphrasedialogs.moc"
