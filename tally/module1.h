#pragma once

#include "catalogue.h"

#include <array>
#include <cstdint>

inline constexpr int forceCount = 2;

// Totals are whole numbers kept exactly: a full force list of the costliest
// unit sums to more than a 32-bit integer holds.
using Total = std::int64_t;
using ForceTotals = std::array<Total, forceCount>;

// The program's data: the catalogue and the four totals of each force.
struct Module1 : Catalogue {
    ForceTotals forcefood{};
    ForceTotals forcegold{};
    ForceTotals forcelumber{};
    ForceTotals forcecv{};
};
