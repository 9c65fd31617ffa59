#include "cli/BatchRun.h"

#include "SyntheticCard.h"
#include "cli/BatchCommands.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

using tallowmere::cli::runBatch;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path cliFixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "cli";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

const std::string usage =
    "usage: tallowmere-cli [--data-root DIR] [--work-dir DIR] [--no] COMMAND [ARGS]...\n"
    "commands: start, race N, prev, next, scratch N, type Text39|Text57 I TEXT, state,\n"
    "          grid 1|2|3, test, close, exit, new-recall, main-screen, summary, record,\n"
    "          key-entries, program, selections, entries, auto-record, results,\n"
    "          edit archives|tracks, link TM|DRF|TRC|PTR, about, version,\n"
    "          profile ALL|SELECTOR, print, print-profile, replay FOLDER [--into-archive],\n"
    "          profile-chart SELECTOR FILE.svg, profile-stats SELECTOR,\n"
    "          export profile|summary FILE\n";

// Runs against a fresh data root; "ROOT" in the output stands for its path.
struct BatchTest : ::testing::Test {
    TempFolder root;

    Outcome run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data-root", root.path().string()});
        return runRaw(arguments);
    }

    Outcome runRaw(const std::vector<std::string>& arguments) {
        std::ostringstream out, err;
        const int status = runBatch(arguments, out, err, "/opt/tm");
        return {status, withRootNamed(out.str()), withRootNamed(err.str())};
    }

    std::string withRootNamed(std::string text) const {
        const std::string path = root.path().string();
        for (auto at = text.find(path); at != std::string::npos; at = text.find(path, at))
            text.replace(at, path.size(), "ROOT");
        return text;
    }

    void copySampleCard() {
        const auto samples = std::filesystem::path(TALLOWMERE_SAMPLES);
        std::filesystem::create_directories(root / "TrackMaster ExE Files");
        for (const auto& table : std::filesystem::directory_iterator(samples / "card"))
            std::filesystem::copy_file(table.path(),
                                       root / "TrackMaster ExE Files" / table.path().filename());
        std::filesystem::copy_file(samples / "TrackEditor.ini", root / "TrackEditor.ini");
    }

    // The sample card's results chart, where Auto Record looks for it.
    void copySampleChart() {
        std::filesystem::create_directories(root / "Results");
        std::filesystem::copy_file(std::filesystem::path(TALLOWMERE_SAMPLES) / "results.pmr",
                                   root / "Results" / "   CT_20261205.pmr");
    }
};

} // namespace

TEST_F(BatchTest, UsageErrorsRunNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"version", "summaries"}, "unknown command summaries"},
        {{"version", "grid"}, "grid: missing argument"},
        {{"version", "profile"}, "profile: missing argument"},
        {{"version", "grid", "4"}, "grid: bad argument 4"},
        {{"link", "tm"}, "link: bad argument tm"},
        {{"edit", "notes"}, "edit: bad argument notes"},
        {{"race", "21"}, "race: bad argument 21"},
        {{"scratch", "0"}, "scratch: bad argument 0"},
        {{"type", "Text39", "9", "x"}, "type: bad argument Text39 9 x"},
        {{"type", "Text57", "0"}, "type: missing argument"},
        {{"type", "Label8", "1", "x"}, "type: bad argument Label8 1 x"},
        {{"version", "exit", "version"}, "version after the program has ended"},
        {{"new-recall", "state"}, "state after the program has ended"},
        {{"--bogus", "version"}, "bad option --bogus"},
    };
    for (const auto& [arguments, problem] : cases) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "tallowmere-cli: " + problem + "\n" + usage);
    }
    EXPECT_EQ(runRaw({"--data-root"}).err, "tallowmere-cli: bad option --data-root\n" + usage);
}

