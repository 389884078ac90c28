#include "core/ovela_journal_backups.h"
#include "core/ovela_journal_sync.h"

#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Bringing in a journal written elsewhere, and the backups kept meanwhile.
namespace {

// A day's record on one side, by a letter: '-' none, else a note of that letter.
OvelaJournalSnapshot sideOf(const QString &days)
{
    OvelaJournalSnapshot side;
    for (int i = 0; i < days.size(); ++i) {
        if (days[i] == u'-')
            continue;
        OvelaRecordEntry entry;
        entry.setNote(QString(days[i]));
        side.records.insert(QDate(2026, 1, 1).addDays(i), entry);
    }
    return side;
}

} // namespace

class TstJournalSync : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestHome::wipe(); }
    void threeWay_data();
    void threeWay();
    void startDate();
    void backupRotation();
};

// Each column a day of January 2026; each letter a version of that day.
void TstJournalSync::threeWay_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QString>("outcome"); // per day: '.' nothing, 's' set, 'r' removed, 'c' conflict
    QTest::newRow("same everywhere") << "ab" << "ab" << "ab" << "..";
    QTest::newRow("added outside") << "a-" << "a-" << "ab" << ".s";
    QTest::newRow("changed outside") << "a" << "a" << "b" << "s";
    QTest::newRow("deleted outside") << "ab" << "ab" << "a-" << ".r";
    QTest::newRow("changed here only") << "a" << "b" << "a" << ".";
    QTest::newRow("deleted here only") << "a" << "-" << "a" << ".";
    QTest::newRow("added here only") << "-" << "a" << "-" << ".";
    QTest::newRow("same change on both") << "a" << "b" << "b" << ".";
    QTest::newRow("changed on both") << "a" << "b" << "c" << "c";
    QTest::newRow("added on both, differently") << "-" << "b" << "c" << "c";
    QTest::newRow("changed here, deleted outside") << "a" << "b" << "-" << "c";
    QTest::newRow("no base: only theirs") << "?" << "a-" << "ab" << ".s";
    QTest::newRow("no base: differ") << "?" << "a" << "b" << "c";
    QTest::newRow("no base: only mine is kept") << "?" << "ab" << "a-" << "..";
}

void TstJournalSync::threeWay()
{
    QFETCH(QString, base);
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(QString, outcome);
    const OvelaJournalSnapshot b = sideOf(base);
    const OvelaJournalSync::Changes changes = OvelaJournalSync::compare(
        base == QLatin1String("?") ? nullptr : &b, sideOf(mine), sideOf(theirs));
    QString got;
    for (int i = 0; i < outcome.size(); ++i) {
        const QDate day = QDate(2026, 1, 1).addDays(i);
        const bool conflict = std::any_of(changes.conflicts.cbegin(), changes.conflicts.cend(),
                                          [&day](const OvelaDayDifference &d) { return d.date == day; });
        got += changes.set.contains(day) ? u's' : changes.removed.contains(day) ? u'r'
             : conflict                  ? u'c' : u'.';
    }
    QCOMPARE(got, outcome);
    for (const OvelaDayDifference &d : changes.conflicts) {
        const int i = int(QDate(2026, 1, 1).daysTo(d.date));
        QCOMPARE(d.mineExists, mine[i] != u'-');
        QCOMPARE(d.theirsExists, theirs[i] != u'-');
        if (d.theirsExists)
            QCOMPARE(d.theirs.getNote(), QString(theirs[i]));
    }
    for (auto it = changes.set.cbegin(); it != changes.set.cend(); ++it)
        QCOMPARE(it.value().getNote(), QString(theirs[int(QDate(2026, 1, 1).daysTo(it.key()))]));
}

void TstJournalSync::startDate()
{
    const QDate a(2026, 1, 1), b(2026, 1, 29), c(2026, 2, 26);
    const auto run = [](const QDate *base, const QDate &mine, const QDate &theirs) {
        OvelaJournalSnapshot bs, ms, ts;
        if (base)
            bs.start = *base;
        ms.start = mine;
        ts.start = theirs;
        return OvelaJournalSync::compare(base ? &bs : nullptr, ms, ts);
    };
    auto r = run(&a, a, b); // set outside
    QVERIFY(r.startChanged && !r.startConflict);
    QCOMPARE(r.start, b);
    r = run(&a, b, a); // set here
    QVERIFY(!r.startChanged && !r.startConflict);
    QCOMPARE(r.start, b);
    r = run(&a, b, c); // set on both: her choice, hers meanwhile
    QVERIFY(!r.startChanged && r.startConflict);
    QCOMPARE(r.start, b);
    QCOMPARE(r.otherStart, c);
    r = run(nullptr, c, b); // a conflict copy: the later wins
    QVERIFY(!r.startChanged && !r.startConflict);
    r = run(nullptr, b, c);
    QVERIFY(r.startChanged);
    QCOMPARE(r.start, c);
}

// Ten sessions, one a day for fourteen days, and the copies before changes from outside for
// thirty days; everything else goes.
void TstJournalSync::backupRotation()
{
    const QString folder = TestHome::dataHome() + QStringLiteral("/backups");
    QVERIFY(QDir().mkpath(folder));
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0));
    const auto make = [&folder](const QDateTime &when, const char *kind) {
        const QString name = folder + QStringLiteral("/journal-%1-%2.ovd")
                                          .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                               QLatin1String(kind));
        QFile file(name);
        return file.open(QIODevice::WriteOnly) ? QFileInfo(name).fileName() : QString();
    };
    QStringList kept;
    // Twelve sessions this morning: the ten newest stay, and the newest of the day anyway.
    for (int i = 0; i < 12; ++i) {
        const QString name = make(now.addSecs(-3600 + i * 60), "session");
        if (i >= 2)
            kept << name;
    }
    // A session a day for twenty days before: the newest of each of the last 14 days stays.
    for (int d = 1; d <= 20; ++d) {
        const QString name = make(now.addDays(-d), "session");
        const QString older = make(now.addDays(-d).addSecs(-60), "daily");
        if (d < 14)
            kept << name;
        Q_UNUSED(older);
    }
    // Copies before a companion write or a merge: 30 days.
    for (int d : {3, 29, 31, 60}) {
        const QString name = make(now.addDays(-d).addSecs(-7200), d % 2 ? "companion" : "merge");
        if (d <= 29)
            kept << name;
    }
    QVERIFY(!kept.contains(QString()));
    OvelaJournalBackups backups(folder);
    backups.prune(now);
    QStringList left;
    for (const OvelaJournalBackups::Entry &entry : backups.list())
        left << QFileInfo(entry.path).fileName();
    kept.sort();
    left.sort();
    QCOMPARE(left, kept);

    // A backup is a private copy of the journal; a missing journal is nothing to keep.
    const QString journal = TestHome::dataHome() + QStringLiteral("/journal.ovd");
    QFile file(journal);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("journal bytes") == 13);
    file.close();
    const QString copy = backups.keep(journal, OvelaJournalBackups::Kind::Merge);
    QVERIFY(!copy.isEmpty());
    QFile made(copy);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QCOMPARE(made.readAll(), QByteArray("journal bytes"));
    QCOMPARE(made.permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(backups.keep(journal + QLatin1String(".none"), OvelaJournalBackups::Kind::Daily).isEmpty());
    QVERIFY(backups.errorString().isEmpty());
}

OVELA_TEST_CORE_MAIN(TstJournalSync)
#include "tst_journal_sync.moc"
