#include "qtlistbox.h"
#include "ratioreporter.h"
#include "readpass.h"
#include "tally.h"

#include <QApplication>

#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// A full force list of every unit name in turn, with an empty entry now and then.
struct FullForce {
    FullForce()
    {
        std::vector<std::u16string_view> names;
        for (int race = 0; race < raceCount; ++race) {
            for (const std::u16string_view name : unitNamesOf(race)) {
                raceLists[race].AddItem(name);
                names.push_back(name);
            }
        }
        names.emplace_back();
        module->buildcatalogue({&raceLists[0], &raceLists[1], &raceLists[2], &raceLists[3]});

        for (int row = 0; row < toolkit::ListBox::MaxCount; ++row)
            list.AddItem(names[std::size_t(row) % names.size()]);
        controls.List1 = {&list, &list};
    }

    std::array<toolkit::qt::QtListBox, raceCount> raceLists;
    toolkit::qt::QtListBox list;
    std::unique_ptr<Module1> module = std::make_unique<Module1>();
    ForceControls controls;
};

// Made in main, after the application and destroyed before it.
FullForce* current = nullptr;

FullForce& fullForce()
{
    return *current;
}

void readPass(benchmark::State& state)
{
    readEveryEntry(state, fullForce().list);
}

// What the program's name index must beat: the same four sums, each entry
// matched with the standard library's hash map of the catalogue's names.
void standardMapPass(benchmark::State& state)
{
    FullForce& force = fullForce();
    std::unordered_map<std::u16string_view, StatLine> stats;
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = 0; slot < slotCount; ++slot)
            stats.emplace(force.module->unitnames[race][slot], force.module->unitstats[race][slot]);
    }
    const toolkit::ListBox& list = force.list;
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
    FullForce& force = fullForce();
    for (auto _ : state) {
        recalcforce(*force.module, force.controls, 0);
        benchmark::DoNotOptimize(force.module->forcecv[0]);
    }
}

} // namespace

BENCHMARK(readPass)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(standardMapPass)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(recalculation)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto force = std::make_unique<FullForce>();
    current = force.get();
    // Reading a row is a view into the list's own storage, a floor no lookup
    // comes near; the limit holds the recalculation to what a standard hash
    // map of the names would cost.
    return runBenchmarks(
        argc, argv,
        {{"recalculation against reading alone", "recalculation", "readPass"},
         {"recalculation of a full force list", "recalculation", "standardMapPass", 1.0}});
}
