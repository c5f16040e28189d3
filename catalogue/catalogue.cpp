#include "catalogue.h"

#include "listbox.h"

#include <algorithm>

void Catalogue::buildcatalogue(const RaceLists& List3)
{
    for (int race = 0; race < raceCount; ++race) {
        const toolkit::ListBox& list = *List3[race];
        // A list longer than the slots of its race has nowhere to go past them.
        const int rows = std::min<int>(list.ListCount(), slotCount);
        for (int row = 0; row < rows; ++row)
            unitnames[race][row] = list.List(static_cast<toolkit::Row>(row));
    }

    for (int race = 0; race < raceCount; ++race) {
        const auto units = unitsOf(race);
        for (std::size_t slot = 0; slot < units.size(); ++slot) {
            const UnitRecord& unit = units[slot];
            unitstats[race][slot] = {unit.food, unit.gold, unit.lumber, unit.cv};
        }
    }

    index.clear();
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = 0; slot < slotCount; ++slot)
            index.add(unitnames[race][slot], unitstats[race][slot]);
    }
}
