#pragma once

#include "units.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using StatLine = std::array<std::int32_t, statCount>;

// Finds the statistics belonging to a unit name in a few instructions: an
// open-addressing table keyed by a hash of the name's length and a few of its
// characters, confirmed by comparing the whole text.
class NameIndex {
public:
    void clear();
    // Adds a name's statistics; a name added again sums with what it has.
    void add(std::u16string_view name, const StatLine& stats);
    // The summed statistics of every entry with exactly this text, or nullptr.
    const StatLine* find(std::u16string_view text) const;

    static constexpr int capacity = 256;
    static_assert(raceCount * slotCount * 2 <= capacity, "keep the table at most half full");

private:
    struct Bucket {
        std::u16string name;
        StatLine stats{};
        bool used = false;
    };

    static std::uint32_t hashOf(std::u16string_view text);

    std::array<Bucket, capacity> buckets;
};
