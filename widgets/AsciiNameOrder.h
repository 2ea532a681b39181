#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct UCollator;

// A collator's order for names made of plain ASCII characters, read from the collator once.
// Every such character gets a rank by its primary weight (letters of either case share one);
// characters the collator ignores get none. Two names whose characters all have a place then
// compare exactly as their rank strings do, byte by byte, a shorter string first: the same
// answer as the collator at its secondary strength, for a small part of the cost.
// Characters with no place (anything beyond ASCII, or what the collator treats specially)
// leave the name to the collator itself.
class AsciiNameOrder {
public:
    explicit AsciiNameOrder(const UCollator* collator);

    // Appends the rank string of name to key; false, with key unchanged, when a character of
    // name has no place.
    bool appendKey(const QString& name, std::vector<uint8_t>& key) const;

private:
    static constexpr uint8_t kIgnored = 0;
    static constexpr uint8_t kNoPlace = 0xff;
    std::array<uint8_t, 128> m_rank{};
};
