#include "dialogs/OvelaPreferencesDialog.h"

#include "settings/Preferences.h"
#include "platform/config.h"
#include "platform/password.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

#include <memory>

namespace {

// Settings as a stored store would give them, out-of-range values included.
std::unique_ptr<Preferences> storedPreferences(int format, int goal)
{
    {
        Config config(QStringLiteral("ovelaZ"), Config::User);
        config.setGroup(QStringLiteral("Preferenes"));
        config.writeEntry(QStringLiteral("Temperature Format"), format);
        config.writeEntry(QStringLiteral("Birth Goal"), goal);
    }
    return std::make_unique<Preferences>();
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    // The validators let through everything these tests type.
    QCOMPARE(edit->text(), text);
}

const QString cycleMessage =
    QStringLiteral("Cycle period length must \nbe between 23 and 35 days!");
const QString fertileMessage =
    QStringLiteral("Fertile period length must \nbe between 1 and 8 days!");
const QString menstrualMessage =
    QStringLiteral("Menstrual period length must \nbe between 1 and 8 days!");
const QString lutealMessage =
    QStringLiteral("Luter Phase length must \nbe between 12 and 16 days!");

} // namespace

class TstPreferencesDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }
    void cleanup() { Password::setHook({}); }

    void form();
    void focusOrder();
    void validate_data();
    void validate();
    void fromPreferences_data();
    void fromPreferences();
    void toPreferences();
    void clearPasscode();
    void changePasscode_data();
    void changePasscode();
};

