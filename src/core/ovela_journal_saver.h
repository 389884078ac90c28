#pragma once

#include "core/ovela_record_entry.h"

#include <QDate>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <thread>

class OvelaDatabase;
class OvelaJournalFile;

// Saves the journal as the user goes: a change is on disk within about a second (changes close
// together are written once), off the calling thread, through the journal file's safe save.
// Only one save runs at a time and the newest state always wins. No widgets: the window shows
// what the signals report.
class OvelaJournalSaver : public QObject
{
    Q_OBJECT
public:
    OvelaJournalSaver(OvelaJournalFile &file, const OvelaDatabase &journal,
                      QObject *parent = nullptr);
    ~OvelaJournalSaver() override; // waits for a running save; does not write what is pending

    void setDelay(int milliseconds) { delay.setInterval(milliseconds); }

    // Changes not yet on disk (also while the save that holds them runs).
    bool isPending() const { return changes != savedChanges; }
    bool isSaving() const { return worker.joinable(); }
    bool lastSaveFailed() const { return failed; }
    QString lastError() const { return error; }

    // Waits for a running save, then writes what is still pending on the calling thread (or
    // everything, when the file on disk is not the one last loaded or saved). True when the
    // journal on disk holds every change.
    bool finish();
    // Waits for a running save and reports it; the journal file is free to use afterwards.
    void waitForSave() { collect(); }

public slots:
    void markChanged();
    // Starts a save at once (the warning's Retry), without waiting for the delay.
    void saveNow();

    // The records and start date the journal on disk holds since the last successful save
    // (empty before one).
    const QMap<QDate, OvelaRecordEntry> &lastSavedRecords() const { return savedRecords; }
    QDate lastSavedStart() const { return savedStart; }

signals:
    void saved();
    void saveFailed(const QString &reason);
    // A save did not start, or did not replace the journal, because the journal on disk was
    // written by someone else since it was last read or saved: its records must be brought
    // in first (then markChanged() or saveNow() again).
    void changedOnDisk();

protected:
    // One save of these records, on the saver's thread; tests slow it down here.
    virtual bool write(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start);

private:
    void startSave();
    void collect();
    void settle(bool ok, const QString &reason);

    OvelaJournalFile &file;
    const OvelaDatabase &journal;
    QTimer delay;
    std::thread worker;
    quint64 changes = 0;      // every change counts one
    quint64 savedChanges = 0; // the count the file on disk holds
    quint64 savingChanges = 0; // the count the running save holds
    quint64 saveNumber = 0;    // of the worker started last
    bool workerOk = false;
    bool workerRefused = false;
    QMap<QDate, OvelaRecordEntry> workerRecords;
    QDate workerStart;
    QMap<QDate, OvelaRecordEntry> savedRecords;
    QDate savedStart;
    QString workerError;
    bool failed = false;
    QString error;
};
