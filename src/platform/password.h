#pragma once

#include <QString>

#include <functional>

class QWidget;

class Password
{
public:
    // Shows the modal pass-code entry. Returns the null string on Cancel, the empty string for
    // an empty entry and otherwise a one-way digest of the entry, never the entry itself.
    static QString getPassword(const QString &prompt);

    // The digest that getPassword returns for an entry; tests use it to prepare stores.
    static QString digest(const QString &entry);

    // Tests replace the dialog: the hook gets the prompt and returns what the user typed
    // (a null string for Cancel); the answer is then digested as a real entry would be.
    using Hook = std::function<QString(const QString &prompt)>;
    static void setHook(Hook hook);
    // The hook tests set (empty otherwise). The journal's passphrase dialogs take what it
    // returns as typed, undigested: the passphrase opens the journal's keys.
    static const Hook &testHook();
};
