#include "ResultsChartWriter.h"

#include "SampleTracks.h"
#include "card/CardFileNames.h"
#include "reports/SummaryHits.h"
#include "results/ResultsChart.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <gtest/gtest.h>
#include <set>

using namespace tallowmere;
using cardgen::CardRequest;
using cardgen::RaceResult;
using cardgen::ResultsChart;

namespace {

struct Drawn {
    cardgen::CardRecords card;
    ResultsChart chart;
};

Drawn drawn(const CardRequest& request) {
    Drawn d{cardgen::makeCard(request), {}};
    d.chart = cardgen::drawResultsChart(d.card, request).value();
    return d;
}

CardRequest request(std::uint32_t seed, cardgen::CardShape shape, std::string track = "") {
    CardRequest r;
    r.seed = seed;
    r.shape = shape;
    r.track = std::move(track);
    return r;
}

TrackFile sampleTrackFile() {
    return TrackFile(text::splitLines(cardgen::trackEditorIni(cardgen::sampleTracks())));
}

std::string cardFileOf(const ResultsChart& chart) {
    return activeCardFileName(chart.track, chart.raceDate);
}

// The program numbers of a race's entries, as THR2DR (RACE, then PROGRAM) has them.
std::set<std::string> entriesOf(const cardgen::CardRecords& card, int race) {
    std::set<std::string> programs;
    for (const auto& entry : card.entries)
        if (entry.values[1] == std::to_string(race))
            programs.insert(entry.values[2]);
    return programs;
}

// Win, place and show as the reader records them.
std::string recorded(const std::string& payoff) {
    return text::rightAligned(text::formatNumber(text::numberOf(payoff), "###.#0"), 6);
}

// The fourth finisher as the superfecta line gives it: its number, one blank before.
std::string recordedFourth(const RaceResult& race) {
    if (race.superfecta.empty())
        return "";
    return " " + text::textOf(text::numberOf(race.finishers[3].program));
}

void expectRecordedAsWritten(const Drawn& d, const RecordArrays& records, const RaceResult& race) {
    const int r = race.race;
    const std::set<std::string> entries = entriesOf(d.card, r);
    for (int k = 0; k < 3; ++k) {
        const std::string& program = race.finishers[k].program;
        EXPECT_TRUE(entries.count(program)) << "race " << r << " finisher " << k + 1;
        EXPECT_EQ(records.CardPicks.valueAt(r, 5 + k), text::rightAligned(program, 2));
    }
    EXPECT_EQ(std::set<std::string>({race.finishers[0].program, race.finishers[1].program,
                                     race.finishers[2].program, race.finishers[3].program})
                  .size(),
              4u)
        << "race " << r << ": four different horses";
    EXPECT_EQ(records.CardPicks.valueAt(r, 8), recordedFourth(race)) << "race " << r;
    const std::string straight[] = {race.win,         race.place,      race.show,
                                    race.secondPlace, race.secondShow, race.thirdShow};
    for (int column = 1; column <= 6; ++column)
        EXPECT_EQ(records.CardPayoffs.valueAt(r, column), recorded(straight[column - 1]))
            << "race " << r << " payoff " << column;
    EXPECT_EQ(records.CardPayoffs.valueAt(r, 7), race.exacta) << "race " << r;
    EXPECT_EQ(records.CardPayoffs.valueAt(r, 8), race.trifecta) << "race " << r;
    EXPECT_EQ(records.CardPayoffs.valueAt(r, 9), race.superfecta) << "race " << r;
}

} // namespace

TEST(ResultsChartWriter, TheSameRequestGivesTheSameChart) {
    const CardRequest first = request(42, {9, 8, 2});
    const std::string chart = cardgen::resultsChartText(drawn(first).chart);
    EXPECT_EQ(cardgen::resultsChartText(drawn(first).chart), chart);
    EXPECT_NE(cardgen::resultsChartText(drawn(request(43, {9, 8, 2}, "CT")).chart),
              cardgen::resultsChartText(drawn(request(44, {9, 8, 2}, "CT")).chart));
    ASSERT_TRUE(chart.ends_with("\r\n"));
    for (std::size_t at = chart.find('\n'); at != std::string::npos; at = chart.find('\n', at + 1))
        ASSERT_EQ(chart[at - 1], '\r') << "every line ends in CR LF";
}

