#pragma once

#include <QString>

// Where the diary keeps its journal: the one rule the window and the command-line companion
// share, so both always open the same file.
QString ovelaJournalPath();
// Where its backups are: in the diary's own data folder, never beside a journal that a link
// places in a sync folder, so that they do not travel.
QString ovelaBackupsPath();
