#include "driver.h"
#include "expectedunits.h"
#include "form1.h"
#include "label.h"
#include "listbox.h"
#include "testing.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <vector>

// Drives the real window with random events and checks it, after every event,
// against a small model of what the program must do.

namespace {

constexpr int forces = 2;
constexpr int races = 4;
constexpr int maxEntries = 32767;

using Sums = std::array<std::int64_t, 4>; // food, lumber, gold, CV
using toolkit::Colour;

struct Model {
    Model()
    {
        for (int race = 0; race < races; ++race) {
            for (const ExpectedUnit& unit : expectedUnits[race]) {
                names[race].emplace_back(unit.name);
                stats[names[race].back()] = {unit.food, unit.lumber, unit.gold, unit.cv};
            }
        }
        labels.fill(Texts(4, u"0"));
    }

    // The three updates after force i's list was touched.
    void update(int i)
    {
        Sums sums{};
        for (const std::u16string& entry : lists[i]) {
            const auto unit = stats.find(entry);
            for (int k = 0; k < 4 && unit != stats.end(); ++k)
                sums[k] += unit->second[k];
        }
        cv[i] = sums[3];
        for (int k = 0; k < 4; ++k) {
            const std::string digits = std::to_string(sums[k]);
            labels[i][k].assign(digits.begin(), digits.end());
        }
        if (cv[0] == cv[1])
            colours = {{blue, blue}};
        else
            colours = cv[0] > cv[1] ? std::array{green, red} : std::array{red, green};
    }

    std::array<Texts, races> names;
    std::map<std::u16string, Sums> stats;

    std::array<Texts, forces> lists;
    std::array<int, forces> selected{-1, -1};
    std::array<int, races> unitSelected{-1, -1, -1, -1};
    int tab = 0;
    std::array<std::int64_t, forces> cv{};
    std::array<Texts, forces> labels;
    std::optional<std::array<Colour, 2>> colours; // the design colour until the first update
};

// ZORVAN_TEST_SEED, to replay a failure, if set: a decimal unsigned 32-bit number.
std::optional<std::uint32_t> givenSeed(const char* text)
{
    if (!text || *text < '0' || *text > '9')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (errno != 0 || *end != '\0' || value > UINT32_MAX)
        return std::nullopt;
    return std::uint32_t(value);
}

} // namespace

