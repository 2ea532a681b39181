#include "platform/QtLauncher.h"

#include "platform/NativeName.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Starts the program on the file system's bytes of every word, detached (its parent ends at
// once, so nothing waits for it). Qt spells every word as UTF-8 and would hand over another
// file's name.
// The words of a command as the file system's bytes, and the argument vector over them.
struct CommandWords {
    CommandWords(const QString& program, const QStringList& arguments) {
        words.push_back(nativename::encode(program));
        for (const QString& argument : arguments)
            words.push_back(nativename::encode(argument));
        for (QByteArray& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
    }
    std::vector<QByteArray> words;
    std::vector<char*> argv;
};

bool startOnBytes(const QString& program, const QStringList& arguments) {
    CommandWords command(program, arguments);
    std::vector<char*>& argv = command.argv;
    int started[2];
    if (::pipe2(started, O_CLOEXEC) != 0)
        return false;
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::execvp(argv[0], argv.data());
            const char failed = 1; // the pipe closes on a successful exec
            (void)!::write(started[1], &failed, 1);
        }
        ::_exit(0);
    }
    ::close(started[1]);
    char failed = 0;
    const bool execed = middle > 0 && ::read(started[0], &failed, 1) == 0;
    ::close(started[0]);
    if (middle > 0)
        ::waitpid(middle, nullptr, 0);
    return execed;
}

// A descriptor that becomes readable when the process ends (Linux 5.3 and later).
int processDescriptor(pid_t pid) {
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
}

bool canWatchProcesses() {
    static const bool can = [] {
        const int fd = processDescriptor(::getpid());
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }();
    return can;
}

// As a shell gives it: 128 and the signal for a program killed by one.
int exitStatus(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

} // namespace

bool QtLauncher::startDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    const bool foreign = nativename::holdsForeignBytes(program) ||
                         std::any_of(arguments.begin(), arguments.end(), [](const QString& word) {
                             return nativename::holdsForeignBytes(word);
                         });
    if (foreign)
        return startOnBytes(program, arguments);
    return QProcess::startDetached(program, arguments);
}

// The program runs in a session of its own as a child of this one, which reaps it when it
// ends. Only async-signal-safe calls happen between fork and exec.
bool QtLauncher::startWatched(const QString& program, const QStringList& arguments,
                              std::function<void(int status)> failed) {
    if (!canWatchProcesses())
        return startDetached(program, arguments);
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return false;
    CommandWords command(path, arguments);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        ::execv(command.argv[0], command.argv.data());
        ::_exit(127);
    }
    if (child < 0)
        return false;
    const int ended = processDescriptor(child);
    auto* notifier = new QSocketNotifier(ended, QSocketNotifier::Read, &m_watches);
    QObject::connect(notifier, &QObject::destroyed, [ended] { ::close(ended); });
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [notifier, child, failed = std::move(failed)] {
                         notifier->setEnabled(false);
                         notifier->deleteLater();
                         int waitStatus = 0;
                         if (::waitpid(child, &waitStatus, 0) == child &&
                             exitStatus(waitStatus) != 0)
                             failed(exitStatus(waitStatus));
                     });
    return true;
}

bool QtDesktop::openDocument(const QString& pathOrUrl) {
    const bool isUrl = pathOrUrl.contains(QStringLiteral("://")) ||
                       pathOrUrl.startsWith(QStringLiteral("mailto:"));
    const QUrl url =
        isUrl ? QUrl(pathOrUrl) : QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
