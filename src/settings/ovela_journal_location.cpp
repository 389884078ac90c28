#include "settings/ovela_journal_location.h"

#include "platform/global.h"

QString ovelaJournalPath()
{
    return Global::applicationFileName(QStringLiteral("ovelaZ"), QStringLiteral("journal.ovd"));
}

QString ovelaBackupsPath()
{
    return Global::applicationFileName(QStringLiteral("ovelaZ"), QStringLiteral("backups"));
}
