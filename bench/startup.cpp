#include "figures.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Starts the main window, a text floor and a bare window, each as a whole process
// that reports the moment its first frame is on the display and its peak resident
// memory then. The gate is the instructions callgrind counts up to that moment,
// which the load of the machine does not move; wall time is shown, not held to a limit.

namespace {

struct Program {
    const char* name;
    const char* path;
    const char* shown;
};
constexpr std::array<Program, 3> programs{{
    {"window", ZORVAN_STARTUP_FORM1, "the window"},
    {"textfloor", ZORVAN_STARTUP_FLOOR, "the text floor"},
    {"barewindow", ZORVAN_STARTUP_BARE, "the bare window"},
}};

constexpr double instructionLimit = 1.14; // the window's against the text floor's
constexpr double memoryLimit = 3.0;       // MiB over the text floor
constexpr int reportDescriptor = 3;

[[noreturn]] void fail(const char* program, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", program, what);
    std::exit(2);
}

// Quiet: the exit status says whether a run went well. A run that reports gets
// the report pipe as descriptor 3 (main says so in the environment).
pid_t spawn(std::vector<const char*> argv, int reportTo)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (reportTo >= 0)
        posix_spawn_file_actions_adddup2(&actions, reportTo, reportDescriptor);
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv.data()),
                    environ) != 0)
        fail(argv[0], "cannot start");
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool endedCleanly(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Seconds from the start of the process to its first frame; the teardown that
// follows is in neither figure. The library times code in its own process, so a
// start is timed here and handed to it as the iteration's time.
double untilFirstFrame(const char* program, double& peakMiB)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        fail(program, "no pipe");
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawn({program}, report[1]);
    close(report[1]);
    pollfd ready{report[0], POLLIN, 0};
    if (poll(&ready, 1, 30000) != 1) {
        kill(pid, SIGKILL);
        fail(program, "no first frame in time");
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    char text[32] = {};
    const ssize_t length = read(report[0], text, sizeof text - 1);
    close(report[0]);
    if (!endedCleanly(pid) || length <= 0)
        fail(program, "did not reach its first frame and exit cleanly");
    peakMiB = std::atof(text) / 1024.0;
    return elapsed.count();
}

// One round starts the three in turn, the order turned each round so that none
// always follows the same one. Its time is the window's; the counters are the
// others' times and each one's peak memory, and the window's against each of
// theirs: the three ran within a second, under much the same load from elsewhere,
// so a round's own ratio is steadier than a ratio of medians.
void startup(benchmark::State& state)
{
    static int round = 0;
    for (auto _ : state) {
        std::array<double, 3> seconds{}, peak{};
        for (int k = 0; k < 3; ++k) {
            const std::size_t which = std::size_t(round + k) % 3;
            seconds[which] = untilFirstFrame(programs[which].path, peak[which]);
        }
        ++round;
        state.SetIterationTime(seconds[0]);
        for (std::size_t which = 0; which < 3; ++which) {
            const std::string name = programs[which].name;
            state.counters[name + "_ms"] = seconds[which] * 1e3;
            state.counters[name + "_MiB"] = peak[which];
            if (which > 0) {
                state.counters["over_" + name] = seconds[0] / seconds[which];
                state.counters["over_" + name + "_MiB"] = peak[0] - peak[which];
            }
        }
    }
}

// Instructions from the start to the first frame, counted by callgrind; 0 when
// they cannot be. The profile stays beside this program for callgrind_annotate,
// as callgrind.out.<program>; one that forks leaves one profile per process (%p).
double instructionsOf(const Program& program)
{
    const std::string profile =
        std::string(ZORVAN_STARTUP_PROFILES) + "/callgrind.out." + program.name;
    const std::string outFile = "--callgrind-out-file=" + profile + ".%p";
    // Descriptor 3 is the program's own here, often the display's socket.
    const pid_t pid = spawn({"/usr/bin/env", "-u", "ZORVAN_FIRST_FRAME_FD", "valgrind",
                             "--tool=callgrind", outFile.c_str(), program.path},
                            -1);
    const bool counted = endedCleanly(pid);
    std::error_code ignored;
    std::filesystem::rename(profile + "." + std::to_string(pid), profile, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(ZORVAN_STARTUP_PROFILES)) {
        if (entry.path().filename().string().starts_with("callgrind.out." +
                                                         std::string(program.name) + "."))
            std::filesystem::remove(entry.path(), ignored);
    }
    double total = 0;
    if (std::FILE* file = std::fopen(profile.c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, file) &&
               std::sscanf(line, "summary: %lf", &total) != 1) {
        }
        std::fclose(file);
    }
    return counted ? total : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    setenv("ZORVAN_FIRST_FRAME_FD", std::to_string(reportDescriptor).c_str(), 1);
    for (const Program& program : programs) {
        double warm = 0; // one round of each first, to warm the disk and font caches
        untilFirstFrame(program.path, warm);
    }
    benchmark::RegisterBenchmark("startup", startup)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(101)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
    Figures figures;
    benchmark::RunSpecifiedBenchmarks(&figures);

    const auto* run = figures.median("startup");
    const auto median = [&](const std::string& counter) {
        return run ? double(run->counters.at(counter)) : 0;
    };
    for (std::size_t which : {1, 2}) {
        const std::string name = programs[which].name;
        figures.figure(std::string("wall time to the first frame, against ") +
                           programs[which].shown,
                       median("window_ms"), median(name + "_ms"), "ms", median("over_" + name));
        figures.figure(std::string("peak memory then, over ") + programs[which].shown,
                       median("window_MiB"), median(name + "_MiB"), "MiB",
                       median("over_" + name + "_MiB"), which == 1 ? memoryLimit : 0, true);
    }
    std::array<double, 3> instructions{};
    for (std::size_t which = 0; which < programs.size(); ++which)
        instructions[which] = instructionsOf(programs[which]) / 1e6;
    for (std::size_t which : {1, 2})
        figures.figure(std::string("instructions to the first frame, against ") +
                           programs[which].shown,
                       instructions[0], instructions[which], "M",
                       instructions[0] / instructions[which], which == 1 ? instructionLimit : 0);
    benchmark::Shutdown();
    return figures.withinLimits() ? 0 : 1;
}
