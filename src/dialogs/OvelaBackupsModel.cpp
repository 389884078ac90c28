#include "dialogs/OvelaBackupsModel.h"

#include "core/ovela_record_database.h"
#include "core/ovela_journal_file.h"

#include <QLocale>

#include <algorithm>

OvelaBackupsModel::OvelaBackupsModel(const QList<OvelaJournalBackups::Entry> &backups,
                                     QObject *parent,
                                     std::shared_ptr<const OvelaJournalSeal> seal)
    : QAbstractTableModel(parent)
{
    for (const OvelaJournalBackups::Entry &backup : backups) {
        Row row;
        row.backup = backup;
        OvelaJournalFile file(backup.path);
        file.setSeal(seal);
        OvelaDatabase journal;
        row.readable = file.read(journal) == OvelaJournalFile::LoadResult::Loaded;
        if (row.readable) {
            row.days = int(journal.entries().size());
            if (!journal.entries().isEmpty())
                row.lastDay = journal.entries().lastKey();
        }
        rows << row;
    }
    // Newest first, whatever order they came in.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.backup.made > b.backup.made; });
}

QString OvelaBackupsModel::kindText(OvelaJournalBackups::Kind kind)
{
    using Kind = OvelaJournalBackups::Kind;
    switch (kind) {
    case Kind::Session:
        return tr("The start of a session");
    case Kind::Daily:
        return tr("A daily copy");
    case Kind::Companion:
        return tr("Before a change by ovela-journal");
    case Kind::Merge:
        return tr("Before a merge from outside");
    case Kind::Restore:
        return tr("Before a restore");
    case Kind::ConflictCopy:
        return tr("A sync program's conflict copy");
    }
    return QString();
}

int OvelaBackupsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int OvelaBackupsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant OvelaBackupsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const Row &row = rows.at(index.row());
    const QLocale locale;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const QString made = tr("%1: %2").arg(
            locale.toString(row.backup.made, QLocale::ShortFormat), kindText(row.backup.kind));
        QString holds;
        if (!row.readable)
            holds = tr("Cannot be read");
        else if (row.days == 0)
            holds = tr("No days");
        else // English has no translation of its own to give the singular.
            holds = (row.days == 1 ? tr("%n day, last: %1", nullptr, row.days)
                                   : tr("%n days, last: %1", nullptr, row.days))
                        .arg(locale.toString(row.lastDay, QLocale::ShortFormat));
        return made + QLatin1Char('\n') + holds;
    }
    case PathRole:
        return row.backup.path;
    case ReadableRole:
        return row.readable;
    case DayCountRole:
        return row.days;
    case LastDayRole:
        return row.lastDay;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignTop);
    default:
        return QVariant();
    }
}

QVariant OvelaBackupsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("Backup") : QVariant();
}

Qt::ItemFlags OvelaBackupsModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    // Shown, greyed, and never selected: there is nothing in it to restore.
    return rows.at(index.row()).readable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                         : Qt::NoItemFlags;
}
