#include "cli/BatchCommands.h"

#include "app/AppCommands.h"
#include "app/ControlRefusals.h"
#include "cli/AnalysisCommands.h"
#include "cli/WindowPrinting.h"
#include "display/RaceDisplay.h"
#include "rating/HandicappingRun.h"
#include "reports/BettingProfile.h"
#include "reports/ProgramView.h"
#include "reports/ReportPrinting.h"
#include "reports/SelectionAndResults.h"
#include "reports/SelectionsView.h"
#include "reports/TrackSelection.h"
#include "results/Archive.h"
#include "results/ResultsCommands.h"
#include "selection/EntriesList.h"
#include "selection/KeyEntries.h"
#include "selection/Scratches.h"

#include <algorithm>
#include <filesystem>

namespace tallowmere::cli {

const std::string_view batchUsage =
    "usage: tallowmere-cli [--data-root DIR] [--work-dir DIR] [--no] COMMAND [ARGS]...\n"
    "commands: start, race N, prev, next, scratch N, type Text39|Text57 I TEXT, state,\n"
    "          grid 1|2|3, test, close, exit, new-recall, main-screen, summary, record,\n"
    "          key-entries, program, selections, entries, auto-record, results,\n"
    "          edit archives|tracks, link TM|DRF|TRC|PTR, about, version,\n"
    "          profile ALL|SELECTOR, print, print-profile, replay FOLDER [--into-archive],\n"
    "          profile-chart SELECTOR FILE.svg, profile-stats SELECTOR,\n"
    "          export profile|summary FILE\n";

namespace {

using ArgumentCheck = std::function<bool(const Args&)>;

std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

bool noArguments(const Args&) {
    return true;
}

ArgumentCheck oneOf(std::vector<std::string> choices) {
    return [choices](const Args& args) {
        return std::find(choices.begin(), choices.end(), args[0]) != choices.end();
    };
}

ArgumentCheck numberFrom(int low, int high) {
    return [low, high](const Args& args) { return numberIn(args[0], low, high).has_value(); };
}

bool anyArguments(const Args&) {
    return true;
}

bool svgFile(const Args& args) {
    return args[1].size() > 4 && args[1].ends_with(".svg");
}

bool typedBox(const Args& args) {
    return (args[0] == "Text39" && numberIn(args[1], 1, 8)) ||
           (args[0] == "Text57" && numberIn(args[1], 0, 9));
}

std::optional<std::string> notAFolder(const Args& args) {
    std::error_code error;
    if (std::filesystem::is_directory(args[0], error))
        return std::nullopt;
    return "\"" + args[0] + "\" is not a folder";
}

Refusal always(const Form1&, const Args&) {
    return std::nullopt;
}

template <void (*command)(Form1&)> bool click(Form1& form, const Args&, std::ostream&) {
    command(form);
    return true;
}

MenuItemOf linkItem(const std::string& page) {
    if (page == "TM")
        return &Menus::TM;
    if (page == "DRF")
        return &Menus::DRF;
    return page == "TRC" ? &Menus::TRC : &Menus::PTR;
}

bool openLink(Form1& form, const Args& args, std::ostream&) {
    const std::string& page = args[0];
    (page == "TM"    ? TM_Click
     : page == "DRF" ? DRF_Click
     : page == "TRC" ? TRC_Click
                     : PTR_Click)(form);
    return true;
}

// "ALL" is Betting Profiles > All Tracks; any other text is Select Track and
// then a click on that text in the track list, shown there or not.
bool showProfile(Form1& form, const Args& args, std::ostream&) {
    if (args[0] == "ALL") {
        ALL_Click(form);
        return true;
    }
    Select_Click(form);
    List1_Click(form, args[0]);
    return true;
}

bool typeInto(Form1& form, const Args& args, std::ostream&) {
    const int index = std::stoi(args[1]);
    if (args[0] == "Text39")
        form.setText39(index, args[2]);
    else
        form.Text57.find(index)->text = args[2];
    return true;
}

const std::vector<BatchCommand>& batchCommands() {
    static const std::vector<BatchCommand> table = {
        {"start", 0, noArguments, [](const Form1& form, const Args&) { return startRefusal(form); },
         click<Command1_Click>},
        {"race", 1, numberFrom(1, 20),
         [](const Form1& form, const Args& args) {
             return raceButtonRefusal(form, std::stoi(args[0]));
         },
         [](Form1& form, const Args& args, std::ostream&) {
             Command2_Click(form, std::stoi(args[0]));
             return true;
         }},
        {"prev", 0, noArguments,
         [](const Form1& form, const Args&) { return previousRaceRefusal(form); },
         click<Command5_Click>},
        {"next", 0, noArguments,
         [](const Form1& form, const Args&) { return nextRaceRefusal(form); },
         click<Command6_Click>},
        {"scratch", 1, numberFrom(1, 20),
         [](const Form1& form, const Args& args) {
             return scratchRefusal(form, std::stoi(args[0]));
         },
         [](Form1& form, const Args& args, std::ostream&) {
             Command3_Click(form, std::stoi(args[0]));
             return true;
         }},
        {"type", 3, typedBox,
         [](const Form1& form, const Args& args) -> Refusal {
             if (args[0] == "Text39")
                 return text39Refusal(form, std::stoi(args[1]));
             return std::nullopt;
         },
         typeInto},
        {"state", 0, noArguments, always,
         [](Form1& form, const Args&, std::ostream& out) {
             printState(form, out);
             return true;
         }},
        {"grid", 1, oneOf({"1", "2", "3"}), always,
         [](Form1& form, const Args& args, std::ostream& out) {
             printGrid(*gridNumber(form, std::stoi(args[0])), out);
             return true;
         }},
        {"test", 0, noArguments, needsItem<&Menus::Test>, click<Test_Click>},
        {"close", 0, noArguments, needsItem<&Menus::CRC>, click<CRC_Click>},
        {"exit", 0, noArguments, needsItem<&Menus::Exit_Program>, click<Exit_Program_Click>, true},
        {"new-recall", 0, noArguments, needsItem<&Menus::NewRC>, click<NewRC_Click>, true},
        {"main-screen", 0, noArguments, needsItem<&Menus::MainScreen>, click<MainScreen_Click>},
        {"summary", 0, noArguments, needsItem<&Menus::SelectionAndResults>,
         click<SelectionAndResults_Click>},
        {"record", 0, noArguments,
         [](const Form1& form, const Args&) { return recordRefusal(form); }, click<Command4_Click>},
        {"key-entries", 0, noArguments, needsItem<&Menus::Pick3>, click<Pick3_Click>},
        {"program", 0, noArguments, needsItem<&Menus::Program>, click<Program_Click>},
        {"selections", 0, noArguments, needsItem<&Menus::Selections>, click<Selections_Click>},
        {"entries", 0, noArguments, needsItem<&Menus::Entries>, click<Entries_Click>},
        {"auto-record", 0, noArguments, needsItem<&Menus::EBET>, click<EBET_Click>},
        {"results", 0, noArguments, needsItem<&Menus::Results>, click<Results_Click>},
        {"edit", 1, oneOf({"archives", "tracks"}),
         [](const Form1& form, const Args& args) {
             return needsMenuItem(form,
                                  args[0] == "archives" ? &Menus::ArchivesEditor : &Menus::Tracks);
         },
         [](Form1& form, const Args& args, std::ostream&) {
             (args[0] == "archives" ? ArchivesEditor_Click : Tracks_Click)(form);
             return true;
         }},
        {"link", 1, oneOf({"TM", "DRF", "TRC", "PTR"}),
         [](const Form1& form, const Args& args) { return needsMenuItem(form, linkItem(args[0])); },
         openLink},
        {"profile", 1, anyArguments,
         [](const Form1& form, const Args& args) {
             return needsMenuItem(form, args[0] == "ALL" ? &Menus::ALL : &Menus::Select);
         },
         showProfile},
        {"print", 0, noArguments, needsItem<&Menus::Print1>, click<Print1_Click>},
        {"print-profile", 0, noArguments, needsItem<&Menus::Print2>, click<Print2_Click>},
        {"replay", 1, anyArguments, always, replayCards, false, "--into-archive", notAFolder},
        {"profile-chart", 2, svgFile, always, writeProfileChart},
        {"profile-stats", 1, anyArguments, always, printProfileStats},
        {"export", 2, oneOf({"profile", "summary"}), exportRefusal, exportGrid},
        {"about", 0, noArguments, needsItem<&Menus::About>, click<About_Click>},
        {"version", 0, noArguments, needsItem<&Menus::Version>, click<Version_Click>},
    };
    return table;
}

} // namespace

const BatchCommand* findBatchCommand(std::string_view name) {
    for (const auto& command : batchCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace tallowmere::cli
