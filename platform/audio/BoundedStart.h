#pragma once

#include <chrono>
#include <optional>
#include <portaudio.h>

// Starts a stream on a thread of its own and waits for the start at most limit. Nothing when
// the start did not return in time: the stream is then the starting thread's, which stops it
// should the start still succeed, and must not be used again.
std::optional<PaError> startWithin(PaStream* stream, std::chrono::milliseconds limit);
