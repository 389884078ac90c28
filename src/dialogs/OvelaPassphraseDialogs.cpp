#include "dialogs/OvelaPassphraseDialogs.h"

#include "platform/password.h"
#include "platform/qpeapplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QVBoxLayout>

#include <cmath>

namespace {

QLineEdit *secretEntry(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText
                              | Qt::ImhNoAutoUppercase | Qt::ImhHiddenText);
    return edit;
}

QLabel *wrappedLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

// The OK and Cancel strip under the form; named as the one the platform adds, so that it adds
// none of its own.
QDialogButtonBox *dialogButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("qpeDialogButtons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// Wide enough that the wrapped texts read as sentences, not a column of words.
void setReadableWidth(QDialog *dialog)
{
    const int wanted = dialog->fontMetrics().averageCharWidth() * 50;
    const QScreen *screen = dialog->screen();
    // A phone shows the dialog maximized: the screen's width is what it gets.
    if (screen && wanted <= screen->availableGeometry().width() * 2 / 3)
        dialog->setMinimumWidth(wanted);
}

// setText, unlike clear(), also drops the edit history that still holds what was typed.
void wipe(QLineEdit *edit)
{
    edit->setText(QString());
}

// What she types, through the test hook when one is set; null for Cancel.
QString askSecret(QWidget *parent, const QString &prompt, const QString &problem)
{
    if (const Password::Hook &hook = Password::testHook())
        return hook(problem.isEmpty() ? prompt : problem + QLatin1Char('\n') + prompt);
    OvelaUnlockDialog dialog(prompt, problem, parent);
    if (QPEApplication::execDialog(&dialog) != QDialog::Accepted)
        return QString();
    return dialog.takeSecret();
}

} // namespace

