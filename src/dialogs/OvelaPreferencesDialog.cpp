#include "dialogs/OvelaPreferencesDialog.h"

#include "dialogs/OvelaPassphraseDialogs.h"
#include "settings/Preferences.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

QIntValidator *installValidator(QLineEdit *edit, int bottom, int top, const char *name)
{
    auto *validator = new QIntValidator(bottom, top, edit);
    validator->setObjectName(QString::fromLatin1(name));
    edit->setValidator(validator);
    return validator;
}

int fieldValue(const QLineEdit *edit)
{
    // Empty or unreadable text counts as 0, which every range below refuses.
    return edit->text().toInt(nullptr, 10);
}

} // namespace

OvelaPreferencesDialog::OvelaPreferencesDialog(QWidget *parent, const char *name, bool modal)
    : OvelaPreferencesBaseDialog(parent, name, modal)
    , password()
    , cycleLengthValidator(installValidator(ebCyclePeriod, 23, 35, "cycleLengthValidator"))
    , fertilePeriodValidator(installValidator(ebFertilePeriod, 1, 10, "fertilePeriodValidator"))
    , menstrualPeriodValidator(
          installValidator(ebMenstrualPeriod, 1, 10, "menstrualPeriodValidator"))
    , phaseLengthValidator(installValidator(ebLuterPhaseLength, 1, 20, "phaseLengthValidator"))
{
    // Under the lengths it replaces when on.
    cbPredictFromRecord = new QCheckBox(tr("Predict from my &recorded cycles"), GroupBox1);
    cbPredictFromRecord->setObjectName(QStringLiteral("cbPredictFromRecord"));
    lblRecordedLength = new QLabel(GroupBox1);
    lblRecordedLength->setObjectName(QStringLiteral("lblRecordedLength"));
    cbPredictFromRecord->setAccessibleDescription(
        tr("The calendar counts from your last recorded cycle start with the median length of "
           "your last 12 completed cycles"));
    if (auto *grid = qobject_cast<QGridLayout *>(GroupBox1->layout())) {
        const int row = grid->rowCount();
        grid->addWidget(cbPredictFromRecord, row, 0, 1, grid->columnCount());
        grid->addWidget(lblRecordedLength, row + 1, 0, 1, grid->columnCount());
    }
    QWidget::setTabOrder(ebLuterPhaseLength, cbPredictFromRecord);
    connect(ebCyclePeriod, &QLineEdit::textChanged, this, &OvelaPreferencesDialog::showLengths);
    showLengths();

    connect(btnClearPasscode, &QPushButton::clicked, this,
            &OvelaPreferencesDialog::onClearPasscode);
    connect(btnChangePasscode, &QPushButton::clicked, this,
            &OvelaPreferencesDialog::onChangePasscode);
    addEncryptionControls();
    setJournalSealing(parent ? parent->window()->findChild<OvelaJournalSealing *>() : nullptr);
}

OvelaPreferencesDialog::~OvelaPreferencesDialog() = default;

void OvelaPreferencesDialog::setupFromPreferences(const Preferences &p)
{
    ebCyclePeriod->setText(QString::number(p.getCycleLength()));
    ebFertilePeriod->setText(QString::number(p.getFertilePeriod()));
    ebMenstrualPeriod->setText(QString::number(p.getMenstrualPeriod()));
    ebLuterPhaseLength->setText(QString::number(p.getLuterPhaseLength()));

    if (p.getTemperatureFormat() == Preferences::Celsius)
        grpTemperatureFormatButtons->button(0)->setChecked(true);
    else
        grpTemperatureFormatButtons->button(1)->setChecked(true);

    // The group numbers its buttons in the order they were made, not by goal value, so the
    // goal picks its button and the button gives the group's id.
    QAbstractButton *goal = nullptr;
    switch (p.getBirthGoal()) {
    case Preferences::AvoidPregnancy:
        goal = btnAvoidPregnancy;
        break;
    case Preferences::ConceiveChild:
        goal = btnConceiveChild;
        break;
    case Preferences::ConceiveGirl:
        goal = btnConceiveGirl;
        break;
    case Preferences::ConceiveBoy:
        goal = btnConceiveBoy;
        break;
    }
    if (goal)
        grpMyGoalButtons->button(grpMyGoalButtons->id(goal))->setChecked(true);

    cbFirstWeekday->setCurrentIndex(qMax(0, cbFirstWeekday->findData(p.getFirstWeekday())));
    cbPredictFromRecord->setChecked(p.getPredictFromRecord());

    password = p.getPassword();
    cbPasscodeStartup->setChecked(p.getRequirePassword());
    passCodeLocked = false;
    cbPasscodeStartup->setEnabled(!password.isEmpty());
    updateEncryptionControls();
}

