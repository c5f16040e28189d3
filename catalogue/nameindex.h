#pragma once

#include "units.h"

#include <QString>

#include <array>

using StatLine = std::array<qint32, statCount>;

// Finds the statistics belonging to a unit name in a few instructions: an
// open-addressing table keyed by a hash of the name's length and a few of its
// characters, confirmed by comparing the whole text.
class NameIndex {
public:
    void clear();
    // Adds a name's statistics; a name added again sums with what it has.
    void add(const QString& name, const StatLine& stats);
    // The summed statistics of every entry with exactly this text, or nullptr.
    const StatLine* find(QStringView text) const;

    static constexpr int capacity = 256;
    static_assert(raceCount * slotCount * 2 <= capacity, "keep the table at most half full");

private:
    struct Bucket {
        QString name;
        StatLine stats{};
        bool used = false;
    };

    static quint32 hashOf(QStringView text);

    std::array<Bucket, capacity> buckets;
};
