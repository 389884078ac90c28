#include "calendar/ovela_central_widget.h"

#include "settings/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"
#include "platform/messagebox.h"
#include "platform/qpeapplication.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLocale>

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

void OvelaCentralWidget::copyPeriodLengths()
{
    calendar->setCycleLength(preferences.getCycleLength());
    calendar->setMenstrualPeriod(preferences.getMenstrualPeriod());
    calendar->setFertilePeriod(preferences.getFertilePeriod());
    calendar->setLuterPhaseLength(preferences.getLuterPhaseLength());
}

void OvelaCentralWidget::onEdit()
{
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
}

void OvelaCentralWidget::onDelete()
{
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
    OvelaPreferencesDialog dialog(this, "PreferencesDialog", true);
    dialog.setupFromPreferences(preferences);
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
    calendar->setStartCycleDate(date);
    month->redraw();
}

void OvelaCentralWidget::onGotoToday()
{
    month->setDate(QDate::currentDate());
}

void OvelaCentralWidget::onClearDatabase(OvelaDatabase *)
{
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
