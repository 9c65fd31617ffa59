// Replay of a synthetic season of 100 cards: each card worked in its own
// scratch data root (Start, Auto Record, the summary, Record).
#include "Season.h"
#include "app/Replay.h"
#include "text/TempFolder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

class SeasonFolder {
  public:
    explicit SeasonFolder(int cards) {
        path_ = tallowmere::text::makeTempFolder("tallowmere-season").value();
        written_ = tallowmere::cardgen::writeSeason({}, cards, path_);
    }
    ~SeasonFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::filesystem::path& path() const { return path_; }
    bool written() const { return written_; }

  private:
    std::filesystem::path path_;
    bool written_ = false;
};

void BM_ReplaySeason(benchmark::State& state) {
    const SeasonFolder season(static_cast<int>(state.range(0)));
    if (!season.written()) {
        state.SkipWithError("the season could not be written");
        return;
    }
    std::size_t archived = 0;
    for (auto _ : state) {
        const auto outcomes =
            tallowmere::replaySeason(season.path(), season.path() / "TrackEditor.ini");
        archived = 0;
        for (const auto& outcome : outcomes)
            archived += outcome.archiveLine ? 1 : 0;
        benchmark::DoNotOptimize(archived);
    }
    state.counters["archived"] = static_cast<double>(archived);
    state.counters["cards/s"] =
        benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReplaySeason)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
