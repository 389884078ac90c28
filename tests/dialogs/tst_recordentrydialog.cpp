#include "dialogs/OvelaRecordEntry.h"

#include "settings/Preferences.h"
#include "core/ovela_record_entry.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include <memory>

class TstRecordEntryDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formLayout();
    void temperatureList_data();
    void temperatureList();
    void cervicalFluidKeepsItsItem_data();
    void cervicalFluidKeepsItsItem();
    void recordToWidgetsAndBack();
    void untouchedDialogGivesEmptyRecord();
    void noteOfLineBreaksIsKept();
    void untouchedNoteIsKept_data();
    void untouchedNoteIsKept();
    void clearEmptiesOnlyTheCopy_data();
    void clearEmptiesOnlyTheCopy();

private:
    std::unique_ptr<Preferences> preferences;
};

void TstRecordEntryDialog::init()
{
    TestHome::wipe();
    preferences = std::make_unique<Preferences>();
}

void TstRecordEntryDialog::cleanup()
{
    preferences.reset();
}

void TstRecordEntryDialog::formLayout()
{
    OvelaRecordEntry entry;
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);
    QCOMPARE(dialog.objectName(), QStringLiteral("OvelaRecordEntryBase"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Day data"));
    // Laid out, not placed: it opens at the size its layout asks for.
    QVERIFY(dialog.layout());
    dialog.adjustSize();
    QCOMPARE(dialog.size(), dialog.sizeHint());
    QCOMPARE(dialog.cbCervicalFluid->count(), 7);
    QCOMPARE(dialog.cbCervicalFluid->itemText(6), QStringLiteral("Strechy, White"));
    QVERIFY(!dialog.cbBasalTemp->isEditable());
    QCOMPARE(dialog.ebNote->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(dialog.findChild<QToolButton *>(QStringLiteral("tbClear")), dialog.tbClear);

    OvelaRecordEntryDialog named(preferences.get(), &entry, nullptr, "editDay", true);
    QCOMPARE(named.objectName(), QStringLiteral("editDay"));
    QVERIFY(named.isModal());
}

void TstRecordEntryDialog::temperatureList_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("stored");

    const int c = Preferences::Celsius;
    const int f = Preferences::Fahrenheit;
    QTest::newRow("Celsius code 1 is the first step") << c << 1 << "36.00"
                                                      << "C" << 1;
    QTest::newRow("Celsius code 21") << c << 21 << "37.00"
                                     << "C" << 21;
    QTest::newRow("Celsius code 41 is the last step") << c << 41 << "38.00"
                                                      << "C" << 41;
    QTest::newRow("Celsius code 0 is none") << c << 0 << "None"
                                            << "C" << 0;
    QTest::newRow("Celsius code 99 stays on none") << c << 99 << "None"
                                                   << "C" << 0;
    QTest::newRow("Fahrenheit code 1") << f << 1 << "96.80"
                                       << "F" << 1;
    QTest::newRow("Fahrenheit code 21") << f << 21 << "98.80"
                                        << "F" << 21;
    QTest::newRow("Fahrenheit code 41") << f << 41 << "100.80"
                                        << "F" << 41;
    QTest::newRow("Fahrenheit code 0") << f << 0 << "None"
                                       << "F" << 0;
    QTest::newRow("Fahrenheit code 99 stays on none") << f << 99 << "None"
                                                      << "F" << 0;
    QTest::newRow("format 2 reads as Celsius") << 2 << 21 << "37.00"
                                               << "C" << 21;
    QTest::newRow("negative code stays on none") << c << -1 << "None"
                                                 << "C" << 0;
}

void TstRecordEntryDialog::temperatureList()
{
    QFETCH(int, format);
    QFETCH(int, code);
    QFETCH(QString, shown);
    QFETCH(QString, unit);
    QFETCH(int, stored);

    // Settings take whatever integer is stored, an unknown format included.
    preferences->setTemperatureFormat(static_cast<Preferences::TemperatureFormat>(format));
    OvelaRecordEntry entry;
    entry.setTemperature(code);
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);

    QComboBox *list = dialog.cbBasalTemp;
    QCOMPARE(list->count(), 42);
    QCOMPARE(list->itemText(0), QStringLiteral("None"));
    const bool fahrenheit = format == Preferences::Fahrenheit;
    QCOMPARE(list->itemText(1), fahrenheit ? QStringLiteral("96.80") : QStringLiteral("36.00"));
    QCOMPARE(list->itemText(2), fahrenheit ? QStringLiteral("96.90") : QStringLiteral("36.05"));
    QCOMPARE(list->itemText(41), fahrenheit ? QStringLiteral("100.80") : QStringLiteral("38.00"));
    QCOMPARE(list->currentText(), shown);
    QCOMPARE(dialog.lblGradus->text(), unit);

    // Filling again, as "Clear" does, must not pile up items.
    dialog.fillTemp();
    QCOMPARE(list->count(), 42);
    QCOMPARE(list->currentText(), shown);

    OvelaRecordEntry result;
    dialog.fillEntry(&result);
    QCOMPARE(result.getTemperature(), stored);
}

