#pragma once

// What both fuzz targets check on every input, beyond "no crash, no leak, no hang":
// a journal that fails to load is left exactly as it was, and a journal that loads saves,
// reloads and saves again to the same journal and the same bytes.

#include "core/ovela_record_database.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace FuzzJournal {

inline void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// A journal with something in it, so that a failed load that touched it shows.
inline void fillSentinel(OvelaDatabase &journal)
{
    OvelaRecordEntry entry;
    entry.setCramps(true);
    entry.setTemperature(17);
    entry.setNote(QStringLiteral("sentinel \u00e9\U0001F600"));
    journal.setEntry(entry, QDate(1999, 12, 31));
    journal.setStartCycleDate(QDate(1999, 12, 20));
}

inline bool sameJournal(const OvelaDatabase &a, const OvelaDatabase &b)
{
    return a.entries() == b.entries() && a.getStartCycleDate() == b.getStartCycleDate();
}

[[noreturn]] inline void broken(const char *what)
{
    std::fprintf(stderr, "journal property broken: %s\n", what);
    std::abort();
}

inline QByteArray saved(const OvelaDatabase &journal)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!journal.save(&buffer))
        broken("a journal in memory could not be saved to a buffer");
    return bytes;
}

// `journal` has just been given to load() after fillSentinel(); `loaded` is what it returned.
inline void check(const OvelaDatabase &journal, bool loaded)
{
    if (!loaded) {
        OvelaDatabase untouched;
        fillSentinel(untouched);
        if (!sameJournal(journal, untouched))
            broken("a failed load changed the journal");
        return;
    }
    const QByteArray first = saved(journal);
    OvelaDatabase again;
    QBuffer buffer(const_cast<QByteArray *>(&first));
    buffer.open(QIODevice::ReadOnly);
    if (!again.load(&buffer))
        broken("a saved journal does not load");
    if (!sameJournal(journal, again))
        broken("a saved journal loads as a different journal");
    if (saved(again) != first)
        broken("saving a reloaded journal gives different bytes");
}

} // namespace FuzzJournal
