#include "cycle/ovela_cycle_method.h"
#include "journaltool/ovela_journal_ics.h"

#include "support/testhome.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// A strict reader of RFC 5545, written here so the calendar is read by something other than
// its writer: CRLF only, lines of at most 75 octets, folding by one leading space, UTF-8,
// BEGIN/END nesting, and TEXT values with nothing unescaped.
struct Property
{
    QString name;
    QString params;
    QString value;
};

struct Component
{
    QString name;
    QList<Property> properties;
    QList<Component> children;

    QList<Property> all(const QString &key) const
    {
        QList<Property> found;
        for (const Property &p : properties) {
            if (p.name == key)
                found << p;
        }
        return found;
    }
    QString one(const QString &key) const
    {
        const QList<Property> found = all(key);
        return found.size() == 1 ? found.first().value : QString();
    }
};

QString unescapeText(const QString &value, bool *ok)
{
    QString out;
    *ok = true;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char(',') || c == QLatin1Char(';')) {
            *ok = false;
        } else if (c == QLatin1Char('\\')) {
            const QChar next = i + 1 < value.size() ? value.at(++i) : QChar();
            if (next == QLatin1Char('n') || next == QLatin1Char('N'))
                out += QLatin1Char('\n');
            else if (next == QLatin1Char('\\') || next == QLatin1Char(',') || next == QLatin1Char(';'))
                out += next;
            else
                *ok = false;
        } else {
            out += c;
        }
    }
    return out;
}

bool parse(const QByteArray &data, Component *calendar, QString *error)
{
    if (!data.endsWith("\r\n"))
        return (*error = QStringLiteral("does not end with CRLF")), false;
    QList<QByteArray> physical = data.left(data.size() - 2).split('\n');
    QList<QByteArray> logical;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QByteArray line = physical[i];
        if (!line.endsWith('\r') && i + 1 < physical.size())
            return (*error = QStringLiteral("bare LF at line %1").arg(i + 1)), false;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains('\r'))
            return (*error = QStringLiteral("bare CR at line %1").arg(i + 1)), false;
        if (line.size() > 75)
            return (*error = QStringLiteral("line %1 has %2 octets").arg(i + 1).arg(line.size())),
                   false;
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (logical.isEmpty())
                return (*error = QStringLiteral("folded first line")), false;
            logical.last() += line.mid(1);
        } else {
            logical << line;
        }
    }
    QList<Component> stack;
    bool done = false;
    static const QRegularExpression shape(QStringLiteral("^([A-Z0-9-]+)((?:;[A-Z0-9-]+=[^;:]*)*):(.*)$"));
    for (const QByteArray &bytes : logical) {
        const QString line = QString::fromUtf8(bytes);
        if (line.toUtf8() != bytes)
            return (*error = QStringLiteral("not UTF-8: %1").arg(line)), false;
        const QRegularExpressionMatch m = shape.match(line);
        if (!m.hasMatch() || done)
            return (*error = QStringLiteral("malformed line: %1").arg(line)), false;
        Property p{m.captured(1), m.captured(2), m.captured(3)};
        if (p.name == QLatin1String("BEGIN")) {
            stack.append(Component{p.value, {}, {}});
        } else if (p.name == QLatin1String("END")) {
            if (stack.isEmpty() || stack.last().name != p.value)
                return (*error = QStringLiteral("END:%1 does not close").arg(p.value)), false;
            Component closed = stack.takeLast();
            if (stack.isEmpty()) {
                *calendar = closed;
                done = true;
            } else {
                stack.last().children << closed;
            }
        } else {
            if (stack.isEmpty())
                return (*error = QStringLiteral("property outside a component")), false;
            if (p.name == QLatin1String("SUMMARY") || p.name == QLatin1String("DESCRIPTION")
                || p.name == QLatin1String("X-WR-CALNAME")) {
                bool ok = false;
                p.value = unescapeText(p.value, &ok);
                if (!ok)
                    return (*error = QStringLiteral("badly escaped text: %1").arg(line)), false;
            }
            stack.last().properties << p;
        }
    }
    if (!done || calendar->name != QLatin1String("VCALENDAR"))
        return (*error = QStringLiteral("no whole VCALENDAR")), false;
    if (calendar->one(QStringLiteral("VERSION")) != QLatin1String("2.0")
        || calendar->one(QStringLiteral("PRODID")).isEmpty())
        return (*error = QStringLiteral("VERSION or PRODID missing")), false;
    QSet<QString> uids;
    for (const Component &event : calendar->children) {
        if (event.name != QLatin1String("VEVENT") || event.one(QStringLiteral("UID")).isEmpty()
            || !QRegularExpression(QStringLiteral("^\\d{8}T\\d{6}Z$"))
                    .match(event.one(QStringLiteral("DTSTAMP")))
                    .hasMatch())
            return (*error = QStringLiteral("an event lacks UID or DTSTAMP")), false;
        const QList<Property> start = event.all(QStringLiteral("DTSTART"));
        const QList<Property> end = event.all(QStringLiteral("DTEND"));
        if (start.size() != 1 || end.size() != 1 || start[0].params != QLatin1String(";VALUE=DATE")
            || end[0].params != QLatin1String(";VALUE=DATE")
            || !(QDate::fromString(start[0].value, QStringLiteral("yyyyMMdd"))
                 < QDate::fromString(end[0].value, QStringLiteral("yyyyMMdd"))))
            return (*error = QStringLiteral("bad dates in %1").arg(event.one(QStringLiteral("UID")))),
                   false;
        if (uids.contains(event.one(QStringLiteral("UID"))))
            return (*error = QStringLiteral("UID twice")), false;
        uids << event.one(QStringLiteral("UID"));
    }
    return true;
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
    void folding_data();
    void folding();
};

