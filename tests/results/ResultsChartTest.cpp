#include "results/ResultsChart.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tallowmere;
using tallowmere::testing::readFile;

namespace {

using Lines = std::vector<std::string>;
using Outcome = ChartCheck::Outcome;

const std::string xyzCard = "  XYZ_20150612.pmd";
const Lines xyzTracks = {"AQU  Aqueduct            91     88  1.Q",
                         "XYZ  Xanadu Downs        85     84  7/84"};

} // namespace

TEST(ResultsChartCheck, NamesTheTrackByTheFirstLineOfTrackEditorIniWithItsCode) {
    const std::tuple<const char*, Lines, std::string> cases[] = {
        {"a track missing from TrackEditor.ini", {xyzTracks[0]}, "_20150612"},
        {"no TrackEditor.ini at all", {}, "_20150612"},
        {"the first line whose first 3 characters are the code",
         {"XYZA Xanadu", xyzTracks[1]},
         "XYZA_20150612"},
    };
    for (const auto& [what, tracks, identity] : cases) {
        const ChartCheck check =
            checkChart(Lines{"Results", "2015-06-12"}, TrackFile(tracks), xyzCard);
        EXPECT_EQ(check.outcome, Outcome::Refused) << what;
        EXPECT_EQ(check.chartIdentity, identity) << what;
    }
}

namespace {

// A chart as the fixture describes it: the check against the XYZ card of
// 2015-06-12, the values of the reading, the lines of payoffs left out, then
// where the reading stopped.
std::string described(const Lines& chart, int from) {
    const ChartCheck check = checkChart(chart, TrackFile(xyzTracks), xyzCard);
    const char* outcomes[] = {"passes", "refused", "failed"};
    std::string text = "> check " + std::string(outcomes[int(check.outcome)]) + " " +
                       check.chartIdentity + " against" + check.cardStem + "\n";
    const ChartReading reading = readChart(chart, from);
    for (const auto& value : reading.values)
        text += "> race " + std::to_string(value.race) +
                (value.array == RecordArray::CardPicks ? " pick " : " payoff ") +
                std::to_string(value.column) + " \"" + value.text + "\"\n";
    for (const auto& [race, line] : reading.leftOut)
        text += "> race " + std::to_string(race) + " left out \"" + line + "\"\n";
    return text + "> last race " + std::to_string(reading.lastRace) +
           (reading.ended ? ", ended\n" : "\n");
}

} // namespace

// Each case of the fixture: a heading naming the race the reading starts at,
// the chart's lines, then what the reading gives (the "> " lines).
TEST(ResultsChartReading, TheFixturesCharts) {
    const std::string fixture =
        readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "charts" / "readings.txt");
    std::istringstream lines(fixture);
    std::string rebuilt, line;
    std::optional<int> from;
    Lines chart;
    const auto readTheCase = [&] {
        if (from)
            rebuilt += described(chart, *from);
        chart.clear();
    };
    while (std::getline(lines, line)) {
        if (line.starts_with(">"))
            continue;
        if (line.starts_with("## from race ")) {
            readTheCase();
            from = std::stoi(line.substr(13));
        } else
            chart.push_back(line);
        rebuilt += line + "\n";
    }
    readTheCase();
    EXPECT_EQ(rebuilt, fixture);
}