void TstPreferencesDialog::form()
{
    OvelaPreferencesDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("OvelaPreferencesBase"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(dialog.TabWidget4->count(), 2);
    QCOMPARE(dialog.TabWidget4->tabText(0), QStringLiteral("General"));
    // Doubled so that the ampersand shows instead of marking a shortcut.
    QCOMPARE(dialog.TabWidget4->tabText(1), QStringLiteral("Security &&  Other"));
    QCOMPARE(dialog.TabWidget4->widget(1), dialog.tab_2);
    QCOMPARE(dialog.btnChangePasscode->parentWidget(), dialog.Layout1);
    QVERIFY(dialog.pendingPassword().isNull());

    // Ids follow the order in which the buttons were made, not the goal values.
    QCOMPARE(dialog.grpTemperatureFormatButtons->id(dialog.btnCelsius), 0);
    QCOMPARE(dialog.grpTemperatureFormatButtons->id(dialog.btnFarenheit), 1);
    QCOMPARE(dialog.grpMyGoalButtons->id(dialog.btnConceiveBoy), 0);
    QCOMPARE(dialog.grpMyGoalButtons->id(dialog.btnConceiveGirl), 1);
    QCOMPARE(dialog.grpMyGoalButtons->id(dialog.btnConceiveChild), 2);
    QCOMPARE(dialog.grpMyGoalButtons->id(dialog.btnAvoidPregnancy), 3);
    QCOMPARE(dialog.btnAvoidPregnancy->parentWidget(), dialog.grpMyGoal);

    const QList<std::tuple<QString, QLineEdit *, int, int>> validators = {
        {"cycleLengthValidator", dialog.ebCyclePeriod, 23, 35},
        {"fertilePeriodValidator", dialog.ebFertilePeriod, 1, 10},
        {"menstrualPeriodValidator", dialog.ebMenstrualPeriod, 1, 10},
        {"phaseLengthValidator", dialog.ebLuterPhaseLength, 1, 20},
    };
    for (const auto &[name, edit, bottom, top] : validators) {
        auto *validator = dialog.findChild<QIntValidator *>(name);
        QVERIFY2(validator, qPrintable(name));
        QCOMPARE(validator->parent(), edit);
        QCOMPARE(edit->validator(), validator);
        QCOMPARE(validator->bottom(), bottom);
        QCOMPARE(validator->top(), top);
    }
}

void TstPreferencesDialog::focusOrder()
{
    OvelaPreferencesDialog dialog;
    const QList<QWidget *> expected = {
        dialog.ebCyclePeriod,      dialog.ebFertilePeriod,   dialog.ebMenstrualPeriod,
        dialog.ebLuterPhaseLength, dialog.btnAvoidPregnancy, dialog.btnConceiveChild,
        dialog.btnConceiveGirl,    dialog.btnConceiveBoy,    dialog.btnCelsius,
        dialog.btnFarenheit,       dialog.TabWidget4,
    };
    QList<QWidget *> chain;
    QWidget *w = dialog.ebCyclePeriod;
    do {
        if (expected.contains(w))
            chain << w;
        w = w->nextInFocusChain();
    } while (w != dialog.ebCyclePeriod && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
}

void TstPreferencesDialog::validate_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");

    auto row = [](const char *name, QStringList fields, bool valid, const QString &caption = {},
                  const QString &message = {}) {
        QTest::newRow(name) << fields << valid << caption << message;
    };
    row("defaults pass", {"28", "5", "5", "14"}, true);
    row("lowest values pass", {"23", "1", "1", "12"}, true);
    row("highest values pass", {"35", "8", "8", "16"}, true);
    row("cycle 22", {"22", "5", "5", "14"}, false, "Quorin", cycleMessage);
    row("cycle 36", {"36", "5", "5", "14"}, false, "Quorin", cycleMessage);
    row("cycle empty", {"", "5", "5", "14"}, false, "Quorin", cycleMessage);
    row("fertile 9", {"28", "9", "5", "14"}, false, "Quorin", fertileMessage);
    row("fertile 10", {"28", "10", "5", "14"}, false, "Quorin", fertileMessage);
    row("fertile empty", {"28", "", "5", "14"}, false, "Quorin", fertileMessage);
    row("menstrual 9", {"28", "5", "9", "14"}, false, "Quorin", menstrualMessage);
    row("menstrual 10", {"28", "5", "10", "14"}, false, "Quorin", menstrualMessage);
    row("luteal 11", {"28", "5", "5", "11"}, false, "Ovela", lutealMessage);
    row("luteal 17", {"28", "5", "5", "17"}, false, "Ovela", lutealMessage);
    row("all wrong: cycle reported", {"40", "10", "10", "20"}, false, "Quorin", cycleMessage);
    row("fertile and luteal wrong: fertile reported", {"30", "9", "5", "11"}, false, "Quorin",
        fertileMessage);
    row("menstrual and luteal wrong: menstrual reported", {"30", "5", "0", "3"}, false, "Quorin",
        menstrualMessage);
    row("lengths are not compared with each other", {"23", "8", "8", "16"}, true);
}

void TstPreferencesDialog::validate()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, valid);
    QFETCH(QString, caption);
    QFETCH(QString, message);

    OvelaPreferencesDialog dialog;
    const QList<QLineEdit *> edits = {dialog.ebCyclePeriod, dialog.ebFertilePeriod,
                                      dialog.ebMenstrualPeriod, dialog.ebLuterPhaseLength};
    for (int i = 0; i < edits.size(); ++i)
        typeInto(edits.at(i), fields.at(i));

    Modal::MessageBoxes boxes;
    QCOMPARE(dialog.validate(), valid);

    // OK is refused while a field is wrong: the dialog stays with every entry she made, its
    // focus on the field to mend.
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    QCOMPARE(dialog.result() == QDialog::Accepted, valid);
    for (int i = 0; i < edits.size(); ++i)
        QCOMPARE(edits.at(i)->text(), fields.at(i));
    if (valid) {
        QCOMPARE(boxes.seen.size(), 0);
        return;
    }
    QCOMPARE(boxes.seen.size(), 2);
    const Modal::BoxSeen &box = boxes.seen.first();
    QCOMPARE(box.title, caption);
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QStringList messages {cycleMessage, fertileMessage, menstrualMessage, lutealMessage};
    QCOMPARE(dialog.focusWidget(), edits.at(messages.indexOf(message)));
}

