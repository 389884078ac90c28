#include "settings/Preferences.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {
struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

// The calendar page driven as a user would: the real dialogs, answered from the test.
class TstCentralWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lengthsReachTheCalculatorAtStart();
    void newRecordIsStored();
    void editedDayIsRepainted();
    void untouchedDialogStoresNothing();
    void changedRecordReplacesTheOld();
    void clearThenAcceptRemovesTheRecord();
    void clearThenCancelKeepsTheJournal();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void invalidPreferencesWriteNothingButRedraw();
    void validPreferencesReachTheCalculator();
    void startCycleDateRepaintsThePhases();
    void startCycleDateAsksForAPaint();
    void keysReachTheDayCommands();
    void clickingDaysReportsRecords();
    void gotoToday();
    void newCycleQuestion_data();
    void newCycleQuestion();
    void bleedingRecordedInTheDialogAsks();
    void undoRestoresThePreviousStart();
    void predictionFollowsTheRecordedMedian();

private:
    QColor cellColour(const QDate &date);

    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<OvelaCalendar> cal;
    std::unique_ptr<OvelaCentralWidget> page;
    const QDate day = QDate(2004, 3, 10);
};

void TstCentralWidget::init()
{
    TestHome::wipe();
    prefs = std::make_unique<Preferences>();
    prefs->setCycleLength(30);
    prefs->setMenstrualPeriod(4);
    prefs->setFertilePeriod(6);
    prefs->setLuterPhaseLength(13);
    cal = std::make_unique<OvelaCalendar>(*prefs);
    page = std::make_unique<OvelaCentralWidget>(cal.get(), *prefs);
    page->resize(240, 300);
    page->show();
    page->monthView()->setDate(day);
}

void TstCentralWidget::cleanup()
{
    page.reset();
    cal.reset();
    prefs->setSaveOnExit(false);
    prefs.reset();
}

void TstCentralWidget::lengthsReachTheCalculatorAtStart()
{
    QCOMPARE(cal->getCycleLength(), 30);
    QCOMPARE(cal->getMenstrualPeriod(), 4);
    QCOMPARE(cal->getFertilePeriod(), 6);
    QCOMPARE(cal->getLuterPhaseLength(), 13);
    QCOMPARE(page->objectName(), QStringLiteral("OvelaCentralWidget"));
    QCOMPARE(page->monthView()->objectName(), QStringLiteral("OvelaDateBookMonth"));
}

void TstCentralWidget::newRecordIsStored()
{
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);
    QSignalSpy adds(cal.get(), &OvelaDatabase::onAddEntry);
    QString dateLine;
    Modal::run<OvelaRecordEntryDialog>(
        [&](OvelaRecordEntryDialog *d) {
            dateLine = d->lblDate->text();
            d->cbBasalTemp->setCurrentIndex(21);
            d->chkSex->setChecked(true);
            d->ebNote->setPlainText(QStringLiteral("felt fine"));
        },
        true);
    page->onEdit();

    QCOMPARE(dateLine, QLocale().toString(day, QLocale::LongFormat));
    QVERIFY(cal->containsEntry(day));
    const OvelaRecordEntry stored = cal->getEntry(day);
    QCOMPARE(stored.getTemperature(), 21);
    QCOMPARE(stored.getSex(), true);
    QCOMPARE(stored.getNote(), QStringLiteral("felt fine"));
    QCOMPARE(adds.count(), 1);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.at(0).at(0).toBool(), true);
}

// A paint of the month is asked for after an edit, whether or not the dialog covered it.
void TstCentralWidget::editedDayIsRepainted()
{
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QWidget *viewport = page->monthView()->monthTable()->viewport();
    PaintCounter counter;
    QCoreApplication::processEvents();
    viewport->installEventFilter(&counter);
    Modal::run<OvelaRecordEntryDialog>([](OvelaRecordEntryDialog *d) { d->chkPMS->setChecked(true); },
                                       true);
    page->onEdit();
    counter.paints = 0;
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > 0);
}

void TstCentralWidget::untouchedDialogStoresNothing()
{
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);
    Modal::run<OvelaRecordEntryDialog>(nullptr, true);
    page->onEdit();
    QVERIFY(!cal->containsEntry(day));
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.at(0).at(0).toBool(), false);
}

