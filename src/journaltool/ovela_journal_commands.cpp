#include "journaltool/ovela_journal_commands.h"
#include "journaltool/ovela_journal_text.h"
#include "journaltool/ovela_journal_insight.h"

#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_reader.h"
#include "core/qzipfile.h"
#include "cycle/ovela_cycle_method.h"
#include "journaltool/ovela_journal_csv.h"
#include "journaltool/ovela_journal_drip.h"
#include "journaltool/ovela_journal_ics.h"
#include "journaltool/ovela_journal_json.h"
#include "journaltool/ovela_journal_merge.h"
#include "journaltool/ovela_journal_salvage.h"
#include "journaltool/ovela_journal_secret.h"
#include "settings/Preferences.h"
#include "settings/ovela_journal_location.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace {

const QString journalOption = QStringLiteral("journal");
const QString formatOption = QStringLiteral("format");
const QString outputOption = QStringLiteral("output");
const QString dryRunOption = QStringLiteral("dry-run");
const QString preferJournalOption = QStringLiteral("prefer-journal");
const QString preferImportOption = QStringLiteral("prefer-import");
const QString replaceOption = QStringLiteral("replace");
const QString createOption = QStringLiteral("create");
const QString yesOption = QStringLiteral("yes");
const QString settingsOption = QStringLiteral("settings");
const QString discreetOption = QStringLiteral("discreet");
const QString periodSummaryOption = QStringLiteral("period-summary");
const QString fertileSummaryOption = QStringLiteral("fertile-summary");
const QString cyclesOption = QStringLiteral("cycles");
const QString ignoreForeignLockOption = QStringLiteral("ignore-foreign-lock");
const QString jsonOption = QStringLiteral("json");
const QString passphraseFileOption = QStringLiteral("passphrase-file");
const QString otherPassphraseFileOption = QStringLiteral("other-passphrase-file");
const QString newPassphraseFileOption = QStringLiteral("new-passphrase-file");

// What she is told before encryption is turned on, and the least a passphrase must be.
constexpr int MinPassphraseLength = 8;
// Wrong passphrases typed on the terminal before the command gives up.
constexpr int PassphraseTries = 3;

// A journal of more days than this is not cut to less than half without --yes.
constexpr int GuardedJournalDays = 30;

QString shown(const QString &path)
{
    return path == QLatin1String("-") ? JournalText::tr("standard input") : path;
}

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : JournalText::tr("none");
}

// A moment as people read it, to the second.
QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          : JournalText::tr("an unknown time");
}

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

// Whether the lock at `lockPath` names another computer (a sync program carried it, or the
// diary is open or crashed there): its name, and since when.
bool foreignLock(const QString &lockPath, QString *host, QDateTime *since)
{
    QLockFile lock(lockPath);
    qint64 pid = 0;
    if (!lock.getLockInfo(&pid, host, nullptr) || host->isEmpty() ||
        *host == QSysInfo::machineHostName())
        return false;
    *since = QFileInfo(lockPath).lastModified();
    return true;
}

// A reader says on standard error when it may not read what the open diary holds.
void noteOpenDiary(JournalToolContext &c, const QString &journal, bool checking)
{
    const QString lockPath = OvelaJournalFile(journal).lockPath();
    QString host;
    QDateTime since;
    if (foreignLock(lockPath, &host, &since))
        c.err << (checking ? JournalText::tr("ovela-journal: the journal may be open on the "
                                             "computer \"%1\" (locked since %2); checking it as "
                                             "last saved")
                           : JournalText::tr("ovela-journal: the journal may be open on the "
                                             "computer \"%1\" (locked since %2); reading it as "
                                             "last saved"))
                         .arg(host, isoTime(since))
              << '\n';
    else if (journalLockHeld(lockPath))
        c.err << (checking ? JournalText::tr(
                                 "ovela-journal: the diary is open; checking the journal as last "
                                 "saved")
                           : JournalText::tr(
                                 "ovela-journal: the diary is open; reading the journal as last "
                                 "saved"))
              << '\n';
}

// Takes the journal's lock before a write. A refusal is said on `err`, and false returned.
bool lockForWriting(JournalToolContext &c, OvelaJournalFile &file)
{
    switch (file.lock()) {
    case OvelaJournalFile::LockResult::HeldElsewhere:
        c.fail(JournalText::tr("the diary is open (process %1 holds %2); close it and try again. "
                               "Nothing was written.")
                   .arg(file.lockOwner())
                   .arg(file.lockPath()));
        return false;
    case OvelaJournalFile::LockResult::Unavailable:
        c.err << JournalText::tr("ovela-journal: cannot lock %1; writing without the lock")
                     .arg(c.journalPath)
              << '\n';
        return true;
    case OvelaJournalFile::LockResult::HeldOnAnotherComputer:
        // Nothing here can tell whether it is still open there: she decides, by name.
        if (c.parser.isSet(ignoreForeignLockOption)) {
            c.err << JournalText::tr("ovela-journal: the journal is locked by the computer "
                                     "\"%1\" (since %2); writing anyway, as "
                                     "--ignore-foreign-lock asks")
                         .arg(file.lockHost(), isoTime(file.lockedSince()))
                  << '\n';
            return true;
        }
        c.fail(JournalText::tr("the journal is locked by the computer \"%1\" (since %2): the "
                               "diary may be open there. Nothing was written. When it is not "
                               "(the lock came with a sync program, or a crash there left it), "
                               "--ignore-foreign-lock writes all the same.")
                   .arg(file.lockHost(), isoTime(file.lockedSince())));
        return false;
    case OvelaJournalFile::LockResult::Locked:
        break;
    }
    return true;
}

// Keeps the journal as it is in the diary's backups before a write; false, said on `err`,
// when no backup could be made. `kept` is empty when there was no journal to keep.
bool keepBackup(JournalToolContext &c, const OvelaJournalFile &file,
                OvelaJournalBackups::Kind kind, QString *kept)
{
    OvelaJournalBackups backups(ovelaBackupsPath());
    backups.setSeal(c.seal);
    *kept = backups.keep(file.realPath(), kind);
    if (kept->isEmpty() && !backups.errorString().isEmpty()) {
        c.fail(JournalText::tr("no backup of the journal could be made (%1). Nothing was "
                               "written.")
                   .arg(backups.errorString()));
        return false;
    }
    return true;
}

enum class Loaded { Yes, Missing, Failed };

// The strict load of a journal stream held in memory (gzip or plain, as a file is read).
Loaded loadBytes(const QByteArray &bytes, OvelaDatabase &journal, QString *error,
                 const QString &said)
{
    QByteArray stream;
    QBuffer buffer(&stream);
    if (!QZipFile::uncompress(bytes, &stream, OvelaJournalReader::MaxStreamSize)
        || !buffer.open(QIODevice::ReadOnly) || !journal.load(&buffer)) {
        *error =
            JournalText::tr("%1 does not load as a journal; \"ovela-journal check %1\" tells why")
                .arg(said);
        return Loaded::Failed;
    }
    return Loaded::Yes;
}

// The strict load, on a file only read: never moved aside, locked or written. An encrypted
// file is opened in memory with the journal's seal (`journal`) or another's, asked for when
// none held opens it.
Loaded loadFile(JournalToolContext &c, const QString &path, OvelaDatabase &journal,
                QString *error, const QString &name = QString(), bool isJournal = false)
{
    const QString said = name.isEmpty() ? path : name;
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = JournalText::tr("%1: no such file").arg(said);
        return Loaded::Missing;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = JournalText::tr("%1: %2").arg(said, file.errorString());
        return Loaded::Failed;
    }
    const QByteArray bytes = file.read(JournalInputLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = JournalText::tr("%1: %2").arg(said, file.errorString());
        return Loaded::Failed;
    }
    if (bytes.size() > JournalInputLimit) {
        *error = JournalText::tr("%1 holds more than %2 MiB, far more than any journal")
                     .arg(said)
                     .arg(JournalInputLimit >> 20);
        return Loaded::Failed;
    }
    QByteArray plain;
    if (!c.unsealed(bytes, said, isJournal, &plain, error))
        return Loaded::Failed;
    return loadBytes(plain, journal, error, said);
}

