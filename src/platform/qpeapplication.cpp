#include "platform/qpeapplication.h"

#include "platform/config.h"
#include "platform/resource.h"
#include "platform/translations.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QInputDevice>
#include <QLocale>
#include <QMetaObject>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QSocketNotifier>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

const int quitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The self-pipe: the handler only writes a byte, the event loop does the rest.
int signalPipe[2] = {-1, -1};

extern "C" void onQuitSignal(int signo)
{
    const int savedErrno = errno;
    const char byte = char(signo);
    // Non-blocking: with the pipe full a quit is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

// The phone-like portrait size of the main window on a desktop, in logical pixels.
const QSize desktopWindowSize(420, 720);
// Room left on the screen for the window manager's frame and panels.
const QSize frameRoom(40, 80);

} // namespace

QPEApplication::QPEApplication(int &argc, char **argv, Type /*type*/)
    : QApplication(argc, argv)
{
    Translations::install(*this);
    {
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        if (!qpe.hasKey(QStringLiteral("MONDAY")))
            qpe.writeEntry(QStringLiteral("MONDAY"),
                           QLocale::system().firstDayOfWeek() == Qt::Monday);
    }
    // Every window and dialog carries the program's icon; desktops match the windows to the
    // installed launcher entry by this name.
    setWindowIcon(Resource::loadIcon(QStringLiteral("org.ovela.Quorin.svg")));
    setDesktopFileName(QStringLiteral("org.ovela.Quorin"));
    installSignalHandlers();
}

QPEApplication::~QPEApplication()
{
    restoreSignalHandlers();
}

QPEApplication *QPEApplication::instance()
{
    return qobject_cast<QPEApplication *>(QCoreApplication::instance());
}

bool QPEApplication::isHandheldScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    const QSize size = screen->availableGeometry().size();
    return qMin(size.width(), size.height()) <= 600;
}

int QPEApplication::touchTargetSize()
{
    if (isHandheldScreen())
        return 48;
    const auto devices = QInputDevice::devices();
    const bool touch = std::any_of(devices.cbegin(), devices.cend(), [](const QInputDevice *d) {
        return d->type() == QInputDevice::DeviceType::TouchScreen;
    });
    return touch ? 40 : 0;
}

namespace {

const QString windowStateStore = QStringLiteral("window-state");
const QString windowGroup = QStringLiteral("MainWindow");

// The saved place of the window (frame's top left, inner size), moved and shrunk onto the
// screen it mostly lies on; null when nothing usable was saved or it lies on no screen.
QRect savedWindowPlace(bool &maximized)
{
    Config state(windowStateStore, Config::User);
    state.setGroup(windowGroup);
    maximized = state.readBoolEntry(QStringLiteral("Maximized"), false);
    const QRect saved(state.readNumEntry(QStringLiteral("X"), 0),
                      state.readNumEntry(QStringLiteral("Y"), 0),
                      state.readNumEntry(QStringLiteral("Width"), 0),
                      state.readNumEntry(QStringLiteral("Height"), 0));
    if (saved.width() < 100 || saved.height() < 100)
        return QRect();
    auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    QRect best;
    qint64 bestShare = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect available = screen->availableGeometry();
        const qint64 share = area(available.intersected(saved));
        if (share > bestShare) {
            bestShare = share;
            best = available;
        }
    }
    // A window left mostly off every screen (a monitor since unplugged) starts afresh.
    if (bestShare == 0 || bestShare < qMin(area(saved), area(best)) / 4)
        return QRect();
    QRect place(saved.topLeft(), saved.size().boundedTo(best.size() - frameRoom));
    place.moveLeft(qBound(best.left(), place.left(),
                          best.right() + 1 - place.width() - frameRoom.width()));
    place.moveTop(qBound(best.top(), place.top(),
                         best.bottom() + 1 - place.height() - frameRoom.height()));
    return place;
}

} // namespace

