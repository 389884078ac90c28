#pragma once

// Answers the next modal dialog or message box from the test: once it is showing, `answer`
// runs with it (set widgets, then accept, reject or click a named button).

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Modal {

inline void answer(std::function<void(QWidget *)> answerWith, int timeoutMs = 5000)
{
    // Parented to the application and deleted once done, so nothing outlives the test.
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited = 0, answerWith,
                                                      timeoutMs]() mutable {
        QWidget *w = QApplication::activeModalWidget();
        waited += 10;
        if (!w && waited < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (w)
            answerWith(w);
    });
    timer->start();
}

// Presses the button of that object name in the next modal box.
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

} // namespace Modal