void TstPreferencesDialog::fromPreferences_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("goal");
    QTest::addColumn<QString>("formatButton");
    QTest::addColumn<QString>("goalButton");
    QTest::addColumn<int>("storedFormat");
    QTest::addColumn<int>("storedGoal");

    QTest::newRow("Celsius, avoid") << 0 << 0 << "btnCelsius"
                                    << "btnAvoidPregnancy" << 0 << 0;
    QTest::newRow("Fahrenheit, child") << 1 << 1 << "btnFarenheit"
                                       << "btnConceiveChild" << 1 << 1;
    QTest::newRow("girl") << 0 << 2 << "btnCelsius"
                          << "btnConceiveGirl" << 0 << 2;
    QTest::newRow("boy") << 1 << 3 << "btnFarenheit"
                         << "btnConceiveBoy" << 1 << 3;
    QTest::newRow("unknown values: Fahrenheit, no goal, stored as child")
        << 2 << 7 << "btnFarenheit"
        << "" << 1 << 1;
}

void TstPreferencesDialog::fromPreferences()
{
    QFETCH(int, format);
    QFETCH(int, goal);
    QFETCH(QString, formatButton);
    QFETCH(QString, goalButton);
    QFETCH(int, storedFormat);
    QFETCH(int, storedGoal);

    auto preferences = storedPreferences(format, goal);
    preferences->setCycleLength(31);
    preferences->setLuterPhaseLength(13);

    OvelaPreferencesDialog dialog;
    dialog.setupFromPreferences(*preferences);
    QCOMPARE(dialog.ebCyclePeriod->text(), QStringLiteral("31"));
    QCOMPARE(dialog.ebFertilePeriod->text(), QStringLiteral("5"));
    QCOMPARE(dialog.ebMenstrualPeriod->text(), QStringLiteral("5"));
    QCOMPARE(dialog.ebLuterPhaseLength->text(), QStringLiteral("13"));

    QAbstractButton *checkedFormat = dialog.grpTemperatureFormatButtons->checkedButton();
    QVERIFY(checkedFormat);
    QCOMPARE(checkedFormat->objectName(), formatButton);
    QAbstractButton *checkedGoal = dialog.grpMyGoalButtons->checkedButton();
    QCOMPARE(checkedGoal ? checkedGoal->objectName() : QString(), goalButton);

    QSignalSpy formatSpy(preferences.get(), &Preferences::temperatureFormatChanged);
    QSignalSpy goalSpy(preferences.get(), &Preferences::birthGoalChanged);
    dialog.setupPreferences(*preferences);
    QCOMPARE(int(preferences->getTemperatureFormat()), storedFormat);
    QCOMPARE(int(preferences->getBirthGoal()), storedGoal);
    // Only a real change is announced.
    QCOMPARE(formatSpy.size(), storedFormat == format ? 0 : 1);
    QCOMPARE(goalSpy.size(), storedGoal == goal ? 0 : 1);
}

void TstPreferencesDialog::toPreferences()
{
    Preferences preferences;
    preferences.setPassword(Password::digest(QStringLiteral("1111")));
    preferences.setTemperatureFormat(Preferences::Fahrenheit); // so Celsius below is a change
    OvelaPreferencesDialog dialog;
    dialog.setupFromPreferences(preferences);

    typeInto(dialog.ebCyclePeriod, QStringLiteral("30"));
    typeInto(dialog.ebFertilePeriod, QStringLiteral("6"));
    typeInto(dialog.ebMenstrualPeriod, QStringLiteral("4"));
    typeInto(dialog.ebLuterPhaseLength, QStringLiteral("15"));
    QTest::mouseClick(dialog.btnCelsius, Qt::LeftButton);
    dialog.btnConceiveGirl->setChecked(true);
    dialog.cbPasscodeStartup->setChecked(true);

    QSignalSpy formatSpy(&preferences, &Preferences::temperatureFormatChanged);
    QSignalSpy goalSpy(&preferences, &Preferences::birthGoalChanged);
    QVERIFY(dialog.validate());
    dialog.setupPreferences(preferences);

    QCOMPARE(preferences.getCycleLength(), 30);
    QCOMPARE(preferences.getFertilePeriod(), 6);
    QCOMPARE(preferences.getMenstrualPeriod(), 4);
    QCOMPARE(preferences.getLuterPhaseLength(), 15);
    QCOMPARE(preferences.getPassword(), Password::digest(QStringLiteral("1111")));
    QVERIFY(preferences.getRequirePassword());
    QCOMPARE(formatSpy.size(), 1);
    QCOMPARE(formatSpy.at(0).at(0).value<Preferences::TemperatureFormat>(), Preferences::Celsius);
    QCOMPARE(goalSpy.size(), 1);
    QCOMPARE(goalSpy.at(0).at(0).value<Preferences::BirthGoal>(), Preferences::ConceiveGirl);
}

