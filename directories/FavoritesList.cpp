#include "directories/FavoritesList.h"

#include "core/Settings.h"
#include "platform/NativeName.h"
#include "platform/SettingsStore.h"

#include <algorithm>

namespace favorites {
namespace {

// A count spoilt into a huge number must not make the reading crawl through millions of absent
// keys: after this many absent entries in a row the rest counts as absent too.
constexpr int kMaxGap = 256;

} // namespace

Stored read(const ISettings& settings) {
    Stored stored;
    stored.count = settings.read(keys::kFavoriteCount);
    int gap = 0;
    // The entries are read in batches that double, so a long list takes a few readings of the
    // file and a spoilt count never asks for millions of keys at once.
    qint64 first = 1;
    for (qint64 batch = kMaxGap; first <= stored.count && gap < kMaxGap; batch *= 2) {
        const qint64 last = std::min<qint64>(stored.count, first + batch - 1);
        QStringList names;
        for (qint64 i = first; i <= last; ++i)
            names.append(keys::favoriteFolder(int(i)).key);
        first = last + 1;
        for (const QString& value : settings.readStrings(keys::favoriteFolder(1).section, names)) {
            if (gap >= kMaxGap)
                break;
            if (value == settings::kMissing) {
                stored.entryMissing = true;
                ++gap;
                continue;
            }
            gap = 0;
            if (!value.isEmpty())
                stored.folders.append(value);
        }
    }
    if (stored.count > 0) {
        stored.lastMissing =
            settings.read(keys::favoriteFolder(stored.count)) == settings::kMissing;
        stored.entryMissing = stored.entryMissing || stored.lastMissing;
    }
    return stored;
}

QStringList mergeForSave(const QStringList& rows, const QStringList& readAtOpen,
                         const QStringList& storedNow) {
    QStringList result = rows;
    QStringList known = readAtOpen;
    for (const QString& folder : storedNow) {
        // Each folder read at open accounts for one stored copy; a copy beyond them is new.
        if (const qsizetype at = known.indexOf(folder); at >= 0)
            known.removeAt(at);
        else
            result.append(folder);
    }
    return result;
}

bool write(ISettings& settings, const QStringList& folders, int blankUpTo) {
    const int n = int(folders.size());
    QList<settings::Entry> entries;
    entries.reserve(std::max(n, blankUpTo) + 1);
    entries.append(keys::entry(keys::kFavoriteCount, n));
    for (int i = 1; i <= std::max(n, blankUpTo); ++i)
        entries.append(keys::entry(keys::favoriteFolder(i), i <= n ? folders[i - 1] : QString()));
    return settings.writeStrings(entries);
}

AppendOutcome append(ISettings& settings, const QString& folder) {
    const FileLock hold = settings.holdForUpdate();
    const Stored stored = read(settings);
    if (stored.folders.contains(folder, Qt::CaseSensitive))
        return AppendOutcome::AlreadyStored;
    if (stored.lastMissing)
        return AppendOutcome::LastEntryMissing;
    const int number = std::max(stored.count, 0) + 1;
    const bool written = settings.writeStrings({keys::entry(keys::kFavoriteCount, number),
                                                keys::entry(keys::favoriteFolder(number), folder)});
    return written ? AppendOutcome::Added : AppendOutcome::WriteFailed;
}

std::optional<QString> whyNotStorable(const QString& folder) {
    const QString head = QStringLiteral("The favourites list cannot keep this folder:\n%1\n\n")
                             .arg(folder.left(settings::kMaxValueLength + 40));
    if (folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r')))
        return head + QStringLiteral("Its name holds a line break.");
    if (folder != folder.trimmed())
        return head + QStringLiteral("Its name begins or ends with a blank.");
    if (folder.size() > settings::kMaxValueLength)
        return head + QStringLiteral("Its path is longer than %1 characters.")
                          .arg(settings::kMaxValueLength);
    // A name that is not UTF-8 reaches us with replacement characters and would be stored as
    // another name.
    if (!nativename::isStorableText(folder))
        return head + QStringLiteral("Its name is not UTF-8 text.");
    return std::nullopt;
}

} // namespace favorites
