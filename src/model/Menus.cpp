#include "model/Menus.h"

namespace tallowmere {

const std::vector<MenuNode>& menuTree() {
    using M = Menus;
    static const std::vector<MenuNode> tree = {
        {&M::File, nullptr},
        {&M::NewRC, &M::File},
        {&M::CRC, &M::File},
        {&M::Selections, &M::File},
        {&M::Pick3, &M::File},
        {&M::Program, &M::File},
        {&M::Entries, &M::File},
        {&M::Exit_Program, &M::File},
        {&M::Export, &M::File},
        {&M::Navigation, nullptr},
        {&M::MainScreen, &M::Navigation},
        {&M::SelectionAndResults, &M::Navigation},
        {&M::Excel, &M::Navigation},
        {&M::ALL, &M::Excel},
        {&M::Select, &M::Excel},
        {&M::SizeGroup, &M::Excel},
        {&M::Size1_2, &M::SizeGroup},
        {&M::Size5_8, &M::SizeGroup},
        {&M::Size7_8, &M::SizeGroup},
        {&M::Size1M, &M::SizeGroup},
        {&M::Size1Q, &M::SizeGroup},
        {&M::Tools, nullptr},
        {&M::TM, &M::Tools},
        {&M::DRF, &M::Tools},
        {&M::TRC, &M::Tools},
        {&M::Results, &M::Tools},
        {&M::EBET, &M::Tools},
        {&M::PTR, &M::Tools},
        {&M::Test, &M::Tools},
        {&M::Print2, &M::Tools},
        {&M::Print1, &M::Tools},
        {&M::Editor, &M::Tools},
        {&M::ArchivesEditor, &M::Editor},
        {&M::Tracks, &M::Editor},
        {&M::Replay, &M::Tools},
        {&M::ImportChart, &M::Tools},
        {&M::Help, nullptr},
        {&M::About, &M::Help},
        {&M::Version, &M::Help},
    };
    return tree;
}

namespace {
MenuItemOf parentOf(MenuItemOf item) {
    for (const auto& node : menuTree())
        if (node.item == item)
            return node.parent;
    return nullptr;
}
} // namespace

bool canClick(const Menus& menus, MenuItemOf item) {
    for (; item != nullptr; item = parentOf(item))
        if (!(menus.*item).visible || !(menus.*item).enabled)
            return false;
    return true;
}

} // namespace tallowmere