void TstCentralWidget::changedRecordReplacesTheOld()
{
    OvelaRecordEntry old;
    old.setCramps(true);
    old.setTemperature(5);
    cal->setEntry(old, day);
    QSignalSpy adds(cal.get(), &OvelaDatabase::onAddEntry);
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);

    int shownTemperature = -1;
    Modal::run<OvelaRecordEntryDialog>(
        [&](OvelaRecordEntryDialog *d) {
            shownTemperature = d->cbBasalTemp->currentIndex();
            d->chkCramps->setChecked(false);
            d->chkPMS->setChecked(true);
        },
        true);
    page->onEdit();

    QCOMPARE(shownTemperature, 5);
    const OvelaRecordEntry stored = cal->getEntry(day);
    QCOMPARE(stored.getCramps(), false);
    QCOMPARE(stored.getPMS(), true);
    QCOMPARE(stored.getTemperature(), 5);
    QCOMPARE(adds.count(), 0); // replaced, not added
    QCOMPARE(edits.at(0).at(0).toBool(), true);
}

void TstCentralWidget::clearThenAcceptRemovesTheRecord()
{
    OvelaRecordEntry old;
    old.setDoctor(true);
    cal->setEntry(old, day);
    QSignalSpy deletes(cal.get(), &OvelaDatabase::onDeleteEntry);
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);

    Modal::run<OvelaRecordEntryDialog>([](OvelaRecordEntryDialog *d) { d->tbClear->click(); },
                                       true);
    page->onEdit();

    QVERIFY(!cal->containsEntry(day));
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(deletes.at(0).at(0).toDate(), day);
    QCOMPARE(edits.at(0).at(0).toBool(), false);
}

void TstCentralWidget::clearThenCancelKeepsTheJournal()
{
    OvelaRecordEntry old;
    old.setSecret(true);
    old.setNote(QStringLiteral("keep me"));
    cal->setEntry(old, day);
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);

    Modal::run<OvelaRecordEntryDialog>([](OvelaRecordEntryDialog *d) { d->tbClear->click(); },
                                       false);
    page->onEdit();

    QVERIFY(cal->containsEntry(day));
    QCOMPARE(cal->getEntry(day), old);
    QCOMPARE(edits.count(), 0);
}

void TstCentralWidget::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Yes removes") << "yesButton" << false;
    QTest::newRow("No keeps") << "noButton" << true;
}

void TstCentralWidget::deleteAsksFirst()
{
    QFETCH(QString, button);
    QFETCH(bool, kept);
    OvelaRecordEntry old;
    old.setTemperature(30);
    cal->setEntry(old, day);
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);

    QString caption;
    QString text;
    Modal::answer([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        QCOMPARE(box->defaultButton()->objectName(), QStringLiteral("noButton"));
        box->findChild<QAbstractButton *>(button)->click();
    });
    page->onDelete();

    QCOMPARE(caption, QStringLiteral("Ovela"));
    QCOMPARE(text, QStringLiteral("Are you sure, you want \nto delete all data \n for this day?"));
    QCOMPARE(cal->containsEntry(day), kept);
    QCOMPARE(edits.count(), kept ? 0 : 1);
}

void TstCentralWidget::invalidPreferencesWriteNothingButRedraw()
{
    // OK with a refused value keeps the dialog open; cancelled then, nothing is written.
    QString message;
    bool stillOpen = false;
    Modal::run<OvelaPreferencesDialog>(
        [&](OvelaPreferencesDialog *d) {
            d->ebCyclePeriod->setText(QStringLiteral("40"));
            d->ebFertilePeriod->setText(QStringLiteral("3"));
            Modal::answer([&, d](QWidget *w) {
                if (auto *box = qobject_cast<QMessageBox *>(w)) {
                    message = box->text();
                    box->accept();
                    QTimer::singleShot(0, d, [&, d] {
                        stillOpen = d->isVisible() && d->ebFertilePeriod->text() == QLatin1String("3");
                        d->reject();
                    });
                }
            });
        },
        true);
    page->onPreferences();

    QCOMPARE(message, QStringLiteral("Cycle period length must \nbe between 23 and 35 days!"));
    QVERIFY(stillOpen);
    QCOMPARE(prefs->getCycleLength(), 30);
    QCOMPARE(prefs->getFertilePeriod(), 6);
    QCOMPARE(cal->getCycleLength(), 30);
}

