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
        form.Label8.caption = "1";
        form.Selections.KeySelections.set(1, "   1 -   2");
        form.setText39(5, "3");
        form.setText39(6, "1");
    }

    std::vector<std::string> picks(int race = 1) {
        std::vector<std::string> shown;
        for (int k = 1; k <= 4; ++k)
            shown.push_back(form.Records.CardPicks.valueAt(race, k));
        return shown;
    }
};

using Shown = std::vector<std::string>;

} // namespace

TEST_F(ScratchTest, AsksFirstWithTheEntrysNumberAndName) {
    Command3_Click(form, 2);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    const Message& question = window.platform.messages[0];
    EXPECT_EQ(question.title, "Scratch Entry");
    EXPECT_EQ(question.text, "Are you sure you want to Scratch 2  Horse 2 ?    ");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Critical);
    EXPECT_EQ(question.defaultButton, 2) << "No is the default";
    EXPECT_EQ(window.platform.calls.front(), "show 11");
    EXPECT_NE(std::find(window.platform.calls.begin(), window.platform.calls.end(), "beep"),
              window.platform.calls.end());
}

TEST_F(ScratchTest, TheScratchedTopPickSinksToPickFour) {
    Command3_Click(form, 1);
    EXPECT_EQ(picks(), (Shown{"2", "3", "4", "1"}));
    for (int row = 3; row <= 8; ++row)
        EXPECT_EQ(form.MSFlexGrid1.text(row, 23), "SCR") << row;
    EXPECT_EQ(form.MSFlexGrid1.text(9, 23), "");
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(form.Card.PaceRatings.at(1, slot), "99.9");
    EXPECT_EQ(form.Command3.valueAt(1).caption, "X");
    EXPECT_EQ(form.Text39(1).text, "2");
    EXPECT_EQ(form.Text39(4).text, "1");
    EXPECT_EQ(form.ScratchRace, 1);
    EXPECT_EQ(form.CurrentRace, 1);
    const std::string line = form.Selections.SelectionLines.valueAt(1, 4);
    EXPECT_EQ(line.substr(line.size() - 24), "           Varlow, T99.9")
        << "the rating follows the jockey field directly";
    EXPECT_EQ(form.Selections.KeySelections.at(1), "   1 -   2") << "the key selections stay";
    EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder()));
}

TEST_F(ScratchTest, TheToteBoardMirrorHoldsThroughAScratch) {
    Command3_Click(form, 3);
    EXPECT_EQ(form.Label4.valueAt(1).caption, "3");
    EXPECT_EQ(form.Label4.valueAt(2).caption, "1");
    EXPECT_EQ(form.Label4.valueAt(3).caption, "");
}

TEST_F(ScratchTest, AScratchedEntryStillBeatsWorseRatings) {
    form.Card.PaceRatings.set(4, 1, "120.0");
    Command3_Click(form, 1);
    EXPECT_EQ(picks(), (Shown{"2", "3", "1", "4"}));
}

TEST_F(ScratchTest, ScratchingTwiceAsksAgainAndGivesTheSamePicks) {
    Command3_Click(form, 2);
    const Shown once = picks();
    Command3_Click(form, 2);
    EXPECT_EQ(window.platform.messages.size(), 2u);
    EXPECT_EQ(picks(), once);
    EXPECT_EQ(once, (Shown{"1", "3", "4", "2"}));
}

TEST_F(ScratchTest, DecliningChangesNothing) {
    window.platform.answer = MessageAnswer::No;
    form.Records.CardPicks.set(1, 1, "1");
    Command3_Click(form, 1);
    EXPECT_EQ(window.platform.messages.size(), 1u);
    EXPECT_EQ(form.Card.PaceRatings.at(1, 1), " 40.0");
    EXPECT_EQ(form.MSFlexGrid1.text(3, 23), "");
    EXPECT_EQ(form.Command3.valueAt(1).caption, "1");
    EXPECT_EQ(picks(), (Shown{"1", "", "", ""}));
}

TEST_F(ScratchTest, ALastRaceRunsToTheLastEntry) {
    form.Label8.caption = "2";
    form.Card.PaceRatings.set(5, 1, " 30.0");
    Command3_Click(form, 1);
    EXPECT_EQ(form.Card.PaceRatings.at(5, 1), "99.9");
    EXPECT_EQ(picks(2), (Shown{"5", "", "", ""}));
    EXPECT_EQ(form.Text39(2).text, " - ") << "a missing pick shows as a dash";
}

TEST_F(ScratchTest, NoRaceShownOrNoSuchEntryDoesNothing) {
    Command3_Click(form, 5); // race 1 has four entries
    form.Label8.caption = "RN";
    Command3_Click(form, 1);
    form.Label8.caption = "3"; // beyond the card
    Command3_Click(form, 1);
    EXPECT_TRUE(window.platform.messages.empty());
    EXPECT_EQ(std::count(window.platform.calls.begin(), window.platform.calls.end(), "beep"), 0);
    EXPECT_EQ(form.Card.PaceRatings.at(5, 1), "120.0");
}
