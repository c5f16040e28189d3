#include "label.h"
#include "listbox.h"
#include "tally.h"
#include "testing.h"

#include <memory>

namespace {

// The force columns and the race lists the totals work on, in a bare test window.
struct Bench {
    Bench()
    {
        module->buildcatalogue({&form->listBox(design::List3, 0), &form->listBox(design::List3, 1),
                                &form->listBox(design::List3, 2),
                                &form->listBox(design::List3, 3)});
        for (toolkit::Index force = 0; force < forceCount; ++force) {
            controls.List1[force] = &list(force);
            controls.totalfood[force] = &form->label(design::totalfood, force);
            controls.totallumber[force] = &form->label(design::totallumber, force);
            controls.totalgold[force] = &form->label(design::totalgold, force);
            controls.totalcv[force] = &form->label(design::totalcv, force);
        }
        controls.forcea = &form->label(design::forcea);
        controls.forceb = &form->label(design::forceb);
    }

    toolkit::ListBox& list(int force) const
    {
        return form->listBox(design::List1, toolkit::Index(force));
    }

    void fill(int force, const Texts& entries) const
    {
        for (const std::u16string& entry : entries)
            list(force).AddItem(entry);
    }

    // Runs the three updates the way every change to a force list does.
    void update(int force) const
    {
        recalcforce(*module, controls, toolkit::Index(force));
        showforce(*module, controls, toolkit::Index(force));
        colourforces(*module, controls);
    }

    // Food, lumber, gold, CV, as the labels show them.
    Texts shown(int force) const
    {
        const auto index = toolkit::Index(force);
        return {form->label(design::totalfood, index).caption(),
                form->label(design::totallumber, index).caption(),
                form->label(design::totalgold, index).caption(),
                form->label(design::totalcv, index).caption()};
    }

    toolkit::Colour colourA() const { return controls.forcea->foreColour(); }
    toolkit::Colour colourB() const { return controls.forceb->foreColour(); }

