#include "platform/audio/BoundedStart.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Shared by the caller and the starting thread, which may outlive the call.
struct StartState {
    std::mutex mutex;
    std::condition_variable returned;
    std::optional<PaError> result;
    bool givenUp = false;
};

} // namespace

std::optional<PaError> startWithin(PaStream* stream, std::chrono::milliseconds limit) {
    auto state = std::make_shared<StartState>();
    std::thread([stream, state] {
        const PaError error = Pa_StartStream(stream);
        std::scoped_lock lock(state->mutex);
        if (state->givenUp) {
            if (error == paNoError) // too late: nobody feeds or stops it any more
                Pa_AbortStream(stream);
            return;
        }
        state->result = error;
        state->returned.notify_one();
    }).detach();
    std::unique_lock lock(state->mutex);
    if (state->returned.wait_for(lock, limit, [&state] { return state->result.has_value(); }))
        return state->result;
    state->givenUp = true;
    return std::nullopt;
}
