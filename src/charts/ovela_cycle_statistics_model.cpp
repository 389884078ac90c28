#include "charts/ovela_cycle_statistics_model.h"

#include <QLocale>

OvelaCycleStatisticsModel::OvelaCycleStatisticsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void OvelaCycleStatisticsModel::setStatistics(const CycleInsight::Statistics &statistics)
{
    this->statistics = statistics;
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}

int OvelaCycleStatisticsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int OvelaCycleStatisticsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OvelaCycleStatisticsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (index.column() == Name ? Qt::AlignLeft : Qt::AlignRight));
    if (role != Qt::DisplayRole)
        return QVariant();
    if (index.column() == Name)
        return figureName(index.row());
    const CycleInsight::Figures &f =
        index.column() == All ? statistics.all : statistics.last12;
    const QLocale locale;
    if (index.row() == Count)
        return locale.toString(f.count);
    // Without a completed cycle there is nothing to average.
    if (f.count == 0)
        return QStringLiteral("–");
    const auto days = [&locale](double value) { return locale.toString(value, 'f', 1); };
    switch (index.row()) {
    case Mean:
        return days(f.mean);
    case Median:
        return days(f.median);
    case Spread:
        return days(f.standardDeviation);
    case Shortest:
        return locale.toString(f.shortest);
    case Longest:
        return locale.toString(f.longest);
    case MeanBleeding:
        return days(f.meanBleedingDays);
    }
    return QVariant();
}

QVariant OvelaCycleStatisticsModel::headerData(int section, Qt::Orientation orientation,
                                               int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Figure");
    case All:
        return tr("All cycles");
    case Last12:
        return tr("Last 12");
    }
    return QVariant();
}

QString OvelaCycleStatisticsModel::figureName(int row)
{
    switch (row) {
    case Count:
        return tr("Completed cycles");
    case Mean:
        return tr("Mean length (days)");
    case Median:
        return tr("Median length (days)");
    case Spread:
        return tr("Standard deviation (days)");
    case Shortest:
        return tr("Shortest (days)");
    case Longest:
        return tr("Longest (days)");
    case MeanBleeding:
        return tr("Mean bleeding (days)");
    }
    return QString();
}
