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
        std::string benchmark; // "name" or "name/argument"
        std::string baseline;
        double limit = 0; // the ratio the figure must stay within; 0 for none
    };

    // A benchmark run at several sizes: its time per entry shows how it grows.
    struct Growth {
        std::string name;
        std::string benchmark; // run as "benchmark/size" for each size
        std::vector<long> sizes;
    };

    RatioReporter(OutputOptions options, std::vector<Figure> figures,
                  std::vector<Growth> growths = {});

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

    // False when a figure went over its limit or could not be measured.
    bool withinLimits() const { return allWithin; }

private:
    std::vector<Figure> figures;
    std::vector<Growth> growths;
    std::map<std::string, Run> medians;
    bool allWithin = true;
};

// Runs the registered benchmarks with a median over repetitions, prints the
// figures and returns the process's exit status.
int runBenchmarks(int argc, char** argv, std::vector<RatioReporter::Figure> figures,
                  std::vector<RatioReporter::Growth> growths = {});