void TstPreferencesDialog::clearPasscode()
{
    Preferences preferences;
    preferences.setPassword(Password::digest(QStringLiteral("1234")));
    preferences.setRequirePassword(true);
    OvelaPreferencesDialog dialog;
    dialog.setupFromPreferences(preferences);
    QVERIFY(dialog.cbPasscodeStartup->isEnabled());
    QVERIFY(dialog.cbPasscodeStartup->isChecked());

    QTest::mouseClick(dialog.btnClearPasscode, Qt::LeftButton);
    QVERIFY(!dialog.cbPasscodeStartup->isEnabled());
    QVERIFY(dialog.cbPasscodeStartup->isChecked());
    // Nothing reaches the settings before the dialog is accepted.
    QCOMPARE(preferences.getPassword(), Password::digest(QStringLiteral("1234")));

    dialog.setupPreferences(preferences);
    QVERIFY(preferences.getPassword().isEmpty());
    QVERIFY(preferences.getRequirePassword());
}

void TstPreferencesDialog::changePasscode_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("mismatch");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<bool>("enabled");

    const QString old = Password::digest(QStringLiteral("1111"));
    QTest::newRow("equal entries")
        << "2468"
        << "2468" << false << Password::digest(QStringLiteral("2468")) << true;
    QTest::newRow("different entries") << "2468"
                                       << "2469" << true << old << true;
    QTest::newRow("two empty entries") << ""
                                       << "" << false << "" << false;
    QTest::newRow("empty then a code") << ""
                                       << "12" << true << old << true;
    QTest::newRow("cancel twice keeps the code") << QString() << QString() << false << old << true;
    QTest::newRow("cancel the second keeps the code")
        << "2468" << QString() << false << old << true;
    QTest::newRow("cancel the first keeps the code") << QString() << "" << false << old << true;
}

void TstPreferencesDialog::changePasscode()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, mismatch);
    QFETCH(QString, pending);
    QFETCH(bool, enabled);

    Preferences preferences;
    preferences.setPassword(Password::digest(QStringLiteral("1111")));
    OvelaPreferencesDialog dialog;
    dialog.setupFromPreferences(preferences);

    QStringList prompts;
    QStringList answers = {first, second};
    Password::setHook([&](const QString &prompt) {
        prompts << prompt;
        return answers.takeFirst();
    });
    Modal::MessageBoxes boxes;
    QTest::mouseClick(dialog.btnChangePasscode, Qt::LeftButton);

    QCOMPARE(prompts, QStringList({QStringLiteral("Enter password code"),
                                   QStringLiteral("Re-enter password code")}));
    QCOMPARE(boxes.seen.size(), mismatch ? 1 : 0);
    if (mismatch) {
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Ovela"));
        QCOMPARE(boxes.seen.first().text,
                 QStringLiteral("Sorry, but your passwords \nmust match!"));
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
    }
    QCOMPARE(dialog.pendingPassword(), pending);
    QCOMPARE(dialog.cbPasscodeStartup->isEnabled(), enabled);

    // The new code reaches the settings only through an accepted dialog.
    QCOMPARE(preferences.getPassword(), Password::digest(QStringLiteral("1111")));
    dialog.setupPreferences(preferences);
    QCOMPARE(preferences.getPassword(), pending);
}

OVELA_TEST_GUI_MAIN(TstPreferencesDialog)
#include "tst_preferencesdialog.moc"
