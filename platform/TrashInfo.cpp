#include "platform/TrashInfo.h"

#include "platform/AtomicFile.h"
#include "platform/NativeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QByteArray escapedTrashPath(const QByteArray& path) {
    return path.toPercentEncoding("/");
}

namespace {

QString infoFileOf(const QString& trashedPath) {
    const QFileInfo trashed(trashedPath);
    return trashed.dir().absoluteFilePath(QStringLiteral("../info/")) + trashed.fileName() +
           QStringLiteral(".trashinfo");
}

// The Path= value as Qt wrote it names the original file, absolute or relative to the top of
// its file system.
bool namesOriginal(const QByteArray& value, const QByteArray& original) {
    return !value.isEmpty() && (value == original || original.endsWith('/' + value));
}

QByteArray trashInfoText(const QByteArray& absolutePath) {
    const QByteArray when =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1();
    return "[Trash Info]\nPath=" + escapedTrashPath(absolutePath) + "\nDeletionDate=" + when + "\n";
}

// Claims NAME in the Trash by creating info/NAME.trashinfo exclusively; a taken name gets
// " 2", " 3"... before its extension. Returns the name claimed, or nothing.
QByteArray claimTrashName(const QByteArray& trash, const QByteArray& name,
                          const QByteArray& infoText) {
    const int dot = name.lastIndexOf('.');
    const QByteArray stem = dot > 0 ? name.left(dot) : name;
    const QByteArray extension = dot > 0 ? name.mid(dot) : QByteArray();
    for (int n = 1; n < 10000; ++n) {
        const QByteArray candidate = n == 1 ? name : stem + ' ' + QByteArray::number(n) + extension;
        const QByteArray info = trash + "/info/" + candidate + ".trashinfo";
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        const bool written =
            ::write(fd, infoText.constData(), size_t(infoText.size())) == ssize_t(infoText.size());
        if (::close(fd) == 0 && written)
            return candidate;
        ::unlink(info.constData());
        return {};
    }
    return {};
}

} // namespace

bool moveToHomeTrash(const QByteArray& path, const QByteArray& trashFolder) {
    const QByteArray absolute =
        path.startsWith('/') ? path : nativename::encode(QDir::currentPath()) + '/' + path;
    const QByteArray name = absolute.mid(absolute.lastIndexOf('/') + 1);
    if (name.isEmpty())
        return false;
    for (const char* part : {"", "/files", "/info"})
        if (::mkdir((trashFolder + part).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    const QByteArray claimed = claimTrashName(trashFolder, name, trashInfoText(absolute));
    if (claimed.isEmpty())
        return false;
    if (::rename(absolute.constData(), (trashFolder + "/files/" + claimed).constData()) == 0)
        return true;
    ::unlink((trashFolder + "/info/" + claimed + ".trashinfo").constData());
    return false;
}

bool escapeTrashInfoPath(const QString& trashedPath, const QString& originalPath) {
    const QString infoPath = infoFileOf(trashedPath);
    QFile info(infoPath);
    if (!info.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = info.readAll().split('\n');
    info.close();
    const QByteArray original = nativename::encode(QFileInfo(originalPath).absoluteFilePath());
    for (QByteArray& line : lines) {
        if (!line.startsWith("Path="))
            continue;
        const QByteArray value = line.mid(5);
        if (!namesOriginal(value, original) || escapedTrashPath(value) == value)
            return true;
        line = "Path=" + escapedTrashPath(value);
        return writeFileAtomically(infoPath, lines.join('\n'));
    }
    return false;
}
