#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace Resource {
// The image :/icons/<name> (SVG or PNG, with or without its extension); null when absent.
QPixmap loadPixmap(const QString &name);
// The same image as an icon that stays sharp at every size; null when absent.
QIcon loadIcon(const QString &name);
// The PNG image at path, read as PNG: an image reader left to detect the format loads every
// image format plugin to ask them first. Null when it cannot be read.
QImage readPng(const QString &path);
}
