#include "ratioreporter.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace {

// The library applies --benchmark_color only to a console table of its own
// making, so a table of ours follows the flag here: "auto" (the default) colours
// a terminal only.
benchmark::ConsoleReporter::OutputOptions outputOptions(int argc, char** argv)
{
    const char* colour = "auto";
    constexpr char flag[] = "--benchmark_color=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, sizeof flag - 1) == 0)
            colour = argv[i] + sizeof flag - 1;
    }
    bool coloured = isatty(STDOUT_FILENO) != 0;
    if (std::strcmp(colour, "auto") != 0)
        coloured = std::strcmp(colour, "true") == 0 || std::strcmp(colour, "yes") == 0 ||
                   std::strcmp(colour, "1") == 0;
    return coloured ? benchmark::ConsoleReporter::OO_ColorTabular
                    : benchmark::ConsoleReporter::OO_Tabular;
}

} // namespace

RatioReporter::RatioReporter(OutputOptions options, std::vector<Figure> figures,
                             std::vector<Growth> growths)
    : ConsoleReporter(options)
    , figures(std::move(figures))
    , growths(std::move(growths))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& reports)
{
    for (const Run& run : reports) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            const auto& name = run.run_name;
            medians[name.args.empty() ? name.function_name : name.function_name + "/" + name.args] =
                run;
        }
    }
    ConsoleReporter::ReportRuns(reports);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %14s %14s %8s %8s\n", "figure", "value", "baseline", "ratio", "limit");
    for (const Figure& figure : figures) {
        const auto value = medians.find(figure.benchmark);
        const auto baseline = medians.find(figure.baseline);
        if (value == medians.end() || baseline == medians.end()) {
            std::printf("%-44s not measured\n", figure.name.c_str());
            allWithin = false;
            continue;
        }
        const double v = value->second.GetAdjustedRealTime();
        const double b = baseline->second.GetAdjustedRealTime();
        const double ratio = v / b;
        const std::string unit = benchmark::GetTimeUnitString(value->second.time_unit);
        const bool limited = figure.limit > 0;
        const bool within = !limited || ratio <= figure.limit;
        allWithin = allWithin && within;
        char limit[16] = "-";
        if (limited)
            std::snprintf(limit, sizeof limit, "%.2f", figure.limit);
        std::printf("%-44s %11.1f %-2s %11.1f %-2s %8.2f %8s%s\n", figure.name.c_str(), v,
                    unit.c_str(), b, unit.c_str(), ratio, limit, within ? "" : "  OVER");
    }
    for (const Growth& growth : growths) {
        std::printf("\n%s: time per entry at each size\n", growth.name.c_str());
        double previous = 0;
        for (const long size : growth.sizes) {
            const auto run = medians.find(growth.benchmark + "/" + std::to_string(size));
            if (run == medians.end()) {
                std::printf("  %6ld entries: not measured\n", size);
                continue;
            }
            const double seconds = run->second.GetAdjustedRealTime() /
                                   benchmark::GetTimeUnitMultiplier(run->second.time_unit);
            const double perEntry = seconds * 1e9 / double(size);
            std::printf("  %6ld entries: %10.1f us in all, %8.1f ns per entry", size, seconds * 1e6,
                        perEntry);
            if (previous > 0)
                std::printf(" (x%.2f the size before)", perEntry / previous);
            std::printf("\n");
            previous = perEntry;
        }
    }
    std::fflush(stdout);
}

int runBenchmarks(int argc, char** argv, std::vector<RatioReporter::Figure> figures,
                  std::vector<RatioReporter::Growth> growths)
{
    const auto options = outputOptions(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(options, std::move(figures), std::move(growths));
    const std::size_t ran = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return ran > 0 && reporter.withinLimits() ? 0 : 1;
}