    std::unique_ptr<toolkit::Form> form = makeTestForm();
    std::unique_ptr<Module1> module = std::make_unique<Module1>();
    ForceControls controls;
};

Texts repeated(std::u16string_view name, int times)
{
    return Texts(std::size_t(times), std::u16string(name));
}

Texts operator+(Texts first, const Texts& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::u16string decimal(Total total)
{
    const std::string digits = std::to_string(total);
    return {digits.begin(), digits.end()};
}

} // namespace

TEST_CASE("totals shown")
{
    const struct {
        const char* name;
        Texts entries;
        Texts expected; // food, lumber, gold, CV
    } rows[] = {
        {"no entries", {}, {u"0", u"0", u"0", u"0"}},
        {"one Footman", {u"Footman"}, {u"2", u"0", u"135", u"4355"}},
        {"Footman three times", repeated(u"Footman", 3), {u"6", u"0", u"405", u"13065"}},
        {"an empty entry", {u""}, {u"0", u"0", u"0", u"0"}},
        {"empty entries between units",
         {u"", u"Peasant", u"", u"Peon", u""},
         {u"2", u"0", u"150", u"1230"}},
        {"text naming no unit",
         {u"footman", u"Footman ", u"Gryphon Rider"},
         {u"0", u"0", u"0", u"0"}},
        {"summoned units raise only CV",
         {u"Spirit Wolf", u"Infernal", u"Treant"},
         {u"0", u"0", u"0", u"87398"}},
        {"elementals and phoenix carry lumber 1",
         {u"Water Elemental 1", u"Water Elemental 2", u"Water Elemental 3", u"Phoenix"},
         {u"0", u"4", u"0", u"120041"}},
        {"Shade: food only", {u"Shade"}, {u"1", u"0", u"0", u"0"}},
        {"Hippogryph Rider: food and CV", {u"Hippogryph Rider"}, {u"4", u"0", u"0", u"11823"}},
        {"one of every race",
         {u"Knight", u"Tauren", u"FrostWyrm", u"Mountain Giant"},
         {u"23", u"360", u"1335", u"116937"}},
    };
    for (const auto& [name, entries, expected] : rows) {
        CAPTURE(name);
        const Bench bench;
        bench.fill(0, entries);
        bench.update(0);
        CHECK(bench.shown(0) == expected);
        CHECK(Texts{decimal(bench.module->forcefood[0]), decimal(bench.module->forcelumber[0]),
                    decimal(bench.module->forcegold[0]),
                    decimal(bench.module->forcecv[0])} == expected);
    }
}

TEST_CASE("heading colours")
{
    const struct {
        const char* name;
        Texts forceA, forceB;
        toolkit::Colour colourA, colourB;
    } rows[] = {
        {"Peasant against nothing", {u"Peasant"}, {}, green, red},
        {"Peasant against Peon", {u"Peasant"}, {u"Peon"}, red, green},
        {"both empty", {}, {}, blue, blue},
        {"equal CV from other units", {u"Ballista"}, repeated(u"Serpent Ward", 10), blue, blue},
        {"Shade has no CV", {u"Shade"}, {}, blue, blue},
        {"only CV counts, not costs",
         {u"Phoenix"},
         {u"Mountain Giant", u"Mountain Giant"},
         green,
         red},
        // Past 2^24 a running single-precision sum would depend on the order of the entries.
        {"same units in another order", repeated(u"Infernal", 300) + Texts{u"Peasant"},
         Texts{u"Peasant"} + repeated(u"Infernal", 300), blue, blue},
        {"one CV apart past 2^24", repeated(u"Infernal", 300) + Texts{u"Peon"},
         repeated(u"Infernal", 300) + Texts{u"Peasant"}, green, red},
    };
    for (const auto& [name, forceA, forceB, colourA, colourB] : rows) {
        CAPTURE(name);
        const Bench bench;
        bench.fill(0, forceA);
        bench.fill(1, forceB);
        bench.update(0);
        bench.update(1);
        CHECK(bench.colourA() == colourA);
        CHECK(bench.colourB() == colourB);
    }
}

TEST_CASE("other force untouched")
{
    const Bench bench;
    bench.fill(0, {u"Knight"});
    bench.update(0);
    CHECK(bench.shown(0) == Texts{u"4", u"60", u"245", u"18927"});

    // Force A's list changes, but only Force B is recalculated: A keeps its
    // stored totals and labels, and the colours compare A's stored CV with B's new one.
    bench.list(0).Clear();
    bench.fill(1, {u"Footman"});
    bench.update(1);
    CHECK(bench.shown(0) == Texts{u"4", u"60", u"245", u"18927"});
    CHECK(bench.module->forcecv[0] == Total(18927));
    CHECK(bench.shown(1) == Texts{u"2", u"0", u"135", u"4355"});
    CHECK(bench.colourA() == green);
    CHECK(bench.colourB() == red);

    bench.update(0);
    CHECK(bench.shown(0) == Texts{u"0", u"0", u"0", u"0"});
    CHECK(bench.colourA() == red);
    CHECK(bench.colourB() == green);
}

TEST_CASE("removing one of two leaves the other")
{
    const Bench bench;
    bench.fill(0, {u"Grunt", u"Peon", u"Grunt"});
    bench.update(0);
    CHECK(bench.shown(0) == Texts{u"7", u"0", u"475", u"18711"});
    bench.list(0).RemoveItem(0);
    bench.update(0);
    CHECK(bench.shown(0) == Texts{u"4", u"0", u"275", u"9668"});
}

TEST_CASE("exact at the top of the range")
{
    // 32767 entries: the most a force list holds.
    const struct {
        std::u16string_view unit;
        Texts expected;
    } rows[] = {
        {u"Infernal", {u"0", u"0", u"0", u"2698526285"}},                        // highest CV
        {u"Mountain Giant", {u"229369", u"3276700", u"13925975", u"713009920"}}, // highest gold
        {u"FrostWyrm", {u"229369", u"3932040", u"12615295", u"1625505336"}},
    };
    for (const auto& [unit, expected] : rows) {
        CAPTURE(unit);
        const Bench bench;
        bench.fill(0, repeated(unit, 32767));
        bench.update(0);
        CHECK(bench.list(0).ListCount() == 32767);
        CHECK(bench.shown(0) == expected);
    }
}
