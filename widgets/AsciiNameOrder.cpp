#include "widgets/AsciiNameOrder.h"

#include <algorithm>
#include <string>
#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <unicode/uset.h>

namespace {

// The parts of a sort key at secondary strength: primary weights, 01, secondary weights.
struct KeyLevels {
    std::string primary;
    std::string secondary;
};

KeyLevels levelsOf(const UCollator* collator, UChar character, int32_t length) {
    uint8_t key[64] = {};
    const int32_t size = ucol_getSortKey(collator, &character, length, key, int32_t(sizeof key));
    const std::string bytes(reinterpret_cast<const char*>(key),
                            size_t(std::clamp(size, 0, int32_t(sizeof key))));
    const size_t first = bytes.find('\x01');
    if (first == std::string::npos)
        return {bytes, {}};
    const size_t second = bytes.find_first_of(std::string("\x01\x00", 2), first + 1);
    return {bytes.substr(0, first), bytes.substr(first + 1, second - first - 1)};
}

// Settings under which a name's order is more than its characters' primary weights.
bool collatorIsPlain(const UCollator* collator) {
    UErrorCode status = U_ZERO_ERROR;
    const bool plain = ucol_getStrength(collator) <= UCOL_SECONDARY &&
                       ucol_getAttribute(collator, UCOL_CASE_LEVEL, &status) != UCOL_ON &&
                       ucol_getAttribute(collator, UCOL_NUMERIC_COLLATION, &status) != UCOL_ON;
    return plain && U_SUCCESS(status);
}

// True when the string at index of set is made of ASCII characters only.
bool isAsciiString(const USet* set, int32_t index) {
    UChar text[16];
    UChar32 first = 0, last = 0;
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uset_getItem(set, index, &first, &last, text, 16, &status);
    if (U_FAILURE(status) || length <= 0)
        return false; // a range of single characters, not a sequence
    return std::all_of(text, text + length, [](UChar c) { return c < 128; });
}

// True when the collator joins ASCII characters into one unit (as "ch" in Czech or "aa" in
// Danish), so that a name's order is not its characters' order. The root order joins no two
// ASCII characters; a language that does lists the joined sequence among its tailored strings.
// (Asking the collator for all its contractions would be exact too, but costs every start
// some 10-20 ms.)
bool hasAsciiContraction(const UCollator* collator) {
    UErrorCode status = U_ZERO_ERROR;
    USet* tailored = ucol_getTailoredSet(collator, &status);
    if (tailored == nullptr || U_FAILURE(status)) {
        uset_close(tailored);
        return true;
    }
    bool found = false;
    for (int32_t i = 0; !found && i < uset_getItemCount(tailored); ++i)
        found = isAsciiString(tailored, i);
    uset_close(tailored);
    return found;
}

// The ASCII characters that stand for more than one collation element. A character whose
// element does not fit one 32-bit order counts too: it is left to the collator.
std::array<bool, 128> asciiExpansions(const UCollator* collator) {
    std::array<bool, 128> expands{};
    UErrorCode status = U_ZERO_ERROR;
    const UChar nothing = 0;
    UCollationElements* elements = ucol_openElements(collator, &nothing, 0, &status);
    for (UChar c = 0; c < 128; ++c) {
        ucol_setText(elements, &c, 1, &status);
        int count = 0;
        while (U_SUCCESS(status) && ucol_next(elements, &status) != UCOL_NULLORDER)
            ++count;
        expands[c] = U_FAILURE(status) || count > 1;
    }
    ucol_closeElements(elements);
    return expands;
}

} // namespace

AsciiNameOrder::AsciiNameOrder(const UCollator* collator) {
    m_rank.fill(kNoPlace);
    if (collator == nullptr || !collatorIsPlain(collator) || hasAsciiContraction(collator))
        return;
    const std::string common = levelsOf(collator, u'a', 1).secondary;
    std::array<KeyLevels, 128> levels;
    std::vector<std::string> primaries;
    for (UChar c = 0; c < 128; ++c) {
        levels[c] = levelsOf(collator, c, 1);
        if (!levels[c].primary.empty())
            primaries.push_back(levels[c].primary);
    }
    std::sort(primaries.begin(), primaries.end());
    primaries.erase(std::unique(primaries.begin(), primaries.end()), primaries.end());
    if (primaries.size() >= kNoPlace)
        return;
    const std::array<bool, 128> expands = asciiExpansions(collator);
    for (UChar c = 0; c < 128; ++c) {
        const KeyLevels& level = levels[c];
        if (expands[c])
            continue;
        if (level.primary.empty() && level.secondary.empty())
            m_rank[c] = kIgnored;
        else if (!level.primary.empty() && level.secondary == common)
            m_rank[c] =
                uint8_t(1 + (std::lower_bound(primaries.begin(), primaries.end(), level.primary) -
                             primaries.begin()));
    }
}

bool AsciiNameOrder::appendKey(const QString& name, std::vector<uint8_t>& key) const {
    const size_t start = key.size();
    key.resize(start + size_t(name.size()));
    uint8_t* out = key.data() + start;
    for (const QChar character : name) {
        const char16_t c = character.unicode();
        const uint8_t rank = c < 128 ? m_rank[c] : kNoPlace;
        if (rank == kNoPlace) {
            key.resize(start);
            return false;
        }
        *out = rank;
        out += rank != kIgnored;
    }
    key.resize(size_t(out - key.data()));
    return true;
}
