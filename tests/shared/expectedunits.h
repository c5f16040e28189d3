#pragma once

#include <QList>

// The unit catalogue as designed, race by race in slot order, written out apart
// from the program's own table so that the one checks the other.
struct ExpectedUnit {
    const char* name;
    int food;
    int gold;
    int lumber;
    int cv;
};

inline const QList<ExpectedUnit> expectedUnits[4] = {
    {{"Peasant", 1, 75, 0, 605},
     {"Militia", 1, 75, 0, 2841},
     {"Footman", 2, 135, 0, 4355},
     {"Rifleman", 3, 205, 30, 7070},
     {"Knight", 4, 245, 60, 18927},
     {"Priest", 2, 135, 10, 1233},
     {"Sorceress", 2, 155, 20, 1671},
     {"SpellBreaker", 3, 215, 30, 3540},
     {"Gyrocopter", 1, 90, 30, 672},
     {"Mortar Team", 3, 180, 70, 5966},
     {"Griphon Ryder", 4, 280, 70, 18750},
     {"DragonHawk Rider", 3, 200, 30, 5747},
     {"Water Elemental 1", 0, 0, 1, 8750},
     {"Water Elemental 2", 0, 0, 1, 16695},
     {"Water Elemental 3", 0, 0, 1, 30239},
     {"Phoenix", 0, 0, 1, 64357}},
    {{"Peon", 1, 75, 0, 625},
     {"Grunt", 3, 200, 0, 9043},
     {"Troll Headhunter", 2, 135, 20, 3788},
     {"Troll Berseker", 2, 135, 20, 4808},
     {"Catapult", 4, 220, 50, 9731},
     {"Raider", 3, 180, 40, 8243},
     {"Tauren", 5, 280, 80, 26642},
     {"Shaman", 2, 130, 20, 1835},
     {"Witch Doctor", 2, 145, 25, 2340},
     {"Spirit Walker", 3, 195, 35, 5571},
     {"Kodo Beast", 4, 255, 60, 13250},
     {"Wyvern Rider", 4, 265, 40, 12255},
     {"Troll Bat Rider", 2, 160, 40, 2556},
     {"Spirit Wolf", 0, 0, 0, 2300},
     {"Dire Wolf", 0, 0, 0, 4950},
     {"Shadow Wolf", 0, 0, 0, 10750},
     {"Serpent Ward", 0, 0, 0, 600}},
    {{"Acolyte", 1, 75, 0, 836},
     {"Ghoul", 2, 120, 0, 3400},
     {"Crypt Fiend", 3, 215, 40, 8388},
     {"Gargoyle", 2, 185, 30, 3634},
     {"Abomination", 4, 240, 70, 24934},
     {"Meat Wagon", 4, 230, 50, 8458},
     {"Necromancer", 2, 145, 20, 1779},
     {"Banshee", 2, 155, 30, 2470},
     {"FrostWyrm", 7, 385, 120, 49608},
     {"Shade", 1, 0, 0, 0},
     {"Skeleton Warrior", 0, 0, 0, 1383},
     {"Skeletal Mage", 0, 0, 0, 1763},
     {"Infernal", 0, 0, 0, 82355},
     {"Carrion Bettle 1", 0, 0, 0, 888},
     {"Carrion Bettle 2", 0, 0, 0, 3388},
     {"Carrion Bettle 3", 0, 0, 0, 7500},
     {"Obsidian Statue", 3, 200, 35, 2082},
     {"Destroyer", 5, 200, 35, 22319}},
    {{"Archer", 2, 130, 10, 2777},
     {"Huntress", 3, 195, 20, 7080},
     {"Ballista", 3, 210, 65, 6000},
     {"Dryad", 3, 145, 60, 6960},
     {"DoC Druid Form", 4, 255, 80, 6229},
     {"DoC Bear Form", 4, 255, 80, 27563},
     {"Mountain Giant", 7, 425, 100, 21760},
     {"Hippogryph", 2, 160, 120, 26750},
     {"DoT Druid Form", 2, 135, 20, 2063},
     {"DoT Crow Form", 2, 135, 20, 8859},
     {"Faerie Dragon", 2, 155, 20, 3471},
     {"Hippogryph Rider", 4, 0, 0, 11823},
     {"Chimaera", 5, 330, 70, 22399},
     {"Treant", 0, 0, 0, 2743},
     {"Spirit of Vengeance", 0, 0, 0, 30363},
     {"Vengeance", 0, 0, 0, 5926}},
};
