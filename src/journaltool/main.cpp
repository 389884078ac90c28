#include "journaltool/ovela_journal_commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovela-journal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVELA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runJournalTool(QCoreApplication::arguments(), out, err);
}
