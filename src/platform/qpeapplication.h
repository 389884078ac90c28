#pragma once

#include <QApplication>
#include <QPointer>

class QDialog;
class QEvent;
class QWidget;

class QPEApplication : public QApplication
{
    Q_OBJECT
public:
    enum Type { GuiClient, GuiServer };

    QPEApplication(int &argc, char **argv, Type type = GuiClient);
    ~QPEApplication() override;

    // Maximized on a handheld-sized screen; else where it was when the program last ended,
    // kept on the screen, or at a phone-like portrait size the first time. The window's place
    // is saved again when the main loop ends.
    void showMainWidget(QWidget *widget, bool nomaximize = false);

    // The window's size, place and maximized state, in a store of their own ("window-state").
    static void saveWindowState(const QWidget *widget);

    // Runs a dialog modally: maximized on a handheld-sized screen, else at its own size
    // centred on its parent, with the window's OK and Cancel ("qpeDialogButtons") along its
    // bottom edge. Returns exec()'s result.
    static int execDialog(QDialog *dialog);

    // True when the screen is no bigger than a handheld's.
    static bool isHandheldScreen();

    // The least height and width, in logical pixels, of a control to be tapped: 48 on a
    // handheld-sized screen, 40 with a touch screen, 0 (the style's own size) otherwise.
    static int touchTargetSize();

    // The application object of this program, or null when there is none (plain QApplication
    // in some tests).
    static QPEApplication *instance();

    // Whether an orderly quit has been asked for (a termination signal, or requestQuit()),
    // also one asked for in a nested event loop before the main loop ran.
    bool quitRequested() const { return quitPending; }

    // Runs the main event loop; returns at once when a quit is already pending.
    int exec();

    // An orderly quit: ends every modal dialog and the main loop; asked for before the main loop
    // runs, it is remembered and exec() returns at once.
    void requestQuit();

    // Changes the platform's first weekday (the "qpe" store's Time/MONDAY) and announces it.
    // The constructor writes that entry from the system locale when the store has none yet.
    void setWeekStartsMonday(bool monday);

signals:
    void weekChanged(bool mondayFirst);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void installSignalHandlers();
    void restoreSignalHandlers();
    void onSignalSocket();
    void endModalWidgets();

    QPointer<QWidget> mainWidget;
    bool quitPending = false;
    bool inMainLoop = false;
};
