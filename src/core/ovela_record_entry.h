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

    void setDoctor(bool value) { doctor = value; cleared = false; }
    void setCramps(bool value) { cramps = value; cleared = false; }
    void setPMS(bool value) { pms = value; cleared = false; }
    void setSex(bool value) { sex = value; cleared = false; }
    void setProtection(bool value) { protection = value; cleared = false; }
    void setSecret(bool value) { secret = value; cleared = false; }
    void setTemperature(int value) { temperature = value; cleared = false; }
    void setCervicalFluid(int value) { cervicalFluid = value; cleared = false; }
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
