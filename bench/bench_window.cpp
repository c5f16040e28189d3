#include "application.h"
#include "driver.h"
#include "figures.h"
#include "form.h"
#include "form1.h"
#include "form1design.h"
#include "identity.h"
#include "listbox.h"
#include "settle.h"
#include "tally.h"

#include <memory>
#include <unordered_map>
#include <vector>

// The window's work on a force list of up to 32,767 entries, driven as a user
// drives it (a button's click, a key press) through the toolkit's interface and
// the tests' driver, so that every platform runs the same benchmarks. Each figure
// sets one median against what the same work cannot do without, from the same run.

namespace {

constexpr int fullList = toolkit::ListBox::MaxCount;
constexpr toolkit::KeyCode insertKey = 45; // moves nothing in a list

struct Window {
    Window()
    {
        form.show();
        driver = Driver::create(form.form());
        force = &form.form().listBox(design::List1, 0);
        RaceLists races;
        for (int race = 0; race < raceCount; ++race) {
            races[race] = &form.form().listBox(design::List3, race);
            names.insert(names.end(), unitNamesOf(race).begin(), unitNamesOf(race).end());
        }
        names.emplace_back(); // an entry that names no unit
        module->buildcatalogue(races);
        controls.List1 = {force, force};
        driver->clickRow("List3", 0, 4); // Knight, for Add
    }

    // Puts the list at exactly this many entries, every unit name in turn.
    void fill(int entries)
    {
        while (force->ListCount() > entries)
            force->RemoveItem(static_cast<toolkit::Row>(force->ListCount() - 1));
        while (force->ListCount() < entries)
            force->AddItem(names[std::size_t(force->ListCount()) % names.size()]);
        settle();
    }

    Form1 form;
    std::unique_ptr<Driver> driver;
    toolkit::ListBox* force = nullptr;
    std::vector<std::u16string_view> names;
    std::unique_ptr<Module1> module = std::make_unique<Module1>();
    ForceControls controls;
};

// Made in main, after the application and destroyed before it.
Window* window = nullptr;

int filled(benchmark::State& state)
{
    const int entries = int(state.range(0));
    window->fill(entries);
    state.SetComplexityN(entries);
    return entries;
}

// The floor: reading each entry's text once, a view into the list's own storage.
void readPass(benchmark::State& state)
{
    filled(state);
    const toolkit::ListBox& list = *window->force;
    for (auto _ : state) {
        std::size_t characters = 0;
        const toolkit::Row count = list.ListCount();
        for (toolkit::Row row = 0; row < count; ++row)
            characters += list.List(row).size();
        benchmark::DoNotOptimize(characters);
    }
}

// What the program's name index must beat: the same four sums, each entry
// matched with the standard library's hash map of the catalogue's names.
void standardMapPass(benchmark::State& state)
{
    filled(state);
    std::unordered_map<std::u16string_view, StatLine> stats;
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = 0; slot < slotCount; ++slot)
            stats.emplace(window->module->unitnames[race][slot],
                          window->module->unitstats[race][slot]);
    }
    const toolkit::ListBox& list = *window->force;
    for (auto _ : state) {
        StatLine sums{};
        const toolkit::Row count = list.ListCount();
        for (toolkit::Row row = 0; row < count; ++row) {
            if (const auto found = stats.find(list.List(row)); found != stats.end()) {
                for (int kind = 0; kind < statCount; ++kind)
                    sums[kind] += found->second[kind];
            }
        }
        benchmark::DoNotOptimize(sums);
    }
}

void recalculation(benchmark::State& state)
{
    filled(state);
    for (auto _ : state) {
        recalcforce(*window->module, window->controls, 0);
        benchmark::DoNotOptimize(window->module->forcecv[0]);
    }
}

// What every key in a force list costs: a recalculation, its labels and the headings.
void keyUpdate(benchmark::State& state)
{
    filled(state);
    window->driver->focus("List1", 0);
    for (auto _ : state)
        window->driver->press(insertKey);
}

void addHandler(benchmark::State& state)
{
    const int entries = filled(state);
    for (auto _ : state) {
        window->driver->click("Command2", 0);
        state.PauseTiming();
        window->fill(entries); // a full list took nothing; any other gave up its new entry
        state.ResumeTiming();
    }
}

void deleteHandler(benchmark::State& state)
{
    const int entries = filled(state);
    window->driver->focus("List1", 0);
    for (auto _ : state) {
        state.PauseTiming();
        window->force->setListIndex(static_cast<toolkit::Row>(entries / 2));
        state.ResumeTiming();
        window->driver->press(toolkit::keys::Delete);
        state.PauseTiming();
        window->fill(entries);
        state.ResumeTiming();
    }
}

// Clear through its button, then the list filled again to where it was.
void clearAndRefill(benchmark::State& state)
{
    const int entries = filled(state);
    for (auto _ : state) {
        window->driver->click("Command3", 0);
        for (int row = 0; row < entries; ++row)
            window->force->AddItem(window->names[std::size_t(row) % window->names.size()]);
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}

// Medians over repetitions; sizes from 512 to a full list for the library to fit the time to N.
void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}
void sizes(benchmark::internal::Benchmark* benchmark)
{
    repeated(benchmark->RangeMultiplier(8)->Range(512, fullList)->Complexity(benchmark::oN));
}

} // namespace

BENCHMARK(readPass)->Apply(sizes);
BENCHMARK(standardMapPass)->Arg(fullList)->Apply(repeated);
BENCHMARK(recalculation)->Arg(fullList)->Apply(repeated);
BENCHMARK(keyUpdate)->Apply(sizes);
BENCHMARK(addHandler)->Apply(sizes);
BENCHMARK(deleteHandler)->Apply(sizes);
BENCHMARK(clearAndRefill)->Apply(sizes);

int main(int argc, char** argv)
{
    toolkit::Application application(argv[0], identity());
    benchmark::Initialize(&argc, argv);
    const auto instance = std::make_unique<Window>();
    window = instance.get();

    Figures figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    // Reading a row is a view into the list's own storage, a floor no lookup and
    // no change to a list comes near; each handler is held against the update
    // every key press makes.
    const std::string full = "/" + std::to_string(fullList);
    figures.figure("recalculation of a full list, against a standard hash map",
                   "recalculation" + full, "standardMapPass" + full, 1.0);
    figures.figure("recalculation, against reading alone", "recalculation" + full,
                   "readPass" + full);
    figures.figure("a key in a full list, against reading alone", "keyUpdate" + full,
                   "readPass" + full);
    figures.figure("Add on a full list, against a key", "addHandler" + full, "keyUpdate" + full,
                   1.5);
    figures.figure("Delete on a full list, against a key", "deleteHandler" + full,
                   "keyUpdate" + full, 5);
    figures.figure("Clear and refill a full list, against reading alone", "clearAndRefill" + full,
                   "readPass" + full);
    benchmark::Shutdown();
    return figures.withinLimits() ? 0 : 1;
}
