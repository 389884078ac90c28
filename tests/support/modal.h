#pragma once

// Answers modal dialogs and message boxes from inside a test, the one way every test does it:
// a timer polls for the active modal widget and hands each new one to a handler.

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Modal {

// Hands every modal widget shown while it lives to handler, which returns true once it has
// dealt with it (false: ask again on the next poll).
class Answerer : public QObject
{
public:
    using Handler = std::function<bool(QWidget *modal)>;

    explicit Answerer(Handler handler, QObject *parent = nullptr)
        : QObject(parent)
        , handler(std::move(handler))
    {
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, this, &Answerer::poll);
        timer.start();
    }

    // Ends (and deletes) this answerer after `count` answers or once timeoutMs passed.
    void endAfter(int count, int timeoutMs)
    {
        remaining = count;
        deadline = QDeadlineTimer(timeoutMs);
    }

    int answered = 0;

private:
    void poll()
    {
        // A handler that opens a nested event loop (a button that opens another dialog) is
        // not asked again from inside it.
        if (busy)
            return;
        if (remaining > 0 && deadline.hasExpired())
            return finish();
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || modal == handled)
            return;
        busy = true;
        const bool done = handler(modal);
        busy = false;
        if (!done)
            return;
        handled = modal;
        ++answered;
        if (remaining > 0 && --remaining == 0)
            finish();
    }

    void finish()
    {
        timer.stop();
        deleteLater();
    }

    Handler handler;
    QTimer timer;
    QPointer<QWidget> handled;
    int remaining = -1; // no end
    bool busy = false;
    QDeadlineTimer deadline;
};

// Answers the next modal widget, once, if one shows within timeoutMs. Owned by the
// application and deleted once done, so nothing outlives the test.
inline void answer(std::function<void(QWidget *)> answerWith, int timeoutMs = 5000)
{
    auto *once = new Answerer(
            [answerWith](QWidget *w) {
                answerWith(w);
                return true;
            },
            qApp);
    once->endAfter(1, timeoutMs);
}

// Presses the button of that object name in the next modal box (or rejects it).
inline void press(const QString &buttonName)
{
    answer([buttonName](QWidget *w) {
        if (auto *button = w->findChild<QAbstractButton *>(buttonName))
            button->click();
        else if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
    });
}

// Accepts or rejects the next dialog after `prepare` has set its widgets.
template<typename Dialog>
void run(std::function<void(Dialog *)> prepare, bool accept)
{
    answer([prepare, accept](QWidget *w) {
        auto *dialog = qobject_cast<Dialog *>(w);
        if (dialog && prepare)
            prepare(dialog);
        if (auto *d = qobject_cast<QDialog *>(w))
            accept ? d->accept() : d->reject();
    });
}

// What a message box said before the test pressed its OK button.
struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Presses OK on every message box shown while it lives and records what each one said.
class MessageBoxes : public Answerer
{
public:
    MessageBoxes()
        : Answerer([this](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
            return true;
        })
    {
    }

    QList<BoxSeen> seen;
};

} // namespace Modal
