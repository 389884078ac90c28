#include "platform/fontsetup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontSetup::FontSetup()
{
    try {
        reading = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // The toolkit reads the configuration itself when it first needs it.
    }
}

FontSetup::~FontSetup()
{
    wait();
}

void FontSetup::wait()
{
    if (reading.joinable())
        reading.join();
}
