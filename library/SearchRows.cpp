#include "library/SearchRows.h"

#include "platform/NativeName.h"

namespace {

QString shown(const QByteArray& bytes) {
    return nativename::shown(nativename::decode(bytes));
}

QString rowText(const IndexedSound& sound) {
    QString name = shown(sound.name);
    if (name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        name.chop(4);
    const QString folder = shown(sound.folder);
    QString text = name + QStringLiteral("  \u2014  ") + folder.mid(folder.lastIndexOf('/') + 1);
    if (sound.offline)
        text += QStringLiteral(" (offline)");
    return text;
}

} // namespace

SearchRows::SearchRows(const std::vector<IndexedSound>& found) {
    m_texts.reserve(qsizetype(found.size()));
    m_paths.reserve(qsizetype(found.size()));
    for (const IndexedSound& sound : found) {
        m_texts.append(rowText(sound));
        m_paths.append(nativename::decode(sound.path()));
    }
}
