#include "calendar/ovela_datebookmonth.h"
#include "dialogs/About.h"
#include "dialogs/OvelaLegendDialog.h"
#include "dialogs/OvelaPassphraseDialogs.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"

#include "settings/Preferences.h"
#include "core/ovela_record_entry.h"
#include "platform/password.h"
#include "platform/qpeapplication.h"
#include "platform/qpetoolbar.h"
#include "support/modal.h"
#include "support/testhome.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QScreen>
#include <QCheckBox>
#include <QTabWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <memory>

namespace {

// The room a widget gives its text, and the text.
struct TextRoom
{
    QString text;
    QRect room;
};

template <typename Button> QRect buttonRoom(Button *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

TextRoom textRoom(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return {label->text(), label->contentsRect()};
    if (auto *box = qobject_cast<QCheckBox *>(w))
        return {box->text(), buttonRoom(box, QStyle::SE_CheckBoxContents)};
    if (auto *radio = qobject_cast<QRadioButton *>(w))
        return {radio->text(), buttonRoom(radio, QStyle::SE_RadioButtonContents)};
    if (auto *push = qobject_cast<QPushButton *>(w))
        return {push->text(), buttonRoom(push, QStyle::SE_PushButtonContents)};
    if (auto *tool = qobject_cast<QToolButton *>(w))
        return {tool->text(), tool->rect().adjusted(3, 3, -3, -3)};
    return {};
}

// Every text of the dialog inside the room its widget gives it, and every widget inside its
// parent.
void verifyNothingClipped(QDialog *dialog)
{
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const auto tabs = dialog->findChildren<QTabWidget *>();
    const int pages = tabs.isEmpty() ? 1 : tabs.first()->count();
    for (int page = 0; page < pages; ++page) {
        if (!tabs.isEmpty())
            tabs.first()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (QWidget *w : dialog->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(dialog))
                continue;
            const QString name = w->objectName();
            if (QWidget *parent = w->parentWidget(); parent && !name.startsWith("qt_")) {
                QVERIFY2(parent->rect().contains(w->geometry()),
                         qPrintable(name + QStringLiteral(" sticks out of its parent")));
            }
            const TextRoom text = textRoom(w);
            if (text.text.isEmpty())
                continue;
            const QFontMetrics metrics(w->font());
            if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap()) {
                // A label that wraps needs the lines its words make at its width.
                const QString words = label->textFormat() == Qt::PlainText
                    ? text.text
                    : QTextDocumentFragment::fromHtml(text.text).toPlainText();
                const QRect needed = metrics.boundingRect(text.room, Qt::TextWordWrap, words);
                QVERIFY2(needed.width() <= text.room.width()
                             && needed.height() <= text.room.height() + 2,
                         qPrintable(QStringLiteral("%1 needs %2x%3 px, has %4x%5")
                                        .arg(name)
                                        .arg(needed.width())
                                        .arg(needed.height())
                                        .arg(text.room.width())
                                        .arg(text.room.height())));
                continue;
            }
            const QStringList lines = text.text.split(QLatin1Char('\n'));
            int width = 0;
            for (const QString &line : lines)
                width = qMax(width, metrics.boundingRect(line).right() + 1);
            QVERIFY2(width <= text.room.width(), qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                                .arg(name)
                                                                .arg(width)
                                                                .arg(text.room.width())));
            QVERIFY2(int(lines.size()) * metrics.height() <= text.room.height() + 2,
                     qPrintable(name + QStringLiteral(" is too low for its text")));
        }
    }
}


// An encrypted journal for the preferences to show.
class SealedJournal : public OvelaJournalSealing
{
public:
    SealedJournal()
        : seal(OvelaJournalSeal::create(QStringLiteral("a passphrase"), &recoveryKey))
    {
    }
    std::shared_ptr<const OvelaJournalSeal> currentSeal() const override { return seal; }
    bool reseal(std::shared_ptr<const OvelaJournalSeal>, QString *) override { return false; }

    QString recoveryKey;
    std::shared_ptr<const OvelaJournalSeal> seal;
};

SealedJournal &sealedJournal()
{
    static SealedJournal journal;
    return journal;
}

