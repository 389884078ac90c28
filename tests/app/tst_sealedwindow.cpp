#include "settings/Preferences.h"
#include "app/ovela_main_widget.h"
#include "app/ovela_outside_changes.h"
#include "calendar/ovela_central_widget.h"
#include "core/ovela_journal_file.h"
#include "core/ovela_journal_seal.h"
#include "core/ovela_record_database.h"
#include "cycle/ovela_calendar.h"
#include "dialogs/OvelaPassphraseDialogs.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "platform/password.h"

#include "journaltestutil.h"
#include "support/modal.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace JournalTest;

// The encrypted journal through the window: turned on from the preferences, asked for at
// start, and nothing of the records left readable on disk.
namespace {

const QString Passphrase = QStringLiteral("violet kettle harbour");
const QString Note = QStringLiteral("Termin bei Dr. Weiß");
const QDate Day(2026, 11, 3);

QString folder()
{
    return TestHome::dataHome() + QLatin1String("/ovelaZ");
}

QString journal()
{
    return folder() + QLatin1String("/journal.ovd");
}

QStringList filesIn(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// A file of the folder and what in it could be read without the passphrase.
QStringList plainRecordsIn(const QString &dir)
{
    QByteArray utf16be, utf16le;
    for (QChar c : Note) {
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        utf16le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    }
    // The journal stream's own start, "OVELACYCLE" after its length.
    const QByteArray streamStart = QByteArray::fromHex("00000014004f00560045004c0041");
    QStringList found;
    for (const QString &path : filesIn(dir)) {
        const QByteArray bytes = readFile(path);
        if (bytes.contains(Note.toUtf8()))
            found << path + QLatin1String(": the note in UTF-8");
        if (bytes.contains(utf16be) || bytes.contains(utf16le))
            found << path + QLatin1String(": the note in UTF-16");
        // Any gzip member in it that inflates to a journal stream.
        for (qsizetype at = bytes.indexOf("\x1f\x8b\x08"); at >= 0;
             at = bytes.indexOf("\x1f\x8b\x08", at + 1)) {
            if (Gzip::inflate(bytes.mid(at)).startsWith(streamStart))
                found << path + QLatin1String(": a gzip member of the records");
        }
    }
    return found;
}

QPushButton *okOf(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

// Encrypts the open window's journal as she would, from the preferences; the recovery key
// shown is returned.
QString encryptFromThePreferences(OvelaMainWindow &window, const QString &passphrase)
{
    QString recoveryKey;
    auto *answerer = new Modal::Answerer(
        [&recoveryKey, passphrase](QWidget *w) {
            if (w->objectName() == QLatin1String("newPassphraseDialog")) {
                w->findChild<QLineEdit *>(QStringLiteral("passphrase"))->setText(passphrase);
                w->findChild<QLineEdit *>(QStringLiteral("passphraseAgain"))->setText(passphrase);
                okOf(w)->click();
                return true;
            }
            if (w->objectName() == QLatin1String("recoveryKeyDialog")) {
                recoveryKey = w->findChild<QLabel *>(QStringLiteral("recoveryKey"))->text();
                w->findChild<QCheckBox *>(QStringLiteral("keyWrittenDown"))->setChecked(true);
                okOf(w)->click();
                return true;
            }
            return false;
        },
        qApp);
    answerer->endAfter(2, 30000);
    OvelaPreferencesDialog dialog(window.calendarPage(), "PreferencesDialog", true);
    dialog.findChild<QPushButton *>(QStringLiteral("btnEncrypt"))->click();
    return recoveryKey;
}

// Starts the window with these answers typed at the prompts (a null string cancels).
std::unique_ptr<OvelaMainWindow> startWith(Preferences &preferences, const QStringList &typed,
                                           QStringList *prompts)
{
    Password::setHook([typed, prompts](const QString &prompt) {
        *prompts << prompt;
        return typed.value(prompts->size() - 1);
    });
    auto window = std::make_unique<OvelaMainWindow>(preferences);
    Password::setHook({});
    return window;
}

void writeSealedJournal(const QString &passphrase, QString *recoveryKey)
{
    const auto seal = OvelaJournalSeal::create(passphrase, recoveryKey);
    QVERIFY(seal);
    OvelaDatabase records;
    OvelaRecordEntry entry;
    entry.setNote(Note);
    records.setEntry(entry, Day);
    OvelaJournalFile file(journal());
    file.setSeal(seal);
    QVERIFY(file.save(records));
    QVERIFY(QFile::remove(file.backupPath()) || !QFileInfo::exists(file.backupPath()));
}

} // namespace

class TstSealedWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestHome::wipe();
        QDir().mkpath(folder());
    }
    void cleanup() { Password::setHook({}); }

