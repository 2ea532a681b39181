#pragma once

#include "library/SoundIndex.h"
#include "platform/audio/LoudnessMeter.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <expected>
#include <optional>

using LoudnessResult = std::expected<LoudnessFacts, QString>; // error: why it cannot be measured

// What the program knows of each sound's loudness: the index's figures, or figures measured
// here (on a worker for a window, or the start of the sound at once for a play that cannot
// wait). Whole measurements go into the index. Lives on the window's thread.
class SoundLoudness : public QObject {
    Q_OBJECT
public:
    // Without an index, what is measured is kept for this run only; without a measure nothing
    // is measured.
    SoundLoudness(ISoundIndex* index, LoudnessMeasure measure, QObject* parent = nullptr);
    ~SoundLoudness() override;

    // The figures of the whole sound when they are known; nothing when not measured yet or not
    // measurable.
    std::optional<LoudnessFacts> known(const QString& path);
    // Measures the whole sound on a worker; measured follows (once, however often asked).
    void measure(const QString& path);
    bool canMeasure() const { return bool(m_measure); }
    // Estimates the loudness now from the start of the sound (kQuickSeconds), for a play that
    // cannot wait; the estimate is kept until the file changes or the whole measure comes.
    LoudnessResult estimate(const QString& path);
    void waitForIdle() { m_worker.waitForDone(); }

    static constexpr double kQuickSeconds = 10.0;

signals:
    void measured(const QString& path, const LoudnessResult& result);

private:
    struct Kept {
        qint64 size = -1;
        qint64 modified = 0;
        LoudnessFacts facts;
    };
    std::optional<LoudnessFacts> kept(const QString& path, bool exactOnly) const;
    void keep(const QString& path, const LoudnessFacts& facts);
    void deliver(const QString& path, const LoudnessResult& result);

    ISoundIndex* m_index;
    LoudnessMeasure m_measure;
    QHash<QString, Kept> m_kept;
    QSet<QString> m_pending;
    QThreadPool m_worker;
};

// "-23.0 LUFS, true peak -1.2 dBTP", "silent", or too short for an integrated loudness.
QString loudnessText(const LoudnessFacts& facts);