// Reads a file, or standard input for "-", never past JournalInputLimit.
bool readInput(JournalToolContext &c, const QString &path, QByteArray *data)
{
    QFile file;
    QIODevice *device = &file;
    if (path == QLatin1String("-") && c.input) {
        device = c.input;
    } else if (path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            c.fail(JournalText::tr("standard input: %1").arg(file.errorString()));
            return false;
        }
    } else {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            c.fail(JournalText::tr("%1: %2").arg(path, file.errorString()));
            return false;
        }
    }
    data->clear();
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device->read(chunk.data(), chunk.size());
        if (got < 0) {
            c.fail(JournalText::tr("%1: %2").arg(shown(path), device->errorString()));
            return false;
        }
        if (got == 0)
            break;
        data->append(chunk.constData(), got);
        if (data->size() > JournalInputLimit) {
            data->clear();
            c.fail(
                JournalText::tr("%1 holds more than %2 MiB; it was read no further and nothing was "
                                "written")
                    .arg(shown(path))
                    .arg(JournalInputLimit >> 20));
            return false;
        }
    }
    return true;
}

// A journal file read within both bounds, opened when it is encrypted: the journal stream
// (gzip or plain) for loadBytes(). Refusals are said on `err`.
bool readJournalInput(JournalToolContext &c, const QString &path, bool isJournal,
                      QByteArray *bytes)
{
    if (path != QLatin1String("-") && !QFileInfo::exists(path)) {
        c.fail(JournalText::tr("%1: no such file").arg(path));
        return false;
    }
    QByteArray raw;
    if (!readInput(c, path, &raw))
        return false;
    QString error;
    if (!c.unsealed(raw, shown(path), isJournal, bytes, &error)) {
        c.fail(error);
        return false;
    }
    if (JournalSalvage::read(*bytes, JournalInflatedLimit).inflated >= JournalInflatedLimit) {
        c.fail(JournalText::tr("%1 inflates to more than %2 MiB, far more than any journal; it was "
                               "read no further")
                   .arg(shown(path))
                   .arg(JournalInflatedLimit >> 20));
        return false;
    }
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

JournalRecords::Settings storedSettings()
{
    Preferences preferences;
    preferences.setSaveOnExit(false);
    JournalRecords::Settings settings;
    settings.cycleLength = preferences.getCycleLength();
    settings.menstrualPeriod = preferences.getMenstrualPeriod();
    settings.fertilePeriod = preferences.getFertilePeriod();
    settings.lutealPhaseLength = preferences.getLuterPhaseLength();
    settings.birthGoal = int(preferences.getBirthGoal());
    settings.temperatureFormat = int(preferences.getTemperatureFormat());
    return settings;
}

// ---- export

void exportOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {formatOption,
         JournalText::tr("csv (the records only), json (the records, the start-cycle date "
                         "and the settings), drip (a file the drip app imports) or ics "
                         "(bleeding and predicted days for a calendar program). Default: "
                         "csv."),
         JournalText::tr("format"), QStringLiteral("csv")});
    parser.addOption({{QStringLiteral("o"), outputOption},
                      JournalText::tr("Write to <file> instead of standard output."),
                      JournalText::tr("file")});
    parser.addOption(
        {cyclesOption,
         JournalText::tr("ics: predict this many cycles from the current one. Default: 6."),
         JournalText::tr("n"), QStringLiteral("6")});
    parser.addOption({discreetOption,
                      JournalText::tr("ics: neutral summaries (\"P\" and \"F\", or those given "
                                      "below) and calendar name, for a shared or work calendar.")});
    parser.addOption({periodSummaryOption,
                      JournalText::tr("ics: the summary of period days; implies --discreet."),
                      JournalText::tr("text")});
    parser.addOption({fertileSummaryOption,
                      JournalText::tr("ics: the summary of fertile days; implies --discreet."),
                      JournalText::tr("text")});
}