void TestJournalIcs::calendar()
{
    OvelaCycleMethod journal;
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

    const QByteArray first = JournalIcs::write(journal, 2, QDate(2024, 2, 10),
                                               QDateTime(QDate(2024, 2, 10), QTime(8, 0), Qt::UTC));
    Component calendar;
    QString error;
    QVERIFY2(parse(first, &calendar, &error), qPrintable(error));

    QStringList events;
    for (const Component &event : calendar.children)
        events << event.one(QStringLiteral("SUMMARY")) + QLatin1Char(' ')
                + event.all(QStringLiteral("DTSTART")).first().value + QLatin1Char('-')
                + event.all(QStringLiteral("DTEND")).first().value;
    // DTEND is the day after the last, as all-day events have it.
    const QStringList expected = {
        QStringLiteral("Period 20240101-20240104"),
        QStringLiteral("Period 20240129-20240131"),
        QStringLiteral("Period (predicted) 20240129-20240203"),
        QStringLiteral("Fertile days (predicted) 20240208-20240213"),
        QStringLiteral("Period (predicted) 20240226-20240302"),
        QStringLiteral("Fertile days (predicted) 20240307-20240312"),
    };
    QCOMPARE(events, expected);

    // Written again later: the same UIDs, so a subscribing calendar updates its events.
    const QByteArray second = JournalIcs::write(journal, 2, QDate(2024, 2, 10),
                                                QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC));
    Component again;
    QVERIFY2(parse(second, &again, &error), qPrintable(error));
    QCOMPARE(again.children.size(), calendar.children.size());
    for (int i = 0; i < calendar.children.size(); ++i)
        QCOMPARE(again.children[i].one(QStringLiteral("UID")),
                 calendar.children[i].one(QStringLiteral("UID")));
    QVERIFY(first != second);
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
    QString error;
    const QByteArray document = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n" + lines
        + "END:VCALENDAR\r\n";
    QVERIFY2(parse(document, &calendar, &error), qPrintable(error));
    QCOMPARE(calendar.one(QStringLiteral("SUMMARY")), text);
}

OVELA_TEST_CORE_MAIN(TestJournalIcs)
#include "tst_journal_ics.moc"
