#pragma once

#include "nameindex.h"
#include "units.h"

#include <array>
#include <string>
#include <string_view>

namespace toolkit {
class ListBox;
}

using UnitNames = std::array<std::array<std::u16string, slotCount>, raceCount>;
using UnitStats = std::array<std::array<StatLine, slotCount>, raceCount>;
using RaceLists = std::array<const toolkit::ListBox*, raceCount>;

// The unit names, indexed (race, slot), and their statistics, indexed (race,
// slot, stat kind). Empty and zero until buildcatalogue runs; read-only after.
struct Catalogue {
    UnitNames unitnames;
    UnitStats unitstats{};

    // Copies the names out of the four race lists, then fills the statistics.
    void buildcatalogue(const RaceLists& List3);

    // The statistics that a force-list entry with this text adds: those of
    // every slot whose name equals it exactly; nullptr when none does.
    const StatLine* statsFor(std::u16string_view text) const { return index.find(text); }

private:
    NameIndex index;
};
