#include "waveform/PeakColumns.h"

#include <algorithm>
#include <limits>

std::vector<ColumnPeak> columnsOf(const SoundPeaks& peaks, int width) {
    const qint64 blocks = peaks.blocks();
    if (blocks == 0 || width <= 0)
        return {};
    std::vector<ColumnPeak> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        const qint64 first = std::min(blocks - 1, blocks * x / width);
        const qint64 end = std::max(first + 1, blocks * (x + 1) / width);
        ColumnPeak& column = columns[size_t(x)];
        for (int lane = 0; lane < peaks.lanes; ++lane) {
            int16_t low = std::numeric_limits<int16_t>::max();
            int16_t high = std::numeric_limits<int16_t>::min();
            for (qint64 block = first; block < end; ++block) {
                low = std::min(low, peaks.minAt(block, lane));
                high = std::max(high, peaks.maxAt(block, lane));
            }
            column.low[size_t(lane)] = low;
            column.high[size_t(lane)] = high;
        }
    }
    return columns;
}