// The dialogs made anew, as their callers make them.
std::unique_ptr<QDialog> makeDialog(const QString &which, Preferences &preferences,
                                    OvelaRecordEntry &entry)
{
    if (which == QLatin1String("sealing")) {
        auto dialog = std::make_unique<OvelaPreferencesDialog>();
        dialog->setJournalSealing(&sealedJournal());
        return dialog;
    }
    if (which == QLatin1String("newpassphrase"))
        return std::make_unique<OvelaNewPassphraseDialog>();
    if (which == QLatin1String("recoverykey"))
        return std::make_unique<OvelaRecoveryKeyDialog>(sealedJournal().recoveryKey);
    if (which == QLatin1String("unlock")) {
        return std::make_unique<OvelaUnlockDialog>(
            OvelaUnlockDialog::tr("The diary is encrypted. Enter its passphrase or recovery key:"),
            OvelaUnlockDialog::tr("That passphrase or recovery key does not open the journal. "
                                  "Please try again."));
    }
    if (which == QLatin1String("day")) {
        auto dialog = std::make_unique<OvelaRecordEntryDialog>(&preferences, &entry);
        dialog->lblDate->setText(QStringLiteral("Wednesday, 24 September 2025"));
        return dialog;
    }
    if (which == QLatin1String("preferences"))
        return std::make_unique<OvelaPreferencesDialog>();
    if (which == QLatin1String("legend"))
        return std::make_unique<OvelaLegendDialog>(
            calendarLegend(QFontMetrics(QApplication::font()).height() * 2));
    return std::make_unique<AboutDialog>();
}

// The names of the controls Tab visits from the first one, once round.
QStringList tabChain()
{
    QStringList names;
    QWidget *first = QApplication::focusWidget();
    QWidget *w = first;
    for (int i = 0; w && i < 40; ++i) {
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && w->objectName().isEmpty())
            names << button->text().remove(QLatin1Char('&'));
        else
            names << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        if (w == first)
            break;
    }
    return names;
}

} // namespace

class TstDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nothingClipped_data();
    void nothingClipped();
    void tabOrder_data();
    void tabOrder();
    void fitsAPhone_data();
    void fitsAPhone();
};

void TstDialogLayout::initTestCase()
{
    // The program's own style, as the window sets it before any dialog opens.
    QPEToolBar::prepareStyle();
    // The font Qt picks on a Debian desktop without a platform theme.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    if (QFontInfo(QApplication::font()).family() != QLatin1String("DejaVu Sans")) {
        // QSKIP's one-argument form trips clang's pedantic warning about variadic macros.
        QTest::qSkip("DejaVu Sans (Debian's fonts-dejavu-core) is not installed", __FILE__,
                     __LINE__);
        return;
    }
}

void TstDialogLayout::nothingClipped_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<qreal>("scale");
    for (const char *which :
         {"day", "preferences", "about", "sealing", "newpassphrase", "recoverykey", "unlock"}) {
        QTest::addRow("%s dialog, default font", which) << QString::fromLatin1(which) << 1.0;
        // A large desktop font, and longer translated texts to come.
        QTest::addRow("%s dialog, 1.6 times the font", which) << QString::fromLatin1(which) << 1.6;
    }
}

void TstDialogLayout::nothingClipped()
{
    QFETCH(QString, which);
    QFETCH(qreal, scale);
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(large);
    Preferences preferences;
    OvelaRecordEntry entry;
    {
        std::unique_ptr<QDialog> dialog = makeDialog(which, preferences, entry);
        dialog->adjustSize(); // opened at its size hint, as on a desktop
        verifyNothingClipped(dialog.get());
    }
    QApplication::setFont(normal);
}

void TstDialogLayout::tabOrder_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("day")
        << "day"
        << QStringList{"cbCervicalFluid", "cbBasalTemp", "chkDoctor", "chkSex", "chkCramps",
                       "chkProtection", "chkPMS", "chkSecret", "tbClear", "ebNote", "OK", "Cancel"};
    // Radio buttons of a group take one stop, the checked one.
    QTest::newRow("preferences, first page")
        << "preferences"
        << QStringList{"ebCyclePeriod", "ebFertilePeriod", "ebMenstrualPeriod",
                       "ebLuterPhaseLength", "cbPredictFromRecord", "btnAvoidPregnancy", "qt_tabwidget_tabbar", "OK",
                       "Cancel"};
    QTest::newRow("preferences, second page")
        << "preferences 2"
        << QStringList{"btnFarenheit", "cbFirstWeekday", "qt_tabwidget_tabbar", "btnChangePasscode", "btnClearPasscode",
                       "cbPasscodeStartup", "OK", "Cancel"};
    // Encrypted: the pass code is no gate, the passphrase commands are.
    QTest::newRow("preferences, second page, encrypted")
        << "sealing 2"
        << QStringList{"btnFarenheit", "cbFirstWeekday", "qt_tabwidget_tabbar",
                       "btnChangePassphrase", "btnStopEncrypting", "OK", "Cancel"};
    // OK waits for a passphrase typed twice, and for the key written down.
    QTest::newRow("new passphrase")
        << "newpassphrase" << QStringList{"passphrase", "passphraseAgain", "Cancel"};
    QTest::newRow("recovery key")
        << "recoverykey" << QStringList{"recoveryKey", "keyWrittenDown", "Cancel"};
    QTest::newRow("unlock") << "unlock" << QStringList{"secret", "OK", "Cancel"};
}