int exportCommand(JournalToolContext &c)
{
    const QString format = c.parser.value(formatOption);
    bool ok = false;
    const int cycles = c.parser.value(cyclesOption).toInt(&ok);
    if (!ok || cycles < 0 || cycles > 1000)
        return c.usage(JournalText::tr("--cycles takes a number from 0 to 1000"));
    const QStringList formats = {QStringLiteral("csv"), QStringLiteral("json"),
                                 QStringLiteral("drip"), QStringLiteral("ics")};
    if (!formats.contains(format))
        return c.usage(
            JournalText::tr("unknown format \"%1\" (csv, json, drip or ics)").arg(format));
    const bool ics = format == QLatin1String("ics");
    for (const QString &option :
         {cyclesOption, discreetOption, periodSummaryOption, fertileSummaryOption}) {
        if (!ics && c.parser.isSet(option))
            return c.usage(JournalText::tr("--%1 belongs to the ics format").arg(option));
    }
    OvelaCycleMethod journal;
    if (!c.loadForReading(journal))
        return 1;
    if (format == QLatin1String("csv"))
        return writeOutput(c, JournalCsv::write(journal));
    if (format == QLatin1String("json"))
        return writeOutput(c, JournalJson::write(journal, storedSettings()));
    if (format == QLatin1String("drip"))
        return writeOutput(c, JournalDrip::write(journal));

    JournalIcs::Options options;
    options.cycles = cycles;
    options.today = QDate::currentDate();
    options.stamp = QDateTime::currentDateTimeUtc();
    options.discreet = c.parser.isSet(discreetOption) || c.parser.isSet(periodSummaryOption) ||
                       c.parser.isSet(fertileSummaryOption);
    if (c.parser.isSet(periodSummaryOption))
        options.periodSummary = c.parser.value(periodSummaryOption);
    if (c.parser.isSet(fertileSummaryOption))
        options.fertileSummary = c.parser.value(fertileSummaryOption);
    if (!journal.getStartCycleDate().isValid())
        c.err << JournalText::tr(
                     "ovela-journal: no start-cycle date is set; the calendar holds no predictions")
              << '\n';
    const QDate oldEnd = JournalIcs::oldRecordEnd(journal, options.today);
    if (oldEnd.isValid() && journal.getStartCycleDate().isValid())
        c.err << JournalText::tr(
                     "ovela-journal: the record ends on %1; the calendar predicts from today, "
                     "and says so in each prediction")
                     .arg(isoDate(oldEnd))
              << '\n';
    return writeOutput(c, JournalIcs::write(journal, options));
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

QString noteShown(const QString &note)
{
    QString text = note;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Each field in which two records of a day differ, with both values.
QStringList differences(const OvelaRecordEntry &mine, const OvelaRecordEntry &theirs,
                        const QString &source)
{
    auto fluid = [](const OvelaRecordEntry &e) {
        const QString name = JournalRecords::fluidName(e.getCervicalFluid());
        return name.isEmpty() ? QString::number(e.getCervicalFluid()) : name;
    };
    auto temperature = [](const OvelaRecordEntry &e) {
        return e.getTemperature() == 0
                   ? JournalText::tr("none")
                   : QStringLiteral("%1 \u00b0C / %2 \u00b0F")
                         .arg(JournalRecords::celsiusText(e.getTemperature()),
                              JournalRecords::fahrenheitText(e.getTemperature()));
    };
    auto mark = [](bool value) { return value ? JournalText::tr("yes") : JournalText::tr("no"); };
    const struct
    {
        QString field;
        QString journal;
        QString other;
    } fields[] = {
        {JournalText::tr("cervical fluid"), fluid(mine), fluid(theirs)},
        {JournalText::tr("temperature"), temperature(mine), temperature(theirs)},
        {JournalText::tr("doctor"), mark(mine.getDoctor()), mark(theirs.getDoctor())},
        {JournalText::tr("cramps"), mark(mine.getCramps()), mark(theirs.getCramps())},
        {JournalText::tr("PMS"), mark(mine.getPMS()), mark(theirs.getPMS())},
        {JournalText::tr("love"), mark(mine.getSex()), mark(theirs.getSex())},
        {JournalText::tr("protection"), mark(mine.getProtection()), mark(theirs.getProtection())},
        {JournalText::tr("secret"), mark(mine.getSecret()), mark(theirs.getSecret())},
        {JournalText::tr("note"), noteShown(mine.getNote()), noteShown(theirs.getNote())},
    };
    QStringList lines;
    for (const auto &f : fields) {
        if (f.journal != f.other)
            lines << JournalText::tr("%1: %2 in the journal, %3 in %4")
                         .arg(f.field, f.journal, f.other, source);
    }
    return lines;
}

QString settingsChange(const JournalRecords::Settings &s, Preferences *preferences)
{
    QStringList changes;
    auto length = [&](const QString &name, int wanted, int (Preferences::*get)() const,
                      void (Preferences::*set)(int)) {
        if (wanted <= 0 || (preferences->*get)() == wanted)
            return;
        changes << QStringLiteral("%1 %2 -> %3").arg(name).arg((preferences->*get)()).arg(wanted);
        (preferences->*set)(wanted);
    };
    length(JournalText::tr("cycle length"), s.cycleLength, &Preferences::getCycleLength,
           &Preferences::setCycleLength);
    length(JournalText::tr("menstrual period"), s.menstrualPeriod, &Preferences::getMenstrualPeriod,
           &Preferences::setMenstrualPeriod);
    length(JournalText::tr("fertile period"), s.fertilePeriod, &Preferences::getFertilePeriod,
           &Preferences::setFertilePeriod);
    length(JournalText::tr("luteal phase"), s.lutealPhaseLength, &Preferences::getLuterPhaseLength,
           &Preferences::setLuterPhaseLength);
    if (s.birthGoal >= 0 && int(preferences->getBirthGoal()) != s.birthGoal) {
        changes << QStringLiteral("%1 %2 -> %3")
                       .arg(JournalText::tr("goal"))
                       .arg(int(preferences->getBirthGoal()))
                       .arg(s.birthGoal);
        preferences->setBirthGoal(Preferences::BirthGoal(s.birthGoal));
    }
    if (s.temperatureFormat >= 0 &&
        int(preferences->getTemperatureFormat()) != s.temperatureFormat) {
        auto unit = [](int format) {
            return format == 1 ? QStringLiteral("\u00b0F") : QStringLiteral("\u00b0C");
        };
        changes << QStringLiteral("%1 %2 -> %3")
                       .arg(JournalText::tr("unit"), unit(int(preferences->getTemperatureFormat())),
                            unit(s.temperatureFormat));
        preferences->setTemperatureFormat(Preferences::TemperatureFormat(s.temperatureFormat));
    }
    return changes.join(QLatin1String(", "));
}

void printSummary(JournalToolContext &c, const Incoming &incoming, const JournalMerge::Plan &plan)
{
    const JournalRecords::Imported &d = incoming.data;
    if (d.daysRead > 0)
        c.out << JournalText::tr("%n day(s) read", nullptr, d.daysRead) << '\n';
    QStringList counts = {JournalText::tr("%n added", nullptr, int(plan.added.size())),
                          JournalText::tr("%n changed", nullptr, int(plan.changed.size())),
                          JournalText::tr("%n unchanged", nullptr, int(plan.unchanged.size()))};
    if (!plan.kept.isEmpty())
        counts << JournalText::tr("%n kept as in the journal", nullptr, int(plan.kept.size()));
    if (!plan.removed.isEmpty())
        counts << JournalText::tr("%n removed", nullptr, int(plan.removed.size()));
    c.out << counts.join(QLatin1String(", ")) << '\n';
    const int skipped = d.skippedEmpty + d.skippedDryOnly;
    if (skipped > 0) {
        QStringList why;
        if (d.skippedEmpty)
            why << JournalText::tr("%n with nothing recorded", nullptr, d.skippedEmpty);
        if (d.skippedDryOnly)
            why << JournalText::tr(
                "%n with only mucus \"dry\" or \"nothing\", which the diary cannot "
                "tell from a day without a record",
                nullptr, d.skippedDryOnly);
        c.out << JournalText::tr("%n skipped", nullptr, skipped) << ": "
              << why.join(QLatin1String("; ")) << '\n';
    }
    if (d.notesExtended)
        c.out << JournalText::tr("%n noted: what has no field here was added to the day's note",
                                 nullptr, d.notesExtended)
              << '\n';
    QStringList temperatures;
    if (d.temperaturesRounded)
        temperatures << JournalText::tr("%n rounded to the scale", nullptr, d.temperaturesRounded);
    if (d.temperaturesLeftOut)
        temperatures << JournalText::tr("%n left out (outside 36.00-38.00 °C; kept in the note)",
                                        nullptr, d.temperaturesLeftOut);
    if (d.temperaturesExcluded)
        temperatures << JournalText::tr("%n marked excluded (kept in the note only)", nullptr,
                                        d.temperaturesExcluded);
    if (!temperatures.isEmpty())
        c.out << JournalText::tr("temperatures: %1").arg(temperatures.join(QLatin1String(", ")))
              << '\n';
    if (d.bleedingsExcluded)
        c.out << JournalText::tr(
                     "%n bleeding(s) marked excluded, stored as \"Intermenstrual\" (never a "
                     "cycle's start)",
                     nullptr, d.bleedingsExcluded)
              << '\n';
    const int disagreements = int(d.dripStartsOnly.size() + d.ruleStartsOnly.size());
    if (disagreements > 0) {
        c.out << JournalText::tr(
                     "drip's cycle starts (isCycleStart) differ from the diary's bleeding "
                     "rule on %n day(s):",
                     nullptr, disagreements)
              << '\n';
        for (const QDate &date : d.dripStartsOnly)
            c.out << "  "
                  << JournalText::tr("%1: a start in drip, not by the bleeding rule")
                         .arg(isoDate(date))
                  << '\n';
        for (const QDate &date : d.ruleStartsOnly)
            c.out << "  "
                  << JournalText::tr("%1: a start by the bleeding rule, not in drip")
                         .arg(isoDate(date))
                  << '\n';
    }
}

int bringIn(JournalToolContext &c, const Incoming &incoming, JournalMerge::Prefer prefer,
            bool replace, bool create, bool withSettings)
{
    const bool dryRun = c.parser.isSet(dryRunOption);
    const bool missing = !QFileInfo::exists(c.journalPath);
    if (missing && !create)
        return c.fail(
            JournalText::tr("%1: no such journal; nothing was written. \"import --create\" "
                            "makes a new one there.")
                .arg(c.journalPath));
    OvelaJournalFile file(c.journalPath);
    if (!dryRun && !lockForWriting(c, file))
        return 1;

    OvelaCycleMethod journal;
    QString error;
    if (missing) {
        // A new journal, which --create asked for: it starts empty.
    } else if (dryRun) {
        if (!c.loadForReading(journal))
            return 1;
    } else if (loadFile(c, c.journalPath, journal, &error, QString(), true) == Loaded::Failed) {
        return c.fail(error + JournalText::tr(". Nothing was written."));
    }
    // An encrypted journal stays encrypted: written with the seal that opened it.
    file.setSeal(c.seal);

    const JournalMerge::Plan plan =
        JournalMerge::plan(journal, incoming.data.records, incoming.data.hasStartCycleDate,
                           incoming.data.startCycleDate, prefer, replace);
    if (!plan.conflicts.isEmpty()) {
        c.err << JournalText::tr(
                     "ovela-journal: %n day(s) hold a different record in %1 and in the journal:",
                     nullptr, int(plan.conflicts.size()))
                     .arg(incoming.source)
              << '\n';
        for (const QDate &date : plan.conflicts) {
            c.err << "  " << isoDate(date) << '\n';
            for (const QString &line : differences(
                     journal.getEntry(date), incoming.data.records.value(date), incoming.source))
                c.err << "    " << line << '\n';
        }
        c.err << JournalText::tr(
                     "Nothing was written. Choose which side wins with --prefer-journal or the "
                     "other --prefer option.")
              << '\n';
        c.err.flush();
        return 1;
    }

    // Cutting a long journal to less than half is asked for by name.
    const qsizetype before = journal.entries().size();
    const qsizetype after = before + plan.added.size() - plan.removed.size();
    const bool guarded = before > GuardedJournalDays && after * 2 < before;
    const QString guard =
        JournalText::tr(
            "this would leave %1 of the journal's %2 days; add --yes if that is what you want")
            .arg(after)
            .arg(before);
    if (guarded && !dryRun && !c.parser.isSet(yesOption))
        return c.fail(guard + JournalText::tr(". Nothing was written."));
    QString kept;

    Preferences preferences;
    preferences.setSaveOnExit(false);
    const QString settingsChanged =
        withSettings ? settingsChange(incoming.data.settings, &preferences) : QString();

    if (dryRun) {
        printDays(c.out, "+", plan.added, JournalText::tr("added"));
        printDays(c.out, "~", plan.changed, JournalText::tr("changed"));
        printDays(c.out, "-", plan.removed, JournalText::tr("removed"));
        printDays(c.out, "=", plan.kept, JournalText::tr("kept as in the journal"));
        if (plan.startChanged)
            c.out << JournalText::tr("start-cycle date: %1 -> %2")
                         .arg(isoDate(journal.getStartCycleDate()), isoDate(plan.startCycleDate))
                  << '\n';
        if (guarded && !c.parser.isSet(yesOption))
            c.out << JournalText::tr("A real run refuses: %1.").arg(guard) << '\n';
    } else if (plan.changesJournal() || (missing && create)) {
        if (!keepBackup(c, file, OvelaJournalBackups::Kind::Companion, &kept))
            return 1;
        JournalMerge::apply(journal, incoming.data.records, plan);
        if (!file.save(journal))
            return c.fail(
                JournalText::tr("%1 was not written: %2").arg(c.journalPath, file.errorString()));
    }
    if (!settingsChanged.isEmpty()) {
        c.out << JournalText::tr("settings: %1").arg(settingsChanged) << '\n';
        if (!dryRun)
            preferences.save();
    } else if (withSettings) {
        c.out << JournalText::tr("settings: as they were") << '\n';
    }

    printSummary(c, incoming, plan);
    if (dryRun)
        c.out << JournalText::tr("Dry run: nothing was written.") << '\n';
    else if (missing && create)
        c.out << JournalText::tr("%1 was made.").arg(c.journalPath) << '\n';
    else if (!plan.changesJournal())
        c.out << JournalText::tr("The journal already held all of it; nothing was written to it.")
              << '\n';
    if (!kept.isEmpty())
        c.out << JournalText::tr("the journal as it was is kept as %1").arg(kept) << '\n';
    c.out.flush();
    return 0;
}

void addForeignLockOption(QCommandLineParser &parser)
{
    parser.addOption({ignoreForeignLockOption,
                      JournalText::tr("Write although another computer's lock is on the journal "
                                      "(one a sync program carried, or a crash there left).")});
}

void importOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {formatOption,
         JournalText::tr("csv or json as export writes them, or drip (the CSV export of the drip "
                         "app). Default: from the file."),
         JournalText::tr("format")});
    parser.addOption(
        {replaceOption, JournalText::tr("Replace the whole journal with the file's records.")});
    parser.addOption(
        {preferImportOption, JournalText::tr("Where a day differs, take the file's record.")});
    parser.addOption(
        {preferJournalOption, JournalText::tr("Where a day differs, keep the journal's record.")});
    parser.addOption(
        {createOption, JournalText::tr("Make the journal when it does not exist yet.")});
    parser.addOption(
        {yesOption, JournalText::tr("Allow an import that leaves fewer than half the days of a "
                                    "journal of more than 30.")});
    parser.addOption(
        {settingsOption, JournalText::tr("json: also restore the settings the file carries "
                                         "(lengths, goal, unit).")});
    parser.addOption({dryRunOption, JournalText::tr("Show what would change; write nothing.")});
    addForeignLockOption(parser);
}

int importCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.usage(JournalText::tr("import takes one file (\"-\" for standard input)"));
    const QString path = c.arguments.first();
    const bool preferImport = c.parser.isSet(preferImportOption);
    const bool preferJournal = c.parser.isSet(preferJournalOption);
    const bool replace = c.parser.isSet(replaceOption);
    if (preferImport && preferJournal)
        return c.usage(JournalText::tr("--prefer-import and --prefer-journal exclude each other"));
    if (replace && (preferImport || preferJournal))
        return c.usage(
            JournalText::tr("--replace takes every record of the file; it excludes --prefer-import "
                            "and --prefer-journal"));
    QString format = c.parser.value(formatOption);
    const QStringList formats = {QStringLiteral("csv"), QStringLiteral("json"),
                                 QStringLiteral("drip")};
    if (!format.isEmpty() && !formats.contains(format))
        return c.usage(JournalText::tr("unknown format \"%1\" (csv, json or drip)").arg(format));
    const bool withSettings = c.parser.isSet(settingsOption);
    if (withSettings && !format.isEmpty() && format != QLatin1String("json"))
        return c.usage(
            JournalText::tr("--settings needs a json file; only json carries the settings"));

    QByteArray data;
    if (!readInput(c, path, &data))
        return 1;
    if (format.isEmpty()) {
        if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ||
            data.trimmed().startsWith('{'))
            format = QStringLiteral("json");
        else
            format =
                JournalDrip::looksLikeDrip(data) ? QStringLiteral("drip") : QStringLiteral("csv");
    }
    Incoming incoming;
    incoming.source = shown(path);
    QString error;
    bool ok = false;
    if (format == QLatin1String("csv"))
        ok = JournalCsv::read(data, &incoming.data, &error);
    else if (format == QLatin1String("json"))
        ok = JournalJson::read(data, &incoming.data, &error);
    else
        ok = JournalDrip::read(data, &incoming.data, &error);
    if (!ok)
        return c.fail(JournalText::tr("%1: %2. Nothing was written.").arg(shown(path), error));
    if (withSettings && !incoming.data.hasSettings)
        return c.fail(
            JournalText::tr("%1 carries no settings (only a json export does). Nothing was "
                            "written.")
                .arg(shown(path)));

    const auto prefer = preferImport    ? JournalMerge::Prefer::Incoming
                        : preferJournal ? JournalMerge::Prefer::Journal
                                        : JournalMerge::Prefer::Nobody;
    return bringIn(c, incoming, prefer, replace, c.parser.isSet(createOption), withSettings);
}

void mergeOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {otherPassphraseFileOption,
         JournalText::tr("Read the other journal's passphrase from the first line of <file>, when "
                         "it is encrypted with another one than the journal."),
         JournalText::tr("file")});
    parser.addOption({QStringLiteral("prefer-other"),
                      JournalText::tr("Where a day differs, take the other journal's record.")});
    parser.addOption(
        {preferJournalOption, JournalText::tr("Where a day differs, keep this journal's record.")});
    parser.addOption({dryRunOption, JournalText::tr("Show what would change; write nothing.")});
    addForeignLockOption(parser);
}

int mergeCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.usage(JournalText::tr("merge takes one other journal"));
    const bool preferOther = c.parser.isSet(QStringLiteral("prefer-other"));
    const bool preferJournal = c.parser.isSet(preferJournalOption);
    if (preferOther && preferJournal)
        return c.usage(JournalText::tr("--prefer-other and --prefer-journal exclude each other"));
    const QString otherPath = c.arguments.first();
    // The journal's own seal first: another journal sealed with the same key then opens
    // without a second passphrase.
    if (!c.unlockJournal())
        return 1;
    QByteArray bytes;
    if (!readJournalInput(c, otherPath, false, &bytes))
        return 1;
    OvelaDatabase other;
    QString error;
    if (loadBytes(bytes, other, &error, shown(otherPath)) != Loaded::Yes)
        return c.fail(error);
    Incoming incoming;
    incoming.source = shown(otherPath);
    incoming.data.records = other.entries();
    incoming.data.hasStartCycleDate = true;
    incoming.data.startCycleDate = other.getStartCycleDate();
    const auto prefer = preferOther     ? JournalMerge::Prefer::Incoming
                        : preferJournal ? JournalMerge::Prefer::Journal
                                        : JournalMerge::Prefer::Nobody;
    return bringIn(c, incoming, prefer, false, false, false);
}

// ---- backups and restore

QString kindText(OvelaJournalBackups::Kind kind)
{
    using Kind = OvelaJournalBackups::Kind;
    switch (kind) {
    case Kind::Session:
        return JournalText::tr("session start");
    case Kind::Daily:
        return JournalText::tr("daily");
    case Kind::Companion:
        return JournalText::tr("before ovela-journal");
    case Kind::Merge:
        return JournalText::tr("before a merge");
    case Kind::Restore:
        return JournalText::tr("before a restore");
    case Kind::ConflictCopy:
        return JournalText::tr("conflict copy");
    }
    return QString();
}

