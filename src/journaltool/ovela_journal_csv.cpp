#include "journaltool/ovela_journal_csv.h"
#include "journaltool/ovela_journal_text.h"

#include "core/ovela_record_database.h"
#include "core/utils.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <cmath>

namespace JournalCsv {

namespace {

using JournalRecords::Imported;

QString where(int line, int column)
{
    return JournalText::tr("line %1, column %2").arg(line).arg(column);
}

QString quoted(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')))
        return field;
    QString text = field;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The offset of the first byte that is not well-formed UTF-8, or -1.
qsizetype badUtf8(const QByteArray &data)
{
    const qsizetype size = data.size();
    for (qsizetype i = 0; i < size;) {
        const uchar lead = uchar(data[i]);
        int more = 0;
        uint min = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            more = 1;
            min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            more = 2;
            min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            more = 3;
            min = 0x10000;
        } else {
            return i;
        }
        if (i + more >= size)
            return i;
        uint code = lead & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const uchar next = uchar(data[i + k]);
            if ((next & 0xC0) != 0x80)
                return i;
            code = code << 6 | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += more + 1;
    }
    return -1;
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool readMark(const QString &text, bool *mark)
{
    if (text == QLatin1String("0") || text.isEmpty()) {
        *mark = false;
        return true;
    }
    if (text == QLatin1String("1")) {
        *mark = true;
        return true;
    }
    return false;
}

bool readDate(const QString &text, QDate *date)
{
    *date = QDate::fromString(text, Qt::ISODate);
    // fromString accepts a few looser forms; only yyyy-mm-dd is ours.
    return date->isValid() && date->toString(Qt::ISODate) == text;
}

enum Column {
    Date,
    Fluid,
    FluidCode,
    TemperatureCode,
    TemperatureC,
    TemperatureF,
    Doctor,
    Cramps,
    Pms,
    Love,
    Protection,
    Secret,
    Note,
    ColumnCount
};

bool readRow(const Row &row, OvelaRecordEntry *entry, QString *error)
{
    const QStringList &f = row.fields;
    auto bad = [&](int column, const QString &what) {
        return fail(error, where(row.line, column + 1) + QLatin1String(": ") + what);
    };

    int fluid = 0;
    if (!f[FluidCode].isEmpty()) {
        bool ok = false;
        fluid = f[FluidCode].toInt(&ok);
        if (!ok || JournalRecords::fluidName(fluid).isEmpty())
            return bad(FluidCode, JournalText::tr("unknown cervical fluid code \"%1\"").arg(f[FluidCode]));
    }
    if (!f[Fluid].isEmpty()) {
        const int byName = JournalRecords::fluidCode(f[Fluid]);
        if (byName < 0)
            return bad(Fluid, JournalText::tr("unknown cervical fluid \"%1\"").arg(f[Fluid]));
        if (!f[FluidCode].isEmpty() && byName != fluid)
            return bad(FluidCode, JournalText::tr("the code %1 is not \"%2\"").arg(fluid).arg(f[Fluid]));
        fluid = byName;
    }

    int code = 0;
    if (!f[TemperatureCode].isEmpty()) {
        bool ok = false;
        code = f[TemperatureCode].toInt(&ok);
        if (!ok || code < 0 || code > getTemperatureCount())
            return bad(TemperatureCode, JournalText::tr("temperature code \"%1\" is off the scale (0 to %2)")
                                            .arg(f[TemperatureCode])
                                            .arg(getTemperatureCount()));
    }
    const struct
    {
        Column column;
        int (*codeFor)(const QString &);
        const char *unit;
    } values[] = {{TemperatureC, JournalRecords::codeForCelsius, "\u00b0C"},
                  {TemperatureF, JournalRecords::codeForFahrenheit, "\u00b0F"}};
    for (const auto &value : values) {
        const QString &text = f[value.column];
        if (text.isEmpty())
            continue;
        const int byValue = value.codeFor(text);
        if (byValue < 0)
            return bad(
                value.column,
                JournalText::tr("temperature %1 %2 is off the scale").arg(text, QString::fromUtf8(value.unit)));
        if (code != 0 && byValue != code)
            return bad(value.column, JournalText::tr("temperature %1 %2 does not match the code %3")
                                         .arg(text, QString::fromUtf8(value.unit))
                                         .arg(code));
        code = byValue;
    }

    bool marks[6] = {};
    for (int column = Doctor; column <= Secret; ++column) {
        if (!readMark(f[column], &marks[column - Doctor]))
            return bad(column, JournalText::tr("a mark is 0 or 1, not \"%1\"").arg(f[column]));
    }

    *entry = JournalRecords::record(fluid, code, marks, f[Note]);
    return true;
}

} // namespace

const QStringList &columns()
{
    static const QStringList names = {
        QStringLiteral("date"),
        QStringLiteral("cervical_fluid"),
        QStringLiteral("cervical_fluid_code"),
        QStringLiteral("temperature_code"),
        QStringLiteral("temperature_c"),
        QStringLiteral("temperature_f"),
        QStringLiteral("doctor"),
        QStringLiteral("cramps"),
        QStringLiteral("pms"),
        QStringLiteral("love"),
        QStringLiteral("protection"),
        QStringLiteral("secret"),
        QStringLiteral("note"),
    };
    return names;
}

QByteArray write(const OvelaDatabase &journal)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = columns().join(QLatin1Char(',')) + crlf;
    const auto &records = journal.entries();
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const OvelaRecordEntry &e = it.value();
        const int fluid = e.getCervicalFluid();
        const int code = e.getTemperature();
        const QStringList fields = {
            it.key().toString(Qt::ISODate),
            JournalRecords::fluidName(fluid),
            QString::number(fluid),
            QString::number(code),
            JournalRecords::celsiusText(code),
            JournalRecords::fahrenheitText(code),
            QString::number(e.getDoctor()),
            QString::number(e.getCramps()),
            QString::number(e.getPMS()),
            QString::number(e.getSex()),
            QString::number(e.getProtection()),
            QString::number(e.getSecret()),
            e.getNote(),
        };
        QStringList cells;
        for (const QString &field : fields)
            cells << quoted(field);
        text += cells.join(QLatin1Char(',')) + crlf;
    }
    return text.toUtf8();
}

