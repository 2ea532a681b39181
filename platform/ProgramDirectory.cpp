#include "platform/ProgramDirectory.h"

#include "platform/NativeName.h"
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace programdir {

static QString executablePath() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString withSeparator() {
    const QString exe = executablePath();
    const qsizetype cut = exe.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? QString() : exe.left(cut + 1);
}

QString withoutSeparator() {
    QString dir = withSeparator();
    if (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString executableName() {
    return pathhelp::fileName(executablePath());
}

} // namespace programdir

namespace pathhelp {

QString fileName(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString fileTitle(const QString& path) {
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString join(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

static bool pathExists(const QString& path) {
    struct stat info {};
    return ::stat(nativename::encode(path).constData(), &info) == 0;
}

bool isRegularFile(const QString& path) {
    struct stat info {};
    return ::stat(nativename::encode(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

QString soundPath(const QString& folder, const QString& name) {
    const QString lower = join(folder, name + QStringLiteral(".wav"));
    if (pathExists(lower))
        return lower;
    // The list shows "Bell" for Bell.WAV too; on a file system that tells case apart the
    // sound is the file with the extension spelled as it is on disk.
    for (const char* extension : {".WAV", ".Wav", ".wAV", ".WaV", ".waV", ".wAv", ".WAv"}) {
        const QString other = join(folder, name + QLatin1String(extension));
        if (pathExists(other))
            return other;
    }
    return lower;
}

} // namespace pathhelp
