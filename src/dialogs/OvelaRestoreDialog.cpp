#include "dialogs/OvelaRestoreDialog.h"

#include "core/ovela_journal_backups.h"
#include "dialogs/OvelaBackupsModel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

OvelaRestoreDialog::OvelaRestoreDialog(const OvelaJournalBackups &backups, QWidget *parent,
                                       std::shared_ptr<const OvelaJournalSeal> seal)
    : QDialog(parent)
    , model(new OvelaBackupsModel(backups.list(), this, std::move(seal)))
    , lblIntro(new QLabel(tr("Choose the copy of the journal to go back to. Restoring keeps the "
                             "current journal as a backup first."),
                          this))
    , lblEmpty(new QLabel(tr("There are no backups yet."), this))
    , tblBackups(new QTableView(this))
    , buttonBox(new QDialogButtonBox(this))
    , btnRestore(buttonBox->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole))
    , btnCancel(buttonBox->addButton(tr("Cancel"), QDialogButtonBox::RejectRole))
{
    setObjectName(QStringLiteral("OvelaRestoreDialog"));
    setWindowTitle(tr("Restore from a backup"));

    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);
    lblEmpty->setObjectName(QStringLiteral("lblEmpty"));
    lblEmpty->setWordWrap(true);
    lblEmpty->setVisible(model->rowCount() == 0);

    tblBackups->setObjectName(QStringLiteral("tblBackups"));
    tblBackups->setAccessibleName(tr("Backups"));
    tblBackups->setModel(model);
    tblBackups->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblBackups->setSelectionMode(QAbstractItemView::SingleSelection);
    tblBackups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblBackups->setTabKeyNavigation(false);
    tblBackups->setWordWrap(true);
    tblBackups->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tblBackups->verticalHeader()->hide();
    tblBackups->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblBackups->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    buttonBox->setObjectName(QStringLiteral("qpeDialogButtons")); // the window adds none
    btnRestore->setObjectName(QStringLiteral("btnRestore"));
    btnRestore->setAccessibleName(tr("Restore"));
    btnRestore->setAccessibleDescription(tr("Restores the selected backup"));
    btnRestore->setDefault(true);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAccessibleName(tr("Cancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntro);
    layout->addWidget(lblEmpty);
    layout->addWidget(tblBackups, 1);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, [this] {
        if (!selectedPath().isEmpty())
            accept();
    });
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tblBackups, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.data(OvelaBackupsModel::ReadableRole).toBool())
            accept();
    });
    connect(tblBackups->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OvelaRestoreDialog::updateButtons);

    // The newest readable backup is the likeliest choice; the list has the focus.
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(OvelaBackupsModel::ReadableRole).toBool()) {
            tblBackups->selectRow(row);
            break;
        }
    }
    tblBackups->setFocus();
    updateButtons();
}

OvelaRestoreDialog::~OvelaRestoreDialog() = default;

QSize OvelaRestoreDialog::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QDialog::sizeHint().expandedTo(
        QSize(metrics.averageCharWidth() * 60, metrics.height() * 24));
}

QString OvelaRestoreDialog::selectedPath() const
{
    const QModelIndexList rows = tblBackups->selectionModel()->selectedRows();
    if (rows.isEmpty() || !rows.first().data(OvelaBackupsModel::ReadableRole).toBool())
        return QString();
    return rows.first().data(OvelaBackupsModel::PathRole).toString();
}

QString OvelaRestoreDialog::chosenPath() const
{
    return result() == QDialog::Accepted ? selectedPath() : QString();
}

void OvelaRestoreDialog::updateButtons()
{
    btnRestore->setEnabled(!selectedPath().isEmpty());
}
