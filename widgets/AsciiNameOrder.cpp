#include "widgets/AsciiNameOrder.h"

#include <algorithm>
#include <string>
#include <unicode/ucol.h>
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

bool isAscii(const USet* set, int32_t index) {
    UChar text[16];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uset_getItem(set, index, nullptr, nullptr, text, 16, &status);
    if (U_FAILURE(status) || length <= 0)
        return false; // a range of single characters, checked one by one below
    return std::all_of(text, text + length, [](UChar c) { return c < 128; });
}

// True when the collator joins ASCII characters into one unit (as "ch" in Czech or "aa" in
// Danish), so that a name's order is not its characters' order.
bool hasAsciiContraction(const UCollator* collator) {
    UErrorCode status = U_ZERO_ERROR;
    USet* contractions = uset_openEmpty();
    ucol_getContractionsAndExpansions(collator, contractions, nullptr, true, &status);
    bool found = U_FAILURE(status);
    for (int32_t i = 0; !found && i < uset_getItemCount(contractions); ++i)
        found = isAscii(contractions, i);
    uset_close(contractions);
    return found;
}

// The ASCII characters that stand for more than one weight.
std::array<bool, 128> asciiExpansions(const UCollator* collator) {
    std::array<bool, 128> expands{};
    UErrorCode status = U_ZERO_ERROR;
    USet* expansions = uset_openEmpty();
    ucol_getContractionsAndExpansions(collator, nullptr, expansions, true, &status);
    for (UChar c = 0; c < 128; ++c)
        expands[c] = U_FAILURE(status) || uset_contains(expansions, c);
    uset_close(expansions);
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
