#pragma once

#include <QString>
#include <cstdint>
#include <expected>
#include <memory>
#include <sndfile.h>

// A sound file opened for reading with libsndfile, decoded to float samples in [-1, 1].
// Reads from disk on demand; nothing but the header is read when it opens.
class SoundDecoder {
public:
    // The error is a text for the user naming the file and what is wrong with it.
    static std::expected<SoundDecoder, QString> open(const QString& path);

    int sampleRate() const { return m_info.samplerate; }
    int channels() const { return m_info.channels; }
    int64_t frames() const { return m_info.frames; }
    int format() const { return m_info.format; } // SF_FORMAT_* major and subtype

    // Reads up to frameCount interleaved frames into out; returns the number read, 0 at the end.
    int64_t read(float* out, int64_t frameCount);
    // Goes back to the first frame; false if the file cannot seek.
    bool rewind() { return seek(0); }
    // Goes to frame (past the end: to the end); false if the file cannot seek.
    bool seek(int64_t frame);

private:
    struct CloseFile {
        void operator()(SNDFILE* file) const { sf_close(file); }
    };
    SoundDecoder(SNDFILE* file, const SF_INFO& info) : m_file(file), m_info(info) {}

    std::unique_ptr<SNDFILE, CloseFile> m_file;
    SF_INFO m_info{};
};