TEST_F(BatchTest, MenusAndLinksPrintWhatTheyWouldOpen) {
    const Outcome outcome = run({"about", "version", "link", "TM", "link", "DRF", "link", "TRC",
                                 "link", "PTR", "edit", "archives", "edit", "tracks", "test"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "MESSAGE Tallowmere TB: Tallowmere Thoroughbred PRO\\nHandicapping software for "
              "Thoroughbred racing. Past performance is no guarantee of future results.\n"
              "MESSAGE Tallowmere TB: Tallowmere Thoroughbred PRO v2.0\n"
              "OPEN https://www.trackmaster.com/\n"
              "OPEN https://www.drf.com/\n"
              "OPEN https://www.equibase.com/\n"
              "OPEN https://www.tallowmere.example/revisions\n"
              "VIEW ROOT/TBA.ini\n"
              "VIEW ROOT/TrackEditor.ini\n");
}

TEST_F(BatchTest, TheWorkingFolderCanBeNamed) {
    TempFolder work;
    const Outcome outcome = run({"--work-dir", work.path().string(), "edit", "tracks"});
    EXPECT_EQ(outcome.out, "VIEW " + work.path().string() + "/TrackEditor.ini\n");
}

TEST_F(BatchTest, RefusesAClickTheWindowWouldRefuseAndStopsThere) {
    copySampleCard();
    Outcome outcome = run({"start", "start", "version"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "tallowmere-cli: start refused: Command1 is disabled\n");

    outcome = run({"main-screen"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "tallowmere-cli: main-screen refused: menu item MainScreen is hidden or disabled\n");

    outcome = run({"version", "start", "exit"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "MESSAGE Tallowmere TB: Tallowmere Thoroughbred PRO v2.0\n");
    EXPECT_EQ(outcome.err,
              "tallowmere-cli: exit refused: menu item Exit_Program is hidden or disabled\n");

    outcome = run({"start", "new-recall"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "tallowmere-cli: new-recall refused: menu item NewRC is hidden or disabled\n");

    EXPECT_EQ(run({"start", "close", "exit"}).status, 0) << "Close enables Exit again";
}

TEST_F(BatchTest, TwoMismatchesInARowKeepBothBackups) {
    const auto writeCard = [this](int races) {
        tallowmere::cardgen::CardRequest request;
        request.shape = {races, 3, 2};
        request.track = "SAR";
        tallowmere::cardgen::writeCardTables(tallowmere::cardgen::makeCard(request),
                                             root / "TrackMaster ExE Files");
    };
    const std::string file = "ROOT/Race Cards/  SAR_20261205.pmd";
    const auto onDisk = [&](const std::string& name) {
        return readFile(root / "Race Cards" / ("  SAR_20261205.pmd" + name));
    };
    const auto keptAs = [&](const std::string& backup) {
        return "MESSAGE Tallowmere TB: The saved race card " + file +
               " does not match this card and was not loaded. It will be kept as " + file + backup +
               ".\n";
    };
    writeCard(3);
    ASSERT_EQ(run({"start", "type", "Text39", "5", "7", "close"}).status, 0);
    const std::string typedResults = onDisk("");
    writeCard(2);
    EXPECT_EQ(run({"start", "close"}).out, keptAs(".bak"));
    const std::string twoRaces = onDisk("");
    writeCard(3);
    EXPECT_EQ(run({"start", "close"}).out, keptAs(".bak2"));
    EXPECT_EQ(onDisk(".bak"), typedResults);
    EXPECT_NE(typedResults.find("\"7\""), std::string::npos);
    EXPECT_EQ(onDisk(".bak2"), twoRaces);
}

TEST_F(BatchTest, NewRecallStartsTheCardChooserAndHidesTheCardsFiles) {
    const Outcome outcome = run({"--no", "--work-dir", "/srv/work", "new-recall"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "RUN /opt/tm/tallowmere-cards --data-root ROOT --work-dir /srv/work\n");
    EXPECT_NE(readFile(root / "TrackMaster ExE Files" / ".hidden").find("RACEDR.DBF\n"),
              std::string::npos);
}

TEST_F(BatchTest, AFreshWindowsGridAndState) {
    const Outcome outcome = run({"grid", "1", "state"});
    EXPECT_EQ(outcome.status, 0);
    std::string expected =
        "\tDate\tTrack\tCd\tD&S\tT1\tT2\tT3\tFin\tNWR\tClass\tCR\tSF\tPP\tGB\tL1\tL2\tLS\tFIN\t\tWt"
        "\tJockey\tOdds\tPR\n" +
        std::string(23, '\t') + "\n" +
        "Label1=Track\nLabel2=Purse\nLabel3(0)=Conditions\nLabel3(1)=Conditions\n"
        "Label4(0)=Track Name\nLabel4(1)=\nLabel4(2)=\nLabel4(3)=\nLabel5=Date\nLabel6=Wagering\n"
        "Label8=RN\nLabel10=Time\nLabel13=f\nLabel15=CR\nLabel17=Scr\n";
    for (int i = 1; i <= 8; ++i)
        expected += "Text39(" + std::to_string(i) + ")=\n";
    for (int i = 0; i <= 9; ++i)
        expected += "Text57(" + std::to_string(i) + ")=\n";
    expected += "Command1=Start\n";
    for (int i = 1; i <= 20; ++i)
        expected += "Command3(" + std::to_string(i) + ")=\n";
    EXPECT_EQ(outcome.out, expected);
}

TEST_F(BatchTest, StartOnTheSampleCardShowsRaceOne) {
    copySampleCard();
    const Outcome outcome = run({"start", "state", "grid", "1"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "cli" /
                                    "sample-start-state-grid1.txt"));
}

TEST_F(BatchTest, CloseAfterStartSavesTheSampleCard) {
    copySampleCard();
    const Outcome outcome = run({"start", "key-entries", "close", "state"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')),
              "VIEW ROOT/Selections2/   CT_20261205.pms2");
    const std::string saved = readFile(root / "Race Cards" / "   CT_20261205.pmd");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 9 * 18);
    EXPECT_EQ(saved.substr(0, 10), "\"1\"\r\n\"2\"\r\n");
    EXPECT_NE(outcome.out.find("Label1=Track\n"), std::string::npos);
}

TEST_F(BatchTest, KeyEntriesWithoutACardShowNothing) {
    const Outcome outcome = run({"key-entries", "program", "selections", "entries"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    for (const char* folder : {"Programs", "Selections", "Entries"})
        EXPECT_TRUE(std::filesystem::is_empty(root / folder)) << folder;
}

TEST_F(BatchTest, TheViewsOfTheSampleCardAndTheRaceShownAfter) {
    copySampleCard();
    const Outcome outcome = run({"start", "program", "selections", "entries", "key-entries", "race",
                                 "2", "state", "grid", "1"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const auto fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "cli";
    EXPECT_EQ(outcome.out, readFile(fixtures / "sample-views-race2.txt"));
    for (const char* file : {"Programs/   CT_20261205.ppp", "Selections/   CT_20261205.pms",
                             "Entries/   CT_20261205.pmx"})
        EXPECT_EQ(
            readFile(root / file),
            readFile(fixtures / ("sample" + std::filesystem::path(file).extension().string())))
            << file;
}

TEST_F(BatchTest, RacesTypedBoxesAndAScratchOnTheSampleCard) {
    copySampleCard();
    const Outcome outcome =
        run({"start", "race", "3", "type", "Text39", "5", "4", "type", "Text57", "1", "12.40",
             "next", "prev", "scratch", "2", "state", "grid", "1"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "cli" /
                                    "sample-race-type-scratch.txt"));
}

TEST_F(BatchTest, ADeclinedScratchChangesNothing) {
    copySampleCard();
    const Outcome declined = run({"--no", "start", "scratch", "1", "grid", "1"});
    const Outcome untouched = run({"start", "grid", "1"});
    EXPECT_EQ(declined.out, "MESSAGE Scratch Entry: Are you sure you want to Scratch 1  Distant "
                            "Sonnet ?    \n" +
                                untouched.out);
}

TEST_F(BatchTest, RaceAndScratchButtonsOfNoCardAreRefused) {
    Outcome outcome = run({"race", "1"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "tallowmere-cli: race refused: Command2(1) is hidden\n");
    outcome = run({"scratch", "1"});
    EXPECT_EQ(outcome.err, "tallowmere-cli: scratch refused: Command3(1) is hidden\n");
    EXPECT_EQ(run({"prev", "next", "state"}).out, run({"state"}).out)
        << "< and > with no card change nothing";

    copySampleCard();
    outcome = run({"start", "race", "10"});
    EXPECT_EQ(outcome.err, "tallowmere-cli: race refused: Command2(10) is hidden\n");
    outcome = run({"start", "scratch", "9"});
    EXPECT_EQ(outcome.err, "tallowmere-cli: scratch refused: Command3(9) is hidden\n");
}

TEST_F(BatchTest, AutoRecordOnTheSampleCardShowsTheRaceOnScreen) {
    copySampleCard();
    copySampleChart();
    const Outcome outcome = run({"start", "auto-record", "state", "race", "3", "state", "results"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "cli" /
                                    "sample-auto-record-race3.txt"));
}

TEST_F(BatchTest, TheSampleCardFromItsChartToTheArchive) {
    copySampleCard();
    copySampleChart();
    const Outcome outcome = run({"start", "auto-record", "summary", "record", "close"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    const std::filesystem::path expected = std::filesystem::path(TALLOWMERE_FIXTURES) / "cli";
    EXPECT_EQ(readFile(root / "Todays Results.txt"),
              readFile(expected / "sample-chart-todays-results.txt"));
    EXPECT_EQ(readFile(root / "TBA.ini"), readFile(expected / "sample-chart-archive.ini"));
}

TEST_F(BatchTest, AutoRecordAndResultsAreRefusedWhenTheirMenuItemCannotBeClicked) {
    tallowmere::testing::RecordingPlatform platform;
    tallowmere::Form1 form{platform};
    for (const char* name : {"auto-record", "results"})
        EXPECT_EQ(tallowmere::cli::findBatchCommand(name)->refusal(form, {}), std::nullopt) << name;
    form.menus.EBET.visible = false;
    form.menus.Results.enabled = false;
    EXPECT_EQ(tallowmere::cli::findBatchCommand("auto-record")->refusal(form, {}),
              "menu item EBET is hidden or disabled");
    EXPECT_EQ(tallowmere::cli::findBatchCommand("results")->refusal(form, {}),
              "menu item Results is hidden or disabled");
    form.menus.Results.enabled = true;
    form.menus.Tools.visible = false;
    EXPECT_NE(tallowmere::cli::findBatchCommand("results")->refusal(form, {}), std::nullopt)
        << "the Tools menu hidden";
}

TEST_F(BatchTest, AutoRecordWithoutACardRecordsNothing) {
    const Outcome outcome = run({"auto-record", "results", "state"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "VIEW ROOT/Results/pmr\n" + run({"state"}).out);
}

namespace {

// The commands that type a race's four finishers and nine payoffs.
void typeResults(std::vector<std::string>& commands, const std::vector<std::string>& finishers,
                 const std::vector<std::string>& payoffs) {
    for (std::size_t i = 0; i < finishers.size(); ++i)
        commands.insert(commands.end(), {"type", "Text39", std::to_string(5 + i), finishers[i]});
    for (std::size_t i = 0; i < payoffs.size(); ++i)
        commands.insert(commands.end(), {"type", "Text57", std::to_string(1 + i), payoffs[i]});
}

} // namespace

TEST_F(BatchTest, SummaryAndRecordOfTypedResultsOnTheSampleCard) {
    copySampleCard();
    // Another card archived by an editor that left no line end after it.
    const std::string archived = readFile(cliFixtures / "archive-before.ini");
    writeFile(root / "TBA.ini", archived);
    std::vector<std::string> commands = {"start"};
    typeResults(commands, {"2", "1", "5", "7"},
                {"8.40", "4.20", "3.00", "5.60", "3.80", "4.10", "38.20", "1,234.50", "12,345.60"});
    commands.insert(commands.end(), {"race", "3"});
    typeResults(commands, {"1", "5", "2", "8"},
                {"6.20", "3.40", "2.60", "4.80", "3.20", "2.90", "18.40", "86.20", "310.00"});
    commands.insert(commands.end(), {"race", "5"});
    typeResults(commands, {"1A", "9", "6", "3"},
                {"9.00", "4.60", "3.20", "7.40", "4.40", "2.10", "64.80", "412.60", "2,075.20"});
    commands.insert(commands.end(), {"summary", "grid", "2", "record"});

    const Outcome outcome = run(commands);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, readFile(cliFixtures / "sample-summary-grid2.txt"));
    EXPECT_EQ(readFile(root / "Todays Results.txt"),
              readFile(cliFixtures / "sample-summary-todays-results.txt"));
    EXPECT_EQ(readFile(root / "TBA.ini"), readFile(cliFixtures / "sample-summary-archive.ini"));
}

TEST_F(BatchTest, RecordNeedsTheSummaryAndWorksOncePerSummary) {
    copySampleCard();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"record"}, "record refused: Command4 is hidden"},
        {{"start", "summary", "record", "record"}, "record refused: Command4 is disabled"},
        {{"start", "summary", "summary"},
         "summary refused: menu item SelectionAndResults is hidden or disabled"},
        {{"start", "summary", "main-screen", "record"}, "record refused: Command4 is hidden"},
        {{"start", "summary", "record", "main-screen", "summary", "record"},
         "record refused: Command4 is disabled"},
    };
    for (const auto& [commands, refusal] : cases) {
        std::filesystem::remove(root / "TBA.ini");
        const Outcome outcome = run(commands);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, "tallowmere-cli: " + refusal + "\n");
    }
}
