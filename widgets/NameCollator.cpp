#include "widgets/NameCollator.h"

#include <QLocale>
#include <algorithm>
#include <cstring>
#include <string>
#include <unicode/ucol.h>
#include <vector>

namespace {

QByteArray collationLocaleName() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QByteArray("en") : system.name().toLatin1();
}

const UChar* utf16(const QString& text) {
    return reinterpret_cast<const UChar*>(text.utf16());
}

// Sort keys of all names in one buffer; the first eight bytes of each key, read as one
// big-endian number, settle most comparisons without touching the buffer.
struct KeyedName {
    uint64_t prefix;
    uint32_t offset;
    uint32_t length;
    int index;
};

uint64_t prefixOf(const uint8_t* key, uint32_t length) {
    uint64_t prefix = 0;
    for (uint32_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < length ? key[i] : 0);
    return prefix;
}

} // namespace

void NameCollator::Closer::operator()(UCollator* collator) const {
    ucol_close(collator);
}

NameCollator::NameCollator() {
    UErrorCode status = U_ZERO_ERROR;
    m_collator.reset(ucol_open(collationLocaleName().constData(), &status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        m_collator.reset(ucol_open("", &status));
    }
    if (m_collator)
        ucol_setStrength(m_collator.get(), UCOL_SECONDARY); // letters and accents, not case
}

NameCollator::~NameCollator() = default;

int NameCollator::compare(const QString& a, const QString& b) const {
    if (!m_collator)
        return a.compare(b, Qt::CaseInsensitive);
    return ucol_strcoll(m_collator.get(), utf16(a), int32_t(a.size()), utf16(b), int32_t(b.size()));
}

QStringList NameCollator::sorted(const QStringList& names) const {
    if (!m_collator) {
        QStringList copy = names;
        std::stable_sort(copy.begin(), copy.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        return copy;
    }
    std::vector<uint8_t> keys;
    keys.reserve(size_t(names.size()) * 32);
    std::vector<KeyedName> keyed;
    keyed.reserve(size_t(names.size()));
    for (int i = 0; i < int(names.size()); ++i) {
        const QString& name = names[i];
        const size_t offset = keys.size();
        int32_t need = 64;
        for (;;) {
            keys.resize(offset + size_t(need));
            const int32_t got = ucol_getSortKey(m_collator.get(), utf16(name), int32_t(name.size()),
                                                keys.data() + offset, need);
            if (got <= need) {
                need = got;
                break;
            }
            need = got;
        }
        keys.resize(offset + size_t(need));
        keyed.push_back({0, uint32_t(offset), uint32_t(need), i});
    }
    for (KeyedName& k : keyed)
        k.prefix = prefixOf(keys.data() + k.offset, k.length);
    const uint8_t* base = keys.data();
    std::stable_sort(keyed.begin(), keyed.end(), [base](const KeyedName& a, const KeyedName& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int order =
            std::memcmp(base + a.offset, base + b.offset, std::min(a.length, b.length));
        return order != 0 ? order < 0 : a.length < b.length;
    });
    QStringList result;
    result.reserve(names.size());
    for (const KeyedName& k : keyed)
        result.append(names[k.index]);
    return result;
}
