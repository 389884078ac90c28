#include "core/ovela_journal_file.h"
