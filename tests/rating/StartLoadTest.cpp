#include "rating/HandicappingRun.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

namespace {

cardgen::CardRequest cardOf(int races, int entries, int past = 2) {
    cardgen::CardRequest request;
    request.seed = 9;
    request.shape = {races, entries, past};
    request.track = "SAR";
    return request;
}

} // namespace

TEST(StartLoad, LocksTheMenusAndLoadsTheCard) {
    TestWindow window;
    window.writeCard(cardOf(2, 5));
    Command1_Click(window.form);
    const Form1& form = window.form;
    EXPECT_FALSE(form.menus.MainScreen.visible);
    EXPECT_FALSE(form.menus.NewRC.enabled);
    EXPECT_FALSE(form.menus.Exit_Program.enabled);
    EXPECT_EQ(form.Card.RaceCount, 2);
    EXPECT_EQ(form.Card.EntryCount, 10);
}

TEST(StartLoad, FramesRaceOne) {
    TestWindow window;
    window.writeCard(cardOf(2, 5));
    Command1_Click(window.form);
    const Form1& form = window.form;
    EXPECT_EQ(form.MSFlexGrid1.height, 6060);
    EXPECT_EQ(form.MSFlexGrid1.rows(), 7 * 5 + 3);
    EXPECT_EQ(form.MSFlexGrid1.text(0, 1), "Date") << "the headers stay";
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(form.Command3.valueAt(k).visible) << k;
        EXPECT_EQ(form.Command3.valueAt(k).caption, form.Card.EntryProgram.valueAt(k));
    }
    EXPECT_FALSE(form.Command3.valueAt(6).visible);
    EXPECT_EQ(form.Command3.valueAt(6).caption, form.Card.EntryProgram.valueAt(6))
        << "every entry up to 20 captions its button";
}

TEST(StartLoad, ShowsTheRaceButtonsAndRaceOnesHeader) {
    TestWindow window;
    window.writeCard(cardOf(2, 5));
    Command1_Click(window.form);
    const Form1& form = window.form;
    const CardStore& card = form.Card;
    EXPECT_EQ(form.Command1.caption, "Race: ");
    EXPECT_FALSE(form.Command1.enabled);
    EXPECT_TRUE(form.Command2.valueAt(1).visible);
    EXPECT_EQ(form.Command2.valueAt(1).backColor, red);
    EXPECT_TRUE(form.Command2.valueAt(2).visible);
    EXPECT_EQ(form.Command2.valueAt(2).backColor, lightGrey);
    EXPECT_FALSE(form.Command2.valueAt(3).visible);
    EXPECT_EQ(form.Label5.caption, "20261205");
    EXPECT_EQ(form.Label2.caption, "$ " + card.RacePurse.valueAt(1));
    EXPECT_EQ(form.Label3.valueAt(0).caption,
              card.RaceConditions.valueAt(1, 1) + " " + card.RaceConditions.valueAt(1, 2));
    EXPECT_EQ(form.Label3.valueAt(1).caption,
              card.RaceConditions.valueAt(1, 3) + " " + card.RaceConditions.valueAt(1, 4));
    EXPECT_EQ(form.Label6.caption, "Exacta, Trifecta, Superfecta, Pick 3");
    EXPECT_EQ(form.Label8.caption, "1");
    EXPECT_EQ(form.Label10.caption, "1:30 PM");
    EXPECT_EQ(form.Label13.caption,
              card.RaceDistance.valueAt(1) + "f " + card.RaceSurface.valueAt(1));
    EXPECT_EQ(form.Label15.caption, std::to_string(card.RaceClass.valueAt(1)));
    EXPECT_EQ(form.Label1.caption, "SAR");
}

TEST(StartLoad, ASingleRaceRunsToTheLastEntryAndButtonsStopAtTwenty) {
    TestWindow window;
    window.writeCard(cardOf(1, 25));
    Command1_Click(window.form);
    const Form1& form = window.form;
    EXPECT_EQ(form.MSFlexGrid1.rows(), 7 * 25 + 3);
    EXPECT_TRUE(form.Command3.valueAt(20).visible);
    EXPECT_EQ(form.Command3.valueAt(20).caption, form.Card.EntryProgram.valueAt(20));
    EXPECT_TRUE(form.Command2.valueAt(1).visible);
    EXPECT_FALSE(form.Command2.valueAt(2).visible);
}

TEST(StartLoad, TablesThatGiveNoRaceAreToldAndChangeNothing) {
    using Races = std::vector<std::string>;
    // The RACE values of a card's races, then what RACEDR.DBF becomes ("" for removed).
    const std::tuple<const char*, std::optional<Races>, std::optional<std::string>> folders[] = {
        {"no tables", std::nullopt, std::nullopt},
        {"RACEDR missing", Races{"1", "2"}, ""},
        {"RACEDR unreadable", Races{"1", "2"}, "not a table"},
        {"RACEDR empty", Races{}, std::nullopt},
        {"RACE no number", Races{"x", "y"}, std::nullopt},
        {"RACE below 1", Races{"1", "0"}, std::nullopt},
    };
    for (const auto& [what, races, racedr] : folders) {
        TestWindow window;
        const auto tables = window.root().trackMasterFolder();
        if (races) {
            cardgen::CardRecords card = cardgen::makeCard(cardOf(2, 3));
            card.races.resize(races->size(), card.races[0]);
            for (std::size_t r = 0; r < races->size(); ++r)
                card.races[r].values[0] = (*races)[r];
            cardgen::writeCardTables(card, tables);
        }
        if (racedr && racedr->empty())
            std::filesystem::remove(tables / "RACEDR.DBF");
        else if (racedr)
            tallowmere::testing::writeFile(tables / "RACEDR.DBF", *racedr);
        Form1& form = window.form;
        Command1_Click(form);
        ASSERT_EQ(window.platform.messages.size(), 1u) << what;
        EXPECT_EQ(window.platform.messages[0].text,
                  "No race could be read from the tables in TrackMaster ExE Files.");
        EXPECT_TRUE(form.Command1.enabled) << what;
        EXPECT_EQ(form.Command1.caption, "Start");
        EXPECT_TRUE(form.menus.NewRC.enabled && form.menus.Exit_Program.enabled) << what;
        EXPECT_EQ(form.MSFlexGrid1.rows(), 2);
        EXPECT_TRUE(form.ActiveCardFile.empty()) << what;

        CRC_Click(form);
        EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder())) << what;
        EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder())) << what;
    }
}

TEST(StartLoad, AfterTheFolderIsMendedStartRunsAsUsual) {
    TestWindow window;
    Command1_Click(window.form);
    window.writeCard(cardOf(2, 3));
    Command1_Click(window.form);
    EXPECT_EQ(window.platform.messages.size(), 1u);
    EXPECT_EQ(window.form.Card.RaceCount, 2);
    EXPECT_FALSE(window.form.Command1.enabled);
}

TEST(StartLoad, ARaceBeyondTheCardsEntriesLeavesTheGridAlone) {
    TestWindow window;
    cardgen::CardRecords card = cardgen::makeCard(cardOf(2, 3));
    card.races[0].values[13] = "5000"; // HORSE1 of race 1 far beyond race 2's
    cardgen::writeCardTables(card, window.root().trackMasterFolder());
    Command1_Click(window.form);
    EXPECT_EQ(window.form.MSFlexGrid1.rows(), 2) << "a negative row count is not set";
    EXPECT_FALSE(window.form.Command3.valueAt(1).visible);
}
