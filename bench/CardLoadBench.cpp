// Loading the largest card the store holds from its tables on disk.
#include "LargestCard.h"
#include "card/CardLoad.h"

#include <benchmark/benchmark.h>

namespace {

void openAndLoadLargestCard(benchmark::State& state) {
    const std::filesystem::path root = makeLargestCardRoot();
    for (auto _ : state) {
        tallowmere::CardTables tables =
            tallowmere::openCardTables(tallowmere::DataRoot{root}.trackMasterFolder());
        benchmark::DoNotOptimize(tallowmere::loadCardStore(tables));
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(openAndLoadLargestCard)->Unit(benchmark::kMillisecond);

} // namespace
