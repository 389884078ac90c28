#include "dialogs/About.h"
#include "dialogs/OvelaPreferencesDialog.h"
#include "dialogs/OvelaRecordEntry.h"

#include "settings/Preferences.h"
#include "core/ovela_record_entry.h"
#include "support/testhome.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
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

} // namespace

class TstDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordDialog();
    void preferencesDialog();
    void aboutDialog();
};

void TstDialogLayout::initTestCase()
{
    // The font Qt picks on a Debian desktop without a platform theme.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    if (QFontInfo(QApplication::font()).family() != QLatin1String("DejaVu Sans")) {
        // QSKIP's one-argument form trips clang's pedantic warning about variadic macros.
        QTest::qSkip("DejaVu Sans (Debian's fonts-dejavu-core) is not installed", __FILE__,
                     __LINE__);
        return;
    }
}

void TstDialogLayout::recordDialog()
{
    Preferences preferences;
    OvelaRecordEntry entry;
    OvelaRecordEntryDialog dialog(&preferences, &entry);
    dialog.lblDate->setText(QStringLiteral("Wednesday, 24 September 2025"));
    verifyNothingClipped(&dialog);
}

void TstDialogLayout::preferencesDialog()
{
    OvelaPreferencesDialog dialog;
    verifyNothingClipped(&dialog);
}

void TstDialogLayout::aboutDialog()
{
    AboutDialog dialog;
    verifyNothingClipped(&dialog);
}

OVELA_TEST_GUI_MAIN(TstDialogLayout)
#include "tst_dialoglayout.moc"
