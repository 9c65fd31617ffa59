#include "card/CardSaving.h"
#include "card/RecordFile.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

// A window as a handicapped card leaves it: one race, picks in the arrays.
struct CardWindow : TestWindow {
    CardWindow() {
        form.Card.RaceCount = 1;
        form.ActiveCardFile = "   CD_20261205.pmd";
        form.Records.CardPicks.set(1, 1, "3");
        form.menus.Exit_Program.enabled = false;
        platform.calls.clear();
    }
    std::filesystem::path recordFile() const {
        return root().raceCardsFolder() / "   CD_20261205.pmd";
    }
};

} // namespace

// Closing and saving through the batch front end are compared there; the
// window's own ways out are these.
TEST(ExitProgram, SavesTheActiveCardAndEnds) {
    CardWindow window;
    Exit_Program_Click(window.form);
    EXPECT_EQ(readFile(window.recordFile()), recordFileText(window.form.Records, 1));
    EXPECT_TRUE(window.platform.ended);

    TestWindow empty;
    Exit_Program_Click(empty.form);
    EXPECT_EQ(empty.platform.calls, std::vector<std::string>({"show 11", "end"}));
    EXPECT_TRUE(std::filesystem::is_empty(empty.root().raceCardsFolder()));
}

TEST(NewRecall, EndsWithoutSavingAndTheNextStartShowsTheFilesAgain) {
    CardWindow window;
    NewRC_Click(window.form);
    EXPECT_EQ(window.platform.calls.back(), "end");
    EXPECT_FALSE(std::filesystem::exists(window.recordFile()));
    Form_Load(window.form);
    EXPECT_FALSE(std::filesystem::exists(window.root().trackMasterFolder() / ".hidden"));
}

// A save that keeps failing is told once, not at every race change; after a
// save went through, the next failure is told again.
TEST(SavingTheCard, TellsAFailureOnceUntilASaveGoesThrough) {
    CardWindow window;
    const auto failSaves = [&] { std::filesystem::create_directory(window.recordFile()); };
    failSaves();
    saveRecordArrays(window.form);
    saveRecordArrays(window.form);
    EXPECT_EQ(window.platform.messages.size(), 1u);
    std::filesystem::remove(window.recordFile());
    saveRecordArrays(window.form);
    std::filesystem::remove(window.recordFile());
    failSaves();
    saveRecordArrays(window.form);
    EXPECT_EQ(window.platform.messages.size(), 2u);
}
