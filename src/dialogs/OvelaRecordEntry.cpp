#include "dialogs/OvelaRecordEntry.h"

#include "settings/Preferences.h"
#include "core/ovela_record_entry.h"
#include "core/utils.h"

#include <QComboBox>
#include <QLocale>

namespace {

// Qt's combo box drops to "no item" for an index outside its list; a stored value it cannot
// show must leave the list on the item it showed, so that accepting keeps a valid position.
void selectIfValid(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

} // namespace

OvelaRecordEntryDialog::OvelaRecordEntryDialog(Preferences *preferences, OvelaRecordEntry *entry,
                                               QWidget *parent, const char *name, bool modal)
    : OvelaRecordEntryBaseDialog(parent, name, modal)
    , entry(entry)
    , preferences(preferences)
{
    fillControls();
    connect(tbClear, &QToolButton::clicked, this, &OvelaRecordEntryDialog::tbClearClicked);
}

OvelaRecordEntryDialog::~OvelaRecordEntryDialog() = default;

void OvelaRecordEntryDialog::fillControls()
{
    fillTemp();
    if (!entry)
        return;
    selectIfValid(cbCervicalFluid, entry->getCervicalFluid());
    chkDoctor->setChecked(entry->getDoctor());
    chkCramps->setChecked(entry->getCramps());
    chkPMS->setChecked(entry->getPMS());
    chkSex->setChecked(entry->getSex());
    chkProtection->setChecked(entry->getProtection());
    chkSecret->setChecked(entry->getSecret());
    storedNote = entry->getNote();
    ebNote->setPlainText(storedNote);
    shownNote = ebNote->toPlainText();
}

void OvelaRecordEntryDialog::fillTemp()
{
    const bool fahrenheit =
        preferences && preferences->getTemperatureFormat() == Preferences::Fahrenheit;
    float (*const scale)(int) = fahrenheit ? getFahrenheit : getCelsius;

    // The unit follows the list, as the temperature history names it.
    lblGradus->setText(fahrenheit ? tr("F") : tr("C"));

    cbBasalTemp->clear();
    cbBasalTemp->addItem(tr("None"));
    for (int index = 0; index < getTemperatureCount(); ++index)
        // The decimal separator of her language.
        cbBasalTemp->addItem(QLocale().toString(double(scale(index)), 'f', 2));

    if (entry)
        selectIfValid(cbBasalTemp, entry->getTemperature());
}

void OvelaRecordEntryDialog::fillEntry(OvelaRecordEntry *target)
{
    if (!target)
        return;
    target->setCervicalFluid(cbCervicalFluid->currentIndex());
    target->setDoctor(chkDoctor->isChecked());
    target->setCramps(chkCramps->isChecked());
    target->setPMS(chkPMS->isChecked());
    target->setSex(chkSex->isChecked());
    target->setProtection(chkProtection->isChecked());
    target->setSecret(chkSecret->isChecked());
    const QString note = ebNote->toPlainText();
    target->setNote(note == shownNote ? storedNote : note);
    target->setTemperature(cbBasalTemp->currentIndex());
}

void OvelaRecordEntryDialog::tbClearClicked()
{
    if (entry)
        entry->clear();
    fillControls();
}
