#pragma once

// Silences the messages ALSA and JACK print on stderr while PortAudio probes for devices
// (dozens of lines on a machine without a sound card or JACK server). Safe to call often.
void silenceAudioLibraryMessages();
