#include <algorithm>
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

// Starts the main window, a text floor and a bare window in turn, each as a
// whole process that reports the moment its first frame is on the display and
// its peak resident memory then. Rounds are grouped in batches; each batch gives
// the median of its rounds' ratios of the program to each baseline, and the
// table shows the median and the range of those over the batches. Where
// valgrind is installed, callgrind also counts each one's instructions up to
// its first frame.

namespace {

struct Program {
    const char* name;
    const char* path;
};

constexpr std::array<Program, 3> programs{{
    {"the window", ZORVAN_STARTUP_FORM1},
    {"text floor", ZORVAN_STARTUP_FLOOR},
    {"bare window", ZORVAN_STARTUP_BARE},
}};
enum { Window, Floor, Bare };

constexpr double timeLimit = 1.10;  // against the text floor
constexpr double memoryLimit = 3.0; // MiB over the text floor
constexpr int reportDescriptor = 3;
constexpr int timeoutMilliseconds = 30000;

struct Sample {
    double milliseconds;
    double peakMiB;
};

[[noreturn]] void fail(const char* program, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", program, what);
    std::exit(2);
}

// The environment of a timed run: the parent's, plus where to report the first frame.
std::vector<char*> reportingEnvironment;

// A run that reports gets the report pipe as descriptor 3 and is told so; any
// other run leaves descriptor 3 to the program (it is often the display's socket).
pid_t spawn(const char* const argv[], int reportTo)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Quiet: the exit status says whether a run went well.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (reportTo >= 0)
        posix_spawn_file_actions_adddup2(&actions, reportTo, reportDescriptor);
    pid_t pid = 0;
    char* const* environment = reportTo >= 0 ? reportingEnvironment.data() : environ;
    const int spawned =
        posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environment);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        fail(argv[0], "cannot start");
    return pid;
}

void waitClean(pid_t pid, const char* program)
{
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program, "did not exit cleanly");
}

// From the start of the process to its first frame; the teardown that follows
// is in neither figure.
Sample runOnce(const char* program)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        fail(program, "no pipe");
    const char* const argv[] = {program, nullptr};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawn(argv, report[1]);
    close(report[1]);

    pollfd ready{report[0], POLLIN, 0};
    if (poll(&ready, 1, timeoutMilliseconds) != 1) {
        kill(pid, SIGKILL);
        fail(program, "no first frame in time");
    }
    const auto end = std::chrono::steady_clock::now();
    char text[32] = {};
    const ssize_t length = read(report[0], text, sizeof text - 1);
    close(report[0]);
    waitClean(pid, program);
    if (length <= 0)
        fail(program, "ended before its first frame");
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            std::atof(text) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Spread {
    double median, low, high;
};

Spread spreadOf(const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {median(values), *low, *high};
}

bool onPath(const char* command)
{
    const std::string probe = std::string("command -v ") + command + " >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

// Instructions from the start to the first frame, counted by callgrind; 0 when
// they cannot be counted. The profile stays beside this program, for
// callgrind_annotate, as callgrind.out.<program>.
double instructionsOf(const Program& program)
{
    const std::string profile = std::string(ZORVAN_STARTUP_PROFILES) + "/callgrind.out." +
                                std::filesystem::path(program.path).filename().string();
    // %p: a process that forks (one looking for a desktop bus does) leaves one
    // profile per process; the one wanted is the started process's.
    const std::string outFile = "--callgrind-out-file=" + profile + ".%p";
    const char* const argv[] = {"/usr/bin/env",  "valgrind",   "--tool=callgrind",
                                outFile.c_str(), program.path, nullptr};
    const pid_t pid = spawn(argv, -1);
    int status = 0;
    waitpid(pid, &status, 0);
    const std::string own = profile + "." + std::to_string(pid);
    const std::filesystem::path folder = std::filesystem::path(profile).parent_path();
    const std::string prefix = std::filesystem::path(profile).filename().string() + ".";
    std::error_code ignored;
    std::filesystem::rename(own, profile, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(prefix))
            std::filesystem::remove(entry.path(), ignored);
    }

    std::FILE* file = std::fopen(profile.c_str(), "r");
    if (!file || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        if (file)
            std::fclose(file);
        return 0;
    }
    char line[256];
    double total = 0;
    while (std::fgets(line, sizeof line, file)) {
        if (std::sscanf(line, "summary: %lf", &total) == 1)
            break;
    }
    std::fclose(file);
    return total;
}

} // namespace