void TstCentralWidget::validPreferencesReachTheCalculator()
{
    Modal::run<OvelaPreferencesDialog>(
        [](OvelaPreferencesDialog *d) {
            d->ebCyclePeriod->setText(QStringLiteral("26"));
            d->ebMenstrualPeriod->setText(QStringLiteral("7"));
        },
        true);
    page->onPreferences();
    QCOMPARE(prefs->getCycleLength(), 26);
    QCOMPARE(cal->getCycleLength(), 26);
    QCOMPARE(cal->getMenstrualPeriod(), 7);
}

QColor TstCentralWidget::cellColour(const QDate &date)
{
    OvelaDateBookMonthTable *table = page->monthView()->monthTable();
    int row = 0;
    int col = 0;
    table->findDay(date.day(), row, col);
    const QRect rect = table->visualRect(table->model()->index(row, col));
    const QImage image = table->viewport()->grab(rect).toImage();
    // Away from the day number and the markers.
    return image.pixelColor(rect.width() - 3, rect.height() - 3);
}

void TstCentralWidget::startCycleDateRepaintsThePhases()
{
    page->monthView()->setDate(QDate(2004, 3, 3));
    const QColor before = cellColour(QDate(2004, 3, 3));
    page->onStartCycleDate();
    QCOMPARE(cal->getStartCycleDate(), QDate(2004, 3, 3));
    // Now day 0 of a bleeding: the full red of the first day.
    QCOMPARE(cellColour(QDate(2004, 3, 3)), QColor(255, 53, 22));
    QVERIFY(before != QColor(255, 53, 22));

    // A new start replaces the old one without a question.
    page->monthView()->setDate(QDate(2004, 3, 20));
    page->onStartCycleDate();
    QCOMPARE(cal->getStartCycleDate(), QDate(2004, 3, 20));
    QVERIFY(cellColour(QDate(2004, 3, 3)) != QColor(255, 53, 22));
}

// Counted on the table itself: a grab would paint whether or not the page asked for it.
void TstCentralWidget::startCycleDateAsksForAPaint()
{
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    PaintCounter counter;
    QCoreApplication::processEvents();
    page->monthView()->monthTable()->viewport()->installEventFilter(&counter);
    page->onStartCycleDate();
    QTRY_VERIFY(counter.paints > 0);
}

// Return opens the selected day, Delete asks about it when it holds a record, and a move by
// the arrow keys tells the page whether the new day holds one.
void TstCentralWidget::keysReachTheDayCommands()
{
    OvelaRecordEntry r;
    r.setPMS(true);
    cal->setEntry(r, day.addDays(1));
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);
    OvelaDateBookMonth *month = page->monthView();

    QTest::keyClick(month, Qt::Key_Right);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.at(0).at(0).toBool(), true);

    QString opened;
    Modal::run<OvelaRecordEntryDialog>(
        [&](OvelaRecordEntryDialog *d) { opened = d->lblDate->text(); }, false);
    QTest::keyClick(month, Qt::Key_Return);
    QCOMPARE(opened, QLocale().toString(day.addDays(1), QLocale::LongFormat));

    Modal::press(QStringLiteral("yesButton"));
    QTest::keyClick(month, Qt::Key_Delete);
    QVERIFY(!cal->containsEntry(day.addDays(1)));
    QCOMPARE(edits.last().at(0).toBool(), false);

    // Nothing to delete on an empty day: no question.
    bool asked = false;
    Modal::answer(
        [&](QWidget *w) {
            asked = true;
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
        },
        100);
    QTest::keyClick(month, Qt::Key_Delete);
    QTest::qWait(150);
    QVERIFY(!asked);
}

void TstCentralWidget::clickingDaysReportsRecords()
{
    OvelaRecordEntry r;
    r.setPMS(true);
    cal->setEntry(r, QDate(2004, 3, 12));
    QSignalSpy edits(page.get(), &OvelaCentralWidget::updateEdit);
    emit page->monthView()->dateClicked(2004, 3, 12);
    emit page->monthView()->dateClicked(2004, 3, 13);
    emit page->monthView()->dateClicked(2004, 3, 13);
    QCOMPARE(edits.count(), 3);
    QCOMPARE(edits.at(0).at(0).toBool(), true);
    QCOMPARE(edits.at(1).at(0).toBool(), false);
    QCOMPARE(edits.at(2).at(0).toBool(), false);
}

void TstCentralWidget::gotoToday()
{
    page->onGotoToday();
    QCOMPARE(page->monthView()->selectedDate(), QDate::currentDate());
}


