#pragma once

#include "cycle/ovela_cycle_insight.h"
#include "settings/Preferences.h"

#include <QAbstractTableModel>

// Her recorded cycles, the latest first: start, length, bleeding days, the temperature shift
// and its cover line.
class OvelaCyclesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Start, Length, Bleeding, FirstHigh, Confirmed, Cover, ColumnCount };

    explicit OvelaCyclesModel(QObject *parent = nullptr);

    void setCycles(const QList<CycleInsight::Cycle> &cycles, Preferences::TemperatureFormat unit);
    const CycleInsight::Cycle &cycleAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<CycleInsight::Cycle> cycles; // the latest first
    Preferences::TemperatureFormat unit = Preferences::Celsius;
};
