#include "platform/global.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString Global::applicationFileName(const QString &dir, const QString &file)
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + dir;
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
    return folder + QLatin1Char('/') + file;
}
