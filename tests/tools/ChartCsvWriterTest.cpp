#include "ChartCsvWriter.h"

#include "results/ChartCsv.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using cardgen::CardRequest;

namespace {

// Each race's finishers and payoffs as recorded, the exotics as numbers (the
// text chart writes thousands separators, the comma-delimited one none).
std::string recorded(const RecordArrays& records, int races) {
    std::string text;
    for (int race = 1; race <= races; ++race) {
        for (int k = 5; k <= 8; ++k)
            text += records.CardPicks.valueAt(race, k) + "|";
        for (int column = 1; column <= 9; ++column) {
            const std::string payoff = records.CardPayoffs.valueAt(race, column);
            const auto amount = text::recordablePayoff(payoff);
            text += (column < 7 || !amount ? payoff : text::textOf(*amount)) + "|";
        }
        text += "\n";
    }
    return text;
}

CardRequest cardRequest(std::uint32_t seed, cardgen::CardShape shape, std::string track = "") {
    return {.seed = seed, .shape = shape, .raceDate = "20261205", .track = std::move(track)};
}

} // namespace

// Seeded cards: the same results read from either chart.
TEST(ChartCsvWriter, RecordsWhatTheTextChartOfTheSameResultsRecords) {
    const CardRequest requests[] = {cardRequest(1, {9, 8, 2}), cardRequest(5, {12, 8, 1}, "CD"),
                                    cardRequest(21, {6, 11, 1}, "WO"), cardRequest(2, {20, 8, 0})};
    for (const CardRequest& request : requests) {
        const auto chart = cardgen::drawResultsChart(cardgen::makeCard(request), request).value();
        const int races = request.shape.races;
        RecordArrays fromText, fromCsv;
        const ChartReading text = readChart(text::splitLines(cardgen::resultsChartText(chart)), 1);
        recordChartValues(fromText, text.values);
        const CsvChartReading csv = readCsvChart(cardgen::resultsChartCsv(chart), races, 1);
        recordChartValues(fromCsv, csv.reading.values);
        EXPECT_EQ(csv.identity, chart.track + "_" + chart.raceDate);
        EXPECT_EQ(csv.reading.lastRace, text.lastRace) << request.seed;
        EXPECT_EQ(recorded(fromCsv, races), recorded(fromText, races)) << request.seed;
    }
    EXPECT_EQ(
        cardgen::resultsChartCsvName(
            cardgen::drawResultsChart(cardgen::makeCard(CardRequest{}), CardRequest{}).value()),
        "CT20261205tch.csv");
}
