#pragma once

#include "core/ovela_journal_sync.h"
#include "dialogs/OvelaConflictModel.h"

#include <QDate>
#include <QDialog>
#include <QList>

class Preferences;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableView;

// Shows the days that differ between this diary and a copy written elsewhere, field by field,
// and lets her choose per day or for all which version stays. Closing it, however, keeps the
// choices made so far; days left undecided stay hers and are asked again later. The caller
// applies the choices.
class OvelaConflictDialog : public QDialog
{
    Q_OBJECT
public:
    // `source` names where the other copy came from (a device, a sync program's copy).
    OvelaConflictDialog(const QList<OvelaDayDifference> &days, bool startConflict,
                        const QDate &myStart, const QDate &otherStart,
                        const Preferences &preferences, const QString &source,
                        QWidget *parent = nullptr);
    ~OvelaConflictDialog() override;

    // Room on a desktop for a few rows of whole lines; a phone shows it maximized.
    QSize sizeHint() const override;

    // The days she chose to take from the other copy, and those she chose to keep.
    QList<QDate> takenFromOther() const;
    QList<QDate> keptMine() const;
    // The same for the start-cycle date; both false when it does not differ or is undecided.
    bool startTakenFromOther() const;
    bool startKept() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseSelected(OvelaConflictModel::Choice choice);
    void updateButtons();
    void arrangeButtons(int width);

    OvelaConflictModel *const model;
    QScrollArea *const scrBody;
    QLabel *const lblSource;
    QLabel *const lblIntro;
    QTableView *const tblDays;
    QGridLayout *const choiceButtons;
    QPushButton *const btnKeepMine;
    QPushButton *const btnTakeOther;
    QPushButton *const btnKeepAllMine;
    QPushButton *const btnTakeAllOther;
    QDialogButtonBox *const buttonBox;
    QPushButton *const btnClose;
    int buttonColumns = 0;
};
