#include "platform/audio/MixerPlayback.h"

#include "platform/audio/SoundDecoder.h"
#include "platform/audio/WaveShape.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace {

// Format tags of WAV files the decoder plays: PCM, MS ADPCM, IEEE float, A-law, u-law,
// IMA ADPCM and the extensible header.
bool isPlayableTag(uint16_t tag) {
    switch (tag) {
    case 0x0001:
    case 0x0002:
    case 0x0003:
    case 0x0006:
    case 0x0007:
    case 0x0011:
    case 0xFFFE:
        return true;
    default:
        return false;
    }
}

// Opening must stay cheap: the file lists open every sound they list. A complete WAV file in
// a format the decoder plays is taken on its header alone; anything else goes to the decoder,
// which says precisely what is wrong with it.
bool looksPlayable(const QString& path) {
    const WaveShape shape = inspectWaveShape(path);
    return shape.kind == WaveShape::Complete && isPlayableTag(shape.formatTag) &&
           impossibleNumberOf(shape) == ImpossibleNumber::None;
}

} // namespace

AudioResult MixerPlaybackDevice::open(const QString& path) {
    close();
    if (path.isEmpty()) {
        m_state = State::OpenedNothing;
        return {};
    }
    if (!looksPlayable(path)) {
        if (auto decoder = SoundDecoder::open(path); !decoder)
            return std::unexpected(decoder.error());
    }
    m_path = path;
    m_state = State::Opened;
    return {};
}

AudioResult MixerPlaybackDevice::play(qint64 startFrame, float gain) {
    switch (m_state) {
    case State::Closed:
        return std::unexpected(QStringLiteral("No sound is open to play."));
    case State::OpenedNothing:
        return {};
    case State::Opened:
        break;
    }
    if (auto voice = m_mixer.play(VoiceSlot::Device, m_path, false, startFrame, gain); !voice)
        return std::unexpected(voice.error());
    return {};
}

void MixerPlaybackDevice::stop() {
    m_mixer.silence(VoiceSlot::Device);
}

void MixerPlaybackDevice::close() {
    stop();
    m_state = State::Closed;
    m_path.clear();
}

bool MixerSoundPlayer::playLoop(const QString& path, float gain) {
    return m_mixer.play(VoiceSlot::Loop, path, true, 0, gain).has_value();
}

// Returns when the sound has come out to its end, when stopSync() or another thread silenced
// it, or when the output stopped by itself; the time limit guards against a stalled server.
bool MixerSoundPlayer::playSync(const QString& path, float gain) {
    const auto voice = m_mixer.play(VoiceSlot::Sync, path, false, 0, gain);
    if (!voice)
        return false;
    m_stopSync = false;
    using namespace std::chrono;
    const auto limit =
        steady_clock::now() + seconds(3) +
        duration_cast<steady_clock::duration>(duration<double>((*voice)->durationSeconds()));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (m_stopSync || (*voice)->finished() || voice->use_count() <= 1 || !m_mixer.isRunning() ||
            steady_clock::now() >= limit)
            loop.quit();
    });
    poll.start(5);
    loop.exec();
    if ((*voice)->finished() && !m_stopSync) // its last buffers are on their way to the speaker
        std::this_thread::sleep_for(m_mixer.outputLatency());
    m_mixer.silence(VoiceSlot::Sync, voice->get());
    return true;
}

void MixerSoundPlayer::stopSync() {
    m_stopSync = true;
    m_mixer.silence(VoiceSlot::Sync);
}

void MixerSoundPlayer::silence() {
    m_mixer.silence(VoiceSlot::Loop);
    m_mixer.silence(VoiceSlot::Sync);
}
