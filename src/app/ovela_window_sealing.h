#pragma once

#include "dialogs/OvelaPassphraseDialogs.h"

class OvelaJournalBackups;
class OvelaJournalFile;
class OvelaJournalSaver;

// The window's journal, encrypted or plain at her word from the preferences: written at once
// with the new seal, and on encrypting, the copies the diary keeps of it sealed too.
class OvelaWindowSealing : public OvelaJournalSealing
{
    Q_OBJECT
public:
    OvelaWindowSealing(OvelaJournalFile &file, OvelaJournalSaver &saver,
                       OvelaJournalBackups &backups, QObject *parent = nullptr);

    std::shared_ptr<const OvelaJournalSeal> currentSeal() const override;
    bool reseal(std::shared_ptr<const OvelaJournalSeal> seal, QString *problem) override;

private:
    OvelaJournalFile &file;
    OvelaJournalSaver &saver;
    OvelaJournalBackups &backups;
};
