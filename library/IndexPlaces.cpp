#include "library/IndexPlaces.h"

#include "core/Settings.h"
#include "core/SettingsKeys.h"
#include "directories/FavoritesList.h"
#include "library/IndexScanner.h"
#include "platform/NativeName.h"

#include <algorithm>

namespace indexplaces {

QString indexFile(const IProgramPlaces& places) {
    return places.collectionFolder(QStringLiteral("library.db"));
}

QByteArray lockFile(const QString& indexFile) {
    return nativename::encode(indexFile + QStringLiteral(".lock"));
}

std::vector<QByteArray> topFolders(const ISettings& settings, const IProgramPlaces& places) {
    std::vector<QByteArray> tops{indexPath(places.mainDirectory())};
    for (const QString& folder : favorites::read(settings).folders) {
        const QByteArray path = indexPath(folder);
        if (!path.isEmpty() && std::find(tops.begin(), tops.end(), path) == tops.end())
            tops.push_back(path);
    }
    return tops;
}

int depth(const ISettings& settings) {
    return std::clamp(settings.read(keys::kIndexDepth), 0, 64);
}

} // namespace indexplaces
