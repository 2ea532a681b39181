#include "platform/audio/RateConverter.h"

#include <algorithm>
#include <cmath>

RateConverter::RateConverter(int inputRate, int outputRate, int channels)
    : m_ratio(static_cast<double>(outputRate) / inputRate), m_channels(channels) {
    if (inputRate != outputRate) {
        int error = 0;
        m_state.reset(src_new(SRC_SINC_MEDIUM_QUALITY, channels, &error));
    }
}

long RateConverter::maxOutputFrames(long inputFrames) const {
    return static_cast<long>(std::ceil(inputFrames * m_ratio)) + 256;
}

long RateConverter::convert(std::span<const float> input, std::span<float> output,
                            bool endOfInput) {
    if (!m_state) {
        const std::size_t n = std::min(input.size(), output.size());
        std::copy_n(input.begin(), n, output.begin());
        return static_cast<long>(n / m_channels);
    }
    SRC_DATA data{};
    data.data_in = input.data();
    data.input_frames = static_cast<long>(input.size() / m_channels);
    data.data_out = output.data();
    data.output_frames = static_cast<long>(output.size() / m_channels);
    data.src_ratio = m_ratio;
    data.end_of_input = endOfInput ? 1 : 0;
    long written = 0;
    // The converter may keep input back when its output fills; feed it until all is taken.
    do {
        if (src_process(m_state.get(), &data) != 0)
            break;
        written += data.output_frames_gen;
        data.data_in += data.input_frames_used * m_channels;
        data.input_frames -= data.input_frames_used;
        data.data_out += data.output_frames_gen * m_channels;
        data.output_frames -= data.output_frames_gen;
        if (data.input_frames_used == 0 && data.output_frames_gen == 0)
            break;
    } while ((data.input_frames > 0 || (endOfInput && data.output_frames_gen > 0)) &&
             data.output_frames > 0);
    return written;
}
