#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Resource {
// The image :/icons/<name> (SVG or PNG, with or without its extension); null when absent.
QPixmap loadPixmap(const QString &name);
// The same image as an icon that stays sharp at every size; null when absent.
QIcon loadIcon(const QString &name);
}
