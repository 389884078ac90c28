#include "core/ovela_record_entry.h"
