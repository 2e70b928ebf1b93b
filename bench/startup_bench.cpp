// Start-up: the time from starting a process until its first window has been painted, its
// processor time and its resident memory then, for Chalkface and for the baseline (an empty Qt
// Widgets window of the title screen's size). Both leave as soon as they have painted, so what
// the system reports of them when they end is what they used up to their first paint. Both run on
// the offscreen platform, alternately in each round and in turns (baseline first in even rounds,
// Chalkface first in odd ones), so that a machine busy with other work slows both alike; the ratio
// of each round's pair is what the targets judge. Processor time leaves out the time other
// programs had the processor, and so varies less on a shared machine.
//
// Usage: startup_bench [--rounds N] [--program PATH]  (PATH: another build of chalkface to time)
#include "summary.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kPatienceMs = 10000; // for a program that never paints

constexpr double kTimeTarget = 1.5;  // times the baseline's
constexpr double kMemoryTarget = 10; // MB over the baseline's

struct Run {
    double milliseconds = 0;
    double processorMilliseconds = 0;
    double residentMegabytes = 0; // the peak, which for a program that leaves at its first paint
                                  // is what it holds then
};

double milliseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Starts the program, waits for its "painted" line and for it to end.
Run runOnce(const std::string& program)
{
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("cannot make a pipe");

    std::vector<std::string> settings{"QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e) {
        const std::string_view setting = *e;
        if (!setting.starts_with("QT_QPA_PLATFORM=") && !setting.starts_with("CHALKFACE_"))
            settings.emplace_back(setting);
    }
    std::vector<char*> envp;
    for (std::string& s : settings)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string programCopy = program;
    char* argv[] = {programCopy.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    // The offscreen platform's warnings (it cannot raise windows) are no part of the measure.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawned));
    }

    std::string said;
    char buffer[256];
    auto painted = start;
    bool sawPainted = false;
    for (;;) {
        pollfd ready{out[0], POLLIN, 0};
        if (poll(&ready, 1, kPatienceMs) <= 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            close(out[0]);
            throw std::runtime_error(program + " did not paint within " + std::to_string(kPatienceMs) +
                                     " ms");
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        said.append(buffer, static_cast<std::size_t>(n));
        if (!sawPainted && said.find("painted\n") != std::string::npos) {
            painted = std::chrono::steady_clock::now();
            sawPainted = true;
        }
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!sawPainted || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + (sawPainted ? " failed" : " ended without painting") +
                                 " (status " + std::to_string(status) + ")");
    return {std::chrono::duration<double, std::milli>(painted - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

void printRow(const char* name, const bench::Summary& s, const char* unit, const char* pattern)
{
    std::printf("  %-10s median %s %s   quartiles %s to %s   least %s   worst %s\n", name,
                bench::format(pattern, s.median).c_str(), unit,
                bench::format(pattern, s.lowerQuartile).c_str(),
                bench::format(pattern, s.upperQuartile).c_str(), bench::format(pattern, s.least).c_str(),
                bench::format(pattern, s.worst).c_str());
}

} // namespace

int main(int argc, char* argv[])
{
    int rounds = 15;
    std::string chalkface = CHALKFACE_PROGRAM;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--rounds" && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
        } else if (std::string_view(argv[i]) == "--program" && i + 1 < argc) {
            chalkface = std::filesystem::absolute(argv[++i]).string();
        } else {
            std::fprintf(stderr, "Usage: startup_bench [--rounds N] [--program PATH]\n");
            return 2;
        }
    }
    if (rounds < 1) {
        std::fprintf(stderr, "startup_bench: --rounds needs a whole number of at least 1\n");
        return 2;
    }

    const std::string baseline = BASELINE_PROGRAM;
    try {
        // One unmeasured round brings both programs and their libraries into the page cache.
        runOnce(baseline);
        runOnce(chalkface);

        std::vector<double> baseTimes, programTimes, timeRatios;
        std::vector<double> baseProcessor, programProcessor, processorRatios;
        std::vector<double> baseMemory, programMemory, memoryExtra;
        for (int round = 0; round < rounds; ++round) {
            Run base, program;
            if (round % 2 == 0) {
                base = runOnce(baseline);
                program = runOnce(chalkface);
            } else {
                program = runOnce(chalkface);
                base = runOnce(baseline);
            }
            baseTimes.push_back(base.milliseconds);
            programTimes.push_back(program.milliseconds);
            timeRatios.push_back(program.milliseconds / base.milliseconds);
            baseProcessor.push_back(base.processorMilliseconds);
            programProcessor.push_back(program.processorMilliseconds);
            processorRatios.push_back(program.processorMilliseconds / base.processorMilliseconds);
            baseMemory.push_back(base.residentMegabytes);
            programMemory.push_back(program.residentMegabytes);
            memoryExtra.push_back(program.residentMegabytes - base.residentMegabytes);
        }

        const bench::Summary ratio = bench::summarize(timeRatios);
        const bench::Summary extra = bench::summarize(memoryExtra);
        std::printf("Start-up to first paint, offscreen, %d rounds, alternating:\n", rounds);
        std::printf(" time (ms)\n");
        printRow("baseline", bench::summarize(baseTimes), "ms", "%.1f");
        printRow("chalkface", bench::summarize(programTimes), "ms", "%.1f");
        printRow("ratio", ratio, "x ", "%.2f");
        std::printf(" processor time (ms)\n");
        printRow("baseline", bench::summarize(baseProcessor), "ms", "%.1f");
        printRow("chalkface", bench::summarize(programProcessor), "ms", "%.1f");
        printRow("ratio", bench::summarize(processorRatios), "x ", "%.2f");
        std::printf(" resident memory at first paint (MB)\n");
        printRow("baseline", bench::summarize(baseMemory), "MB", "%.1f");
        printRow("chalkface", bench::summarize(programMemory), "MB", "%.1f");
        printRow("extra", extra, "MB", "%.1f");
        std::printf("Targets: time ratio at most %.1f (median %.2f: %s), extra memory at most %.0f MB "
                    "(median %.1f MB: %s)\n",
                    kTimeTarget, ratio.median, ratio.median <= kTimeTarget ? "met" : "MISSED", kMemoryTarget,
                    extra.median, extra.median <= kMemoryTarget ? "met" : "MISSED");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
