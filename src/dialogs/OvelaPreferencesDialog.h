#pragma once

#include "dialogs/OvelaPreferencesBase.h"

#include <QString>

class Preferences;
class QCheckBox;
class QIntValidator;
class QLabel;

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

public slots:
    // Only with every field in range.
    void accept() override;

private slots:
    void onClearPasscode();
    void onChangePasscode();

private:
    void showLengths();

    QString password;
    QCheckBox *cbPredictFromRecord = nullptr;
    QLabel *lblRecordedLength = nullptr;
    int recordedLength = 0;
    int recordedCycles = 0;
    QIntValidator *const cycleLengthValidator;
    QIntValidator *const fertilePeriodValidator;
    QIntValidator *const menstrualPeriodValidator;
    QIntValidator *const phaseLengthValidator;
};
