#include "Season.h"
#include "cli/BatchRun.h"
#include "support/TempFolder.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <gtest/gtest.h>
#include <sstream>

using tallowmere::cli::runBatch;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

const fs::path fixtures(TALLOWMERE_FIXTURES);

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const TempFolder& root, std::vector<std::string> commands) {
    commands.insert(commands.begin(), {"--data-root", root.path().string()});
    std::ostringstream out, err;
    const int status = runBatch(commands, out, err, "/opt/tm");
    return {status, out.str(), err.str()};
}

std::vector<std::string> split(const std::string& text, char mark) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, mark);)
        parts.push_back(part);
    return parts;
}

void useFourCardArchive(const TempFolder& root) {
    fs::copy_file(fixtures / "reports" / "archive-four-cards.ini", root / "TBA.ini");
    fs::copy_file(fs::path(TALLOWMERE_SAMPLES) / "TrackEditor.ini", root / "TrackEditor.ini");
}

} // namespace

// The ROI column is the profile's own ROI row; the intervals and runs are as
// the seeded resampling gave them when the figures were checked by hand.
TEST(AnalysisBatch, ProfileStatsMatchTheProfileGrid) {
    TempFolder root;
    useFourCardArchive(root);
    const Outcome stats = run(root, {"profile-stats", "ALL"});
    EXPECT_EQ(stats.status, 0) << stats.err;
    EXPECT_EQ(stats.out, readFile(fixtures / "cli" / "profile-stats-all.txt"));
    const auto roiRow =
        split(split(readFile(fixtures / "cli" / "profile-all-grid3.txt"), '\n')[7], '\t');
    const auto lines = split(stats.out, '\n');
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t type = 0; type < 11; ++type)
        EXPECT_EQ(split(lines[type + 1], '\t')[2], tallowmere::text::trimmed(roiRow[6 + type]));
}

// The CSV holds the grid's rows as `grid 3` prints them, down to the last
// row with text; export is refused while the grid is not shown.
TEST(AnalysisBatch, ExportWritesTheGridTheEarlierCommandsLeft) {
    TempFolder root;
    useFourCardArchive(root);
    const Outcome refused = run(root, {"export", "profile", (root / "p.csv").string()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "tallowmere-cli: export refused: MSFlexGrid3 is hidden\n");
    const Outcome exported =
        run(root, {"profile", "ALL", "export", "profile", (root / "p.csv").string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const auto csv = split(readFile(root / "p.csv"), '\n');
    const auto grid = split(readFile(fixtures / "cli" / "profile-all-grid3.txt"), '\n');
    ASSERT_EQ(csv.size(), 15u);
    for (std::size_t r = 0; r < csv.size(); ++r) {
        std::string row = grid[r];
        std::replace(row.begin(), row.end(), '\t', ',');
        EXPECT_EQ(csv[r], row + "\r") << "row " << r;
    }
}

// Replay prints each card's line and, asked to, archives the cards the
// archive lacks: a second replay into the archive adds nothing.
TEST(AnalysisBatch, ReplayIntoTheArchiveAddsEachCardOnce) {
    TempFolder season, root;
    ASSERT_TRUE(tallowmere::cardgen::writeSeason({}, 3, season.path()));
    fs::remove(season / "card-002" / "RACEDR.DBF");
    fs::copy_file(season / "TrackEditor.ini", root / "TrackEditor.ini");
    const Outcome first = run(root, {"replay", season.path().string(), "--into-archive"});
    const Outcome second = run(root, {"replay", season.path().string(), "--into-archive",
                                      "profile-chart", "ALL", (root / "c.svg").string()});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
    auto lines = split(first.out, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("SKIPPED card-002: Start", 0), 0u) << lines[0];
    lines.erase(lines.begin());
    EXPECT_EQ(tallowmere::text::readLines(root / "TBA.ini"), lines);
    EXPECT_EQ(readFile(root / "c.svg").rfind("<?xml", 0), 0u);
}
