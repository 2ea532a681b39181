#include "directories/FolderStatusText.h"

QString shortenStatusText(const QString& path) {
    if (path.size() <= kStatusTextLimit)
        return path;
    return path.left(kStatusTextLimit) + QStringLiteral("...");
}
