#include "journaltool/ovela_journal_commands.h"
#include "journaltool/ovela_journal_text.h"
#include "journaltool/ovela_journal_insight.h"

#include "core/ovela_journal_file.h"
#include "core/qzipfile.h"
#include "cycle/ovela_cycle_method.h"
#include "journaltool/ovela_journal_csv.h"
#include "journaltool/ovela_journal_ics.h"
#include "journaltool/ovela_journal_json.h"
#include "journaltool/ovela_journal_merge.h"
#include "journaltool/ovela_journal_salvage.h"
#include "settings/Preferences.h"
#include "settings/ovela_journal_location.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace {

const QString journalOption = QStringLiteral("journal");
const QString formatOption = QStringLiteral("format");
const QString outputOption = QStringLiteral("output");
const QString dryRunOption = QStringLiteral("dry-run");
const QString preferJournalOption = QStringLiteral("prefer-journal");

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : JournalText::tr("none");
}

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

enum class Loaded { Yes, Missing, Failed };

// The strict load, on a file only read: never moved aside, locked or written.
Loaded loadFile(const QString &path, OvelaDatabase &journal, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = JournalText::tr("%1: no such file").arg(path);
        return Loaded::Missing;
    }
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        *error = JournalText::tr("%1: %2").arg(path, probe.errorString());
        return Loaded::Failed;
    }
    probe.close();
    QZipFile device(path);
    if (!device.open(QIODevice::ReadOnly) || !journal.load(&device)) {
        *error =
            JournalText::tr("%1 does not load as a journal; \"ovela-journal check %1\" tells why").arg(path);
        return Loaded::Failed;
    }
    return Loaded::Yes;
}

bool readInput(JournalToolContext &c, const QString &path, QByteArray *data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.fail(JournalText::tr("%1: %2").arg(path, file.errorString()));
        return false;
    }
    *data = file.readAll();
    return true;
}

