#pragma once

#include "platform/audio/SoundPeaks.h"

#include <QString>
#include <expected>
#include <stop_token>

// Why no peaks came out of a read.
struct PeakReadError {
    bool cancelled = false;
    QString text; // for the user, naming the file, when not cancelled
};

// Reads a whole sound file to compute its peaks. Runs on a worker thread; a stop request ends
// the read soon after.
class IPeakReader {
public:
    virtual ~IPeakReader() = default;
    virtual std::expected<SoundPeaks, PeakReadError> read(const QString& path,
                                                          std::stop_token stop) = 0;
};

// Every format libsndfile decodes. A file cut short while it is read gives the peaks of what
// was there.
class SndfilePeakReader final : public IPeakReader {
public:
    std::expected<SoundPeaks, PeakReadError> read(const QString& path,
                                                  std::stop_token stop) override;
};
