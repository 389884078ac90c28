#pragma once

#include "core/ovela_journal_backups.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

#include <memory>

class OvelaJournalSeal;

// The diary's backups, newest first, each read once to tell how many days it holds and the
// last day it records; a backup that does not read as a journal is listed, marked so, and
// cannot be selected. One column, so that a phone's narrow screen shows a whole row: when and
// why it was made, then what it holds.
class OvelaBackupsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role {
        PathRole = Qt::UserRole,
        ReadableRole, // bool
        DayCountRole, // int, the number of days with a record
        LastDayRole   // QDate, the last day with a record; null when none
    };

    // Encrypted backups read with `seal` (the journal's, null while it is plain).
    explicit OvelaBackupsModel(const QList<OvelaJournalBackups::Entry> &backups,
                               QObject *parent = nullptr,
                               std::shared_ptr<const OvelaJournalSeal> seal = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    static QString kindText(OvelaJournalBackups::Kind kind);

private:
    struct Row
    {
        OvelaJournalBackups::Entry backup;
        bool readable = false;
        int days = 0;
        QDate lastDay;
    };

    QList<Row> rows;
};
