#include "core/ovela_journal_sync.h"

#include <QSet>

namespace {

// A day's record on one side, or none.
struct Side
{
    bool exists;
    OvelaRecordEntry entry;
    bool operator==(const Side &o) const { return exists == o.exists && (!exists || entry == o.entry); }
};

Side sideOf(const QMap<QDate, OvelaRecordEntry> &records, const QDate &date)
{
    const auto it = records.constFind(date);
    return it == records.cend() ? Side {false, OvelaRecordEntry()} : Side {true, it.value()};
}

} // namespace

OvelaJournalSync::Changes OvelaJournalSync::compare(const OvelaJournalSnapshot *base,
                                                    const OvelaJournalSnapshot &mine,
                                                    const OvelaJournalSnapshot &theirs)
{
    Changes changes;
    QSet<QDate> days;
    for (auto it = theirs.records.cbegin(); it != theirs.records.cend(); ++it)
        days.insert(it.key());
    if (base) {
        // A day deleted on one side is in the base and the other side only.
        for (auto it = mine.records.cbegin(); it != mine.records.cend(); ++it)
            days.insert(it.key());
    }
    QList<QDate> sorted(days.cbegin(), days.cend());
    std::sort(sorted.begin(), sorted.end());
    for (const QDate &date : std::as_const(sorted)) {
        const Side m = sideOf(mine.records, date);
        const Side t = sideOf(theirs.records, date);
        if (m == t)
            continue;
        if (base) {
            const Side b = sideOf(base->records, date);
            if (t == b)
                continue; // changed here only: hers stays
            if (m == b) {
                if (t.exists)
                    changes.set.insert(date, t.entry);
                else
                    changes.removed << date;
                continue;
            }
        } else if (!m.exists) {
            changes.set.insert(date, t.entry);
            continue;
        }
        changes.conflicts << OvelaDayDifference {date, m.exists, m.entry, t.exists, t.entry};
    }

    changes.start = mine.start;
    if (mine.start != theirs.start) {
        if (base) {
            if (mine.start == base->start) {
                changes.start = theirs.start;
                changes.startChanged = true;
            } else if (theirs.start != base->start) {
                changes.startConflict = true;
                changes.otherStart = theirs.start;
            }
        } else if (theirs.start.isValid() && (!mine.start.isValid() || theirs.start > mine.start)) {
            // A null date is earlier than any: the later of the two is the one that was set.
            changes.start = theirs.start;
            changes.startChanged = true;
        }
    }
    return changes;
}
