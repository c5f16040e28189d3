#include "qtlistbox.h"
#include "ratioreporter.h"
#include "readpass.h"
#include "tally.h"

#include <QApplication>

#include <memory>
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
BENCHMARK(recalculation)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto force = std::make_unique<FullForce>();
    current = force.get();
    return runBenchmarks(
        argc, argv, {{"recalculation of a full force list", "recalculation", "readPass", 2.0}});
}
