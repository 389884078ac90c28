#pragma once

#include <QString>

// Where the diary keeps its journal: the one rule the window and the command-line companion
// share, so both always open the same file.
QString ovelaJournalPath();