int main(int argc, char* argv[])
{
    const int batches = argc > 1 ? std::atoi(argv[1]) : 5;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 61;
    // Every program shows its window on the display there is; with none, on
    // Qt's headless platform, which skips the window system's share of the work.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string reportVariable = "ZORVAN_FIRST_FRAME_FD=" + std::to_string(reportDescriptor);
    for (char** variable = environ; *variable; ++variable)
        reportingEnvironment.push_back(*variable);
    reportingEnvironment.push_back(reportVariable.data());
    reportingEnvironment.push_back(nullptr);

    // One round of each first, to warm the disk and font caches; not counted.
    for (const Program& program : programs)
        runOnce(program.path);

    std::array<std::vector<double>, 3> timeRatio, memoryOver; // per batch, against Window
    std::array<std::vector<double>, 3> allTimes, allMemory;
    // Every sample, for a closer look: batch, round, program, milliseconds, MiB.
    const std::string samplesPath = std::string(ZORVAN_STARTUP_PROFILES) + "/startup-samples.csv";
    std::FILE* samples = std::fopen(samplesPath.c_str(), "w");
    for (int batch = 0; batch < batches; ++batch) {
        std::array<std::vector<double>, 3> times, memory;
        for (int round = 0; round < rounds; ++round) {
            // Turn the order round, so that none always follows the same one.
            for (int k = 0; k < 3; ++k) {
                const int which = (round + k) % 3;
                const Sample sample = runOnce(programs[which].path);
                times[which].push_back(sample.milliseconds);
                memory[which].push_back(sample.peakMiB);
                if (samples)
                    std::fprintf(samples, "%d,%d,%s,%.3f,%.3f\n", batch, round,
                                 programs[which].name, sample.milliseconds, sample.peakMiB);
            }
        }
        for (int which = 0; which < 3; ++which) {
            // Each round's own ratio: the three of a round ran within a fraction of
            // a second of each other, under much the same load from elsewhere.
            std::vector<double> ratios;
            for (int round = 0; round < rounds; ++round)
                ratios.push_back(times[Window][round] / times[which][round]);
            timeRatio[which].push_back(median(ratios));
            memoryOver[which].push_back(median(memory[Window]) - median(memory[which]));
            allTimes[which].insert(allTimes[which].end(), times[which].begin(), times[which].end());
            allMemory[which].insert(allMemory[which].end(), memory[which].begin(),
                                    memory[which].end());
        }
    }

    if (samples)
        std::fclose(samples);

    std::array<double, 3> instructions{};
    const bool counted = onPath("valgrind");
    if (counted) {
        for (int which = 0; which < 3; ++which)
            instructions[which] = instructionsOf(programs[which]);
    }

    std::printf("%-12s %9s %-22s %9s %-24s %13s\n", "start-up", "wall ms", "window/this (range)",
                "peak MiB", "window-this MiB (range)", "instructions");
    for (int which = 0; which < 3; ++which) {
        const Spread time = spreadOf(timeRatio[which]);
        const Spread memory = spreadOf(memoryOver[which]);
        char ratio[32] = "", over[32] = "", count[32] = "-";
        if (which != Window) {
            std::snprintf(ratio, sizeof ratio, "%.3f (%.3f-%.3f)", time.median, time.low,
                          time.high);
            std::snprintf(over, sizeof over, "%+.2f (%+.2f to %+.2f)", memory.median, memory.low,
                          memory.high);
        }
        if (instructions[which] > 0)
            std::snprintf(count, sizeof count, "%.1fM", instructions[which] / 1e6);
        std::printf("%-12s %9.1f %-22s %9.1f %-24s %13s\n", programs[which].name,
                    median(allTimes[which]), ratio, median(allMemory[which]), over, count);
    }

    const Spread time = spreadOf(timeRatio[Floor]);
    const Spread memory = spreadOf(memoryOver[Floor]);
    const bool timeWithin = time.median <= timeLimit;
    const bool memoryWithin = memory.median <= memoryLimit;
    std::printf("limits against the text floor: time %.3f of %.2f%s, memory %+.2f of %+.1f MiB%s; "
                "against the bare window: none\n",
                time.median, timeLimit, timeWithin ? "" : " OVER", memory.median, memoryLimit,
                memoryWithin ? "" : " OVER");
    std::printf("(%d batches of %d rounds, each starting the three in turn, on %s; wall time and "
                "peak memory up to the first frame on the display; %s)\n",
                batches, rounds, platform ? platform : "the X server at DISPLAY",
                counted ? "instructions counted by callgrind"
                        : "install valgrind to count instructions");
    return timeWithin && memoryWithin ? 0 : 1;
}