bool OvelaPreferencesDialog::validate()
{
    const int cycle = fieldValue(ebCyclePeriod);
    const int fertile = fieldValue(ebFertilePeriod);
    const int menstrual = fieldValue(ebMenstrualPeriod);
    const int luteal = fieldValue(ebLuterPhaseLength);

    QString caption;
    QString message;
    QLineEdit *wrong = nullptr;
    if (cycle < 23 || cycle > 35) {
        caption = tr("Quorin");
        message = tr("Cycle period length must \nbe between 23 and 35 days!");
        wrong = ebCyclePeriod;
    } else if (fertile < 1 || fertile > 8) {
        caption = tr("Quorin");
        message = tr("Fertile period length must \nbe between 1 and 8 days!");
        wrong = ebFertilePeriod;
    } else if (menstrual < 1 || menstrual > 8) {
        caption = tr("Quorin");
        message = tr("Menstrual period length must \nbe between 1 and 8 days!");
        wrong = ebMenstrualPeriod;
    } else if (luteal < 12 || luteal > 16) {
        caption = tr("Ovela");
        message = tr("Luter Phase length must \nbe between 12 and 16 days!");
        wrong = ebLuterPhaseLength;
    } else {
        return true;
    }
    QMessageBox::critical(this, caption, message);
    // Back to the field to mend, on its page.
    for (QWidget *page = wrong; page; page = page->parentWidget()) {
        if (TabWidget4->indexOf(page) >= 0) {
            TabWidget4->setCurrentWidget(page);
            break;
        }
    }
    wrong->setFocus();
    wrong->selectAll();
    return false;
}

void OvelaPreferencesDialog::accept()
{
    // A refused field keeps the dialog open with every entry she made, the new pass code
    // included: closing first would throw them all away.
    if (validate())
        OvelaPreferencesBaseDialog::accept();
}

void OvelaPreferencesDialog::setupPreferences(Preferences &p)
{
    p.setCycleLength(fieldValue(ebCyclePeriod));
    p.setFertilePeriod(fieldValue(ebFertilePeriod));
    p.setMenstrualPeriod(fieldValue(ebMenstrualPeriod));
    p.setLuterPhaseLength(fieldValue(ebLuterPhaseLength));

    p.setTemperatureFormat(grpTemperatureFormatButtons->checkedButton() == btnCelsius
                               ? Preferences::Celsius
                               : Preferences::Fahrenheit);

    const QAbstractButton *goal = grpMyGoalButtons->checkedButton();
    if (goal == btnAvoidPregnancy)
        p.setBirthGoal(Preferences::AvoidPregnancy);
    else if (goal == btnConceiveGirl)
        p.setBirthGoal(Preferences::ConceiveGirl);
    else if (goal == btnConceiveBoy)
        p.setBirthGoal(Preferences::ConceiveBoy);
    else
        p.setBirthGoal(Preferences::ConceiveChild);

    p.setFirstWeekday(cbFirstWeekday->currentData().toInt());
    p.setPredictFromRecord(cbPredictFromRecord->isChecked());

    p.setPassword(password);
    p.setRequirePassword(cbPasscodeStartup->isChecked());
}

void OvelaPreferencesDialog::onClearPasscode()
{
    password = QStringLiteral("");
    cbPasscodeStartup->setEnabled(false);
}

