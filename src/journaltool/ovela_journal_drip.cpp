#include "journaltool/ovela_journal_drip.h"
#include "journaltool/ovela_journal_csv.h"
#include "journaltool/ovela_journal_text.h"

#include "core/ovela_record_database.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace JournalDrip {

namespace {

using JournalRecords::Imported;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

QString where(int line, int column)
{
    return JournalText::tr("line %1, column %2").arg(line).arg(column);
}

// Stored in notes and read back from them: data, not interface text.
const QStringList bleedingWords = {QStringLiteral("spotting"), QStringLiteral("light"),
                                   QStringLiteral("medium"), QStringLiteral("heavy")};
const QStringList mucusWords = {QStringLiteral("dry"), QStringLiteral("nothing"),
                                QStringLiteral("moist"), QStringLiteral("creamy"),
                                QStringLiteral("egg white")};
const QLatin1String excludedWord("excluded");
const QLatin1String diaryGroup("diary");
const QString celsiusSuffix = QStringLiteral(" \u00b0C");

// drip's mucus value from its feeling and texture, the other way round (feeling: dry, nothing,
// wet, slippery; texture: nothing, creamy, egg white).
const int mucusFeeling[] = {0, 1, 2, 2, 3};
const int mucusTexture[] = {0, 0, 0, 1, 2};

bool isBoolean(const QString &column)
{
    const qsizetype dot = column.indexOf(QLatin1Char('.'));
    const QString group = column.left(dot);
    const QString item = column.mid(dot + 1);
    if (item == QLatin1String("exclude") || column == QLatin1String("isCycleStart"))
        return true;
    return (group == QLatin1String("sex") || group == QLatin1String("pain") ||
            group == QLatin1String("mood")) &&
           item != QLatin1String("note");
}

// "tenderBreasts" as "tender breasts", and back.
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

QString camel(const QString &text)
{
    QString name;
    bool upper = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            upper = true;
            continue;
        }
        name += upper ? c.toUpper() : c;
        upper = false;
    }
    return name;
}

// The note's last line of drip values, as groups of items in the order they came.
struct Parts
{
    QStringList groups;
    QHash<QString, QStringList> items;

    void add(const QString &group, const QString &item)
    {
        if (!items.contains(group))
            groups << group;
        items[group] << item;
    }
    bool isEmpty() const { return groups.isEmpty(); }
    QString line() const
    {
        QStringList parts;
        for (const QString &group : groups)
            parts << group + QLatin1String(": ") + items.value(group).join(QLatin1String(", "));
        return parts.join(QLatin1String("; "));
    }
    // Reads line(); false when the line is not made of such parts.
    bool parse(const QString &line)
    {
        for (const QString &part : line.split(QLatin1String("; "))) {
            const qsizetype colon = part.indexOf(QLatin1String(": "));
            if (colon <= 0)
                return false;
            const QString group = part.left(colon);
            for (const QString &item : part.mid(colon + 2).split(QLatin1String(", ")))
                add(group, item);
        }
        return true;
    }
};

QString joined(const QString &note, const QString &line)
{
    if (line.isEmpty())
        return note;
    return note.isEmpty() ? line : note + QLatin1Char('\n') + line;
}

