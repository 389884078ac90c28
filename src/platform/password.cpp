#include "platform/password.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

Password::Hook &hook()
{
    static Password::Hook instance;
    return instance;
}

// The small keypad dialog. The entry never leaves it in plain form: getPassword digests the
// text and the destructor wipes the line edit (and with it its undo history).
class PasscodeDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(Password)

public:
    PasscodeDialog(const QString &prompt, QWidget *parent)
        : QDialog(parent)
        , label(new QLabel(prompt, this))
        , entry(new QLineEdit(this))
        , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    {
        setObjectName(QStringLiteral("passwordDialog"));
        setWindowTitle(tr("Pass code"));
        setModal(true);

        label->setObjectName(QStringLiteral("prompt"));
        label->setWordWrap(true);

        entry->setObjectName(QStringLiteral("entry"));
        entry->setEchoMode(QLineEdit::Password);
        entry->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData |
                                   Qt::ImhNoPredictiveText);
        entry->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), entry));
        entry->setMaxLength(32);
        label->setBuddy(entry);

        auto *keypad = new QGridLayout;
        keypad->setSpacing(4);
        // Telephone order: 1 2 3 / 4 5 6 / 7 8 9 / Del 0.
        for (int digit = 0; digit <= 9; ++digit) {
            auto *key = new QPushButton(QString::number(digit), this);
            key->setObjectName(QStringLiteral("key%1").arg(digit));
            key->setFocusPolicy(Qt::NoFocus);
            key->setAutoDefault(false);
            connect(key, &QPushButton::clicked, this,
                    [this, digit] { entry->insert(QString::number(digit)); });
            if (digit == 0)
                keypad->addWidget(key, 3, 1);
            else
                keypad->addWidget(key, (digit - 1) / 3, (digit - 1) % 3);
        }
        auto *backspace = new QPushButton(tr("Del"), this);
        backspace->setObjectName(QStringLiteral("keyBackspace"));
        backspace->setFocusPolicy(Qt::NoFocus);
        backspace->setAutoDefault(false);
        connect(backspace, &QPushButton::clicked, entry, &QLineEdit::backspace);
        keypad->addWidget(backspace, 3, 2);

        buttons->setObjectName(QStringLiteral("buttons"));
        buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
        buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto *layout = new QVBoxLayout(this);
        layout->addWidget(label);
        layout->addWidget(entry);
        layout->addLayout(keypad);
        layout->addWidget(buttons);

        entry->setFocus();
    }

    ~PasscodeDialog() override { wipe(); }

    QString takeDigest()
    {
        const QString result = Password::digest(entry->text());
        wipe();
        return result;
    }

private:
    // setText, unlike clear(), also drops the edit history that still holds the typed digits.
    void wipe() { entry->setText(QString()); }

    QLabel *const label;
    QLineEdit *const entry;
    QDialogButtonBox *const buttons;
};

} // namespace

QString Password::getPassword(const QString &prompt)
{
    if (hook()) {
        const QString typed = hook()(prompt);
        return typed.isNull() ? QString() : digest(typed);
    }

    PasscodeDialog dialog(prompt, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.takeDigest();
}

QString Password::digest(const QString &entry)
{
    if (entry.isNull())
        return QString();
    if (entry.isEmpty())
        return QStringLiteral("");

    // A fixed program-specific prefix, so the digest of a short code is not the one found in
    // every table of plain SHA-256 digests.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayLiteral("ovelaZ pass code\n"));
    QByteArray bytes = entry.toUtf8();
    hash.addData(bytes);
    bytes.fill('\0');
    return QString::fromLatin1(hash.result().toHex());
}

void Password::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}

const Password::Hook &Password::testHook()
{
    return hook();
}
