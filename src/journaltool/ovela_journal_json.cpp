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

// Where each element of the top-level "records" list begins, by a scan that only follows
// strings and brackets: the parser itself tells no positions of what it read well.
QList<qsizetype> recordOffsets(const QByteArray &data)
{
    QList<qsizetype> offsets;
    int depth = 0;
    bool inRecords = false;
    bool expectValue = false;
    QByteArray lastString;
    const qsizetype size = data.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (expectValue && c != ']') {
            offsets << i;
            expectValue = false;
        }
        if (c == '"') {
            qsizetype end = i + 1;
            while (end < size && data[end] != '"')
                end += data[end] == '\\' ? 2 : 1;
            if (depth == 1)
                lastString = data.mid(i + 1, end - i - 1);
            i = end;
        } else if (c == '{' || c == '[') {
            ++depth;
            if (c == '[' && depth == 2 && lastString == "records") {
                inRecords = true;
                expectValue = true;
            }
        } else if (c == '}' || c == ']') {
            if (depth == 2)
                inRecords = false;
            expectValue = false;
            --depth;
        } else if (c == ',' && inRecords && depth == 2) {
            expectValue = true;
        }
    }
    return offsets;
}

const char *const goalNames[] = {"avoidPregnancy", "conceiveChild", "conceiveGirl", "conceiveBoy"};
const char *const unitNames[] = {"celsius", "fahrenheit"};

QJsonObject settingsJson(const JournalRecords::Settings &s)
{
    QJsonObject object;
    const struct
    {
        const char *key;
        int value;
    } lengths[] = {{"cycleLength", s.cycleLength},
                   {"menstrualPeriod", s.menstrualPeriod},
                   {"fertilePeriod", s.fertilePeriod},
                   {"lutealPhaseLength", s.lutealPhaseLength}};
    for (const auto &length : lengths) {
        if (settingInRange(length.key, length.value))
            object.insert(QLatin1String(length.key), length.value);
    }
    if (s.birthGoal >= 0 && s.birthGoal <= 3)
        object.insert(QLatin1String("goal"), QLatin1String(goalNames[s.birthGoal]));
    if (s.temperatureFormat == 0 || s.temperatureFormat == 1)
        object.insert(QLatin1String("temperatureUnit"),
                      QLatin1String(unitNames[s.temperatureFormat]));
    return object;
}

