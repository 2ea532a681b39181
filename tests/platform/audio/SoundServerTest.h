#pragma once

#include "AudioSignals.h"
#include "MonitorTap.h"
#include "platform/audio/AudioSystem.h"

#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

// Base of the tests that listen to the test sound server's sink. Without a server they skip,
// unless the test command demands sound (TEMBREL_REQUIRE_AUDIO), where they fail.
class SoundServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        if (auto started = m_tap.start(); !started) {
            if (soundServerRequired())
                FAIL() << "No sound server although TEMBREL_REQUIRE_AUDIO is set: "
                       << started.error().toStdString();
            GTEST_SKIP() << "No sound server (run eval \"$(scripts/pulse.sh start)\" first): "
                         << started.error().toStdString();
        }
    }

    QString tone(const QString& name, const ToneSpec& spec) {
        const QString path = m_dir.filePath(name);
        const auto written = writeTone(path, spec);
        EXPECT_TRUE(written.has_value()) << name.toStdString();
        return path;
    }

    // Stops listening; fails the test when the recording cannot be read.
    MonoSound heard() {
        auto sound = m_tap.finish();
        EXPECT_TRUE(sound.has_value()) << (sound ? "" : sound.error().toStdString());
        return sound ? *sound : MonoSound{44100, {}};
    }

    static void wait(double seconds) {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }

    // Level below which the sink counts as silent (16-bit quantisation is far below it).
    static constexpr double kSilence = 0.002;
    // Time the sink may take to fall silent after a stop.
    static constexpr double kStopWithin = 0.100;

    QTemporaryDir m_dir;
    AudioSystem m_audio;
    MonitorTap m_tap{m_audio};
};
