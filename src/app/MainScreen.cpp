#include "app/AppCommands.h"
#include "selection/ScratchMarks.h"

namespace tallowmere {
namespace {

void showRaceCardControls(Form1& form) {
    if (const auto race = form.shownRace())
        form.CurrentRace = *race;
    showScratchButtons(form, form.CurrentRace);
    for (int i = 1; i <= 8; ++i)
        form.setText39Visible(i, true);
}

void showRaceCardMenus(Menus& menus) {
    for (MenuItemOf item : {&Menus::SelectionAndResults, &Menus::EBET, &Menus::PTR, &Menus::Results,
                            &Menus::TRC, &Menus::ImportChart, &Menus::NewRC, &Menus::File,
                            &Menus::Tools, &Menus::Help, &Menus::Navigation})
        (menus.*item).visible = true;
}

} // namespace

void MainScreen_Click(Form1& form) {
    form.Frame6.visible = true;
    form.Window.width = 17400;
    form.menus.Print2.visible = false;
    form.menus.Print1.visible = false;
    form.Frame5.visible = false;
    showRaceCardControls(form);
    form.MSFlexGrid2.visible = false;
    form.Frame4.visible = true;
    showRaceCardMenus(form.menus);
    form.Frame3.visible = true;
    form.MSFlexGrid3.visible = false;
    form.Window.caption = mainWindowCaption;
}

} // namespace tallowmere
