#include "core/utils.h"
