#pragma once

class QCoreApplication;

namespace Translations {

// Loads the program's translation for the user's locale and Qt's own (standard buttons and
// dialogs) into the application. Missing translations leave the English texts.
void install(QCoreApplication &app);

} // namespace Translations
