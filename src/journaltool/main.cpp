#include "journaltool/ovela_journal_commands.h"
#include "platform/translations.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovela-journal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVELA_VERSION));
    Translations::install(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runJournalTool(QCoreApplication::arguments(), out, err);
}
