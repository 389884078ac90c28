#pragma once

#include "dialogs/OvelaRecordEntryBase.h"

class OvelaRecordEntry;
class Preferences;

// Edits one day's record. The widgets hold the changes until the caller asks fillEntry for
// them; only "Clear" writes into the record the dialog was built on.
class OvelaRecordEntryDialog : public OvelaRecordEntryBaseDialog
{
    Q_OBJECT
public:
    OvelaRecordEntryDialog(Preferences *preferences, OvelaRecordEntry *entry,
                           QWidget *parent = nullptr, const char *name = nullptr,
                           bool modal = false);
    ~OvelaRecordEntryDialog() override;

    void fillControls();
    void fillTemp();
    void fillEntry(OvelaRecordEntry *entry);

private slots:
    void tbClearClicked();

private:
    OvelaRecordEntry *const entry;
    Preferences *const preferences;
    // The stored note and what the editor made of it: the editor rewrites line ends and some
    // spaces, so a note the user did not touch goes back as it was stored.
    QString storedNote;
    QString shownNote;
};
