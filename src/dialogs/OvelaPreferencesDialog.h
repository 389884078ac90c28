#pragma once

#include "dialogs/OvelaPreferencesBase.h"

#include <memory>

#include <QPointer>
#include <QString>

class OvelaJournalSeal;
class OvelaJournalSealing;
class Preferences;
class QCheckBox;
class QIntValidator;
class QLabel;
class QPushButton;

// Edits the settings. Changes stay in the dialog, the pass code included, until the caller
// calls setupPreferences; it is accepted only with every field valid.
class OvelaPreferencesDialog : public OvelaPreferencesBaseDialog
{
    Q_OBJECT
public:
    explicit OvelaPreferencesDialog(QWidget *parent = nullptr, const char *name = nullptr,
                                    bool modal = false);
    ~OvelaPreferencesDialog() override;

    void setupFromPreferences(const Preferences &preferences);
    // Says which field is out of range, and puts the focus there.
    bool validate();
    void setupPreferences(Preferences &preferences);

    // What her record gives: the median of her last completed cycles in whole days (0 without
    // one), shown beside her typed length.
    void setRecordedCycleLength(int days, int cycles);
    QCheckBox *predictFromRecordBox() const { return cbPredictFromRecord; }
    QLabel *recordedLengthLabel() const { return lblRecordedLength; }

    // The pass code that accepting would store (a digest, never the code itself).
    const QString &pendingPassword() const { return password; }

    // Who keeps the journal, for encrypting it: found in the parent's window when the dialog
    // is made; without one the encryption controls are hidden.
    void setJournalSealing(OvelaJournalSealing *sealing);

public slots:
    // Only with every field in range.
    void accept() override;

private slots:
    void onClearPasscode();
    void onChangePasscode();
    void onEncrypt();
    void onChangePassphrase();
    void onStopEncrypting();

private:
    void showLengths();

    void addEncryptionControls();
    // Shows the encryption commands that apply now; the pass code is no gate while the
    // journal is encrypted.
    void updateEncryptionControls();
    bool encrypted() const;
    // Asks for the journal's passphrase (or recovery key) before it is changed or dropped.
    bool confirmSecret(const QString &prompt);
    // A new passphrase, typed twice; false when she cancels.
    bool askNewPassphrase(QString *passphrase);
    void reseal(std::shared_ptr<const OvelaJournalSeal> seal, const QString &failure);

    QString password;
    QCheckBox *cbPredictFromRecord = nullptr;
    QLabel *lblRecordedLength = nullptr;
    int recordedLength = 0;
    int recordedCycles = 0;
    QPointer<OvelaJournalSealing> journalSealing;
    QLabel *encryptionState = nullptr;
    QPushButton *btnEncrypt = nullptr;
    QPushButton *btnChangePassphrase = nullptr;
    QPushButton *btnStopEncrypting = nullptr;
    bool passCodeLocked = false; // the pass-code controls are disabled for the passphrase
    QIntValidator *const cycleLengthValidator;
    QIntValidator *const fertilePeriodValidator;
    QIntValidator *const menstrualPeriodValidator;
    QIntValidator *const phaseLengthValidator;
};
