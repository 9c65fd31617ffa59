// Loading the largest card the store holds from its tables on disk; and the
// floor under it: the five tables read by the same reader and nothing else,
// and the five files read raw.
#include "LargestCard.h"
#include "card/CardLoad.h"
#include "text/TextFiles.h"

#include <benchmark/benchmark.h>

namespace {

void floorReadTheFiveTablesOfTheLargestCard(benchmark::State& state) {
    const std::filesystem::path root = makeLargestCardRoot();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tallowmere::openCardTables(tallowmere::DataRoot{root}.trackMasterFolder()));
    std::filesystem::remove_all(root);
}
BENCHMARK(floorReadTheFiveTablesOfTheLargestCard)->Unit(benchmark::kMillisecond);

void readTheFiveFilesOfTheLargestCardRaw(benchmark::State& state) {
    const std::filesystem::path root = makeLargestCardRoot();
    const auto folder = tallowmere::DataRoot{root}.trackMasterFolder();
    for (auto _ : state)
        for (const char* table : {"THRRDR", "RACEDR", "THRJDR", "THR2DR", "THRTDR"})
            benchmark::DoNotOptimize(
                tallowmere::text::readWholeFile(folder / (std::string(table) + ".DBF")));
    std::filesystem::remove_all(root);
}
BENCHMARK(readTheFiveFilesOfTheLargestCardRaw)->Unit(benchmark::kMillisecond);

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
