#pragma once

#include <QString>

namespace Global {
// $XDG_DATA_HOME/<dir>/<file>; the folder is created private to its owner (0700).
QString applicationFileName(const QString &dir, const QString &file);
}
