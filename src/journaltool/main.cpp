#include "journaltool/ovela_journal_commands.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>

namespace {

// Standard error carries the command's own messages only: the libraries' debugging and
// warning lines mean nothing to a person at the terminal.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovela-journal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVELA_VERSION));
    // English plural forms ("1 day", "2 days") under every locale; installed first, so the
    // locale's own translation, installed next, is asked before it.
    auto *plurals = new QTranslator(&app);
    if (plurals->load(QStringLiteral(":/i18n/ovelaZ_en.qm")))
        QCoreApplication::installTranslator(plurals);
    Translations::install(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runJournalTool(QCoreApplication::arguments(), out, err);
}
