#include "app/CommandTable.h"

#include "app/AnalysisCommands.h"
#include "app/AppCommands.h"
#include "app/WindowPrinting.h"
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
#include <stdexcept>

namespace tallowmere {
namespace {

using Args = CommandArgs;
using ArgumentCheck = std::function<bool(const Args&)>;
using M = Menus;

std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

// Its arity is all a command without a choice of arguments asks of them.
bool anyArguments(const Args&) {
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

template <Refusal (*rule)(const Form1&)> Refusal refusedBy(const Form1& form, const Args&) {
    return rule(form);
}

template <Refusal (*rule)(const Form1&, int)>
Refusal refusedAt(const Form1& form, const Args& args) {
    return rule(form, std::stoi(args[0]));
}

template <void (*command)(Form1&)> bool click(Form1& form, const Args&, std::ostream&) {
    command(form);
    return true;
}

template <void (*command)(Form1&, int)> bool clickAt(Form1& form, const Args& args, std::ostream&) {
    command(form, std::stoi(args[0]));
    return true;
}

// The menu item of each argument, in the order of the argument's choices.
struct ItemChoice {
    std::string argument;
    MenuItemOf item;
    void (*command)(Form1&);
};

// A word whose argument picks one of several menu items ("link TM").
Command pickedItem(std::string_view name, std::string_view word, std::vector<ItemChoice> choices) {
    std::vector<std::string> arguments;
    std::vector<MenuEntry> entries;
    for (const auto& choice : choices) {
        arguments.push_back(choice.argument);
        entries.push_back({choice.item, {choice.argument}});
    }
    const auto chosen = [choices](const Args& args) {
        return *std::find_if(choices.begin(), choices.end(),
                             [&](const ItemChoice& choice) { return choice.argument == args[0]; });
    };
    return {name,
            word,
            1,
            oneOf(arguments),
            [chosen](const Form1& form, const Args& args) {
                return needsMenuItem(form, chosen(args).item);
            },
            [chosen](Form1& form, const Args& args, std::ostream&) {
                chosen(args).command(form);
                return true;
            },
            entries};
}

// A menu item with a word of its own and no arguments.
template <MenuItemOf item, void (*command)(Form1&)>
Command menuCommand(std::string_view name, std::string_view word, bool endsTheProgram = false) {
    return {name,
            word,
            0,
            anyArguments,
            needsItem<item>,
            click<command>,
            {{item, {}}},
            WindowAsks::Nothing,
            endsTheProgram};
}

bool typeInto(Form1& form, const Args& args, std::ostream&) {
    const int index = std::stoi(args[1]);
    if (args[0] == "Text39")
        form.setText39(index, args[2]);
    else
        form.Text57.find(index)->text = args[2];
    return true;
}

Refusal typingRefusal(const Form1& form, const Args& args) {
    if (args[0] == "Text39")
        return text39Refusal(form, std::stoi(args[1]));
    return std::nullopt; // the tote board's boxes always take it
}

// "ALL" is Betting Profiles > All Tracks; any other text is Select Track and
// then a click on that text in the track list, shown there or not, which is
// also what the items of Size Group do.
bool showProfile(Form1& form, const Args& args, std::ostream&) {
    if (args[0] == "ALL") {
        ALL_Click(form);
        return true;
    }
    Select_Click(form);
    List1_Click(form, args[0]);
    return true;
}

Refusal profileRefusal(const Form1& form, const Args& args) {
    return needsMenuItem(form, args[0] == "ALL" ? &M::ALL : &M::Select);
}

std::vector<Command> makeCommandTable() {
    return {
        {"Start", "start", 0, anyArguments, refusedBy<startRefusal>, click<Command1_Click>},
        {"Race", "race", 1, numberFrom(1, 20), refusedAt<raceButtonRefusal>,
         clickAt<Command2_Click>},
        {"Previous Race", "prev", 0, anyArguments, refusedBy<previousRaceRefusal>,
         click<Command5_Click>},
        {"Next Race", "next", 0, anyArguments, refusedBy<nextRaceRefusal>, click<Command6_Click>},
        {"Scratch", "scratch", 1, numberFrom(1, 20), refusedAt<scratchRefusal>,
         clickAt<Command3_Click>},
        {"Record", "record", 0, anyArguments, refusedBy<recordRefusal>, click<Command4_Click>},
        {"Type", "type", 3, typedBox, typingRefusal, typeInto},
        {"Track List", "", 1, anyArguments, always,
         [](Form1& form, const Args& args, std::ostream&) {
             List1_Click(form, args[0]);
             return true;
         }},
        {"Window State", "state", 0, anyArguments, always,
         [](Form1& form, const Args&, std::ostream& out) {
             printState(form, out);
             return true;
         }},
        {"Grid", "grid", 1, oneOf({"1", "2", "3"}), always,
         [](Form1& form, const Args& args, std::ostream& out) {
             printGrid(*gridNumber(form, std::stoi(args[0])), out);
             return true;
         }},
        menuCommand<&M::NewRC, NewRC_Click>("New/Recall Race Card", "new-recall", true),
        menuCommand<&M::CRC, CRC_Click>("Close Race Card", "close"),
        menuCommand<&M::Selections, Selections_Click>("View Selections", "selections"),
        menuCommand<&M::Pick3, Pick3_Click>("View KEY Entries", "key-entries"),
        menuCommand<&M::Program, Program_Click>("View Program", "program"),
        menuCommand<&M::Entries, Entries_Click>("Entries List", "entries"),
        menuCommand<&M::Exit_Program, Exit_Program_Click>("Exit", "exit", true),
        {"Export",
         "export",
         2,
         oneOf({"profile", "summary"}),
         exportRefusal,
         exportGrid,
         {{&M::Export, {}}},
         WindowAsks::ExportFile},
        menuCommand<&M::MainScreen, MainScreen_Click>("Main Screen", "main-screen"),
        menuCommand<&M::SelectionAndResults, SelectionAndResults_Click>(
            "Selection & Results Summary", "summary"),
        {"Betting Profile",
         "profile",
         1,
         anyArguments,
         profileRefusal,
         showProfile,
         {{&M::ALL, {"ALL"}},
          {&M::Size1_2, {"1/2"}},
          {&M::Size5_8, {"5/8"}},
          {&M::Size7_8, {"7/8"}},
          {&M::Size1M, {"1.M"}},
          {&M::Size1Q, {"1.Q"}}}},
        menuCommand<&M::Select, Select_Click>("Select Track", ""),
        pickedItem("Web Page", "link",
                   {{"TM", &M::TM, TM_Click},
                    {"DRF", &M::DRF, DRF_Click},
                    {"TRC", &M::TRC, TRC_Click},
                    {"PTR", &M::PTR, PTR_Click}}),
        menuCommand<&M::Results, Results_Click>("Results", "results"),
        menuCommand<&M::EBET, EBET_Click>("Auto Record", "auto-record"),
        menuCommand<&M::Test, Test_Click>("Test", "test"),
        menuCommand<&M::Print2, Print2_Click>("Print Profile", "print-profile"),
        menuCommand<&M::Print1, Print1_Click>("Print", "print"),
        pickedItem("Editor", "edit",
                   {{"archives", &M::ArchivesEditor, ArchivesEditor_Click},
                    {"tracks", &M::Tracks, Tracks_Click}}),
        {"Replay Cards",
         "replay",
         1,
         anyArguments,
         always,
         replayCards,
         {{&M::Replay, {}}},
         WindowAsks::SeasonFolder,
         false,
         "--into-archive",
         notAFolder},
        {"Import Chart",
         "import-chart",
         1,
         anyArguments,
         needsItem<&M::ImportChart>,
         [](Form1& form, const Args& args, std::ostream&) {
             return ImportChart_Click(form, args[0]);
         },
         {{&M::ImportChart, {}}},
         WindowAsks::ChartFile},
        {"Profile Chart", "profile-chart", 2, svgFile, always, writeProfileChart},
        {"Profile Stats", "profile-stats", 1, anyArguments, always, printProfileStats},
        menuCommand<&M::About, About_Click>("About", "about"),
        menuCommand<&M::Version, Version_Click>("Version", "version"),
    };
}

} // namespace

const std::vector<Command>& commandTable() {
    static const std::vector<Command> table = makeCommandTable();
    return table;
}

const Command* commandForWord(std::string_view word) {
    if (word.empty())
        return nullptr;
    for (const auto& command : commandTable())
        if (command.word == word)
            return &command;
    return nullptr;
}

const Command& commandNamed(std::string_view name) {
    for (const auto& command : commandTable())
        if (command.name == name)
            return command;
    throw std::logic_error("no command named " + std::string(name));
}

std::optional<std::pair<const Command*, CommandArgs>> commandForMenuItem(MenuItemOf item) {
    for (const auto& command : commandTable())
        for (const auto& entry : command.menuEntries)
            if (entry.item == item)
                return std::make_pair(&command, entry.args);
    return std::nullopt;
}

} // namespace tallowmere
