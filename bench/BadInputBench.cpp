// The time and the peak memory of tallowmere-cli on each bad input of the
// guard tests' table, beside the plain card's. Making the input is not timed.
#include "guards/BadInputs.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallowmere::testing;

namespace {

double residentMegabytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// What the commands add to the resident memory, in MB, at their peak: a child
// process runs them; what it inherited resident is not theirs.
double peakMegabytes(const Root& root, const Commands& commands) {
    ::malloc_trim(0);
    const double inherited = residentMegabytes();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(runOn(root, commands).status);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return double(usage.ru_maxrss) / 1024.0 - inherited;
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
    state.counters["added_peak_MB"] = peak;
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
