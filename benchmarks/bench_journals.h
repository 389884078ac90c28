#pragma once

#include "core/ovela_record_database.h"

#include <QDate>
#include <QString>

// Journals for the benchmarks: one record a day for `years` years up to the end of 2025, with
// every flag pattern, temperature codes 0 to 41, every fluid, and notes of varied length, some
// of them not Latin.
inline void fillBenchJournal(OvelaDatabase &journal, int years)
{
    static const QString words[] = {
        QStringLiteral("cramps in the morning"), QStringLiteral("walk by the river"),
        QStringLiteral("Kopfschmerzen, müde"), QStringLiteral("月経痛が少し"),
        QStringLiteral("усталость вечером"), QStringLiteral("slept badly, hot water bottle")};
    const QDate last(2025, 12, 31);
    const QDate first = last.addYears(-years).addDays(1);
    int n = 0;
    for (QDate d = first; d <= last; d = d.addDays(1), ++n) {
        OvelaRecordEntry entry;
        entry.setDoctor(n & 1);
        entry.setCramps(n & 2);
        entry.setPMS(n & 4);
        entry.setSex(n & 8);
        entry.setProtection(n & 16);
        entry.setSecret(n & 32);
        entry.setTemperature(n % 42);
        entry.setCervicalFluid(n % 7);
        // Notes of 0 to about 90 letters; each written note is her own words of that day, so no
        // two are the same.
        QString note;
        for (int w = 0; w < n % 4; ++w)
            note += words[(n + w) % 6] + QLatin1Char(' ');
        if (!note.isEmpty())
            note += QString::number(n * 7919 % 100003);
        entry.setNote(note);
        journal.setEntry(entry, d);
    }
    if (years > 0)
        journal.setStartCycleDate(last.addDays(-10));
}
