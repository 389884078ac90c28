#pragma once

#include "cycle/ovela_cycle_insight.h"

#include <QAbstractTableModel>

// The figures of her completed cycles, one per row: its name, then its value for all of them
// and for the last 12.
class OvelaCycleStatisticsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Row { Count, Mean, Median, Spread, Shortest, Longest, MeanBleeding, RowCount };
    enum Column { Name, All, Last12, ColumnCount };

    explicit OvelaCycleStatisticsModel(QObject *parent = nullptr);

    void setStatistics(const CycleInsight::Statistics &statistics);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static QString figureName(int row);

    CycleInsight::Statistics statistics;
};
