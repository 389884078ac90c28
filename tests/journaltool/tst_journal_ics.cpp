#include "cycle/ovela_cycle_method.h"
#include "journaltool/ovela_journal_ics.h"

#include "support/testhome.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// A strict reader of RFC 5545, written here so the calendar is read by something other than
// its writer: CRLF only, lines of at most 75 octets, folding by one leading space, UTF-8,
// BEGIN/END nesting, required properties, unique UIDs, and TEXT with nothing left unescaped.
struct Component
{
    QString name;
    QMultiMap<QString, QString> properties; // "NAME;PARAMS" -> value
    QList<Component> children;
    QString one(const QString &key) const
    {
        return properties.count(key) == 1 ? properties.value(key) : QString();
    }
};

QString unescapeText(const QString &value, bool *ok)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (c == QLatin1Char(',') || c == QLatin1Char(';'))
            *ok = false;
        else if (c != QLatin1Char('\\'))
            out += c;
        else if (QStringLiteral("\\,;").contains(next) && !next.isNull())
            out += value.at(++i);
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n'), ++i;
        else
            *ok = false;
    }
    return out;
}

QString parse(const QByteArray &data, Component *calendar)
{
    if (!data.endsWith("\r\n"))
        return QStringLiteral("no CRLF at the end");
    QList<QByteArray> logical;
    QByteArray body = data.chopped(2);
    if (body.count('\n') != body.count("\r\n"))
        return QStringLiteral("a line end that is not CRLF");
    for (const QByteArray &text : body.replace("\r\n", "\n").split('\n')) {
        // Folding must not split a character either.
        if (text.contains('\r') || text.size() > 75 || QString::fromUtf8(text).toUtf8() != text)
            return QStringLiteral("bad line: ") + QString::fromUtf8(text);
        if (text.startsWith(' ') && !logical.isEmpty())
            logical.last() += text.mid(1);
        else
            logical << text;
    }
    static const QRegularExpression shape(
        QStringLiteral("^([A-Z0-9-]+(?:;[A-Z0-9-]+=[^;:]*)*):(.*)$"));
    QList<Component> open;
    for (const QByteArray &bytes : logical) {
        const QString line = QString::fromUtf8(bytes);
        const QRegularExpressionMatch m = shape.match(line);
        if (line.toUtf8() != bytes || !m.hasMatch() ||
            (open.isEmpty() && !line.startsWith(QLatin1String("BEGIN:"))))
            return QStringLiteral("malformed line: ") + line;
        const QString name = m.captured(1);
        QString value = m.captured(2);
        if (name == QLatin1String("BEGIN")) {
            open.append(Component{value, {}, {}});
        } else if (name == QLatin1String("END")) {
            if (open.last().name != value)
                return QStringLiteral("END:%1 closes nothing").arg(value);
            const Component closed = open.takeLast();
            if (!open.isEmpty())
                open.last().children << closed;
            else
                *calendar = closed;
        } else {
            bool ok = true;
            if (name == QLatin1String("SUMMARY") || name == QLatin1String("DESCRIPTION"))
                value = unescapeText(value, &ok);
            if (!ok)
                return QStringLiteral("badly escaped: ") + line;
            open.last().properties.insert(name, value);
        }
    }
    if (!open.isEmpty() || calendar->name != QLatin1String("VCALENDAR") ||
        calendar->one(QStringLiteral("VERSION")) != QLatin1String("2.0") ||
        calendar->one(QStringLiteral("PRODID")).isEmpty())
        return QStringLiteral("no whole VCALENDAR 2.0 with a PRODID");
    QSet<QString> uids;
    static const QRegularExpression stamp(QStringLiteral("^\\d{8}T\\d{6}Z$"));
    for (const Component &event : calendar->children) {
        const QString uid = event.one(QStringLiteral("UID"));
        const QDate start = QDate::fromString(event.one(QStringLiteral("DTSTART;VALUE=DATE")),
                                              QStringLiteral("yyyyMMdd"));
        const QDate end = QDate::fromString(event.one(QStringLiteral("DTEND;VALUE=DATE")),
                                            QStringLiteral("yyyyMMdd"));
        if (event.name != QLatin1String("VEVENT") || uid.isEmpty() || uids.contains(uid) ||
            !stamp.match(event.one(QStringLiteral("DTSTAMP"))).hasMatch() || !(start < end))
            return QStringLiteral("a bad event: ") + uid;
        uids << uid;
    }
    return QString();
}

OvelaRecordEntry fluid(int code)
{
    OvelaRecordEntry e;
    e.setCervicalFluid(code);
    return e;
}

} // namespace

class TestJournalIcs : public QObject
{
    Q_OBJECT
private slots:
    void calendar();
    void predictions_data();
    void predictions();
    void folding_data();
    void folding();
};

namespace {

void fill(OvelaCycleMethod &journal)
{
    journal.setEntry(fluid(2), QDate(2024, 1, 1));
    journal.setEntry(fluid(3), QDate(2024, 1, 2));
    journal.setEntry(fluid(1), QDate(2024, 1, 3));
    journal.setEntry(fluid(4), QDate(2024, 1, 4)); // intermenstrual: no period
    journal.setEntry(fluid(6), QDate(2024, 1, 14));
    journal.setEntry(fluid(2), QDate(2024, 1, 29));
    journal.setEntry(fluid(2), QDate(2024, 1, 30));
    journal.setStartCycleDate(QDate(2024, 1, 29));
    journal.setCycleLength(28);
    journal.setMenstrualPeriod(5);
    journal.setFertilePeriod(5);
    journal.setLuterPhaseLength(14);
}

JournalIcs::Options options(const QDate &today, const QDateTime &stamp, bool discreet = false)
{
    JournalIcs::Options o;
    o.cycles = 2;
    o.today = today;
    o.stamp = stamp;
    o.discreet = discreet;
    return o;
}

} // namespace

