#pragma once

#include <string>
#include <vector>

namespace tallowmere {

struct MenuItem {
    std::string name;
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};

// The menu bar: four menus, their items and three submenus, under the names
// the commands are known by. The items last in File and Tools open the
// window's own dialogs.
struct Menus {
    MenuItem File{"File", "File"};
    MenuItem NewRC{"NewRC", "New/Recall Race Card"};
    MenuItem CRC{"CRC", "Close Race Card"};
    MenuItem Selections{"Selections", "View Selections"};
    MenuItem Pick3{"Pick3", "View KEY Entries"};
    MenuItem Program{"Program", "View Program"};
    MenuItem Entries{"Entries", "Entries List"};
    MenuItem Exit_Program{"Exit_Program", "Exit"};
    // Shown by the window while a grid it can export is on screen.
    MenuItem Export{"Export", "Export\x85", false};

    MenuItem Navigation{"Navigation", "Navigation"};
    MenuItem MainScreen{"MainScreen", "Main Screen"};
    MenuItem SelectionAndResults{"SelectionAndResults", "Selection & Results Summary"};
    MenuItem Excel{"Excel", "Betting Profiles"};
    MenuItem ALL{"ALL", "All Tracks"};
    MenuItem Select{"Select", "Select Track"};
    // The track-size groups the profile also takes, besides one track.
    MenuItem SizeGroup{"SizeGroup", "Size Group"};
    MenuItem Size1_2{"Size1_2", "1/2"};
    MenuItem Size5_8{"Size5_8", "5/8"};
    MenuItem Size7_8{"Size7_8", "7/8"};
    MenuItem Size1M{"Size1M", "1.M"};
    MenuItem Size1Q{"Size1Q", "1.Q"};

    MenuItem Tools{"Tools", "Tools"};
    MenuItem TM{"TM", "TrackMaster"};
    MenuItem DRF{"DRF", "DRF - Changes & Scratches"};
    MenuItem TRC{"TRC", "Download Results"};
    MenuItem Results{"Results", "Results"};
    MenuItem EBET{"EBET", "Auto Record"};
    MenuItem PTR{"PTR", "Tallowmere Revisions"};
    MenuItem Test{"Test", "Test"};
    MenuItem Print2{"Print2", "Print Profile"};
    MenuItem Print1{"Print1", "Print"};
    MenuItem Editor{"Editor", "Editor"};
    MenuItem ArchivesEditor{"ArchivesEditor", "Archives"};
    MenuItem Tracks{"Tracks", "Tracks"};
    MenuItem Replay{"Replay", "Replay Cards\x85"};
    MenuItem ImportChart{"ImportChart", "Import Chart\x85"};

    MenuItem Help{"Help", "Help"};
    MenuItem About{"About", "About"};
    MenuItem Version{"Version", "Version"};
};

using MenuItemOf = MenuItem Menus::*;

// One node of the menu tree: the item and the menu or submenu it sits in
// (nullptr for the four menus of the bar). Listed in display order.
struct MenuNode {
    MenuItemOf item;
    MenuItemOf parent;
};
const std::vector<MenuNode>& menuTree();

// Whether a click can reach the item: it and every menu above it are visible
// and enabled.
bool canClick(const Menus& menus, MenuItemOf item);

} // namespace tallowmere
