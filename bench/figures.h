#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Shows the runs as the library does (its console table, or the format asked
// for), and keeps each benchmark's median, so that a figure can set one run
// against another of the same process afterwards: the library compares runs
// only between processes (tools/compare.py), and holds none to a limit.
class Figures : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override { return display->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const auto& name = run.run_name;
            if (run.aggregate_name == "median")
                medians[name.function_name + (name.args.empty() ? "" : "/" + name.args)] = run;
        }
        display->ReportRuns(runs);
    }
    void Finalize() override { display->Finalize(); }

    // The median of "name" or "name/argument"; nullptr when it did not run.
    const Run* median(const std::string& name) const
    {
        const auto found = medians.find(name);
        return found == medians.end() ? nullptr : &found->second;
    }

    // Prints a value, its baseline and the one against the other (a ratio, or a
    // difference); false when over the limit (0: none) or not measured.
    bool figure(const std::string& name, double value, double baseline, const char* unit,
                double against, double limit = 0, bool difference = false)
    {
        if (!headed)
            std::printf("\n%-58s %13s %13s %8s %6s\n", "figure", "value", "baseline", "against",
                        "limit");
        headed = true;
        if (value <= 0 || baseline <= 0) {
            std::printf("%-58s not measured\n", name.c_str());
            return within = false;
        }
        const bool holds = limit == 0 || against <= limit;
        within = within && holds;
        char shown[2][16] = {"", "-"};
        std::snprintf(shown[0], sizeof shown[0], difference ? "%+.2f" : "%.2f", against);
        if (limit != 0)
            std::snprintf(shown[1], sizeof shown[1], difference ? "%+.1f" : "%.2f", limit);
        std::printf("%-58s %9.1f %-3s %9.1f %-3s %8s %6s%s\n", name.c_str(), value, unit, baseline,
                    unit, shown[0], shown[1], holds ? "" : "  OVER");
        std::fflush(stdout);
        return holds;
    }

    // Two medians in CPU time: the work of this process alone, which another
    // process loading the machine does not stretch.
    bool figure(const std::string& name, const std::string& value, const std::string& baseline,
                double limit = 0)
    {
        const Run* v = median(value);
        const Run* b = median(baseline);
        const double time = v ? v->GetAdjustedCPUTime() : 0;
        const double floor = b ? b->GetAdjustedCPUTime() : 0;
        return figure(name, time, floor, v ? benchmark::GetTimeUnitString(v->time_unit) : "",
                      floor > 0 ? time / floor : 0, limit);
    }

    bool withinLimits() const { return within; }

private:
    std::unique_ptr<benchmark::BenchmarkReporter> display{
        benchmark::CreateDefaultDisplayReporter()};
    std::map<std::string, Run> medians;
    bool within = true;
    bool headed = false;
};