    void roundTripLeavesNothingPlainOnDisk()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        {
            // A plain diary first, with a note: its backups and .bak hold it plain.
            OvelaMainWindow window(preferences);
            QVERIFY(window.isReady());
            OvelaRecordEntry entry;
            entry.setNote(Note);
            window.calendar()->setEntry(entry, Day);
        }
        QString recoveryKey;
        {
            OvelaMainWindow window(preferences);
            QVERIFY(window.isReady());
            window.calendar()->setStartCycleDate(Day);
            recoveryKey = encryptFromThePreferences(window, Passphrase);
            QVERIFY(!recoveryKey.isEmpty());
            QVERIFY(OvelaJournalSeal::isSealedFile(journal()));
        }
        QVERIFY(QFileInfo::exists(journal() + QLatin1String(".bak")));
        QCOMPARE(plainRecordsIn(TestHome::dataHome()), QStringList());

        // Asked for at start; the passphrase and the recovery key open it alike.
        for (const QString &secret : {Passphrase, recoveryKey}) {
            QStringList prompts;
            auto window = startWith(preferences, {secret}, &prompts);
            QCOMPARE(prompts.size(), 1);
            QVERIFY(window->isReady());
            QCOMPARE(window->calendar()->getEntry(Day).getNote(), Note);
            QCOMPARE(window->calendar()->getStartCycleDate(), Day);
            OvelaRecordEntry entry = window->calendar()->getEntry(Day);
            entry.setCramps(true);
            window->calendar()->setEntry(entry, Day.addDays(1));
        }
        QVERIFY(OvelaJournalSeal::isSealedFile(journal()));
        QCOMPARE(plainRecordsIn(TestHome::dataHome()), QStringList());
    }

    void wrongPassphraseNeverWritesOrMoves_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::newRow("cancelled") << QStringList{QString()};
        QTest::newRow("wrong, then cancelled") << QStringList{"wrong one", QString()};
        // The pass code's digits are no passphrase either.
        QTest::newRow("the pass code") << QStringList{"1234", "12345678", QString()};
    }

    void wrongPassphraseNeverWritesOrMoves()
    {
        QFETCH(QStringList, typed);
        QString recoveryKey;
        writeSealedJournal(Passphrase, &recoveryKey);
        const QByteArray before = readFile(journal());
        const QStringList files = filesIn(TestHome::dataHome());
        Modal::MessageBoxes boxes;
        Preferences preferences;
        preferences.setSaveOnExit(false);
        preferences.setRequirePassword(true);
        preferences.setPassword(Password::digest(QStringLiteral("1234")));
        QStringList prompts;
        auto window = startWith(preferences, typed, &prompts);
        QCOMPARE(window->startState(), OvelaMainWindow::StartState::WrongPassCode);
        // The passphrase only, never the pass code, and each wrong answer said so.
        QCOMPARE(prompts.size(), typed.size());
        for (int i = 1; i < prompts.size(); ++i)
            QVERIFY(prompts.at(i).contains(QLatin1String("does not open")));
        window.reset();
        QCOMPARE(boxes.seen.size(), 0);
        QCOMPARE(readFile(journal()), before);
        QCOMPARE(filesIn(TestHome::dataHome()), files);
    }

    void tamperedJournalOpensNothingAndStays_data()
    {
        QTest::addColumn<int>("fromEnd");
        QTest::newRow("last byte") << 1;
        QTest::newRow("in the middle") << -1;
    }

    void tamperedJournalOpensNothingAndStays()
    {
        QFETCH(int, fromEnd);
        QString recoveryKey;
        writeSealedJournal(Passphrase, &recoveryKey);
        QByteArray bytes = readFile(journal());
        const qsizetype at = fromEnd > 0 ? bytes.size() - fromEnd : bytes.size() / 2;
        bytes[at] = char(bytes.at(at) ^ 0x04);
        QVERIFY(writeFile(journal(), bytes));
        const QStringList files = filesIn(TestHome::dataHome());
        Modal::MessageBoxes boxes;
        Preferences preferences;
        preferences.setSaveOnExit(false);
        QStringList prompts;
        auto window = startWith(preferences, {Passphrase, Passphrase, QString()}, &prompts);
        QCOMPARE(window->startState(), OvelaMainWindow::StartState::Unopenable);
        QVERIFY(!window->centralWidget());
        window.reset();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.value(0).icon, QMessageBox::Critical);
        QVERIFY(boxes.seen.value(0).text.contains(QLatin1String("tampered")));
        QVERIFY(boxes.seen.value(0).text.contains(QLatin1String("ovela-journal salvage")));
        QCOMPARE(readFile(journal()), bytes);
        QCOMPARE(filesIn(TestHome::dataHome()), files);
    }

    // Another device writes the journal while the window is open: with the same key it is
    // merged as a plain one is; with another passphrase, once she gives that one.
    void mergingFromOutside_data()
    {
        QTest::addColumn<QString>("writer"); // "same key" or the other device's passphrase
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("merged");
        QTest::newRow("same key") << "same key" << QStringList() << true;
        QTest::newRow("another passphrase")
            << "other passphrase" << QStringList{"wrong", "other passphrase"} << true;
        QTest::newRow("another passphrase, not given")
            << "other passphrase" << QStringList{QString()} << false;
    }

    void mergingFromOutside()
    {
        QFETCH(QString, writer);
        QFETCH(QStringList, typed);
        QFETCH(bool, merged);
        QString recoveryKey;
        writeSealedJournal(Passphrase, &recoveryKey);
        Preferences preferences;
        preferences.setSaveOnExit(false);
        QStringList prompts;
        auto window = startWith(preferences, {Passphrase}, &prompts);
        QVERIFY(window->isReady());
        window->outsideChanges()->disconnect(); // nothing but this test brings it in

        const auto own = window->findChild<OvelaJournalSealing *>()->currentSeal();
        QString otherKey;
        const auto seal = writer == QLatin1String("same key")
            ? own
            : OvelaJournalSeal::create(writer, &otherKey, OvelaJournalSeal::Cost{1, 8192});
        OvelaDatabase theirs;
        theirs.setEntry(window->calendar()->getEntry(Day), Day);
        OvelaRecordEntry phone;
        phone.setNote(QStringLiteral("from the phone"));
        theirs.setEntry(phone, Day.addDays(5));
        OvelaJournalFile elsewhere(journal());
        elsewhere.setSeal(seal);
        QVERIFY(elsewhere.save(theirs));
        const QByteArray written = readFile(journal());

        prompts.clear();
        Password::setHook([&](const QString &prompt) {
            prompts << prompt;
            return typed.value(prompts.size() - 1);
        });
        QCOMPARE(window->outsideChanges()->bringIn(), merged);
        Password::setHook({});
        QCOMPARE(prompts.size(), typed.size());
        if (!typed.isEmpty())
            QVERIFY(prompts.first().contains(QLatin1String("another passphrase")));
        QCOMPARE(window->calendar()->getEntry(Day.addDays(5)).getNote(),
                 merged ? QStringLiteral("from the phone") : QString());
        window->calendar()->setStartCycleDate(Day);
        window.reset();

        if (!merged) {
            // Set aside whole, still encrypted; hers is written in its place.
            QCOMPARE(readFile(journal() + QLatin1String(".unreadable")), written);
        }
        // Written with her own passphrase, the other device's days in it when they came in.
        OvelaJournalSeal::Status status = OvelaJournalSeal::Status::Ok;
        OvelaJournalFile reread(journal());
        reread.setSeal(OvelaJournalSeal::open(readFile(journal()), Passphrase, &status));
        OvelaDatabase records;
        QCOMPARE(reread.read(records), OvelaJournalFile::LoadResult::Loaded);
        QCOMPARE(records.getEntry(Day.addDays(5)).getNote(),
                 merged ? QStringLiteral("from the phone") : QString());
        QCOMPARE(records.getStartCycleDate(), Day);
    }

    // The copy offered when the journal cannot be saved at the end.
    void saveACopyIsSealed()
    {
        QString recoveryKey;
        writeSealedJournal(Passphrase, &recoveryKey);
        Preferences preferences;
        preferences.setSaveOnExit(false);
        QStringList prompts;
        auto window = startWith(preferences, {Passphrase}, &prompts);
        QVERIFY(window->isReady());
        window->calendar()->setStartCycleDate(Day.addDays(2));
        const QString elsewhere = TestHome::dataHome() + QLatin1String("/elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        const QString copy = elsewhere + QLatin1String("/copy.ovd");
        Modal::answer([copy](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            files->selectFile(copy);
            QMetaObject::invokeMethod(files, "accept");
        });
        bool saved = false;
        QVERIFY(QMetaObject::invokeMethod(window.get(), "saveCopyAs", Q_RETURN_ARG(bool, saved)));
        QVERIFY(saved);
        QVERIFY(OvelaJournalSeal::isSealedFile(copy));
        QCOMPARE(plainRecordsIn(elsewhere), QStringList());
        OvelaJournalSeal::Status status = OvelaJournalSeal::Status::Ok;
        OvelaJournalFile reread(copy);
        reread.setSeal(OvelaJournalSeal::open(readFile(copy), Passphrase, &status));
        OvelaDatabase records;
        QCOMPARE(reread.read(records), OvelaJournalFile::LoadResult::Loaded);
        QCOMPARE(records.getStartCycleDate(), Day.addDays(2));
    }
};

OVELA_TEST_GUI_MAIN(TstSealedWindow)
#include "tst_sealedwindow.moc"
