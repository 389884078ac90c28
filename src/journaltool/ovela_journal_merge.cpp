#include "journaltool/ovela_journal_merge.h"

#include "core/ovela_record_database.h"

namespace JournalMerge {

Plan plan(const OvelaDatabase &journal, const QMap<QDate, OvelaRecordEntry> &incoming,
          bool hasIncomingStart, const QDate &incomingStart, Prefer prefer, bool replace)
{
    Plan result;
    const auto &own = journal.entries();
    for (auto it = incoming.cbegin(); it != incoming.cend(); ++it) {
        const auto mine = own.constFind(it.key());
        if (mine == own.cend())
            result.added << it.key();
        else if (mine.value() == it.value())
            result.unchanged << it.key();
        else if (replace || prefer == Prefer::Incoming)
            result.changed << it.key();
        else if (prefer == Prefer::Journal)
            result.kept << it.key();
        else
            result.conflicts << it.key();
    }
    if (replace) {
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            if (!incoming.contains(it.key()))
                result.removed << it.key();
        }
    }

    const QDate start = journal.getStartCycleDate();
    result.startCycleDate = start;
    // A null date is earlier than any: the later of the two is the one that was set.
    if (hasIncomingStart &&
        (replace || (incomingStart.isValid() && (!start.isValid() || incomingStart > start))))
        result.startCycleDate = incomingStart;
    result.startChanged = result.startCycleDate != start;
    return result;
}

void apply(OvelaDatabase &journal, const QMap<QDate, OvelaRecordEntry> &incoming, const Plan &plan)
{
    Q_ASSERT(plan.conflicts.isEmpty());
    for (const QDate &date : plan.removed)
        journal.removeEntry(date);
    for (const QList<QDate> &days : {plan.added, plan.changed}) {
        for (const QDate &date : days)
            journal.setEntry(incoming.value(date), date);
    }
    journal.setStartCycleDate(plan.startCycleDate);
}

} // namespace JournalMerge
