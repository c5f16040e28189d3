#include "ratioreporter.h"

#include <cstdio>
#include <utility>

RatioReporter::RatioReporter(std::vector<Figure> figures)
    : figures(std::move(figures))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& reports)
{
    for (const Run& run : reports) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            medians[run.run_name.function_name] = run;
    }
    ConsoleReporter::ReportRuns(reports);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-36s %14s %14s %8s %8s\n", "figure", "value", "baseline", "ratio", "limit");
    for (const Figure& figure : figures) {
        const auto value = medians.find(figure.benchmark);
        const auto baseline = medians.find(figure.baseline);
        if (value == medians.end() || baseline == medians.end()) {
            std::printf("%-36s not measured\n", figure.name.c_str());
            allWithin = false;
            continue;
        }
        const double v = value->second.GetAdjustedRealTime();
        const double b = baseline->second.GetAdjustedRealTime();
        const double ratio = v / b;
        const std::string unit = benchmark::GetTimeUnitString(value->second.time_unit);
        const bool within = ratio <= figure.limit;
        allWithin = allWithin && within;
        std::printf("%-36s %11.1f %-2s %11.1f %-2s %8.2f %8.2f%s\n", figure.name.c_str(), v,
                    unit.c_str(), b, unit.c_str(), ratio, figure.limit, within ? "" : "  OVER");
    }
    std::fflush(stdout);
}

int runBenchmarks(int argc, char** argv, std::vector<RatioReporter::Figure> figures)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(figures));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.withinLimits() ? 0 : 1;
}
