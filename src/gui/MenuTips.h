#pragma once

#include <QKeySequence>
#include <QString>
#include <string>

namespace tallowmere::gui {

// What a menu or menu item does, by its name ("Exit_Program"); empty for a
// name that is none.
QString menuTip(const std::string& itemName);

// The key that gives a menu item, by its name; none for most. Print and Print
// Profile share theirs: the screens never show both.
QKeySequence menuShortcut(const std::string& itemName);

} // namespace tallowmere::gui
