#include "platform/QtLauncher.h"

#include "platform/NativeName.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <algorithm>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Starts the program on the file system's bytes of every word, detached (its parent ends at
// once, so nothing waits for it). Qt spells every word as UTF-8 and would hand over another
// file's name.
bool startOnBytes(const QString& program, const QStringList& arguments) {
    std::vector<QByteArray> words{nativename::encode(program)};
    for (const QString& argument : arguments)
        words.push_back(nativename::encode(argument));
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
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

bool QtDesktop::openDocument(const QString& pathOrUrl) {
    const bool isUrl = pathOrUrl.contains(QStringLiteral("://")) ||
                       pathOrUrl.startsWith(QStringLiteral("mailto:"));
    const QUrl url =
        isUrl ? QUrl(pathOrUrl) : QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
