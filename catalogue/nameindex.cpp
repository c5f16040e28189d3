#include "nameindex.h"

#include <algorithm>

namespace {
constexpr std::uint32_t mask = NameIndex::capacity - 1;
static_assert((NameIndex::capacity & mask) == 0, "the capacity is a power of two");
} // namespace

std::uint32_t NameIndex::hashOf(std::u16string_view text)
{
    const auto size = static_cast<std::uint32_t>(text.size());
    if (size == 0)
        return 0;
    std::uint32_t hash = size * 0x9E3779B1u;
    hash ^= text[0] * 0x85EBCA6Bu;
    hash ^= text[std::min<std::uint32_t>(2, size - 1)] * 0x27D4EB2Fu;
    hash ^= text[size / 2] * 0x165667B1u;
    hash ^= text[size - 1] * 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

void NameIndex::clear()
{
    buckets.fill(Bucket{});
}

void NameIndex::add(std::u16string_view name, const StatLine& stats)
{
    for (std::uint32_t i = hashOf(name);; ++i) {
        Bucket& bucket = buckets[i & mask];
        if (!bucket.used) {
            bucket = Bucket{std::u16string(name), stats, true};
            return;
        }
        if (bucket.name == name) {
            for (int kind = 0; kind < statCount; ++kind)
                bucket.stats[kind] += stats[kind];
            return;
        }
    }
}

const StatLine* NameIndex::find(std::u16string_view text) const
{
    for (std::uint32_t i = hashOf(text);; ++i) {
        const Bucket& bucket = buckets[i & mask];
        if (!bucket.used)
            return nullptr;
        if (bucket.name == text)
            return &bucket.stats;
    }
}
