#include "core/ovela_journal_saver.h"

#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"


OvelaJournalSaver::OvelaJournalSaver(OvelaJournalFile &journalFile, const OvelaDatabase &db,
                                     QObject *parent)
    : QObject(parent)
    , file(journalFile)
    , journal(db)
{
    delay.setSingleShot(true);
    // Half a second gathers the changes of one edit, and leaves the other half of "on disk
    // within a second" to the write itself.
    delay.setInterval(500);
    connect(&delay, &QTimer::timeout, this, &OvelaJournalSaver::startSave);
}

OvelaJournalSaver::~OvelaJournalSaver()
{
    if (worker.joinable())
        worker.join();
}

void OvelaJournalSaver::markChanged()
{
    ++changes;
    // Not restarted by later changes: a steady stream of edits is still written twice a second.
    if (!delay.isActive())
        delay.start();
}

void OvelaJournalSaver::saveNow()
{
    delay.stop();
    startSave();
}

void OvelaJournalSaver::startSave()
{
    // A running save is followed by another when it ends (collect), with the newest state.
    if (worker.joinable() || !isPending())
        return;
    if (file.unseenOnDisk()) {
        emit changedOnDisk();
        return;
    }
    // The snapshot is a copy of the records, which shares them until the journal changes
    // again: the GUI thread pays nothing for it. The worker makes the stream, deflates and
    // writes it, syncs, checks and renames.
    savingChanges = changes;
    workerRecords = journal.entries();
    workerStart = journal.getStartCycleDate();
    // A plain thread, joined before anything it wrote is read: the joining is what makes its
    // results visible here (and what a thread checker sees).
    worker = std::thread([this, number = ++saveNumber] {
        workerOk = write(workerRecords, workerStart);
        workerRefused = !workerOk && file.changedOutside();
        workerError = workerOk ? QString() : file.errorString();
        // finish() may have collected this save already; its late call must not make the GUI
        // thread wait for a newer one.
        QMetaObject::invokeMethod(this, [this, number] {
            if (number == saveNumber)
                collect();
        }, Qt::QueuedConnection);
    });
}

bool OvelaJournalSaver::write(const QMap<QDate, OvelaRecordEntry> &records, const QDate &start)
{
    return file.save(records, start);
}

void OvelaJournalSaver::collect()
{
    // Also reached from finish(), before the queued signal arrives.
    if (!worker.joinable())
        return;
    worker.join();
    if (workerOk) {
        savedRecords = std::move(workerRecords);
        savedStart = workerStart;
    }
    workerRecords = {};
    if (workerRefused) {
        emit changedOnDisk();
        return;
    }
    settle(workerOk, workerError);
    // Changes made while it ran are written next; after a failure only a new change or a
    // retry writes again, so a broken disk is not hammered every second.
    if (!failed && isPending() && !delay.isActive())
        delay.start();
}

void OvelaJournalSaver::settle(bool ok, const QString &reason)
{
    if (ok) {
        savedChanges = savingChanges;
        failed = false;
        error.clear();
        emit saved();
        return;
    }
    failed = true;
    error = reason;
    emit saveFailed(reason);
}

bool OvelaJournalSaver::finish()
{
    delay.stop();
    collect();
    // Also when the file was replaced behind the diary's back: at the end the file holds what
    // the diary shows.
    if (!isPending() && !file.diskDiffers())
        return true;
    savingChanges = changes;
    const bool ok = file.save(journal);
    if (ok) {
        savedRecords = journal.entries();
        savedStart = journal.getStartCycleDate();
    }
    settle(ok, ok ? QString() : file.errorString());
    return ok;
}
