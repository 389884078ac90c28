#include "core/ovela_record_database.h"

#include "core/ovela_journal_reader.h"
#include "core/ovela_journal_writer.h"
#include "core/qzipfile.h"

#include <QIODevice>
#include <QtDebug>

OvelaDatabase::OvelaDatabase() = default;

OvelaDatabase::~OvelaDatabase() = default;

bool OvelaDatabase::save(QIODevice *device) const
{
    if (!device || !device->isWritable())
        return false;
    const QByteArray stream = OvelaJournalWriter::journal(records, startCycleDate);
    if (stream.isEmpty() || device->write(stream) != stream.size())
        return false;
    // Push buffered bytes out now, so a full disk is reported here and not lost on close.
    if (auto *zip = qobject_cast<QZipFile *>(device))
        return zip->flush();
    if (auto *file = qobject_cast<QFileDevice *>(device))
        return file->flush();
    return true;
}

bool OvelaDatabase::load(QIODevice *device)
{
    if (!device || !device->isReadable()) {
        qWarning("device not readable");
        return false;
    }
    // The magic first, read straight from the device: a foreign file is told apart from a
    // failing device, and is not read further.
    const QByteArray magic = OvelaJournalReader::magic();
    QByteArray bytes(magic.size(), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = device->read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    if (got < bytes.size() || bytes != magic) {
        qWarning("not cycle");
        return false;
    }
    QByteArray rest;
    OvelaJournalReader::Problem problem;
    if (!OvelaJournalReader::readDevice(device, &rest, &problem))
        return false;
    bytes.append(rest);
    rest.clear();
    // All or nothing: the journal is taken over only when the whole stream is good.
    QMap<QDate, OvelaRecordEntry> loaded;
    QDate start;
    if (!OvelaJournalReader(bytes).journal(&loaded, &start))
        return false;
    records = std::move(loaded);
    startCycleDate = start;
    return true;
}

OvelaRecordEntry &OvelaDatabase::addEntry(const QDate &date)
{
    if (!records.contains(date))
        records.insert(date, OvelaRecordEntry());
    emit onAddEntry(date);
    emit journalChanged();
    // Looked up again: a receiver may have changed the map while the signal was delivered.
    return records[date];
}

void OvelaDatabase::removeEntry(const QDate &date)
{
    if (!containsEntry(date))
        return;
    // Receivers still find the record while they are told it goes.
    emit onDeleteEntry(date);
    records.remove(date);
    emit journalChanged();
}

void OvelaDatabase::setEntry(const OvelaRecordEntry &entry, const QDate &date)
{
    records.insert(date, entry);
    emit journalChanged();
}

void OvelaDatabase::setStartCycleDate(const QDate &date)
{
    startCycleDate = date;
    emit journalChanged();
}

bool OvelaDatabase::containsEntry(const QDate &date) const
{
    return records.contains(date);
}

OvelaRecordEntry OvelaDatabase::getEntry(const QDate &date) const
{
    return records.value(date, OvelaRecordEntry());
}

void OvelaDatabase::takeOver(OvelaDatabase &other)
{
    records = std::move(other.records);
    other.records.clear();
    startCycleDate = other.startCycleDate;
    other.startCycleDate = QDate();
    emit onClearDatabase(this);
}

void OvelaDatabase::clear()
{
    records.clear();
    emit onClearDatabase(this);
    emit journalChanged();
}
