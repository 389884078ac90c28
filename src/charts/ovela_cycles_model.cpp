#include "charts/ovela_cycles_model.h"

#include "core/utils.h"

#include <QLocale>

#include <algorithm>

OvelaCyclesModel::OvelaCyclesModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void OvelaCyclesModel::setCycles(const QList<CycleInsight::Cycle> &cycles,
                                 Preferences::TemperatureFormat unit)
{
    QList<CycleInsight::Cycle> latestFirst = cycles;
    std::reverse(latestFirst.begin(), latestFirst.end());
    const auto same = [](const CycleInsight::Cycle &a, const CycleInsight::Cycle &b) {
        return a.start == b.start && a.length == b.length && a.bleedingDays == b.bleedingDays
            && a.shift.detected == b.shift.detected && a.shift.coverCode == b.shift.coverCode
            && a.shift.firstHighDay == b.shift.firstHighDay
            && a.shift.confirmedDay == b.shift.confirmedDay;
    };
    // Unchanged, the table keeps her place in it (a change elsewhere in the journal, the
    // window activated again).
    if (unit == this->unit
        && std::equal(latestFirst.cbegin(), latestFirst.cend(), this->cycles.cbegin(),
                      this->cycles.cend(), same))
        return;
    beginResetModel();
    this->cycles = latestFirst;
    this->unit = unit;
    endResetModel();
}

const CycleInsight::Cycle &OvelaCyclesModel::cycleAt(int row) const
{
    return cycles.at(row);
}

int OvelaCyclesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(cycles.size());
}

int OvelaCyclesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OvelaCyclesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= cycles.size())
        return QVariant();
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Length || index.column() == Bleeding;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QVariant();
    const CycleInsight::Cycle &c = cycles.at(index.row());
    const QLocale locale;
    const auto date = [&locale](const QDate &d) { return locale.toString(d, QLocale::ShortFormat); };
    switch (index.column()) {
    case Start:
        return date(c.start);
    case Length:
        return c.isOpen() ? tr("current") : locale.toString(c.length);
    case Bleeding:
        return locale.toString(c.bleedingDays);
    case FirstHigh:
        if (!c.shift.detected)
            return role == Qt::AccessibleTextRole ? tr("no shift found") : QStringLiteral("–");
        return tr("%1 (day %2)").arg(date(c.shift.firstHighDay),
                                     locale.toString(c.shift.firstHighCycleDay));
    case Confirmed:
        if (!c.shift.detected)
            return role == Qt::AccessibleTextRole ? tr("no shift found") : QStringLiteral("–");
        return tr("%1 (day %2)").arg(date(c.shift.confirmedDay),
                                     locale.toString(c.start.daysTo(c.shift.confirmedDay) + 1));
    case Cover: {
        if (!c.shift.detected)
            return role == Qt::AccessibleTextRole ? tr("no shift found") : QStringLiteral("–");
        // On the diary's own scale, where she picked her temperatures.
        const bool fahrenheit = unit == Preferences::Fahrenheit;
        const double value = fahrenheit ? getFahrenheit(c.shift.coverCode - 1)
                                        : getCelsius(c.shift.coverCode - 1);
        return locale.toString(value, 'f', 2)
            + (fahrenheit ? QStringLiteral(" °F") : QStringLiteral(" °C"));
    }
    }
    return QVariant();
}

QVariant OvelaCyclesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Start:
        return tr("Start");
    case Length:
        return tr("Length");
    case Bleeding:
        return tr("Bleeding days");
    case FirstHigh:
        return tr("First higher day");
    case Confirmed:
        return tr("Shift confirmed");
    case Cover:
        return tr("Cover line");
    }
    return QVariant();
}