// ---------------------------------------------------------------------------------------------
// What she records and the start of her cycle

namespace {
// Answers each question whether a new cycle started, and keeps what it asked.
struct CycleQuestions : Modal::Answerer
{
    explicit CycleQuestions(bool yes)
        : Modal::Answerer([this, yes](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            texts << box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            return true;
        })
    {
    }
    QStringList texts;
};

using Records = QList<QPair<int, int>>; // days after the 1st of March 2004, cervical fluid
} // namespace

void TstCentralWidget::newCycleQuestion_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<int>("start"); // days after the 1st of March; -1 none stored
    QTest::addColumn<int>("recorded");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<bool>("asks");

    const QList<int> none;
    QTest::newRow("slight, nothing before") << Records{{20, 1}} << 0 << 20 << none << true;
    QTest::newRow("normal") << Records{{20, 2}} << 0 << 20 << none << true;
    QTest::newRow("heavy") << Records{{20, 3}} << 0 << 20 << none << true;
    QTest::newRow("intermenstrual starts nothing") << Records{{20, 4}} << 0 << 20 << none << false;
    QTest::newRow("cloudy fluid") << Records{{20, 5}} << 0 << 20 << none << false;
    QTest::newRow("bleeding five days before") << Records{{15, 2}, {20, 1}} << 0 << 20 << none
                                               << false;
    QTest::newRow("bleeding the day before") << Records{{19, 3}, {20, 3}} << 0 << 20 << none
                                             << false;
    QTest::newRow("bleeding six days before") << Records{{14, 2}, {20, 1}} << 0 << 20 << none
                                              << true;
    QTest::newRow("intermenstrual just before") << Records{{18, 4}, {20, 2}} << 0 << 20 << none
                                                << true;
    QTest::newRow("the start date already") << Records{{20, 2}} << 20 << 20 << none << false;
    QTest::newRow("before the stored start") << Records{{20, 2}} << 25 << 20 << none << false;
    QTest::newRow("the day after the start") << Records{{21, 2}} << 20 << 21 << none << true;
    QTest::newRow("no start stored") << Records{{20, 2}} << -1 << 20 << none << true;
    QTest::newRow("asked before") << Records{{20, 2}} << 0 << 20 << QList<int>{20} << false;
    QTest::newRow("another day asked before") << Records{{20, 2}} << 0 << 20 << QList<int>{19}
                                              << true;
}

void TstCentralWidget::newCycleQuestion()
{
    QFETCH(Records, records);
    QFETCH(int, start);
    QFETCH(int, recorded);
    QFETCH(QList<int>, asked);
    QFETCH(bool, asks);

    const QDate first(2004, 3, 1);
    for (const auto &[offset, fluid] : records)
        cal->addEntry(first.addDays(offset)).setCervicalFluid(fluid);
    const QDate stored = start < 0 ? QDate() : first.addDays(start);
    cal->setStartCycleDate(stored);
    QList<QDate> askedDays;
    for (int offset : asked)
        askedDays << first.addDays(offset);
    prefs->setAskedCycleStarts(askedDays);

    const QDate day = first.addDays(recorded);
    {
        CycleQuestions no(false);
        page->noticeNewCycle(day);
        QCOMPARE(no.texts.size(), asks ? 1 : 0);
        QCOMPARE(cal->getStartCycleDate(), stored);
        // Once per day, also in the next session.
        page->noticeNewCycle(day);
        QCOMPARE(no.texts.size(), asks ? 1 : 0);
    }
    Preferences next;
    next.setSaveOnExit(false);
    QCOMPARE(next.getAskedCycleStarts().contains(day), asks);
    if (!asks)
        return;

    // Yes, on a day not asked yet: that day starts the cycle, saved as the command saves it.
    prefs->setAskedCycleStarts({});
    QSignalSpy changes(cal.get(), &OvelaDatabase::journalChanged);
    CycleQuestions yes(true);
    page->noticeNewCycle(day);
    QCOMPARE(yes.texts, QStringList{QStringLiteral("Did a new cycle start on %1?")
                                        .arg(QLocale().toString(day, QLocale::LongFormat))});
    QCOMPARE(cal->getStartCycleDate(), day);
    QCOMPARE(changes.count(), 1);
}

