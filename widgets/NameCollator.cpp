#include "widgets/NameCollator.h"

#include "widgets/AsciiNameOrder.h"

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

void appendCollatorKey(const UCollator* collator, const QString& name, std::vector<uint8_t>& keys) {
    const size_t offset = keys.size();
    int32_t need = 64;
    for (;;) {
        keys.resize(offset + size_t(need));
        const int32_t got = ucol_getSortKey(collator, utf16(name), int32_t(name.size()),
                                            keys.data() + offset, need);
        if (got <= need) {
            keys.resize(offset + size_t(got));
            return;
        }
        need = got;
    }
}

// Sort keys of a group of names in one buffer. Eight bytes of each key, read as one big-endian
// number from where the keys first differ, settle most comparisons without touching the buffer.
struct KeyedName {
    uint64_t prefix;
    uint32_t offset;
    uint32_t length;
    int index;
};

class KeyedNames {
public:
    explicit KeyedNames(size_t expected) {
        m_bytes.reserve(expected * 24);
        m_names.reserve(expected);
    }
    std::vector<uint8_t>& bytes() { return m_bytes; }
    void added(int index, size_t offset) {
        m_names.push_back({0, uint32_t(offset), uint32_t(m_bytes.size() - offset), index});
    }
    bool empty() const { return m_names.empty(); }
    // Orders the names by key, equal keys by their index.
    const std::vector<KeyedName>& sorted() {
        const uint32_t skip = commonStart();
        for (KeyedName& name : m_names)
            name.prefix = prefixAt(name, skip);
        const uint8_t* base = m_bytes.data();
        std::sort(
            m_names.begin(), m_names.end(), [base, skip](const KeyedName& a, const KeyedName& b) {
                if (a.prefix != b.prefix)
                    return a.prefix < b.prefix;
                const uint32_t length = std::min(a.length, b.length);
                if (length > skip + 8) {
                    const int order = std::memcmp(base + a.offset + skip + 8,
                                                  base + b.offset + skip + 8, length - skip - 8);
                    if (order != 0)
                        return order < 0;
                }
                return a.length != b.length ? a.length < b.length : a.index < b.index;
            });
        return m_names;
    }

private:
    // How many leading bytes every key shares.
    uint32_t commonStart() const {
        if (m_names.empty())
            return 0;
        const uint8_t* first = m_bytes.data() + m_names.front().offset;
        uint32_t common = m_names.front().length;
        for (const KeyedName& name : m_names) {
            const uint8_t* key = m_bytes.data() + name.offset;
            common = std::min(common, name.length);
            uint32_t same = 0;
            while (same < common && key[same] == first[same])
                ++same;
            common = same;
        }
        return common;
    }
    uint64_t prefixAt(const KeyedName& name, uint32_t skip) const {
        const uint8_t* key = m_bytes.data() + name.offset;
        uint64_t prefix = 0;
        for (uint32_t i = skip; i < skip + 8; ++i)
            prefix = (prefix << 8) | (i < name.length ? key[i] : 0);
        return prefix;
    }

    std::vector<uint8_t> m_bytes;
    std::vector<KeyedName> m_names;
};

// Merges two runs sorted by key (equal keys by index) as one stable sort would have ordered them.
void mergeRuns(const UCollator* collator, const QStringList& names,
               const std::vector<KeyedName>& first, const std::vector<KeyedName>& second,
               std::vector<int>& result) {
    auto a = first.begin();
    auto b = second.begin();
    while (a != first.end() && b != second.end()) {
        const QString& x = names[a->index];
        const QString& y = names[b->index];
        const int order =
            ucol_strcoll(collator, utf16(x), int32_t(x.size()), utf16(y), int32_t(y.size()));
        if (order < 0 || (order == 0 && a->index < b->index))
            result.push_back((a++)->index);
        else
            result.push_back((b++)->index);
    }
    for (; a != first.end(); ++a)
        result.push_back(a->index);
    for (; b != second.end(); ++b)
        result.push_back(b->index);
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
    QStringList result;
    result.reserve(names.size());
    for (const int index : order(names))
        result.append(names[index]);
    return result;
}

// Names the fast order can place are sorted by it, the others by the collator's own keys; the
// two runs are then merged, asking the collator where a name of one run goes among the other.
std::vector<int> NameCollator::order(const QStringList& names) const {
    std::vector<int> result;
    result.reserve(size_t(names.size()));
    if (!m_collator) {
        for (int i = 0; i < int(names.size()); ++i)
            result.push_back(i);
        std::stable_sort(result.begin(), result.end(), [&names](int a, int b) {
            return names[a].compare(names[b], Qt::CaseInsensitive) < 0;
        });
        return result;
    }
    if (!m_asciiOrder)
        m_asciiOrder = std::make_unique<AsciiNameOrder>(m_collator.get());
    KeyedNames fast(size_t(names.size()));
    KeyedNames slow(0);
    for (int i = 0; i < int(names.size()); ++i) {
        const size_t fastOffset = fast.bytes().size();
        if (m_asciiOrder->appendKey(names[i], fast.bytes())) {
            fast.added(i, fastOffset);
        } else {
            const size_t slowOffset = slow.bytes().size();
            appendCollatorKey(m_collator.get(), names[i], slow.bytes());
            slow.added(i, slowOffset);
        }
    }
    mergeRuns(m_collator.get(), names, fast.sorted(), slow.sorted(), result);
    return result;
}
