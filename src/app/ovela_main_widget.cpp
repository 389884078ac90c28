#include "app/ovela_main_widget.h"

#include "app/Preferences.h"
#include "core/ovela_journal_file.h"
#include "cycle/ovela_calendar.h"
#include "platform/global.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"

#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>

namespace {

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
    openDatabase();

    widgetStack = new QStackedWidget(this);
    setCentralWidget(widgetStack);

    toolBar = new QPEToolBar(this);
    auto *menuBar = new QPEMenuBar(toolBar);
    viewMenu = new QMenu(tr("View"), this);
    toolsMenu = new QMenu(tr("Tools"), this);
    menuBar->addMenu(viewMenu);
    menuBar->addMenu(toolsMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);
}

OvelaMainWindow::~OvelaMainWindow()
{
    closeDatabase();
    delete calculator;
}

bool OvelaMainWindow::lockDiary()
{
    journalFile = std::make_unique<OvelaJournalFile>(
        Global::applicationFileName(QStringLiteral("ovelaZ"), QStringLiteral("journal.ovd")));
    if (journalFile->lock() != OvelaJournalFile::LockResult::HeldElsewhere)
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

void OvelaMainWindow::openDatabase()
{
    // Set whatever the file holds: the journal is written at exit in every case.
    databaseOpen = true;
    switch (journalFile->load(*calculator)) {
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
    return journalFile->save(*calculator);
}

void OvelaMainWindow::showCritical(const QString &text)
{
    if (quitRequested())
        return;
    QMessageBox::critical(nullptr, tr("Quorin"), text);
}
