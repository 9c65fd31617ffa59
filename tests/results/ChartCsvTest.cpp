#include "results/ChartCsv.h"

#include "results/ChartFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;

namespace {

const auto charts = std::filesystem::path(TALLOWMERE_FIXTURES) / "charts";

// A reading as one text: the chart's identity and what was left out, then a
// line per value.
std::string described(const CsvChartReading& csv) {
    std::string text = (csv.isChart ? "chart " : "no chart ") + csv.identity +
                       (csv.evening ? " evening" : " day") + " last race " +
                       std::to_string(csv.reading.lastRace) + " unread " +
                       std::to_string(csv.unreadLines) + " from line " +
                       std::to_string(csv.firstUnreadLine) + "\n";
    for (const auto& [race, array, column, value] : csv.reading.values)
        text += std::to_string(race) + (array == RecordArray::CardPicks ? " pick " : " payoff ") +
                std::to_string(column) + " [" + value + "]\n";
    for (const auto& [race, given] : csv.reading.leftOut)
        text += std::to_string(race) + " left out [" + given + "]\n";
    return text;
}

// A race record of race `race` with one exotic group, and a horse record.
std::string raceRecord(const std::string& race, const std::string& group = "Exacta,5-2,36.80,9") {
    return "R,TB,CT,20261205," + race + ",D" + std::string(37, ',') + "," + group + "\n";
}
std::string horseRecord(const std::string& program, const std::string& finish,
                        const std::string& win) {
    return "H,CT,20261205,1,D" + std::string(9, ',') + "," + program + "," + program +
           std::string(14, ',') + "," + finish + std::string(6, ',') + "," + win + ",3.20,2.60,\n";
}

} // namespace

TEST(ChartCsv, SplitsFieldsAtCommasOutsideQuotes) {
    using Fields = std::vector<std::string>;
    const std::pair<const char*, std::optional<Fields>> cases[] = {
        {"a,b,,c", Fields{"a", "b", "", "c"}},
        {"\"a, b\",\"say \"\"hi\"\"\"", Fields{"a, b", "say \"hi\""}},
        {"", Fields{""}},
        {"a,\"cut", std::nullopt},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(csvFields(line), fields) << line;
}

// The hand-written chart: quoting, a dead heat, a scratched horse, a race the
// card does not have, an evening card, a $1 and a $.10 base.
TEST(ChartCsv, ReadsTheHandWrittenChartAsItsReadingSays) {
    const CsvChartReading csv = readCsvChart(readFile(charts / "evening.csv"), 9, 7);
    EXPECT_EQ(described(csv), readFile(charts / "evening-reading.txt"));
}

TEST(ChartCsv, BadRecordsAreLeftOutOrTheFileRefused) {
    const std::string race1 = raceRecord("1");
    const std::string winner = horseRecord("5", "1", "5.40");
    const std::pair<std::string, std::string> cases[] = {
        {"", "no chart  day last race 3 unread 0 from line 0\n"},
        {winner + race1, "no chart  day last race 3 unread 0 from line 0\n"},
        {"R,TB,CT,2026125,1,D\n" + winner, "no chart  day last race 3 unread 0 from line 0\n"},
        {"\n" + race1 + "R,TB,CT\n" + winner.substr(0, 40) + "\n" + horseRecord("5", "1", "5.4O"),
         "chart CT_20261205 day last race 1 unread 2 from line 3\n"
         "1 pick 5 [ 5]\n1 payoff 2 [  3.20]\n1 payoff 3 [  2.60]\n1 payoff 7 [36.80]\n"
         "1 left out [5.4O]\n"},
        // A horse of race 1 after race 21's record is no horse of that race.
        {race1 + "X,1,2\n" + raceRecord("21") + winner,
         "chart CT_20261205 day last race 1 unread 2 from line 2\n1 payoff 7 [36.80]\n"},
        {raceRecord("1", "Exacta,5-2,3six,9"), "chart CT_20261205 day last race 1 unread 0 from "
                                               "line 0\n1 left out [3six]\n"},
    };
    for (const auto& [content, reading] : cases)
        EXPECT_EQ(described(readCsvChart(content, 20, 3)), reading) << content;
}

TEST(ChartFiles, FindsTheDayNameThenTheEveningNameInAnyCase) {
    tallowmere::testing::TempFolder folder;
    const std::string card = "   CT_20261205.pmd";
    EXPECT_EQ(chartCsvName(card, false), "CT20261205tch.csv");
    EXPECT_EQ(chartCsvName(" SAR_20261207.pmd", true), "SAR20261207etch.csv");
    EXPECT_FALSE(findChartCsv(folder.path(), card));
    tallowmere::testing::writeFile(folder.path() / "ct20261205ETCH.CSV", "");
    EXPECT_EQ(findChartCsv(folder.path(), card), folder.path() / "ct20261205ETCH.CSV");
    tallowmere::testing::writeFile(folder.path() / "Ct20261205tch.csv", "");
    EXPECT_EQ(findChartCsv(folder.path(), card), folder.path() / "Ct20261205tch.csv");
    EXPECT_TRUE(isChartCsv("a.CSV"));
    EXPECT_FALSE(isChartCsv("a.pmr"));
}

TEST(ChartFiles, TheFileChangedLastIsRead) {
    tallowmere::testing::TempFolder folder;
    const auto text = folder.path() / "   CT_20261205.pmr";
    const auto csv = folder.path() / "CT20261205tch.csv";
    EXPECT_FALSE(chosenResultsFile(text, std::nullopt));
    EXPECT_EQ(chosenResultsFile(text, csv), csv) << "only the chart file";
    tallowmere::testing::writeFile(text, "");
    EXPECT_EQ(chosenResultsFile(text, std::nullopt), text);
    tallowmere::testing::writeFile(csv, "");
    const auto now = std::filesystem::last_write_time(text);
    std::filesystem::last_write_time(csv, now + std::chrono::seconds(1));
    EXPECT_EQ(chosenResultsFile(text, csv), csv);
    std::filesystem::last_write_time(csv, now - std::chrono::seconds(1));
    EXPECT_EQ(chosenResultsFile(text, csv), text);
}
