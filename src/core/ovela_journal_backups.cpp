#include "core/ovela_journal_backups.h"

#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

constexpr int SessionsKept = 10;
constexpr int DailyDays = 14;
constexpr int OutsideDays = 30;

const QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// "journal-20261210-153000-session.ovd", and "-2", "-3", ... before ".ovd" for a second copy
// within the same second.
const char Prefix[] = "journal-";
const char Suffix[] = ".ovd";

const QList<QPair<OvelaJournalBackups::Kind, QString>> &kinds()
{
    using K = OvelaJournalBackups::Kind;
    static const QList<QPair<K, QString>> names {
        {K::Session, QStringLiteral("session")},   {K::Daily, QStringLiteral("daily")},
        {K::Companion, QStringLiteral("companion")}, {K::Merge, QStringLiteral("merge")},
        {K::Restore, QStringLiteral("restore")},   {K::ConflictCopy, QStringLiteral("conflict")}};
    return names;
}

bool parse(const QString &name, OvelaJournalBackups::Entry *entry)
{
    if (!name.startsWith(QLatin1String(Prefix)) || !name.endsWith(QLatin1String(Suffix)))
        return false;
    const QStringList parts =
        name.mid(int(sizeof Prefix) - 1, name.size() - int(sizeof Prefix) - int(sizeof Suffix) + 2)
            .split(QLatin1Char('-'));
    if (parts.size() < 3)
        return false;
    const QDateTime made = QDateTime::fromString(parts[0] + parts[1], QStringLiteral("yyyyMMddHHmmss"));
    if (!made.isValid())
        return false;
    for (const auto &[kind, text] : kinds()) {
        if (parts[2] == text) {
            entry->made = made;
            entry->kind = kind;
            return true;
        }
    }
    return false;
}

} // namespace

OvelaJournalBackups::OvelaJournalBackups(const QString &folder)
    : dir(folder)
{
}

QString OvelaJournalBackups::kindName(Kind kind)
{
    for (const auto &[k, text] : kinds()) {
        if (k == kind)
            return text;
    }
    return QString();
}

bool OvelaJournalBackups::prepareFolder()
{
    if (!QDir().mkpath(dir)) {
        error = tr("cannot create the backups folder %1").arg(dir);
        return false;
    }
    QFile::setPermissions(dir, privateFile | QFileDevice::ExeOwner);
    return true;
}

QString OvelaJournalBackups::newName(Kind kind, const QDateTime &when) const
{
    const QString stem = QLatin1String(Prefix) + when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
        + QLatin1Char('-') + kindName(kind);
    QString name = stem + QLatin1String(Suffix);
    for (int n = 2; QFileInfo::exists(dir + QLatin1Char('/') + name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + QLatin1String(Suffix);
    return dir + QLatin1Char('/') + name;
}

QString OvelaJournalBackups::keep(const QString &journal, Kind kind)
{
    error.clear();
    if (!QFileInfo::exists(journal))
        return QString();
    if (!prepareFolder())
        return QString();
    OvelaJournalFile::ignoreFileSizeSignal();
    const QString target = newName(kind, QDateTime::currentDateTime());
    QString reason;
    if (!OvelaJournalFile::copySealed(journal, target, sealKey.get(), &reason)) {
        error = tr("cannot copy %1 to %2: %3").arg(journal, target, reason);
        return QString();
    }
    prune();
    return target;
}

QString OvelaJournalBackups::takeIn(const QString &path)
{
    error.clear();
    if (!prepareFolder())
        return QString();
    const QString target = newName(Kind::ConflictCopy, QDateTime::currentDateTime());
    if (QFile::rename(path, target)) {
        QFile::setPermissions(target, privateFile);
        QString reason;
        if (sealKey && !OvelaJournalFile::sealInPlace(target, *sealKey, &reason))
            error = tr("cannot encrypt %1: %2").arg(target, reason);
        return target;
    }
    // Another file system: a copy, and the original goes only once the copy is whole.
    const QString copied = keep(path, Kind::ConflictCopy);
    if (copied.isEmpty())
        return QString();
    QFile::remove(path);
    return copied;
}

bool OvelaJournalBackups::sealAll(const QString &journal, const OvelaJournalSeal &seal,
                                  bool folderToo)
{
    error.clear();
    QStringList paths;
    if (folderToo) {
        for (const Entry &entry : list())
            paths << entry.path;
    }
    // Beside the journal and beside its real file, should it be a link elsewhere.
    QStringList journals {journal};
    const QString real = QFileInfo(journal).canonicalFilePath();
    if (!real.isEmpty() && real != QFileInfo(journal).absoluteFilePath())
        journals << real;
    for (const QString &path : std::as_const(journals)) {
        const QFileInfo info(path);
        paths << path + QLatin1String(".bak");
        const QString aside = info.fileName() + QLatin1String(".unreadable");
        const QStringList names = info.absoluteDir().entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            if (name == aside || name.startsWith(aside + QLatin1Char('.')))
                paths << info.absoluteDir().filePath(name);
        }
    }
    QStringList failed;
    for (const QString &path : std::as_const(paths)) {
        if (QFileInfo(path).isSymLink())
            continue; // not ours to rewrite; what it points to is
        QString reason;
        if (!OvelaJournalFile::sealInPlace(path, seal, &reason))
            failed << tr("%1: %2").arg(path, reason);
    }
    if (!failed.isEmpty())
        error = tr("cannot encrypt %1").arg(failed.join(QLatin1String("; ")));
    return failed.isEmpty();
}

QList<OvelaJournalBackups::Entry> OvelaJournalBackups::list() const
{
    QList<Entry> entries;
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        Entry entry;
        if (parse(name, &entry)) {
            entry.path = dir + QLatin1Char('/') + name;
            entries << entry;
        }
    }
    // Names tell the second; within one, the file's own time and then the name's number
    // ("-2", "-3", ...) tell which was made later.
    const auto later = [](const Entry &a, const Entry &b) {
        if (a.made != b.made)
            return a.made > b.made;
        const qint64 ta = QFileInfo(a.path).lastModified().toMSecsSinceEpoch();
        const qint64 tb = QFileInfo(b.path).lastModified().toMSecsSinceEpoch();
        if (ta != tb)
            return ta > tb;
        const auto number = [](const QString &path) {
            const QStringList parts = QFileInfo(path).completeBaseName().split(QLatin1Char('-'));
            return parts.size() > 4 ? parts.at(4).toInt() : 1;
        };
        return number(a.path) > number(b.path);
    };
    std::stable_sort(entries.begin(), entries.end(), later);
    return entries;
}

bool OvelaJournalBackups::hasBackupOn(const QDate &day) const
{
    const QList<Entry> entries = list();
    return std::any_of(entries.cbegin(), entries.cend(),
                       [&day](const Entry &e) { return e.made.date() == day; });
}

void OvelaJournalBackups::prune(const QDateTime &now)
{
    const QList<Entry> entries = list(); // newest first
    int sessions = 0;
    QSet<QDate> daysKept;
    const QDate today = now.date();
    for (const Entry &entry : entries) {
        bool keepIt = false;
        if (entry.kind == Kind::Session && sessions < SessionsKept) {
            ++sessions;
            keepIt = true;
        }
        const QDate day = entry.made.date();
        if (day > today.addDays(-DailyDays) && !daysKept.contains(day)) {
            daysKept.insert(day);
            keepIt = true;
        }
        const bool outside = entry.kind != Kind::Session && entry.kind != Kind::Daily;
        if (outside && entry.made >= now.addDays(-OutsideDays))
            keepIt = true;
        if (!keepIt)
            QFile::remove(entry.path);
    }
}
