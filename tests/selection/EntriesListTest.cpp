#include "selection/EntriesList.h"

#include "support/TestWindow.h"
#include "text/Numbers.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

// Race 1 runs at posts 1, 2 and 4, race 2 at posts 1 to 23, race 3 at posts 1
// and 2: 28 entries. Entry 2 has no best pace rating.
struct EntriesListTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;
    CardStore& card = form.Card;

    EntriesListTest() {
        form.ActiveCardFile = "   CT_20261205.pmd";
        card.RaceCount = 3;
        int e = 0;
        for (int post : {1, 2, 4})
            entry(++e, 1, post, std::to_string(post));
        for (int post = 1; post <= 23; ++post)
            entry(++e, 2, post, std::to_string(post));
        entry(++e, 3, 1, "1A");
        entry(++e, 3, 2, "2");
        card.PostName.set(1, 2, "Abcdefghijklmnopqrstuvwxyzabcde");
        card.PostJockey.set(1, 1, "Abcdefghij, Klmnopqr");
        card.EntryMorningLine.set(2, "  9-2");
        form.Selections.BestPaceRating.set(2, "");
    }

    // Entry e at a post of a race, as the card load fills the post tables.
    void entry(int e, int race, int post, const std::string& program) {
        card.PostProgram.set(race, post, program);
        card.PostText.set(race, post, text::textOf(post));
        card.PostName.set(race, post, "Horse " + std::to_string(e));
        card.PostJockey.set(race, post, "Jockey " + std::to_string(e));
        card.EntryMorningLine.set(e, std::to_string(e) + "-1");
        form.Selections.BestPaceRating.set(e, " " + std::to_string(30 + e) + ".5");
    }
};

} // namespace

TEST_F(EntriesListTest, ListsThePostsUpToAGapAndKeepsTheFormattedTextsInTheCard) {
    Entries_Click(form);
    const auto file = window.root().entriesFolder() / "   CT_20261205.pmx";
    EXPECT_EQ(window.platform.calls.back(), "view " + file.string());
    EXPECT_EQ(readFile(file),
              readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "views" / "entries.pmx"));
    EXPECT_EQ(form.KeySelectionsFile, "   CT_20261205");
    const std::vector<std::string> kept = {
        card.PostProgram.valueAt(1, 1),    card.PostText.valueAt(2, 22),
        card.PostProgram.valueAt(3, 1),    card.EntryMorningLine.valueAt(2),
        card.EntryMorningLine.valueAt(26), card.PostProgram.valueAt(1, 4),
        card.PostText.valueAt(2, 23),      card.EntryMorningLine.valueAt(27)};
    EXPECT_EQ(kept,
              (std::vector<std::string>{"  1", " 22", " 1A", "  9-2", " 26-1", "4", "23", "27-1"}))
        << "posts and entries beyond the list keep their texts";
}