OvelaUnlockDialog::OvelaUnlockDialog(const QString &prompt, const QString &problem,
                                     QWidget *parent)
    : QDialog(parent)
    , entry(secretEntry(this, "secret"))
{
    setObjectName(QStringLiteral("unlockDialog"));
    setWindowTitle(tr("Encrypted journal"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    if (!problem.isEmpty()) {
        QLabel *wrong = wrappedLabel(problem, this, "problem");
        wrong->setAccessibleName(problem);
        layout->addWidget(wrong);
    }
    QLabel *label = wrappedLabel(prompt, this, "prompt");
    label->setBuddy(entry);
    entry->setAccessibleName(tr("Passphrase or recovery key"));
    entry->setAccessibleDescription(prompt);
    layout->addWidget(label);
    layout->addWidget(entry);
    layout->addStretch(1);
    layout->addWidget(dialogButtons(this));
    setReadableWidth(this);
    entry->setFocus();
}

OvelaUnlockDialog::~OvelaUnlockDialog()
{
    wipe(entry);
}

QString OvelaUnlockDialog::takeSecret()
{
    const QString secret = entry->text();
    wipe(entry);
    return secret;
}

std::shared_ptr<const OvelaJournalSeal>
OvelaUnlockDialog::unlock(QWidget *parent, const QString &prompt, const QByteArray &sealed,
                          OvelaJournalSeal::Status *failure)
{
    QString problem;
    for (;;) {
        QString secret = askSecret(parent, prompt, problem);
        if (secret.isNull()) {
            *failure = OvelaJournalSeal::Status::Ok;
            return nullptr;
        }
        OvelaJournalSeal::Status status = OvelaJournalSeal::Status::Ok;
        // The key derivation takes a moment on purpose.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        std::shared_ptr<const OvelaJournalSeal> seal =
            OvelaJournalSeal::open(sealed, secret, &status);
        QApplication::restoreOverrideCursor();
        secret.fill(QLatin1Char(' '));
        if (seal || status != OvelaJournalSeal::Status::WrongSecret) {
            *failure = status;
            return seal;
        }
        problem = tr("That passphrase or recovery key does not open the journal. Please try "
                     "again.");
    }
}

OvelaNewPassphraseDialog::OvelaNewPassphraseDialog(QWidget *parent)
    : QDialog(parent)
    , first(secretEntry(this, "passphrase"))
    , second(secretEntry(this, "passphraseAgain"))
    , strength(wrappedLabel(QString(), this, "strength"))
    , buttons(dialogButtons(this))
{
    setObjectName(QStringLiteral("newPassphraseDialog"));
    setWindowTitle(tr("New passphrase"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(
        tr("The journal and every copy the diary writes of it will be encrypted with this "
           "passphrase. Any characters, at least %1; a few unusual words are easy to remember "
           "and hard to guess.")
            .arg(MinimumLength),
        this, "intro"));
    QLabel *firstLabel = wrappedLabel(tr("&Passphrase:"), this, "passphraseLabel");
    firstLabel->setBuddy(first);
    layout->addWidget(firstLabel);
    layout->addWidget(first);
    QLabel *secondLabel = wrappedLabel(tr("&Repeat the passphrase:"), this, "passphraseAgainLabel");
    secondLabel->setBuddy(second);
    layout->addWidget(secondLabel);
    layout->addWidget(second);
    layout->addWidget(strength);
    QLabel *warning = wrappedLabel(
        tr("<b>Nobody can recover a forgotten passphrase</b>: not you, not the makers of this "
           "program, not anyone. Without the passphrase or the recovery key the journal cannot "
           "be opened again."),
        this, "warning");
    warning->setTextFormat(Qt::RichText);
    layout->addWidget(warning);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setReadableWidth(this);
    first->setAccessibleName(tr("Passphrase"));
    second->setAccessibleName(tr("Repeat the passphrase"));
    connect(first, &QLineEdit::textChanged, this, &OvelaNewPassphraseDialog::check);
    connect(second, &QLineEdit::textChanged, this, &OvelaNewPassphraseDialog::check);
    check();
    first->setFocus();
}

OvelaNewPassphraseDialog::~OvelaNewPassphraseDialog()
{
    wipe(first);
    wipe(second);
}

QString OvelaNewPassphraseDialog::takePassphrase()
{
    const QString passphrase = first->text();
    wipe(first);
    wipe(second);
    return passphrase;
}

void OvelaNewPassphraseDialog::check()
{
    const QString typed = first->text();
    QString hint = strengthHint(typed);
    const bool longEnough = typed.toUcs4().size() >= MinimumLength;
    if (longEnough && !second->text().isEmpty() && second->text() != typed)
        hint += QLatin1Char(' ') + tr("The two entries differ.");
    strength->setText(hint);
    strength->setAccessibleName(hint);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(longEnough && second->text() == typed);
}

QString OvelaNewPassphraseDialog::strengthHint(const QString &passphrase)
{
    const QList<uint> characters = passphrase.toUcs4();
    if (characters.size() < MinimumLength)
        return tr("Too short: at least %1 characters.").arg(MinimumLength);
    // A rough guess of the work a guesser has: the kinds of characters used, over the length,
    // counting a character repeated right after itself as nothing new.
    bool lower = false, upper = false, digit = false, other = false, wide = false;
    int counted = 0;
    for (int i = 0; i < characters.size(); ++i) {
        const uint c = characters.at(i);
        lower |= c >= 'a' && c <= 'z';
        upper |= c >= 'A' && c <= 'Z';
        digit |= c >= '0' && c <= '9';
        wide |= c > 0x7f;
        other |= c <= 0x7f && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z')
                 && !(c >= '0' && c <= '9');
        if (i == 0 || characters.at(i - 1) != c)
            ++counted;
    }
    const int pool = (lower ? 26 : 0) + (upper ? 26 : 0) + (digit ? 10 : 0) + (other ? 33 : 0)
        + (wide ? 100 : 0);
    const double bits = counted * std::log2(double(qMax(pool, 2)));
    if (bits < 50)
        return tr("Weak: easy to guess. Make it longer.");
    if (bits < 80)
        return tr("Fair: a few more characters make it much harder to guess.");
    return tr("Strong.");
}

// The key's groups apart, so that lines break between groups only (a typed or pasted key may
// keep the spaces).
static QString keyInGroups(const QString &key)
{
    return key.split(QLatin1Char('-')).join(QLatin1Char(' '));
}

OvelaRecoveryKeyDialog::OvelaRecoveryKeyDialog(const QString &key, QWidget *parent)
    : QDialog(parent)
    , keyLabel(wrappedLabel(keyInGroups(key), this, "recoveryKey"))
{
    setObjectName(QStringLiteral("recoveryKeyDialog"));
    setWindowTitle(tr("Recovery key"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(
        tr("This recovery key opens the journal if the passphrase is forgotten. Write it down "
           "now and keep it somewhere safe, away from this computer: it is shown only this "
           "once."),
        this, "recoveryIntro"));
    keyLabel->setTextFormat(Qt::PlainText);
    keyLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Selectable and copyable by mouse and keyboard; Tab reaches it.
    keyLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    keyLabel->setFocusPolicy(Qt::StrongFocus);
    keyLabel->setAccessibleName(tr("Recovery key"));
    keyLabel->setFrameShape(QFrame::StyledPanel);
    keyLabel->setMargin(6);
    layout->addWidget(keyLabel);
    auto *written = new QCheckBox(tr("I have &written it down"), this);
    written->setObjectName(QStringLiteral("keyWrittenDown"));
    layout->addWidget(written);
    layout->addStretch(1);
    QDialogButtonBox *buttons = dialogButtons(this);
    layout->addWidget(buttons);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(written, &QCheckBox::toggled, ok, &QPushButton::setEnabled);
    setReadableWidth(this);
    keyLabel->setFocus();
}

OvelaRecoveryKeyDialog::~OvelaRecoveryKeyDialog()
{
    keyLabel->setText(QString());
}
