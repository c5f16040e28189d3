#include "catalogue.h"
#include "expectedunits.h"
#include "listbox.h"
#include "testing.h"

#include <algorithm>
#include <memory>

namespace {

// The four race lists of a test window, holding the names the window is designed with.
RaceLists raceLists(const toolkit::Form& form)
{
    return {&form.listBox(design::List3, 0), &form.listBox(design::List3, 1),
            &form.listBox(design::List3, 2), &form.listBox(design::List3, 3)};
}

std::unique_ptr<Catalogue> builtCatalogue()
{
    const auto form = makeTestForm();
    auto catalogue = std::make_unique<Catalogue>();
    catalogue->buildcatalogue(raceLists(*form));
    return catalogue;
}

StatLine statsOf(const ExpectedUnit& unit)
{
    return {unit.food, unit.gold, unit.lumber, unit.cv};
}

} // namespace

TEST_CASE("empty before build")
{
    const auto catalogue = std::make_unique<Catalogue>();
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = 0; slot < slotCount; ++slot) {
            CHECK(catalogue->unitnames[race][slot].empty());
            CHECK(catalogue->unitstats[race][slot] == StatLine{});
        }
    }
    CHECK(catalogue->statsFor(u"Footman") == nullptr);
}

TEST_CASE("units per race")
{
    const struct {
        int race;
        int units;
        std::u16string_view first, last;
    } rows[] = {{0, 16, u"Peasant", u"Phoenix"},
                {1, 17, u"Peon", u"Serpent Ward"},
                {2, 18, u"Acolyte", u"Destroyer"},
                {3, 16, u"Archer", u"Vengeance"}};
    const auto catalogue = builtCatalogue();
    for (const auto& [race, units, first, last] : rows) {
        CAPTURE(race);
        const auto& names = catalogue->unitnames[race];
        CHECK(std::count_if(names.begin(), names.end(), [](auto& name) { return !name.empty(); }) ==
              units);
        CHECK(names[0] == first);
        CHECK(names[units - 1] == last);
        CHECK(unitNamesOf(race).size() == std::size_t(units));
    }
}

TEST_CASE("whole table")
{
    const auto catalogue = builtCatalogue();
    for (int race = 0; race < raceCount; ++race) {
        CAPTURE(race);
        REQUIRE(unitNamesOf(race).size() == expectedUnits[race].size());
        for (std::size_t slot = 0; slot < expectedUnits[race].size(); ++slot) {
            const ExpectedUnit& unit = expectedUnits[race][slot];
            CHECK(unitNamesOf(race)[slot] == unit.name);
            CHECK(catalogue->unitnames[race][slot] == unit.name);
            CHECK(catalogue->unitstats[race][slot] == statsOf(unit));
        }
    }
}

TEST_CASE("unoccupied slots are empty")
{
    const auto catalogue = builtCatalogue();
    const int firstFree[raceCount] = {16, 17, 18, 16};
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = firstFree[race]; slot < slotCount; ++slot) {
            CHECK(catalogue->unitnames[race][slot].empty());
            CHECK(catalogue->unitstats[race][slot] == StatLine{});
        }
    }
    // The empty text therefore adds nothing.
    const StatLine* empty = catalogue->statsFor(u"");
    CHECK((!empty || *empty == StatLine{}));
}

TEST_CASE("unusual units")
{
    const struct {
        int race, slot;
        std::u16string_view name;
        StatLine stats; // food, gold, lumber, CV
    } rows[] = {
        {0, 12, u"Water Elemental 1", {0, 0, 1, 8750}},
        {0, 13, u"Water Elemental 2", {0, 0, 1, 16695}},
        {0, 14, u"Water Elemental 3", {0, 0, 1, 30239}},
        {0, 15, u"Phoenix", {0, 0, 1, 64357}},
        {0, 10, u"Griphon Ryder", {4, 280, 70, 18750}},
        {1, 3, u"Troll Berseker", {2, 135, 20, 4808}},
        {1, 13, u"Spirit Wolf", {0, 0, 0, 2300}},
        {2, 9, u"Shade", {1, 0, 0, 0}},
        {2, 12, u"Infernal", {0, 0, 0, 82355}},
        {2, 13, u"Carrion Bettle 1", {0, 0, 0, 888}},
        {2, 17, u"Destroyer", {5, 200, 35, 22319}},
        {3, 11, u"Hippogryph Rider", {4, 0, 0, 11823}},
        {3, 14, u"Spirit of Vengeance", {0, 0, 0, 30363}},
    };
    const auto catalogue = builtCatalogue();
    for (const auto& [race, slot, name, stats] : rows) {
        CAPTURE(name);
        CHECK(catalogue->unitnames[race][slot] == name);
        CHECK(catalogue->unitstats[race][slot] == stats);
        REQUIRE(catalogue->statsFor(name));
        CHECK(*catalogue->statsFor(name) == stats);
    }
}

TEST_CASE("names read from the lists")
{
    // Names come from the lists as they stand; the statistics from the fixed table.
    const auto form = makeTestForm();
    form->listBox(design::List3, 0).RemoveItem(0);
    form->listBox(design::List3, 0).AddItem(u"Extra");
    form->listBox(design::List3, 3).Clear();

    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->buildcatalogue(raceLists(*form));

    CHECK(catalogue->unitnames[0][0] == u"Militia");
    CHECK(catalogue->unitnames[0][15] == u"Extra");
    for (const std::u16string& name : catalogue->unitnames[3])
        CHECK(name.empty());
    CHECK(catalogue->unitstats[0][0] == StatLine{1, 75, 0, 605});
    CHECK(catalogue->unitstats[3][0] == StatLine{2, 130, 10, 2777});
    // Matching goes by the names read: slot 0 is now "Militia" with the Peasant's figures.
    REQUIRE(catalogue->statsFor(u"Militia"));
    CHECK(*catalogue->statsFor(u"Militia") == StatLine{1, 75, 0, 605});
    CHECK(catalogue->statsFor(u"Peasant") == nullptr);
    CHECK(catalogue->statsFor(u"Archer") == nullptr);
}

TEST_CASE("lookup is exact")
{
    const struct {
        std::u16string_view text;
        bool found;
    } rows[] = {{u"Footman", true},
                {u"footman", false},
                {u"Footman ", false},
                {u" Footman", false},
                {u"Gryphon Rider", false},
                {u"DoC Druid Form", true}, // similar names of another race
                {u"DoT Druid Form", true},
                {u"Hippogryph", true}, // a prefix of another name
                {u"Hippogryph Riders", false},
                {u"Peas\u00E1nt", false}};
    const auto catalogue = builtCatalogue();
    for (const auto& [text, found] : rows) {
        CAPTURE(text);
        const StatLine* stats = catalogue->statsFor(text);
        CHECK((stats != nullptr) == found);
        for (const auto& race : expectedUnits) {
            for (const ExpectedUnit& unit : race) {
                if (text == unit.name && stats)
                    CHECK(*stats == statsOf(unit));
            }
        }
    }
}
