#include "app/ovela_window_sealing.h"

#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"


OvelaWindowSealing::OvelaWindowSealing(OvelaJournalFile &journalFile, OvelaJournalSaver &journalSaver,
                                       OvelaJournalBackups &journalBackups, QObject *parent)
    : OvelaJournalSealing(parent)
    , file(journalFile)
    , saver(journalSaver)
    , backups(journalBackups)
{
    setObjectName(QStringLiteral("journalSealing"));
}

std::shared_ptr<const OvelaJournalSeal> OvelaWindowSealing::currentSeal() const
{
    return file.seal();
}

bool OvelaWindowSealing::reseal(std::shared_ptr<const OvelaJournalSeal> seal, QString *problem)
{
    const std::shared_ptr<const OvelaJournalSeal> before = file.seal();
    // The seal is not changed under a save that runs.
    saver.waitForSave();
    file.setSeal(seal);
    // Written at once, whole, with the new seal: not left for the next change.
    saver.markChanged();
    if (!saver.finish()) {
        file.setSeal(before);
        *problem = saver.lastError();
        return false;
    }
    problem->clear();
    // Copies made from now on as the journal is; those made while it was encrypted stay so.
    backups.setSeal(seal);
    if (seal && !backups.sealAll(file.path(), *seal))
        *problem = tr("The journal is encrypted, but not every copy of it could be (%1). Delete "
                      "those copies if others can reach them.")
                       .arg(backups.errorString());
    return true;
}
