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
            return bad(FluidCode,
                       JournalText::tr("unknown cervical fluid code \"%1\"").arg(f[FluidCode]));
    }
    if (!f[Fluid].isEmpty()) {
        const int byName = JournalRecords::fluidCode(f[Fluid]);
        if (byName < 0)
            return bad(Fluid, JournalText::tr("unknown cervical fluid \"%1\"").arg(f[Fluid]));
        if (!f[FluidCode].isEmpty() && byName != fluid)
            return bad(FluidCode,
                       JournalText::tr("the code %1 is not \"%2\"").arg(fluid).arg(f[Fluid]));
        fluid = byName;
    }

    int code = 0;
    if (!f[TemperatureCode].isEmpty()) {
        bool ok = false;
        code = f[TemperatureCode].toInt(&ok);
        if (!ok || code < 0 || code > getTemperatureCount())
            return bad(TemperatureCode,
                       JournalText::tr("temperature code \"%1\" is off the scale (0 to %2)")
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
            return bad(value.column, JournalText::tr("temperature %1 %2 is off the scale")
                                         .arg(text, QString::fromUtf8(value.unit)));
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

bool parse(const QByteArray &data, QList<Row> *rows, QString *error, Dialect dialect)
{
    const qsizetype bad = badUtf8(data);
    if (bad >= 0) {
        // Counted in characters up to the bad byte, as an editor shows its column.
        const qsizetype lineStart = data.lastIndexOf('\n', bad - 1) + 1;
        return fail(error,
                    where(int(data.left(bad).count('\n')) + 1,
                          int(QString::fromUtf8(data.mid(lineStart, bad - lineStart)).size()) + 1) +
                        JournalText::tr(": not UTF-8 text (byte offset %1)").arg(bad));
    }
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
        if (c == QLatin1Char('"') && dialect == Dialect::Drip && !wasQuoted) {
            // drip doubles every quote but wraps only fields holding one of \n \t , ; . ':
            // an odd run of quotes at a field's start opens a quoted field, an even run and
            // every pair after it are the text's own quotes.
            qsizetype run = 0;
            while (i + run < size && text.at(i + run) == QLatin1Char('"'))
                ++run;
            if (field.isEmpty() && run % 2 == 1) {
                field += QString(int(run / 2), QLatin1Char('"'));
                i += run - 1;
                inQuotes = true;
                wasQuoted = true;
                quoteLine = line;
                continue;
            }
            if (run % 2 == 1)
                return fail(error, where(line, int(row.fields.size()) + 1) +
                                       JournalText::tr(": a quote inside an unquoted field"));
            field += QString(int(run / 2), QLatin1Char('"'));
            i += run - 1;
        } else if (c == QLatin1Char('"')) {
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
    if (data.isEmpty())
        return fail(error, JournalText::tr("line 1: the file is empty"));
    // Every export ends its last row with a line end: without it the file was cut.
    if (!data.endsWith('\n')) {
        const int lastLine = int(data.count('\n')) + 1;
        return fail(error,
                    JournalText::tr("line %1: the file ends without its final line end; it was cut "
                                    "short (every export ends in one)")
                        .arg(lastLine));
    }
    QList<Row> rows;
    if (!parse(data, &rows, error))
        return false;
    if (rows.isEmpty() || rows.first().fields != columns())
        return fail(error, JournalText::tr("line 1: the header is not \"%1\"")
                               .arg(columns().join(QLatin1Char(','))));
    Imported result;
    result.daysRead = int(rows.size()) - 1;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const Row &row = rows.at(r);
        if (row.fields.size() != ColumnCount)
            return fail(error, JournalText::tr("line %1: %2 fields where the header has %3")
                                   .arg(row.line)
                                   .arg(row.fields.size())
                                   .arg(int(ColumnCount)));
        QDate date;
        if (!readDate(row.fields[Date], &date))
            return fail(
                error,
                where(row.line, 1) +
                    JournalText::tr(": \"%1\" is not a date (yyyy-mm-dd)").arg(row.fields[Date]));
        if (result.records.contains(date))
            return fail(error,
                        where(row.line, 1) +
                            JournalText::tr(": %1 appears a second time").arg(row.fields[Date]));
        OvelaRecordEntry entry;
        if (!readRow(row, &entry, error))
            return false;
        result.records.insert(date, entry);
    }
    *imported = result;
    return true;
}

} // namespace JournalCsv
