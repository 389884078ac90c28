#include "core/ovela_journal_saver.h"

#include "core/ovela_journal_file.h"
#include "core/ovela_record_database.h"

#include <QThread>

OvelaJournalSaver::OvelaJournalSaver(OvelaJournalFile &journalFile, const OvelaDatabase &db,
                                     QObject *parent)
    : QObject(parent)
    , file(journalFile)
    , journal(db)
{
    delay.setSingleShot(true);
    delay.setInterval(1000);
    connect(&delay, &QTimer::timeout, this, &OvelaJournalSaver::startSave);
}

OvelaJournalSaver::~OvelaJournalSaver()
{
    if (worker) {
        worker->wait();
        delete worker;
    }
}

void OvelaJournalSaver::markChanged()
{
    ++changes;
    // Not restarted by later changes: a steady stream of edits is still written every second.
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
    if (worker || !isPending())
        return;
    // The snapshot is the serialised stream, taken here on the journal's own thread; the worker
    // only deflates, writes, syncs, checks and renames.
    const QByteArray stream = OvelaJournalFile::serialise(journal);
    savingChanges = changes;
    worker = QThread::create([this, stream] {
        workerOk = file.saveStream(stream);
        workerError = workerOk ? QString() : file.errorString();
    });
    connect(worker, &QThread::finished, this, &OvelaJournalSaver::collect);
    worker->start();
}

void OvelaJournalSaver::collect()
{
    // Also reached from finish(), before the queued signal arrives.
    if (!worker)
        return;
    worker->wait();
    delete worker;
    worker = nullptr;
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
    settle(ok, ok ? QString() : file.errorString());
    return ok;
}