void TstRecordEntryDialog::cervicalFluidKeepsItsItem_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("next");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    QTest::newRow("new dialog, value 9 shows Dry") << 9 << 9 << "Dry" << 0;
    QTest::newRow("value 6 is the last item") << 6 << 6 << "Strechy, White" << 6;
    QTest::newRow("refill with 9 keeps Heavy Bleeding") << 3 << 9 << "Heavy Bleeding" << 3;
    QTest::newRow("refill with -1 keeps Intermenstrual") << 4 << -1 << "Intermenstrual" << 4;
    QTest::newRow("refill with 5 moves on") << 1 << 5 << "Cloudy, Sticky" << 5;
}

void TstRecordEntryDialog::cervicalFluidKeepsItsItem()
{
    QFETCH(int, first);
    QFETCH(int, next);
    QFETCH(QString, shown);
    QFETCH(int, stored);

    OvelaRecordEntry entry;
    entry.setCervicalFluid(first);
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);
    entry.setCervicalFluid(next);
    dialog.fillControls();

    QCOMPARE(dialog.cbCervicalFluid->currentText(), shown);
    OvelaRecordEntry result;
    dialog.fillEntry(&result);
    QCOMPARE(result.getCervicalFluid(), stored);
}

void TstRecordEntryDialog::recordToWidgetsAndBack()
{
    preferences->setTemperatureFormat(Preferences::Celsius);
    OvelaRecordEntry entry;
    entry.setCervicalFluid(2);
    entry.setTemperature(3);
    entry.setDoctor(true);
    entry.setPMS(true);
    entry.setProtection(true);
    entry.setNote(QStringLiteral("headache\nsecond line"));
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);

    QCOMPARE(dialog.cbCervicalFluid->currentText(), QStringLiteral("Normal Bleeding"));
    QCOMPARE(dialog.cbBasalTemp->currentText(), QStringLiteral("36.10"));
    QVERIFY(dialog.chkDoctor->isChecked());
    QVERIFY(!dialog.chkCramps->isChecked());
    QVERIFY(dialog.chkPMS->isChecked());
    QVERIFY(!dialog.chkSex->isChecked());
    QVERIFY(dialog.chkProtection->isChecked());
    QVERIFY(!dialog.chkSecret->isChecked());
    QCOMPARE(dialog.ebNote->toPlainText(), QStringLiteral("headache\nsecond line"));

    // The user's changes stay in the widgets until fillEntry is asked for them.
    dialog.chkDoctor->setChecked(false);
    dialog.chkCramps->setChecked(true);
    dialog.chkSex->setChecked(true);
    dialog.chkSecret->setChecked(true);
    dialog.cbCervicalFluid->setCurrentIndex(5);
    dialog.cbBasalTemp->setCurrentIndex(41);
    dialog.ebNote->setPlainText(QStringLiteral("better"));
    QVERIFY(entry.getDoctor());
    QCOMPARE(entry.getNote(), QStringLiteral("headache\nsecond line"));

    OvelaRecordEntry result;
    dialog.fillEntry(&result);
    QCOMPARE(result.getCervicalFluid(), 5);
    QCOMPARE(result.getTemperature(), 41);
    QVERIFY(!result.getDoctor());
    QVERIFY(result.getCramps());
    QVERIFY(result.getPMS());
    QVERIFY(result.getSex());
    QVERIFY(result.getProtection());
    QVERIFY(result.getSecret());
    QCOMPARE(result.getNote(), QStringLiteral("better"));
}

