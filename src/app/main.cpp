#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "platform/qpeapplication.h"

#include <memory>

int main(int argc, char **argv)
{
    // A quit signal that comes before the application object has its handlers ends the program
    // at once, when nothing is open yet; from then on it is an orderly quit.
    QPEApplication app(argc, argv, QPEApplication::GuiClient);
    int status = 0;
    {
        Preferences preferences;
        auto window = std::make_unique<OvelaMainWindow>(preferences);
        switch (window->startState()) {
        case OvelaMainWindow::StartState::Ready:
            app.showMainWidget(window.get(), false);
            status = app.exec();
            // Written here rather than only by the destructor, so that a journal that could
            // not be written shows in the exit status.
            if (!window->closeDatabase() && status == 0)
                status = 1;
            break;
        case OvelaMainWindow::StartState::QuitRequested:
            // Asked to quit before the diary was opened: nothing to write, nothing went wrong.
            preferences.setSaveOnExit(false);
            break;
        case OvelaMainWindow::StartState::WrongPassCode:
        case OvelaMainWindow::StartState::AlreadyOpen:
            preferences.setSaveOnExit(false);
            status = 1;
            break;
        }
        // The window writes the journal, then the settings write themselves.
        window.reset();
    }
    return status;
}
