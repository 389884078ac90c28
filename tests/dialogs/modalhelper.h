#pragma once

// Answers modal dialogs from inside a test: a timer polls for the active modal widget, hands it
// to a handler and stops once the handler has taken care of it.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalAnswerer : public QObject
{
public:
    // handler returns true when it closed the widget, false to look again later.
    using Handler = std::function<bool(QWidget *modal)>;

    explicit ModalAnswerer(Handler handler, QObject *parent = nullptr)
        : QObject(parent)
        , handler(std::move(handler))
    {
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal != handled && this->handler(modal)) {
                handled = modal;
                ++answered;
            }
        });
        timer.start();
    }

    int answered = 0;

private:
    Handler handler;
    QTimer timer;
    QPointer<QWidget> handled;
};

// What a message box said before the test pressed its OK button.
struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Presses OK on every message box shown while it lives and records what each one said.
class MessageBoxAnswerer : public ModalAnswerer
{
public:
    MessageBoxAnswerer()
        : ModalAnswerer([this](QWidget *modal) {
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
