#include "platform/audio/QuietAudioLog.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <initializer_list>

namespace {

extern "C" void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
extern "C" void ignoreJackMessage(const char*) {}

using JackSetHandler = void (*)(void (*)(const char*));

// libjack is loaded with PortAudio when present; it is not linked on purpose, so a machine
// without JACK still runs the program.
void silenceJack() {
    for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
        if (auto setHandler = reinterpret_cast<JackSetHandler>(dlsym(RTLD_DEFAULT, name)))
            setHandler(ignoreJackMessage);
    }
}

} // namespace

void silenceAudioLibraryMessages() {
    snd_lib_error_set_handler(ignoreAlsaMessage);
    silenceJack();
}
