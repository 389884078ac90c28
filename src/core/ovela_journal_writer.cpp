#include "core/ovela_journal_writer.h"

#include "core/ovela_journal_reader.h"

#include <QtEndian>

#include <limits>

namespace {

constexpr char FormatByte = 100;

void appendU32(QByteArray &out, quint32 value)
{
    const quint32 bigEndian = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&bigEndian), 4);
}

// Dates are 32-bit Julian days, 0 standing for "no date"; Qt's own QDate serialisation is
// 64-bit and cannot be used.
void appendDate(QByteArray &out, const QDate &date)
{
    appendU32(out, date.isValid() ? quint32(date.toJulianDay()) : 0);
}

} // namespace

bool OvelaJournalWriter::appendEntry(QByteArray &out, const OvelaRecordEntry &entry)
{
    // An empty or null note is stored with the count 0.
    const QString &note = entry.getNote();
    if (note.size() > std::numeric_limits<qint32>::max() / 2)
        return false;
    for (bool flag : {entry.getDoctor(), entry.getCramps(), entry.getPMS(), entry.getSex(),
                      entry.getProtection(), entry.getSecret()})
        out.append(flag ? '\1' : '\0');
    appendU32(out, quint32(entry.getTemperature()));
    appendU32(out, quint32(entry.getCervicalFluid()));
    appendU32(out, quint32(note.size() * 2));
    const qsizetype at = out.size();
    out.resize(at + note.size() * 2);
    qToBigEndian<quint16>(note.utf16(), note.size(), out.data() + at);
    return true;
}

QByteArray OvelaJournalWriter::journal(const QMap<QDate, OvelaRecordEntry> &records,
                                       const QDate &start)
{
    QByteArray out;
    out.reserve(records.size() * (OvelaJournalReader::FixedRecordSize + 16) + 64);
    out.append(OvelaJournalReader::magic());
    out.append(FormatByte);
    appendU32(out, quint32(records.size()));
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        appendDate(out, it.key());
        if (!appendEntry(out, it.value()))
            return QByteArray();
    }
    appendDate(out, start);
    return out;
}
