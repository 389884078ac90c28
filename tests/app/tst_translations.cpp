#include "app/ovela_main_widget.h"
#include "dialogs/OvelaRecordEntry.h"
#include "journaltool/ovela_journal_commands.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "settings/Preferences.h"

#include "support/modal.h"
#include "support/testhome.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The program started by a German-speaking user: its own texts and Qt's come in German, and
// dates follow her locale.
class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestHome::wipe(); }

    void windowInGerman()
    {
        Preferences preferences;
        preferences.setSaveOnExit(false);
        OvelaMainWindow window(preferences);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList menus;
        for (QAction *menu : window.findChild<QPEMenuBar *>()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&Ansicht"), QStringLiteral("E&xtras"),
                                     QStringLiteral("&Tag")}));

        QAction *edit = nullptr;
        for (QAction *a : window.findChild<QPEToolBar *>()->actions())
            if (a->iconText() == QStringLiteral("Bearbeiten"))
                edit = a;
        QVERIFY(edit);
        // The tip names the key in German too.
        QCOMPARE(edit->toolTip(), QStringLiteral("Einträge für den ausgewählten Tag erfassen (Strg+E)"));

        // The day dialog: its labels, its date line in the long German form, Qt's own Cancel.
        QString date;
        QStringList labels;
        QString cancel;
        Modal::run<OvelaRecordEntryDialog>(
            [&](OvelaRecordEntryDialog *d) {
                date = d->lblDate->text();
                for (const QLabel *label : d->findChildren<QLabel *>())
                    labels << label->text();
                if (auto *box = d->findChild<QDialogButtonBox *>())
                    cancel = box->button(QDialogButtonBox::Cancel)->text();
            },
            false);
        edit->trigger();
        QCOMPARE(date, QLocale(QLocale::German, QLocale::Germany)
                           .toString(QDate::currentDate(), QLocale::LongFormat));
        QVERIFY2(labels.contains(QStringLiteral("Zervixschleim")), qPrintable(labels.join('|')));
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
    }

    void companionInGerman()
    {
        QString text, errors;
        QTextStream out(&text), err(&errors);
        runJournalTool({QStringLiteral("ovela-journal"), QStringLiteral("--help")}, out, err);
        out.flush();
        QVERIFY2(text.contains(QStringLiteral("\nBefehle:\n")), qPrintable(text));
    }
};

int main(int argc, char **argv)
{
    // Set before the application reads the locale, as a German desktop session sets them.
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANGUAGE", "de");
    TestHome::setUp();
    QPEApplication app(argc, argv);
    TstTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