// "36.35", "36.4", "37": a number as drip writes it.
QString dripNumber(const QString &fixed)
{
    QString text = fixed;
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString dripQuoted(const QString &field)
{
    QString text = field;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    static const QString wrapping = QStringLiteral("\n\t,;.'");
    for (const QChar c : wrapping) {
        if (text.contains(c))
            return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

} // namespace

const QStringList &columns()
{
    static const QStringList names =
        QStringLiteral(
            "date,temperature.value,temperature.exclude,temperature.time,temperature.note,"
            "isCycleStart,bleeding.value,bleeding.exclude,"
            "mucus.feeling,mucus.texture,mucus.value,mucus.exclude,"
            "cervix.opening,cervix.firmness,cervix.position,cervix.exclude,note.value,desire.value,"
            "sex.solo,sex.partner,sex.condom,sex.pill,sex.iud,sex.patch,sex.ring,sex.implant,"
            "sex.diaphragm,sex.none,sex.other,sex.note,"
            "pain.cramps,pain.ovulationPain,pain.headache,pain.backache,pain.nausea,"
            "pain.tenderBreasts,pain.migraine,pain.other,pain.note,"
            "mood.happy,mood.sad,mood.stressed,mood.balanced,mood.fine,mood.anxious,"
            "mood.energetic,mood.fatigue,mood.angry,mood.other,mood.note")
            .split(QLatin1Char(','));
    return names;
}

bool looksLikeDrip(const QByteArray &data)
{
    const qsizetype end = data.indexOf('\n');
    const QByteArray header = end < 0 ? data : data.left(end);
    return header.contains("bleeding.value") || header.contains("temperature.value") ||
           header.contains("mucus.value");
}

bool read(const QByteArray &data, Imported *imported, QString *error)
{
    QList<JournalCsv::Row> rows;
    if (!JournalCsv::parse(data, &rows, error, JournalCsv::Dialect::Drip))
        return false;
    if (rows.isEmpty())
        return fail(error, JournalText::tr("line 1: no header row"));
    const QStringList header = rows.first().fields;
    QHash<QString, int> at;
    for (int i = 0; i < header.size(); ++i) {
        if (at.contains(header[i]))
            return fail(error,
                        where(1, i + 1) +
                            JournalText::tr(": the column \"%1\" appears twice").arg(header[i]));
        at.insert(header[i], i);
    }
    if (!at.contains(QStringLiteral("date")))
        return fail(error, JournalText::tr("line 1: the header has no \"date\" column"));

    Imported result;
    QList<QDate> dripStarts;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const JournalCsv::Row &row = rows.at(r);
        ++result.daysRead;
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
            *set = text == QLatin1String("true");
            if (text.isEmpty() || text == QLatin1String("false") || *set)
                return true;
            return fail(error, where(row.line, columnOf(name)) +
                                   JournalText::tr(": \"%1\" is neither true nor false").arg(text));
        };
        auto level = [&](const char *name, int highest, int *result, const QString &what) {
            const QString text = value(name);
            bool ok = text.isEmpty();
            *result = ok ? -1 : text.toInt(&ok);
            if (ok && *result <= highest && *result >= -1 && !(text.isEmpty() != (*result < 0)))
                return true;
            return fail(error,
                        where(row.line, columnOf(name)) + QLatin1String(": ") + what.arg(text));
        };

        const QString dateText = value("date");
        QDate date = QDate::fromString(dateText, Qt::ISODate);
        if (!date.isValid() || date.toString(Qt::ISODate) != dateText)
            return fail(error,
                        where(row.line, columnOf("date")) +
                            JournalText::tr(": \"%1\" is not a date (yyyy-mm-dd)").arg(dateText));
        if (result.records.contains(date))
            return fail(error, where(row.line, columnOf("date")) +
                                   JournalText::tr(": %1 appears a second time").arg(dateText));

        OvelaRecordEntry entry;
        Parts parts;
        bool cycleStart = false, bleedingExcluded = false, mucusExcluded = false,
             temperatureExcluded = false, love = false, protection = false, cramps = false;
        int bleeding = -1, mucus = -1;
        if (!flag("isCycleStart", &cycleStart) || !flag("bleeding.exclude", &bleedingExcluded) ||
            !flag("mucus.exclude", &mucusExcluded) ||
            !flag("temperature.exclude", &temperatureExcluded) || !flag("sex.partner", &love) ||
            !flag("sex.condom", &protection) || !flag("pain.cramps", &cramps) ||
            !level("bleeding.value", 3, &bleeding,
                   JournalText::tr("unknown bleeding value \"%1\"")) ||
            !level("mucus.value", 4, &mucus, JournalText::tr("unknown cervical fluid \"%1\"")))
            return false;
        if (cycleStart)
            dripStarts << date;

        if (bleeding >= 0 && bleedingExcluded) {
            // Not a period in her own judgement: kept, but never as a cycle's start.
            entry.setCervicalFluid(4);
            parts.add(QStringLiteral("bleeding"), bleedingWords[bleeding]);
            parts.add(QStringLiteral("bleeding"), excludedWord);
            ++result.bleedingsExcluded;
        } else if (bleeding >= 0) {
            // 0 is spotting; 1 to 3 are our three bleeding choices.
            entry.setCervicalFluid(bleeding == 0 ? 4 : bleeding);
        }

        // The feeling and texture are what drip derived the value from.
        value("mucus.feeling");
        value("mucus.texture");
        bool dryOnly = false;
        if (mucus >= 0) {
            if (bleeding >= 0 || mucusExcluded) {
                parts.add(QStringLiteral("mucus"), mucusWords[mucus]);
                if (mucusExcluded)
                    parts.add(QStringLiteral("mucus"), excludedWord);
            } else if (mucus == 4) {
                entry.setCervicalFluid(6);
            } else if (mucus >= 2) {
                entry.setCervicalFluid(5);
                parts.add(QStringLiteral("mucus"), mucusWords[mucus]);
            } else {
                // "Dry" is also what a day without a fluid shows: stored only beside something
                // else.
                dryOnly = true;
            }
        }
        // When she measured is nothing the diary keeps.
        value("temperature.time");

        const QString temperature = value("temperature.value");
        if (!temperature.isEmpty()) {
            bool ok = false;
            const double celsius = temperature.toDouble(&ok);
            if (!ok || !std::isfinite(celsius))
                return fail(error,
                            where(row.line, columnOf("temperature.value")) +
                                JournalText::tr(": \"%1\" is not a temperature").arg(temperature));
            if (temperatureExcluded) {
                // Out of every rule the diary applies; kept for her to read.
                ++result.temperaturesExcluded;
                parts.add(QStringLiteral("temperature"), temperature + celsiusSuffix);
                parts.add(QStringLiteral("temperature"), excludedWord);
            } else if (celsius >= 36.0 - 1e-9 && celsius <= 38.0 + 1e-9) {
                const int index = int(std::lround((celsius - 36.0) / 0.05));
                entry.setTemperature(index + 1);
                if (std::fabs(36.0 + 0.05 * index - celsius) > 1e-6)
                    ++result.temperaturesRounded;
            } else {
                ++result.temperaturesLeftOut;
                parts.add(QStringLiteral("temperature"), temperature + celsiusSuffix);
            }
        }
        if (love)
            entry.setSex(true);
        if (protection)
            entry.setProtection(true);
        if (cramps)
            entry.setCramps(true);

        QString note = value("note.value");
        // Our own marks without a field in drip, as write() put them.
        const qsizetype lastBreak = note.lastIndexOf(QLatin1Char('\n'));
        Parts diary;
        if (diary.parse(note.mid(lastBreak + 1)) && diary.groups == QStringList{diaryGroup}) {
            const QStringList marks = diary.items.value(diaryGroup);
            const bool known = std::all_of(marks.cbegin(), marks.cend(), [](const QString &m) {
                return m == QLatin1String("doctor") || m == QLatin1String("pms") ||
                       m == QLatin1String("secret");
            });
            if (known) {
                entry.setDoctor(marks.contains(QLatin1String("doctor")));
                entry.setPMS(marks.contains(QLatin1String("pms")));
                entry.setSecret(marks.contains(QLatin1String("secret")));
                note.truncate(qMax<qsizetype>(lastBreak, 0));
            }
        }

        // Whatever is left has no field here, a column unknown to us included.
        for (int column = 0; column < header.size(); ++column) {
            const QString text = row.fields[column].trimmed();
            if (used.contains(column) || text.isEmpty() || text == QLatin1String("false"))
                continue;
            const QString name = header[column];
            const qsizetype dot = name.indexOf(QLatin1Char('.'));
            const QString group = words(dot < 0 ? name : name.left(dot));
            const QString item = dot < 0 ? QStringLiteral("value") : words(name.mid(dot + 1));
            if (text == QLatin1String("true"))
                parts.add(group, item);
            else if (item == QLatin1String("value"))
                parts.add(group, text);
            else
                parts.add(group, item + QLatin1Char(' ') + text);
        }

        if (entry.isEmpty() && parts.isEmpty() && note.isEmpty()) {
            ++(dryOnly ? result.skippedDryOnly : result.skippedEmpty);
            continue;
        }
        if (dryOnly)
            parts.add(QStringLiteral("mucus"), mucusWords[mucus]);
        if (!parts.isEmpty())
            ++result.notesExtended;
        note = joined(note, parts.line());
        if (!note.isEmpty())
            entry.setNote(note);
        result.records.insert(date, entry);
    }

    if (at.contains(QStringLiteral("isCycleStart"))) {
        const QList<QDate> ruleStarts = JournalRecords::cycleStarts(result.records);
        for (const QDate &date : dripStarts) {
            if (!ruleStarts.contains(date))
                result.dripStartsOnly << date;
        }
        for (const QDate &date : ruleStarts) {
            if (!dripStarts.contains(date))
                result.ruleStartsOnly << date;
        }
    }
    *imported = result;
    return true;
}

