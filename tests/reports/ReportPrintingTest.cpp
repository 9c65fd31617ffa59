#include "reports/ReportPrinting.h"

#include "reports/BettingProfile.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

const std::filesystem::path fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "reports";

// A window showing the profile of the three cards' archive.
struct ProfileWindow : TestWindow {
    ProfileWindow() {
        std::filesystem::copy_file(fixtures / "archive-three-cards.ini", folder / "TBA.ini");
        ALL_Click(form);
        platform.calls.clear();
    }
    std::string printed() const { return readFile(folder / "Profile Results.txt"); }
};

} // namespace

// Print Profile and Print of the summary are compared through the batch front end.
TEST(ReportPrinting, PrintWritesTheFirstHundredRowsWithoutEmptyLines) {
    ProfileWindow window;
    Print1_Click(window.form);
    EXPECT_EQ(window.printed(), readFile(fixtures / "print-three-cards.txt"));
    EXPECT_EQ(window.platform.calls.back(),
              "print " + (window.folder / "Profile Results.txt").string());
}
