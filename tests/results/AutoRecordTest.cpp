#include "results/ResultsCommands.h"
#include "support/SampleCard.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

// The sample card active with race `shown` (or none) on screen, its chart in place.
// What Auto Record records is compared through the batch front end; these are
// what its output does not show.
struct AutoRecordWindow : TestWindow {
    explicit AutoRecordWindow(std::optional<std::int16_t> shown) {
        tallowmere::testing::copySampleCard(folder.path(), true);
        form.ActiveCardFile = "   CT_20261205.pmd";
        form.setShownRace(shown);
        form.CurrentRace = 10;
        platform.calls.clear();
    }
};

} // namespace

TEST(AutoRecord, AChartOfAnotherDateBeepsAndTellsWhy) {
    AutoRecordWindow window(3);
    writeFile(window.root().resultsFolder() / "   CT_20261205.pmr",
              readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "charts" / "another-date.pmr"));
    window.form.Records.CardPayoffs.set(3, 1, "  6.20");
    EBET_Click(window.form);
    EXPECT_EQ(window.form.Text57.valueAt(1).text, "") << "a refused chart ends Auto Record";
    EXPECT_EQ(window.platform.calls.front(), "beep");
    ASSERT_EQ(window.platform.messages.size(), 2u);
    for (const Message& message : window.platform.messages) {
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(message.icon, MessageIcon::None);
    }
}

// The race on screen is trimmed in place and shown; no race on screen shows nothing.
TEST(AutoRecord, ShowsOnlyTheRaceOnScreen) {
    using Shown = std::optional<std::int16_t>;
    for (const auto& [shown, payoff, box] :
         {std::tuple{Shown{3}, "6.20", "6.20"}, std::tuple{Shown{}, "  6.20", ""}}) {
        AutoRecordWindow window(shown);
        const char* on = shown ? "race 3 shown" : "no race shown";
        EBET_Click(window.form);
        EXPECT_EQ(window.form.Records.CardPayoffs.valueAt(3, 1), payoff) << on;
        EXPECT_EQ(window.form.Records.CardPayoffs.valueAt(1, 1), "  5.40") << on;
        EXPECT_EQ(window.form.Text57.valueAt(1).text, box) << on;
        EXPECT_EQ(window.form.CurrentRace, 9) << "the last race the chart gives";
    }
}
