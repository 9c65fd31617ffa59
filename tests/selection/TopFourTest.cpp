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

// Lower is better: the lowest rating of any slot ranks an entry and ties go to
// the first met. Below 20 or not a number never qualifies, 250 or more only
// after the top pick, 350 or more never.
TEST_F(RankingTest, PicksTheLowestQualifyingRatingsOfAnySlot) {
    entry(1, "1", {" 60.0", " 55.0"});
    entry(2, "2", {" 50.0", " 70.0"});
    entry(3, "3", {" 80.0", " 55.0"});
    entry(4, "4", {" 90.0", " 65.0", " 54.0"});
    entry(5, "5", {" 50.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{2, 5, 4, 1}));
    EXPECT_EQ(pickFour(store, 1, 5)[2]->slot, 3);
    entry(1, "1", {" 19.9", "250.0"});
    entry(2, "2", {" 20.0"});
    entry(3, "3", {"  - ", " - "});
    entry(4, "4", {"349.9"});
    entry(5, "5", {"350.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{2, 1, 4, 0}));
    entry(2, "2", {" 19.0"});
    EXPECT_EQ(pickedEntries(1, 5), (std::vector<int>{0, 1, 4, 0}))
        << "a race whose ratings are all 250 or more has no top pick";
    EXPECT_EQ(keySelections(store, pickFour(store, 1, 5)), "") << "missing picks are never keys";
    entry(1, "1", {" 60.0", " 55.0", "   .0"});
    entry(2, "2", {" - ", "400.0"});
    entry(3, "3", {" 19.5", " 70.0"});
    EXPECT_EQ(bestPaceRatings(store, 1, 3),
              (std::vector<std::pair<int, std::string>>{{1, " 55.0"}, {3, " 19.5"}}));
    // Selection lines have fixed fields that never cut.
    entry(7, "12345", {" 47.5"});
    store.EntryPost.set(7, 12);
    EXPECT_EQ(selectionLine(store, {7, 1, 47.5}).substr(0, 9), "12345  12");
    EXPECT_EQ(keySelectionsLine(12, "   4 -  12"), "RACE 12 :          4 -  12");
}

// The second pick is a key when less than 5 behind the top pick, each later one
// when at most 0.5 behind the pick before it, compared as doubles (64.4 - 63.9
// is a little over 0.5).
TEST_F(RankingTest, KeySelectionsTakeThePicksCloseEnoughToTheOneBefore) {
    const std::pair<std::vector<const char*>, const char*> races[] = {
        {{" 50.0", " 54.9", " 55.4", " 56.0"}, "   1 -   2 -   3"},
        {{" 50.0", " 55.0", " 55.4", " 56.0"}, "   1 -   3"},
        {{" 50.0", " 55.0", " 55.5", " 56.0"}, "   1 -   3 -   4"},
        {{" 50.0", " 55.0", " 55.5", " 56.1"}, "   1 -   3"},
        {{" 60.0", " 63.9", " 64.4", "200.0"}, "   1 -   2"}};
    for (const auto& [ratings, keys] : races) {
        for (int e = 1; e <= 4; ++e)
            entry(e, std::to_string(e), {ratings[e - 1]});
        EXPECT_EQ(keySelections(store, pickFour(store, 1, 4)), keys) << ratings[1];
    }
}

namespace {

// A window whose race 1 holds entries 1 to 4, rated 60, 50, 55 and 400; entry 3
// runs under entry 2's number.
struct TopFourTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    TopFourTest() {
        const char* ratings[] = {" 60.0", " 50.0", " 55.0", "400.0"};
        for (int e = 1; e <= 4; ++e) {
            form.Card.EntryProgram.set(e, e == 3 ? "2" : std::to_string(e));
            form.Card.EntryMorningLine.set(e, " 5-1 ");
            form.Card.PaceRatings.set(e, 1, ratings[e - 1]);
        }
        form.Records.CardPicks.set(1, 4, "stale");
        form.KeySelectionsFile = "   CD_20261205.pms2";
        form.CurrentRace = 1;
        form.FirstEntry = 1;
        form.LastEntry = 4;
    }
};

} // namespace

TEST_F(TopFourTest, StoresThePicksAndShowsAMissingOrRepeatedOneAsADash) {
    TOP_FOUR(form);
    std::string shown;
    for (int k = 1; k <= 4; ++k)
        shown += form.Records.CardPicks.valueAt(1, k) + "=" + form.Text39(k).text + "|";
    EXPECT_EQ(shown, "2=2|2= - |1=1|= - |");
    EXPECT_EQ(form.Selections.SelectionLines.at(1, 4), "");
    EXPECT_EQ(readFile(window.root().keySelectionsFolder() / form.KeySelectionsFile),
              "RACE  1 :          2\r\n");
}

TEST_F(TopFourTest, WithoutAKeySelectionsFolderTheRaceIsStillRanked) {
    std::filesystem::remove_all(window.root().keySelectionsFolder());
    TOP_FOUR(form);
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "2");
    EXPECT_FALSE(std::filesystem::exists(window.root().keySelectionsFolder()));
}
