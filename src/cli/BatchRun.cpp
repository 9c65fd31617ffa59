#include "cli/BatchRun.h"

#include "app/AppCommands.h"
#include "app/CommandTable.h"
#include "app/FolderOptions.h"
#include "card/DataRoot.h"
#include "cli/BatchPlatform.h"

#include <optional>

namespace tallowmere::cli {

const std::string_view batchUsage =
    "usage: tallowmere-cli [--data-root DIR] [--work-dir DIR] [--no] COMMAND [ARGS]...\n"
    "commands: start, race N, prev, next, scratch N, type Text39|Text57 I TEXT, state,\n"
    "          grid 1|2|3, test, close, exit, new-recall, main-screen, summary, record,\n"
    "          key-entries, program, selections, entries, auto-record, results,\n"
    "          edit archives|tracks, link TM|DRF|TRC|PTR, about, version,\n"
    "          profile ALL|SELECTOR, print, print-profile, replay FOLDER [--into-archive],\n"
    "          profile-chart SELECTOR FILE.svg, profile-stats SELECTOR,\n"
    "          export profile|summary FILE, import-chart FILE\n";

namespace {

using Args = CommandArgs;

struct Invocation {
    const Command* command;
    Args arguments;
};

struct Request {
    FolderOptions folders;
    bool answerNo = false;
    std::vector<Invocation> invocations;
};

// The options before the first command; the index of that command.
std::optional<std::string> parseOptions(const Args& arguments, Request& request, std::size_t& i) {
    for (; i < arguments.size() && arguments[i].rfind("--", 0) == 0; ++i) {
        if (arguments[i] == "--no")
            request.answerNo = true;
        else if (!takeFolderOption(arguments, i, request.folders))
            return "bad option " + arguments[i];
    }
    return std::nullopt;
}

// Reads the whole command line first; the reason it cannot be run, or nothing.
std::optional<std::string> parse(const Args& arguments, Request& request) {
    std::size_t i = 0;
    if (auto problem = parseOptions(arguments, request, i))
        return problem;
    if (i == arguments.size())
        return "no command given";
    bool ended = false;
    while (i < arguments.size()) {
        const std::string& name = arguments[i++];
        const Command* command = commandForWord(name);
        if (!command)
            return "unknown command " + name;
        if (ended)
            return name + " after the program has ended";
        if (arguments.size() - i < static_cast<std::size_t>(command->arity))
            return name + ": missing argument";
        Invocation invocation{command,
                              Args(arguments.begin() + static_cast<long>(i),
                                   arguments.begin() + static_cast<long>(i) + command->arity)};
        i += static_cast<std::size_t>(command->arity);
        if (!command->optionalWord.empty() && i < arguments.size() &&
            arguments[i] == command->optionalWord)
            invocation.arguments.push_back(arguments[i++]);
        if (!command->argumentsValid(invocation.arguments)) {
            std::string shown;
            for (const auto& argument : invocation.arguments)
                shown += " " + argument;
            return name + ": bad argument" + shown;
        }
        if (command->argumentProblem)
            if (auto problem = command->argumentProblem(invocation.arguments))
                return name + ": " + *problem;
        ended = command->endsTheProgram;
        request.invocations.push_back(std::move(invocation));
    }
    return std::nullopt;
}

} // namespace

int runBatch(const Args& arguments, std::ostream& out, std::ostream& err,
             const std::filesystem::path& programFolder) {
    Request request;
    if (const auto problem = parse(arguments, request)) {
        err << "tallowmere-cli: " << *problem << "\n" << batchUsage;
        return 2;
    }
    BatchPlatform platform(out, request.answerNo);
    Form1 form(platform);
    setFolders(form, request.folders, programFolder);
    // Two programs on one data root would undo each other's saves.
    const auto held = holdDataRoot(form.DataRoot);
    if (!held) {
        err << "tallowmere-cli: " << alreadyWorkingText(form.DataRoot) << "\n";
        return 1;
    }
    Form_Load(form);
    int status = 0;
    for (const auto& [command, args] : request.invocations) {
        if (const auto refusal = command->refusal(form, args)) {
            out.flush();
            err << "tallowmere-cli: " << command->word << " refused: " << *refusal << "\n";
            return 2;
        }
        if (!command->run(form, args, out))
            status = 1;
        if (platform.ended())
            break;
    }
    return status;
}

} // namespace tallowmere::cli
