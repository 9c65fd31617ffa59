#include "reports/ProgramView.h"
#include "reports/SelectionsView.h"
#include "selection/EntriesList.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

const std::filesystem::path fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "views";

// The past-race texts a test gives, in this order.
const std::vector<PastTexts CardStore::*> pastFields = {
    &CardStore::PastDate,      &CardStore::PastTrackRace, &CardStore::PastCall1,
    &CardStore::PastCall2,     &CardStore::PastCall3,     &CardStore::PastTime,
    &CardStore::PastSpeedFig,  &CardStore::PastPost,      &CardStore::PastGateBreak,
    &CardStore::PastLen1,      &CardStore::PastLen2,      &CardStore::PastStretchLen,
    &CardStore::PastFinBeaten, &CardStore::PastJockey,    &CardStore::PastOdds,
    &CardStore::PastFavMark};

// Three races: race 1 has entries 1 and 2, race 2 none, the last race entry 3.
// Picks 1 and 2 are rated 61.2 and 61.3, 61.2 and 62.0, 61.2 and 66.0.
struct CardViewsTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;
    CardStore& card = form.Card;

    CardViewsTest() {
        form.ActiveCardFile = "   CT_20261205.pmd";
        form.setTrackName("Charles Town");
        card.RaceCount = 3;
        card.EntryCount = 3;
        card.RaceTrack.set(1, "CT");
        const char* distances[] = {"6.00", "1.06", "5.50"};
        for (int r = 1; r <= 3; ++r) {
            card.RaceDistance.set(r, distances[r - 1]);
            card.RaceClass.set(r, static_cast<std::int16_t>(80 + r));
            card.RacePostTime.set(r, std::to_string(r) + ":30 PM");
            card.RacePurse.set(r, std::to_string(r) + "8000");
            card.RaceDate.set(r, "20261205");
            for (int line = 1; line <= 3; ++line)
                card.RaceConditions.set(r, line, "C" + std::to_string(r) + std::to_string(line));
            card.RaceWagering.set(r, "Exacta, Trifecta");
            card.RaceFirstEntry.set(r, static_cast<std::int16_t>(r == 1 ? 1 : 3));
        }
        entry(1, "1", 1, "Distant Sonnet", "5-2", "Wenick, T", "4f CT ft 48.84");
        entry(2, "2", 2, "Brass Lantern", "9-2", "Toro, R", "");
        entry(3, "1A", 1, "Copper Ledger", "  5-1", "Selo, P", "3f CT ft 35.55");
        past(1, 1, 90,
             {"11-06-26", "GP 4", "23.52", "47.9", "100.94", "120.4", "30", "9", "11", "nk",
              "1 1/2", "hd", "2ns", "Halez, R", "3.2", "    *"},
             " 44.7");
        past(1, 2, 25,
             {"10-01-26", "WO 7", "23.2", "", "x", "59.95", "", "10", "", "", "3", "HD", "",
              "Abcdefghijklmnop, R", "12.5", "     "},
             "101.5");
        past(3, 1, 107,
             {"09-08-26", "CT 8", "24.7", "50.2", "103.7", "117.7", "73", "3", "7", "1/2", "1 1/2",
              "hd", "1", "Rosard, E", "7.8", "     "},
             " 49.5");
        past(3, 3, 31,
             {"08-03-26", "ELP5", "24.4", "49.5", "115.5", "148.6", "31.4", "2", "1", "5", "hd",
              "3 1/4", "6", "Selard, R", "25", "    *"},
             " 48.4");
        card.PastWeight.set(1, 1, 122);
        card.PastWeight.set(3, 1, 118);
        card.EntryWeight.set(1, 120); // today's weight is shown, not the last race's
        card.EntryWeight.set(3, 116);
        picks(1, {"   2", "   1", "", ""}, " 61.2", " 61.3");
        picks(2, {"  1A", "", "", "", "extra"}, " 61.2", " 62.0");
        picks(3, {"   7", "   3", "   5", "   8"}, " 61.2", " 66.0");
    }

    void entry(int e, const std::string& program, int post, const std::string& name,
               const std::string& morningLine, const std::string& jockey,
               const std::string& workout) {
        card.EntryProgram.set(e, program);
        card.EntryPost.set(e, static_cast<std::int16_t>(post));
        card.EntryName.set(e, name);
        card.EntryMorningLine.set(e, morningLine);
        card.EntryJockey.set(e, jockey);
        card.EntryTrainer.set(e, "Haler, F");
        card.EntryLastWork.set(e, workout);
    }

    // A past race: its class rating, the texts of pastFields and its pace rating.
    void past(int e, int k, int classRating, const std::vector<std::string>& texts,
              const std::string& rating) {
        for (std::size_t i = 0; i < pastFields.size(); ++i)
            (card.*pastFields[i]).set(e, k, texts[i]);
        card.PastTrackCond.set(e, k, "FT");
        card.PastDistSurf.set(e, k, "6D");
        card.PastClass.set(e, k, "Clm 10000");
        card.PastClassRating.set(e, k, static_cast<std::int16_t>(classRating));
        card.PaceRatings.set(e, k, rating);
    }

    // Selection lines of a race: the given starts, picks 1 and 2 ending in their ratings.
    void picks(int race, const std::vector<std::string>& starts, const std::string& first,
               const std::string& second) {
        for (int slot = 1; slot <= int(starts.size()); ++slot)
            form.Selections.SelectionLines.set(race, slot, starts[slot - 1]);
        form.Selections.SelectionLines.set(race, 1, starts[0] + "   Pick One     " + first);
        form.Selections.SelectionLines.set(race, 2, starts[1] + "   Pick Two     " + second);
        form.Selections.KeySelections.set(race, starts[0] + " -" + starts[1]);
    }
};

} // namespace

// The sample card's views are compared through the batch front end; this card
// holds what the sample does not: odd past-race texts, a race without entries.
TEST_F(CardViewsTest, TheProgramAndSelectionsOfAnOddCard) {
    const auto root = window.root();
    Program_Click(form);
    EXPECT_EQ(form.CurrentRace, 4) << "no race of the card stays current";
    form.CurrentRace = 1;
    Selections_Click(form);
    EXPECT_EQ(form.CurrentRace, 4);
    EXPECT_EQ(readFile(root.programsFolder() / "   CT_20261205.ppp"),
              readFile(fixtures / "program.ppp"));
    EXPECT_EQ(readFile(root.selectionsFolder() / "   CT_20261205.pms"),
              readFile(fixtures / "selections.pms"));
    EXPECT_EQ(card.PastLen1.valueAt(1, 1), "    nk ") << "the card keeps the formatted texts";
    Program_Click(form);
    EXPECT_EQ(readFile(root.programsFolder() / "   CT_20261205.ppp"),
              readFile(fixtures / "program.ppp"))
        << "formatted texts read back alike";
}

TEST(ConfidenceMark, FollowsTheMarginOfTheLastFourCharacters) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"", "", "DEAD HEAT\r\nVDH\r\n"}, {" 50.0", " 50.3", "VDH\r\n"},
        {" 50.0", " 49.0", "VDH\r\n"},    {" 50.0", " 52.0", "$$\r\n"},
        {" 50.0", " 53.0", "$$$\r\n"},    {" 50.0", " 54.0", "$$$$\r\n"},
        {"100.2", "101.5", "$$\r\n"},
    };
    for (const auto& [pick1, pick2, mark] : cases)
        EXPECT_EQ(confidenceMark("   7   7 Pick One" + pick1, "   3   3 Pick Two" + pick2), mark)
            << pick1 << " " << pick2;
}
