// An assigned sound as the desktop plays it: a real libcanberra client plays the event from the
// "tembrel" sound theme on the test sound server, and the tone is heard at the sink's monitor.
#include "../platform/audio/SoundServerTest.h"
#include "platform/RegistryFileStore.h"
#include "platform/audio/SndfileEventSounds.h"
#include "schemes/AssignSound.h"
#include "schemes/EventTable.h"
#include "tests/support/FakeUi.h"

#include <QDir>
#include <cstdint>
#include <dlfcn.h>

namespace {

// The few libcanberra calls a desktop program makes, loaded at run time.
class Canberra {
public:
    Canberra() : m_library(::dlopen("libcanberra.so.0", RTLD_NOW)) {
        if (!m_library)
            return;
        m_create = reinterpret_cast<Create>(::dlsym(m_library, "ca_context_create"));
        m_changeProps = reinterpret_cast<Props>(::dlsym(m_library, "ca_context_change_props"));
        m_setDriver = reinterpret_cast<Driver>(::dlsym(m_library, "ca_context_set_driver"));
        m_play = reinterpret_cast<Play>(::dlsym(m_library, "ca_context_play"));
        m_destroy = reinterpret_cast<Destroy>(::dlsym(m_library, "ca_context_destroy"));
    }
    ~Canberra() {
        if (m_context)
            m_destroy(m_context);
        if (m_library)
            ::dlclose(m_library);
    }
    bool loaded() const { return m_create && m_changeProps && m_setDriver && m_play && m_destroy; }

    // 0 when the event started playing, else libcanberra's error code.
    int playEvent(const char* theme, const char* event) {
        int status = m_create(&m_context);
        if (status == 0)
            status = m_changeProps(m_context, "canberra.xdg-theme.name", theme, nullptr);
        if (status == 0)
            status = m_setDriver(m_context, "pulse");
        if (status == 0)
            status =
                m_play(m_context, 0, "event.id", event, "canberra.cache-control", "never", nullptr);
        return status;
    }

private:
    using Create = int (*)(void**);
    using Props = int (*)(void*, ...);
    using Driver = int (*)(void*, const char*);
    using Play = int (*)(void*, std::uint32_t, ...);
    using Destroy = int (*)(void*);
    void* m_library;
    void* m_context = nullptr;
    Create m_create = nullptr;
    Props m_changeProps = nullptr;
    Driver m_setDriver = nullptr;
    Play m_play = nullptr;
    Destroy m_destroy = nullptr;
};

class DesktopEventSoundTest : public SoundServerTest {
protected:
    // Assigns a tone of that coding to the mail event and listens to libcanberra playing it.
    void expectHeard(const QString& name, int format, double frequency) {
        Canberra canberra;
        if (!canberra.loaded()) {
            if (soundServerRequired())
                FAIL() << "libcanberra0 is not installed (scripts/install-deps.sh)";
            GTEST_SKIP() << "libcanberra0 is not installed";
        }
        const QString data = m_dir.filePath("data");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        const QString sound = tone(name, {44100, 1, SF_FORMAT_WAV | format, 1.0, frequency, 0.5});
        RegistryFileStore registry({m_dir.filePath("config/registry.reg"),
                                    m_dir.filePath("run/registry.reg"), registrySeed(data)});
        FakeUi ui;
        SndfileEventSounds forms;
        AssignServices services{ui, registry, data + "/sounds", &forms};
        AssignSoundToEvent(EventKeyPath(kEventSlots[11]), sound, services);
        ASSERT_TRUE(ui.calls().empty());

        const double start = m_tap.mark();
        ASSERT_EQ(canberra.playEvent("tembrel", "message-new-email"), 0);
        wait(2.0);
        const MonoSound heardSound = heard();
        const auto span = soundingSpan(heardSound, 0.05, int64_t(start * heardSound.sampleRate));
        ASSERT_TRUE(span.has_value()) << "nothing was heard";
        const double begin = double(span->begin) / heardSound.sampleRate;
        EXPECT_NEAR(dominantFrequency(heardSound.between(begin + 0.1, begin + 0.6),
                                      heardSound.sampleRate, 200, 2000),
                    frequency, 5);
    }
};

TEST_F(DesktopEventSoundTest, TheDesktopPlaysTheAssignedSoundForItsEvent) {
    expectHeard("mail é.wav", SF_FORMAT_PCM_16, 880);
}

// The desktop's player reads 8- and 16-bit PCM only; a float sound reaches it as a PCM copy.
TEST_F(DesktopEventSoundTest, TheDesktopPlaysAnAssignedFloatSound) {
    expectHeard("mail float.wav", SF_FORMAT_FLOAT, 660);
}

} // namespace
