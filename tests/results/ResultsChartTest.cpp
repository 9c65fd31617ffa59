#include "results/ResultsChart.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

using Lines = std::vector<std::string>;
using Outcome = ChartCheck::Outcome;

const std::string xyzCard = "  XYZ_20150612.pmd";
const Lines xyzTracks = {"AQU  Aqueduct            91     88  1.Q",
                         "XYZ  Xanadu Downs        85     84  7/84"};

ChartValue pick(int race, int column, std::string text) {
    return {race, RecordArray::CardPicks, column, std::move(text)};
}
ChartValue pay(int race, int column, std::string text) {
    return {race, RecordArray::CardPayoffs, column, std::move(text)};
}

// One race of a chart in the usual layout: finish heading, three finisher
// lines with their payoffs, exacta, trifecta and superfecta.
const Lines raceSeven = {
    "Post Time: 4:30 PM",
    "Race:  7   6 Furlongs (Dirt)   Claiming   Purse $29,000",
    "",
    "PRG Horse                           Win   Place    Show",
    " 1  Gilded Voyage              102.40   38.60   16.20",
    " 2  Crimson Verdict                     4.80    3.40",
    " 8  Restless Falcon                             3.20",
    "",
    "$2.00 EXACTA 1-2 paid $512.80",
    "$1.00 TRIFECTA 1-2-8 paid $2,214.60",
    "$1.00 SUPERFECTA 1-2-8-4 paid $12,345.60",
    "Fourth - Midnight Harbor",
};

// The values a chart gives one race, stored in the row of race 3 unless a
// heading says otherwise.
std::vector<ChartValue> valuesOf(const Lines& lines) {
    return readChart(lines, 3).values;
}

} // namespace

TEST(ResultsChartCheck, ComparesTheCardsStemWithTheChartsTrackAndDate) {
    struct Case {
        const char* what;
        Lines chart;
        Lines tracks;
        Outcome outcome;
        std::string identity;
    };
    const std::vector<Case> cases = {
        {"another date", {"Results", "2015-06-13"}, xyzTracks, Outcome::Refused, "XYZ_20150613"},
        {"the card's date: its stem's leading blanks do not count",
         {"Results", "2015-06-12"},
         xyzTracks,
         Outcome::Passes,
         "XYZ_20150612"},
        {"any separators, text before the first 2",
         {"Results for the day", "Date 2015/06/12 (Friday)"},
         xyzTracks,
         Outcome::Passes,
         "XYZ_20150612"},
        {"a track missing from TrackEditor.ini",
         {"Results", "2015-06-12"},
         {xyzTracks[0]},
         Outcome::Refused,
         "_20150612"},
        {"no TrackEditor.ini at all", {"Results", "2015-06-12"}, {}, Outcome::Refused, "_20150612"},
        {"no Results heading: passes unread",
         {"Race: 1", "2015-06-13"},
         xyzTracks,
         Outcome::Passes,
         ""},
        {"a Results heading further down",
         {"XYZ RACES", "", "Results", "2015-06-12", "Race: 1"},
         xyzTracks,
         Outcome::Passes,
         "XYZ_20150612"},
        {"a second heading after the matching one is not read",
         {"Results", "2015-06-12", "Results", "2015-06-13"},
         xyzTracks,
         Outcome::Passes,
         "XYZ_20150612"},
        {"the first track line whose first 3 characters are the code decides",
         {"Results", "2015-06-12"},
         {"XYZA Xanadu Annex", xyzTracks[1]},
         Outcome::Refused,
         "XYZA_20150612"},
        {"a date line without a 2",
         {"Results", "Friday, June 1st"},
         xyzTracks,
         Outcome::Failed,
         ""},
        {"a chart ending with its heading", {"Race: 1", "Results"}, xyzTracks, Outcome::Failed, ""},
    };
    for (const auto& c : cases) {
        const ChartCheck check = checkChart(c.chart, TrackFile(c.tracks), xyzCard);
        EXPECT_EQ(check.outcome, c.outcome) << c.what;
        EXPECT_EQ(check.chartIdentity, c.identity) << c.what;
        EXPECT_EQ(check.cardStem, "  XYZ_20150612") << c.what;
    }
}

TEST(ResultsChartReading, RecordsTheFinishersAndTheNinePayoffsOfARace) {
    const ChartReading reading = readChart(raceSeven, 3);
    EXPECT_FALSE(reading.ended);
    EXPECT_EQ(reading.lastRace, 7);
    const std::vector<ChartValue> expected = {
        pick(7, 5, " 1"),    pay(7, 1, "102.40"), pay(7, 2, " 38.60"),   pay(7, 3, " 16.20"),
        pick(7, 6, " 2"),    pay(7, 4, "  4.80"), pay(7, 5, "  3.40"),   pick(7, 7, " 8"),
        pay(7, 6, "  3.20"), pay(7, 7, "512.80"), pay(7, 8, "2,214.60"), pay(7, 9, "12,345.60"),
        pick(7, 8, " 4"),
    };
    EXPECT_EQ(reading.values, expected);
}

