#pragma once

#include "model/Form1.h"

#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// Why the window would refuse a click or a keystroke now (a hidden or disabled
// control), or nothing when it takes it. Both front ends ask these before
// running a command.
using Refusal = std::optional<std::string>;
using CommandArgs = std::vector<std::string>;

Refusal needsButton(const Button* button, const std::string& name, bool frameShown = true);
Refusal needsMenuItem(const Form1& form, MenuItemOf item);

template <MenuItemOf item> Refusal needsItem(const Form1& form, const CommandArgs&) {
    return needsMenuItem(form, item);
}

Refusal startRefusal(const Form1& form);
Refusal raceButtonRefusal(const Form1& form, int index);
Refusal previousRaceRefusal(const Form1& form);
Refusal nextRaceRefusal(const Form1& form);
// A scratch button is out of reach while its frame is hidden.
Refusal scratchRefusal(const Form1& form, int index);
Refusal recordRefusal(const Form1& form);
// Typing into Text39(index); the tote board's boxes always take it.
Refusal text39Refusal(const Form1& form, int index);

} // namespace tallowmere