TEST_CASE("random events")
{
    struct Run {
        int events;
        int prefill; // entries put into Force A before the run, near the limit
    };
    std::vector<Run> runs(20, {500, 0});
    runs.insert(runs.end(), {{300, maxEntries - 10}, {150, maxEntries - 1}});
    std::uint32_t baseSeed = std::random_device()();
    if (const char* text = std::getenv("ZORVAN_TEST_SEED")) {
        const auto given = givenSeed(text);
        if (!given)
            FAIL("ZORVAN_TEST_SEED=" << std::string(text) << " is not an unsigned 32-bit number");
        baseSeed = *given;
    }
    std::printf("ZORVAN_TEST_SEED=%u\n", unsigned(baseSeed));

    for (int run = 0; run < int(std::size(runs)); ++run) {
        const auto [events, prefill] = runs[run];
        const std::uint32_t seed = baseSeed + std::uint32_t(run);
        std::mt19937 random(seed);
        const auto bounded = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high - 1)(random);
        };
        Model model;
        Form1 form1;
        form1.show();
        const auto driver = Driver::create(form1.form());
        const toolkit::Form& form = form1.form();
        const auto forceList = [&](int i) -> toolkit::ListBox& {
            return form.listBox(design::List1, toolkit::Index(i));
        };
        const auto heading = [&](int i) -> toolkit::Label& {
            return form.label(i == 0 ? design::forcea : design::forceb);
        };
        const Colour designColour = heading(0).foreColour();

        // Entries put in without the handlers: nothing is recalculated until the list is touched.
        for (int row = 0; row < prefill; ++row) {
            const std::u16string& name = model.names[row % races][row % 16];
            forceList(0).AddItem(name);
            model.lists[0].push_back(name);
        }

        // The first difference from the model, or nothing.
        const auto mismatch = [&]() -> std::string {
            for (int i = 0; i < forces; ++i) {
                const toolkit::ListBox& list = forceList(i);
                const std::string force = "force " + std::to_string(i);
                Texts rows, totals;
                for (toolkit::Row row = 0; row < list.ListCount(); ++row)
                    rows.emplace_back(list.List(row));
                for (const auto total :
                     {design::totalfood, design::totallumber, design::totalgold, design::totalcv})
                    totals.push_back(form.label(total, toolkit::Index(i)).caption());
                if (rows != model.lists[i])
                    return force + " holds " + std::to_string(rows.size()) + " entries " +
                           doctest::toString(rows).c_str() + ", expected " +
                           doctest::toString(model.lists[i]).c_str();
                if (list.ListIndex() != model.selected[i])
                    return force + " selects row " + std::to_string(list.ListIndex()) +
                           ", expected " + std::to_string(model.selected[i]);
                if (totals != model.labels[i])
                    return force + " shows " + doctest::toString(totals).c_str() + ", expected " +
                           doctest::toString(model.labels[i]).c_str();
                const Colour expected = model.colours ? (*model.colours)[i] : designColour;
                if (heading(i).foreColour() != expected)
                    return "heading " + std::to_string(i) + " is " +
                           doctest::toString(heading(i).foreColour()).c_str() + ", expected " +
                           doctest::toString(expected).c_str();
            }
            return {};
        };

        // Near the limit, Add often and never Clear, so that the list fills up and stays full.
        const int addWeight = prefill > 0 ? 43 : 20;
        const int clearWeight = prefill > 0 ? 0 : 3;
        int refusedAdds = 0;
        // Down, Up, Home, End, PageDown, A, F, Escape, Return
        const toolkit::KeyCode otherKeys[] = {40, 38, 36, 35, 34, 65, 70, 27, 13};

        for (int event = 0; event < events; ++event) {
            std::string what;
            // Near the limit most events go to Force A, the force being filled.
            const int i = prefill > 0 ? int(bounded(0, 4) == 0) : bounded(0, forces);
            const int roll = bounded(0, 100);
            if (roll < 14) {
                const int race = bounded(0, races);
                const int row = bounded(-1, int(model.names[race].size()));
                what =
                    "select unit row " + std::to_string(row) + " of race " + std::to_string(race);
                form.listBox(design::List3, toolkit::Index(race)).setListIndex(toolkit::Row(row));
                model.unitSelected[race] = row;
            } else if (roll < 20) {
                const int race = bounded(0, races);
                what = "bring tab " + std::to_string(race) + " to the front";
                driver->chooseTab("SSTab1", toolkit::Index(race));
                model.tab = race;
            } else if (roll < 20 + addWeight) {
                what = "Add to force " + std::to_string(i);
                driver->click("Command2", toolkit::Index(i));
                const int row = model.unitSelected[model.tab];
                if (model.lists[i].size() < maxEntries)
                    model.lists[i].push_back(row < 0 ? u"" : model.names[model.tab][row]);
                else
                    ++refusedAdds;
                model.update(i);
            } else if (roll < 20 + addWeight + clearWeight) {
                what = "Clear force " + std::to_string(i);
                driver->click("Command3", toolkit::Index(i));
                model.lists[i].clear();
                model.selected[i] = -1;
                model.update(i);
            } else if (roll < 42 + addWeight + clearWeight) {
                const int size = int(model.lists[i].size());
                const int row = size == 0 || bounded(0, 5) == 0 ? -1 : bounded(0, size);
                what = "select entry " + std::to_string(row) + " of force " + std::to_string(i);
                forceList(i).setListIndex(toolkit::Row(row));
                model.selected[i] = row;
            } else if (roll < 62 + addWeight + clearWeight) {
                const auto shift = toolkit::ShiftState(bounded(0, 3)); // none, Shift, Ctrl
                what = "Delete in force " + std::to_string(i) + " (shift " + std::to_string(shift) +
                       ")";
                driver->focus("List1", toolkit::Index(i));
                driver->press(46, shift);
                if (model.selected[i] >= 0)
                    model.lists[i].erase(model.lists[i].begin() + model.selected[i]);
                model.selected[i] = -1;
                model.update(i);
            } else {
                const toolkit::KeyCode key = otherKeys[bounded(0, int(std::size(otherKeys)))];
                what = "key " + std::to_string(key) + " in force " + std::to_string(i);
                driver->focus("List1", toolkit::Index(i));
                driver->press(key);
                // The list moves its own selection; that is the list's business, not the program's.
                model.selected[i] = forceList(i).ListIndex();
                model.update(i);
            }

            const std::string found = mismatch();
            CHECK_MESSAGE(found.empty(), "seed " << seed << " (ZORVAN_TEST_SEED=" << baseSeed
                                                 << ", run " << run << "), event " << event << ": "
                                                 << what << ": " << found);
            if (!found.empty())
                break;
        }
        if (prefill > 0)
            CHECK_MESSAGE(refusedAdds > 0, "the run never reached the limit");
    }
}
