#include "selection/Scratches.h"

#include "selection/TopFour.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

namespace {

// Race 1 on screen: four entries whose best ratings are 40, 45, 50 and 55;
// entry 5 (race 2) is rated 120 and could never be pick 1 of its race.
struct ScratchTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    ScratchTest() {
        CardStore& card = form.Card;
        card.RaceCount = 2;
        card.EntryCount = 5;
        card.RaceFirstEntry.set(1, 1);
        card.RaceFirstEntry.set(2, 5);
        const char* ratings[] = {" 40.0", " 45.0", " 50.0", " 55.0", "120.0"};
        for (int e = 1; e <= 5; ++e) {
            card.EntryProgram.set(e, std::to_string(e));
            card.EntryName.set(e, "Horse " + std::to_string(e));
            card.EntryJockey.set(e, "Varlow, T");
            card.EntryMorningLine.set(e, "5-1");
            for (int slot = 1; slot <= 6; ++slot)
                card.PaceRatings.set(e, slot, slot == 1 ? ratings[e - 1] : "  0.0");
            form.Command3.find(e)->caption = std::to_string(e);
            form.Command3.find(e)->visible = e <= 4;
        }
        form.MSFlexGrid1.setRows(8 * 4 + 10);
        form.setShownRace(1);
        form.Selections.KeySelections.set(1, "   1 -   2");
        form.setText39(5, "3");
        form.setText39(6, "1");
    }

    std::string picks(int race = 1) const {
        std::string shown;
        for (int k = 1; k <= 4; ++k)
            shown += form.Records.CardPicks.valueAt(race, k) + "|";
        return shown;
    }
};

} // namespace

TEST_F(ScratchTest, AsksFirstThenTheScratchedTopPickSinksToPickFour) {
    Command3_Click(form, 5); // race 1 has four entries
    form.setShownRace(3);    // beyond the card
    Command3_Click(form, 1);
    form.setShownRace(std::nullopt);
    Command3_Click(form, 1);
    EXPECT_EQ(form.Card.PaceRatings.at(5, 1), "120.0") << "no race shown or no such entry";
    form.setShownRace(1);
    Command3_Click(form, 1);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    const Message& question = window.platform.messages[0];
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Critical);
    EXPECT_EQ(question.defaultButton, 2) << "No is the default";
    EXPECT_EQ(window.platform.calls.front(), "show 11");
    EXPECT_EQ(std::count(window.platform.calls.begin(), window.platform.calls.end(), "beep"), 1);
    EXPECT_EQ(picks(), "2|3|4|1|");
    EXPECT_EQ(form.Card.PaceRatings.at(1, 6), "99.9");
    const std::string line = form.Selections.SelectionLines.valueAt(1, 4);
    EXPECT_EQ(line.substr(line.size() - 24), "           Varlow, T99.9")
        << "the rating follows the jockey field directly";
    EXPECT_EQ(form.Selections.KeySelections.at(1), "   1 -   2") << "the key selections stay";
    EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder()));
}
