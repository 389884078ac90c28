#include "journaltool/ovela_journal_json.h"
#include "journaltool/ovela_journal_text.h"

#include "core/ovela_record_database.h"
#include "core/utils.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace JournalJson {

namespace {

using JournalRecords::Imported;

constexpr int Version = 1;
const QLatin1String FormatName("ovelaZ journal");

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Line and column of a byte offset, both from 1.
QString position(const QByteArray &data, qsizetype offset)
{
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset && i < data.size(); ++i) {
        if (data[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return JournalText::tr("line %1, column %2").arg(line).arg(offset - lineStart + 1);
}

QJsonValue temperatureValue(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text.toDouble());
}

const char *const markNames[] = {"doctor", "cramps", "pms", "love", "protection", "secret"};

bool readRecord(const QJsonObject &object, const QString &where, QDate *date,
                OvelaRecordEntry *entry, QString *error)
{
    auto bad = [&](const char *field, const QString &what) {
        return fail(error, where + JournalText::tr(", field \"%1\": ").arg(QLatin1String(field)) + what);
    };

    const QJsonValue dateValue = object.value(QLatin1String("date"));
    *date = QDate::fromString(dateValue.toString(), Qt::ISODate);
    if (!dateValue.isString() || !date->isValid() ||
        date->toString(Qt::ISODate) != dateValue.toString())
        return bad("date", JournalText::tr("not a date (yyyy-mm-dd)"));

    int fluid = 0;
    const QJsonValue code = object.value(QLatin1String("cervicalFluidCode"));
    if (!code.isUndefined() && !code.isNull()) {
        if (!code.isDouble() || code.toDouble() != code.toInt(-1) ||
            JournalRecords::fluidName(code.toInt()).isEmpty())
            return bad("cervicalFluidCode", JournalText::tr("unknown cervical fluid code"));
        fluid = code.toInt();
    }
    const QJsonValue name = object.value(QLatin1String("cervicalFluid"));
    if (!name.isUndefined() && !name.isNull()) {
        const int byName = JournalRecords::fluidCode(name.toString());
        if (!name.isString() || byName < 0)
            return bad("cervicalFluid", JournalText::tr("unknown cervical fluid"));
        if (!code.isUndefined() && !code.isNull() && byName != fluid)
            return bad("cervicalFluidCode", JournalText::tr("does not match the fluid's name"));
        fluid = byName;
    }

    int temperature = 0;
    const QJsonValue codeValue = object.value(QLatin1String("temperatureCode"));
    if (!codeValue.isUndefined() && !codeValue.isNull()) {
        temperature = codeValue.toInt(-1);
        if (!codeValue.isDouble() || codeValue.toDouble() != temperature || temperature < 0 ||
            temperature > getTemperatureCount())
            return bad("temperatureCode", JournalText::tr("off the scale (0 to %1)").arg(getTemperatureCount()));
    }
    const struct
    {
        const char *field;
        int (*codeFor)(const QString &);
    } scales[] = {{"temperatureC", JournalRecords::codeForCelsius},
                  {"temperatureF", JournalRecords::codeForFahrenheit}};
    for (const auto &scale : scales) {
        const QJsonValue value = object.value(QLatin1String(scale.field));
        if (value.isUndefined() || value.isNull())
            continue;
        const int byValue =
            value.isDouble() ? scale.codeFor(QString::number(value.toDouble(), 'f', 6)) : -1;
        if (byValue < 0)
            return bad(scale.field, JournalText::tr("off the scale"));
        if (temperature != 0 && byValue != temperature)
            return bad(scale.field, JournalText::tr("does not match the temperature code"));
        temperature = byValue;
    }

    bool marks[6] = {};
    for (int i = 0; i < 6; ++i) {
        const QJsonValue mark = object.value(QLatin1String(markNames[i]));
        if (mark.isUndefined() || mark.isNull())
            continue;
        if (!mark.isBool())
            return bad(markNames[i], JournalText::tr("not true or false"));
        marks[i] = mark.toBool();
    }
    const QJsonValue note = object.value(QLatin1String("note"));
    if (!note.isUndefined() && !note.isNull() && !note.isString())
        return bad("note", JournalText::tr("not a text"));

    *entry = JournalRecords::record(fluid, temperature, marks, note.toString());
    return true;
}

} // namespace

QByteArray write(const OvelaDatabase &journal)
{
    QJsonArray records;
    const auto &entries = journal.entries();
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const OvelaRecordEntry &e = it.value();
        const int fluid = e.getCervicalFluid();
        const int code = e.getTemperature();
        QJsonObject record;
        record.insert(QLatin1String("date"), it.key().toString(Qt::ISODate));
        const QString fluidName = JournalRecords::fluidName(fluid);
        record.insert(QLatin1String("cervicalFluid"),
                      fluidName.isEmpty() ? QJsonValue() : QJsonValue(fluidName));
        record.insert(QLatin1String("cervicalFluidCode"), fluid);
        record.insert(QLatin1String("temperatureCode"), code);
        record.insert(QLatin1String("temperatureC"),
                      temperatureValue(JournalRecords::celsiusText(code)));
        record.insert(QLatin1String("temperatureF"),
                      temperatureValue(JournalRecords::fahrenheitText(code)));
        const bool marks[] = {e.getDoctor(), e.getCramps(),     e.getPMS(),
                              e.getSex(),    e.getProtection(), e.getSecret()};
        for (int i = 0; i < 6; ++i)
            record.insert(QLatin1String(markNames[i]), marks[i]);
        record.insert(QLatin1String("note"), e.getNote());
        records.append(record);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), Version);
    const QDate start = journal.getStartCycleDate();
    root.insert(QLatin1String("startCycleDate"),
                start.isValid() ? QJsonValue(start.toString(Qt::ISODate)) : QJsonValue());
    root.insert(QLatin1String("records"), records);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool read(const QByteArray &data, Imported *imported, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(error, position(data, parseError.offset) + QLatin1String(": ") +
                               parseError.errorString());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return fail(error, JournalText::tr("not a journal export (no \"format\": \"%1\")").arg(FormatName));
    if (root.value(QLatin1String("version")).toInt(-1) != Version)
        return fail(error, JournalText::tr("unknown version %1; this program reads version %2")
                               .arg(root.value(QLatin1String("version")).toVariant().toString())
                               .arg(Version));

    Imported result;
    const QJsonValue start = root.value(QLatin1String("startCycleDate"));
    result.hasStartCycleDate = true;
    if (!start.isNull() && !start.isUndefined()) {
        result.startCycleDate = QDate::fromString(start.toString(), Qt::ISODate);
        if (!start.isString() || !result.startCycleDate.isValid() ||
            result.startCycleDate.toString(Qt::ISODate) != start.toString())
            return fail(error, JournalText::tr("\"startCycleDate\": not a date (yyyy-mm-dd)"));
    }
    const QJsonValue records = root.value(QLatin1String("records"));
    if (!records.isArray())
        return fail(error, JournalText::tr("\"records\" is not a list"));
    const QJsonArray list = records.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = JournalText::tr("record %1").arg(i + 1);
        if (!list.at(i).isObject())
            return fail(error, where + JournalText::tr(": not an object"));
        QDate date;
        OvelaRecordEntry entry;
        if (!readRecord(list.at(i).toObject(), where, &date, &entry, error))
            return false;
        if (result.records.contains(date))
            return fail(error,
                        where + JournalText::tr(": %1 appears a second time").arg(date.toString(Qt::ISODate)));
        result.records.insert(date, entry);
    }
    *imported = result;
    return true;
}

} // namespace JournalJson
