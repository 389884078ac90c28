#pragma once

#include <QString>

// Where the companion gets a passphrase: the terminal, typed without echo, or the first line of
// a file she names. Never the command line nor the environment, which other users and the
// shell's history can read.
namespace JournalSecret {

// Shows `prompt` on the terminal and reads one line without echo; false, with `error` set, when
// there is no terminal to ask on.
bool ask(const QString &prompt, QString *secret, QString *error);
// The first line of `path`, without its line end.
bool fromFile(const QString &path, QString *secret, QString *error);

} // namespace JournalSecret
