#include "card/RecordFile.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

// A window as a handicapped card leaves it: one race, picks in the arrays.
void activateCard(TestWindow& window) {
    Form1& form = window.form;
    form.Card.RaceCount = 1;
    form.ActiveCardFile = "   CD_20261205.pmd";
    form.Records.CardPicks.set(1, 1, "3");
    form.Records.CardPayoffs.set(1, 10, "Scr");
    form.MSFlexGrid1.setText(1, 0, "RACE: 1");
    form.MSFlexGrid2.setText(1, 1, "3");
    form.Command1.enabled = false;
    form.menus.NewRC.enabled = false;
    form.menus.Exit_Program.enabled = false;
}

std::filesystem::path recordFile(const TestWindow& window) {
    return window.root().raceCardsFolder() / "   CD_20261205.pmd";
}

} // namespace

TEST(CloseRaceCard, WithoutACardClearsTheDisplayAndWritesNothing) {
    TestWindow window;
    Form1& form = window.form;
    form.Label1.caption = "CD";
    form.setText39(5, "4");
    form.Text57.find(0)->text = "Race: 1";
    form.Label7.caption = "x";
    form.MSFlexGrid1.setText(1, 0, "kept");
    form.menus.NewRC.enabled = false;
    CRC_Click(form);
    EXPECT_EQ(form.Label1.caption, "Track");
    EXPECT_EQ(form.Text39(5).text, "");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "");
    EXPECT_EQ(form.Text57.valueAt(0).text, "");
    EXPECT_EQ(form.Label7.caption, "");
    EXPECT_TRUE(form.menus.NewRC.enabled);
    EXPECT_TRUE(form.menus.Exit_Program.enabled);
    EXPECT_FALSE(form.Command1.enabled);
    EXPECT_EQ(form.MSFlexGrid1.text(1, 0), "kept");
    EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder()));
}

TEST(CloseRaceCard, WithACardSavesItAndClearsTheGrids) {
    TestWindow window;
    activateCard(window);
    CRC_Click(window.form);
    EXPECT_EQ(readFile(recordFile(window)), recordFileText(window.form.Records, 1));
    EXPECT_EQ(readFile(recordFile(window)).substr(0, 5), "\"3\"\r\n");
    EXPECT_EQ(window.form.ActiveCardFile, "");
    EXPECT_EQ(window.form.MSFlexGrid1.text(1, 0), "");
    EXPECT_EQ(window.form.MSFlexGrid2.text(1, 1), "");
    EXPECT_EQ(window.form.MSFlexGrid1.text(0, 1), "") << "clearing takes the headers too";
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(CloseRaceCard, ACardWithoutRacesSavesAnEmptyFile) {
    TestWindow window;
    activateCard(window);
    window.form.Card.RaceCount = 0;
    CRC_Click(window.form);
    EXPECT_TRUE(std::filesystem::exists(recordFile(window)));
    EXPECT_EQ(readFile(recordFile(window)), "");
}

TEST(ExitProgram, SavesTheActiveCardAndEnds) {
    TestWindow window;
    activateCard(window);
    Exit_Program_Click(window.form);
    EXPECT_EQ(readFile(recordFile(window)), recordFileText(window.form.Records, 1));
    EXPECT_TRUE(window.platform.ended);
}

TEST(ExitProgram, WithoutACardSavesNothingAndSaysNothing) {
    TestWindow window;
    Exit_Program_Click(window.form);
    EXPECT_EQ(window.platform.calls, std::vector<std::string>({"show 11", "end"}));
    EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder()));
}

TEST(ExitProgram, AfterATestRunWritesNoRecordFile) {
    TestWindow window;
    activateCard(window);
    writeFile(recordFile(window), "saved earlier");
    window.form.TestRun = true;
    Exit_Program_Click(window.form);
    EXPECT_EQ(readFile(recordFile(window)), "saved earlier");
    CRC_Click(window.form);
    EXPECT_EQ(readFile(recordFile(window)), "saved earlier");
}

TEST(ExitProgram, AFailedSaveIsToldAndTheProgramStillEnds) {
    TestWindow window;
    activateCard(window);
    std::filesystem::remove_all(window.root().raceCardsFolder());
    Exit_Program_Click(window.form);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    const Message& message = window.platform.messages[0];
    EXPECT_EQ(message.title, "Tallowmere TB");
    EXPECT_EQ(message.text.rfind(
                  "The race card could not be saved to " + recordFile(window).string() + ": ", 0),
              0u);
    EXPECT_GT(message.text.size(),
              ("The race card could not be saved to " + recordFile(window).string() + ": ").size());
    EXPECT_TRUE(window.platform.ended);
}

TEST(ExitProgram, AMismatchedSavedCardIsKeptAsBackupBeforeTheSave) {
    TestWindow window;
    activateCard(window);
    writeFile(recordFile(window), "\"another card\"\r\n");
    window.form.KeepRecordFileAsBackup = true;
    Exit_Program_Click(window.form);
    EXPECT_EQ(readFile(recordFile(window).string() + ".bak"), "\"another card\"\r\n");
    EXPECT_EQ(readFile(recordFile(window)), recordFileText(window.form.Records, 1));
    EXPECT_FALSE(window.form.KeepRecordFileAsBackup);
}

TEST(NewRecall, HidesTheCardsFilesStartsTheChooserAndEndsWithoutSaving) {
    TestWindow window;
    activateCard(window);
    window.platform.calls.clear();
    window.form.WorkFolder = "/home/handicapper/work";
    NewRC_Click(window.form);
    EXPECT_FALSE(window.form.menus.NewRC.enabled);
    const std::string chooser = "run /opt/tallowmere/bin/tallowmere-cards --data-root " +
                                window.folder.path().string() +
                                " --work-dir /home/handicapper/work";
    EXPECT_EQ(window.platform.calls, std::vector<std::string>({"hide 11", chooser, "end"}));
    const std::string hidden = readFile(window.root().trackMasterFolder() / ".hidden");
    EXPECT_EQ(hidden.substr(0, 25), "INF_TXTR.DAT\nPP_MARK.DBF\n");
    EXPECT_NE(hidden.find("THR2DR.DBF\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(recordFile(window)));

    Form_Load(window.form); // the next start shows them again
    EXPECT_FALSE(std::filesystem::exists(window.root().trackMasterFolder() / ".hidden"));
}

TEST(ClosingTheWindow, AfterATestRunWritesNothing) {
    TestWindow window;
    activateCard(window);
    window.form.TestRun = true;
    Form_Unload(window.form);
    EXPECT_FALSE(std::filesystem::exists(recordFile(window)));
}