void backupsOptions(QCommandLineParser &parser)
{
    parser.addOption({jsonOption, JournalText::tr("Print pure JSON instead of a table.")});
}

int backupsCommand(JournalToolContext &c)
{
    const OvelaJournalBackups backups(ovelaBackupsPath());
    const QList<OvelaJournalBackups::Entry> entries = backups.list();
    struct Row
    {
        bool encrypted = false;
        bool loads = false;
        qsizetype days = 0;
        QDate lastDay;
    };
    QList<Row> rows;
    // The journal's seal, when it is encrypted, opens the backups sealed with its key whatever
    // passphrase they were written under; the others ask for theirs.
    if (std::any_of(entries.cbegin(), entries.cend(), [](const OvelaJournalBackups::Entry &e) {
            return OvelaJournalSeal::isSealedFile(e.path);
        })
        && OvelaJournalSeal::isSealedFile(c.journalPath)) {
        QFile journal(c.journalPath);
        QByteArray plain;
        QString error;
        if (!journal.open(QIODevice::ReadOnly)
            || !c.unsealed(journal.read(JournalInputLimit), c.journalPath, true, &plain, &error))
            c.err << QStringLiteral("ovela-journal: ") << error << '\n';
    }
    for (const OvelaJournalBackups::Entry &entry : entries) {
        OvelaDatabase journal;
        QString error;
        Row row;
        row.encrypted = OvelaJournalSeal::isSealedFile(entry.path);
        row.loads = loadFile(c, entry.path, journal, &error) == Loaded::Yes;
        if (row.loads) {
            row.days = journal.entries().size();
            if (row.days > 0)
                row.lastDay = journal.entries().lastKey();
        }
        rows << row;
    }

    if (c.parser.isSet(jsonOption)) {
        QJsonArray array;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const Row &row = rows.at(i);
            QJsonObject object{
                {QStringLiteral("number"), int(i + 1)},
                {QStringLiteral("made"), entries.at(i).made.toString(Qt::ISODate)},
                {QStringLiteral("kind"), OvelaJournalBackups::kindName(entries.at(i).kind)},
                {QStringLiteral("path"), entries.at(i).path},
                {QStringLiteral("encrypted"), row.encrypted},
                {QStringLiteral("loads"), row.loads}};
            if (row.loads) {
                object.insert(QStringLiteral("days"), int(row.days));
                object.insert(QStringLiteral("lastDay"),
                              row.lastDay.isValid() ? QJsonValue(row.lastDay.toString(Qt::ISODate))
                                                    : QJsonValue());
            }
            array.append(object);
        }
        c.out << QJsonDocument(QJsonObject{{QStringLiteral("folder"), backups.folder()},
                                           {QStringLiteral("backups"), array}})
                     .toJson(QJsonDocument::Indented);
        c.out.flush();
        return 0;
    }

    if (entries.isEmpty()) {
        c.out << JournalText::tr("No backups yet in %1.").arg(backups.folder()) << '\n';
        c.out.flush();
        return 0;
    }
    c.out << JournalText::tr("Backups in %1, newest first:").arg(backups.folder()) << '\n';
    int kindWidth = 0;
    for (const OvelaJournalBackups::Entry &entry : entries)
        kindWidth = qMax(kindWidth, int(kindText(entry.kind).size()));
    const int numberWidth = int(QString::number(entries.size()).size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Row &row = rows.at(i);
        QString what;
        if (!row.loads && row.encrypted)
            what = JournalText::tr("encrypted; not opened");
        else if (!row.loads)
            what = JournalText::tr("does not load");
        else if (row.lastDay.isValid())
            what = JournalText::tr("%n day(s), the last %1", nullptr, int(row.days))
                       .arg(isoDate(row.lastDay));
        else
            what = JournalText::tr("no days");
        c.out << QStringLiteral("%1  %2  %3  %4")
                     .arg(QString::number(i + 1).rightJustified(numberWidth),
                          isoTime(entries.at(i).made),
                          kindText(entries.at(i).kind).leftJustified(kindWidth), what)
              << '\n';
    }
    c.out << JournalText::tr("\"ovela-journal restore N\" brings back number N; the journal as "
                             "it is now is kept first.")
          << '\n';
    c.out.flush();
    return 0;
}

void restoreOptions(QCommandLineParser &parser)
{
    addForeignLockOption(parser);
}

int restoreCommand(JournalToolContext &c)
{
    if (c.arguments.size() != 1)
        return c.usage(
            JournalText::tr("restore takes one backup: its number in \"ovela-journal backups\", "
                            "or its path"));
    QString source = c.arguments.first();
    // A number is a place in the list; a file named by digits alone is given as ./NAME.
    bool isNumber = false;
    const int number = source.toInt(&isNumber);
    if (isNumber && !source.startsWith(QLatin1Char('+')) && !source.startsWith(QLatin1Char('-'))) {
        const QList<OvelaJournalBackups::Entry> entries =
            OvelaJournalBackups(ovelaBackupsPath()).list();
        if (number < 1 || number > entries.size())
            return c.fail(JournalText::tr("there is no backup number %1; \"ovela-journal "
                                          "backups\" lists %n backup(s). Nothing was written.",
                                          nullptr, int(entries.size()))
                              .arg(number));
        source = entries.at(number - 1).path;
    }

    // An encrypted journal stays so: its seal first, which also opens its own backups.
    if (!c.unlockJournal())
        return 1;
    // Read whole before anything is written: the backup kept next may prune the folder.
    QByteArray bytes;
    if (!readJournalInput(c, source, false, &bytes))
        return 1;
    OvelaDatabase restored;
    QString error;
    if (loadBytes(bytes, restored, &error, shown(source)) != Loaded::Yes)
        return c.fail(error + JournalText::tr(". Nothing was written."));

    OvelaJournalFile file(c.journalPath);
    if (!lockForWriting(c, file))
        return 1;
    const bool existed = QFileInfo::exists(c.journalPath);
    QString kept;
    if (!keepBackup(c, file, OvelaJournalBackups::Kind::Restore, &kept))
        return 1;
    file.setSeal(c.seal);
    if (!file.save(restored))
        return c.fail(
            JournalText::tr("%1 was not written: %2").arg(c.journalPath, file.errorString()));

    const auto &records = restored.entries();
    if (records.isEmpty())
        c.out << JournalText::tr("restored %1: no days").arg(shown(source)) << '\n';
    else
        c.out << JournalText::tr("restored %1: %n day(s), the last %2", nullptr,
                                 int(records.size()))
                     .arg(shown(source), isoDate(records.lastKey()))
              << '\n';
    c.out << JournalText::tr("start-cycle date: %1").arg(isoDate(restored.getStartCycleDate()))
          << '\n';
    if (!kept.isEmpty())
        c.out << JournalText::tr("the journal as it was is kept as %1").arg(kept) << '\n';
    else if (!existed)
        c.out << JournalText::tr("%1 was made.").arg(c.journalPath) << '\n';
    c.out.flush();
    return 0;
}

// ---- check and salvage

void noOptions(QCommandLineParser &) {}

void insightOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {QStringLiteral("json"), JournalText::tr("Print pure JSON instead of a table.")});
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
    const int status = runStatsCommand(journal, c.parser.isSet(QStringLiteral("json")), c.out,
                                       QDate::currentDate());
    c.out.flush();
    return status;
}

