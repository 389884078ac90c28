#include "app/ovela_main_widget.h"

#include "settings/Preferences.h"
#include "calendar/ovela_central_widget.h"
#include "calendar/ovela_datebookmonth.h"
#include "charts/ovela_cycles_widget.h"
#include "charts/ovela_tempchart_widget.h"
#include "charts/ovela_temphistory_widget.h"
#include "app/ovela_outside_changes.h"
#include "app/ovela_window_sealing.h"
#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_saver.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/About.h"
#include "dialogs/OvelaConflictDialog.h"
#include "dialogs/OvelaLegendDialog.h"
#include "dialogs/OvelaPassphraseDialogs.h"
#include "dialogs/OvelaRestoreDialog.h"
#include "platform/messagebox.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "platform/resource.h"
#include "settings/ovela_journal_location.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

namespace {

// Stack ids of the pages, which are also the settings' last view ids.
enum PageId { CalendarPage = 0, ChartPage = 1, HistoryPage = 2, CyclesPage = 3 };

// The window whose journal is written if the program ends through exit() without returning
// from its event loop, as Qt's X11 plugin ends it when the connection to the display is lost
// (a logout, a crashed compositor).
OvelaMainWindow *windowToSaveAtExit = nullptr;

void saveAtExit()
{
    if (OvelaMainWindow *window = windowToSaveAtExit) {
        windowToSaveAtExit = nullptr;
        window->saveBeforeExit();
    }
}

bool quitRequested()
{
    const QPEApplication *app = QPEApplication::instance();
    return app && app->quitRequested();
}

// A screen reader reads the save warning as an alert, not as a plain frame.
QAccessibleInterface *saveWarningAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("QFrame")
        || object->objectName() != QLatin1String("saveWarning"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
}

// The buttons of a box one above the other when side by side they would not fit the screen:
// long texts are cut otherwise, and on a phone the choice that loses data and the one that
// keeps it could no longer be told apart.
void stackButtonsOnNarrowScreen(QMessageBox &box)
{
    const QScreen *screen = box.screen();
    auto *buttons = box.findChild<QDialogButtonBox *>();
    if (!screen || !buttons)
        return;
    if (box.sizeHint().width() > screen->availableGeometry().width() * 9 / 10)
        buttons->setOrientation(Qt::Vertical);
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
    const bool sealed = OvelaJournalSeal::isSealedFile(journalFile->path());
    if (sealed ? !unlockJournal() : !authenticate(settings)) {
        if (state == StartState::Ready)
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
    backups->setSeal(journalFile->seal());
    outside = new OvelaOutsideChanges(*journalFile, *calculator, *journalSaver, *backups, this);
    new OvelaWindowSealing(*journalFile, *journalSaver, *backups, this);

    widgetStack = new QStackedWidget(this);
    setCentralWidget(widgetStack);
    createPages();

    toolBar = new QPEToolBar(this);
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setWindowTitle(tr("Commands"));
    toolBar->setAccessibleName(tr("Commands"));
    mainMenuBar = new QPEMenuBar(toolBar);
    mainMenuBar->setObjectName(QStringLiteral("mainMenuBar"));
    mainMenuBar->setAccessibleName(tr("Menu"));
    viewMenu = new QMenu(tr("&View"), this);
    toolsMenu = new QMenu(tr("&Tools"), this);
    dayMenu = new QMenu(tr("&Day"), this);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    toolsMenu->setObjectName(QStringLiteral("toolsMenu"));
    dayMenu->setObjectName(QStringLiteral("dayMenu"));
    createActions();
    mainMenuBar->addMenu(viewMenu);
    mainMenuBar->addMenu(toolsMenu);
    mainMenuBar->addMenu(dayMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);
    // Every tool bar command can be reached with Tab as well as through the menus.
    for (QToolButton *button : toolBar->findChildren<QToolButton *>()) {
        if (button->defaultAction() && !button->defaultAction()->menu())
            button->setFocusPolicy(Qt::TabFocus);
    }
    // Along the bottom edge, below the pages (see createSaveWarning).
    createSaveWarning();
    createNotice();
    // The tool bars' own button for the commands that do not fit, named for a screen reader.
    for (QToolButton *more : findChildren<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));

    OvelaDatabase loaded;
    const OvelaJournalFile::LoadResult loadResult = journalFile->load(loaded);
    calculator->takeOver(loaded);
    openDatabase(loadResult);
    outside->start();
    if (!foreignLock.isEmpty())
        showNotice(foreignLock);
    static const bool registered = std::atexit(saveAtExit) == 0;
    if (registered)
        windowToSaveAtExit = this;

    raiseLastWidget();
    if (calculator->containsEntry(QDate::currentDate()))
        onUpdateEdit(true);
    // Any command but the one it undoes ends the Undo after "Set Start Cycle Date".
    for (QAction *action : findChildren<QAction *>()) {
        if (action != startCycleAction)
            connect(action, &QAction::triggered, calendarWidget, &OvelaCentralWidget::dismissUndo);
    }
    calendarWidget->suggestPredictingFromRecord();

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
    // A bar of its own along the bottom edge, hidden while saving works. Below the pages
    // rather than above them: shown, it must not push the calendar down under her finger.
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(saveWarningAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("saveWarningBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    // It shows itself when a save fails; the user must not be able to hide it.
    bar->toggleViewAction()->setVisible(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setWindowTitle(tr("Save warning"));
    saveWarningBar = new QFrame(bar);
    saveWarningBar->setObjectName(QStringLiteral("saveWarning"));
    saveWarningBar->setAccessibleName(tr("Your entries are not saved"));
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
    retry->setAccessibleDescription(tr("Try to save the diary again"));
    saveWarningBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(saveWarningBar);
    addToolBar(Qt::BottomToolBarArea, bar);
    bar->hide();
    connect(journalSaver, &OvelaJournalSaver::saved, bar, &QWidget::hide);
}

void OvelaMainWindow::showSaveFailure(const QString &reason)
{
    if (!saveWarningBar || leaving)
        return;
    saveWarningText->setText(tr("Your entries are not saved. The diary %1 could not be written: "
                                "%2")
                                 .arg(journalFile->path(), reason));
    saveWarningBar->setAccessibleDescription(saveWarningText->text());
    const bool wasShown = !saveWarningBar->parentWidget()->isHidden();
    saveWarningBar->parentWidget()->show();
    // Announced once when it appears, not again with each retry that fails.
    if (!wasShown) {
        QAccessibleEvent alert(saveWarningBar, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void OvelaMainWindow::createNotice()
{
    // Like the save warning, a row of its own below the calendar, so that the calendar does not
    // move under her finger when it appears; but calm: it tells, it does not alarm.
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
    addToolBar(Qt::BottomToolBarArea, bar);
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
    if (leaving)
        return;
    noticeText->setText(text);
    noticeFrame->parentWidget()->show();
    updateNoticeButtons();
}

void OvelaMainWindow::updateNoticeButtons()
{
    const bool conflicts = !outside->pendingConflicts().isEmpty() || outside->startConflictPending();
    chooseButton->setVisible(conflicts);
    mergeCopyButton->setVisible(!outside->conflictCopies().isEmpty());
    // A choice waiting is never out of sight, even after its message was put away.
    if (conflicts && noticeFrame->parentWidget()->isHidden())
        showNotice(tr("Some days differ between this diary and another copy of it. They keep "
                      "your version until you choose."));
}

void OvelaMainWindow::chooseConflicts()
{
    OvelaConflictDialog dialog(outside->pendingConflicts(), outside->startConflictPending(),
                               calculator->getStartCycleDate(), outside->otherStart(), settings,
                               tr("another copy of the journal"), this);
    QPEApplication::execDialog(&dialog);
    // Close keeps what she chose so far; the rest waits, still hers.
    outside->resolve(dialog.takenFromOther(), dialog.keptMine(),
                     dialog.startTakenFromOther() || dialog.startKept(),
                     dialog.startTakenFromOther());
    if (outside->pendingConflicts().isEmpty() && !outside->startConflictPending())
        noticeFrame->parentWidget()->hide();
}

void OvelaMainWindow::restoreBackup()
{
    OvelaRestoreDialog dialog(*backups, this, journalFile->seal());
    if (QPEApplication::execDialog(&dialog) != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    OvelaDatabase restored;
    OvelaJournalFile chosen(dialog.chosenPath());
    chosen.setSeal(journalFile->seal());
    if (chosen.read(restored) != OvelaJournalFile::LoadResult::Loaded) {
        showCritical(tr("The backup\n%1\ncould not be read.").arg(dialog.chosenPath()));
        return;
    }
    // What she had a moment ago stays within reach: restoring is undone by restoring that.
    const QString kept = backups->keep(journalFile->realPath(), OvelaJournalBackups::Kind::Restore);
    if (kept.isEmpty() && !backups->errorString().isEmpty()) {
        showCritical(tr("The journal as it is could not be kept as a backup, so nothing was "
                        "restored:\n%1").arg(backups->errorString()));
        return;
    }
    calculator->takeOver(restored);
    journalSaver->markChanged();
    journalSaver->saveNow();
    showNotice(tr("The backup of %1 is restored; the journal as it was is kept as a backup.")
                   .arg(QLocale().toString(QFileInfo(dialog.chosenPath()).lastModified(),
                                           QLocale::ShortFormat)));
}

void OvelaMainWindow::createPages()
{
    calendarWidget = new OvelaCentralWidget(calculator, settings, this);
    widgetStack->insertWidget(CalendarPage, calendarWidget);
    connect(calendarWidget, &OvelaCentralWidget::updateEdit, this, &OvelaMainWindow::onUpdateEdit);
    // Most sessions start on the calendar and many never leave it: the other pages hold
    // their places in the stack with empty widgets until they are first needed.
    widgetStack->insertWidget(ChartPage, new QWidget(widgetStack));
    widgetStack->insertWidget(HistoryPage, new QWidget(widgetStack));
    widgetStack->insertWidget(CyclesPage, new QWidget(widgetStack));
}

void OvelaMainWindow::ensurePage(int id) const
{
    QWidget *page = nullptr;
    if (id == ChartPage && !tempChartWidget)
        page = tempChartWidget = new OvelaTempChartWidget(calculator, settings, widgetStack);
    else if (id == HistoryPage && !tempHistoryWidget)
        page = tempHistoryWidget = new OvelaTempHistoryWidget(calculator, settings, widgetStack);
    else if (id == CyclesPage && !cyclesWidget)
        page = cyclesWidget = new OvelaCyclesWidget(calculator, settings, widgetStack);
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

OvelaCyclesWidget *OvelaMainWindow::cyclesPage() const
{
    if (widgetStack)
        ensurePage(CyclesPage);
    return cyclesWidget;
}

QStackedWidget *OvelaMainWindow::pageStack() const
{
    if (widgetStack) {
        ensurePage(ChartPage);
        ensurePage(HistoryPage);
        ensurePage(CyclesPage);
    }
    return widgetStack;
}

void OvelaMainWindow::createActions()
{
    // Each action goes into its menu before its tool bar button; the menu bar (placed in the
    // tool bar when it was made) heads the buttons. Every command has a menu entry with a
    // mnemonic, and those used often a shortcut of their own.
    auto make = [this](const QString &text, const char *icon, bool toggle, const char *name) {
        auto *action = new QAction(text, this);
        if (icon)
            action->setIcon(QIcon(Resource::loadPixmap(QLatin1String(icon))));
        action->setCheckable(toggle);
        action->setObjectName(QLatin1String(name));
        // The tool bar shows the command's name without its mnemonic.
        action->setIconText(QString(text).remove(QLatin1Char('&')));
        return action;
    };
    // The desktop's own key where it has one, else ours.
    auto keys = [](QKeySequence::StandardKey standard, const QKeySequence &fallback) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(standard);
        if (sequences.isEmpty())
            sequences << fallback;
        return sequences;
    };

    calendarAction = make(tr("&Calendar"), "ovelaZ/calendar-view", true, "calendarAction");
    calendarAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    connect(calendarAction, &QAction::triggered, this, &OvelaMainWindow::raiseCalendar);
    viewMenu->addAction(calendarAction);
    toolBar->addAction(calendarAction);
    viewMenu->addSeparator();

    tempChartAction = make(tr("&Temperature chart"), "ovelaZ/chart-view", true, "tempChartAction");
    tempChartAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    connect(tempChartAction, &QAction::triggered, this, &OvelaMainWindow::raiseTempChart);
    viewMenu->addAction(tempChartAction);
    toolBar->addAction(tempChartAction);

    tempHistoryAction =
        make(tr("Temperature &history"), "ovelaZ/history-view", true, "tempHistoryAction");
    tempHistoryAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(tempHistoryAction, &QAction::triggered, this, &OvelaMainWindow::raiseTempHistory);
    viewMenu->addAction(tempHistoryAction);
    toolBar->addAction(tempHistoryAction);

    cyclesAction = make(tr("C&ycles"), "ovelaZ/cycles-view", true, "cyclesAction");
    cyclesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    connect(cyclesAction, &QAction::triggered, this, &OvelaMainWindow::raiseCycles);
    viewMenu->addAction(cyclesAction);
    toolBar->addAction(cyclesAction);
    viewMenu->addSeparator();

    // The month shown on the page in view, whichever page it is.
    previousMonthAction = make(tr("&Previous Month"), nullptr, false, "previousMonthAction");
    previousMonthAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(previousMonthAction, &QAction::triggered, this, [this] { stepMonth(-1); });
    viewMenu->addAction(previousMonthAction);
    nextMonthAction = make(tr("&Next Month"), nullptr, false, "nextMonthAction");
    nextMonthAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(nextMonthAction, &QAction::triggered, this, [this] { stepMonth(1); });
    viewMenu->addAction(nextMonthAction);
    viewMenu->addSeparator();
    legendAction = make(tr("Calendar &Legend"), nullptr, false, "legendAction");
    legendAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(legendAction, &QAction::triggered, this, &OvelaMainWindow::showLegend);
    viewMenu->addAction(legendAction);

    gotoTodayAction = make(tr("&Goto Today"), "ovelaZ/gototoday", false, "gotoTodayAction");
    gotoTodayAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(gotoTodayAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onGotoToday);
    toolsMenu->addAction(gotoTodayAction);
    toolBar->addAction(gotoTodayAction);

    clearDatabaseAction = make(tr("C&lear Database"), nullptr, false, "clearDatabaseAction");
    connect(clearDatabaseAction, &QAction::triggered, this, &OvelaMainWindow::onClearDatabase);
    toolsMenu->addAction(clearDatabaseAction);

    restoreAction = make(tr("&Restore from a backup..."), nullptr, false, "restoreAction");
    connect(restoreAction, &QAction::triggered, this, &OvelaMainWindow::restoreBackup);
    toolsMenu->addAction(restoreAction);

    preferencesAction =
        make(tr("&Preferences ..."), "ovelaZ/preferences", false, "preferencesAction");
    preferencesAction->setShortcuts(
        keys(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    preferencesAction->setMenuRole(QAction::PreferencesRole);
    connect(preferencesAction, &QAction::triggered, calendarWidget,
            &OvelaCentralWidget::onPreferences);
    toolsMenu->addAction(preferencesAction);
    toolsMenu->addSeparator();

    aboutAction = make(tr("&About ..."), nullptr, false, "aboutAction");
    // The program's only help is its About box.
    aboutAction->setShortcuts(keys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)));
    connect(aboutAction, &QAction::triggered, this, &OvelaMainWindow::onAbout);
    toolsMenu->addAction(aboutAction);
    toolsMenu->addSeparator();

    quitAction = make(tr("&Quit"), nullptr, false, "quitAction");
    quitAction->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    quitAction->setMenuRole(QAction::QuitRole);
    // Through the window's close, which asks first when the last save failed.
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    toolsMenu->addAction(quitAction);

    editAction = make(tr("&Edit"), "ovelaZ/pencil", false, "editAction");
    editAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(editAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onEdit);
    dayMenu->addAction(editAction);
    toolBar->addAction(editAction);

    deleteAction = make(tr("&Delete"), "trash", false, "deleteAction");
    deleteAction->setShortcut(QKeySequence::Delete);
    // Only while the calendar has the keyboard: elsewhere Delete belongs to the text she edits.
    deleteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    calendarWidget->addAction(deleteAction);
    connect(deleteAction, &QAction::triggered, calendarWidget, &OvelaCentralWidget::onDelete);
    dayMenu->addAction(deleteAction);
    toolBar->addAction(deleteAction);

    startCycleAction =
        make(tr("&Set Start Cycle Date"), "ovelaZ/startcycle", false, "startCycleAction");
    connect(startCycleAction, &QAction::triggered, calendarWidget,
            &OvelaCentralWidget::onStartCycleDate);
    dayMenu->addSeparator();
    dayMenu->addAction(startCycleAction);
    toolBar->addAction(startCycleAction);

    deleteAction->setEnabled(false);

    // F10 opens the first menu, as on other desktops; Alt alone and Alt with a menu's
    // mnemonic reach the menu bar through the style.
    auto *openMenus = new QAction(this);
    openMenus->setObjectName(QStringLiteral("openMenusAction"));
    openMenus->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openMenus, &QAction::triggered, this, [this] {
        mainMenuBar->setFocus(Qt::ShortcutFocusReason);
        mainMenuBar->setActiveAction(viewMenu->menuAction());
    });
    addAction(openMenus);

    // What a tool tip and a screen reader say of each command, beside its name.
    const QPair<QAction *, QString> tips[] = {
        {calendarAction, tr("Show the month calendar")},
        {tempChartAction, tr("Show the month's temperatures as a chart")},
        {tempHistoryAction, tr("List the month's temperatures")},
        {cyclesAction, tr("Your cycles, their statistics and the next period starts")},
        {previousMonthAction, tr("Show the month before")},
        {nextMonthAction, tr("Show the month after")},
        {gotoTodayAction, tr("Go to today in the calendar")},
        {clearDatabaseAction, tr("Delete every day of the diary")},
        {restoreAction, tr("Go back to the journal as a backup holds it")},
        {preferencesAction, tr("Cycle lengths, goal, temperature scale and pass code")},
        {aboutAction, tr("About this program")},
        {quitAction, tr("Close the diary")},
        {editAction, tr("Record the selected day")},
        {deleteAction, tr("Delete what the selected day holds")},
        {startCycleAction, tr("The selected day is the first day of the current cycle")},
        {legendAction, tr("What the calendar's colours and symbols mean")},
    };
    for (const auto &[action, tip] : tips) {
        // The tip names the key too, so the tool bar teaches it.
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        action->setToolTip(key.isEmpty() ? tip : tr("%1 (%2)").arg(tip, key));
    }
}

void OvelaMainWindow::stepMonth(int step)
{
    QWidget *page = widgetStack->currentWidget();
    auto *header = page ? page->findChild<OvelaDateBookMonthHeader *>() : nullptr;
    if (!header)
        return;
    if (step < 0)
        header->monthBack();
    else
        header->monthForward();
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
    case CyclesPage:
        raiseCycles();
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
    cyclesAction->setChecked(id == CyclesPage);
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

void OvelaMainWindow::raiseCycles()
{
    showPage(CyclesPage);
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

void OvelaMainWindow::showLegend()
{
    OvelaLegendDialog dialog(calendarLegend(fontMetrics().height() * 2), this);
    QPEApplication::execDialog(&dialog);
}

void OvelaMainWindow::saveBeforeExit()
{
    // The display is gone: nothing may be shown any more, only written.
    leaving = true;
    closeDatabase();
}

OvelaMainWindow::~OvelaMainWindow()
{
    if (windowToSaveAtExit == this)
        windowToSaveAtExit = nullptr;
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
        // A quit that ended the entry is not a wrong answer, and neither is Cancel: she chose
        // not to open the diary, and the window closes without blaming a code she never gave.
        if (!quitRequested() && !answer.isNull())
            QMessageBox::critical(nullptr, tr("Quorin"),
                                  tr("Invalid password code. Application \nwill now exit"));
        return false;
    }
    return true;
}

bool OvelaMainWindow::unlockJournal()
{
    QFile in(journalFile->path());
    const QByteArray sealed = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    in.close();
    // A header that was changed is said so at once: no passphrase would open it.
    OvelaJournalSeal::Status failure = OvelaJournalSeal::check(sealed);
    std::shared_ptr<const OvelaJournalSeal> seal;
    if (failure == OvelaJournalSeal::Status::Ok)
        seal = OvelaUnlockDialog::unlock(
            nullptr, tr("The diary is encrypted. Enter its passphrase or recovery key:"), sealed,
            &failure);
    if (seal) {
        // All of it must authenticate before anything opens: a file tampered with is said so
        // here, not half read.
        QByteArray gzip;
        const bool whole = seal->unseal(sealed, &gzip, &failure);
        gzip.fill('\0');
        if (whole) {
            journalFile->setSeal(seal);
            return true;
        }
    }
    if (failure == OvelaJournalSeal::Status::Ok)
        return false; // she cancelled
    state = StartState::Unopenable;
    const QString path = QDir::toNativeSeparators(journalFile->path());
    if (failure == OvelaJournalSeal::Status::Damaged)
        showCritical(tr("The diary file\n%1\nis damaged or has been tampered with: it does not "
                        "read back as it was written. Nothing was opened, and the file is left "
                        "as it is.\n\nThe command \"ovela-journal salvage\" keeps what can "
                        "still be read of it.")
                         .arg(path));
    else
        showCritical(tr("The diary file\n%1\ncannot be opened: %2\nIt is left as it is.")
                         .arg(path, OvelaJournalSeal::describe(failure)));
    return false;
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
    case OvelaJournalFile::LoadResult::NeedsSecret:
    case OvelaJournalFile::LoadResult::Damaged:
        // Replaced between the passphrase and the load (a sync program): kept as it is.
        showCritical(tr("The diary file\n%1\nchanged while it was opened and cannot be read "
                        "now: %2\nIt is left as it is; entries made now will not be saved.")
                         .arg(journalFile->path(), journalFile->errorString()));
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
        stackButtonsOnNarrowScreen(box);
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
    // Shown as every dialog of the program is: maximized on a handheld, so that Save is on
    // the screen.
    QFileDialog dialog(this, tr("Save a copy as"),
                       QDir::homePath() + QLatin1String("/journal-copy.ovd"),
                       tr("Diary files (*.ovd)"));
    dialog.setObjectName(QStringLiteral("saveCopyDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ovd"));
    if (QPEApplication::execDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().first();
    OvelaJournalFile copy(path);
    // Sealed as the journal is: a copy must not leak what the journal keeps from others.
    copy.setSeal(journalFile->seal());
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