TEST(ResultsChartWriter, IsNamedAfterTheCardAndOnlyForAListedTrack) {
    EXPECT_EQ(cardgen::resultsChartFileName(drawn(CardRequest{}).chart), "   CT_20261205.pmr")
        << "the sample card's chart";
    CardRequest saratoga = request(3, {2, 4, 0}, "SAR");
    saratoga.raceDate = "20270314";
    EXPECT_EQ(cardgen::resultsChartFileName(drawn(saratoga).chart), "  SAR_20270314.pmr");
    const CardRequest unlisted = request(3, {2, 4, 0}, "XYZ");
    EXPECT_FALSE(cardgen::drawResultsChart(cardgen::makeCard(unlisted), unlisted));
}

TEST(ResultsChartWriter, AChartOfEveryListedTrackPassesTheCheck) {
    for (const auto& track : cardgen::sampleTracks()) {
        const ResultsChart chart = drawn(request(8, {1, 4, 0}, track.code)).chart;
        const auto lines = text::splitLines(cardgen::resultsChartText(chart));
        const ChartCheck check = checkChart(lines, sampleTrackFile(), cardFileOf(chart));
        EXPECT_EQ(check.outcome, ChartCheck::Outcome::Passes) << track.code;
        EXPECT_EQ(check.chartIdentity, track.code + "_20261205") << track.code;
    }
}

// The charts hold every form the reader knows, their payoffs ranked as on a
// results page.
TEST(ResultsChartWriter, TheReaderRecordsTheWrittenFinishersAndPayoffs) {
    const CardRequest requests[] = {
        request(1, {9, 8, 2}),         request(5, {12, 8, 1}, "CD"), request(9, {20, 6, 1}),
        request(21, {6, 11, 1}, "WO"), request(14, {4, 4, 0}),       request(2, {20, 8, 0}),
    };
    int thousands = 0, showsOfAHundred = 0, withoutSuperfecta = 0, spelledOut = 0, races = 0;
    bool coupledFinisher = false;
    for (const CardRequest& r : requests) {
        SCOPED_TRACE("seed " + std::to_string(r.seed));
        const Drawn d = drawn(r);
        const auto lines = text::splitLines(cardgen::resultsChartText(d.chart));
        ASSERT_EQ(checkChart(lines, sampleTrackFile(), cardFileOf(d.chart)).outcome,
                  ChartCheck::Outcome::Passes);
        const ChartReading reading = readChart(lines, 1);
        EXPECT_FALSE(reading.ended);
        EXPECT_EQ(reading.lastRace, r.shape.races);
        RecordArrays records;
        recordChartValues(records, reading.values);
        ASSERT_EQ(d.chart.races.size(), std::size_t(r.shape.races));
        for (const RaceResult& race : d.chart.races) {
            expectRecordedAsWritten(d, records, race);
            for (const auto& finisher : race.finishers)
                coupledFinisher = coupledFinisher || finisher.program == "1A";
            ++races;
            EXPECT_GE(payoffAmount(race.win), 2.10);
            EXPECT_LE(payoffAmount(race.win), 60.0);
            EXPECT_LT(payoffAmount(race.place), payoffAmount(race.win));
            EXPECT_LT(payoffAmount(race.show), payoffAmount(race.place));
            EXPECT_LT(payoffAmount(race.secondShow), payoffAmount(race.secondPlace));
            EXPECT_GE(payoffAmount(race.thirdShow), 2.10);
            EXPECT_LT(payoffAmount(race.exacta), payoffAmount(race.trifecta));
            if (race.superfecta.empty())
                ++withoutSuperfecta;
            else
                EXPECT_LT(payoffAmount(race.trifecta), payoffAmount(race.superfecta));
            spelledOut += race.superfectaSpelledOut;
            for (const std::string* exotic : {&race.exacta, &race.trifecta, &race.superfecta})
                thousands += exotic->find(',') != std::string::npos;
            showsOfAHundred += payoffAmount(race.secondShow) >= 100;
            showsOfAHundred += payoffAmount(race.thirdShow) >= 100;
        }
    }
    EXPECT_TRUE(coupledFinisher) << "a coupled entry finishes in one of the charts";
    EXPECT_GT(thousands, 0);
    EXPECT_GT(showsOfAHundred, 0);
    EXPECT_GT(withoutSuperfecta, 0);
    EXPECT_LT(withoutSuperfecta, races / 4);
    EXPECT_GT(spelledOut, 0) << "both forms of the superfecta line";
    EXPECT_LT(spelledOut, races - withoutSuperfecta);
}