bool readSettings(const QJsonObject &object, const QString &where,
                  JournalRecords::Settings *settings, QString *error)
{
    const struct
    {
        const char *key;
        int *value;
    } lengths[] = {{"cycleLength", &settings->cycleLength},
                   {"menstrualPeriod", &settings->menstrualPeriod},
                   {"fertilePeriod", &settings->fertilePeriod},
                   {"lutealPhaseLength", &settings->lutealPhaseLength}};
    for (const auto &length : lengths) {
        const QJsonValue value = object.value(QLatin1String(length.key));
        if (value.isUndefined())
            continue;
        const int number = value.toInt(-1);
        if (!value.isDouble() || value.toDouble() != number || !settingInRange(length.key, number))
            return fail(error, where + JournalText::tr(", field \"%1\": outside what the "
                                                       "Preferences dialog allows")
                                           .arg(QLatin1String(length.key)));
        *length.value = number;
    }
    const struct
    {
        const char *key;
        const char *const *names;
        int count;
        int *value;
    } choices[] = {{"goal", goalNames, 4, &settings->birthGoal},
                   {"temperatureUnit", unitNames, 2, &settings->temperatureFormat}};
    for (const auto &choice : choices) {
        const QJsonValue value = object.value(QLatin1String(choice.key));
        if (value.isUndefined())
            continue;
        QStringList names;
        for (int i = 0; i < choice.count; ++i)
            names << QLatin1String(choice.names[i]);
        *choice.value = int(names.indexOf(value.toString()));
        if (!value.isString() || *choice.value < 0)
            return fail(error, where + JournalText::tr(", field \"%1\": not one of %2")
                                           .arg(QLatin1String(choice.key),
                                                names.join(QLatin1String(", "))));
    }
    return true;
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
        return fail(error,
                    where + JournalText::tr(", field \"%1\": ").arg(QLatin1String(field)) + what);
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
            return bad("temperatureCode",
                       JournalText::tr("off the scale (0 to %1)").arg(getTemperatureCount()));
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

bool settingInRange(const char *key, int value)
{
    const QLatin1String name(key);
    if (name == QLatin1String("cycleLength"))
        return value >= 23 && value <= 35;
    if (name == QLatin1String("lutealPhaseLength"))
        return value >= 12 && value <= 16;
    return value >= 1 && value <= 8; // the menstrual and the fertile period
}

QByteArray write(const OvelaDatabase &journal, const JournalRecords::Settings &settings)
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
    root.insert(QLatin1String("settings"), settingsJson(settings));
    const QDate start = journal.getStartCycleDate();
    root.insert(QLatin1String("startCycleDate"),
                start.isValid() ? QJsonValue(start.toString(Qt::ISODate)) : QJsonValue());
    root.insert(QLatin1String("records"), records);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool read(const QByteArray &data, Imported *imported, QString *error)
{
    // Every export ends with the closing bracket of its object: without it the file was cut.
    const QByteArray whole = data.trimmed();
    if (whole.startsWith('{') && !whole.endsWith('}'))
        return fail(error, position(data, whole.size()) +
                               JournalText::tr(": the file ends before its closing bracket; it was "
                                               "cut short"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(error, position(data, parseError.offset) + QLatin1String(": ") +
                               parseError.errorString());
    // A top-level key is placed where its name first appears.
    auto at = [&data](const char *key) {
        return position(data, qMax<qsizetype>(0, data.indexOf(QByteArray("\"") + key + '"')));
    };
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return fail(
            error,
            position(data, 0) + QLatin1String(": ") +
                JournalText::tr("not a journal export (no \"format\": \"%1\")").arg(FormatName));
    if (root.value(QLatin1String("version")).toInt(-1) != Version)
        return fail(error, at("version") + QLatin1String(": ") +
                               JournalText::tr("unknown version %1; this program reads version %2")
                                   .arg(root.value(QLatin1String("version")).toVariant().toString())
                                   .arg(Version));

    Imported result;
    const QJsonValue settings = root.value(QLatin1String("settings"));
    if (!settings.isUndefined() && !settings.isNull()) {
        if (!settings.isObject())
            return fail(error, at("settings") + JournalText::tr(": \"settings\" is not an object"));
        result.hasSettings = true;
        if (!readSettings(settings.toObject(), at("settings") + JournalText::tr(": settings"),
                          &result.settings, error))
            return false;
    }
    const QJsonValue start = root.value(QLatin1String("startCycleDate"));
    result.hasStartCycleDate = true;
    if (!start.isNull() && !start.isUndefined()) {
        result.startCycleDate = QDate::fromString(start.toString(), Qt::ISODate);
        if (!start.isString() || !result.startCycleDate.isValid() ||
            result.startCycleDate.toString(Qt::ISODate) != start.toString())
            return fail(error,
                        at("startCycleDate") +
                            JournalText::tr(": \"startCycleDate\": not a date (yyyy-mm-dd)"));
    }
    const QJsonValue records = root.value(QLatin1String("records"));
    if (!records.isArray())
        return fail(error, at("records") + JournalText::tr(": \"records\" is not a list"));
    const QJsonArray list = records.toArray();
    const QList<qsizetype> offsets = recordOffsets(data);
    result.daysRead = int(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = position(data, offsets.value(i, 0)) + QLatin1String(": ") +
                              JournalText::tr("record %1").arg(i + 1);
        if (!list.at(i).isObject())
            return fail(error, where + JournalText::tr(": not an object"));
        QDate date;
        OvelaRecordEntry entry;
        if (!readRecord(list.at(i).toObject(), where, &date, &entry, error))
            return false;
        if (result.records.contains(date))
            return fail(
                error,
                where +
                    JournalText::tr(": %1 appears a second time").arg(date.toString(Qt::ISODate)));
        result.records.insert(date, entry);
    }
    *imported = result;
    return true;
}

} // namespace JournalJson
