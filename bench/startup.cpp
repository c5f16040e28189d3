#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

// Starts the main window and a bare window of the same size in turn, each as a
// whole process that quits once its event loop is idle, and compares the
// median wall time and the median peak resident memory of the two.

namespace {

struct Sample {
    double milliseconds;
    double peakMiB;
};

Sample runOnce(const char* program)
{
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* const argv[] = {const_cast<char*>(program), nullptr};
    // Quiet: the exit status says whether a run went well.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, program, &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror(program);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    // Both show their window on the display there is; with none, on Qt's
    // headless platform, which skips the window system's share of the work.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char* platform = std::getenv("QT_QPA_PLATFORM");

    const char* const programs[2] = {ZORVAN_STARTUP_FORM1, ZORVAN_STARTUP_BARE};
    std::vector<double> times[2];
    std::vector<double> memory[2];
    // One round of each first, to warm the disk and font caches; not counted.
    runOnce(programs[0]);
    runOnce(programs[1]);
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so that neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            const Sample sample = runOnce(programs[which]);
            times[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.peakMiB);
        }
    }

    const double time = median(times[0]);
    const double timeBase = median(times[1]);
    const double mem = median(memory[0]);
    const double memBase = median(memory[1]);
    const double ratio = time / timeBase;
    const double extra = mem - memBase;
    const bool timeWithin = ratio <= 1.25;
    const bool memoryWithin = extra <= 6.0;

    std::printf("%-36s %14s %14s %8s %8s\n", "figure", "value", "baseline", "ratio", "limit");
    std::printf("%-36s %11.1f ms %11.1f ms %8.2f %8.2f%s\n", "start-up to idle (median of runs)",
                time, timeBase, ratio, 1.25, timeWithin ? "" : "  OVER");
    std::printf("%-36s %10.1f MiB %10.1f MiB %+7.1f MiB %+5.1f MiB%s\n",
                "peak resident memory (median)", mem, memBase, extra, 6.0,
                memoryWithin ? "" : "  OVER");
    std::printf("(%d alternating runs of each on %s; the baseline is a bare window of the same "
                "size)\n",
                runs, platform ? platform : "the X server at DISPLAY");
    return timeWithin && memoryWithin ? 0 : 1;
}
