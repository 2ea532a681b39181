// libFuzzer target for the data file's reader and its rewrite: any bytes as the file, and a
// section, key and value taken from the input's first lines, must give a clean answer, never a
// crash, a hang or a read outside the input. A written value always reads back, for the names
// the program uses (no brackets, "=", comment marks or line breaks).
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>

namespace {

bool isPlainName(const QString& name) {
    if (name.trimmed().isEmpty() || name.trimmed() != name)
        return false;
    for (const QChar c : name)
        if (QStringLiteral("[]=;#\r\n").contains(c))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\n');
    if (parts.size() < 4)
        return 0;
    const QString section = QString::fromUtf8(parts[0]);
    const QString key = QString::fromUtf8(parts[1]);
    const QString value = QString::fromUtf8(parts[2]);
    const QByteArray file = input.mid(parts[0].size() + parts[1].size() + parts[2].size() + 3);

    (void)settings::valueIn(file, section, key);
    const auto written = settings::withValue(file, section, key, value);
    if (!written || !isPlainName(section) || !isPlainName(key))
        return 0;
    const auto readBack = settings::valueIn(*written, section, key);
    if (!readBack || *readBack != value.trimmed().toUtf8())
        std::abort();
    if (file.startsWith("\xEF\xBB\xBF") != written->startsWith("\xEF\xBB\xBF"))
        std::abort();
    return 0;
}