QByteArray write(const OvelaDatabase &journal)
{
    const QStringList &names = columns();
    QHash<QString, int> at;
    for (int i = 0; i < names.size(); ++i)
        at.insert(names[i], i);
    QStringList lines{names.join(QLatin1Char(','))};
    const auto &records = journal.entries();
    const QList<QDate> starts = JournalRecords::cycleStarts(records);

    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const OvelaRecordEntry &e = it.value();
        QStringList fields(names.size());
        auto set = [&](const QString &column, const QString &text) {
            fields[at.value(column)] = text;
        };
        auto flag = [](bool value) {
            return value ? QStringLiteral("true") : QStringLiteral("false");
        };

        // The note's last line, when it holds drip values an import put there.
        QString note = e.getNote();
        const qsizetype lastBreak = note.lastIndexOf(QLatin1Char('\n'));
        Parts parts;
        if (parts.parse(note.mid(lastBreak + 1)))
            note.truncate(qMax<qsizetype>(lastBreak, 0));
        else
            parts = Parts();

        Parts kept; // items with no drip column: they stay in the note
        QString temperature;
        bool temperatureExcluded = false;
        int bleeding = -1;
        bool bleedingExcluded = false;
        int mucus = -1;
        bool mucusExcluded = false;
        for (const QString &group : parts.groups) {
            for (const QString &item : parts.items.value(group)) {
                const int bleedingWord = int(bleedingWords.indexOf(item));
                const int mucusWord = int(mucusWords.indexOf(item));
                if (group == QLatin1String("temperature") && item.endsWith(celsiusSuffix)) {
                    temperature = item.chopped(celsiusSuffix.size());
                } else if (group == QLatin1String("temperature") && item == excludedWord) {
                    temperatureExcluded = true;
                } else if (group == QLatin1String("bleeding") && bleedingWord >= 0) {
                    bleeding = bleedingWord;
                } else if (group == QLatin1String("bleeding") && item == excludedWord) {
                    bleedingExcluded = true;
                } else if (group == QLatin1String("mucus") && mucusWord >= 0) {
                    mucus = mucusWord;
                } else if (group == QLatin1String("mucus") && item == excludedWord) {
                    mucusExcluded = true;
                } else if (at.contains(camel(group) + QLatin1Char('.') + camel(item)) &&
                           isBoolean(camel(group) + QLatin1Char('.') + camel(item))) {
                    set(camel(group) + QLatin1Char('.') + camel(item), flag(true));
                } else if (at.contains(camel(group) + QLatin1String(".value")) &&
                           !isBoolean(camel(group) + QLatin1String(".value"))) {
                    set(camel(group) + QLatin1String(".value"), item);
                } else {
                    const qsizetype space = item.indexOf(QLatin1Char(' '));
                    const QString column =
                        camel(group) + QLatin1Char('.') + camel(item.left(space));
                    if (space > 0 && at.contains(column) && !isBoolean(column))
                        set(column, item.mid(space + 1));
                    else
                        kept.add(group, item);
                }
            }
        }

        const int code = e.getTemperature();
        if (code > 0) {
            temperature = JournalRecords::celsiusText(code);
            temperatureExcluded = false;
        }
        if (!temperature.isEmpty()) {
            set(QStringLiteral("temperature.value"), dripNumber(temperature));
            set(QStringLiteral("temperature.exclude"), flag(temperatureExcluded));
        } else if (temperatureExcluded) {
            kept.add(QStringLiteral("temperature"), excludedWord);
        }

        const int fluid = e.getCervicalFluid();
        if (fluid >= 1 && fluid <= 3) {
            if (bleeding >= 0 && !bleedingExcluded)
                kept.add(QStringLiteral("bleeding"), bleedingWords[bleeding]);
            bleeding = fluid;
            bleedingExcluded = false;
        } else if (fluid == 4) {
            if (!bleedingExcluded || bleeding < 0)
                bleeding = 0;
        } else {
            if (bleeding >= 0)
                kept.add(QStringLiteral("bleeding"), bleedingWords[bleeding]);
            bleeding = -1;
        }
        if (bleeding >= 0) {
            set(QStringLiteral("bleeding.value"), QString::number(bleeding));
            set(QStringLiteral("bleeding.exclude"), flag(bleeding >= 0 && bleedingExcluded));
        }

        if (fluid == 6) {
            mucus = 4;
            mucusExcluded = false;
        } else if (fluid == 5) {
            // Moist and creamy are both ours; the note says which drip had.
            if (mucus != 2 && mucus != 3)
                mucus = 3;
            mucusExcluded = false;
        }
        if (mucus >= 0) {
            set(QStringLiteral("mucus.feeling"), QString::number(mucusFeeling[mucus]));
            set(QStringLiteral("mucus.texture"), QString::number(mucusTexture[mucus]));
            set(QStringLiteral("mucus.value"), QString::number(mucus));
            set(QStringLiteral("mucus.exclude"), flag(mucusExcluded));
        }
        if (!fields[at.value(QStringLiteral("cervix.opening"))].isEmpty() ||
            !fields[at.value(QStringLiteral("cervix.firmness"))].isEmpty() ||
            !fields[at.value(QStringLiteral("cervix.position"))].isEmpty()) {
            if (fields[at.value(QStringLiteral("cervix.exclude"))].isEmpty())
                set(QStringLiteral("cervix.exclude"), flag(false));
        }

        if (e.getSex())
            set(QStringLiteral("sex.partner"), flag(true));
        if (e.getProtection())
            set(QStringLiteral("sex.condom"), flag(true));
        if (e.getCramps())
            set(QStringLiteral("pain.cramps"), flag(true));
        // A group drip holds at all has every one of its yes/no fields written.
        for (const char *group : {"sex", "pain", "mood"}) {
            const QString prefix = QLatin1String(group) + QLatin1Char('.');
            bool any = false;
            for (int i = 0; i < names.size(); ++i)
                any = any || (names[i].startsWith(prefix) && !fields[i].isEmpty());
            for (int i = 0; any && i < names.size(); ++i) {
                if (names[i].startsWith(prefix) && isBoolean(names[i]) && fields[i].isEmpty())
                    fields[i] = flag(false);
            }
        }
        set(QStringLiteral("isCycleStart"), flag(starts.contains(it.key())));

        QStringList marks;
        if (e.getDoctor())
            marks << QStringLiteral("doctor");
        if (e.getPMS())
            marks << QStringLiteral("pms");
        if (e.getSecret())
            marks << QStringLiteral("secret");
        note = joined(note, kept.line());
        if (!marks.isEmpty())
            note = joined(note, diaryGroup + QLatin1String(": ") + marks.join(QLatin1String(", ")));
        set(QStringLiteral("note.value"), note);
        set(QStringLiteral("date"), it.key().toString(Qt::ISODate));

        for (QString &field : fields)
            field = dripQuoted(field);
        lines << fields.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

} // namespace JournalDrip
