#pragma once

#include "model/Form1.h"

namespace tallowmere {

using FormCommand = void (*)(Form1&);

// The command a click on a menu item runs; nullptr for the menus and submenus,
// which only open, and for an item that has no command in this build.
FormCommand menuClickCommand(MenuItemOf item);

} // namespace tallowmere