int checkCommand(JournalToolContext &c)
{
    if (c.arguments.size() > 1)
        return c.usage(JournalText::tr("check takes at most one file"));
    const QString path = c.arguments.isEmpty() ? c.journalPath : c.arguments.first();
    const QString name = shown(path);
    if (path != QLatin1String("-") && canonical(path) == canonical(c.journalPath))
        noteOpenDiary(c, path, true);
    if (path != QLatin1String("-") && !QFileInfo::exists(path))
        return c.fail(JournalText::tr("%1: no such file").arg(path));
    QByteArray raw;
    if (!readInput(c, path, &raw))
        return 1;
    const bool isJournal = path != QLatin1String("-") && canonical(path) == canonical(c.journalPath);
    QByteArray bytes;
    QString error;
    OvelaJournalSeal::Status status = OvelaJournalSeal::Status::Ok;
    if (!c.unsealed(raw, name, isJournal, &bytes, &error, &status)) {
        if (status != OvelaJournalSeal::Status::Damaged)
            return c.fail(error);
        c.out << JournalText::tr("%1: does not load").arg(name) << '\n'
              << JournalText::tr("damage: %1").arg(OvelaJournalSeal::describe(status)) << '\n'
              << JournalText::tr("\"ovela-journal salvage %1 -o NEW\" keeps what is whole.")
                     .arg(path)
              << '\n';
        c.out.flush();
        return 1;
    }
    if (JournalSalvage::read(bytes, JournalInflatedLimit).inflated >= JournalInflatedLimit)
        return c.fail(JournalText::tr("%1 inflates to more than %2 MiB, far more than any "
                                      "journal; it was read no further")
                          .arg(name)
                          .arg(JournalInflatedLimit >> 20));
    if (OvelaJournalSeal::isSealed(raw))
        c.out << JournalText::tr("%1: encrypted, opens and authenticates").arg(name) << '\n';
    OvelaDatabase journal;
    const Loaded loaded = loadBytes(bytes, journal, &error, name);
    if (loaded == Loaded::Yes) {
        const auto &records = journal.entries();
        c.out << JournalText::tr("%1: loads").arg(name) << '\n'
              << JournalText::tr("records: %1").arg(records.size()) << '\n';
        if (!records.isEmpty())
            c.out << JournalText::tr("first: %1").arg(isoDate(records.firstKey())) << '\n'
                  << JournalText::tr("last: %1").arg(isoDate(records.lastKey())) << '\n';
        c.out << JournalText::tr("start-cycle date: %1").arg(isoDate(journal.getStartCycleDate()))
              << '\n';
        c.out.flush();
        return 0;
    }
    const JournalSalvage::Result result = JournalSalvage::read(bytes, JournalInflatedLimit);
    c.out << JournalText::tr("%1: does not load").arg(name) << '\n'
          << JournalText::tr("damage: %1")
                 .arg(result.damage.isEmpty() ? JournalText::tr("unknown") : result.damage)
          << '\n'
          << JournalText::tr(
                 "reads whole to byte offset %1 of the inflated stream (%2 bytes inflated)")
                 .arg(result.readTo)
                 .arg(result.inflated)
          << '\n'
          << JournalText::tr("whole records before the damage: %1").arg(result.wholeRecords)
          << '\n';
    if (result.startRead)
        c.out << JournalText::tr("start-cycle date: %1").arg(isoDate(result.startCycleDate))
              << '\n';
    c.out << JournalText::tr("\"ovela-journal salvage %1 -o NEW\" keeps what is whole.").arg(path)
          << '\n';
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
        return c.usage(JournalText::tr("salvage takes one damaged file"));
    const QString damaged = c.arguments.first();
    const QString target = c.parser.value(outputOption);
    if (target.isEmpty())
        return c.usage(JournalText::tr("salvage needs -o NEW, the journal to write"));
    const QFileInfo targetInfo(target);
    // Never over the damaged file, nor over anything else that is already there.
    if (targetInfo.exists() || targetInfo.isSymLink())
        return c.fail(JournalText::tr("%1 exists; salvage writes a new file only").arg(target));
    QByteArray bytes;
    if (!readInput(c, damaged, &bytes))
        return 1;
    // An encrypted file gives up what authenticates, chunk by chunk up to the damage, and the
    // new journal is sealed as it was.
    std::shared_ptr<const OvelaJournalSeal> seal;
    const OvelaJournalSeal::Status header =
        OvelaJournalSeal::check(bytes.left(OvelaJournalSeal::HeaderSize));
    if (header != OvelaJournalSeal::Status::NotSealed) {
        QString error;
        OvelaJournalSeal::Status status = header;
        if (header == OvelaJournalSeal::Status::Ok)
            seal = c.sealFor(bytes, shown(damaged), false, &error, &status);
        if (!seal)
            return c.fail(JournalText::tr("%1: nothing to salvage: %2")
                              .arg(shown(damaged),
                                   error.isEmpty() ? OvelaJournalSeal::describe(status) : error));
        bytes = seal->unsealPrefix(bytes);
    }
    const JournalSalvage::Result result = JournalSalvage::read(bytes, JournalInflatedLimit);
    if (!result.headerRead)
        return c.fail(
            JournalText::tr("%1: nothing to salvage: %2").arg(shown(damaged), result.damage));

    OvelaDatabase journal;
    for (auto it = result.records.cbegin(); it != result.records.cend(); ++it)
        journal.setEntry(it.value(), it.key());
    journal.setStartCycleDate(result.startCycleDate);
    OvelaJournalFile file(target);
    if (file.lock() == OvelaJournalFile::LockResult::HeldElsewhere)
        return c.fail(JournalText::tr("%1 is locked by the diary (process %2)")
                          .arg(target)
                          .arg(file.lockOwner()));
    file.setSeal(seal);
    if (!file.save(journal))
        return c.fail(JournalText::tr("%1 was not written: %2").arg(target, file.errorString()));

    if (result.complete())
        c.out << JournalText::tr("%1 is whole: all %n record(s) kept", nullptr, result.wholeRecords)
                     .arg(shown(damaged));
    else
        c.out << JournalText::tr("%1: %2").arg(shown(damaged), result.damage) << '\n'
              << JournalText::tr("kept %n whole record(s) of %1 announced", nullptr,
                                 result.wholeRecords)
                     .arg(qMax(result.declaredCount, 0));
    c.out << '\n';
    if (!result.startRead)
        c.out << JournalText::tr("the start-cycle date was lost; set it again in the diary")
              << '\n';
    c.out << (seal ? JournalText::tr("written to %1, encrypted as it was").arg(target)
                   : JournalText::tr("written to %1").arg(target))
          << '\n';
    c.out.flush();
    return 0;
}

// ---- encryption

void newPassphraseOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {newPassphraseFileOption,
         JournalText::tr("Read the new passphrase from the first line of <file> instead of asking "
                         "for it twice on the terminal."),
         JournalText::tr("file")});
    addForeignLockOption(parser);
}

// The new passphrase: from --new-passphrase-file, or typed twice without echo.
bool newPassphrase(JournalToolContext &c, QString *passphrase)
{
    QString error;
    const bool fromFile = c.parser.isSet(newPassphraseFileOption);
    if (fromFile ? !JournalSecret::fromFile(c.parser.value(newPassphraseFileOption), passphrase,
                                            &error)
                 : !JournalSecret::ask(JournalText::tr("New passphrase: "), passphrase, &error)) {
        c.fail(error + JournalText::tr(". Nothing was written."));
        return false;
    }
    // Said before she types it a second time.
    if (passphrase->toUcs4().size() < MinPassphraseLength) {
        c.fail(JournalText::tr("a passphrase needs at least %n character(s). Nothing was written.",
                               nullptr, MinPassphraseLength));
        return false;
    }
    if (fromFile)
        return true;
    QString again;
    if (!JournalSecret::ask(JournalText::tr("The same passphrase again: "), &again, &error)) {
        c.fail(error + JournalText::tr(". Nothing was written."));
        return false;
    }
    if (again != *passphrase) {
        c.fail(JournalText::tr("the two passphrases differ. Nothing was written."));
        return false;
    }
    return true;
}

// The journal, locked and loaded for a command that rewrites it whole.
bool loadForRewrite(JournalToolContext &c, OvelaJournalFile &file, OvelaDatabase &journal)
{
    if (!QFileInfo::exists(c.journalPath)) {
        c.fail(JournalText::tr("%1: no such journal; nothing was written").arg(c.journalPath));
        return false;
    }
    if (!lockForWriting(c, file))
        return false;
    QString error;
    if (loadFile(c, c.journalPath, journal, &error, QString(), true) != Loaded::Yes) {
        c.fail(error + JournalText::tr(". Nothing was written."));
        return false;
    }
    return true;
}

