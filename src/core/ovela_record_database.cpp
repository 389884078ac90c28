#include "core/ovela_record_database.h"
