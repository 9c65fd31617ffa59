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

// Print Profile is compared through the batch front end.
TEST(ReportPrinting, PrintWritesTheFirstHundredRowsWithoutEmptyLines) {
    ProfileWindow window;
    Print1_Click(window.form);
    std::string expected = readFile(fixtures / "profile-results-three-cards.txt");
    for (auto at = expected.find("\n\r\n"); at != std::string::npos; at = expected.find("\n\r\n"))
        expected.erase(at + 1, 2);
    std::size_t end = expected.find("\r\n") + 2;
    for (int r = 1; r <= 100; ++r)
        end = expected.find("\r\r\n", end) + 3;
    EXPECT_EQ(window.printed(), expected.substr(0, end));
}

TEST(ReportPrinting, PrintShowsTheSummaryWhenItIsOnScreen) {
    ProfileWindow window;
    window.form.MSFlexGrid2.visible = true;
    Print1_Click(window.form);
    EXPECT_FALSE(std::filesystem::exists(window.folder / "Profile Results.txt"));
    EXPECT_EQ(window.platform.calls,
              std::vector<std::string>{"view " + (window.folder / "Todays Results.txt").string()});

    window.form.MSFlexGrid2.visible = false;
    window.form.MSFlexGrid3.visible = false;
    window.platform.calls.clear();
    Print1_Click(window.form);
    EXPECT_TRUE(window.platform.calls.empty()) << "neither grid on screen";
    EXPECT_FALSE(std::filesystem::exists(window.folder / "Profile Results.txt"));
}

TEST(ReportPrinting, AFileThatCannotBeWrittenIsLeftAlone) {
    ProfileWindow window;
    std::filesystem::create_directory(window.folder / "Profile Results.txt");
    Print2_Click(window.form);
    EXPECT_TRUE(std::filesystem::is_empty(window.folder / "Profile Results.txt"));
}
