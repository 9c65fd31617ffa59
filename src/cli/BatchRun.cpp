#include "cli/BatchRun.h"

#include "app/AppCommands.h"
#include "card/DataRoot.h"
#include "cli/BatchPlatform.h"
#include "cli/WindowPrinting.h"
#include "rating/HandicappingRun.h"
#include "selection/KeyEntries.h"

#include <functional>
#include <optional>
#include <string_view>

namespace tallowmere::cli {
namespace {

using Args = std::vector<std::string>;

constexpr std::string_view usage =
    "usage: tallowmere-cli [--data-root DIR] [--work-dir DIR] [--no] COMMAND [ARGS]...\n"
    "commands: start, state, grid 1|2|3, test, close, exit, new-recall, main-screen,\n"
    "          key-entries,\n"
    "          edit archives|tracks, link TM|DRF|TRC|PTR, about, version\n";

struct CommandSpec {
    std::string_view name;
    std::vector<std::vector<std::string_view>> argumentChoices; // one list per argument
    // The control a click needs, when it is hidden or disabled now.
    std::function<std::optional<std::string>(const Form1&, const Args&)> refusal;
    std::function<void(Form1&, const Args&, std::ostream&)> run;
    bool endsTheRun = false;
};

std::function<std::optional<std::string>(const Form1&, const Args&)>
needsMenuItem(MenuItemOf item) {
    return [item](const Form1& form, const Args&) -> std::optional<std::string> {
        if (canClick(form.menus, item))
            return std::nullopt;
        return "menu item " + (form.menus.*item).name + " is hidden or disabled";
    };
}

std::optional<std::string> needsStartButton(const Form1& form, const Args&) {
    if (!form.Command1.visible)
        return "Command1 is hidden";
    if (!form.Command1.enabled)
        return "Command1 is disabled";
    return std::nullopt;
}

std::optional<std::string> always(const Form1&, const Args&) {
    return std::nullopt;
}

template <void (*command)(Form1&)> void click(Form1& form, const Args&, std::ostream&) {
    command(form);
}

const std::vector<CommandSpec>& commands() {
    static const std::vector<CommandSpec> table = {
        {"start", {}, needsStartButton, click<Command1_Click>},
        {"state",
         {},
         always,
         [](Form1& form, const Args&, std::ostream& out) { printState(form, out); }},
        {"grid",
         {{"1", "2", "3"}},
         always,
         [](Form1& form, const Args& args, std::ostream& out) {
             printGrid(*gridNumber(form, std::stoi(args[0])), out);
         }},
        {"test", {}, needsMenuItem(&Menus::Test), click<Test_Click>},
        {"close", {}, needsMenuItem(&Menus::CRC), click<CRC_Click>},
        {"exit", {}, needsMenuItem(&Menus::Exit_Program), click<Exit_Program_Click>, true},
        {"new-recall", {}, needsMenuItem(&Menus::NewRC), click<NewRC_Click>, true},
        {"main-screen", {}, needsMenuItem(&Menus::MainScreen), click<MainScreen_Click>},
        {"edit",
         {{"archives", "tracks"}},
         [](const Form1& form, const Args& args) {
             return needsMenuItem(args[0] == "archives" ? &Menus::ArchivesEditor
                                                        : &Menus::Tracks)(form, args);
         },
         [](Form1& form, const Args& args, std::ostream&) {
             (args[0] == "archives" ? ArchivesEditor_Click : Tracks_Click)(form);
         }},
        {"link",
         {{"TM", "DRF", "TRC", "PTR"}},
         [](const Form1& form, const Args& args) {
             const std::string& page = args[0];
             return needsMenuItem(page == "TM"    ? &Menus::TM
                                  : page == "DRF" ? &Menus::DRF
                                  : page == "TRC" ? &Menus::TRC
                                                  : &Menus::PTR)(form, args);
         },
         [](Form1& form, const Args& args, std::ostream&) {
             const std::string& page = args[0];
             (page == "TM"    ? TM_Click
              : page == "DRF" ? DRF_Click
              : page == "TRC" ? TRC_Click
                              : PTR_Click)(form);
         }},
        {"key-entries", {}, needsMenuItem(&Menus::Pick3), click<Pick3_Click>},
        {"about", {}, needsMenuItem(&Menus::About), click<About_Click>},
        {"version", {}, needsMenuItem(&Menus::Version), click<Version_Click>},
    };
    return table;
}

struct Invocation {
    const CommandSpec* command;
    Args arguments;
};

struct Request {
    std::filesystem::path dataRoot = defaultDataRoot();
    std::optional<std::filesystem::path> workFolder;
    bool answerNo = false;
    std::vector<Invocation> invocations;
};

const CommandSpec* findCommand(std::string_view name) {
    for (const auto& command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

bool isChoice(const std::vector<std::string_view>& choices, const std::string& argument) {
    for (auto choice : choices)
        if (choice == argument)
            return true;
    return false;
}

// Reads the whole command line first; the reason it cannot be run, or the request.
std::optional<std::string> parse(const Args& arguments, Request& request) {
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i].rfind("--", 0) == 0; ++i) {
        const std::string& option = arguments[i];
        if (option == "--no") {
            request.answerNo = true;
        } else if ((option == "--data-root" || option == "--work-dir") &&
                   i + 1 < arguments.size() && !arguments[i + 1].empty()) {
            (option == "--data-root" ? request.dataRoot : request.workFolder.emplace()) =
                arguments[++i];
        } else {
            return "bad option " + option;
        }
    }
    if (i == arguments.size())
        return "no command given";
    bool ended = false;
    while (i < arguments.size()) {
        const std::string& name = arguments[i++];
        const CommandSpec* command = findCommand(name);
        if (!command)
            return "unknown command " + name;
        if (ended)
            return name + " after the program has ended";
        Invocation invocation{command, {}};
        for (const auto& choices : command->argumentChoices) {
            if (i == arguments.size() || !isChoice(choices, arguments[i]))
                return name + ": missing or bad argument" +
                       (i < arguments.size() ? " " + arguments[i] : std::string{});
            invocation.arguments.push_back(arguments[i++]);
        }
        ended = command->endsTheRun;
        request.invocations.push_back(std::move(invocation));
    }
    return std::nullopt;
}

std::filesystem::path absoluteFolder(const std::filesystem::path& folder) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error);
    return (error ? folder : absolute).lexically_normal();
}

} // namespace

int runBatch(const Args& arguments, std::ostream& out, std::ostream& err,
             const std::filesystem::path& programFolder) {
    Request request;
    if (const auto problem = parse(arguments, request)) {
        err << "tallowmere-cli: " << *problem << "\n" << usage;
        return 2;
    }
    BatchPlatform platform(out, request.answerNo);
    Form1 form(platform);
    form.DataRoot = absoluteFolder(request.dataRoot);
    form.WorkFolder = request.workFolder ? absoluteFolder(*request.workFolder) : form.DataRoot;
    form.ProgramFolder = programFolder;
    Form_Load(form);
    for (const auto& [command, args] : request.invocations) {
        if (const auto refusal = command->refusal(form, args)) {
            out.flush();
            err << "tallowmere-cli: " << command->name << " refused: " << *refusal << "\n";
            return 2;
        }
        command->run(form, args, out);
        if (platform.ended())
            break;
    }
    return 0;
}

} // namespace tallowmere::cli
