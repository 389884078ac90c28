#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "core/ovela_journal_seal.h"

#include <memory>

class OvelaCycleMethod;
class QIODevice;

// No input is read past this: a bigger file, or an endless one such as /dev/zero, is refused.
constexpr qint64 JournalInputLimit = qint64(32) << 20;
// Nor is a journal inflated past this; a 40-year diary needs a small part of it.
constexpr qint64 JournalInflatedLimit = qint64(64) << 20;

// What a sub-command is given: its parsed command line, where to print, and the journal.
struct JournalToolContext
{
    QCommandLineParser &parser;
    QStringList arguments; // positional arguments after the sub-command's name
    QTextStream &out;
    QTextStream &err;
    QString journalPath;
    QIODevice *input = nullptr; // what "-" reads; standard input when null
    // The seal that opened the encrypted journal (what its writes are sealed with), and the
    // one that opened another encrypted file (a journal merged in, a backup, a damaged file).
    std::shared_ptr<const OvelaJournalSeal> seal;
    std::shared_ptr<const OvelaJournalSeal> otherSeal;

    // The journal's seal, asked for once (--passphrase-file, or the terminal) when the journal
    // is encrypted and none is held yet; true with no seal for a plain or missing journal.
    // Says on `err` what went wrong.
    bool unlockJournal();
    // The journal stream inside `bytes` (as they are when they are not encrypted), opened with
    // a seal held or one asked for `name`; false with `error` set when none opens it or it
    // fails authentication.
    bool unsealed(const QByteArray &bytes, const QString &name, bool journal, QByteArray *plain,
                  QString *error, OvelaJournalSeal::Status *status = nullptr);
    // The seal for encrypted `bytes`: one held whose key they are sealed with, or one opened
    // with the passphrase asked for `name` (the journal's --passphrase-file, or for another
    // journal merged in --other-passphrase-file). Null, with `error` and `status` set, when
    // none is had.
    std::shared_ptr<const OvelaJournalSeal> sealFor(const QByteArray &bytes, const QString &name,
                                                    bool journal, QString *error,
                                                    OvelaJournalSeal::Status *status);

    // Loads the journal as last saved, without taking its lock or changing any file, and sets
    // the cycle lengths of the stored settings. Says on `err` what went wrong (a missing
    // journal included), and that the journal is read as last saved when the diary is open.
    bool loadForReading(OvelaCycleMethod &journal);
    // Prints "ovela-journal: <message>" on `err` and returns 1.
    int fail(const QString &message);
    // A wrong command line: prints the message and where help is, and returns 2.
    int usage(const QString &message);
};

// One row per sub-command: adding one is adding a row to journalCommands(), e.g. a `run` that
// calls loadForReading() and hands the journal to the command's own function.
struct JournalCommand
{
    QString name;
    QString summary;
    QString arguments; // shown in the usage line, e.g. "FILE"; none means none are taken
    QString example;   // a whole command line, shown by the command's --help
    void (*addOptions)(QCommandLineParser &parser);
    int (*run)(JournalToolContext &context);
    QString argumentsHelp; // what the arguments are, when their name does not say it
};

const QList<JournalCommand> &journalCommands();

// The whole program: `arguments` as main() gets them (the program name first); `input` is what
// "-" reads (standard input when null). Returns the exit status: 0 done, 1 refused or failed,
// 2 a wrong command line.
int runJournalTool(const QStringList &arguments, QTextStream &out, QTextStream &err,
                   QIODevice *input = nullptr);

// Whether a live process holds the lock at `lockPath` (the diary is open); reads only.
bool journalLockHeld(const QString &lockPath, qint64 *owner = nullptr);
