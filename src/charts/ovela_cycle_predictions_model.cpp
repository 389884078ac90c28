#include "charts/ovela_cycle_predictions_model.h"

#include <QLocale>

#include <algorithm>

OvelaCyclePredictionsModel::OvelaCyclePredictionsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void OvelaCyclePredictionsModel::setPredictions(
    const QList<CycleInsight::Prediction> &predictions)
{
    const auto same = [](const CycleInsight::Prediction &a, const CycleInsight::Prediction &b) {
        return a.start == b.start && a.earliest == b.earliest && a.latest == b.latest
            && a.calendarStart == b.calendarStart;
    };
    if (std::equal(predictions.cbegin(), predictions.cend(), this->predictions.cbegin(),
                   this->predictions.cend(), same))
        return;
    beginResetModel();
    this->predictions = predictions;
    endResetModel();
}

int OvelaCyclePredictionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(predictions.size());
}

int OvelaCyclePredictionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OvelaCyclePredictionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= predictions.size()
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QVariant();
    const CycleInsight::Prediction &p = predictions.at(index.row());
    const QLocale locale;
    switch (index.column()) {
    case Start:
        return locale.toString(p.start, QLocale::ShortFormat);
    case Earliest:
        return locale.toString(p.earliest, QLocale::ShortFormat);
    case Latest:
        return locale.toString(p.latest, QLocale::ShortFormat);
    case Calendar:
        if (p.calendarStart.isValid())
            return locale.toString(p.calendarStart, QLocale::ShortFormat);
        return role == Qt::AccessibleTextRole ? tr("no start-cycle date set")
                                              : QStringLiteral("–");
    }
    return QVariant();
}

QVariant OvelaCyclePredictionsModel::headerData(int section, Qt::Orientation orientation,
                                                int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Start:
        return tr("Expected start");
    case Earliest:
        return tr("Earliest");
    case Latest:
        return tr("Latest");
    case Calendar:
        return tr("Diary's calendar");
    }
    return QVariant();
}