bool parse(const QByteArray &data, QList<Row> *rows, QString *error)
{
    const qsizetype bad = badUtf8(data);
    if (bad >= 0)
        return fail(error, JournalText::tr("byte offset %1: not UTF-8 text").arg(bad));
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    rows->clear();
    Row row;
    QString field;
    int line = 1;
    row.line = 1;
    bool inQuotes = false;
    bool wasQuoted = false;
    int quoteLine = 0;
    auto endRow = [&]() {
        row.fields << field;
        field.clear();
        wasQuoted = false;
        // A line with nothing on it is no row.
        if (!(row.fields.size() == 1 && row.fields.first().isEmpty()))
            rows->append(row);
        row = Row();
        row.line = line;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (!field.isEmpty() || wasQuoted)
                return fail(error, where(line, int(row.fields.size()) + 1) +
                                       JournalText::tr(": a quote inside an unquoted field"));
            inQuotes = true;
            wasQuoted = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            row.fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
        } else {
            if (wasQuoted)
                return fail(error, where(line, int(row.fields.size()) + 1) +
                                       JournalText::tr(": text after a closing quote"));
            field += c;
        }
    }
    if (inQuotes)
        return fail(error, where(quoteLine, int(row.fields.size()) + 1) +
                               JournalText::tr(": a quoted field is never closed"));
    if (!field.isEmpty() || !row.fields.isEmpty() || wasQuoted)
        endRow();
    return true;
}