void QPEApplication::showMainWidget(QWidget *widget, bool nomaximize)
{
    mainWidget = widget;
    if (isHandheldScreen() && !nomaximize) {
        widget->showMaximized();
        return;
    }
    bool maximized = false;
    const QRect saved = savedWindowPlace(maximized);
    if (saved.isValid()) {
        widget->resize(saved.size());
        widget->move(saved.topLeft());
        if (maximized)
            widget->showMaximized();
        else
            widget->show();
        return;
    }
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = desktopWindowSize.boundedTo(available.size() - frameRoom);
    widget->resize(size);
    QRect frame(QPoint(), size);
    frame.moveCenter(available.center());
    widget->move(frame.topLeft());
    widget->show();
}

void QPEApplication::saveWindowState(const QWidget *widget)
{
    if (!widget)
        return;
    const bool maximized = widget->isMaximized();
    // A maximized window keeps the place it returns to when it is restored.
    const QRect normal = maximized ? widget->normalGeometry() : widget->geometry();
    const QPoint frameOffset = widget->geometry().topLeft() - widget->pos();
    const QPoint topLeft = maximized ? normal.topLeft() - frameOffset : widget->pos();
    Config state(windowStateStore, Config::User);
    state.setGroup(windowGroup);
    state.writeEntry(QStringLiteral("X"), topLeft.x());
    state.writeEntry(QStringLiteral("Y"), topLeft.y());
    state.writeEntry(QStringLiteral("Width"), normal.width());
    state.writeEntry(QStringLiteral("Height"), normal.height());
    state.writeEntry(QStringLiteral("Maximized"), maximized);
}

