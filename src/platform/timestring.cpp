#include "platform/timestring.h"
