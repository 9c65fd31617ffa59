#include "selection/TopFour.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

struct RankingTest : ::testing::Test {
    CardStore store;

    // Entry e runs with program number `program` and these six ratings.
    void entry(int e, const std::string& program, const std::vector<std::string>& ratings) {
        store.EntryProgram.set(e, program);
        for (int slot = 1; slot <= 6; ++slot)
            store.PaceRatings.set(e, slot, slot <= int(ratings.size()) ? ratings[slot - 1] : "");
    }

    std::vector<int> pickedEntries(int first, int last) {
        std::vector<int> entries;
        for (const auto& pick : pickFour(store, first, last))
            entries.push_back(pick ? pick->entry : 0);
        return entries;
    }
};

} // namespace

TEST_F(RankingTest, PicksTheLowestRatingsOfAnySlotAndTiesGoToTheFirstMet) {
    entry(1, "1", {" 60.0", " 55.0"});
    entry(2, "2", {" 50.0", " 70.0"});
    entry(3, "3", {" 80.0", " 55.0"});
    entry(4, "4", {" 90.0", " 65.0", " 54.0"});
    entry(5, "5", {" 50.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{2, 5, 4, 1}));
    const auto picks = pickFour(store, 1, 5);
    EXPECT_EQ(picks[2]->slot, 3);
    EXPECT_EQ(picks[2]->value, 54.0);
}

TEST_F(RankingTest, QualifyingRatingsAndTheTopPicksLimit) {
    entry(1, "1", {" 19.9", "250.0"});
    entry(2, "2", {" 20.0"});
    entry(3, "3", {"  - ", " - "});
    entry(4, "4", {"349.9"});
    entry(5, "5", {"350.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{2, 1, 4, 0}))
        << "19.9 and ' - ' never qualify, 250 only after the top pick, 350 never";
    entry(2, "2", {" 19.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{0, 1, 4, 0}))
        << "a race whose ratings are all 250 or more has no top pick";
}

TEST_F(RankingTest, BestRatingsArePositiveAndBelow350) {
    entry(1, "1", {" 60.0", " 55.0", "   .0"});
    entry(2, "2", {" - ", "400.0"});
    entry(3, "3", {" 19.5", " 70.0"});
    const auto best = bestPaceRatings(store, 1, 3);
    EXPECT_EQ(best, (std::vector<std::pair<int, std::string>>{{1, " 55.0"}, {3, " 19.5"}}));
}

TEST_F(RankingTest, SelectionLinesHaveFixedFieldsThatNeverCut) {
    entry(7, "1A", {" 47.5"});
    store.EntryPost.set(7, 12);
    store.EntryMorningLine.set(7, "  5-2");
    store.EntryName.set(7, "Copper Lantern");
    store.EntryJockey.set(7, "Varlow, T");
    EXPECT_EQ(selectionLine(store, {7, 1, 47.5}), "  1A  12   5-2" + std::string(16, ' ') +
                                                      "Copper Lantern" + std::string(11, ' ') +
                                                      "Varlow, T      47.5");
    store.EntryProgram.set(7, "12345");
    EXPECT_EQ(selectionLine(store, {7, 1, 47.5}).substr(0, 9), "12345  12");
}

TEST_F(RankingTest, KeySelectionsTakeThePicksCloseEnoughToTheOneBefore) {
    entry(1, "1", {" 50.0"});
    entry(2, "2", {" 54.9"});
    entry(3, "3", {" 55.4"});
    entry(4, "4", {" 56.0"});
    Picks picks = pickFour(store, 1, 4);
    EXPECT_EQ(keySelections(store, picks), "   1 -   2 -   3");
    entry(2, "2", {" 55.0"}); // exactly 5 behind: not a key; 3 is 0.4 behind 2
    picks = pickFour(store, 1, 4);
    EXPECT_EQ(keySelections(store, picks), "   1 -   3");
    entry(3, "3", {" 55.5"}); // exactly 0.5 behind: a key; 4 is 0.5 behind 3
    picks = pickFour(store, 1, 4);
    EXPECT_EQ(keySelections(store, picks), "   1 -   3 -   4");
    entry(4, "4", {" 56.1"});
    picks = pickFour(store, 1, 4);
    EXPECT_EQ(keySelections(store, picks), "   1 -   3");
}

TEST_F(RankingTest, KeySelectionsCompareDoublesAsTheyAre) {
    entry(1, "1", {" 60.0"});
    entry(2, "2", {" 63.9"});
    entry(3, "3", {" 64.4"}); // 64.4 - 63.9 is a little over 0.5
    EXPECT_EQ(keySelections(store, pickFour(store, 1, 3)), "   1 -   2");
}

TEST_F(RankingTest, MissingPicksAreNeverKeys) {
    entry(1, "1", {"260.0"});
    entry(2, "2", {"270.0"});
    const Picks picks = pickFour(store, 1, 2);
    EXPECT_EQ(keySelections(store, picks), "") << "no top pick: the text starts empty";
    EXPECT_EQ(keySelectionsLine(12, "   4 -  12"), "RACE 12 :          4 -  12");
    EXPECT_EQ(keySelectionsLine(3, ""), "RACE  3 :       ");
}

namespace {

// A window whose card has one race of entries 1 to 5; race 2 holds entry 6.
struct TopFourTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    TopFourTest() {
        const char* ratings[] = {" 60.0", " 50.0", " 55.0", " 70.0", "300.0", " 40.0"};
        for (int e = 1; e <= 6; ++e) {
            form.Card.EntryProgram.set(e, std::to_string(e));
            form.Card.EntryMorningLine.set(e, " 5-1 ");
            form.Card.PaceRatings.set(e, 1, ratings[e - 1]);
        }
        form.KeySelectionsFile = "   CD_20261205.pms2";
        form.CurrentRace = 1;
        form.FirstEntry = 1;
        form.LastEntry = 5;
    }

    std::string keyFile() {
        return readFile(window.root().keySelectionsFolder() / "   CD_20261205.pms2");
    }
};

} // namespace

TEST_F(TopFourTest, StoresPicksLinesKeysAndShowsThem) {
    TOP_FOUR(form);
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "2");
    EXPECT_EQ(form.Records.CardPicks.at(1, 4), "4");
    EXPECT_EQ(form.Text39(1).text, "2");
    EXPECT_EQ(form.Text39(3).text, "1");
    EXPECT_EQ(form.Selections.BestPaceRating.at(5), "300.0");
    EXPECT_EQ(form.Selections.BestPaceRating.at(6), "") << "another race";
    EXPECT_EQ(form.Selections.SelectionLines.at(1, 1)->substr(0, 14), "   2   0   5-1");
    EXPECT_EQ(form.Card.EntryMorningLine.at(2), "5-1") << "a pick's morning line is trimmed";
    EXPECT_EQ(form.Card.EntryMorningLine.at(5), " 5-1 ");
    EXPECT_EQ(form.Selections.KeySelections.at(1), "   2");
    EXPECT_EQ(keyFile(), "RACE  1 :          2\r\n");

    form.CurrentRace = 2;
    form.FirstEntry = 6;
    form.LastEntry = 6;
    TOP_FOUR(form);
    EXPECT_EQ(keyFile(), "RACE  1 :          2\r\nRACE  2 :          6\r\n");
}

TEST_F(TopFourTest, MissingPicksAreEmptyAndShowAsADash) {
    form.Records.CardPicks.set(1, 3, "stale");
    form.Records.CardPicks.set(1, 4, "stale");
    form.LastEntry = 2;
    TOP_FOUR(form);
    EXPECT_EQ(form.Records.CardPicks.at(1, 2), "1");
    EXPECT_EQ(form.Records.CardPicks.at(1, 3), "");
    EXPECT_EQ(form.Records.CardPicks.at(1, 4), "");
    EXPECT_EQ(form.Selections.SelectionLines.at(1, 3), "");
    EXPECT_EQ(form.Text39(2).text, "1");
    EXPECT_EQ(form.Text39(3).text, " - ");
    EXPECT_EQ(form.Text39(4).text, " - ");
}

TEST_F(TopFourTest, ARepeatedProgramNumberShowsAsADash) {
    form.Card.EntryProgram.set(3, "2"); // entry 3 runs under entry 2's number
    TOP_FOUR(form);
    EXPECT_EQ(form.Records.CardPicks.at(1, 2), "2");
    EXPECT_EQ(form.Text39(2).text, " - ");
}

TEST_F(TopFourTest, WithoutAKeySelectionsFileTheRaceIsStillRanked) {
    std::filesystem::remove_all(window.root().keySelectionsFolder());
    TOP_FOUR(form);
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "2");
    EXPECT_FALSE(std::filesystem::exists(window.root().keySelectionsFolder()));
}
