#include "library/SoundLoudness.h"

#include "library/IndexScanner.h"

#include <QFileInfo>
#include <cmath>

namespace {

std::pair<qint64, qint64> stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {-1, 0};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

} // namespace

SoundLoudness::SoundLoudness(ISoundIndex* index, LoudnessMeasure measure, QObject* parent)
    : QObject(parent), m_index(index), m_measure(std::move(measure)) {
    m_worker.setMaxThreadCount(1);
}

SoundLoudness::~SoundLoudness() {
    m_worker.clear();
    m_worker.waitForDone();
}

std::optional<LoudnessFacts> SoundLoudness::known(const QString& path) {
    if (m_index) {
        const std::optional<IndexedSound> sound = m_index->sound(indexPath(path));
        if (sound && sound->measured && sound->loudness)
            return LoudnessFacts{*sound->loudness, sound->truePeak.value_or(-INFINITY), false};
    }
    return kept(path, true);
}

std::optional<LoudnessFacts> SoundLoudness::kept(const QString& path, bool exactOnly) const {
    const auto found = m_kept.constFind(path);
    if (found == m_kept.cend() || (exactOnly && found->facts.estimate))
        return std::nullopt;
    const auto [size, modified] = stampOf(path);
    if (size != found->size || modified != found->modified)
        return std::nullopt;
    return found->facts;
}

void SoundLoudness::keep(const QString& path, const LoudnessFacts& facts) {
    const auto [size, modified] = stampOf(path);
    m_kept.insert(path, Kept{size, modified, facts});
}

void SoundLoudness::measure(const QString& path) {
    if (!m_measure || m_pending.contains(path))
        return;
    m_pending.insert(path);
    m_worker.start([this, path, measure = m_measure] {
        const LoudnessResult result = measure(path, 0);
        QMetaObject::invokeMethod(
            this, [this, path, result] { deliver(path, result); }, Qt::QueuedConnection);
    });
}

// A sound the index does not hold yet (newer than the last rescan) keeps its figures here.
void SoundLoudness::deliver(const QString& path, const LoudnessResult& result) {
    m_pending.remove(path);
    if (result) {
        keep(path, *result);
        if (m_index)
            m_index->setLoudness(indexPath(path), result->integrated, result->truePeak);
    }
    emit measured(path, result);
}

LoudnessResult SoundLoudness::estimate(const QString& path) {
    if (const std::optional<LoudnessFacts> facts = kept(path, false))
        return *facts;
    if (!m_measure)
        return std::unexpected(QStringLiteral("Sounds are not measured here."));
    const LoudnessResult result = m_measure(path, kQuickSeconds);
    if (result)
        keep(path, *result);
    return result;
}

QString loudnessText(const LoudnessFacts& facts) {
    const QString peak = QStringLiteral("true peak %1 dBTP").arg(facts.truePeak, 0, 'f', 1);
    if (!std::isfinite(facts.truePeak))
        return QStringLiteral("silent");
    if (!std::isfinite(facts.integrated))
        return QStringLiteral("too short for a loudness (under 0.4 s), ") + peak;
    return QStringLiteral("%1 LUFS, ").arg(facts.integrated, 0, 'f', 1) + peak;
}
