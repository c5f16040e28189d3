#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The fixed unit data. The race lists of the window are filled from this same
// table, so the names a user sees and the names totals are matched against
// cannot drift apart.

enum Race : int { Human = 0, Orc = 1, Undead = 2, NightElf = 3 };
enum StatKind : int { Food = 0, Gold = 1, Lumber = 2, Cv = 3 };

inline constexpr int raceCount = 4;
inline constexpr int slotCount = 21;
inline constexpr int statCount = 4;

struct UnitRecord {
    Race race;
    std::string_view name;
    int food;
    int gold;
    int lumber;
    int cv;
};

// Ordered by race, then by slot: a unit's slot is its position within its race.
inline constexpr std::array<UnitRecord, 67> unitTable{{
    {Human, "Peasant", 1, 75, 0, 605},
    {Human, "Militia", 1, 75, 0, 2841},
    {Human, "Footman", 2, 135, 0, 4355},
    {Human, "Rifleman", 3, 205, 30, 7070},
    {Human, "Knight", 4, 245, 60, 18927},
    {Human, "Priest", 2, 135, 10, 1233},
    {Human, "Sorceress", 2, 155, 20, 1671},
    {Human, "SpellBreaker", 3, 215, 30, 3540},
    {Human, "Gyrocopter", 1, 90, 30, 672},
    {Human, "Mortar Team", 3, 180, 70, 5966},
    {Human, "Griphon Ryder", 4, 280, 70, 18750},
    {Human, "DragonHawk Rider", 3, 200, 30, 5747},
    {Human, "Water Elemental 1", 0, 0, 1, 8750},
    {Human, "Water Elemental 2", 0, 0, 1, 16695},
    {Human, "Water Elemental 3", 0, 0, 1, 30239},
    {Human, "Phoenix", 0, 0, 1, 64357},

    {Orc, "Peon", 1, 75, 0, 625},
    {Orc, "Grunt", 3, 200, 0, 9043},
    {Orc, "Troll Headhunter", 2, 135, 20, 3788},
    {Orc, "Troll Berseker", 2, 135, 20, 4808},
    {Orc, "Catapult", 4, 220, 50, 9731},
    {Orc, "Raider", 3, 180, 40, 8243},
    {Orc, "Tauren", 5, 280, 80, 26642},
    {Orc, "Shaman", 2, 130, 20, 1835},
    {Orc, "Witch Doctor", 2, 145, 25, 2340},
    {Orc, "Spirit Walker", 3, 195, 35, 5571},
    {Orc, "Kodo Beast", 4, 255, 60, 13250},
    {Orc, "Wyvern Rider", 4, 265, 40, 12255},
    {Orc, "Troll Bat Rider", 2, 160, 40, 2556},
    {Orc, "Spirit Wolf", 0, 0, 0, 2300},
    {Orc, "Dire Wolf", 0, 0, 0, 4950},
    {Orc, "Shadow Wolf", 0, 0, 0, 10750},
    {Orc, "Serpent Ward", 0, 0, 0, 600},

    {Undead, "Acolyte", 1, 75, 0, 836},
    {Undead, "Ghoul", 2, 120, 0, 3400},
    {Undead, "Crypt Fiend", 3, 215, 40, 8388},
    {Undead, "Gargoyle", 2, 185, 30, 3634},
    {Undead, "Abomination", 4, 240, 70, 24934},
    {Undead, "Meat Wagon", 4, 230, 50, 8458},
    {Undead, "Necromancer", 2, 145, 20, 1779},
    {Undead, "Banshee", 2, 155, 30, 2470},
    {Undead, "FrostWyrm", 7, 385, 120, 49608},
    {Undead, "Shade", 1, 0, 0, 0},
    {Undead, "Skeleton Warrior", 0, 0, 0, 1383},
    {Undead, "Skeletal Mage", 0, 0, 0, 1763},
    {Undead, "Infernal", 0, 0, 0, 82355},
    {Undead, "Carrion Bettle 1", 0, 0, 0, 888},
    {Undead, "Carrion Bettle 2", 0, 0, 0, 3388},
    {Undead, "Carrion Bettle 3", 0, 0, 0, 7500},
    {Undead, "Obsidian Statue", 3, 200, 35, 2082},
    {Undead, "Destroyer", 5, 200, 35, 22319},

    {NightElf, "Archer", 2, 130, 10, 2777},
    {NightElf, "Huntress", 3, 195, 20, 7080},
    {NightElf, "Ballista", 3, 210, 65, 6000},
    {NightElf, "Dryad", 3, 145, 60, 6960},
    {NightElf, "DoC Druid Form", 4, 255, 80, 6229},
    {NightElf, "DoC Bear Form", 4, 255, 80, 27563},
    {NightElf, "Mountain Giant", 7, 425, 100, 21760},
    {NightElf, "Hippogryph", 2, 160, 120, 26750},
    {NightElf, "DoT Druid Form", 2, 135, 20, 2063},
    {NightElf, "DoT Crow Form", 2, 135, 20, 8859},
    {NightElf, "Faerie Dragon", 2, 155, 20, 3471},
    {NightElf, "Hippogryph Rider", 4, 0, 0, 11823},
    {NightElf, "Chimaera", 5, 330, 70, 22399},
    {NightElf, "Treant", 0, 0, 0, 2743},
    {NightElf, "Spirit of Vengeance", 0, 0, 0, 30363},
    {NightElf, "Vengeance", 0, 0, 0, 5926},
}};

constexpr std::size_t firstUnitOf(int race)
{
    std::size_t i = 0;
    while (i < unitTable.size() && unitTable[i].race < race)
        ++i;
    return i;
}

constexpr std::size_t unitCountOf(int race)
{
    return firstUnitOf(race + 1) - firstUnitOf(race);
}

// The units of one race, in slot order.
constexpr std::span<const UnitRecord> unitsOf(int race)
{
    return std::span(unitTable).subspan(firstUnitOf(race), unitCountOf(race));
}

static_assert(unitCountOf(Human) == 16);
static_assert(unitCountOf(Orc) == 17);
static_assert(unitCountOf(Undead) == 18);
static_assert(unitCountOf(NightElf) == 16);
static_assert(unitCountOf(Undead) <= slotCount, "the largest race fits its slots");
static_assert(unitCountOf(Human) + unitCountOf(Orc) + unitCountOf(Undead) + unitCountOf(NightElf) ==
              unitTable.size());

namespace detail {
constexpr bool racesAscending()
{
    for (std::size_t i = 1; i < unitTable.size(); ++i) {
        if (unitTable[i].race < unitTable[i - 1].race)
            return false;
    }
    return true;
}

constexpr bool namesUniqueAndPresent()
{
    for (std::size_t i = 0; i < unitTable.size(); ++i) {
        if (unitTable[i].name.empty())
            return false;
        for (std::size_t j = i + 1; j < unitTable.size(); ++j) {
            if (unitTable[i].name == unitTable[j].name)
                return false;
        }
    }
    return true;
}

constexpr bool namesAscii()
{
    for (const UnitRecord& unit : unitTable) {
        for (const char c : unit.name) {
            if (static_cast<unsigned char>(c) > 0x7F)
                return false;
        }
    }
    return true;
}
} // namespace detail

static_assert(detail::racesAscending(), "units are grouped by race");
static_assert(detail::namesUniqueAndPresent(), "a name must pick out exactly one unit");
static_assert(detail::namesAscii(), "names are turned into text as Latin-1");
