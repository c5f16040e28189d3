#pragma once

#include <string_view>
#include <vector>

// The unit catalogue as designed, race by race in slot order, written out apart
// from the program's own table so that the one checks the other.
struct ExpectedUnit {
    std::u16string_view name;
    int food;
    int gold;
    int lumber;
    int cv;
};

inline const std::vector<ExpectedUnit> expectedUnits[4] = {
    {{u"Peasant", 1, 75, 0, 605},
     {u"Militia", 1, 75, 0, 2841},
     {u"Footman", 2, 135, 0, 4355},
     {u"Rifleman", 3, 205, 30, 7070},
     {u"Knight", 4, 245, 60, 18927},
     {u"Priest", 2, 135, 10, 1233},
     {u"Sorceress", 2, 155, 20, 1671},
     {u"SpellBreaker", 3, 215, 30, 3540},
     {u"Gyrocopter", 1, 90, 30, 672},
     {u"Mortar Team", 3, 180, 70, 5966},
     {u"Griphon Ryder", 4, 280, 70, 18750},
     {u"DragonHawk Rider", 3, 200, 30, 5747},
     {u"Water Elemental 1", 0, 0, 1, 8750},
     {u"Water Elemental 2", 0, 0, 1, 16695},
     {u"Water Elemental 3", 0, 0, 1, 30239},
     {u"Phoenix", 0, 0, 1, 64357}},
    {{u"Peon", 1, 75, 0, 625},
     {u"Grunt", 3, 200, 0, 9043},
     {u"Troll Headhunter", 2, 135, 20, 3788},
     {u"Troll Berseker", 2, 135, 20, 4808},
     {u"Catapult", 4, 220, 50, 9731},
     {u"Raider", 3, 180, 40, 8243},
     {u"Tauren", 5, 280, 80, 26642},
     {u"Shaman", 2, 130, 20, 1835},
     {u"Witch Doctor", 2, 145, 25, 2340},
     {u"Spirit Walker", 3, 195, 35, 5571},
     {u"Kodo Beast", 4, 255, 60, 13250},
     {u"Wyvern Rider", 4, 265, 40, 12255},
     {u"Troll Bat Rider", 2, 160, 40, 2556},
     {u"Spirit Wolf", 0, 0, 0, 2300},
     {u"Dire Wolf", 0, 0, 0, 4950},
     {u"Shadow Wolf", 0, 0, 0, 10750},
     {u"Serpent Ward", 0, 0, 0, 600}},
    {{u"Acolyte", 1, 75, 0, 836},
     {u"Ghoul", 2, 120, 0, 3400},
     {u"Crypt Fiend", 3, 215, 40, 8388},
     {u"Gargoyle", 2, 185, 30, 3634},
     {u"Abomination", 4, 240, 70, 24934},
     {u"Meat Wagon", 4, 230, 50, 8458},
     {u"Necromancer", 2, 145, 20, 1779},
     {u"Banshee", 2, 155, 30, 2470},
     {u"FrostWyrm", 7, 385, 120, 49608},
     {u"Shade", 1, 0, 0, 0},
     {u"Skeleton Warrior", 0, 0, 0, 1383},
     {u"Skeletal Mage", 0, 0, 0, 1763},
     {u"Infernal", 0, 0, 0, 82355},
     {u"Carrion Bettle 1", 0, 0, 0, 888},
     {u"Carrion Bettle 2", 0, 0, 0, 3388},
     {u"Carrion Bettle 3", 0, 0, 0, 7500},
     {u"Obsidian Statue", 3, 200, 35, 2082},
     {u"Destroyer", 5, 200, 35, 22319}},
    {{u"Archer", 2, 130, 10, 2777},
     {u"Huntress", 3, 195, 20, 7080},
     {u"Ballista", 3, 210, 65, 6000},
     {u"Dryad", 3, 145, 60, 6960},
     {u"DoC Druid Form", 4, 255, 80, 6229},
     {u"DoC Bear Form", 4, 255, 80, 27563},
     {u"Mountain Giant", 7, 425, 100, 21760},
     {u"Hippogryph", 2, 160, 120, 26750},
     {u"DoT Druid Form", 2, 135, 20, 2063},
     {u"DoT Crow Form", 2, 135, 20, 8859},
     {u"Faerie Dragon", 2, 155, 20, 3471},
     {u"Hippogryph Rider", 4, 0, 0, 11823},
     {u"Chimaera", 5, 330, 70, 22399},
     {u"Treant", 0, 0, 0, 2743},
     {u"Spirit of Vengeance", 0, 0, 0, 30363},
     {u"Vengeance", 0, 0, 0, 5926}},
};
