#pragma once

#include "core/ovela_record_entry.h"

#include <QDate>
#include <QList>
#include <QMap>

class OvelaDatabase;

// How records from elsewhere (an import, another journal) meet the journal's own.
namespace JournalMerge {

// Who wins where a day holds a different record on both sides; Nobody makes it a conflict.
enum class Prefer { Nobody, Incoming, Journal };

struct Plan
{
    QList<QDate> added;     // days only the incoming side has
    QList<QDate> changed;   // days whose record the incoming side replaces
    QList<QDate> unchanged; // the same record on both sides
    QList<QDate> kept;      // different, the journal's record kept by preference
    QList<QDate> conflicts; // different, and nobody is preferred: nothing may be written
    QList<QDate> removed;   // days a replacement drops
    bool startChanged = false;
    QDate startCycleDate; // the start-cycle date after the merge

    bool changesJournal() const
    {
        return !added.isEmpty() || !changed.isEmpty() || !removed.isEmpty() || startChanged;
    }
};

// `replace` makes the incoming records the whole journal. `incomingStart` is taken when
// `hasIncomingStart`: as it is on replace, otherwise only when it is later than the journal's.
Plan plan(const OvelaDatabase &journal, const QMap<QDate, OvelaRecordEntry> &incoming,
          bool hasIncomingStart, const QDate &incomingStart, Prefer prefer, bool replace);

// Carries out a plan without conflicts.
void apply(OvelaDatabase &journal, const QMap<QDate, OvelaRecordEntry> &incoming, const Plan &plan);

} // namespace JournalMerge