int encryptCommand(JournalToolContext &c)
{
    if (OvelaJournalSeal::isSealedFile(c.journalPath))
        return c.fail(JournalText::tr("%1 is encrypted already; \"ovela-journal passphrase\" "
                                      "changes its passphrase")
                          .arg(c.journalPath));
    OvelaJournalFile file(c.journalPath);
    OvelaDatabase journal;
    if (!loadForRewrite(c, file, journal))
        return 1;
    if (!c.parser.isSet(newPassphraseFileOption))
        c.err << JournalText::tr("A forgotten passphrase cannot be recovered by anyone. The "
                                 "recovery key shown at the end is the only other way in.")
              << '\n';
    c.err.flush();
    QString passphrase;
    if (!newPassphrase(c, &passphrase))
        return 1;
    QString recovery;
    const auto seal = OvelaJournalSeal::create(passphrase, &recovery);
    if (!seal)
        return c.fail(
            JournalText::tr("%1. Nothing was written.")
                .arg(OvelaJournalSeal::describe(OvelaJournalSeal::Status::NoMemory)));
    // The journal as it was is kept encrypted; nothing plain is left behind.
    c.seal = seal;
    QString kept;
    if (!keepBackup(c, file, OvelaJournalBackups::Kind::Companion, &kept))
        return 1;
    file.setSeal(seal);
    if (!file.save(journal))
        return c.fail(
            JournalText::tr("%1 was not written: %2").arg(c.journalPath, file.errorString()));
    // The diary's backups folder holds copies of its own journal only: another journal named
    // with --journal does not seal them with its key.
    const bool own = canonical(c.journalPath) == canonical(ovelaJournalPath());
    OvelaJournalBackups backups(ovelaBackupsPath());
    const bool allSealed = backups.sealAll(c.journalPath, *seal, own);

    c.out << JournalText::tr("%1 is encrypted.").arg(c.journalPath) << '\n'
          << JournalText::tr("Recovery key: %1").arg(recovery) << '\n'
          << JournalText::tr("Write the recovery key down and keep it apart from this computer: "
                             "it opens the journal when the passphrase is forgotten, and it is "
                             "shown only now.")
          << '\n';
    c.out.flush();
    if (!allSealed)
        return c.fail(JournalText::tr("some copies stay unencrypted: %1")
                          .arg(backups.errorString()));
    c.out << (own ? JournalText::tr("Its backups are encrypted too.")
                  : JournalText::tr("The copies beside it are encrypted too; the diary's backups "
                                    "hold its own journal and were left as they are."))
          << '\n';
    c.out.flush();
    return 0;
}

void decryptOptions(QCommandLineParser &parser)
{
    parser.addOption({{QStringLiteral("o"), outputOption},
                      JournalText::tr("The unencrypted journal to write; it must not exist yet."),
                      JournalText::tr("file")});
}

int decryptCommand(JournalToolContext &c)
{
    const QString target = c.parser.value(outputOption);
    if (target.isEmpty())
        return c.usage(JournalText::tr("decrypt needs -o PLAIN, the journal to write"));
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink())
        return c.fail(JournalText::tr("%1 exists; decrypt writes a new file only").arg(target));
    if (!OvelaJournalSeal::isSealedFile(c.journalPath))
        return c.fail(JournalText::tr("%1 is not encrypted").arg(c.journalPath));
    noteOpenDiary(c, c.journalPath, false);
    OvelaDatabase journal;
    QString error;
    if (loadFile(c, c.journalPath, journal, &error, QString(), true) != Loaded::Yes)
        return c.fail(error + JournalText::tr(". Nothing was written."));
    OvelaJournalFile file(target);
    if (file.lock() == OvelaJournalFile::LockResult::HeldElsewhere)
        return c.fail(JournalText::tr("%1 is locked by the diary (process %2)")
                          .arg(target)
                          .arg(file.lockOwner()));
    if (!file.save(journal))
        return c.fail(JournalText::tr("%1 was not written: %2").arg(target, file.errorString()));
    c.out << JournalText::tr("written to %1, not encrypted: anyone who gets that file reads it")
                 .arg(target)
          << '\n';
    c.out.flush();
    return 0;
}

int passphraseCommand(JournalToolContext &c)
{
    if (!OvelaJournalSeal::isSealedFile(c.journalPath))
        return c.fail(JournalText::tr("%1 is not encrypted; \"ovela-journal encrypt\" encrypts it")
                          .arg(c.journalPath));
    OvelaJournalFile file(c.journalPath);
    OvelaDatabase journal;
    if (!loadForRewrite(c, file, journal))
        return 1;
    QString passphrase;
    if (!newPassphrase(c, &passphrase))
        return 1;
    const auto changed = c.seal->withPassphrase(passphrase);
    if (!changed)
        return c.fail(
            JournalText::tr("%1. Nothing was written.")
                .arg(OvelaJournalSeal::describe(OvelaJournalSeal::Status::NoMemory)));
    QString kept;
    if (!keepBackup(c, file, OvelaJournalBackups::Kind::Companion, &kept))
        return 1;
    file.setSeal(changed);
    if (!file.save(journal))
        return c.fail(
            JournalText::tr("%1 was not written: %2").arg(c.journalPath, file.errorString()));
    c.out << JournalText::tr("The passphrase of %1 is changed; the recovery key stays the same. "
                             "Backups made before open with the old passphrase or the recovery "
                             "key.")
                 .arg(c.journalPath)
          << '\n';
    c.out.flush();
    return 0;
}

QString programHelp(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text += QLatin1Char('\n') + JournalText::tr("Commands:") + QLatin1Char('\n');
    for (const JournalCommand &command : journalCommands())
        text += QStringLiteral("  %1%2\n").arg(command.name.leftJustified(12), command.summary);
    text += QLatin1Char('\n') +
            JournalText::tr(
                "\"ovela-journal COMMAND --help\" describes a command. Every command works on the "
                "diary's own journal unless --journal names another.") +
            QLatin1Char('\n');
    return text;
}

} // namespace

std::shared_ptr<const OvelaJournalSeal>
JournalToolContext::sealFor(const QByteArray &bytes, const QString &name, bool journal,
                            QString *error, OvelaJournalSeal::Status *status)
{
    using Status = OvelaJournalSeal::Status;
    *status = OvelaJournalSeal::check(bytes.left(OvelaJournalSeal::HeaderSize));
    if (*status != Status::Ok) {
        *error = JournalText::tr("%1: %2").arg(name, OvelaJournalSeal::describe(*status));
        return nullptr;
    }
    // One held already, when the file is sealed with its key.
    const QList<std::shared_ptr<const OvelaJournalSeal>> held =
        journal ? QList<std::shared_ptr<const OvelaJournalSeal>> {seal}
                : QList<std::shared_ptr<const OvelaJournalSeal>> {otherSeal, seal};
    for (const auto &candidate : held) {
        QByteArray ignored;
        Status tried = Status::WrongSecret;
        if (candidate && (candidate->unseal(bytes, &ignored, &tried) || tried != Status::WrongSecret))
            return candidate;
    }

    const QString fileOption =
        !journal && parser.optionNames().contains(otherPassphraseFileOption)
        ? otherPassphraseFileOption
        : passphraseFileOption;
    const bool fromFile = parser.isSet(fileOption);
    std::shared_ptr<const OvelaJournalSeal> opened;
    for (int tries = 0; !opened && tries < (fromFile ? 1 : PassphraseTries); ++tries) {
        QString secret;
        const bool got = fromFile
            ? JournalSecret::fromFile(parser.value(fileOption), &secret, error)
            : JournalSecret::ask(JournalText::tr("Passphrase or recovery key for %1: ").arg(name),
                                 &secret, error);
        if (!got) {
            *status = Status::WrongSecret;
            return nullptr;
        }
        opened = OvelaJournalSeal::open(bytes, secret, status);
        if (*status != Status::WrongSecret)
            break;
        if (!fromFile && tries + 1 < PassphraseTries)
            err << JournalText::tr("ovela-journal: that does not open %1; try again").arg(name)
                << '\n';
        err.flush();
    }
    if (!opened) {
        *error = *status == Status::WrongSecret && fromFile
            ? JournalText::tr("the passphrase in %1 does not open %2")
                  .arg(parser.value(fileOption), name)
            : JournalText::tr("%1: %2").arg(name, OvelaJournalSeal::describe(*status));
        return nullptr;
    }
    (journal ? seal : otherSeal) = opened;
    return opened;
}

