#include "journaltool/ovela_journal_secret.h"

#include "journaltool/ovela_journal_text.h"

#include <QByteArray>
#include <QFile>

#include <sodium.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A passphrase longer than this is no passphrase anyone types.
constexpr int MaxSecretBytes = 4096;

// While echo is off, an interrupt must not leave her terminal without it.
int ttyFd = -1;
struct termios savedTty;

void restoreAndRaise(int signal)
{
    tcsetattr(ttyFd, TCSADRAIN, &savedTty);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The bytes as text, then wiped.
QString takeText(QByteArray &bytes)
{
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    const QString text = QString::fromUtf8(bytes);
    sodium_memzero(bytes.data(), size_t(bytes.size()));
    return text;
}

} // namespace

bool JournalSecret::ask(const QString &prompt, QString *secret, QString *error)
{
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *error = JournalText::tr("there is no terminal to ask the passphrase on; give it with "
                                 "--passphrase-file");
        return false;
    }
    // Echo goes off before the prompt shows, so nothing typed ahead of it is shown either;
    // what was typed ahead is kept, not flushed.
    struct termios quiet;
    const bool terminal = tcgetattr(fd, &savedTty) == 0;
    void (*oldInt)(int) = SIG_DFL;
    void (*oldTerm)(int) = SIG_DFL;
    if (terminal) {
        ttyFd = fd;
        oldInt = std::signal(SIGINT, restoreAndRaise);
        oldTerm = std::signal(SIGTERM, restoreAndRaise);
        quiet = savedTty;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        tcsetattr(fd, TCSADRAIN, &quiet);
    }
    const QByteArray shown = prompt.toLocal8Bit();
    bool ok = ::write(fd, shown.constData(), size_t(shown.size())) == shown.size();
    QByteArray bytes(MaxSecretBytes, '\0');
    int length = 0;
    while (ok && length < MaxSecretBytes) {
        char c = 0;
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = length > 0;
            break;
        }
        if (c == '\n')
            break;
        bytes[length++] = c;
    }
    if (terminal) {
        tcsetattr(fd, TCSADRAIN, &savedTty);
        std::signal(SIGINT, oldInt);
        std::signal(SIGTERM, oldTerm);
        ttyFd = -1;
    }
    ::close(fd);
    QByteArray typed = bytes.left(length);
    sodium_memzero(bytes.data(), size_t(bytes.size()));
    *secret = takeText(typed);
    if (!ok)
        *error = JournalText::tr("no passphrase was typed");
    return ok;
}

bool JournalSecret::fromFile(const QString &path, QString *secret, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = JournalText::tr("%1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray line = file.readLine(MaxSecretBytes);
    *secret = takeText(line);
    if (secret->isEmpty()) {
        *error = JournalText::tr("%1 holds no passphrase on its first line").arg(path);
        return false;
    }
    return true;
}
