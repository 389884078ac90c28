#include "platform/password.h"
