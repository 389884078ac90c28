#include "core/ovela_journal_writer.h"

#include "core/ovela_journal_reader.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr uchar FormatByte = 100;

} // namespace

OvelaJournalWriter::OvelaJournalWriter(const QMap<QDate, OvelaRecordEntry> &records,
                                       const QDate &start)
    : records(records)
    , next(records.cbegin())
    , start(start)
{
}

bool OvelaJournalWriter::appendTo(QByteArray &out, qsizetype size)
{
    // Written straight into memory that grows as it fills: no stream calls per field.
    qsizetype used = out.size();
    const auto room = [&out, &used](qsizetype count) {
        if (out.size() - used < count)
            out.resize(std::max(out.size() * 2, used + count));
        uchar *at = reinterpret_cast<uchar *>(out.data()) + used;
        used += count;
        return at;
    };
    const auto u32 = [](uchar *&at, quint32 value) {
        qToBigEndian(value, at);
        at += 4;
    };
    // Dates are 32-bit Julian days, 0 standing for "no date".
    const auto date = [&u32](uchar *&at, const QDate &d) {
        u32(at, d.isValid() ? quint32(d.toJulianDay()) : 0);
    };
    if (!begun) {
        const QByteArray magic = OvelaJournalReader::magic();
        std::memcpy(room(magic.size()), magic.constData(), size_t(magic.size()));
        uchar *at = room(1 + 4);
        *at++ = FormatByte;
        u32(at, quint32(records.size()));
        begun = true;
    }
    for (; next != records.cend() && used < size; ++next) {
        const OvelaRecordEntry &entry = next.value();
        // An empty or null note is stored with the count 0.
        const QString &note = entry.getNote();
        if (note.size() > std::numeric_limits<qint32>::max() / 2) {
            out.resize(used);
            return false;
        }
        uchar *at = room(OvelaJournalReader::FixedRecordSize + note.size() * 2);
        date(at, next.key());
        for (bool flag : {entry.getDoctor(), entry.getCramps(), entry.getPMS(), entry.getSex(),
                          entry.getProtection(), entry.getSecret()})
            *at++ = flag ? 1 : 0;
        u32(at, quint32(entry.getTemperature()));
        u32(at, quint32(entry.getCervicalFluid()));
        u32(at, quint32(note.size() * 2));
        qToBigEndian<quint16>(note.utf16(), note.size(), at);
    }
    if (next == records.cend() && used < size && !ended) {
        uchar *at = room(4);
        date(at, start);
        ended = true;
    }
    out.resize(used);
    return true;
}
