#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

class OvelaCycleMethod;

// What a sub-command is given: its parsed command line, where to print, and the journal.
struct JournalToolContext
{
    QCommandLineParser &parser;
    QStringList arguments; // positional arguments after the sub-command's name
    QTextStream &out;
    QTextStream &err;
    QString journalPath;

    // Loads the journal as last saved, without taking its lock or changing any file, and sets
    // the cycle lengths of the stored settings. Says on `err` what went wrong, and that the
    // journal is read as last saved when the diary is open. A missing journal is an empty one.
    bool loadForReading(OvelaCycleMethod &journal);
    // Prints "ovela-journal: <message>" on `err` and returns 1.
    int fail(const QString &message);
};

// One row per sub-command: adding one is adding a row to journalCommands(), e.g. a `run` that
// calls loadForReading() and hands the journal to the command's own function.
struct JournalCommand
{
    QString name;
    QString summary;
    QString arguments; // shown in the usage line, e.g. "FILE"
    void (*addOptions)(QCommandLineParser &parser);
    int (*run)(JournalToolContext &context);
};

const QList<JournalCommand> &journalCommands();

// The whole program: `arguments` as main() gets them (the program name first). Returns the exit
// status: 0 done, 1 refused or failed, 2 a wrong command line.
int runJournalTool(const QStringList &arguments, QTextStream &out, QTextStream &err);

// Whether a live process holds the lock at `lockPath` (the diary is open); reads only.
bool journalLockHeld(const QString &lockPath, qint64 *owner = nullptr);