void OvelaPreferencesDialog::onChangePasscode()
{
    const QString first = Password::getPassword(tr("Enter password code"));
    const QString second = Password::getPassword(tr("Re-enter password code"));

    // Cancel is no answer: it must not pass for two empty entries and drop the pass code.
    if (first.isNull() || second.isNull())
        return;

    if (first != second) {
        QMessageBox::critical(this, tr("Ovela"), tr("Sorry, but your passwords \nmust match!"));
        return;
    }
    password = first;
    cbPasscodeStartup->setEnabled(!password.isEmpty());
}

void OvelaPreferencesDialog::setRecordedCycleLength(int days, int cycles)
{
    recordedLength = days;
    recordedCycles = cycles;
    showLengths();
}

void OvelaPreferencesDialog::showLengths()
{
    // Two short lines: the dialog is as narrow as a phone.
    const QString typed = tr("Typed: %n days", nullptr, fieldValue(ebCyclePeriod));
    const QString recorded = recordedLength > 0
                                 ? tr("From your cycles: %n days", nullptr, recordedLength)
                                 : tr("From your cycles: none yet");
    lblRecordedLength->setText(typed + QLatin1Char('\n') + recorded);
    lblRecordedLength->setToolTip(
        recordedLength > 0
            ? tr("The median of your last %n completed cycles", nullptr, qMin(recordedCycles, 12))
            : QString());
}

