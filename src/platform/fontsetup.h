#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the application object
// is made. The toolkit reads it the first time a widget needs a font, which would otherwise
// hold up the window's first frame by several milliseconds. Start it before the application
// object and wait() before the first widget: the library's set-up is safe from any thread, but
// a toolkit that asked while ours was still under way would read it all a second time.
class FontSetup
{
public:
    FontSetup();
    ~FontSetup();
    FontSetup(const FontSetup &) = delete;
    FontSetup &operator=(const FontSetup &) = delete;

    void wait();

private:
    std::thread reading;
};
