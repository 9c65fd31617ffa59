// The time and the peak memory of tallowmere-cli on each bad input of the
// guard tests' table, beside the plain card's. Making the input is not timed.
#include "guards/BadInputs.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallowmere::testing;

namespace {

// Peak resident memory, in MB, of a child process that runs the commands.
double peakMegabytes(const Root& root, const Commands& commands) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(runOn(root, commands).status);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void runBadInput(benchmark::State& state, const BadInput& input) {
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder root;
        makePlainRoot(root.path());
        if (input.spoil)
            input.spoil(root.path());
        state.ResumeTiming();
        benchmark::DoNotOptimize(runOn(root.path(), input.commands));
        state.PauseTiming();
        peak = std::max(peak, peakMegabytes(root.path(), input.commands));
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
}

const int registered = [] {
    std::vector<BadInput> inputs = badInputs();
    inputs.insert(inputs.begin(), {"PlainCardStarted", {}, {"start", "close"}, 0, ""});
    for (const BadInput& input : inputs)
        benchmark::RegisterBenchmark(input.name.c_str(), runBadInput, input)
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    return 0;
}();

} // namespace
