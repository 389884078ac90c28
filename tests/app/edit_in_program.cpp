// Loaded into the real program (LD_PRELOAD) by its tests: once the window shows, it records
// today through the calendar page's own Edit, with "Doctor" ticked in the day dialog as a user
// would (and the note OVELA_EDIT_NOTE, when set), and prints "edited" once the dialog has been
// accepted. Only public toolkit calls: it
// knows the program by class and object names.

#include "support/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QWidget *calendarPage()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->inherits("OvelaMainWindow") || !window->isVisible())
            continue;
        const QList<QWidget *> children = window->findChildren<QWidget *>();
        for (QWidget *child : children)
            if (child->inherits("OvelaCentralWidget"))
                return child;
    }
    return nullptr;
}

void editOnceShown()
{
    QWidget *page = calendarPage();
    if (!page) {
        QTimer::singleShot(50, qApp, &editOnceShown);
        return;
    }
    auto *dayDialog = new Modal::Answerer(
            [](QWidget *modal) {
                auto *doctor = modal->findChild<QCheckBox *>(QStringLiteral("chkDoctor"));
                if (!doctor)
                    return false;
                doctor->setChecked(true);
                // A note of the run's own, to tell two devices' versions of the day apart.
                const QString note = qEnvironmentVariable("OVELA_EDIT_NOTE");
                auto *edit = modal->findChild<QPlainTextEdit *>(QStringLiteral("ebNote"));
                if (!note.isEmpty() && edit)
                    edit->setPlainText(note);
                static_cast<QDialog *>(modal)->accept();
                return true;
            },
            qApp);
    dayDialog->endAfter(1, 60000);
    QMetaObject::invokeMethod(page, "onEdit"); // returns once the dialog is answered
    std::printf("edited\n");
    std::fflush(stdout);
}

void start()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QTimer::singleShot(0, qApp, &editOnceShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