void TstDialogLayout::tabOrder()
{
    QFETCH(QString, which);
    QFETCH(QStringList, chain);
    Preferences preferences;
    OvelaRecordEntry entry;
    std::unique_ptr<QDialog> dialog = makeDialog(which.section(QLatin1Char(' '), 0, 0),
                                                 preferences, entry);
    if (which.endsWith(QLatin1String(" 2")))
        dialog->findChild<QTabWidget *>()->setCurrentIndex(1);
    QStringList seen;
    const QString first = chain.first();
    Modal::answer([&seen, first](QWidget *w) {
        auto *shown = qobject_cast<QDialog *>(w);
        QApplication::setActiveWindow(shown);
        shown->findChild<QWidget *>(first)->setFocus(Qt::TabFocusReason);
        seen = tabChain();
        shown->reject();
    });
    QPEApplication::execDialog(dialog.get()); // adds the OK and Cancel strip, as callers do
    QCOMPARE(seen.join(u' '), chain.join(u' '));
}

void TstDialogLayout::fitsAPhone_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<qreal>("scale");
    for (const char *which : {"day", "preferences", "preferences 2", "about", "legend", "passcode",
                              "sealing 2", "newpassphrase", "recoverykey", "unlock"}) {
        QTest::addRow("%s dialog", which) << QString::fromLatin1(which) << 1.0;
        // What QT_FONT_DPI=168 makes of the default font.
        QTest::addRow("%s dialog, large font", which) << QString::fromLatin1(which) << 1.75;
    }
}

// On a 360 x 720 phone screen every dialog lies on the screen, and every control in it can be
// seen: inside the dialog, or inside a part of it that scrolls.
void TstDialogLayout::fitsAPhone()
{
    QFETCH(QString, which);
    QFETCH(qreal, scale);
    const QScreen *phone = QGuiApplication::primaryScreen();
    const QRect screen = phone->availableGeometry();
    // 360 x 720 device pixels, at 1x or with every size scaled as QT_FONT_DPI=168 scales it.
    const QSizeF device = QSizeF(screen.size()) * phone->devicePixelRatio();
    if (qAbs(device.width() - 360) > 2 || qAbs(device.height() - 720) > 2) {
        QTest::qSkip("runs on the phone-sized screen (tst_dialoglayout_phone)", __FILE__,
                     __LINE__);
        return;
    }
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(large);
    Preferences preferences;
    OvelaRecordEntry entry;
    const bool passcode = which == QLatin1String("passcode");
    std::unique_ptr<QDialog> dialog =
        passcode ? nullptr : makeDialog(which.section(QLatin1Char(' '), 0, 0), preferences, entry);
    QStringList outside;
    QRect shown;
    Modal::answer([&](QWidget *w) {
        auto *d = qobject_cast<QDialog *>(w);
        if (which.endsWith(QLatin1String(" 2")))
            d->findChild<QTabWidget *>()->setCurrentIndex(1);
        QCoreApplication::processEvents();
        shown = d->frameGeometry();
        // What its layout needs fits in it: a window manager would not squeeze it smaller,
        // it would leave the rest off the screen.
        const QSize needed = d->minimumSizeHint();
        if (needed.width() > d->width() || needed.height() > d->height())
            outside << QStringLiteral("the dialog needs %1x%2")
                           .arg(needed.width())
                           .arg(needed.height());
        for (QWidget *child : d->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(d) || child->objectName().startsWith(QLatin1String("qt_"))
                || child->isWindow())
                continue;
            // Inside the dialog, or in the content of a scroll area (reached by scrolling).
            QWidget *clip = child->parentWidget();
            while (clip && clip != d && !qobject_cast<QAbstractScrollArea *>(clip->parentWidget()))
                clip = clip->parentWidget();
            if (clip != d)
                continue;
            const QRect place(child->mapTo(d, QPoint()), child->size());
            if (!d->rect().contains(place))
                outside << child->objectName() + QLatin1Char(' ')
                        + QString::fromLatin1(child->metaObject()->className());
        }
        d->reject();
    });
    if (passcode)
        Password::getPassword(QStringLiteral("Enter password code"));
    else
        QPEApplication::execDialog(dialog.get());
    QApplication::setFont(normal);
    QVERIFY2(screen.contains(shown), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(shown.x())
                                                   .arg(shown.y())
                                                   .arg(shown.width())
                                                   .arg(shown.height())));
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
}

OVELA_TEST_GUI_MAIN(TstDialogLayout)
#include "tst_dialoglayout.moc"
