#pragma once

#include "core/ovela_journal_file.h"

#include <QMainWindow>

#include <memory>

class OvelaCalendar;
class OvelaCentralWidget;
class OvelaCyclesWidget;
class OvelaJournalBackups;
class OvelaJournalSaver;
class OvelaOutsideChanges;
class QPushButton;
class OvelaTempChartWidget;
class OvelaTempHistoryWidget;
class Preferences;
class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QMenu;
class QPEMenuBar;
class QPEToolBar;
class QStackedWidget;

// The diary's only window: it asks for the pass code, owns the journal (through the cycle
// calculator) from loading at start-up to writing it back when the window is destroyed, and
// carries the page stack, the tool bar and the "View" and "Tools" menus.
class OvelaMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // How construction ended. Anything but Ready means the window was not built: the program
    // ends at once and writes neither the journal nor the settings.
    enum class StartState {
        Ready,
        WrongPassCode, // the pass code asked for at start-up was not the stored one
        AlreadyOpen,   // another copy of the program holds the diary
        QuitRequested, // a quit (a termination signal) came while the pass code was asked for
        Unopenable     // the journal is encrypted and cannot be opened: damaged or tampered with
    };

    explicit OvelaMainWindow(Preferences &preferences, QWidget *parent = nullptr,
                             Qt::WindowFlags flags = Qt::Window);
    ~OvelaMainWindow() override;

    StartState startState() const { return state; }
    bool isReady() const { return state == StartState::Ready; }

    // Writes what is not yet saved (waiting for a save that runs); a second call writes
    // nothing. False when the write failed (the file on disk then holds the journal as it was
    // last saved); the changes that are lost are named on standard error.
    bool closeDatabase();
    // closeDatabase() when the program ends without returning from its event loop (the display
    // was lost): shows nothing, writes what is pending.
    void saveBeforeExit();

    // Saves the journal as the user goes; null when the window was not built.
    OvelaJournalSaver *saver() const { return journalSaver; }
    // The warning shown while the journal cannot be saved (visible when its bar is).
    QFrame *saveWarning() const { return saveWarningBar; }
    // What came in from outside (another device, a sync program's conflict copy, a restore),
    // beside the calendar; visible when its bar is.
    QFrame *notice() const { return noticeFrame; }
    // Keeps the diary in step with others who write the journal; null when not built.
    OvelaOutsideChanges *outsideChanges() const { return outside; }
    OvelaJournalBackups *journalBackups() const { return backups.get(); }

    OvelaCalendar *calendar() const { return calculator; }
    OvelaCentralWidget *calendarPage() const { return calendarWidget; }
    // The chart, history and cycles pages are made when first shown; handing one out makes
    // it, and handing out the stack makes all, so that a caller always finds every page.
    OvelaTempChartWidget *chartPage() const;
    OvelaTempHistoryWidget *historyPage() const;
    OvelaCyclesWidget *cyclesPage() const;
    QStackedWidget *pageStack() const;

public slots:
    void raiseCalendar();
    void raiseTempChart();
    void raiseTempHistory();
    void raiseCycles();
    void onUpdateEdit(bool hasEntry);
    void onClearDatabase();
    void onAbout();
    void showLegend();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Offered when the journal cannot be saved at the end; a slot so tests can reach it.
    bool saveCopyAs();

private:
    void createPages();
    // Makes the page of that id if it is not made yet, in its place in the stack.
    void ensurePage(int id) const;
    void createSaveWarning();
    void createNotice();
    void showNotice(const QString &text);
    void updateNoticeButtons();
    void chooseConflicts();
    void restoreBackup();
    void showSaveFailure(const QString &reason);
    void createActions();
    // Shows the month before (step < 0) or after on the page in view.
    void stepMonth(int step);
    void raiseLastWidget();
    void showPage(int id);

    bool authenticate(const Preferences &preferences);
    // An encrypted journal: its passphrase instead of the pass code.
    bool unlockJournal();
    void openDatabase(OvelaJournalFile::LoadResult result);
    bool lockDiary();
    void showCritical(const QString &text);

    Preferences &settings;
    OvelaCalendar *calculator = nullptr;
    std::unique_ptr<OvelaJournalFile> journalFile;
    QStackedWidget *widgetStack = nullptr;
    QPEToolBar *toolBar = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *toolsMenu = nullptr;
    QMenu *dayMenu = nullptr;
    QPEMenuBar *mainMenuBar = nullptr;
    OvelaCentralWidget *calendarWidget = nullptr;
    // Made on first need (see ensurePage), also from the const accessors.
    mutable OvelaTempChartWidget *tempChartWidget = nullptr;
    mutable OvelaTempHistoryWidget *tempHistoryWidget = nullptr;
    mutable OvelaCyclesWidget *cyclesWidget = nullptr;
    QAction *calendarAction = nullptr;
    QAction *tempChartAction = nullptr;
    QAction *tempHistoryAction = nullptr;
    QAction *cyclesAction = nullptr;
    QAction *gotoTodayAction = nullptr;
    QAction *clearDatabaseAction = nullptr;
    QAction *preferencesAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *previousMonthAction = nullptr;
    QAction *nextMonthAction = nullptr;
    QAction *editAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *startCycleAction = nullptr;
    QAction *legendAction = nullptr;
    OvelaJournalSaver *journalSaver = nullptr;
    std::unique_ptr<OvelaJournalBackups> backups;
    OvelaOutsideChanges *outside = nullptr;
    QFrame *noticeFrame = nullptr;
    QLabel *noticeText = nullptr;
    QPushButton *chooseButton = nullptr;
    QPushButton *mergeCopyButton = nullptr;
    QString foreignLock; // another computer's lock on the journal, said once the window shows
    QAction *restoreAction = nullptr;
    QFrame *saveWarningBar = nullptr;
    QLabel *saveWarningText = nullptr;
    bool lockUnavailable = false;
    bool discardUnsaved = false; // the user chose to close without saving
    bool databaseOpen = false;
    bool leaving = false; // the display is gone: nothing more is shown
    StartState state = StartState::Ready;
};
