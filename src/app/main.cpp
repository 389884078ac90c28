#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "platform/qpeapplication.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The program takes no other options; these two answer without a display or a journal.
// True when one was given (its text is printed).
bool answeredCommandLine(int argc, char **argv, int &status)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: ovelaZ [--help | --version]\n"
                        "Quorin, a private diary of the menstrual cycle and its fertile days.\n"
                        "Without options it opens the diary's window.\n\n"
                        "  -h, --help     show this help and exit\n"
                        "  --version      show the version and exit\n\n"
                        "The journal and its records from a terminal: ovela-journal --help\n");
            status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ovelaZ (Quorin) %s\n", OVELA_VERSION);
            status = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (int status = 0; answeredCommandLine(argc, argv, status))
        return status;
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
        case OvelaMainWindow::StartState::Unopenable:
            preferences.setSaveOnExit(false);
            status = 1;
            break;
        }
        // The window writes the journal, then the settings write themselves.
        window.reset();
    }
    return status;
}
