#pragma once

#include "dialogs/OvelaPreferencesBase.h"

#include <QString>

class Preferences;
class QIntValidator;

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

    // The pass code that accepting would store (a digest, never the code itself).
    const QString &pendingPassword() const { return password; }

public slots:
    // Only with every field in range.
    void accept() override;

private slots:
    void onClearPasscode();
    void onChangePasscode();

private:
    QString password;
    QIntValidator *const cycleLengthValidator;
    QIntValidator *const fertilePeriodValidator;
    QIntValidator *const menstrualPeriodValidator;
    QIntValidator *const phaseLengthValidator;
};
