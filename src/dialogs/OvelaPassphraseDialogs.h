#pragma once

#include "core/ovela_journal_seal.h"

#include <QDialog>
#include <QObject>

#include <memory>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// What the preferences ask of whoever keeps the journal (the window, in the program): which
// seal the journal is written with, and writing it with another one at once.
class OvelaJournalSealing : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Null while the journal is written plain.
    virtual std::shared_ptr<const OvelaJournalSeal> currentSeal() const = 0;
    // Writes the journal now with `seal` (plain when null). False, with the reason in `problem`,
    // when the journal could not be written: it then stays as it was. True with a `problem`
    // when the journal was written but something beside it (a backup) could not be sealed.
    virtual bool reseal(std::shared_ptr<const OvelaJournalSeal> seal, QString *problem) = 0;
};

// Asks for the passphrase, or the recovery key, that opens a sealed journal.
class OvelaUnlockDialog : public QDialog
{
    Q_OBJECT
public:
    OvelaUnlockDialog(const QString &prompt, const QString &problem, QWidget *parent = nullptr);
    ~OvelaUnlockDialog() override;

    // What she typed; wiped from the dialog once taken.
    QString takeSecret();

    // Asks until what she types opens `sealed` (a sealed file; its start will do). A wrong
    // answer says so and asks again. Null when she cancelled (`*failure` Ok) or when the file
    // cannot be opened with any answer (`*failure` says why). Tests answer through the pass
    // code's hook, which then gets the prompt and returns the text as typed.
    static std::shared_ptr<const OvelaJournalSeal>
    unlock(QWidget *parent, const QString &prompt, const QByteArray &sealed,
           OvelaJournalSeal::Status *failure);

private:
    QLineEdit *const entry;
};

// A new passphrase, typed twice, with a hint of its strength and the warning that nobody can
// recover it.
class OvelaNewPassphraseDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinimumLength = 8;

    explicit OvelaNewPassphraseDialog(QWidget *parent = nullptr);
    ~OvelaNewPassphraseDialog() override;

    // What was typed; wiped from the dialog once taken.
    QString takePassphrase();

    // A plain word on how hard the passphrase is to guess.
    static QString strengthHint(const QString &passphrase);

private:
    void check();

    QLineEdit *const first;
    QLineEdit *const second;
    QLabel *const strength;
    QDialogButtonBox *const buttons;
};

// The recovery key, shown once: OK only once she says she wrote it down.
class OvelaRecoveryKeyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OvelaRecoveryKeyDialog(const QString &key, QWidget *parent = nullptr);
    ~OvelaRecoveryKeyDialog() override;

private:
    QLabel *const keyLabel;
};
