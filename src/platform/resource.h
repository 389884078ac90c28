#pragma once

#include <QPixmap>
#include <QString>

namespace Resource {
// The image :/icons/<name> (SVG or PNG, with or without its extension); null when absent.
QPixmap loadPixmap(const QString &name);
}
