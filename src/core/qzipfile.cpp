#include "core/qzipfile.h"
