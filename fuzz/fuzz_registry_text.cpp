// libFuzzer target for the registry store's REGEDIT4 reader: any bytes give a clean yes or no,
// never a crash or a hang; what it accepts it writes back to text that reads as the same keys,
// and a document it reads gives back the very bytes it was read from.
#include "platform/RegistryDocument.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameKeys(const RegKeys& a, const RegKeys& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (a[k].path != b[k].path || a[k].values.size() != b[k].values.size())
            return false;
        for (qsizetype v = 0; v < a[k].values.size(); ++v) {
            const RegKeyText::Value& x = a[k].values[v];
            const RegKeyText::Value& y = b[k].values[v];
            if (x.name != y.name || x.text != y.text || x.raw != y.raw)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto keys = parseRegText(bytes);
    if (!keys)
        return 0;
    const auto again = parseRegText(renderRegText(*keys));
    if (!again || !sameKeys(*keys, *again))
        std::abort();
    if (RegDocument::parse(bytes)->bytes() != bytes)
        std::abort();
    return 0;
}
