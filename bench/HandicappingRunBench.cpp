// Start on the largest card the store holds (20 races of 20 entries with 20
// past races each) and on the sample card, from the tables on disk to the
// key-selections file.
#include "LargestCard.h"
#include "SampleCard.h"
#include "app/AppCommands.h"
#include "model/SilentPlatform.h"
#include "rating/HandicappingRun.h"

#include <benchmark/benchmark.h>

namespace {

void startOn(benchmark::State& state, const std::filesystem::path& root) {
    tallowmere::SilentPlatform platform;
    for (auto _ : state) {
        tallowmere::Form1 form(platform);
        form.DataRoot = root;
        form.WorkFolder = root;
        tallowmere::Form_Load(form);
        tallowmere::Command1_Click(form);
        benchmark::DoNotOptimize(form.Records);
    }
    std::filesystem::remove_all(root);
}

void startOnTheLargestCard(benchmark::State& state) {
    startOn(state, makeLargestCardRoot());
}
BENCHMARK(startOnTheLargestCard)->Unit(benchmark::kMillisecond);

// The bundled sample card: 9 races of 8 entries.
void startOnTheSampleCard(benchmark::State& state) {
    startOn(state, makeSampleCardRoot());
}
BENCHMARK(startOnTheSampleCard)->Unit(benchmark::kMillisecond);

// The sample-sized card (9 races of 8 entries) with a track file of 100,000
// extra lines (argument 0) or with one extra line of 10 MB (argument 1).
void startWithAHugeTrackFile(benchmark::State& state) {
    std::string linesBefore;
    if (state.range(0) == 0)
        for (int i = 0; i < 100'000; ++i)
            linesBefore += "#" + std::to_string(i) + "  Unlisted track      90     90  1.M\r\n";
    else
        linesBefore = std::string(10'000'000, 'x') + "\r\n";
    startOn(state, makeCardRoot(tallowmere::cardgen::CardRequest{}, linesBefore));
}
BENCHMARK(startWithAHugeTrackFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
