#pragma once

#include <QString>

#include <memory>

class QSettings;

// A per-application settings store: an INI file at $XDG_CONFIG_HOME/ovelaZ/<name>.conf, private
// to its owner, written to disk when the object is destroyed.
class Config
{
public:
    enum Domain { File, User };

    Config(const QString &name, Domain domain = User);
    ~Config();
    Config(const Config &) = delete;
    Config &operator=(const Config &) = delete;

    void setGroup(const QString &group);

    int readNumEntry(const QString &key, int deflt = -1) const;
    bool readBoolEntry(const QString &key, bool deflt = false) const;
    QString readEntry(const QString &key, const QString &deflt = QString()) const;
    // Enciphered entries: the text is never written in plain form, and reads back as written.
    QString readEntryCrypt(const QString &key, const QString &deflt = QString()) const;

    void writeEntry(const QString &key, int value);
    void writeEntry(const QString &key, bool value);
    void writeEntry(const QString &key, const QString &value);
    void writeEntry(const QString &key, const char *value) { writeEntry(key, QString::fromUtf8(value)); }
    void writeEntryCrypt(const QString &key, const QString &value);

    bool hasKey(const QString &key) const;

    // Where the store of that name lives.
    static QString fileName(const QString &name);

private:
    QString path;
    QString group;
    std::unique_ptr<QSettings> settings;
};