TEST(ResultsChartReading, FinisherLines) {
    struct Case {
        const char* what;
        Lines finishers;
        std::vector<ChartValue> values;
    };
    const std::vector<Case> cases = {
        {"a winner with win and place only: the show payoff is missing (.00)",
         {" 5  Distant Sonnet   5.40   3.20", " 2  Brass Lantern   6.80   4.20",
          " 7  Verdict   8.40"},
         {pick(3, 5, " 5"), pay(3, 1, "  5.40"), pay(3, 2, "  3.20"), pay(3, 3, "   .00"),
          pick(3, 6, " 2"), pay(3, 4, "  6.80"), pay(3, 5, "  4.20"), pick(3, 7, " 7"),
          pay(3, 6, "  8.40")}},
        {"a winner with a win payoff only",
         {" 5  Distant Sonnet   5.40", "12  Brass Lantern", " 7  Verdict"},
         {pick(3, 5, " 5"), pay(3, 1, "  5.40"), pay(3, 2, "   .00"), pay(3, 3, "   .00"),
          pick(3, 6, "12"), pick(3, 7, " 7"), pay(3, 6, "   .00")}},
        {"no digit 1 to 9 after column 2: the program numbers only",
         {"1A  Distant Sonnet   0.00", " 2  Brass Lantern  0", " 7  Verdict   0.50"},
         {pick(3, 5, "1A"), pick(3, 6, " 2"), pick(3, 7, " 7"), pay(3, 6, "   .50")}},
        {"show payoffs of 100.00 or more are whole",
         {" 5  Longshot   212.60  101.20   44.80", " 2  Outsider            140.00  112.60",
          " 7  Rank Outsider                  100.00"},
         {pick(3, 5, " 5"), pay(3, 1, "212.60"), pay(3, 2, "101.20"), pay(3, 3, " 44.80"),
          pick(3, 6, " 2"), pay(3, 4, "140.00"), pay(3, 5, "112.60"), pick(3, 7, " 7"),
          pay(3, 6, "100.00")}},
        {"letters in payoff fields: read as far as they are numbers",
         {" 5  Sonnet   5.4O   x.20   N/A", " 2  Lantern   6.8O   --", " 7  Verdict   ?"},
         {pick(3, 5, " 5"), pay(3, 1, "  5.40"), pay(3, 2, "   .00"), pay(3, 3, "   .00"),
          pick(3, 6, " 2"), pay(3, 4, "  6.80"), pay(3, 5, "   .00"), pick(3, 7, " 7"),
          pay(3, 6, "   .00")}},
        {"a finisher line holding a colon is not a race heading",
         {" 5  Sonnet   5.40   3.20   2.60", " 2  Time: 1:11   6.80   4.20", " 7  Verdict   8.40"},
         {pick(3, 5, " 5"), pay(3, 1, "  5.40"), pay(3, 2, "  3.20"), pay(3, 3, "  2.60"),
          pick(3, 6, " 2"), pay(3, 4, "  1.00"), pay(3, 5, "  4.20"), pick(3, 7, " 7"),
          pay(3, 6, "  8.40")}},
    };
    for (const auto& c : cases) {
        Lines chart = {"PRG Horse  Win  Place  Show"};
        chart.insert(chart.end(), c.finishers.begin(), c.finishers.end());
        EXPECT_EQ(valuesOf(chart), c.values) << c.what;
    }
}