void TstRecordEntryDialog::untouchedDialogGivesEmptyRecord()
{
    OvelaRecordEntry entry;
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);
    QCOMPARE(dialog.cbCervicalFluid->currentText(), QStringLiteral("Dry"));
    QCOMPARE(dialog.cbBasalTemp->currentText(), QStringLiteral("None"));

    OvelaRecordEntry result;
    result.setSecret(true);
    result.setNote(QStringLiteral("left over"));
    dialog.fillEntry(&result);
    QVERIFY(result.isEmpty());
    QCOMPARE(result, OvelaRecordEntry());
}

void TstRecordEntryDialog::noteOfLineBreaksIsKept()
{
    OvelaRecordEntry entry;
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);
    QTest::keyClick(dialog.ebNote, Qt::Key_Return);
    QTest::keyClick(dialog.ebNote, Qt::Key_Return);

    OvelaRecordEntry result;
    dialog.fillEntry(&result);
    QCOMPARE(result.getNote(), QStringLiteral("\n\n"));
    QVERIFY(!result.isEmpty());
}

void TstRecordEntryDialog::untouchedNoteIsKept_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("CR LF") << QStringLiteral("one\r\ntwo");
    QTest::newRow("lone CR") << QStringLiteral("one\rtwo");
    QTest::newRow("no-break space") << QStringLiteral("36\u00a0C");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b\u2029c");
}

void TstRecordEntryDialog::untouchedNoteIsKept()
{
    QFETCH(QString, note);
    OvelaRecordEntry entry;
    entry.setNote(note);
    OvelaRecordEntryDialog dialog(preferences.get(), &entry);
    OvelaRecordEntry result;
    dialog.fillEntry(&result);
    QCOMPARE(result.getNote(), note);
    // Touched, it is what the editor shows.
    QTest::keyClick(dialog.ebNote, Qt::Key_X);
    dialog.fillEntry(&result);
    QVERIFY(result.getNote() != note);
    QVERIFY(result.getNote().contains(QLatin1Char('x')));
}

void TstRecordEntryDialog::clearEmptiesOnlyTheCopy_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("clear then cancel") << false;
    QTest::newRow("clear then accept") << true;
}

void TstRecordEntryDialog::clearEmptiesOnlyTheCopy()
{
    QFETCH(bool, accept);

    OvelaRecordEntry stored;
    stored.setCervicalFluid(3);
    stored.setTemperature(20);
    stored.setSex(true);
    stored.setNote(QStringLiteral("kept"));
    const OvelaRecordEntry original = stored;

    // As the calendar page does: the dialog works on a copy, which is stored only on accept.
    OvelaRecordEntry copy = stored;
    OvelaRecordEntryDialog dialog(preferences.get(), &copy);
    QTest::mouseClick(dialog.tbClear, Qt::LeftButton);

    QVERIFY(copy.isEmpty());
    QCOMPARE(dialog.cbCervicalFluid->currentText(), QStringLiteral("Dry"));
    QCOMPARE(dialog.cbBasalTemp->currentText(), QStringLiteral("None"));
    QVERIFY(!dialog.chkSex->isChecked());
    QVERIFY(dialog.ebNote->toPlainText().isEmpty());

    if (accept) {
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.fillEntry(&copy);
        QVERIFY(copy.isEmpty());
    } else {
        dialog.reject();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(stored, original);
    QCOMPARE(stored.getNote(), QStringLiteral("kept"));
}

OVELA_TEST_GUI_MAIN(TstRecordEntryDialog)
#include "tst_recordentrydialog.moc"