bool read(const QByteArray &data, Imported *imported, QString *error)
{
    QList<Row> rows;
    if (!parse(data, &rows, error))
        return false;
    if (rows.isEmpty() || rows.first().fields != columns())
        return fail(error,
                    JournalText::tr("line 1: the header is not \"%1\"").arg(columns().join(QLatin1Char(','))));
    Imported result;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const Row &row = rows.at(r);
        if (row.fields.size() != ColumnCount)
            return fail(error, JournalText::tr("line %1: %2 fields where the header has %3")
                                   .arg(row.line)
                                   .arg(row.fields.size())
                                   .arg(int(ColumnCount)));
        QDate date;
        if (!readDate(row.fields[Date], &date))
            return fail(error, where(row.line, 1) +
                                   JournalText::tr(": \"%1\" is not a date (yyyy-mm-dd)").arg(row.fields[Date]));
        if (result.records.contains(date))
            return fail(error, where(row.line, 1) +
                                   JournalText::tr(": %1 appears a second time").arg(row.fields[Date]));
        OvelaRecordEntry entry;
        if (!readRow(row, &entry, error))
            return false;
        result.records.insert(date, entry);
    }
    *imported = result;
    return true;
}

bool looksLikeDrip(const QByteArray &data)
{
    const qsizetype end = data.indexOf('\n');
    const QByteArray header = end < 0 ? data : data.left(end);
    return header.contains("bleeding.value") || header.contains("temperature.value") ||
           header.contains("mucus.value");
}

namespace {

// "tenderBreasts" as "tender breasts".
QString words(const QString &name)
{
    QString text;
    for (const QChar c : name) {
        if (c.isUpper() && !text.isEmpty()) {
            text += QLatin1Char(' ');
            text += c.toLower();
        } else {
            text += c;
        }
    }
    return text;
}

// The mucus value drip records (0 to 4, after the symptothermal notation) and its nearest
// choice of ours.
const char *const mucusWords[] = {"dry", "nothing", "moist", "creamy", "egg white"};
const int mucusFluid[] = {0, 0, 5, 5, 6};

} // namespace

