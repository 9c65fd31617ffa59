#include "app/Replay.h"

#include "ChartCsvWriter.h"
#include "Season.h"
#include "app/ReplayRows.h"
#include "cli/BatchRun.h"
#include "support/TempFolder.h"
#include "text/TextFiles.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tallowmere;
using tallowmere::cardgen::writeSeason;
using tallowmere::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// Each card worked through the batch front end in one data root, as a user
// would: its tables in place of the last card's, its chart among the results.
std::vector<std::string> archivedOneByOne(const fs::path& season, const fs::path& root) {
    fs::copy_file(season / "TrackEditor.ini", root / "TrackEditor.ini");
    for (const auto& card : seasonCards(season)) {
        fs::remove_all(root / "TrackMaster ExE Files");
        fs::create_directories(root / "TrackMaster ExE Files");
        fs::create_directories(root / "Results");
        for (const auto& file : fs::directory_iterator(card.folder))
            fs::copy_file(
                file.path(),
                root / (file.path().extension() == ".pmr" ? "Results" : "TrackMaster ExE Files") /
                    file.path().filename(),
                fs::copy_options::overwrite_existing);
        std::ostringstream out, err;
        EXPECT_EQ(tallowmere::cli::runBatch(
                      {"--data-root", root.string(), "start", "auto-record", "summary", "record"},
                      out, err, "/opt/tm"),
                  0)
            << err.str();
    }
    return tallowmere::text::readLines(root / "TBA.ini").value_or(std::vector<std::string>{});
}

std::vector<std::string> reports(const std::vector<ReplayOutcome>& outcomes) {
    std::vector<std::string> lines;
    for (const auto& outcome : outcomes)
        lines.push_back(replayReport(outcome));
    return lines;
}

} // namespace

TEST(Replay, GivesTheArchiveLinesOfWorkingEachCardByHand) {
    TempFolder season, root;
    ASSERT_TRUE(writeSeason({.seed = 7, .shape = {}, .raceDate = "20261228", .track = ""}, 12,
                            season.path()));
    const auto replayed = reports(replaySeason(season.path(), season / "TrackEditor.ini"));
    EXPECT_EQ(replayed.size(), 12u);
    EXPECT_EQ(replayed, archivedOneByOne(season.path(), root.path()));
    EXPECT_FALSE(fs::exists(season / "TBA.ini"));
}

// A card's chart file stands in for its text chart, alone or changed after it;
// a text chart changed after the chart file is read instead.
TEST(Replay, ReadsTheChartFileOfACardAsItsTextChart) {
    TempFolder season;
    const cardgen::CardRequest first{.seed = 7, .shape = {}, .raceDate = "20261228", .track = ""};
    ASSERT_TRUE(writeSeason(first, 3, season.path()));
    const auto fromText = reports(replaySeason(season.path(), season / "TrackEditor.ini"));
    for (int card = 0; card < 3; ++card) {
        const auto request = cardgen::seasonCardRequest(first, card);
        const auto chart = cardgen::drawResultsChart(cardgen::makeCard(request), request).value();
        const fs::path folder = season / ("card-00" + std::to_string(card + 1));
        const fs::path text = folder / cardgen::resultsChartFileName(chart);
        const fs::path csv = folder / cardgen::resultsChartCsvName(chart);
        tallowmere::testing::writeFile(csv, card == 2 ? "R,TB,XX,20260101,1,D\r\n"
                                                      : cardgen::resultsChartCsv(chart));
        const auto textTime = fs::last_write_time(text);
        if (card == 1) { // an older text chart that records nothing is passed over
            tallowmere::testing::writeFile(text, "");
            fs::last_write_time(text, textTime);
        }
        if (card == 0)
            fs::remove(text);
        else
            fs::last_write_time(csv, textTime + (card == 1 ? 1 : -1) * std::chrono::seconds(1));
    }
    EXPECT_EQ(reports(replaySeason(season.path(), season / "TrackEditor.ini")), fromText);
}