bool JournalToolContext::unsealed(const QByteArray &bytes, const QString &name, bool journal,
                                  QByteArray *plain, QString *error,
                                  OvelaJournalSeal::Status *status)
{
    OvelaJournalSeal::Status ignored;
    OvelaJournalSeal::Status &result = status ? *status : ignored;
    if (OvelaJournalSeal::check(bytes.left(OvelaJournalSeal::HeaderSize))
        == OvelaJournalSeal::Status::NotSealed) {
        result = OvelaJournalSeal::Status::NotSealed;
        *plain = bytes;
        return true;
    }
    const auto found = sealFor(bytes, name, journal, error, &result);
    if (!found)
        return false;
    if (!found->unseal(bytes, plain, &result)) {
        *error = JournalText::tr("%1: %2").arg(name, OvelaJournalSeal::describe(result));
        return false;
    }
    return true;
}

bool JournalToolContext::unlockJournal()
{
    if (seal || !OvelaJournalSeal::isSealedFile(journalPath))
        return true;
    QFile file(journalPath);
    QString error;
    QByteArray plain;
    if (!file.open(QIODevice::ReadOnly)) {
        fail(JournalText::tr("%1: %2").arg(journalPath, file.errorString()));
        return false;
    }
    if (!unsealed(file.read(JournalInputLimit), journalPath, true, &plain, &error)) {
        fail(error + JournalText::tr(". Nothing was written."));
        return false;
    }
    return true;
}

bool JournalToolContext::loadForReading(OvelaCycleMethod &journal)
{
    noteOpenDiary(*this, journalPath, false);
    applySettings(journal);
    QString error;
    switch (loadFile(*this, journalPath, journal, &error, QString(), true)) {
    case Loaded::Yes:
        return true;
    case Loaded::Missing:
        // A mistyped path must not pass for an empty diary.
        fail(JournalText::tr("%1: no such journal; nothing was read").arg(journalPath));
        return false;
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

int JournalToolContext::usage(const QString &message)
{
    err << QStringLiteral("ovela-journal: ") << message << '\n'
        << JournalText::tr("\"ovela-journal COMMAND --help\" describes a command.") << '\n';
    err.flush();
    return 2;
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
        {QStringLiteral("export"),
         JournalText::tr("Write the journal as csv, json, drip's csv or ics."), QString(),
         QStringLiteral("ovela-journal export --format ics --discreet -o cycle.ics"), exportOptions,
         exportCommand, QString()},
        {QStringLiteral("import"),
         JournalText::tr("Bring in records from csv, json or drip's csv."), QStringLiteral("FILE"),
         QStringLiteral("ovela-journal import --dry-run drip-export.csv"), importOptions,
         importCommand, QString()},
        {QStringLiteral("merge"), JournalText::tr("Bring in the records of another journal file."),
         QStringLiteral("OTHER.ovd"),
         QStringLiteral("ovela-journal merge --prefer-journal laptop.ovd"), mergeOptions,
         mergeCommand, QString()},
        {QStringLiteral("backups"),
         JournalText::tr("List the diary's backups, newest first, with their days."), QString(),
         QStringLiteral("ovela-journal backups"), backupsOptions, backupsCommand, QString()},
        {QStringLiteral("restore"),
         JournalText::tr("Bring back a backup as the journal, keeping the journal as it is "
                         "first."),
         QStringLiteral("N|PATH"), QStringLiteral("ovela-journal restore 2"), restoreOptions,
         restoreCommand,
         JournalText::tr("N is a number that \"ovela-journal backups\" shows; PATH is a backup "
                         "file (a file named by digits alone is written ./NAME).")},
        {QStringLiteral("check"),
         JournalText::tr("Tell whether a journal file loads, and how far if not."),
         QStringLiteral("[PATH]"), QStringLiteral("ovela-journal check backup.ovd"), noOptions,
         checkCommand, QString()},
        {QStringLiteral("salvage"),
         JournalText::tr("Keep every whole record of a damaged journal in a new one."),
         QStringLiteral("DAMAGED"),
         QStringLiteral("ovela-journal salvage damaged.ovd -o rescued.ovd"), salvageOptions,
         salvageCommand, QString()},
        {QStringLiteral("encrypt"),
         JournalText::tr("Encrypt the journal and its backups with a passphrase; prints the "
                         "recovery key once."),
         QString(), QStringLiteral("ovela-journal encrypt"), newPassphraseOptions, encryptCommand,
         QString()},
        {QStringLiteral("decrypt"),
         JournalText::tr("Write an unencrypted copy of the encrypted journal."), QString(),
         QStringLiteral("ovela-journal decrypt -o plain.ovd"), decryptOptions, decryptCommand,
         QString()},
        {QStringLiteral("passphrase"),
         JournalText::tr("Change the passphrase of the encrypted journal."), QString(),
         QStringLiteral("ovela-journal passphrase"), newPassphraseOptions, passphraseCommand,
         QString()},
        {QStringLiteral("cycles"),
         JournalText::tr("List the cycles the record shows, with the temperature shift of each."),
         QString(), QStringLiteral("ovela-journal cycles --json"), insightOptions, cyclesCommand,
         QString()},
        {QStringLiteral("stats"),
         JournalText::tr("Cycle statistics and the next period starts the record suggests."),
         QString(), QStringLiteral("ovela-journal stats"), insightOptions, statsCommand,
         QString()},
    };
    return commands;
}

int runJournalTool(const QStringList &arguments, QTextStream &out, QTextStream &err,
                   QIODevice *input)
{
    // The sub-command is the first argument that is neither an option nor --journal's value.
    QString name;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--journal") || arg == QLatin1String("-j")
            || arg == QLatin1String("--passphrase-file")) {
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
        command
            ? command->summary
            : JournalText::tr(
                  "The diary's data out, in, merged, checked and rescued, without its window."));
    parser.addOption({{QStringLiteral("j"), journalOption},
                      JournalText::tr("Work on the journal <path> instead of the diary's own."),
                      JournalText::tr("path")});
    parser.addOption(
        {passphraseFileOption,
         JournalText::tr("Read the passphrase (or the recovery key) of an encrypted journal from "
                         "the first line of <file> instead of asking on the terminal."),
         JournalText::tr("file")});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (command) {
        parser.addPositionalArgument(command->name, command->summary);
        if (!command->arguments.isEmpty())
            parser.addPositionalArgument(command->arguments, command->argumentsHelp,
                                         command->arguments);
        command->addOptions(parser);
    } else {
        parser.addPositionalArgument(QStringLiteral("command"),
                                     JournalText::tr("What to do (see below)."),
                                     JournalText::tr("command [options]"));
    }

    if (!parser.parse(arguments)) {
        err << QStringLiteral("ovela-journal: ") << parser.errorText() << '\n'
            << JournalText::tr("\"ovela-journal --help\" lists the commands and options.") << '\n';
        err.flush();
        return 2;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return 0;
    }
    if (parser.isSet(help)) {
        if (command)
            out << parser.helpText() << '\n'
                << JournalText::tr("Example:") << "\n  " << command->example << '\n';
        else
            out << programHelp(parser);
        out.flush();
        return 0;
    }
    if (!command) {
        if (name.isEmpty())
            err << programHelp(parser);
        else
            err << JournalText::tr("ovela-journal: unknown command \"%1\"").arg(name) << '\n'
                << JournalText::tr("\"ovela-journal --help\" lists the commands and options.")
                << '\n';
        err.flush();
        return 2;
    }

    QStringList positional = parser.positionalArguments();
    positional.removeFirst();
    JournalToolContext context{parser,
                               positional,
                               out,
                               err,
                               parser.isSet(journalOption) ? parser.value(journalOption)
                                                           : ovelaJournalPath(),
                               input,
                               nullptr,
                               nullptr};
    if (command->arguments.isEmpty() && !positional.isEmpty())
        return context.usage(JournalText::tr("%1 takes no file name (\"%2\")")
                                 .arg(command->name, positional.first()));
    const int status = command->run(context);
    out.flush();
    err.flush();
    return status;
}