// Where the export goes: standard output, or a file replaced whole only once it is written.
int writeOutput(JournalToolContext &c, const QByteArray &bytes)
{
    const QString path = c.parser.value(outputOption);
    if (path.isEmpty() || path == QLatin1String("-")) {
        c.out << QString::fromUtf8(bytes);
        c.out.flush();
        return 0;
    }
    // The journal is written by the diary's own safe save only.
    if (canonical(path) == canonical(c.journalPath))
        return c.fail(JournalText::tr("%1 is the journal itself; choose another file").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return c.fail(JournalText::tr("%1: %2").arg(path, file.errorString()));
    // The diary's contents are private: the export is readable by its owner only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return c.fail(JournalText::tr("%1: %2").arg(path, file.errorString()));
    return 0;
}

void applySettings(OvelaCycleMethod &journal)
{
    Preferences preferences;
    preferences.setSaveOnExit(false); // a reader never writes the settings
    journal.setCycleLength(preferences.getCycleLength());
    journal.setMenstrualPeriod(preferences.getMenstrualPeriod());
    journal.setFertilePeriod(preferences.getFertilePeriod());
    journal.setLuterPhaseLength(preferences.getLuterPhaseLength());
}

// ---- export

void exportOptions(QCommandLineParser &parser)
{
    parser.addOption({formatOption,
                      JournalText::tr("csv (the records only), json (the records and the start-cycle date) or "
                         "ics (bleeding and predicted days for a calendar program). Default: "
                         "csv."),
                      JournalText::tr("format"), QStringLiteral("csv")});
    parser.addOption({{QStringLiteral("o"), outputOption},
                      JournalText::tr("Write to <file> instead of standard output."),
                      JournalText::tr("file")});
    parser.addOption({QStringLiteral("cycles"),
                      JournalText::tr("ics: predict this many cycles from the current one. Default: 6."),
                      JournalText::tr("n"), QStringLiteral("6")});
}

int exportCommand(JournalToolContext &c)
{
    if (!c.arguments.isEmpty())
        return c.fail(JournalText::tr("export takes no file name; use -o FILE"));
    const QString format = c.parser.value(formatOption);
    bool ok = false;
    const int cycles = c.parser.value(QStringLiteral("cycles")).toInt(&ok);
    if (!ok || cycles < 0 || cycles > 1000)
        return c.fail(JournalText::tr("--cycles takes a number from 0 to 1000"));
    if (format != QLatin1String("csv") && format != QLatin1String("json") &&
        format != QLatin1String("ics"))
        return c.fail(JournalText::tr("unknown format \"%1\" (csv, json or ics)").arg(format));
    OvelaCycleMethod journal;
    if (!c.loadForReading(journal))
        return 1;
    if (format == QLatin1String("csv"))
        return writeOutput(c, JournalCsv::write(journal));
    if (format == QLatin1String("json"))
        return writeOutput(c, JournalJson::write(journal));
    if (!journal.getStartCycleDate().isValid())
        c.err << JournalText::tr("ovela-journal: no start-cycle date is set; the calendar holds no predictions")
              << '\n';
    return writeOutput(c, JournalIcs::write(journal, cycles, QDate::currentDate(),
                                            QDateTime::currentDateTimeUtc()));
}

// ---- import and merge share the conflict rules and the write

struct Incoming
{
    JournalRecords::Imported data;
    QString source;
};

void printDays(QTextStream &stream, const char *mark, const QList<QDate> &days, const QString &what)
{
    for (const QDate &date : days)
        stream << mark << ' ' << isoDate(date) << ' ' << what << '\n';
}

int bringIn(JournalToolContext &c, const Incoming &incoming, JournalMerge::Prefer prefer,
            bool replace)
{
    const bool dryRun = c.parser.isSet(dryRunOption);
    OvelaJournalFile file(c.journalPath);
    if (!dryRun) {
        switch (file.lock()) {
        case OvelaJournalFile::LockResult::HeldElsewhere:
            return c.fail(JournalText::tr("the diary is open (process %1 holds %2); close it and try again. "
                             "Nothing was written.")
                              .arg(file.lockOwner())
                              .arg(file.lockPath()));
        case OvelaJournalFile::LockResult::Unavailable:
            c.err
                << JournalText::tr("ovela-journal: cannot lock %1; writing without the lock").arg(c.journalPath)
                << '\n';
            break;
        case OvelaJournalFile::LockResult::HeldOnAnotherComputer:
            return c.fail(JournalText::tr("the journal is locked by the computer \"%1\" (since %2): "
                                          "the diary may be open there. Nothing was written.")
                              .arg(file.lockHost(), file.lockedSince().toString(Qt::ISODate)));
        case OvelaJournalFile::LockResult::Locked:
            break;
        }
    }

    OvelaCycleMethod journal;
    QString error;
    if (dryRun) {
        if (!c.loadForReading(journal))
            return 1;
    } else if (loadFile(c.journalPath, journal, &error) == Loaded::Failed) {
        return c.fail(error + JournalText::tr(". Nothing was written."));
    }

    const JournalMerge::Plan plan =
        JournalMerge::plan(journal, incoming.data.records, incoming.data.hasStartCycleDate,
                           incoming.data.startCycleDate, prefer, replace);
    if (!plan.conflicts.isEmpty()) {
        c.err << JournalText::tr("ovela-journal: %1 day(s) hold a different record in %2 and in the journal:")
                     .arg(plan.conflicts.size())
                     .arg(incoming.source)
              << '\n';
        for (const QDate &date : plan.conflicts)
            c.err << "  " << isoDate(date) << '\n';
        c.err << JournalText::tr("Nothing was written. Choose which side wins with --prefer-journal or the "
                    "other --prefer option.")
              << '\n';
        c.err.flush();
        return 1;
    }

    if (dryRun) {
        printDays(c.out, "+", plan.added, JournalText::tr("added"));
        printDays(c.out, "~", plan.changed, JournalText::tr("changed"));
        printDays(c.out, "-", plan.removed, JournalText::tr("removed"));
        printDays(c.out, "=", plan.kept, JournalText::tr("kept as in the journal"));
        if (plan.startChanged)
            c.out << JournalText::tr("start-cycle date: %1 -> %2")
                         .arg(isoDate(journal.getStartCycleDate()), isoDate(plan.startCycleDate))
                  << '\n';
    } else if (plan.changesJournal()) {
        JournalMerge::apply(journal, incoming.data.records, plan);
        if (!file.save(journal))
            return c.fail(JournalText::tr("%1 was not written: %2").arg(c.journalPath, file.errorString()));
    }

    c.out << JournalText::tr("%1 added, %2 changed, %3 unchanged")
                 .arg(plan.added.size())
                 .arg(plan.changed.size())
                 .arg(plan.unchanged.size());
    if (!plan.kept.isEmpty())
        c.out << JournalText::tr(", %1 kept as in the journal").arg(plan.kept.size());
    if (!plan.removed.isEmpty())
        c.out << JournalText::tr(", %1 removed").arg(plan.removed.size());
    c.out << '\n';
    const JournalRecords::Imported &d = incoming.data;
    if (d.temperaturesRounded || d.temperaturesLeftOut)
        c.out << JournalText::tr("temperatures: %1 rounded to the scale, %2 left out (outside 36.00-38.00 "
                    "°C)")
                     .arg(d.temperaturesRounded)
                     .arg(d.temperaturesLeftOut)
              << '\n';
    if (d.notesExtended)
        c.out << JournalText::tr("%1 day(s): what has no field here was added to the note").arg(d.notesExtended)
              << '\n';
    if (dryRun)
        c.out << JournalText::tr("Dry run: nothing was written.") << '\n';
    else if (!plan.changesJournal())
        c.out << JournalText::tr("The journal already held all of it; nothing was written.") << '\n';
    c.out.flush();
    return 0;
}

void importOptions(QCommandLineParser &parser)
{
    parser.addOption({formatOption,
                      JournalText::tr("csv or json as export writes them, or drip (the CSV export of the drip "
                         "app). Default: from the file."),
                      JournalText::tr("format")});
    parser.addOption(
        {QStringLiteral("replace"), JournalText::tr("Replace the whole journal with the file's records.")});
    parser.addOption(
        {QStringLiteral("prefer-import"), JournalText::tr("Where a day differs, take the file's record.")});
    parser.addOption({preferJournalOption, JournalText::tr("Where a day differs, keep the journal's record.")});
    parser.addOption({dryRunOption, JournalText::tr("Show what would change; write nothing.")});
}

int importCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.fail(JournalText::tr("import takes one file"));
    const QString path = c.arguments.first();
    const bool preferImport = c.parser.isSet(QStringLiteral("prefer-import"));
    const bool preferJournal = c.parser.isSet(preferJournalOption);
    if (preferImport && preferJournal)
        return c.fail(JournalText::tr("--prefer-import and --prefer-journal exclude each other"));
    QByteArray data;
    if (!readInput(c, path, &data))
        return 1;

    QString format = c.parser.value(formatOption);
    if (format.isEmpty()) {
        if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ||
            data.trimmed().startsWith('{'))
            format = QStringLiteral("json");
        else
            format =
                JournalCsv::looksLikeDrip(data) ? QStringLiteral("drip") : QStringLiteral("csv");
    }
    Incoming incoming;
    incoming.source = path;
    QString error;
    bool ok = false;
    if (format == QLatin1String("csv"))
        ok = JournalCsv::read(data, &incoming.data, &error);
    else if (format == QLatin1String("json"))
        ok = JournalJson::read(data, &incoming.data, &error);
    else if (format == QLatin1String("drip"))
        ok = JournalCsv::readDrip(data, &incoming.data, &error);
    else
        return c.fail(JournalText::tr("unknown format \"%1\" (csv, json or drip)").arg(format));
    if (!ok)
        return c.fail(JournalText::tr("%1: %2. Nothing was written.").arg(path, error));

    const auto prefer = preferImport    ? JournalMerge::Prefer::Incoming
                        : preferJournal ? JournalMerge::Prefer::Journal
                                        : JournalMerge::Prefer::Nobody;
    return bringIn(c, incoming, prefer, c.parser.isSet(QStringLiteral("replace")));
}

void mergeOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("prefer-other"),
                      JournalText::tr("Where a day differs, take the other journal's record.")});
    parser.addOption({preferJournalOption, JournalText::tr("Where a day differs, keep this journal's record.")});
    parser.addOption({dryRunOption, JournalText::tr("Show what would change; write nothing.")});
}

int mergeCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.fail(JournalText::tr("merge takes one other journal"));
    const bool preferOther = c.parser.isSet(QStringLiteral("prefer-other"));
    const bool preferJournal = c.parser.isSet(preferJournalOption);
    if (preferOther && preferJournal)
        return c.fail(JournalText::tr("--prefer-other and --prefer-journal exclude each other"));
    OvelaDatabase other;
    QString error;
    if (loadFile(c.arguments.first(), other, &error) != Loaded::Yes)
        return c.fail(error);
    Incoming incoming;
    incoming.source = c.arguments.first();
    incoming.data.records = other.entries();
    incoming.data.hasStartCycleDate = true;
    incoming.data.startCycleDate = other.getStartCycleDate();
    const auto prefer = preferOther     ? JournalMerge::Prefer::Incoming
                        : preferJournal ? JournalMerge::Prefer::Journal
                                        : JournalMerge::Prefer::Nobody;
    return bringIn(c, incoming, prefer, false);
}

