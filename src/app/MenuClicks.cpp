#include "app/MenuClicks.h"

#include "app/AppCommands.h"
#include "reports/BettingProfile.h"
#include "reports/ProgramView.h"
#include "reports/ReportPrinting.h"
#include "reports/SelectionAndResults.h"
#include "reports/SelectionsView.h"
#include "reports/TrackSelection.h"
#include "results/ResultsCommands.h"
#include "selection/EntriesList.h"
#include "selection/KeyEntries.h"

#include <utility>
#include <vector>

namespace tallowmere {

FormCommand menuClickCommand(MenuItemOf item) {
    using M = Menus;
    static const std::vector<std::pair<MenuItemOf, FormCommand>> commands = {
        {&M::NewRC, NewRC_Click},
        {&M::CRC, CRC_Click},
        {&M::Selections, Selections_Click},
        {&M::Pick3, Pick3_Click},
        {&M::Program, Program_Click},
        {&M::Entries, Entries_Click},
        {&M::Exit_Program, Exit_Program_Click},
        {&M::MainScreen, MainScreen_Click},
        {&M::SelectionAndResults, SelectionAndResults_Click},
        {&M::ALL, ALL_Click},
        {&M::Select, Select_Click},
        {&M::TM, TM_Click},
        {&M::DRF, DRF_Click},
        {&M::TRC, TRC_Click},
        {&M::Results, Results_Click},
        {&M::EBET, EBET_Click},
        {&M::PTR, PTR_Click},
        {&M::Test, Test_Click},
        {&M::Print2, Print2_Click},
        {&M::Print1, Print1_Click},
        {&M::ArchivesEditor, ArchivesEditor_Click},
        {&M::Tracks, Tracks_Click},
        {&M::About, About_Click},
        {&M::Version, Version_Click},
    };
    for (const auto& [menuItem, command] : commands)
        if (menuItem == item)
            return command;
    return nullptr;
}

} // namespace tallowmere
