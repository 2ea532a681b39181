#pragma once
// Timing helpers the benchmarks share: how long a piece of work takes, and the middle of runs.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

inline double timeMs(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
