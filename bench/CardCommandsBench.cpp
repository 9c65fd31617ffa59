// The commands a handicapper runs on a card after Start, on the largest card
// the store holds: showing a race, a scratch, Auto Record from its results
// chart of 20 races, the summary and the program view.
#include "LargestCard.h"
#include "app/AppCommands.h"
#include "display/RaceDisplay.h"
#include "model/SilentPlatform.h"
#include "rating/HandicappingRun.h"
#include "reports/ProgramView.h"
#include "reports/SelectionAndResults.h"
#include "results/AutoRecord.h"
#include "results/ResultsCommands.h"
#include "selection/Scratches.h"

#include <benchmark/benchmark.h>
#include <fstream>

namespace {

// Answers Yes, so that a scratch is carried out.
class AgreeingPlatform : public tallowmere::SilentPlatform {
  public:
    tallowmere::MessageAnswer showMessage(const tallowmere::Message&) override {
        return tallowmere::MessageAnswer::Yes;
    }
};

// The largest card, started, with its results chart where Auto Record looks.
struct StartedLargestCard {
    StartedLargestCard() : root(makeLargestCardRoot()), form(platform) {
        form.DataRoot = root;
        form.WorkFolder = root;
        tallowmere::Form_Load(form);
        tallowmere::Command1_Click(form);
        std::ofstream(tallowmere::resultsChartPath(form), std::ios::binary) << largestCardChart();
    }
    ~StartedLargestCard() { std::filesystem::remove_all(root); }

    AgreeingPlatform platform;
    std::filesystem::path root;
    tallowmere::Form1 form;
};

// Races 1 and 2 in turn.
void showARaceOfTheLargestCard(benchmark::State& state) {
    StartedLargestCard card;
    int race = 1;
    for (auto _ : state) {
        race = 3 - race;
        tallowmere::Command2_Click(card.form, race);
        benchmark::DoNotOptimize(card.form.MSFlexGrid1);
    }
}
BENCHMARK(showARaceOfTheLargestCard)->Unit(benchmark::kMillisecond);

// The first entry of race 20, scratched again and again: each time its race is
// picked anew.
void scratchOnTheLargestCard(benchmark::State& state) {
    StartedLargestCard card;
    tallowmere::Command2_Click(card.form, 20);
    for (auto _ : state) {
        tallowmere::Command3_Click(card.form, 1);
        benchmark::DoNotOptimize(card.form.Records);
    }
}
BENCHMARK(scratchOnTheLargestCard)->Unit(benchmark::kMillisecond);

void autoRecordOfTheLargestCard(benchmark::State& state) {
    StartedLargestCard card;
    for (auto _ : state) {
        tallowmere::EBET_Click(card.form);
        benchmark::DoNotOptimize(card.form.Records);
    }
    if (card.form.Records.CardPayoffs.valueAt(1, 1).empty())
        state.SkipWithError("nothing was recorded from the chart");
}
BENCHMARK(autoRecordOfTheLargestCard)->Unit(benchmark::kMillisecond);

void summaryOfTheLargestCard(benchmark::State& state) {
    StartedLargestCard card;
    tallowmere::EBET_Click(card.form);
    for (auto _ : state) {
        tallowmere::SelectionAndResults_Click(card.form);
        benchmark::DoNotOptimize(card.form.MSFlexGrid2);
    }
}
BENCHMARK(summaryOfTheLargestCard)->Unit(benchmark::kMillisecond);

void programViewOfTheLargestCard(benchmark::State& state) {
    StartedLargestCard card;
    for (auto _ : state) {
        tallowmere::Program_Click(card.form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(programViewOfTheLargestCard)->Unit(benchmark::kMillisecond);

} // namespace
