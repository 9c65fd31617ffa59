#include "ResultsChartWriter.h"

#include "SampleTracks.h"
#include "card/CardFileNames.h"
#include "results/ResultsChart.h"
#include "support/TempFolder.h"
#include "text/TextFiles.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using cardgen::CardRequest;
using cardgen::RaceResult;
using cardgen::ResultsChart;

namespace {

CardRequest request(std::uint32_t seed, cardgen::CardShape shape, std::string track = "") {
    return {.seed = seed, .shape = shape, .track = std::move(track)};
}

ResultsChart drawn(const CardRequest& request) {
    return cardgen::drawResultsChart(cardgen::makeCard(request), request).value();
}

// What the reader records of a race: picks 5 to 8, then payoffs 1 to 9.
std::string recordedRace(const RecordArrays& records, int race) {
    std::string recorded;
    for (int k = 5; k <= 8; ++k)
        recorded += records.CardPicks.valueAt(race, k) + "|";
    for (int column = 1; column <= 9; ++column)
        recorded += records.CardPayoffs.valueAt(race, column) + "|";
    return recorded;
}

} // namespace

TEST(ResultsChartWriter, DrawsAChartThatPassesTheReadersCheckOnlyForAListedTrack) {
    const ResultsChart chart = drawn(CardRequest{});
    EXPECT_EQ(cardgen::resultsChartFileName(chart), "   CT_20261205.pmr");
    const CardRequest unlisted = request(3, {2, 4, 0}, "XYZ");
    EXPECT_FALSE(cardgen::drawResultsChart(cardgen::makeCard(unlisted), unlisted))
        << "only a listed track has a chart";
    const TrackFile tracks(text::splitLines(cardgen::trackEditorIni(cardgen::sampleTracks())));
    for (const auto& track : cardgen::sampleTracks()) {
        const ResultsChart chart = drawn(request(8, {1, 4, 0}, track.code));
        const auto lines = text::splitLines(cardgen::resultsChartText(chart));
        const ChartCheck check =
            checkChart(lines, tracks, activeCardFileName(track.code, "20261205"));
        EXPECT_EQ(check.outcome, ChartCheck::Outcome::Passes) << track.code;
        EXPECT_EQ(check.chartIdentity, track.code + "_20261205") << track.code;
    }
}

// What the reader records of the charts make-card writes (the replays of a season
// rely on it; these are the values the writer wrote).
TEST(ResultsChartWriter, TheReaderRecordsTheWrittenFinishersAndPayoffs) {
    const CardRequest requests[] = {request(1, {9, 8, 2}), request(5, {12, 8, 1}, "CD"),
                                    request(21, {6, 11, 1}, "WO"), request(2, {20, 8, 0})};
    std::string recorded;
    for (const CardRequest& r : requests) {
        const ResultsChart chart = drawn(r);
        const auto lines = text::splitLines(cardgen::resultsChartText(chart));
        const ChartReading reading = readChart(lines, 1);
        EXPECT_EQ(reading.lastRace, r.shape.races) << r.seed;
        RecordArrays records;
        recordChartValues(records, reading.values);
        for (const RaceResult& race : chart.races)
            recorded += std::to_string(race.race) + "|" + recordedRace(records, race.race) + "\n";
    }
    const auto expected =
        std::filesystem::path(TALLOWMERE_FIXTURES) / "make-card" / "recorded-charts.txt";
    EXPECT_EQ(recorded, tallowmere::testing::readFile(expected));
}
