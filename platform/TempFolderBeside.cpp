#include "platform/TempFolderBeside.h"

#include "platform/NativeName.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr char kMark[] = ".tembrel-";

// Leaves room for the mark within a file name's limit.
QString tempPrefix(const QString& name) {
    return QLatin1Char('.') + name.left(100) + QLatin1String(kMark);
}

// A leftover is unlocked: a live builder holds its folder's lock until it is done.
void removeIfLeftOver(const QString& path) {
    const int fd = ::open(nativename::encode(path).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        QDir(path).removeRecursively();
    ::close(fd);
}

void removeLeftOvers(const QFileInfo& target) {
    const QString prefix = tempPrefix(target.fileName());
    const QDir folder = target.dir();
    const QStringList names =
        folder.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : names)
        if (name.startsWith(prefix) && name.size() == prefix.size() + 6)
            removeIfLeftOver(folder.filePath(name));
}

} // namespace

TempFolderBeside::TempFolderBeside(const QString& target) : m_target(target) {
    const QFileInfo info(target);
    removeLeftOvers(info);
    QByteArray name =
        nativename::encode(info.dir().filePath(tempPrefix(info.fileName()))) + "XXXXXX";
    if (::mkdtemp(name.data()) == nullptr)
        return;
    m_path = nativename::decode(name);
    m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_fd < 0)
        QDir(m_path).removeRecursively();
}

TempFolderBeside::~TempFolderBeside() {
    if (m_fd < 0)
        return;
    if (!m_placed)
        QDir(m_path).removeRecursively();
    ::close(m_fd); // only now: the lock tells a live builder's folder from a leftover
}

bool TempFolderBeside::takeTargetsPlace() {
    if (m_fd < 0)
        return false;
    m_placed = ::renameat2(AT_FDCWD, nativename::encode(m_path).constData(), AT_FDCWD,
                           nativename::encode(m_target).constData(), RENAME_NOREPLACE) == 0;
    return m_placed;
}
