#include "platform/config.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions privateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Keystream for the enciphered entries: SHA-256 in counter mode over a per-entry random salt.
// The store sits in the user's own private folder; this keeps a pass code (already a one-way
// digest) from being read or grepped out of the file in any plain form.
QByteArray keystream(const QByteArray &salt, int length)
{
    static const QByteArray key = QByteArrayLiteral("ovelaZ-config-entry-v1");
    QByteArray out;
    for (quint32 counter = 0; out.size() < length; ++counter) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(key);
        hash.addData(salt);
        const char block[4] = {char(counter >> 24), char(counter >> 16), char(counter >> 8),
                               char(counter)};
        hash.addData(QByteArrayView(block, 4));
        out += hash.result();
    }
    out.truncate(length);
    return out;
}

QByteArray xorWith(const QByteArray &data, const QByteArray &stream)
{
    QByteArray out = data;
    for (int i = 0; i < out.size(); ++i)
        out[i] = char(out[i] ^ stream[i]);
    return out;
}

} // namespace

QString Config::fileName(const QString &name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QLatin1String("/ovelaZ/") + name + QLatin1String(".conf");
}

Config::Config(const QString &name, Domain /*domain*/)
    : path(fileName(name))
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    QFile::setPermissions(info.absolutePath(), privateFolder);
    // Create the file private before the store first writes it; the store's atomic rewrite keeps
    // the permissions of the file it replaces.
    if (!info.exists()) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly, privateFile))
            file.close();
    }
    settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

Config::~Config()
{
    settings->sync();
    QFile::setPermissions(path, privateFile);
}

void Config::setGroup(const QString &g)
{
    group = g;
}

static QString keyIn(const QString &group, const QString &key)
{
    return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

bool Config::hasKey(const QString &key) const
{
    return settings->contains(keyIn(group, key));
}

int Config::readNumEntry(const QString &key, int deflt) const
{
    const QVariant value = settings->value(keyIn(group, key));
    if (!value.isValid())
        return deflt;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : deflt;
}

bool Config::readBoolEntry(const QString &key, bool deflt) const
{
    const QVariant value = settings->value(keyIn(group, key));
    if (!value.isValid())
        return deflt;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        return number != 0;
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QString Config::readEntry(const QString &key, const QString &deflt) const
{
    const QVariant value = settings->value(keyIn(group, key));
    return value.isValid() ? value.toString() : deflt;
}

QString Config::readEntryCrypt(const QString &key, const QString &deflt) const
{
    const QVariant value = settings->value(keyIn(group, key));
    if (!value.isValid())
        return deflt;
    const QByteArray stored = value.toString().toLatin1();
    const int colon = stored.indexOf(':');
    if (colon < 0)
        return deflt;
    const QByteArray salt = QByteArray::fromBase64(stored.left(colon));
    const QByteArray cipher = QByteArray::fromBase64(stored.mid(colon + 1));
    const QString text = QString::fromUtf8(xorWith(cipher, keystream(salt, int(cipher.size()))));
    return text.isNull() ? QStringLiteral("") : text;
}

void Config::writeEntry(const QString &key, int value)
{
    settings->setValue(keyIn(group, key), QString::number(value));
}

void Config::writeEntry(const QString &key, bool value)
{
    settings->setValue(keyIn(group, key), QString::number(value ? 1 : 0));
}

void Config::writeEntry(const QString &key, const QString &value)
{
    settings->setValue(keyIn(group, key), value);
}

void Config::writeEntryCrypt(const QString &key, const QString &value)
{
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), 4);
    const QByteArray plain = value.toUtf8();
    const QByteArray cipher = xorWith(plain, keystream(salt, int(plain.size())));
    settings->setValue(keyIn(group, key),
                       QString::fromLatin1(salt.toBase64() + ':' + cipher.toBase64()));
}
