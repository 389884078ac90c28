#include "journaltool/ovela_journal_salvage.h"
#include "journaltool/ovela_journal_text.h"

#include "core/ovela_journal_reader.h"

#include <QCoreApplication>

#include <zlib.h>

namespace JournalSalvage {

namespace {

bool isGzip(const QByteArray &bytes, qsizetype at)
{
    return bytes.size() - at >= 2 && uchar(bytes[at]) == 0x1f && uchar(bytes[at + 1]) == 0x8b;
}

// Inflates gzip members one after another, as the program's gzip reader does, keeping all
// output produced before an error. Returns the damage found, or an empty string.
QString inflateAll(const QByteArray &packed, qint64 limit, QByteArray *out)
{
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
        return JournalText::tr("the decompressor could not be started");
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    char chunk[16384];
    QString damage;
    for (;;) {
        zs.next_out = reinterpret_cast<Bytef *>(chunk);
        zs.avail_out = sizeof chunk;
        const int status = inflate(&zs, Z_NO_FLUSH);
        out->append(chunk, qsizetype(sizeof chunk - zs.avail_out));
        if (out->size() > limit) {
            out->truncate(limit);
            damage = JournalText::tr("the stream inflates to more than %1 bytes; read no further").arg(limit);
            break;
        }
        if (status == Z_STREAM_END) {
            const qsizetype at = packed.size() - qsizetype(zs.avail_in);
            // Bytes after the last member that are not another member are ignored, as the
            // gzip reader of the program ignores them.
            if (!isGzip(packed, at))
                break;
            inflateReset(&zs);
            continue;
        }
        if (status == Z_OK)
            continue;
        if (status == Z_BUF_ERROR && zs.avail_in == 0)
            damage = JournalText::tr("the gzip stream ends early (cut off)");
        else
            damage = JournalText::tr("the gzip stream is damaged: %1")
                         .arg(QString::fromLatin1(zs.msg ? zs.msg : "unknown error"));
        break;
    }
    inflateEnd(&zs);
    return damage;
}

// Why a record could not be read, for the report.
QString recordProblem(OvelaJournalReader::Problem problem)
{
    switch (problem) {
    case OvelaJournalReader::Problem::OddNote:
        return JournalText::tr("its note has an odd byte count");
    case OvelaJournalReader::Problem::NoteCutOff:
        return JournalText::tr("its note is cut off");
    default:
        return JournalText::tr("cut off");
    }
}

} // namespace

Result read(const QByteArray &fileBytes, qint64 limit)
{
    Result result;
    QByteArray data;
    QString streamDamage;
    if (isGzip(fileBytes, 0)) {
        result.compressed = true;
        streamDamage = inflateAll(fileBytes, limit, &data);
        result.streamWhole = streamDamage.isEmpty();
    } else {
        // The program's gzip reader passes a file that is not compressed through unchanged.
        data = fileBytes.left(limit);
        result.streamWhole = true;
        if (fileBytes.size() > limit)
            streamDamage = JournalText::tr("the file is longer than %1 bytes; read no further").arg(limit);
    }
    result.inflated = data.size();

    OvelaJournalReader in(data);
    auto stop = [&](const QString &what) {
        result.readTo = in.position();
        // The stream's own damage is the cause when there is one; what it cut comes second.
        result.damage = streamDamage.isEmpty() ? what : streamDamage + QLatin1String(": ") + what;
        return result;
    };

    if (!in.header(&result.declaredCount))
        return stop(in.problem() == OvelaJournalReader::Problem::NotAJournal
                        ? JournalText::tr("not a journal: it does not begin with OVELACYCLE")
                        : JournalText::tr("the journal's header is cut off"));
    result.headerRead = true;

    for (qint32 i = 0; i < result.declaredCount; ++i) {
        QDate date;
        OvelaRecordEntry entry;
        if (!in.record(&date, &entry))
            return stop(JournalText::tr("record %1 of %2: %3")
                            .arg(i + 1)
                            .arg(result.declaredCount)
                            .arg(recordProblem(in.problem())));
        // A date that comes again replaces the earlier record, as the program loads it.
        result.records.insert(date, entry);
        ++result.wholeRecords;
    }
    if (!in.date(&result.startCycleDate))
        return stop(JournalText::tr("the start-cycle date after the records is cut off"));
    result.startRead = true;
    result.readTo = in.position();
    if (!streamDamage.isEmpty())
        result.damage = JournalText::tr("every record is whole, but %1").arg(streamDamage);
    return result;
}

} // namespace JournalSalvage
