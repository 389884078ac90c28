#pragma once

#include "core/ovela_journal_sync.h"
#include "settings/Preferences.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QStringList>

// The days that differ between this diary and a copy written elsewhere, one row each (the
// start-cycle date first, when it differs too), with her choice for each. One column, so that
// a phone's narrow screen shows a whole row: the day and the choice, then the fields that
// differ, one line each: "Field: this diary's value / the other copy's value".
class OvelaConflictModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Choice { Undecided, KeepMine, TakeOther };
    enum Role {
        ChoiceRole = Qt::UserRole, // the row's Choice, as an int
        DateRole,                  // the day; a null date on the start-cycle date's row
        LinesRole                  // the differing fields, a QStringList
    };

    OvelaConflictModel(const QList<OvelaDayDifference> &days, bool startConflict,
                       const QDate &myStart, const QDate &otherStart,
                       Preferences::TemperatureFormat unit, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void choose(const QList<int> &rows, Choice choice);
    void chooseAll(Choice choice);

    // The days given that choice, in the order of the rows.
    QList<QDate> dates(Choice choice) const;
    // Undecided also when the start-cycle date does not differ.
    Choice startChoice() const;

    static QString choiceText(Choice choice);

private:
    struct Row
    {
        bool start; // the start-cycle date's row
        QDate date;
        QStringList lines;
        Choice choice = Choice::Undecided;
    };

    QStringList differences(const OvelaDayDifference &day) const;
    QString temperatureText(int code) const;

    Preferences::TemperatureFormat unit;
    QList<Row> rows;
};
