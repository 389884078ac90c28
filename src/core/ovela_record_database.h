#pragma once

#include "core/ovela_record_entry.h"

#include <QDate>
#include <QMap>
#include <QObject>

class QIODevice;

// The journal: one record per calendar day, plus the date the current cycle started.
class OvelaDatabase : public QObject
{
    Q_OBJECT
public:
    OvelaDatabase();
    ~OvelaDatabase() override;

    // Writes the journal's stream; false when the device is not writable or the write failed.
    bool save(QIODevice *device) const;
    // All or nothing: on any failure the journal in memory is left exactly as it was.
    bool load(QIODevice *device);

    OvelaRecordEntry &addEntry(const QDate &date);
    void removeEntry(const QDate &date);
    void setEntry(const OvelaRecordEntry &entry, const QDate &date);
    bool containsEntry(const QDate &date) const;
    // An empty record for a day without one; nothing is stored.
    OvelaRecordEntry getEntry(const QDate &date) const;

    QDate getStartCycleDate() const { return startCycleDate; }
    void setStartCycleDate(const QDate &date);

    void clear();
    // Takes over the records and the start date of a journal read elsewhere (at start-up, on a
    // thread of its own before the window is built); receivers refill as after a clear. Not a
    // change to save, so journalChanged is not emitted. `other` is left empty.
    void takeOver(OvelaDatabase &other);

    const QMap<QDate, OvelaRecordEntry> &entries() const { return records; }

signals:
    void onClearDatabase(OvelaDatabase *database);
    void onAddEntry(const QDate &date);
    void onDeleteEntry(const QDate &date);
    // After anything that changes what a save would write (not after load), so that the
    // journal can be saved as the user goes. addEntry emits it before its caller fills the
    // record: receivers must not save at once.
    void journalChanged();

private:
    QMap<QDate, OvelaRecordEntry> records;
    QDate startCycleDate;
};
