#include "dialogs/OvelaConflictModel.h"

#include "core/utils.h"

#include <QCoreApplication>
#include <QLocale>

#include <iterator>

namespace {

// The day record dialog's own words for the fields and the cervical-fluid values, so that a
// day reads here as it does where she entered it.
const char DayForm[] = "OvelaRecordEntryBase";

const char *const fluidNames[] = {
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Dry"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Slight Bleeding"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Normal Bleeding"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Heavy Bleeding"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Intermenstrual"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Cloudy, Sticky"),
    QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Strechy, White"),
};

struct Mark
{
    const char *name;
    bool (OvelaRecordEntry::*get)() const;
};

const Mark marks[] = {
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Dr's apt."), &OvelaRecordEntry::getDoctor},
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Cramps"), &OvelaRecordEntry::getCramps},
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "PMS"), &OvelaRecordEntry::getPMS},
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Love"), &OvelaRecordEntry::getSex},
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Protection"), &OvelaRecordEntry::getProtection},
    {QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Secret"), &OvelaRecordEntry::getSecret},
};

QString dayForm(const char *text)
{
    return QCoreApplication::translate(DayForm, text);
}

QString line(const QString &field, const QString &mine, const QString &theirs)
{
    return OvelaConflictModel::tr("%1: %2 / %3").arg(field, mine, theirs);
}

QString dateText(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat)
                          : OvelaConflictModel::tr("none");
}

} // namespace

OvelaConflictModel::OvelaConflictModel(const QList<OvelaDayDifference> &days, bool startConflict,
                                       const QDate &myStart, const QDate &otherStart,
                                       Preferences::TemperatureFormat unit, QObject *parent)
    : QAbstractTableModel(parent)
    , unit(unit)
{
    if (startConflict)
        rows << Row{true, QDate(), {tr("%1 / %2").arg(dateText(myStart), dateText(otherStart))}};
    for (const OvelaDayDifference &day : days)
        rows << Row{false, day.date, differences(day)};
}

QString OvelaConflictModel::temperatureText(int code) const
{
    if (code == 0)
        return tr("none");
    if (code < 0 || code > getTemperatureCount())
        return tr("unknown (%1)").arg(code);
    const bool fahrenheit = unit == Preferences::Fahrenheit;
    const float value = fahrenheit ? getFahrenheit(code - 1) : getCelsius(code - 1);
    const QString number = QLocale().toString(double(value), 'f', 2);
    return fahrenheit ? tr("%1 °F").arg(number) : tr("%1 °C").arg(number);
}

QStringList OvelaConflictModel::differences(const OvelaDayDifference &day) const
{
    // A side without a record compares as an empty one and reads "no record".
    const OvelaRecordEntry mine = day.mineExists ? day.mine : OvelaRecordEntry();
    const OvelaRecordEntry theirs = day.theirsExists ? day.theirs : OvelaRecordEntry();
    const QString none = tr("no record");
    auto side = [&none](bool exists, const QString &value) { return exists ? value : none; };
    auto pair = [&](const QString &field, const QString &m, const QString &t) {
        return line(field, side(day.mineExists, m), side(day.theirsExists, t));
    };

    QStringList lines;
    auto fluid = [](int code) {
        return code >= 0 && code < int(std::size(fluidNames)) ? dayForm(fluidNames[code])
                                                              : tr("unknown (%1)").arg(code);
    };
    if (mine.getCervicalFluid() != theirs.getCervicalFluid())
        lines << pair(dayForm(QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Cervical Fluid")),
                      fluid(mine.getCervicalFluid()), fluid(theirs.getCervicalFluid()));
    if (mine.getTemperature() != theirs.getTemperature())
        lines << pair(dayForm(QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Basal Temp")),
                      temperatureText(mine.getTemperature()),
                      temperatureText(theirs.getTemperature()));
    const QString yes = tr("yes");
    const QString no = tr("no");
    for (const Mark &mark : marks) {
        const bool m = (mine.*mark.get)();
        const bool t = (theirs.*mark.get)();
        if (m != t)
            lines << pair(dayForm(mark.name), m ? yes : no, t ? yes : no);
    }
    if (mine.getNote() != theirs.getNote()) {
        // One line per field: a note's own line breaks are shown, not followed.
        auto note = [&](const QString &text) {
            if (text.isEmpty())
                return tr("none");
            QString shown = text;
            shown.replace(QLatin1String("\r\n"), QStringLiteral(" \u21b5 "));
            shown.replace(QLatin1Char('\n'), QStringLiteral(" \u21b5 "));
            return shown;
        };
        lines << pair(dayForm(QT_TRANSLATE_NOOP("OvelaRecordEntryBase", "Note")),
                      note(mine.getNote()), note(theirs.getNote()));
    }
    // A record that holds nothing against no record at all.
    if (lines.isEmpty())
        lines << tr("%1 / %2").arg(side(day.mineExists, tr("an empty record")),
                                   side(day.theirsExists, tr("an empty record")));
    return lines;
}

int OvelaConflictModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int OvelaConflictModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QString OvelaConflictModel::choiceText(Choice choice)
{
    switch (choice) {
    case Choice::KeepMine:
        return tr("Keep mine");
    case Choice::TakeOther:
        return tr("Take the other");
    case Choice::Undecided:
        break;
    }
    return tr("Undecided");
}

QVariant OvelaConflictModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const Row &row = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return tr("%1: %2").arg(row.start ? tr("Cycle start")
                                          : QLocale().toString(row.date, QLocale::ShortFormat),
                                choiceText(row.choice)) +
               QLatin1Char('\n') + row.lines.join(QLatin1Char('\n'));
    case ChoiceRole:
        return int(row.choice);
    case DateRole:
        return row.date;
    case LinesRole:
        return row.lines;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignTop);
    default:
        return QVariant();
    }
}

QVariant OvelaConflictModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("Mine / the other copy") : QVariant();
}

void OvelaConflictModel::choose(const QList<int> &chosen, Choice choice)
{
    for (int row : chosen) {
        if (row < 0 || row >= rows.size() || rows[row].choice == choice)
            continue;
        rows[row].choice = choice;
        emit dataChanged(index(row, 0), index(row, 0));
    }
}

void OvelaConflictModel::chooseAll(Choice choice)
{
    QList<int> all;
    for (int row = 0; row < rows.size(); ++row)
        all << row;
    choose(all, choice);
}

QList<QDate> OvelaConflictModel::dates(Choice choice) const
{
    QList<QDate> chosen;
    for (const Row &row : rows) {
        if (!row.start && row.choice == choice)
            chosen << row.date;
    }
    return chosen;
}

OvelaConflictModel::Choice OvelaConflictModel::startChoice() const
{
    for (const Row &row : rows) {
        if (row.start)
            return row.choice;
    }
    return Choice::Undecided;
}
