#include "journaltool/ovela_journal_salvage.h"
#include "journaltool/ovela_journal_text.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

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

// The magic string as the journal writes it: a byte count, then UTF-16BE.
QByteArray magic()
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    const char text[] = "OVELACYCLE";
    stream << quint32(2 * (sizeof text - 1));
    for (const char c : QByteArray(text))
        stream << quint16(uchar(c));
    return bytes;
}

class Reader
{
public:
    explicit Reader(const QByteArray &data)
        : data(data)
    {
    }
    qsizetype pos = 0;
    bool has(qsizetype n) const { return data.size() - pos >= n; }
    quint32 u32()
    {
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + pos);
        pos += 4;
        return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
    }
    uchar u8() { return uchar(data[pos++]); }
    QDate date()
    {
        const quint32 day = u32();
        return day == 0 ? QDate() : QDate::fromJulianDay(day);
    }

private:
    const QByteArray &data;
};

// One whole record at the reader's position, or false with the reader where it was.
bool readRecord(Reader &in, const QByteArray &data, QDate *date, OvelaRecordEntry *entry,
                QString *why)
{
    const qsizetype start = in.pos;
    constexpr qsizetype fixed = 4 + 6 + 4 + 4 + 4;
    if (!in.has(fixed)) {
        *why = JournalText::tr("cut off");
        return false;
    }
    *date = in.date();
    bool flags[6];
    for (bool &flag : flags)
        flag = in.u8() != 0;
    const qint32 temperature = qint32(in.u32());
    const qint32 fluid = qint32(in.u32());
    const quint32 count = in.u32();
    QString note = QString::fromLatin1("");
    if (count != 0 && count != 0xFFFFFFFFu) {
        if (count % 2 != 0) {
            *why = JournalText::tr("its note has an odd byte count");
            in.pos = start;
            return false;
        }
        if (!in.has(qsizetype(count))) {
            *why = JournalText::tr("its note is cut off");
            in.pos = start;
            return false;
        }
        // The count is checked against what is really there before anything is made of it.
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + in.pos);
        note.resize(qsizetype(count / 2));
        for (quint32 i = 0; i < count / 2; ++i)
            note[qsizetype(i)] = QChar(ushort(p[2 * i] << 8 | p[2 * i + 1]));
        in.pos += qsizetype(count);
    }
    OvelaRecordEntry read;
    read.setDoctor(flags[0]);
    read.setCramps(flags[1]);
    read.setPMS(flags[2]);
    read.setSex(flags[3]);
    read.setProtection(flags[4]);
    read.setSecret(flags[5]);
    read.setTemperature(temperature);
    read.setCervicalFluid(fluid);
    read.setNote(note);
    *entry = read;
    return true;
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

    Reader in(data);
    auto stop = [&](const QString &what) {
        result.readTo = in.pos;
        // The stream's own damage is the cause when there is one; what it cut comes second.
        result.damage = streamDamage.isEmpty() ? what : streamDamage + QLatin1String(": ") + what;
        return result;
    };

    const QByteArray expected = magic();
    if (!in.has(expected.size()) || data.left(expected.size()) != expected)
        return stop(in.has(expected.size()) || data != expected.left(data.size())
                        ? JournalText::tr("not a journal: it does not begin with OVELACYCLE")
                        : JournalText::tr("the journal's header is cut off"));
    if (!in.has(expected.size() + 1 + 4)) {
        return stop(JournalText::tr("the journal's header is cut off"));
    }
    in.pos = expected.size() + 1;
    result.declaredCount = qint32(in.u32());
    result.headerRead = true;

    for (qint32 i = 0; i < result.declaredCount; ++i) {
        QDate date;
        OvelaRecordEntry entry;
        QString why;
        if (!readRecord(in, data, &date, &entry, &why))
            return stop(JournalText::tr("record %1 of %2: %3").arg(i + 1).arg(result.declaredCount).arg(why));
        // A date that comes again replaces the earlier record, as the program loads it.
        result.records.insert(date, entry);
        ++result.wholeRecords;
    }
    if (!in.has(4))
        return stop(JournalText::tr("the start-cycle date after the records is cut off"));
    result.startCycleDate = in.date();
    result.startRead = true;
    result.readTo = in.pos;
    if (!streamDamage.isEmpty())
        result.damage = JournalText::tr("every record is whole, but %1").arg(streamDamage);
    return result;
}

} // namespace JournalSalvage
