#include "calendar/ovela_central_widget.h"

#include "settings/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "cycle/ovela_calendar.h"
#include "cycle/ovela_cycle_insight.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"
#include "platform/messagebox.h"
#include "platform/qpeapplication.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

OvelaCentralWidget::OvelaCentralWidget(OvelaCalendar *cal, Preferences &prefs, QWidget *parent)
    : QWidget(parent)
    , calendar(cal)
    , preferences(prefs)
{
    setObjectName(QStringLiteral("OvelaCentralWidget"));
    auto *layout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(0, 0, 0, 0);

    copyPeriodLengths();

    month = new OvelaDateBookMonth(this, "OvelaDateBookMonth", calendar, false);
    // The diary's own first weekday, or the locale's until she chooses one.
    month->slotWeekChange(preferences.weekStartsMonday());
    layout->addWidget(month);
    createBars();

    connect(calendar, &OvelaDatabase::onClearDatabase, this, &OvelaCentralWidget::onClearDatabase);
    connect(calendar, &OvelaDatabase::onDeleteEntry, this, &OvelaCentralWidget::onDeleteEntry);
    connect(month, &OvelaDateBookMonth::dateClicked, this, &OvelaCentralWidget::onDateClicked);
    // The keyboard reaches the same day commands as the tool bar; Delete stays quiet on a day
    // with nothing to delete, as its disabled button does.
    connect(month, &OvelaDateBookMonth::selectedDateChanged, this,
            [this](const QDate &date) { emit updateEdit(calendar->containsEntry(date)); });
    connect(month, &OvelaDateBookMonth::editRequested, this, &OvelaCentralWidget::onEdit);
    connect(month, &OvelaDateBookMonth::deleteRequested, this, [this] {
        if (calendar->containsEntry(month->selectedDate()))
            onDelete();
    });
}

void OvelaCentralWidget::createBars()
{
    // Rows of their own under the month, so the days do not move under her finger.
    auto bar = [this](const char *name, QLabel *&text) {
        auto *frame = new QFrame(this);
        frame->setObjectName(QLatin1String(name));
        frame->setFrameShape(QFrame::StyledPanel);
        auto *row = new QHBoxLayout(frame);
        text = new QLabel(frame);
        text->setWordWrap(true);
        row->addWidget(text, 1);
        layout()->addWidget(frame);
        frame->hide();
        return frame;
    };
    undoFrame = bar("undoStartBar", undoText);
    undoText->setObjectName(QStringLiteral("undoStartText"));
    undoStartButton = new QPushButton(tr("&Undo"), undoFrame);
    undoStartButton->setObjectName(QStringLiteral("undoStartButton"));
    undoStartButton->setAccessibleDescription(tr("Put back the previous start of the cycle"));
    undoStartButton->setShortcut(QKeySequence::Undo);
    undoFrame->layout()->addWidget(undoStartButton);
    connect(undoStartButton, &QPushButton::clicked, this, &OvelaCentralWidget::undoStartCycleDate);

    suggestionFrame = bar("predictSuggestionBar", suggestionText);
    suggestionText->setObjectName(QStringLiteral("predictSuggestionText"));
    auto *accept = new QPushButton(tr("&Predict from them"), suggestionFrame);
    accept->setObjectName(QStringLiteral("predictAcceptButton"));
    auto *decline = new QPushButton(tr("No, thanks"), suggestionFrame);
    decline->setObjectName(QStringLiteral("predictDeclineButton"));
    // The longer text over its buttons, so that a phone does not squeeze it to a column.
    auto *suggestionRow = static_cast<QBoxLayout *>(suggestionFrame->layout());
    suggestionRow->setDirection(QBoxLayout::TopToBottom);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(accept);
    buttons->addWidget(decline);
    suggestionRow->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, [this] {
        suggestionFrame->hide();
        preferences.setPredictFromRecord(true);
        preferences.save();
        copyPeriodLengths();
        month->redraw();
    });
    connect(decline, &QPushButton::clicked, suggestionFrame, &QWidget::hide);
}

void OvelaCentralWidget::copyPeriodLengths()
{
    calendar->setPredictFromRecord(preferences.getPredictFromRecord());
    calendar->setCycleLength(preferences.getCycleLength());
    calendar->setMenstrualPeriod(preferences.getMenstrualPeriod());
    calendar->setFertilePeriod(preferences.getFertilePeriod());
    calendar->setLuterPhaseLength(preferences.getLuterPhaseLength());
}

void OvelaCentralWidget::onEdit()
{
    dismissUndo();
    const QDate date = month->selectedDate();
    if (date.isNull())
        return;

    // The dialog works on a copy, so cancelling (even after "Clear") leaves the journal alone.
    OvelaRecordEntry record;
    const bool hadRecord = calendar->containsEntry(date);
    if (hadRecord)
        record = calendar->getEntry(date);

    OvelaRecordEntryDialog dialog(&preferences, &record, this, "OvelaRecordEntryDialog", true);
    // In her language: "Montag, 16. März 2026".
    dialog.lblDate->setText(QLocale().toString(date, QLocale::LongFormat));
    if (QPEApplication::execDialog(&dialog) != QDialog::Accepted)
        return;

    dialog.fillEntry(&record);
    if (record.isEmpty())
        calendar->removeEntry(date);
    else if (hadRecord)
        calendar->setEntry(record, date);
    else
        calendar->addEntry(date) = record;
    // On a handheld the maximized dialog covered the month and its closing repainted the day;
    // on a desktop it may have covered nothing, so the new markers are asked for here.
    month->redraw();
    emit updateEdit(calendar->containsEntry(date));
    noticeNewCycle(date);
    suggestPredictingFromRecord();
}

