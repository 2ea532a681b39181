#pragma once

#include "library/SoundIndex.h"

#include <QString>
#include <QStringList>
#include <vector>

// The rows a search shows: each sound's name (as the list shows names, without ".wav") with
// the folder it is in, and the file each row opens.
class SearchRows {
public:
    // The list shows this many at most; more means the words should narrow the search.
    static constexpr int kMostRows = 500;

    SearchRows() = default;
    explicit SearchRows(const std::vector<IndexedSound>& found);

    int size() const { return int(m_texts.size()); }
    const QStringList& texts() const { return m_texts; }
    // The sound's file as the program spells paths (platform/NativeName.h).
    QString path(int row) const { return m_paths.value(row); }

private:
    QStringList m_texts;
    QStringList m_paths;
};