void TstCentralWidget::bleedingRecordedInTheDialogAsks()
{
    cal->setStartCycleDate(QDate(2004, 2, 5));
    CycleQuestions yes(true);
    Modal::run<OvelaRecordEntryDialog>(
        [](OvelaRecordEntryDialog *d) { d->cbCervicalFluid->setCurrentIndex(3); }, true);
    page->onEdit();
    QTRY_COMPARE(yes.texts.size(), 1);
    QCOMPARE(cal->getStartCycleDate(), day);
}

void TstCentralWidget::undoRestoresThePreviousStart()
{
    const QDate before(2004, 2, 20);
    cal->setStartCycleDate(before);
    page->monthView()->setDate(QDate(2004, 3, 3));
    page->onStartCycleDate();
    QCOMPARE(cal->getStartCycleDate(), QDate(2004, 3, 3));
    QVERIFY(page->undoBar()->isVisible());
    QVERIFY(page->undoBar()->findChild<QLabel *>()->text().contains(
        QLocale().toString(QDate(2004, 3, 3), QLocale::LongFormat)));

    QSignalSpy changes(cal.get(), &OvelaDatabase::journalChanged);
    QTest::mouseClick(page->undoButton(), Qt::LeftButton);
    QCOMPARE(cal->getStartCycleDate(), before);
    QCOMPARE(changes.count(), 1); // saved as any change is
    QVERIFY(!page->undoBar()->isVisible());
    QCOMPARE(cellColour(QDate(2004, 3, 3)) == QColor(255, 53, 22), false);

    // The next command ends the offer.
    page->onStartCycleDate();
    QVERIFY(page->undoBar()->isVisible());
    page->onGotoToday();
    QVERIFY(!page->undoBar()->isVisible());
    QCOMPARE(cal->getStartCycleDate(), QDate(2004, 3, 3));
}

// Cycles of 26, 31, 29 and 30 days: their median, 29.5, rounds up to 30; the last recorded
// start, the 2nd of March, counts where the typed start (far back) and length (25) would not.
void TstCentralWidget::predictionFollowsTheRecordedMedian()
{
    prefs->setCycleLength(25);
    prefs->setMenstrualPeriod(3);
    page->copyPeriodLengths();
    cal->setStartCycleDate(QDate(2003, 1, 1));
    QDate start(2003, 11, 7);
    for (int length : {26, 31, 29, 30, 0}) {
        cal->addEntry(start).setCervicalFluid(2);
        start = start.addDays(length);
    }
    QCOMPARE(start, QDate(2004, 3, 2));
    page->monthView()->setDate(QDate(2004, 3, 20));
    const QColor red(255, 53, 22);
    QCOMPARE(cellColour(QDate(2004, 3, 2)) == red, false);

    Modal::run<OvelaPreferencesDialog>(
        [](OvelaPreferencesDialog *d) {
            QVERIFY(d->recordedLengthLabel()->text().contains(QStringLiteral("30 days")));
            QVERIFY(d->recordedLengthLabel()->text().contains(QStringLiteral("25 days")));
            d->predictFromRecordBox()->setChecked(true);
        },
        true);
    page->onPreferences();
    QVERIFY(prefs->getPredictFromRecord());
    QCOMPARE(cal->getCycleLength(), 30);
    QCOMPARE(cellColour(QDate(2004, 3, 2)), red);
    QCOMPARE(cellColour(QDate(2004, 3, 31)) == red, false);
    page->monthView()->setDate(QDate(2004, 4, 1));
    QCOMPARE(cellColour(QDate(2004, 4, 1)), red); // 30 days on

    // Kept up to date as she records: a new period on the 3rd of April counts from there.
    cal->addEntry(QDate(2004, 4, 3)).setCervicalFluid(3);
    page->monthView()->redraw();
    QCOMPARE(cellColour(QDate(2004, 4, 3)), red);
    QCOMPARE(cellColour(QDate(2004, 4, 1)) == red, false);
    // A start she sets after the last recorded one counts from there.
    page->monthView()->setDate(QDate(2004, 4, 20));
    page->onStartCycleDate();
    QCOMPARE(cellColour(QDate(2004, 4, 20)), red);

    // Off: the typed length and start again.
    prefs->setPredictFromRecord(false);
    page->copyPeriodLengths();
    page->monthView()->redraw();
    QCOMPARE(cal->getCycleLength(), 25);
    QCOMPARE(cal->calendarStart(), cal->getStartCycleDate());
}

OVELA_TEST_GUI_MAIN(TstCentralWidget)
#include "tst_central_widget.moc"
