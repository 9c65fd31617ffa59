#include "app/ControlRefusals.h"

namespace tallowmere {
namespace {
std::string indexed(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}
} // namespace

Refusal needsButton(const Button* button, const std::string& name, bool frameShown) {
    if (!button || !button->visible || !frameShown)
        return name + " is hidden";
    if (!button->enabled)
        return name + " is disabled";
    return std::nullopt;
}

Refusal needsMenuItem(const Form1& form, MenuItemOf item) {
    if (canClick(form.menus, item))
        return std::nullopt;
    return "menu item " + (form.menus.*item).name + " is hidden or disabled";
}

Refusal startRefusal(const Form1& form) {
    return needsButton(&form.Command1, "Command1");
}

Refusal raceButtonRefusal(const Form1& form, int index) {
    return needsButton(form.Command2.find(index), indexed("Command2", index));
}

Refusal previousRaceRefusal(const Form1& form) {
    return needsButton(&form.Command5, "Command5");
}

Refusal nextRaceRefusal(const Form1& form) {
    return needsButton(&form.Command6, "Command6");
}

Refusal scratchRefusal(const Form1& form, int index) {
    return needsButton(form.Command3.find(index), indexed("Command3", index), form.Frame6.visible);
}

Refusal recordRefusal(const Form1& form) {
    return needsButton(&form.Command4, "Command4", form.Frame5.visible);
}

Refusal text39Refusal(const Form1& form, int index) {
    if (!form.Text39(index).visible)
        return indexed("Text39", index) + " is hidden";
    return std::nullopt;
}

} // namespace tallowmere
