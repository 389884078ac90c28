#pragma once

#include <QString>

class QDataStream;
class QIODevice;

// One day's observations. A plain value: copies and compares freely.
class OvelaRecordEntry
{
public:
    OvelaRecordEntry();

    bool getDoctor() const { return doctor; }
    bool getCramps() const { return cramps; }
    bool getPMS() const { return pms; }
    bool getSex() const { return sex; }
    bool getProtection() const { return protection; }
    bool getSecret() const { return secret; }
    int getTemperature() const { return temperature; }
    int getCervicalFluid() const { return cervicalFluid; }
    const QString &getNote() const { return note; }

    void setDoctor(bool value);
    void setCramps(bool value);
    void setPMS(bool value);
    void setSex(bool value);
    void setProtection(bool value);
    void setSecret(bool value);
    void setTemperature(int value);
    void setCervicalFluid(int value);
    void setNote(const QString &value);
    void setNote(QString &&value);

    void clear();
    bool isEmpty() const;

    void save(QDataStream &stream) const;
    void load(QDataStream &stream);
    bool save(QIODevice *device) const;
    bool load(QIODevice *device);

    void dump() const;

    // Field-wise equality; the cleared marker is bookkeeping, not data, and is not compared.
    bool operator==(const OvelaRecordEntry &other) const;
    bool operator!=(const OvelaRecordEntry &other) const { return !(*this == other); }

private:
    bool cleared = true;
    bool doctor = false;
    bool cramps = false;
    bool pms = false;
    bool sex = false;
    bool protection = false;
    bool secret = false;
    qint32 temperature = 0;
    qint32 cervicalFluid = 0;
    QString note;
};

QDataStream &operator<<(QDataStream &stream, const OvelaRecordEntry &entry);
QDataStream &operator>>(QDataStream &stream, OvelaRecordEntry &entry);