namespace {

// The handheld's dialog window carried OK and Cancel in its title bar; our dialogs are laid out
// for that and hold no buttons of their own. On a desktop the title bar has none, so the
// platform adds the strip along the dialog's bottom edge and keeps it there.
class DialogControls : public QDialogButtonBox
{
public:
    explicit DialogControls(QDialog *dialog)
        : QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog)
    {
        hide(); // not part of the form measured below
        setObjectName(QStringLiteral("qpeDialogButtons"));
        connect(this, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
        connect(this, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
        // A form laid out by a layout takes the strip as its last row.
        if (auto *layout = qobject_cast<QBoxLayout *>(dialog->layout())) {
            layout->addWidget(this);
            show();
            return;
        }
        setContentsMargins(6, 4, 6, 6);
        dialog->installEventFilter(this);
        // Below the form's lowest widget: the empty band the handheld kept free at the bottom
        // (for its input panel) is not needed above the buttons.
        const int strip = sizeHint().height();
        const QRect content = dialog->childrenRect();
        const int formHeight =
            content.isValid() ? qMin(dialog->height(), content.bottom() + 1 + 6) : dialog->height();
        dialog->resize(dialog->width(), formHeight + strip);
        place();
        show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            place();
        return QDialogButtonBox::eventFilter(watched, event);
    }

private:
    void place()
    {
        const QWidget *dialog = parentWidget();
        const int strip = sizeHint().height();
        setGeometry(0, dialog->height() - strip, dialog->width(), strip);
        raise();
    }
};

// A form taller or wider than the screen (a phone, a large font) scrolls inside the dialog,
// the OK and Cancel strip staying in sight below it. Only forms laid out by a box layout.
void scrollFormOnSmallScreen(QDialog *dialog, const QSize &room)
{
    auto *form = qobject_cast<QBoxLayout *>(dialog->layout());
    if (!form || dialog->findChild<QScrollArea *>(QStringLiteral("qpeDialogScroll")))
        return;
    const QSize needed = form->totalMinimumSize();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    auto *scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("qpeDialogScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("qpeDialogContent"));
    auto *inner = new QVBoxLayout(content);
    inner->setContentsMargins(form->contentsMargins());
    inner->setSpacing(form->spacing());
    QWidget *strip = dialog->findChild<QDialogButtonBox *>(QStringLiteral("qpeDialogButtons"));
    // Everything but the strip moves into the scrolled part, in its order.
    for (int i = 0; i < form->count();) {
        QLayoutItem *item = form->itemAt(i);
        if (item->widget() && item->widget() == strip) {
            ++i;
            continue;
        }
        const int stretch = form->stretch(i);
        item = form->takeAt(i);
        if (QWidget *w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout *l = item->layout()) {
            l->setParent(nullptr);
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
        }
    }
    scroll->setWidget(content);
    form->insertWidget(0, scroll, 1);
    // The control Tab reaches is scrolled into sight.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll, content](QWidget *, QWidget *now) {
        if (now && content->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
}

} // namespace

int QPEApplication::execDialog(QDialog *dialog)
{
    if (QPEApplication *app = instance(); app && app->quitRequested())
        return QDialog::Rejected;
    if (!dialog->findChild<QDialogButtonBox *>(QStringLiteral("qpeDialogButtons")))
        new DialogControls(dialog);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // Room for the window manager's title bar and frame.
        scrollFormOnSmallScreen(dialog, screen->availableGeometry().size() - QSize(16, 48));
    }
    if (isHandheldScreen()) {
        dialog->setWindowState(dialog->windowState() | Qt::WindowMaximized);
        return dialog->exec();
    }
    if (!dialog->testAttribute(Qt::WA_Resized))
        dialog->adjustSize();
    const QWidget *over = dialog->parentWidget() ? dialog->parentWidget()->window()
                                                 : QApplication::activeWindow();
    const QScreen *screen = over ? over->screen() : QGuiApplication::primaryScreen();
    QRect frame(QPoint(), dialog->size());
    frame.moveCenter(over ? over->geometry().center()
                          : (screen ? screen->availableGeometry().center() : QPoint()));
    if (screen) {
        // Keep the whole dialog on the screen, its top-left corner first.
        const QRect available = screen->availableGeometry();
        frame.moveRight(qMin(frame.right(), available.right()));
        frame.moveBottom(qMin(frame.bottom(), available.bottom()));
        frame.moveLeft(qMax(frame.left(), available.left()));
        frame.moveTop(qMax(frame.top(), available.top()));
    }
    dialog->move(frame.topLeft());
    return dialog->exec();
}

int QPEApplication::exec()
{
    // A quit asked for in a dialog before the main loop (the pass-code entry, a start-up box)
    // would otherwise be forgotten: the main loop resets the toolkit's own quit state.
    if (quitPending)
        return 0;
    inMainLoop = true;
    const int status = QApplication::exec();
    inMainLoop = false;
    // Handheld windows always open maximized; their place is not worth keeping.
    if (mainWidget && !isHandheldScreen())
        saveWindowState(mainWidget);
    return status;
}

void QPEApplication::setWeekStartsMonday(bool monday)
{
    {
        Config qpe(QStringLiteral("qpe"), Config::User);
        qpe.setGroup(QStringLiteral("Time"));
        qpe.writeEntry(QStringLiteral("MONDAY"), monday);
    }
    emit weekChanged(monday);
}

void QPEApplication::requestQuit()
{
    if (!quitPending) {
        quitPending = true;
        // From now on any dialog that still opens ends as soon as it shows.
        installEventFilter(this);
    }
    endModalWidgets();
    if (inMainLoop)
        exit(0); // ends nested loops as well as the main one
}

void QPEApplication::endModalWidgets()
{
    const QWidgetList windows = topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible() || !window->isModal())
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
    }
}

bool QPEApplication::eventFilter(QObject *watched, QEvent *event)
{
    if (quitPending && event->type() == QEvent::Show) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget->isModal()) {
            // Queued, so that it runs inside the dialog's own loop and ends it.
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
        }
    }
    return QApplication::eventFilter(watched, event);
}

void QPEApplication::installSignalHandlers()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("ovelaZ: no pipe for termination signals; they will end the program at once");
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QPEApplication::onSignalSocket);

    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : quitSignals)
        sigaction(signo, &action, nullptr);
    // A file size limit must make a write fail, not end the program while it saves.
    signal(SIGXFSZ, SIG_IGN);
}

void QPEApplication::restoreSignalHandlers()
{
    if (signalPipe[0] < 0)
        return;
    // Once this object is gone nobody would act on a signal: back to the default action.
    for (int signo : quitSignals)
        signal(signo, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void QPEApplication::onSignalSocket()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    requestQuit();
}