void OvelaPreferencesDialog::addEncryptionControls()
{
    // Below the pass-code controls, one command a row: side by side they would not fit a phone.
    auto *box = new QWidget(GroupBox2);
    box->setObjectName(QStringLiteral("encryptionControls"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    encryptionState = new QLabel(box);
    encryptionState->setObjectName(QStringLiteral("lblEncryption"));
    encryptionState->setWordWrap(true);
    layout->addWidget(encryptionState);
    const auto button = [box, layout](const QString &text, const char *name, const QString &tip) {
        auto *b = new QPushButton(text, box);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setAccessibleDescription(tip);
        layout->addWidget(b);
        return b;
    };
    btnEncrypt = button(tr("Encrypt the journal..."), "btnEncrypt",
                        tr("Encrypt the journal and its copies with a passphrase"));
    btnChangePassphrase = button(tr("Change passphrase..."), "btnChangePassphrase",
                                 tr("Encrypt the journal with a new passphrase"));
    btnStopEncrypting = button(tr("Stop encrypting..."), "btnStopEncrypting",
                               tr("Write the journal unencrypted again"));
    GroupBox2Layout->addWidget(box, GroupBox2Layout->rowCount(), 0);
    QWidget::setTabOrder(cbPasscodeStartup, btnEncrypt);
    QWidget::setTabOrder(btnEncrypt, btnChangePassphrase);
    QWidget::setTabOrder(btnChangePassphrase, btnStopEncrypting);
    connect(btnEncrypt, &QPushButton::clicked, this, &OvelaPreferencesDialog::onEncrypt);
    connect(btnChangePassphrase, &QPushButton::clicked, this,
            &OvelaPreferencesDialog::onChangePassphrase);
    connect(btnStopEncrypting, &QPushButton::clicked, this,
            &OvelaPreferencesDialog::onStopEncrypting);
}

void OvelaPreferencesDialog::setJournalSealing(OvelaJournalSealing *sealing)
{
    journalSealing = sealing;
    updateEncryptionControls();
}

bool OvelaPreferencesDialog::encrypted() const
{
    return journalSealing && journalSealing->currentSeal();
}

void OvelaPreferencesDialog::updateEncryptionControls()
{
    const bool known = journalSealing;
    const bool sealed = encrypted();
    encryptionState->setVisible(known);
    encryptionState->setText(sealed ? tr("The journal is encrypted.")
                                    : tr("The journal is not encrypted."));
    btnEncrypt->setVisible(known && !sealed);
    btnChangePassphrase->setVisible(sealed);
    btnStopEncrypting->setVisible(sealed);
    if (sealed == passCodeLocked)
        return;
    passCodeLocked = sealed;
    btnChangePasscode->setEnabled(!sealed);
    btnClearPasscode->setEnabled(!sealed);
    cbPasscodeStartup->setEnabled(!sealed && !password.isEmpty());
}

bool OvelaPreferencesDialog::confirmSecret(const QString &prompt)
{
    const std::shared_ptr<const OvelaJournalSeal> current = journalSealing->currentSeal();
    // Any container of this seal carries its wrapped keys.
    OvelaJournalSeal::Status failure = OvelaJournalSeal::Status::Ok;
    if (OvelaUnlockDialog::unlock(this, prompt, current->seal(QByteArray()), &failure))
        return true;
    if (failure != OvelaJournalSeal::Status::Ok)
        QMessageBox::critical(this, tr("Quorin"), OvelaJournalSeal::describe(failure));
    return false;
}

void OvelaPreferencesDialog::reseal(std::shared_ptr<const OvelaJournalSeal> seal,
                                    const QString &failure)
{
    QString problem;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = journalSealing->reseal(std::move(seal), &problem);
    QApplication::restoreOverrideCursor();
    if (!written)
        QMessageBox::critical(this, tr("Quorin"), failure.arg(problem));
    else if (!problem.isEmpty())
        QMessageBox::warning(this, tr("Quorin"), problem);
    updateEncryptionControls();
}

bool OvelaPreferencesDialog::askNewPassphrase(QString *passphrase)
{
    OvelaNewPassphraseDialog ask(this);
    if (QPEApplication::execDialog(&ask) != QDialog::Accepted)
        return false;
    *passphrase = ask.takePassphrase();
    return true;
}

void OvelaPreferencesDialog::onEncrypt()
{
    if (!journalSealing || encrypted())
        return;
    QString passphrase;
    if (!askNewPassphrase(&passphrase))
        return;
    QString recoveryKey;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::shared_ptr<const OvelaJournalSeal> seal = OvelaJournalSeal::create(passphrase, &recoveryKey);
    QApplication::restoreOverrideCursor();
    passphrase.fill(QLatin1Char(' '));
    if (!seal) {
        QMessageBox::critical(this, tr("Quorin"),
                              tr("The journal could not be encrypted: %1")
                                  .arg(OvelaJournalSeal::describe(OvelaJournalSeal::Status::NoMemory)));
        return;
    }
    {
        // Cancelled here, nothing has changed yet: the key she did not write down opens nothing.
        OvelaRecoveryKeyDialog show(recoveryKey, this);
        recoveryKey.fill(QLatin1Char(' '));
        if (QPEApplication::execDialog(&show) != QDialog::Accepted)
            return;
    }
    reseal(std::move(seal), tr("The journal could not be encrypted; it stays as it was.\n%1"));
}

void OvelaPreferencesDialog::onChangePassphrase()
{
    if (!encrypted()
        || !confirmSecret(tr("Enter the journal's current passphrase or its recovery key:")))
        return;
    QString passphrase;
    if (!askNewPassphrase(&passphrase))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::shared_ptr<const OvelaJournalSeal> seal =
        journalSealing->currentSeal()->withPassphrase(passphrase);
    QApplication::restoreOverrideCursor();
    passphrase.fill(QLatin1Char(' '));
    if (!seal) {
        QMessageBox::critical(this, tr("Quorin"),
                              OvelaJournalSeal::describe(OvelaJournalSeal::Status::NoMemory));
        return;
    }
    reseal(std::move(seal),
           tr("The journal could not be written with the new passphrase; the old one still "
              "opens it.\n%1"));
}

void OvelaPreferencesDialog::onStopEncrypting()
{
    if (!encrypted()
        || !confirmSecret(tr("The journal will be written unencrypted again; backups made "
                             "while it was encrypted stay encrypted. Enter its passphrase or "
                             "recovery key:")))
        return;
    reseal(nullptr, tr("The journal could not be written unencrypted; it stays encrypted.\n%1"));
}