// ---- check and salvage

void noOptions(QCommandLineParser &) {}

void insightOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("json"), JournalText::tr("Print pure JSON instead of a table.")});
}

int cyclesCommand(JournalToolContext &c)
{
    OvelaCycleMethod journal;
    if (!c.loadForReading(journal))
        return 1;
    const int status = runCyclesCommand(journal, c.parser.isSet(QStringLiteral("json")), c.out);
    c.out.flush();
    return status;
}

int statsCommand(JournalToolContext &c)
{
    OvelaCycleMethod journal;
    if (!c.loadForReading(journal))
        return 1;
    const int status = runStatsCommand(journal, c.parser.isSet(QStringLiteral("json")), c.out);
    c.out.flush();
    return status;
}

int checkCommand(JournalToolContext &c)
{
    if (c.arguments.size() > 1)
        return c.fail(JournalText::tr("check takes at most one file"));
    const QString path = c.arguments.isEmpty() ? c.journalPath : c.arguments.first();
    if (canonical(path) == canonical(c.journalPath) &&
        journalLockHeld(OvelaJournalFile(path).lockPath()))
        c.err << JournalText::tr("ovela-journal: the diary is open; checking the journal as last saved") << '\n';
    OvelaDatabase journal;
    QString error;
    const Loaded loaded = loadFile(path, journal, &error);
    if (loaded == Loaded::Missing)
        return c.fail(error);
    if (loaded == Loaded::Yes) {
        const auto &records = journal.entries();
        c.out << JournalText::tr("%1: loads").arg(path) << '\n' << JournalText::tr("records: %1").arg(records.size()) << '\n';
        if (!records.isEmpty())
            c.out << JournalText::tr("first: %1").arg(isoDate(records.firstKey())) << '\n'
                  << JournalText::tr("last: %1").arg(isoDate(records.lastKey())) << '\n';
        c.out << JournalText::tr("start-cycle date: %1").arg(isoDate(journal.getStartCycleDate())) << '\n';
        c.out.flush();
        return 0;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return c.fail(JournalText::tr("%1: %2").arg(path, file.errorString()));
    const JournalSalvage::Result result = JournalSalvage::read(file.readAll());
    c.out << JournalText::tr("%1: does not load").arg(path) << '\n'
          << JournalText::tr("damage: %1").arg(result.damage.isEmpty() ? JournalText::tr("unknown") : result.damage) << '\n'
          << JournalText::tr("reads whole to byte offset %1 of the inflated stream (%2 bytes inflated)")
                 .arg(result.readTo)
                 .arg(result.inflated)
          << '\n'
          << JournalText::tr("whole records before the damage: %1").arg(result.wholeRecords) << '\n';
    if (result.startRead)
        c.out << JournalText::tr("start-cycle date: %1").arg(isoDate(result.startCycleDate)) << '\n';
    c.out << JournalText::tr("\"ovela-journal salvage %1 -o NEW\" keeps what is whole.").arg(path) << '\n';
    c.out.flush();
    return 1;
}

void salvageOptions(QCommandLineParser &parser)
{
    parser.addOption({{QStringLiteral("o"), outputOption},
                      JournalText::tr("The new journal to write; it must not exist yet."),
                      JournalText::tr("file")});
}

int salvageCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.fail(JournalText::tr("salvage takes one damaged file"));
    const QString damaged = c.arguments.first();
    const QString target = c.parser.value(outputOption);
    if (target.isEmpty())
        return c.fail(JournalText::tr("salvage needs -o NEW, the journal to write"));
    const QFileInfo targetInfo(target);
    // Never over the damaged file, nor over anything else that is already there.
    if (targetInfo.exists() || targetInfo.isSymLink())
        return c.fail(JournalText::tr("%1 exists; salvage writes a new file only").arg(target));
    QByteArray bytes;
    if (!readInput(c, damaged, &bytes))
        return 1;
    const JournalSalvage::Result result = JournalSalvage::read(bytes);
    if (!result.headerRead)
        return c.fail(JournalText::tr("%1: nothing to salvage: %2").arg(damaged, result.damage));

    OvelaDatabase journal;
    for (auto it = result.records.cbegin(); it != result.records.cend(); ++it)
        journal.setEntry(it.value(), it.key());
    journal.setStartCycleDate(result.startCycleDate);
    OvelaJournalFile file(target);
    if (file.lock() == OvelaJournalFile::LockResult::HeldElsewhere)
        return c.fail(
            JournalText::tr("%1 is locked by the diary (process %2)").arg(target).arg(file.lockOwner()));
    if (!file.save(journal))
        return c.fail(JournalText::tr("%1 was not written: %2").arg(target, file.errorString()));

    if (result.complete())
        c.out << JournalText::tr("%1 is whole: all %2 records kept").arg(damaged).arg(result.wholeRecords);
    else
        c.out << JournalText::tr("%1: %2").arg(damaged, result.damage) << '\n'
              << JournalText::tr("kept %1 whole record(s) of %2 announced")
                     .arg(result.wholeRecords)
                     .arg(qMax(result.declaredCount, 0));
    c.out << '\n';
    if (!result.startRead)
        c.out << JournalText::tr("the start-cycle date was lost; set it again in the diary") << '\n';
    c.out << JournalText::tr("written to %1").arg(target) << '\n';
    c.out.flush();
    return 0;
}