void TestJournalIcs::calendar()
{
    OvelaCycleMethod journal;
    fill(journal);
    const QByteArray first = JournalIcs::write(
        journal, options(QDate(2024, 2, 10), QDateTime(QDate(2024, 2, 10), QTime(8, 0), Qt::UTC)));
    Component calendar;
    QString error = parse(first, &calendar);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList events;
    for (const Component &event : calendar.children)
        events << event.one(QStringLiteral("SUMMARY")) + QLatin1Char(' ') +
                      event.one(QStringLiteral("DTSTART;VALUE=DATE")) + QLatin1Char('-') +
                      event.one(QStringLiteral("DTEND;VALUE=DATE"));
    // DTEND is the day after the last, as all-day events have it.
    const QStringList expected = {
        QStringLiteral("Period 20240101-20240104"),
        QStringLiteral("Period 20240129-20240131"),
        // The current cycle's predicted period lies before today: left out.
        QStringLiteral("Fertile days (predicted) 20240208-20240213"),
        QStringLiteral("Period (predicted) 20240226-20240302"),
        QStringLiteral("Fertile days (predicted) 20240307-20240312"),
    };
    QCOMPARE(events, expected);

    // Written again later: the same UIDs, so a subscribing calendar updates its events.
    // A subscribing program fetches it again daily.
    QCOMPARE(calendar.one(QStringLiteral("REFRESH-INTERVAL;VALUE=DURATION")),
             QStringLiteral("P1D"));
    QCOMPARE(calendar.one(QStringLiteral("X-PUBLISHED-TTL")), QStringLiteral("P1D"));

    // Written again later, or discreetly: the same UIDs, so a subscribing calendar updates its
    // events, wherever the journal is exported.
    const QByteArray second = JournalIcs::write(
        journal,
        options(QDate(2024, 2, 10), QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC), true));
    Component again;
    error = parse(second, &again);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(again.children.size(), calendar.children.size());
    for (int i = 0; i < calendar.children.size(); ++i)
        QCOMPARE(again.children[i].one(QStringLiteral("UID")),
                 calendar.children[i].one(QStringLiteral("UID")));
    QVERIFY(first != second);
}

void TestJournalIcs::predictions_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("discreet");
    QTest::addColumn<bool>("old");
    QTest::newRow("a recent record") << QDate(2024, 2, 10) << false << false;
    QTest::newRow("discreet") << QDate(2024, 2, 10) << true << false;
    // The record ends on 30 January 2024: years later the predictions start from today.
    QTest::newRow("a record years old") << QDate(2027, 6, 1) << false << true;
}

void TestJournalIcs::predictions()
{
    QFETCH(QDate, today);
    QFETCH(bool, discreet);
    QFETCH(bool, old);
    OvelaCycleMethod journal;
    fill(journal);
    Component calendar;
    const QString error =
        parse(JournalIcs::write(journal,
                                options(today, QDateTime(today, QTime(8, 0), Qt::UTC), discreet)),
              &calendar);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    int predicted = 0;
    for (const Component &event : calendar.children) {
        const QString uid = event.one(QStringLiteral("UID"));
        const QString summary = event.one(QStringLiteral("SUMMARY"));
        const QString description = event.properties.value(QStringLiteral("DESCRIPTION"));
        if (discreet)
            QVERIFY2(summary == QLatin1String("P") || summary == QLatin1String("F"),
                     qPrintable(summary));
        if (uid.startsWith(QLatin1String("period-")))
            continue;
        // The first prediction lies in the cycle of today, not of the record's end.
        if (predicted++ == 0)
            QVERIFY(QDate::fromString(event.one(QStringLiteral("DTSTART;VALUE=DATE")),
                                      QStringLiteral("yyyyMMdd")) <= today.addDays(28));
        // Every prediction says what it is, discreet or not.
        QVERIFY2(description.contains(QLatin1String("calendar method")) &&
                     description.contains(QLatin1String("no contraception")),
                 qPrintable(description));
        QCOMPARE(description.contains(QLatin1String("The record ends on 2024-01-30")), old);
        QVERIFY(QDate::fromString(event.one(QStringLiteral("DTEND;VALUE=DATE")),
                                  QStringLiteral("yyyyMMdd")) > today);
    }
    QVERIFY(predicted >= 2);
    QCOMPARE(calendar.one(QStringLiteral("X-WR-CALNAME")),
             discreet ? QStringLiteral("Diary") : QStringLiteral("Cycle diary"));
}

void TestJournalIcs::folding_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << QStringLiteral("Period");
    QTest::newRow("ascii across three lines") << QString(180, QLatin1Char('x'));
    QTest::newRow("two-octet letters off the fold")
        << QLatin1String("a") + QString(120, QChar(0x00e4));
    QTest::newRow("four-octet emoji")
        << QLatin1String("ab") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(40);
    QTest::newRow("escapes") << QStringLiteral("one, two; three\\four\nfive");
}

void TestJournalIcs::folding()
{
    QFETCH(QString, text);
    const QByteArray lines = JournalIcs::folded("SUMMARY:" + JournalIcs::escaped(text));
    Component calendar;
    const QString error = parse(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n" + lines + "END:VCALENDAR\r\n", &calendar);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(calendar.one(QStringLiteral("SUMMARY")), text);
}

OVELA_TEST_CORE_MAIN(TestJournalIcs)
#include "tst_journal_ics.moc"
