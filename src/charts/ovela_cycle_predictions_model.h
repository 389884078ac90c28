#pragma once

#include "cycle/ovela_cycle_insight.h"

#include <QAbstractTableModel>

// The next period starts her record suggests, each with its range and the start the diary's
// own calendar shows.
class OvelaCyclePredictionsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Start, Earliest, Latest, Calendar, ColumnCount };

    explicit OvelaCyclePredictionsModel(QObject *parent = nullptr);

    void setPredictions(const QList<CycleInsight::Prediction> &predictions);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<CycleInsight::Prediction> predictions;
};
