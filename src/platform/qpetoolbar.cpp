#include "platform/qpetoolbar.h"