// A link loop, beside the cards or inside one, never ends the replay; a
// folder's name stays on its one line.
TEST(Replay, SkipsWhatItCannotReadAndKeepsEachOnOneLine) {
    TempFolder season;
    ASSERT_TRUE(writeSeason({.seed = 3, .shape = {}, .raceDate = "20260601", .track = ""}, 1,
                            season.path()));
    fs::create_symlink("loop", season / "loop");
    fs::create_symlink("inner", season / "card-001" / "inner");
    fs::create_directory(season / "two\nlines");
    const auto lines = reports(replaySeason(season.path(), season / "TrackEditor.ini"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "SKIPPED loop: cannot be read: Too many levels of symbolic links");
    EXPECT_EQ(lines[1], "SKIPPED two\\nlines: no results chart");
    EXPECT_EQ(lines[2].substr(0, 14), "   CD_20260601");
}

// The cards go by race date, not by subfolder name; a cancel stops the replay.
TEST(Replay, GoesByRaceDateAndStopsWhenCancelled) {
    TempFolder season;
    ASSERT_TRUE(writeSeason({.seed = 3, .shape = {}, .raceDate = "20260601", .track = ""}, 4,
                            season.path()));
    fs::rename(season / "card-001", season / "card-009");
    std::vector<std::size_t> told;
    const auto lines = reports(replaySeason(season.path(), season / "TrackEditor.ini",
                                            [&](std::size_t done, std::size_t total) {
                                                told.push_back(done * 10 + total);
                                                return done < 3;
                                            }));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 14), "   CD_20260601");
    EXPECT_EQ(told, (std::vector<std::size_t>{14, 24, 34}));
}

TEST(Replay, IntoTheArchiveLeavesOutCardsAlreadyThere) {
    const std::vector<ReplayOutcome> outcomes = {{"a", "   CD_20260601  9 rest", ""},
                                                 {"b", std::nullopt, "no results chart"},
                                                 {"c", "  SAR_20260602  8 rest", ""},
                                                 {"d", "   CD_20260601  9 again", ""}};
    const struct {
        std::vector<std::string> archive;
        std::vector<std::string> appended;
    } cases[] = {
        {{}, {"   CD_20260601  9 rest", "  SAR_20260602  8 rest"}},
        {{"   CD_20260601  9 old"}, {"  SAR_20260602  8 rest"}},
        {{"  SAR_20260602  8 x", "   CD_20260601  9 y"}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesNotArchived(outcomes, c.archive), c.appended);
}

// A column per field of the archive line; a skipped card leaves them empty.
TEST(Replay, RowsHoldEachFieldOfTheArchiveLine) {
    const std::string line = "  SAR_20261207  9    3    1    0    2    57.20    37.90    25.50  "
                             "    .00      .00    79.30    79.30    79.30      .00      .00     "
                             " .00       .00       .00   1234.50";
    const auto rows =
        replayRows({{"card-001", std::nullopt, "no results chart"}, {"card-002", line, ""}});
    const std::vector<std::vector<std::string>> expected = {
        {"Card",   "Races",    "S1",       "S2",       "S3",     "S4",       "Win",    "Place",
         "Show",   "E1/2",     "E1-2",     "E1/2-3",   "E1-2-3", "E1-2-3-4", "T1/2-3", "T1/2-3-4",
         "T1-2-3", "S1/2-3-4", "S2-1/3-4", "S1-2-3-4", "Folder", "Skipped"},
        {"", "", "", "", "", "", "", "", "", "",         "",
         "", "", "", "", "", "", "", "", "", "card-001", "no results chart"},
        {"SAR_20261207", "9",    "3",    "1",       "0",        "2",     "57.20", "37.90",
         "25.50",        "0.00", "0.00", "79.30",   "79.30",    "79.30", "0.00",  "0.00",
         "0.00",         "0.00", "0.00", "1234.50", "card-002", ""},
    };
    EXPECT_EQ(rows, expected);
}
