#include "cli/BatchRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

using tallowmere::cli::runBatch;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;

namespace {

const std::filesystem::path fixtures(TALLOWMERE_FIXTURES);

} // namespace

// The profile of all tracks, printed, then the profile of one track: Print
// is hidden on a profile screen, so the last command is refused.
TEST(ProfileBatch, ProfilesAndPrintsAnArchiveOfFourCards) {
    TempFolder root;
    std::filesystem::copy_file(fixtures / "reports" / "archive-four-cards.ini", root / "TBA.ini");
    std::filesystem::copy_file(std::filesystem::path(TALLOWMERE_SAMPLES) / "TrackEditor.ini",
                               root / "TrackEditor.ini");
    std::ostringstream out, err;
    const int status = runBatch({"--data-root", root.path().string(), "profile", "ALL", "grid", "3",
                                 "print-profile", "profile", "CD", "print"},
                                out, err, "/opt/tm");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.str(), "tallowmere-cli: print refused: menu item Print1 is hidden or disabled\n");
    EXPECT_EQ(out.str(), readFile(fixtures / "cli" / "profile-all-grid3.txt") + "VIEW " +
                             (root / "Profile Results.txt").string() + "\n");
    EXPECT_EQ(readFile(root / "Profile Results.txt"),
              readFile(fixtures / "cli" / "profile-all-results.txt"));
    EXPECT_EQ(readFile(root / "TBA.txt"), readFile(fixtures / "cli" / "profile-cd-tba.txt"));
    EXPECT_EQ(readFile(root / "TargetTracks.txt"),
              readFile(fixtures / "reports" / "target-tracks-cd-sar-ct.txt"));
}