QString programHelp(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text += QLatin1Char('\n') + JournalText::tr("Commands:") + QLatin1Char('\n');
    for (const JournalCommand &command : journalCommands())
        text += QStringLiteral("  %1%2\n").arg(command.name.leftJustified(10), command.summary);
    text += QLatin1Char('\n') +
            JournalText::tr("\"ovela-journal COMMAND --help\" describes a command. Every command works on the "
               "diary's own journal unless --journal names another.") +
            QLatin1Char('\n');
    return text;
}

} // namespace

bool JournalToolContext::loadForReading(OvelaCycleMethod &journal)
{
    if (journalLockHeld(OvelaJournalFile(journalPath).lockPath()))
        err << JournalText::tr("ovela-journal: the diary is open; reading the journal as last saved") << '\n';
    applySettings(journal);
    QString error;
    switch (loadFile(journalPath, journal, &error)) {
    case Loaded::Yes:
        return true;
    case Loaded::Missing:
        // No journal yet is an empty diary.
        return true;
    case Loaded::Failed:
        break;
    }
    fail(error);
    return false;
}

int JournalToolContext::fail(const QString &message)
{
    err << QStringLiteral("ovela-journal: ") << message << '\n';
    err.flush();
    return 1;
}

bool journalLockHeld(const QString &lockPath, qint64 *owner)
{
    QLockFile lock(lockPath);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return false;
    if (owner)
        *owner = pid;
    // A lock from another machine (a shared folder) cannot be checked: taken as held.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true;
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

const QList<JournalCommand> &journalCommands()
{
    static const QList<JournalCommand> commands = {
        {QStringLiteral("export"), JournalText::tr("Write the journal as csv, json or ics."), QString(),
         exportOptions, exportCommand},
        {QStringLiteral("import"), JournalText::tr("Bring in records from csv, json or drip's csv."),
         QStringLiteral("FILE"), importOptions, importCommand},
        {QStringLiteral("merge"), JournalText::tr("Bring in the records of another journal file."),
         QStringLiteral("OTHER.ovd"), mergeOptions, mergeCommand},
        {QStringLiteral("check"), JournalText::tr("Tell whether a journal file loads, and how far if not."),
         QStringLiteral("[PATH]"), noOptions, checkCommand},
        {QStringLiteral("salvage"),
         JournalText::tr("Keep every whole record of a damaged journal in a new one."),
         QStringLiteral("DAMAGED"), salvageOptions, salvageCommand},
        {QStringLiteral("cycles"),
         JournalText::tr("List the cycles the record shows, with the temperature shift of each."), QString(),
         insightOptions, cyclesCommand},
        {QStringLiteral("stats"),
         JournalText::tr("Cycle statistics and the next period starts the record suggests."), QString(),
         insightOptions, statsCommand},
    };
    return commands;
}

int runJournalTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // The sub-command is the first argument that is neither an option nor --journal's value.
    QString name;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--journal") || arg == QLatin1String("-j")) {
            ++i;
            continue;
        }
        if (arg.startsWith(QLatin1Char('-')))
            continue;
        name = arg;
        break;
    }
    const JournalCommand *command = nullptr;
    for (const JournalCommand &candidate : journalCommands()) {
        if (candidate.name == name)
            command = &candidate;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        JournalText::tr("The diary's data out, in, merged, checked and rescued, without its window."));
    parser.addOption({{QStringLiteral("j"), journalOption},
                      JournalText::tr("Work on the journal <path> instead of the diary's own."),
                      JournalText::tr("path")});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (command) {
        parser.addPositionalArgument(command->name, command->summary);
        if (!command->arguments.isEmpty())
            parser.addPositionalArgument(command->arguments, QString(), command->arguments);
        command->addOptions(parser);
    } else {
        parser.addPositionalArgument(QStringLiteral("command"), JournalText::tr("What to do (see below)."),
                                     JournalText::tr("command [options]"));
    }

    if (!parser.parse(arguments)) {
        err << QStringLiteral("ovela-journal: ") << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return 0;
    }
    if (parser.isSet(help)) {
        out << (command ? parser.helpText() : programHelp(parser));
        return 0;
    }
    if (!command) {
        if (name.isEmpty())
            err << programHelp(parser);
        else
            err << JournalText::tr("ovela-journal: unknown command \"%1\"").arg(name) << '\n';
        return 2;
    }

    QStringList positional = parser.positionalArguments();
    positional.removeFirst();
    JournalToolContext context{parser, positional, out, err,
                               parser.isSet(journalOption) ? parser.value(journalOption)
                                                           : ovelaJournalPath()};
    const int status = command->run(context);
    out.flush();
    err.flush();
    return status;
}
