#include "results/ResultsCommands.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path fixtures = TALLOWMERE_FIXTURES;
const std::filesystem::path samples = TALLOWMERE_SAMPLES;
const std::string sampleCard = "   CT_20261205.pmd";
const std::string sampleChart = "   CT_20261205.pmr";

// The sample card active, with race `shown` on screen and the sample track list.
struct AutoRecordWindow : TestWindow {
    explicit AutoRecordWindow(const char* shown = "3") {
        form.ActiveCardFile = sampleCard;
        form.Label8.caption = shown;
        form.CurrentRace = 10;
        writeFile(form.WorkFolder / "TrackEditor.ini", readFile(samples / "TrackEditor.ini"));
        platform.calls.clear(); // what start-up asked of the desktop
    }
    void useChart(const std::filesystem::path& file) {
        writeFile(root().resultsFolder() / sampleChart, readFile(file));
    }
};

} // namespace

TEST(AutoRecord, RecordsTheWholeChartAndShowsTheRaceOnScreen) {
    AutoRecordWindow window;
    Form1& form = window.form;
    window.useChart(samples / "results.pmr");
    EBET_Click(form);
    EXPECT_TRUE(window.platform.calls.empty());
    EXPECT_EQ(form.CurrentRace, 9);

    // The race on screen and the whole chart's record are compared in the batch
    // front end's expected outputs; these are what those do not show.
    const auto& payoffs = form.Records.CardPayoffs;
    EXPECT_EQ(payoffs.valueAt(1, 1), "  5.40") << "races off screen stay right-aligned";
    EXPECT_EQ(payoffs.valueAt(3, 1), "6.20") << "the race on screen is trimmed in place";
    EXPECT_EQ(form.Records.CardPicks.valueAt(10, 5), "") << "the card has nine races";
}

TEST(AutoRecord, RunningTwiceGivesTheSameArrays) {
    AutoRecordWindow window;
    window.useChart(samples / "results.pmr");
    EBET_Click(window.form);
    const RecordArrays once = window.form.Records;
    EBET_Click(window.form);
    EXPECT_EQ(window.form.Records, once);
}

TEST(AutoRecord, AChartOfAnotherDateIsRefusedAndNothingIsRecorded) {
    AutoRecordWindow window;
    Form1& form = window.form;
    form.Records.CardPayoffs.set(3, 1, "  6.20");
    const RecordArrays before = form.Records;
    window.useChart(fixtures / "charts" / "another-date.pmr");
    EBET_Click(form);
    EXPECT_EQ(window.platform.calls,
              (std::vector<std::string>{"beep",
                                        "message Active File and Results File do not match!  "
                                        "Record Results cannot continue! Check TRC file for "
                                        "correct date and track.",
                                        "message    CT_20261205CT_20261206"}));
    for (const Message& message : window.platform.messages) {
        EXPECT_EQ(message.title, "Tallowmere TB");
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(message.icon, MessageIcon::None);
    }
    EXPECT_EQ(form.Records, before);
    EXPECT_EQ(form.CurrentRace, 10);
    EXPECT_EQ(form.Text57.valueAt(1).text, "") << "a refused chart ends Auto Record: no display";
}

TEST(AutoRecord, AMissingChartOnlyReShowsTheRaceOnScreen) {
    AutoRecordWindow window("2");
    Form1& form = window.form;
    form.Records.CardPicks.set(2, 5, " 4");
    form.Records.CardPayoffs.set(2, 1, "  7.20");
    form.Records.CardPayoffs.set(2, 10, "Scr 3");
    form.Records.CardPayoffs.set(1, 1, "  5.40");
    EBET_Click(form);
    EXPECT_TRUE(window.platform.calls.empty());
    EXPECT_EQ(form.CurrentRace, 10);
    EXPECT_EQ(form.Text39(5).text, " 4");
    EXPECT_EQ(form.Text57.valueAt(1).text, "7.20");
    EXPECT_EQ(form.Records.CardPayoffs.valueAt(2, 1), "7.20");
    EXPECT_EQ(form.Records.CardPayoffs.valueAt(2, 10), "Scr 3") << "column 10 is not touched";
    EXPECT_EQ(form.Records.CardPayoffs.valueAt(1, 1), "  5.40") << "race 1 is not on screen";
}

TEST(AutoRecord, NoRaceOnScreenShowsNothing) {
    AutoRecordWindow window("RN");
    window.useChart(samples / "results.pmr");
    EBET_Click(window.form);
    EXPECT_EQ(window.form.Records.CardPayoffs.valueAt(3, 1), "  6.20");
    EXPECT_EQ(window.form.Text57.valueAt(1).text, "");
    EXPECT_EQ(window.form.Text39(5).text, "");
}

TEST(AutoRecord, AChartEndingInsideTheFinisherLinesKeepsWhatWasRecorded) {
    AutoRecordWindow window("2");
    Form1& form = window.form;
    form.Records.CardPayoffs.set(2, 6, "  9.99");
    window.useChart(fixtures / "charts" / "ends-inside-finishers.pmr");
    EBET_Click(form);
    EXPECT_TRUE(window.platform.calls.empty());
    EXPECT_EQ(form.CurrentRace, 2);
    EXPECT_EQ(form.Records.CardPayoffs.valueAt(1, 9), "1,912.40");
    EXPECT_EQ(form.Text39(6).text, " 6");
    EXPECT_EQ(form.Text39(7).text, "") << "the third finisher line is missing";
    EXPECT_EQ(form.Text57.valueAt(5).text, "3.20");
    EXPECT_EQ(form.Text57.valueAt(6).text, "9.99") << "what the chart does not give stays";
}
