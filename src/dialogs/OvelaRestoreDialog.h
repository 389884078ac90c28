#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class OvelaBackupsModel;
class OvelaJournalSeal;
class OvelaJournalBackups;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableView;

// "Restore from a backup": the diary's backups, newest first, with when and why each was made,
// how many days it holds and its last recorded day. Only a backup that reads as a journal can
// be chosen. The caller does the restoring.
class OvelaRestoreDialog : public QDialog
{
    Q_OBJECT
public:
    // Encrypted backups read with `seal` (the journal's, null while it is plain).
    explicit OvelaRestoreDialog(const OvelaJournalBackups &backups, QWidget *parent = nullptr,
                                std::shared_ptr<const OvelaJournalSeal> seal = nullptr);
    ~OvelaRestoreDialog() override;

    // Room on a desktop for a few rows of whole lines; a phone shows it maximized.
    QSize sizeHint() const override;

    // The backup to restore once the dialog was accepted; empty otherwise.
    QString chosenPath() const;

private:
    QString selectedPath() const;
    void updateButtons();

    OvelaBackupsModel *const model;
    QLabel *const lblIntro;
    QLabel *const lblEmpty;
    QTableView *const tblBackups;
    QDialogButtonBox *const buttonBox;
    QPushButton *const btnRestore;
    QPushButton *const btnCancel;
};
