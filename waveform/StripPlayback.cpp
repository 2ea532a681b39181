#include "waveform/StripPlayback.h"

#include "core/CWavePlayer.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "platform/Ui.h"
#include "platform/audio/SoundSlice.h"
#include "waveform/WaveStrip.h"

#include <QFile>
#include <QFileInfo>
#include <climits>

StripPlayback::StripPlayback(CommandTable& commands, WaveStrip& strip, CWavePlayer& player, IUi& ui,
                             ISoundCutter* cutter, WholeSound whole, QObject* parent)
    : QObject(parent), m_strip(strip), m_player(player), m_ui(ui), m_cutter(cutter),
      m_whole(std::move(whole)) {
    m_regionEnd.setSingleShot(true);
    connect(&m_regionEnd, &QTimer::timeout, this, [this] {
        m_player.Stop();
        m_strip.showStopped();
    });
    connect(&strip, &WaveStrip::playFromRequested, this, &StripPlayback::playFrom);
    commands.takeOver(cmd::Play, [this] { play(); });
    commands.takeOver(cmd::Stop, [this] { stop(); });
    commands.takeOver(cmd::PlayLoop, [this] { loop(); });
}

bool StripPlayback::startAt(qint64 frame) {
    m_regionEnd.stop();
    m_player.Stop();
    if (!m_player.Open(m_whole.selectedPath()))
        return false; // the player has said why
    m_player.Play(frame);
    return true;
}

void StripPlayback::playFrom(qint64 frame) {
    if (startAt(frame))
        m_strip.showPlaying({frame, m_strip.state().frames()}, false);
}

void StripPlayback::playRegion(FrameRange region) {
    if (!startAt(region.start))
        return;
    m_strip.showPlaying(region, false);
    const int rate = m_strip.state().sampleRate();
    if (rate > 0)
        m_regionEnd.start(int(std::min<qint64>(region.length() * 1000 / rate, INT_MAX)));
}

void StripPlayback::play() {
    if (const auto region = m_strip.state().region()) {
        playRegion(*region);
        return;
    }
    m_regionEnd.stop();
    m_whole.play();
    m_strip.showPlaying({0, m_strip.state().frames()}, false);
}

void StripPlayback::stop() {
    m_regionEnd.stop();
    m_whole.stop();
    m_strip.showStopped();
}

void StripPlayback::loop() {
    const auto region = m_strip.state().region();
    if (!region || !m_cutter || !m_loopFolder.isValid()) {
        m_regionEnd.stop();
        m_whole.loop();
        m_strip.showPlaying({0, m_strip.state().frames()}, true);
        return;
    }
    const QString source = m_whole.selectedPath();
    const QString looped =
        m_loopFolder.filePath(QStringLiteral("region.") + QFileInfo(source).suffix());
    m_regionEnd.stop();
    m_player.Stop();
    QFile::remove(looped);
    if (auto written = m_cutter->writeSlice(source, region->start, region->end, looped); !written) {
        m_ui.messageBox(written.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    m_player.PlayLoop(looped, source);
    m_strip.showPlaying(*region, true);
}
