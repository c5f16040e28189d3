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
    std::u16string_view name;
    int food;
    int gold;
    int lumber;
    int cv;
};

// Ordered by race, then by slot: a unit's slot is its position within its race.
inline constexpr std::array<UnitRecord, 67> unitTable{{
    {Human, u"Peasant", 1, 75, 0, 605},
    {Human, u"Militia", 1, 75, 0, 2841},
    {Human, u"Footman", 2, 135, 0, 4355},
    {Human, u"Rifleman", 3, 205, 30, 7070},
    {Human, u"Knight", 4, 245, 60, 18927},
    {Human, u"Priest", 2, 135, 10, 1233},
    {Human, u"Sorceress", 2, 155, 20, 1671},
    {Human, u"SpellBreaker", 3, 215, 30, 3540},
    {Human, u"Gyrocopter", 1, 90, 30, 672},
    {Human, u"Mortar Team", 3, 180, 70, 5966},
    {Human, u"Griphon Ryder", 4, 280, 70, 18750},
    {Human, u"DragonHawk Rider", 3, 200, 30, 5747},
    {Human, u"Water Elemental 1", 0, 0, 1, 8750},
    {Human, u"Water Elemental 2", 0, 0, 1, 16695},
    {Human, u"Water Elemental 3", 0, 0, 1, 30239},
    {Human, u"Phoenix", 0, 0, 1, 64357},

    {Orc, u"Peon", 1, 75, 0, 625},
    {Orc, u"Grunt", 3, 200, 0, 9043},
    {Orc, u"Troll Headhunter", 2, 135, 20, 3788},
    {Orc, u"Troll Berseker", 2, 135, 20, 4808},
    {Orc, u"Catapult", 4, 220, 50, 9731},
    {Orc, u"Raider", 3, 180, 40, 8243},
    {Orc, u"Tauren", 5, 280, 80, 26642},
    {Orc, u"Shaman", 2, 130, 20, 1835},
    {Orc, u"Witch Doctor", 2, 145, 25, 2340},
    {Orc, u"Spirit Walker", 3, 195, 35, 5571},
    {Orc, u"Kodo Beast", 4, 255, 60, 13250},
    {Orc, u"Wyvern Rider", 4, 265, 40, 12255},
    {Orc, u"Troll Bat Rider", 2, 160, 40, 2556},
    {Orc, u"Spirit Wolf", 0, 0, 0, 2300},
    {Orc, u"Dire Wolf", 0, 0, 0, 4950},
    {Orc, u"Shadow Wolf", 0, 0, 0, 10750},
    {Orc, u"Serpent Ward", 0, 0, 0, 600},

    {Undead, u"Acolyte", 1, 75, 0, 836},
    {Undead, u"Ghoul", 2, 120, 0, 3400},
    {Undead, u"Crypt Fiend", 3, 215, 40, 8388},
    {Undead, u"Gargoyle", 2, 185, 30, 3634},
    {Undead, u"Abomination", 4, 240, 70, 24934},
    {Undead, u"Meat Wagon", 4, 230, 50, 8458},
    {Undead, u"Necromancer", 2, 145, 20, 1779},
    {Undead, u"Banshee", 2, 155, 30, 2470},
    {Undead, u"FrostWyrm", 7, 385, 120, 49608},
    {Undead, u"Shade", 1, 0, 0, 0},
    {Undead, u"Skeleton Warrior", 0, 0, 0, 1383},
    {Undead, u"Skeletal Mage", 0, 0, 0, 1763},
    {Undead, u"Infernal", 0, 0, 0, 82355},
    {Undead, u"Carrion Bettle 1", 0, 0, 0, 888},
    {Undead, u"Carrion Bettle 2", 0, 0, 0, 3388},
    {Undead, u"Carrion Bettle 3", 0, 0, 0, 7500},
    {Undead, u"Obsidian Statue", 3, 200, 35, 2082},
    {Undead, u"Destroyer", 5, 200, 35, 22319},

    {NightElf, u"Archer", 2, 130, 10, 2777},
    {NightElf, u"Huntress", 3, 195, 20, 7080},
    {NightElf, u"Ballista", 3, 210, 65, 6000},
    {NightElf, u"Dryad", 3, 145, 60, 6960},
    {NightElf, u"DoC Druid Form", 4, 255, 80, 6229},
    {NightElf, u"DoC Bear Form", 4, 255, 80, 27563},
    {NightElf, u"Mountain Giant", 7, 425, 100, 21760},
    {NightElf, u"Hippogryph", 2, 160, 120, 26750},
    {NightElf, u"DoT Druid Form", 2, 135, 20, 2063},
    {NightElf, u"DoT Crow Form", 2, 135, 20, 8859},
    {NightElf, u"Faerie Dragon", 2, 155, 20, 3471},
    {NightElf, u"Hippogryph Rider", 4, 0, 0, 11823},
    {NightElf, u"Chimaera", 5, 330, 70, 22399},
    {NightElf, u"Treant", 0, 0, 0, 2743},
    {NightElf, u"Spirit of Vengeance", 0, 0, 0, 30363},
    {NightElf, u"Vengeance", 0, 0, 0, 5926},
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

inline constexpr auto unitNameTable = [] {
    std::array<std::u16string_view, unitTable.size()> names{};
    for (std::size_t i = 0; i < unitTable.size(); ++i)
        names[i] = unitTable[i].name;
    return names;
}();

// The names of one race's units in slot order: the items a race list is designed with.
constexpr std::span<const std::u16string_view> unitNamesOf(int race)
{
    return std::span(unitNameTable).subspan(firstUnitOf(race), unitCountOf(race));
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

} // namespace detail

static_assert(detail::racesAscending(), "units are grouped by race");
static_assert(detail::namesUniqueAndPresent(), "a name must pick out exactly one unit");
