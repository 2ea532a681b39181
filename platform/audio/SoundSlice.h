#pragma once

#include <QString>
#include <expected>

// Writes frames [start, end) of source as a new sound file at destination, in the source's
// own file type, encoding, rate and channels; PCM samples come out bit for bit. The file is
// written beside destination and takes its place only when whole, never over an existing
// file. The error is a text for the user.
std::expected<void, QString> writeSoundSlice(const QString& source, qint64 start, qint64 end,
                                             const QString& destination);

// The same for the windows, which reach libsndfile only through the services.
class ISoundCutter {
public:
    virtual ~ISoundCutter() = default;
    virtual std::expected<void, QString> writeSlice(const QString& source, qint64 start, qint64 end,
                                                    const QString& destination) = 0;
};

class SndfileSoundCutter final : public ISoundCutter {
public:
    std::expected<void, QString> writeSlice(const QString& source, qint64 start, qint64 end,
                                            const QString& destination) override;
};
