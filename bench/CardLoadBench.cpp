// Loading the largest card the store holds: 20 races of 20 entries with 20 past
// races each, read from its tables on disk.
#include "SyntheticCard.h"
#include "card/CardLoad.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path writeLargestCard() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    tallowmere::cardgen::CardRequest request;
    request.shape = {20, 20, 20};
    tallowmere::cardgen::writeCardTables(tallowmere::cardgen::makeCard(request), folder);
    return folder;
}

void openAndLoadLargestCard(benchmark::State& state) {
    const std::filesystem::path folder = writeLargestCard();
    for (auto _ : state) {
        tallowmere::CardTables tables = tallowmere::openCardTables(folder);
        benchmark::DoNotOptimize(tallowmere::loadCardStore(tables));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(openAndLoadLargestCard)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
