#pragma once

#include "app/ControlRefusals.h"
#include "model/Form1.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallowmere {

// What the window asks the user for before it gives a command: its arguments.
// A season folder is replayed in the window's own dialog, with progress and
// Cancel, from the same functions the batch front end's replay runs.
enum class WindowAsks { Nothing, ExportFile, SeasonFolder, ChartFile };

// A menu item that gives a command, and the arguments it gives it; the
// window adds those it asks the user for.
struct MenuEntry {
    MenuItemOf item;
    CommandArgs args;
};

// One command a user can give, in the window (a menu item, a button, a box)
// or to the batch front end (a word and its arguments).
struct Command {
    std::string_view name; // in the user's words: "Record", "Auto Record"
    // The batch front end's word; empty for what only the window offers.
    std::string_view word;
    int arity;
    std::function<bool(const CommandArgs&)> argumentsValid;
    // Why the window would refuse it now (a hidden or disabled control).
    std::function<Refusal(const Form1&, const CommandArgs&)> refusal;
    // What it does; false when it could not do its work (a file it had to
    // write, the cards of a replay), which makes a batch run's status 1.
    // What it prints goes to `out` (the window has nowhere to print).
    std::function<bool(Form1&, const CommandArgs&, std::ostream& out)> run;
    std::vector<MenuEntry> menuEntries = {};
    WindowAsks asks = WindowAsks::Nothing;
    bool endsTheProgram = false;
    // A word the command may take after its arguments ("--into-archive").
    std::string_view optionalWord = {};
    // What is wrong with arguments of the right form (a folder that is none),
    // told as it stands; nothing when they are fine.
    std::function<std::optional<std::string>(const CommandArgs&)> argumentProblem = {};
};

const std::vector<Command>& commandTable();

// The command of a batch word; nullptr for a word that names none.
const Command* commandForWord(std::string_view word);
// The command of a button, a box or a list of the window, by its name.
const Command& commandNamed(std::string_view name);
// The command a click on the menu item gives, with its arguments; nothing for
// the menus and submenus, which only open.
std::optional<std::pair<const Command*, CommandArgs>> commandForMenuItem(MenuItemOf item);

} // namespace tallowmere
