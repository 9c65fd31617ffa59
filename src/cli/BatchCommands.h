#pragma once

#include "app/ControlRefusals.h"
#include "model/Form1.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::cli {

using Args = CommandArgs;

// One command of the batch front end: its arguments, the control its click
// needs (the reason the window would refuse it now) and what it does.
struct BatchCommand {
    std::string_view name;
    int arity;
    std::function<bool(const Args&)> argumentsValid;
    std::function<Refusal(const Form1&, const Args&)> refusal;
    // What it does; false when it could not do its work (a file it had to
    // write, the cards of a replay), which makes the run's final status 1
    // (the commands after it still run).
    std::function<bool(Form1&, const Args&, std::ostream&)> run;
    bool endsTheProgram = false;
    // A word the command may take after its arguments ("--into-archive").
    std::string_view optionalWord = {};
    // What is wrong with arguments of the right form (a folder that is none),
    // told as it stands; nothing when they are fine.
    std::function<std::optional<std::string>(const Args&)> argumentProblem = {};
};

const BatchCommand* findBatchCommand(std::string_view name);

extern const std::string_view batchUsage;

} // namespace tallowmere::cli