bool readDrip(const QByteArray &data, Imported *imported, QString *error)
{
    QList<Row> rows;
    if (!parse(data, &rows, error))
        return false;
    if (rows.isEmpty())
        return fail(error, JournalText::tr("line 1: no header row"));
    const QStringList header = rows.first().fields;
    QHash<QString, int> at;
    for (int i = 0; i < header.size(); ++i) {
        if (at.contains(header[i]))
            return fail(error,
                        where(1, i + 1) + JournalText::tr(": the column \"%1\" appears twice").arg(header[i]));
        if (header[i] != QLatin1String("date") && !header[i].contains(QLatin1Char('.')))
            return fail(error, where(1, i + 1) +
                                   JournalText::tr(": \"%1\" is not a column of drip's export").arg(header[i]));
        at.insert(header[i], i);
    }
    if (!at.contains(QStringLiteral("date")))
        return fail(error, JournalText::tr("line 1: the header has no \"date\" column"));

    Imported result;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const Row &row = rows.at(r);
        if (row.fields.size() != header.size())
            return fail(error, JournalText::tr("line %1: %2 fields where the header has %3")
                                   .arg(row.line)
                                   .arg(row.fields.size())
                                   .arg(header.size()));
        QSet<int> used;
        auto value = [&](const char *name) {
            const int column = at.value(QLatin1String(name), -1);
            if (column < 0)
                return QString();
            used.insert(column);
            return row.fields[column].trimmed();
        };
        auto columnOf = [&](const char *name) { return at.value(QLatin1String(name), 0) + 1; };
        auto flag = [&](const char *name, bool *set) {
            const QString text = value(name);
            if (text.isEmpty() || text == QLatin1String("false"))
                return true;
            if (text == QLatin1String("true")) {
                *set = true;
                return true;
            }
            return fail(error, where(row.line, columnOf(name)) +
                                   JournalText::tr(": \"%1\" is neither true nor false").arg(text));
        };

        const QString dateText = value("date");
        QDate date;
        if (!readDate(dateText, &date))
            return fail(error, where(row.line, columnOf("date")) +
                                   JournalText::tr(": \"%1\" is not a date (yyyy-mm-dd)").arg(dateText));
        if (result.records.contains(date))
            return fail(error, where(row.line, columnOf("date")) +
                                   JournalText::tr(": %1 appears a second time").arg(dateText));

        OvelaRecordEntry entry;
        QStringList extra;

        const QString bleeding = value("bleeding.value");
        if (!bleeding.isEmpty()) {
            bool ok = false;
            const int level = bleeding.toInt(&ok);
            if (!ok || level < 0 || level > 3)
                return fail(error, where(row.line, columnOf("bleeding.value")) +
                                       JournalText::tr(": unknown bleeding value \"%1\"").arg(bleeding));
            // 0 is spotting; 1 to 3 are our three bleeding choices.
            entry.setCervicalFluid(level == 0 ? 4 : level);
        }
        const QString mucus = value("mucus.value");
        if (!mucus.isEmpty()) {
            bool ok = false;
            const int level = mucus.toInt(&ok);
            if (!ok || level < 0 || level > 4)
                return fail(error, where(row.line, columnOf("mucus.value")) +
                                       JournalText::tr(": unknown cervical fluid \"%1\"").arg(mucus));
            if (bleeding.isEmpty())
                entry.setCervicalFluid(mucusFluid[level]);
            else
                extra << JournalText::tr("mucus: %1").arg(QLatin1String(mucusWords[level]));
            // The feeling and texture are what the value was derived from.
            value("mucus.feeling");
            value("mucus.texture");
        }
        // When she measured says nothing the diary keeps; the README says it is dropped.
        value("temperature.time");

        const QString temperature = value("temperature.value");
        if (!temperature.isEmpty()) {
            bool ok = false;
            const double celsius = temperature.toDouble(&ok);
            if (!ok || !std::isfinite(celsius))
                return fail(error, where(row.line, columnOf("temperature.value")) +
                                       JournalText::tr(": \"%1\" is not a temperature").arg(temperature));
            if (celsius >= 36.0 - 1e-9 && celsius <= 38.0 + 1e-9) {
                const int index = int(std::lround((celsius - 36.0) / 0.05));
                entry.setTemperature(index + 1);
                if (std::fabs(36.0 + 0.05 * index - celsius) > 1e-6)
                    ++result.temperaturesRounded;
            } else {
                ++result.temperaturesLeftOut;
                extra << JournalText::tr("temperature: %1 °C").arg(temperature);
            }
        }

        bool love = false;
        bool protection = false;
        bool cramps = false;
        if (!flag("sex.partner", &love) || !flag("sex.condom", &protection) ||
            !flag("pain.cramps", &cramps))
            return false;
        if (love)
            entry.setSex(true);
        if (protection)
            entry.setProtection(true);
        if (cramps)
            entry.setCramps(true);
        QString note = value("note.value");

        // Whatever is left has no field here: kept in the note as "group: item, item".
        QStringList groups;
        QHash<QString, QStringList> items;
        for (int column = 0; column < header.size(); ++column) {
            const QString text = row.fields[column].trimmed();
            if (used.contains(column) || text.isEmpty() || text == QLatin1String("false"))
                continue;
            const QString name = header[column];
            const qsizetype dot = name.indexOf(QLatin1Char('.'));
            const QString group = words(name.left(dot));
            const QString item = words(name.mid(dot + 1));
            if (!items.contains(group))
                groups << group;
            if (text == QLatin1String("true"))
                items[group] << item;
            else if (item == QLatin1String("value"))
                items[group] << text;
            else
                items[group] << item + QLatin1Char(' ') + text;
        }
        for (const QString &group : groups)
            extra << group + QLatin1String(": ") + items[group].join(QLatin1String(", "));
        if (!extra.isEmpty()) {
            if (!note.isEmpty())
                note += QLatin1Char('\n');
            note += extra.join(QLatin1String("; "));
            ++result.notesExtended;
        }
        if (!note.isEmpty())
            entry.setNote(note);
        // drip keeps rows for days whose every value was removed; they carry nothing.
        if (!entry.isEmpty())
            result.records.insert(date, entry);
    }
    *imported = result;
    return true;
}

} // namespace JournalCsv
