#include "platform/QtLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtLauncher::startDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

bool QtDesktop::openDocument(const QString& pathOrUrl) {
    const bool isUrl = pathOrUrl.contains(QStringLiteral("://")) ||
                       pathOrUrl.startsWith(QStringLiteral("mailto:"));
    const QUrl url =
        isUrl ? QUrl(pathOrUrl) : QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
