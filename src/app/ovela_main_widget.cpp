#include "app/ovela_main_widget.h"

#include "settings/Preferences.h"
#include "calendar/ovela_central_widget.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "app/ovela_outside_changes.h"
#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/About.h"
#include "platform/messagebox.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "platform/resource.h"
#include "settings/ovela_journal_location.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>

#include <cstdio>

namespace {

// Stack ids of the pages, which are also the settings' last view ids.
enum PageId { CalendarPage = 0, ChartPage = 1, HistoryPage = 2 };

bool quitRequested()
{
    const QPEApplication *app = QPEApplication::instance();
    return app && app->quitRequested();
}

} // namespace

OvelaMainWindow::OvelaMainWindow(Preferences &preferences, QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , settings(preferences)
{
    // Before any widget of the window (and the pass-code dialog) is made and polished.
    QPEToolBar::prepareStyle();
    setWindowTitle(tr("Quorin"));
    databaseOpen = false;

    // Before the pass code: a second copy has nothing to ask for.
    if (!lockDiary()) {
        state = StartState::AlreadyOpen;
        return;
    }
    if (!authenticate(settings)) {
        state = quitRequested() ? StartState::QuitRequested : StartState::WrongPassCode;
        journalFile.reset();
        return;
    }

    calculator = new OvelaCalendar(settings);
    journalSaver = new OvelaJournalSaver(*journalFile, *calculator, this);
    connect(calculator, &OvelaDatabase::journalChanged, journalSaver,
            &OvelaJournalSaver::markChanged);
    connect(journalSaver, &OvelaJournalSaver::saveFailed, this,
            &OvelaMainWindow::showSaveFailure);
    // Others may write the journal too (a sync program, the companion): never over them.
    journalFile->guardUnseen(true);
    backups = std::make_unique<OvelaJournalBackups>(ovelaBackupsPath());
    outside = new OvelaOutsideChanges(*journalFile, *calculator, *journalSaver, *backups, this);

    widgetStack = new QStackedWidget(this);
    setCentralWidget(widgetStack);
    createPages();

    toolBar = new QPEToolBar(this);
    auto *menuBar = new QPEMenuBar(toolBar);
    viewMenu = new QMenu(tr("View"), this);
    toolsMenu = new QMenu(tr("Tools"), this);
    createActions();
    menuBar->addMenu(viewMenu);
    menuBar->addMenu(toolsMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);
    // After the tool bar, so that the warning takes a row of its own below the commands.
    createSaveWarning();
    createNotice();

    OvelaDatabase loaded;
    const OvelaJournalFile::LoadResult loadResult = journalFile->load(loaded);
    calculator->takeOver(loaded);
    openDatabase(loadResult);
    outside->start();
    if (!foreignLock.isEmpty())
        showNotice(foreignLock);

    raiseLastWidget();
    if (calculator->containsEntry(QDate::currentDate()))
        onUpdateEdit(true);

    if (lockUnavailable) {
        const QString folder = QFileInfo(journalFile->path()).absolutePath();
        showSaveFailure(tr("The folder %1 cannot be written to.").arg(folder));
        showCritical(tr("The diary's folder\n%1\ncannot be written to.\n"
                        "Entries made now cannot be saved.")
                         .arg(folder));
    }
}

void OvelaMainWindow::createSaveWarning()
{
    // A bar of its own under the tool bar, where it cannot be missed; hidden while saving works.
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("saveWarningBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    // It shows itself when a save fails; the user must not be able to hide it.
    bar->toggleViewAction()->setVisible(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    saveWarningBar = new QFrame(bar);
    saveWarningBar->setObjectName(QStringLiteral("saveWarning"));
    saveWarningBar->setFrameShape(QFrame::StyledPanel);
    saveWarningBar->setAutoFillBackground(true);
    // Its own colours, readable under a light or a dark desktop palette alike.
    QPalette warning = saveWarningBar->palette();
    warning.setColor(QPalette::Window, QColor(0xfd, 0xe2, 0xe1));
    warning.setColor(QPalette::WindowText, QColor(0x5c, 0x00, 0x00));
    saveWarningBar->setPalette(warning);
    auto *layout = new QHBoxLayout(saveWarningBar);
    saveWarningText = new QLabel(saveWarningBar);
    saveWarningText->setObjectName(QStringLiteral("saveWarningText"));
    saveWarningText->setWordWrap(true);
    saveWarningText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(saveWarningText, 1);
    auto *retry = new QPushButton(tr("Retry"), saveWarningBar);
    retry->setObjectName(QStringLiteral("retryButton"));
    layout->addWidget(retry, 0, Qt::AlignVCenter);
    connect(retry, &QPushButton::clicked, this, [this] {
        // A retry with nothing new to write still proves the folder works again.
        if (!journalSaver->isPending())
            journalSaver->markChanged();
        journalSaver->saveNow();
    });
    saveWarningBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(saveWarningBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, bar);
    bar->hide();
    connect(journalSaver, &OvelaJournalSaver::saved, bar, &QWidget::hide);
}

void OvelaMainWindow::showSaveFailure(const QString &reason)
{
    if (!saveWarningBar)
        return;
    saveWarningText->setText(tr("Your entries are not saved. The diary %1 could not be written: "
                                "%2")
                                 .arg(journalFile->path(), reason));
    saveWarningBar->parentWidget()->show();
}

void OvelaMainWindow::createNotice()
{
    // Like the save warning, a row of its own, but calm: it tells, it does not alarm. It takes
    // no room from the calendar until it has something to say.
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("noticeBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    noticeFrame = new QFrame(bar);
    noticeFrame->setObjectName(QStringLiteral("notice"));
    noticeFrame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(noticeFrame);
    noticeText = new QLabel(noticeFrame);
    noticeText->setObjectName(QStringLiteral("noticeText"));
    noticeText->setWordWrap(true);
    noticeText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(noticeText, 1);
    chooseButton = new QPushButton(tr("Choose..."), noticeFrame);
    chooseButton->setObjectName(QStringLiteral("chooseButton"));
    chooseButton->setAccessibleName(tr("Choose between the versions of the days that differ"));
    layout->addWidget(chooseButton, 0, Qt::AlignVCenter);
    mergeCopyButton = new QPushButton(tr("Merge"), noticeFrame);
    mergeCopyButton->setObjectName(QStringLiteral("mergeCopyButton"));
    mergeCopyButton->setAccessibleName(tr("Merge the conflict copy into the diary"));
    layout->addWidget(mergeCopyButton, 0, Qt::AlignVCenter);
    auto *dismiss = new QPushButton(tr("OK"), noticeFrame);
    dismiss->setObjectName(QStringLiteral("dismissNoticeButton"));
    layout->addWidget(dismiss, 0, Qt::AlignVCenter);
    noticeFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(noticeFrame);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, bar);
    bar->hide();
    connect(dismiss, &QPushButton::clicked, bar, &QWidget::hide);
    connect(chooseButton, &QPushButton::clicked, this, &OvelaMainWindow::chooseConflicts);
    connect(mergeCopyButton, &QPushButton::clicked, this, [this] {
        const QStringList copies = outside->conflictCopies();
        if (!copies.isEmpty() && outside->mergeConflictCopy(copies.first()))
            journalSaver->saveNow();
    });
    connect(outside, &OvelaOutsideChanges::message, this, &OvelaMainWindow::showNotice);
    connect(outside, &OvelaOutsideChanges::conflictsChanged, this,
            &OvelaMainWindow::updateNoticeButtons);
    connect(outside, &OvelaOutsideChanges::conflictCopiesChanged, this, [this] {
        const QStringList copies = outside->conflictCopies();
        if (!copies.isEmpty())
            showNotice(tr("A sync program left a conflict copy of the journal: %1. Merge it to "
                          "bring its days in; it is then kept with the backups.")
                           .arg(QFileInfo(copies.first()).fileName()));
        updateNoticeButtons();
    });
    connect(outside, &OvelaOutsideChanges::backupFailed, this, [this](const QString &reason) {
        showSaveFailure(tr("a backup could not be made (%1); it is tried again at the next "
                           "save").arg(reason));
    });
}

void OvelaMainWindow::showNotice(const QString &text)
{
    noticeText->setText(text);
    updateNoticeButtons();
    noticeFrame->parentWidget()->show();
}

void OvelaMainWindow::updateNoticeButtons()
{
    const bool conflicts = !outside->pendingConflicts().isEmpty() || outside->startConflictPending();
    chooseButton->setVisible(conflicts);
    mergeCopyButton->setVisible(!outside->conflictCopies().isEmpty());
    if (conflicts && noticeFrame->parentWidget()->isHidden())
        showNotice(tr("Some days differ between this diary and another copy of it. They keep "
                      "your version until you choose."));
}

void OvelaMainWindow::chooseConflicts()
{
}

void OvelaMainWindow::restoreBackup()
{
}

void OvelaMainWindow::createPages()
{
    calendarWidget = new OvelaCentralWidget(calculator, settings, this);
    widgetStack->insertWidget(CalendarPage, calendarWidget);
    connect(calendarWidget, &OvelaCentralWidget::updateEdit, this, &OvelaMainWindow::onUpdateEdit);
    // Most sessions start on the calendar and many never leave it: the other two pages hold
    // their places in the stack with empty widgets until they are first needed.
    widgetStack->insertWidget(ChartPage, new QWidget(widgetStack));
    widgetStack->insertWidget(HistoryPage, new QWidget(widgetStack));
}

void OvelaMainWindow::ensurePage(int id) const
{
    QWidget *page = nullptr;
    if (id == ChartPage && !tempChartWidget)
        page = tempChartWidget = new OvelaTempChartWidget(calculator, settings, widgetStack);
    else if (id == HistoryPage && !tempHistoryWidget)
        page = tempHistoryWidget = new OvelaTempHistoryWidget(calculator, settings, widgetStack);
    if (!page)
        return;
    QWidget *placeholder = widgetStack->widget(id);
    widgetStack->insertWidget(id, page);
    widgetStack->removeWidget(placeholder);
    delete placeholder;
}

OvelaTempChartWidget *OvelaMainWindow::chartPage() const
{
    if (widgetStack)
        ensurePage(ChartPage);
    return tempChartWidget;
}

OvelaTempHistoryWidget *OvelaMainWindow::historyPage() const
{
    if (widgetStack)
        ensurePage(HistoryPage);
    return tempHistoryWidget;
}

QStackedWidget *OvelaMainWindow::pageStack() const
{
    if (widgetStack) {
        ensurePage(ChartPage);
        ensurePage(HistoryPage);
    }
    return widgetStack;
}

void OvelaMainWindow::createActions()
{
    // Each action goes into its menu before its tool bar button; the menu bar (placed in the
    // tool bar when it was made) heads the buttons.
    auto make = [this](const QString &text, const char *icon, bool toggle) {
        auto *action = new QAction(text, this);
        if (icon)
            action->setIcon(QIcon(Resource::loadPixmap(QLatin1String(icon))));
        action->setCheckable(toggle);
        return action;
    };

    calendarAction = make(tr("Calendar"), "ovelaZ/calendar-view", true);
    connect(calendarAction, &QAction::triggered, this, &OvelaMainWindow::raiseCalendar);
    viewMenu->addAction(calendarAction);
    toolBar->addAction(calendarAction);
    viewMenu->addSeparator();

    tempChartAction = make(tr("Temperature chart"), "ovelaZ/chart-view", true);
    connect(tempChartAction, &QAction::triggered, this, &OvelaMainWindow::raiseTempChart);
    viewMenu->addAction(tempChartAction);
    toolBar->addAction(tempChartAction);

    tempHistoryAction = make(tr("Temperature history"), "ovelaZ/history-view", true);
    connect(tempHistoryAction, &QAction::triggered, this, &OvelaMainWindow::raiseTempHistory);
    viewMenu->addAction(tempHistoryAction);
    toolBar->addAction(tempHistoryAction);

    gotoTodayAction = make(tr("Goto Today"), "ovelaZ/gototoday", false);
    connect(gotoTodayAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onGotoToday);
    toolsMenu->addAction(gotoTodayAction);
    toolBar->addAction(gotoTodayAction);

    clearDatabaseAction = make(tr("Clear Database"), nullptr, false);
    connect(clearDatabaseAction, &QAction::triggered, this, &OvelaMainWindow::onClearDatabase);
    toolsMenu->addAction(clearDatabaseAction);

    restoreAction = make(tr("Restore from a backup..."), nullptr, false);
    restoreAction->setObjectName(QStringLiteral("restoreAction"));
    connect(restoreAction, &QAction::triggered, this, &OvelaMainWindow::restoreBackup);
    toolsMenu->addAction(restoreAction);

    preferencesAction = make(tr("Preferences ..."), "ovelaZ/preferences", false);
    connect(preferencesAction, &QAction::triggered, calendarWidget,
            &OvelaCentralWidget::onPreferences);
    toolsMenu->addAction(preferencesAction);
    toolsMenu->addSeparator();

    aboutAction = make(tr("About ..."), nullptr, false);
    connect(aboutAction, &QAction::triggered, this, &OvelaMainWindow::onAbout);
    toolsMenu->addAction(aboutAction);

    editAction = make(tr("Edit"), "ovelaZ/pencil", false);
    connect(editAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onEdit);
    toolBar->addAction(editAction);

    deleteAction = make(tr("Delete"), "trash", false);
    connect(deleteAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onDelete);
    toolBar->addAction(deleteAction);

    startCycleAction = make(tr("Set Start Cycle Date"), "ovelaZ/startcycle", false);
    connect(startCycleAction, &QAction::triggered, calendarWidget,
            &OvelaCentralWidget::onStartCycleDate);
    toolBar->addAction(startCycleAction);

    deleteAction->setEnabled(false);

    // What a tool tip and a screen reader say of each command, beside its name.
    const QPair<QAction *, QString> tips[] = {
        {calendarAction, tr("Show the month calendar")},
        {tempChartAction, tr("Show the month's temperatures as a chart")},
        {tempHistoryAction, tr("List the month's temperatures")},
        {gotoTodayAction, tr("Go to today in the calendar")},
        {clearDatabaseAction, tr("Delete every day of the diary")},
        {restoreAction, tr("Go back to the journal as a backup holds it")},
        {preferencesAction, tr("Cycle lengths, goal, temperature scale and pass code")},
        {aboutAction, tr("About this program")},
        {editAction, tr("Record the selected day")},
        {deleteAction, tr("Delete what the selected day holds")},
        {startCycleAction, tr("The selected day is the first day of the current cycle")},
    };
    for (const auto &[action, tip] : tips)
        action->setToolTip(tip);
}

void OvelaMainWindow::raiseLastWidget()
{
    switch (settings.getLastViewId()) {
    case ChartPage:
        raiseTempChart();
        break;
    case HistoryPage:
        raiseTempHistory();
        break;
    default:
        raiseCalendar();
        break;
    }
}

void OvelaMainWindow::showPage(int id)
{
    ensurePage(id);
    widgetStack->setCurrentIndex(id);
    // Exactly one view action is on, also when the user taps the one already on.
    calendarAction->setChecked(id == CalendarPage);
    tempChartAction->setChecked(id == ChartPage);
    tempHistoryAction->setChecked(id == HistoryPage);
    // Going to today and editing act on the month shown on the calendar page only.
    gotoTodayAction->setEnabled(id == CalendarPage);
    editAction->setEnabled(id == CalendarPage);
    settings.setLastViewId(id);
}

void OvelaMainWindow::raiseCalendar()
{
    showPage(CalendarPage);
}

void OvelaMainWindow::raiseTempChart()
{
    showPage(ChartPage);
}

void OvelaMainWindow::raiseTempHistory()
{
    showPage(HistoryPage);
}

void OvelaMainWindow::onUpdateEdit(bool hasEntry)
{
    deleteAction->setEnabled(hasEntry);
}

void OvelaMainWindow::onClearDatabase()
{
    // "No" answers Enter and Escape: one key must not empty the whole diary.
    if (MessageBox::warningYesNo(this, tr("Quorin"),
                                 tr("Are you sure, you want \nto delete all data \n from your diary?"),
                                 1)
        == 0)
        calculator->clear();
}

void OvelaMainWindow::onAbout()
{
    AboutDialog dialog(this, "AboutDialog", true);
    QPEApplication::execDialog(&dialog);
}

OvelaMainWindow::~OvelaMainWindow()
{
    closeDatabase();
    // Before the journal file and the journal go: it waits for a save still running on them.
    delete journalSaver;
    delete calculator;
}

bool OvelaMainWindow::lockDiary()
{
    journalFile = std::make_unique<OvelaJournalFile>(ovelaJournalPath());
    const OvelaJournalFile::LockResult locked = journalFile->lock();
    lockUnavailable = locked == OvelaJournalFile::LockResult::Unavailable;
    if (locked == OvelaJournalFile::LockResult::HeldOnAnotherComputer) {
        // Not checkable from here, and perhaps left by a crash there: she is not locked out;
        // what that computer saves is brought in here when it arrives.
        foreignLock = tr("The diary may also be open on the computer \"%1\" (since %2). What "
                         "is saved there is brought in here when it arrives.")
                          .arg(journalFile->lockHost(),
                               QLocale().toString(journalFile->lockedSince(), QLocale::ShortFormat));
        std::fprintf(stderr, "ovelaZ: the journal is locked by the computer %s; opening it "
                             "anyway\n", qPrintable(journalFile->lockHost()));
        return true;
    }
    if (locked != OvelaJournalFile::LockResult::HeldElsewhere)
        return true;
    // Each copy would write its own journal at exit and the last one would silently drop
    // what the other recorded.
    fprintf(stderr, "ovelaZ: the diary is already open (process %lld holds %s)\n",
            static_cast<long long>(journalFile->lockOwner()), qPrintable(journalFile->lockPath()));
    journalFile.reset();
    showCritical(tr("The diary is already open in another window.\nThis one will now close."));
    return false;
}

bool OvelaMainWindow::authenticate(const Preferences &preferences)
{
    if (!preferences.getRequirePassword())
        return true;
    const QString &stored = preferences.getPassword();
    if (stored.isEmpty())
        return true;
    const QString answer = Password::getPassword(tr("Enter password code:"));
    if (answer != stored) {
        // A quit that ended the entry is not a wrong answer.
        if (!quitRequested())
            QMessageBox::critical(nullptr, tr("Quorin"),
                                  tr("Invalid password code. Application \nwill now exit"));
        return false;
    }
    return true;
}

void OvelaMainWindow::openDatabase(OvelaJournalFile::LoadResult result)
{
    // Set whatever the file holds: what changes from now on is saved.
    databaseOpen = true;
    switch (result) {
    case OvelaJournalFile::LoadResult::Loaded:
    case OvelaJournalFile::LoadResult::Missing:
        break;
    case OvelaJournalFile::LoadResult::MovedAside:
        showCritical(tr("The diary file could not be read.\nIt was kept as\n%1\n"
                        "and a new, empty diary was started.")
                         .arg(journalFile->movedAsidePath()));
        break;
    case OvelaJournalFile::LoadResult::Unreadable:
        showCritical(tr("The diary file\n%1\ncould not be read and is left as it is.\n"
                        "Entries made now will not be saved.")
                         .arg(journalFile->path()));
        break;
    }
}

bool OvelaMainWindow::closeDatabase()
{
    if (!databaseOpen)
        return true;
    databaseOpen = false;
    if (discardUnsaved)
        return true;
    outside->bringInBeforeExit();
    if (journalSaver->finish())
        return true;
    std::fprintf(stderr,
                 "ovelaZ: the changes made since the journal was last saved are lost "
                 "(%s could not be written)\n",
                 qPrintable(journalFile->path()));
    return false;
}

void OvelaMainWindow::closeEvent(QCloseEvent *event)
{
    if (databaseOpen && !discardUnsaved)
        outside->bringInBeforeExit();
    if (!databaseOpen || discardUnsaved || journalSaver->finish()) {
        QMainWindow::closeEvent(event);
        return;
    }
    // The last save failed: the user decides what happens to what is only in memory.
    for (;;) {
        QMessageBox box(QMessageBox::Warning, tr("Quorin"),
                        tr("Your latest entries could not be saved to\n%1\n%2")
                            .arg(journalFile->path(), journalSaver->lastError()),
                        QMessageBox::NoButton, this);
        QPushButton *retry = box.addButton(tr("Retry"), QMessageBox::AcceptRole);
        QPushButton *copy = box.addButton(tr("Save a copy as..."), QMessageBox::ActionRole);
        QPushButton *discard = box.addButton(tr("Close without saving"),
                                             QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        retry->setObjectName(QStringLiteral("retryButton"));
        copy->setObjectName(QStringLiteral("saveCopyButton"));
        discard->setObjectName(QStringLiteral("discardButton"));
        box.setDefaultButton(retry);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == retry) {
            journalSaver->markChanged();
            if (!journalSaver->finish())
                continue;
        } else if (box.clickedButton() == copy) {
            if (!saveCopyAs())
                continue;
            discardUnsaved = true;
        } else if (box.clickedButton() == discard) {
            discardUnsaved = true;
        } else {
            event->ignore();
            return;
        }
        QMainWindow::closeEvent(event);
        return;
    }
}

bool OvelaMainWindow::saveCopyAs()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save a copy as"), QDir::homePath() + QLatin1String("/journal-copy.ovd"),
        tr("Diary files (*.ovd)"));
    if (path.isEmpty())
        return false;
    OvelaJournalFile copy(path);
    if (copy.save(*calculator))
        return true;
    QMessageBox::critical(this, tr("Quorin"),
                          tr("The copy could not be saved to\n%1\n%2").arg(path, copy.errorString()));
    return false;
}

void OvelaMainWindow::showCritical(const QString &text)
{
    if (quitRequested())
        return;
    QMessageBox::critical(nullptr, tr("Quorin"), text);
}
