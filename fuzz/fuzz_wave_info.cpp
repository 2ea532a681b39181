// libFuzzer target for the RIFF header reader: any bytes must give a clean yes or no, never a
// crash, a hang or a read outside the input; a failed read leaves the record untouched.
#include "core/WaveInfo.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WaveInfo info;
    info.formatTag = 0xdead;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!ReadWaveInfoFromBytes(bytes, info)) {
        if (info.formatTag != 0xdead || !info.channelsText.isEmpty())
            std::abort();
    } else if (info.formatText != QStringLiteral("PCM") || info.formatTag > 0xffff ||
               info.channels > 0xffff) {
        std::abort();
    }
    return 0;
}
