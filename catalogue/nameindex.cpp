#include "nameindex.h"

namespace {
constexpr quint32 mask = NameIndex::capacity - 1;
static_assert((NameIndex::capacity & mask) == 0, "the capacity is a power of two");
} // namespace

quint32 NameIndex::hashOf(QStringView text)
{
    const auto size = static_cast<quint32>(text.size());
    if (size == 0)
        return 0;
    quint32 hash = size * 0x9E3779B1u;
    hash ^= text[0].unicode() * 0x85EBCA6Bu;
    hash ^= text[qMin<qsizetype>(2, size - 1)].unicode() * 0x27D4EB2Fu;
    hash ^= text[size / 2].unicode() * 0x165667B1u;
    hash ^= text[size - 1].unicode() * 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

void NameIndex::clear()
{
    buckets.fill(Bucket{});
}

void NameIndex::add(const QString& name, const StatLine& stats)
{
    for (quint32 i = hashOf(name);; ++i) {
        Bucket& bucket = buckets[i & mask];
        if (!bucket.used) {
            bucket = Bucket{name, stats, true};
            return;
        }
        if (bucket.name == name) {
            for (int kind = 0; kind < statCount; ++kind)
                bucket.stats[kind] += stats[kind];
            return;
        }
    }
}

const StatLine* NameIndex::find(QStringView text) const
{
    for (quint32 i = hashOf(text);; ++i) {
        const Bucket& bucket = buckets[i & mask];
        if (!bucket.used)
            return nullptr;
        if (bucket.name == text)
            return &bucket.stats;
    }
}
