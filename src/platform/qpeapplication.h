#pragma once

#include <QApplication>

class QDialog;
class QWidget;

class QPEApplication : public QApplication
{
    Q_OBJECT
public:
    enum Type { GuiClient, GuiServer };

    QPEApplication(int &argc, char **argv, Type type = GuiClient);
    ~QPEApplication() override;

    // Maximized on a handheld-sized screen, else at a phone-like portrait size.
    void showMainWidget(QWidget *widget, bool nomaximize = false);

    // Runs a dialog modally: maximized on a handheld-sized screen, else at its own size
    // centred on its parent. Returns exec()'s result.
    static int execDialog(QDialog *dialog);

    // True when the screen is no bigger than a handheld's.
    static bool isHandheldScreen();

    // The application object of this program, or null when there is none (plain QApplication
    // in some tests).
    static QPEApplication *instance();

    // Whether an orderly quit has been asked for (a termination signal, or quit() inside a
    // nested event loop before the main loop runs).
    bool quitRequested() const { return quitPending; }

    int exec();

    // Changes the platform's first weekday (the "qpe" store's Time/MONDAY) and announces it.
    // The constructor writes that entry from the system locale when the store has none yet.
    void setWeekStartsMonday(bool monday);

signals:
    void weekChanged(bool mondayFirst);

private:
    void installSignalHandlers();
    void onSignalSocket();

    bool quitPending = false;
};
