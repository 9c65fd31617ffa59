// tallowmere-cli as a whole process, from fork to exit: `version`, and `start`
// on the sample card and on the largest card, each on a fresh copy of its data
// root. The time is the child's wall time; the counters give its CPU time and
// its peak resident memory. TALLOWMERE_CLI in the environment names another
// build of tallowmere-cli to measure, an older one for instance.
#include "LargestCard.h"
#include "SampleCard.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string cliProgram() {
    const char* chosen = std::getenv("TALLOWMERE_CLI");
    return chosen && *chosen ? chosen : TALLOWMERE_CLI;
}

struct ChildRun {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakBytes = 0;
    bool succeeded = false;
};

// Runs the batch front end with `arguments`, its output thrown away. It is
// spawned, not forked, so that copying this process is no part of its cost.
ChildRun runCli(std::vector<std::string> arguments) {
    const std::string program = cliProgram();
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    ::posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &quiet, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();

    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {std::chrono::duration<double>(end - begin).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss * 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void measure(benchmark::State& state, const std::function<ChildRun()>& run) {
    double cpuSeconds = 0;
    double peakBytes = 0;
    for (auto _ : state) {
        const ChildRun child = run();
        if (!child.succeeded) {
            state.SkipWithError("tallowmere-cli failed");
            break;
        }
        state.SetIterationTime(child.wallSeconds);
        cpuSeconds += child.cpuSeconds;
        peakBytes = std::max(peakBytes, child.peakBytes);
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["peak_MB"] = peakBytes / 1e6;
}

void cliVersion(benchmark::State& state) {
    measure(state, [] { return runCli({"version"}); });
}
BENCHMARK(cliVersion)->UseManualTime()->Unit(benchmark::kMillisecond);

// Start on a copy of `prototype`, made afresh before each run and not timed.
void cliStartOn(benchmark::State& state, const std::filesystem::path& prototype) {
    const std::filesystem::path root = prototype.string() + "-run";
    measure(state, [&] {
        std::filesystem::remove_all(root);
        std::filesystem::copy(prototype, root, std::filesystem::copy_options::recursive);
        return runCli({"--data-root", root.string(), "--work-dir", root.string(), "start"});
    });
    std::filesystem::remove_all(root);
    std::filesystem::remove_all(prototype);
}

void cliStartOnTheSampleCard(benchmark::State& state) {
    cliStartOn(state, makeSampleCardRoot());
}
BENCHMARK(cliStartOnTheSampleCard)->UseManualTime()->Unit(benchmark::kMillisecond);

void cliStartOnTheLargestCard(benchmark::State& state) {
    cliStartOn(state, makeLargestCardRoot());
}
BENCHMARK(cliStartOnTheLargestCard)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