bool OvelaCentralWidget::asksForNewCycle(const QDate &date) const
{
    const QDate start = calendar->getStartCycleDate();
    if (start.isValid() && date <= start)
        return false;
    return !preferences.getAskedCycleStarts().contains(date)
           && CycleInsight::startsCycle(*calendar, date);
}

void OvelaCentralWidget::noticeNewCycle(const QDate &date)
{
    if (!asksForNewCycle(date))
        return;
    // Remembered with the settings, not in the journal: the question is the window's, not
    // part of her record. Days up to the start are never asked again, so they are dropped.
    QList<QDate> asked;
    for (const QDate &day : preferences.getAskedCycleStarts()) {
        if (day > calendar->getStartCycleDate())
            asked << day;
    }
    asked << date;
    preferences.setAskedCycleStarts(asked);
    preferences.save();

    QMessageBox box(QMessageBox::Question, tr("New cycle"),
                    tr("Did a new cycle start on %1?")
                        .arg(QLocale().toString(date, QLocale::LongFormat)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(tr("Bleeding is recorded on this day and on none of the five days "
                              "before it. Yes makes it the start of the cycle."));
    box.setDefaultButton(QMessageBox::Yes);
    // A message box of its own buttons: the program's OK and Cancel strip would hide them.
    if (box.exec() == QMessageBox::Yes)
        setStartCycle(date);
}

void OvelaCentralWidget::suggestPredictingFromRecord()
{
    if (preferences.getPredictFromRecord() || preferences.getRecordSuggested())
        return;
    const int cycles = calendar->completedCycles();
    if (cycles < 3)
        return;
    // Once: seen is enough, whatever she answers.
    preferences.setRecordSuggested(true);
    preferences.save();
    suggestionText->setText(
        tr("You have recorded %n completed cycles. The calendar can predict from them: from "
           "your last recorded start, with the median length of your last 12 cycles. You can "
           "change this in the preferences.",
           nullptr, cycles));
    suggestionFrame->show();
}

void OvelaCentralWidget::onDelete()
{
    dismissUndo();
    // "No" answers Enter and Escape: Delete then Enter must not take a day away.
    if (MessageBox::warningYesNo(this, tr("Ovela"),
                                 tr("Are you sure, you want \nto delete all data \n for this day?"),
                                 1)
        != 0)
        return;
    calendar->removeEntry(month->selectedDate());
    emit updateEdit(false);
}

void OvelaCentralWidget::onPreferences()
{
    dismissUndo();
    OvelaPreferencesDialog dialog(this, "PreferencesDialog", true);
    dialog.setupFromPreferences(preferences);
    dialog.setRecordedCycleLength(calendar->recordedCycleLength(), calendar->completedCycles());
    // Accepted only with every field valid; refused fields kept the dialog open.
    if (QPEApplication::execDialog(&dialog) != QDialog::Accepted)
        return;
    dialog.setupPreferences(preferences);
    // On disk before anything else happens: a crash or a kill must not take back her OK, a
    // new pass code above all.
    preferences.save();
    copyPeriodLengths();
    month->slotWeekChange(preferences.weekStartsMonday());
    month->redraw();
}

void OvelaCentralWidget::onStartCycleDate()
{
    const QDate date = month->selectedDate();
    if (date.isNull())
        return;
    setStartCycle(date);
}

void OvelaCentralWidget::setStartCycle(const QDate &date)
{
    replacedStart = calendar->getStartCycleDate();
    // The journal's change is saved as every change is.
    calendar->setStartCycleDate(date);
    month->redraw();
    undoText->setText(tr("The cycle now starts on %1.")
                          .arg(QLocale().toString(date, QLocale::LongFormat)));
    undoFrame->show();
}

void OvelaCentralWidget::undoStartCycleDate()
{
    if (undoFrame->isHidden())
        return;
    undoFrame->hide();
    calendar->setStartCycleDate(replacedStart);
    month->redraw();
}

void OvelaCentralWidget::dismissUndo()
{
    undoFrame->hide();
}

void OvelaCentralWidget::onGotoToday()
{
    dismissUndo();
    month->setDate(QDate::currentDate());
}

void OvelaCentralWidget::onClearDatabase(OvelaDatabase *)
{
    // A start from before a cleared or replaced journal is nothing to go back to.
    dismissUndo();
    month->redraw();
}

void OvelaCentralWidget::onDeleteEntry(const QDate &)
{
    month->redraw();
}

void OvelaCentralWidget::onDateClicked(int year, int monthNumber, int day)
{
    emit updateEdit(calendar->containsEntry(QDate(year, monthNumber, day)));
}

void OvelaCentralWidget::mousePressEvent(QMouseEvent *e)
{
    QWidget::mousePressEvent(e);
}
