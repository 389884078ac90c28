#pragma once

#include "core/ovela_record_entry.h"

#include <QDate>
#include <QList>
#include <QMap>

// The journal as one side holds it: its records and its start-cycle date.
struct OvelaJournalSnapshot
{
    QMap<QDate, OvelaRecordEntry> records;
    QDate start;
};

// A day that differs between this diary and a copy written elsewhere, each side's version (or
// none, where that side has no record of the day).
struct OvelaDayDifference
{
    QDate date;
    bool mineExists = false;
    OvelaRecordEntry mine;
    bool theirsExists = false;
    OvelaRecordEntry theirs;
};

// What a journal written elsewhere (by a sync program, a restore, the companion, another
// device) brings to the one in memory. With the journal as both last shared (`base`), a side
// that left a day as it was takes the other's version: days added, changed or deleted on one
// side only come over, and only a day changed differently on both sides is a conflict, for
// her to settle. Without a base (a sync program's conflict copy) the companion's merge rules
// hold: days only the other has come over, days that differ are conflicts, nothing is deleted,
// and the later start-cycle date wins.
namespace OvelaJournalSync {

struct Changes
{
    QMap<QDate, OvelaRecordEntry> set; // days the other side added or changed
    QList<QDate> removed;              // days the other side deleted
    QList<OvelaDayDifference> conflicts;
    bool startChanged = false; // the other side's start-cycle date is taken
    QDate start;               // the start-cycle date after the merge
    bool startConflict = false; // both sides set a different start-cycle date
    QDate otherStart;

    bool isEmpty() const
    {
        return set.isEmpty() && removed.isEmpty() && conflicts.isEmpty() && !startChanged
            && !startConflict;
    }
};

Changes compare(const OvelaJournalSnapshot *base, const OvelaJournalSnapshot &mine,
                const OvelaJournalSnapshot &theirs);

} // namespace OvelaJournalSync
