// Wall and processor time of a whole `zavdiag diagnose --simulate TM6`,
// beside its floor: the waits the run must make. The floor counts the fixed
// pauses of the entry and start-of-tests steps (30 ticks of 100 ms) and the
// simulated engineer's green-paper delay; the full floor adds the other
// fixed waits a unit without a running RAM utility costs: the 5-tick probe
// for it and the link library's 100 ms settling pause after each of the
// three port openings of the identification. Targets: wall time at most
// 1.1 times the floor, processor time at most 5 % of wall time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "zav/sim/simulator.h"

extern char** environ;

namespace {

constexpr double kTickSeconds = 0.1;
constexpr double kFixedPauseTicks = 10 + 10 + 10;  // entry: 2 pauses; start of tests: 1
constexpr double kProbeTicks = 5;
constexpr double kPortOpeningsSeconds = 3 * 0.1;

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

struct Outcome {
    int status = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// Runs zavdiag with its output thrown away; its processor time is that of
// the program and its in-process simulator together.
Outcome RunZavdiag(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = ZAVDIAG_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Outcome outcome;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
            outcome.status = WEXITSTATUS(status);
        }
        outcome.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    }
    outcome.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return outcome;
}

void DiagnoseSimulatedTm6(benchmark::State& state) {
    // The user's settings and service history stay out of it.
    char configHome[] = "/tmp/zav_bench_XXXXXX";
    if (!mkdtemp(configHome)) return state.SkipWithError("no temporary directory");
    setenv("XDG_CONFIG_HOME", configHome, 1);
    setenv("ZAV_HISTORY", (std::string(configHome) + "/history.sqlite").c_str(), 1);

    const double paperDelay = zav::sim::Options{}.paper_delay_ms / 1000.0;
    const double floor = kFixedPauseTicks * kTickSeconds + paperDelay;
    const double fullFloor = floor + kProbeTicks * kTickSeconds + kPortOpeningsSeconds;
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        const Outcome outcome = RunZavdiag({"diagnose", "--simulate", "TM6"});
        if (outcome.status != 0) return state.SkipWithError("the diagnostic did not pass");
        state.SetIterationTime(outcome.wallSeconds);
        wall += outcome.wallSeconds;
        cpu += outcome.cpuSeconds;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["wall_s"] = wall / runs;
    state.counters["floor_s"] = floor;
    state.counters["wall_per_floor"] = wall / runs / floor;
    state.counters["full_floor_s"] = fullFloor;
    state.counters["wall_per_full_floor"] = wall / runs / fullFloor;
    state.counters["cpu_percent_of_wall"] = 100 * cpu / wall;
    rmdir(configHome);
}
BENCHMARK(DiagnoseSimulatedTm6)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
