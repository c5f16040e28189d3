#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints the usual console table, then one line per figure: a benchmark's
// median time against the median of its baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Figure {
        std::string name;
        std::string benchmark;
        std::string baseline;
        double limit; // the ratio the figure must stay within
    };

    explicit RatioReporter(std::vector<Figure> figures);

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

    // False when a figure went over its limit or could not be measured.
    bool withinLimits() const { return allWithin; }

private:
    std::vector<Figure> figures;
    std::map<std::string, Run> medians;
    bool allWithin = true;
};

// Runs the registered benchmarks with a median over repetitions, prints the
// figures and returns the process's exit status.
int runBenchmarks(int argc, char** argv, std::vector<RatioReporter::Figure> figures);