TEST(ResultsChartReading, ExoticPayoffsAndTheFourthFinisher) {
    struct Case {
        const char* what;
        std::string line;
        std::vector<ChartValue> values;
    };
    const std::vector<Case> cases = {
        {"the last 10 characters hold no $: all ten are the payoff",
         "$1.00 TRIFECTA 5-2-7 paid $123,456.80",
         {pay(3, 8, "123,456.80")}},
        {"the payoff is taken raw", "$2.00 EXACTA 5-2 paid $9.60  ", {pay(3, 7, "9.60  ")}},
        {"superfecta, short form",
         "$1.00 SU 5-3-7-2 paid $384.20",
         {pay(3, 9, "384.20"), pick(3, 8, " 2")}},
        {"a two-digit fourth finisher",
         "$1.00 SU 5-3-7-12 paid $84.20",
         {pay(3, 9, "84.20"), pick(3, 8, " 12")}},
        {"a coupled entry reads as its number",
         "$1.00 SU 5-3-7-1A paid $84.20",
         {pay(3, 9, "84.20"), pick(3, 8, " 1")}},
        {"no p within the combination: no fourth finisher",
         "$1.00 SU 10-11-12-14 Paid $84.20",
         {pay(3, 9, "84.20")}},
        {"SU followed by neither a blank nor P",
         "$1.00 SU-5-3-7-2 paid $84.20",
         {pay(3, 9, "84.20")}},
        {"a finish heading is never a payoff line", "PRG EXACTA  $36.80", {}},
        {"a line with a colon is never a payoff line", "$2.00 EXACTA 5-2: $36.80", {}},
        {"columns 7-8 decide", "$2.00 exacta 5-2 paid $36.80", {}},
        {"a short line", "$2 EX", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valuesOf({c.line}), c.values) << c.what;
}

TEST(ResultsChartReading, RaceHeadings) {
    struct Case {
        const char* what;
        Lines chart;
        int lastRace;
        std::vector<ChartValue> values;
    };
    const std::vector<Case> cases = {
        {"values before any heading go to the race the reading starts at",
         {"$2.00 EXACTA 5-2 paid $36.80", "Race: 4", "$2.00 EXACTA 1-2 paid $9.80"},
         4,
         {pay(3, 7, "36.80"), pay(4, 7, "9.80")}},
        {"a post time is a race heading",
         {"Race:  5", "Post Time: 2:30 PM", "$2.00 EXACTA 5-2 paid $36.80"},
         2,
         {pay(2, 7, "36.80")}},
        {"the 3 characters after the first colon", {"Race:12 Post Time: 1:30"}, 12, {}},
        {"a heading without a number is race 0",
         {"Weather: Clear", "$2.00 EXACTA 5-2 paid $9.80"},
         0,
         {pay(0, 7, "9.80")}},
        {"race 20", {"Race: 20", "$2.00 EXACTA 5-2 paid $9.80"}, 20, {pay(20, 7, "9.80")}},
    };
    for (const auto& c : cases) {
        const ChartReading reading = readChart(c.chart, 3);
        EXPECT_FALSE(reading.ended) << c.what;
        EXPECT_EQ(reading.lastRace, c.lastRace) << c.what;
        EXPECT_EQ(reading.values, c.values) << c.what;
    }
}

TEST(ResultsChartReading, AFailureEndsTheReadingAndKeepsWhatWasRead) {
    struct Case {
        const char* what;
        Lines chart;
        int lastRace;
        std::vector<ChartValue> values;
    };
    const std::vector<Case> cases = {
        {"a race above 20 ends the reading at its heading",
         {"Race: 2", "$2.00 EXACTA 5-2 paid $9.80", "Race: 21", "$2.00 EXACTA 1-2 paid $5.80",
          "Race: 3"},
         2,
         {pay(2, 7, "9.80")}},
        {"a race below 0", {"Race: -1", "$2.00 EXACTA 1-2 paid $5.80"}, 3, {}},
        {"a chart ending after the winner line",
         {"Race: 2", "PRG", " 5  Sonnet   5.40   3.20   2.60"},
         2,
         {pick(2, 5, " 5"), pay(2, 1, "  5.40"), pay(2, 2, "  3.20"), pay(2, 3, "  2.60")}},
        {"a chart ending right after the finish heading", {"Race: 2", "PRG"}, 2, {}},
    };
    for (const auto& c : cases) {
        const ChartReading reading = readChart(c.chart, 3);
        EXPECT_TRUE(reading.ended) << c.what;
        EXPECT_EQ(reading.lastRace, c.lastRace) << c.what;
        EXPECT_EQ(reading.values, c.values) << c.what;
    }
    const ChartReading beyond = readChart(Lines{"$2.00 EXACTA 5-2 paid $9.80", "Race: 1"}, 21);
    EXPECT_TRUE(beyond.ended) << "a value for the race after a 20-race card's last";
    EXPECT_TRUE(beyond.values.empty());
    EXPECT_EQ(beyond.lastRace, 21);
    EXPECT_FALSE(readChart(Lines{"Race: 2", "PRG", "1", "2", "3"}, 1).ended)
        << "three finisher lines at the chart's end are whole";
}

TEST(ResultsChartReading, RecordingKeepsWhatTheChartDoesNotGiveAndColumnTen) {
    RecordArrays records;
    records.CardPicks.set(7, 1, "4");
    records.CardPayoffs.set(7, 10, "Scr 6");
    records.CardPayoffs.set(8, 1, "9.99");
    recordChartValues(records, readChart(raceSeven, 1).values);
    EXPECT_EQ(records.CardPicks.valueAt(7, 1), "4");
    EXPECT_EQ(records.CardPicks.valueAt(7, 8), " 4");
    EXPECT_EQ(records.CardPayoffs.valueAt(7, 9), "12,345.60");
    EXPECT_EQ(records.CardPayoffs.valueAt(7, 10), "Scr 6");
    EXPECT_EQ(records.CardPayoffs.valueAt(8, 1), "9.99");
}

TEST(ResultsChartReading, AnEmptyChartPassesAndRecordsNothing) {
    EXPECT_EQ(checkChart({}, TrackFile(xyzTracks), xyzCard).outcome, Outcome::Passes);
    const ChartReading reading = readChart({}, 3);
    EXPECT_TRUE(reading.values.empty());
    EXPECT_EQ(reading.lastRace, 3);
    EXPECT_FALSE(reading.ended);
}
